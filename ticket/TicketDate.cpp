#include "ticket/TicketDate.h"

namespace lumena {

QString systemDateText(const QDate& today)
{
    return today.toString(QStringLiteral("MM-dd-yyyy"));
}

QString timeText(const QTime& now)
{
    return now.toString(QStringLiteral("hh:mm:ss"));
}

QString routeSetDateText(DateMode mode, const QDate& today, const QString& fixedDate)
{
    return mode == DateMode::Fixed ? fixedDate : systemDateText(today);
}

QString ticketDateText(DateMode mode, const QDate& today, const QString& routeSetDate,
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

qint32 routeNumberValue(const QString& routeText)
{
    bool ok = false;
    const qint32 v = routeText.trimmed().toInt(&ok, 10);
    return ok ? v : 0;
}

} // namespace lumena
