#pragma once
// The pure rules behind route setting, stepping and the board refresh: how
// entries become numbers, which step sound plays, and what every fare cell
// receives. No files, board, sound or clock: each rule is checked on its own
// and the refresh can be measured without a board.

#include "panel/RouteState.h"
#include "panel/RunPorts.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace lumena {

constexpr int FareCells = 50;

// Numeric value of an entry: leading blanks skipped, then the leading digits
// (none gives 0). Saturates instead of overflowing on absurdly long entries.
qint32 leadingNumber(QStringView text);

// StartSection of a section entry: its leading number, with 0 (or nothing)
// raised to 1 and anything from 301 up lowered to 300.
qint16 sectionFromText(QStringView text);

// Normalized route number: the decimal form of the entry's numeric value
// ("00012" gives "12", "" gives "0").
QString normalizedRoute(QStringView routeNumber);

// A folder as typed, with the separator appended unless it is empty or
// already ends in one.
QString withSeparator(const QString& folder);

// The step sound for arriving at `reached` (the row after the move):
// the always-sound file as it stands, or in column mode the file for a
// column value of 1, 2 or 3. nullopt means no sound at all (any other value,
// or a column outside 1..150).
std::optional<QString> chooseStepSound(const RunOptions& options, const RouteRecord& reached);

// Ticket date text: today as mm-dd-yyyy, the date kept at route setting, or
// the fixed text.
QString ticketDate(DateMode mode, const QDate& today, const QString& routeSetDate,
                   const QString& fixedDate);
QString routeSetDateText(DateMode mode, const QDate& today, const QString& fixedDate);

// What the refresh needs besides the row, read once per refresh.
struct DispInputs {
    qint16 startSection = 1;
    bool lateNight = false;
    bool stopOrderOn = false;
    int stopOrderCell = 0;
    bool stopOrderFromZero = false;
    bool seiriNumOn = false;
    int seiriNumCell = 0;
    bool routeNumOn = false;
    int routeNumCell = 0;
    bool columnOn = false;
    int column = 0;
    int columnCell = 0;

    static DispInputs from(const RunOptions& options, qint16 startSection, bool lateNight);
};

// One write of a fare cell's Value: a number, or the route number as text.
struct DegitWrite {
    qint16 cell = 0; // 1..50
    bool routeText = false;
    qint32 number = 0; // when !routeText
};

// The cell writes of one refresh, in the order they are made: the fares of
// cells StartSection..50 (doubled late at night, except the -1 marker, as an
// int so a doubled fare never wraps), then the information numbers stop
// order, ticket number, route number, column value, each only when on and
// its cell (and column) lies in range. A later write to a cell replaces an
// earlier one.
struct DegitWrites {
    std::array<DegitWrite, FareCells + 4> items{};
    int size = 0;

    void push(const DegitWrite& w) { items[static_cast<size_t>(size++)] = w; }
    const DegitWrite* begin() const { return items.data(); }
    const DegitWrite* end() const { return items.data() + size; }
};

DegitWrites planDegitWrites(const RouteRecord& row, qint16 stop, const DispInputs& in);

} // namespace lumena
