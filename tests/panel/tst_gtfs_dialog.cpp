// "GTFSから路線を作成..." on the sample feed: its choices, writing into the
// data folders (asking before replacing), and from the panel's menu to a route.

#include "panel/GtfsImportDialog.h"
#include "panel/PanelWindow.h"
#include "panel/RouteState.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using namespace lumena;
using test::child;

namespace {

QString sampleFeed()
{
    return test::sourceDir() + u"/samples/gtfs"_s;
}

QString text(QWidget* in, const QString& name)
{
    return child<QLabel>(in, name)->text();
}

} // namespace

class TestGtfsDialog : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    test::FakeOptions m_options;

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        for (const QString& d : {u"fares"_s, u"tapes"_s}) {
            QDir(m_dir.filePath(d)).removeRecursively();
            QVERIFY(QDir().mkpath(m_dir.filePath(d)));
        }
        m_options.fareDir = m_dir.filePath(u"fares"_s);
        m_options.tapeDir = m_dir.filePath(u"tapes"_s);
    }

    void offersTheFeedsChoices()
    {
        GtfsImportDialog dlg(m_options);
        auto* messages = child<QPlainTextEdit>(&dlg, u"txtMessages"_s);
        QVERIFY(!dlg.openFeed(m_dir.filePath(u"none"_s)));
        QCOMPARE(messages->toPlainText(), u"no such file or folder"_s);
        QVERIFY(!child<QPushButton>(&dlg, u"cmdOK"_s)->isEnabled());
        QVERIFY(dlg.openFeed(sampleFeed()));
        QVERIFY(child<QPushButton>(&dlg, u"cmdOK"_s)->isEnabled());
        auto* routes = child<QTreeWidget>(&dlg, u"lstRoutes"_s);
        QCOMPARE(routes->topLevelItemCount(), 1);
        const QTreeWidgetItem* route = routes->topLevelItem(0);
        QCOMPARE((QStringList{route->text(0), route->text(1), route->text(2), route->text(3)}),
                 (QStringList{u"21"_s, u"中央線"_s, u"5"_s, u"R21"_s}));
        // The longest trip either way, one way or the other, then each trip.
        auto* trips = child<QComboBox>(&dlg, u"cboTrip"_s);
        QCOMPARE(trips->count(), 8);
        QCOMPARE(trips->itemText(2), u"方向1で最も停留所の多い便（8停留所）"_s);
        QCOMPARE(child<QSpinBox>(&dlg, u"spnRouteNumber"_s)->value(), 21);
        QCOMPARE(text(&dlg, u"lblSummary"_s), u"停留所 8、整理券番号 1～8（便 T21-0700）"_s);
        QCOMPARE(messages->toPlainText(), u"警告はありません。"_s);
        QCOMPARE(text(&dlg, u"lblTargets"_s),
                 u"書き込み先: %1/21.hy3、%2/21tp.csv"_s.arg(m_options.fareDir, m_options.tapeDir));
        // A choice makes its route at once; the number names the files only.
        trips->setCurrentIndex(5);
        QCOMPARE(text(&dlg, u"lblSummary"_s), u"停留所 6、整理券番号 1～6（便 T21-0900）"_s);
        trips->setCurrentIndex(2);
        child<QCheckBox>(&dlg, u"chkPerZone"_s)->setChecked(true);
        child<QSpinBox>(&dlg, u"spnRouteNumber"_s)->setValue(305);
        QCOMPARE(text(&dlg, u"lblSummary"_s), u"停留所 8、整理券番号 1～5（便 T21-0730）"_s);
        QVERIFY(text(&dlg, u"lblTargets"_s).contains(u"/305.hy3、"_s));
    }

    void writesIntoTheDataFolders_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("answer"); // to "replace?"; 0 when not asked
        QTest::addColumn<bool>("written");
        QTest::newRow("new files") << false << 0 << true;
        QTest::newRow("replace: no") << true << int(QMessageBox::No) << false;
        QTest::newRow("replace: yes") << true << int(QMessageBox::Yes) << true;
    }
    void writesIntoTheDataFolders()
    {
        QFETCH(bool, existing);
        QFETCH(int, answer);
        QFETCH(bool, written);
        const QString hy3 = m_options.fareDir + u"/21.hy3"_s;
        if (existing)
            QVERIFY(QFile(hy3).open(QIODevice::WriteOnly));
        GtfsImportDialog dlg(m_options);
        dlg.show();
        QVERIFY(dlg.openFeed(sampleFeed()));
        QString asked;
        if (answer)
            test::answerMessageBox(QMessageBox::StandardButton(answer), &asked);
        QTest::mouseClick(child<QPushButton>(&dlg, u"cmdOK"_s), Qt::LeftButton);
        QCOMPARE(asked.contains(hy3), existing);
        QCOMPARE(dlg.result() == QDialog::Accepted, written);
        QCOMPARE(dlg.isVisible(), !written);
        QCOMPARE(dlg.writtenRoute(), written ? 21 : 0);
        QCOMPARE(QFileInfo(hy3).size() > 0, written);
        QCOMPARE(QFileInfo::exists(m_options.tapeDir + u"/21tp.csv"_s), written);
    }

    // From the panel's menu to the keypad (route 21, section 1) and リセット.
    void panelMenuSetsTheKeypad()
    {
        RouteState data;
        test::FakeBoard board;
        test::FakeSound sound;
        test::FakeResLib res;
        test::FakeHost host;
        PanelWindow panel(
            PanelWindow::Ports{data, m_options, board, board, m_options, sound, res, host});
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        test::answerModal([](QWidget* w) {
            auto* dlg = qobject_cast<GtfsImportDialog*>(w);
            if (dlg && dlg->openFeed(sampleFeed()))
                QTest::mouseClick(child<QPushButton>(dlg, u"cmdOK"_s), Qt::LeftButton);
            else
                w->close();
        });
        child<QMenu>(&panel, u"MnuHide"_s)->findChild<QAction*>(u"MnuGtfsImport"_s)->trigger();
        QCOMPARE(text(&panel, u"Label2(0)"_s) + u' ' + text(&panel, u"Label2(2)"_s), u"21 1"_s);
        QTest::mouseClick(child<QPushButton>(&panel, u"Command1(1)"_s), Qt::LeftButton);
        QCOMPARE(data.RouteTable(8).StopName, u"灯台公園"_s);
        QCOMPARE(board.chimei.last(), u"緑町駅前"_s);
        panel.setSessionEnding(true);
    }
};

LUMENA_TEST_MAIN(TestGtfsDialog)
#include "tst_gtfs_dialog.moc"
