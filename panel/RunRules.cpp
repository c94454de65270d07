#include "panel/RunRules.h"

#include "ticket/TicketDate.h"

#include <limits>

namespace lumena {

qint32 leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    qint64 v = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > std::numeric_limits<qint32>::max())
            return std::numeric_limits<qint32>::max();
    }
    return static_cast<qint32>(v);
}

qint16 sectionFromText(QStringView text)
{
    const qint32 v = leadingNumber(text);
    if (v < 1)
        return 1;
    if (v >= 301)
        return 300;
    return static_cast<qint16>(v);
}

QString normalizedRoute(QStringView routeNumber)
{
    return QString::number(leadingNumber(routeNumber));
}

QString withSeparator(const QString& folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

std::optional<QString> chooseStepSound(const RunOptions& options, const RouteRecord& reached)
{
    if (options.stepSoundAlways())
        return options.stepSoundFile();
    const int column = options.stepSoundColumn();
    if (column < 1 || column > RouteRecord::FareCount)
        return std::nullopt;
    const qint16 v = reached.fare(column);
    if (v < 1 || v > 3)
        return std::nullopt;
    return options.stepSound(v);
}

QString ticketDate(DateMode mode, const QDate& today, const QString& routeSetDate,
                   const QString& fixedDate)
{
    switch (mode) {
    case DateMode::EachPrint:
        return systemDateText(today);
    case DateMode::RouteSet:
        return routeSetDate;
    case DateMode::Fixed:
        return fixedDate;
    }
    return systemDateText(today);
}

QString routeSetDateText(DateMode mode, const QDate& today, const QString& fixedDate)
{
    return mode == DateMode::Fixed ? fixedDate : systemDateText(today);
}

DispInputs DispInputs::from(const RunOptions& options, qint16 startSection, bool lateNight)
{
    DispInputs in;
    in.startSection = startSection;
    in.lateNight = lateNight;
    in.stopOrderOn = options.infoStopOrderOn();
    if (in.stopOrderOn) {
        in.stopOrderCell = options.infoStopOrderCell();
        in.stopOrderFromZero = options.infoStopOrderFromZero();
    }
    in.seiriNumOn = options.infoSeiriNumOn();
    if (in.seiriNumOn)
        in.seiriNumCell = options.infoSeiriNumCell();
    in.routeNumOn = options.infoRouteNumOn();
    if (in.routeNumOn)
        in.routeNumCell = options.infoRouteNumCell();
    in.columnOn = options.infoColumnOn();
    if (in.columnOn) {
        in.column = options.infoColumn();
        in.columnCell = options.infoColumnCell();
    }
    return in;
}

namespace {
bool cellInRange(int cell)
{
    return cell >= 1 && cell <= FareCells;
}
} // namespace

DegitWrites planDegitWrites(const RouteRecord& row, qint16 stop, const DispInputs& in)
{
    DegitWrites w;
    for (int k = qMax<int>(in.startSection, 1); k <= FareCells; ++k) {
        qint32 v = row.Fares[static_cast<size_t>(k - 1)];
        if (in.lateNight && v != -1)
            v *= 2;
        w.push({static_cast<qint16>(k), false, v});
    }
    if (in.stopOrderOn && cellInRange(in.stopOrderCell))
        w.push({static_cast<qint16>(in.stopOrderCell), false,
                in.stopOrderFromZero ? stop - 1 : qint32(stop)});
    if (in.seiriNumOn && cellInRange(in.seiriNumCell))
        w.push({static_cast<qint16>(in.seiriNumCell), false, row.TicketNo});
    if (in.routeNumOn && cellInRange(in.routeNumCell))
        w.push({static_cast<qint16>(in.routeNumCell), true, 0});
    if (in.columnOn && cellInRange(in.columnCell) && in.column >= 1 &&
        in.column <= RouteRecord::FareCount)
        w.push({static_cast<qint16>(in.columnCell), false, row.fare(in.column)});
    return w;
}

} // namespace lumena
