#include "word/package/ZipArchive.h"

#include "word/model/DocumentError.h"
#include "word/package/ZipLibrary.h"

#include <QCoreApplication>


#include <memory>

namespace word::package {

namespace {

[[noreturn]] void fail(const char* what, zip_error_t* error)
{
    //: %1 is the step of the zip library that failed (buffer, open, add, close, read), %2 its reason
    const QString description =
        QCoreApplication::translate("word::package::ZipArchive", "The document could not be packed (%1: %2).")
            .arg(QLatin1String(what), QString::fromUtf8(ZipLibrary::get().zip_error_strerror(error)));
    throw DocumentError(description);
}

// A copy of the archive's last error, which outlives zip_discard().
zip_error_t errorOf(zip_t* archive)
{
    const ZipLibrary& zip = ZipLibrary::get();
    zip_error_t* error = zip.zip_get_error(archive);
    zip_error_t copy;
    zip.zip_error_init(&copy);
    zip.zip_error_set(&copy, zip.zip_error_code_zip(error), zip.zip_error_code_system(error));
    return copy;
}

struct SourceDeleter {
    void operator()(zip_source_t* source) const { ZipLibrary::get().zip_source_free(source); }
};

// Parts shorter than this many bytes are stored, not deflated.
constexpr qsizetype StoredBelow = 1024;

}  // namespace

QByteArray zipParts(const std::vector<PackagePart>& parts)
{
    const ZipLibrary& zip = ZipLibrary::get();
    zip_error_t error;
    zip.zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceDeleter> buffer(zip.zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer)
        fail("buffer", &error);

    zip_t* archive = zip.zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    if (!archive)
        fail("open", &error);
    zip.zip_source_keep(buffer.get());  // the archive's close must leave the bytes to us

    for (const PackagePart& part : parts) {
        // The parts outlive zip_close(), so libzip may read them in place.
        zip_source_t* data = zip.zip_source_buffer(archive, part.data.constData(), zip_uint64_t(part.data.size()), 0);
        const QByteArray name = part.name.toUtf8();
        const zip_int64_t index = data ? zip.zip_file_add(archive, name.constData(), data, ZIP_FL_ENC_UTF_8) : -1;
        // The fastest deflate: the parts are small and repetitive XML, which
        // it packs nearly as well, in a fraction of the default level's time.
        // A part of a few hundred bytes is stored as it is: it would shrink by
        // some hundred bytes, while every deflate stream first clears 128 KiB
        // of tables, the dearest step of saving a planner's small parts.
        const bool tiny = part.data.size() < StoredBelow;
        const zip_int32_t method = tiny ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
        if (index < 0 || zip.zip_set_file_compression(archive, zip_uint64_t(index), method, tiny ? 0 : 1) < 0) {
            if (data && index < 0)
                zip.zip_source_free(data);  // once added, it is the archive's
            zip_error_t copy = errorOf(archive);
            zip.zip_discard(archive);
            fail("add", &copy);
        }
    }
    if (zip.zip_close(archive) < 0) {
        zip_error_t copy = errorOf(archive);
        zip.zip_discard(archive);
        fail("close", &copy);
    }

    zip_stat_t stat;
    if (zip.zip_source_stat(buffer.get(), &stat) < 0 || zip.zip_source_open(buffer.get()) < 0)
        fail("read", zip.zip_source_error(buffer.get()));
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip.zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip.zip_source_close(buffer.get());
    if (read != zip_int64_t(stat.size))
        fail("read", zip.zip_source_error(buffer.get()));
    return bytes;
}

}  // namespace word::package
