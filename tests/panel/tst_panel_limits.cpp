// What the panel takes from files it is handed, at and beyond what it reads:
// a route file path that names no regular file, stop names that are not
// Shift-JIS, and user panel pictures over their limits (refused from the
// picture's header, before it is decoded).

#include "panel/PanelRules.h"
#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "reslib/InputFile.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

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

quint32 crc32(QByteArrayView bytes)
{
    quint32 c = 0xFFFFFFFF;
    for (const char byte : bytes) {
        c ^= uchar(byte);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

// A PNG that is a header and nothing else: a reader learns its size from it.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray b = "\x89PNG\r\n\x1a\n"_ba;
    const auto chunk = [&b](const QByteArray& type, const QByteArray& data) {
        QByteArray body = type + data;
        char n[4];
        qToBigEndian(quint32(data.size()), n);
        b.append(n, 4).append(body);
        qToBigEndian(crc32(body), n);
        b.append(n, 4);
    };
    QByteArray ihdr(13, '\0');
    qToBigEndian(width, ihdr.data());
    qToBigEndian(height, ihdr.data() + 4);
    ihdr[8] = 8; // bit depth; colour type 0 (grey)
    chunk("IHDR", ihdr);
    chunk("IDAT", "x"); // a reader stops at the first data
    chunk("IEND", {});
    return b;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestPanelLimits : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // A FIFO once blocked route setting in its open for ever.
    void routeFileThatIsNoRegularFileIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("folder") << u"folder"_s;
        QTest::newRow("link to a device") << u"device"_s;
    }
    void routeFileThatIsNoRegularFileIsRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath(u"12.hy3"_s);
        if (kind == u"fifo")
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        else if (kind == u"folder")
            QVERIFY(QDir(dir.path()).mkdir(u"12.hy3"_s));
        else
            QVERIFY(QFile::link(u"/dev/zero"_s, file));
        test::FakeHost host;
        test::FakeOptions options;
        options.fareDir = dir.path();
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
    void invalidShiftJisStopNameIsFlagged_data()
    {
        QTest::addColumn<QList<QByteArray>>("names");
        QTest::addColumn<QList<int>>("bad");
        QTest::newRow("unassigned pair EC E4") << QList<QByteArray>{"\xec\xe4"_ba} << QList<int>{1};
        QTest::newRow("invalid between valid names")
            << QList<QByteArray>{"\x89\x77"_ba, "\x80"_ba, "\x89\x77\x91\x4f"_ba, "\x81"_ba}
            << QList<int>{2, 4};
        QTest::newRow("control bytes are characters")
            << QList<QByteArray>{"\x1a\x1c\x7f"_ba} << QList<int>{};
    }
    void invalidShiftJisStopNameIsFlagged()
    {
        QFETCH(QList<QByteArray>, names);
        const routefile::Scan s = routefile::scan(routeWithNames(names));
        QVERIFY(s.complete());
        QTEST(s.badNames, "bad");
        for (int i : s.badNames)
            QVERIFY(s.records[i - 1].StopName.contains(QChar::ReplacementCharacter));
    }

    void panelPicture_data()
    {
        using namespace picture_limits;
        QTest::addColumn<QByteArray>("bytes"); // empty: the path is no file
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("limitNamed");
        QTest::newRow("small picture") << bmp(4, 2, true) << 0 << false;
        QTest::newRow("widest") << bmp(MaxSide, 1, true) << 0 << false;
        QTest::newRow("one pixel too wide") << bmp(MaxSide + 1, 1, true) << 481 << true;
        QTest::newRow("one pixel too high") << bmp(1, MaxSide + 1, true) << 481 << true;
        QTest::newRow("too many pixels") << bmp(4097, 4096, false) << 481 << true;
        // 900 megapixels: refused from the header, never decoded.
        QTest::newRow("30000 x 30000") << pngHeaderOnly(30000, 30000) << 481 << true;
        QTest::newRow("30000 x 30000 BMP, refused by the reader itself")
            << bmp(30000, 30000, false) << 481 << false;
        QTest::newRow("no picture") << "not a picture"_ba << 481 << false;
        QTest::newRow("FIFO") << QByteArray() << 75 << false;
    }
    void panelPicture()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path(QString::fromLatin1(QTest::currentDataTag()));
        if (bytes.isEmpty())
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        else
            QVERIFY(writeFile(file, bytes));
        QImage picture(1, 1, QImage::Format_RGB32);
        const Error e = readPanelPicture(file, picture);
        QTEST(e.code, "error");
        QTEST(e.description.contains(u"8,192ピクセル"_s), "limitNamed");
        QCOMPARE(picture.width() > 1, e.code == 0);
    }

    // A file larger than the limit is refused from its size alone.
    void panelPictureFileTooLarge()
    {
        const QString file = path(u"huge.bmp"_s);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bmp(4, 2, true)) > 0);
        QVERIFY(f.resize(picture_limits::MaxFileBytes + 1)); // sparse
        f.close();
        QImage picture;
        const Error e = readPanelPicture(file, picture);
        QCOMPARE(e.code, int(ErrInvalidPicture));
        QVERIFY2(e.description.contains(byteCountText(picture_limits::MaxFileBytes)),
                 qPrintable(e.description));
    }
};

LUMENA_TEST_MAIN(TestPanelLimits)
#include "tst_panel_limits.moc"
