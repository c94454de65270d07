// The digit element as a widget: setter rules, sizes, the lamp test, the
// settings dialog, double-clicks and the pixels of its picture.

#include "board/DegitSegments.h"
#include "board/M_Degit.h"
#include "reslib/WidgetResLib.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

using namespace lumena;

namespace {

constexpr QRgb kBase = 0xff969696;
constexpr QRgb kLit = 0xfff8d272; // 0x0072D2F8 as red, green, blue
constexpr QRgb kBack = 0xff808080;

// A pixel well inside segment `seg` of cell `cell` (0 = leftmost): the mean of
// the outline's corners, which lies inside every (convex) segment.
QPoint segmentPixel(const M_Degit& d, int cell, int seg)
{
    const auto outlines = degitSegmentOutlines(degitCellStyle(d.DegitStyle()), true);
    const DegitSizeClass& cls = degitSizeClass(d.DegitSize());
    QPointF sum;
    for (const QPointF& p : outlines[seg])
        sum += p;
    sum /= static_cast<qreal>(outlines[seg].size());
    return {cell * cls.cellWidth() + static_cast<int>(sum.x() * cls.cellWidth()),
            static_cast<int>(sum.y() * cls.height())};
}

QRgb pixelAt(const M_Degit& d, QPoint p)
{
    return d.image().pixel(p) | 0xff000000;
}

// Arms a one-shot that waits for the modal dialog and hands it to `answer`.
void answerModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer]() {
        if (QWidget* w = QApplication::activeModalWidget())
            answer(w);
        else
            answerModal(answer);
    });
}

} // namespace

