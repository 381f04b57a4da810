#pragma once

#include <QLocale>

namespace word::model {

// The page of a new Word document, in twips: Letter (12240 x 15840) where the
// locale measures in US units, A4 (11906 x 16838) elsewhere; margins of one
// inch, header and footer half an inch from the edge; upright.
struct PageSetup {
    int widthTwips = 11906;
    int heightTwips = 16838;
    int topTwips = 1440;
    int rightTwips = 1440;
    int bottomTwips = 1440;
    int leftTwips = 1440;
    int headerTwips = 720;
    int footerTwips = 720;
    // Turned on its side (w:orient); the width and height say the size.
    bool landscape = false;

    static PageSetup letter();
    static PageSetup a4();
    static PageSetup forLocale(const QLocale& locale = QLocale());

    int textWidthTwips() const { return widthTwips - leftTwips - rightTwips; }

    bool operator==(const PageSetup&) const = default;
};

}  // namespace word::model
