#include "word/package/ZipReader.h"

#include "word/model/DocumentError.h"
#include "word/package/ZipLibrary.h"
#include "word/package/ReadLimits.h"

#include <QCoreApplication>


#include <algorithm>
#include <optional>

namespace word::package {

namespace {

quint32 le32(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint16 le16(const char* p)
{
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint16(u[0] | u[1] << 8);
}

quint64 le64(const char* p)
{
    return quint64(le32(p)) | quint64(le32(p + 4)) << 32;
}

// The entry count the end of central directory record states, read before
// libzip sees the file, which would otherwise prepare room for every entry
// the record claims. Nothing when the record cannot be found (libzip will
// say what is wrong).
std::optional<quint64> declaredEntryCount(const QByteArray& bytes)
{
    constexpr qsizetype EndRecordSize = 22;
    if (bytes.size() < EndRecordSize)
        return std::nullopt;
    const qsizetype lowest = std::max<qsizetype>(0, bytes.size() - EndRecordSize - 0xFFFF);
    for (qsizetype at = bytes.size() - EndRecordSize; at >= lowest; --at) {
        const char* record = bytes.constData() + at;
        if (le32(record) != 0x06054b50)
            continue;
        const quint16 count = le16(record + 10);
        if (count != 0xFFFF)
            return count;
        // Zip64: the locator just before the record points at the real count.
        if (at < 20 || le32(record - 20) != 0x07064b50)
            return std::nullopt;
        const quint64 offset = le64(record - 20 + 8);
        if (offset > quint64(bytes.size()) - 56 || quint64(bytes.size()) < 56)
            return std::nullopt;
        const char* zip64 = bytes.constData() + offset;
        if (le32(zip64) != 0x06064b50)
            return std::nullopt;
        return le64(zip64 + 32);
    }
    return std::nullopt;
}

QString folded(QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return name.toCaseFolded();
}

QString zipErrorText(zip_error_t* error)
{
    return QString::fromUtf8(ZipLibrary::get().zip_error_strerror(error));
}

}  // namespace

ZipReader::ZipReader(QByteArray bytes) : m_bytes(std::move(bytes))
{
    if (m_bytes.size() > limits::MaxFileBytes)
        throw DocumentError::tooLarge(QCoreApplication::translate("word::package::ZipReader", "it is larger than %1 MB")
                                          .arg(limits::MaxFileBytes >> 20));
    // A zip starts with a local header (or, when empty, the end record).
    const bool looksLikeZip = m_bytes.startsWith(QByteArrayLiteral("PK\x03\x04")) || m_bytes.startsWith(QByteArrayLiteral("PK\x05\x06"));
    if (!looksLikeZip) {
        if (m_bytes.startsWith(QByteArrayLiteral("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")))
            throw DocumentError::notWordDocument(QCoreApplication::translate(
                "word::package::ZipReader", "it is in the old binary format (Word 97-2003), which cannot be opened"));
        throw DocumentError::notWordDocument();
    }
    if (const auto count = declaredEntryCount(m_bytes); count && *count > quint64(limits::MaxEntries))
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::package::ZipReader", "the package has more than %1 parts")
                .arg(limits::MaxEntries));

    const ZipLibrary& zip = ZipLibrary::get();
    zip_error_t error;
    zip.zip_error_init(&error);
    zip_source_t* source = zip.zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
    if (!source) {
        const QString text = zipErrorText(&error);
        zip.zip_error_fini(&error);
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::ZipReader", "the zip container cannot be read (%1)").arg(text));
    }
    m_archive = zip.zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!m_archive) {
        zip.zip_source_free(source);
        const QString text = zipErrorText(&error);
        zip.zip_error_fini(&error);
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::ZipReader", "the zip container is broken or incomplete (%1)")
                .arg(text));
    }
    zip.zip_error_fini(&error);

    const zip_int64_t entries = zip.zip_get_num_entries(m_archive, 0);
    if (entries > limits::MaxEntries) {
        zip.zip_discard(m_archive);
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::package::ZipReader", "the package has more than %1 parts")
                .arg(limits::MaxEntries));
    }
    quint64 declaredTotal = 0;
    for (zip_int64_t i = 0; i < entries; ++i) {
        zip_stat_t stat;
        zip.zip_stat_init(&stat);
        if (zip.zip_stat_index(m_archive, zip_uint64_t(i), 0, &stat) < 0 || !(stat.valid & ZIP_STAT_NAME))
            continue;
        if (stat.valid & ZIP_STAT_SIZE)
            declaredTotal += std::min<quint64>(stat.size, quint64(limits::MaxDeclaredTotalBytes) + 1);
        const QString name = QString::fromUtf8(stat.name);
        if (name.isEmpty() || name.endsWith(QLatin1Char('/')))
            continue;
        const QString key = folded(name);
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
    if (declaredTotal > quint64(limits::MaxDeclaredTotalBytes)) {
        zip.zip_discard(m_archive);
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::package::ZipReader", "its parts would take more than %1 MB")
                .arg(limits::MaxDeclaredTotalBytes >> 20));
    }
}

