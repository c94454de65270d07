// The digit element's UI-free rules: the lit text and the stored property set.

#include "board/DegitProps.h"
#include "board/DegitText.h"
#include "tests/common/TestSupport.h"

#include <limits>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

const QVariant kEmpty = QVariant(QString());
QVariant text(const char* s)
{
    return QVariant(QString::fromUtf8(s));
}

// One row: value, ZeroMode, FillZero, Shift, Keta -> the lit text.
void row(const char* name, const QVariant& v, int mode, int fill, int shift, int keta,
         const char* lit)
{
    QTest::newRow(name) << v << qint16(mode) << qint16(fill) << qint16(shift) << qint16(keta)
                        << QString::fromUtf8(lit);
}

} // namespace

class TestDegitCore : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void litText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<qint16>("mode");
        QTest::addColumn<qint16>("fill");
        QTest::addColumn<qint16>("shift");
        QTest::addColumn<qint16>("keta");
        QTest::addColumn<QString>("lit");
        // Zero handling.
        row("mode 0: zero lights nothing", 0, 0, 0, 0, 4, "");
        row("mode 0: empty lights nothing", kEmpty, 0, 0, 0, 4, "");
        row("mode 0: no value lights nothing", QVariant(), 0, 0, 0, 4, "");
        row("mode 0: double zero lights nothing", 0.0, 0, 0, 0, 4, "");
        row("mode 0: -1 stays", -1, 0, 0, 0, 4, "-1");
        row("mode 0: text zero is no number", text("0"), 0, 0, 0, 4, "0");
        row("mode 1: zero shows 0", 0, 1, 0, 0, 4, "0");
        row("mode 1: empty shows 0", kEmpty, 1, 0, 0, 4, "0");
        row("mode 1: -1 stays", -1, 1, 0, 0, 4, "-1");
        row("mode 2: -1 shows 0", -1, 2, 0, 0, 4, "0");
        row("mode 2: 16-bit -1 shows 0", QVariant::fromValue<qint16>(-1), 2, 0, 0, 4, "0");
        row("mode 2: zero lights nothing", 0, 2, 0, 0, 4, "");
        row("mode 2: empty stays empty", kEmpty, 2, 0, 0, 4, "");
        row("mode 2: text -1 is no number", text("-1"), 2, 0, 0, 4, "-1");
        row("mode 2: bool true is -1", true, 2, 0, 0, 4, "0");
        row("mode 3: -1 shows 0", -1, 3, 0, 0, 4, "0");
        row("mode 3: zero shows 0", 0, 3, 0, 0, 4, "0");
        row("mode 3: empty shows 0", kEmpty, 3, 0, 0, 4, "0");
        row("mode 3: other numbers stay", 230, 3, 0, 0, 4, "230");
        row("mode -1 changes nothing", 0, -1, 0, 0, 4, "0");
        row("stored mode 7 changes nothing", -1, 7, 0, 0, 4, "-1");
        for (int m = 0; m < 4; ++m)
            QTest::addRow("mode %d: one space lights nothing", m)
                << text(" ") << qint16(m) << qint16(0) << qint16(0) << qint16(4) << u" "_s;
        // Zero fill.
        row("fill 3 of 5", 5, 0, 3, 0, 4, "005");
        row("fill 4 of 5", 5, 0, 4, 0, 4, "0005");
        row("fill shorter than the value", 1234, 0, 2, 0, 4, "1234");
        row("fill of a negative number", -5, 0, 3, 0, 4, "-005");
        row("fill of a numeric text", text(" 7 "), 0, 3, 0, 4, "007");
        row("fill leaves other text", text("ab"), 0, 3, 0, 4, "ab");
        row("fill leaves 'inf'", text("inf"), 0, 3, 0, 4, "inf");
        row("fill leaves one space", text(" "), 0, 3, 0, 4, " ");
        row("fill rounds half away from zero", 2.5, 0, 3, 0, 4, "003");
        row("fill rounds down", 2.4, 0, 3, 0, 4, "002");
        row("fill rounds negative half away", -2.5, 0, 3, 0, 4, "-003");
        row("fill after zero mode 1", 0, 1, 3, 0, 4, "000");
        row("no fill of the blanked zero", 0, 0, 3, 0, 4, "");
        row("negative fill fills nothing", 5, 0, -2, 0, 4, "5");
        row("fill of the most negative number", std::numeric_limits<qlonglong>::min(), 0, 2, 0, 25,
            "-9223372036854775808");
        // Shift and truncation.
        row("truncated on the left", 12345, 0, 0, 0, 4, "2345");
        row("shift 1 of 150", 150, 0, 0, 1, 4, "150 ");
        row("shift pushes digits out", 12345, 0, 0, 2, 4, "45  ");
        row("fill then shift", 5, 0, 3, 1, 4, "005 ");
        row("shift of the blanked zero", 0, 0, 0, 2, 4, "  ");
        row("negative shift shifts nothing", 5, 0, 0, -3, 4, "5");
        row("fraction shown as text", 12.5, 0, 0, 0, 4, "12.5");
        row("whole double without fraction", 230.0, 0, 0, 0, 4, "230");
        row("clock minute", 5, 0, 0, 0, 2, "5");
        row("no cells light nothing", 5, 0, 0, 0, 0, "");
        row("negative cells light nothing", 5, 0, 0, 0, -1, "");
    }
    void litText()
    {
        QFETCH(QVariant, value);
        QFETCH(qint16, mode);
        QFETCH(qint16, fill);
        QFETCH(qint16, shift);
        QFETCH(qint16, keta);
        QTEST(degitLitText(value, mode, fill, shift, keta), "lit");
    }

    // --- stored property set --------------------------------------------------
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("written");
        auto add = [](const char* tag, const char* name, const QVariant& v, bool written) {
            QTest::newRow(tag) << QString::fromLatin1(name) << v << written;
        };
        add("colour", "BaseForeColor", quint32(0x00112233), true);
        add("FillZero beyond Keta kept", "FillZero", qint16(9), true);
        add("ZeroMode 9 kept", "ZeroMode", qint16(9), true);
        add("Shift negative kept", "Shift", qint16(-2), true);
        add("UserSet", "UserSet", false, true);
        add("Value number", "Value", 230, true);
        add("Value text zero", "Value", text("0"), true);
        add("Value empty text", "Value", kEmpty, true);
        add("Value double zero is the default", "Value", 0.0, false);
        add("Value 16-bit zero is the default", "Value", QVariant::fromValue<qint16>(0), false);
        add("Keta 4 is the default", "Keta", qint16(4), false);
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(bool, written);
        DegitProps p;
        QVERIFY(p.set(name, value));
        QVariantMap bag;
        p.write(bag);
        QCOMPARE(bag.keys(), written ? QStringList{name} : QStringList{});
        const DegitProps back = DegitProps::read(bag);
        QCOMPARE(back.get(name).toString(), value.toString());
        if (written)
            QCOMPARE(back.get(name).typeId() == QMetaType::QString,
                     value.typeId() == QMetaType::QString);
    }

    void unreadableValuesTakeTheirDefaults()
    {
        QVariantMap bag;
        DegitProps().write(bag);
        QVERIFY(bag.isEmpty());
        bag = {{QStringLiteral("Keta"), text("many")},
               {QStringLiteral("Shift"), 70000},
               {QStringLiteral("BackColor"), -5000000000LL},
               {QStringLiteral("Unknown"), 1},
               {QStringLiteral("ZeroMode"), 2}};
        const DegitProps p = DegitProps::read(bag);
        QCOMPARE(p.Keta, qint16(4));
        QCOMPARE(p.Shift, qint16(0));
        QCOMPARE(p.BackColor, quint32(0x00808080));
        QCOMPARE(p.ZeroMode, qint16(2));
        QVERIFY(!DegitProps().set(u"Unknown", 1));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestDegitCore)
#include "tst_degit_core.moc"
