#include "panel/GtfsFeed.h"

#include "reslib/InputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <csv.h>
#include <memory>
#include <zip.h>

namespace lumena::gtfs {

namespace {

using namespace std::string_view_literals;

constexpr qint64 ChunkBytes = 256 * 1024;
constexpr qint64 MaxOffset = 0xFFFFFFFF; // field ends are 32-bit

// What the import reads of each file: the columns kept, and those without
// which the file is of no use (translations.txt: either form, checked apart).
struct TableLayout {
    std::string_view name;
    std::vector<std::string_view> columns;
    std::vector<std::string_view> required;
    bool requiredFile;
};

const TableLayout& layout(File file)
{
    static const std::array<TableLayout, FileCount> layouts{{
        {"stops.txt"sv,
         {"stop_id"sv, "stop_name"sv, "zone_id"sv, "parent_station"sv},
         {"stop_id"sv, "stop_name"sv},
         true},
        {"routes.txt"sv,
         {"route_id"sv, "route_short_name"sv, "route_long_name"sv},
         {"route_id"sv},
         true},
        {"trips.txt"sv,
         {"route_id"sv, "trip_id"sv, "direction_id"sv, "trip_headsign"sv},
         {"route_id"sv, "trip_id"sv},
         true},
        {"stop_times.txt"sv,
         {"trip_id"sv, "stop_id"sv, "stop_sequence"sv, "arrival_time"sv, "departure_time"sv},
         {"trip_id"sv, "stop_id"sv, "stop_sequence"sv},
         true},
        {"fare_attributes.txt"sv, {"fare_id"sv, "price"sv}, {"fare_id"sv, "price"sv}, false},
        {"fare_rules.txt"sv,
         {"fare_id"sv, "route_id"sv, "origin_id"sv, "destination_id"sv, "contains_id"sv},
         {"fare_id"sv},
         false},
        {"translations.txt"sv,
         {"trans_id"sv, "lang"sv, "table_name"sv, "field_name"sv, "language"sv, "translation"sv,
          "record_id"sv, "field_value"sv},
         {},
         false},
    }};
    return layouts[size_t(file)];
}

QString mib(qint64 bytes)
{
    return QStringLiteral("%1 MiB").arg(bytes >> 20);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// Input bytes and kept bytes of every table read so far.
struct Budget {
    qint64 in = 0;
    qint64 held = 0;
};

} // namespace

// Feeds one table's bytes, in chunks of any size, through libcsv into a Table.
class TableBuilder {
public:
    TableBuilder(Table& table, File file, const ReadLimits& limits, Budget& budget)
        : m_table(table), m_layout(layout(file)), m_limits(limits), m_budget(budget)
    {
        m_table = Table();
        csv_init(&m_parser, 0);
        m_tableLimit = std::min(m_limits.maxTableBytes, MaxOffset);
    }
    ~TableBuilder() { csv_free(&m_parser); }
    TableBuilder(const TableBuilder&) = delete;
    TableBuilder& operator=(const TableBuilder&) = delete;

    // Declared size, as a hint for the first allocation only.
    void expect(qint64 bytes)
    {
        if (bytes > 0)
            m_table.m_text.reserve(size_t(std::min(bytes, m_tableLimit) / 2));
    }

    bool add(const char* data, qint64 n)
    {
        if (!m_problem.isEmpty())
            return false;
        m_in += n;
        m_budget.in += n;
        if (m_in > m_limits.maxTableBytes)
            return fail(QStringLiteral("larger than %1 uncompressed; refused")
                            .arg(mib(m_limits.maxTableBytes)));
        if (m_budget.in > m_limits.maxTotalBytes)
            return fail(QStringLiteral("the feed's tables exceed %1 uncompressed; refused")
                            .arg(mib(m_limits.maxTotalBytes)));
        if (!m_started) {
            // The byte order mark and the kind of line end are decided on the
            // first bytes, so they are gathered until there are enough.
            m_head.append(data, n);
            if (m_head.size() < 3)
                return true;
            return start();
        }
        parse(data, size_t(n));
        return m_problem.isEmpty();
    }

    bool finish()
    {
        if (!m_started && !start())
            return false;
        csv_fini(&m_parser, onField, onRow, this);
        if (!m_problem.isEmpty())
            return false;
        m_table.m_text.shrink_to_fit();
        m_table.m_ends.shrink_to_fit();
        m_budget.held += held();
        return true;
    }

    const QString& problem() const { return m_problem; }

private:
    static int spaceWithCr(unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; }
    static int space(unsigned char c) { return c == ' ' || c == '\t'; }
    static int termLf(unsigned char c) { return c == '\n'; }
    static int termCr(unsigned char c) { return c == '\r'; }

