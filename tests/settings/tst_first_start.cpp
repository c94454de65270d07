// The first start's sounds: only while no settings file exists does the
// dialog get the bundled chimes, every other option passes through as the
// dialog holds it, and every chime it names is one the program ships.

#include "settings/FirstStart.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// The options dialog as a record it hands out and the record it was given.
class FakeOptions final : public OptionIniPort {
public:
    IniData held = test::numberedIni();
    std::optional<IniData> applied;
    void GetOptionInfo(IniData& out) const override { out = held; }
    void SetOptionInfo(const IniData& in) override { applied = in; }
    void SetProp() override {}
};

} // namespace

class TestFirstStart : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void onlyWithoutASettingsFile_data()
    {
        QTest::addColumn<QString>("settingsFile"); // "" none, "exe" or "config"
        QTest::addColumn<bool>("soundsFolder");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("no settings file: the bundled chimes") << u""_s << true << true;
        QTest::newRow("a file beside the program keeps the user's choice")
            << u"exe"_s << true << false;
        QTest::newRow("an installed program's file in the configuration folder keeps it")
            << u"config"_s << true << false;
        QTest::newRow("no bundled sounds: nothing chosen") << u""_s << false << false;
    }
    void onlyWithoutASettingsFile()
    {
        QFETCH(QString, settingsFile);
        QFETCH(bool, soundsFolder);
        QFETCH(bool, chosen);
        QTemporaryDir exe, config;
        // The configuration folder is the home of an installed program's file.
        const IniLocation where(exe.path(), u"lumena"_s, config.path(),
                                settingsFile != u"config"_s);
        // Even an empty file counts: whatever it says, the user saved it.
        if (!settingsFile.isEmpty())
            QVERIFY(test::writeFile(
                (settingsFile == u"exe"_s ? exe : config).filePath(u"lumena.in4"_s), {}));
        const QString sounds = soundsFolder ? test::sourceDir() + u"/samples/sounds"_s : QString();
        FakeOptions options;
        QCOMPARE(useBundledSoundsOnFirstStart(where, options, sounds), chosen);
        QCOMPARE(options.applied.has_value(), chosen);
        if (!chosen)
            return;

        // Only the sound files change; the modes and every other page stay.
        IniData expected = options.held;
        chooseBundledSounds(expected.SoundInfo, sounds);
        QCOMPARE(*options.applied, expected);
        const ini::SoundInfo& s = options.applied->SoundInfo;
        for (const QString& file : {s.RouteSetSound, s.StepSoundFile, s.PreSoundFile, s.PreSound1,
                                    s.PreSound2, s.PreSound3})
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestFirstStart)
#include "tst_first_start.moc"
