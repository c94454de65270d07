// The pure rules: entries to numbers, the step sound choice and every cell
// value of one refresh.

#include "panel/RunRules.h"
#include "tests/common/TestSupport.h"
#include "tests/panel/RunFakes.h"

using namespace lumena;

namespace {

// Final value of every written cell, as the board would show it after the writes.
std::map<int, QString> applied(const DegitWrites& ws, const QString& route)
{
    std::map<int, QString> cells;
    for (const DegitWrite& w : ws)
        cells[w.cell] = w.routeText ? QStringLiteral("text:") + route : QString::number(w.number);
    return cells;
}

RouteRecord row()
{
    RouteRecord r;
    r.StopName = QStringLiteral("市役所前");
    r.TicketNo = 7;
    for (int k = 1; k <= 150; ++k)
        r.setFare(k, static_cast<qint16>(100 + k));
    return r;
}

} // namespace

class TestRunRules : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void entries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("route");
        QTest::newRow("empty") << QString() << 0 << 1 << QStringLiteral("0");
        QTest::newRow("leading zeros")
            << QStringLiteral("00012") << 12 << 12 << QStringLiteral("12");
        QTest::newRow("000") << QStringLiteral("000") << 0 << 1 << QStringLiteral("0");
        QTest::newRow("300 kept") << QStringLiteral("300") << 300 << 300 << QStringLiteral("300");
        QTest::newRow("301 lowered")
            << QStringLiteral("301") << 301 << 300 << QStringLiteral("301");
        QTest::newRow("999 lowered")
            << QStringLiteral("999") << 999 << 300 << QStringLiteral("999");
        QTest::newRow("digits then letters")
            << QStringLiteral(" 5a9") << 5 << 5 << QStringLiteral("5");
        QTest::newRow("sign is no digit") << QStringLiteral("-5") << 0 << 1 << QStringLiteral("0");
        QTest::newRow("absurdly long saturates")
            << QStringLiteral("99999999999999999999") << 2147483647 << 300
            << QStringLiteral("2147483647");
    }
    void entries()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QFETCH(int, section);
        QFETCH(QString, route);
        QCOMPARE(leadingNumber(text), number);
        QCOMPARE(sectionFromText(text), section);
        QCOMPARE(normalizedRoute(text), route);
    }

    void folders()
    {
        QCOMPARE(withSeparator(QString()), QString());
        QCOMPARE(withSeparator(QStringLiteral("/data")), QStringLiteral("/data/"));
        QCOMPARE(withSeparator(QStringLiteral("/data/")), QStringLiteral("/data/"));
    }

    void stepSound_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected"); // "-" for no sound
        QTest::newRow("always ignores the column") << true << 60 << 9 << QStringLiteral("step.wav");
        QTest::newRow("value 1") << false << 60 << 1 << QStringLiteral("one.wav");
        QTest::newRow("value 2") << false << 60 << 2 << QStringLiteral("two.wav");
        QTest::newRow("value 3 in the last column")
            << false << 150 << 3 << QStringLiteral("three.wav");
        QTest::newRow("value 4 silent") << false << 60 << 4 << QStringLiteral("-");
        QTest::newRow("value 0 silent") << false << 60 << 0 << QStringLiteral("-");
        QTest::newRow("value -1 silent") << false << 60 << -1 << QStringLiteral("-");
        QTest::newRow("column 0 silent") << false << 0 << 1 << QStringLiteral("-");
        QTest::newRow("column 151 silent") << false << 151 << 1 << QStringLiteral("-");
    }
    void stepSound()
    {
        QFETCH(bool, always);
        QFETCH(int, column);
        QFETCH(int, value);
        QFETCH(QString, expected);
        test::FakeRunOptions o;
        o.always = always;
        o.soundColumn = column;
        RouteRecord r;
        r.setFare(column, static_cast<qint16>(value));
        const auto chosen = chooseStepSound(o, r);
        QCOMPARE(chosen ? *chosen : QStringLiteral("-"), expected);
    }

    void alwaysSoundWithEmptyFileStillPlays()
    {
        test::FakeRunOptions o;
        o.alwaysFile.clear();
        QVERIFY(chooseStepSound(o, RouteRecord{}).has_value());
    }

    void faresFromStartSection()
    {
        DispInputs in;
        in.startSection = 5;
        const auto cells = applied(planDegitWrites(row(), 3, in), {});
        QCOMPARE(cells.size(), size_t(46));
        QCOMPARE(cells.begin()->first, 5);
        QCOMPARE(cells.at(5), QStringLiteral("105"));
        QCOMPARE(cells.at(50), QStringLiteral("150"));
        QCOMPARE(planDegitWrites(row(), 3, DispInputs{51}).size, 0);
    }

    void lateNight_data()
    {
        QTest::addColumn<int>("fare");
        QTest::addColumn<bool>("night");
        QTest::addColumn<int>("shown");
        QTest::newRow("210 doubled") << 210 << true << 420;
        QTest::newRow("-1 marker kept") << -1 << true << -1;
        QTest::newRow("0 stays") << 0 << true << 0;
        QTest::newRow("-5 doubled") << -5 << true << -10;
        QTest::newRow("20000 does not wrap") << 20000 << true << 40000;
        QTest::newRow("32767 does not wrap") << 32767 << true << 65534;
        QTest::newRow("day fare") << 210 << false << 210;
    }
    void lateNight()
    {
        QFETCH(int, fare);
        QFETCH(bool, night);
        QFETCH(int, shown);
        RouteRecord r;
        r.setFare(50, static_cast<qint16>(fare));
        DispInputs in;
        in.lateNight = night;
        const DegitWrites ws = planDegitWrites(r, 1, in);
        QCOMPARE(ws.items[49].cell, qint16(50));
        QCOMPARE(ws.items[49].number, shown);
    }

    void infoNumbers_data()
    {
        QTest::addColumn<int>("orderCell");
        QTest::addColumn<int>("seiriCell");
        QTest::addColumn<int>("routeCell");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("columnCell");
        QTest::addColumn<QStringList>("expected"); // cell=value for cells 1..4, 10
        const auto list = [](const char* s) { return QString::fromUtf8(s).split(u' '); };
        QTest::newRow("own cells replace fares")
            << 1 << 2 << 3 << 60 << 4 << list("1=3 2=7 3=text:00012 4=160 10=220");
        QTest::newRow("route number over stop order")
            << 10 << 2 << 10 << 60 << 4 << list("1=202 2=7 3=206 4=160 10=text:00012");
        QTest::newRow("column value last of all")
            << 10 << 10 << 10 << 61 << 10 << list("1=202 2=204 3=206 4=208 10=161");
        QTest::newRow("cells 0 and 51 skipped")
            << 0 << 51 << -1 << 60 << 4 << list("1=202 2=204 3=206 4=160 10=220");
        QTest::newRow("columns 0 and 151 skipped")
            << 1 << 2 << 3 << 151 << 4 << list("1=3 2=7 3=text:00012 4=208 10=220");
        QTest::newRow("column 0 skipped")
            << 1 << 2 << 3 << 0 << 10 << list("1=3 2=7 3=text:00012 4=208 10=220");
    }
    void infoNumbers()
    {
        QFETCH(int, orderCell);
        QFETCH(int, seiriCell);
        QFETCH(int, routeCell);
        QFETCH(int, column);
        QFETCH(int, columnCell);
        QFETCH(QStringList, expected);
        DispInputs in;
        in.lateNight = true; // fares doubled, information numbers never
        in.stopOrderOn = in.seiriNumOn = in.routeNumOn = in.columnOn = true;
        in.stopOrderCell = orderCell;
        in.seiriNumCell = seiriCell;
        in.routeNumCell = routeCell;
        in.column = column;
        in.columnCell = columnCell;
        const auto cells = applied(planDegitWrites(row(), 3, in), QStringLiteral("00012"));
        QStringList got;
        for (int c : {1, 2, 3, 4, 10})
            got << QStringLiteral("%1=%2").arg(c).arg(cells.at(c));
        QCOMPARE(got, expected);
    }

    void infoNumbersOffWriteNothing()
    {
        DispInputs in;
        in.startSection = 51;
        in.stopOrderCell = in.seiriNumCell = in.routeNumCell = in.columnCell = 1;
        in.column = 1;
        QCOMPARE(planDegitWrites(row(), 3, in).size, 0);
    }

    void stopOrderFromZero()
    {
        DispInputs in;
        in.startSection = 51;
        in.stopOrderOn = true;
        in.stopOrderCell = 1;
        QCOMPARE(planDegitWrites(row(), 1, in).items[0].number, 1);
        in.stopOrderFromZero = true;
        QCOMPARE(planDegitWrites(row(), 1, in).items[0].number, 0);
    }

    void dates()
    {
        const QDate today(2026, 3, 9);
        const QString kept = QStringLiteral("12-31-2025");
        const QString fixed = QStringLiteral("平成元年");
        QCOMPARE(ticketDate(DateMode::EachPrint, today, kept, fixed), QStringLiteral("03-09-2026"));
        QCOMPARE(ticketDate(DateMode::RouteSet, today, kept, fixed), kept);
        QCOMPARE(ticketDate(DateMode::Fixed, today, kept, fixed), fixed);
        QCOMPARE(routeSetDateText(DateMode::EachPrint, today, fixed), QStringLiteral("03-09-2026"));
        QCOMPARE(routeSetDateText(DateMode::RouteSet, today, fixed), QStringLiteral("03-09-2026"));
        QCOMPARE(routeSetDateText(DateMode::Fixed, today, fixed), fixed);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRunRules)
#include "tst_run_rules.moc"
