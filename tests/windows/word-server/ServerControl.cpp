#include "ServerControl.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace server {
namespace {
long calls = 0;
ULONGLONG firstCall = 0;
}  // namespace

Control& control()
{
    static Control settings;
    return settings;
}

void readControl(const std::wstring& path)
{
    std::wifstream in(std::string(path.begin(), path.end()));
    std::wstring key;
    while (in >> key) {
        std::wstring value;
        std::getline(in >> std::ws, value);
        if (key == L"fail")
            control().failAt = std::stol(value);
        else if (key == L"exit")
            control().exitAt = std::stol(value);
        else if (key == L"busy")
            control().busyMilliseconds = DWORD(std::stol(value) * 1000);
        else if (key == L"log")
            control().log = value;
        else if (key == L"pid")
            control().pid = value;
        else if (key == L"ready")
            control().ready = value;
        else if (key == L"holder")
            control().holder = DWORD(std::stoul(value));
    }
}

long countCall()
{
    if (!firstCall)
        firstCall = GetTickCount64();
    return ++calls;
}

bool rejectingAsBusy()
{
    if (!control().busyMilliseconds)
        return false;
    if (!firstCall)
        firstCall = GetTickCount64();
    return GetTickCount64() - firstCall < control().busyMilliseconds;
}

void logLine(const std::wstring& line)
{
    if (control().log.empty())
        return;
    FILE* file = _wfopen(control().log.c_str(), L"ab");
    if (!file)
        return;
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), bytes.data(), size, nullptr, nullptr);
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

}  // namespace server
