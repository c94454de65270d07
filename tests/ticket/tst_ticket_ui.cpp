// A plug-in's description as SetPlgin shows it and the choice of a plug-in
// file (tst_options_dialog checks that they reach the ticket page and the
// panel), and the preview's own reactions: the panel toggle, the copy menu,
// the size a plug-in gives it.

#include "tests/common/FakeResLib.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"
#include "ticket/PluginInfo.h"
#include "ticket/PreviewGlue.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

class RecordingView : public PluginInfoView {
public:
    QString comment = u"old"_s;
    QStringList lines{u"old"_s};
    QSize size;
    QStringList companies{u"old"_s};
    void setPluginComment(const QString& t) override { comment = t; }
    void setPropertyLines(const QStringList& l) override { lines = l; }
    void setPreviewSizeTwips(int w, int h) override { size = QSize(w, h); }
    void clearCompanies() override { companies.clear(); }
    void addCompany(const QString& n) override { companies << n; }
};

PlgInfo info(std::initializer_list<std::pair<int, int>> words)
{
    PlgInfo i;
    for (auto [k, v] : words)
        i[k] = v;
    return i;
}

} // namespace

class TestTicketUi : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    // The property lines of an accepted plug-in, and the company list it
    // fills when it switches companies (a value of at least 1).
    void setPlginLines_data()
    {
        QTest::addColumn<PlgInfo>("words");
        QTest::addColumn<QStringList>("expected");
        const QString no = u" ---> 不可"_s, yes = u" ---> 可能"_s;
        const QStringList noCodes{u"系統番号の印字"_s + no, u"停名の印字"_s + no,
                                  u"バーコード印字"_s + no};
        QTest::newRow("no bar codes, switching -1 is none")
            << info({{3, 1}, {4, 1}, {8, 2}, {9, 999}, {13, -1}})
            << QStringList{u"日付の印字"_s + yes, u"時刻の印字"_s + yes} + noCodes +
                   QStringList{u"社名切り替え:---> 不可"_s};
        const QStringList head{u"日付の印字"_s + no, u"時刻の印字"_s + no,
                               u"系統番号の印字"_s + yes, u"停名の印字"_s + yes,
                               u"バーコード印字"_s + yes};
        QTest::newRow("2 codes, consecutive, stops 1-99, switching 2")
            << info({{5, 1}, {6, 1}, {7, 1}, {8, 2}, {9, 999}, {10, 1}, {11, 1}, {12, 99}, {13, 2}})
            << head + QStringList{u"バーコード本数 ---> 2"_s, u"バーコード系統方式 ---> 連番式"_s,
                                  u"設定可能な系統範囲 ---> 1 ～ 999"_s,
                                  u"停留所認識範囲 ---> 1 ～ 99"_s, u"社名切り替え:---> 可能"_s};
        QTest::newRow("route and flag for any other scheme value, switching 1")
            << info({{5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 50}, {10, 0}, {11, 3}, {12, 40}, {13, 1}})
            << head + QStringList{u"バーコード本数 ---> 1"_s,
                                  u"バーコード系統方式 ---> 系統番号＋往復フラグ"_s,
                                  u"設定可能な系統範囲 ---> 1 ～ 50"_s,
                                  u"停留所認識範囲 ---> 3 ～ 40"_s, u"社名切り替え:---> 可能"_s};
    }
    void setPlginLines()
    {
        QFETCH(PlgInfo, words);
        QFETCH(QStringList, expected);
        test::FakeResLib lib;
        lib.plgInfoResult = 1;
        lib.plgInfo = words;
        lib.plgInfo[1] = 3300;
        lib.plgInfo[2] = 1620;
        lib.plgComment = u"感熱紙の整理券"_s;
        lib.corpNames = {u"甲"_s, u"乙"_s};
        RecordingView view;
        view.companies.clear();
        QCOMPARE(SetPlgin(lib, u"/p.4SP"_s, view), 1);
        QCOMPARE(view.lines, expected);
        QCOMPARE(view.comment, u"感熱紙の整理券"_s);
        QCOMPARE(view.size, QSize(3300, 1620));
        const bool switching = words[13] >= 1;
        QCOMPARE(view.companies, switching ? lib.corpNames : QStringList());
        QStringList calls{u"Vk4_GetPlgInfo"_s, u"Vk4_SetPlgComment"_s};
        if (switching)
            calls << u"Vk4_SetCorpAddList"_s;
        QCOMPARE(lib.callNames(), calls);
    }

    void setPlginChangesNothingWhenRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("calls");
        QTest::newRow("empty path: no library call") << QString() << 0;
        QTest::newRow("not a plug-in") << u"/x.4SP"_s << 1;
    }
    void setPlginChangesNothingWhenRefused()
    {
        QFETCH(QString, path);
        QFETCH(int, calls);
        test::FakeResLib lib;
        RecordingView view;
        QCOMPARE(SetPlgin(lib, path, view), 0);
        QCOMPARE(int(lib.calls.size()), calls);
        QCOMPARE(view.comment, u"old"_s);
        QCOMPARE(view.lines, QStringList{u"old"_s});
        QCOMPARE(view.companies, QStringList{u"old"_s});
        QVERIFY(!view.size.isValid());
    }

    // Command1's reaction: a refused file gives the stop message and keeps the
    // path box, though the company list has been emptied; a cancelled file
    // dialog changes nothing.
    void choosingAPluginFile_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("accept");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("companiesEmptied");
        QTest::newRow("cancelled") << QString() << 1 << QString() << u"/previous.4SP"_s << false;
        QTest::newRow("refused")
            << u"/bad.4SP"_s << 0
            << u"プラグインロードエラー|指定したファイルはプラグインでないか、内容が不正です"_s
            << u"/previous.4SP"_s << true;
        QTest::newRow("accepted") << u"/ok.4SP"_s << 1 << QString() << u"/ok.4SP"_s << true;
    }
    void choosingAPluginFile()
    {
        QFETCH(QString, chosen);
        QFETCH(int, accept);
        QFETCH(QString, message);
        QFETCH(QString, path);
        QFETCH(bool, companiesEmptied);
        test::FakeResLib lib;
        lib.fileDlgResult = chosen;
        lib.plgInfoResult = accept;
        RecordingView view;
        QWidget dialog;
        auto* pathBox = new QLineEdit(u"/previous.4SP"_s, &dialog);
        QString shown;
        if (!message.isEmpty())
            test::answerMessageBox(QMessageBox::Ok, &shown);
        choosePluginFile(lib, &dialog, view, pathBox);
        const test::FakeResLib::Call& dlg = lib.calls.front();
        QCOMPARE(dlg.name, u"Vk3FileDlg"_s);
        QCOMPARE(dlg.args, QVariantList({0, QStringLiteral("整理券プラグイン(*.4SP)\0*.4SP\0\0"),
                                         QString(), u"プラグインの選択"_s}));
        QCOMPARE(shown, message);
        QCOMPARE(pathBox->text(), path);
        QCOMPARE(view.companies.isEmpty(), companiesEmptied);
    }

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
        QMenu* menu = makePreviewMenu(preview, &panel);
        QCOMPARE(preview->size(), QSize(220, 93));
        preview->image()->fill(QColor(0x12, 0x34, 0x56));
        QApplication::clipboard()->setText(u"something else"_s);
        QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(menu->isVisible());
        auto* copy = menu->findChild<QAction*>(u"MnuHideCopy"_s);
        QVERIFY(copy);
        copy->trigger();
        menu->hide();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), QSize(220, 93));
        QCOMPARE(copied.pixelColor(100, 50), QColor(0x12, 0x34, 0x56));
    }

    void previewSizedByThePluginStartsBlank()
    {
        SeirikenPreview preview;
        preview.image()->fill(Qt::black);
        preview.setSizeTwips(3300, 1620);
        QCOMPARE(preview.size(), QSize(220, 108));
        QCOMPARE(preview.picture().size(), QSize(220, 108));
        QCOMPARE(preview.picture().pixelColor(0, 0), QColor(Qt::white));
    }
};

LUMENA_TEST_MAIN(TestTicketUi)
#include "tst_ticket_ui.moc"
