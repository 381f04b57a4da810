#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

struct zip;

namespace word::package {

// The entries of a zip container held in memory, read with libzip. Entry
// names are matched as package part names are: without a leading "/" and
// regardless of case. Every read is bounded (see ReadLimits.h): a header's
// declared size is checked before inflating, and the bytes actually inflated
// are counted as they come, since a crafted entry may declare less than it
// holds. Throws DocumentError (see word/model/DocumentError.h) for anything that is not
// a sound zip.
class ZipReader {
public:
    explicit ZipReader(QByteArray bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool contains(const QString& partName) const;
    // The inflated bytes of an entry, at most `maxBytes` of them (else too large).
    QByteArray read(const QString& partName, qint64 maxBytes);
    // All bytes inflated by this reader so far.
    qint64 bytesRead() const { return m_bytesRead; }

private:
    qint64 indexOf(const QString& partName) const;

    QByteArray m_bytes;  // libzip reads them in place
    zip* m_archive = nullptr;
    QHash<QString, qint64> m_index;  // folded part name -> entry
    qint64 m_bytesRead = 0;
};

}  // namespace word::package
