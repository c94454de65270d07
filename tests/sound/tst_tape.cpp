// The announcement file reader and the tape module: loading, the buttons,
// the pre-announcement sound choice and the order of calls to the engine.

#include "reslib/ShiftJis.h"
#include "sound/Tape.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

struct Recorder {
    QStringList log;
};

class FakeFrame final : public TapeFrame {
public:
    QString caption;
    bool frameEnabled = false;
    bool buttonsEnabled = false;
    void setTapeCaption(const QString& c) override { caption = c; }
    void setTapeFrameEnabled(bool e) override { frameEnabled = e; }
    void setTapeButtonsEnabled(bool e) override { buttonsEnabled = e; }
    QObject* tapeDialogOwner() override { return nullptr; }
};

class FakeOptions final : public TapeOptions {
public:
    bool always = false;
    bool sync = false;
    bool preSoundAlways() const override { return always; }
    QString preSoundFile() const override { return QStringLiteral("always.wav"); }
    QString preSound(int n) const override { return QStringLiteral("pre%1.wav").arg(n); }
    bool preSoundSync() const override { return sync; }
};

class FakeSound final : public SoundPlayer {
public:
    explicit FakeSound(Recorder& r) : m_r(r) {}
    void PlaySnd(const QString& f, const QString& ch, bool sync, qint16 wait) override
    {
        m_r.log << QStringLiteral("play %1 %2 %3 %4").arg(f, ch).arg(sync).arg(wait);
    }
    void CloseAllSnd() override {}

private:
    Recorder& m_r;
};

class FakeEngine final : public SpeechEngine {
public:
    explicit FakeEngine(Recorder& r) : m_r(r) {}
    qint32 status = SpeechSpeaking;
    void Speak(const QString& t) override { m_r.log << QStringLiteral("speak ") + t; }
    void Stop() override { m_r.log << QStringLiteral("stop"); }
    qint32 Status() const override
    {
        m_r.log << QStringLiteral("status");
        return status;
    }
    void ShowSettingsDlg(QObject*, const QString& title) override
    {
        m_r.log << QStringLiteral("dialog ") + title;
    }
    void SetReadingsFile(const QString&) override {}

private:
    Recorder& m_r;
};

// The tape and everything it reaches, with the engine made by InitSpeech.
struct Rig {
    Recorder rec;
    FakeFrame frame;
    FakeOptions options;
    FakeSound sound{rec};
    test::FakeResLib res;
    FakeEngine* engine = nullptr;
    qint32 engineStatus = SpeechSpeaking;
    bool engineCreates = true;
    Tape tape{frame, options, sound, res, [this]() -> std::unique_ptr<SpeechEngine> {
                  if (!engineCreates)
                      return nullptr;
                  auto e = std::make_unique<FakeEngine>(rec);
                  e->status = engineStatus;
                  engine = e.get();
                  return e;
              }};
};

const QByteArray kThreeLines =
    sjis::fromUnicode(u"次は駅前です,0,1\r\n\"次は、市役所前,本町です\",1,2\r\n発車します,0,0\r\n");

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

} // namespace

