#include "Language.h"

#include "platform/ProgramEnvironment.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace common {

QString translationsFolder() { return platform::programFolder() + QStringLiteral("/translations"); }

bool installTranslations(const QLocale& locale, const QString& folder)
{
    // As gettext does, the C locale keeps English even where LANGUAGE names
    // other languages (Qt alone would follow LANGUAGE).
    if (locale.language() == QLocale::C)
        return false;
    QCoreApplication* application = QCoreApplication::instance();
    auto* ours = new QTranslator(application);
    if (!ours->load(locale, QStringLiteral("dorvane"), QStringLiteral("_"), folder)) {
        delete ours;
        return false;
    }
    QCoreApplication::installTranslator(ours);

    // Matched to our translation's language rather than to the user's first
    // choice: a user whose first language we lack reads English throughout.
    auto* qt = new QTranslator(application);
    if (qt->load(QLocale(ours->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

QLocale windowLocale()
{
    // Each translation names its own locale here, so the answer follows
    // whichever translation is installed, in the program or in a test.
    //: The locale this translation is for, as a QLocale name such as de_DE; it
    //: gives the planner its day and month names. Not shown.
    return QLocale(QCoreApplication::translate("common::Language", "en_US"));
}

}  // namespace common
