#pragma once
// The date and time texts in the forms a ticket drawing receives them, for
// the board refresh (which also chooses between the date modes, see
// panel/RunRules.h) and the data tool.

#include <QDate>
#include <QString>
#include <QTime>

namespace lumena {

// The system date as a ticket takes it: "mm-dd-yyyy".
QString systemDateText(const QDate& today);

// "hh:mm:ss".
QString timeText(const QTime& now);

} // namespace lumena
