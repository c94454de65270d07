// lumena-data route ...: dump, convert to and from CSV, and check route fare
// files (.hy3) for the people who make routes.
//
// The CSV form is UTF-8 with the header stop,ticket,fare1,...,fare150; rows
// may leave out trailing fare columns (read as 0). to-csv always writes all
// 150 fares, so hy3 -> csv -> hy3 gives back the same records and the same
// bytes, with two exceptions: bytes after the last record, which are no part
// of the route, are not carried, and a character that code page 932 holds
// twice (an NEC or IBM extension also found elsewhere, e.g. ED 40 and FA 5C)
// comes back in the one form the encoder writes (FA 5C). A stop name has no
// control characters: to-csv and from-csv refuse one that has.
//
// Files larger than routefile::MaxWholeFileBytes (route files and CSVs
// alike) are refused from their size before they are read.

#include "panel/RouteFile.h"
#include "reslib/ShiftJis.h"
#include "tools/lumena-data/Command.h"

#include <QStringDecoder>
#include <cstdio>
#include <functional>
#include <limits>
#include <optional>

namespace lumena::tool {

namespace {

constexpr int kFares = RouteRecord::FareCount;
// Far above any route: a CSV of 32,767 stops with 150 four-digit fares fits.
constexpr qint64 kMaxFileBytes = routefile::MaxWholeFileBytes;

bool readWhole(const QString& path, QByteArray& out, QString& problem)
{
    return readInput(path, kMaxFileBytes, out, problem);
}

// The first control character of a stop name (C0, DEL, C1), if any.
std::optional<char16_t> controlCharacter(const QString& name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return c.unicode();
    }
    return std::nullopt;
}

QString codePoint(char16_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

QString cutProblem(const routefile::Scan& s)
{
    switch (s.cut) {
    case routefile::Cut::None:
        return {};
    case routefile::Cut::Header:
        return QStringLiteral("truncated: %1 byte(s), too short for the record count").arg(s.size);
    case routefile::Cut::Name:
        return QStringLiteral("truncated: the stop name of record %1 (%2 bytes) runs past the end "
                              "of the file (%3 of %4 records complete)")
            .arg(s.cutRecord)
            .arg(s.cutNameBytes)
            .arg(s.records.size())
            .arg(s.count);
    case routefile::Cut::NameLength:
    case routefile::Cut::Body:
        break;
    }
    return QStringLiteral("truncated: the file ends inside record %1 (%2 of %3 records complete)")
        .arg(s.cutRecord)
        .arg(s.records.size())
        .arg(s.count);
}

// Reads a route file for dump and to-csv: every declared record, complete.
bool loadStrict(const QString& path, routefile::Scan& s, QString& problem)
{
    QByteArray bytes;
    if (!readWhole(path, bytes, problem))
        return false;
    s = routefile::scan(bytes);
    if (!s.complete()) {
        problem = cutProblem(s);
        return false;
    }
    if (s.count < 0) {
        problem = QStringLiteral("negative record count %1").arg(s.count);
        return false;
    }
    return true;
}

int dump(const Args& a)
{
    const QString path = a.positional.value(0);
    routefile::Scan s;
    QString problem;
    if (!loadStrict(path, s, problem))
        return fail(path, problem);
    QByteArray out = "{\"count\": " + QByteArray::number(s.count) + ", \"records\": [";
    for (qsizetype i = 0; i < s.records.size(); ++i) {
        const RouteRecord& r = s.records[i];
        out += i ? ",\n  " : "\n  ";
        out += "{\"stop\": " + jsonString(r.StopName) +
               ", \"ticket\": " + QByteArray::number(r.TicketNo) + ", \"fares\": [";
        for (int k = 1; k <= kFares; ++k) {
            if (k > 1)
                out += ", ";
            out += QByteArray::number(r.fare(k));
        }
        out += "]}";
    }
    out += s.records.isEmpty() ? "]}\n" : "\n]}\n";
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

int toCsv(const Args& a)
{
    const QString in = a.positional.value(0);
    const QString outPath = a.positional.value(1);
    routefile::Scan s;
    QString problem;
    if (!loadStrict(in, s, problem))
        return fail(in, problem);
    if (!s.badNames.isEmpty())
        return fail(in, QStringLiteral("the stop name of record %1 is not valid Shift-JIS")
                            .arg(s.badNames.first()));
    for (qsizetype i = 0; i < s.records.size(); ++i) {
        if (const auto c = controlCharacter(s.records[i].StopName))
            return fail(in, QStringLiteral("the stop name of record %1 has the control character "
                                           "%2, which a CSV cannot carry")
                                .arg(i + 1)
                                .arg(codePoint(*c)));
    }
    QString text = QStringLiteral("stop,ticket");
    for (int k = 1; k <= kFares; ++k)
        text += QStringLiteral(",fare%1").arg(k);
    text += u'\n';
    for (const RouteRecord& r : s.records) {
        text += csvField(r.StopName) + u',' + QString::number(r.TicketNo);
        for (qint16 f : r.Fares)
            text += u',' + QString::number(f);
        text += u'\n';
    }
    QString error;
    if (!writeFileAtomically(outPath, text.toUtf8(), error))
        return fail(outPath, QStringLiteral("cannot write: ") + error);
    return 0;
}

// One CSV row and the line it starts on.
struct CsvRow {
    int line = 0;
    QStringList fields;
};

// Parses the text row by row, handing each to `take` (which may stop the
// parse by returning false), so the rows are never all held at once.
bool parseCsv(const QString& text, const std::function<bool(const CsvRow&)>& take, QString& problem)
{
    int line = 1;
    CsvRow row{1, {}};
    QString field;
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the current field was quoted and has closed
    auto endField = [&] {
        row.fields << field;
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        const bool ok = (row.fields.size() == 1 && row.fields[0].isEmpty()) || take(row);
        row = CsvRow{line, {}};
        return ok;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                    wasQuoted = true;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            ++line;
            if (!endRow())
                return false;
        } else if (wasQuoted) {
            problem = QStringLiteral("line %1: text after a closing quote").arg(line);
            return false;
        } else if (c == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (c == u'"') {
            problem = QStringLiteral("line %1: a quote inside an unquoted field").arg(line);
            return false;
        } else {
            field += c;
        }
    }
    if (quoted) {
        problem = QStringLiteral("line %1: a quoted field is never closed").arg(row.line);
        return false;
    }
    return endRow();
}

bool parseI16(const QString& text, bool emptyIsZero, qint16& out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        out = 0;
        return emptyIsZero;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return false;
    out = static_cast<qint16>(v);
    return true;
}

bool recordsFromCsv(const QByteArray& bytes, QList<RouteRecord>& records, QString& problem)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        problem = QStringLiteral("not UTF-8 text");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList header;
    const auto takeHeader = [&](const CsvRow& row) {
        header = row.fields;
        bool ok = header.size() >= 2 && header.size() <= 2 + kFares &&
                  header[0] == QStringLiteral("stop") && header[1] == QStringLiteral("ticket");
        for (qsizetype i = 2; ok && i < header.size(); ++i)
            ok = header[i] == QStringLiteral("fare%1").arg(i - 1);
        if (!ok)
            problem = QStringLiteral("line %1: the header must be stop,ticket,fare1,...,fare150 "
                                     "(trailing fare columns may be left out)")
                          .arg(row.line);
        return ok;
    };
    const auto takeStop = [&](const CsvRow& row) {
        if (records.size() == 0x7FFF) {
            problem = QStringLiteral("line %1: more than 32767 stops, the most a route file "
                                     "holds")
                          .arg(row.line);
            return false;
        }
        const qsizetype stop = records.size() + 1;
        if (row.fields.size() > header.size()) {
            problem = QStringLiteral("line %1: %2 fields, more than the header's %3")
                          .arg(row.line)
                          .arg(row.fields.size())
                          .arg(header.size());
            return false;
        }
        RouteRecord r;
        r.StopName = row.fields[0];
        if (const auto c = controlCharacter(r.StopName)) {
            problem = QStringLiteral("line %1 (stop %2): the stop name has the control character "
                                     "%3; a stop name has none")
                          .arg(row.line)
                          .arg(stop)
                          .arg(codePoint(*c));
            return false;
        }
        const QByteArray name = sjis::fromUnicode(r.StopName);
        if (name.count('?') != r.StopName.count(u'?')) {
            problem = QStringLiteral("line %1: the stop name \"%2\" has a character Shift-JIS "
                                     "lacks")
                          .arg(row.line)
                          .arg(r.StopName);
            return false;
        }
        if (name.size() > routefile::MaxNameBytes) {
            problem = QStringLiteral("line %1: the stop name is %2 bytes in Shift-JIS, more than "
                                     "65535")
                          .arg(row.line)
                          .arg(name.size());
            return false;
        }
        if (row.fields.size() < 2 || !parseI16(row.fields[1], false, r.TicketNo)) {
            problem = QStringLiteral("line %1: the ticket number \"%2\" is not a whole number "
                                     "from -32768 to 32767")
                          .arg(row.line)
                          .arg(row.fields.value(1));
            return false;
        }
        for (qsizetype i = 2; i < row.fields.size(); ++i) {
            qint16 v = 0;
            if (!parseI16(row.fields[i], true, v)) {
                problem = QStringLiteral("line %1: fare%2 \"%3\" is not a whole number from "
                                         "-32768 to 32767")
                              .arg(row.line)
                              .arg(i - 1)
                              .arg(row.fields[i]);
                return false;
            }
            r.setFare(static_cast<int>(i - 1), v);
        }
        records << r;
        return true;
    };
    bool inHeader = true;
    const bool parsed = parseCsv(
        text,
        [&](const CsvRow& row) {
            if (!inHeader)
                return takeStop(row);
            inHeader = false;
            return takeHeader(row);
        },
        problem);
    if (!parsed)
        return false;
    if (inHeader) {
        problem = QStringLiteral("no header row");
        return false;
    }
    return true;
}

int fromCsv(const Args& a)
{
    const QString in = a.positional.value(0);
    const QString outPath = a.positional.value(1);
    QByteArray bytes;
    QString problem;
    if (!readWhole(in, bytes, problem))
        return fail(in, problem);
    QList<RouteRecord> records;
    if (!recordsFromCsv(bytes, records, problem))
        return fail(in, problem);
    QByteArray image;
    if (const Error e = routefile::encode(records, image))
        return fail(in, e.description);
    QString error;
    if (!writeFileAtomically(outPath, image, error))
        return fail(outPath, QStringLiteral("cannot write: ") + error);
    return 0;
}

// Everything that keeps a file from being a sound route, refusals first.
QStringList problemsOf(const routefile::Scan& s)
{
    QStringList p;
    if (s.cut == routefile::Cut::Header)
        return {cutProblem(s)};
    if (s.count == 0)
        p << QStringLiteral("record count is 0: refused as a route with no data");
    else if (s.count < 0)
        p << QStringLiteral("negative record count %1: no section can be set").arg(s.count);
    else if (s.count == 1)
        p << QStringLiteral("only 1 record: no section can be set (sections run 1 to count - 1)");
    if (s.count > RouteState::RouteRows)
        p << QStringLiteral("%1 records: more than the %2 the route table holds")
                 .arg(s.count)
                 .arg(RouteState::RouteRows);
    if (!s.complete())
        p << cutProblem(s);
    for (int i : s.badNames)
        p << QStringLiteral("record %1: the stop name is not valid Shift-JIS").arg(i);
    for (qsizetype i = 0; i < s.records.size(); ++i) {
        if (const auto c = controlCharacter(s.records[i].StopName))
            p << QStringLiteral("record %1: the stop name has the control character %2")
                     .arg(i + 1)
                     .arg(codePoint(*c));
    }
    for (qsizetype i = 0; i < s.records.size(); ++i) {
        QStringList odd;
        for (int k = 1; k <= kFares; ++k) {
            if (s.records[i].fare(k) < -1)
                odd << QStringLiteral("fare%1 = %2").arg(k).arg(s.records[i].fare(k));
        }
        if (!odd.isEmpty())
            p << QStringLiteral("record %1: negative fares other than the -1 marker: %2")
                     .arg(i + 1)
                     .arg(odd.join(QStringLiteral(", ")));
    }
    if (s.trailing() > 0)
        p << QStringLiteral("%1 byte(s) after the last record are ignored").arg(s.trailing());
    return p;
}

bool accepted(const routefile::Scan& s)
{
    return s.complete() && s.count >= 2 && s.count <= RouteState::RouteRows;
}

int check(const Args& a)
{
    const QString path = a.positional.value(0);
    QByteArray bytes;
    QString problem;
    if (!readWhole(path, bytes, problem))
        return fail(path, problem);
    const routefile::Scan s = routefile::scan(bytes);
    const QStringList problems = problemsOf(s);
    QByteArray out;
    for (const QString& p : problems)
        out += (path + QStringLiteral(": ") + p + u'\n').toUtf8();
    if (accepted(s))
        out += (path + QStringLiteral(": accepted: %1 stops, sections 1 to %2\n")
                           .arg(s.count)
                           .arg(qMin<int>(s.count - 1, 300)))
                   .toUtf8();
    else
        out += (path + QStringLiteral(": refused\n")).toUtf8();
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    if (!accepted(s))
        return 1;
    return a.has(QStringLiteral("--strict")) && !problems.isEmpty() ? 1 : 0;
}

Command make(const char* verb, const char* usage, qsizetype n, int (*run)(const Args&))
{
    const QString u = QString::fromLatin1(usage);
    return Command{
        {QStringLiteral("route"), QString::fromLatin1(verb)}, u, {}, {}, withArgs(n, u, run)};
}

const Register kDump{make("dump", "route dump FILE.hy3", 1, dump)};
const Register kToCsv{make("to-csv", "route to-csv FILE.hy3 OUT.csv", 2, toCsv)};
const Register kFromCsv{make("from-csv", "route from-csv IN.csv OUT.hy3", 2, fromCsv)};
Command checkCommand()
{
    Command c = make("check", "route check [--strict] FILE.hy3", 1, check);
    c.flags = {QStringLiteral("--strict")}; // any warning fails the check too
    return c;
}

const Register kCheck{checkCommand()};

} // namespace

} // namespace lumena::tool
