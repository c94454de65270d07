#pragma once
// The route table and the run state of the current route.
//
// RouteTable has exactly 301 rows, numbered 1..301 as the route file numbers
// its records. The run state (CurrentPos, RecordCount, StartSection,
// RouteNumber, RouteSetDate) describes the route on show; RunController is the
// only writer outside tests and tools. A row outside 1..301 reads as an empty
// record, so a refresh with a bad row shows nothing instead of reading beyond
// the table.

#include <QList>
#include <QString>
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
    void setFare(int k, qint16 fare)
    {
        if (k >= 1 && k <= FareCount)
            Fares[static_cast<size_t>(k - 1)] = fare;
    }
    bool operator==(const RouteRecord&) const = default;
};

class RouteState {
public:
    static constexpr int RouteRows = 301;

    RouteState();

    // Row `row` (1..301); an empty record for any other row.
    const RouteRecord& RouteTable(int row) const;

    // Replaces the whole table: rows 1..n take the records in order (at most
    // 301; any further ones are left out), every other row becomes empty.
    void SetRouteTable(const QList<RouteRecord>& records);

    // The stop name of row `row` (1..301); other rows change nothing.
    void SetStopName(int row, const QString& name);

    qint16 CurrentPos() const { return m_currentPos; }
    void setCurrentPos(qint16 pos) { m_currentPos = pos; }
    qint16 RecordCount() const { return m_recordCount; }
    void setRecordCount(qint16 count) { m_recordCount = count; }
    qint16 StartSection() const { return m_startSection; }
    void setStartSection(qint16 section) { m_startSection = section; }
    const QString& RouteNumber() const { return m_routeNumber; }
    void setRouteNumber(const QString& number) { m_routeNumber = number; }
    const QString& RouteSetDate() const { return m_routeSetDate; }
    void setRouteSetDate(const QString& date) { m_routeSetDate = date; }

private:
    std::vector<RouteRecord> m_table; // RouteRows rows, row 1 at index 0
    qint16 m_currentPos = 0;
    qint16 m_recordCount = 0;
    qint16 m_startSection = 0;
    QString m_routeNumber;
    QString m_routeSetDate;
};

} // namespace lumena