    bool start()
    {
        m_started = true;
        QByteArray head = std::move(m_head);
        if (head.startsWith("\xEF\xBB\xBF"))
            head.remove(0, 3);
        // LF ends a row and a CR before it is a blank to trim, so a bare CR
        // inside a field cannot split a row; only a file without any LF has
        // its rows ended by CR.
        if (head.contains('\r') && !head.contains('\n')) {
            csv_set_space_func(&m_parser, space);
            csv_set_term_func(&m_parser, termCr);
        } else {
            csv_set_space_func(&m_parser, spaceWithCr);
            csv_set_term_func(&m_parser, termLf);
        }
        parse(head.constData(), size_t(head.size()));
        return m_problem.isEmpty();
    }

    void parse(const char* data, size_t n)
    {
        if (csv_parse(&m_parser, data, n, onField, onRow, this) != n && m_problem.isEmpty())
            fail(QStringLiteral("cannot be parsed: %1")
                     .arg(QString::fromLatin1(csv_strerror(csv_error(&m_parser)))));
    }

    bool fail(const QString& problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
        return false;
    }

    qint64 held() const
    {
        return qint64(m_table.m_text.size()) + qint64(m_table.m_ends.size()) * 4;
    }

    static void onField(void* s, size_t len, void* self)
    {
        auto* b = static_cast<TableBuilder*>(self);
        if (!b->m_problem.isEmpty())
            return;
        const char* p = static_cast<const char*>(s);
        while (len > 0 && isBlank(*p)) {
            ++p;
            --len;
        }
        while (len > 0 && isBlank(p[len - 1]))
            --len;
        if (b->m_inHeader)
            b->headerField(p, len);
        else
            b->dataField(p, len);
    }

    static void onRow(int, void* self)
    {
        auto* b = static_cast<TableBuilder*>(self);
        if (!b->m_problem.isEmpty())
            return;
        if (b->m_inHeader)
            b->endHeader();
        else
            b->endRow();
        b->m_field = 0;
    }

    void headerField(const char* p, size_t len)
    {
        if (++m_field > m_limits.maxColumns) {
            fail(QStringLiteral("the header has more than %1 columns; refused")
                     .arg(m_limits.maxColumns));
            return;
        }
        std::string name(p, len);
        if (m_field == 1 && name.starts_with("\xEF\xBB\xBF"))
            name.erase(0, 3);
        for (char& c : name)
            c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        while (!name.empty() && isBlank(name.back()))
            name.pop_back();
        while (!name.empty() && isBlank(name.front()))
            name.erase(0, 1);
        int slot = -1;
        const auto known = std::find(m_layout.columns.begin(), m_layout.columns.end(), name);
        if (known != m_layout.columns.end() &&
            std::find(m_table.m_names.begin(), m_table.m_names.end(), *known) ==
                m_table.m_names.end()) {
            slot = int(m_table.m_names.size());
            m_table.m_names.push_back(*known);
        }
        m_slotOfField.push_back(slot);
    }

    void endHeader()
    {
        m_inHeader = false;
        m_table.m_present = true;
        m_table.m_stride = m_table.m_names.size();
    }

    // Kept fields arrive in slot order: slots were given in header order.
    void dataField(const char* p, size_t len)
    {
        const size_t raw = m_field++;
        m_table.m_hasData = m_table.m_hasData || len > 0;
        if (raw >= m_slotOfField.size() || m_slotOfField[raw] < 0)
            return;
        std::string& text = m_table.m_text;
        if (std::memchr(p, '\r', len)) {
            for (size_t i = 0; i < len; ++i)
                if (p[i] != '\r')
                    text.push_back(p[i]);
        } else {
            text.append(p, len);
        }
        m_table.m_ends.push_back(quint32(text.size()));
    }

    void endRow()
    {
        std::vector<quint32>& ends = m_table.m_ends;
        if (m_table.m_text.size() == m_rowText) {
            // Nothing kept: a blank line, or a row of empty fields.
            ends.resize(m_rowEnds);
            return;
        }
        ends.resize(m_rowEnds + m_table.m_stride, quint32(m_table.m_text.size()));
        m_rowEnds = ends.size();
        m_rowText = m_table.m_text.size();
        if (held() > m_tableLimit)
            fail(QStringLiteral("takes more than %1 in memory; refused").arg(mib(m_tableLimit)));
        else if (m_budget.held + held() > m_limits.maxTotalBytes)
            fail(QStringLiteral("the feed's tables take more than %1 in memory; refused")
                     .arg(mib(m_limits.maxTotalBytes)));
    }

