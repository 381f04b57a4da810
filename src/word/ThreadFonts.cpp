#include "word/ThreadFonts.h"

#include "word/render/FontCatalog.h"

namespace word {

ThreadFonts::ThreadFonts() : m_catalog(std::make_unique<render::FontCatalog>()) {}
ThreadFonts::~ThreadFonts() = default;

}  // namespace word
