// The package SaveAs writes: its parts, the structure Word insists on, the
// styles readers need, text that XML can carry, and a file that is written
// completely or not at all.
#include "PlannerRun.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "WordTestSupport.h"

#include "word/Messages.h"
#include "word/Word.h"
#include "word/package/PackageWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace word;
using testfiles::readFile;
using wordtest::XmlNode;

namespace {

class PackageWriterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Saves the planner of a full week and returns the path.
    QString savePlanner(const QString& name = QStringLiteral("kelvas12345678.doc"))
    {
        const QString path = folder.filePath(name);
        EXPECT_EQ(plannertest::keepPlanner(plannertest::fullWeek(QStringLiteral(" spaced title ")), path), QString());
        return path;
    }

    XmlNode part(const QString& path, const QString& name)
    {
        const std::optional<QByteArray> bytes = wordtest::readZipPart(path, name);
        EXPECT_TRUE(bytes.has_value()) << name.toStdString();
        std::optional<XmlNode> root = wordtest::parseXml(bytes.value_or(QByteArray()));
        EXPECT_TRUE(root.has_value()) << name.toStdString() << " is not well-formed";
        return root.value_or(XmlNode{});
    }

    // Puts a file of the given bytes in the folder; returns its path.
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytes);
        return path;
    }

    QStringList folderEntries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
};

TEST_F(PackageWriterTest, PackageHasItsPartsTypesAndRelationships)
{
    const QString path = savePlanner();
    const QStringList names = wordtest::zipPartNames(path);
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.front(), "[Content_Types].xml");
    for (const char* name : {"_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels", "word/styles.xml",
                             "word/settings.xml", "docProps/core.xml", "docProps/app.xml"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;

    // The main part is found through the package relationships and typed as a document.
    const XmlNode types = part(path, "[Content_Types].xml");
    QStringList overrides;
    for (const XmlNode* node : types.all("Override"))
        overrides << node->attribute("PartName") + " " + node->attribute("ContentType");
    EXPECT_TRUE(overrides.contains(
        "/word/document.xml application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"));
    const XmlNode rels = part(path, "_rels/.rels");
    ASSERT_EQ(rels.children.size(), 3u);
    EXPECT_EQ(rels.children[0].attribute("Target"), "word/document.xml");
}

TEST_F(PackageWriterTest, BodyHasTheHeadingTheTableAParagraphAndTheSectionLast)
{
    const XmlNode document = part(savePlanner(), "word/document.xml");
    const XmlNode* body = document.child("w:body");
    ASSERT_NE(body, nullptr);
    EXPECT_EQ(body->childNames(), QStringList({"w:p", "w:tbl", "w:p", "w:sectPr"}));

    const XmlNode& heading = body->children[0];
    EXPECT_EQ(heading.child("w:pPr")->childNames(), QStringList({"w:jc", "w:rPr"}));
    EXPECT_EQ(heading.child("w:pPr")->child("w:jc")->attribute("w:val"), "center");
    const XmlNode* run = heading.child("w:r");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->child("w:rPr")->childNames(), QStringList({"w:rFonts", "w:b", "w:bCs", "w:sz", "w:szCs"}));
    EXPECT_EQ(run->child("w:rPr")->child("w:rFonts")->attribute("w:ascii"), "Trebuchet MS");
    // The title keeps its blanks.
    EXPECT_EQ(run->child("w:t")->text, "Week of  spaced title ");
    EXPECT_EQ(run->child("w:t")->attribute("xml:space"), "preserve");

    const XmlNode* sectPr = body->child("w:sectPr");
    EXPECT_EQ(sectPr->childNames(), QStringList({"w:pgSz", "w:pgMar", "w:cols", "w:docGrid"}));
    EXPECT_EQ(sectPr->child("w:pgMar")->attribute("w:left"), "1440");
    EXPECT_EQ(sectPr->child("w:pgMar")->attribute("w:top"), "1440");
}

