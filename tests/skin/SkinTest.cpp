#include "skin/ApplySkin.h"
#include "skin/SkinFramework.h"

#include "desktop/PictureBox.h"
#include "platform/ProgramEnvironment.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

namespace {

using testfiles::writeFile;

// Records the engine calls in order and passes them on.
class RecordingSkin final : public skin::SkinFramework {
public:
    void LoadSkin(const QString& path, const QString& ini) override
    {
        calls << QString("LoadSkin(%1,\"%2\")").arg(QFileInfo(path).fileName(), ini);
        SkinFramework::LoadSkin(path, ini);
    }
    int ApplyOptions() const override
    {
        calls << "ApplyOptions";
        return SkinFramework::ApplyOptions();
    }
    void setApplyOptions(int options) override
    {
        calls << QString("setApplyOptions(%1)").arg(options);
        SkinFramework::setApplyOptions(options);
    }
    void setRestyleNewControls(bool on) override
    {
        calls << QString("setRestyleNewControls(%1)").arg(on);
        SkinFramework::setRestyleNewControls(on);
    }
    void setRestyleDialogs(bool on) override
    {
        calls << QString("setRestyleDialogs(%1)").arg(on);
        SkinFramework::setRestyleDialogs(on);
    }
    void ApplyWindow(WId handle) override
    {
        calls << (handle == expectedHandle ? QString("ApplyWindow(window)") : QString("ApplyWindow(other)"));
        SkinFramework::ApplyWindow(handle);
    }

    mutable QStringList calls;
    WId expectedHandle = 0;
};

// A window like the entry window: a white frame, a white row panel with a label, a text box.
struct SkinnedWindow {
    QWidget window;
    QGroupBox* frame = new QGroupBox("Title For This Week", &window);
    desktop::PictureBox* panel = new desktop::PictureBox(&window);
    QLabel* label = new QLabel("Time", panel);
    QLineEdit* edit = new QLineEdit(panel);

    SkinnedWindow()
    {
        QPalette white = frame->palette();
        white.setColor(QPalette::Window, Qt::white);
        frame->setPalette(white);
        frame->setAutoFillBackground(true);
    }
};

QColor face() { return QApplication::palette().color(QPalette::Button); }

}  // namespace

class SkinTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_folder = nullptr;

