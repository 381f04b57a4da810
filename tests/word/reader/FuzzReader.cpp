// libFuzzer entry point for the Word package reader (built with
// -DDORVANE_FUZZ=ON and clang, see CMakeLists.txt). Every input must be
// either read or refused with DocumentError: anything else (a crash, a
// sanitizer report, another exception, a hang or runaway memory caught by
// libFuzzer's limits) is a finding.
//
// The first byte of an input chooses what the rest is, so that mutations
// reach the XML readers and not only the zip layer, whose check sums turn
// nearly every change of a compressed part into a plain refusal:
//   0 (and anything else): a whole package file;
//   1: the main document part, packed into an otherwise valid package;
//   2: the styles part, likewise.
// Seeds: run once with DORVANE_FUZZ_SEEDS=<folder> to write seeds of each
// kind there, then fuzz with that folder as the corpus.
#include "word/model/DocumentError.h"
#include "word/model/DocumentModel.h"
#include "word/oxml/DocumentPart.h"
#include "word/oxml/StylesPart.h"
#include "word/package/PackageReader.h"
#include "word/package/PackageWriter.h"
#include "word/package/ZipArchive.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

using namespace word::model;
using word::package::PackagePart;

DocumentModel seedDocument()
{
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
    return planner;
}

// A small valid package whose main part or styles part is replaced.
QByteArray packageWith(const QByteArray& document, const QByteArray& styles)
{
    static const QByteArray contentTypes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "</Types>";
    static const QByteArray rootRels =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
        "</Relationships>";
    static const QByteArray documentRels =
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
        "</Relationships>";
    return word::package::zipParts({
        PackagePart{QStringLiteral("[Content_Types].xml"), {}, contentTypes},
        PackagePart{QStringLiteral("_rels/.rels"), {}, rootRels},
        PackagePart{QStringLiteral("word/document.xml"), {}, document},
        PackagePart{QStringLiteral("word/_rels/document.xml.rels"), {}, documentRels},
        PackagePart{QStringLiteral("word/styles.xml"), {}, styles},
    });
}

void writeSeed(const QString& path, char kind, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray(1, kind) + bytes);
}

void writeSeeds(const QString& folder)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    const DocumentModel document = seedDocument();
    const QString package = dir.filePath(QStringLiteral("package.tmp"));
    word::package::writePackage(document, package);
    QFile file(package);
    if (file.open(QIODevice::ReadOnly))
        writeSeed(dir.filePath(QStringLiteral("seed-package")), 0, file.readAll());
    QFile::remove(package);
    writeSeed(dir.filePath(QStringLiteral("seed-document")), 1, word::oxml::documentPart(document));
    writeSeed(dir.filePath(QStringLiteral("seed-styles")), 2, word::oxml::stylesPart(document));
}

const QByteArray& seedPart(bool styles)
{
    static const QByteArray document = word::oxml::documentPart(seedDocument());
    static const QByteArray stylesPart = word::oxml::stylesPart(seedDocument());
    return styles ? stylesPart : document;
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
    if (size == 0)
        return 0;
    const QByteArray rest = QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QByteArray bytes;
    switch (data[0]) {
    case 1: bytes = packageWith(rest, seedPart(true)); break;
    case 2: bytes = packageWith(seedPart(false), rest); break;
    default: bytes = rest; break;
    }
    try {
        const DocumentModel document = word::package::readPackageData(bytes);
        // What the model promises its other readers must hold for whatever was read.
        if (document.body.empty() || !std::holds_alternative<Paragraph>(document.body.back()))
            std::abort();
        for (const Block& block : document.body) {
            if (const auto* table = std::get_if<Table>(&block); table && !table->isConsistent())
                std::abort();
        }
        if (document.page.textWidthTwips() <= 0)
            std::abort();
    } catch (const word::DocumentError&) {
    }
    return 0;
}
