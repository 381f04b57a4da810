#pragma once

// What the tests tell the automation server to do, read from its control
// file when it starts (one "key value" a line):
//   fail K     call K (the K-th Invoke, from 1) fails with an EXCEPINFO
//   exit K     the server ends at once when call K comes, as a killed Word
//   busy S     every call is rejected as busy for S seconds from the first
//   log PATH   each call is appended to PATH: number, member, flags, arguments
//   pid PATH   the server writes its process id there
//   ready NAME the server sets the event NAME once its class is registered
//              (a server the test started itself, before the program asks)
//   holder PID the server hands a handle of its own process to process PID
#include <windows.h>

#include <string>

namespace server {

struct Control {
    long failAt = 0;
    long exitAt = 0;
    DWORD busyMilliseconds = 0;
    std::wstring log;
    std::wstring pid;
    std::wstring ready;
    DWORD holder = 0;
};

Control& control();
void readControl(const std::wstring& path);
// Counts a call; returns its number (from 1).
long countCall();
// True while calls are to be rejected as busy: from the first call on, for the time asked.
bool rejectingAsBusy();
void logLine(const std::wstring& line);

}  // namespace server
