#pragma once
// Silent stand-ins for the sound services, for a build or a test without sound.

#include "sound/SoundPorts.h"

namespace lumena {

class NullSoundPlayer final : public SoundPlayer {
public:
    void PlaySnd(const QString&, const QString&, bool, qint16) override {}
    void CloseAllSnd() override {}
};

class NullTapeLoader final : public TapeLoader {
public:
    void LoadTapeData(const QString&, const QString&) override {}
};

} // namespace lumena
