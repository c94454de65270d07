// The plug-in information lines of the options dialog, SetPlgin's steps, the
// choice of a plug-in file, and the date and route texts a ticket receives.

#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"
#include "ticket/PluginInfo.h"
#include "ticket/TicketDate.h"
#include "ticket/TicketPreview.h"

using namespace lumena;

namespace {

class RecordingView : public PluginInfoView {
public:
    QString comment = QStringLiteral("old");
    QStringList lines{QStringLiteral("old")};
    QSize size;
    QStringList companies{QStringLiteral("old")};
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

class TestTicketInfo : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    void sixLinesWithoutBarcodes()
    {
        const QStringList lines = plgInfoLines(info({{3, 1}, {5, 1}, {8, 2}, {9, 999}}));
        QCOMPARE(lines, QStringList({QStringLiteral("日付の印字 ---> 可能"),
                                     QStringLiteral("時刻の印字 ---> 不可"),
                                     QStringLiteral("系統番号の印字 ---> 可能"),
                                     QStringLiteral("停名の印字 ---> 不可"),
                                     QStringLiteral("バーコード印字 ---> 不可"),
                                     QStringLiteral("社名切り替え:---> 不可")}));
    }

    void barcodeLines_data()
    {
        QTest::addColumn<PlgInfo>("words");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("2 codes, 999 routes, consecutive, stops 1-99")
            << info({{7, 1}, {8, 2}, {9, 999}, {10, 1}, {11, 1}, {12, 99}})
            << QStringList({QStringLiteral("バーコード本数 ---> 2"),
                            QStringLiteral("バーコード系統方式 ---> 連番式"),
                            QStringLiteral("設定可能な系統範囲 ---> 1 ～ 999"),
                            QStringLiteral("停留所認識範囲 ---> 1 ～ 99")});
        QTest::newRow("route and flag for any other scheme value")
            << info({{7, 1}, {8, 1}, {9, 50}, {10, 0}, {11, 3}, {12, 40}})
            << QStringList({QStringLiteral("バーコード本数 ---> 1"),
                            QStringLiteral("バーコード系統方式 ---> 系統番号＋往復フラグ"),
                            QStringLiteral("設定可能な系統範囲 ---> 1 ～ 50"),
                            QStringLiteral("停留所認識範囲 ---> 3 ～ 40")});
    }
    void barcodeLines()
    {
        QFETCH(PlgInfo, words);
        QFETCH(QStringList, expected);
        const QStringList lines = plgInfoLines(words);
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.at(4), QStringLiteral("バーコード印字 ---> 可能"));
        QCOMPARE(lines.mid(5, 4), expected);
    }

