#pragma once
// The route fare file (.hy3): a signed 16-bit little-endian record count N,
// then N records back to back, each
//   unsigned 16-bit name length L, L bytes of Shift-JIS name (no terminator),
//   signed 16-bit TicketNo, 150 signed 16-bit fares.
// A record is 304 + L bytes; bytes after the N-th record are not part of the
// route.
//
// scan() reads as far as the bytes allow and says where and why it stopped,
// so the simulator, the data tool and its checker share one reading of the
// format. readRecords() is the strict form: all N records or an error.

#include "panel/RouteState.h"
#include "reslib/ErrorCodes.h"

#include <QByteArray>
#include <QList>

namespace lumena::routefile {

constexpr qsizetype HeaderSize = 2;
constexpr qsizetype RecordFixedSize = 304; // everything but the name bytes
constexpr qsizetype MaxNameBytes = 0xFFFF;
// Route setting reads the header and no more than its at most 301 records
// can take (19,817,541 bytes with the longest names), never what follows.
// Whoever reads a route file whole (lumena-data, the GTFS import keeping the
// file it replaces) takes one of at most MaxWholeFileBytes and refuses a
// larger one from its size: far above any route.
constexpr qint64 MaxWholeFileBytes = qint64(32) << 20;

// Where the bytes ran out before the declared records were complete.
enum class Cut {
    None,
    Header,     // fewer than 2 bytes: no record count
    NameLength, // the record's 2-byte name length is missing or cut
    Name,       // the name runs past the end of the data
    Body,       // TicketNo or fares are cut
};

struct Scan {
    qint16 count = 0;           // declared N (0 when the header is cut)
    QList<RouteRecord> records; // the complete records, in file order
    Cut cut = Cut::None;
    int cutRecord = 0;        // 1-based record being read when the data ran out
    quint16 cutNameBytes = 0; // with Cut::Name: the declared name length
    qsizetype used = 0;       // bytes taken by the header and the complete records
    qsizetype size = 0;       // all bytes given
    QList<int> badNames;      // 1-based records whose name is not valid Shift-JIS

    bool complete() const { return cut == Cut::None; }
    qsizetype trailing() const { return complete() ? size - used : 0; }
};

// Reads the header and min(N, maxRecords) records (none when N <= 0).
Scan scan(QByteArrayView bytes, int maxRecords = 0x7FFF);

// The failure a cut scan stands for, with a description that names the
// record; no error for a complete scan.
Error cutError(const Scan& s);

// Error for a file that declares more records than the route table holds.
Error tooManyRecordsError(int count);

// Error for a file whose record count is negative: a damaged file.
Error negativeCountError(int count);

// All N records, or an error (cut data, negative N). N = 0 gives no records.
Error readRecords(QByteArrayView bytes, QList<RouteRecord>& out);

// The file image of `records`. Fails (and leaves `out` alone) when there are
// more than 32767 records, a name has a character Shift-JIS lacks or its
// Shift-JIS form is longer than 65535 bytes.
Error encode(const QList<RouteRecord>& records, QByteArray& out);

} // namespace lumena::routefile
