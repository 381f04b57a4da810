#pragma once

#include "word/model/Table.h"

#include <QtGlobal>

namespace word::oxml {

// The table look flags as the bits of w:tblLook/@w:val, the form older files
// use alone and Word writes beside the named attributes.
inline constexpr quint32 LookFirstRow = 0x0020;
inline constexpr quint32 LookLastRow = 0x0040;
inline constexpr quint32 LookFirstColumn = 0x0080;
inline constexpr quint32 LookLastColumn = 0x0100;
inline constexpr quint32 LookNoHBand = 0x0200;
inline constexpr quint32 LookNoVBand = 0x0400;

inline quint32 tableLookBits(const model::TableLook& look)
{
    return (look.headingRows ? LookFirstRow : 0) | (look.lastRow ? LookLastRow : 0) |
           (look.firstColumn ? LookFirstColumn : 0) | (look.lastColumn ? LookLastColumn : 0) |
           (look.noHorizontalBands ? LookNoHBand : 0) | (look.noVerticalBands ? LookNoVBand : 0);
}

inline model::TableLook tableLookFromBits(quint32 bits)
{
    return model::TableLook{(bits & LookFirstRow) != 0,   (bits & LookLastRow) != 0, (bits & LookFirstColumn) != 0,
                            (bits & LookLastColumn) != 0, (bits & LookNoHBand) != 0, (bits & LookNoVBand) != 0};
}

}  // namespace word::oxml
