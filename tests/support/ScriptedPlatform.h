#pragma once

#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/PrintDialogs.h"
#include "platform/ProgramEnvironment.h"

#include <QList>
#include <QPageLayout>
#include <QString>

#include <deque>
#include <functional>
#include <memory>

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

private:
    std::deque<platform::Answer> m_answers;
    std::function<void(const platform::MessageRequest&)> m_onShow;
};

// Answers save dialogs with scripted names ("" = cancel) and records the requests.
class ScriptedFileDialogs final : public platform::FileDialogs {
public:
    ScriptedFileDialogs() { platform::setFileDialogs(this); }
    ~ScriptedFileDialogs() override { platform::setFileDialogs(nullptr); }

    QString saveFileName(const platform::SaveDialogRequest& request) override;
    void choose(const QString& name) { m_names.push_back(name); }

    QList<platform::SaveDialogRequest> requests;

private:
    std::deque<QString> m_names;
};

// Answers print dialogs from a script of steps, each acting on the printer
// as the user would and returning whether the dialog was accepted; with no
// step left it cancels. Records the page layout each dialog was shown with.
class ScriptedPrintDialogs final : public platform::PrintDialogs {
public:
    ScriptedPrintDialogs() { platform::setPrintDialogs(this); }
    ~ScriptedPrintDialogs() override { platform::setPrintDialogs(nullptr); }

    bool choose(QPrinter& printer) override;
    void answer(std::function<bool(QPrinter&)> step) { m_steps.push_back(std::move(step)); }

    QList<QPageLayout> shownLayouts;

private:
    std::deque<std::function<bool(QPrinter&)>> m_steps;
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

    std::optional<QImage> picture(int format) override;
    void setPicture(const QImage& image) override { m_image = image; }
    void setPictures(QMimeData* data) override
    {
        m_image = qvariant_cast<QImage>(data->imageData());
        m_pictures.reset(data);
    }
    // What the last setPictures() put there, all formats.
    const QMimeData* pictures() const { return m_pictures.get(); }

    int failures = 0;
    int requests = 0;

private:
    QImage m_image;
    std::unique_ptr<QMimeData> m_pictures;
};
