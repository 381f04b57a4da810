#include "output/PdfBehindLayout.h"

#include "output/PdfExport.h"

#include "word/ThreadFonts.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <vector>

namespace output {

struct PdfBehindLayout::Writing {
    std::mutex lock;
    std::condition_variable changed;
    std::deque<word::DocumentPages> waiting;   // added, not yet written
    std::vector<word::DocumentPages> written;  // kept to be let go on the adding thread
    bool noMore = false;                       // finish() or the destructor
    bool stop = false;                         // the destructor: drop the rest
    bool failed = false;
    bool ended = false;                        // the writing thread has nothing more to do
    std::exception_ptr failure;
    QByteArray bytes;
    std::unique_ptr<QThread> thread;

    // The next part to write, or nothing once there is none left to write.
    std::optional<word::DocumentPages> next()
    {
        std::unique_lock<std::mutex> held(lock);
        changed.wait(held, [&] { return stop || noMore || !waiting.empty(); });
        if (stop || waiting.empty())
            return std::nullopt;
        word::DocumentPages part = std::move(waiting.front());
        waiting.pop_front();
        return part;
    }

    void done(word::DocumentPages&& part)
    {
        {
            const std::lock_guard<std::mutex> held(lock);
            written.push_back(std::move(part));
        }
        changed.notify_all();
    }

    // The writing thread's work: the calls writePdf() makes, a part at a time.
    void write()
    {
        writeParts();
        {
            const std::lock_guard<std::mutex> held(lock);
            ended = true;
        }
        changed.notify_all();
    }

    void writeParts()
    {
        try {
            // Declared first, so that the writer lets go of its faces before they go.
            word::ThreadFonts fonts;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            std::optional<QPdfWriter> writer;
            QPainter painter;
            bool first = true;
            while (std::optional<word::DocumentPages> part = next()) {
                if (!writer) {
                    writer.emplace(&buffer);
                    writer->setTitle(part->title());
                    writer->setCreator(QStringLiteral("Dorvane"));
                    if (!writer->setPageLayout(part->pageLayout()) || !painter.begin(&*writer))
                        throw std::runtime_error("the PDF writer refused its first page");
                }
                for (int i = 0; i < part->pageCount(); ++i) {
                    if (!first && !writer->newPage())
                        throw std::runtime_error("the PDF writer refused a page");
                    first = false;
                    part->paintPageWith(i, painter, fonts);
                }
                done(std::move(*part));
            }
            {
                const std::lock_guard<std::mutex> held(lock);
                if (stop)
                    return;
            }
            if (!writer || !painter.end())
                throw std::runtime_error("the PDF was not finished");
        } catch (...) {
            const std::lock_guard<std::mutex> held(lock);
            failed = true;
            failure = std::current_exception();
        }
    }
};

PdfBehindLayout::PdfBehindLayout() : m_writing(std::make_unique<Writing>()) {}

PdfBehindLayout::~PdfBehindLayout()
{
    if (!m_writing->thread)
        return;
    {
        const std::lock_guard<std::mutex> held(m_writing->lock);
        m_writing->stop = true;
        m_writing->noMore = true;
    }
    m_writing->changed.notify_all();
    m_writing->thread->wait();
}

bool PdfBehindLayout::add(word::DocumentPages&& part)
{
    bool taken = false;
    {
        const std::lock_guard<std::mutex> held(m_writing->lock);
        if (m_writing->failed || m_writing->noMore)
            return false;
        if (part.paintableElsewhere()) {
            m_writing->waiting.push_back(std::move(part));
            taken = true;
            // A second part starts the writing: a document of one has nothing
            // to write while it is laid out, and is written by finish().
            if (!m_writing->thread && m_writing->waiting.size() == 2) {
                Writing* writing = m_writing.get();
                m_writing->thread.reset(QThread::create([writing] { writing->write(); }));
                m_writing->thread->start();
            }
        } else {
            // No page after these can be written in order: what is written is dropped.
            m_writing->failed = m_writing->stop = m_writing->noMore = true;
        }
    }
    m_writing->changed.notify_all();
    return taken;
}

QByteArray PdfBehindLayout::finish()
{
    if (!m_writing->thread) {
        if (m_writing->failed || m_writing->waiting.size() != 1)
            throw std::runtime_error("no pages to write, or pages that cannot be written behind the layout");
        const word::DocumentPages only = std::move(m_writing->waiting.front());
        m_writing->waiting.clear();
        return pdfBytes(only);
    }
    {
        const std::lock_guard<std::mutex> held(m_writing->lock);
        m_writing->noMore = true;
    }
    m_writing->changed.notify_all();
    // The parts written are let go here while the rest is written: a long
    // document's layout takes a while to take apart.
    for (bool ended = false; !ended;) {
        std::vector<word::DocumentPages> letGo;
        {
            std::unique_lock<std::mutex> held(m_writing->lock);
            m_writing->changed.wait(held, [&] { return m_writing->ended || !m_writing->written.empty(); });
            letGo.swap(m_writing->written);
            ended = m_writing->ended;
        }
    }
    m_writing->thread->wait();
    m_writing->waiting.clear();
    if (m_writing->failure)
        std::rethrow_exception(m_writing->failure);
    if (m_writing->failed)
        throw std::runtime_error("a part of the pages cannot be written behind the layout");
    return std::move(m_writing->bytes);
}

}  // namespace output
