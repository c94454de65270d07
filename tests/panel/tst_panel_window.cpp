// The operation panel driven as the operator drives it, against fakes.

#include "panel/PanelRules.h"
#include "panel/PanelWindow.h"
#include "panel/RouteFile.h"
#include "panel/RouteState.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

class TestPanelWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    struct Rig {
        RouteState data;
        test::FakeOptions options;
        test::FakeBoard board;
        test::FakeSound sound;
        test::FakeResLib res;
        test::FakeHost host;
    };
    std::unique_ptr<Rig> r;
    std::unique_ptr<PanelWindow> m_panel;

    template <class W = QWidget> W* control(const QString& name)
    {
        return test::child<W>(m_panel.get(), name);
    }
    QString label(const QString& name) { return control<QLabel>(name)->text(); }
    void click(const QString& name)
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void keys(const QList<int>& keys)
    {
        for (int k : keys)
            click(u"CommandButton1(%1)"_s.arg(k));
    }

private slots:
    // Route 1: 駅前, 中町, 終点; a file that is no picture, a picture, a folder.
    void initTestCase()
    {
        QList<RouteRecord> rs;
        for (const QString& name : {u"駅前"_s, u"中町"_s, u"終点"_s})
            rs << RouteRecord{name, qint16(rs.size() + 1), {}};
        QByteArray route;
        QVERIFY(!routefile::encode(rs, route));
        QVERIFY(test::writeFile(m_dir.filePath(u"1.hy3"_s), route));
        QVERIFY(test::writeFile(m_dir.filePath(u"text.bmp"_s), "not a picture\n"));
        QImage good(4, 4, QImage::Format_RGB32);
        good.fill(QColor::fromRgb(200, 0, 0));
        QVERIFY(good.save(m_dir.filePath(u"good.png"_s)));
        QVERIFY(QDir(m_dir.path()).mkpath(u"folder"_s));
    }

    void init()
    {
        test::failOnUnexpectedWarnings();
        r = std::make_unique<Rig>();
        r->options.fareDir = m_dir.path();
        m_panel = std::make_unique<PanelWindow>(PanelWindow::Ports{
            r->data, r->options, r->board, r->board, r->options, r->sound, r->res, r->host});
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

    void cleanup() { m_panel.reset(); }

    void keypadResetSetsRoute()
    {
        QVERIFY(!control(u"Command2(1)"_s)->isEnabled());
        keys({2});
        QCOMPARE(label(u"Label2(2)"_s), u"2"_s);      // the section at start
        keys({10, 0, 0, 0, 0, 1, 2, 11, 0, 0, 2, 9}); // five and three digits are kept
        QCOMPARE(label(u"Label2(0)"_s) + u' ' + label(u"Label2(2)"_s), u"00001 002"_s);
        QCOMPARE(r->sound.played, QStringList(13, u"reset.wav@S1"_s)); // every key sounds
        click(u"Command1(1)"_s);
        QCOMPARE(r->data.RouteNumber(), u"00001"_s);
        QVERIFY(control(u"Command2(1)"_s)->isEnabled());
        QVERIFY(control(u"Check1"_s)->isEnabled());
        click(u"Command2(1)"_s); // steps forward, then back
        click(u"Command2(0)"_s);
        QCOMPARE(r->board.chimei.last(3), (QStringList{u"中町"_s, u"終点"_s, u"中町"_s}));
    }

    // The dials (a double-click on the keypad) set what the same keys set, a
    // refusal included; each list shows its chosen digit whole.
    void dialsSetWhatTheKeypadSets_data()
    {
        QTest::addColumn<QList<int>>("dials"); // List2(0..4), List3(0..2); -1: none chosen
        QTest::addColumn<QList<int>>("keys");
        QTest::newRow("route 01, section 2")
            << QList<int>{-1, -1, -1, 0, 1, -1, -1, 2} << QList<int>{10, 0, 1, 11, 2};
        QTest::newRow("the far end of every dial: no route 99999")
            << QList<int>{9, 9, 9, 9, 9, 9, 9, 9} << QList<int>{10, 9, 9, 9, 9, 9, 11, 9, 9, 9};
    }
    void dialsSetWhatTheKeypadSets()
    {
        QFETCH(QList<int>, dials);
        QFETCH(QList<int>, keys);
        const auto outcome = [this] {
            const QString text = u"%1 %2 %3 %4"_s.arg(r->data.RouteNumber())
                                     .arg(r->data.StartSection())
                                     .arg(r->board.chimei.value(0), r->host.messages.join(u'|'));
            r->board.chimei.clear();
            r->host.messages.clear();
            return text;
        };
        QTest::mouseDClick(control(u"Frame1(1)"_s), Qt::LeftButton, {}, QPoint(5, 20));
        QVERIFY(control(u"Frame1(0)"_s)->isVisible() && !control(u"Frame1(1)"_s)->isVisible());
        QStringList sounds;
        for (int i = 0; i < 8; ++i) {
            if (dials[i] < 0)
                continue;
            auto* list =
                control<QListWidget>(i < 5 ? u"List2(%1)"_s.arg(i) : u"List3(%1)"_s.arg(i - 5));
            QListWidgetItem* item = list->item(dials[i]);
            list->scrollToItem(item); // the wheel
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(item).center());
            QVERIFY(list->viewport()->rect().contains(list->visualItemRect(item)));
            sounds << (i < 5 ? u"reset.wav@S1"_s : u"route.wav@S1"_s);
        }
        QCOMPARE(r->sound.played, sounds);
        click(u"Command1(0)"_s);
        const QString viaDials = outcome();
        QTest::mouseDClick(control(u"Frame1(0)"_s), Qt::LeftButton, {}, QPoint(5, 20));
        this->keys(keys);
        click(u"Command1(1)"_s);
        QCOMPARE(viaDials, outcome());
    }

    void displayClearAndBack_data()
    {
        QTest::addColumn<bool>("clockShown");
        QTest::addColumn<bool>("speech");
        QTest::newRow("hidden clock, no speech") << false << false;
        QTest::newRow("shown clock, speech") << true << true;
    }
    void displayClearAndBack()
    {
        QFETCH(bool, clockShown);
        QFETCH(bool, speech);
        r->board.clockShown = clockShown;
        m_panel->setSpeechAvailable(speech);
        keys({10, 1, 11, 2});
        click(u"Command1(1)"_s);
        r->board.blanked.clear();
        click(u"Check1"_s);
        QCOMPARE(r->board.chimei.last(), QString());
        QCOMPARE(r->board.blanked.size(), 50);
        QVERIFY(!r->board.clockRunning);
        QCOMPARE(r->board.clockClears, 1);
        const QStringList frozen = {u"Frame1(0)"_s, u"Frame1(1)"_s, u"Command2(0)"_s,
                                    u"Command2(1)"_s, u"Frame6"_s};
        for (const QString& name : frozen + QStringList{u"grpM_Tape"_s})
            QVERIFY2(!control(name)->isEnabled(), qPrintable(name));
        click(u"Check1"_s);
        for (const QString& name : frozen)
            QVERIFY2(control(name)->isEnabled(), qPrintable(name));
        QCOMPARE(control(u"grpM_Tape"_s)->isEnabled(), speech);
        QCOMPARE(r->board.clockRunning, clockShown);
        QCOMPARE(r->board.chimei.last(), u"中町"_s);
    }

    // The built-in pictures of the fake board have red 10, 20, 30.
    void backlight_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("file");    // user picture for ON1; "" = built-in
        QTest::addColumn<int>("pictureRed");  // red of the board picture afterwards
        QTest::addColumn<QString>("message"); // empty: none
        QTest::newRow("automatic built-in") << true << u""_s << 20 << QString();
        QTest::newRow("user picture") << false << u"good.png"_s << 200 << QString();
        QTest::newRow("user picture missing keeps the old one")
            << false << u"gone.bmp"_s << 10 << QString();
        // Broken at clauses, the file on a line of its own.
        QTest::newRow("user file that is no picture")
            << false << u"text.bmp"_s << 10
            << u"エラーです。\n\nエラーコード：481　指定した画像の内容が不正です。\n"
               u"この部分では扱えません。\n@file"_s;
        QTest::newRow("user file that is a folder")
            << false << u"folder"_s << 10
            << u"エラーです。\n\nエラーコード：75　画像ファイルが見つからないか、\n"
               u"指定している場所が不正です。\n@file"_s;
    }
    void backlight()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(bool, automatic);
        r->options.automatic = automatic;
        r->options.user[1] = !file.isEmpty();
        r->options.files[1] = file.isEmpty() ? QString() : m_dir.filePath(file);
        click(u"Option4(0)"_s);
        QCOMPARE(qRed(r->board.background.pixel(0, 0)), 10);
        ModalAnswerer answerer;
        click(u"Option4(1)"_s);
        QTEST(qRed(r->board.background.pixel(0, 0)), "pictureRed");
        QCOMPARE(r->board.seiriNumColor, 0xA1u); // the colour changes in every case
        QCOMPARE(m_panel->BacklightIndex(), 1);
        m_panel->Option4_Click(1); // as OK in the options does: a failure is told once
        message.replace(u"@file"_s, r->options.files[1]);
        QCOMPARE(answerer.texts, message.isEmpty() ? QStringList{} : QStringList{message});
    }
    // The clauses of the errors a picture file cannot be made to give here.
    void backlightErrorsOfTheSystem()
    {
        QVERIFY(backlightErrorText(ErrOutOfMemory).endsWith(u"frmCtl.Option4_Click()"_s));
        QVERIFY(backlightErrorText(ErrDeviceIo).endsWith(u"準備が出来ていません。"_s));
        QCOMPARE(backlightErrorText(5), u"エラーです。\r\n\r\nエラーコード：5"_s);
    }

    // 設定... and ﾊﾞｰｼﾞｮﾝ hold board and panel still while open; after the
    // options the ticket and the stop name are drawn anew (preview now on).
    void dialogsHoldTheWindows()
    {
        keys({10, 1, 11, 1});
        click(u"Command1(1)"_s);
        QStringList seen;
        r->options.onShowOptions = [&] {
            seen << u"options board %1 panel %2"_s.arg(r->board.boardEnabled)
                        .arg(m_panel->isEnabled());
            r->options.preview = true;
        };
        click(u"Command4"_s);
        click(u"Command8"_s);
        seen << u"after board %1 panel %2"_s.arg(r->board.boardEnabled).arg(m_panel->isEnabled());
        QCOMPARE(seen, (QStringList{u"options board 0 panel 0"_s, u"after board 1 panel 1"_s}));
        QCOMPARE(r->board.chimei.mid(r->board.chimei.size() - 2), (QStringList{{}, u"駅前"_s}));
        QCOMPARE(r->res.callNames(), (QStringList{u"Vk4_DrawSeiriken"_s, u"Call_dlg110"_s}));
        const QString version = r->res.calls.back().args.value(1).toString();
        QVERIFY(version.startsWith(u"型番："_s) &&
                version.endsWith(u"チーム 2026\r\n"_s)); // not 2026-2026
    }

    // A plug-in's company list chooses nothing until the operator does.
    void companyListChoosesNothing()
    {
        PanelIniPort& port = *m_panel;
        port.AddCompany(u"甲バス"_s);
        control<QComboBox>(u"Combo1"_s)->setCurrentIndex(0);
        port.ClearCompanyList();
        port.AddCompany(u"乙バス"_s);
        port.AddCompany(u"丙バス"_s);
        QCOMPARE(control<QComboBox>(u"Combo1"_s)->currentIndex(), -1);
        port.SetPreviewSize(4500, 1500);
        QCOMPARE(control(u"picSeirikenPrev"_s)->size(), QSize(300, 100));
    }

    // In the bottom-right corner of a small screen, the panel ">>" widens moves
    // left to keep the preview on screen; narrowed again, it stays.
    void previewOpensOnScreen()
    {
        const QRect screen(0, 0, 1024, 600);
        r->host.screens = {screen};
        const QPoint frame =
            m_panel->frameGeometry().bottomRight() - m_panel->geometry().bottomRight();
        const QSize outer = m_panel->frameGeometry().size();
        m_panel->move(screen.right() + 1 - outer.width(), screen.bottom() + 1 - outer.height());
        QList<QRect> clients;
        for (int i = 0; i < 2; ++i) {
            click(u"Check4"_s);
            clients << m_panel->geometry();
        }
        const QPoint at = QPoint(1024 - 594, 600 - 173) - frame;
        QCOMPARE(clients, (QList<QRect>{QRect(at, QSize(594, 173)), QRect(at, QSize(353, 173))}));
    }

    // Closing the panel and Ctrl+Q ask the same question, with Japanese buttons.
    void quitQuestion_data()
    {
        QTest::addColumn<bool>("ctrlQ");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("No keeps the panel and writes nothing") << false << false << QStringList{};
        QTest::newRow("Ctrl+Q, Yes closes sound, speech, then writes")
            << true << true
            << QStringList{u"CloseAllSnd"_s, u"TermSpeech"_s, u"SaveIni"_s, u"end"_s};
    }
    void quitQuestion()
    {
        QFETCH(bool, ctrlQ);
        QFETCH(bool, yes);
        QStringList order;
        r->sound.onCloseAll = [&] { order << u"CloseAllSnd"_s; };
        m_panel->setQuitActions({[&] { order << u"TermSpeech"_s; }, [&] { order << u"SaveIni"_s; },
                                 [&] { order << u"end"_s; }});
        QString question;
        test::answerModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            question =
                QStringList{box->windowTitle(), box->text(), box->button(QMessageBox::Yes)->text(),
                            box->button(QMessageBox::No)->text()}
                    .join(u'|');
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        if (ctrlQ) {
            m_panel->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_panel.get()));
            QTest::keyClick(m_panel.get(), Qt::Key_Q, Qt::ControlModifier);
        } else {
            m_panel->close();
        }
        QCOMPARE(question, u"ルメナの終了確認|ルメナを終了しますか？|はい|いいえ"_s);
        QCOMPARE(m_panel->isVisible(), !yes);
        QCOMPARE(r->board.chimei.isEmpty(), !yes); // the stop name is blanked on the way out
        QTEST(order, "order");
    }
};

LUMENA_TEST_MAIN(TestPanelWindow)
#include "tst_panel_window.moc"