TEST_F(PackageWriterTest, TableIsWrittenAsWordInsistsOnIt)
{
    const XmlNode document = part(savePlanner(), "word/document.xml");
    const XmlNode* table = document.child("w:body")->child("w:tbl");
    ASSERT_NE(table, nullptr);
    const XmlNode* properties = table->child("w:tblPr");
    EXPECT_EQ(properties->childNames(), QStringList({"w:tblStyle", "w:tblW", "w:tblLayout", "w:tblCellMar", "w:tblLook"}));
    EXPECT_EQ(properties->child("w:tblStyle")->attribute("w:val"), "TableGrid");
    EXPECT_EQ(properties->child("w:tblW")->attribute("w:w"), "9600");
    EXPECT_EQ(properties->child("w:tblLayout")->attribute("w:type"), "fixed");
    EXPECT_EQ(properties->child("w:tblCellMar")->child("w:left")->attribute("w:w"), "30");
    const XmlNode* look = properties->child("w:tblLook");
    EXPECT_EQ(look->attribute("w:val"), "05E0");
    for (const char* flag : {"w:firstRow", "w:lastRow", "w:firstColumn", "w:lastColumn", "w:noVBand"})
        EXPECT_EQ(look->attribute(flag), "1") << flag;
    EXPECT_EQ(look->attribute("w:noHBand"), "0");

    QStringList grid;
    for (const XmlNode* column : table->child("w:tblGrid")->all("w:gridCol"))
        grid << column->attribute("w:w");
    EXPECT_EQ(grid, QStringList({"1000", "3600", "400", "3600", "1000"}));

    const std::vector<const XmlNode*> rows = table->all("w:tr");
    ASSERT_EQ(rows.size(), 36u);
    for (const XmlNode* row : rows) {
        int span = 0;
        ASSERT_FALSE(row->all("w:tc").empty());
        for (const XmlNode* cell : row->all("w:tc")) {
            ASSERT_EQ(cell->children.front().name, "w:tcPr");
            EXPECT_EQ(cell->children.back().name, "w:p");  // Word refuses a cell without one
            const XmlNode* tcPr = cell->child("w:tcPr");
            EXPECT_EQ(tcPr->children.front().name, "w:tcW");
            EXPECT_EQ(tcPr->child("w:tcW")->attribute("w:type"), "dxa");
            span += tcPr->child("w:gridSpan") ? tcPr->child("w:gridSpan")->attribute("w:val").toInt() : 1;
        }
        EXPECT_EQ(span, 5);
    }

    // The day headings: merged, shaded clear with an automatic pattern colour.
    const std::vector<const XmlNode*> heading = rows[0]->all("w:tc");
    ASSERT_EQ(heading.size(), 3u);
    const XmlNode* monday = heading[0]->child("w:tcPr");
    EXPECT_EQ(monday->childNames(), QStringList({"w:tcW", "w:gridSpan", "w:shd"}));
    EXPECT_EQ(monday->child("w:tcW")->attribute("w:w"), "4600");
    EXPECT_EQ(monday->child("w:gridSpan")->attribute("w:val"), "2");
    EXPECT_EQ(monday->child("w:shd")->attribute("w:val"), "clear");
    EXPECT_EQ(monday->child("w:shd")->attribute("w:color"), "auto");
    // An ordinary cell has no shading at all.
    EXPECT_EQ(rows[2]->all("w:tc")[0]->child("w:tcPr")->child("w:shd"), nullptr);
    // Table paragraphs carry the grid style's spacing themselves.
    const XmlNode* pPr = rows[2]->all("w:tc")[0]->child("w:p")->child("w:pPr");
    EXPECT_EQ(pPr->childNames().front(), "w:spacing");
    EXPECT_EQ(pPr->child("w:spacing")->attribute("w:after"), "0");
}

