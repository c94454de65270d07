// The stop-name element as a widget: SetChimei with the virtual clock, the
// property setters, the stored property set and the painted pixels.

#include "board/ChimeiCtl_B.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QSignalSpy>

using namespace lumena;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

int firstLitRow(const DotStrip& s)
{
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < kStripWidth; ++x)
            if (s.isLit(x, y))
                return y;
    return -1;
}

int lastLitRow(const DotStrip& s)
{
    for (int y = s.height() - 1; y >= 0; --y)
        for (int x = 0; x < kStripWidth; ++x)
            if (s.isLit(x, y))
                return y;
    return -1;
}

} // namespace

class TestChimeiElement : public QObject {
    Q_OBJECT

    test::FakeResLib m_res;
    test::FakeHost m_host;

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void shortNameStandsStill();
    void longNameWaitsThenScrolls();
    void newTextEndsTheScroll();
    void emptyTextBlanks();
    void speedZeroScrollsAsOne();
    void speedChangedWhileScrolling();
    void settersNotifyAndApply_data();
    void settersNotifyAndApply();
    void appearanceResizesTheViewport();
    void readPropertiesAppliesWithoutResizeOrNotice();
    void paintsDotsInForeColorOnBackColor();
};

void TestChimeiElement::shortNameStandsStill()
{
    ChimeiCtl_B e(m_res, m_host);
    const int runs = m_host.eventRuns;
    e.SetChimei(u"市民病院前駅"_s);
    QCOMPARE(m_host.eventRuns, runs + 1); // pending events run once first
    QVERIFY(!e.isScrolling());
    QCOMPARE(e.stripTop(), 0);
    QCOMPARE(e.strip().height(), 192);
    QVERIFY(lastLitRow(e.strip()) > 160);
    QVERIFY(m_host.waits.empty());
}

void TestChimeiElement::longNameWaitsThenScrolls()
{
    ChimeiCtl_B e(m_res, m_host); // viewport 35 x 192
    e.SetChimei(u"市民病院前北口"_s);
    QVERIFY(e.isScrolling());
    QCOMPARE(e.strip().height(), 224);
    QCOMPARE(e.stripTop(), 192);   // below the viewport during the start pause
    QVERIFY(m_host.waits.empty()); // nothing blocks
    m_host.advance(1499ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 192);
    m_host.advance(1001ms); // one second of movement at 50 px/s
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 142);
    // 24320 steps after the pause the strip has risen 608 px and wraps.
    m_host.advance(11159ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), -416);
    m_host.advance(1ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 192);
    m_host.advance(2500ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 142);
}

void TestChimeiElement::newTextEndsTheScroll()
{
    ChimeiCtl_B e(m_res, m_host);
    e.SetChimei(u"市民病院前北口"_s);
    m_host.advance(3000ms);
    e.scrollFrame();
    QVERIFY(e.stripTop() < 192);
    e.SetChimei(u"駅前"_s);
    QVERIFY(!e.isScrolling());
    m_host.advance(1000ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 0);
    QCOMPARE(firstLitRow(e.strip()) / 8, 48 / 8);
    // A second long name starts its own scroll from the beginning.
    e.SetChimei(u"市民病院前北口"_s);
    e.SetChimei(u"市民病院前南口行"_s);
    QCOMPARE(e.strip().height(), 256);
    m_host.advance(2500ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 142);
}

void TestChimeiElement::emptyTextBlanks()
{
    ChimeiCtl_B e(m_res, m_host);
    e.SetChimei(u"市民病院前北口"_s);
    m_host.advance(3000ms);
    e.scrollFrame();
    e.SetChimei(QString());
    QCOMPARE(firstLitRow(e.strip()), -1);
    QCOMPARE(e.stripTop(), 0);
    QVERIFY(!e.isScrolling());
}

void TestChimeiElement::speedZeroScrollsAsOne()
{
    ChimeiCtl_B e(m_res, m_host);
    e.setSpeed(0);
    QSignalSpy changed(&e, &ChimeiCtl_B::propertyChanged);
    e.SetChimei(u"市民病院前北口"_s);
    QCOMPARE(e.Speed(), qint16(1));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toString(), u"Speed"_s);
    m_host.advance(2500ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 182);
}

void TestChimeiElement::speedChangedWhileScrolling()
{
    ChimeiCtl_B e(m_res, m_host);
    e.SetChimei(u"市民病院前北口"_s);
    m_host.advance(2500ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 142);
    e.setSpeed(10); // no jump, then 100 px/s
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 142);
    m_host.advance(1000ms);
    e.scrollFrame();
    QCOMPARE(e.stripTop(), 42);
}

void TestChimeiElement::settersNotifyAndApply_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("BackColor") << u"BackColor"_s << QVariant::fromValue(quint32(0x00102030));
    QTest::newRow("ForeColor") << u"ForeColor"_s << QVariant::fromValue(quint32(0x000000FF));
    QTest::newRow("Speed") << u"Speed"_s << QVariant::fromValue(qint16(9));
    QTest::newRow("ScrollStartWait") << u"ScrollStartWait"_s << QVariant::fromValue(qint32(500));
    QTest::newRow("Mode") << u"Mode"_s << QVariant::fromValue(qint16(0));
    QTest::newRow("Appearance") << u"Appearance"_s << QVariant::fromValue(qint16(0));
    QTest::newRow("FontMode") << u"FontMode"_s << QVariant::fromValue(qint16(4));
    QTest::newRow("FontBold") << u"FontBold"_s << QVariant(true);
}

void TestChimeiElement::settersNotifyAndApply()
{
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    ChimeiCtl_B e(m_res, m_host);
    QSignalSpy changed(&e, &ChimeiCtl_B::propertyChanged);
    QVERIFY(e.setProperty(property.toLatin1().constData(), value));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toString(), property);
    QCOMPARE(e.property(property.toLatin1().constData()), value);
    QCOMPARE(e.WriteProperties().value(property).toLongLong(), value.toLongLong());
}

void TestChimeiElement::appearanceResizesTheViewport()
{
    ChimeiCtl_B e(m_res, m_host);
    QCOMPARE(e.size(), QSize(35, 192));
    e.setAppearance(0);
    QCOMPARE(e.size(), QSize(35, 185));
    e.setAppearance(3);
    QCOMPARE(e.size(), QSize(37, 195));
    // The scroll runs against the viewport's new height.
    e.SetChimei(u"市民病院前北口"_s);
    QCOMPARE(e.stripTop(), 195);
}

void TestChimeiElement::readPropertiesAppliesWithoutResizeOrNotice()
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

void TestChimeiElement::paintsDotsInForeColorOnBackColor()
{
    ChimeiCtl_B e(m_res, m_host);
    e.setBackColor(0x00000000);
    e.SetChimei(u"駅"_s);
    const QImage shot = e.grab().toImage();
    const DotStrip& s = e.strip();
    int lit = 0;
    for (int y = 80; y < 112; ++y)
        for (int x = 0; x < 33; ++x) {
            const QRgb px = shot.pixel(ChimeiCtl_B::kInset + x, ChimeiCtl_B::kInset + y);
            const QRgb want = s.isLit(x, y) ? qRgb(255, 190, 0) : qRgb(0, 0, 0);
            QCOMPARE(px, want);
            lit += s.isLit(x, y);
        }
    QVERIFY(lit > 30);
    // The strip's last dot column (x = 32) is still inside the border.
    QCOMPARE(shot.width(), 35);
}

LUMENA_TEST_MAIN(TestChimeiElement)
#include "tst_chimei_element.moc"
