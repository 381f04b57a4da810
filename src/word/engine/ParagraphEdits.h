#pragma once

#include "word/model/Paragraph.h"

// Small edits of one paragraph that typing and table edits both make.
namespace word::editing {

// Splits the paragraph's runs so that a run boundary falls at `offset`
// (characters, UTF-16 units); returns the index of the first run at or after it.
int splitRunsAt(model::Paragraph& paragraph, int offset);

// An empty paragraph with the alignment and mark formatting of `paragraph`.
model::Paragraph emptiedLike(const model::Paragraph& paragraph);

}  // namespace word::editing
