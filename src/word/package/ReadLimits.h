#pragma once

#include <QtGlobal>

// How much of a file Documents.Open is willing to unpack. A package beyond any
// of these is refused with a description instead of exhausting memory or
// time: a real planner is a few hundred kilobytes, and Word's own documents
// stay far below every one of them. What the parts may hold once unpacked is
// bounded by word/oxml/PartLimits.h.
namespace word::package::limits {

inline constexpr qint64 MaxFileBytes = 64LL << 20;            // the file itself
inline constexpr qint64 MaxEntries = 10000;                    // zip entries
inline constexpr qint64 MaxDeclaredTotalBytes = 1LL << 30;     // all entries, as their headers declare them
inline constexpr qint64 MaxDocumentPartBytes = 48LL << 20;     // inflated main document part
inline constexpr qint64 MaxOtherPartBytes = 8LL << 20;         // inflated styles, theme, content types, relationships
inline constexpr qint64 MaxReadTotalBytes = 80LL << 20;        // everything inflated for one Open

}  // namespace word::package::limits
