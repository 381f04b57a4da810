#include "word/render/BandIndex.h"

#include <algorithm>

namespace word::render {

BandIndex::BandIndex(const std::vector<std::pair<double, double>>& extents)
    : m_highestBottom(extents.size()), m_lowestTop(extents.size())
{
    for (size_t i = 0; i < extents.size(); ++i)
        m_highestBottom[i] = i == 0 ? extents[i].second : std::max(m_highestBottom[i - 1], extents[i].second);
    for (size_t i = extents.size(); i-- > 0;)
        m_lowestTop[i] = i + 1 == extents.size() ? extents[i].first : std::min(m_lowestTop[i + 1], extents[i].first);
}

std::pair<size_t, size_t> BandIndex::within(double top, double bottom) const
{
    const auto first = std::partition_point(m_highestBottom.begin(), m_highestBottom.end(),
                                            [top](double highest) { return highest < top; });
    const auto last = std::partition_point(m_lowestTop.begin(), m_lowestTop.end(),
                                           [bottom](double lowest) { return lowest <= bottom; });
    const size_t from = size_t(first - m_highestBottom.begin());
    return {from, std::max(from, size_t(last - m_lowestTop.begin()))};
}

}  // namespace word::render
