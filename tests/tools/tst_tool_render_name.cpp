// lumena-data render-name: the picture of a stop-name strip, checked on the
// rows and colours that matter.

#include "tests/common/TestSupport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int run(const QStringList& args, QByteArray* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE), QStringList{QStringLiteral("render-name")} + args);
    if (!p.waitForFinished(30000))
        return -1;
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
}

// First row with a pixel in the dot colour.
int firstLitRow(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == qRgb(255, 190, 0))
                return y;
    return -1;
}

} // namespace

using namespace Qt::StringLiterals;

class TestToolRenderName : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

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
        const QString out = m_dir.filePath(QStringLiteral("name.png"));
        args << out;
        QCOMPARE(run(args), 0);
        const QImage img(out);
        QCOMPARE(img.width(), 37);
        QTEST(img.height(), "height");
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        QFETCH(int, firstCellTop);
        const int first = firstLitRow(img);
        QVERIFY2(first >= firstCellTop && first < firstCellTop + 8,
                 qPrintable(QString::number(first)));
    }

    void badArgumentsFailWithAMessage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no output") << QStringList{u"駅"_s};
        QTest::newRow("mode not a number") << QStringList{u"--mode"_s, u"x"_s, u"駅"_s, u"o.png"_s};
        QTest::newRow("font mode out of range")
            << QStringList{u"--font-mode"_s, u"70000"_s, u"駅"_s, u"o.png"_s};
        QTest::newRow("unwritable output") << QStringList{u"駅"_s, u"/nonexistent/dir/o.png"_s};
    }
    void badArgumentsFailWithAMessage()
    {
        QFETCH(QStringList, args);
        QByteArray err;
        QCOMPARE(run(args, &err), 1);
        QVERIFY(err.startsWith("lumena-data: "));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolRenderName)
#include "tst_tool_render_name.moc"
