// A plug-in's description as SetPlgin shows it, choosing a plug-in file, and
// the preview's size and copy menu.

#include "tests/common/FakeResLib.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"
#include "ticket/PluginInfo.h"
#include "ticket/PreviewGlue.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
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
    QSize size{0, 0};
    QStringList companies{u"old"_s};
    void setPluginComment(const QString& t) override { comment = t; }
    void setPropertyLines(const QStringList& l) override { lines = l; }
    void setPreviewSizeTwips(int w, int h) override { size = QSize(w, h); }
    void clearCompanies() override { companies.clear(); }
    void addCompany(const QString& n) override { companies << n; }
    QStringList shown() const
    {
        return companies + lines +
               QStringList{comment, u"%1x%2"_s.arg(size.width()).arg(size.height())};
    }
};

// A plug-in's words: 3300 x 1620 twips and `words`.
PlgInfo info(std::initializer_list<std::pair<int, int>> words)
{
    PlgInfo i;
    i[1] = 3300;
    i[2] = 1620;
    for (auto [k, v] : words)
        i[k] = v;
    return i;
}

// The five print lines (y or n for date, time, route, stop, bar code), then `rest`.
QStringList lines(const char* yn, const QStringList& rest)
{
    const QStringList names{u"日付の印字"_s, u"時刻の印字"_s, u"系統番号の印字"_s, u"停名の印字"_s,
                            u"バーコード印字"_s};
    QStringList l;
    for (int i = 0; i < 5; ++i)
        l << names[i] + (yn[i] == 'y' ? u" ---> 可能"_s : u" ---> 不可"_s);
    return l + rest;
}

} // namespace

class TestTicketUi : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    // The file chosen (none: cancelled) and the library's verdict -> what the
    // view shows, the path box, the message and the calls. A refused file keeps
    // path and description, not the companies.
    void choosingAPluginFile_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<PlgInfo>("words"); // none: refused
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("calls");
        const QString previous = u"/previous.4SP"_s, ok = u"/ok.4SP"_s;
        const QStringList dialog{u"Vk3FileDlg"_s}, read = dialog + QStringList{u"Vk4_GetPlgInfo"_s};
        const QStringList accepted = read + QStringList{u"Vk4_SetPlgComment"_s};
        const QStringList described{u"感熱紙の整理券"_s, u"3300x1620"_s};
        const QStringList untouched{u"old"_s, u"old"_s, u"0x0"_s}; // lines, comment, size
        QTest::newRow("cancelled") << QString() << PlgInfo() << QStringList{u"old"_s} + untouched
                                   << previous << QString() << dialog;
        QTest::newRow("refused, with the reader's reason")
            << u"/bad.4SP"_s << PlgInfo() << untouched << previous
            << u"プラグインロードエラー|指定したファイルはプラグインでないか、内容が不正です\n"
               u"line 3: width must be a whole number\n/bad.4SP"_s
            << read + QStringList{u"pluginRefusal"_s};
        QTest::newRow("no bar codes, switching -1 is none")
            << ok << info({{3, 1}, {4, 1}, {8, 2}, {9, 999}, {13, -1}})
            << lines("yynnn", {u"社名切り替え:---> 不可"_s}) + described << ok << QString()
            << accepted;
        QTest::newRow("route and flag for any scheme but 1, switching 1")
            << ok
            << info({{5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 50}, {10, 0}, {11, 3}, {12, 40}, {13, 1}})
            << QStringList{u"甲"_s, u"乙"_s} +
                   lines("nnyyy", {u"バーコード本数 ---> 1"_s,
                                   u"バーコード系統方式 ---> 系統番号＋往復フラグ"_s,
                                   u"設定可能な系統範囲 ---> 1 ～ 50"_s,
                                   u"停留所認識範囲 ---> 3 ～ 40"_s, u"社名切り替え:---> 可能"_s}) +
                   described
            << ok << QString() << accepted + QStringList{u"Vk4_SetCorpAddList"_s};
    }
    void choosingAPluginFile()
    {
        QFETCH(QString, chosen);
        QFETCH(PlgInfo, words);
        QFETCH(QString, message);
        test::FakeResLib lib;
        lib.fileDlgResult = chosen;
        lib.plgInfoResult = words[1] ? 1 : 0;
        lib.plgInfo = words;
        lib.plgComment = u"感熱紙の整理券"_s;
        lib.plgRefusal = u"line 3: width must be a whole number"_s;
        lib.corpNames = {u"甲"_s, u"乙"_s};
        RecordingView view;
        QWidget dialog;
        auto* pathBox = new QLineEdit(u"/previous.4SP"_s, &dialog);
        QString shown;
        if (!message.isEmpty())
            test::answerMessageBox(QMessageBox::Ok, &shown);
        choosePluginFile(lib, &dialog, view, pathBox);
        QCOMPARE(
            lib.calls.front().args,
            QVariantList({0, QStringLiteral("整理券プラグイン(*.4SP)\0*.4SP\0\0"),
                          u"/previous.4SP"_s, u"プラグインの選択"_s})); // where the box's file is
        QTEST(view.shown(), "shown");
        QTEST(pathBox->text(), "path");
        QCOMPARE(shown, message);
        QTEST(lib.callNames(), "calls");
        // An empty path reaches no library call.
        const auto calls = lib.calls.size();
        QCOMPARE(SetPlgin(lib, QString(), view), 0);
        QCOMPARE(lib.calls.size(), calls);
    }

    // A plug-in's size starts the preview over blank; the copy menu puts the
    // picture on the clipboard.
    void previewSizeAndCopyMenu()
    {
        QWidget panel;
        auto* preview = new SeirikenPreview(&panel);
        QMenu* menu = makePreviewMenu(preview, &panel);
        preview->image()->fill(Qt::black);
        preview->setSizeTwips(3300, 1620);
        QCOMPARE(preview->size(), QSize(220, 108));
        QCOMPARE(preview->picture().size(), QSize(220, 108));
        QCOMPARE(preview->picture().pixelColor(0, 0), QColor(Qt::white));
        preview->image()->fill(QColor(0x12, 0x34, 0x56));
        QApplication::clipboard()->setText(u"something else"_s);
        QTest::mouseClick(preview, Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(menu->isVisible());
        menu->findChild<QAction*>(u"MnuHideCopy"_s)->trigger();
        menu->hide();
        QCOMPARE(QApplication::clipboard()->image(), preview->picture());
    }
};

LUMENA_TEST_MAIN(TestTicketUi)
#include "tst_ticket_ui.moc"
