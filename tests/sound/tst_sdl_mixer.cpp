// The SDL2_mixer backend on SDL's dummy driver.

#include "sound/SdlMixer.h"
#include "tests/common/TestSupport.h"

#include <QDataStream>
#include <QTemporaryDir>

#include <cmath>

using namespace lumena;

namespace {

// A mono 16-bit PCM WAV file of a tone.
QByteArray makeWav(int ms, int rate = 22050)
{
    const quint32 frames = quint32(rate * ms / 1000);
    QByteArray w;
    QDataStream out(&w, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * frames);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * 660.0 * i / rate));
    return w;
}

QString data(const char* name)
{
    return test::sourceDir() + QStringLiteral("/tests/sound/data/") + QLatin1StringView(name);
}

} // namespace

class TestSdlMixer : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<SdlMixer> m_mixer;

    QString write(const QString& name, const QByteArray& bytes)
    {
        test::writeFile(m_dir.filePath(name), bytes);
        return m_dir.filePath(name);
    }

private slots:
    void initTestCase()
    {
        // No such device: the mixer falls back to the dummy driver. Stopping
        // and asking about playback leave the device closed.
        qputenv("SDL_AUDIODRIVER", "nosuchdevice");
        m_mixer = std::make_unique<SdlMixer>();
        m_mixer->stop(0);
        m_mixer->stopSpeech();
        QVERIFY(!m_mixer->isPlaying(0) && !m_mixer->speechPlaying());
        QVERIFY(!m_mixer->isOpen());
    }
    void init() { test::failOnUnexpectedWarnings(); }
    void cleanup()
    {
        for (int ch = 0; ch < 4; ++ch)
            m_mixer->close(ch);
    }

    // Every kind loads at about its length; a broken file is refused quietly.
    void loadsEveryKind_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("minMs");
        QTest::addColumn<int>("maxMs"); // 0: refused
        QTest::newRow("wav") << write(QStringLiteral("tone.wav"), makeWav(200))
                             << int(SoundKind::Wav) << 190 << 210;
        QTest::newRow("mp3") << data("tone.mp3") << int(SoundKind::Mp3) << 150 << 400;
        // One 0.5 s note, its silent tail of seconds trimmed.
        QTest::newRow("midi trimmed") << data("chime.mid") << int(SoundKind::Midi) << 300 << 1600;
        QTest::newRow("text as mp3") << write(QStringLiteral("text.mp3"), "not a sound at all\n")
                                     << int(SoundKind::Mp3) << 0 << 0;
        QTest::newRow("truncated wav") << write(QStringLiteral("cut.wav"), makeWav(100).left(30))
                                       << int(SoundKind::Wav) << 0 << 0;
        QTest::newRow("truncated midi")
            << write(QStringLiteral("cut.mid"), QByteArray("MThd\0\0\0\6", 8))
            << int(SoundKind::Midi) << 0 << 0;
    }
    void loadsEveryKind()
    {
        QFETCH(QString, path);
        QFETCH(int, kind);
        QFETCH(int, minMs);
        QFETCH(int, maxMs);
        QCOMPARE(m_mixer->open(0, path, SoundKind(kind)), maxMs > 0);
        QCOMPARE(m_mixer->driverName(), QStringLiteral("dummy"));
        m_mixer->play(0);
        QCOMPARE(m_mixer->isPlaying(0), maxMs > 0);
        const int ms = m_mixer->lengthMs(0);
        QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
    }

    void cacheKeyedByPathAndModification()
    {
        const QString path = write(QStringLiteral("cached.wav"), makeWav(50));
        QVERIFY(m_mixer->open(2, path, SoundKind::Wav));
        const int count = m_mixer->cachedCount();
        QVERIFY(m_mixer->open(2, path, SoundKind::Wav));
        QCOMPARE(m_mixer->cachedCount(), count);
        m_mixer->close(2);
        write(QStringLiteral("cached.wav"), makeWav(150)); // a changed file is decoded again
        QVERIFY(m_mixer->open(2, path, SoundKind::Wav));
        QVERIFY(m_mixer->lengthMs(2) >= 140);
    }

    // A reading plays on a voice of its own, beside the channels, and to its
    // last sample; stopped, it leaves the channels playing.
    void speechHasItsOwnVoice()
    {
        QVERIFY(m_mixer->open(0, write(QStringLiteral("s1.wav"), makeWav(2000)), SoundKind::Wav));
        m_mixer->play(0);
        QVERIFY(m_mixer->beginSpeech(22050));
        QVERIFY(m_mixer->speechPlaying()); // playing (silence) before any sample arrives
        const std::vector<std::int16_t> samples(2205, 500);
        m_mixer->appendSpeech(samples.data(), 1000);
        m_mixer->appendSpeech(samples.data() + 1000, samples.size() - 1000);
        m_mixer->endSpeech();
        while (m_mixer->speechPlaying()) // ends with the mixer, 0.1 s later
            QCoreApplication::processEvents();
        QCOMPARE(m_mixer->speechSamplesMixed(), samples.size());
        QVERIFY(m_mixer->beginSpeech(22050));
        m_mixer->stopSpeech();
        QVERIFY(!m_mixer->speechPlaying());
        QVERIFY(m_mixer->isPlaying(0));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSdlMixer)
#include "tst_sdl_mixer.moc"
