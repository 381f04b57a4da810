#include "word/engine/WordInstance.h"

#include <algorithm>
#include <atomic>

namespace word {

namespace {
std::atomic<int> live{0};
}

WordInstance::WordInstance(Origin origin) : m_origin(origin)
{
    if (m_origin == Origin::Created)
        ++live;
}

WordInstance::~WordInstance()
{
    // An instance dropped without Quit stays counted: a Word left running.
    for (const auto& document : m_documents)
        document->markClosed();
}

void WordInstance::quit()
{
    if (m_quit)
        return;
    m_quit = true;
    for (const auto& document : m_documents)
        document->markClosed();
    m_documents.clear();
    if (m_origin == Origin::Created)
        --live;
}

std::shared_ptr<editing::OpenDocument> WordInstance::add(model::DocumentModel document, const QString& path)
{
    auto opened = std::make_shared<editing::OpenDocument>(std::move(document), path);
    m_documents.push_back(opened);
    return opened;
}

std::shared_ptr<editing::OpenDocument> WordInstance::activeDocument() const
{
    return m_documents.empty() ? nullptr : m_documents.back();
}

void WordInstance::close(const std::shared_ptr<editing::OpenDocument>& document)
{
    document->markClosed();
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), document), m_documents.end());
}

int WordInstance::liveCount()
{
    return live;
}

}  // namespace word
