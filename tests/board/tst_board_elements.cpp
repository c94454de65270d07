// The digit and stop-name elements as widgets. Digit: setter rules, sizes, the
// lamp test, mouse handling, the pixels of its picture and its settings dialog.
// Stop name: SetChimei on the virtual clock, the property setters, the stored
// property set and the painted pixels.

#include "board/ChimeiElement.h"
#include "board/DegitElement.h"
#include "board/DegitSegments.h"
#include "board/DotFonts.h"
#include "reslib/WidgetResLib.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using namespace lumena;
using namespace Qt::StringLiterals;
using test::child;
using namespace std::chrono_literals;

namespace {

constexpr QRgb kBase = 0xff969696;
constexpr QRgb kLit = 0xfff8d272; // 0x0072D2F8 as red, green, blue
constexpr QRgb kBack = 0xff808080;

// Colour of a pixel well inside segment `seg` of cell `cell` (0 = leftmost): the
// mean of the outline's corners, which lies inside every (convex) segment.
QRgb segment(const DegitElement& d, int cell, int seg)
{
    const auto outlines = degitSegmentOutlines(degitCellStyle(d.DegitStyle()), true);
    const DegitSizeClass& cls = degitSizeClass(d.DegitSize());
    QPointF sum;
    for (const QPointF& p : outlines[seg])
        sum += p;
    sum /= static_cast<qreal>(outlines[seg].size());
    const QPoint at(cell * cls.cellWidth() + static_cast<int>(sum.x() * cls.cellWidth()),
                    static_cast<int>(sum.y() * cls.height()));
    return d.image().pixel(at) | 0xff000000;
}

QRadioButton* zeroModeOption(QWidget* dlg, int i)
{
    return child<QRadioButton>(dlg, u"optZeroMode(%1)"_s.arg(i));
}

const QString kSeven = u"市民病院前北口"_s; // one cell more than the viewport holds

QList<int> litRows(const DotStrip& s)
{
    return test::litRows(kStripWidth, s.height(), [&](int x, int y) { return s.isLit(x, y); });
}

} // namespace

class TestBoardElements : public QObject {
    Q_OBJECT
    test::FakeResLib m_res;
    test::FakeHost m_host;
    DotFonts m_glyphs;

    // The strip's top after `ms` more of the virtual clock and one frame.
    int topAfter(ChimeiElement& e, std::chrono::milliseconds ms)
    {
        m_host.advance(ms);
        e.scrollFrame();
        return e.stripTop();
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_res.calls.clear();
        m_host.waits.clear();
    }

