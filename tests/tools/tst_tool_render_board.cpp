// lumena-data render-board, run as a separate process on the sample routes:
// the picture shows the stepped stop's fares in the settings' colours, and
// bad input ends in one line and a non-zero exit.

#include "board/BoardLayout.h"
#include "settings/IniCodec.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"

#include <QImage>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

// Pixels of `rgb` inside fare element Degit(cell).
int pixelsOf(const QImage& img, int cell, QRgb rgb)
{
    const QRect r = layout::degitRect(cell);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF) ? 1 : 0;
    return n;
}

} // namespace

class TestToolRenderBoard : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // render-board on the samples, route 12 section 1, then `args`; `@ini` is a
    // settings file with green lit segments, `@short` one cut after 100 bytes.
    test::ToolRun render(QStringList args, const QString& out)
    {
        IniData green;
        green.DegitInfo.DegitLitColor = 0x0000FF00;
        const QString ini = m_dir.filePath(u"green.in4"_s), cut = m_dir.filePath(u"short.in4"_s);
        if (!test::writeFile(ini, encodeIni(green)) ||
            !test::writeFile(cut, encodeIni(IniData{}).left(100)))
            qFatal("cannot write test files");
        args.replaceInStrings(u"@ini"_s, ini).replaceInStrings(u"@short"_s, cut);
        return test::runTool(
            QStringList{u"render-board"_s, u"--data"_s, test::sourceDir() + u"/samples/data"_s} +
            args + QStringList{out});
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void litCells_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QRgb>("lit");
        QTest::addColumn<int>("cells"); // cells 1..cells lit, the next one not
        QTest::addColumn<QString>("says");
        const QStringList route{u"--route"_s, u"12"_s, u"--section"_s, u"1"_s};
        QTest::newRow("fourth stop, default colours")
            << route + QStringList{u"--step"_s, u"3"_s} << layout::colorFromBgr(0x0072D2F8).rgb()
            << 4 << u"中央公園"_s;
        QTest::newRow("first stop, settings file colours")
            << route + QStringList{u"--settings"_s, u"@ini"_s} << qRgb(0, 255, 0) << 1 << QString();
    }
    void litCells()
    {
        QFETCH(QStringList, args);
        QFETCH(QRgb, lit);
        QFETCH(int, cells);
        QFETCH(QString, says);
        const QString out = m_dir.filePath(u"board.png"_s);
        const test::ToolRun r = render(args, out);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QString::fromUtf8(r.out).contains(says));
        const QImage img(out);
        QCOMPARE(img.size(), QSize(678, 234));
        for (int cell = 1; cell <= cells; ++cell)
            QVERIFY2(pixelsOf(img, cell, lit) > 20, qPrintable(QString::number(cell)));
        QCOMPARE(pixelsOf(img, cells + 1, lit), 0);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("inError");
        QTest::newRow("no such route")
            << QStringList{u"--route"_s, u"999"_s, u"--section"_s, u"1"_s} << u"route not set"_s;
        QTest::newRow("truncated settings")
            << QStringList{u"--route"_s, u"12"_s,         u"--section"_s,
                           u"1"_s,       u"--settings"_s, u"@short"_s}
            << u"short.in4"_s;
        QTest::newRow("missing section") << QStringList{u"--route"_s, u"12"_s} << u"--section"_s;
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, inError);
        const QString out = m_dir.filePath(u"refused.png"_s);
        QVERIFY(test::isOneLineRefusal(render(args, out), inError));
        QVERIFY(!QFile::exists(out));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolRenderBoard)
#include "tst_tool_render_board.moc"
