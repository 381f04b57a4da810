#pragma once

#include "word/Handle.h"

namespace word {

// Word colour numbers: red + 256 x green + 65536 x blue.
inline constexpr int wdColorAutomatic = -16777216;
inline constexpr int wdTextureNone = 0;

// The shading of cells (Cells.Shading).
class Shading : public Handle {
public:
    Shading() = default;

    void setTexture(int Texture);                                 // 0 = none
    void setForegroundPatternColor(int ForegroundPatternColor);   // Word colour number
    void setBackgroundPatternColor(int BackgroundPatternColor);   // Word colour number

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
