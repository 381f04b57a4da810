#pragma once

#include "word/DocumentPages.h"

#include <QByteArray>

#include <memory>

namespace output {

// A PDF written on a second core while the rest of its document is still
// being laid out on this thread. Writing a page as a PDF (Qt sets text a
// glyph at a time, and compresses each page) costs about four times laying
// it out, so a long document's pages are handed over part by part
// (word::DocumentPages::inParts) and written behind the layout.
//
// The writing thread draws the text in faces of its own (Qt keeps a face to
// the thread that made it), which needs every part to be
// paintableElsewhere(). The PDF is the one writePdf() makes of the same
// pages, but for the time and identity every PDF is given when written.
//
// The writing thread starts with the second part: a document of one part
// is written by finish() on the calling thread, as pdfBytes() writes it.
// Used from one thread, the one that lays the pages out; the parts handed
// over are let go on that thread.
class PdfBehindLayout {
public:
    PdfBehindLayout();
    // Stops the writing without waiting for the rest; the PDF is dropped.
    ~PdfBehindLayout();
    PdfBehindLayout(const PdfBehindLayout&) = delete;
    PdfBehindLayout& operator=(const PdfBehindLayout&) = delete;

    // The next part's pages, after those added before. False, and nothing
    // more is written, when the writer cannot draw them: the part is not
    // paintableElsewhere(), or the writing has failed.
    bool add(word::DocumentPages&& part);

    // Waits until every page added is written, and returns the PDF. Throws
    // std::runtime_error when it could not be written as a whole (add()
    // returned false, no part came, a face differed, or the writer refused a
    // page); writePdf() on the same pages then says why, or makes it. A
    // single part is written here, throwing as pdfBytes() does.
    QByteArray finish();

private:
    struct Writing;
    std::unique_ptr<Writing> m_writing;
};

}  // namespace output
