// The digit settings dialog of the resource library, answered by the test.

#include "reslib/Dialogs.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>

using namespace lumena;

namespace {

void answerModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, [answer]() {
        if (QWidget* w = QApplication::activeModalWidget())
            answer(w);
        else
            answerModal(answer);
    });
}

template <typename T> T* child(QWidget* dlg, const char* name)
{
    T* w = dlg->findChild<T*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

void click(QWidget* dlg, const char* button)
{
    QTest::mouseClick(child<QPushButton>(dlg, button), Qt::LeftButton);
}

} // namespace

class TestDigitDialog : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void okReturnsTheChoice_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("fill");
        for (int m = 0; m < 4; ++m)
            QTest::addRow("mode %d", m) << m << m % 4 << 4 - m;
    }
    void okReturnsTheChoice()
    {
        QFETCH(int, mode);
        QFETCH(int, shift);
        QFETCH(int, fill);
        qint16 zeroMode = 1, sh = 0, fz = 0;
        answerModal([&](QWidget* dlg) {
            // On the indicator: a short caption does not reach the button's centre.
            auto* option =
                child<QRadioButton>(dlg, qPrintable(QStringLiteral("optZeroMode(%1)").arg(mode)));
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            child<QSpinBox>(dlg, "spnShift")->setValue(shift);
            child<QSpinBox>(dlg, "spnFillZero")->setValue(fill);
            click(dlg, "cmdOK");
        });
        QCOMPARE(dialogs::digitSettings(nullptr, 4, zeroMode, sh, fz), 1);
        QCOMPARE(zeroMode, qint16(mode));
        QCOMPARE(sh, qint16(shift));
        QCOMPARE(fz, qint16(fill));
    }

    void cancelLeavesTheValues()
    {
        qint16 zeroMode = 2, shift = 1, fill = 3;
        answerModal([](QWidget* dlg) {
            child<QRadioButton>(dlg, "optZeroMode(0)")->setChecked(true);
            child<QSpinBox>(dlg, "spnShift")->setValue(0);
            click(dlg, "cmdCancel");
        });
        QCOMPARE(dialogs::digitSettings(nullptr, 4, zeroMode, shift, fill), 0);
        QCOMPARE(zeroMode, qint16(2));
        QCOMPARE(shift, qint16(1));
        QCOMPARE(fill, qint16(3));
    }

    // What the dialog shows for the values on entry, and what OK returns
    // untouched: shift and fill bounded by keta, an unknown zero mode kept.
    void entryValuesAreShownAndBoundedByKeta_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<int>("modeIn");
        QTest::addColumn<int>("shiftIn");
        QTest::addColumn<int>("fillIn");
        QTest::addColumn<int>("shiftMax");
        QTest::addColumn<int>("fillMax");
        QTest::addColumn<int>("shiftOut");
        QTest::addColumn<int>("fillOut");
        QTest::newRow("4 cells") << 4 << 2 << 2 << 3 << 3 << 4 << 2 << 3;
        QTest::newRow("2 cells, values beyond") << 2 << 0 << 5 << 6 << 1 << 2 << 1 << 2;
        QTest::newRow("negative values") << 4 << 3 << -2 << -1 << 3 << 4 << 0 << 0;
        QTest::newRow("no cells") << 0 << 1 << 1 << 1 << 0 << 0 << 0 << 0;
        QTest::newRow("unknown zero mode") << 4 << -1 << 0 << 0 << 3 << 4 << 0 << 0;
    }
    void entryValuesAreShownAndBoundedByKeta()
    {
        QFETCH(int, keta);
        QFETCH(int, modeIn);
        QFETCH(int, shiftIn);
        QFETCH(int, fillIn);
        QFETCH(int, shiftMax);
        QFETCH(int, fillMax);
        QFETCH(int, shiftOut);
        QFETCH(int, fillOut);
        qint16 zeroMode = qint16(modeIn), shift = qint16(shiftIn), fill = qint16(fillIn);
        int seenShiftMax = -1, seenFillMax = -1, checkedMode = -2;
        answerModal([&](QWidget* dlg) {
            seenShiftMax = child<QSpinBox>(dlg, "spnShift")->maximum();
            seenFillMax = child<QSpinBox>(dlg, "spnFillZero")->maximum();
            checkedMode = -1;
            for (int i = 0; i < 4; ++i) {
                const QString name = QStringLiteral("optZeroMode(%1)").arg(i);
                if (child<QRadioButton>(dlg, qPrintable(name))->isChecked())
                    checkedMode = i;
            }
            click(dlg, "cmdOK");
        });
        QCOMPARE(dialogs::digitSettings(nullptr, qint16(keta), zeroMode, shift, fill), 1);
        QCOMPARE(checkedMode, modeIn);
        QCOMPARE(seenShiftMax, shiftMax);
        QCOMPARE(seenFillMax, fillMax);
        QCOMPARE(zeroMode, qint16(modeIn));
        QCOMPARE(shift, qint16(shiftOut));
        QCOMPARE(fill, qint16(fillOut));
    }
};

LUMENA_TEST_MAIN(TestDigitDialog)
#include "tst_digit_dialog.moc"