TEST_F(PackageWriterTest, TextIsEscapedAndCharactersXmlCannotCarryAreLeftOut)
{
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    Selection selection = document.ActiveWindow().Selection();
    const QString typed = QString::fromUtf8("<b>&amp;\"'</b>\x01\x02\x1F\x7F tab\there\x0B"
                                            "line \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x98\x80 ")
        + QChar(0xD800) + QChar(0xFFFE) + QStringLiteral("end");
    selection.TypeText(typed);
    const QString path = folder.filePath("escaped.docx");
    document.SaveAs(path);
    app.Quit();

    const QByteArray raw = *wordtest::readZipPart(path, "word/document.xml");
    EXPECT_FALSE(raw.contains("<b>"));
    const XmlNode root = part(path, "word/document.xml");  // well-formed despite it all
    const XmlNode* run = root.child("w:body")->child("w:p")->child("w:r");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->childNames(), QStringList({"w:rPr", "w:t", "w:tab", "w:t", "w:br", "w:t"}));
    EXPECT_EQ(run->children[1].text, QString::fromUtf8("<b>&amp;\"'</b>\x7F tab"));
    EXPECT_EQ(run->children[5].text, QString::fromUtf8("line \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x98\x80 end"));
}

TEST_F(PackageWriterTest, PageIsLetterInUsUnitsAndA4Elsewhere)
{
    const QLocale saved;
    for (const auto& [locale, width, height] : {std::tuple{"en_US", 12240, 15840}, std::tuple{"de_DE", 11906, 16838}}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        Application app = Application::CreateObject();
        Document document = app.Documents().Add();
        const QString path = folder.filePath(QStringLiteral("%1.docx").arg(QString::fromLatin1(locale)));
        document.SaveAs(path);
        app.Quit();
        const XmlNode written = part(path, "word/document.xml");
        const XmlNode* pgSz = written.child("w:body")->child("w:sectPr")->child("w:pgSz");
        EXPECT_EQ(pgSz->attribute("w:w").toInt(), width) << locale;
        EXPECT_EQ(pgSz->attribute("w:h").toInt(), height) << locale;
    }
    QLocale::setDefault(saved);
}

TEST_F(PackageWriterTest, SavingReplacesAnOldFileCompletelyAndLeavesNothingElse)
{
    const QString path = writeFile("planner.doc", QByteArray(200000, 'x'));

    const QFileDevice::Permissions privateMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile::setPermissions(path, privateMode);

    savePlanner("planner.doc");
    EXPECT_EQ(folderEntries(), QStringList({"planner.doc"}));
    EXPECT_EQ(wordtest::zipPartNames(path).size(), 8);
    EXPECT_FALSE(wordtest::readZipPart(path, "word/document.xml")->isEmpty());
    const QFileDevice::Permissions saved = QFile::permissions(path);
    EXPECT_TRUE(saved.testFlags(privateMode));
    EXPECT_EQ(int(saved & 0x0077), 0);  // a private file stays private: nothing for group or others

    // A target name close to the file system's limit still saves.
    const QString longName = QString(240, 'p') + ".doc";
    savePlanner(longName);
    EXPECT_TRUE(QFile::exists(folder.filePath(longName)));
}

// A link at the target is written through: it stays, and the file it leads
// to is replaced whole and keeps its mode.
TEST_F(PackageWriterTest, ALinkAtTheTargetStaysAndItsFileIsReplaced)
{
    const QString victim = writeFile("victim.doc", "last year's planner");
    ASSERT_EQ(::chmod(QFile::encodeName(victim).constData(), 0640), 0);
    const QString link = folder.filePath("link.doc");
    if (!QFile::link("victim.doc", link))
        GTEST_SKIP() << "links cannot be made here";

    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    document.SaveAs(link);
    document.Close();
    app.Quit();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(wordtest::zipPartNames(victim).size(), 8);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(victim).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode_t(0640));
    EXPECT_EQ(folderEntries(), QStringList({"link.doc", "victim.doc"}));
}

