#pragma once

#include "word/model/DocumentModel.h"

#include <QByteArray>

namespace word::oxml {

// word/styles.xml: the document defaults of a new Word document (Calibri
// 11 pt; 8 pt after each paragraph, lines of 1.08), the Normal paragraph
// style, the default table style "Normal Table" and "Table Grid" (single
// half-point black lines all round and between the cells, no paragraph
// spacing), defined in the package so that every reader shows the same.
QByteArray stylesPart(const model::DocumentModel& document);

}  // namespace word::oxml
