#pragma once

#include "word/AutomationError.h"

#include <windows.h>
#include <oaidl.h>

#include <QString>

namespace word::com {

// True for the HRESULTs of a Word that is gone: closed or killed while the
// program held its objects (RPC_E_DISCONNECTED, RPC_S_SERVER_UNAVAILABLE and
// their kin).
bool isWordGone(HRESULT result);
// True for a call Word rejected as busy (RPC_E_CALL_REJECTED, RPC_E_SERVERCALL_RETRYLATER).
bool isWordBusy(HRESULT result);

// The AutomationError of a failed call of `member`: Word's own source,
// description and number from `exception` when the failure is
// DISP_E_EXCEPTION; otherwise a clear text for the HRESULT. Frees the
// strings of `exception`.
AutomationError errorOf(HRESULT result, EXCEPINFO* exception, const QString& member);

// The system's text for `result`, or its number when the system has none.
QString describeResult(HRESULT result);

}  // namespace word::com
