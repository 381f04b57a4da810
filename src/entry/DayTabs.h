#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace entry {

// The day tab control of the entry window: six tabs of equal width in one
// row across the whole control, with a tab row of a fixed height so that the
// entry window's row panel can lie exactly over the page area. The pages
// themselves stay empty; the panel over them holds the rows.
class DayTabs : public QTabWidget {
    Q_OBJECT
public:
    // `tabRowHeight` in pixels.
    DayTabs(int tabRowHeight, QWidget* parent = nullptr);
};

// The tab row of DayTabs: every tab takes an equal share of the row's width.
class DayTabBar : public QTabBar {
    Q_OBJECT
public:
    DayTabBar(int height, QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;

private:
    int m_height;
};

}  // namespace entry
