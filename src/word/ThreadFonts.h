#pragma once

#include <memory>

namespace word {

namespace render {
class FontCatalog;
}

// The faces a thread other than the GUI thread draws pages in
// (DocumentPages::paintPageWith). Qt keeps a face to the thread that made
// it, so these are made, used and destroyed on that one thread.
class ThreadFonts {
public:
    ThreadFonts();
    ~ThreadFonts();
    ThreadFonts(const ThreadFonts&) = delete;
    ThreadFonts& operator=(const ThreadFonts&) = delete;

    render::FontCatalog& catalog() { return *m_catalog; }

private:
    std::unique_ptr<render::FontCatalog> m_catalog;
};

}  // namespace word
