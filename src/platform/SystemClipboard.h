#pragma once

class QMimeData;

namespace platform {

// The desktop's clipboard, on which Copy Picture offers the planner to other
// programs. Nothing else of the program writes there: the pictures passed
// between the program's own parts travel by platform::Clipboard. A test
// installs its own to read what was offered.
class SystemClipboard {
public:
    virtual ~SystemClipboard() = default;
    // Offers every format of `data` at once (a vector format beside the
    // bitmap, say); the clipboard takes `data` over.
    virtual void setMimeData(QMimeData* data) = 0;
};

SystemClipboard& systemClipboard();
// The desktop's unless a test installed another through seam::Seam<SystemClipboard>.

}  // namespace platform
