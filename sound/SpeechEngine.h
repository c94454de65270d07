#pragma once
// The text-to-speech engine as the tape sees it: speak without blocking, stop,
// a status value and a settings dialog.

#include <QString>

class QObject;

namespace lumena {

// Values of SpeechEngine::Status().
enum SpeechStatus : qint32 {
    SpeechIdle = 0,     // nothing is being read (also after an empty text)
    SpeechSpeaking = 1, // a reading is playing
    SpeechFailed = -1,  // the last Speak could not be read out (synthesis or
                        // playback failed); cleared by the next Speak or Stop
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // Starts reading `text` and returns while it plays; a reading still
    // playing is replaced.
    virtual void Speak(const QString& text) = 0;
    virtual void Stop() = 0;
    virtual qint32 Status() const = 0;
    // Modal settings dialog owned by `owner` with the given title.
    virtual void ShowSettingsDlg(QObject* owner, const QString& title) = 0;
    // User readings for the announcements of one folder (written form →
    // reading); a missing file means none.
    virtual void SetReadingsFile(const QString& path) = 0;
};

} // namespace lumena
