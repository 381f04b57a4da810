// The COM engine against an automation server of our own (word-server.exe),
// registered as "Word.Application" for the current user of a throwaway Wine
// prefix: the planner it makes through IDispatch, the argument types the
// server sees (a left-out optional too), a failure and an end of Word at
// every call of the planner, a Word busy for a while and one busy past the
// limit, and a running Word that GetObject finds and leaves running.
#include "PlannerRun.h"
#include "WordTestSupport.h"

#include "planner/PlannerGenerator.h"
#include "planner/WordInstallCheck.h"
#include "word/Argument.h"
#include "word/AutomationObject.h"
#include "word/BuiltInEngine.h"
#include "word/Call.h"
#include "word/Messages.h"
#include "word/com/ComEngine.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include <windows.h>

namespace {

using plannertest::PlannerRun;

// The server, its control file, the log of the calls it took and its process id.
class WordServer {
public:
    WordServer()
    {
        EXPECT_EQ(QProcess::execute(QStringLiteral(DORVANE_WORD_SERVER),
                                    {QStringLiteral("--register"), QDir::toNativeSeparators(controlPath())}),
                  0);
    }
    ~WordServer() { QProcess::execute(QStringLiteral(DORVANE_WORD_SERVER), {QStringLiteral("--unregister")}); }

    // Tells the next server what to do ("fail 12", "exit 3", "busy 3"); every
    // server logs its calls and writes its process id.
    void tell(const QString& orders) { writeControl(orders + QStringLiteral("\nlog ") + QDir::toNativeSeparators(logPath())); }

    // Starts the next server with `orders` as COM would (-Embedding, detached) and
    // waits, 30 s at most, until its class is registered: the program's
    // CoCreateInstance then finds it there. Wine's COM, asked for a class
    // whose server is not running yet, starts it and looks again only a
    // second later; that second would be most of each fault run. This
    // server keeps no log (the fault runs look at what the program did).
    bool startAhead(const QString& orders)
    {
        const std::wstring name = L"Local\\dorvane-word-server-ready-" + std::to_wstring(GetCurrentProcessId());
        HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, name.c_str());
        if (!ready) {
            std::printf("no event for a server started ahead (error %lu)\n", GetLastError());
            return false;
        }
        writeControl(orders + QStringLiteral("\nready ") + QString::fromStdWString(name));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + QStringLiteral(DORVANE_WORD_SERVER).toStdWString() + L"\" --control \"" +
                               QDir::toNativeSeparators(controlPath()).toStdWString() + L"\" -Embedding";
        // A server started right after one ended may, under Wine, end at once
        // without registering its class, or hang before registering it (each
        // seen once in some hundred runs, in code before the server's own),
        // and the start itself or the wait for it has failed once too: all
        // are tried again, a hung server ended first. Each retry is said,
        // with its reason, so that a pattern shows.
        bool registered = false;
        for (int attempt = 0; attempt < 3 && !registered; ++attempt) {
            std::wstring line = command;
            PROCESS_INFORMATION process{};
            if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                                &startup, &process)) {
                std::printf("a server could not be started ahead (error %lu); starting it again\n", GetLastError());
                continue;
            }
            const HANDLE waits[] = {ready, process.hProcess};
            const DWORD woken = WaitForMultipleObjects(2, waits, FALSE, 30000);
            const DWORD waitError = GetLastError();
            registered = woken == WAIT_OBJECT_0;
            if (!registered && woken != WAIT_OBJECT_0 + 1) {
                TerminateProcess(process.hProcess, 1);
                WaitForSingleObject(process.hProcess, 10000);
            }
            if (!registered) {
                if (woken == WAIT_FAILED)
                    std::printf("the wait for a server started ahead failed (error %lu); starting it again\n",
                                waitError);
                else
                    std::printf("a server started ahead %s before registering its class; starting it again\n",
                                woken == WAIT_TIMEOUT ? "hung for 30 s" : "ended");
            }
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        CloseHandle(ready);
        return registered;
    }

    QStringList log() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    // The calls the server answered or failed (rejections and its end are no calls).
    QStringList calls() const
    {
        static const QRegularExpression call(QStringLiteral("^\\d+ "));
        return log().filter(call);
    }
    int callCount() const { return int(calls().size()); }
    // True once the last server's process has ended, waiting up to 10 s.
    bool ended() const
    {
        QFile file(pidPath());
        if (!file.open(QIODevice::ReadOnly))
            return true;  // never started
        const DWORD pid = file.readAll().trimmed().toULong();
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (!process)
            return true;
        const bool gone = WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
        CloseHandle(process);
        return gone;
    }

    QString controlPath() const { return m_folder.filePath(QStringLiteral("control.txt")); }
    QString logPath() const { return m_folder.filePath(QStringLiteral("calls.log")); }
    QString pidPath() const { return m_folder.filePath(QStringLiteral("server.pid")); }