ZipReader::~ZipReader()
{
    if (m_archive)
        ZipLibrary::get().zip_discard(m_archive);
}

qint64 ZipReader::indexOf(const QString& partName) const
{
    return m_index.value(folded(partName), -1);
}

bool ZipReader::contains(const QString& partName) const
{
    return indexOf(partName) >= 0;
}

QByteArray ZipReader::read(const QString& partName, qint64 maxBytes)
{
    const qint64 index = indexOf(partName);
    if (index < 0)
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::ZipReader", "the part %1 is missing").arg(partName));
    const qint64 budget = std::min(maxBytes, limits::MaxReadTotalBytes - m_bytesRead);
    auto tooLarge = [&] {
        if (budget < maxBytes)
            throw DocumentError::tooLarge(
                QCoreApplication::translate("word::package::ZipReader", "its parts unpack to more than %1 MB")
                    .arg(limits::MaxReadTotalBytes >> 20));
        throw DocumentError::tooLarge(
            QCoreApplication::translate("word::package::ZipReader", "the part %1 is larger than %2 MB")
                .arg(partName)
                .arg(maxBytes >> 20));
    };

    const ZipLibrary& zip = ZipLibrary::get();
    zip_stat_t stat;
    zip.zip_stat_init(&stat);
    if (zip.zip_stat_index(m_archive, zip_uint64_t(index), 0, &stat) < 0)
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::ZipReader", "the entry of %1 cannot be read").arg(partName));
    const bool sizeKnown = stat.valid & ZIP_STAT_SIZE;
    if (sizeKnown && stat.size > quint64(budget))
        tooLarge();

    zip_file_t* file = zip.zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (!file) {
        const int code = zip.zip_error_code_zip(zip.zip_get_error(m_archive));
        if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP)
            throw DocumentError::damaged(
                QCoreApplication::translate("word::package::ZipReader", "the part %1 is encrypted").arg(partName));
        throw DocumentError::damaged(
            QCoreApplication::translate("word::package::ZipReader", "the part %1 cannot be unpacked (%2)")
                .arg(partName, QString::fromUtf8(zip.zip_strerror(m_archive))));
    }

    QByteArray data;
    data.reserve(qsizetype(sizeKnown ? std::min<quint64>(stat.size, 1 << 20) : 1 << 16));
    constexpr qint64 Chunk = 1 << 16;
    QByteArray chunk(Chunk, Qt::Uninitialized);
    for (;;) {
        const zip_int64_t got = zip.zip_fread(file, chunk.data(), zip_uint64_t(Chunk));
        if (got < 0) {
            const QString text = QString::fromUtf8(zip.zip_file_strerror(file));
            zip.zip_fclose(file);
            throw DocumentError::damaged(
                QCoreApplication::translate("word::package::ZipReader", "the part %1 cannot be unpacked (%2)")
                    .arg(partName, text));
        }
        if (got == 0)
            break;
        // Counted as inflated: the header may understate what the entry holds.
        if (data.size() + got > budget) {
            zip.zip_fclose(file);
            tooLarge();
        }
        data.append(chunk.constData(), qsizetype(got));
    }
    zip.zip_fclose(file);
    if (sizeKnown && quint64(data.size()) != stat.size)
        throw DocumentError::damaged(QCoreApplication::translate("word::package::ZipReader",
                                                                 "the part %1 does not have the size its header states")
                                         .arg(partName));
    m_bytesRead += data.size();
    return data;
}

}  // namespace word::package
