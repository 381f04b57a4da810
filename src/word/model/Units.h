#pragma once

#include <cmath>

// Lengths in documents: Word's calls speak points (1/72 inch); the package
// speaks twips (1/20 point, 1/1440 inch) for widths and margins and half
// points for font sizes; pictures are made at 96 pixels per inch.
namespace word::units {

inline constexpr int TwipsPerPoint = 20;
inline constexpr int TwipsPerInch = 1440;
inline constexpr double PixelsPerInch = 96.0;

inline int twipsFromPoints(double points) { return int(std::lround(points * TwipsPerPoint)); }
inline double pointsFromTwips(int twips) { return double(twips) / TwipsPerPoint; }
inline int halfPointsFromPoints(double points) { return int(std::lround(points * 2)); }
inline double pointsFromHalfPoints(int halfPoints) { return halfPoints / 2.0; }
inline double pixelsFromTwips(int twips) { return twips * PixelsPerInch / TwipsPerInch; }

}  // namespace word::units
