// Every writer of the program, run once for each file system call it makes,
// with that call failing as a full or broken disk would make it fail. The
// faults come from the preload library tests/support/faultinject, so they
// are reported where the system reports them: inside the real write, fsync,
// close, rename and open calls of the real operations.
#include "PlannerRun.h"
#include "PrivateCups.h"
#include "ScriptedPlatform.h"
#include "TestFiles.h"
#include "faultinject/FaultInject.h"
#include "planner/TemporaryFiles.h"
#include "output/PdfExport.h"
#include "windowoutput/PlannerPrinter.h"
#include "preview/PreviewWindow.h"
#include "word/Word.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QtTest>

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>

using planner::TemporaryFiles;

using namespace testfiles;

namespace {

using Arm = void (*)(long, int);
using Disarm = long (*)(int*);

// What one run of a writer left: the message it gave (empty when none) and
// whether it said "Done.".
struct Outcome {
    QString message;
    bool done = false;
};

// One writer: writes its file at `target` (the spool writer picks its own
// name in the temporary folder and ignores it) and tells how it went.
using Writer = std::function<Outcome(const QString& target)>;

QString nameOfLength(int bytes) { return QString(bytes - 4, QLatin1Char('n')) + QStringLiteral(".out"); }

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool isWholeZip(const QByteArray& bytes) { return bytes.startsWith("PK") && bytes.lastIndexOf("PK\x05\x06") == bytes.size() - 22; }
bool isWholePdf(const QByteArray& bytes) { return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"); }

}  // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(std::function<bool(const QByteArray&)>)

class WriterFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_arm = reinterpret_cast<Arm>(dlsym(RTLD_DEFAULT, "dorvane_fault_arm"));
        m_disarm = reinterpret_cast<Disarm>(dlsym(RTLD_DEFAULT, "dorvane_fault_disarm"));
        if (!m_arm || !m_disarm)
            QSKIP("the fault library is not preloaded (LD_PRELOAD, as ctest runs this test)");
        QVERIFY(m_dir.isValid());
        // The print spool file goes to the temporary folder: one of our own.
        QVERIFY(QDir(m_dir.path()).mkpath("spool"));
        qputenv("TMPDIR", QFile::encodeName(m_dir.filePath("spool")));
        QString why;
        m_cupsReady = m_cups.start(&why);
        if (!m_cupsReady)
            qInfo("no private CUPS scheduler, so no spool row: %s", qPrintable(why));
        m_planner = m_dir.filePath("planner.docx");
        QCOMPARE(plannertest::keepPlanner(plannertest::fullWeek(), m_planner), QString());
    }

    void cleanupTestCase()
    {
        if (m_arm)
            qInfo("fault sweep: %ld runs, %ld calls made in them", m_runs, m_calls);
    }

    void everyFailingCall_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<std::function<bool(const QByteArray&)>>("whole");
        QTest::addColumn<bool>("saysDone");

        QTest::newRow("SaveAs") << Writer([this](const QString& target) {
            Outcome outcome;
            word::Application word = word::Application::CreateObject();
            word::Document document = word.Documents().Open(m_planner);
            m_arm(m_k, m_error);
            try {
                document.SaveAs(target);
            } catch (const std::exception& error) {
                outcome.message = QString::fromUtf8(error.what());
            }
            disarm();
            document.Close();
            word.Quit();
            return outcome;
        }) << std::function<bool(const QByteArray&)>(isWholeZip) << false;

        QTest::newRow("Save copy") << Writer([this](const QString& target) {
            ScriptedMessageBoxes boxes;
            ScriptedFileDialogs dialogs;
            preview::PreviewWindow form;
            form.temporaryDocument = m_planner;
            dialogs.choose(target);
            boxes.answer(platform::Answer::Yes);
            m_arm(m_k, m_error);
            form.saveClicked();
            disarm();
            return Outcome{boxes.errorReports().join('\n'), boxes.texts().contains("Done.")};
        }) << std::function<bool(const QByteArray&)>([this](const QByteArray& bytes) { return bytes == readFile(m_planner); })
           << true;

        QTest::newRow("PDF export") << Writer([this](const QString& target) {
            ScriptedMessageBoxes boxes;
            ScriptedFileDialogs dialogs;
            dialogs.choose(target);
            boxes.answer(platform::Answer::Yes);
            Outcome outcome;
            m_arm(m_k, m_error);
            try {
                output::exportAsPdf(m_planner);
            } catch (const std::exception& error) {
                outcome.message = QString::fromUtf8(error.what());
            }
            disarm();
            outcome.done = boxes.texts().contains("Done.");
            return outcome;
        }) << std::function<bool(const QByteArray&)>(isWholePdf) << true;

        QTest::newRow("picture file") << Writer([this](const QString& target) {
            QPicture picture;
            QPainter painter(&picture);
            painter.fillRect(QRect(0, 0, 300, 200), Qt::darkCyan);
            painter.end();
            Outcome outcome;
            m_arm(m_k, m_error);
            try {
                TemporaryFiles::writePicture(picture, target);
            } catch (const std::exception& error) {
                outcome.message = QString::fromUtf8(error.what());
            }
            disarm();
            return outcome;
        }) << std::function<bool(const QByteArray&)>([](const QByteArray& bytes) {
            QPicture read;
            return read.setData(bytes.constData(), uint(bytes.size())), !read.isNull() && read.boundingRect().width() == 300;
        }) << false;

        QTest::newRow("print spool file") << Writer([this](const QString&) {
            ScriptedPrintDialogs dialogs;
            dialogs.answer([](QPrinter& printer) {
                printer.setPrinterName(PrivateCups::Queue);
                return true;
            });
            Outcome outcome;
            m_arm(m_k, m_error);
            try {
                windowoutput::printPlanner(m_planner);
            } catch (const std::exception& error) {
                outcome.message = QString::fromUtf8(error.what());
            }
            disarm();
            return outcome;
        }) << std::function<bool(const QByteArray&)>() << false;
    }

    // For k = 1, 2, ...: the k-th counted call fails, with ENOSPC, EIO,
    // EDQUOT and EACCES in turn, until a run meets no fault. The target's name is
    // as long as a name may be, and a file is already there.
    void everyFailingCall()
    {
        QFETCH(Writer, writer);
        QFETCH(std::function<bool(const QByteArray&)>, whole);
        QFETCH(bool, saysDone);
        const bool spool = !whole;
        if (spool && !m_cupsReady)
            QSKIP("no private CUPS scheduler");
        const QString folder = spool ? m_dir.filePath("spool") : m_dir.filePath(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + '/' + nameOfLength(255);
        const QByteArray old("the file that was there before");
        const int errors[] = {ENOSPC, EIO, EDQUOT, EACCES};

        // Saved once under the long name, unharmed: then a file is there to replace.
        m_k = 0;
        const Outcome first = writer(target);
        if (!spool) {
            QVERIFY2(first.message.isEmpty(), qPrintable(first.message));
            QVERIFY(whole(readFile(target)));
            // A new file is made as any other: 0666 less the umask.
            const mode_t mask = ::umask(022);
            ::umask(mask);
            struct stat info {};
            QVERIFY(::stat(QFile::encodeName(target).constData(), &info) == 0);
            QCOMPARE(info.st_mode & 0777, 0666 & ~mask);
            // A killed writer's leftover beside it goes with the next write.
            QVERIFY(writeFile(folder + "/.~dorvane.0badf00d.tmp", "left by a killed run"));
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
        }

        long runs = 0;
        bool faultMet = true;
        for (m_k = 1; faultMet; ++m_k) {
            for (const int error : errors) {
                m_error = error;
                if (!spool)
                    QVERIFY(writeFileKeepingMode(target, old));
                const Outcome outcome = writer(target);
                ++runs;
                m_calls += m_counted;
                const QString reason = QString::fromLocal8Bit(std::strerror(m_error));
                const QString at = QStringLiteral("k=%1 (%2): %3").arg(m_k).arg(reason, outcome.message);
                if (spool) {
                    QVERIFY2(entries(folder).isEmpty(), qPrintable(at + " left " + entries(folder).join(' ')));
                } else {
                    QCOMPARE(entries(folder), QStringList{nameOfLength(255)});
                    // Whole or untouched, and its mode kept either way.
                    QCOMPARE(QFileInfo(target).permissions() & 0x0777, QFileDevice::Permissions(0x0640));
                    const QByteArray after = readFile(target);
                    if (outcome.message.isEmpty()) {
                        QVERIFY2(whole(after), qPrintable(at));
                        QVERIFY2(outcome.done == saysDone, qPrintable(at));
                    } else {
                        QVERIFY2(after == old, qPrintable(at));
                        QVERIFY2(!outcome.done, qPrintable(at));
                    }
                }
                if (m_fired && !outcome.message.isEmpty() && !spool)
                    QVERIFY2(outcome.message.contains(reason), qPrintable(at));
                if (m_fired && spool && outcome.message.startsWith("Cannot write"))
                    QVERIFY2(outcome.message.contains(reason), qPrintable(at));
                faultMet = m_fired;
                if (!faultMet)
                    break;  // the whole operation ran: no k-th call to fail
            }
        }
        m_runs += runs;
        qInfo("%s: %ld calls, each failed with each of 4 errors; %ld runs", QTest::currentDataTag(), m_k - 2, runs);
        QVERIFY(m_k > 3);
    }

private:
    void disarm()
    {
        int fired = 0;
        m_counted = m_disarm(&fired);
        m_fired = fired != 0;
    }

    // The old bytes back in place, as the same file with the same mode.
    static bool writeFileKeepingMode(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
    }

    Arm m_arm = nullptr;
    Disarm m_disarm = nullptr;
    long m_k = 0;
    int m_error = 0;
    long m_counted = 0;
    bool m_fired = false;
    long m_runs = 0;
    long m_calls = 0;
    QTemporaryDir m_dir;
    PrivateCups m_cups;
    bool m_cupsReady = false;
    QString m_planner;
};

QTEST_MAIN(WriterFaultsTest)
#include "WriterFaultsTest.moc"