    void companySwitching_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("2 counts as available") << 2 << QStringLiteral("社名切り替え:---> 可能");
        QTest::newRow("1") << 1 << QStringLiteral("社名切り替え:---> 可能");
        QTest::newRow("0") << 0 << QStringLiteral("社名切り替え:---> 不可");
        QTest::newRow("-1") << -1 << QStringLiteral("社名切り替え:---> 不可");
    }
    void companySwitching()
    {
        QFETCH(int, value);
        QFETCH(QString, line);
        test::FakeResLib lib;
        lib.plgInfoResult = 1;
        lib.plgInfo = info({{1, 3000}, {2, 1500}, {13, value}});
        lib.corpNames = {QStringLiteral("甲"), QStringLiteral("乙")};
        RecordingView view;
        view.companies.clear();
        QVERIFY(SetPlgin(lib, QStringLiteral("/p.4SP"), view) != 0);
        QCOMPARE(view.lines.last(), line);
        QCOMPARE(view.companies.size(), value >= 1 ? 2 : 0);
        QCOMPARE(lib.callNames().contains(QStringLiteral("Vk4_SetCorpAddList")), value >= 1);
    }

    void setPlginShowsAcceptedPlugin()
    {
        test::FakeResLib lib;
        lib.plgInfoResult = 1;
        lib.plgInfo = info({{1, 3300}, {2, 1620}, {7, 1}, {8, 1}, {9, 999}, {10, 1}});
        lib.plgComment = QStringLiteral("感熱紙の整理券");
        RecordingView view;
        QCOMPARE(SetPlgin(lib, QStringLiteral("/p.4SP"), view), 1);
        QCOMPARE(lib.callNames(), QStringList({QStringLiteral("Vk4_GetPlgInfo"),
                                               QStringLiteral("Vk4_SetPlgComment")}));
        QCOMPARE(view.comment, QStringLiteral("感熱紙の整理券"));
        QCOMPARE(view.lines.size(), 10);
        QCOMPARE(view.size, QSize(3300, 1620));
    }

    void setPlginChangesNothingWhenRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("calls");
        QTest::newRow("empty path: no library call") << QString() << 0;
        QTest::newRow("not a plug-in") << QStringLiteral("/x.4SP") << 1;
    }
    void setPlginChangesNothingWhenRefused()
    {
        QFETCH(QString, path);
        QFETCH(int, calls);
        test::FakeResLib lib;
        RecordingView view;
        QCOMPARE(SetPlgin(lib, path, view), 0);
        QCOMPARE(int(lib.calls.size()), calls);
        QCOMPARE(view.comment, QStringLiteral("old"));
        QCOMPARE(view.lines, QStringList{QStringLiteral("old")});
        QVERIFY(!view.size.isValid());
    }

    void choosingAPlugin_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("accept");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("companiesEmptied");
        QTest::newRow("cancelled") << QString() << 1 << int(PluginChoice::Cancelled) << false;
        QTest::newRow("refused") << QStringLiteral("/bad.4SP") << 0 << int(PluginChoice::Refused)
                                 << true;
        QTest::newRow("accepted") << QStringLiteral("/ok.4SP") << 1 << int(PluginChoice::Accepted)
                                  << true;
    }
    void choosingAPlugin()
    {
        QFETCH(QString, chosen);
        QFETCH(int, accept);
        QFETCH(int, result);
        QFETCH(bool, companiesEmptied);
        test::FakeResLib lib;
        lib.fileDlgResult = chosen;
        lib.plgInfoResult = accept;
        RecordingView view;
        QString path = QStringLiteral("/previous.4SP");
        QCOMPARE(int(choosePlugin(lib, nullptr, view, path)), result);
        const test::FakeResLib::Call& dlg = lib.calls.front();
        QCOMPARE(dlg.name, QStringLiteral("Vk3FileDlg"));
        QCOMPARE(dlg.args, QVariantList({0, QStringLiteral("整理券プラグイン(*.4SP)\0*.4SP\0\0"),
                                         QString(), QStringLiteral("プラグインの選択")}));
        QCOMPARE(view.companies.isEmpty(), companiesEmptied);
        QCOMPARE(path,
                 result == int(PluginChoice::Accepted) ? chosen : QStringLiteral("/previous.4SP"));
    }

    void dateAndTimeForms()
    {
        QCOMPARE(systemDateText(QDate(2025, 1, 5)), QStringLiteral("01-05-2025"));
        QCOMPARE(systemDateText(QDate(2025, 11, 20)), QStringLiteral("11-20-2025"));
        QCOMPARE(timeText(QTime(7, 5, 9)), QStringLiteral("07:05:09"));
    }

    void previewToggle()
    {
        const PreviewToggleState closed = previewToggleState(false);
        QCOMPARE(closed.panelWidthTwips, 5385);
        QCOMPARE(closed.caption, QStringLiteral(">>"));
        QCOMPARE(closed.toolTip, QStringLiteral("整理券プレビューを開きます"));
        const PreviewToggleState open = previewToggleState(true);
        QCOMPARE(open.panelWidthTwips, 9000);
        QCOMPARE(open.caption, QStringLiteral("<<"));
        QCOMPARE(open.toolTip, QStringLiteral("整理券プレビューを隠します"));
        QCOMPARE(twipsToPixels(3300, 1395), QSize(220, 93));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTicketInfo)
#include "tst_ticket_info.moc"
