#include "word/model/Paragraph.h"

#include <algorithm>

namespace word::model {

QString Paragraph::text() const
{
    QString all;
    for (const Run& run : runs)
        all += run.text;
    return all;
}

int Paragraph::length() const
{
    int total = 0;
    for (const Run& run : runs)
        total += int(run.text.size());
    return total;
}

void Paragraph::normalize()
{
    std::vector<Run> merged;
    merged.reserve(runs.size());
    for (Run& run : runs) {
        if (run.text.isEmpty())
            continue;
        if (!merged.empty() && merged.back().format == run.format)
            merged.back().text += run.text;
        else
            merged.push_back(std::move(run));
    }
    runs = std::move(merged);
}

}  // namespace word::model
