#include "ClipboardRetry.h"

#include "platform/Clipboard.h"

namespace common {

std::optional<QPicture> clipboardPicture(int format)
{
    for (int attempt = 0; attempt < ClipboardAttempts; ++attempt) {
        try {
            if (auto picture = platform::clipboard().picture(format))
                return picture;
        } catch (...) {
            // A failed request is simply tried again.
        }
    }
    return std::nullopt;
}

}  // namespace common
