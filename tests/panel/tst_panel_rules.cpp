// The operation panel's texts: dial entries, the backlight message table and
// the version box. Keypad entry and the backlight choice are driven through
// the window in tst_panel_window.

#include "panel/CtlLogic.h"
#include "tests/common/TestSupport.h"

using namespace Qt::StringLiterals;

class TestPanelRules : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

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
};

LUMENA_TEST_GUILESS_MAIN(TestPanelRules)
#include "tst_panel_rules.moc"
