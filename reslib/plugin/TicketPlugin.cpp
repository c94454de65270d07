#include "reslib/plugin/TicketPlugin.h"

#include "reslib/ShiftJis.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <optional>

namespace lumena {

namespace {

using namespace plugin_limits;

// Text of the file: UTF-8 when the bytes are valid UTF-8, otherwise Shift-JIS.
bool decodeText(const QByteArray& bytes, QString& text, QString& error)
{
    if (bytes.contains('\0')) {
        error = QStringLiteral("the file holds NUL bytes: not a text file");
        return false;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    text = utf8.decode(bytes);
    if (!utf8.hasError())
        return true;
    if (!sjis::isValid(bytes)) {
        error = QStringLiteral("the text is neither UTF-8 nor Shift-JIS");
        return false;
    }
    text = sjis::toUnicode(bytes);
    return true;
}

struct Field {
    QString value;
    int line = 0;
};

// One [section] with its keys as written.
struct Section {
    QString name;
    int line = 0;
    QHash<QString, Field> keys;
    QList<Field> repeated; // the list keys of [remarks] and [companies]
};

class Reader {
public:
    explicit Reader(QString& error) : m_error(error) {}

    bool fail(int line, const QString& what)
    {
        m_error = line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(what) : what;
        return false;
    }

    bool split(const QString& text, QList<Section>& sections)
    {
        const QStringList lines = text.split(u'\n');
        int n = 0;
        for (QString raw : lines) {
            ++n;
            if (raw.endsWith(u'\r'))
                raw.chop(1);
            if (raw.size() > MaxLineChars)
                return fail(n, QStringLiteral("line longer than %1 characters").arg(MaxLineChars));
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
                continue;
            if (line.startsWith(u'[')) {
                if (!line.endsWith(u']'))
                    return fail(n, QStringLiteral("a section header must end with \"]\""));
                const QString name = line.mid(1, line.size() - 2).trimmed().toLower();
                if (!knownSection(name))
                    return fail(n, QStringLiteral("unknown section [%1]").arg(name));
                sections.append({name, n, {}, {}});
                if (sections.size() > MaxItems + 4)
                    return fail(n, QStringLiteral("more than %1 items").arg(MaxItems));
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            if (eq <= 0)
                return fail(n, QStringLiteral("expected \"key = value\" or a [section]"));
            if (sections.isEmpty())
                return fail(n, QStringLiteral("a key before the first [section]"));
            const QString key = line.left(eq).trimmed().toLower();
            QString value = line.mid(eq + 1).trimmed();
            if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
                value = value.mid(1, value.size() - 2);
            Section& s = sections.last();
            if (isListKey(s.name, key)) {
                s.repeated.append({value, n});
                continue;
            }
            if (!knownKey(s.name, key))
                return fail(n, QStringLiteral("unknown key \"%1\" in [%2]").arg(key, s.name));
            if (s.keys.contains(key))
                return fail(n, QStringLiteral("\"%1\" given twice in [%2]").arg(key, s.name));
            s.keys.insert(key, {value, n});
        }
        return true;
    }

    static bool knownSection(const QString& name)
    {
        static const QSet<QString> names = {QStringLiteral("ticket"),    QStringLiteral("remarks"),
                                            QStringLiteral("companies"), QStringLiteral("text"),
                                            QStringLiteral("line"),      QStringLiteral("frame"),
                                            QStringLiteral("barcode")};
        return names.contains(name);
    }

    static bool isListKey(const QString& section, const QString& key)
    {
        return (section == u"remarks" && key == u"line") ||
               (section == u"companies" && key == u"name");
    }

    static bool knownKey(const QString& section, const QString& key)
    {
        static const QHash<QString, QSet<QString>> keys = {
            {QStringLiteral("ticket"),
             {QStringLiteral("format"), QStringLiteral("name"), QStringLiteral("width"),
              QStringLiteral("height"), QStringLiteral("paper"), QStringLiteral("print-date"),
              QStringLiteral("print-time"), QStringLiteral("print-route"),
              QStringLiteral("print-stop"), QStringLiteral("print-barcode"),
              QStringLiteral("barcode-count"), QStringLiteral("route-limit"),
              QStringLiteral("route-scheme"), QStringLiteral("stop-first"),
              QStringLiteral("stop-last"), QStringLiteral("stop-source"),
              QStringLiteral("company-switching")}},
            {QStringLiteral("remarks"), {}},
            {QStringLiteral("companies"), {}},
            {QStringLiteral("text"),
             {QStringLiteral("box"), QStringLiteral("text"), QStringLiteral("font"),
              QStringLiteral("size"), QStringLiteral("weight"), QStringLiteral("italic"),
              QStringLiteral("align"), QStringLiteral("valign"), QStringLiteral("rotate"),
              QStringLiteral("fit"), QStringLiteral("color")}},
            {QStringLiteral("line"),
             {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("width"),
              QStringLiteral("style"), QStringLiteral("color")}},
            {QStringLiteral("frame"),
             {QStringLiteral("box"), QStringLiteral("width"), QStringLiteral("radius"),
              QStringLiteral("style"), QStringLiteral("color"), QStringLiteral("fill")}},
            {QStringLiteral("barcode"),
             {QStringLiteral("type"), QStringLiteral("box"), QStringLiteral("data"),
              QStringLiteral("start"), QStringLiteral("stop"), QStringLiteral("rotate"),
              QStringLiteral("color")}},
        };
        return keys.value(section).contains(key);
    }

    // Typed readers: each takes the key from the section if present, checks it
    // and leaves `out` untouched when it is absent.
    bool integer(const Section& s, const QString& key, int lo, int hi, int& out)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend())
            return true;
        bool ok = false;
        const int v = it->value.toInt(&ok);
        if (!ok)
            return fail(it->line, QStringLiteral("%1 must be a whole number").arg(key));
        if (v < lo || v > hi)
            return fail(it->line,
                        QStringLiteral("%1 must lie between %2 and %3").arg(key).arg(lo).arg(hi));
        out = v;
        return true;
    }

    // "normal", "bold" or a number 100..900 (CSS weights).
    bool weight(const Section& s, int& out)
    {
        auto it = s.keys.constFind(QStringLiteral("weight"));
        if (it == s.keys.cend())
            return true;
        const QString v = it->value.toLower();
        if (v == u"normal") {
            out = 400;
            return true;
        }
        if (v == u"bold") {
            out = 700;
            return true;
        }
        return integer(s, QStringLiteral("weight"), 100, 900, out);
    }

    bool yesNo(const Section& s, const QString& key, std::optional<bool>& out)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend())
            return true;
        const QString v = it->value.toLower();
        if (v == u"yes")
            out = true;
        else if (v == u"no")
            out = false;
        else
            return fail(it->line, QStringLiteral("%1 must be yes or no").arg(key));
        return true;
    }

