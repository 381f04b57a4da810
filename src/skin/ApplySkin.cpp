#include "ApplySkin.h"

#include "SkinFramework.h"
#include "desktop/WindowColours.h"
#include "platform/ProgramEnvironment.h"

#include <QFileInfo>
#include <QWidget>

namespace skin {

QString skinFilePath() { return platform::programFolder() + QStringLiteral("/x/o.cjs"); }

void applySkin(QWidget* window, skin::SkinFramework& engine)
{
    const QString path = skinFilePath();
    if (!QFileInfo(path).isFile())
        return;
    desktop::setButtonFaceColours(window, true);
    engine.LoadSkin(path, QString());
    engine.setApplyOptions(engine.ApplyOptions() | skin::SkinFramework::OptionSkinWindows);
    engine.setRestyleNewControls(true);
    engine.setRestyleDialogs(true);
    engine.ApplyWindow(window->winId());
}

}  // namespace skin
