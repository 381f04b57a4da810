// The document reader's limits at their edges: a part exactly at a limit is
// read, one element more is refused with a description naming the limit.
// The numbers are written out: they are what a user may rely on. The parts
// are made in memory and read without a package around them.
#include "word/model/DocumentError.h"
#include "word/oxml/DocumentReader.h"

#include <gtest/gtest.h>

#include <string>

using namespace word;

namespace {

QByteArray repeated(const QByteArray& piece, int times)
{
    QByteArray all;
    all.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        all += piece;
    return all;
}

// The description with which reading a main part of this body fails; empty when it is read.
std::string failureOf(const QByteArray& body)
{
    const QByteArray xml = "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>"
        + body + "</w:body></w:document>";
    try {
        oxml::readDocument(xml, QStringLiteral("word/document.xml"), oxml::StyleSheet(), oxml::ThemeFonts());
    } catch (const DocumentError& error) {
        return error.description().toStdString();
    }
    return {};
}

// `depth` elements nested in w:document, the outermost counted as the first.
QByteArray nestedInBody(int depth)
{
    const int containers = depth - 3;  // w:document, w:body and the w:p inside
    return repeated("<w:customXml>", containers) + "<w:p/>" + repeated("</w:customXml>", containers);
}

QByteArray nestedInText(int depth)
{
    const int inner = depth - 5;  // w:document, w:body, w:p, w:r, w:t
    return "<w:p><w:r><w:t>a" + repeated("<x>", inner) + repeated("</x>", inner) + "</w:t></w:r></w:p>";
}

TEST(ReaderLimitsTest, ElementsNestUpTo256Deep)
{
    const std::string tooDeep =
        "The file is damaged: the elements of word/document.xml are nested more than 256 deep (word/document.xml, line 1).";
    EXPECT_EQ(failureOf(nestedInBody(256)), "");
    EXPECT_EQ(failureOf(nestedInBody(257)), tooDeep);
    // Inside text, whose child elements are passed over, the same.
    EXPECT_EQ(failureOf(nestedInText(256)), "");
    EXPECT_EQ(failureOf(nestedInText(257)), tooDeep);
}

TEST(ReaderLimitsTest, AMillionRunsAreRead)
{
    // Spread over paragraphs, since a paragraph's runs are all held until it ends.
    const QByteArray millionRuns = repeated("<w:p>" + repeated("<w:r/>", 1000) + "</w:p>", 1000);
    EXPECT_EQ(failureOf(millionRuns), "");
    EXPECT_EQ(failureOf(millionRuns + "<w:p><w:r/></w:p>"),
              "The file is too large to open: it has more than 1000000 runs of text.");
}

TEST(ReaderLimitsTest, HalfAMillionParagraphsAreRead)
{
    const QByteArray paragraphs = repeated("<w:p/>", 500000);
    EXPECT_EQ(failureOf(paragraphs), "");
    EXPECT_EQ(failureOf(paragraphs + "<w:p/>"),
              "The file is too large to open: it has more than 500000 paragraphs.");
}

}  // namespace
