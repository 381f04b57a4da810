#include "output/PlannerPages.h"

#include "word/Word.h"

namespace output {

word::DocumentPages readPlannerPages(const QString& path)
{
    word::Application word = word::Application::CreateObject();
    try {
        word::Document document = word.Documents().Open(path);
        word::DocumentPages pages = word::DocumentPages::of(document);
        document.Close(0);  // wdDoNotSaveChanges: only read
        word.Quit();
        return pages;
    } catch (...) {
        // No Word is left running after a failure.
        try {
            word.Quit();
        } catch (...) {
        }
        throw;
    }
}

}  // namespace output
