#pragma once
// The first start: while no settings file exists at all, the sound options
// name the chimes that come with the program (samples/sounds), so the first
// route setting and the first step are heard at once. As soon as a settings
// file exists it alone decides, also where the user has emptied a sound; the
// stored defaults of the record and the file layout stay as they are.

#include "settings/IniPorts.h"
#include "settings/SettingsFile.h"

#include <QString>

namespace lumena {

// The bundled sounds, by option; the keypad's reset sound stays silent.
// `soundDir` is the folder that holds them.
void chooseBundledSounds(ini::SoundInfo& sound, const QString& soundDir);

// When `where` has no settings file and `soundDir` is not empty, writes the
// bundled sounds into the options dialog (its other values pass through
// unchanged) and returns true; otherwise changes nothing.
bool useBundledSoundsOnFirstStart(const IniLocation& where, OptionIniPort& options,
                                  const QString& soundDir);

} // namespace lumena
