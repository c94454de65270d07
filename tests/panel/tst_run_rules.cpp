// The pure rules: entries to numbers, and every cell value of one refresh,
// late night included. (The step sound is checked where it plays, in
// tst_run_controller.)

#include "panel/RunRules.h"
#include "tests/common/TestSupport.h"

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// "night start=5 order=1 zero seiri=2 route=3 column=60@4": an information
// number is on when its cell is given.
DispInputs inputs(const QString& spec)
{
    DispInputs in;
    for (const QString& word : spec.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = word.section(u'=', 0, 0);
        const int value = word.section(u'=', 1).section(u'@', 0, 0).toInt();
        if (key == u"night"_s)
            in.lateNight = true;
        else if (key == u"zero"_s)
            in.stopOrderFromZero = true;
        else if (key == u"start"_s)
            in.startSection = qint16(value);
        else if (key == u"order"_s)
            in.stopOrderOn = true, in.stopOrderCell = value;
        else if (key == u"seiri"_s)
            in.seiriNumOn = true, in.seiriNumCell = value;
        else if (key == u"route"_s)
            in.routeNumOn = true, in.routeNumCell = value;
        else if (key == u"column"_s)
            in.columnOn = true, in.column = value, in.columnCell = word.section(u'@', 1).toInt();
    }
    return in;
}

} // namespace

class TestRunRules : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void entries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // number, section, route
        QTest::newRow("leading zeros") << u"00012"_s << u"12 12 12"_s;
        QTest::newRow("000") << u"000"_s << u"0 1 0"_s;
        QTest::newRow("300 kept") << u"300"_s << u"300 300 300"_s;
        QTest::newRow("301 lowered") << u"301"_s << u"301 300 301"_s;
        QTest::newRow("blanks, digits, then letters") << u" \t5a9"_s << u"5 5 5"_s;
        QTest::newRow("sign is no digit") << u"-5"_s << u"0 1 0"_s;
        QTest::newRow("absurdly long saturates")
            << u"99999999999999999999"_s << u"2147483647 300 2147483647"_s;
    }
    void entries()
    {
        QFETCH(QString, text);
        QTEST(u"%1 %2 %3"_s.arg(leadingNumber(text))
                  .arg(sectionFromText(text))
                  .arg(normalizedRoute(text)),
              "read");
    }

    // One refresh at stop 3 of a row with ticket 7 and fare k = 100 + k,
    // except the -1 marker in cell 49 and 32767 in cell 50.
    void refresh_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("cells"); // 1 2 3 4 10 49 50; "-" unwritten, R route text
        QTest::newRow("day fares") << u""_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("late night: doubled, -1 kept, no wrap")
            << u"night"_s << u"202 204 206 208 220 -1 65534"_s;
        QTest::newRow("from the start section") << u"start=5"_s << u"- - - - 110 -1 32767"_s;
        QTest::newRow("start 51: no fares, the stop order still")
            << u"start=51 order=1"_s << u"3 - - - - - -"_s;
        QTest::newRow("own cells replace fares, never doubled")
            << u"night order=1 seiri=2 route=3 column=60@4"_s << u"3 7 R 160 220 -1 65534"_s;
        QTest::newRow("route number over stop order")
            << u"order=10 seiri=2 route=10 column=60@4"_s << u"101 7 103 160 R -1 32767"_s;
        QTest::newRow("column value last of all")
            << u"order=10 seiri=10 route=10 column=61@10"_s << u"101 102 103 104 161 -1 32767"_s;
        QTest::newRow("cells 0 and 51 skipped")
            << u"order=0 seiri=51 route=0 column=60@51"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("column 0 skipped") << u"column=0@1"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("column 151 skipped")
            << u"column=151@1"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("stop order counted from zero")
            << u"order=1 zero"_s << u"2 102 103 104 110 -1 32767"_s;
    }
    void refresh()
    {
        QFETCH(QString, inputs);
        RouteRecord row;
        row.TicketNo = 7;
        for (int k = 1; k <= 150; ++k)
            row.setFare(k, qint16(100 + k));
        row.setFare(49, -1);
        row.setFare(50, 32767);
        std::map<int, QString> shown; // a later write replaces an earlier one
        for (const DegitWrite& w : planDegitWrites(row, 3, ::inputs(inputs)))
            shown[w.cell] = w.routeText ? u"R"_s : QString::number(w.number);
        QStringList cells;
        for (int c : {1, 2, 3, 4, 10, 49, 50})
            cells << (shown.contains(c) ? shown[c] : u"-"_s);
        QTEST(cells.join(u' '), "cells");
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRunRules)
#include "tst_run_rules.moc"
