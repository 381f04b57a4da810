// Names in other scripts in a saved planner: our PDF against LibreOffice's
// PDF of the same file, word for word, and our preview picture against our
// PDF and our 192-dpi copy, cell for cell.
#include "PdfTools.h"
#include "LibreOffice.h"
#include "PlannerRun.h"
#include "RunProgram.h"
#include "WordTestSupport.h"

#include "output/PdfExport.h"
#include "output/PlannerPages.h"
#include "windowoutput/PictureCopy.h"
#include "word/render/DocumentLayout.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace pdftools;

// One cell per script, one of mixed direction, one with a combining mark
// (an e and U+0301 COMBINING ACUTE ACCENT).
const QStringList Names{
    QStringLiteral("שלום עולם"),
    QStringLiteral("مرحبا بالعالم"),
    QStringLiteral("会议 北京"),
    QStringLiteral("東京 さくら"),
    QStringLiteral("नमस्ते दुनिया"),
    QStringLiteral("Zoë Crème-Brûlée Ångström"),
    QStringLiteral("Call דוד about سلام today"),
    QStringLiteral("Rene\u0301e"),
    QStringLiteral("Meeting 会議"),
};

// The box of the dark pixels of `image` inside `area`.
QRect inkIn(const QImage& image, const QRect& area)
{
    QRect box;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

// The picture replayed at `scale`, as the preview shows it at that zoom.
QImage pictureAt(const QPicture& picture, double scale)
{
    const QSize size(int(std::ceil(picture.boundingRect().width() * scale)),
                     int(std::ceil(picture.boundingRect().height() * scale)));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    painter.end();
    return image;
}

bool near(const QRect& a, const QRect& b, int tolerance)
{
    return std::abs(a.left() - b.left()) <= tolerance && std::abs(a.right() - b.right()) <= tolerance
        && std::abs(a.top() - b.top()) <= tolerance && std::abs(a.bottom() - b.bottom()) <= tolerance;
}

std::string show(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

TEST(Scripts, EveryWordOnceWhereLibreOfficePutsItAndEveryOutputAgrees)
{
    for (const char* tool : {"soffice", "pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    if (qEnvironmentVariableIsSet("DORVANE_KEEP_RENDER"))
        dir.setAutoRemove(false);

    week::Week week;
    week.title = QStringLiteral("March 3");
    for (int row = 0; row < int(Names.size()); ++row)
        week.setEntry(0, row, {week.times[row], QString::number(row + 1), Names[row]});
    plannertest::PlannerRun planner;
    planner.generate(week);
    ASSERT_TRUE(planner.boxes.errorReports().isEmpty()) << planner.boxes.errorReports().join('\n').toStdString();
    ASSERT_TRUE(planner.savedModel.has_value());
    const QString document = dir.filePath("scripts." + QFileInfo(planner.documentPath).suffix());
    ASSERT_TRUE(QFile::copy(planner.documentPath, document));

    // LibreOffice's PDF of the saved file, and ours, made as Export as PDF makes it.
    QByteArray log;
    const QString converted = libreoffice::convert(document, "pdf", dir.path(), &log);
    ASSERT_FALSE(converted.isEmpty()) << log.constData();
    PdfText theirs = readWords(converted);
    const word::DocumentPages pages = output::readPlannerPages(document);
    const QString ourPdf = dir.filePath("ours.pdf");
    output::writePdfFile(pages, ourPdf);
    PdfText ours = readWords(ourPdf);

    // Words compared as a reader finds them: in compatibility normal form,
    // so that a joined Arabic letter's presentation form is its letter and a
    // composed accent its letter and mark; a right-to-left word by its
    // letters, as writers order a ligature's letters within a visually
    // ordered word differently (LibreOffice keeps lam-alef's two in logical
    // order, we write every letter in visual order). Places compared by the words'
    // horizontal extent and vertical middle: the tops and bottoms of the
    // boxes come from each embedded font's ascent and descent, which differ
    // between Qt's and LibreOffice's embedding of one font.
    auto normalize = [](QList<PdfWord>& words) {
        for (PdfWord& word : words) {
            word.text = word.text.normalized(QString::NormalizationForm_KC);
            if (std::any_of(word.text.begin(), word.text.end(), [](QChar c) {
                    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
                }))
                std::sort(word.text.begin(), word.text.end());
            word.yMin = word.yMax = (word.yMin + word.yMax) / 2;
        }
    };
    normalize(ours.words);
    normalize(theirs.words);

    // Every word of every script once, in reading order, within 2 pt of LibreOffice's.
    ASSERT_GT(theirs.words.size(), 50);
    double worst = 0;
    const QString problems = compareWords(ours.words, theirs.words, 2.0, &worst);
    EXPECT_TRUE(problems.isEmpty()) << problems.toStdString();
    // pdftotext -bbox gives a right-to-left word's characters in visual
    // order (a lam-alef ligature's two letters in logical order): words are
    // found by their letters.
    auto letters = [](const QString& word) {
        QString sorted = word.normalized(QString::NormalizationForm_KC);
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    };
    QStringList ourWords;
    for (const PdfWord& word : ours.words)
        ourWords << letters(word.text);
    for (const QString& name : Names) {
        for (const QString& word : name.split(' ')) {
            if (word.toLatin1() != word.toUtf8()) {
                EXPECT_EQ(ourWords.count(letters(word)), 1) << word.toStdString();
            }
        }
    }
    std::printf("%lld words checked against LibreOffice's, at most %.2f pt apart\n", qlonglong(theirs.words.size()),
                worst);

    // Each named cell: the same ink in the preview at 1.0 as in our PDF at
    // 96 dpi, and at 2.0 as in the 192-dpi copy.
    const word::model::DocumentModel& model = *planner.savedModel;
    const word::render::DocumentLayout layout = word::render::DocumentLayout::of(model);
    ASSERT_TRUE(runProgram("pdftoppm", {"-r", "96", "-png", "-singlefile", ourPdf, dir.filePath("ours")}, 60000, &log))
        << log.constData();
    const QImage page = QImage(dir.filePath("ours.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    const QImage preview1 = pictureAt(planner.picture, 1.0);
    const QImage preview2 = pictureAt(planner.picture, 2.0);
    const QImage copy = windowoutput::pictureBitmap(pages, 192);
    const QPoint pageOffset(int(std::lround(model.page.leftTwips / 15.0)) - word::render::DocumentLayout::Border,
                            int(std::lround(model.page.topTwips / 15.0)) - word::render::DocumentLayout::Border);
    const std::vector<int>& columns = layout.tables.at(0).columnEdges;
    int cells = 0;
    for (const word::render::PlacedText& text : layout.texts) {
        if (!Names.contains(text.text))
            continue;
        ++cells;
        const auto column = std::upper_bound(columns.begin(), columns.end(), int(text.baseline.x()));
        ASSERT_NE(column, columns.end());
        const double top = text.baseline.y() - 2 * text.font->ascent;
        const QRect cell(QPoint(int(text.baseline.x()) - 2, int(top)),
                         QPoint(*column - 2, int(text.baseline.y() + text.font->descent)));
        const QRect atOne = inkIn(preview1, cell);
        const QRect inPdf = inkIn(page, cell.translated(pageOffset)).translated(-pageOffset);
        EXPECT_FALSE(atOne.isEmpty()) << text.text.toStdString();
        EXPECT_TRUE(near(atOne, inPdf, 1)) << text.text.toStdString() << show(atOne) << " PDF " << show(inPdf);
        const QRect cell2(cell.topLeft() * 2, cell.bottomRight() * 2);
        const QRect atTwo = inkIn(preview2, cell2);
        const QRect copied = inkIn(copy, cell2);
        EXPECT_TRUE(near(atTwo, copied, 1)) << text.text.toStdString() << show(atTwo) << " copy " << show(copied);
    }
    EXPECT_EQ(cells, Names.size());
}

}  // namespace

namespace {

TEST(Scripts, AHeadingOverSeveralPagesIsInTheTextLayerOnce)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // 5,000 characters of words each found once.
    QStringList words;
    for (int i = 0; words.join(' ').size() < 5000; ++i)
        words << QStringLiteral("w%1").arg(i, 4, 10, QLatin1Char('0'));
    week::Week week;
    week.title = words.join(' ');
    plannertest::PlannerRun planner;
    planner.generate(week);
    ASSERT_TRUE(planner.boxes.errorReports().isEmpty()) << planner.boxes.errorReports().join('\n').toStdString();
    const word::DocumentPages pages = output::readPlannerPages(planner.documentPath);
    ASSERT_GE(pages.pageCount(), 2);
    const QString pdf = dir.filePath("long.pdf");
    output::writePdfFile(pages, pdf);
    QStringList found;
    for (const PdfWord& word : readWords(pdf).words)
        found << word.text;
    for (const QString& word : words)
        EXPECT_EQ(found.count(word), 1) << word.toStdString();
}

}  // namespace

namespace {

// The PDF's text layer gives back what was typed, also where no installed
// face has the characters (Thai, on a machine without a Thai font) and where
// the face draws a character with a glyph it shares with a lower one
// (Noto Sans CJK draws 日 with the glyph of the Kangxi radical ⽇).
TEST(Scripts, TheTextLayerGivesBackWhatWasTyped)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("fc-list").isEmpty())
        GTEST_SKIP() << "pdftotext or fc-list not installed";
    QByteArray fonts;
    ASSERT_TRUE(runProgram("fc-list", {":lang=th", "family"}, 60000, &fonts));
    const bool thaiFont = !fonts.trimmed().isEmpty();
    ASSERT_TRUE(runProgram("fc-list", {":lang=ja", "family"}, 60000, &fonts));
    if (!fonts.contains("Noto Sans CJK"))
        GTEST_SKIP() << "fonts-noto-cjk not installed";
    const QString thai = QStringLiteral("ประชุมทีมฝ่ายขายวันจันทร์");
    const QString japanese = QStringLiteral("日本語テスト");

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    week::Week week;
    week.title = QStringLiteral("March 3");
    week.setEntry(0, 0, {week.times[0], QStringLiteral("1"), thai});
    week.setEntry(0, 1, {week.times[1], QStringLiteral("2"), japanese});
    plannertest::PlannerRun planner;
    planner.generate(week);
    ASSERT_TRUE(planner.boxes.errorReports().isEmpty()) << planner.boxes.errorReports().join('\n').toStdString();
    const QString pdf = dir.filePath("typed.pdf");
    output::writePdfFile(output::readPlannerPages(planner.documentPath), pdf);
    QByteArray text;
    ASSERT_TRUE(runProgram("pdftotext", {pdf, "-"}, 60000, &text)) << text.constData();
    const QString read = QString::fromUtf8(text);
    EXPECT_TRUE(read.contains(japanese)) << read.toStdString();
    EXPECT_FALSE(read.contains(QChar(0x2F47))) << read.toStdString();  // ⽇
    EXPECT_TRUE(read.contains(thai)) << (thaiFont ? "with a Thai font installed" : "with no Thai font installed");
}

}  // namespace
