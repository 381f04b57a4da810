// libFuzzer entry point for the Word package reader (built with
// -DDORVANE_FUZZ=ON and clang, see CMakeLists.txt). Every input must be
// either read or refused with AutomationError: anything else (a crash, a
// sanitizer report, another exception, a hang or runaway memory caught by
// libFuzzer's limits) is a finding.
//
// Seeds: run once with DORVANE_FUZZ_SEEDS=<folder> to write a blank document
// and a small planner-like package there, then fuzz with that folder as the corpus.
#include "word/AutomationError.h"
#include "word/model/DocumentModel.h"
#include "word/package/PackageReader.h"
#include "word/package/PackageWriter.h"

#include <QDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void writeSeeds(const QString& folder)
{
    using namespace word::model;
    QDir().mkpath(folder);
    DocumentModel blank = DocumentModel::blank();
    word::package::writePackage(blank, QDir(folder).filePath(QStringLiteral("blank.docx")));

    DocumentModel planner = DocumentModel::blank();
    Paragraph heading;
    heading.alignment = Alignment::Center;
    heading.runs.push_back(Run{QStringLiteral("Week of \tseed\x0B"), CharacterFormat{true, QStringLiteral("Trebuchet MS"), 22}});
    Table table;
    table.gridTwips = {1000, 3600, 400};
    for (int r = 0; r < 3; ++r) {
        Row row;
        Cell merged;
        merged.gridSpan = 2;
        merged.widthTwips = 4600;
        merged.shading.background = 16777164;
        merged.paragraphs.front().runs.push_back(Run{QStringLiteral("Monday"), CharacterFormat{}});
        Cell hour;
        hour.widthTwips = 400;
        row.cells = {merged, hour};
        table.rows.push_back(row);
    }
    planner.body = {heading, table, Paragraph{}};
    word::package::writePackage(planner, QDir(folder).filePath(QStringLiteral("planner.docx")));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* folder = std::getenv("DORVANE_FUZZ_SEEDS"))
        writeSeeds(QString::fromLocal8Bit(folder));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const word::model::DocumentModel document = word::package::readPackageData(bytes);
        // What the model promises its other readers must hold for whatever was read.
        if (document.body.empty() || !std::holds_alternative<word::model::Paragraph>(document.body.back()))
            std::abort();
        for (const word::model::Block& block : document.body) {
            if (const auto* table = std::get_if<word::model::Table>(&block); table && !table->isConsistent())
                std::abort();
        }
    } catch (const word::AutomationError&) {
    }
    return 0;
}
