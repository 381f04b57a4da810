// A stand-in for Word for the COM engine's checks under Wine: an
// out-of-process automation server that registers itself as
// "Word.Application" (the user's classes, and the machine's, which are the
// ones Wine reads) and answers IDispatch
// calls by name by running Dorvane's own Word objects (ServedObjects.cpp).
// What it is told to do wrong comes from its control file (ServerControl.h).
//
//   word-server.exe --register CONTROL    register, LocalServer32 naming CONTROL
//   word-server.exe --unregister
//   word-server.exe --control CONTROL -Embedding   (started by COM, or by a
//                                                  test ahead of the program)
//   word-server.exe --control CONTROL --running    a Word the user started:
//                                                  in the running object table
// Each server ends when its application is quit, or after two minutes at
// the latest (Watchdog), so that no check leaves one behind.
#include "ServedObjects.h"
#include "ServerControl.h"

#include "word/BuiltInEngine.h"
#include "word/Word.h"

#include <QCoreApplication>

#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

// {3F1C9E24-7B2A-4E51-8D6C-0A9B5E7F2C31}: the stand-in's class.
const CLSID ServerClass = {0x3f1c9e24, 0x7b2a, 0x4e51, {0x8d, 0x6c, 0x0a, 0x9b, 0x5e, 0x7f, 0x2c, 0x31}};
const wchar_t* const ClassKey = L"Software\\Classes\\CLSID\\{3F1C9E24-7B2A-4E51-8D6C-0A9B5E7F2C31}";
const wchar_t* const ProgIdKey = L"Software\\Classes\\Word.Application";
constexpr DWORD LifetimeMilliseconds = 120000;
// Once its loop has ended (its application quit), the most the server's
// teardown may take.
constexpr DWORD EndingMilliseconds = 3000;

void quitServer() { PostQuitMessage(0); }

bool setValue(HKEY root, const std::wstring& key, const std::wstring& value)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr))
        return false;
    const LONG result = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                       DWORD((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool registerIn(HKEY root, const std::wstring& control)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring classId = L"{3F1C9E24-7B2A-4E51-8D6C-0A9B5E7F2C31}";
    return setValue(root, ProgIdKey, L"Dorvane's stand-in for Word") &&
           setValue(root, std::wstring(ProgIdKey) + L"\\CLSID", classId) &&
           setValue(root, ClassKey, L"Dorvane's stand-in for Word") &&
           setValue(root, std::wstring(ClassKey) + L"\\ProgID", L"Word.Application") &&
           setValue(root, std::wstring(ClassKey) + L"\\LocalServer32",
                    L"\"" + std::wstring(self) + L"\" --control \"" + control + L"\"");
}

// The current user's classes, where a per-user install of Word puts them.
// Wine 8 reads classes from the machine's only (its HKEY_CLASSES_ROOT does
// not take in the user's), so they go there too where that may be written.
int registerServer(const std::wstring& control)
{
    const bool user = registerIn(HKEY_CURRENT_USER, control);
    const bool machine = registerIn(HKEY_LOCAL_MACHINE, control);
    return user || machine ? 0 : 1;
}

int unregisterServer()
{
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        RegDeleteTreeW(root, ClassKey);
        RegDeleteTreeW(root, ProgIdKey);
    }
    return 0;
}

// IUnknown of an object that lives as long as the server: one interface, no counting.
template <class Interface, const IID& Id>
class Lasting : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == IID_IUnknown || id == Id) {
            *object = static_cast<Interface*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

// Makes one application per request: a new instance of the built-in engine.
class Factory final : public Lasting<IClassFactory, IID_IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** object) override
    {
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        server::ServedObject* application = server::servedApplication(word::Application::CreateObject(), quitServer);
        const HRESULT result = application->QueryInterface(id, object);
        application->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// Rejects the calls on Word's objects while it is told to be busy. Wine
// does not carry SERVERCALL_RETRYLATER to the caller (it runs the call), so
// the rejection is SERVERCALL_REJECTED, which reaches the caller as
// RPC_E_CALL_REJECTED, the code a busy Word's callers see after their own
// retries.
class BusyFilter final : public Lasting<IMessageFilter, IID_IMessageFilter> {
public:
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO info) override
    {
        if (info && info->iid == IID_IDispatch && server::rejectingAsBusy()) {
            server::logLine(L"rejected as busy");
            return SERVERCALL_REJECTED;
        }
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return DWORD(-1); }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override { return PENDINGMSG_WAITDEFPROCESS; }
};

