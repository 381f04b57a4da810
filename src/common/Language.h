#pragma once

#include <QLocale>
#include <QString>

// The language of the windows, the messages and the planner document.
//
// Dorvane speaks the first of the user's languages (QLocale::uiLanguages()) it
// has a translation for, and English otherwise. The translations are Qt
// Linguist files, dorvane_<language>.qm, in the "translations" folder beside
// the executable; Qt's own (qtbase_<language>.qm, the standard dialogs'
// buttons) are loaded for the same language only, so that a window never
// mixes two languages.
namespace common {

// "<program folder>/translations".
QString translationsFolder();

// Installs Dorvane's translation for `locale` from `folder`, and Qt's for the
// same language, on the running application, which owns them from then on.
// Returns false, and installs nothing, when Dorvane has no translation for
// any of the locale's languages: the program then stays in English. Call once,
// after the application object exists and before any window is made.
bool installTranslations(const QLocale& locale = QLocale::system(), const QString& folder = translationsFolder());

// The locale of the language the installed translation speaks; English
// (United States) when none is installed. Day and month names of the planner
// and the day pages come from it.
QLocale windowLocale();

}  // namespace common
