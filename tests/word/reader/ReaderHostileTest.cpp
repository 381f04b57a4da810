// Damaged, truncated, oversized and hostile files: each is refused with a
// description of what is wrong, promptly and without exhausting memory.
#include "ReaderTestFiles.h"

#include "word/model/DocumentError.h"
#include "word/package/PackageReader.h"
#include "word/package/ReadLimits.h"

#include <QDir>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <zip.h>

#include <random>

using namespace word;

namespace {

// The description of the failure of reading these bytes; empty when they were read.
QString failureOf(const QByteArray& bytes)
{
    try {
        package::readPackageData(bytes);
    } catch (const DocumentError& error) {
        return error.description();
    }
    return {};
}

#define EXPECT_FAILS_WITH(bytes, text)                                                         \
    do {                                                                                       \
        const QString description_ = failureOf(bytes);                                         \
        EXPECT_TRUE(description_.contains(QStringLiteral(text))) << description_.toStdString(); \
    } while (false)

class ReaderHostileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        plannerPath = folder.filePath(QStringLiteral("planner.docx"));
        readertest::savePlanner(plannerPath);
        planner = readertest::readFile(plannerPath);
        ASSERT_FALSE(planner.isEmpty());
        document = readertest::partOf(planner, QStringLiteral("word/document.xml"));
    }

    QByteArray withDocument(const QByteArray& xml) const
    {
        return readertest::withPart(planner, QStringLiteral("word/document.xml"), xml);
    }

    QTemporaryDir folder;
    QString plannerPath;
    QByteArray planner;
    QByteArray document;
};

TEST_F(ReaderHostileTest, FilesThatAreNoWordPackage)
{
    EXPECT_FAILS_WITH(QByteArray(), "The file is not a Word document.");
    std::mt19937 random(42);
    QByteArray noise(4096, '\0');
    for (char& byte : noise)
        byte = char(random());
    EXPECT_FAILS_WITH(noise, "The file is not a Word document.");
    EXPECT_FAILS_WITH(QByteArray("PK\x03\x04") + noise, "The file is damaged");
    EXPECT_FAILS_WITH(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + noise, "Word 97-2003");
    EXPECT_FAILS_WITH(QByteArray("<?xml version=\"1.0\"?><w:document/>"), "The file is not a Word document.");

    // A zip, but no package: no content types, or a main part of another kind.
    EXPECT_FAILS_WITH(readertest::withoutPart(planner, QStringLiteral("[Content_Types].xml")), "The file is not a Word document.");
    EXPECT_FAILS_WITH(readertest::withoutPart(planner, QStringLiteral("_rels/.rels")), "The file is not a Word document.");
    QByteArray types = readertest::partOf(planner, QStringLiteral("[Content_Types].xml"));
    types.replace("wordprocessingml.document.main+xml", "spreadsheetml.sheet.main+xml");
    EXPECT_FAILS_WITH(readertest::withPart(planner, QStringLiteral("[Content_Types].xml"), types), "The file is not a Word document");
}

// Cut anywhere in its start (the declaration, the namespaces, the first
// paragraph's tags, attributes and text) or in its closing tags, the part
// ends too early, and says so.
TEST_F(ReaderHostileTest, APartCutAnywhereEndsTooEarly)
{
    std::vector<qsizetype> cuts;
    for (qsizetype cut = 1; cut < 700; ++cut)
        cuts.push_back(cut);
    for (qsizetype back = 1; back <= 40; ++back)
        cuts.push_back(document.size() - back);
    for (const qsizetype cut : cuts) {
        const QString description = failureOf(withDocument(document.left(cut)));
        EXPECT_TRUE(description.contains(QStringLiteral("ends too early"))) << cut << ": " << description.toStdString();
    }
}

TEST_F(ReaderHostileTest, MissingPartsAndBrokenXml)
{
    EXPECT_FAILS_WITH(readertest::withoutPart(planner, QStringLiteral("word/document.xml")), "main document part word/document.xml is missing");
    EXPECT_FAILS_WITH(withDocument(document.left(document.size() / 2)), "ends too early");
    EXPECT_FAILS_WITH(withDocument(QByteArray(document).replace("</w:tc>", "</w:tx>")), "not well-formed XML");
    EXPECT_FAILS_WITH(withDocument(QByteArray(document).replace("Monday", "Mon&nbsp;day")), "The file is damaged");
    EXPECT_FAILS_WITH(withDocument(QByteArray(document).replace("Monday", "Mon\x01" "day")), "not well-formed XML");
    EXPECT_FAILS_WITH(withDocument(QByteArray()), "The file is damaged");
    EXPECT_FAILS_WITH(withDocument(QByteArray("<?xml version=\"1.0\"?><x:y xmlns:x=\"urn:other\"/>")), "no w:document");
    EXPECT_FAILS_WITH(readertest::withPart(planner, QStringLiteral("word/styles.xml"), "<w:styles"), "word/styles.xml");
}

