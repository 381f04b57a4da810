#include "FaultInject.h"

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

std::atomic<bool> armed{false};
pthread_t armingThread;
long target = 0;
long counted = 0;
int chosenError = 0;
bool fired = false;

template <typename F>
F real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// A descriptor the system would report disk failures on; pipes, sockets and
// event descriptors (Qt's wake-ups) are not counted.
bool onDisk(int fd)
{
    static auto realFstat = real<int (*)(int, struct stat*)>("fstat");
    struct stat info {};
    return realFstat && realFstat(fd, &info) == 0 && (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode));
}

// True when this call is to fail (errno is then set).
bool fault(bool counts)
{
    if (!armed.load() || !counts || !pthread_equal(pthread_self(), armingThread))
        return false;
    if (++counted != target)
        return false;
    fired = true;
    errno = chosenError;
    return true;
}

}  // namespace

extern "C" {

void dorvane_fault_arm(long k, int error)
{
    armingThread = pthread_self();
    target = k;
    counted = 0;
    chosenError = error;
    fired = false;
    armed = true;
}

long dorvane_fault_disarm(int* hasFired)
{
    armed = false;
    if (hasFired)
        *hasFired = fired ? 1 : 0;
    return counted;
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    static auto next = real<ssize_t (*)(int, const void*, size_t)>("write");
    return fault(onDisk(fd)) ? -1 : next(fd, buffer, size);
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    static auto next = real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    return fault(onDisk(fd)) ? -1 : next(fd, buffer, size, offset);
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off_t offset)
{
    static auto next = real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite64");
    return fault(onDisk(fd)) ? -1 : next(fd, buffer, size, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count)
{
    static auto next = real<ssize_t (*)(int, const struct iovec*, int)>("writev");
    return fault(onDisk(fd)) ? -1 : next(fd, parts, count);
}

int fsync(int fd)
{
    static auto next = real<int (*)(int)>("fsync");
    return fault(onDisk(fd)) ? -1 : next(fd);
}

int fdatasync(int fd)
{
    static auto next = real<int (*)(int)>("fdatasync");
    return fault(onDisk(fd)) ? -1 : next(fd);
}

int close(int fd)
{
    static auto next = real<int (*)(int)>("close");
    // A failing close still releases the descriptor, as on Linux.
    if (fault(onDisk(fd))) {
        const int error = errno;
        next(fd);
        errno = error;
        return -1;
    }
    return next(fd);
}

int ftruncate(int fd, off_t length)
{
    static auto next = real<int (*)(int, off_t)>("ftruncate");
    return fault(onDisk(fd)) ? -1 : next(fd, length);
}

int ftruncate64(int fd, off_t length)
{
    static auto next = real<int (*)(int, off_t)>("ftruncate64");
    return fault(onDisk(fd)) ? -1 : next(fd, length);
}

int rename(const char* from, const char* to)
{
    static auto next = real<int (*)(const char*, const char*)>("rename");
    return fault(true) ? -1 : next(from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    static auto next = real<int (*)(int, const char*, int, const char*)>("renameat");
    return fault(true) ? -1 : next(fromFolder, from, toFolder, to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags)
{
    static auto next = real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    return fault(true) ? -1 : next(fromFolder, from, toFolder, to, flags);
}

// open and openat alike: the mode is passed on only when the call may create
// the file, and only a call that may create one can fail.
#define DORVANE_OPEN(name, parameters, arguments)                                        \
    int name parameters                                                                  \
    {                                                                                    \
        static auto next = real<int(*) parameters>(#name);                               \
        mode_t mode = 0;                                                                 \
        if (flags & (O_CREAT | O_TMPFILE)) {                                             \
            va_list rest;                                                                \
            va_start(rest, flags);                                                       \
            mode = mode_t(va_arg(rest, int));                                            \
            va_end(rest);                                                                \
        }                                                                                \
        return fault((flags & O_CREAT) != 0) ? -1 : next arguments;                      \
    }
DORVANE_OPEN(open, (const char* path, int flags, ...), (path, flags, mode))
DORVANE_OPEN(open64, (const char* path, int flags, ...), (path, flags, mode))
DORVANE_OPEN(openat, (int folder, const char* path, int flags, ...), (folder, path, flags, mode))
DORVANE_OPEN(openat64, (int folder, const char* path, int flags, ...), (folder, path, flags, mode))

}  // extern "C"
