#pragma once

#include "word/package/PackagePart.h"

#include <vector>

namespace word::package {

// [Content_Types].xml for these parts: defaults for .rels and .xml, an
// override naming each other part's type.
QByteArray contentTypesPart(const std::vector<PackagePart>& parts);

// A .rels part listing these relationships.
QByteArray relationshipsPart(const std::vector<Relationship>& relationships);

}  // namespace word::package