void writePid()
{
    if (server::control().pid.empty())
        return;
    if (FILE* file = _wfopen(server::control().pid.c_str(), L"w")) {
        std::fprintf(file, "%lu\n", GetCurrentProcessId());
        std::fclose(file);
    }
}

// Hands the test program a handle of this process, which it holds to its
// end, so that the process id stays taken. Wine names an apartment's
// endpoint after the process and thread ids and gives ids out again once
// enough are free: from about the 125th server of a test program on,
// CoCreateInstance failed (RPC_S_CALL_FAILED_DNE), and a later run lost
// its Word halfway, most likely because a new server had the ids, and so
// the endpoint, of one that had ended.
void handToHolder()
{
    if (!server::control().holder)
        return;
    if (HANDLE holder = OpenProcess(PROCESS_DUP_HANDLE, FALSE, server::control().holder)) {
        HANDLE kept = nullptr;
        DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), holder, &kept, SYNCHRONIZE, FALSE, 0);
        CloseHandle(holder);
    }
}

// Tells the test that started this server that COM can reach it now.
void signalReady()
{
    if (server::control().ready.empty())
        return;
    if (HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, server::control().ready.c_str())) {
        SetEvent(event);
        CloseHandle(event);
    }
}

// Ends the process when the server outlives its time: two minutes in all,
// and EndingMilliseconds once its loop has ended. Under Wine a server has
// been seen to stay after Quit, past its two minutes, its thread stuck in
// the ending (COM's teardown, most likely, on a call that came in late); a
// Word that quits is gone all the same, whatever its callers still hold.
class Watchdog {
public:
    Watchdog() : m_ending(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        CloseHandle(CreateThread(nullptr, 0, &Watchdog::watch, m_ending, 0, nullptr));
    }
    void ending() { SetEvent(m_ending); }

private:
    static DWORD WINAPI watch(void* ending)
    {
        if (WaitForSingleObject(ending, LifetimeMilliseconds) == WAIT_OBJECT_0)
            Sleep(EndingMilliseconds);
        server::logLine(L"server ended by its watchdog");
        TerminateProcess(GetCurrentProcess(), 4);
        return 0;
    }
    HANDLE m_ending;
};

int serve(bool running)
{
    Watchdog watchdog;
    handToHolder();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BusyFilter filter;
    CoRegisterMessageFilter(&filter, nullptr);
    writePid();
    Factory factory;
    DWORD classCookie = 0, activeCookie = 0;
    server::ServedObject* runningApplication = nullptr;
    if (running) {
        // A Word the user started: found by GetActiveObject, never by CoCreateInstance.
        runningApplication = server::servedApplication(word::Application::CreateObject(), quitServer);
        RegisterActiveObject(runningApplication, ServerClass, ACTIVEOBJECT_STRONG, &activeCookie);
    } else if (FAILED(CoRegisterClassObject(ServerClass, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                                            &classCookie))) {
        return 2;
    }
    signalReady();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    watchdog.ending();
    if (running) {
        RevokeActiveObject(activeCookie, nullptr);
        runningApplication->Release();
    } else {
        CoRevokeClassObject(classCookie);
    }
    server::logLine(L"server ends");
    CoUninitialize();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    std::wstring control;
    bool running = false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--register" && i + 1 < argc)
            return registerServer(argv[i + 1]);
        if (argument == L"--unregister")
            return unregisterServer();
        if (argument == L"--control" && i + 1 < argc)
            control = argv[++i];
        else if (argument == L"--running")
            running = true;
    }
    if (!control.empty())
        server::readControl(control);
    int qtArgc = 1;
    char name[] = "word-server";
    char* qtArgv[] = {name, nullptr};
    QCoreApplication application(qtArgc, qtArgv);
    word::EngineSeam::setDefault(std::make_shared<word::BuiltInEngine>());
    return serve(running);
}
