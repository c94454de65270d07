// User panel pictures at and over their limits: refused from the picture's
// header before it is decoded, or from the file's size.

#include "panel/PanelRules.h"
#include "tests/common/TestSupport.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// A 24-bit BMP of the given size; its pixels only when `withPixels` (the
// header alone tells a reader the size).
QByteArray bmp(int width, int height, bool withPixels)
{
    const qint64 pixels = withPixels ? qint64((width * 3 + 3) / 4 * 4) * height : 0;
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("BM", 2);
    s << quint32(54 + pixels) << quint32(0) << quint32(54) << quint32(40) << qint32(width)
      << qint32(height) << quint16(1) << quint16(24);
    return b + QByteArray(24, '\0') + QByteArray(pixels, '\x40');
}

} // namespace

class TestPanelLimits : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void panelPicture_data()
    {
        using namespace picture_limits;
        QTest::addColumn<QByteArray>("bytes"); // "huge": a small BMP made sparse beyond the limit
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("limitNamed");
        QTest::newRow("small picture") << bmp(4, 2, true) << 0 << false;
        QTest::newRow("widest") << bmp(MaxSide, 1, true) << 0 << false;
        QTest::newRow("one pixel too wide") << bmp(MaxSide + 1, 1, true) << 481 << true;
        QTest::newRow("too many pixels, never decoded") << bmp(4097, 4096, false) << 481 << true;
        QTest::newRow("file over its size limit") << "huge"_ba << 481 << true;
    }
    void panelPicture()
    {
        QFETCH(QByteArray, bytes);
        const QString file = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
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
