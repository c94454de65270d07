#pragma once
// Zip archives made by the tests with libzip (the target links it): in
// memory, or as a file.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QPair>
#include <zip.h>

namespace lumena::test {

using ZipEntries = QList<QPair<QString, QByteArray>>; // name -> bytes, in archive order

// The archive's bytes; empty on failure.
inline QByteArray zipOf(const ZipEntries& entries)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* archive = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!archive)
        return {};
    zip_source_keep(archive); // outlives zip_close, which writes into it
    zip_t* zip = zip_open_from_source(archive, ZIP_TRUNCATE, nullptr);
    QByteArray out;
    if (zip) {
        bool ok = true;
        for (const auto& [name, bytes] : entries) {
            zip_source_t* s =
                zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
            ok = ok && s && zip_file_add(zip, name.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8) >= 0;
        }
        if (ok && zip_close(zip) == 0 && zip_source_open(archive) == 0) {
            zip_stat_t st;
            if (zip_source_stat(archive, &st) == 0) {
                out.resize(qsizetype(st.size));
                if (zip_source_read(archive, out.data(), st.size) != zip_int64_t(st.size))
                    out.clear();
            }
            zip_source_close(archive);
        } else if (!ok) {
            zip_discard(zip);
        }
    }
    zip_source_free(archive);
    return out;
}

inline bool writeZip(const QString& path, const ZipEntries& entries)
{
    const QByteArray bytes = zipOf(entries);
    QFile f(path);
    return !bytes.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace lumena::test
