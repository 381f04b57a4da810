#pragma once

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/PrintDialogs.h"
#include "platform/ProgramEnvironment.h"
#include "platform/SystemClipboard.h"
#include "seam/Seam.h"

#include <QList>
#include <QMimeData>
#include <QPageLayout>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Stand-ins for the platform's dialogs, clipboard and program end, installed
// for the lifetime of the object; its destructor puts back whatever was in
// force before, so stand-ins nest.

// Records every message box and answers from a script (Ok / Yes by default).
class ScriptedMessageBoxes final : public platform::MessageBoxes {
public:

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
    seam::Seam<platform::MessageBoxes>::Scoped m_installed{this};
};

// Answers save and open dialogs with scripted names, in order ("" = cancel),
// and records the requests.
class ScriptedFileDialogs final : public platform::FileDialogs {
public:

    QString saveFileName(const platform::SaveDialogRequest& request) override;
    QString openFileName(const platform::OpenDialogRequest& request) override;
    void choose(const QString& name) { m_names.push_back(name); }

    QList<platform::SaveDialogRequest> requests;
    QList<platform::OpenDialogRequest> openRequests;

private:
    QString nextName();
    std::deque<QString> m_names;
    seam::Seam<platform::FileDialogs>::Scoped m_installed{this};
};

// Answers print dialogs from a script of steps, each acting on the printer
// as the user would and returning whether the dialog was accepted; with no
// step left it cancels. Records the page layout each dialog was shown with.
class ScriptedPrintDialogs final : public platform::PrintDialogs {
public:

    bool choose(QPrinter& printer) override;
    void answer(std::function<bool(QPrinter&)> step) { m_steps.push_back(std::move(step)); }

    QList<QPageLayout> shownLayouts;

private:
    std::deque<std::function<bool(QPrinter&)>> m_steps;
    seam::Seam<platform::PrintDialogs>::Scoped m_installed{this};
};

// Records requests to end the program instead of ending the test.
class RecordingProgramExit final : public platform::ProgramExit {
public:
    void endNow() override { ++endRequests; }
    int endRequests = 0;

private:
    seam::Seam<platform::ProgramExit>::Scoped m_installed{this};
};

// A clipboard in memory whose first `failures` picture requests fail.
class ScriptedClipboard final : public platform::Clipboard {
public:

    std::optional<QPicture> picture(int format) override;
    void setPicture(const QPicture& picture) override { m_picture = picture; }

    int failures = 0;
    int requests = 0;

private:
    std::optional<QPicture> m_picture;
    seam::Seam<platform::Clipboard>::Scoped m_installed{this};
};

// The desktop's clipboard in memory: keeps what was last offered, all formats.
class ScriptedSystemClipboard final : public platform::SystemClipboard {
public:

    void setMimeData(QMimeData* data) override { m_data.reset(data); }
    const QMimeData* data() const { return m_data.get(); }

private:
    std::unique_ptr<QMimeData> m_data;
    seam::Seam<platform::SystemClipboard>::Scoped m_installed{this};
};
