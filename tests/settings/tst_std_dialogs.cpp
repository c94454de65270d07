#include "reslib/Dialogs.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/ModalAnswer.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace lumena;
using namespace lumena::test;

namespace {

const QString PanelFilter =
    QStringLiteral("ビットマップ(*.bmp)") + QChar(0) + QStringLiteral("*.bmp") + QChar(0) +
    QStringLiteral("GIF画像(*.gif)") + QChar(0) + QStringLiteral("*.gif") + QChar(0) +
    QStringLiteral("JPEG画像(*.jpg)") + QChar(0) + QStringLiteral("*.jpg") + QChar(0) + QChar(0);

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
        const QString file = m_tmp.filePath(QStringLiteral("panel.bmp"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QStringList filters;
        QString title;
        answerModal([&](QWidget* w) {
            auto* dlg = qobject_cast<QFileDialog*>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->objectName(), QStringLiteral("Vk3FileDlg"));
            filters = dlg->nameFilters();
            title = dlg->windowTitle();
            dlg->selectFile(file);
            static_cast<QDialog*>(dlg)->accept();
        });
        const QString chosen =
            dialogs::openFile(nullptr, PanelFilter, QString(), QStringLiteral("パネル画像の選択"));
        QCOMPARE(chosen, file);
        QCOMPARE(title, QStringLiteral("パネル画像の選択"));
        const QStringList expected{QStringLiteral("ビットマップ(*.bmp *.BMP)"),
                                   QStringLiteral("GIF画像(*.gif *.GIF)"),
                                   QStringLiteral("JPEG画像(*.jpg *.JPG)")};
        QCOMPARE(filters, expected);
    }

    void filterPatternDifferentFromItsDescription()
    {
        const QString filter = QStringLiteral("放送データ(*.Tp.csv)") + QChar(0) +
                               QStringLiteral("*tp.csv;*.txt") + QChar(0) + QChar(0);
        QStringList filters;
        answerModal([&](QWidget* w) {
            filters = static_cast<QFileDialog*>(w)->nameFilters();
            static_cast<QDialog*>(w)->reject();
        });
        QCOMPARE(dialogs::openFile(nullptr, filter, QString(), QStringLiteral("t")), QString());
        QCOMPARE(filters,
                 QStringList{QStringLiteral("放送データ(*.Tp.csv)(*tp.csv *TP.CSV *.txt *.TXT)")});
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
            QCOMPARE(dlg->objectName(), QStringLiteral("Vk3FolderDlg"));
            title = dlg->windowTitle();
            dlg->setDirectory(m_tmp.path());
            dlg->selectFile(m_tmp.path());
            accept ? static_cast<QDialog*>(dlg)->accept() : dlg->reject();
        });
        const QString chosen =
            dialogs::chooseFolder(nullptr, QStringLiteral("フォルダーを選択してください"));
        QCOMPARE(title, QStringLiteral("フォルダーを選択してください"));
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
            QCOMPARE(dlg->objectName(), QStringLiteral("Vk3ChooseColor"));
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
            QCOMPARE(w->objectName(), QStringLiteral("dlg111"));
            auto* cal = w->findChild<QCalendarWidget*>(QStringLiteral("calendar"));
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
        const QString text = QStringLiteral("LM-50\r\nVersion 1.0.0\r\nLumena");
        QString shown;
        answerModal([&](QWidget* w) {
            QCOMPARE(w->objectName(), QStringLiteral("dlg110"));
            auto* label = w->findChild<QLabel*>(QStringLiteral("lblVersion"));
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
