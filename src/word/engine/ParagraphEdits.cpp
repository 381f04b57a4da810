#include "word/engine/ParagraphEdits.h"

namespace word::editing {

using model::Paragraph;
using model::Run;

int splitRunsAt(Paragraph& paragraph, int offset)
{
    int start = 0;
    for (int i = 0; i < int(paragraph.runs.size()); ++i) {
        Run& run = paragraph.runs[i];
        const int length = int(run.text.size());
        if (offset == start)
            return i;
        if (offset < start + length) {
            Run tail{run.text.mid(offset - start), run.format};
            run.text.truncate(offset - start);
            paragraph.runs.insert(paragraph.runs.begin() + i + 1, std::move(tail));
            return i + 1;
        }
        start += length;
    }
    return int(paragraph.runs.size());
}

Paragraph emptiedLike(const Paragraph& paragraph)
{
    Paragraph empty;
    empty.alignment = paragraph.alignment;
    empty.markFormat = paragraph.markFormat;
    return empty;
}

}  // namespace word::editing
