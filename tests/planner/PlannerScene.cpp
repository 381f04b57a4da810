#include "PlannerScene.h"

#include "app/ErrorReport.h"
#include "planner/ProgramWiring.h"
#include "preview/Form2.h"
#include "word/PictureSink.h"
#include "word/package/PackageReader.h"

#include "entry/DayTabs.h"

#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include <unistd.h>

void SteppedEngine::invoke(const word::Call& call, const std::function<void()>& work)
{
    lines.push_back(app::Guard::currentLine());
    RecordingEngine::invoke(call, work);
}

PlannerScene::PlannerScene()
{
    qputenv("TEMP", QFile::encodeName(temp.path()));
    word::setEngine(engine);
    wireProgram(form, tessaly);
    form.Form_Load();
    form.show();
    engine->clear();
    engine->lines.clear();
    boxes.shown.clear();
}

PlannerScene::~PlannerScene()
{
    preview::Form2& preview = preview::Form2::instance();
    preview.hide();
    preview.setEntryWindow(nullptr);
    word::setEngine(nullptr);
    word::setPictureSink({});
    qunsetenv("TEMP");
}

void PlannerScene::type(int page, int row, const QString& number, const QString& name)
{
    form.SSTab1->setCurrentIndex(page);
    form.txtNumber[row]->setText(number);
    form.txtName[row]->setText(name);
}

void PlannerScene::start(const QString& title)
{
    form.txtWeekInfo->setText(title);
    form.PushButton1_Click();
}

void PlannerScene::back() { preview::Form2::instance().PushButton8_Click(); }

word::model::DocumentModel PlannerScene::document() const
{
    return word::package::readPackage(preview::Form2::instance().mWordFile);
}

QStringList PlannerScene::rowTexts(int row) const
{
    const word::model::DocumentModel model = document();
    QStringList texts;
    if (const word::model::Table* table = model.table(0)) {
        for (const auto& cell : table->rows.at(row).cells)
            texts << cell.text();
    }
    return texts;
}

QStringList PlannerScene::temporaryFiles() const
{
    QStringList files = QDir(temp.path()).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    // The file whose locks hold document names stays for good; it is no leftover.
    files.removeAll(QStringLiteral(".kelvas-%1.lock").arg(::geteuid()));
    return files;
}

std::vector<int> PlannerScene::reportedLines() const
{
    static const QRegularExpression atLine(QStringLiteral("at line (\\d+)\\r"));
    std::vector<int> lines;
    for (const QString& report : boxes.errorReports())
        lines.push_back(atLine.match(report).captured(1).toInt());
    return lines;
}
