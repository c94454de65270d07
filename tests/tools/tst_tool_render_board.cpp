// lumena-data render-board, run as a separate process on the sample routes:
// the picture shows the stepped stop's fares in the settings' colours, and
// bad input ends in one line and a non-zero exit.

#include "board/BoardLayout.h"
#include "settings/IniCodec.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run tool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE), args);
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString samples()
{
    return test::sourceDir() + u"/samples/data"_s;
}

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

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void steppedStopInDefaultColours()
    {
        const QString out = m_dir.filePath(u"r12.png"_s);
        const Run r = tool({u"render-board"_s, u"--data"_s, samples(), u"--route"_s, u"12"_s,
                            u"--section"_s, u"1"_s, u"--step"_s, u"3"_s, out});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QString::fromUtf8(r.out).contains(u"中央公園"_s));
        const QImage img(out);
        QCOMPARE(img.size(), QSize(678, 234));
        const QRgb amber = layout::colorFromBgr(0x0072D2F8).rgb();
        for (int cell = 1; cell <= 4; ++cell) // the fourth stop has fares in cells 1..4
            QVERIFY2(pixelsOf(img, cell, amber) > 20, qPrintable(QString::number(cell)));
        QCOMPARE(pixelsOf(img, 5, amber), 0);
    }

    void settingsFileColours()
    {
        IniData data;
        data.DegitInfo.DegitLitColor = 0x0000FF00; // green
        const QString ini = m_dir.filePath(u"green.in4"_s);
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(encodeIni(data));
        f.close();
        const QString out = m_dir.filePath(u"green.png"_s);
        const Run r = tool({u"render-board"_s, u"--data"_s, samples(), u"--route"_s, u"12"_s,
                            u"--section"_s, u"1"_s, u"--settings"_s, ini, out});
        QCOMPARE(r.exitCode, 0);
        const QImage img(out);
        QVERIFY(pixelsOf(img, 1, qRgb(0, 255, 0)) > 20);
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
        QFile shortFile(m_dir.filePath(u"short.in4"_s));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        shortFile.write(encodeIni(IniData{}).left(100));
        shortFile.close();
        args.replaceInStrings(u"@short"_s, shortFile.fileName());
        const QString out = m_dir.filePath(u"refused.png"_s);
        const Run r =
            tool(QStringList{u"render-board"_s, u"--data"_s, samples()} + args + QStringList{out});
        QVERIFY(r.exitCode > 0);
        QVERIFY2(QString::fromUtf8(r.err).contains(inError), r.err.constData());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(!QFile::exists(out));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolRenderBoard)
#include "tst_tool_render_board.moc"
