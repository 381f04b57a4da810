#pragma once

#include <QPicture>
#include <QString>

#include <optional>

class QWidget;

// The program's shared helpers. None of them keeps state between calls.
namespace Main {

// The product name: caption of both windows, source of the application title.
inline const QString ProductName = QStringLiteral("Dorvane");

// The hand cursor both windows show over their buttons when it is there:
// "HAND-M.CUR" in the program's folder.
QString HandCursorPath();

// True when the file's last-modified time can be read. Never reports.
bool FileExists(const QString& path);

// Quiet delete: lets pending window events run once, deletes the file, falls
// back to ForceDeleteFile. Never fails and never reports; a link is removed,
// never its target.
void RemoveFile(const QString& path);

// Deletes the file even when it is read-only. Throws std::runtime_error on failure.
void ForceDeleteFile(const QString& path);

// Asks the clipboard for a picture up to 1000 times in a row, without pausing
// or pumping events. Nothing when every request failed.
inline constexpr int ClipboardAttempts = 1000;
std::optional<QPicture> GetClipboardPicture(int format);

// Cuts `name` at its last blank, again and again, until at most 40 characters
// remain; the first cut is always made. A name without blanks stays whole
// (cut to 40 characters if longer).
QString DeriveAppTitle(const QString& name);

// Sets the application title from the product name.
void SetAppTitle();

// Gives the window, and its frames, labels, option buttons and check boxes the
// button-face colour. Picture areas, text boxes, buttons and scroll bars keep theirs.
void ResetBackColors(QWidget* window);

// The same, with picture areas included, as a skin wants it.
void SetButtonFaceColours(QWidget* window, bool includePictureBoxes);

}  // namespace Main
