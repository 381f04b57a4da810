#pragma once

#include "word/model/DocumentModel.h"
#include "word/oxml/StylesReader.h"

#include <QByteArray>
#include <QString>

namespace word::oxml {

// Reads word/document.xml (by whatever name the package gives it) into the
// document model, resolving formatting through the styles: the body's
// paragraphs and tables, each run's boldness, font and size, alignment,
// table grids, spans, widths, shading, style, look flags, layout and cell
// margins, and the page of the last section. What the model has no place for
// (pictures, fields' codes, deleted revisions, bookmarks, comments ...) is
// passed over; containers around content (hyperlinks, content controls,
// smart tags, inserted revisions, alternate content) are read through. A
// table inside a cell gives its paragraphs to the cell. The result satisfies
// the model's rules: a non-empty body that ends with a paragraph, consistent
// tables, normalised paragraphs. Throws DocumentError for a damaged part or
// one beyond the limits of PartLimits.h.
model::DocumentModel readDocument(const QByteArray& xml, const QString& partName, const StyleSheet& styles,
                                  const ThemeFonts& theme);

}  // namespace word::oxml
