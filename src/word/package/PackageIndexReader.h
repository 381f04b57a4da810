#pragma once

#include "word/package/PackagePart.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace word::package {

// [Content_Types].xml read back: the content type of each part, by an
// override for its name or a default for its extension (both matched
// regardless of case, as part names are).
class ContentTypes {
public:
    static ContentTypes read(const QByteArray& xml);
    // Nothing when the package declares no type for the part.
    std::optional<QString> typeOf(const QString& partName) const;

private:
    QHash<QString, QString> m_overrides;   // folded part name without "/" -> type
    QHash<QString, QString> m_defaults;    // folded extension -> type
};

// The relationships part of `sourcePart` ("" for the package itself):
// "_rels/.rels", "word/_rels/document.xml.rels" ...
QString relationshipsPartOf(const QString& sourcePart);

// Reads a relationships part. Targets of internal relationships are resolved
// against the source part's folder into part names (no leading "/", "." and
// ".." applied, percent escapes decoded); external ones and targets that
// leave the package are dropped.
std::vector<Relationship> readRelationships(const QByteArray& xml, const QString& relationshipsPart, const QString& sourcePart);

// The first relationship whose type ends with this name ("officeDocument",
// "styles", "theme"), in the transitional or the strict vocabulary.
std::optional<Relationship> findRelationship(const std::vector<Relationship>& relationships, const char* typeName);

}  // namespace word::package
