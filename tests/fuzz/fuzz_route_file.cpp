// Route files (.hy3) on any bytes: the scan and the strict reader agree, a
// name reads with U+FFFD exactly when it is listed as invalid, the records
// written again read back the same and take the bytes they took; then route
// setting from the file takes exactly the routes that are whole and have a
// section, and a refused one leaves the previous route as it was.
#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const routefile::Scan s = routefile::scan(bytes);
    const qsizetype declared = qMax<qsizetype>(s.count, 0);
    FUZZ_CHECK(s.size == bytes.size() && s.used <= s.size && s.records.size() <= declared);
    FUZZ_CHECK(s.cut == routefile::Cut::Header || s.complete() == (s.records.size() == declared));
    for (qsizetype i = 0; i < s.records.size(); ++i)
        FUZZ_CHECK(s.records[i].StopName.contains(QChar::ReplacementCharacter) ==
                   s.badNames.contains(int(i + 1)));
    QList<RouteRecord> strict;
    const bool read = !routefile::readRecords(bytes, strict);
    FUZZ_CHECK(read == (s.complete() && s.count >= 0) && (!read || strict == s.records));
    if (read && s.badNames.isEmpty()) {
        QByteArray image;
        FUZZ_CHECK(!routefile::encode(s.records, image));
        FUZZ_CHECK(image.size() == s.used && routefile::scan(image).records == s.records);
    }

    test::FakeOptions options;
    options.fareDir = fuzz::dir();
    test::FakeBoard board;
    test::FakePanel panel;
    test::FakeSound sound;
    test::FakeTape tape;
    test::FakeResLib res;
    test::FakeHost host;
    RouteState state;
    RouteRecord before;
    before.StopName = QStringLiteral("前の系統");
    state.SetRouteTable({before, before});
    state.setRecordCount(2);
    RunController run(state, options, board, panel, sound, tape, res, host);
    fuzz::put(QStringLiteral("1.hy3"), bytes);
    const bool set = run.SetRoute(QStringLiteral("1"), QStringLiteral("1"));
    FUZZ_CHECK(set == (s.complete() && s.count >= 2 && s.count <= RouteState::RouteRows));
    FUZZ_CHECK(host.messages.size() == (set ? 0 : 1));
    const QList<RouteRecord> expected = set ? s.records : QList<RouteRecord>{before, before};
    FUZZ_CHECK(state.RecordCount() == (set ? s.count : 2));
    for (int row = 1; row <= RouteState::RouteRows; ++row)
        FUZZ_CHECK(state.RouteTable(row) == expected.value(row - 1));
    FUZZ_CHECK(!set || board.chimei.last() == s.records[0].StopName);
    return 0;
}
