// PlaySnd and CloseAllSnd against a recording mixer on the virtual clock.

#include "sound/SoundChannels.h"
#include "tests/common/FakeHost.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;
using std::chrono::milliseconds;

namespace {

// Refuses "broken.wav"; a sound plays for `length` from its play().
class FakeMixer final : public MixerBackend {
public:
    explicit FakeMixer(test::FakeHost& host) : m_host(host) {}
    QStringList log;
    milliseconds length{120};
    std::array<std::optional<std::chrono::nanoseconds>, 4> startedAt;

    bool open(int ch, const QString& path, SoundKind kind) override
    {
        log << u"open %1 %2"_s.arg(ch).arg(QStringList{u"WAV"_s, u"MP3"_s, u"MID"_s}[int(kind)]);
        return !path.endsWith(u"broken.wav");
    }
    void close(int ch) override { act(u"close"_s, ch, std::nullopt); }
    void play(int ch) override { act(u"play"_s, ch, m_host.elapsed()); }
    void stop(int ch) override { act(u"stop"_s, ch, std::nullopt); }
    bool isPlaying(int ch) const override
    {
        return startedAt[ch] && m_host.elapsed() - *startedAt[ch] < length;
    }

private:
    void act(const QString& what, int ch, std::optional<std::chrono::nanoseconds> start)
    {
        log << u"%1 %2"_s.arg(what).arg(ch);
        startedAt[ch] = start;
    }
    test::FakeHost& m_host;
};

struct Rig {
    test::FakeHost host;
    FakeMixer mixer{host};
    SoundChannels sound{mixer, host};
};

} // namespace

class TestSoundChannels : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name)
    {
        QFile f(m_dir.filePath(name));
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write("x");
        return f.fileName();
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void commandsSent_data()
    {
        QTest::addColumn<QString>("name"); // "-name": no such file; "+name": over the limit
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("log");
        const QString async = u"close 1,open 1 %1,stop 1,play 1"_s;
        QTest::newRow("missing file sends nothing") << u"-gone.wav"_s << u"S2"_s << QString();
        QTest::newRow("over the size limit sends nothing") << u"+big.wav"_s << u"S2"_s << QString();
        QTest::newRow("mixed case Wav") << u"b.Wav"_s << u"S2"_s << async.arg(u"WAV");
        QTest::newRow("mp3") << u"c.mp3"_s << u"S2"_s << async.arg(u"MP3");
        QTest::newRow("MID without dot") << u"chimeMID"_s << u"S2"_s << async.arg(u"MID");
        QTest::newRow("midi closes only") << u"d.midi"_s << u"S2"_s << u"close 1"_s;
        QTest::newRow("refused stays closed")
            << u"broken.wav"_s << u"S2"_s << u"close 1,open 1 WAV"_s;
        QTest::newRow("channel S4")
            << u"a.wav"_s << u"S4"_s << u"close 3,open 3 WAV,stop 3,play 3"_s;
        QTest::newRow("unknown channel") << u"a.wav"_s << u"S5"_s << QString();
    }
    void commandsSent()
    {
        QFETCH(QString, name);
        QFETCH(QString, channel);
        Rig rig;
        const QString path = u"-+"_s.contains(name[0]) ? m_dir.filePath(name.mid(1)) : file(name);
        if (name.startsWith(u'+')) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(sound_limits::MaxFileBytes + 1));
        }
        rig.sound.PlaySnd(path, channel, false, 0);
        QTEST(rig.mixer.log.join(u','), "log");
        QVERIFY(rig.host.waits.empty());
    }

    void syncReturnsWhenTheSoundHasEnded_data()
    {
        QTest::addColumn<int>("lengthMs");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("extra wait") << 120 << 300;
        QTest::newRow("sound shorter than a slice") << 3 << 0;
    }
    void syncReturnsWhenTheSoundHasEnded()
    {
        QFETCH(int, lengthMs);
        QFETCH(int, waitMs);
        Rig rig;
        rig.mixer.length = milliseconds(lengthMs);
        rig.sound.PlaySnd(file(u"a.wav"_s), u"S2"_s, true, qint16(waitMs));
        QCOMPARE(rig.mixer.log.join(u','), u"close 1,open 1 WAV,play 1"_s);
        // Waited through the host to within a slice of the end, then the extra.
        const auto waited = std::chrono::duration_cast<milliseconds>(rig.host.elapsed()).count();
        QVERIFY(waited >= lengthMs + waitMs);
        QVERIFY(waited < lengthMs + waitMs + SoundChannels::kSyncSliceMs);
    }

    void closeAllClosesTheFourChannelsInOrder()
    {
        Rig rig;
        rig.sound.CloseAllSnd();
        QCOMPARE(rig.mixer.log.join(u','), u"close 0,close 1,close 2,close 3"_s);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSoundChannels)
#include "tst_sound_channels.moc"