    bool choice(const Section& s, const QString& key, const QStringList& names, int& out)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend())
            return true;
        const qsizetype i = names.indexOf(it->value.toLower());
        if (i < 0)
            return fail(it->line,
                        QStringLiteral("%1 must be one of: %2").arg(key, names.join(u", ")));
        out = static_cast<int>(i);
        return true;
    }

    bool color(const Section& s, const QString& key, bool allowNone, QColor& out)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend())
            return true;
        const QString v = it->value.toLower();
        if (allowNone && v == u"none") {
            out = QColor();
            return true;
        }
        bool ok = v.size() == 7 && v.startsWith(u'#');
        const uint rgb = ok ? v.mid(1).toUInt(&ok, 16) : 0;
        if (!ok)
            return fail(it->line,
                        QStringLiteral("%1 must be a colour #RRGGBB%2")
                            .arg(key, allowNone ? QStringLiteral(" or none") : QString()));
        out = QColor::fromRgb(rgb);
        return true;
    }

    bool numbers(const Section& s, const QString& key, int count, QList<int>& out, bool required)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend()) {
            if (required)
                return fail(s.line, QStringLiteral("[%1] needs \"%2\"").arg(s.name, key));
            return true;
        }
        const QStringList parts = it->value.split(u',');
        if (parts.size() != count)
            return fail(
                it->line,
                QStringLiteral("%1 needs %2 numbers separated by commas").arg(key).arg(count));
        out.clear();
        for (const QString& p : parts) {
            bool ok = false;
            const int v = p.trimmed().toInt(&ok);
            if (!ok || v < -MaxSideTwips || v > MaxSideTwips)
                return fail(
                    it->line,
                    QStringLiteral("%1: \"%2\" is not a position in twips").arg(key, p.trimmed()));
            out.append(v);
        }
        return true;
    }

    bool box(const Section& s, const TicketPlugin& t, QRectF& out)
    {
        QList<int> v;
        if (!numbers(s, QStringLiteral("box"), 4, v, true))
            return false;
        const QRect r(v[0], v[1], v[2], v[3]);
        const int line = s.keys.value(QStringLiteral("box")).line;
        if (r.width() <= 0 || r.height() <= 0)
            return fail(line, QStringLiteral("box width and height must be positive"));
        if (r.left() < 0 || r.top() < 0 || r.x() + r.width() > t.widthTwips ||
            r.y() + r.height() > t.heightTwips)
            return fail(line, QStringLiteral("box lies outside the ticket"));
        out = QRectF(r);
        return true;
    }

    bool point(const Section& s, const QString& key, const TicketPlugin& t, QPointF& out)
    {
        QList<int> v;
        if (!numbers(s, key, 2, v, true))
            return false;
        if (v[0] < 0 || v[1] < 0 || v[0] > t.widthTwips || v[1] > t.heightTwips)
            return fail(s.keys.value(key).line,
                        QStringLiteral("%1 lies outside the ticket").arg(key));
        out = QPointF(v[0], v[1]);
        return true;
    }

    bool text(const Section& s, const QString& key, bool required, QString& out)
    {
        auto it = s.keys.constFind(key);
        if (it == s.keys.cend()) {
            if (required)
                return fail(s.line, QStringLiteral("[%1] needs \"%2\"").arg(s.name, key));
            return true;
        }
        if (it->value.size() > MaxTextChars)
            return fail(it->line,
                        QStringLiteral("%1 longer than %2 characters").arg(key).arg(MaxTextChars));
        if (required && it->value.isEmpty())
            return fail(it->line, QStringLiteral("%1 must not be empty").arg(key));
        out = it->value;
        return true;
    }

    bool templ(const QString& value, int line, QSet<QString>* used)
    {
        QString err;
        if (!checkTemplate(value, used, err))
            return fail(line, err);
        return true;
    }

    static bool checkTemplate(const QString& t, QSet<QString>* used, QString& err)
    {
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (t[i] == u'}') {
                if (i + 1 < t.size() && t[i + 1] == u'}') {
                    ++i;
                    continue;
                }
                err = QStringLiteral("a lone \"}\" (write \"}}\" for a brace)");
                return false;
            }
            if (t[i] != u'{')
                continue;
            if (i + 1 < t.size() && t[i + 1] == u'{') {
                ++i;
                continue;
            }
            const qsizetype end = t.indexOf(u'}', i);
            if (end < 0) {
                err = QStringLiteral("a \"{\" without its \"}\"");
                return false;
            }
            const QString inner = t.mid(i + 1, end - i - 1);
            const qsizetype colon = inner.indexOf(u':');
            const QString name = (colon < 0 ? inner : inner.left(colon)).trimmed().toLower();
            const QString format = colon < 0 ? QString() : inner.mid(colon + 1);
            if (!ticketFieldNames().contains(name)) {
                err = QStringLiteral("unknown field {%1}").arg(name);
                return false;
            }
            if (colon >= 0) {
                if (name == u"ticket" || name == u"route" || name == u"row") {
                    bool ok = false;
                    const int w = format.toInt(&ok);
                    if (!ok || w < 1 || w > 9) {
                        err = QStringLiteral("{%1:N} needs a width N from 1 to 9").arg(name);
                        return false;
                    }
                } else if (name == u"stop" || name == u"company") {
                    err = QStringLiteral("{%1} takes no format").arg(name);
                    return false;
                } else if (format.isEmpty()) {
                    err = QStringLiteral("{%1:} needs a format after the colon").arg(name);
                    return false;
                }
            }
            if (used)
                used->insert(name);
            i = end;
        }
        return true;
    }

