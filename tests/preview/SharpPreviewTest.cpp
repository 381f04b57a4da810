// The preview draws the planner's picture from its vectors: at every zoom and
// at a device pixel ratio of 2 (this test runs with QT_SCALE_FACTOR=2) what
// the viewport shows matches the document drawn directly at that size, which
// a bitmap enlarged pixel by pixel does not.
#include "preview/PreviewWindow.h"

#include "ScriptedPlatform.h"
#include "WordTestSupport.h"
#include "desktop/PictureBox.h"
#include "desktop/PicturePlayback.h"
#include "word/Word.h"
#include "word/render/DocumentRenderer.h"

#include <QBuffer>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <cmath>

using preview::PreviewWindow;

namespace {

// A small planner: its heading, a shaded heading row, column titles and entries.
word::model::DocumentModel plannerDocument()
{
    word::Application app = word::Application::CreateObject();
    word::Document document = app.Documents().Add();
    word::Selection selection = document.ActiveWindow().Selection();
    selection.Font().setBold(true);
    selection.Font().setName(QStringLiteral("Trebuchet MS"));
    selection.TypeText(QStringLiteral("Week of Week #50"));
    selection.ParagraphFormat().setAlignment(1);
    selection.TypeParagraph();
    selection.Font().setBold(false);
    word::Table table = document.Tables().Add(selection.Range(), 12, 5, 1, 0);
    const double widths[] = {50, 180, 20, 180, 50};
    for (int column = 1; column <= 5; ++column)
        table.Columns(column).setWidth(widths[column - 1]);
    table.Columns(3).Cells().Shading().setBackgroundPatternColor(12451839);
    table.setStyle(QStringLiteral("Table Grid"));
    selection = document.ActiveWindow().Selection();
    selection.Cells().Shading().setBackgroundPatternColor(16777164);
    selection.Font().setSize(11);
    selection.TypeText(QStringLiteral("Monday"));
    const QStringList entries = {"1", "Trip to the sea", "9", "Meeting with friends", "4"};
    for (int row = 0; row < 55; ++row) {
        selection.MoveRight(12, 1);
        selection.Font().setSize(10);
        selection.TypeText(entries[row % 5]);
    }
    const word::model::DocumentModel model = wordtest::modelOf(document);
    document.Close(0);
    app.Quit();
    return model;
}

// Of the pixels inked in either image (darker than white), the share whose
// grey levels differ by more than a quarter of the range. Anti-aliasing
// moves an edge pixel by less; a wrong or blocky edge by more.
double differingShare(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return 1.0;
    qint64 inked = 0;
    qint64 differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            inked += qGray(a[x]) < 250 || qGray(b[x]) < 250;
            differing += std::abs(qGray(a[x]) - qGray(b[x])) > 64;
        }
    }
    return inked ? double(differing) / inked : 0.0;
}

}  // namespace

class SharpPreviewTest : public QObject {
    Q_OBJECT

private slots:
    void everyZoomIsDrawnFromTheVectors()
    {
        ScriptedMessageBoxes boxes;
        const word::model::DocumentModel document = plannerDocument();
        PreviewWindow form;
        form.setPicture(word::pictureOfDocument(document));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const qreal ratio = form.devicePixelRatio();
        QCOMPARE(ratio, 2.0);

        for (const float zoom : {1.0f, 2.0f, 4.0f}) {
            while (form.viewport().zoom() < zoom)
                form.zoomInClicked();
            QCOMPARE(form.viewport().zoom(), zoom);
            // Somewhere in the middle of the picture, as the viewport shows it.
            form.verticalBar()->setValue(form.verticalBar()->maximum() / 2);
            form.horizontalBar()->setValue(form.horizontalBar()->maximum() / 2);
            desktop::PictureBox* picture = form.shownPicture();
            const QPoint offset = -picture->pos();
            const QSize visible = form.view()->contentsRect().size() - QSize(2, 2);
            const QImage shown = picture->grab(QRect(offset + QPoint(1, 1), visible)).toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), visible * ratio);

            const QRect area(offset * ratio, visible * ratio);
            const QImage direct = word::renderDocument(document, zoom * ratio).copy(area);
            const double share = differingShare(shown, direct);
            qInfo("zoom %.2f: %.2f%% of the inked pixels differ", zoom, share * 100);
            QVERIFY2(share < 0.05, qPrintable(QString::number(share)));
            // At a device pixel ratio of 1 as well.
            const QImage plain = picture->image(1.0).copy(QRect(offset, visible)).convertToFormat(QImage::Format_RGB32);
            QVERIFY(differingShare(plain, word::renderDocument(document, zoom).copy(QRect(offset, visible))) < 0.05);

