#include "panel/RouteState.h"

#include <algorithm>

namespace lumena {

namespace {
const RouteRecord& emptyRecord()
{
    static const RouteRecord empty;
    return empty;
}
} // namespace

RouteState::RouteState() : m_table(RouteRows) {}

const RouteRecord& RouteState::RouteTable(int row) const
{
    if (row < 1 || row > RouteRows)
        return emptyRecord();
    return m_table[static_cast<size_t>(row - 1)];
}

void RouteState::SetRouteTable(const QList<RouteRecord>& records)
{
    const auto n = std::min<qsizetype>(records.size(), RouteRows);
    std::copy_n(records.cbegin(), n, m_table.begin());
    std::fill(m_table.begin() + n, m_table.end(), RouteRecord{});
}

void RouteState::SetStopName(int row, const QString& name)
{
    if (row >= 1 && row <= RouteRows)
        m_table[static_cast<size_t>(row - 1)].StopName = name;
}

} // namespace lumena
