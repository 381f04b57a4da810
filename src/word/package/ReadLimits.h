#pragma once

#include <QtGlobal>

// How much of a file Documents.Open is willing to read. A package beyond any
// of these is refused with a description instead of exhausting memory or
// time: a real planner is a few hundred kilobytes, and Word's own documents
// stay far below every one of them.
namespace word::package::limits {

inline constexpr qint64 MaxFileBytes = 64LL << 20;            // the file itself
inline constexpr qint64 MaxEntries = 10000;                    // zip entries
inline constexpr qint64 MaxDeclaredTotalBytes = 1LL << 30;     // all entries, as their headers declare them
inline constexpr qint64 MaxDocumentPartBytes = 48LL << 20;     // inflated main document part
inline constexpr qint64 MaxOtherPartBytes = 8LL << 20;         // inflated styles, theme, content types, relationships
inline constexpr qint64 MaxReadTotalBytes = 80LL << 20;        // everything inflated for one Open

inline constexpr int MaxXmlDepth = 256;                        // nested elements in one part
inline constexpr qint64 MaxTextCharacters = 16LL << 20;        // UTF-16 units of text in the document
inline constexpr int MaxParagraphs = 500000;                   // in the body and all cells
inline constexpr int MaxRuns = 1000000;                        // w:r elements, as read
inline constexpr int MaxTables = 10000;
inline constexpr int MaxRowsPerTable = 32767;
inline constexpr int MaxColumns = 63;                          // Word's own limit for a table
inline constexpr int MaxCells = 200000;                        // in the whole document
inline constexpr int MaxStyles = 20000;

}  // namespace word::package::limits
