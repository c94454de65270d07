#pragma once
// A GTFS (GTFS-JP) feed read into memory: the tables and columns a route
// import needs, from a zip, a folder of .txt files, or files in memory.
//
// Published feeds are untidy, and the reader takes them as they come: a
// UTF-8 byte order mark or none, CR LF or LF line ends (CR alone when a file
// has no LF at all), a bare CR inside a field (dropped), every field quoted or
// none, columns in any order, unknown columns (ignored), header names with
// stray blanks or capitals, blank lines, rows shorter or longer than the
// header (missing fields read as empty), 0-byte or header-only files (read as
// absent). Blanks and CRs around every field are trimmed. The CSV itself is
// parsed by libcsv; zips are opened with libzip.
//
// The input is bounded before it is trusted (ReadLimits): a zip with too many
// entries, a header with too many columns, or a table larger than its limit
// once uncompressed or once held in memory is refused while it is being
// read, whatever sizes the archive declares.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace lumena::gtfs {

struct ReadLimits {
    qint64 maxEntries = 10000; // entries of a zip archive
    qint64 maxColumns = 1000;  // header fields of one table
    // One table: its uncompressed bytes, and separately the memory the fields
    // kept from it take (text and index).
    qint64 maxTableBytes = qint64(256) << 20;
    // Every table read, counted the same two ways.
    qint64 maxTotalBytes = qint64(512) << 20;
};

// Why a feed cannot be used: the file concerned ("stops.txt"; empty for the
// feed as a whole) and the problem, in one line.
struct Problem {
    QString file;
    QString text;
};

// The tables read. Others in the feed (calendar, shapes ...) are never read.
enum class File { Stops, Routes, Trips, StopTimes, FareAttributes, FareRules, Translations };
constexpr int FileCount = 7;

// "stops.txt" and so on.
QString fileName(File file);

// One table with the columns the import uses (the others are dropped while
// reading): each row's fields as trimmed UTF-8 bytes. Views stay valid while
// the table lives.
class Table {
public:
    // False for a file that is missing, empty or has no header.
    bool present() const { return m_present; }

    // The column with this (lower-case) header name, or -1 when the header
    // lacks it or the import does not use it.
    int column(std::string_view name) const;
    // Rows with something in the kept columns.
    qsizetype rowCount() const { return m_stride ? qsizetype(m_ends.size() / m_stride) : 0; }
    // Whether any row below the header has something in any column.
    bool hasData() const { return m_hasData; }

    // The field; empty for column -1 and for fields a short row lacks.
    std::string_view field(qsizetype row, int column) const
    {
        if (column < 0)
            return {};
        const size_t i = size_t(row) * m_stride + size_t(column);
        const quint32 begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text.data() + begin, m_ends[i] - begin);
    }

private:
    friend class TableBuilder;
    std::vector<std::string_view> m_names; // kept columns, in header order
    std::string m_text;                    // the kept fields of every row, back to back
    std::vector<quint32> m_ends;           // end of each kept field in m_text
    size_t m_stride = 0;                   // kept columns
    bool m_present = false;
    bool m_hasData = false;
};

class Feed {
public:
    const Table& table(File file) const { return m_tables[size_t(file)]; }
    Table& table(File file) { return m_tables[size_t(file)]; }

private:
    std::array<Table, FileCount> m_tables;
};

// Reads a feed from a zip file or a folder. The feed's files may also lie in
// one folder inside the zip (the one holding stops.txt nearest the top).
// Checks that stops, routes, trips and stop_times are there with the columns
// a route import needs, and that any fare or translation file present has
// its own; false with `problem` otherwise.
bool readFeed(const QString& path, Feed& feed, Problem& problem, const ReadLimits& limits = {});

// The same for a zip archive in memory.
bool readZipData(const QByteArray& zip, Feed& feed, Problem& problem,
                 const ReadLimits& limits = {});

// The same for files in memory, by name ("stops.txt" ...; other names are
// ignored).
bool readFiles(const QMap<QString, QByteArray>& files, Feed& feed, Problem& problem,
               const ReadLimits& limits = {});

} // namespace lumena::gtfs
