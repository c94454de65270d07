// The resource library's dialogs, answered from the test.

#include "reslib/Dialogs.h"
#include "reslib/Japanese.h"
#include "reslib/WidgetResLib.h"
#include "tests/common/Controls.h"
#include "tests/common/TestSupport.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QFileDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// Description/pattern pairs, each item ended by NUL and the list by one more.
QString filterText(const QStringList& items)
{
    return items.join(QChar(0)) + QChar(0) + QChar(0);
}

} // namespace

class TestStdDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void initTestCase() { QVERIFY(japanese::useJapanese()); }
    void init() { failOnUnexpectedWarnings(); }

    // Each call opens its own dialog; cancelled, it changes nothing.
    void frontCancelled()
    {
        QStringList opened;
        const auto cancelNext = [&] {
            answerModal([&](QWidget* w) {
                opened << w->objectName();
                static_cast<QDialog*>(w)->reject();
            });
        };
        WidgetResLib res;
        qint16 zero = 2, shift = 1, fill = 3;
        DialogDate date;
        quint32 color = 0x123456;
        CustColors cust{};
        QStringList results;
        cancelNext();
        results << QString::number(res.Call_dlg100(nullptr, 4, zero, shift, fill));
        results << u"%1 %2 %3"_s.arg(zero).arg(shift).arg(fill);
        cancelNext();
        results << QString::number(res.Call_dlg110(nullptr, 1, u"型番：ルメナ"_s));
        cancelNext();
        results << u"%1 %2"_s.arg(res.Call_dlg111(nullptr, date)).arg(date.year);
        cancelNext();
        results << res.Vk3FileDlg(nullptr, 0, QString(), QString(), u"t"_s);
        cancelNext();
        results << res.Vk3FolderDlg(nullptr, u"p"_s);
        cancelNext();
        results << u"%1 %2"_s.arg(res.Vk3ChooseColor(nullptr, color, cust)).arg(color, 0, 16);
        QCOMPARE(opened, (QStringList{u"dlgDigitSettings"_s, u"dlg110"_s, u"dlg111"_s,
                                      u"Vk3FileDlg"_s, u"Vk3FolderDlg"_s, u"Vk3ChooseColor"_s}));
        QCOMPARE(results, (QStringList{u"0"_s, u"2 1 3"_s, u"1"_s, u"0 0"_s, QString(), QString(),
                                       u"0 123456"_s}));
    }

    void digitSettings_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<QList<int>>("in");     // zero mode, shift, fill
        QTest::addColumn<QList<int>>("shown");  // checked mode, shift max, fill max
        QTest::addColumn<QList<int>>("chosen"); // mode, shift, fill; empty: untouched
        QTest::addColumn<QList<int>>("out");
        using L = QList<int>;
        QTest::newRow("2 cells, values beyond")
            << 2 << L{0, 5, 6} << L{0, 1, 2} << L{} << L{0, 1, 2};
        QTest::newRow("no cells") << 0 << L{1, 1, 1} << L{1, 0, 0} << L{} << L{1, 0, 0};
        QTest::newRow("unknown zero mode kept")
            << 4 << L{-1, 0, 0} << L{-1, 3, 4} << L{} << L{-1, 0, 0};
        QTest::newRow("choose mode 3") << 4 << L{1, 0, 0} << L{1, 3, 4} << L{3, 3, 1} << L{3, 3, 1};
    }
    void digitSettings()
    {
        QFETCH(int, keta);
        QFETCH(QList<int>, in);
        QFETCH(QList<int>, chosen);
        qint16 zeroMode = qint16(in[0]), shift = qint16(in[1]), fill = qint16(in[2]);
        const auto option = [](QWidget* dlg, int i) {
            return child<QRadioButton>(dlg, u"optZeroMode(%1)"_s.arg(i));
        };
        QList<int> shown;
        answerModal([&](QWidget* dlg) {
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
            QTest::mouseClick(child<QPushButton>(dlg, u"cmdOK"_s), Qt::LeftButton);
        });
        WidgetResLib res;
        QCOMPARE(res.Call_dlg100(nullptr, qint16(keta), zeroMode, shift, fill), 1);
        QTEST(shown, "shown");
        QTEST((QList<int>{zeroMode, shift, fill}), "out");
    }

    void openFile_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("upper-case patterns added, file chosen")
            << filterText({u"ビットマップ(*.bmp)"_s, u"*.bmp"_s, u"GIF画像(*.gif)"_s, u"*.gif"_s})
            << true << QStringList{u"ビットマップ(*.bmp *.BMP)"_s, u"GIF画像(*.gif *.GIF)"_s};
        QTest::newRow("patterns unlike the description, cancelled")
            << filterText({u"放送データ(*.Tp.csv)"_s, u"*tp.csv;*.txt"_s}) << false
            << QStringList{u"放送データ(*.Tp.csv)(*tp.csv *TP.CSV *.txt *.TXT)"_s};
    }
    void openFile()
    {
        QFETCH(QString, filter);
        QFETCH(bool, accept);
        const QString file = m_tmp.filePath(u"panel.bmp"_s);
        QVERIFY(test::writeFile(file, {}));
        QStringList shown;
        QString title;
        answerModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->objectName(), u"Vk3FileDlg"_s);
            shown = dlg->nameFilters();
            title = dlg->windowTitle();
            dlg->selectFile(file);
            accept ? static_cast<QDialog*>(dlg)->accept() : dlg->reject();
        });
        const QString chosen = dialogs::openFile(nullptr, filter, QString(), u"画像の選択"_s);
        QCOMPARE(chosen, accept ? file : QString());
        QCOMPARE(title, u"画像の選択"_s);
        QTEST(shown, "shown");
    }

    void colorDialogCustomColours_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled keeps the colour, not the custom slots") << false;
    }
    void colorDialogCustomColours()
    {
        QFETCH(bool, accept);
        CustColors cust{};
        cust[3] = 0x00112233;
        cust[16] = 0x00ABCDEF; // the 17th is not the dialog's
        quint32 color = 0x0072D2F8;
        QColor shownCurrent, shownSlot3;
        answerModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QColorDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->objectName(), u"Vk3ChooseColor"_s);
            shownCurrent = dlg->currentColor();
            shownSlot3 = QColorDialog::customColor(3);
            QColorDialog::setCustomColor(5, QColor(10, 20, 30));
            dlg->setCurrentColor(QColor(1, 2, 3));
            accept ? static_cast<QDialog*>(dlg)->accept() : dlg->reject();
        });
        const qint32 r = dialogs::chooseColor(nullptr, color, cust);
        QCOMPARE(shownCurrent, QColor(0xF8, 0xD2, 0x72));
        QCOMPARE(shownSlot3, QColor(0x33, 0x22, 0x11));
        QCOMPARE(r != 0, accept);
        QCOMPARE(color, accept ? 0x00030201u : 0x0072D2F8u);
        QCOMPARE(cust[5], 0x001E140Au);
        QCOMPARE(cust[3], 0x00112233u);
        QCOMPARE(cust[16], 0x00ABCDEFu);
    }

    // The record of 5 January 2025, a Sunday (day 0).
    void datePicker()
    {
        const QDate pick(2025, 1, 5);
        answerModal([&](QWidget* w) {
            w->findChild<QCalendarWidget*>(u"calendar"_s)->setSelectedDate(pick);
            w->findChild<QPushButton*>(u"cmdOK"_s)->click();
        });
        DialogDate date;
        QCOMPARE(dialogs::datePicker(nullptr, date), 1);
        QCOMPARE((QList<int>{date.year, date.month, date.day, date.dayOfWeek}),
                 (QList<int>{2025, 1, 5, 0}));
    }
};

LUMENA_TEST_MAIN(TestStdDialogs)
#include "tst_std_dialogs.moc"
