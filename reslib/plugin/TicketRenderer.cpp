#include "reslib/plugin/TicketRenderer.h"

#include "reslib/Units.h"
#include "reslib/plugin/Barcode.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QTime>
#include <cmath>

namespace lumena {

namespace {

double px(double twips)
{
    return twips / double(TwipsPerPixel);
}

QRectF px(const QRectF& r)
{
    return QRectF(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
}

QString padded(qint64 v, const QString& format)
{
    const int width = format.isEmpty() ? 0 : format.toInt();
    if (v < 0)
        return QString::number(v);
    return QStringLiteral("%1").arg(v, width, 10, QLatin1Char('0'));
}

// The system date comes as mm-dd-yyyy, a fixed date as yyyy/mm/dd.
QDate parseDate(const QString& text)
{
    QDate d = QDate::fromString(text, QStringLiteral("MM-dd-yyyy"));
    if (!d.isValid())
        d = QDate::fromString(text, QStringLiteral("yyyy/MM/dd"));
    return d;
}

QString field(const QString& name, const QString& format, const TicketPlugin& p,
              const TicketFields& f)
{
    if (name == u"ticket")
        return padded(f.ticket, format);
    if (name == u"route")
        return padded(f.route, format);
    if (name == u"row")
        return padded(f.row, format);
    if (name == u"stop")
        return f.stop;
    if (name == u"company")
        return companyName(p, f.company);
    if (name == u"date") {
        const QDate d = parseDate(f.date);
        return format.isEmpty() || !d.isValid() ? f.date : d.toString(format);
    }
    if (name == u"time") {
        const QTime t = QTime::fromString(f.time, QStringLiteral("hh:mm:ss"));
        return format.isEmpty() || !t.isValid() ? f.time : t.toString(format);
    }
    return {};
}

int digitsOf(int n)
{
    return static_cast<int>(QString::number(n).size());
}

void drawText(QPainter& painter, const TextItem& it, const QString& text)
{
    if (text.isEmpty())
        return;
    QFont font(it.font);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(px(it.size)))));
    font.setWeight(static_cast<QFont::Weight>(it.weight));
    font.setItalic(it.italic);
    const QRectF box = px(it.box);
    const int turn = ((it.rotate % 360) + 360) % 360;
    const bool across = turn == 90 || turn == 270;
    const double w = across ? box.height() : box.width();
    const double h = across ? box.width() : box.height();

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(box.center());
    painter.rotate(it.rotate);
    const QRectF local(-w / 2, -h / 2, w, h);
    // Within the ticket's own clip: a slanted box reaches past its corners.
    painter.setClipRect(local, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(it.color);
    const QFontMetricsF fm(font, painter.device());
    double textWidth = fm.horizontalAdvance(text);
    double sx = 1.0;
    // Long stop names are squeezed sideways, as ticket printers do.
    if (it.fit == Fit::Shrink && textWidth > w && textWidth > 0)
        sx = w / textWidth;
    const double drawn = textWidth * sx;
    double x = local.left();
    if (it.align == Align::Center)
        x = local.left() + (w - drawn) / 2;
    else if (it.align == Align::Right)
        x = local.right() - drawn;
    const double textHeight = fm.ascent() + fm.descent();
    double y = local.top() + fm.ascent();
    if (it.valign == VAlign::Middle)
        y = local.top() + (h - textHeight) / 2 + fm.ascent();
    else if (it.valign == VAlign::Bottom)
        y = local.bottom() - fm.descent();
    painter.translate(x, y);
    painter.scale(sx, 1.0);
    painter.drawText(QPointF(0, 0), text);
    painter.restore();
}

QPen penOf(int widthTwips, Qt::PenStyle style, const QColor& color)
{
    QPen pen(color);
    pen.setWidthF(std::max(1.0, px(widthTwips)));
    pen.setStyle(style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

QString companyName(const TicketPlugin& p, int index)
{
    if (p.companies.isEmpty())
        return {};
    if (index < 0 || index >= p.companies.size())
        return p.companies.first();
    return p.companies.at(index);
}

QString expandTemplate(const QString& templ, const TicketPlugin& p, const TicketFields& f)
{
    QString out;
    out.reserve(templ.size() + 16);
    for (qsizetype i = 0; i < templ.size(); ++i) {
        const QChar c = templ[i];
        if ((c == u'{' || c == u'}') && i + 1 < templ.size() && templ[i + 1] == c) {
            out += c;
            ++i;
            continue;
        }
        if (c != u'{') {
            out += c;
            continue;
        }
        const qsizetype end = templ.indexOf(u'}', i);
        if (end < 0) {
            out += templ.mid(i);
            break;
        }
        const QString inner = templ.mid(i + 1, end - i - 1);
        const qsizetype colon = inner.indexOf(u':');
        const QString name = (colon < 0 ? inner : inner.left(colon)).trimmed().toLower();
        const QString format = colon < 0 ? QString() : inner.mid(colon + 1);
        out += field(name, format, p, f);
        i = end;
    }
    return out;
}

QString routeStopDigits(const TicketPlugin& p, const TicketFields& f)
{
    const int stop = p.stopSource == StopSource::Row ? f.row : f.ticket;
    if (stop < p.stopFirst || stop > p.stopLast)
        return {};
    const QString stopText =
        QStringLiteral("%1").arg(stop, digitsOf(p.stopLast), 10, QLatin1Char('0'));
    const int routeWidth = digitsOf(p.routeLimit);
    if (p.scheme == RouteScheme::Consecutive) {
        if (f.route < 1 || f.route > p.routeLimit)
            return {};
        return QStringLiteral("%1").arg(f.route, routeWidth, 10, QLatin1Char('0')) + stopText;
    }
    // Route and round-trip flag: the last digit of the route number set on the
    // panel is the flag (0 outbound, 1 return), the digits before it the route.
    const int route = f.route / 10;
    const int flag = f.route % 10;
    if (route < 1 || route > p.routeLimit || flag > 1 || f.route < 0)
        return {};
    return QStringLiteral("%1").arg(route, routeWidth, 10, QLatin1Char('0')) +
           QString::number(flag) + stopText;
}

QByteArray barcodeData(const TicketPlugin& p, const BarcodeItem& it, const TicketFields& f)
{
    QString data = it.content == BarcodeContent::RouteStop ? routeStopDigits(p, f)
                                                           : expandTemplate(it.text, p, f);
    if (data.isEmpty())
        return {};
    switch (it.type) {
    case BarcodeType::Nw7:
        for (QChar c : data) {
            // ASCII digits only: full-width and other scripts' digits are
            // digits to Unicode but have no NW-7 symbol.
            if ((c < u'0' || c > u'9') && !QStringLiteral("-$:/.+").contains(c))
                return {};
        }
        return (QString(it.start) + data + QString(it.stop)).toLatin1();
    case BarcodeType::Itf:
        for (QChar c : data) {
            if (c < u'0' || c > u'9')
                return {};
        }
        if (data.size() % 2 != 0)
            data.prepend(u'0');
        return data.toLatin1();
    case BarcodeType::Qr:
        return data.toUtf8();
    }
    return {};
}

void drawTicket(const TicketPlugin& p, QPainter& painter, const TicketFields& f)
{
    painter.save();
    painter.fillRect(QRectF(0, 0, px(p.widthTwips), px(p.heightTwips)), p.paper);
    painter.setClipRect(QRectF(0, 0, px(p.widthTwips), px(p.heightTwips)));
    for (const LayoutItem& li : p.order) {
        switch (li.kind) {
        case LayoutItem::Text: {
            const TextItem& it = p.texts.at(li.index);
            drawText(painter, it, expandTemplate(it.text, p, f));
            break;
        }
        case LayoutItem::Line: {
            const LineItem& it = p.lines.at(li.index);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(penOf(it.width, it.style, it.color));
            painter.drawLine(QPointF(px(it.from.x()), px(it.from.y())),
                             QPointF(px(it.to.x()), px(it.to.y())));
            break;
        }
        case LayoutItem::Frame: {
            const FrameItem& it = p.frames.at(li.index);
            painter.setRenderHint(QPainter::Antialiasing, it.radius > 0);
            QRectF r = px(it.box);
            if (it.width > 0) {
                const QPen pen = penOf(it.width, it.style, it.color);
                painter.setPen(pen);
                const double half = pen.widthF() / 2;
                r.adjust(half, half, -half, -half);
            } else {
                painter.setPen(Qt::NoPen);
            }
            painter.setBrush(it.fill.isValid() ? QBrush(it.fill) : QBrush(Qt::NoBrush));
            if (it.radius > 0)
                painter.drawRoundedRect(r, px(it.radius), px(it.radius));
            else
                painter.drawRect(r);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case LayoutItem::Barcode: {
            const BarcodeItem& it = p.barcodes.at(li.index);
            drawBarcode(painter, px(it.box), it.type, barcodeData(p, it, f), it.rotate, it.color);
            break;
        }
        }
    }
    painter.restore();
}

} // namespace lumena
