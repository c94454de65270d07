#pragma once
// Sound and announcement services as the rest of the program sees them.

#include <QString>

namespace lumena {

// Every sound of the program goes through PlaySnd on one of the channels
// "S1".."S4". Nothing happens for an empty or missing file; a new sound on a
// channel cuts the one playing there. With `sync` the call returns when the
// sound has ended (windows keep painting meanwhile), then waits `waitMs`.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlaySnd(const QString& fileName, const QString& channel, bool sync,
                         qint16 waitMs) = 0;
    virtual void CloseAllSnd() = 0;
};

// Loads a route's announcement file (folder ends with a separator or is empty;
// route is the normalized route number, e.g. "12").
class TapeLoader {
public:
    virtual ~TapeLoader() = default;
    virtual void LoadTapeData(const QString& folder, const QString& route) = 0;
};

// Pre-announcement options, read at the moment of use.
class TapeOptions {
public:
    virtual ~TapeOptions() = default;
    virtual bool preSoundAlways() const = 0; // false: chosen by the entry's sound flag
    virtual QString preSoundFile() const = 0;
    virtual QString preSound(int n) const = 0; // n = 1..3
    virtual bool preSoundSync() const = 0;
};

} // namespace lumena
