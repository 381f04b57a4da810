#include "word/model/PageSetup.h"

namespace word::model {

PageSetup PageSetup::letter()
{
    PageSetup page;
    page.widthTwips = 12240;
    page.heightTwips = 15840;
    return page;
}

PageSetup PageSetup::a4()
{
    return PageSetup{};
}

PageSetup PageSetup::forLocale(const QLocale& locale)
{
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? letter() : a4();
}

}  // namespace word::model
