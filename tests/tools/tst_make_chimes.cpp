// The bundled sounds: a fresh run of make-chimes writes exactly the committed
// files of samples/sounds, and the mixer loads each one (the MIDI file through
// FluidSynth) and plays it for as long as it was made.

#include "sound/SdlMixer.h"
#include "tests/common/TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestMakeChimes : public QObject {
    Q_OBJECT
    QTemporaryDir m_fresh;
    std::unique_ptr<SdlMixer> m_mixer;

private slots:
    void initTestCase()
    {
        QProcess p;
        p.start(QStringLiteral(MAKE_CHIMES_EXE), {m_fresh.path()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        m_mixer = std::make_unique<SdlMixer>();
        QVERIFY(m_mixer->openDevice());
    }
    void init() { test::failOnUnexpectedWarnings(); }
    void cleanup() { m_mixer->close(0); }

    void bundledSound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("ms"); // as made; MIDI: the held notes, before the release
        QTest::newRow("route set") << u"route-set.wav"_s << int(SoundKind::Wav) << 200;
        QTest::newRow("step ピンポン") << u"step-chime.wav"_s << int(SoundKind::Wav) << 1300;
        QTest::newRow("pre-announcement 1") << u"pre-chime-1.wav"_s << int(SoundKind::Wav) << 1700;
        QTest::newRow("pre-announcement 2") << u"pre-chime-2.wav"_s << int(SoundKind::Wav) << 1500;
        QTest::newRow("pre-announcement 3") << u"pre-chime-3.wav"_s << int(SoundKind::Wav) << 2300;
        QTest::newRow("pre-announcement 3, MIDI")
            << u"pre-chime-3.mid"_s << int(SoundKind::Midi) << 2040;
    }
    void bundledSound()
    {
        QFETCH(QString, file);
        QFETCH(int, kind);
        QFETCH(int, ms);
        const QString committed = test::sourceDir() + u"/samples/sounds/"_s + file;
        const QByteArray bytes = contents(committed);
        QVERIFY2(!bytes.isEmpty(), qPrintable(committed));
        QVERIFY2(bytes == contents(m_fresh.filePath(file)),
                 "samples/sounds differs from make-chimes' output: rerun it and commit");

        QVERIFY(m_mixer->open(0, committed, SoundKind(kind)));
        const int played = m_mixer->lengthMs(0);
        const int slack = kind == int(SoundKind::Midi) ? 1500 : 15;
        QVERIFY2(played >= ms - 15 && played <= ms + slack, qPrintable(QString::number(played)));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestMakeChimes)
#include "tst_make_chimes.moc"