private:
    void writeControl(const QString& orders)
    {
        QFile::remove(logPath());
        QFile::remove(pidPath());
        QFile control(controlPath());
        ASSERT_TRUE(control.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // Every server hands this program a handle of its process (ServerControl.h).
        control.write((orders + QStringLiteral("\npid ") + QDir::toNativeSeparators(pidPath()) +
                       QStringLiteral("\nholder %1\n").arg(GetCurrentProcessId()))
                          .toUtf8());
    }

    QTemporaryDir m_folder;
};

// What is left in the run's temporary folder once the preview has removed
// the planner handed to it.
QStringList leftOver(PlannerRun& run)
{
    if (!run.documentPath.isEmpty())
        QFile::remove(run.documentPath);
    return plannertest::filesIn(run.temp.path());
}

class ComEngineTest : public ::testing::Test {
protected:
    void SetUp() override { word::EngineSeam::install(std::make_shared<word::com::ComEngine>()); }
    void TearDown() override { word::EngineSeam::install(nullptr); }

    WordServer server;
};

// The week of the fault runs: a title, no appointments and one hour a day,
// the planner with the fewest calls that still makes every kind of call a
// week's table takes (every cell is still reached).
week::Week titleOnly()
{
    week::Week week(week::HourRange{8, 8}, week::Clock::TwelveHour);
    week.title = QStringLiteral("March 3");
    return week;
}

QByteArray documentXml(const QString& path) { return wordtest::readZipPart(path, QStringLiteral("word/document.xml")).value_or(QByteArray()); }

// Where the planners are kept for the python-docx comparison of run-wine-tests.sh.
QString outputFolder() { return qEnvironmentVariable("DORVANE_COM_OUTPUT", QDir::tempPath()); }

TEST_F(ComEngineTest, ThePlannerMadeThroughComIsTheBuiltInEnginesAndTheServerSeesTypedArguments)
{
    ASSERT_TRUE(word::com::ComEngine::isRegistered());
    server.tell({});
    const QString throughCom = outputFolder() + QStringLiteral("/through-com.docx");
    EXPECT_EQ(plannertest::keepPlanner(plannertest::fullWeek(), throughCom), QString());
    EXPECT_TRUE(server.ended());

    word::EngineSeam::install(std::make_shared<word::BuiltInEngine>());
    const QString builtIn = outputFolder() + QStringLiteral("/built-in.docx");
    EXPECT_EQ(plannertest::keepPlanner(plannertest::fullWeek(), builtIn), QString());
    EXPECT_FALSE(documentXml(builtIn).isEmpty());
    EXPECT_EQ(documentXml(throughCom), documentXml(builtIn));

    // One call of each kind, as it reached the server.
    const QStringList log = server.log();
    const auto saw = [&](const QString& line) {
        return std::any_of(log.begin(), log.end(), [&](const QString& call) { return call.section(' ', 1) == line; });
    };
    EXPECT_TRUE(saw(QStringLiteral("Selection.TypeText METHOD Text=VT_BSTR:\"Week of March 3\"")));  // a string, by name
    EXPECT_TRUE(saw(QStringLiteral("Font.Size PUT put=VT_R8:11")));                      // a number, a property put
    EXPECT_TRUE(saw(QStringLiteral("Font.Bold PUT put=VT_BOOL:True")));                  // a boolean
    EXPECT_TRUE(saw(QStringLiteral("Selection.MoveRight METHOD Unit=VT_I4:12 Count=VT_I4:2")));  // named whole numbers
    EXPECT_TRUE(saw(QStringLiteral("Table.Columns GET")));
    EXPECT_TRUE(saw(QStringLiteral("Columns.Item METHOD Index=VT_I4:3")));  // Columns(3): the default member
    EXPECT_TRUE(saw(QStringLiteral("Application.Quit METHOD")));
    std::printf("calls of one planner through COM: %d\n", server.callCount());
}

