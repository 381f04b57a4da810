#pragma once

#include <QPageLayout>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPagedPaintDevice;

namespace word {

class Document;
class ThreadFonts;
namespace model {
struct DocumentModel;
}
namespace render {
struct DocumentLayout;
class FontCatalog;
}

// A document as it is printed: its pages on the paper its section names
// (A4 or Letter, portrait) inside its margins, the heading and the table
// where a word processor puts them, and its picture as Range.CopyAsPicture
// draws it. It is a copy, taken from an open document: it stays whole after
// the document is closed and its Word instance has quit, so the instance can
// be ended before a print dialog or a slow printer is waited for.
//
// Everything is painted from vectors in the renderer's fonts (see
// render/FontCatalog.h): text stays text on a PDF, every size is sharp.
// A planner taller than a page flows on to further pages; a table row is
// never cut (render/PageBreaks.h). Made on the GUI thread; painted there,
// or by paintPageWith() on another.
class DocumentPages {
public:
    // Lays out the content of an open document. Throws AutomationError when
    // the document is closed or its instance has quit.
    static DocumentPages of(const Document& document);
    // Lays out the document saved at `path` (a WordprocessingML package, as
    // Word's SaveAs writes it), read by the built-in engine's reader without
    // any Word call: how a document made in Word's own process is drawn.
    // Throws AutomationError naming the file when it cannot be read.
    static DocumentPages ofSaved(const QString& path);
    // Lays out an open document a part at a time (render::DocumentLayout::
    // inParts: from one paragraph that begins a new page to the next), each
    // part's pages handed to `take` as soon as they are laid out, so that
    // they can be written while the rest is laid out. The parts' pages, in
    // order, are the pages of()'s, each drawn the same. Throws as of().
    static void inParts(const Document& document, const std::function<void(DocumentPages&& part)>& take);

    // The page: size and margins in points, in full-page mode, so that
    // painting starts at the paper's top-left corner.
    QPageLayout pageLayout() const;
    int pageCount() const;
    // The text of the document's first paragraph: a planner's heading, "Week of ...".
    QString title() const;

    // Paints page `index` (0-based) on `painter`, whose device shows the
    // whole paper from its top-left corner at the device's resolution.
    void paintPage(int index, QPainter& painter) const;
    // Whether another thread can paint these pages (paintPageWith): all their
    // text is set in its own font's face (render::drawnInOwnFace).
    bool paintableElsewhere() const;
    // paintPage() on a PDF, from a thread other than the one that laid the
    // pages out, with the faces of `fonts`, made on the painting thread (Qt
    // keeps a face to the thread that made it). Only for
    // paintableElsewhere() pages; throws std::runtime_error when a face
    // found in `fonts` is not the one the text was laid out in.
    void paintPageWith(int index, QPainter& painter, ThreadFonts& fonts) const;
    // Sets `device`'s page layout and paints every page on it, a new page
    // for each after the first. False when the device refuses a page (its
    // painter cannot start, or a new page cannot be begun).
    bool print(QPagedPaintDevice& device) const;

    // The picture: the content alone on a white ground, in pixels at 96 dpi.
    QSize pictureSize() const;
    // Paints the picture with its top left at the painter's origin, one
    // painter unit per picture pixel.
    void paintPicture(QPainter& painter) const;

private:
    struct Data;
    static std::shared_ptr<const Data> layOut(const model::DocumentModel& model);
    // Runs `use` on the model of an open document, as the Word call that reads its pages.
    static void withModel(const Document& document, const std::function<void(const model::DocumentModel&)>& use);
    void paintPageIn(int index, QPainter& painter, render::FontCatalog* fonts) const;
    // The pages of a laid-out document or part of one.
    static std::shared_ptr<const Data> pagesOf(render::DocumentLayout&& layout, const model::DocumentModel& model);
    explicit DocumentPages(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}
    std::shared_ptr<const Data> m_data;
};

}  // namespace word
