// The preview's reactions on real controls: the panel toggle, the copy menu,
// the company list refilled by a new plug-in, and the plug-in page's buttons.

#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"
#include "ticket/PreviewGlue.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

using namespace lumena;

namespace {

// Clicks the default button of the next modal box and records its text.
void answerNextMessageBox(QString* text)
{
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerNextMessageBox(text);
            return;
        }
        *text = box->windowTitle() + u'|' + box->text() + u'|' + QString::number(int(box->icon()));
        box->button(QMessageBox::Ok)->click();
    });
}

struct Page {
    QWidget dialog;
    QLineEdit* path = new QLineEdit(&dialog);
    QListWidget* list = new QListWidget(&dialog);
    QPlainTextEdit* comment = new QPlainTextEdit(&dialog);
    QComboBox* companies = new QComboBox(&dialog);
    QSize previewTwips;
    WidgetPluginInfoView view{comment, list, companies,
                              [this](int w, int h) { previewTwips = QSize(w, h); }};
    Page()
    {
        path->setText(QStringLiteral("/old.4SP"));
        list->addItem(QStringLiteral("old line"));
        comment->setPlainText(QStringLiteral("old remarks"));
        companies->addItems({QStringLiteral("旧社A"), QStringLiteral("旧社B")});
    }
    QStringList companyNames() const
    {
        QStringList n;
        for (int i = 0; i < companies->count(); ++i)
            n << companies->itemText(i);
        return n;
    }
};

} // namespace

class TestTicketUi : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    void panelToggle_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("open: 9000 twips") << true << 594 << "<<"
                                          << "整理券プレビューを隠します";
        QTest::newRow("closed: 5385 twips") << false << 353 << ">>"
                                            << "整理券プレビューを開きます";
    }
    void panelToggle()
    {
        QFETCH(bool, open);
        QFETCH(int, width);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QWidget panel;
        auto* check4 = new QCheckBox(&panel);
        applyPreviewToggle(&panel, check4, !open);
        applyPreviewToggle(&panel, check4, open);
        QCOMPARE(panel.width(), width);
        QCOMPARE(check4->text(), caption);
        QCOMPARE(check4->toolTip(), tip);
    }

    void copyMenuPutsThePictureOnTheClipboard()
    {
        QWidget panel;
        auto* preview = new SeirikenPreview(&panel);
        preview->setObjectName(QStringLiteral("picSeirikenPrev"));
        QMenu* menu = makePreviewMenu(preview, &panel);
        QCOMPARE(preview->size(), QSize(220, 93));
        preview->image()->fill(QColor(0x12, 0x34, 0x56));
        QApplication::clipboard()->setText(QStringLiteral("something else"));
        QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(menu->isVisible());
        auto* copy = menu->findChild<QAction*>(QStringLiteral("MnuHideCopy"));
        QVERIFY(copy);
        QCOMPARE(copy->text(), QStringLiteral("コピー(&C)"));
        copy->trigger();
        menu->hide();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(220, 93));
        QCOMPARE(copied.pixelColor(100, 50), QColor(0x12, 0x34, 0x56));
    }

    void previewSizedByThePlugin()
    {
        SeirikenPreview preview;
        preview.image()->fill(Qt::black);
        preview.setSizeTwips(3300, 1620);
        QCOMPARE(preview.size(), QSize(220, 108));
        QCOMPARE(preview.picture().size(), QSize(220, 108));
        QCOMPARE(preview.picture().pixelColor(0, 0), QColor(Qt::white));
    }

    void newPluginRefillsTheCompanyList()
    {
        Page page;
        test::FakeResLib lib;
        lib.fileDlgResult = QStringLiteral("/new.4SP");
        lib.plgInfoResult = 1;
        lib.plgInfo[1] = 3300;
        lib.plgInfo[2] = 1650;
        lib.plgInfo[13] = 3;
        lib.plgComment = QStringLiteral("三社の整理券");
        lib.corpNames = {QStringLiteral("北浜観光バス"), QStringLiteral("山なみ交通"),
                         QStringLiteral("みなと市営バス")};
        choosePluginFile(lib, &page.dialog, page.view, page.path);
        QCOMPARE(page.companyNames(), lib.corpNames);
        QCOMPARE(page.companies->currentIndex(), -1);
        QCOMPARE(page.path->text(), QStringLiteral("/new.4SP"));
        QCOMPARE(page.comment->toPlainText(), QStringLiteral("三社の整理券"));
        QCOMPARE(page.list->count(), 6);
        QCOMPARE(page.previewTwips, QSize(3300, 1650));
    }

    void refusedPluginEmptiesOnlyTheCompanyList()
    {
        Page page;
        test::FakeResLib lib;
        lib.fileDlgResult = QStringLiteral("/broken.4SP");
        QString shown;
        answerNextMessageBox(&shown);
        choosePluginFile(lib, &page.dialog, page.view, page.path);
        QCOMPARE(shown,
                 QStringLiteral("プラグインロードエラー|指定したファイルはプラグインでないか、"
                                "内容が不正です|%1")
                     .arg(int(QMessageBox::Critical)));
        QVERIFY(page.companyNames().isEmpty());
        QCOMPARE(page.path->text(), QStringLiteral("/old.4SP"));
        QCOMPARE(page.comment->toPlainText(), QStringLiteral("old remarks"));
        QCOMPARE(page.list->count(), 1);
    }

    void clearButtonEmptiesPathListAndRemarks()
    {
        Page page;
        clearPluginFile(page.path, page.list, page.comment);
        QVERIFY(page.path->text().isEmpty());
        QCOMPARE(page.list->count(), 0);
        QVERIFY(page.comment->toPlainText().isEmpty());
        QCOMPARE(page.companyNames().size(), 2); // the panel's list is not touched
    }

    void useSeiriPrevShowsBothFrames()
    {
        QWidget dialog;
        auto* plugin = new QGroupBox(&dialog);
        auto* date = new QGroupBox(&dialog);
        dialog.show();
        applyUseSeiriPrev(false, plugin, date);
        QVERIFY(!plugin->isVisible() && !plugin->isEnabled());
        QVERIFY(!date->isVisible() && !date->isEnabled());
        applyUseSeiriPrev(true, plugin, date);
        QVERIFY(plugin->isVisible() && plugin->isEnabled());
        QVERIFY(date->isVisible() && date->isEnabled());
    }
};

LUMENA_TEST_MAIN(TestTicketUi)
#include "tst_ticket_ui.moc"
