#pragma once

#include <QPicture>

#include <optional>

namespace common {

// Asks the program's clipboard (platform::clipboard) for a picture up to 1000
// times in a row, without pausing or pumping events: a busy clipboard is
// usually free again at once. Nothing when every request failed.
inline constexpr int ClipboardAttempts = 1000;
std::optional<QPicture> clipboardPicture(int format);

}  // namespace common
