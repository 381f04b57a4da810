#pragma once

#include <QPicture>

#include <optional>

namespace platform {

// The clipboard the program's pictures travel by: one of the program's own,
// in this process only. The picture of the planner goes from Word to the
// preview through it, so the user's clipboard (text about to be pasted,
// say) is never touched, and a second instance of the program, or any other
// program, can neither see nor replace the picture on its way. A test
// installs its own to make requests fail a number of times and count them.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // One request for a picture. `format` 0 takes whichever picture the
    // clipboard holds. Returns nothing when the request failed (clipboard
    // busy or holding no picture).
    virtual std::optional<QPicture> picture(int format) = 0;
    virtual void setPicture(const QPicture& picture) = 0;
};

Clipboard& clipboard();
// The program's own unless a test installed another through seam::Seam<Clipboard>.

}  // namespace platform
