// GTFS feeds on any bytes: a zip archive (bytes starting "PK") or the seven
// tables cut from the bytes. Kept fields are trimmed and hold no CR; the
// tables written out again as CSV (the kept columns, every field quoted) read
// back as the same tables.
#include "panel/GtfsFeed.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;
using namespace lumena::gtfs;

namespace {

constexpr std::string_view kColumns[] = {
    "stop_id",          "stop_name",       "zone_id",        "parent_station", "route_id",
    "route_short_name", "route_long_name", "trip_id",        "direction_id",   "trip_headsign",
    "stop_sequence",    "arrival_time",    "departure_time", "fare_id",        "price",
    "origin_id",        "destination_id",  "contains_id",    "trans_id",       "lang",
    "table_name",       "field_name",      "language",       "translation",    "record_id",
    "field_value"};

// Small, so that the fuzzer reaches them.
const ReadLimits kLimits{64, 32, 64 << 10, 128 << 10};

QByteArray quoted(std::string_view field)
{
    return '"' + QByteArray(field.data(), qsizetype(field.size())).replace("\"", "\"\"") + '"';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Feed feed;
    Problem problem;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QMap<QString, QByteArray> files;
    if (bytes.startsWith("PK")) {
        if (!readZipData(bytes, feed, problem, kLimits))
            return 0;
    } else {
        FuzzedDataProvider in(data, size);
        for (int f = 0; f < FileCount; ++f)
            files[fileName(File(f))] = QByteArray::fromStdString(in.ConsumeRandomLengthString());
        if (!readFiles(files, feed, problem, kLimits))
            return 0;
    }
    files.clear();
    bool rows = true;
    for (int f = 0; f < FileCount; ++f) {
        const Table& t = feed.table(File(f));
        if (!t.present())
            continue;
        rows = rows && t.rowCount() > 0;
        QByteArrayList header, lines;
        for (std::string_view name : kColumns) {
            if (t.column(name) >= 0)
                header << QByteArray(name.data(), qsizetype(name.size()));
        }
        lines << header.join(',');
        for (qsizetype r = 0; r < t.rowCount(); ++r) {
            QByteArrayList fields;
            for (const QByteArray& name : header) {
                const std::string_view v = t.field(r, t.column(name.toStdString()));
                FUZZ_CHECK(v.find('\r') == v.npos);
                FUZZ_CHECK(v.empty() || (v.front() != ' ' && v.front() != '\t' && v.back() != ' ' &&
                                         v.back() != '\t'));
                fields << quoted(v);
            }
            lines << fields.join(',');
        }
        files[fileName(File(f))] = lines.join('\n') + '\n';
    }
    Feed again;
    if (!readFiles(files, again, problem)) {
        FUZZ_CHECK(!rows);
        return 0;
    }
    for (int f = 0; f < FileCount; ++f) {
        const Table &t = feed.table(File(f)), &u = again.table(File(f));
        if (!t.present() || t.rowCount() == 0)
            continue;
        FUZZ_CHECK(u.rowCount() == t.rowCount());
        for (std::string_view name : kColumns) {
            for (qsizetype r = 0; r < t.rowCount() && t.column(name) >= 0; ++r)
                FUZZ_CHECK(u.field(r, u.column(name)) == t.field(r, t.column(name)));
        }
    }
    return 0;
}
