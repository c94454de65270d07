// The operation panel's rules without a window: keypad entry, dial texts,
// the backlight message table, the version text and the backlight choice.

#include "panel/CtlLogic.h"
#include "panel/PanelPorts.h"
#include "tests/common/TestSupport.h"

using namespace Qt::StringLiterals;

namespace {

class Options final : public lumena::PanelOptions {
public:
    bool automatic = true;
    bool user[3] = {false, false, false};
    quint32 seiriNumColor(int state) const override { return 0x100u + quint32(state); }
    bool panelAuto() const override { return automatic; }
    bool panelUser(int state) const override { return user[state]; }
    QString panelFile(int state) const override { return u"/p/user%1.bmp"_s.arg(state); }
    QString resetSound() const override { return {}; }
    QString routeSetSound() const override { return {}; }
    void showOptions() override {}
};

} // namespace

class TestPanelRules : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    void keypad_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("section");
        const int R = lumena::KeypadEntry::RouteKey, S = lumena::KeypadEntry::SectionKey;
        QTest::newRow("digits go to the section until 系統")
            << QList<int>{1, 2} << u""_s << u"12"_s;
        QTest::newRow("route keeps the first five digits")
            << QList<int>{R, 1, 2, 3, 4, 5, 6} << u"12345"_s << u""_s;
        QTest::newRow("section keeps the first three digits")
            << QList<int>{S, 9, 8, 7, 6} << u""_s << u"987"_s;
        QTest::newRow("leading zero stays") << QList<int>{R, 0, 0, 1, 2} << u"0012"_s << u""_s;
        QTest::newRow("系統 again empties only the route")
            << QList<int>{R, 4, S, 5, R, 6} << u"6"_s << u"5"_s;
        QTest::newRow("区間 again empties only the section")
            << QList<int>{S, 1, 2, R, 3, S} << u"3"_s << u""_s;
        QTest::newRow("keys outside the pad change nothing")
            << QList<int>{R, 12, -1, 3} << u"3"_s << u""_s;
    }
    void keypad()
    {
        QFETCH(QList<int>, keys);
        lumena::KeypadEntry entry;
        for (int k : keys)
            entry.press(k);
        QFETCH(QString, route);
        QFETCH(QString, section);
        QCOMPARE(entry.route, route);
        QCOMPARE(entry.section, section);
    }

    void dialText_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("all chosen") << QList<int>{0, 0, 0, 1, 2} << u"00012"_s;
        QTest::newRow("unchosen lists add nothing") << QList<int>{-1, 3, -1, 7, -1} << u"37"_s;
        QTest::newRow("none chosen") << QList<int>{-1, -1, -1} << u""_s;
    }
    void dialText()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QString, text);
        QCOMPARE(lumena::dialText(rows), text);
    }

    void backlightErrorText_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("tail");
        const QString internal =
            u"　内部的なエラーです。トワノ工房へ報告してください。エラー場所：frmCtl.Option4_Click()"_s;
        const QString missing = u"　画像ファイルが見つからないか、指定している場所が不正です。"_s;
        const QString device = u"　デバイスエラーもしくは準備が出来ていません。"_s;
        const QString invalid = u"　指定した画像の内容が不正です。この部分では扱えません。"_s;
        for (int c : {7, 28, 51})
            QTest::addRow("internal %d", c) << c << internal;
        for (int c : {53, 75, 76})
            QTest::addRow("not found %d", c) << c << missing;
        for (int c : {57, 68})
            QTest::addRow("device %d", c) << c << device;
        QTest::newRow("invalid picture 481") << 481 << invalid;
        QTest::newRow("other numbers add nothing") << 52 << u""_s;
    }
    void backlightErrorText()
    {
        QFETCH(int, code);
        QFETCH(QString, tail);
        QCOMPARE(lumena::backlightErrorText(code),
                 u"エラーです。\r\n\r\nエラーコード："_s + QString::number(code) + tail);
    }

    void versionTextLines()
    {
        const QStringList lines =
            lumena::versionText(u"lumena"_s, u"1.0.0"_s, 2031).split(u"\r\n"_s);
        QCOMPARE(lines.size(), 6); // five lines, each ended by CR LF
        QCOMPARE(lines[0], u"型番：lumena"_s);
        QCOMPARE(lines[1], u"バージョン：1.0.0"_s);
        QCOMPARE(lines[2], u""_s);
        QVERIFY(lines[4].endsWith(u"2031"_s));
        QCOMPARE(lines[5], u""_s);
    }

    void planBacklight_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("userState");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("automatic ignores user choices") << true << 1 << 1 << false;
        QTest::newRow("manual, built-in for this state") << false << 2 << 1 << false;
        QTest::newRow("manual, user panel for this state") << false << 1 << 1 << true;
        QTest::newRow("manual, user panel for OFF") << false << 0 << 0 << true;
    }
    void planBacklight()
    {
        QFETCH(int, state);
        QFETCH(int, userState);
        QFETCH(bool, automatic);
        QFETCH(bool, fromFile);
        Options options;
        options.automatic = automatic;
        options.user[userState] = true;
        const lumena::BacklightPlan plan = lumena::planBacklight(options, state);
        QCOMPARE(plan.color, 0x100u + quint32(state));
        QCOMPARE(plan.source == lumena::BacklightPlan::UserFile, fromFile);
        if (fromFile)
            QCOMPARE(plan.file, u"/p/user%1.bmp"_s.arg(state));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestPanelRules)
#include "tst_panel_rules.moc"
