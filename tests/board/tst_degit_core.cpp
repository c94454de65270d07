// The digit element's UI-free rules: the lit text and the stored property set.

#include "board/DegitProps.h"
#include "board/DegitText.h"
#include "tests/common/TestSupport.h"

#include <limits>

using namespace lumena;

namespace {
const QVariant kEmpty = QVariant(QString());
QVariant text(const char* s)
{
    return QVariant(QString::fromUtf8(s));
}
} // namespace

class TestDegitCore : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // --- zero handling ------------------------------------------------------
    void zeroMode_data()
    {
        QTest::addColumn<qint16>("mode");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("lit");
        QTest::newRow("0: zero lights nothing") << qint16(0) << QVariant(0) << QString();
        QTest::newRow("0: empty lights nothing") << qint16(0) << kEmpty << QString();
        QTest::newRow("0: nothing at all lights nothing") << qint16(0) << QVariant() << QString();
        QTest::newRow("0: double zero lights nothing") << qint16(0) << QVariant(0.0) << QString();
        QTest::newRow("0: -1 stays") << qint16(0) << QVariant(-1) << QStringLiteral("-1");
        QTest::newRow("0: text zero is not the number")
            << qint16(0) << text("0") << QStringLiteral("0");
        QTest::newRow("1: zero shows 0") << qint16(1) << QVariant(0) << QStringLiteral("0");
        QTest::newRow("1: empty shows 0") << qint16(1) << kEmpty << QStringLiteral("0");
        QTest::newRow("1: -1 stays") << qint16(1) << QVariant(-1) << QStringLiteral("-1");
        QTest::newRow("2: -1 shows 0") << qint16(2) << QVariant(-1) << QStringLiteral("0");
        QTest::newRow("2: short -1 shows 0")
            << qint16(2) << QVariant::fromValue<qint16>(-1) << QStringLiteral("0");
        QTest::newRow("2: zero lights nothing") << qint16(2) << QVariant(0) << QString();
        QTest::newRow("2: empty stays empty") << qint16(2) << kEmpty << QString();
        QTest::newRow("2: text -1 is not the number")
            << qint16(2) << text("-1") << QStringLiteral("-1");
        QTest::newRow("3: -1 shows 0") << qint16(3) << QVariant(-1) << QStringLiteral("0");
        QTest::newRow("3: zero shows 0") << qint16(3) << QVariant(0) << QStringLiteral("0");
        QTest::newRow("3: empty shows 0") << qint16(3) << kEmpty << QStringLiteral("0");
        QTest::newRow("3: other numbers stay")
            << qint16(3) << QVariant(230) << QStringLiteral("230");
        QTest::newRow("negative mode changes nothing")
            << qint16(-1) << QVariant(0) << QStringLiteral("0");
        QTest::newRow("stored mode 7 changes nothing")
            << qint16(7) << QVariant(-1) << QStringLiteral("-1");
        for (qint16 m = 0; m < 4; ++m) {
            QTest::addRow("%d: one space lights nothing", m)
                << m << text(" ") << QStringLiteral(" ");
        }
        QTest::newRow("bool true is -1") << qint16(2) << QVariant(true) << QStringLiteral("0");
    }
    void zeroMode()
    {
        QFETCH(qint16, mode);
        QFETCH(QVariant, value);
        QFETCH(QString, lit);
        QCOMPARE(degitLitText(value, mode, 0, 0, 4), lit);
    }

    // --- zero fill, shift, truncation -----------------------------------------
    void layout_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<qint16>("mode");
        QTest::addColumn<qint16>("fill");
        QTest::addColumn<qint16>("shift");
        QTest::addColumn<qint16>("keta");
        QTest::addColumn<QString>("lit");
        QTest::newRow("fill 3 of 5") << QVariant(5) << qint16(0) << qint16(3) << qint16(0)
                                     << qint16(4) << QStringLiteral("005");
        QTest::newRow("fill 4 of 5") << QVariant(5) << qint16(0) << qint16(4) << qint16(0)
                                     << qint16(4) << QStringLiteral("0005");
        QTest::newRow("fill shorter than value")
            << QVariant(1234) << qint16(0) << qint16(2) << qint16(0) << qint16(4)
            << QStringLiteral("1234");
        QTest::newRow("fill of a negative number")
            << QVariant(-5) << qint16(0) << qint16(3) << qint16(0) << qint16(4)
            << QStringLiteral("-005");
        QTest::newRow("fill of a numeric text") << text("7") << qint16(0) << qint16(3) << qint16(0)
                                                << qint16(4) << QStringLiteral("007");
        QTest::newRow("fill of a numeric text with spaces")
            << text(" 7 ") << qint16(0) << qint16(3) << qint16(0) << qint16(4)
            << QStringLiteral("007");
        QTest::newRow("fill leaves other text") << text("ab") << qint16(0) << qint16(3) << qint16(0)
                                                << qint16(4) << QStringLiteral("ab");
        QTest::newRow("fill leaves 'inf'") << text("inf") << qint16(0) << qint16(3) << qint16(0)
                                           << qint16(4) << QStringLiteral("inf");
        QTest::newRow("fill leaves one space")
            << text(" ") << qint16(0) << qint16(3) << qint16(0) << qint16(4) << QStringLiteral(" ");
        QTest::newRow("fill rounds half up") << QVariant(2.5) << qint16(0) << qint16(3) << qint16(0)
                                             << qint16(4) << QStringLiteral("003");
        QTest::newRow("fill rounds down") << QVariant(2.4) << qint16(0) << qint16(3) << qint16(0)
                                          << qint16(4) << QStringLiteral("002");
        QTest::newRow("fill rounds negative half away")
            << QVariant(-2.5) << qint16(0) << qint16(3) << qint16(0) << qint16(4)
            << QStringLiteral("-003");
        QTest::newRow("fill after zero mode 1") << QVariant(0) << qint16(1) << qint16(3)
                                                << qint16(0) << qint16(4) << QStringLiteral("000");
        QTest::newRow("no fill of the blanked zero")
            << QVariant(0) << qint16(0) << qint16(3) << qint16(0) << qint16(4) << QString();
        QTest::newRow("negative fill fills nothing")
            << QVariant(5) << qint16(0) << qint16(-2) << qint16(0) << qint16(4)
            << QStringLiteral("5");
        QTest::newRow("fill of the most negative number")
            << QVariant(std::numeric_limits<qlonglong>::min()) << qint16(0) << qint16(2)
            << qint16(0) << qint16(25) << QStringLiteral("-9223372036854775808");
        QTest::newRow("truncated on the left") << QVariant(12345) << qint16(0) << qint16(0)
                                               << qint16(0) << qint16(4) << QStringLiteral("2345");
        QTest::newRow("shift 1 of 150") << QVariant(150) << qint16(0) << qint16(0) << qint16(1)
                                        << qint16(4) << QStringLiteral("150 ");
        QTest::newRow("shift pushes digits out")
            << QVariant(12345) << qint16(0) << qint16(0) << qint16(2) << qint16(4)
            << QStringLiteral("45  ");
        QTest::newRow("fill then shift") << QVariant(5) << qint16(0) << qint16(3) << qint16(1)
                                         << qint16(4) << QStringLiteral("005 ");
        QTest::newRow("shift of the blanked zero")
            << QVariant(0) << qint16(0) << qint16(0) << qint16(2) << qint16(4)
            << QStringLiteral("  ");
        QTest::newRow("negative shift shifts nothing")
            << QVariant(5) << qint16(0) << qint16(0) << qint16(-3) << qint16(4)
            << QStringLiteral("5");
        QTest::newRow("fraction shown as text") << QVariant(12.5) << qint16(0) << qint16(0)
                                                << qint16(0) << qint16(4) << QStringLiteral("12.5");
        QTest::newRow("whole double without fraction")
            << QVariant(230.0) << qint16(0) << qint16(0) << qint16(0) << qint16(4)
            << QStringLiteral("230");
        QTest::newRow("two cells of a clock") << QVariant(5) << qint16(0) << qint16(0) << qint16(0)
                                              << qint16(2) << QStringLiteral("5");
        QTest::newRow("no cells light nothing")
            << QVariant(5) << qint16(0) << qint16(0) << qint16(0) << qint16(0) << QString();
        QTest::newRow("negative cells light nothing")
            << QVariant(5) << qint16(0) << qint16(0) << qint16(0) << qint16(-1) << QString();
        QTest::newRow("lamp test text") << text("8888") << qint16(0) << qint16(0) << qint16(0)
                                        << qint16(4) << QStringLiteral("8888");
    }
    void layout()
    {
        QFETCH(QVariant, value);
        QFETCH(qint16, mode);
        QFETCH(qint16, fill);
        QFETCH(qint16, shift);
        QFETCH(qint16, keta);
        QFETCH(QString, lit);
        QCOMPARE(degitLitText(value, mode, fill, shift, keta), lit);
    }

    // --- stored property set --------------------------------------------------
    void defaultsWriteNothing()
    {
        QVariantMap bag;
        DegitProps().write(bag);
        QVERIFY2(bag.isEmpty(), qPrintable(bag.keys().join(u',')));
        QVERIFY(DegitProps::read({}) == DegitProps());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("BaseForeColor")
            << QStringLiteral("BaseForeColor") << QVariant(quint32(0x00112233));
        QTest::newRow("DegitForeColor")
            << QStringLiteral("DegitForeColor") << QVariant(quint32(0x000000ff));
        QTest::newRow("FillZero beyond Keta kept")
            << QStringLiteral("FillZero") << QVariant(qint16(9));
        QTest::newRow("ZeroMode 9 kept") << QStringLiteral("ZeroMode") << QVariant(qint16(9));
        QTest::newRow("Shift negative kept") << QStringLiteral("Shift") << QVariant(qint16(-2));
        QTest::newRow("Keta 0 kept") << QStringLiteral("Keta") << QVariant(qint16(0));
        QTest::newRow("DegitSize 7 kept") << QStringLiteral("DegitSize") << QVariant(qint16(7));
        QTest::newRow("DegitStyle") << QStringLiteral("DegitStyle") << QVariant(qint16(1));
        QTest::newRow("Value number") << QStringLiteral("Value") << QVariant(230);
        QTest::newRow("Value text zero") << QStringLiteral("Value") << text("0");
        QTest::newRow("Value empty text") << QStringLiteral("Value") << kEmpty;
        QTest::newRow("UserSet") << QStringLiteral("UserSet") << QVariant(false);
        QTest::newRow("BackColor") << QStringLiteral("BackColor") << QVariant(quint32(0));
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        DegitProps p;
        QVERIFY(p.set(name, value));
        QVariantMap bag;
        p.write(bag);
        QCOMPARE(bag.keys(), QStringList{name});
        const DegitProps back = DegitProps::read(bag);
        QVERIFY(back == p);
        QCOMPARE(back.get(name).toString(), value.toString());
        QCOMPARE(back.get(name).typeId() == QMetaType::QString,
                 value.typeId() == QMetaType::QString);
    }

    void valueEqualToDefaultIsNotWritten_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("written");
        QTest::newRow("int 0") << QVariant(0) << false;
        QTest::newRow("double 0") << QVariant(0.0) << false;
        QTest::newRow("short 0") << QVariant::fromValue<qint16>(0) << false;
        QTest::newRow("text 0") << text("0") << true;
        QTest::newRow("one space") << text(" ") << true;
        QTest::newRow("-1") << QVariant(-1) << true;
    }
    void valueEqualToDefaultIsNotWritten()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, written);
        DegitProps p;
        p.Value = value;
        QVariantMap bag;
        p.write(bag);
        QCOMPARE(bag.contains(QStringLiteral("Value")), written);
    }

    void unreadableValuesTakeTheirDefaults()
    {
        const QVariantMap bag = {{QStringLiteral("Keta"), text("many")},
                                 {QStringLiteral("Shift"), QVariant(70000)},
                                 {QStringLiteral("BackColor"), QVariant(-5000000000LL)},
                                 {QStringLiteral("Unknown"), QVariant(1)},
                                 {QStringLiteral("ZeroMode"), QVariant(2)}};
        const DegitProps p = DegitProps::read(bag);
        QCOMPARE(p.Keta, qint16(4));
        QCOMPARE(p.Shift, qint16(0));
        QCOMPARE(p.BackColor, quint32(0x00808080));
        QCOMPARE(p.ZeroMode, qint16(2));
        QVERIFY(!DegitProps().get(u"Unknown").isValid());
        DegitProps q;
        QVERIFY(!q.set(u"Unknown", 1));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestDegitCore)
#include "tst_degit_core.moc"