// An optional argument left out travels as VT_ERROR DISP_E_PARAMNOTFOUND,
// by position: Quit without SaveChanges, as the server saw it, is a Quit.
TEST_F(ComEngineTest, ALeftOutOptionalReachesWordAsParamNotFound)
{
    server.tell({});
    {
        const std::shared_ptr<word::AutomationObject> application =
            word::com::ComEngine().createRemoteApplication();
        application->invoke(word::Call::Kind::Method, QStringLiteral("Quit"), {word::Argument::missing()});
    }
    EXPECT_TRUE(server.ended());
    EXPECT_EQ(server.calls(), QStringList{QStringLiteral("1 Application.Quit METHOD SaveChanges=VT_ERROR:80020004")});
}

// The calls a fault run is made for: every call of the one-hour title-only
// planner, from the first, and then one past the last, where the run goes
// through. A run that ends Word at call k makes k calls, one that fails
// call k makes them all.
std::vector<int> faultCalls(WordServer& server)
{
    server.tell({});
    {
        PlannerRun clean;
        clean.generate(titleOnly());
        EXPECT_EQ(clean.boxes.errorReports(), QStringList());
    }
    const int count = server.callCount();
    EXPECT_GT(count, 100);
    std::vector<int> calls;
    for (int k = 1; k <= count + 1; ++k)
        calls.push_back(k);
    std::printf("calls of the one-hour title-only planner: %d; fault runs: %zu\n", count, calls.size());
    return calls;
}

// Runs the planner once for every call of faultCalls, with `order`
// ("fail", "exit") at that call, its server started ahead. After each run
// no Word may be left running and no temporary file left over; `check`
// looks at the runs with a fault, and the run past the last call must go
// through.
void runAtEveryCall(WordServer& server, const char* order, const std::function<void(int, PlannerRun&)>& check)
{
    const std::vector<int> calls = faultCalls(server);
    for (const int k : calls) {
        ASSERT_TRUE(server.startAhead(QStringLiteral("%1 %2").arg(QLatin1String(order)).arg(k)))
            << "no server for " << order << " at call " << k;
        PlannerRun run;
        run.generate(titleOnly());
        EXPECT_TRUE(server.ended()) << "a Word was left running, " << order << " at call " << k;
        EXPECT_EQ(leftOver(run), QStringList()) << order << " at call " << k;
        if (k == calls.back()) {
            EXPECT_EQ(run.boxes.errorReports(), QStringList()) << "the run past the last call";
            EXPECT_TRUE(run.handOver.contains(QStringLiteral("showPreview")));
            std::printf("%s: %zu runs, calls 1 to %d and one past the last\n", order, calls.size(), k - 1);
            return;
        }
        check(k, run);
        if (::testing::Test::HasFailure())
            return;
        std::printf("%s at call %d: one run, checked\n", order, k);
        std::fflush(stdout);
    }
}

