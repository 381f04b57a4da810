// Cold start: from exec to the program's first window mapped on the X server,
// as a user sees the program come up, beside a bare Qt window of the same size
// (BareWindow.cpp) started the same way; the runs alternate, so all share
// whatever the machine is doing. "ratio" is ours over the bare window's
// (aim: 1.15); "ratio_text" is ours over the same bare window showing one
// label, which also loads the font database before it is mapped.
// Needs an X display (run under xvfb-run); skipped without one.
//
// The program's files are in memory for these starts, as after an earlier
// run. BM_ColdStartFromDisk drops the page cache before every start, so that
// every library is read from the disk, as at the first start after booting:
// it needs root and DORVANE_COLD_START_FROM_DISK=1 (it slows the whole
// machine for a moment), and is skipped otherwise.
#include <QByteArray>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Mapped {
    double seconds = 0;
    int width = 0;
    int height = 0;
};

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

// Watches the root window for a top-level window being mapped.
std::optional<Connection> watchRoot()
{
    Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.get(), screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.get());
    return connection;
}

// Writes the dirty pages out and drops the clean ones, with what the kernel
// keeps of folders and file names; false when this process may not.
bool dropPageCache()
{
    sync();
    FILE* caches = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!caches)
        return false;
    const bool written = std::fputs("3", caches) >= 0;
    return std::fclose(caches) == 0 && written;
}

// Starts `arguments` and times it until its first ordinary top-level window
// is mapped (at most 20 s); the program is then ended. The environment is
// this process's with `home` as the user's home and settings folder, so the
// runs share one remembered state, as a user's starts do. With `fromDisk`
// the page cache is dropped first.
std::optional<Mapped> timeToMap(const std::vector<std::string>& arguments, const QString& home, bool fromDisk = false)
{
    std::optional<Connection> connection = watchRoot();
    if (!connection || (fromDisk && !dropPageCache()))
        return std::nullopt;
    setenv("HOME", home.toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    std::optional<Mapped> mapped;
    const int fd = xcb_get_file_descriptor(connection->get());
    while (!mapped && clock.elapsed() < 20000) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection->get());
        if (!event) {
            pollfd wait{fd, POLLIN, 0};
            poll(&wait, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!map->override_redirect) {
                Mapped result;
                result.seconds = clock.nsecsElapsed() / 1e9;
                xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(
                    connection->get(), xcb_get_geometry(connection->get(), map->window), nullptr);
                if (geometry) {
                    result.width = geometry->width;
                    result.height = geometry->height;
                    free(geometry);
                }
                mapped = result;
            }
        }
        free(event);
    }
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    return mapped;
}

void coldStartBesideBareWindow(benchmark::State& state, bool fromDisk)
{
    const char* display = std::getenv("DISPLAY");
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!display || !*display || (platform && QByteArray(platform) != "xcb")) {
        state.SkipWithError("no X display (run under xvfb-run)");
        return;
    }
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    const QByteArray oldPlatform = qgetenv("QT_QPA_PLATFORM");
    // Another build of the program may be timed instead (the side-by-side
    // speed script times the build before a change this way).
    const char* other = std::getenv("DORVANE_COLD_START_PROGRAM");
    const std::vector<std::string> ours{other && *other ? other : DORVANE_PROGRAM};
    // Once untimed: the settings a first start writes, and the window's size.
    const std::optional<Mapped> first = timeToMap(ours, home.path());
    if (!first) {
        state.SkipWithError("the program's window was not mapped within 20 s");
        return;
    }
    const std::vector<std::string> bare{DORVANE_BARE_WINDOW, std::to_string(first->width),
                                        std::to_string(first->height)};
    std::vector<std::string> bareText = bare;
    bareText.push_back("Start Creating Template");
    double oursTotal = 0;
    double bareTotal = 0;
    double bareTextTotal = 0;
    for (auto _ : state) {
        const std::optional<Mapped> theirs = timeToMap(bare, home.path(), fromDisk);
        const std::optional<Mapped> mine = timeToMap(ours, home.path(), fromDisk);
        const std::optional<Mapped> theirsText = timeToMap(bareText, home.path(), fromDisk);
        if (!theirs || !mine || !theirsText) {
            state.SkipWithError("a window was not mapped within 20 s");
            break;
        }
        state.SetIterationTime(mine->seconds);
        oursTotal += mine->seconds;
        bareTotal += theirs->seconds;
        bareTextTotal += theirsText->seconds;
    }
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    if (oldPlatform.isNull())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", oldPlatform);
    if (state.iterations() > 0 && bareTotal > 0) {
        state.counters["bare_ms"] = bareTotal * 1000 / double(state.iterations());
        state.counters["ratio"] = oursTotal / bareTotal;
        state.counters["bare_text_ms"] = bareTextTotal * 1000 / double(state.iterations());
        state.counters["ratio_text"] = oursTotal / bareTextTotal;
    }
}

void BM_ColdStartBesideBareWindow(benchmark::State& state) { coldStartBesideBareWindow(state, false); }

void BM_ColdStartFromDisk(benchmark::State& state)
{
    if (qgetenv("DORVANE_COLD_START_FROM_DISK") != "1") {
        state.SkipWithError("drops the page cache: set DORVANE_COLD_START_FROM_DISK=1, as root");
        return;
    }
    if (!dropPageCache()) {
        state.SkipWithError("the page cache cannot be dropped (needs root)");
        return;
    }
    coldStartBesideBareWindow(state, true);
}

}  // namespace

BENCHMARK(BM_ColdStartBesideBareWindow)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
BENCHMARK(BM_ColdStartFromDisk)->Unit(benchmark::kMillisecond)->Iterations(20)->UseManualTime();
