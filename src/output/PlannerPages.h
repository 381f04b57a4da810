#pragma once

#include "word/DocumentPages.h"

#include <QString>

namespace output {

// Reads the planner document at `path` (the preview's temporary document)
// for printing, PDF export and picture copies: a Word instance of its own
// opens it, lays it out and quits again, also when reading fails. Throws
// AutomationError (a std::runtime_error) with Word's description.
word::DocumentPages readPlannerPages(const QString& path);

}  // namespace output