    Table& m_table;
    const TableLayout& m_layout;
    const ReadLimits& m_limits;
    Budget& m_budget;
    qint64 m_tableLimit = 0;
    csv_parser m_parser{};
    QByteArray m_head;
    bool m_started = false;
    bool m_inHeader = true;
    qint64 m_in = 0;
    qint64 m_field = 0;
    std::vector<int> m_slotOfField; // header field -> kept column, or -1
    size_t m_rowEnds = 0;           // m_ends size when the row began
    size_t m_rowText = 0;           // m_text size when the row began
    QString m_problem;
};

int Table::column(std::string_view name) const
{
    const auto it = std::find(m_names.begin(), m_names.end(), name);
    return it == m_names.end() ? -1 : int(it - m_names.begin());
}

QString fileName(File file)
{
    const std::string_view n = layout(file).name;
    return QString::fromLatin1(n.data(), qsizetype(n.size()));
}

namespace {

constexpr std::array<File, FileCount> AllFiles{
    File::Stops,          File::Routes,    File::Trips,       File::StopTimes,
    File::FareAttributes, File::FareRules, File::Translations};

// The file this base name (any case) stands for.
std::optional<File> fileOf(const QString& baseName)
{
    for (File f : AllFiles) {
        if (baseName.compare(fileName(f), Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

bool checkColumns(const Feed& feed, Problem& problem)
{
    for (File f : AllFiles) {
        const Table& t = feed.table(f);
        const TableLayout& s = layout(f);
        if (!t.present()) {
            if (s.requiredFile) {
                problem = {fileName(f), QStringLiteral("missing from the feed, or empty")};
                return false;
            }
            continue;
        }
        // A header-only optional file is as good as none.
        if (!s.requiredFile && !t.hasData())
            continue;
        std::vector<std::string_view> required = s.required;
        if (f == File::Translations) {
            if (t.column("trans_id") >= 0)
                required = {"trans_id"sv, "lang"sv, "translation"sv};
            else
                required = {"table_name"sv, "field_name"sv, "language"sv, "translation"sv};
        }
        for (std::string_view c : required) {
            if (t.column(c) < 0) {
                problem = {fileName(f),
                           QStringLiteral("has no column \"%1\"")
                               .arg(QString::fromLatin1(c.data(), qsizetype(c.size())))};
                return false;
            }
        }
    }
    return true;
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
using ZipPtr = std::unique_ptr<zip_t, ZipCloser>;

QString zipErrorText(int code)
{
    zip_error_t e;
    zip_error_init_with_code(&e, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&e));
    zip_error_fini(&e);
    return text;
}

bool readZip(zip_t* zip, Feed& feed, Problem& problem, const ReadLimits& limits)
{
    const zip_int64_t entries = zip_get_num_entries(zip, 0);
    if (entries > limits.maxEntries) {
        problem = {QString(), QStringLiteral("the zip holds %1 entries, more than %2; refused")
                                  .arg(entries)
                                  .arg(limits.maxEntries)};
        return false;
    }
    // The feed's folder is the one that holds stops.txt nearest the top.
    struct Entry {
        QString folder;
        zip_uint64_t index;
    };
    std::array<std::vector<Entry>, FileCount> found;
    for (zip_int64_t i = 0; i < entries; ++i) {
        const char* raw = zip_get_name(zip, zip_uint64_t(i), 0);
        if (!raw)
            continue;
        const QString name = QString::fromUtf8(raw);
        if (name.endsWith(u'/') || name.startsWith(QStringLiteral("__MACOSX/")))
            continue;
        const qsizetype slash = name.lastIndexOf(u'/');
        if (const auto f = fileOf(name.mid(slash + 1)))
            found[size_t(*f)].push_back({name.left(slash + 1), zip_uint64_t(i)});
    }
    const auto& stops = found[size_t(File::Stops)];
    QString folder;
    if (!stops.empty()) {
        const auto top = std::min_element(stops.begin(), stops.end(), [](auto& a, auto& b) {
            return a.folder.count(u'/') < b.folder.count(u'/');
        });
        folder = top->folder;
    }
    Budget budget;
    for (File f : AllFiles) {
        const auto& candidates = found[size_t(f)];
        const auto it = std::find_if(candidates.begin(), candidates.end(),
                                     [&](const Entry& e) { return e.folder == folder; });
        if (it == candidates.end())
            continue;
        std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, it->index, 0));
        if (!file) {
            problem = {fileName(f), QStringLiteral("cannot be read from the zip: %1")
                                        .arg(QString::fromLocal8Bit(zip_strerror(zip)))};
            return false;
        }
        TableBuilder builder(feed.table(f), f, limits, budget);
        zip_stat_t st;
        if (zip_stat_index(zip, it->index, 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE))
            builder.expect(qint64(std::min<zip_uint64_t>(st.size, zip_uint64_t(MaxOffset))));
        std::vector<char> buffer(ChunkBytes);
        for (;;) {
            const zip_int64_t n = zip_fread(file.get(), buffer.data(), buffer.size());
            if (n < 0) {
                problem = {fileName(f),
                           QStringLiteral("cannot be read from the zip: %1")
                               .arg(QString::fromLocal8Bit(zip_file_strerror(file.get())))};
                return false;
            }
            if (n == 0)
                break;
            if (!builder.add(buffer.data(), n))
                break;
        }
        if (!builder.finish()) {
            problem = {fileName(f), builder.problem()};
            return false;
        }
    }
    return checkColumns(feed, problem);
}

bool readFolder(const QString& path, Feed& feed, Problem& problem, const ReadLimits& limits)
{
    const QDir dir(path);
    const QStringList names = dir.entryList(QDir::Files | QDir::Readable | QDir::Hidden);
    Budget budget;
    for (File f : AllFiles) {
        // An exact name wins over one that differs only in case.
        QString name = fileName(f);
        if (!names.contains(name)) {
            const auto it = std::find_if(names.begin(), names.end(), [&](const QString& n) {
                return n.compare(name, Qt::CaseInsensitive) == 0;
            });
            if (it == names.end())
                continue;
            name = *it;
        }
        QFile file(dir.filePath(name));
        const InputCheck opened = openInputFile(file);
        if (opened == InputCheck::NotAFile)
            continue;
        if (opened != InputCheck::Ok) {
            problem = {fileName(f), QStringLiteral("cannot be opened")};
            return false;
        }
        TableBuilder builder(feed.table(f), f, limits, budget);
        builder.expect(file.size());
        std::vector<char> buffer(ChunkBytes);
        for (;;) {
            const qint64 n = file.read(buffer.data(), qint64(buffer.size()));
            if (n < 0) {
                problem = {fileName(f),
                           QStringLiteral("cannot be read: %1").arg(file.errorString())};
                return false;
            }
            if (n == 0 || !builder.add(buffer.data(), n))
                break;
        }
        if (!builder.finish()) {
            problem = {fileName(f), builder.problem()};
            return false;
        }
    }
    return checkColumns(feed, problem);
}

} // namespace

bool readFeed(const QString& path, Feed& feed, Problem& problem, const ReadLimits& limits)
{
    feed = Feed();
    const QFileInfo info(path);
    if (!info.exists()) {
        problem = {QString(), QStringLiteral("no such file or folder")};
        return false;
    }
    if (info.isDir())
        return readFolder(path, feed, problem, limits);
    // Anything but a regular file (a FIFO, a device) would block or never end.
    if (!info.isFile()) {
        problem = {QString(), QStringLiteral("not a zip file or a folder")};
        return false;
    }
    int error = 0;
    ZipPtr zip(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!zip) {
        problem = {QString(),
                   error == ZIP_ER_NOZIP
                       ? QStringLiteral("not a zip file or a folder")
                       : QStringLiteral("cannot open the zip: %1").arg(zipErrorText(error))};
        return false;
    }
    return readZip(zip.get(), feed, problem, limits);
}

bool readZipData(const QByteArray& data, Feed& feed, Problem& problem, const ReadLimits& limits)
{
    feed = Feed();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(data.constData(), zip_uint64_t(data.size()), 0, &error);
    ZipPtr zip(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!zip) {
        const int code = zip_error_code_zip(&error);
        problem = {QString(), code == ZIP_ER_NOZIP
                                  ? QStringLiteral("not a zip file")
                                  : QStringLiteral("cannot open the zip: %1")
                                        .arg(QString::fromLocal8Bit(zip_error_strerror(&error)))};
        zip_error_fini(&error);
        if (source)
            zip_source_free(source);
        return false;
    }
    zip_error_fini(&error);
    return readZip(zip.get(), feed, problem, limits);
}

bool readFiles(const QMap<QString, QByteArray>& files, Feed& feed, Problem& problem,
               const ReadLimits& limits)
{
    feed = Feed();
    Budget budget;
    for (auto it = files.begin(); it != files.end(); ++it) {
        const auto f = fileOf(it.key());
        if (!f)
            continue;
        TableBuilder builder(feed.table(*f), *f, limits, budget);
        if (!it.value().isEmpty())
            builder.add(it.value().constData(), it.value().size());
        if (!builder.finish()) {
            problem = {fileName(*f), builder.problem()};
            return false;
        }
    }
    return checkColumns(feed, problem);
}

} // namespace lumena::gtfs
