#include "FontSetupAhead.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

#include <thread>

namespace platform {

struct FontSetupAhead::Reading {
    // FcInit keeps the configuration as the library's current one, which is
    // what Qt's font database asks for; its result is the library's to keep.
    std::thread thread{[] { FcInit(); }};
};

FontSetupAhead::FontSetupAhead()
{
    try {
        m_reading = std::make_unique<Reading>();
    } catch (const std::system_error&) {
        // No thread to be had: Qt reads the configuration itself, as always.
    }
}

FontSetupAhead::~FontSetupAhead() { wait(); }

void FontSetupAhead::wait()
{
    if (m_reading && m_reading->thread.joinable())
        m_reading->thread.join();
}

}  // namespace platform
