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

// The locale the user reads messages in: QLocale::system(), except that the C
// and POSIX locales (also C.UTF-8) stay C even where LANGUAGE lists languages,
// as gettext has it; Qt alone would follow LANGUAGE there. The first of
// LC_ALL, LC_MESSAGES and LANG that is set decides; none set is C.
QLocale messagesLocale();

// Installs Dorvane's translation for `locale` from `folder`, and Qt's for the
// same language, on the running application, which owns them from then on;
// they replace those an earlier call installed. Returns false, and leaves no
// translation installed, when Dorvane has none for any of the locale's
// languages: the program then speaks English. Texts already shown do not
// change, so the program calls it before it makes any window.
bool installTranslations(const QLocale& locale = messagesLocale(), const QString& folder = translationsFolder());

// The locale of the language the installed translation speaks; English
// (United States) when none is installed. The day names of the planner and of
// the day pages come from it; dates keep the user's own format (QLocale()).
QLocale windowLocale();

}  // namespace common