TEST_F(PackageWriterTest, AFailedSaveLeavesWhatWasThereAndNoTemporaryFile)
{
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    QStringList expected{"taken.doc"};

    // No such folder.
    EXPECT_THROW(document.SaveAs(folder.filePath("missing/planner.doc")), AutomationError);
    // A folder at the path.
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.doc"));
    try {
        document.SaveAs(folder.filePath("taken.doc"));
        ADD_FAILURE() << "a folder was replaced";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(error.description().contains("taken.doc"));
    }
    EXPECT_TRUE(QFileInfo(folder.filePath("taken.doc")).isDir());
    EXPECT_THROW(document.SaveAs(QString()), AutomationError);

#ifdef Q_OS_UNIX
    // A folder we may not write to keeps its file as it was.
    if (::geteuid() != 0) {
        expected.prepend("locked");
        const QString locked = folder.filePath("locked");
        ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
        QFile existing(locked + "/planner.doc");
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("old");
        existing.close();
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_THROW(document.SaveAs(locked + "/planner.doc"), AutomationError);
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll(), "old");
        EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
#endif
    app.Quit();
    EXPECT_EQ(folderEntries(), expected);
}

TEST_F(PackageWriterTest, AReadOnlyFileIsRefusedByItsModeEvenForRoot)
{
    // Root may write to any file, so the refusal must rest on the file's mode
    // bits, not on whether the write would be allowed.
    const QString path = writeFile("planner.doc", "an older week");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    try {
        document.SaveAs(path);
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(error.description().contains("read-only")) << error.description().toStdString();
    }
    app.Quit();
    EXPECT_EQ(readFile(path), "an older week");
    EXPECT_EQ(folderEntries(), QStringList({"planner.doc"}));
}

// Saving over an existing planner on a real, full file system: with nothing
// free and with one page free (the new package does not fit in either), the
// old file stays byte for byte, no temporary file is left, and the error names
// the reason.
TEST_F(PackageWriterTest, SaveAsOnAFullDiskKeepsTheOldFileAndNamesTheReason)
{
    const QString disk = SmallFileSystem::folder();
    if (disk.isEmpty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        QString whyNot;
        const auto run = SmallFileSystem::runInside(
            {QStringLiteral("--gtest_filter=%1.%2").arg(QLatin1String(test->test_suite_name()), QLatin1String(test->name()))},
            256 * 1024, &whyNot);
        if (!run)
            GTEST_SKIP() << whyNot.toStdString();
        EXPECT_EQ(run->exitCode, 0) << run->output.toStdString();
        EXPECT_TRUE(run->output.contains("[  PASSED  ] 1 test")) << run->output.toStdString();
        return;
    }

    const QString path = QDir(disk).filePath("planner.doc");
    for (const qint64 freeBytes : {0, 4096}) {
        ASSERT_EQ(plannertest::keepPlanner(plannertest::fullWeek(QStringLiteral("the old week")), path), QString());
        const QByteArray old = readFile(path);
        ASSERT_GT(old.size(), freeBytes) << "the new planner would fit";

        ASSERT_TRUE(SmallFileSystem::fill(disk, freeBytes)) << freeBytes;
        Application app = Application::CreateObject();
        Document week = app.Documents().Open(path);
        try {
            week.SaveAs(path);
            ADD_FAILURE() << "saved on a full disk with " << freeBytes << " bytes free";
        } catch (const AutomationError& error) {
            EXPECT_TRUE(error.description().contains("No space left on device")) << error.description().toStdString();
        }
        app.Quit();
        EXPECT_EQ(readFile(path), old) << freeBytes << " bytes free";
        EXPECT_EQ(QDir(disk).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList({"filler", "planner.doc"}));
        QFile::remove(QDir(disk).filePath("filler"));
    }
}

}  // namespace
