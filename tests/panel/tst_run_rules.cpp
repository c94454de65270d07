// The pure rules: entries to numbers, the step sound choice, every cell value
// of one refresh, late night included.

#include "panel/RunRules.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// Final value of every written cell, as the board would show it after the writes.
std::map<int, QString> applied(const DegitWrites& ws, const QString& route)
{
    std::map<int, QString> cells;
    for (const DegitWrite& w : ws)
        cells[w.cell] = w.routeText ? u"text:"_s + route : QString::number(w.number);
    return cells;
}

RouteRecord row()
{
    RouteRecord r;
    r.StopName = u"市役所前"_s;
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
        QTest::newRow("empty") << QString() << 0 << 1 << u"0"_s;
        QTest::newRow("leading zeros") << u"00012"_s << 12 << 12 << u"12"_s;
        QTest::newRow("000") << u"000"_s << 0 << 1 << u"0"_s;
        QTest::newRow("300 kept") << u"300"_s << 300 << 300 << u"300"_s;
        QTest::newRow("301 lowered") << u"301"_s << 301 << 300 << u"301"_s;
        QTest::newRow("digits then letters") << u" 5a9"_s << 5 << 5 << u"5"_s;
        QTest::newRow("sign is no digit") << u"-5"_s << 0 << 1 << u"0"_s;
        QTest::newRow("absurdly long saturates")
            << u"99999999999999999999"_s << 2147483647 << 300 << u"2147483647"_s;
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

    void folderSeparator()
    {
        QCOMPARE(withSeparator(u"/data"_s), u"/data/"_s);
        QCOMPARE(withSeparator(u"/data/"_s), u"/data/"_s);
        QCOMPARE(withSeparator(QString()), QString()); // the current folder
    }

    void stepSound_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("expected"); // "-" for no sound
        QTest::newRow("always ignores the column") << true << 60 << 9 << u"step.wav"_s;
        QTest::newRow("always with no file still plays") << true << 60 << 1 << u""_s;
        QTest::newRow("value 1") << false << 60 << 1 << u"one.wav"_s;
        QTest::newRow("value 3 in the last column") << false << 150 << 3 << u"three.wav"_s;
        QTest::newRow("value 4 silent") << false << 60 << 4 << u"-"_s;
        QTest::newRow("value 0 silent") << false << 60 << 0 << u"-"_s;
        QTest::newRow("column 0 silent") << false << 0 << 1 << u"-"_s;
        QTest::newRow("column 151 silent") << false << 151 << 1 << u"-"_s;
    }
    void stepSound()
    {
        QFETCH(bool, always);
        QFETCH(int, column);
        QFETCH(int, value);
        QFETCH(QString, expected);
        test::FakeOptions o;
        o.always = always;
        o.soundColumn = column;
        if (always)
            o.alwaysFile = expected;
        RouteRecord r;
        r.setFare(column, static_cast<qint16>(value));
        const auto chosen = chooseStepSound(o, r);
        QCOMPARE(chosen ? *chosen : u"-"_s, expected);
    }

    void lateNight_data()
    {
        QTest::addColumn<int>("fare");
        QTest::addColumn<bool>("night");
        QTest::addColumn<int>("shown");
        QTest::newRow("210 doubled") << 210 << true << 420;
        QTest::newRow("-1 marker kept") << -1 << true << -1;
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
        QTest::addColumn<bool>("fromZero");
        QTest::addColumn<QStringList>("expected"); // cell=value for cells 1..4, 10
        const auto list = [](const char* s) { return QString::fromUtf8(s).split(u' '); };
        QTest::newRow("own cells replace fares")
            << 1 << 2 << 3 << 60 << 4 << false << list("1=3 2=7 3=text:00012 4=160 10=220");
        QTest::newRow("route number over stop order")
            << 10 << 2 << 10 << 60 << 4 << false << list("1=202 2=7 3=206 4=160 10=text:00012");
        QTest::newRow("column value last of all")
            << 10 << 10 << 10 << 61 << 10 << false << list("1=202 2=204 3=206 4=208 10=161");
        QTest::newRow("cells 0 and 51 skipped")
            << 0 << 51 << -1 << 60 << 4 << false << list("1=202 2=204 3=206 4=160 10=220");
        QTest::newRow("columns 0 and 151 skipped")
            << 1 << 2 << 3 << 151 << 4 << false << list("1=3 2=7 3=text:00012 4=208 10=220");
        QTest::newRow("column 0 skipped")
            << 1 << 2 << 3 << 0 << 10 << false << list("1=3 2=7 3=text:00012 4=208 10=220");
        QTest::newRow("stop order counted from zero")
            << 1 << 2 << 3 << 60 << 4 << true << list("1=2 2=7 3=text:00012 4=160 10=220");
    }
    void infoNumbers()
    {
        QFETCH(bool, fromZero);
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
        in.stopOrderFromZero = fromZero;
        const auto cells = applied(planDegitWrites(row(), 3, in), u"00012"_s);
        QStringList got;
        for (int c : {1, 2, 3, 4, 10})
            got << u"%1=%2"_s.arg(c).arg(cells.at(c));
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
};

LUMENA_TEST_GUILESS_MAIN(TestRunRules)
#include "tst_run_rules.moc"
