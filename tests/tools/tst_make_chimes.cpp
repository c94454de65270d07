// A fresh run of make-chimes writes exactly samples/sounds, and the mixer plays
// each file (MIDI through FluidSynth) for as long as it was made.

#include "sound/SdlMixer.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

class TestMakeChimes : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void committedSoundsAreAFreshRun()
    {
        QTemporaryDir fresh;
        QProcess p;
        p.start(QStringLiteral(MAKE_CHIMES_EXE), {fresh.path()});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        // Each file's length as made; MIDI: the held notes, before the release.
        const QMap<QString, int> made{{u"pre-chime-1.wav"_s, 1700}, {u"pre-chime-2.wav"_s, 1500},
                                      {u"pre-chime-3.mid"_s, 2040}, {u"pre-chime-3.wav"_s, 2300},
                                      {u"route-set.wav"_s, 200},    {u"step-chime.wav"_s, 1300}};
        const QDir committed(test::sourceDir() + u"/samples/sounds"_s);
        QCOMPARE(QDir(fresh.path()).entryList(QDir::Files), made.keys());
        QCOMPARE(committed.entryList(QDir::Files), made.keys());
        SdlMixer mixer;
        QVERIFY(mixer.openDevice());
        for (auto it = made.begin(); it != made.end(); ++it) {
            const QString path = committed.filePath(it.key());
            QVERIFY2(test::readFile(fresh.filePath(it.key())) == test::readFile(path),
                     "samples/sounds differs from make-chimes' output: rerun it and commit");
            const bool midi = it.key().endsWith(u".mid"_s);
            QVERIFY(mixer.open(0, path, midi ? SoundKind::Midi : SoundKind::Wav));
            const int played = mixer.lengthMs(0);
            QVERIFY2(played >= it.value() - 15 && played <= it.value() + (midi ? 1500 : 15),
                     qPrintable(u"%1: %2 ms"_s.arg(it.key()).arg(played)));
            mixer.close(0);
        }
    }
};

LUMENA_TEST_GUILESS_MAIN(TestMakeChimes)
#include "tst_make_chimes.moc"
