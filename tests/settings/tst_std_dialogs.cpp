#include "reslib/Dialogs.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

const QString PanelFilter = u"ビットマップ(*.bmp)"_s + QChar(0) + u"*.bmp"_s + QChar(0) +
                            u"GIF画像(*.gif)"_s + QChar(0) + u"*.gif"_s + QChar(0) +
                            u"JPEG画像(*.jpg)"_s + QChar(0) + u"*.jpg"_s + QChar(0) + QChar(0);

void click(QWidget* dlg, const char* name)
{
    auto* b = dlg->findChild<QPushButton*>(QLatin1StringView(name));
    QVERIFY(b);
    b->click();
}

} // namespace

class TestStdDialogs : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void fileDialogFiltersAndChoice()
    {
        const QString file = m_tmp.filePath(u"panel.bmp"_s);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QStringList filters;
        QString title;
        answerModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->objectName(), u"Vk3FileDlg"_s);
            filters = dlg->nameFilters();
            title = dlg->windowTitle();
            dlg->selectFile(file);
            static_cast<QDialog*>(dlg)->accept();
        });
        const QString chosen =
            dialogs::openFile(nullptr, PanelFilter, QString(), u"パネル画像の選択"_s);
        QCOMPARE(chosen, file);
        QCOMPARE(title, u"パネル画像の選択"_s);
        const QStringList expected{u"ビットマップ(*.bmp *.BMP)"_s, u"GIF画像(*.gif *.GIF)"_s,
                                   u"JPEG画像(*.jpg *.JPG)"_s};
        QCOMPARE(filters, expected);
    }

    void filterPatternDifferentFromItsDescription()
    {
        const QString filter =
            u"放送データ(*.Tp.csv)"_s + QChar(0) + u"*tp.csv;*.txt"_s + QChar(0) + QChar(0);
        QStringList filters;
        answerModal([&](QWidget* w) {
            filters = static_cast<QFileDialog*>(w)->nameFilters();
            static_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(dialogs::openFile(nullptr, filter, QString(), u"t"_s), QString());
        QCOMPARE(filters, QStringList{u"放送データ(*.Tp.csv)(*tp.csv *TP.CSV *.txt *.TXT)"_s});
    }

    void folderDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled") << false;
    }
    void folderDialog()
    {
        QFETCH(bool, accept);
        QString title;
        answerModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->objectName(), u"Vk3FolderDlg"_s);
            title = dlg->windowTitle();
            dlg->setDirectory(m_tmp.path());
            dlg->selectFile(m_tmp.path());
            accept ? static_cast<QDialog*>(dlg)->accept() : dlg->reject();
        });
        const QString chosen = dialogs::chooseFolder(nullptr, u"フォルダーを選択してください"_s);
        QCOMPARE(title, u"フォルダーを選択してください"_s);
        QCOMPARE(chosen, accept ? m_tmp.path() : QString());
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
        QTest::addColumn<bool>("accept");
        QTest::newRow("5 January 2025, a Sunday") << QDate(2025, 1, 5) << true;
        QTest::newRow("20 November 2025") << QDate(2025, 11, 20) << true;
        QTest::newRow("cancelled") << QDate(2025, 11, 20) << false;
    }
    void datePicker()
    {
        QFETCH(QDate, pick);
        QFETCH(bool, accept);
        answerModal([&](QWidget* w) {
            QCOMPARE(w->objectName(), u"dlg111"_s);
            auto* cal = w->findChild<QCalendarWidget*>(u"calendar"_s);
            QVERIFY(cal);
            cal->setSelectedDate(pick);
            click(w, accept ? "cmdOK" : "cmdCancel");
        });
        DialogDate date;
        const qint32 r = dialogs::datePicker(nullptr, date);
        QCOMPARE(r != 0, accept);
        if (!accept) {
            QCOMPARE(date.year, qint16(0));
            return;
        }
        QCOMPARE(QDate(date.year, date.month, date.day), pick);
        QCOMPARE(int(date.dayOfWeek), pick.dayOfWeek() % 7);
    }

    void versionBoxShowsText()
    {
        const QString text = u"LM-50\r\nVersion 1.0.0\r\nLumena"_s;
        QString shown;
        answerModal([&](QWidget* w) {
            QCOMPARE(w->objectName(), u"dlg110"_s);
            auto* label = w->findChild<QLabel*>(u"lblVersion"_s);
            QVERIFY(label);
            shown = label->text();
            click(w, "cmdOK");
        });
        dialogs::versionBox(nullptr, text);
        QCOMPARE(shown, text);
    }
};

LUMENA_TEST_MAIN(TestStdDialogs)
#include "tst_std_dialogs.moc"
