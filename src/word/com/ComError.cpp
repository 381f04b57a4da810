#include "word/com/ComError.h"

#include "word/Messages.h"

#include <QCoreApplication>

namespace word::com {
namespace {

QString textOf(BSTR text) { return text ? QString::fromWCharArray(text, int(SysStringLen(text))) : QString(); }

}  // namespace

bool isWordGone(HRESULT result)
{
    switch (result) {
    case RPC_E_DISCONNECTED:
    case RPC_E_SERVER_DIED:
    case RPC_E_SERVER_DIED_DNE:
    case CO_E_OBJNOTCONNECTED:
    case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE):
    case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED):
    case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE):
        return true;
    default:
        return false;
    }
}

bool isWordBusy(HRESULT result) { return result == RPC_E_CALL_REJECTED || result == RPC_E_SERVERCALL_RETRYLATER; }

QString describeResult(HRESULT result)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, DWORD(result), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    QString text = length ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    if (buffer)
        LocalFree(buffer);
    const QString number = QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
    if (text.isEmpty())
        //: %1 is the error number (HRESULT) of a failed automation call, e.g. 0x80020003
        return QCoreApplication::translate("word::com", "Word refused the call (error %1).").arg(number);
    return QCoreApplication::translate("word::com", "%1 (error %2)").arg(text, number);
}

AutomationError errorOf(HRESULT result, EXCEPINFO* exception, const QString& member)
{
    if (result == DISP_E_EXCEPTION && exception) {
        if (exception->pfnDeferredFillIn)
            exception->pfnDeferredFillIn(exception);
        const QString source = textOf(exception->bstrSource);
        QString description = textOf(exception->bstrDescription);
        const long number = exception->scode ? long(exception->scode) : long(exception->wCode);
        SysFreeString(exception->bstrSource);
        SysFreeString(exception->bstrDescription);
        SysFreeString(exception->bstrHelpFile);
        *exception = EXCEPINFO{};
        if (description.isEmpty())
            description = describeResult(HRESULT(number));
        return AutomationError(description, source, number);
    }
    if (isWordGone(result))
        return AutomationError(messages::WordGone(), {}, long(result), AutomationError::Reason::WordGone);
    if (isWordBusy(result))
        return AutomationError(messages::WordBusy(), {}, long(result), AutomationError::Reason::WordBusy);
    if (result == DISP_E_UNKNOWNNAME || result == DISP_E_MEMBERNOTFOUND)
        return AutomationError(messages::UnknownMember(member), {}, long(result));
    return AutomationError(describeResult(result), {}, long(result));
}

}  // namespace word::com
