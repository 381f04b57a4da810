#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace word::render {

// Finds the items of a layout (fills, lines or texts, in the order they are
// drawn) that may reach into a horizontal band of the picture, by halving
// instead of looking at every item: a page of a long document is one band,
// and looking at the whole document for each page took time growing with
// the square of its length. Items keep their order; a document flows down,
// so the run found is about the band's own items, whatever the order.
// Heights in pixels of the layout.
class BandIndex {
public:
    BandIndex() = default;
    // `extents` are each item's top and bottom, in drawing order.
    explicit BandIndex(const std::vector<std::pair<double, double>>& extents);

    size_t size() const { return m_highestBottom.size(); }
    // [first, last): the items before `first` end above `top`, those from
    // `last` on start below `bottom`; the others may reach into the band.
    std::pair<size_t, size_t> within(double top, double bottom) const;

private:
    std::vector<double> m_highestBottom;  // of the items up to each one
    std::vector<double> m_lowestTop;      // of the items from each one on
};

}  // namespace word::render
