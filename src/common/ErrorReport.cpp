#include "ErrorReport.h"

#include "platform/MessageBoxes.h"

#include <stdexcept>

namespace common {

QString errorReportText(const QString& description, const QString& location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") + QString::number(line) +
           QStringLiteral("\r\rPlease email screenshot of this message to ") + QLatin1String(SupportAddress);
}

void showErrorReport(const QString& description, const QString& location, int line)
{
    platform::messageBoxes().show({errorReportText(description, location, line), QStringLiteral("Application Error"),
                                   platform::Buttons::Ok, platform::Icon::Exclamation});
}

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

}  // namespace common
