#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace entry {

// What keeps the dialogs of calendar addresses on the screen, whatever a
// server names itself and its realm, or answers.

// `text` as `shownIn` can show it on one line: whole when it is short, else
// cut in the middle with an ellipsis (never inside a character's cluster)
// to about sixty average characters, and at most a third of the screen's
// width. For texts a server chose: a realm, a host, a refusal, a calendar's
// name, an address.
QString fitServerText(const QString& text, const QWidget& shownIn);

// Keeps `dialog` within the available area of its screen (the screen of its
// parent, or the primary one): never larger, and placed inside it when shown.
void fitToScreen(QDialog& dialog);

}  // namespace entry
