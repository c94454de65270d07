#pragma once
// The date and time texts in the forms a ticket drawing receives them. The
// choice between the three date modes is made by the board refresh
// (panel/RunRules.h); these are the forms for callers outside it.

#include <QDate>
#include <QString>
#include <QTime>

namespace lumena {

// The system date as a ticket takes it: "mm-dd-yyyy".
QString systemDateText(const QDate& today);

// "hh:mm:ss".
QString timeText(const QTime& now);

} // namespace lumena
