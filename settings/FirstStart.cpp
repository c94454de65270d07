#include "settings/FirstStart.h"

#include <QDir>

namespace lumena {

void chooseBundledSounds(ini::SoundInfo& sound, const QString& soundDir)
{
    const QDir dir(soundDir);
    sound.RouteSetSound = dir.filePath(QStringLiteral("route-set.wav"));
    sound.StepSoundFile = dir.filePath(QStringLiteral("step-chime.wav"));
    // Flag 1 opens a route's announcements, 2 names the next stop, 3 the
    // terminal; "always" plays the next-stop chime.
    sound.PreSoundFile = dir.filePath(QStringLiteral("pre-chime-2.wav"));
    sound.PreSound1 = dir.filePath(QStringLiteral("pre-chime-1.wav"));
    sound.PreSound2 = dir.filePath(QStringLiteral("pre-chime-2.wav"));
    sound.PreSound3 = dir.filePath(QStringLiteral("pre-chime-3.wav"));
}

bool useBundledSoundsOnFirstStart(const IniLocation& where, OptionIniPort& options,
                                  const QString& soundDir)
{
    if (soundDir.isEmpty() || !where.readPath().isEmpty())
        return false;
    IniData record;
    options.GetOptionInfo(record);
    chooseBundledSounds(record.SoundInfo, soundDir);
    options.SetOptionInfo(record);
    return true;
}

} // namespace lumena
