#pragma once
// A ticket plug-in (*.4SP) as read from its text: what the ticket can print,
// its remarks and company names, and the layout the renderer draws. The
// format is documented for plug-in writers in docs/ticket-plugin-format.md.
//
// parseTicketPlugin() accepts a file only when every line is understood and
// every value lies inside its limits; anything else is refused with a message
// that names the line. A refused file never yields a partly filled plug-in.

#include "reslib/ResLib.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace lumena {

// Limits that keep a broken or hostile file harmless.
namespace plugin_limits {
inline constexpr qsizetype MaxFileBytes = 64 * 1024;
inline constexpr int MaxLineChars = 1000;
inline constexpr int MaxItems = 200; // text, line, frame and bar-code items together
inline constexpr int MaxBarcodes = 8;
inline constexpr int MinSideTwips = 300;   // 20 pixels
inline constexpr int MaxSideTwips = 15000; // 1000 pixels
inline constexpr int MaxTextChars = 200;   // a text item's template, a company name ...
inline constexpr int MaxRemarkLines = 40;
inline constexpr int MaxCompanies = 16;
inline constexpr int MinFontTwips = 60;
inline constexpr int MaxFontTwips = 3000;
inline constexpr int MaxPenTwips = 300;
inline constexpr int MaxRouteLimit = 99999;
inline constexpr int MaxStop = 999;
} // namespace plugin_limits

enum class Align { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };
enum class Fit { Shrink, Clip };
enum class RouteScheme { Consecutive = 1, RouteAndFlag = 2 };
enum class BarcodeType { Nw7, Itf, Qr };
enum class BarcodeContent { RouteStop, Template };
enum class StopSource { Row, Ticket };

struct TextItem {
    QRectF box;   // twips, ticket coordinates
    QString text; // template with {field} placeholders
    QString font = QStringLiteral("IPAGothic");
    int size = 200;   // twips (character height)
    int weight = 400; // 100..900
    bool italic = false;
    Align align = Align::Left;
    VAlign valign = VAlign::Middle;
    int rotate = 0; // degrees, clockwise, about the box centre
    Fit fit = Fit::Shrink;
    QColor color = Qt::black;
};

struct LineItem {
    QPointF from, to; // twips
    int width = 15;
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
};

struct FrameItem {
    QRectF box;
    int width = 15; // 0 = no outline
    int radius = 0;
    Qt::PenStyle style = Qt::SolidLine;
    QColor color = Qt::black;
    QColor fill; // invalid = not filled
};

struct BarcodeItem {
    QRectF box;
    BarcodeType type = BarcodeType::Nw7;
    BarcodeContent content = BarcodeContent::RouteStop;
    QString text;                    // template when content is Template
    QChar start = u'A', stop = u'B'; // NW-7 start and stop characters
    int rotate = 0;                  // 0, 90, 180, 270
    QColor color = Qt::black;
};

// One drawing item in file order (later items draw over earlier ones).
struct LayoutItem {
    enum Kind { Text, Line, Frame, Barcode } kind = Text;
    int index = 0; // into the matching list of TicketPlugin
};

struct TicketPlugin {
    QString name;
    int widthTwips = 0, heightTwips = 0;
    QColor paper = Qt::white;
    bool printDate = false, printTime = false, printRoute = false, printStop = false;
    bool printBarcode = false;
    int barcodeCount = 0;
    int routeLimit = 999;
    RouteScheme scheme = RouteScheme::Consecutive;
    int stopFirst = 1, stopLast = 99;
    StopSource stopSource = StopSource::Row;
    bool companySwitching = false;
    QStringList remarks;
    QStringList companies;

    QList<TextItem> texts;
    QList<LineItem> lines;
    QList<FrameItem> frames;
    QList<BarcodeItem> barcodes;
    QList<LayoutItem> order;
};

// Decodes the file's bytes (UTF-8, else Shift-JIS) and reads the plug-in.
// False with `error` ("line N: ...") when the file is refused.
bool parseTicketPlugin(const QByteArray& bytes, TicketPlugin& out, QString& error);

// The fourteen words the resource library hands out for the plug-in.
PlgInfo plgInfoOf(const TicketPlugin& plugin);

// Names of the placeholders a text template may use.
const QStringList& ticketFieldNames();

} // namespace lumena
