#pragma once

#include "word/model/CharacterFormat.h"

#include <QString>

namespace word::model {

// A stretch of text of one formatting. Text holds no paragraph marks; a
// typed line feed or carriage return starts a new paragraph instead, and a
// tab stays a tab.
struct Run {
    QString text;
    CharacterFormat format;

    bool operator==(const Run&) const = default;
};

}  // namespace word::model
