#pragma once

#include <windows.h>

namespace word::com {

// How long a call Word rejects as busy is tried again before the program
// gives up and tells the user: 30 seconds.
inline constexpr DWORD BusyLimitMilliseconds = 30000;
// The pause between two tries.
inline constexpr DWORD RetryPauseMilliseconds = 100;

// Enters the single-threaded apartment on the calling thread, once per
// thread, and registers the message filter there (IMessageFilter):
// - a call Word rejects (SERVERCALL_RETRYLATER, RPC_E_CALL_REJECTED) is
//   tried again every RetryPauseMilliseconds until BusyLimitMilliseconds
//   have passed since it was first made. Windows' COM asks the filter
//   (RetryRejectedCall) for SERVERCALL_RETRYLATER; a rejection COM hands
//   over at once (SERVERCALL_REJECTED, and every rejection under Wine,
//   whose COM never asks the filter) is tried again by ComObject itself,
//   against the same limit from the same start, so the patience is 30
//   seconds either way, never twice that;
// - while a call waits, the program's windows get their paint messages, so
//   they never turn white; input waits, so nothing starts a second planner.
// The apartment stays for the life of the thread. Throws AutomationError
// when the thread is in a multithreaded apartment already.
void enterApartment();

// Lets the calling thread's windows paint: dispatches the paint messages
// waiting, and no others. Used while a rejected call waits to be tried again.
void paintWindows();

}  // namespace word::com
