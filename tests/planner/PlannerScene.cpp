#include "PlannerScene.h"

#include "PlannerRun.h"
#include "preview/PreviewWindow.h"
#include "word/package/PackageReader.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "entry/DayTabs.h"

PlannerScene::PlannerScene()
{
    qputenv("TEMP", QFile::encodeName(temp.path()));
    word::EngineSeam::install(engine);
    form().load();
    form().show();
    engine->clear();
    boxes.shown.clear();
}

PlannerScene::~PlannerScene()
{
    word::EngineSeam::install(nullptr);
    qunsetenv("TEMP");
}

void PlannerScene::type(int page, int row, const QString& number, const QString& name)
{
    form().dayTabs->setCurrentIndex(page);
    form().numberBoxes[row]->setText(number);
    form().nameBoxes[row]->setText(name);
}

void PlannerScene::start(const QString& title)
{
    form().titleEdit->setText(title);
    form().startClicked();
}

preview::PreviewWindow& PlannerScene::preview()
{
    if (!program.previewWindow())
        throw std::logic_error("no preview window was made");
    return *program.previewWindow();
}

word::model::DocumentModel PlannerScene::document() { return word::package::readPackage(preview().temporaryDocument); }

QStringList PlannerScene::temporaryFiles() const { return plannertest::filesIn(temp.path()); }
