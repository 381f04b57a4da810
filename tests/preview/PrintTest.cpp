// Print, Export as PDF and Copy Picture on a generated planner, read back
// with poppler-utils and compared with LibreOffice's PDF of the saved file.
#include "PlannerScene.h"
#include "LibreOffice.h"
#include "PdfTools.h"
#include "PrivateCups.h"
#include "RunProgram.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"

#include "preview/PreviewWindow.h"
#include "windowoutput/PictureCopy.h"
#include "preview/PreviewCommands.h"
#include "word/render/DocumentLayout.h"
#include "word/render/PageBreaks.h"
#include "desktop/PictureBox.h"

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

using namespace pdftools;

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
        scene->form().sampleClicked();  // the example week
        scene->form().startClicked();
        QVERIFY(scene->boxes.errorReports().isEmpty());
        QVERIFY(QTest::qWaitForWindowActive(&preview()));

        // LibreOffice's PDF of the saved file: the reference for every word's place.
        QVERIFY(QFile::copy(preview().temporaryDocument, dir.filePath("planner.docx")));
        if (!libreoffice::installed())
            QSKIP("LibreOffice (soffice) not installed");
        QByteArray log;
        const QString converted = libreoffice::convert(dir.filePath("planner.docx"), "pdf", dir.path(), &log);
        QVERIFY2(!converted.isEmpty(), log.constData());
        reference = readWords(converted);
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

        QWidget* picture = preview().shownPicture();
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
        const QPicture& picture = preview().originalPicture()->picture();
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
        QCOMPARE(bitmap.dotsPerMeterX(), int(std::lround(windowoutput::BitmapDpi / 0.0254)));
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

    // Export over an earlier PDF on a small tmpfs that is full or nearly
    // full: the old file byte for byte and the reason, or the whole new PDF
    // and "Done."; no temporary file is left.
    void fullDiskLeavesTheOldFile_data()
    {
        QTest::addColumn<qint64>("freeBytes");
        for (qint64 free : {0, 4096, 8192, 12288, 16384})
            QTest::addRow("%lld bytes free", free) << free;
    }

    void fullDiskLeavesTheOldFile()
    {
        QFETCH(qint64, freeBytes);
        // A real full disk: a small tmpfs, which needs root (CI runs as root).
        const QString mount = dir.filePath("small");
        QVERIFY(QDir(dir.path()).mkpath("small"));
        if (geteuid() != 0 || !runProgram("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}))
            QSKIP("cannot mount a small tmpfs (needs root)");
        const QString target = mount + "/planner.pdf";
        const bool written = writeFile(target, "old");
        const bool filled = SmallFileSystem::fill(mount, freeBytes);
        ScriptedFileDialogs dialogs;
        dialogs.choose(target);
        scene->boxes.answer(platform::Answer::Yes);
        preview().commands()->exportAction()->trigger();
        const QByteArray after = readFile(target);
        const QStringList left = QDir(mount).entryList(QDir::Files | QDir::Hidden);
        runProgram("umount", {mount});

        QVERIFY(written && filled);
        QCOMPARE(left, (QStringList{"filler", "planner.pdf"}));
        QCOMPARE(scene->boxes.texts().size(), 2);  // the question, then the outcome
        if (scene->boxes.texts()[1] == "Done.") {
            QVERIFY(after.startsWith("%PDF-") && after.trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(after, QByteArray("old"));
            QVERIFY2(scene->boxes.texts()[1].startsWith("The planner could not be exported as PDF.\n\nCannot write " + target) &&
                         scene->boxes.texts()[1].contains("No space left on device"),
                     qPrintable(scene->boxes.texts()[1]));
        }
    }

    void tallPlannerContinuesOnASecondPageBetweenRows()
    {
        // Long names wrap over many lines, until the table no longer fits one page.
        scene->preview().backClicked();
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
    preview::PreviewWindow& preview() { return scene->preview(); }
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
