#pragma once

#include "word/model/DocumentModel.h"

#include <QByteArray>

namespace word::oxml {

// word/document.xml: the body, paragraph by paragraph and table by table, and
// the page (w:sectPr, always the body's last child). Every run and paragraph
// mark names its font, size and boldness, so that no reader depends on styles
// for them; child elements follow the schema's order, which Word insists on.
QByteArray documentPart(const model::DocumentModel& document);

}  // namespace word::oxml
