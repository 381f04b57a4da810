#include "word/PageSetup.h"

#include "word/AutomationError.h"
#include "word/Messages.h"
#include "word/dispatch/ObjectRef.h"

#include <cmath>
#include <utility>

namespace word {
namespace {

// Word's page side: from 0.1 to 22 inches.
int pageTwips(double points)
{
    if (!std::isfinite(points) || points < 7.2 || points > 1584)
        throw AutomationError(messages::ValueOutOfRange());
    return int(std::lround(points * 20));
}

}  // namespace

void PageSetup::setOrientation(int Orientation)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "PageSetup.Orientation", {Argument::integer(Orientation)}, [&] {
        model::PageSetup& page = self.liveDocument().model().page;
        if (Orientation != wdOrientPortrait && Orientation != wdOrientLandscape)
            throw AutomationError(messages::BadParameter());
        const bool landscape = Orientation == wdOrientLandscape;
        if (page.landscape != landscape)
            std::swap(page.widthTwips, page.heightTwips);
        page.landscape = landscape;
    });
}

void PageSetup::setPageWidth(double PageWidth)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "PageSetup.PageWidth", {Argument::real(PageWidth)}, [&] {
        model::PageSetup& page = self.liveDocument().model().page;
        page.widthTwips = pageTwips(PageWidth);
    });
}

void PageSetup::setPageHeight(double PageHeight)
{
    const ObjectRef& self = target();
    dispatch(self, Call::Kind::Set, "PageSetup.PageHeight", {Argument::real(PageHeight)}, [&] {
        model::PageSetup& page = self.liveDocument().model().page;
        page.heightTwips = pageTwips(PageHeight);
    });
}

}  // namespace word
