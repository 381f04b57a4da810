#pragma once

#include <QColor>
#include <QString>

#include <optional>

// Word colour numbers: red + 256 x green + 65536 x blue; -16777216
// (wdColorAutomatic) is the automatic colour, "auto" in the package, whose
// meaning depends on where it is used (black text, no fill).
namespace word::colour {

inline constexpr int Automatic = -16777216;

// True for Automatic and for every value 0 to 0xFFFFFF.
bool isValid(int wordColour);
// "RRGGBB" (upper case), or "auto" for Automatic.
QString toHex(int wordColour);
// Inverse of toHex(); nothing for text that is neither.
std::optional<int> fromHex(const QString& text);
// The colour, or nothing for Automatic.
std::optional<QColor> toQColor(int wordColour);

}  // namespace word::colour