private:
    QString& m_error;
};

} // namespace

const QStringList& ticketFieldNames()
{
    static const QStringList names = {QStringLiteral("ticket"), QStringLiteral("stop"),
                                      QStringLiteral("date"),   QStringLiteral("time"),
                                      QStringLiteral("route"),  QStringLiteral("row"),
                                      QStringLiteral("company")};
    return names;
}

bool parseTicketPlugin(const QByteArray& bytes, TicketPlugin& out, QString& error)
{
    if (bytes.size() > MaxFileBytes) {
        error = QStringLiteral("the file is larger than %1 bytes").arg(MaxFileBytes);
        return false;
    }
    QString text;
    if (!decodeText(bytes, text, error))
        return false;
    Reader r(error);
    QList<Section> sections;
    if (!r.split(text, sections))
        return false;

    TicketPlugin t;
    const Section* ticket = nullptr;
    const Section* remarks = nullptr;
    const Section* companies = nullptr;
    for (const Section& s : sections) {
        const Section** single = s.name == u"ticket"      ? &ticket
                                 : s.name == u"remarks"   ? &remarks
                                 : s.name == u"companies" ? &companies
                                                          : nullptr;
        if (!single)
            continue;
        if (*single)
            return r.fail(s.line, QStringLiteral("a second [%1] section").arg(s.name));
        *single = &s;
    }
    if (!ticket)
        return r.fail(0, QStringLiteral("no [ticket] section: not a ticket plug-in"));

    // [ticket]
    const Section& k = *ticket;
    int format = 0;
    if (!k.keys.contains(QStringLiteral("format")))
        return r.fail(k.line, QStringLiteral("[ticket] needs \"format = 1\""));
    if (!r.integer(k, QStringLiteral("format"), 1, 1, format))
        return false;
    for (const char* key : {"width", "height"}) {
        if (!k.keys.contains(QLatin1StringView(key)))
            return r.fail(k.line,
                          QStringLiteral("[ticket] needs \"%1\"").arg(QLatin1StringView(key)));
    }
    if (!r.integer(k, QStringLiteral("width"), MinSideTwips, MaxSideTwips, t.widthTwips) ||
        !r.integer(k, QStringLiteral("height"), MinSideTwips, MaxSideTwips, t.heightTwips) ||
        !r.text(k, QStringLiteral("name"), false, t.name) ||
        !r.color(k, QStringLiteral("paper"), false, t.paper))
        return false;
    std::optional<bool> pDate, pTime, pRoute, pStop, pBarcode, pCompany;
    if (!r.yesNo(k, QStringLiteral("print-date"), pDate) ||
        !r.yesNo(k, QStringLiteral("print-time"), pTime) ||
        !r.yesNo(k, QStringLiteral("print-route"), pRoute) ||
        !r.yesNo(k, QStringLiteral("print-stop"), pStop) ||
        !r.yesNo(k, QStringLiteral("print-barcode"), pBarcode) ||
        !r.yesNo(k, QStringLiteral("company-switching"), pCompany))
        return false;
    int barcodeCount = -1;
    int scheme = 0, stopSource = 0;
    if (!r.integer(k, QStringLiteral("barcode-count"), 0, MaxBarcodes, barcodeCount) ||
        !r.integer(k, QStringLiteral("route-limit"), 1, MaxRouteLimit, t.routeLimit) ||
        !r.choice(k, QStringLiteral("route-scheme"),
                  {QStringLiteral("consecutive"), QStringLiteral("route-flag")}, scheme) ||
        !r.integer(k, QStringLiteral("stop-first"), 0, MaxStop, t.stopFirst) ||
        !r.integer(k, QStringLiteral("stop-last"), 0, MaxStop, t.stopLast) ||
        !r.choice(k, QStringLiteral("stop-source"),
                  {QStringLiteral("row"), QStringLiteral("ticket")}, stopSource))
        return false;
    t.scheme = scheme == 0 ? RouteScheme::Consecutive : RouteScheme::RouteAndFlag;
    t.stopSource = stopSource == 0 ? StopSource::Row : StopSource::Ticket;
    if (t.stopLast < t.stopFirst)
        return r.fail(k.keys.value(QStringLiteral("stop-last")).line,
                      QStringLiteral("stop-last is below stop-first"));

    // [remarks] and [companies]
    if (remarks) {
        if (remarks->repeated.size() > MaxRemarkLines)
            return r.fail(remarks->line,
                          QStringLiteral("more than %1 remark lines").arg(MaxRemarkLines));
        for (const Field& f : remarks->repeated) {
            if (f.value.size() > MaxTextChars)
                return r.fail(f.line,
                              QStringLiteral("remark longer than %1 characters").arg(MaxTextChars));
            t.remarks.append(f.value);
        }
    }
    if (companies) {
        if (companies->repeated.size() > MaxCompanies)
            return r.fail(companies->line,
                          QStringLiteral("more than %1 companies").arg(MaxCompanies));
        for (const Field& f : companies->repeated) {
            if (f.value.isEmpty() || f.value.size() > MaxTextChars)
                return r.fail(f.line, QStringLiteral("a company name must have 1 to %1 characters")
                                          .arg(MaxTextChars));
            t.companies.append(f.value);
        }
    }

    // Layout items, in file order.
    QSet<QString> used;
    static const QStringList alignNames = {QStringLiteral("left"), QStringLiteral("center"),
                                           QStringLiteral("right")};
    static const QStringList valignNames = {QStringLiteral("top"), QStringLiteral("middle"),
                                            QStringLiteral("bottom")};
    static const QStringList styleNames = {QStringLiteral("solid"), QStringLiteral("dash"),
                                           QStringLiteral("dot")};
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    int items = 0;
    for (const Section& s : sections) {
        if (s.name == u"ticket" || s.name == u"remarks" || s.name == u"companies")
            continue;
        if (++items > MaxItems)
            return r.fail(s.line, QStringLiteral("more than %1 items").arg(MaxItems));
        if (s.name == u"text") {
            TextItem it;
            int align = 0, valign = 1, fit = 0;
            std::optional<bool> italic;
            if (!r.box(s, t, it.box) || !r.text(s, QStringLiteral("text"), true, it.text) ||
                !r.templ(it.text, s.keys.value(QStringLiteral("text")).line, &used) ||
                !r.text(s, QStringLiteral("font"), false, it.font) ||
                !r.integer(s, QStringLiteral("size"), MinFontTwips, MaxFontTwips, it.size) ||
                !r.weight(s, it.weight) || !r.yesNo(s, QStringLiteral("italic"), italic) ||
                !r.choice(s, QStringLiteral("align"), alignNames, align) ||
                !r.choice(s, QStringLiteral("valign"), valignNames, valign) ||
                !r.integer(s, QStringLiteral("rotate"), -360, 360, it.rotate) ||
                !r.choice(s, QStringLiteral("fit"),
                          {QStringLiteral("shrink"), QStringLiteral("clip")}, fit) ||
                !r.color(s, QStringLiteral("color"), false, it.color))
                return false;
            it.italic = italic.value_or(false);
            it.align = static_cast<Align>(align);
            it.valign = static_cast<VAlign>(valign);
            it.fit = fit == 0 ? Fit::Shrink : Fit::Clip;
            t.order.append({LayoutItem::Text, static_cast<int>(t.texts.size())});
            t.texts.append(it);
        } else if (s.name == u"line") {
            LineItem it;
            int style = 0;
            if (!r.point(s, QStringLiteral("from"), t, it.from) ||
                !r.point(s, QStringLiteral("to"), t, it.to) ||
                !r.integer(s, QStringLiteral("width"), 1, MaxPenTwips, it.width) ||
                !r.choice(s, QStringLiteral("style"), styleNames, style) ||
                !r.color(s, QStringLiteral("color"), false, it.color))
                return false;
            it.style = styles[style];
            t.order.append({LayoutItem::Line, static_cast<int>(t.lines.size())});
            t.lines.append(it);
        } else if (s.name == u"frame") {
            FrameItem it;
            int style = 0;
            if (!r.box(s, t, it.box) ||
                !r.integer(s, QStringLiteral("width"), 0, MaxPenTwips, it.width) ||
                !r.integer(s, QStringLiteral("radius"), 0, MaxSideTwips / 2, it.radius) ||
                !r.choice(s, QStringLiteral("style"), styleNames, style) ||
                !r.color(s, QStringLiteral("color"), false, it.color) ||
                !r.color(s, QStringLiteral("fill"), true, it.fill))
                return false;
            it.style = styles[style];
            t.order.append({LayoutItem::Frame, static_cast<int>(t.frames.size())});
            t.frames.append(it);
        } else { // barcode
            BarcodeItem it;
            int type = -1;
            QString data, start, stop;
            if (!s.keys.contains(QStringLiteral("type")))
                return r.fail(s.line, QStringLiteral("[barcode] needs \"type\""));
            if (!r.box(s, t, it.box) ||
                !r.choice(s, QStringLiteral("type"),
                          {QStringLiteral("nw7"), QStringLiteral("itf"), QStringLiteral("qr")},
                          type) ||
                !r.text(s, QStringLiteral("data"), false, data) ||
                !r.text(s, QStringLiteral("start"), false, start) ||
                !r.text(s, QStringLiteral("stop"), false, stop) ||
                !r.integer(s, QStringLiteral("rotate"), 0, 270, it.rotate) ||
                !r.color(s, QStringLiteral("color"), false, it.color))
                return false;
            it.type = static_cast<BarcodeType>(type);
            if (it.rotate % 90 != 0)
                return r.fail(s.keys.value(QStringLiteral("rotate")).line,
                              QStringLiteral("a bar code turns by 0, 90, 180 or 270 degrees"));
            for (auto [value, target, key] :
                 {std::tuple{start, &it.start, "start"}, std::tuple{stop, &it.stop, "stop"}}) {
                if (value.isEmpty())
                    continue;
                if (value.size() != 1 || !QStringLiteral("ABCD").contains(value.toUpper()))
                    return r.fail(
                        s.keys.value(QLatin1StringView(key)).line,
                        QStringLiteral("%1 must be one of A, B, C, D").arg(QLatin1StringView(key)));
                *target = value.toUpper().at(0);
            }
            if (data.isEmpty() || data.toLower() == u"route-stop") {
                it.content = BarcodeContent::RouteStop;
            } else {
                it.content = BarcodeContent::Template;
                it.text = data;
                if (!r.templ(data, s.keys.value(QStringLiteral("data")).line, nullptr))
                    return false;
            }
            t.order.append({LayoutItem::Barcode, static_cast<int>(t.barcodes.size())});
            t.barcodes.append(it);
            if (t.barcodes.size() > MaxBarcodes)
                return r.fail(s.line, QStringLiteral("more than %1 bar codes").arg(MaxBarcodes));
        }
    }

    // What the ticket prints defaults to what its layout shows.
    t.printDate = pDate.value_or(used.contains(QStringLiteral("date")));
    t.printTime = pTime.value_or(used.contains(QStringLiteral("time")));
    t.printRoute = pRoute.value_or(used.contains(QStringLiteral("route")));
    t.printStop = pStop.value_or(used.contains(QStringLiteral("stop")));
    t.printBarcode = pBarcode.value_or(!t.barcodes.isEmpty());
    t.barcodeCount = barcodeCount >= 0 ? barcodeCount : static_cast<int>(t.barcodes.size());
    t.companySwitching = pCompany.value_or(!t.companies.isEmpty());
    if (t.companySwitching && t.companies.isEmpty())
        return r.fail(k.keys.value(QStringLiteral("company-switching")).line,
                      QStringLiteral("company-switching = yes needs names in [companies]"));
    out = std::move(t);
    return true;
}

PlgInfo plgInfoOf(const TicketPlugin& p)
{
    PlgInfo info;
    info[0] = 1; // format version
    info[1] = p.widthTwips;
    info[2] = p.heightTwips;
    info[3] = p.printDate ? 1 : 0;
    info[4] = p.printTime ? 1 : 0;
    info[5] = p.printRoute ? 1 : 0;
    info[6] = p.printStop ? 1 : 0;
    info[7] = p.printBarcode ? 1 : 0;
    info[8] = p.barcodeCount;
    info[9] = p.routeLimit;
    info[10] = static_cast<int>(p.scheme);
    info[11] = p.stopFirst;
    info[12] = p.stopLast;
    info[13] = p.companySwitching ? static_cast<int>(p.companies.size()) : 0;
    return info;
}

} // namespace lumena
