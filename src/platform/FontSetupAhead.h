#pragma once

#include <memory>

namespace platform {

// Reads the desktop's font configuration on a second core while the program
// loads and connects to its display. On Linux the first window with text, or
// the first page laid out, waits for fontconfig to parse its configuration
// (dozens of XML files, the largest single cost of a start); started at the
// top of main(), that reading overlaps everything before the first widget.
// Where fonts come from the system without such a step (Windows), nothing
// is started.
//
// Qt reads the same configuration through the same library later and finds
// it loaded. Calling wait() before anything asks Qt for a font keeps the two
// from both reading it at once; that would only cost time, never a wrong
// font, as the library takes whichever configuration was ready first.
// The destructor waits too.
class FontSetupAhead {
public:
    FontSetupAhead();
    ~FontSetupAhead();
    FontSetupAhead(const FontSetupAhead&) = delete;
    FontSetupAhead& operator=(const FontSetupAhead&) = delete;

    // Returns once the configuration is read (at once when nothing was started).
    void wait();

private:
    struct Reading;
    std::unique_ptr<Reading> m_reading;
};

}  // namespace platform
