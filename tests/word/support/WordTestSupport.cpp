#include "WordTestSupport.h"

#include <QPainter>

#include "word/dispatch/ObjectRef.h"

#include <zip.h>

namespace wordtest {

const word::model::DocumentModel& modelOf(const word::Document& document)
{
    return word::ObjectRef::of(document)->liveDocument().model();
}

std::optional<QByteArray> readZipPart(const QString& zipPath, const QString& partName)
{
    int error = 0;
    zip_t* archive = zip_open(zipPath.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    if (!archive)
        return std::nullopt;
    std::optional<QByteArray> result;
    zip_stat_t stat;
    const QByteArray name = partName.toUtf8();
    if (zip_stat(archive, name.constData(), 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name.constData(), 0)) {
            QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
            if (zip_fread(file, bytes.data(), stat.size) == zip_int64_t(stat.size))
                result = bytes;
            zip_fclose(file);
        }
    }
    zip_close(archive);
    return result;
}

QStringList zipPartNames(const QString& zipPath)
{
    int error = 0;
    QStringList names;
    zip_t* archive = zip_open(zipPath.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    if (!archive)
        return names;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i)
        names << QString::fromUtf8(zip_get_name(archive, zip_uint64_t(i), 0));
    zip_close(archive);
    return names;
}

QStringList cellTexts(const word::model::Table& table, int row)
{
    QStringList texts;
    for (const auto& cell : table.rows.at(row).cells)
        texts << cell.text();
    return texts;
}

}  // namespace wordtest

#include <QXmlStreamReader>

namespace wordtest {

QString XmlNode::attribute(const QString& qualifiedName) const
{
    for (const auto& [key, value] : attributes) {
        if (key == qualifiedName)
            return value;
    }
    return {};
}

bool XmlNode::has(const QString& qualifiedName) const
{
    for (const auto& attribute : attributes) {
        if (attribute.first == qualifiedName)
            return true;
    }
    return false;
}

const XmlNode* XmlNode::child(const QString& childName) const
{
    for (const XmlNode& node : children) {
        if (node.name == childName)
            return &node;
    }
    return nullptr;
}

std::vector<const XmlNode*> XmlNode::all(const QString& childName) const
{
    std::vector<const XmlNode*> found;
    for (const XmlNode& node : children) {
        if (node.name == childName)
            found.push_back(&node);
    }
    return found;
}

QStringList XmlNode::childNames() const
{
    QStringList names;
    for (const XmlNode& node : children)
        names << node.name;
    return names;
}

std::optional<XmlNode> parseXml(const QByteArray& xml)
{
    QXmlStreamReader reader(xml);
    std::vector<XmlNode> stack;
    std::optional<XmlNode> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlNode node;
            node.name = reader.qualifiedName().toString();
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                node.attributes.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
            stack.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!stack.empty())
                stack.back().text += reader.text();
            break;
        case QXmlStreamReader::EndElement: {
            XmlNode done = std::move(stack.back());
            stack.pop_back();
            if (stack.empty())
                root = std::move(done);
            else
                stack.back().children.push_back(std::move(done));
            break;
        }
        default:
            break;
        }
    }
    if (reader.hasError())
        return std::nullopt;
    return root;
}

}  // namespace wordtest

namespace wordtest {

QImage imageOf(const QPicture& picture)
{
    QImage image(picture.boundingRect().size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(-picture.boundingRect().topLeft(), picture);
    return image;
}

}  // namespace wordtest
