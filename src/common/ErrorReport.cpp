#include "ErrorReport.h"

#include "platform/MessageBoxes.h"

#include <QCoreApplication>

#include <stdexcept>

namespace common {

QString errorReportText(const QString& description, const QString& location, int line)
{
    // The location literal stays as it is in every language; only the words around it are translated.
    //: %1 is the number of the step that failed
    return description + QStringLiteral("\r\n") + location +
           QCoreApplication::translate("ErrorReport", "at line %1").arg(line) + QStringLiteral("\r\r") +
           //: %1 is the support e-mail address
           QCoreApplication::translate("ErrorReport", "Please email screenshot of this message to %1")
               .arg(QLatin1String(SupportAddress));
}

void showErrorReport(const QString& description, const QString& location, int line)
{
    platform::messageBoxes().show({errorReportText(description, location, line),
                                   QCoreApplication::translate("ErrorReport", "Application Error"),
                                   platform::Buttons::Ok, platform::Icon::Exclamation});
}

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QCoreApplication::translate("ErrorReport", "Unknown error");
    }
}

}  // namespace common
