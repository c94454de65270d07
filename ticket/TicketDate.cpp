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

} // namespace lumena