private slots:
    void init()
    {
        m_folder = new QTemporaryDir;
        platform::setProgramFolder(m_folder->path());
    }

    void cleanup()
    {
        platform::setProgramFolder({});
        delete m_folder;
    }

    void qtDecidesWhatIsAStyleSheet()
    {
        QVERIFY(skin::styleSheetParses(""));
        QVERIFY(skin::styleSheetParses("QPushButton { color: red; }"));
        QVERIFY(skin::styleSheetParses("color: red; background: white"));  // declarations alone
        QVERIFY(!skin::styleSheetParses("QWidget { color: red; "));
        QVERIFY(!skin::styleSheetParses("}}} this is { not css"));
        QFile example(DORVANE_EXAMPLE_SKIN);
        QVERIFY(example.open(QIODevice::ReadOnly));
        QVERIFY(skin::styleSheetParses(QString::fromUtf8(example.readAll())));
    }

    void loadSkinRejectsWhatItCannotUse()
    {
        skin::SkinFramework engine;
        const QString good = m_folder->filePath("good.cjs");
        const QString bad = m_folder->filePath("bad.cjs");
        QVERIFY(writeFile(good, "QLabel { color: #102030; }"));
        QVERIFY(writeFile(bad, "QLabel { color: #102030; "));

        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.LoadSkin(m_folder->filePath("missing.cjs"), ""));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.LoadSkin(m_folder->path(), ""));  // a folder
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.LoadSkin(good, "part.ini"));
        QVERIFY(writeFile(m_folder->filePath("huge.cjs"), QByteArray((1 << 20) + 1, ' ')));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.LoadSkin(m_folder->filePath("huge.cjs"), ""));
        QVERIFY(!engine.isLoaded());
        engine.LoadSkin(good, "");
        QCOMPARE(engine.styleSheet(), QString("QLabel { color: #102030; }"));
        try {
            engine.LoadSkin(bad, "");
            QFAIL("a sheet Qt cannot parse was taken");
        } catch (const std::runtime_error& e) {
            QVERIFY(QString(e.what()).contains("bad.cjs"));
        }
        QCOMPARE(engine.styleSheet(), QString("QLabel { color: #102030; }"));  // the earlier skin stays
    }

    void applyWindowNeedsAKnownWindowAndTheSwitch()
    {
        skin::SkinFramework engine;
        QWidget window;
        QVERIFY(writeFile(m_folder->filePath("s.cjs"), "QWidget { color: #010203; }"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.ApplyWindow(window.winId()));  // nothing loaded
        engine.LoadSkin(m_folder->filePath("s.cjs"), "");
        engine.ApplyWindow(window.winId());
        QVERIFY(window.styleSheet().isEmpty());  // skinning not switched on
        engine.setApplyOptions(engine.ApplyOptions() | skin::SkinFramework::OptionSkinWindows);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, engine.ApplyWindow(WId(0x7fff0001)));
        engine.ApplyWindow(window.winId());
        QCOMPARE(window.styleSheet(), QString("QWidget { color: #010203; }"));
    }

    void noSkinFileChangesNothing()
    {
        SkinnedWindow w;
        RecordingSkin engine;
        skin::applySkin(&w.window, engine);
        QVERIFY(engine.calls.isEmpty());
        QCOMPARE(w.frame->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(w.panel->palette().color(QPalette::Window), QColor(Qt::white));

        QDir().mkpath(m_folder->filePath("x/o.cjs"));  // a folder of that name is no skin
        skin::applySkin(&w.window, engine);
        QVERIFY(engine.calls.isEmpty());
        QCOMPARE(w.frame->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(w.window.styleSheet().isEmpty());
    }

    void skinFileIsHandedOverInTheFixedOrder()
    {
        QCOMPARE(skin::skinFilePath(), m_folder->path() + "/x/o.cjs");
        QVERIFY(writeFile(skin::skinFilePath(), "QLineEdit { color: #334455; }"));
        SkinnedWindow w;
        RecordingSkin engine;
        engine.expectedHandle = w.window.winId();
        engine.setApplyOptions(4);
        engine.calls.clear();
        skin::applySkin(&w.window, engine);
        QCOMPARE(engine.calls, QStringList({"LoadSkin(o.cjs,\"\")", "ApplyOptions", "setApplyOptions(5)",
                                            "setRestyleNewControls(1)", "setRestyleDialogs(1)",
                                            "ApplyWindow(window)"}));
        QCOMPARE(w.window.styleSheet(), QString("QLineEdit { color: #334455; }"));
        for (QWidget* c : {&w.window, static_cast<QWidget*>(w.frame), static_cast<QWidget*>(w.panel),
                           static_cast<QWidget*>(w.label)})
            QCOMPARE(c->palette().color(QPalette::Window), face());
        QCOMPARE(w.edit->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
    }

    void aRejectedSkinStopsAfterTheColours()
    {
        QVERIFY(writeFile(skin::skinFilePath(), "QLineEdit { color: #334455; "));
        SkinnedWindow w;
        RecordingSkin engine;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, skin::applySkin(&w.window, engine));
        QCOMPARE(engine.calls, QStringList({"LoadSkin(o.cjs,\"\")"}));
        QCOMPARE(w.frame->palette().color(QPalette::Window), face());
        QCOMPARE(w.panel->palette().color(QPalette::Window), face());
        QVERIFY(w.window.styleSheet().isEmpty());
    }
};

QTEST_MAIN(SkinTest)
#include "SkinTest.moc"
