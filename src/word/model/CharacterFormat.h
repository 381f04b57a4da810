#pragma once

#include <QString>

namespace word::model {

// The character formatting the program can set, always complete: what a
// reader shows without consulting any style. A new document's text is
// Calibri 11 pt, not bold.
struct CharacterFormat {
    static constexpr int DefaultHalfPoints = 22;

    bool bold = false;
    QString fontName = QStringLiteral("Calibri");
    int halfPoints = DefaultHalfPoints;  // font size in half points (22 = 11 pt)

    bool operator==(const CharacterFormat&) const = default;
};

}  // namespace word::model
