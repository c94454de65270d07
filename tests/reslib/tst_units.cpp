// Twips and pixels: the nearest pixel both ways round zero, and values at the
// ends of the stored 32-bit range, which a settings file may hold, neither
// overflow nor wrap on their way back to the file.

#include "reslib/Units.h"
#include "tests/common/TestSupport.h"

#include <limits>

using namespace lumena;

class TestUnits : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void twipsToNearestPixel_data()
    {
        QTest::addColumn<qint64>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << qint64(0) << 0;
        QTest::newRow("7 twips round down") << qint64(7) << 0;
        QTest::newRow("8 twips round up") << qint64(8) << 1;
        QTest::newRow("-7 twips round up") << qint64(-7) << 0;
        QTest::newRow("-8 twips round down") << qint64(-8) << -1;
        QTest::newRow("board width") << qint64(10170) << 678;
        QTest::newRow("32-bit minimum") << qint64(std::numeric_limits<qint32>::min()) << -143165577;
        QTest::newRow("32-bit maximum") << qint64(std::numeric_limits<qint32>::max()) << 143165576;
        QTest::newRow("64-bit minimum held")
            << std::numeric_limits<qint64>::min() << std::numeric_limits<int>::min();
        QTest::newRow("64-bit maximum held")
            << std::numeric_limits<qint64>::max() << std::numeric_limits<int>::max();
    }
    void twipsToNearestPixel()
    {
        QFETCH(qint64, twips);
        QTEST(twipsToPixels(twips), "pixels");
    }

    // What a window saves after a settings file put it at the far end of the
    // 32-bit range: the position stays at that end (it once wrapped round,
    // through a signed overflow, to the other).
    void positionsAtTheEndsOfTheStoredRangeNeitherOverflowNorWrap_data()
    {
        QTest::addColumn<int>("pixels");
        QTest::addColumn<qint32>("twips");
        QTest::newRow("ordinary") << 100 << qint32(1500);
        QTest::newRow("negative") << -100 << qint32(-1500);
        QTest::newRow("read from the 32-bit minimum")
            << twipsToPixels(std::numeric_limits<qint32>::min())
            << std::numeric_limits<qint32>::min();
        QTest::newRow("read from the 32-bit maximum")
            << twipsToPixels(std::numeric_limits<qint32>::max()) << qint32(2147483640);
        QTest::newRow("int minimum")
            << std::numeric_limits<int>::min() << std::numeric_limits<qint32>::min();
        QTest::newRow("int maximum")
            << std::numeric_limits<int>::max() << std::numeric_limits<qint32>::max();
    }
    void positionsAtTheEndsOfTheStoredRangeNeitherOverflowNorWrap()
    {
        QFETCH(int, pixels);
        QTEST(pixelsToTwips(pixels), "twips");
    }
};

LUMENA_TEST_GUILESS_MAIN(TestUnits)
#include "tst_units.moc"