class TestDigitElement : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // --- setters ----------------------------------------------------------------
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
        add("ZeroMode 100 stores 0", 4, "ZeroMode", 100, 0);
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
        QFETCH(int, stored);
        test::FakeResLib res;
        M_Degit d(res);
        d.setKeta(qint16(keta));
        const QByteArray name = property.toLatin1();
        QVERIFY(d.setProperty(name.constData(), QVariant::fromValue<qint16>(qint16(input))));
        QCOMPARE(d.property(name.constData()).toInt(), stored);
    }

    void everyStoredPropertyReportsItsChange()
    {
        test::FakeResLib res;
        M_Degit d(res);
        const DegitProps defaults;
        for (const QString& name : DegitProps::names()) {
            QSignalSpy changed(&d, &M_Degit::propertyChanged);
            QVERIFY2(d.setProperty(name.toLatin1().constData(), defaults.get(name)),
                     qPrintable(name));
            QCOMPARE(changed.count(), 1);
            QCOMPARE(changed.first().first().toString(), name);
        }
        QVERIFY(d.storedProperties() == defaults);
    }

    void newElementShowsOnlyItsBackColour()
    {
        test::FakeResLib res;
        M_Degit d(res);
        QCOMPARE(d.size(), QSize(52, 20));
        for (int cell = 0; cell < 4; ++cell)
            QCOMPARE(pixelAt(d, segmentPixel(d, cell, 0)), kBack);
        d.setValue(0); // the first redraw with a cell count shows the unlit cells
        QCOMPARE(pixelAt(d, segmentPixel(d, 0, 0)), kBase);
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
        test::FakeResLib res;
        M_Degit d(res);
        d.setDegitSize(qint16(9)); // a different class first, so both setters must resize
        d.setKeta(qint16(keta));
        d.setDegitSize(qint16(degitSize));
        QCOMPARE(d.size(), pixels);
        QCOMPARE(d.image().size(), pixels);
    }

    void zeroSettingsWaitForTheNextValue()
    {
        test::FakeResLib res;
        M_Degit d(res);
        d.setValue(0);
        QCOMPARE(d.litText(), QString());
        d.setZeroMode(1);
        d.setFillZero(3);
        d.setShift(1);
        QCOMPARE(d.litText(), QString());
        d.setValue(d.Value());
        QCOMPARE(d.litText(), QStringLiteral("000 "));
        QCOMPARE(d.Value(), QVariant(0)); // the value itself is never rewritten
    }

    // --- lamp test ------------------------------------------------------------------
    void resetDegit_data()
    {
        QTest::addColumn<bool>("mode");
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("lit");
        QTest::newRow("lamp test 4") << true << 4 << QStringLiteral("8888");
        QTest::newRow("lamp test 2") << true << 2 << QStringLiteral("88");
        QTest::newRow("blank") << false << 4 << QString();
    }
    void resetDegit()
    {
        QFETCH(bool, mode);
        QFETCH(int, keta);
        QFETCH(QString, lit);
        test::FakeResLib res;
        M_Degit d(res);
        d.setKeta(qint16(keta));
        d.setZeroMode(3);
        d.setFillZero(2);
        d.setShift(1);
        d.setValue(7);
        d.ResetDegit(mode);
        QCOMPARE(d.litText(), lit);
        QCOMPARE(d.ZeroMode(), qint16(3));
        QCOMPARE(d.FillZero(), qint16(2));
        QCOMPARE(d.Shift(), qint16(1));
        // Every cell of a lamp test is lit in every segment.
        for (int cell = 0; cell < keta; ++cell) {
            for (int seg = 0; seg < 7; ++seg)
                QCOMPARE(pixelAt(d, segmentPixel(d, cell, seg)), mode ? kLit : kBase);
        }
    }

    // --- settings dialog --------------------------------------------------------
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
        test::FakeResLib res;
        res.dlg100Result = result;
        res.dlg100ZeroMode = 9;
        res.dlg100Shift = 7;
        res.dlg100FillZero = 3;
        M_Degit d(res);
        d.setZeroMode(2);
        d.setShift(1);
        d.setValue(5);
        QCOMPARE(d.ShowSetDlg(), result);
        QCOMPARE(res.callNames(), QStringList{QStringLiteral("Call_dlg100")});
        QCOMPARE(res.calls[0].args, (QVariantList{qint16(4), qint16(2), qint16(1), qint16(0)}));
        if (result == 1) {
            // No range rules: 9 and 7 are stored as the dialog left them.
            QCOMPARE(d.ZeroMode(), qint16(9));
            QCOMPARE(d.Shift(), qint16(7));
            QCOMPARE(d.FillZero(), qint16(3));
            QCOMPARE(d.litText(), QStringLiteral("    ")); // shifted out of sight
        } else {
            QCOMPARE(d.ZeroMode(), qint16(2));
            QCOMPARE(d.Shift(), qint16(1));
            QCOMPARE(d.litText(), QStringLiteral("5 "));
        }
    }

    void showSetDlgWithTheRealDialog()
    {
        WidgetResLib res;
        M_Degit d(res);
        d.setValue(5);
        answerModal([](QWidget* dlg) {
            dlg->findChild<QRadioButton*>(QStringLiteral("optZeroMode(3)"))->setChecked(true);
            dlg->findChild<QSpinBox*>(QStringLiteral("spnFillZero"))->setValue(4);
            QTest::mouseClick(dlg->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                              Qt::LeftButton);
        });
        QCOMPARE(d.ShowSetDlg(), 1);
        QCOMPARE(d.ZeroMode(), qint16(3));
        QCOMPARE(d.FillZero(), qint16(4));
        QCOMPARE(d.litText(), QStringLiteral("0005"));
    }

    void doubleClickRaisesDblClick()
    {
        test::FakeResLib res;
        M_Degit d(res);
        QSignalSpy spy(&d, &M_Degit::DblClick);
        QTest::mouseDClick(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(spy.count(), 1);
        QVERIFY(res.calls.empty()); // the element opens nothing itself
    }

    void pressesDoNotReachTheHostWindow()
    {
        struct Host : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent*) override { ++presses; }
        } host;
        test::FakeResLib res;
        M_Degit d(res, &host);
        QTest::mousePress(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&d, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(host.presses, 0);
        QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(60, 30));
        QCOMPARE(host.presses, 1);
    }

    // --- stored properties ------------------------------------------------------
    void readPropertiesStoresRawAndAppliesOnlyBackColor()
    {
        test::FakeResLib res;
        M_Degit d(res);
        d.setValue(150);
        DegitProps p;
        p.Keta = 0;
        p.ZeroMode = 9;
        p.Value = 42;
        p.BackColor = 0x000000ff;
        d.readProperties(p);
        QVERIFY(d.storedProperties() == p);
        QCOMPARE(d.size(), QSize(52, 20));                            // not resized
        QCOMPARE(d.litText(), QStringLiteral("150"));                 // not redrawn
        QCOMPARE(pixelAt(d, segmentPixel(d, 1, 1)), qRgb(255, 0, 0)); // back colour applied
        QVERIFY(res.calls.empty());
    }

    // --- pixels -----------------------------------------------------------------
    void pixels_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("degitSize");
        for (int style : {0, 1, 2, 5}) {
            for (int size : {0, 1, 2, 3})
                QTest::addRow("style %d size %d", style, size) << style << size;
        }
    }
    void pixels()
    {
        QFETCH(int, style);
        QFETCH(int, degitSize);
        test::FakeResLib res;
        M_Degit d(res);
        d.setDegitStyle(qint16(style));
        d.setDegitSize(qint16(degitSize));
        d.setShift(1);
        d.setValue(15);
        // Cells: unlit, 1, 5, unlit (shifted one to the left).
        for (int seg = 0; seg < 7; ++seg) {
            QCOMPARE(pixelAt(d, segmentPixel(d, 0, seg)), kBase);
            QCOMPARE(pixelAt(d, segmentPixel(d, 3, seg)), kBase);
        }
        const std::uint8_t one = degitSegmentMask(u'1'), five = degitSegmentMask(u'5');
        for (int seg = 0; seg < 7; ++seg) {
            QCOMPARE(pixelAt(d, segmentPixel(d, 1, seg)), (one >> seg) & 1 ? kLit : kBase);
            QCOMPARE(pixelAt(d, segmentPixel(d, 2, seg)), (five >> seg) & 1 ? kLit : kBase);
        }
        // The hollow of each 8 and the top-left corner show the back colour.
        QCOMPARE(pixelAt(d, QPoint(0, 0)), kBack);
        const DegitSizeClass& cls = degitSizeClass(degitSize);
        QCOMPARE(pixelAt(d, QPoint(cls.cellWidth() / 2 + 1, cls.height() / 4 + 1)), kBack);
    }

    void litDigitsAlignToTheElementsOwnWidth()
    {
        // A host extent wider than the cells: unlit cells start at the left,
        // the lit text ends at the right edge.
        test::FakeResLib res;
        M_Degit d(res);
        d.setKeta(2);
        d.resize(39, 20);
        d.setValue(1);
        QCOMPARE(pixelAt(d, segmentPixel(d, 0, 0)), kBase);
        QCOMPARE(pixelAt(d, segmentPixel(d, 1, 0)), kBase);
        QCOMPARE(pixelAt(d, segmentPixel(d, 2, 0)), kBack); // no unlit cell under the third
        QCOMPARE(pixelAt(d, segmentPixel(d, 2, 1)), kLit);
    }
};

LUMENA_TEST_MAIN(TestDigitElement)
#include "tst_digit_element.moc"
