// SaveAs, Open, SaveAs gives the same document: formatting typed through the
// selection (a page break before a paragraph too) is read back unchanged
// (the planner's round trip is the reader's).
#include "WordTestSupport.h"

#include "word/Word.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace word;

namespace {

class RoundTripTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Opens `path` in a new instance, saves it as `again`, returns the model read.
    model::DocumentModel reopenAndSave(const QString& path, const QString& again)
    {
        Application app = Application::CreateObject();
        Document opened = app.Documents().Open(path);
        const model::DocumentModel read = wordtest::modelOf(opened);
        opened.SaveAs(again);
        app.ActiveDocument().Close(0);
        app.Quit();
        return read;
    }

    void expectSameParts(const QString& first, const QString& second)
    {
        for (const char* part : {"word/document.xml", "word/styles.xml", "word/settings.xml", "[Content_Types].xml",
                                 "_rels/.rels", "word/_rels/document.xml.rels", "docProps/app.xml"}) {
            const auto a = wordtest::readZipPart(first, QString::fromLatin1(part));
            const auto b = wordtest::readZipPart(second, QString::fromLatin1(part));
            ASSERT_TRUE(a && b) << part;
            EXPECT_EQ(*a, *b) << part;
        }
    }

    QTemporaryDir folder;
};

TEST_F(RoundTripTest, TextsFormattingAndSeveralParagraphsComeBack)
{
    Application app = Application::CreateObject();
    Document document = app.Documents().Add();
    Selection selection = document.ActiveWindow().Selection();
    selection.Font().setName("Arial");
    selection.Font().setSize(13.5);
    selection.TypeText(QString::fromUtf8(" lead\ttab \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xF0\x9F\x98\x80 "));
    selection.Font().setBold(true);
    selection.TypeText("bold");
    selection.ParagraphFormat().setAlignment(wdAlignParagraphRight);
    selection.TypeParagraph();
    selection.TypeParagraph();
    selection.ParagraphFormat().setAlignment(wdAlignParagraphJustify);
    selection.ParagraphFormat().setPageBreakBefore(true);
    selection.TypeText("last");
    const QString first = folder.filePath("texts.docx");
    document.SaveAs(first);
    const model::DocumentModel original = wordtest::modelOf(document);
    app.Quit();

    const QString second = folder.filePath("texts-again.docx");
    const model::DocumentModel read = reopenAndSave(first, second);
    EXPECT_TRUE(read == original);
    expectSameParts(first, second);
}

}  // namespace
