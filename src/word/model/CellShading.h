#pragma once

#include "word/model/Colour.h"

namespace word::model {

// A cell's shading as Word's Shading object holds it: a texture (0 = none;
// otherwise a WdTextureIndex value, e.g. 50 = 5 percent) drawn in the
// foreground colour over the background colour. Colours are Word colour
// numbers. The default (no texture, both automatic) is no shading at all.
struct CellShading {
    int texture = 0;
    int foreground = colour::Automatic;
    int background = colour::Automatic;

    bool isNone() const { return texture == 0 && background == colour::Automatic; }
    bool operator==(const CellShading&) const = default;
};

}  // namespace word::model
