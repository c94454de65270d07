// The simulator as the program wires it, on the virtual clock, with recording
// sound and speech and a private settings folder: only what the wiring does.

#include "app/Simulator.h"
#include "board/BoardWindow.h"
#include "board/DegitElement.h"
#include "panel/PanelWindow.h"
#include "reslib/Units.h"
#include "settings/IniCodec.h"
#include "settings/OptionsDialog.h"
#include "settings/ViewSettings.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeHost.h"
#include "tests/common/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// Refuses every file, as the silent mixer does, and notes every channel closed.
struct RecordingMixer final : MixerBackend {
    QStringList& log;
    explicit RecordingMixer(QStringList& l) : log(l) {}
    bool open(int channel, const QString& path, SoundKind) override
    {
        log << u"open %1 %2"_s.arg(channel).arg(QFileInfo(path).fileName());
        return false;
    }
    void close(int channel) override { log << u"close %1"_s.arg(channel); }
    void play(int) override {}
    void stop(int) override {}
    bool isPlaying(int) const override { return false; }
};

struct RecordingSpeech final : SpeechEngine {
    QStringList& log;
    std::function<void()>& onEnd; // the test's, called if set
    RecordingSpeech(QStringList& l, std::function<void()>& e) : log(l), onEnd(e) {}
    ~RecordingSpeech() override
    {
        log << u"speech ended"_s;
        if (onEnd)
            onEnd();
    }
    void Speak(const QString& text) override { log << u"speak "_s + text; }
    void Stop() override {}
    qint32 Status() const override { return SpeechIdle; }
    void ShowSettingsDlg(QObject*, const QString&) override {}
    void SetReadingsFile(const QString&) override {}
};

} // namespace

