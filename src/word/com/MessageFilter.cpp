#include "word/com/MessageFilter.h"

#include "word/AutomationError.h"
#include "word/com/ComError.h"

#include <objbase.h>
#include <objidl.h>

namespace word::com {
namespace {

// The filter of the program's apartment. One per thread, never freed: COM
// holds it for the life of the apartment.
class MessageFilter final : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == IID_IUnknown || id == IID_IMessageFilter) {
            *object = static_cast<IMessageFilter*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // Calls into the program (none are expected) are taken.
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override
    {
        return SERVERCALL_ISHANDLED;
    }
    // Word is busy: try again shortly, until the limit.
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD elapsed, DWORD rejectType) override
    {
        if (rejectType == SERVERCALL_REJECTED || elapsed >= BusyLimitMilliseconds)
            return DWORD(-1);
        return RetryPauseMilliseconds;
    }
    // While a call waits, windows paint (the default processing of waiting
    // messages); input waits until the call is done.
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

}  // namespace

void enterApartment()
{
    thread_local bool entered = false;
    if (entered)
        return;
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(result))
        throw errorOf(result, nullptr, QString());
    thread_local MessageFilter filter;
    IMessageFilter* previous = nullptr;
    CoRegisterMessageFilter(&filter, &previous);
    if (previous)
        previous->Release();
    entered = true;
}

void paintWindows()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT))
        DispatchMessageW(&message);
}

}  // namespace word::com
