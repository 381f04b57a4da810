#include "PlannerScene.h"

#include "PlannerRun.h"
#include "preview/Form2.h"
#include "word/package/PackageReader.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "entry/DayTabs.h"

PlannerScene::PlannerScene()
{
    qputenv("TEMP", QFile::encodeName(temp.path()));
    word::setEngine(engine);
    form().Form_Load();
    form().show();
    engine->clear();
    boxes.shown.clear();
}

PlannerScene::~PlannerScene()
{
    word::setEngine(nullptr);
    qunsetenv("TEMP");
}

void PlannerScene::type(int page, int row, const QString& number, const QString& name)
{
    form().SSTab1->setCurrentIndex(page);
    form().txtNumber[row]->setText(number);
    form().txtName[row]->setText(name);
}

void PlannerScene::start(const QString& title)
{
    form().txtWeekInfo->setText(title);
    form().PushButton1_Click();
}

preview::Form2& PlannerScene::preview()
{
    if (!program.previewWindow())
        throw std::logic_error("no preview window was made");
    return *program.previewWindow();
}

word::model::DocumentModel PlannerScene::document() { return word::package::readPackage(preview().mWordFile); }

QStringList PlannerScene::temporaryFiles() const { return plannertest::filesIn(temp.path()); }
