// The resource library's dialogs, answered from the test: which dialog each
// call of the front opens and that it speaks Japanese, the file dialog's
// filters, the colour dialog's BGR values and custom colours, and the date
// picker's record and month names.

#include "reslib/Dialogs.h"
#include "reslib/Japanese.h"
#include "reslib/WidgetResLib.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// Description/pattern pairs, each item ended by NUL and the list by one more.
QString filterText(const QStringList& items)
{
    return items.join(QChar(0)) + QChar(0) + QChar(0);
}

// English words (two or more Latin letters, other than "OK" and "HTML") in
// what a dialog shows: its title, labels, buttons and frame titles.
QStringList englishWords(QWidget* dialog)
{
    QStringList texts{dialog->windowTitle()};
    for (const QLabel* l : dialog->findChildren<QLabel*>())
        texts << l->text();
    for (const QAbstractButton* b : dialog->findChildren<QAbstractButton*>())
        texts << b->text();
    for (const QGroupBox* g : dialog->findChildren<QGroupBox*>())
        texts << g->title();
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    QStringList words;
    for (const QString& text : texts)
        for (const QRegularExpressionMatch& m : word.globalMatch(text))
            if (m.captured() != u"OK"_s && m.captured() != u"HTML"_s)
                words << m.captured();
    return words;
}

} // namespace

class TestStdDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    // As the program runs: Qt's own texts in Japanese.
    void initTestCase() { QVERIFY(japanese::useJapanese()); }
    void init() { failOnUnexpectedWarnings(); }

    // Each call opens its own dialog, which speaks Japanese; cancelled, it
    // chooses nothing and leaves the caller's values as they were.
    void frontCancelled_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("result"); // the call's result, then its in/out values
        QTest::newRow("Call_dlg100") << u"dlgDigitSettings"_s << u"0 2 1 3"_s;
        QTest::newRow("Call_dlg110") << u"dlg110"_s << u"1"_s;
        QTest::newRow("Call_dlg111") << u"dlg111"_s << u"0 0"_s;
        QTest::newRow("Vk3FileDlg") << u"Vk3FileDlg"_s << QString();
        QTest::newRow("Vk3FolderDlg") << u"Vk3FolderDlg"_s << QString();
        QTest::newRow("Vk3ChooseColor") << u"Vk3ChooseColor"_s << u"0 123456"_s;
    }
    void frontCancelled()
    {
        QString opened;
        QStringList english;
        answerModal([&](QWidget* w) {
            opened = w->objectName();
            english = englishWords(w);
            static_cast<QDialog*>(w)->reject();
        });
        WidgetResLib res;
        const QByteArrayView call(QTest::currentDataTag());
        qint16 zero = 2, shift = 1, fill = 3;
        DialogDate date;
        quint32 color = 0x123456;
        CustColors cust{};
        QString result;
        if (call == "Call_dlg100")
            result = u"%1 %2 %3 %4"_s.arg(res.Call_dlg100(nullptr, 4, zero, shift, fill))
                         .arg(zero)
                         .arg(shift)
                         .arg(fill);
        else if (call == "Call_dlg110")
            result = QString::number(res.Call_dlg110(nullptr, 1, u"型番：ルメナ"_s));
        else if (call == "Call_dlg111")
            result = u"%1 %2"_s.arg(res.Call_dlg111(nullptr, date)).arg(date.year);
        else if (call == "Vk3FileDlg")
            result = res.Vk3FileDlg(nullptr, 0, QString(), QString(), u"t"_s);
        else if (call == "Vk3FolderDlg")
            result = res.Vk3FolderDlg(nullptr, u"p"_s);
        else
            result = u"%1 %2"_s.arg(res.Vk3ChooseColor(nullptr, color, cust)).arg(color, 0, 16);
        QTEST(opened, "dialog");
        QTEST(result, "result");
        QCOMPARE(english, QStringList());
    }

    // The kind the file dialog lists a folder as (files are named by their
    // type's description, which the type database gives in Japanese).
    void folderKindInJapanese()
    {
        QCOMPARE(QFileIconProvider().type(QFileInfo(m_tmp.path())), u"フォルダ"_s);
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
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
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

    void datePicker_data()
    {
        QTest::addColumn<QDate>("pick");
        QTest::addColumn<QString>("month"); // as the calendar names it
        QTest::newRow("5 January 2025, a Sunday") << QDate(2025, 1, 5) << u"1月"_s;
        QTest::newRow("20 November 2025") << QDate(2025, 11, 20) << u"11月"_s;
    }
    void datePicker()
    {
        QFETCH(QDate, pick);
        QString month;
        answerModal([&](QWidget* w) {
            w->findChild<QCalendarWidget*>(u"calendar"_s)->setSelectedDate(pick);
            month = w->findChild<QToolButton*>(u"qt_calendar_monthbutton"_s)->text();
            w->findChild<QPushButton*>(u"cmdOK"_s)->click();
        });
        DialogDate date;
        QCOMPARE(dialogs::datePicker(nullptr, date), 1);
        QCOMPARE(QDate(date.year, date.month, date.day), pick);
        QCOMPARE(int(date.dayOfWeek), pick.dayOfWeek() % 7); // Sunday is 0
        QTEST(month, "month");
    }
};

LUMENA_TEST_MAIN(TestStdDialogs)
#include "tst_std_dialogs.moc"