            // The 96-dpi bitmap enlarged pixel by pixel is told apart.
            const QImage bitmap = word::renderDocument(document, 1.0);
            const QImage enlarged = bitmap.scaled(bitmap.size() * (zoom * ratio), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                        .copy(area)
                                        .convertToFormat(QImage::Format_RGB32);
            const double blocky = differingShare(enlarged, direct);
            qInfo("zoom %.2f: %.2f%% for the enlarged bitmap", zoom, blocky * 100);
            QVERIFY2(blocky > 0.08, qPrintable(QString::number(blocky)));
        }
        QVERIFY(boxes.shown.isEmpty());
    }

    // The preview reads a picture's commands once and draws from them: what
    // it draws is what QPicture draws, pixel for pixel, for the planner's
    // picture as it comes back from its file. A picture with a command it
    // does not read (a text item) is left to QPicture.
    void playbackDrawsWhatQPictureDraws()
    {
        QPicture saved = word::pictureOfDocument(plannerDocument());
        QBuffer file;
        file.open(QIODevice::ReadWrite);
        QVERIFY(saved.save(&file));
        file.seek(0);
        QPicture loaded;
        QVERIFY(loaded.load(&file));

        auto drawn = [&](const QPicture& picture, const std::function<void(QPainter&)>& draw) {
            QImage image(picture.boundingRect().size() * 2, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(1.5, 1.5);
            painter.setRenderHint(QPainter::Antialiasing, false);
            draw(painter);
            return image;
        };
        const desktop::PicturePlayback playback(loaded);
        QVERIFY(playback.decoded());
        const QImage byQt = drawn(loaded, [&](QPainter& painter) { painter.drawPicture(QPointF(3, 4), loaded); });
        QVERIFY(byQt != drawn(loaded, [](QPainter&) {}));
        QCOMPARE(drawn(loaded, [&](QPainter& painter) { playback.draw(painter, QPointF(3, 4)); }), byQt);
        // Through a clip across rows and glyphs, as when part of the view is
        // exposed: what lies outside is left out, and the rest drawn the same.
        auto clipped = [&](const std::function<void(QPainter&)>& draw) {
            return drawn(loaded, [&](QPainter& painter) {
                painter.setClipRect(QRectF(101.3, 207.7, 240.5, 95.2));
                draw(painter);
            });
        };
        const QImage clippedByQt = clipped([&](QPainter& painter) { painter.drawPicture(QPointF(3, 4), loaded); });
        QVERIFY(clippedByQt != byQt);
        QCOMPARE(clipped([&](QPainter& painter) { playback.draw(painter, QPointF(3, 4)); }), clippedByQt);

        QPicture withText;
        {
            QPainter painter(&withText);
            painter.fillRect(QRect(0, 0, 60, 20), Qt::yellow);
            painter.drawText(QPointF(2, 15), QStringLiteral("Monday"));
        }
        const desktop::PicturePlayback textPlayback(withText);
        QVERIFY(!textPlayback.decoded());
        QCOMPARE(drawn(withText, [&](QPainter& painter) { textPlayback.draw(painter, QPointF(0, 0)); }),
                 drawn(withText, [&](QPainter& painter) { painter.drawPicture(QPointF(0, 0), withText); }));
    }

    // A large exposed area is painted on two cores, half on each: the pixels
    // are those painted on one (image() paints on one), at device pixel
    // ratios 1 and 2, and through a zoomed drawing whose edge is not a whole
    // pixel.
    void twoCoresPaintWhatOnePaints()
    {
        const QPicture picture = word::pictureOfDocument(plannerDocument());
        desktop::PictureBox box;
        box.setAutoSize(true);
        box.setPicture(picture);
        auto rendered = [&](qreal ratio) {
            QImage image((QSizeF(box.size()) * ratio).toSize(), QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            box.render(&image);
            return image;
        };
        const int before = desktop::PictureBox::paintsOnTwoCores();
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage one = box.image(ratio);
            QVERIFY(one != QImage(one.size(), one.format()));
            QCOMPARE(rendered(ratio), one);
        }
        box.setPersistent(true);
        box.drawPicture(QRectF(QPointF(0, 0), QSizeF(box.size()) * 0.837), picture,
                        QRectF(QPointF(0, 0), picture.boundingRect().size()));
        QCOMPARE(rendered(2.0), box.image(2.0));
        QCOMPARE(desktop::PictureBox::paintsOnTwoCores(), before + 3);
    }
};

QTEST_MAIN(SharpPreviewTest)
#include "SharpPreviewTest.moc"
