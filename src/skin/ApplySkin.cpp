#include "ApplySkin.h"

#include "SkinFramework.h"
#include "app/Main.h"
#include "platform/ProgramEnvironment.h"

#include <QFileInfo>
#include <QWidget>

namespace Main {

QString SkinFilePath() { return platform::programFolder() + QStringLiteral("/x/o.cjs"); }

void ApplySkin(QWidget* window, skin::SkinFramework& engine)
{
    const QString path = SkinFilePath();
    if (!QFileInfo(path).isFile())
        return;
    SetButtonFaceColours(window, true);
    engine.LoadSkin(path, QString());
    engine.setApplyOptions(engine.ApplyOptions() | skin::SkinFramework::OptionSkinWindows);
    engine.setRestyleNewControls(true);
    engine.setRestyleDialogs(true);
    engine.ApplyWindow(window->winId());
}

}  // namespace Main
