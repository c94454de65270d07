// The announcement file and the tape: parsing, loading, and the buttons.

#include "reslib/ShiftJis.h"
#include "sound/KanaReader.h"
#include "sound/Tape.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

// Logs "stop", "「text」" for Speak, "status", "dialog <title>".
class FakeEngine final : public SpeechEngine {
public:
    FakeEngine(QStringList& log, qint32 status, QString& readings)
        : m_log(log), m_status(status), m_readings(readings)
    {
    }
    void Speak(const QString& text) override { m_log << u"「"_s + text + u"」"_s; }
    void Stop() override { m_log << u"stop"_s; }
    qint32 Status() const override
    {
        m_log << u"status"_s;
        return m_status;
    }
    void ShowSettingsDlg(QObject*, const QString& title) override { m_log << u"dialog "_s + title; }
    void SetReadingsFile(const QString& path) override { m_readings = path; }

private:
    QStringList& m_log;
    qint32 m_status;
    QString& m_readings;
};

// The tape with its frame, options and sounds; a sound logs as "S3 pre1.wav[ sync]".
struct Rig final : TapeFrame, TapeOptions, SoundPlayer {
    QStringList log;
    QString caption;
    bool frameEnabled = false, buttonsEnabled = false;
    bool always = false, sync = false;
    bool engineCreates = true;
    qint32 engineStatus = SpeechSpeaking;
    QString readings = u"(none)"_s; // the readings file the engine was given last
    QTemporaryDir dir;
    test::FakeResLib res;
    test::FakeHost host;
    Tape tape{*this, *this, *this, res, host, [this]() -> std::unique_ptr<SpeechEngine> {
                  if (!engineCreates)
                      return nullptr;
                  return std::make_unique<FakeEngine>(log, engineStatus, readings);
              }};

    void setTapeCaption(const QString& text) override { caption = text; }
    void setTapeFrameEnabled(bool enabled) override { frameEnabled = enabled; }
    void setTapeButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    QObject* tapeDialogOwner() override { return nullptr; }
    bool preSoundAlways() const override { return always; }
    QString preSoundFile() const override { return u"always.wav"_s; }
    QString preSound(int n) const override { return u"pre%1.wav"_s.arg(n); }
    bool preSoundSync() const override { return sync; }
    void PlaySnd(const QString& file, const QString& channel, bool sync, qint16 waitMs) override
    {
        QVERIFY(waitMs == 0);
        log << channel + u' ' + file + (sync ? u" sync"_s : QString());
    }
    void CloseAllSnd() override {}

    void load(const QString& route, const QByteArray& data, const QString& fileName = {})
    {
        if (!data.isNull())
            QVERIFY(test::writeFile(
                dir.filePath(fileName.isEmpty() ? route + u"tp.csv"_s : fileName), data));
        tape.LoadTapeData(dir.path() + u'/', route);
    }
};

const QByteArray kThreeLines =
    sjis::fromUnicode(u"次は駅前です,0,1\r\n\"次は、市役所前,本町です\",1,2\r\n発車します,0,0\r\n");

} // namespace