class TestApp : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir; // the settings location
    QStringList m_log;
    QStringList m_logAtStart;
    std::function<void()> m_onSpeechEnd;
    test::FakeHost m_host;
    RecordingMixer m_mixer{m_log};
    std::unique_ptr<Simulator> m_sim;

    QString settingsFile() const { return m_dir.filePath(u"lumena.in4"_s); }
    QString viewFile() const { return m_dir.filePath(u"lumena-view.ini"_s); }
    BoardWindow& board() { return m_sim->board(); }
    PanelWindow& panel() { return m_sim->panel(); }
    template <class W = QAbstractButton> W* control(const QString& name)
    {
        return test::child<W>(&panel(), name);
    }
    void click(const QString& name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    // Route 12 from its first stop, typed on the keypad.
    void setRoute12()
    {
        for (int key : {10, 1, 2, 11, 1})
            click(u"CommandButton1(%1)"_s.arg(key));
        click(u"Command1(1)"_s);
    }
    QList<int> fares(int cell) // Degit(cell) and the next
    {
        return {board().Degit(cell)->Value().toInt(), board().Degit(cell + 1)->Value().toInt()};
    }

    IniLocation location() const
    {
        return IniLocation(m_dir.path(), u"lumena"_s, m_dir.filePath(u"config"_s));
    }
    void start(const IniLocation& where)
    {
        m_log.clear();
        m_sim = std::make_unique<Simulator>(
            Simulator::Setup{m_host,
                             m_mixer,
                             [this] {
                                 m_log << u"speech made"_s;
                                 return std::make_unique<RecordingSpeech>(m_log, m_onSpeechEnd);
                             },
                             where,
                             {},
                             [this] { m_log << u"audio opened"_s; },
                             qEnvironmentVariable("LUMENA_SOURCE_DIR") + u"/samples"_s});
        m_sim->start();
        m_logAtStart = m_log;
        QVERIFY(QTest::qWaitForWindowExposed(&board()));
        QTRY_VERIFY(m_log.contains(u"speech made"_s));
    }
    // Ends without the quit question (the settings stay as they were).
    void stop()
    {
        if (!m_sim)
            return;
        m_onSpeechEnd = {}; // it may point into a test that failed
        panel().setSessionEnding(true);
        m_sim.reset();
    }
    // The panel closed and the question answered "はい".
    void quitWithYes()
    {
        QTimer::singleShot(0, &panel(), [this] {
            test::answerMessageBox(QMessageBox::Yes);
            panel().close();
        });
        QCOMPARE(QApplication::exec(), 0);
    }
    bool quitAndRead(IniData& saved)
    {
        quitWithYes();
        stop();
        Error error;
        return decodeIni(test::readFile(settingsFile()), saved, error);
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_host.screens.clear();
        start(location());
    }
    void cleanup()
    {
        stop();
        QFile::remove(settingsFile());
        QFile::remove(viewFile());
    }

    void audioAndSpeechWaitForTheFirstPaint()
    {
        QVERIFY(m_logAtStart.isEmpty());
        QCOMPARE(m_log, (QStringList{u"audio opened"_s, u"speech made"_s}));
        QVERIFY(board().isVisible() && panel().isVisible());
    }

    // With no data folder the bundled route 12 is set; the greeting does not
    // step the board, every "次は" does. On a first start the bundled chimes
    // sound (the pre-chime on channel 2 forward, 1 back; the step chime on 1).
    void bundledSamplesAndTapeButtonsStepTheBoard()
    {
        setRoute12();
        QCOMPARE(fares(1), (QList<int>{170, 0})); // 青葉台駅前
        QVERIFY(m_host.messages.isEmpty());
        QVERIFY(control<QWidget>(u"grpM_Tape"_s)->isEnabled());
        const struct {
            const char16_t* button;
            QList<int> fares; // Degit(2) and Degit(3) afterwards
            int chimeChannel;
            const char16_t* spoken;
        } steps[] = {
            {u"cmdTapeNext", {0, 0}, 2, u"お待たせしました。市内循環線、松原車庫行きです。"},
            {u"cmdTapeNext", {170, 0}, 2, u"次は、青葉台三丁目です。"},
            {u"cmdTapeNext", {170, 170}, 2, u"次は、市民病院です。"},
            {u"cmdTapeBack", {170, 0}, 1, u"次は、青葉台三丁目です。"},
        };
        for (const auto& step : steps) {
            m_log.clear();
            click(QString::fromUtf16(step.button));
            QCOMPARE(fares(2), step.fares);
            QStringList expected{u"close %1"_s.arg(step.chimeChannel),
                                 u"open %1 pre-chime-2.wav"_s.arg(step.chimeChannel),
                                 u"speak "_s + QString::fromUtf16(step.spoken)};
            if (step.fares != QList<int>{0, 0})
                expected << u"close 1"_s << u"open 1 step-chime.wav"_s;
            QCOMPARE(m_log, expected);
        }
    }

    void boardCloseAsksThePanel_data()
    {
        QTest::addColumn<bool>("ctrlQ");
        QTest::newRow("closing the board") << false;
        QTest::newRow("Ctrl+Q on the board") << true;
    }
    void boardCloseAsksThePanel()
    {
        QFETCH(bool, ctrlQ);
        QString shown;
        test::answerMessageBox(QMessageBox::No, &shown);
        if (ctrlQ) {
            board().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&board()));
            QTest::keyClick(&board(), Qt::Key_Q, Qt::ControlModifier);
        } else {
            board().close();
        }
        QCOMPARE(shown, u"ルメナの終了確認|ルメナを終了しますか？"_s);
        QVERIFY(board().isVisible() && panel().isVisible());
        QVERIFY(!QFile::exists(settingsFile()));
        QVERIFY(!m_log.contains(u"speech ended"_s));
    }

    // Saved on a 1600 x 1000 screen at its right edge and corner (preview
    // open), read on a 1024 x 600 one: each window is moved just on screen.
    void windowsSavedOnALargerScreenComeBackOnScreen()
    {
        IniData saved;
        QVERIFY(quitAndRead(saved));
        saved.FormInfo = {qint32(pixelsToTwips(922)), qint32(pixelsToTwips(40))};
        saved.CtrlDataInfo.CtrlLeft = qint32(pixelsToTwips(1006));
        saved.CtrlDataInfo.CtrlTop = qint32(pixelsToTwips(827));
        saved.CtrlDataInfo.PreviewOpen = 1;
        QVERIFY(test::writeFile(settingsFile(), encodeIni(saved)));
        m_host.screens = {QRect(0, 0, 1024, 600), QRect(-1280, 0, 1280, 1024)};
        start(location());
        // The panel's frame ends at the screen's corner.
        const QPoint frame =
            panel().frameGeometry().bottomRight() - panel().geometry().bottomRight();
        const QPoint panelAt = QPoint(1024 - 594, 600 - 173) - frame;
        QCOMPARE((QList<QRect>{board().frameGeometry(), panel().geometry()}),
                 (QList<QRect>{QRect(346, 40, 678, 234), QRect(panelAt, QSize(594, 173))}));
    }

    // Installed with a read-only settings file beside it: a change goes to the
    // configuration folder, and the next start reads it from there.
    void changeSticksBesideAReadOnlyFile()
    {
        const QString bin = m_dir.filePath(u"bin"_s);
        QVERIFY(QDir().mkpath(bin));
        IniData shipped;
        QVERIFY(quitAndRead(shipped));
        QVERIFY(QFile::remove(settingsFile()));
        shipped.CtrlDataInfo.ScrollSpeed = 100;
        const QString besideProgram = bin + u"/lumena.in4"_s;
        QVERIFY(test::writeFile(besideProgram, encodeIni(shipped)));
        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(besideProgram, readOnly));
        QVERIFY(QFile::setPermissions(bin, readOnly | QFile::ExeOwner | QFile::ExeGroup |
                                               QFile::ExeOther));
        const IniLocation installed =
            IniLocation::forProgramIn(bin, u"lumena"_s, m_dir.filePath(u"config"_s));

        QList<int> speeds;
        for (int run = 0; run < 2; ++run) {
            start(installed);
            auto* speed = control<QScrollBar>(u"HScroll1(0)"_s);
            speeds << speed->value();
            speed->setValue(640);
            quitWithYes();
            stop();
        }
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(speeds, (QList<int>{100, 640}));
        QCOMPARE(test::readFile(besideProgram), encodeIni(shipped));
        QVERIFY(QFile::exists(m_dir.filePath(u"config/lumena.in4"_s)));
    }

    // Yes: the channels close, the speech ends, then the settings file is
    // written and both windows go. The display scale comes back at the next start.
    void quitOrderWritesTheSettingsFileLast()
    {
        setRoute12();
        control<QScrollBar>(u"HScroll1(0)"_s)->setValue(640);
        click(u"Check2"_s);
        OptionsDialog& options = m_sim->options();
        options.findChild<QRadioButton*>(u"optDispScale(1)"_s)->click();
        QCOMPARE(board().size(), QSize(678, 234));
        options.findChild<QAbstractButton*>(u"Command4"_s)->click();
        QCOMPARE(board().size(), QSize(1356, 468));
        bool writtenBeforeSpeechEnded = true;
        m_onSpeechEnd = [&] { writtenBeforeSpeechEnded = QFile::exists(settingsFile()); };
        m_log.clear();
        quitWithYes();
        QCOMPARE(m_log, (QStringList{u"close 0"_s, u"close 1"_s, u"close 2"_s, u"close 3"_s,
                                     u"speech ended"_s}));
        QVERIFY(!writtenBeforeSpeechEnded);
        QVERIFY(!board().isVisible());
        QVERIFY(!panel().isVisible());

        IniData back;
        Error error;
        QVERIFY2(decodeIni(test::readFile(settingsFile()), back, error),
                 qPrintable(error.description));
        QCOMPARE(back.CtrlDataInfo.ScrollSpeed, 640);
        QCOMPARE(back.CtrlDataInfo.MidnightFare, qint16(1));
        QCOMPARE(back.DataDirInfo.FareDataDir, QString()); // the samples are not the user's
        QVERIFY(m_host.messages.isEmpty());
        QCOMPARE(test::readFile(viewFile()), encodeViewSettings({2}));

        start(location());
        QCOMPARE(board().size(), QSize(1356, 468));
        QCOMPARE(m_sim->options().boardScale(), 2);
    }
};

LUMENA_TEST_MAIN(TestApp)
#include "tst_app.moc"