// XML's own encodings are read as XML reads them: UTF-16 in either byte
// order, told by a byte order mark or by the first bytes, UTF-8 after a byte
// order mark, and ISO-8859-1 by the declaration. One this program cannot
// read is refused.
TEST_F(ReaderHostileTest, PartsInOtherEncodingsReadTheSame)
{
    QByteArray accented = document;
    accented.replace("Monday", "Caf\xC3\xA9 \xE2\x82\xAC");  // "Café €", UTF-8
    const model::DocumentModel expected = package::readPackageData(withDocument(accented));
    const QString text =
        QString::fromUtf8(accented).replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"UTF-16\""));
    auto utf16 = [&](QStringConverter::Encoding encoding, bool mark) {
        QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder.encode(text));
    };
    EXPECT_EQ(package::readPackageData(withDocument(utf16(QStringConverter::Utf16LE, true))), expected);
    EXPECT_EQ(package::readPackageData(withDocument(utf16(QStringConverter::Utf16BE, true))), expected);
    EXPECT_EQ(package::readPackageData(withDocument(utf16(QStringConverter::Utf16LE, false))), expected);
    EXPECT_EQ(package::readPackageData(withDocument("\xEF\xBB\xBF" + accented)), expected);

    QByteArray latin1 = QByteArray(document).replace("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\"");
    latin1.replace("Monday", "Caf\xE9");
    QByteArray accentedLatin1 = QByteArray(document).replace("Monday", "Caf\xC3\xA9");
    EXPECT_EQ(package::readPackageData(withDocument(latin1)), package::readPackageData(withDocument(accentedLatin1)));
    // Without the declaration the same bytes are broken UTF-8.
    EXPECT_FAILS_WITH(withDocument(QByteArray(document).replace("Monday", "Caf\xE9")), "not well-formed XML");
    EXPECT_FAILS_WITH(withDocument(QByteArray(document).replace("encoding=\"UTF-8\"", "encoding=\"KOI8-R\"")),
                      "its encoding cannot be read");
}

TEST_F(ReaderHostileTest, TruncatedAndCorruptedZips)
{
    for (const double fraction : {0.1, 0.5, 0.9, 0.99}) {
        const QByteArray cut = planner.left(qsizetype(planner.size() * fraction));
        SCOPED_TRACE(fraction);
        EXPECT_FAILS_WITH(cut, "The file is damaged");
    }
    // A flipped byte inside the compressed main part fails its check sum or its inflation.
    QByteArray flipped = planner;
    const qsizetype at = flipped.indexOf("word/document.xml") + 200;
    flipped[at] = char(flipped[at] ^ 0x55);
    const QString description = failureOf(flipped);
    EXPECT_TRUE(description.isEmpty() || description.contains(QStringLiteral("damaged"))) << description.toStdString();
}

