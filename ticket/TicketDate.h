#pragma once
// The texts the ticket drawing receives for the date and time, and the route
// number as the drawing takes it.

#include "panel/RunPorts.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace lumena {

// The system date as a ticket takes it: "mm-dd-yyyy".
QString systemDateText(const QDate& today);

// "hh:mm:ss".
QString timeText(const QTime& now);

// The date remembered at route setting: the system date for the two system
// modes, the fixed date ("yyyy/mm/dd", as shown) for the fixed mode.
QString routeSetDateText(DateMode mode, const QDate& today, const QString& fixedDate);

// The date passed to one ticket drawing: today's date at each print, the date
// remembered at route setting, or the fixed date.
QString ticketDateText(DateMode mode, const QDate& today, const QString& routeSetDate,
                       const QString& fixedDate);

// The route number as digits typed on the panel ("00012") to the number the
// drawing takes (12); empty or not a number gives 0.
qint32 routeNumberValue(const QString& routeText);

} // namespace lumena
