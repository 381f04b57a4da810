#include "word/package/PackageIndexReader.h"

#include "word/oxml/XmlReader.h"

#include <QCoreApplication>
#include <QStringList>
#include <QUrl>

namespace word::package {

namespace {

constexpr const char* ContentTypesNamespace = "http://schemas.openxmlformats.org/package/2006/content-types";
constexpr const char* RelationshipsNamespace = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr int MaxRelationships = 10000;
constexpr int MaxContentTypes = 10000;

QString folded(QString name)
{
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name.toCaseFolded();
}

// "a/b/../c/./d" -> "a/c/d"; nothing when ".." leaves the package.
std::optional<QString> normalised(const QString& path)
{
    QStringList parts;
    for (const QString& segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (parts.isEmpty())
                return std::nullopt;
            parts.removeLast();
            continue;
        }
        parts << segment;
    }
    if (parts.isEmpty())
        return std::nullopt;
    return parts.join(QLatin1Char('/'));
}

}  // namespace

ContentTypes ContentTypes::read(const QByteArray& xml)
{
    ContentTypes types;
    oxml::XmlReader reader(xml, QStringLiteral("[Content_Types].xml"));
    reader.readRoot();
    if (!reader.isIn(ContentTypesNamespace, "Types"))
        reader.damaged(
            QCoreApplication::translate("word::package::PackageIndexReader", "the content types are not declared"));
    int count = 0;
    while (reader.nextChild()) {
        if (++count > MaxContentTypes)
            reader.damaged(QCoreApplication::translate("word::package::PackageIndexReader",
                                                       "too many content types are declared"));
        const auto type = reader.plainAttribute("ContentType");
        if (type && reader.isIn(ContentTypesNamespace, "Default")) {
            if (const auto extension = reader.plainAttribute("Extension"); extension && !types.m_defaults.contains(extension->toCaseFolded()))
                types.m_defaults.insert(extension->toCaseFolded(), type->trimmed());
        } else if (type && reader.isIn(ContentTypesNamespace, "Override")) {
            if (const auto name = reader.plainAttribute("PartName"); name && !types.m_overrides.contains(folded(*name)))
                types.m_overrides.insert(folded(*name), type->trimmed());
        }
        reader.skip();
    }
    return types;
}

std::optional<QString> ContentTypes::typeOf(const QString& partName) const
{
    const QString key = folded(partName);
    if (const auto found = m_overrides.constFind(key); found != m_overrides.cend())
        return *found;
    const qsizetype dot = key.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || key.indexOf(QLatin1Char('/'), dot) >= 0)
        return std::nullopt;
    if (const auto found = m_defaults.constFind(key.mid(dot + 1)); found != m_defaults.cend())
        return *found;
    return std::nullopt;
}

QString relationshipsPartOf(const QString& sourcePart)
{
    if (sourcePart.isEmpty())
        return QStringLiteral("_rels/.rels");
    const qsizetype slash = sourcePart.lastIndexOf(QLatin1Char('/'));
    return sourcePart.left(slash + 1) + QStringLiteral("_rels/") + sourcePart.mid(slash + 1) + QStringLiteral(".rels");
}

std::vector<Relationship> readRelationships(const QByteArray& xml, const QString& relationshipsPart, const QString& sourcePart)
{
    std::vector<Relationship> relationships;
    oxml::XmlReader reader(xml, relationshipsPart);
    reader.readRoot();
    if (!reader.isIn(RelationshipsNamespace, "Relationships"))
        reader.damaged(
            QCoreApplication::translate("word::package::PackageIndexReader", "the part %1 holds no relationships")
                .arg(relationshipsPart));
    const QString folder = sourcePart.left(sourcePart.lastIndexOf(QLatin1Char('/')) + 1);
    while (reader.nextChild()) {
        if (reader.isIn(RelationshipsNamespace, "Relationship")) {
            if (int(relationships.size()) >= MaxRelationships)
                reader.damaged(QCoreApplication::translate("word::package::PackageIndexReader",
                                                           "the part %1 holds too many relationships")
                                   .arg(relationshipsPart));
            const auto type = reader.plainAttribute("Type");
            const auto target = reader.plainAttribute("Target");
            const bool external = reader.plainAttribute("TargetMode").value_or(QString()) == QLatin1String("External");
            if (type && target && !external) {
                const QString decoded = QUrl::fromPercentEncoding(target->trimmed().toUtf8());
                const QString path = decoded.startsWith(QLatin1Char('/')) ? decoded : folder + decoded;
                if (const auto name = normalised(path))
                    relationships.push_back({reader.plainAttribute("Id").value_or(QString()), type->trimmed(), *name});
            }
        }
        reader.skip();
    }
    return relationships;
}

std::optional<Relationship> findRelationship(const std::vector<Relationship>& relationships, const char* typeName)
{
    static const QString Prefixes[] = {
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/"),
        QStringLiteral("http://purl.oclc.org/ooxml/officeDocument/relationships/"),
    };
    for (const Relationship& relationship : relationships) {
        for (const QString& prefix : Prefixes) {
            if (relationship.type == prefix + QLatin1String(typeName))
                return relationship;
        }
    }
    return std::nullopt;
}

}  // namespace word::package
