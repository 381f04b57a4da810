// Print, Export as PDF and Copy Picture on a generated planner, read back
// with poppler-utils and compared with LibreOffice's PDF of the saved file.
#include "PlannerScene.h"
#include "RunProgram.h"
#include "TestFiles.h"

#include "preview/Form2.h"
#include "preview/PictureCopy.h"
#include "preview/PreviewCommands.h"
#include "word/render/DocumentLayout.h"
#include "word/render/PageBreaks.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QUrl>
#include <QtTest>

#include <unistd.h>

#include <cmath>
#include <memory>

namespace {

using testfiles::readFile;
using testfiles::writeFile;

QString output(const QString& program, const QStringList& arguments)
{
    QByteArray text;
    return runProgram(program, arguments, 60000, &text) ? QString::fromUtf8(text) : QString();
}

// A word of a PDF page as pdftotext -bbox finds it, in points from the page's top left.
struct PdfWord {
    QString text;
    int page = 0;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PdfText {
    QSizeF pageSize;
    QList<PdfWord> words;
};

PdfText readWords(const QString& pdf)
{
    PdfText result;
    const QString html = output("pdftotext", {"-bbox", pdf, "-"});
    static const QRegularExpression pageTag(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wordTag(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = -1;
    qsizetype at = 0;
    for (;;) {
        const QRegularExpressionMatch nextPage = pageTag.match(html, at);
        const QRegularExpressionMatch nextWord = wordTag.match(html, at);
        if (!nextWord.hasMatch())
            break;
        if (nextPage.hasMatch() && nextPage.capturedStart() < nextWord.capturedStart()) {
            ++page;
            result.pageSize = QSizeF(nextPage.captured(1).toDouble(), nextPage.captured(2).toDouble());
            at = nextPage.capturedEnd();
            continue;
        }
        result.words.append({nextWord.captured(5), page, nextWord.captured(1).toDouble(), nextWord.captured(2).toDouble(),
                             nextWord.captured(3).toDouble(), nextWord.captured(4).toDouble()});
        at = nextWord.capturedEnd();
    }
    return result;
}

double distance(const PdfWord& a, const PdfWord& b)
{
    return std::max({std::abs(a.xMin - b.xMin), std::abs(a.yMin - b.yMin), std::abs(a.xMax - b.xMax),
                     std::abs(a.yMax - b.yMax)});
}

// Pairs every reference word with the nearest unpaired word of the same text
// in `ours`; returns a description of what is missing, extra or further than
// `tolerance` points off, empty when all match.
QString compareWords(const QList<PdfWord>& ours, const QList<PdfWord>& reference, double tolerance, double* worst)
{
    QStringList problems;
    QList<bool> used(ours.size(), false);
    *worst = 0;
    for (const PdfWord& word : reference) {
        qsizetype best = -1;
        for (qsizetype i = 0; i < ours.size(); ++i)
            if (!used[i] && ours[i].text == word.text && ours[i].page == word.page &&
                (best < 0 || distance(ours[i], word) < distance(ours[best], word)))
                best = i;
        if (best < 0) {
            problems << QStringLiteral("missing \"%1\"").arg(word.text);
            continue;
        }
        used[best] = true;
        const double off = distance(ours[best], word);
        *worst = std::max(*worst, off);
        if (off > tolerance)
            problems << QStringLiteral("\"%1\" %2 pt off (ours %3,%4 theirs %5,%6)")
                            .arg(word.text)
                            .arg(off, 0, 'f', 2)
                            .arg(ours[best].xMin, 0, 'f', 1)
                            .arg(ours[best].yMin, 0, 'f', 1)
                            .arg(word.xMin, 0, 'f', 1)
                            .arg(word.yMin, 0, 'f', 1);
    }
    for (qsizetype i = 0; i < ours.size(); ++i)
        if (!used[i])
            problems << QStringLiteral("extra \"%1\"").arg(ours[i].text);
    return problems.join(QStringLiteral("; "));
}

// Lines of `pdffonts`: one per font, "emb" the third column from the right.
QStringList unembeddedFonts(const QString& pdf, int* fonts)
{
    const QStringList lines = output("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    QStringList missing;
    *fonts = int(lines.size());
    for (const QString& line : lines) {
        const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
        if (columns.size() < 5 || columns[columns.size() - 5] != QLatin1String("yes"))
            missing << line;
    }
    return missing;
}

QString pdfInfo(const QString& pdf, const QString& field)
{
    static const QRegularExpression line(QStringLiteral("^([^:]+):\\s*(.*)$"), QRegularExpression::MultilineOption);
    auto matches = line.globalMatch(output("pdfinfo", {pdf}));
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        if (match.captured(1) == field)
            return match.captured(2).trimmed();
    }
    return {};
}

// A scheduler of our own in a temporary folder, with one PDF queue that
// prints into a file. Stopped and removed by the destructor.
class PrivateCups {
public:
    bool start(QString* why)
    {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/bin"});
        const QString ppd = QStringLiteral("lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd");
        if (cupsd.isEmpty() || QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"}).isEmpty()) {
            *why = "cupsd or lpadmin not installed";
            return false;
        }
        // Filters run as an unprivileged user: the folder must be open to it.
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther |
                                              QFileDevice::ReadGroup | QFileDevice::ExeGroup);
        for (const char* sub : {"state", "cache", "spool", "tmp", "out"})
            QDir(dir.path()).mkdir(sub);
        QFile::setPermissions(dir.filePath("tmp"), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(dir.filePath("out"), QFileDevice::Permissions(0x7777));
        const QString d = dir.path();
        writeFile(dir.filePath("cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel info\nBrowsing No\nWebInterface No\n"
                                 "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order allow,deny\n    Allow all\n  </Limit>\n"
                                 "</Policy>\n")
                      .arg(d)
                      .toUtf8());
        writeFile(dir.filePath("cups-files.conf"),
                  QStringLiteral("FileDevice Yes\nServerRoot %1\nStateDir %1/state\nCacheDir %1/cache\n"
                                 "RequestRoot %1/spool\nTempDir %1/tmp\nErrorLog %1/error_log\nAccessLog %1/access_log\n"
                                 "PageLog %1/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                      .arg(d)
                      .toUtf8());
        daemon.setProcessChannelMode(QProcess::MergedChannels);
        daemon.start(cupsd, {"-f", "-c", dir.filePath("cupsd.conf"), "-s", dir.filePath("cups-files.conf")});
        if (!daemon.waitForStarted(10000)) {
            *why = "cupsd does not start";
            return false;
        }
        // The client library reads the server once per process: set before any printing.
        qputenv("CUPS_SERVER", QFile::encodeName(dir.filePath("cups.sock")));
        QByteArray log;
        for (int i = 0; i < 50 && !QFile::exists(dir.filePath("cups.sock")); ++i)
            QTest::qWait(100);
        if (!runProgram("lpadmin", {"-p", Queue, "-E", "-v", "file://" + outputPath(), "-m", ppd}, 30000, &log)) {
            *why = "lpadmin failed: " + QString::fromUtf8(log) + QString::fromUtf8(daemon.readAll());
            return false;
        }
        return true;
    }

    ~PrivateCups()
    {
        if (daemon.state() != QProcess::NotRunning) {
            daemon.terminate();
            if (!daemon.waitForFinished(10000)) {
                daemon.kill();
                daemon.waitForFinished(5000);
            }
        }
    }

    QString outputPath() const { return dir.filePath("out/job.pdf"); }
    // Waits for the queue's output to be complete (the job is done when the file stops growing and parses).
    bool waitForOutput()
    {
        for (int i = 0; i < 300; ++i) {
            if (QFile::exists(outputPath()) && !pdfInfo(outputPath(), "Pages").isEmpty())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    static constexpr const char* Queue = "dorvane-test";
    QTemporaryDir dir;
    QProcess daemon;
};

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char* tool : {"pdfinfo", "pdffonts", "pdftotext"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP("poppler-utils not installed");
        QVERIFY(dir.isValid());
        // Keep the PDFs for a look when asked to.
        if (qEnvironmentVariableIsSet("DORVANE_KEEP_RENDER")) {
            dir.setAutoRemove(false);
            qInfo("PDFs in %s", qPrintable(dir.path()));
        }
        // CUPS first: the client library settles on a server at its first use.
        QString why;
        if (!cups.start(&why)) {
            cupsProblem = why;
            qunsetenv("CUPS_SERVER");
        }

        scene = std::make_unique<PlannerScene>();
        scene->form().PushButton3_Click();  // the example week
        scene->form().PushButton1_Click();
        QVERIFY(scene->boxes.errorReports().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(&preview()));

        // LibreOffice's PDF of the saved file: the reference for every word's place.
        QVERIFY(QFile::copy(preview().mWordFile, dir.filePath("planner.docx")));
        if (QStandardPaths::findExecutable("soffice").isEmpty())
            QSKIP("LibreOffice (soffice) not installed");
        const QString profile = dir.filePath("lo-profile");
        QByteArray log;
        QVERIFY2(runProgram("soffice", {"--headless", "-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                                 "--convert-to", "pdf", "--outdir", dir.path(), dir.filePath("planner.docx")},
                     180000, &log),
                 log.constData());
        reference = readWords(dir.filePath("planner.pdf"));
        QVERIFY(reference.words.size() > 100);
    }

    void cleanupTestCase() { scene.reset(); }

    void init() { scene->boxes.shown.clear(); }

    void exportedPdfMatchesLibreOffice()
    {
        ScriptedFileDialogs dialogs;
        dialogs.choose(dir.filePath("week"));
        preview().commands()->exportAction()->trigger();
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(dialogs.requests[0].title, QString("Export as PDF"));
        QCOMPARE(dialogs.requests[0].filter, QString("PDF (*.pdf)|*.pdf"));
        QCOMPARE(scene->boxes.texts(), QStringList{"Done."});
        checkPlannerPdf(dir.filePath("week.pdf"));  // ".pdf" added
        QCOMPARE(pdfInfo(dir.filePath("week.pdf"), "Creator"), QString("Dorvane"));
        QCOMPARE(pdfInfo(dir.filePath("week.pdf"), "Title"), heading());
    }

    void printsThroughARealCupsQueue()
    {
        if (!cupsProblem.isEmpty())
            QSKIP(qPrintable("no private CUPS scheduler: " + cupsProblem));
        ScriptedPrintDialogs dialogs;
        dialogs.answer([](QPrinter& printer) {
            printer.setPrinterName(PrivateCups::Queue);
            return printer.printerName() == QLatin1String(PrivateCups::Queue);
        });
        preview().commands()->printAction()->trigger();
        QCOMPARE(scene->boxes.texts(), QStringList{});
        // The dialog opened on the document's paper with its one-inch margins.
        QCOMPARE(dialogs.shownLayouts.size(), 1);
        QCOMPARE(dialogs.shownLayouts[0].margins(QPageLayout::Inch), QMarginsF(1, 1, 1, 1));
        QVERIFY2(cups.waitForOutput(), readFile(cups.dir.filePath("error_log")).right(2000).constData());
        checkPlannerPdf(cups.outputPath());

        // A queue that refuses jobs: the refusal is reported with CUPS's reason.
        QVERIFY(runProgram("cupsreject", {PrivateCups::Queue}));
        dialogs.answer([](QPrinter& printer) {
            printer.setPrinterName(PrivateCups::Queue);
            return true;
        });
        preview().commands()->printAction()->trigger();
        QCOMPARE(scene->boxes.shown.size(), 1);
        QVERIFY2(scene->boxes.texts()[0].startsWith("The planner could not be printed.\n\n") &&
                     scene->boxes.texts()[0].contains("not accepting jobs"),
                 qPrintable(scene->boxes.texts()[0]));
    }

    void printToFileWritesTheSamePdf()
    {
        ScriptedPrintDialogs dialogs;
        dialogs.answer([this](QPrinter& printer) {
            printer.setOutputFileName(dir.filePath("printed.pdf"));  // the dialog's "Print to File (PDF)"
            return true;
        });
        preview().commands()->printAction()->trigger();
        QCOMPARE(scene->boxes.texts(), QStringList{});
        checkPlannerPdf(dir.filePath("printed.pdf"));
    }

    void printWithoutPrinterSaysSo()
    {
        ScriptedPrintDialogs dialogs;
        dialogs.answer([](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);  // what Qt's printer is with no queue at all
            return true;
        });
        preview().commands()->printAction()->trigger();
        QCOMPARE(scene->boxes.texts(),
                 QStringList{"The planner could not be printed.\n\nNo printer is set up on this computer."});
    }

    void shortcutsAndContextMenu()
    {
        ScriptedFileDialogs files;
        ScriptedPrintDialogs printers;
        QTest::keyClick(&preview(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(files.requests.size(), 1);  // cancelled: nothing asked, nothing said
        QTest::keyClick(&preview(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printers.shownLayouts.size(), 1);
        QTest::keyClick(&preview(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(desktopClipboard.data());
        QCOMPARE(scene->boxes.texts(), QStringList{});

        QWidget* picture = preview().Picture1();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(20, 20), picture->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(picture, &menuEvent);
        QMenu* menu = preview().commands()->contextMenu();
        QTRY_COMPARE(QApplication::activePopupWidget(), menu);
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text() + " " + action->shortcut().toString();
        QCOMPARE(texts, (QStringList{"Print\u2026 Ctrl+P", "Export as PDF\u2026 Ctrl+E", "Copy Picture Ctrl+C"}));
        menu->actions()[1]->trigger();
        menu->close();
        QCOMPARE(files.requests.size(), 2);
    }

    void copiedSvgRendersLikeThePreview()
    {
        preview().commands()->copyAction()->trigger();
        const QMimeData* data = desktopClipboard.data();
        QVERIFY(data);
        // The preview's picture drawn at its own size.
        const QPicture& picture = preview().Zoom_Ori()->picture();
        QImage shown(picture.boundingRect().size(), QImage::Format_RGB32);
        QVERIFY(!shown.isNull());
        shown.fill(Qt::white);
        QPainter replay(&shown);
        replay.drawPicture(0, 0, picture);
        replay.end();

        QSvgRenderer svg(data->data("image/svg+xml"));
        QVERIFY(svg.isValid());
        // In pixels at 96 dpi (QtSvg reads the size in millimetres at 90 dpi, so only the view box tells).
        QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), shown.size()));
        QImage drawn(shown.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);  // the SVG brings its own white ground
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        // Glyph outlines and rasterised glyphs differ only in their anti-aliased edges.
        qsizetype different = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb a = shown.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                if (std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}) > 128)
                    ++different;
            }
        qInfo("%lld of %d pixels differ", qlonglong(different), shown.width() * shown.height());
        QVERIFY2(different * 1000 < qsizetype(shown.width()) * shown.height(),
                 qPrintable(QString("%1 of %2 pixels differ").arg(different).arg(shown.width() * shown.height())));

        const QImage bitmap = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(bitmap.size(), shown.size() * 2);
        QCOMPARE(bitmap.dotsPerMeterX(), int(std::lround(preview::BitmapDpi / 0.0254)));
    }

    void overwriteAnsweredNoCancelYes()
    {
        const QString target = dir.filePath("old.pdf");
        QVERIFY(writeFile(target, "old"));
        ScriptedFileDialogs dialogs;
        dialogs.choose(QString());  // cancel
        dialogs.choose(target);
        dialogs.choose(target);
        scene->boxes.answer(platform::Answer::No);
        scene->boxes.answer(platform::Answer::Yes);
        const QString question = "Are you sure you wish to overwrite " + target + " ?";

        preview().commands()->exportAction()->trigger();
        QCOMPARE(scene->boxes.texts(), QStringList{});
        preview().commands()->exportAction()->trigger();
        QCOMPARE(scene->boxes.texts(), QStringList{question});
        QCOMPARE(scene->boxes.shown[0].buttons, platform::Buttons::YesNo);
        QCOMPARE(readFile(target), QByteArray("old"));
        preview().commands()->exportAction()->trigger();
        QCOMPARE(scene->boxes.texts(), (QStringList{question, question, "Done."}));
        QVERIFY(readFile(target).startsWith("%PDF-"));
    }

    void fullDiskLeavesTheOldFile()
    {
        // A real full disk: a small tmpfs, which needs root (CI runs as root).
        const QString mount = dir.filePath("small");
        QVERIFY(QDir(dir.path()).mkpath("small"));
        if (geteuid() != 0 || !runProgram("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}))
            QSKIP("cannot mount a small tmpfs (needs root)");
        const QString target = mount + "/planner.pdf";
        const bool written = writeFile(target, "old");
        QFile filler(mount + "/filler");
        filler.open(QIODevice::WriteOnly);
        while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
        }
        filler.close();
        ScriptedFileDialogs dialogs;
        dialogs.choose(target);
        scene->boxes.answer(platform::Answer::Yes);
        preview().commands()->exportAction()->trigger();
        const QByteArray after = readFile(target);
        const QStringList left = QDir(mount).entryList(QDir::Files | QDir::Hidden);
        runProgram("umount", {mount});

        QVERIFY(written);
        QCOMPARE(after, QByteArray("old"));
        QCOMPARE(left, (QStringList{"filler", "planner.pdf"}));
        QCOMPARE(scene->boxes.texts().size(), 2);  // the question, then the failure
        QVERIFY2(scene->boxes.texts()[1].startsWith("The planner could not be exported as PDF.\n\nCannot write " + target),
                 qPrintable(scene->boxes.texts()[1]));
    }

    void tallPlannerContinuesOnASecondPageBetweenRows()
    {
        // Long names wrap over many lines, until the table no longer fits one page.
        scene->preview().PushButton8_Click();
        QString name;
        for (int i = 0; i < 12; ++i)
            name += QStringLiteral("Appointment with a rather long description ");
        for (int page = 0; page < 6; ++page)
            for (int row = 0; row < 10; ++row)
                scene->type(page, row, QString::number(row), name);
        scene->start(QStringLiteral("Busy"));
        QVERIFY(scene->boxes.errorReports().isEmpty());

        ScriptedFileDialogs dialogs;
        dialogs.choose(dir.filePath("busy.pdf"));
        preview().commands()->exportAction()->trigger();
        const int pages = pdfInfo(dir.filePath("busy.pdf"), "Pages").toInt();
        QVERIFY(pages >= 2);

        // Every page but the last ends on a row's edge, and the next starts there.
        const word::model::DocumentModel model = scene->document();
        const auto layout = word::render::DocumentLayout::of(model);
        const auto slices = word::render::pageSlices(
            layout, (model.page.heightTwips - model.page.topTwips - model.page.bottomTwips) / 15.0);
        QCOMPARE(int(slices.size()), pages);
        const std::vector<int>& edges = layout.tables.at(0).rowEdges;
        for (size_t i = 0; i + 1 < slices.size(); ++i) {
            QVERIFY(std::find(edges.begin(), edges.end(), int(slices[i].bottom)) != edges.end());
            QCOMPARE(slices[i].bottom, double(int(slices[i].bottom)));
            QCOMPARE(slices[i + 1].top, slices[i].bottom);
        }
        // Each row's words come out on one page: no row is cut.
        const PdfText text = readWords(dir.filePath("busy.pdf"));
        QVERIFY(text.words.size() > 1000);
        QCOMPARE(text.words.last().page, pages - 1);
    }

private:
    preview::Form2& preview() { return scene->preview(); }
    QString heading() const
    {
        return std::get<word::model::Paragraph>(scene->document().body.front()).text().trimmed();
    }

    // Page size, texts, embedded fonts, and every word within 2 pt of LibreOffice's.
    void checkPlannerPdf(const QString& pdf)
    {
        QCOMPARE(pdfInfo(pdf, "Pages"), QString("1"));
        const word::model::PageSetup page = scene->document().page;
        const PdfText ours = readWords(pdf);
        QVERIFY(std::abs(ours.pageSize.width() - page.widthTwips / 20.0) < 0.5);
        QVERIFY(std::abs(ours.pageSize.height() - page.heightTwips / 20.0) < 0.5);
        int fonts = 0;
        const QStringList unembedded = unembeddedFonts(pdf, &fonts);
        QVERIFY(fonts > 0);
        QVERIFY2(unembedded.isEmpty(), qPrintable(unembedded.join('\n')));
        double worst = 0;
        const QString problems = compareWords(ours.words, reference.words, 2.0, &worst);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        qInfo("%s: %lld words, at most %.2f pt from LibreOffice's", qPrintable(QFileInfo(pdf).fileName()),
              qlonglong(ours.words.size()), worst);
    }

    QTemporaryDir dir;
    PrivateCups cups;
    QString cupsProblem;
    std::unique_ptr<PlannerScene> scene;
    ScriptedSystemClipboard desktopClipboard;
    PdfText reference;
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