class TestTape : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString folder() const { return m_dir.path() + u'/'; }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        for (const QString& f : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(f));
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("snd");
        QTest::newRow("plain") << QByteArray("abc,0,1") << true << "abc" << 0 << 1;
        QTest::newRow("quoted with commas")
            << sjis::fromUnicode(u"\"次は、市役所前,本町です\",1,2") << true
            << QStringLiteral("次は、市役所前,本町です") << 1 << 2;
        QTest::newRow("two commas only") << QByteArray(",,") << true << "" << 0 << 0;
        QTest::newRow("leading spaces skipped")
            << QByteArray("  abc, 3 , -1") << true << "abc" << 3 << -1;
        QTest::newRow("16-bit bounds")
            << QByteArray("a,-32768,32767") << true << "a" << -32768 << 32767;
        QTest::newRow("shift-jis text with 0x5C trail byte")
            << sjis::fromUnicode(u"表示,0,0") << true << QStringLiteral("表示") << 0 << 0;
        QTest::newRow("empty line") << QByteArray("") << false << "" << 0 << 0;
        QTest::newRow("missing flag") << QByteArray("abc,1") << false << "" << 0 << 0;
        QTest::newRow("text only") << QByteArray("abc") << false << "" << 0 << 0;
        QTest::newRow("non-numeric flag") << QByteArray("abc,x,1") << false << "" << 0 << 0;
        QTest::newRow("above 16 bits") << QByteArray("abc,32768,0") << false << "" << 0 << 0;
        QTest::newRow("below 16 bits") << QByteArray("abc,0,-32769") << false << "" << 0 << 0;
        QTest::newRow("unterminated quote") << QByteArray("\"abc,1,2") << false << "" << 0 << 0;
        QTest::newRow("extra field") << QByteArray("a,b,1,2") << false << "" << 0 << 0;
    }
    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, ok);
        TapeEntry e;
        QCOMPARE(parseTapeLine(line, e), ok);
        if (ok) {
            QTEST(e.TapeText, "text");
            QTEST(int(e.TapeStepFlag), "step");
            QTEST(int(e.TapeSndFlag), "snd");
        }
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("lines");
        QTest::newRow("CR LF with final break") << QByteArray("a\r\nb\r\n") << 2;
        QTest::newRow("no final break") << QByteArray("a\r\nb") << 2;
        QTest::newRow("LF only") << QByteArray("a\nb\n") << 2;
        QTest::newRow("empty middle line counts") << QByteArray("a\r\n\r\nb") << 3;
        QTest::newRow("empty file") << QByteArray() << 0;
    }
    void lineBreaks()
    {
        QFETCH(QByteArray, data);
        QTEST(int(tapeLines(data).size()), "lines");
    }

    void loadsThreeEntriesAndEnablesButtons()
    {
        Rig rig;
        rig.tape.InitSpeech();
        QCOMPARE(rig.frame.caption, QStringLiteral("音合使用可"));
        QVERIFY(rig.frame.frameEnabled);
        QVERIFY(!rig.frame.buttonsEnabled);
        writeFile(folder() + QStringLiteral("12Tp.csv"), kThreeLines); // name in another case
        rig.tape.LoadTapeData(folder(), QStringLiteral("0012"));
        QCOMPARE(rig.tape.TapeCount(), 3);
        QCOMPARE(rig.tape.TapePos(), 0);
        QCOMPARE(rig.tape.entry(2).TapeText, QStringLiteral("次は、市役所前,本町です"));
        QCOMPARE(rig.tape.entry(3), (TapeEntry{QStringLiteral("発車します"), 0, 0}));
        QVERIFY(rig.frame.frameEnabled && rig.frame.buttonsEnabled);
        QCOMPARE(rig.tape.GetTapeStepFlag(2), qint16(1));
        QCOMPARE(rig.tape.GetTapeSndFlag(0), qint16(0));
        QCOMPARE(rig.tape.GetTapeSndFlag(4), qint16(0));
    }

    void shorterFileAfterLongerLeavesItsRows()
    {
        Rig rig;
        rig.tape.InitSpeech();
        writeFile(folder() + QStringLiteral("1tp.csv"), kThreeLines);
        writeFile(folder() + QStringLiteral("2tp.csv"), QByteArray("one,0,0"));
        rig.tape.LoadTapeData(folder(), QStringLiteral("1"));
        rig.tape.LoadTapeData(folder(), QStringLiteral("1"));
        QCOMPARE(rig.tape.TapeCount(), 3);
        rig.tape.LoadTapeData(folder(), QStringLiteral("2"));
        QCOMPARE(rig.tape.TapeCount(), 1);
        QCOMPARE(rig.tape.entry(1).TapeText, QStringLiteral("one"));
        QCOMPARE(rig.tape.GetTapeStepFlag(2), qint16(0));
    }

    void badFileDisablesFrame_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pos");
        QTest::newRow("missing file") << QByteArray() << 0 << 0;
        QTest::newRow("malformed second line") << QByteArray("a,0,0\r\nb,x,0\r\nc,0,0") << 3 << 2;
        QTest::newRow("flag out of range") << QByteArray("a,70000,0") << 1 << 1;
    }
    void badFileDisablesFrame()
    {
        QFETCH(QByteArray, data);
        Rig rig;
        rig.tape.InitSpeech();
        writeFile(folder() + QStringLiteral("9tp.csv"), kThreeLines);
        rig.tape.LoadTapeData(folder(), QStringLiteral("9"));
        QVERIFY(rig.frame.buttonsEnabled);
        if (!data.isEmpty())
            writeFile(folder() + QStringLiteral("5tp.csv"), data);
        rig.tape.LoadTapeData(folder(), QStringLiteral("5"));
        QVERIFY(!rig.frame.frameEnabled);
        QVERIFY(!rig.frame.buttonsEnabled);
        QTEST(int(rig.tape.TapeCount()), "count");
        QTEST(int(rig.tape.TapePos()), "pos");
    }

    void noEngineShowsUnusable_data()
    {
        QTest::addColumn<QString>("os");
        QTest::addColumn<bool>("creates");
        QTest::newRow("engine fails") << "Debian GNU/Linux 12 (bookworm)" << false;
        QTest::newRow("Vista") << "Windows Vista" << true;
    }
    void noEngineShowsUnusable()
    {
        QFETCH(QString, os);
        QFETCH(bool, creates);
        Rig rig;
        rig.res.osName = os;
        rig.engineCreates = creates;
        rig.tape.InitSpeech();
        QVERIFY(!rig.tape.SpeechAvailable());
        QCOMPARE(rig.frame.caption, QStringLiteral("音合使用不可"));
        QVERIFY(!rig.frame.frameEnabled);
        QVERIFY(!rig.engine);
        writeFile(folder() + QStringLiteral("1tp.csv"), kThreeLines);
        rig.tape.LoadTapeData(folder(), QStringLiteral("1"));
        QVERIFY(!rig.frame.frameEnabled && !rig.frame.buttonsEnabled);
        QCOMPARE(rig.tape.TapeCount(), os == u"Windows Vista" ? 0 : 3);
        QVERIFY(!rig.tape.TapeNextClicked()); // and nothing crashes without an engine
    }

    // Presses are "N" (送り) and "B" (戻し); each press logs its sound and
    // speech calls, then "step" when the board is to step.
    void buttons_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("pos");
        const QString s1 = QStringLiteral("speak 次は駅前です");
        const QString s2 = QStringLiteral("speak 次は、市役所前,本町です");
        const QString s3 = QStringLiteral("speak 発車します");
        const QString st = QStringLiteral("stop"), ss = QStringLiteral("status");
        QTest::newRow("first next speaks entry 1 with PreSound1")
            << false << true << "N" << QStringList{u"play pre1.wav S3 1 0"_s, st, s1, ss} << 1;
        QTest::newRow("always sound before every entry")
            << true << false << "NN" << QStringList{u"play always.wav S3 0 0"_s,
                                                    st,
                                                    s1,
                                                    ss,
                                                    u"play always.wav S3 0 0"_s,
                                                    st,
                                                    s2,
                                                    ss,
                                                    u"step"_s}
            << 2;
        QTest::newRow("first back lands on 1 silently")
            << false << false << "B" << QStringList{} << 1;
        QTest::newRow("back then next speaks entry 2")
            << false << false << "BN"
            << QStringList{u"play pre2.wav S3 0 0"_s, st, s2, ss, u"step"_s} << 2;
        QTest::newRow("back uses flag sound on S2, never the always sound")
            << true << false << "NNB" << QStringList{u"play always.wav S3 0 0"_s,
                                                     st,
                                                     s1,
                                                     ss,
                                                     u"play always.wav S3 0 0"_s,
                                                     st,
                                                     s2,
                                                     ss,
                                                     u"step"_s,
                                                     u"play pre1.wav S2 0 0"_s,
                                                     st,
                                                     s1,
                                                     ss}
            << 1;
        QTest::newRow("next at the end is silent")
            << false << false << "NNNN" << QStringList{u"play pre1.wav S3 0 0"_s,
                                                       st,
                                                       s1,
                                                       ss,
                                                       u"play pre2.wav S3 0 0"_s,
                                                       st,
                                                       s2,
                                                       ss,
                                                       u"step"_s,
                                                       st,
                                                       s3,
                                                       ss}
            << 3;
        QTest::newRow("back on entry 2 steps back again")
            << false << false << "NNB" << QStringList{u"play pre1.wav S3 0 0"_s,
                                                      st,
                                                      s1,
                                                      ss,
                                                      u"play pre2.wav S3 0 0"_s,
                                                      st,
                                                      s2,
                                                      ss,
                                                      u"step"_s,
                                                      u"play pre1.wav S2 0 0"_s,
                                                      st,
                                                      s1,
                                                      ss}
            << 1;
    }
    void buttons()
    {
        QFETCH(bool, always);
        QFETCH(bool, sync);
        QFETCH(QString, presses);
        Rig rig;
        rig.options.always = always;
        rig.options.sync = sync;
        rig.tape.InitSpeech();
        writeFile(folder() + QStringLiteral("3tp.csv"), kThreeLines);
        rig.tape.LoadTapeData(folder(), QStringLiteral("3"));
        for (const QChar p : presses) {
            const bool step = p == u'N' ? rig.tape.TapeNextClicked() : rig.tape.TapeBackClicked();
            if (step)
                rig.rec.log << QStringLiteral("step");
        }
        QTEST(rig.rec.log, "expected");
        QTEST(int(rig.tape.TapePos()), "pos");
    }

    void endOfTapeStepsAgainByLastEntry()
    {
        Rig rig;
        rig.tape.InitSpeech();
        writeFile(folder() + QStringLiteral("4tp.csv"), QByteArray("a,1,0"));
        rig.tape.LoadTapeData(folder(), QStringLiteral("4"));
        QVERIFY(rig.tape.TapeNextClicked());
        rig.rec.log.clear();
        QVERIFY(rig.tape.TapeNextClicked());
        QVERIFY(rig.rec.log.isEmpty()); // no sound, no speech
        QVERIFY(rig.tape.TapeBackClicked());
        QVERIFY(rig.rec.log.isEmpty());
    }

    void failedReadingIsStoppedAgain()
    {
        Rig rig;
        rig.engineStatus = SpeechFailed;
        rig.tape.InitSpeech();
        writeFile(folder() + QStringLiteral("3tp.csv"), QByteArray(",,"));
        rig.tape.LoadTapeData(folder(), QStringLiteral("3"));
        rig.tape.TapeNext();
        QCOMPARE(rig.rec.log, (QStringList{u"stop"_s, u"speak "_s, u"status"_s, u"stop"_s}));
    }

    void stopAndVoiceDialogReachTheEngine()
    {
        Rig rig;
        rig.tape.InitSpeech();
        rig.tape.TapeStop();
        rig.tape.ShowVoiceDlg();
        QCOMPARE(rig.rec.log, (QStringList{u"stop"_s, u"dialog 音声の調節"_s}));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTape)
#include "tst_tape.moc"
