#pragma once
// The route table and the run state of the current route.
//
// RouteTable has exactly 301 rows, numbered 1..301 as the route file numbers
// its records. The run state (CurrentPos, RecordCount, StartSection,
// RouteNumber, RouteSetDate) describes the route on show; RunController is the
// only writer outside tests and tools. A row outside 1..301 reads as an empty
// record, so a refresh with a bad row shows nothing instead of reading beyond
// the table.

#include "reslib/ErrorCodes.h"

#include <QString>
#include <QVariant>
#include <array>
#include <vector>

namespace lumena {

struct RouteRecord {
    static constexpr int FareCount = 150;

    QString StopName;
    qint16 TicketNo = 0;
    std::array<qint16, FareCount> Fares{};

    // Fares(k), k = 1..150; 0 outside that range.
    qint16 fare(int k) const
    {
        return k >= 1 && k <= FareCount ? Fares[static_cast<size_t>(k - 1)] : qint16(0);
    }
    void setFare(int k, qint16 v)
    {
        if (k >= 1 && k <= FareCount)
            Fares[static_cast<size_t>(k - 1)] = v;
    }
    bool operator==(const RouteRecord&) const = default;
};

class RouteState {
public:
    static constexpr int RouteRows = 301;
    // Columns of a route record: 1 the stop name, 2 TicketNo, 3..152 Fares(1..150).
    static constexpr int ColumnCount = 2 + RouteRecord::FareCount;

    RouteState();

    // Row `row` (1..301); an empty record for any other row.
    const RouteRecord& RouteTable(int row) const;

    // Stores one value: column 1 the stop name (as text), column 2 TicketNo,
    // column c in 3..152 Fares(c - 2) (as signed 16-bit). A row outside
    // 1..301 or a column outside 1..152 changes nothing and gives ErrSubscript;
    // a number that is not a signed 16-bit value gives ErrOverflow.
    Error SetRouteCell(int row, int column, const QVariant& value);

    // Makes all 301 rows empty.
    void ClearRouteTable();

    qint16 CurrentPos() const { return m_currentPos; }
    void setCurrentPos(qint16 v) { m_currentPos = v; }
    qint16 RecordCount() const { return m_recordCount; }
    void setRecordCount(qint16 v) { m_recordCount = v; }
    qint16 StartSection() const { return m_startSection; }
    void setStartSection(qint16 v) { m_startSection = v; }
    const QString& RouteNumber() const { return m_routeNumber; }
    void setRouteNumber(const QString& v) { m_routeNumber = v; }
    const QString& RouteSetDate() const { return m_routeSetDate; }
    void setRouteSetDate(const QString& v) { m_routeSetDate = v; }

private:
    std::vector<RouteRecord> m_table; // RouteRows rows, row 1 at index 0
    qint16 m_currentPos = 0;
    qint16 m_recordCount = 0;
    qint16 m_startSection = 0;
    QString m_routeNumber;
    QString m_routeSetDate;
};

} // namespace lumena
