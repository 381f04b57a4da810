#include "Language.h"

#include "platform/ProgramEnvironment.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace common {

QString translationsFolder() { return platform::programFolder() + QStringLiteral("/translations"); }

QLocale messagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (value == "C" || value == "POSIX" || value.startsWith("C."))
            return QLocale::c();
        return QLocale::system();
    }
    return QLocale::c();  // none set: the C locale
}

bool installTranslations(const QLocale& locale, const QString& folder)
{
    QCoreApplication* application = QCoreApplication::instance();
    const QString installed = QStringLiteral("dorvane-translation");
    for (QTranslator* earlier : application->findChildren<QTranslator*>(installed, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }
    if (locale.language() == QLocale::C)
        return false;

    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(locale, QStringLiteral("dorvane"), QStringLiteral("_"), folder))
        return false;
    // Matched to our translation's language rather than to the user's first
    // choice: a user whose first language we lack reads English throughout.
    // Qt's own come from beside the program where they travel with it (the
    // Windows build), otherwise from where the system keeps Qt's.
    auto qt = std::make_unique<QTranslator>();
    const QLocale qtLocale(ours->language());
    const bool qtLoaded =
        qt->load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        qt->load(qtLocale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const auto install = [&](QTranslator* translator) {
        translator->setObjectName(installed);
        translator->setParent(application);
        QCoreApplication::installTranslator(translator);
    };
    install(ours.release());
    if (qtLoaded)
        install(qt.release());
    return true;
}

QLocale windowLocale()
{
    // Each translation names its own locale here, so the answer follows
    // whichever translation is installed, in the program or in a test.
    //: The locale this translation is for, as a QLocale name such as de_DE; it
    //: gives the planner and the day pages their day names. Not shown.
    return QLocale(QCoreApplication::translate("common::Language", "en_US"));
}

}  // namespace common
