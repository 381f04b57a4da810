#pragma once

#include <QEventLoop>
#include <QMutex>
#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <QWidget>

#include <exception>
#include <memory>
#include <optional>

namespace desktop {

// Runs `work` on a thread of its own. `window` waits for it half a second;
// when it takes longer, the window is drawn and moved as usual while a
// window-modal progress dialog saying `waiting` offers `cancel` until the
// work ends. Returns what `work` returned, or nothing when the user
// cancelled (the work then runs on to its end unseen, so it must own what
// it uses). What `work` throws is thrown again here.
template <typename Result, typename Work>
std::optional<Result> runAside(QWidget* window, const QString& waiting, const QString& cancel, Work work)
{
    struct State {
        QMutex mutex;
        QWaitCondition done;
        bool finished = false;
        std::optional<Result> result;
        std::exception_ptr failure;
    };
    auto state = std::make_shared<State>();
    QThread* thread = QThread::create([state, work = std::move(work)] {
        std::optional<Result> result;
        std::exception_ptr failure;
        try {
            result.emplace(work());
        } catch (...) {
            failure = std::current_exception();
        }
        QMutexLocker lock(&state->mutex);
        state->result = std::move(result);
        state->failure = failure;
        state->finished = true;
        state->done.wakeAll();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    auto finished = [state](unsigned long waitMs) {
        QMutexLocker lock(&state->mutex);
        if (!state->finished && waitMs > 0)
            state->done.wait(&state->mutex, waitMs);
        return state->finished;
    };
    thread->start();
    if (!finished(500)) {
        QProgressDialog progress(waiting, cancel, 0, 0, window);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(0);
        QEventLoop loop;
        QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        progress.show();
        if (!finished(0))
            loop.exec();
        if (!finished(0))
            return std::nullopt;
    }
    QMutexLocker lock(&state->mutex);
    if (state->failure)
        std::rethrow_exception(state->failure);
    return std::move(state->result);
}

}  // namespace desktop
