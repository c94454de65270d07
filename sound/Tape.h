#pragma once
// The announcement tape: the loaded entries of a route's announcement file,
// the current position, the tape buttons' actions (pre-announcement chime,
// then reading the entry aloud) and the speech engine's lifetime. The panel
// implements TapeFrame so the module can caption and enable the tape frame;
// it holds no widgets.

#include "sound/SoundPorts.h"
#include "sound/SpeechEngine.h"
#include "sound/TapeFile.h"

#include <functional>
#include <memory>
#include <vector>

class QObject;

namespace lumena {

class Host;
class ResLib;

// The tape frame grpM_Tape on the operation panel.
class TapeFrame {
public:
    virtual ~TapeFrame() = default;
    virtual void setTapeCaption(const QString& caption) = 0;
    virtual void setTapeFrameEnabled(bool enabled) = 0;
    // cmdTapeBack, cmdTapeNext, cmdTapeStop and cmdTapeSet together.
    virtual void setTapeButtonsEnabled(bool enabled) = 0;
    // Owner of the engine's settings dialog.
    virtual QObject* tapeDialogOwner() = 0;
};

class Tape final : public TapeLoader {
public:
    // Makes the speech engine; returns null when it cannot be created.
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // `host` shows the one message of the tape: a file over its limit.
    Tape(TapeFrame& frame, TapeOptions& options, SoundPlayer& sound, ResLib& res, Host& host,
         EngineFactory makeEngine);
    ~Tape() override;

    void InitSpeech();
    void TermSpeech();
    void LoadTapeData(const QString& folder, const QString& route) override;
    void TapeNext();
    void TapeBack();
    void TapeStop();
    void SpeakTape(qint32 pos);
    void ShowVoiceDlg();
    // Flags of the entry at `pos`; 0 outside 1..TapeCount.
    qint16 GetTapeStepFlag(qint32 pos) const;
    qint16 GetTapeSndFlag(qint32 pos) const;
    qint32 TapeCount() const { return m_count; }
    qint32 TapePos() const { return m_pos; }
    bool SpeechAvailable() const { return m_available; }

    // Whether the board steps with the tape: after TapeNext or TapeBack the
    // tape buttons step the board one stop the same way when the entry under
    // the tape has step flag 1, also when the tape stood at its end and did
    // not move.
    bool EntryStepsBoard() const { return GetTapeStepFlag(m_pos) == 1; }

    // Row `pos` (1..TapeCount) of the table.
    const TapeEntry& entry(qint32 pos) const { return m_table[size_t(pos - 1)]; }

    static constexpr const char* kReadingsFile = "readings.csv";

private:
    void markUnavailable();
    bool isVista();
    QString preSound(qint16 flag) const;

    TapeFrame& m_frame;
    TapeOptions& m_options;
    SoundPlayer& m_sound;
    ResLib& m_res;
    Host& m_host;
    EngineFactory m_makeEngine;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_available = false;
    std::vector<TapeEntry> m_table;
    qint32 m_count = 0;
    qint32 m_pos = 0;
};

} // namespace lumena
