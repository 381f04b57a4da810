#pragma once

#include "word/Document.h"
#include "word/model/DocumentModel.h"

#include <QByteArray>
#include <QImage>
#include <QPicture>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace wordtest {

// The document engine's model behind a document handle.
const word::model::DocumentModel& modelOf(const word::Document& document);

// One part of a zip package, or nothing when the zip or the part is missing.
std::optional<QByteArray> readZipPart(const QString& zipPath, const QString& partName);
QStringList zipPartNames(const QString& zipPath);

// The text of every cell of the first table of the model, row by row.
QStringList cellTexts(const word::model::Table& table, int row);

// A vector picture replayed on a white image of its size (96 dpi pixels).
QImage imageOf(const QPicture& picture);

}  // namespace wordtest

namespace wordtest {

// A parsed XML element, by qualified names ("w:tc"), for checking a part's structure.
struct XmlNode {
    QString name;
    std::vector<std::pair<QString, QString>> attributes;
    std::vector<XmlNode> children;
    QString text;  // character data directly inside

    QString attribute(const QString& qualifiedName) const;  // empty when absent
    bool has(const QString& qualifiedName) const;
    const XmlNode* child(const QString& childName) const;   // the first of that name
    std::vector<const XmlNode*> all(const QString& childName) const;
    QStringList childNames() const;
};

// Parses a part; nothing when it is not well-formed XML.
std::optional<XmlNode> parseXml(const QByteArray& xml);

}  // namespace wordtest
