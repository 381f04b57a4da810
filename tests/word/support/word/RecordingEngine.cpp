#include "word/RecordingEngine.h"

#include "word/AutomationError.h"
#include "word/BuiltInEngine.h"
#include "word/engine/WordInstance.h"

#include <algorithm>

namespace word {

RecordingEngine::RecordingEngine(std::shared_ptr<Engine> inner)
    : m_inner(inner ? std::move(inner) : std::make_shared<BuiltInEngine>())
{
}

RecordingEngine::~RecordingEngine() = default;

void RecordingEngine::failCall(int n, const QString& description)
{
    m_failAt[n] = description;
}

void RecordingEngine::failMember(const QString& member, const QString& description, int occurrence)
{
    m_memberFailures.push_back({member, occurrence, description});
}

void RecordingEngine::failCreate(std::optional<QString> description)
{
    m_createFailure = std::move(description);
}

void RecordingEngine::setWordRunning(bool running)
{
    if (!running)
        m_running.reset();
    else if (!m_running || m_running->hasQuit())
        m_running = std::make_shared<WordInstance>(WordInstance::Origin::UsersOwn);
}

bool RecordingEngine::wordRunning() const
{
    return m_running && !m_running->hasQuit();
}

QStringList RecordingEngine::callTexts() const
{
    QStringList texts;
    for (const Record& record : m_calls)
        texts << record.call.text();
    return texts;
}

int RecordingEngine::countOf(const QString& member) const
{
    return int(std::count_if(m_calls.begin(), m_calls.end(), [&](const Record& r) { return r.call.member == member; }));
}

void RecordingEngine::clear()
{
    m_calls.clear();
    m_failAt.clear();
    m_memberFailures.clear();
}

std::shared_ptr<WordInstance> RecordingEngine::createApplication()
{
    if (m_createFailure)
        throw AutomationError(*m_createFailure);
    return m_inner->createApplication();
}

std::shared_ptr<WordInstance> RecordingEngine::runningApplication()
{
    if (wordRunning())
        return m_running;
    return m_inner->runningApplication();
}

void RecordingEngine::invoke(const Call& call, const std::function<void()>& work)
{
    m_calls.push_back({call, false});
    const int number = int(m_calls.size());
    const int occurrence = countOf(call.member);

    std::optional<QString> failure;
    if (auto it = m_failAt.find(number); it != m_failAt.end())
        failure = it->second;
    for (const MemberFailure& f : m_memberFailures) {
        if (f.member == call.member && f.occurrence == occurrence)
            failure = f.description;
    }
    if (failure) {
        m_calls.back().failed = true;
        throw AutomationError(*failure);
    }
    try {
        m_inner->invoke(call, work);
    } catch (...) {
        m_calls[number - 1].failed = true;
        throw;
    }
}

}  // namespace word
