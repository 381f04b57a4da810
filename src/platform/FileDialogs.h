#pragma once

#include <QString>

namespace platform {

// The modal save-file dialog, behind an interface so that tests can script it.
struct SaveDialogRequest {
    QString fileName;  // initial file name
    QString title;
    // Filter in the "description|pattern|description|pattern" form, e.g.
    // "Word Files (*.doc)|*.doc".
    QString filter;
};

// The modal open-file dialog; the filter is in the same pipe form.
struct OpenDialogRequest {
    QString title;
    QString filter;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path exactly as the user gave it, or an empty string on cancel.
    // The dialog asks no overwrite question: the caller asks its own.
    virtual QString saveFileName(const SaveDialogRequest& request) = 0;
    // The chosen existing file, or an empty string on cancel.
    virtual QString openFileName(const OpenDialogRequest& request) = 0;
};

FileDialogs& fileDialogs();
// In force through seam::Seam<FileDialogs>: the desktop's (desktop::QtFileDialogs) unless a test installed others.

// "Word Files (*.doc)|*.doc" -> "Word Files (*.doc)" (Qt takes patterns from the description).
QString qtNameFilters(const QString& pipeFilter);

// `chosen` with the extension of the filter it was chosen under ("*.doc" of
// "Word Files (*.doc)|*.doc") when its name has none: "week" -> "week.doc",
// while "week.docx" and "week." stay as typed. The save dialogs here offer
// one filter each, so the first is the chosen one. An empty (cancelled) name
// stays empty.
QString withFilterExtension(const QString& chosen, const QString& pipeFilter);

}  // namespace platform
