// Twips and pixels, and the position that keeps a window on screen.

#include "reslib/ScreenFit.h"
#include "reslib/Units.h"
#include "tests/common/TestSupport.h"

#include <limits>

using namespace lumena;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {

const QRect Small(0, 0, 1024, 600);       // a netbook's screen, no panels
const QRect Left(-1280, 0, 1280, 1024);   // a second screen to the left
const QRect BelowPanel(0, 24, 1024, 576); // a desktop panel along the top
const QRect Tall(1024, -200, 800, 1000);  // right of Small, reaching higher
const QSize Board(678, 234), Panel(353, 173);
constexpr qint32 Min32 = std::numeric_limits<qint32>::min();
constexpr qint32 Max32 = std::numeric_limits<qint32>::max();

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void twipsToNearestPixel_data()
    {
        QTest::addColumn<qint64>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("7 twips round down") << qint64(7) << 0;
        QTest::newRow("8 twips round up") << qint64(8) << 1;
        QTest::newRow("-7 twips round up") << qint64(-7) << 0;
        QTest::newRow("-8 twips round down") << qint64(-8) << -1;
        QTest::newRow("32-bit minimum") << qint64(Min32) << -143165577;
        QTest::newRow("32-bit maximum") << qint64(Max32) << 143165576;
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
        QTest::newRow("negative") << -100 << qint32(-1500);
        QTest::newRow("read from the 32-bit minimum") << twipsToPixels(Min32) << Min32;
        QTest::newRow("read from the 32-bit maximum") << twipsToPixels(Max32) << qint32(2147483640);
        QTest::newRow("int minimum") << std::numeric_limits<int>::min() << Min32;
        QTest::newRow("int maximum") << std::numeric_limits<int>::max() << Max32;
    }
    void positionsAtTheEndsOfTheStoredRangeNeitherOverflowNorWrap()
    {
        QFETCH(int, pixels);
        QTEST(pixelsToTwips(pixels), "twips");
    }

    void windowEndsOnScreen_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("at");
        const QList<QRect> one{Small}, two{Small, Left}, panel{BelowPanel}, steps{Small, Tall};
        // On screen: stays.
        QTest::newRow("inside the screen") << one << QRect({300, 200}, Board) << QPoint(300, 200);
        QTest::newRow("touching every edge")
            << one << QRect({0, 0}, QSize(1024, 600)) << QPoint(0, 0);
        QTest::newRow("across two screens side by side")
            << two << QRect({-300, 100}, Board) << QPoint(-300, 100);
        QTest::newRow("no screen known")
            << QList<QRect>{} << QRect({5000, 5000}, Board) << QPoint(5000, 5000);
        QTest::newRow("empty areas are no screens")
            << QList<QRect>{QRect(), Small} << QRect({-900, 0}, Panel) << QPoint(0, 0);
        // Saved on a larger screen: into the small one, as little as needed.
        QTest::newRow("panel at the large screen's bottom-right")
            << one << QRect({1247, 827}, Panel) << QPoint(671, 427);
        QTest::newRow("under the desktop's panel moves down")
            << panel << QRect({0, 0}, Board) << QPoint(0, 24);
        // Off every screen: into the one it overlaps most, else the nearest.
        QTest::newRow("mostly on the left screen, partly below both: wholly into it")
            << two << QRect({-500, 900}, Board) << QPoint(-678, 790);
        QTest::newRow("nearest screen when it overlaps none")
            << two << QRect({-900, 1100}, Panel) << QPoint(-900, 851);
        QTest::newRow("corner in the gap above the shorter screen")
            << steps << QRect({900, -100}, Board) << QPoint(1024, -100);
        QTest::newRow("tie goes to the earlier screen")
            << QList<QRect>{Small, QRect(1024, 0, 1024, 600)} << QRect({685, 700}, Board)
            << QPoint(346, 366);
        // Larger than the screen: the top-left part shows.
        QTest::newRow("wider and taller than the screen")
            << one << QRect({200, 100}, QSize(2712, 936)) << QPoint(0, 0);
        QTest::newRow("wider only: left edge on the screen's, top kept")
            << one << QRect({-50, 100}, QSize(1356, 468)) << QPoint(0, 100);
        QTest::newRow("larger than the left screen")
            << two << QRect({-1400, -20}, QSize(1400, 1100)) << QPoint(-1280, 0);
    }
    void windowEndsOnScreen()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, frame);
        QTEST(onScreenPosition(frame, screens), "at");
    }
};

LUMENA_TEST_GUILESS_MAIN(TestScreenFit)
#include "tst_screen_fit.moc"
