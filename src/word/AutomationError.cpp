#include "word/AutomationError.h"

#include <QCoreApplication>

namespace word {

AutomationError::AutomationError(const QString& description, const QString& source, long number, Reason reason)
    : std::runtime_error(description.toStdString()),
      m_description(description),
      m_source(source),
      m_number(number),
      m_reason(reason)
{
}

AutomationError AutomationError::naming(const QString& callText) const
{
    QString text = m_description;
    //: Under a failure of Word: %1 is the call the program made, as VB writes it
    text += QStringLiteral("\r\n") + QCoreApplication::translate("word::AutomationError", "Call: %1").arg(callText);
    if (!m_source.isEmpty() || m_number != 0)
        //: %1 is the program that raised the error ("Microsoft Word"), %2 its error number in hexadecimal
        text += QStringLiteral("\r\n") + QCoreApplication::translate("word::AutomationError", "Error from %1: 0x%2")
                                             .arg(m_source.isEmpty() ? QStringLiteral("Word") : m_source)
                                             .arg(quint32(m_number), 8, 16, QLatin1Char('0'));
    AutomationError named(text, m_source, m_number, m_reason);
    named.m_description = m_description;
    named.m_call = callText;
    return named;
}

}  // namespace word
