// The digit settings dialog of the application's resource library
// (Call_dlg100): what it shows for the values on entry, and what OK or Cancel
// return.

#include "reslib/WidgetResLib.h"
#include "tests/common/Controls.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace lumena;
using namespace Qt::StringLiterals;
using test::child;

class TestDigitDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

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
        QTest::newRow("no cells") << 0 << L{1, 1, 1} << L{1, 0, 0} << L{} << true << L{1, 0, 0};
        QTest::newRow("unknown zero mode kept")
            << 4 << L{-1, 0, 0} << L{-1, 3, 4} << L{} << true << L{-1, 0, 0};
        QTest::newRow("choose mode 3")
            << 4 << L{1, 0, 0} << L{1, 3, 4} << L{3, 3, 1} << true << L{3, 3, 1};
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
        const auto option = [](QWidget* dlg, int i) {
            return child<QRadioButton>(dlg, u"optZeroMode(%1)"_s.arg(i));
        };
        QList<int> shown;
        test::answerModal([&](QWidget* dlg) {
            shown = {-1, child<QSpinBox>(dlg, u"spnShift"_s)->maximum(),
                     child<QSpinBox>(dlg, u"spnFillZero"_s)->maximum()};
            for (int i = 0; i < 4; ++i)
                if (option(dlg, i)->isChecked())
                    shown[0] = i;
            if (!chosen.isEmpty()) {
                // On the indicator: a short caption does not reach the button's centre.
                QRadioButton* o = option(dlg, chosen[0]);
                QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(6, o->height() / 2));
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
};

LUMENA_TEST_MAIN(TestDigitDialog)
#include "tst_digit_dialog.moc"
