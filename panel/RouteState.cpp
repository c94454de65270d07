#include "panel/RouteState.h"

#include <algorithm>
#include <limits>

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

Error RouteState::SetRouteCell(int row, int column, const QVariant& value)
{
    if (row < 1 || row > RouteRows || column < 1 || column > ColumnCount)
        return Error::of(ErrSubscript);
    RouteRecord& r = m_table[static_cast<size_t>(row - 1)];
    if (column == 1) {
        r.StopName = value.toString();
        return {};
    }
    bool ok = false;
    const qlonglong v = value.toLongLong(&ok);
    if (!ok)
        return Error::of(ErrTypeMismatch);
    if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return Error::of(ErrOverflow);
    if (column == 2)
        r.TicketNo = static_cast<qint16>(v);
    else
        r.setFare(column - 2, static_cast<qint16>(v));
    return {};
}

void RouteState::ClearRouteTable()
{
    std::fill(m_table.begin(), m_table.end(), RouteRecord{});
}

} // namespace lumena
