// The stop-name element as a widget: SetChimei on the virtual clock, the
// property setters, the stored property set and the painted pixels.

#include "board/ChimeiCtl_B.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"

#include <QSignalSpy>

using namespace lumena;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

const QString kSeven = u"市民病院前北口"_s; // one cell more than the viewport holds

QList<int> litRows(const DotStrip& s)
{
    return test::litRows(kStripWidth, s.height(), [&](int x, int y) { return s.isLit(x, y); });
}

} // namespace

class TestChimeiElement : public QObject {
    Q_OBJECT
    test::FakeResLib m_res;
    test::FakeHost m_host;

    // The strip's top after `ms` more of the virtual clock and one frame.
    int topAfter(ChimeiCtl_B& e, std::chrono::milliseconds ms)
    {
        m_host.advance(ms);
        e.scrollFrame();
        return e.stripTop();
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_host.waits.clear();
    }

    void shortNameStandsStill()
    {
        ChimeiCtl_B e(m_res, m_host);
        const int runs = m_host.eventRuns;
        e.SetChimei(u"市民病院前駅"_s);
        QCOMPARE(m_host.eventRuns, runs + 1); // pending events run once first
        QVERIFY(!e.isScrolling());
        QCOMPARE(e.strip().height(), 192);
        QVERIFY(litRows(e.strip()).constLast() > 160);
        QCOMPARE(topAfter(e, 3s), 0);
        QVERIFY(m_host.waits.empty());
    }

    // The scroll follows the host's clock from the moment of SetChimei and
    // never blocks; the geometry itself is covered without a window.
    void longNameWaitsThenScrolls()
    {
        ChimeiCtl_B e(m_res, m_host); // viewport 35 x 192
        e.SetChimei(kSeven);
        QVERIFY(e.isScrolling());
        QCOMPARE(e.strip().height(), 224);
        QCOMPARE(e.stripTop(), 192); // below the viewport during the start pause
        QCOMPARE(topAfter(e, 1499ms), 192);
        QCOMPARE(topAfter(e, 1001ms), 142); // one second of movement at 50 px/s
        QCOMPARE(topAfter(e, 11159ms), -416);
        QCOMPARE(topAfter(e, 1ms), 192); // wrapped
        QCOMPARE(topAfter(e, 2500ms), 142);
        QVERIFY(m_host.waits.empty());
    }

    void newTextEndsTheScroll()
    {
        ChimeiCtl_B e(m_res, m_host);
        e.SetChimei(kSeven);
        QVERIFY(topAfter(e, 3s) < 192);
        e.SetChimei(u"駅前"_s);
        QVERIFY(!e.isScrolling());
        QCOMPARE(topAfter(e, 1s), 0);
        QCOMPARE(litRows(e.strip()).constFirst() / 8, 48 / 8);
        // Empty text blanks.
        e.SetChimei(kSeven);
        topAfter(e, 3s);
        e.SetChimei(QString());
        QVERIFY(litRows(e.strip()).isEmpty());
        QCOMPARE(e.stripTop(), 0);
        QVERIFY(!e.isScrolling());
        // A second long name starts its own scroll from the beginning.
        e.SetChimei(kSeven);
        e.SetChimei(u"市民病院前南口行"_s);
        QCOMPARE(e.strip().height(), 256);
        QCOMPARE(topAfter(e, 2500ms), 142);
    }

    void speedZeroScrollsAsOne()
    {
        ChimeiCtl_B e(m_res, m_host);
        e.setSpeed(0);
        QSignalSpy changed(&e, &ChimeiCtl_B::propertyChanged);
        e.SetChimei(kSeven);
        QCOMPARE(e.Speed(), qint16(1));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), u"Speed"_s);
        QCOMPARE(topAfter(e, 2500ms), 182);
    }

    void speedChangedWhileScrolling()
    {
        ChimeiCtl_B e(m_res, m_host);
        e.SetChimei(kSeven);
        QCOMPARE(topAfter(e, 2500ms), 142);
        e.setSpeed(10); // no jump, then 100 px/s
        QCOMPARE(topAfter(e, 0ms), 142);
        QCOMPARE(topAfter(e, 1s), 42);
    }

    // Every setter reports its change and lands in the stored property set.
    void settersNotifyAndStore_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("BackColor") << u"BackColor"_s << QVariant::fromValue(quint32(0x00102030));
        QTest::newRow("ForeColor") << u"ForeColor"_s << QVariant::fromValue(quint32(0x000000FF));
        QTest::newRow("Speed") << u"Speed"_s << QVariant::fromValue(qint16(9));
        QTest::newRow("ScrollStartWait") << u"ScrollStartWait"_s << QVariant::fromValue(500);
        QTest::newRow("Mode") << u"Mode"_s << QVariant::fromValue(qint16(0));
        QTest::newRow("Appearance") << u"Appearance"_s << QVariant::fromValue(qint16(0));
        QTest::newRow("FontMode") << u"FontMode"_s << QVariant::fromValue(qint16(4));
        QTest::newRow("FontBold") << u"FontBold"_s << QVariant(true);
    }
    void settersNotifyAndStore()
    {
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        ChimeiCtl_B e(m_res, m_host);
        QSignalSpy changed(&e, &ChimeiCtl_B::propertyChanged);
        QVERIFY(e.setProperty(property.toLatin1().constData(), value));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), property);
        QCOMPARE(e.WriteProperties().value(property).toLongLong(), value.toLongLong());
    }

    void appearanceResizesTheViewport()
    {
        ChimeiCtl_B e(m_res, m_host);
        QCOMPARE(e.size(), QSize(35, 192));
        e.setAppearance(0);
        QCOMPARE(e.size(), QSize(35, 185));
        e.setAppearance(3);
        QCOMPARE(e.size(), QSize(37, 195));
        e.SetChimei(kSeven); // the scroll runs against the viewport's new height
        QCOMPARE(e.stripTop(), 195);
    }

    void readPropertiesAppliesWithoutResizeOrNotice()
    {
        ChimeiCtl_B e(m_res, m_host);
        QSignalSpy changed(&e, &ChimeiCtl_B::propertyChanged);
        ChimeiProps p;
        p.Appearance = 0;
        p.BackColor = 0x00000000;
        p.FontMode = 3;
        e.ReadProperties(p);
        QCOMPARE(e.size(), QSize(35, 192));
        QCOMPARE(e.WriteProperties(), p);
        QCOMPARE(changed.size(), 0);
        QCOMPARE(e.stripImage().pixel(0, 0), qRgb(0, 0, 0));
    }

    void paintsDotsInForeColorOnBackColor()
    {
        ChimeiCtl_B e(m_res, m_host);
        e.setBackColor(0x00000000);
        e.SetChimei(u"駅"_s);
        const QImage shot = e.grab().toImage();
        QCOMPARE(shot.width(), 35); // the strip's last dot column (x = 32) is inside the border
        const DotStrip& s = e.strip();
        int lit = 0;
        for (int y = 80; y < 112; ++y)
            for (int x = 0; x < 33; ++x) {
                const QRgb px = shot.pixel(ChimeiCtl_B::kInset + x, ChimeiCtl_B::kInset + y);
                QCOMPARE(px, s.isLit(x, y) ? qRgb(255, 190, 0) : qRgb(0, 0, 0));
                lit += s.isLit(x, y);
            }
        QVERIFY(lit > 30);
    }
};

LUMENA_TEST_MAIN(TestChimeiElement)
#include "tst_chimei_element.moc"
