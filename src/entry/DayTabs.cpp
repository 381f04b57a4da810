#include "DayTabs.h"

#include "common/Language.h"
#include "week/DayStore.h"

#include <QProxyStyle>

namespace entry {
namespace {

// Six equal tabs leave "Wednesday" in bold little room: narrower side
// padding than the usual keeps every caption whole.
class NarrowTabPadding final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

DayTabBar::DayTabBar(int height, QWidget* parent) : QTabBar(parent), m_height(height)
{
    setExpanding(true);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(true);
    auto* style = new NarrowTabPadding;
    style->setParent(this);
    setStyle(style);
}

QSize DayTabBar::tabSizeHint(int index) const
{
    const int tabs = qMax(1, count());
    const int total = parentWidget() ? parentWidget()->width() : width();
    // The last tab takes what the division leaves over, so the row fills the control.
    const int share = total / tabs;
    const int w = index == tabs - 1 ? total - share * (tabs - 1) : share;
    return QSize(w, m_height);
}

QSize DayTabBar::minimumTabSizeHint(int index) const { return tabSizeHint(index); }

DayTabs::DayTabs(int tabRowHeight, QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new DayTabBar(tabRowHeight, this));
    for (int page = 0; page < week::DayPageCount; ++page)
        addTab(new QWidget(this), week::dayTabCaption(page, common::windowLocale()));
}

}  // namespace entry
