// What the panel takes from files it is handed, at and beyond what it reads:
// a route file path that names a FIFO, stop names that are not Shift-JIS, and
// user panel pictures over their limits (refused from the picture's header,
// before it is decoded, or from the file's size).

#include "panel/PanelRules.h"
#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "reslib/InputFile.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

void put16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, quint16(v & 0xFFFF));
    put16(b, quint16(v >> 16));
}

// A route file whose records carry these name bytes as they are.
QByteArray routeWithNames(const QList<QByteArray>& names)
{
    QByteArray b;
    put16(b, quint16(names.size()));
    for (const QByteArray& name : names) {
        put16(b, quint16(name.size()));
        b += name;
        b += QByteArray(2 + 300, '\0'); // TicketNo and fares
    }
    return b;
}

// A 24-bit BMP of the given size; its pixels only when `withPixels` (the
// header alone tells a reader the size).
QByteArray bmp(int width, int height, bool withPixels)
{
    const int row = (width * 3 + 3) / 4 * 4;
    const qint64 pixels = withPixels ? qint64(row) * height : 0;
    QByteArray b = "BM";
    put32(b, quint32(54 + pixels));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, quint32(width));
    put32(b, quint32(height));
    put16(b, 1);
    put16(b, 24);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    b += QByteArray(pixels, '\x40');
    return b;
}

} // namespace

class TestPanelLimits : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // A FIFO once blocked route setting in its open for ever.
    void routeFileThatIsAFifoIsRefused()
    {
        const QString file = m_dir.filePath(u"12.hy3"_s);
        QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        test::FakeHost host;
        test::FakeOptions options;
        options.fareDir = m_dir.path();
        test::FakeBoard board;
        test::FakePanel panel;
        test::FakeSound sound;
        test::FakeTape tape;
        test::FakeResLib resLib;
        RouteState data;
        RunController run(data, options, board, panel, sound, tape, resLib, host);
        QVERIFY(!run.SetRoute(u"12"_s, u"1"_s));
        QCOMPARE(host.messages, QStringList{errorDescription(ErrPathFileAccess) + u'\n' + file});
        QCOMPARE(data.RecordCount(), qint16(0));
    }

    // Each name's bytes are judged on their own: the decoder once stopped
    // counting errors, so an invalid name passed as sound.
    void everyInvalidShiftJisStopNameIsFlagged()
    {
        const routefile::Scan s = routefile::scan(
            routeWithNames({"\x89\x77"_ba, "\x80"_ba, "\x89\x77\x91\x4f"_ba, "\x81"_ba}));
        QVERIFY(s.complete());
        QCOMPARE(s.badNames, (QList<int>{2, 4}));
    }

    void panelPicture_data()
    {
        using namespace picture_limits;
        // "FIFO": a FIFO; "huge": a small BMP made sparse beyond the size limit.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("limitNamed");
        QTest::newRow("small picture") << bmp(4, 2, true) << 0 << false;
        QTest::newRow("widest") << bmp(MaxSide, 1, true) << 0 << false;
        QTest::newRow("one pixel too wide") << bmp(MaxSide + 1, 1, true) << 481 << true;
        // Refused from the header, never decoded.
        QTest::newRow("too many pixels") << bmp(4097, 4096, false) << 481 << true;
        QTest::newRow("file over its size limit") << "huge"_ba << 481 << true;
        QTest::newRow("no picture") << "not a picture"_ba << 481 << false;
        QTest::newRow("FIFO") << "FIFO"_ba << 75 << false;
    }
    void panelPicture()
    {
        QFETCH(QByteArray, bytes);
        const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        if (bytes == "FIFO")
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        else
            QVERIFY(test::writeFile(file, bytes == "huge" ? bmp(4, 2, true) : bytes));
        if (bytes == "huge")
            QVERIFY(QFile::resize(file, picture_limits::MaxFileBytes + 1));
        QImage picture(1, 1, QImage::Format_RGB32);
        const Error e = readPanelPicture(file, picture);
        QTEST(e.code, "error");
        QTEST(e.description.contains(u"8,192ピクセル"_s), "limitNamed");
        QCOMPARE(picture.width() > 1, e.code == 0);
    }
};

LUMENA_TEST_MAIN(TestPanelLimits)
#include "tst_panel_limits.moc"