// Word refuses call k with an EXCEPINFO: the report says what Word said and
// names the call, the generation goes on, Word is quit, nothing is left.
TEST_F(ComEngineTest, AFailureAtEveryCallIsReportedWithWordsWordsAndTheCall)
{
    runAtEveryCall(server, "fail", [](int k, PlannerRun& run) {
        const QStringList reports = run.boxes.errorReports();
        ASSERT_FALSE(reports.isEmpty()) << "call " << k << " was told to fail and nothing was reported";
        const QString first = reports.first();
        EXPECT_TRUE(first.contains(QStringLiteral("Word failed call %1 as it was told to.").arg(k))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("Call: "))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("Microsoft Word"))) << first.toStdString();
    });
}

// Word goes away at call k: one message at once, no preview, the entry
// window as it was, no server process and no temporary file left.
TEST_F(ComEngineTest, WordEndingAtEveryCallGivesOneMessageAndLosesNothing)
{
    runAtEveryCall(server, "exit", [](int k, PlannerRun& run) {
        const QStringList reports = run.boxes.errorReports();
        ASSERT_EQ(reports.size(), 1) << "Word ended at call " << k << ": " << reports.join('\n').toStdString();
        EXPECT_TRUE(reports.first().startsWith(word::messages::WordGone())) << reports.first().toStdString();
        EXPECT_TRUE(reports.first().contains(QStringLiteral("Call: ")));
        EXPECT_TRUE(run.handOver.isEmpty()) << "Word ended at call " << k << ", and yet a preview came";
    });
}

// `--engine word` on a Windows without Word: the start-up check says so in
// its words and ends the program.
TEST_F(ComEngineTest, WithoutWordTheStartUpCheckGivesItsMessageAndEnds)
{
    QProcess::execute(QStringLiteral(DORVANE_WORD_SERVER), {QStringLiteral("--unregister")});
    ASSERT_FALSE(word::com::ComEngine::isRegistered());
    ScriptedMessageBoxes boxes;
    RecordingProgramExit exit;
    EXPECT_FALSE(planner::checkWordInstalled());
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts().first().startsWith(
        QStringLiteral("Error 842001. A normal instance of Word could not be created.\r\n\r\n")));
    EXPECT_EQ(exit.endRequests, 1);
}

// Word rejects every call as busy for 3 seconds: the calls are tried again
// and the planner is made.
TEST_F(ComEngineTest, ABusyWordIsWaitedFor)
{
    server.tell(QStringLiteral("busy 3"));
    PlannerRun run;
    run.generate(plannertest::fullWeek());
    EXPECT_EQ(run.boxes.errorReports(), QStringList());
    EXPECT_TRUE(run.handOver.contains(QStringLiteral("showPreview")));
    EXPECT_TRUE(server.log().contains(QStringLiteral("rejected as busy")));
    EXPECT_TRUE(server.ended());
    EXPECT_EQ(leftOver(run), QStringList());
}

// A window of the test's thread that another thread keeps invalidating:
// it is painted only while the thread dispatches its paint messages.
class PaintedWindow {
public:
    PaintedWindow()
    {
        WNDCLASSW kind{};
        kind.lpfnWndProc = &PaintedWindow::procedure;
        kind.hInstance = GetModuleHandleW(nullptr);
        kind.lpszClassName = L"DorvanePaintedWindow";
        RegisterClassW(&kind);
        m_window = CreateWindowExW(0, kind.lpszClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                   nullptr, nullptr, kind.hInstance, nullptr);
        m_stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_invalidating = std::thread([this] {
            while (WaitForSingleObject(m_stop, 100) == WAIT_TIMEOUT)
                InvalidateRect(m_window, nullptr, FALSE);
        });
    }
    ~PaintedWindow()
    {
        SetEvent(m_stop);
        m_invalidating.join();
        CloseHandle(m_stop);
        DestroyWindow(m_window);
    }
    static int paints() { return s_paints; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l)
    {
        if (message != WM_PAINT)
            return DefWindowProcW(window, message, w, l);
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        ++s_paints;
        return 0;
    }

    static inline std::atomic<int> s_paints{0};
    HWND m_window;
    HANDLE m_stop;
    std::thread m_invalidating;
};

