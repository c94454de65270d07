// Route CSVs through lumena-data's own commands, on any bytes: a CSV that
// from-csv takes makes a whole route file with valid names, to-csv writes it
// and from-csv reads that back into the same file, and to-csv of that gives
// the same CSV again.
#include "panel/RouteFile.h"
#include "tests/fuzz/Fuzz.h"
#include "tools/lumena-data/Command.h"

using namespace lumena;

namespace {

int run(const QString& verb, const QString& in, const QString& out)
{
    for (const tool::Command& c : tool::commands()) {
        if (c.path == QStringList{QStringLiteral("route"), verb})
            return c.run(tool::Args{{fuzz::dir() + in, fuzz::dir() + out}, {}});
    }
    fuzz::fail("route command found", __FILE__, __LINE__);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::put(QStringLiteral("in.csv"), QByteArrayView(data, qsizetype(size)));
    if (run(QStringLiteral("from-csv"), QStringLiteral("in.csv"), QStringLiteral("1.hy3")) != 0)
        return 0;
    const QByteArray route = fuzz::get(QStringLiteral("1.hy3"));
    const routefile::Scan s = routefile::scan(route);
    FUZZ_CHECK(s.complete() && s.trailing() == 0 && s.count >= 0 && s.badNames.isEmpty());
    FUZZ_CHECK(run(QStringLiteral("to-csv"), QStringLiteral("1.hy3"), QStringLiteral("1.csv")) ==
               0);
    FUZZ_CHECK(run(QStringLiteral("from-csv"), QStringLiteral("1.csv"), QStringLiteral("2.hy3")) ==
               0);
    FUZZ_CHECK(fuzz::get(QStringLiteral("2.hy3")) == route);
    FUZZ_CHECK(run(QStringLiteral("to-csv"), QStringLiteral("2.hy3"), QStringLiteral("2.csv")) ==
               0);
    FUZZ_CHECK(fuzz::get(QStringLiteral("2.csv")) == fuzz::get(QStringLiteral("1.csv")));
    return 0;
}
