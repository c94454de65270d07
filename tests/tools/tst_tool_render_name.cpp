// lumena-data render-name: the picture of a stop-name strip, checked on the
// rows and colours that matter.

#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"

#include <QImage>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

class TestToolRenderName : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void rendersTheStrip_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("firstCellTop");
        QTest::newRow("one character") << QStringList{u"駅"_s} << 192 << 80;
        QTest::newRow("two, wide spacing")
            << QStringList{u"--mode"_s, u"0"_s, u"駅前"_s} << 192 << 32;
        QTest::newRow("options after --")
            << QStringList{u"--font-mode"_s, u"4"_s, u"--bold"_s, u"--"_s, u"Ａ町"_s} << 192 << 48;
        QTest::newRow("seven cells, full height") << QStringList{u"市民病院前北口"_s} << 224 << 0;
    }
    void rendersTheStrip()
    {
        QFETCH(QStringList, args);
        QFETCH(int, firstCellTop);
        const QString out = m_dir.filePath(u"name.png"_s);
        QCOMPARE(test::runTool(QStringList{u"render-name"_s} + args + QStringList{out}).exitCode,
                 0);
        const QImage img(out);
        QCOMPARE(img.width(), 37);
        QTEST(img.height(), "height");
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        const QList<int> rows = test::litRows(img.width(), img.height(), [&](int x, int y) {
            return img.pixel(x, y) == qRgb(255, 190, 0);
        });
        QVERIFY(!rows.isEmpty());
        QVERIFY2(rows[0] >= firstCellTop && rows[0] < firstCellTop + 8,
                 qPrintable(QString::number(rows[0])));
    }

    void badArgumentsFailWithAMessage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no output") << QStringList{u"駅"_s};
        QTest::newRow("mode not a number") << QStringList{u"--mode"_s, u"x"_s, u"駅"_s, u"@out"_s};
        QTest::newRow("font mode out of range")
            << QStringList{u"--font-mode"_s, u"70000"_s, u"駅"_s, u"@out"_s};
        QTest::newRow("unwritable output") << QStringList{u"駅"_s, u"/nonexistent/dir/o.png"_s};
    }
    void badArgumentsFailWithAMessage()
    {
        QFETCH(QStringList, args);
        const QString out = m_dir.filePath(u"refused.png"_s);
        args.replaceInStrings(u"@out"_s, out);
        QVERIFY(test::isOneLineRefusal(test::runTool(QStringList{u"render-name"_s} + args), {}));
        QVERIFY(!QFile::exists(out));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolRenderName)
#include "tst_tool_render_name.moc"