    // --- digit element ---
    // Property set with Keta already at `keta` -> the value stored.
    void setterRules_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("stored");
        auto add = [](const char* tag, int keta, const char* property, int input, int stored) {
            QTest::newRow(tag) << keta << QString::fromLatin1(property) << input << stored;
        };
        add("Keta 0 stores 4", 4, "Keta", 0, 4);
        add("Keta 16 stores 4", 4, "Keta", 16, 4);
        add("Keta -3 stores 4", 2, "Keta", -3, 4);
        add("Keta 15 kept", 4, "Keta", 15, 15);
        add("Keta 1 kept", 4, "Keta", 1, 1);
        add("DegitSize 7 stores 0", 4, "DegitSize", 7, 0);
        add("DegitSize -1 stores 0", 4, "DegitSize", -1, 0);
        add("DegitSize 3 kept", 4, "DegitSize", 3, 3);
        add("ZeroMode 4 stores 0", 4, "ZeroMode", 4, 0);
        add("ZeroMode -1 kept", 4, "ZeroMode", -1, -1);
        add("ZeroMode 3 kept", 4, "ZeroMode", 3, 3);
        add("FillZero 6 stores Keta", 4, "FillZero", 6, 4);
        add("FillZero 5 stores Keta 2", 2, "FillZero", 5, 2);
        add("FillZero 4 kept", 4, "FillZero", 4, 4);
        add("FillZero -2 kept", 4, "FillZero", -2, -2);
        add("Shift 4 stores 3", 4, "Shift", 4, 3);
        add("Shift 5 stores Keta 2 - 1", 2, "Shift", 5, 1);
        add("Shift -2 stores 0", 4, "Shift", -2, 0);
        add("Shift 2 kept", 4, "Shift", 2, 2);
        add("DegitStyle 9 kept", 4, "DegitStyle", 9, 9);
    }
    void setterRules()
    {
        QFETCH(int, keta);
        QFETCH(QString, property);
        QFETCH(int, input);
        DegitElement d(m_res);
        d.setKeta(qint16(keta));
        const QByteArray name = property.toLatin1();
        QVERIFY(d.setProperty(name.constData(), QVariant::fromValue<qint16>(qint16(input))));
        QTEST(d.property(name.constData()).toInt(), "stored");
    }

    void everyStoredPropertyReportsItsChange()
    {
        DegitElement d(m_res);
        const DegitProps defaults;
        for (const QString& name : DegitProps::names()) {
            QSignalSpy changed(&d, &DegitElement::propertyChanged);
            QVERIFY2(d.setProperty(name.toLatin1().constData(), defaults.get(name)),
                     qPrintable(name));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(changed.first().first().toString(), name);
        }
        QVERIFY(d.storedProperties() == defaults);
    }

    void newElementShowsOnlyItsBackColour()
    {
        DegitElement d(m_res);
        QCOMPARE(d.size(), QSize(52, 20));
        for (int cell = 0; cell < 4; ++cell)
            QCOMPARE(segment(d, cell, 0), kBack);
        d.setValue(0); // the first redraw with a cell count shows the unlit cells
        QCOMPARE(segment(d, 0, 0), kBase);
    }

    void sizeClasses_data()
    {
        QTest::addColumn<int>("degitSize");
        QTest::addColumn<int>("keta");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("class 0") << 0 << 4 << QSize(52, 20);
        QTest::newRow("class 1") << 1 << 4 << QSize(68, 26);
        QTest::newRow("class 2") << 2 << 4 << QSize(76, 29);
        QTest::newRow("class 3") << 3 << 4 << QSize(44, 15);
        QTest::newRow("class 7 is class 0") << 7 << 4 << QSize(52, 20);
        QTest::newRow("15 cells") << 0 << 15 << QSize(195, 20);
        QTest::newRow("clock") << 0 << 2 << QSize(26, 20);
    }
    void sizeClasses()
    {
        QFETCH(int, degitSize);
        QFETCH(int, keta);
        QFETCH(QSize, pixels);
        DegitElement d(m_res);
        d.setDegitSize(qint16(9)); // a different class first, so both setters must resize
        d.setKeta(qint16(keta));
        d.setDegitSize(qint16(degitSize));
        QCOMPARE(d.size(), pixels);
        QCOMPARE(d.image().size(), pixels);
    }

    void zeroSettingsWaitForTheNextValue()
    {
        DegitElement d(m_res);
        d.setValue(0);
        d.setZeroMode(1);
        d.setFillZero(3);
        d.setShift(1);
        QCOMPARE(d.litText(), QString());
        d.setValue(d.Value());
        QCOMPARE(d.litText(), u"000 "_s);
        QCOMPARE(d.Value(), QVariant(0)); // the value itself is never rewritten
    }

    // The lamp test lights every segment of every cell and keeps the settings.
    void resetDegit_data()
    {
        QTest::addColumn<bool>("mode");
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("lit");
        QTest::newRow("lamp test 4") << true << 4 << u"8888"_s;
        QTest::newRow("lamp test 2") << true << 2 << u"88"_s;
        QTest::newRow("blank") << false << 4 << QString();
    }
    void resetDegit()
    {
        QFETCH(bool, mode);
        QFETCH(int, keta);
        DegitElement d(m_res);
        d.setKeta(qint16(keta));
        d.setZeroMode(3);
        d.setFillZero(2);
        d.setShift(1);
        d.setValue(7);
        d.ResetDegit(mode);
        QTEST(d.litText(), "lit");
        QCOMPARE(d.ZeroMode(), qint16(3));
        QCOMPARE(d.FillZero(), qint16(2));
        QCOMPARE(d.Shift(), qint16(1));
        for (int cell = 0; cell < keta; ++cell)
            for (int seg = 0; seg < 7; ++seg)
                QCOMPARE(segment(d, cell, seg), mode ? kLit : kBase);
    }

    void showSetDlgStoresTheDialogsValuesRaw_data()
    {
        QTest::addColumn<int>("result");
        QTest::newRow("confirmed") << 1;
        QTest::newRow("cancelled") << 0;
        QTest::newRow("other result") << 2;
    }
    void showSetDlgStoresTheDialogsValuesRaw()
    {
        QFETCH(int, result);
        m_res.dlg100Result = result;
        m_res.dlg100ZeroMode = 9;
        m_res.dlg100Shift = 7;
        m_res.dlg100FillZero = 3;
        DegitElement d(m_res);
        d.setZeroMode(2);
        d.setShift(1);
        d.setValue(5);
        QCOMPARE(d.ShowSetDlg(), result);
        QCOMPARE(m_res.callNames(), QStringList{u"Call_dlg100"_s});
        QCOMPARE(m_res.calls[0].args, (QVariantList{qint16(4), qint16(2), qint16(1), qint16(0)}));
        // No range rules: 9 and 7 are stored as the dialog left them.
        const bool ok = result == 1;
        QCOMPARE(d.ZeroMode(), qint16(ok ? 9 : 2));
        QCOMPARE(d.Shift(), qint16(ok ? 7 : 1));
        QCOMPARE(d.FillZero(), qint16(ok ? 3 : 0));
        QCOMPARE(d.litText(), ok ? u"    "_s : u"5 "_s); // shifted out of sight
    }

    // A double-click only raises DblClick (the board opens the dialog); presses
    // stay with the element, so they never start a drag of the host window.
    void mouseStaysWithTheElement()
    {
        struct Host : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent*) override { ++presses; }
        } host;
        DegitElement d(m_res, &host);
        QSignalSpy spy(&d, &DegitElement::DblClick);
        QTest::mouseDClick(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(spy.count(), 1);
        QVERIFY(m_res.calls.empty());
        QTest::mousePress(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(host.presses, 0);
        QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(60, 30));
        QCOMPARE(host.presses, 1);
    }

    void readPropertiesStoresRawAndAppliesOnlyBackColor()
    {
        DegitElement d(m_res);
        d.setValue(150);
        DegitProps p;
        p.Keta = 0;
        p.ZeroMode = 9;
        p.Value = 42;
        p.BackColor = 0x000000ff;
        d.readProperties(p);
        QVERIFY(d.storedProperties() == p);
        QCOMPARE(d.size(), QSize(52, 20));           // not resized
        QCOMPARE(d.litText(), u"150"_s);             // not redrawn
        QCOMPARE(segment(d, 1, 1), qRgb(255, 0, 0)); // back colour applied
        QVERIFY(m_res.calls.empty());
    }

    void pixels_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("degitSize");
        for (int style : {0, 1, 2, 5})
            for (int size : {0, 1, 2, 3})
                QTest::addRow("style %d size %d", style, size) << style << size;
    }
    void pixels()
    {
        QFETCH(int, style);
        QFETCH(int, degitSize);
        DegitElement d(m_res);
        d.setDegitStyle(qint16(style));
        d.setDegitSize(qint16(degitSize));
        d.setShift(1);
        d.setValue(15);
        // Cells: unlit, 1, 5, unlit (shifted one to the left).
        const std::uint8_t one = degitSegmentMask(u'1'), five = degitSegmentMask(u'5');
        for (int seg = 0; seg < 7; ++seg) {
            QCOMPARE(segment(d, 0, seg), kBase);
            QCOMPARE(segment(d, 1, seg), (one >> seg) & 1 ? kLit : kBase);
            QCOMPARE(segment(d, 2, seg), (five >> seg) & 1 ? kLit : kBase);
            QCOMPARE(segment(d, 3, seg), kBase);
        }
        // The hollow of each 8 and the top-left corner show the back colour.
        QCOMPARE(d.image().pixel(0, 0) | 0xff000000, kBack);
        const DegitSizeClass& cls = degitSizeClass(degitSize);
        QCOMPARE(d.image().pixel(cls.cellWidth() / 2 + 1, cls.height() / 4 + 1) | 0xff000000,
                 kBack);
    }

    // A host extent wider than the cells: unlit cells start at the left, the
    // lit text ends at the right edge.
    void litDigitsAlignToTheElementsOwnWidth()
    {
        DegitElement d(m_res);
        d.setKeta(2);
        d.resize(39, 20);
        d.setValue(1);
        QCOMPARE(segment(d, 0, 0), kBase);
        QCOMPARE(segment(d, 1, 0), kBase);
        QCOMPARE(segment(d, 2, 0), kBack); // no unlit cell under the third
        QCOMPARE(segment(d, 2, 1), kLit);
    }

    // --- the digit settings dialog, through the application's resource library ---

    // What the dialog shows for the values on entry, and what OK or Cancel
    // return: shift and fill bounded by keta, an unknown zero mode kept.
    void dialog_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<QList<int>>("in");     // zero mode, shift, fill
        QTest::addColumn<QList<int>>("shown");  // checked mode, shift max, fill max
        QTest::addColumn<QList<int>>("chosen"); // mode, shift, fill; empty: untouched
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QList<int>>("out");
        using L = QList<int>;
        QTest::newRow("4 cells") << 4 << L{2, 2, 3} << L{2, 3, 4} << L{} << true << L{2, 2, 3};
        QTest::newRow("2 cells, values beyond")
            << 2 << L{0, 5, 6} << L{0, 1, 2} << L{} << true << L{0, 1, 2};
        QTest::newRow("negative values")
            << 4 << L{3, -2, -1} << L{3, 3, 4} << L{} << true << L{3, 0, 0};
        QTest::newRow("no cells") << 0 << L{1, 1, 1} << L{1, 0, 0} << L{} << true << L{1, 0, 0};
        QTest::newRow("unknown zero mode")
            << 4 << L{-1, 0, 0} << L{-1, 3, 4} << L{} << true << L{-1, 0, 0};
        for (int m = 0; m < 4; ++m)
            QTest::addRow("choose mode %d", m)
                << 4 << L{1, 0, 0} << L{1, 3, 4} << L{m, m, 4 - m} << true << L{m, m, 4 - m};
        QTest::newRow("cancel keeps the values")
            << 4 << L{2, 1, 3} << L{2, 3, 4} << L{0, 0, 0} << false << L{2, 1, 3};
    }
    void dialog()
    {
        QFETCH(int, keta);
        QFETCH(QList<int>, in);
        QFETCH(QList<int>, chosen);
        QFETCH(bool, ok);
        qint16 zeroMode = qint16(in[0]), shift = qint16(in[1]), fill = qint16(in[2]);
        QList<int> shown;
        test::answerModal([&](QWidget* dlg) {
            shown = {-1, child<QSpinBox>(dlg, u"spnShift"_s)->maximum(),
                     child<QSpinBox>(dlg, u"spnFillZero"_s)->maximum()};
            for (int i = 0; i < 4; ++i)
                if (zeroModeOption(dlg, i)->isChecked())
                    shown[0] = i;
            if (!chosen.isEmpty()) {
                // On the indicator: a short caption does not reach the button's centre.
                QRadioButton* option = zeroModeOption(dlg, chosen[0]);
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
                child<QSpinBox>(dlg, u"spnShift"_s)->setValue(chosen[1]);
                child<QSpinBox>(dlg, u"spnFillZero"_s)->setValue(chosen[2]);
            }
            QTest::mouseClick(child<QPushButton>(dlg, ok ? u"cmdOK"_s : u"cmdCancel"_s),
                              Qt::LeftButton);
        });
        WidgetResLib res;
        QCOMPARE(res.Call_dlg100(nullptr, qint16(keta), zeroMode, shift, fill), ok ? 1 : 0);
        QTEST(shown, "shown");
        QTEST((QList<int>{zeroMode, shift, fill}), "out");
    }

    // --- stop-name element ---
    void shortNameStandsStill()
    {
        ChimeiElement e(m_glyphs, m_host);
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
        ChimeiElement e(m_glyphs, m_host); // viewport 35 x 192
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
        ChimeiElement e(m_glyphs, m_host);
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
        ChimeiElement e(m_glyphs, m_host);
        e.setSpeed(0);
        QSignalSpy changed(&e, &ChimeiElement::propertyChanged);
        e.SetChimei(kSeven);
        QCOMPARE(e.Speed(), qint16(1));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), u"Speed"_s);
        QCOMPARE(topAfter(e, 2500ms), 182);
    }

    void speedChangedWhileScrolling()
    {
        ChimeiElement e(m_glyphs, m_host);
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
        ChimeiElement e(m_glyphs, m_host);
        QSignalSpy changed(&e, &ChimeiElement::propertyChanged);
        QVERIFY(e.setProperty(property.toLatin1().constData(), value));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toString(), property);
        QCOMPARE(e.WriteProperties().get(property).toLongLong(), value.toLongLong());
    }

    void appearanceResizesTheViewport()
    {
        ChimeiElement e(m_glyphs, m_host);
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
        ChimeiElement e(m_glyphs, m_host);
        QSignalSpy changed(&e, &ChimeiElement::propertyChanged);
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
        ChimeiElement e(m_glyphs, m_host);
        e.setBackColor(0x00000000);
        e.SetChimei(u"駅"_s);
        const QImage shot = e.grab().toImage();
        QCOMPARE(shot.width(), 35); // the strip's last dot column (x = 32) is inside the border
        const DotStrip& s = e.strip();
        int lit = 0;
        for (int y = 80; y < 112; ++y)
            for (int x = 0; x < 33; ++x) {
                const QRgb px = shot.pixel(ChimeiElement::kInset + x, ChimeiElement::kInset + y);
                QCOMPARE(px, s.isLit(x, y) ? qRgb(255, 190, 0) : qRgb(0, 0, 0));
                lit += s.isLit(x, y);
            }
        QVERIFY(lit > 30);
    }
};

LUMENA_TEST_MAIN(TestBoardElements)
#include "tst_board_elements.moc"
