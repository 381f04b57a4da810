#pragma once

#include "desktop/WindowPointer.h"

namespace entry {

// The entry window's busy state for one scope: `busy` is set while the guard
// lives, and however the scope is left, an exception included, the pointer
// goes back to the arrow and `busy` is cleared, so that the window takes the
// next command. Neither is owned; both must outlive the guard.
class BusyGuard {
public:
    BusyGuard(bool& busy, desktop::WindowPointer& pointer) : m_busy(busy), m_pointer(pointer) { m_busy = true; }
    ~BusyGuard()
    {
        m_pointer.setShape(desktop::WindowPointer::Shape::Arrow);
        m_busy = false;
    }

    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& m_busy;
    desktop::WindowPointer& m_pointer;
};

}  // namespace entry
