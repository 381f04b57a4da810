#include "ReaderTestFiles.h"

#include "PlannerRun.h"
#include "WordTestSupport.h"

#include "word/Word.h"
#include "word/package/ZipArchive.h"

#include <QFile>

#include <stdexcept>

#include <zip.h>

namespace readertest {

using word::package::PackagePart;

word::model::DocumentModel savePlanner(const QString& path, const QString& title)
{
    plannertest::PlannerRun run;
    run.generate(plannertest::fullWeek(title));
    const QString failure = run.keep(path);
    if (!failure.isEmpty() || !run.savedModel)
        throw std::runtime_error("The planner was not saved: " + failure.toStdString());
    return *run.savedModel;
}

std::vector<PackagePart> unzip(const QByteArray& bytes)
{
    std::vector<PackagePart> parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (!archive) {
        if (source)
            zip_source_free(source);
        return parts;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file)
            continue;
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        parts.push_back(PackagePart{QString::fromUtf8(stat.name), QString(), data});
    }
    zip_discard(archive);
    return parts;
}

QByteArray rezip(const std::vector<PackagePart>& parts)
{
    return word::package::zipParts(parts);
}

QByteArray withPart(const QByteArray& zip, const QString& name, const QByteArray& data)
{
    std::vector<PackagePart> parts = unzip(zip);
    bool found = false;
    for (PackagePart& part : parts) {
        if (part.name == name) {
            part.data = data;
            found = true;
        }
    }
    if (!found)
        parts.push_back(PackagePart{name, QString(), data});
    return rezip(parts);
}

QByteArray withoutPart(const QByteArray& zip, const QString& name)
{
    std::vector<PackagePart> parts = unzip(zip);
    std::erase_if(parts, [&](const PackagePart& part) { return part.name == name; });
    return rezip(parts);
}

QByteArray partOf(const QByteArray& zip, const QString& name)
{
    for (const PackagePart& part : unzip(zip)) {
        if (part.name == name)
            return part.data;
    }
    return {};
}

QByteArray packageWithBody(const QByteArray& bodyXml, const QByteArray& stylesXml, const QByteArray& themeXml)
{
    const QByteArray contentTypes =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
        "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
        "<Override PartName=\"/word/theme/theme1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.theme+xml\"/>"
        "</Types>";
    const QByteArray rootRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"word/document.xml\"/>"
        "</Relationships>";
    QByteArray documentRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (!stylesXml.isEmpty())
        documentRels += "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>";
    if (!themeXml.isEmpty())
        documentRels += "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme\" Target=\"theme/theme1.xml\"/>";
    documentRels += "</Relationships>";
    const QByteArray document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
        "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
        " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
        " xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\""
        " xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\" mc:Ignorable=\"w14\"><w:body>"
        + bodyXml + "</w:body></w:document>";
    std::vector<PackagePart> parts{
        {QStringLiteral("[Content_Types].xml"), {}, contentTypes},
        {QStringLiteral("_rels/.rels"), {}, rootRels},
        {QStringLiteral("word/document.xml"), {}, document},
        {QStringLiteral("word/_rels/document.xml.rels"), {}, documentRels},
    };
    if (!stylesXml.isEmpty())
        parts.push_back({QStringLiteral("word/styles.xml"), {}, stylesXml});
    if (!themeXml.isEmpty())
        parts.push_back({QStringLiteral("word/theme/theme1.xml"), {}, themeXml});
    return rezip(parts);
}

QString modelFaults(const word::model::DocumentModel& document)
{
    using namespace word::model;
    if (document.body.empty())
        return QStringLiteral("empty body");
    if (!std::holds_alternative<Paragraph>(document.body.back()))
        return QStringLiteral("body ends with a table");
    for (const Block& block : document.body) {
        if (const auto* table = std::get_if<Table>(&block)) {
            if (!table->isConsistent())
                return QStringLiteral("inconsistent table");
            for (const Row& row : table->rows) {
                for (const Cell& cell : row.cells) {
                    if (cell.widthTwips < 0)
                        return QStringLiteral("negative cell width");
                }
            }
        }
    }
    const PageSetup& page = document.page;
    if (page.widthTwips <= 0 || page.heightTwips <= 0 || page.textWidthTwips() <= 0)
        return QStringLiteral("page without room for text");
    return {};
}

}  // namespace readertest
