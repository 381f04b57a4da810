#pragma once

#include <cmath>

namespace platform {

// The windows are designed in twips (1/1440 inch); at 96 dots per inch
// 15 twips make one pixel.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

}  // namespace platform
