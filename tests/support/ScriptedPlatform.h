#pragma once

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramEnvironment.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

// Stand-ins for the platform's dialogs, clipboard and program end, installed
// for the lifetime of the object and removed again by its destructor.

// Records every message box and answers from a script (Ok / Yes by default).
class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:
    ScriptedMessageBoxes() { platform::setMessageBoxes(this); }
    ~ScriptedMessageBoxes() override { platform::setMessageBoxes(nullptr); }

    platform::Answer show(const platform::MessageRequest& request) override;

    // Answers for coming Yes/No boxes, in order.
    void answer(platform::Answer next) { m_answers.push_back(next); }
    // Runs inside the next show(), before it returns (to act while a box is up).
    void onShow(std::function<void(const platform::MessageRequest&)> action) { m_onShow = std::move(action); }

    QList<platform::MessageRequest> shown;
    QStringList texts() const;
    // The error reports only ("Application Error" boxes).
    QStringList errorReports() const;
    // The line number each error report names, in order.
    std::vector<int> reportedLines() const;

private:
    std::deque<platform::Answer> m_answers;
    std::function<void(const platform::MessageRequest&)> m_onShow;
};

// Answers save and open dialogs with scripted names, in order ("" = cancel),
// and records the requests.
class ScriptedFileDialogs final : public platform::FileDialogs {
public:
    ScriptedFileDialogs() { platform::setFileDialogs(this); }
    ~ScriptedFileDialogs() override { platform::setFileDialogs(nullptr); }

    QString saveFileName(const platform::SaveDialogRequest& request) override;
    QString openFileName(const platform::OpenDialogRequest& request) override;
    void choose(const QString& name) { m_names.push_back(name); }

    QList<platform::SaveDialogRequest> requests;
    QList<platform::OpenDialogRequest> openRequests;

private:
    QString nextName();
    std::deque<QString> m_names;
};

// Records requests to end the program instead of ending the test.
class RecordingProgramExit final : public platform::ProgramExit {
public:
    RecordingProgramExit() { platform::setProgramExit(this); }
    ~RecordingProgramExit() override { platform::setProgramExit(nullptr); }
    void endNow() override { ++endRequests; }
    int endRequests = 0;
};

// A clipboard in memory whose first `failures` picture requests fail.
class ScriptedClipboard final : public platform::Clipboard {
public:
    ScriptedClipboard() { platform::setClipboard(this); }
    ~ScriptedClipboard() override { platform::setClipboard(nullptr); }

    std::optional<QPicture> picture(int format) override;
    void setPicture(const QPicture& picture) override { m_picture = picture; }

    int failures = 0;
    int requests = 0;

private:
    std::optional<QPicture> m_picture;
};
