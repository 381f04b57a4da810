#pragma once

#include "word/Engine.h"

#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace word {

// A test engine: wraps another engine (the built-in one by default), records
// every call and fails the calls it is told to fail, letting the wrapped
// engine do the work of all the others.
//
//     auto recorder = std::make_shared<word::RecordingEngine>();
//     word::EngineSeam::install(recorder);
//     recorder->failCall(12, "Boom");                  // the 12th call throws "Boom"
//     recorder->failMember("Cells.Merge", "No", 2);    // the 2nd merge throws "No"
//     recorder->failCreate("Cannot start");            // CreateObject throws
//     recorder->setWordRunning(true);                  // GetObject finds a Word
//     ... run the program ...
//     recorder->calls(), recorder->callTexts(), word::liveInstances()
//     word::EngineSeam::install(nullptr);
class RecordingEngine : public Engine {
public:
    explicit RecordingEngine(std::shared_ptr<Engine> inner = nullptr);  // nullptr: a new built-in engine
    ~RecordingEngine() override;

    struct Record {
        Call call;
        bool failed = false;
    };

    // Fails the n-th call (1-based, counted over every call since construction
    // or clear()), with this description.
    void failCall(int n, const QString& description);
    // Fails the n-th call (1-based) of this member, e.g. "Selection.TypeText".
    void failMember(const QString& member, const QString& description, int occurrence = 1);
    // Makes CreateObject fail with this description; nullopt lets it work again.
    void failCreate(std::optional<QString> description);
    // Makes a Word (the user's, not created by the program) run or end; while
    // it runs, GetObject attaches to it and its DefaultMember is "Microsoft Word".
    void setWordRunning(bool running);
    bool wordRunning() const;

    const std::vector<Record>& calls() const { return m_calls; }
    QStringList callTexts() const;                    // Call::text() of each, in order
    int callCount() const { return int(m_calls.size()); }
    int countOf(const QString& member) const;         // calls of one member
    // Forgets the recorded calls and pending failures.
    void clear();

    std::shared_ptr<WordInstance> createApplication() override;
    std::shared_ptr<WordInstance> runningApplication() override;
    void invoke(const Call& call, const std::function<void()>& work) override;

private:
    std::shared_ptr<Engine> m_inner;
    std::vector<Record> m_calls;
    std::map<int, QString> m_failAt;
    struct MemberFailure { QString member; int occurrence; QString description; };
    std::vector<MemberFailure> m_memberFailures;
    std::optional<QString> m_createFailure;
    std::shared_ptr<WordInstance> m_running;
};

}  // namespace word