class TestTape : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("entry"); // "text|step|sound"; empty when refused
        QTest::newRow("plain") << "abc,0,1"_ba << u"abc|0|1"_s;
        QTest::newRow("two commas only") << ",,"_ba << u"|0|0"_s;
        QTest::newRow("leading spaces skipped") << "  abc, 3 , -1"_ba << u"abc|3|-1"_s;
        QTest::newRow("16-bit bounds") << "a,-32768,+32767"_ba << u"a|-32768|32767"_s;
        QTest::newRow("trail byte 0x5C") << sjis::fromUnicode(u"表示,0,0") << u"表示|0|0"_s;
        QTest::newRow("empty line") << ""_ba << QString();
        QTest::newRow("missing flag") << "abc,1"_ba << QString();
        QTest::newRow("non-numeric flag") << "abc,x,1"_ba << QString();
        QTest::newRow("above 16 bits") << "abc,32768,0"_ba << QString();
        QTest::newRow("unterminated quote") << "\"abc,1,2"_ba << QString();
        QTest::newRow("extra field") << "a,b,1,2"_ba << QString();
        QTest::newRow("plus then minus") << "abc,+-5,0"_ba << QString();
    }
    void parseLine()
    {
        QFETCH(QByteArray, line);
        const std::optional<TapeEntry> e = parseTapeLine(line);
        QTEST(e ? u"%1|%2|%3"_s.arg(e->TapeText).arg(e->TapeStepFlag).arg(e->TapeSndFlag)
                : QString(),
              "entry");
    }

    void loadsTheRoutesFile()
    {
        Rig rig;
        rig.tape.InitSpeech();
        QCOMPARE(rig.caption, u"音合使用可"_s);
        QVERIFY(rig.frameEnabled && !rig.buttonsEnabled);
        // The number's value names the file, in any case; CR LF, a final break.
        // The readings file beside it goes to the engine by name.
        rig.load(u"0012"_s, kThreeLines, u"12Tp.csv"_s);
        rig.load(u"12"_s, QByteArray());
        QCOMPARE(rig.readings, rig.dir.filePath(QLatin1StringView(Tape::kReadingsFile)));
        QCOMPARE(rig.tape.TapeCount(), 3);
        QCOMPARE(rig.tape.TapePos(), 0);
        QCOMPARE(rig.tape.entry(2), (TapeEntry{u"次は、市役所前,本町です"_s, 1, 2}));
        QCOMPARE(rig.tape.entry(3), (TapeEntry{u"発車します"_s, 0, 0}));
        QVERIFY(rig.frameEnabled && rig.buttonsEnabled);
        QCOMPARE(rig.tape.GetTapeSndFlag(0), qint16(0));
        QCOMPARE(rig.tape.GetTapeSndFlag(4), qint16(0));
        // A shorter file after a longer one leaves only its own rows.
        rig.load(u"2"_s, "one,0,0"_ba); // no final break
        QCOMPARE(rig.tape.TapeCount(), 1);
        QCOMPARE(rig.tape.entry(1).TapeText, u"one"_s);
        QCOMPARE(rig.tape.GetTapeStepFlag(2), qint16(0));
    }

    // A bad file disables the frame and buttons, the count and position as far
    // as the load got; without speech they stay disabled.
    void frameDisabled_data()
    {
        QTest::addColumn<QString>("os");
        QTest::addColumn<bool>("engine");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pos");
        const QString debian = u"Debian GNU/Linux 12 (bookworm)"_s;
        QTest::newRow("missing file") << debian << true << QByteArray() << 0 << 0;
        QTest::newRow("malformed second line")
            << debian << true << "a,0,0\r\nb,x,0\r\nc,0,0"_ba << 3 << 2;
        QTest::newRow("no engine") << debian << false << kThreeLines << 3 << 0;
        QTest::newRow("Vista loads no file") << u"Windows Vista"_s << true << kThreeLines << 0 << 0;
    }
    void frameDisabled()
    {
        QFETCH(QString, os);
        QFETCH(bool, engine);
        QFETCH(QByteArray, data);
        Rig rig;
        rig.res.osName = os;
        rig.engineCreates = engine;
        rig.tape.InitSpeech();
        QCOMPARE(rig.tape.SpeechAvailable(), rig.frameEnabled);
        if (rig.tape.SpeechAvailable()) {
            rig.load(u"9"_s, kThreeLines);
            QVERIFY(rig.buttonsEnabled);
        } else {
            QCOMPARE(rig.caption, u"音合使用不可"_s);
        }
        rig.load(u"5"_s, data);
        QVERIFY(!rig.frameEnabled && !rig.buttonsEnabled);
        QTEST(int(rig.tape.TapeCount()), "count");
        QTEST(int(rig.tape.TapePos()), "pos");
        rig.tape.TapeNext(); // without an engine: no reading, no crash
        QVERIFY(rig.tape.SpeechAvailable() || !rig.log.join(u'|').contains(u'「'));
    }

    // A file over a limit is refused with a message, before it is read; 60 MB
    // once froze the window and took 400 MB.
    void fileOverALimitIsRefusedWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("message"); // part of it; empty: none
        QTest::addColumn<int>("count");
        const QByteArray line = "a,0,0\r\n";
        QTest::newRow("one byte over the size limit")
            << QByteArray(tape_limits::MaxFileBytes - 5, 'a') + ",0,0\r\n"
            << u"大きすぎます。上限は4,194,304バイトです。"_s << 0;
        QTest::newRow("at the line limit")
            << line.repeated(tape_limits::MaxLines) << QString() << int(tape_limits::MaxLines);
        QTest::newRow("one line over the line limit")
            << line.repeated(tape_limits::MaxLines + 1) << u"行数が上限の32,767行を超えています"_s
            << 0;
    }
    void fileOverALimitIsRefusedWithAMessage()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, message);
        Rig rig;
        rig.tape.InitSpeech();
        rig.load(u"7"_s, data);
        QCOMPARE(rig.host.messages.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(rig.host.messages[0].contains(message) &&
                         rig.host.messages[0].contains(u"7tp.csv"_s),
                     qPrintable(rig.host.messages[0]));
        QCOMPARE(rig.buttonsEnabled, message.isEmpty());
        QTEST(int(rig.tape.TapeCount()), "count");
    }

    // A readings file over its limit is not handed to the engine, and said so.
    void readingsFileOverItsLimitIsNotUsed()
    {
        Rig rig;
        QFile f(rig.dir.filePath(QLatin1StringView(Tape::kReadingsFile)));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(readings_limits::MaxFileBytes + 1));
        rig.tape.InitSpeech();
        rig.load(u"3"_s, kThreeLines);
        QCOMPARE(rig.readings, QString());
        QCOMPARE(rig.host.messages.size(), 1);
        QVERIFY(rig.buttonsEnabled);
    }

    // Presses: "N" is 送り (TapeNext), "B" is 戻し (TapeBack); "step" is
    // logged when the board is to step after a press.
    void buttons_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("always");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("pos");
        const QString e1 = u"「次は駅前です」"_s, e2 = u"「次は、市役所前,本町です」"_s;
        QTest::newRow("always sound before every entry")
            << kThreeLines << true << false << "NN"
            << u"S3 always.wav|%1|S3 always.wav|%2|step"_s.arg(e1, e2) << 2;
        QTest::newRow("first back lands on 1 silently, then next reads entry 2")
            << kThreeLines << false << false << "BN" << u"S3 pre2.wav|%1|step"_s.arg(e2) << 2;
        QTest::newRow("back: flag sound on S2, never the always sound")
            << kThreeLines << true << true << "NNB"
            << u"S3 always.wav sync|%1|S3 always.wav sync|%2|step|S2 pre1.wav sync|%1"_s.arg(e1, e2)
            << 1;
        QTest::newRow("next at the end is silent")
            << kThreeLines << false << false << "NNNN"
            << u"S3 pre1.wav|%1|S3 pre2.wav|%2|step|「発車します」"_s.arg(e1, e2) << 3;
        QTest::newRow("the end steps the board again by its entry")
            << "a,1,0"_ba << false << false << "NNB" << u"「a」|step|step|step"_s << 1;
    }
    void buttons()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, presses);
        Rig rig;
        QFETCH(bool, always);
        QFETCH(bool, sync);
        rig.always = always;
        rig.sync = sync;
        rig.tape.InitSpeech();
        rig.load(u"3"_s, file);
        for (const QChar press : presses) {
            press == u'N' ? rig.tape.TapeNext() : rig.tape.TapeBack();
            if (rig.tape.EntryStepsBoard())
                rig.log << u"step"_s;
        }
        rig.log.removeIf([](const QString& s) { return s == u"stop" || s == u"status"; });
        QTEST(rig.log.join(u'|'), "log");
        QTEST(int(rig.tape.TapePos()), "pos");
    }

    // Stop, speak, status, and stop again on -1; stop and the dialog reach it.
    void engineCalls()
    {
        Rig rig;
        rig.engineStatus = SpeechFailed;
        rig.tape.InitSpeech();
        rig.load(u"3"_s, ",,"_ba);
        rig.tape.TapeNext();
        rig.tape.TapeStop();
        rig.tape.ShowVoiceDlg();
        QCOMPARE(rig.log.join(u'|'), u"stop|「」|status|stop|stop|dialog 音声の調節"_s);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTape)
#include "tst_tape.moc"
