#include "word/DocumentPages.h"

#include "word/AutomationError.h"
#include "word/Document.h"
#include "word/Messages.h"
#include "word/ThreadFonts.h"
#include "word/dispatch/ObjectRef.h"
#include "word/model/DocumentError.h"
#include "word/package/PackageReader.h"
#include "word/model/Units.h"
#include "word/render/DocumentLayout.h"
#include "word/render/DocumentRenderer.h"
#include "word/render/PageBreaks.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <variant>

namespace word {

struct DocumentPages::Data {
    render::DocumentLayout layout;
    model::PageSetup page;
    QString title;
    std::vector<render::PageSlice> slices;
    bool paintableElsewhere = false;
};

void DocumentPages::withModel(const Document& document, const std::function<void(const model::DocumentModel&)>& use)
{
    const std::shared_ptr<const ObjectRef>& ref = ObjectRef::of(document);
    if (!ref)
        throw AutomationError(messages::ObjectNotSet());
    const ObjectRef& self = *ref;
    // Word's pages are not ours to lay out: a document in Word's process is
    // drawn from the file Word saved (ofPackage).
    if (self.remote)
        throw AutomationError(messages::NotInThisProcess());
    dispatch(self, Call::Kind::Get, "Document.Pages", {}, [&] { use(self.liveDocument().model()); });
}

DocumentPages DocumentPages::of(const Document& document)
{
    std::shared_ptr<const Data> data;
    withModel(document, [&](const model::DocumentModel& model) { data = layOut(model); });
    return DocumentPages(std::move(data));
}

void DocumentPages::inParts(const Document& document, const std::function<void(DocumentPages&& part)>& take)
{
    withModel(document, [&](const model::DocumentModel& model) {
        render::DocumentLayout::inParts(model, [&](render::DocumentLayout&& part) {
            take(DocumentPages(pagesOf(std::move(part), model)));
        });
    });
}

DocumentPages DocumentPages::ofSaved(const QString& path)
{
    try {
        return DocumentPages(layOut(package::readPackage(path)));
    } catch (const DocumentError& error) {
        throw AutomationError(describe(error));
    }
}

std::shared_ptr<const DocumentPages::Data> DocumentPages::layOut(const model::DocumentModel& model)
{
    return pagesOf(render::DocumentLayout::of(model), model);
}

std::shared_ptr<const DocumentPages::Data> DocumentPages::pagesOf(render::DocumentLayout&& layout,
                                                                  const model::DocumentModel& model)
{
    auto data = std::make_shared<Data>();
    data->layout = std::move(layout);
    data->paintableElsewhere =
        std::all_of(data->layout.texts.begin(), data->layout.texts.end(), render::drawnInOwnFace);
    data->page = model.page;
    if (const auto* heading = std::get_if<model::Paragraph>(&model.body.front()))
        data->title = heading->text().trimmed();
    const model::PageSetup& page = data->page;
    const int textHeight = page.heightTwips - page.topTwips - page.bottomTwips;
    data->slices = render::pageSlices(data->layout, units::pixelsFromTwips(textHeight));
    return data;
}

QPageLayout DocumentPages::pageLayout() const
{
    const model::PageSetup& page = m_data->page;
    auto points = [](int twips) { return twips / 20.0; };
    QPageLayout layout(QPageSize(QSizeF(points(page.widthTwips), points(page.heightTwips)), QPageSize::Point, QString(),
                                 QPageSize::FuzzyMatch),
                       QPageLayout::Portrait,
                       QMarginsF(points(page.leftTwips), points(page.topTwips), points(page.rightTwips),
                                 points(page.bottomTwips)),
                       QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

int DocumentPages::pageCount() const { return int(m_data->slices.size()); }

QString DocumentPages::title() const { return m_data->title; }

bool DocumentPages::paintableElsewhere() const { return m_data->paintableElsewhere; }

void DocumentPages::paintPage(int index, QPainter& painter) const { paintPageIn(index, painter, nullptr); }

void DocumentPages::paintPageWith(int index, QPainter& painter, ThreadFonts& fonts) const
{
    paintPageIn(index, painter, &fonts.catalog());
}

void DocumentPages::paintPageIn(int index, QPainter& painter, render::FontCatalog* fonts) const
{
    const render::PageSlice& slice = m_data->slices.at(size_t(index));
    const model::PageSetup& page = m_data->page;
    painter.save();
    painter.scale(painter.device()->logicalDpiX() / units::PixelsPerInch,
                  painter.device()->logicalDpiY() / units::PixelsPerInch);
    // The content's top left in the picture (Border, slice top) goes to the
    // top left of the page's text area.
    painter.translate(units::pixelsFromTwips(page.leftTwips) - render::DocumentLayout::Border,
                      units::pixelsFromTwips(page.topTwips) - slice.top);
    painter.setClipRect(QRectF(0, slice.top, m_data->layout.size.width(), slice.inkBottom - slice.top));
    if (fonts)
        paintDocumentWith(m_data->layout, painter, *fonts);
    else
        paintDocument(m_data->layout, painter);
    painter.restore();
}

bool DocumentPages::print(QPagedPaintDevice& device) const
{
    if (!device.setPageLayout(pageLayout()))
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(i, painter);
    }
    return painter.end();
}

QSize DocumentPages::pictureSize() const { return m_data->layout.size; }

void DocumentPages::paintPicture(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), pictureSize()), Qt::white);
    paintDocument(m_data->layout, painter);
}

}  // namespace word