TEST_F(ReaderHostileTest, PathsThatAreNoFile)
{
    auto failure = [](const QString& path) {
        try {
            package::readPackage(path);
        } catch (const DocumentError& error) {
            return error.description();
        }
        return QString();
    };
    EXPECT_TRUE(failure(folder.filePath(QStringLiteral("missing.doc"))).contains(QStringLiteral("does not exist")));
    EXPECT_TRUE(failure(folder.path()).contains(QStringLiteral("folder")));
    // A pipe would block the open for ever.
    const QString pipe = folder.filePath(QStringLiteral("pipe.doc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_TRUE(failure(pipe).contains(QStringLiteral("not an ordinary file")));
    const QString empty = folder.filePath(QStringLiteral("empty.doc"));
    readertest::writeFile(empty, {});
    const QString description = failure(empty);
    EXPECT_TRUE(description.startsWith(QStringLiteral("The document \"%1\" could not be opened.").arg(QDir::toNativeSeparators(empty))))
        << description.toStdString();
    EXPECT_TRUE(description.endsWith(QStringLiteral("The file is not a Word document."))) << description.toStdString();
}

// 200 MiB of zeros deflate to about 200 KiB: an honest header is refused
// before inflating, a lying one while inflating.
TEST_F(ReaderHostileTest, ZipBombs)
{
    const QByteArray zeros(200 << 20, '\0');
    const QByteArray bomb = readertest::withPart(planner, QStringLiteral("word/document.xml"), zeros);
    ASSERT_LT(bomb.size(), 4 << 20);
    EXPECT_FAILS_WITH(bomb, "The file is too large to open");

    // The same entry with both headers claiming 1000 bytes.
    QByteArray lying = bomb;
    const QByteArray name("word/document.xml");
    qsizetype from = 0;
    int patched = 0;
    while ((from = lying.indexOf(name, from)) >= 0) {
        const qsizetype local = from - 30;
        const qsizetype central = from - 46;
        if (local >= 0 && lying.mid(local, 4) == QByteArray("PK\x03\x04", 4)) {
            const char size[4] = {char(0xE8), 0x03, 0, 0};
            lying.replace(local + 22, 4, size, 4);
            ++patched;
        } else if (central >= 0 && lying.mid(central, 4) == QByteArray("PK\x01\x02", 4)) {
            const char size[4] = {char(0xE8), 0x03, 0, 0};
            lying.replace(central + 24, 4, size, 4);
            ++patched;
        }
        from += name.size();
    }
    ASSERT_EQ(patched, 2);
    const QString description = failureOf(lying);
    EXPECT_TRUE(description.contains(QStringLiteral("too large")) || description.contains(QStringLiteral("damaged")))
        << description.toStdString();

    // Every other part is bounded too, e.g. the styles.
    EXPECT_FAILS_WITH(readertest::withPart(planner, QStringLiteral("word/styles.xml"), QByteArray(20 << 20, ' ')),
                      "The file is too large to open: the part word/styles.xml");
}

TEST_F(ReaderHostileTest, TooManyEntries)
{
    std::vector<package::PackagePart> parts = readertest::unzip(planner);
    for (int i = 0; i < package::limits::MaxEntries + 10; ++i)
        parts.push_back({QStringLiteral("junk/%1").arg(i), {}, QByteArray()});
    EXPECT_FAILS_WITH(readertest::rezip(parts), "more than 10000 parts");
}

// The XML parser's time grows with the square of an element's attributes.
TEST_F(ReaderHostileTest, ElementsWithHugeNumbersOfAttributesAreRefused)
{
    QByteArray paragraph = "<w:p";
    for (int i = 0; i < 100000; ++i)
        paragraph += " w:a" + QByteArray::number(i) + "=\"1\"";
    paragraph += "/>";
    EXPECT_FAILS_WITH(readertest::packageWithBody(paragraph), "more than 128 attributes");
    // Equal signs in text and in quoted values are no attributes.
    const QByteArray text = "<w:p><w:r><w:t>" + QByteArray(5000, '=') + "</w:t></w:r></w:p><w:p w:rsidR=\"" + QByteArray(5000, '=') + "\"/>";
    const model::DocumentModel read = package::readPackageData(readertest::packageWithBody(text));
    EXPECT_EQ(std::get<model::Paragraph>(read.body.front()).length(), 5000);
}

TEST_F(ReaderHostileTest, HugeNumbersAreRefused)
{
    const QByteArray cell = "<w:tc><w:p/></w:tc>";
    auto table = [&](const QByteArray& grid, const QByteArray& cellProperties) {
        return "<w:tbl><w:tblGrid>" + grid + "</w:tblGrid><w:tr><w:tc><w:tcPr>" + cellProperties + "</w:tcPr><w:p/></w:tc></w:tr></w:tbl><w:p/>";
    };
    EXPECT_FAILS_WITH(readertest::packageWithBody(table("<w:gridCol w:w=\"99999999999999999999\"/>", "")), "out of range");
    EXPECT_FAILS_WITH(readertest::packageWithBody(table("<w:gridCol w:w=\"1000\"/>", "<w:gridSpan w:val=\"1000000000\"/>")),
                      "w:gridSpan is out of range");
    EXPECT_FAILS_WITH(readertest::packageWithBody(table("<w:gridCol w:w=\"1000\"/>", "<w:gridSpan w:val=\"-3\"/>")), "out of range");
    EXPECT_FAILS_WITH(readertest::packageWithBody(table("<w:gridCol w:w=\"1000\"/>", "<w:tcW w:w=\"1e400\" w:type=\"dxa\"/>")),
                      "out of range");
    EXPECT_FAILS_WITH(readertest::packageWithBody("<w:p><w:r><w:rPr><w:sz w:val=\"4294967298\"/></w:rPr><w:t>x</w:t></w:r></w:p>"),
                      "font size");
    EXPECT_FAILS_WITH(readertest::packageWithBody("<w:p/><w:sectPr><w:pgSz w:w=\"NaN\" w:h=\"15840\"/></w:sectPr>"), "out of range");
    EXPECT_FAILS_WITH(readertest::packageWithBody("<w:p/><w:sectPr><w:pgMar w:top=\"-2147483648\"/></w:sectPr>"), "out of range");
    // 64 columns of grid: more than Word's 63.
    QByteArray grid;
    for (int i = 0; i < 64; ++i)
        grid += "<w:gridCol w:w=\"100\"/>";
    EXPECT_FAILS_WITH(readertest::packageWithBody(table(grid, "")), "more than 63 columns");
    QByteArray cells;
    for (int i = 0; i < 64; ++i)
        cells += cell;
    EXPECT_FAILS_WITH(readertest::packageWithBody("<w:tbl><w:tr>" + cells + "</w:tr></w:tbl>"), "more than 63 cells");
}

// A cell margin of type "nil" is none, but its width must still be a length
// Word allows, in a table's properties and a table style's alike.
TEST_F(ReaderHostileTest, NilCellMarginsAreRangeCheckedToo)
{
    const QByteArray largest = "<w:left w:w=\"31680\" w:type=\"nil\"/>";
    const QByteArray beyond = "<w:left w:w=\"31681\" w:type=\"nil\"/>";
    auto table = [](const QByteArray& margin) {
        return "<w:tbl><w:tblPr><w:tblCellMar>" + margin + "</w:tblCellMar></w:tblPr><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/>";
    };
    auto styled = [](const QByteArray& margin) {
        return readertest::packageWithBody("<w:tbl><w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/>",
                                           "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                                           "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"T\"><w:tblPr><w:tblCellMar>"
                                               + margin + "</w:tblCellMar></w:tblPr></w:style></w:styles>");
    };
    auto margin = [](const QByteArray& package) {
        return std::get<model::Table>(package::readPackageData(package).body.front()).cellMarginTwips;
    };
    EXPECT_EQ(margin(readertest::packageWithBody(table(largest))), 0);
    EXPECT_EQ(margin(styled(largest)), 0);
    EXPECT_FAILS_WITH(readertest::packageWithBody(table(beyond)), "the value \"31681\" of a cell margin is out of range");
    EXPECT_FAILS_WITH(styled(beyond), "the value \"31681\" of w is out of range");
}

TEST_F(ReaderHostileTest, DocumentTypeDeclarationsAreRefused)
{
    const QByteArray laughs =
        "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
        "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
        "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\"><!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\">"
        "<!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\"><!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\">]>"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:p><w:r><w:t>&h;</w:t></w:r></w:p></w:body></w:document>";
    EXPECT_FAILS_WITH(withDocument(laughs), "document type declaration");
    const QByteArray external =
        "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:p><w:r><w:t>&x;</w:t></w:r></w:p></w:body></w:document>";
    EXPECT_FAILS_WITH(withDocument(external), "document type declaration");
    QByteArray styles = readertest::partOf(planner, QStringLiteral("word/styles.xml"));
    styles.replace("<w:styles", "<!DOCTYPE w:styles [<!ENTITY a \"a\">]><w:styles");
    EXPECT_FAILS_WITH(readertest::withPart(planner, QStringLiteral("word/styles.xml"), styles), "document type declaration");
}

// A chain of thousands of basedOn links, named by every paragraph, is
// followed only so far (and once), so reading stays linear.
TEST_F(ReaderHostileTest, LongStyleChainsAreCut)
{
    QByteArray styles = "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                        "<w:style w:type=\"paragraph\" w:styleId=\"s0\"><w:rPr><w:b/></w:rPr></w:style>";
    for (int i = 1; i < 19000; ++i)
        styles += QStringLiteral("<w:style w:type=\"paragraph\" w:styleId=\"s%1\"><w:basedOn w:val=\"s%2\"/></w:style>").arg(i).arg(i - 1).toUtf8();
    styles += "<w:style w:type=\"paragraph\" w:styleId=\"near\"><w:basedOn w:val=\"s0\"/></w:style></w:styles>";
    QByteArray body;
    for (int i = 0; i < 20000; ++i)
        body += "<w:p><w:pPr><w:pStyle w:val=\"s18999\"/></w:pPr><w:r><w:t>x</w:t></w:r></w:p>";
    body += "<w:p><w:pPr><w:pStyle w:val=\"near\"/></w:pPr><w:r><w:t>x</w:t></w:r></w:p>";
    const model::DocumentModel read = package::readPackageData(readertest::packageWithBody(body, styles));
    ASSERT_EQ(read.body.size(), 20001u);
    EXPECT_FALSE(std::get<model::Paragraph>(read.body.front()).runs.front().format.bold);  // s0 is beyond reach
    EXPECT_TRUE(std::get<model::Paragraph>(read.body.back()).runs.front().format.bold);
}

TEST_F(ReaderHostileTest, LargeButFairDocumentsAreRead)
{
    // Many small paragraphs and one long text stay within the limits.
    QByteArray body;
    for (int i = 0; i < 20000; ++i)
        body += "<w:p><w:r><w:t>line</w:t></w:r></w:p>";
    body += "<w:p><w:r><w:t>" + QByteArray(1 << 20, 'y') + "</w:t></w:r></w:p>";
    const model::DocumentModel read = package::readPackageData(readertest::packageWithBody(body));
    ASSERT_EQ(read.body.size(), 20001u);
    EXPECT_EQ(std::get<model::Paragraph>(read.body.back()).length(), 1 << 20);
}

}  // namespace
