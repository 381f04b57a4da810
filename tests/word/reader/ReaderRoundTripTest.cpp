// Documents.Open reads back what SaveAs wrote: the planner comes back as the
// same model and is saved again as the same document, and typed text of
// every awkward kind comes back exactly as typed (but for control characters,
// which a package cannot carry).
#include "ReaderTestFiles.h"
#include "WordTestSupport.h"

#include "word/Word.h"
#include "word/package/PackageReader.h"
#include "word/package/PackageWriter.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace word;

namespace {

class ReaderRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QTemporaryDir folder;
};

TEST_F(ReaderRoundTripTest, PlannerComesBackAsTheSameModelAndTheSameParts)
{
    const QString first = folder.filePath(QStringLiteral("kelvas11111111.doc"));
    const model::DocumentModel saved = readertest::savePlanner(first, QStringLiteral("  Week <12> & \"more\"  "));

    Application app = Application::CreateObject();
    Document opened = app.Documents().Open(first);
    const model::DocumentModel& read = wordtest::modelOf(opened);
    EXPECT_EQ(read, saved);
    ASSERT_EQ(read.tableCount(), 1);
    EXPECT_EQ(read.table(0)->rows.size(), 36u);
    EXPECT_EQ(read.table(0)->gridTwips, (std::vector<int>{1000, 3600, 400, 3600, 1000}));

    const QString second = folder.filePath(QStringLiteral("again.docx"));
    opened.SaveAs(second);
    opened.Close();
    app.Quit();
    const QByteArray a = readertest::readFile(first);
    const QByteArray b = readertest::readFile(second);
    for (const char* part : {"word/document.xml", "word/styles.xml", "word/settings.xml", "[Content_Types].xml",
                             "_rels/.rels", "word/_rels/document.xml.rels"})
        EXPECT_EQ(readertest::partOf(a, QString::fromLatin1(part)), readertest::partOf(b, QString::fromLatin1(part))) << part;
    EXPECT_EQ(package::readPackage(second), saved);
}

TEST_F(ReaderRoundTripTest, BlankDocumentAndLetterAndA4PagesComeBack)
{
    for (const model::PageSetup& page : {model::PageSetup::letter(), model::PageSetup::a4()}) {
        model::DocumentModel blank = model::DocumentModel::blank();
        blank.page = page;
        const QString path = folder.filePath(QStringLiteral("blank.docx"));
        package::writePackage(blank, path);
        EXPECT_EQ(package::readPackage(path), blank);
    }
}

struct TypedText {
    QString typed;
    QString expected;
};

TEST_F(ReaderRoundTripTest, AwkwardTypedTextsComeBackAsTyped)
{
    const std::vector<TypedText> texts{
        {QStringLiteral("<w:p><w:t>&amp; \"quoted\" 'single' ]]> <!-- x --> &#x41;</w:t>"),
         QStringLiteral("<w:p><w:t>&amp; \"quoted\" 'single' ]]> <!-- x --> &#x41;</w:t>")},
        {QString(10000, QLatin1Char('x')) + QStringLiteral("end"), QString(10000, QLatin1Char('x')) + QStringLiteral("end")},
        {QStringLiteral("שלום עולם - مرحبا بالعالم"), QStringLiteral("שלום עולם - مرحبا بالعالم")},
        {QStringLiteral("😀 👍🏽 👨‍👩‍👧 🇩🇪"), QStringLiteral("😀 👍🏽 👨‍👩‍👧 🇩🇪")},
        {QStringLiteral("   leading and trailing   "), QStringLiteral("   leading and trailing   ")},
        {QStringLiteral("tab\there"), QStringLiteral("tab\there")},
        {QStringLiteral("bell\x07null-free\x01\x1F end"), QStringLiteral("bellnull-free end")},
        {QStringLiteral("\uFFFE\uFFFFnon-characters"), QStringLiteral("non-characters")},
    };
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    Selection selection = document.ActiveWindow().Selection();
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            selection.TypeParagraph();
        selection.TypeText(texts[i].typed);
    }
    const QString path = folder.filePath(QStringLiteral("texts.docx"));
    document.SaveAs(path);
    document.Close();

    Document opened = app.Documents().Open(path);
    const model::DocumentModel& read = wordtest::modelOf(opened);
    ASSERT_EQ(read.body.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(std::get<model::Paragraph>(read.body[i]).text(), texts[i].expected) << i;
    app.Quit();
}

TEST_F(ReaderRoundTripTest, OpenThroughTheFacadeReportsAMissingFile)
{
    Application app = Application::CreateObject();
    const QString path = folder.filePath(QStringLiteral("nothing-here.doc"));
    try {
        app.Documents().Open(path);
        FAIL() << "opened a file that does not exist";
    } catch (const AutomationError& error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("nothing-here.doc"))) << error.description().toStdString();
        EXPECT_TRUE(error.description().contains(QStringLiteral("does not exist"))) << error.description().toStdString();
    }
    app.Quit();
}

}  // namespace
