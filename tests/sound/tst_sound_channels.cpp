// The channel rules of PlaySnd/CloseAllSnd against a recording mixer whose
// sounds last a set time on the FakeHost's virtual clock.

#include "sound/SoundChannels.h"
#include "tests/common/FakeHost.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

using namespace lumena;

namespace {

class FakeMixer final : public MixerBackend {
public:
    explicit FakeMixer(test::FakeHost& host) : m_host(host) {}
    QStringList log;
    QStringList refused; // file names (without folder) the mixer refuses
    std::chrono::milliseconds length{120};
    std::array<std::chrono::nanoseconds, 4> startedAt{};
    std::array<bool, 4> started{};

    bool open(int ch, const QString& path, SoundKind kind) override
    {
        static const char* kinds[] = {"WAV", "MP3", "MID"};
        log << QStringLiteral("open %1 %2").arg(ch).arg(QLatin1StringView(kinds[int(kind)]));
        return !refused.contains(path.section(u'/', -1));
    }
    void close(int ch) override
    {
        log << QStringLiteral("close %1").arg(ch);
        started[ch] = false;
    }
    void play(int ch) override
    {
        log << QStringLiteral("play %1").arg(ch);
        started[ch] = true;
        startedAt[ch] = m_host.elapsed();
    }
    void stop(int ch) override
    {
        log << QStringLiteral("stop %1").arg(ch);
        started[ch] = false;
    }
    bool isPlaying(int ch) const override
    {
        return started[ch] && m_host.elapsed() - startedAt[ch] < length;
    }

private:
    test::FakeHost& m_host;
};

} // namespace

class TestSoundChannels : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write("x");
        return path;
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void commandsSent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("create");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("expected");
        const QString async = QStringLiteral("close 1,open 1 %1,stop 1,play 1");
        QTest::newRow("empty name sends nothing") << "" << false << "S2"
                                                  << "";
        QTest::newRow("missing file sends nothing") << "gone.wav" << false << "S2"
                                                    << "";
        QTest::newRow("lower wav") << "a.wav" << true << "S2" << async.arg(u"WAV");
        QTest::newRow("mixed case Wav") << "b.Wav" << true << "S2" << async.arg(u"WAV");
        QTest::newRow("mp3") << "c.mp3" << true << "S2" << async.arg(u"MP3");
        QTest::newRow("MID without dot") << "chimeMID" << true << "S2" << async.arg(u"MID");
        QTest::newRow("path with spaces") << "my bell.wav" << true << "S2" << async.arg(u"WAV");
        QTest::newRow("midi closes only") << "d.midi" << true << "S2"
                                          << "close 1";
        QTest::newRow("wave closes only") << "e.wave" << true << "S2"
                                          << "close 1";
        QTest::newRow("text closes only") << "f.txt" << true << "S2"
                                          << "close 1";
        QTest::newRow("refused stays closed") << "broken.wav" << true << "S2"
                                              << "close 1,open 1 WAV";
        QTest::newRow("channel S4") << "a.wav" << true << "S4"
                                    << "close 3,open 3 WAV,stop 3,play 3";
        QTest::newRow("unknown channel") << "a.wav" << true << "S5"
                                         << "";
    }
    void commandsSent()
    {
        QFETCH(QString, name);
        QFETCH(bool, create);
        QFETCH(QString, channel);
        QFETCH(QString, expected);
        test::FakeHost host;
        FakeMixer mixer(host);
        mixer.refused << QStringLiteral("broken.wav");
        SoundChannels sound(mixer, host);
        const QString path = name.isEmpty() ? name : (create ? file(name) : m_dir.filePath(name));
        sound.PlaySnd(path, channel, false, 0);
        QCOMPARE(mixer.log.join(u','), expected);
        QVERIFY(host.waits.empty());
    }

    void syncReturnsWhenSoundEnded_data()
    {
        QTest::addColumn<int>("lengthMs");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("no extra wait") << 120 << 0;
        QTest::newRow("extra wait") << 120 << 300;
        QTest::newRow("short sound") << 3 << 0;
    }
    void syncReturnsWhenSoundEnded()
    {
        QFETCH(int, lengthMs);
        QFETCH(int, waitMs);
        test::FakeHost host;
        FakeMixer mixer(host);
        mixer.length = std::chrono::milliseconds(lengthMs);
        SoundChannels sound(mixer, host);
        sound.PlaySnd(file(QStringLiteral("a.wav")), QStringLiteral("S2"), true, qint16(waitMs));
        QCOMPARE(mixer.log.join(u','), QStringLiteral("close 1,open 1 WAV,play 1"));
        QVERIFY(!mixer.isPlaying(1));
        // Waited in small slices through the host (painting goes on), not
        // longer than one slice past the end of the sound.
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(host.elapsed());
        QVERIFY(waited.count() >= lengthMs + waitMs);
        QVERIFY(waited.count() < lengthMs + waitMs + SoundChannels::kSyncSliceMs);
        for (size_t i = 0; i + (waitMs > 0 ? 1 : 0) < host.waits.size(); ++i)
            QCOMPARE(host.waits[i], SoundChannels::kSyncSliceMs);
    }

    void asyncTwiceRestartsFromBeginning()
    {
        test::FakeHost host;
        FakeMixer mixer(host);
        SoundChannels sound(mixer, host);
        const QString a = file(QStringLiteral("a.wav"));
        sound.PlaySnd(a, QStringLiteral("S3"), false, 0);
        host.advance(std::chrono::milliseconds(100));
        sound.PlaySnd(a, QStringLiteral("S3"), false, 0);
        QCOMPARE(mixer.startedAt[2], host.elapsed());
        host.advance(std::chrono::milliseconds(100));
        QVERIFY(mixer.isPlaying(2)); // 100 ms into the restarted 120 ms sound
        QVERIFY(host.waits.empty());
    }

    void closeAllClosesFourChannelsInOrder()
    {
        test::FakeHost host;
        FakeMixer mixer(host);
        SoundChannels sound(mixer, host);
        sound.CloseAllSnd();
        QCOMPARE(mixer.log.join(u','), QStringLiteral("close 0,close 1,close 2,close 3"));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSoundChannels)
#include "tst_sound_channels.moc"
