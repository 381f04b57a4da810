#pragma once

#include <QtGlobal>

// How much the readers of a package's XML parts accept. A part beyond any of
// these is refused with a description instead of exhausting memory or time;
// Word's own documents stay far below every one of them.
namespace word::oxml::limits {

inline constexpr int MaxXmlDepth = 256;                        // nested elements in one part
inline constexpr int MaxTwips = 31680;                         // 22 inches: Word's largest page, and so every length in it
inline constexpr qint64 MaxTextCharacters = 16LL << 20;        // UTF-16 units of text in the document
inline constexpr int MaxParagraphs = 500000;                   // in the body and all cells
inline constexpr int MaxRuns = 1000000;                        // w:r elements, as read
inline constexpr int MaxTables = 10000;
inline constexpr int MaxRowsPerTable = 32767;
inline constexpr int MaxColumns = 63;                          // Word's own limit for a table
inline constexpr int MaxCells = 200000;                        // in the whole document
inline constexpr int MaxStyles = 20000;

}  // namespace word::oxml::limits
