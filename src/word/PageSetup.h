#pragma once

#include "word/Handle.h"

namespace word {

// Document.PageSetup: the paper of a document's (one) section.
inline constexpr int wdOrientPortrait = 0;
inline constexpr int wdOrientLandscape = 1;

class PageSetup : public Handle {
public:
    PageSetup() = default;

    // wdOrientPortrait or wdOrientLandscape; a change turns the page, its
    // width and height trading places, as in Word. Other values throw
    // AutomationError ("Bad parameter").
    void setOrientation(int Orientation);
    // Points, 12 to 1584 (22 inches), kept in whole twips; other values
    // throw AutomationError.
    void setPageWidth(double PageWidth);
    void setPageHeight(double PageHeight);

private:
    using Handle::Handle;
    friend struct ObjectRef;
};

}  // namespace word