// Word stays busy past the 30 s the program waits for it. Wine's COM never
// asks the message filter to retry (a rejected call fails at once), so
// there the wait is the engine's own, as it is on Windows once COM's retries
// are spent. The call is given up with the busy message at the limit, the
// windows painting all the while; nothing more is asked of Word but its
// Quit, tried until Word takes it; no preview, no file left. The one run
// that waits the full limit.
TEST_F(ComEngineTest, AWordBusyPastTheLimitGivesTheBusyMessageAndIsQuit)
{
    server.tell(QStringLiteral("busy 35"));
    PaintedWindow window;
    PlannerRun run;
    run.generate(titleOnly());
    const QStringList reports = run.boxes.errorReports();
    ASSERT_EQ(reports.size(), 1) << reports.join('\n').toStdString();
    EXPECT_TRUE(reports.first().startsWith(word::messages::WordBusy())) << reports.first().toStdString();
    EXPECT_TRUE(reports.first().contains(QStringLiteral("Call: Application.Documents"))) << reports.first().toStdString();
    EXPECT_TRUE(run.handOver.isEmpty());
    EXPECT_GT(PaintedWindow::paints(), 10) << "the windows did not paint while Word was busy";
    EXPECT_TRUE(server.log().contains(QStringLiteral("rejected as busy")));
    EXPECT_EQ(server.calls(), QStringList{QStringLiteral("1 Application.Quit METHOD SaveChanges=VT_I4:0")});
    EXPECT_TRUE(server.ended());
    EXPECT_EQ(leftOver(run), QStringList());
}

// A Word the user runs: GetObject finds it, the generator asks, makes the
// planner in a Word of its own, and leaves the user's Word running, unquit.
TEST_F(ComEngineTest, GetObjectAttachesToARunningWordAndNeverQuitsIt)
{
    // The user's Word logs to a file of its own; the planner's Word to the server's.
    QTemporaryDir own;
    const QString runningLog = own.filePath(QStringLiteral("running.log"));
    QFile control(own.filePath(QStringLiteral("control.txt")));
    ASSERT_TRUE(control.open(QIODevice::WriteOnly));
    control.write((QStringLiteral("log ") + QDir::toNativeSeparators(runningLog) + QLatin1Char('\n')).toUtf8());
    control.close();
    server.tell({});

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION running{};
    std::wstring command = L"\"" + QStringLiteral(DORVANE_WORD_SERVER).toStdWString() + L"\" --control \"" +
                           QDir::toNativeSeparators(control.fileName()).toStdWString() + L"\" --running";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &running));
    bool found = false;
    for (int attempt = 0; attempt < 100 && !found; ++attempt) {
        found = planner::PlannerGenerator::isWordRunning();
        if (!found)
            QThread::msleep(100);
    }
    EXPECT_TRUE(found);

    {
        PlannerRun run;
        run.generate(plannertest::fullWeek());
        EXPECT_EQ(run.boxes.errorReports(), QStringList());
        ASSERT_FALSE(run.boxes.texts().isEmpty());
        EXPECT_TRUE(run.boxes.texts().first().startsWith(QStringLiteral("Word may be open.")));
        EXPECT_TRUE(run.handOver.contains(QStringLiteral("showPreview")));
        EXPECT_EQ(leftOver(run), QStringList());
    }
    EXPECT_TRUE(server.ended());
    EXPECT_GT(server.callCount(), 100);  // the planner was made in a Word of its own
    EXPECT_EQ(WaitForSingleObject(running.hProcess, 0), DWORD(WAIT_TIMEOUT)) << "the user's Word was quit";
    QFile log(runningLog);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QStringList calls = QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_FALSE(calls.isEmpty());
    for (const QString& call : calls)  // only its name was read
        EXPECT_TRUE(call.endsWith(QStringLiteral("Application.(default) GET"))) << call.toStdString();
    TerminateProcess(running.hProcess, 0);
    WaitForSingleObject(running.hProcess, 10000);
    CloseHandle(running.hProcess);
    CloseHandle(running.hThread);
}

}  // namespace
