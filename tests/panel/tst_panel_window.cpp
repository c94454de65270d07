// The operation panel driven as the operator drives it: clicks on named
// controls, modal boxes answered by the test, and checks on what changed on
// the (fake) board, in the run state and in the panel's own controls.

#include "panel/NullSound.h"
#include "panel/PanelWindow.h"
#include "panel/RouteFile.h"
#include "panel/RouteState.h"
#include "panel/RunController.h"
#include "settings/IniCodec.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// Three stops; Fares(k) at row r is 100 * r + k, except the late-night columns 3 and 4.
QByteArray routeFile()
{
    QList<RouteRecord> rs;
    for (const QString& name : {u"駅前"_s, u"中町"_s, u"終点"_s}) {
        RouteRecord r;
        r.StopName = name;
        r.TicketNo = qint16(rs.size() + 1);
        for (int k = 1; k <= 150; ++k)
            r.setFare(k, k == 3 ? 210 : k == 4 ? -1 : qint16(100 * r.TicketNo + k));
        rs << r;
    }
    QByteArray out;
    if (routefile::encode(rs, out))
        qFatal("encode failed");
    return out;
}

} // namespace

class TestPanelWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    struct Rig {
        RouteState data;
        test::FakeOptions options;
        test::FakeBoard board;
        test::FakeSound sound;
        NullTapeLoader tape;
        test::FakeResLib res;
        test::FakeHost host;
    };
    std::unique_ptr<Rig> m_rig;
    RouteState* m_data = nullptr;
    test::FakeOptions* m_options = nullptr;
    test::FakeBoard* m_board = nullptr;
    test::FakeSound* m_sound = nullptr;
    test::FakeResLib* m_res = nullptr;
    test::FakeHost* m_host = nullptr;
    std::unique_ptr<PanelWindow> m_panel;

    template <class W = QWidget> W* control(const QString& name)
    {
        W* w = m_panel->findChild<W*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    void click(const QString& name)
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    void keys(const QList<int>& keys)
    {
        for (int k : keys)
            click(u"CommandButton1(%1)"_s.arg(k));
    }
    void setRouteByKeypad(const QString& section)
    {
        keys({10, 1, 11});
        for (QChar c : section)
            keys({c.digitValue()});
        click(u"Command1(1)"_s);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QFile f(m_dir.filePath(u"1.hy3"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(routeFile());
    }

    void init()
    {
        test::failOnUnexpectedWarnings();
        m_rig = std::make_unique<Rig>();
        Rig& r = *m_rig;
        m_data = &r.data;
        m_options = &r.options;
        m_board = &r.board;
        m_sound = &r.sound;
        m_res = &r.res;
        m_host = &r.host;
        m_options->fareDir = m_dir.path();
        m_panel = std::make_unique<PanelWindow>(PanelWindow::Ports{
            r.data, r.options, r.board, r.board, r.options, r.sound, r.tape, r.res, r.host});
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

    void cleanup()
    {
        m_panel->setSessionEnding(true);
        m_panel.reset();
        m_rig.reset();
    }

    // --- route entry -------------------------------------------------------

    void keypadEntry_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("section");
        QTest::newRow("digits go to the section at start") << QList<int>{0, 2} << u""_s << u"02"_s;
        QTest::newRow("six route digits keep five")
            << QList<int>{10, 1, 2, 3, 4, 5, 6} << u"12345"_s << u""_s;
        QTest::newRow("系統 again empties only the route")
            << QList<int>{10, 4, 11, 5, 10, 6} << u"6"_s << u"5"_s;
        QTest::newRow("four section digits keep three")
            << QList<int>{11, 0, 0, 2, 9} << u""_s << u"002"_s;
    }
    void keypadEntry()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, route);
        QFETCH(QString, section);
        this->keys(keys);
        QCOMPARE(control<QLabel>(u"Label2(0)"_s)->text(), route);
        QCOMPARE(control<QLabel>(u"Label2(2)"_s)->text(), section);
        QCOMPARE(m_sound->played.size(), keys.size()); // every key sounds
        QCOMPARE(m_sound->played.value(0), u"reset.wav@S1"_s);
    }

    void keypadResetSetsRoute()
    {
        QVERIFY(!control(u"Command2(1)"_s)->isEnabled());
        keys({10, 0, 0, 0, 0, 1, 11, 0, 0, 2});
        click(u"Command1(1)"_s);
        QCOMPARE(m_data->RouteNumber(), u"00001"_s);
        QCOMPARE(m_data->CurrentPos(), qint16(1));
        QCOMPARE(m_board->chimei.last(), u"中町"_s);
        QVERIFY(control(u"Command2(1)"_s)->isEnabled());
        QVERIFY(control(u"Check1"_s)->isEnabled());
        // The displays keep their text after the route is set.
        QCOMPARE(control<QLabel>(u"Label2(0)"_s)->text(), u"00001"_s);
    }

    void dialResetSetsRoute()
    {
        // The keypad is in front; a double-click on it brings the dials.
        QTest::mouseDClick(control(u"Frame1(1)"_s), Qt::LeftButton, {}, QPoint(5, 20));
        QVERIFY(control(u"Frame1(0)"_s)->isVisible());
        QVERIFY(!control(u"Frame1(1)"_s)->isVisible());
        const QList<std::pair<QString, int>> picks = {
            {u"List2(3)"_s, 0}, {u"List2(4)"_s, 1}, {u"List3(2)"_s, 2}};
        for (const auto& [name, row] : picks) {
            auto* list = control<QListWidget>(name);
            list->scrollToItem(list->item(row));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        }
        QCOMPARE(m_sound->played,
                 (QStringList{u"reset.wav@S1"_s, u"reset.wav@S1"_s, u"route.wav@S1"_s}));
        click(u"Command1(0)"_s);
        QCOMPARE(m_data->RouteNumber(), u"01"_s); // unchosen lists add nothing
        QCOMPARE(m_data->CurrentPos(), qint16(1));
        QCOMPARE(m_board->chimei.last(), u"中町"_s);
    }

    // --- stepping, late night, display clear ------------------------------

    void steppingStopsAtBothEnds()
    {
        setRouteByKeypad(u"1"_s);
        m_sound->played.clear();
        click(u"Command2(0)"_s);
        QCOMPARE(m_data->CurrentPos(), qint16(0));
        QVERIFY(m_sound->played.isEmpty());
        click(u"Command2(1)"_s);
        click(u"Command2(1)"_s);
        QCOMPARE(m_data->CurrentPos(), qint16(2));
        QCOMPARE(m_board->chimei.last(), u"終点"_s);
        const int sounds = m_sound->played.size();
        click(u"Command2(1)"_s);
        QCOMPARE(m_data->CurrentPos(), qint16(2));
        QCOMPARE(m_sound->played.size(), sounds);
    }

    void lateNightDoublesFares()
    {
        setRouteByKeypad(u"1"_s);
        click(u"Check2"_s);
        click(u"Command2(1)"_s);
        QCOMPARE(m_board->values.value(3).toInt(), 420);
        QCOMPARE(m_board->values.value(4).toInt(), -1);
        QCOMPARE(m_board->values.value(5).toInt(), 2 * 205);
        click(u"Check2"_s);
        click(u"Command2(0)"_s);
        QCOMPARE(m_board->values.value(5).toInt(), 105);
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
        m_board->clockShown = clockShown;
        m_panel->setSpeechAvailable(speech);
        setRouteByKeypad(u"2"_s);
        m_board->blanked.clear();
        click(u"Check1"_s);
        QCOMPARE(m_board->chimei.last(), QString());
        QCOMPARE(m_board->blanked.size(), 50);
        QVERIFY(!m_board->clockRunning);
        QCOMPARE(m_board->clockClears, 1);
        for (const QString& name : {u"Frame1(0)"_s, u"Frame1(1)"_s, u"Command2(0)"_s,
                                    u"Command2(1)"_s, u"grpM_Tape"_s, u"Frame6"_s})
            QVERIFY2(!control(name)->isEnabled(), qPrintable(name));
        click(u"Check1"_s);
        for (const QString& name :
             {u"Frame1(0)"_s, u"Frame1(1)"_s, u"Command2(0)"_s, u"Command2(1)"_s, u"Frame6"_s})
            QVERIFY2(control(name)->isEnabled(), qPrintable(name));
        QCOMPARE(control(u"grpM_Tape"_s)->isEnabled(), speech);
        QCOMPARE(m_board->clockRunning, clockShown);
        QCOMPARE(m_board->chimei.last(), u"中町"_s);
    }

    // --- backlight ---------------------------------------------------------

    void backlight_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("file");   // user picture for ON1; "" = built-in
        QTest::addColumn<int>("pictureRed"); // red of the board picture afterwards
        QTest::addColumn<int>("error");      // 0 = no message
        QTest::newRow("automatic built-in") << true << u""_s << 20 << 0;
        QTest::newRow("manual built-in") << false << u""_s << 20 << 0;
        QTest::newRow("user picture") << false << u"good.png"_s << 200 << 0;
        QTest::newRow("user picture missing keeps the old one")
            << false << u"gone.bmp"_s << 10 << 0;
        QTest::newRow("user file that is no picture") << false << u"text.bmp"_s << 10 << 481;
        QTest::newRow("user file that is a folder") << false << u"folder"_s << 10 << 75;
    }
    void backlight()
    {
        QFETCH(bool, automatic);
        QFETCH(QString, file);
        QFETCH(int, pictureRed);
        QFETCH(int, error);
        QImage good(4, 4, QImage::Format_RGB32);
        good.fill(QColor::fromRgb(200, 0, 0));
        QVERIFY(good.save(m_dir.filePath(u"good.png"_s)));
        QFile text(m_dir.filePath(u"text.bmp"_s));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture\n");
        text.close();
        QDir(m_dir.path()).mkpath(u"folder"_s);

        m_options->automatic = automatic;
        m_options->user[1] = !file.isEmpty();
        m_options->files[1] = file.isEmpty() ? QString() : m_dir.filePath(file);
        click(u"Option4(0)"_s);
        QCOMPARE(qRed(m_board->background.pixel(0, 0)), 10);
        QCOMPARE(m_board->seiriNumColor, 0xA0u);

        QString message;
        if (error)
            test::answerMessageBox(QMessageBox::Ok, &message);
        click(u"Option4(1)"_s);
        QCOMPARE(qRed(m_board->background.pixel(0, 0)), pictureRed);
        QCOMPARE(m_board->seiriNumColor, 0xA1u); // the colour changes in every case
        QCOMPARE(m_panel->BacklightIndex(), 1);
        if (error)
            QCOMPARE(message.section(u'|', 1), backlightErrorText(error));
    }

    // --- other controls ----------------------------------------------------

    void scrollBarsDriveTheStopName()
    {
        control<QScrollBar>(u"HScroll1(0)"_s)->setValue(750);
        control<QScrollBar>(u"HScroll1(1)"_s)->setValue(1200);
        QCOMPARE(control<QLabel>(u"Label1(0)"_s)->text(), u"750"_s);
        QCOMPARE(control<QLabel>(u"Label1(1)"_s)->text(), u"1200"_s);
        QCOMPARE(m_board->speed, qint16(750));
        QCOMPARE(m_board->startWait, 1200);
    }

    void settingsDisablesBothWindows()
    {
        setRouteByKeypad(u"2"_s);
        bool panelEnabledMeanwhile = true;
        m_options->onShow = [&] { panelEnabledMeanwhile = m_panel->isEnabled(); };
        click(u"Command4"_s);
        QVERIFY(!panelEnabledMeanwhile);
        QVERIFY(m_panel->isEnabled());
        QCOMPARE(m_board->enabledCalls, (QList<bool>{false, true}));
        QCOMPARE(m_board->chimei.mid(m_board->chimei.size() - 2),
                 (QStringList{QString(), u"中町"_s}));
    }

    void versionBox()
    {
        click(u"Command8"_s);
        QCOMPARE(m_res->callNames(), QStringList{u"Call_dlg110"_s});
        const QVariantList args = m_res->calls[0].args;
        QCOMPARE(args[0].toInt(), 1);
        QVERIFY(args[1].toString().startsWith(u"型番：tst_panel_window\r\nバージョン："_s));
        QVERIFY(args[1].toString().contains(u"2026\r\n"_s)); // the host's year
        QCOMPARE(m_board->enabledCalls, (QList<bool>{false, true}));
    }

    void companyListRefilledChoosesNothing()
    {
        auto* combo = control<QComboBox>(u"Combo1"_s);
        m_panel->AddCompany(u"旧社"_s);
        combo->setCurrentIndex(0);
        m_panel->ClearCompanyList();
        for (const QString& n : {u"北浜観光バス"_s, u"山なみ交通"_s, u"みなと市営バス"_s})
            m_panel->AddCompany(n);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), u"みなと市営バス"_s);
        QCOMPARE(m_panel->companyIndex(), -1);
        combo->setCurrentIndex(1);
        QCOMPARE(m_panel->companyIndex(), 1);
    }

    void ctrlDataRoundTrip()
    {
        ini::CtrlDataInfo in;
        in.CtrlPanelMode = 0;
        in.ScrollSpeed = 321;
        in.ScrollInterval = 2500;
        in.MidnightFare = 1;
        in.PreviewOpen = 1;
        in.CtrlLeft = 1500;
        in.CtrlTop = 3000;
        m_panel->SetCtrlDataInfo(in);
        QVERIFY(control(u"Frame1(1)"_s)->isVisible()); // group 0 was sent behind
        QCOMPARE(control<QAbstractButton>(u"Check4"_s)->text(), u"<<"_s);
        QVERIFY(m_panel->width() > 500);
        ini::CtrlDataInfo out;
        m_panel->GetCtrlDataInfo(out);
        QCOMPARE(out.ScrollSpeed, 321);
        QCOMPARE(out.ScrollInterval, 2500);
        QCOMPARE(out.MidnightFare, qint16(1));
        QCOMPARE(out.PreviewOpen, qint16(1));
        QCOMPARE(out.CtrlPanelMode, qint16(0));
    }

    // --- quitting ----------------------------------------------------------

    void quitQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No keeps the panel and writes nothing") << false;
        QTest::newRow("Yes closes sound, speech, then writes") << true;
    }
    void quitQuestion()
    {
        QFETCH(bool, yes);
        QStringList order;
        m_sound->onCloseAll = [&] { order << u"CloseAllSnd"_s; };
        control<QScrollBar>(u"HScroll1(0)"_s)->setValue(640);
        const IniLocation where(m_dir.path(), u"quit"_s, m_dir.filePath(u"config"_s));
        const QString file = where.besideExecutable();
        QFile::remove(file);
        test::IdleOptionPort options;
        test::IdleBoardPort board;
        IniData data;
        m_panel->setQuitActions({[&] { order << u"TermSpeech"_s; },
                                 [&] {
                                     order << u"SaveIni"_s;
                                     SaveIni(data, where, {options, *m_panel, board}, *m_host);
                                 },
                                 [&] { order << u"end"_s; }});
        QString question;
        test::answerMessageBox(yes ? QMessageBox::Yes : QMessageBox::No, &question);
        m_panel->close();
        QCOMPARE(question.section(u'|', 1), u"ルメナを終了しますか？"_s);
        QCOMPARE(m_panel->isVisible(), !yes);
        QCOMPARE(m_board->chimei.isEmpty(), !yes); // the stop name is blanked on the way out
        const QStringList expected =
            yes ? QStringList{u"CloseAllSnd"_s, u"TermSpeech"_s, u"SaveIni"_s, u"end"_s}
                : QStringList{};
        QCOMPARE(order, expected);
        QCOMPARE(QFile::exists(file), yes);
        if (yes) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            IniData back;
            Error error;
            QVERIFY(decodeIni(f.readAll(), back, error));
            QCOMPARE(back.CtrlDataInfo.ScrollSpeed, 640);
        }
        QVERIFY(m_host->messages.isEmpty());
    }
};

LUMENA_TEST_MAIN(TestPanelWindow)
#include "tst_panel_window.moc"
