#pragma once
// The bundled sample data, and the panel's tape frame for the announcement
// tape.

#include "sound/Tape.h"

namespace lumena {

// The folders of the bundled sample routes and sounds: samples/data and
// samples/sounds beside the executable, or in the installed share folder
// (which the build tree mirrors); empty when none exists.
QString bundledSampleData();
QString bundledSounds();

// The tape is made before the panel that holds its frame; this hands the
// tape's calls on once the panel exists.
class TapeFrameRelay final : public TapeFrame {
public:
    TapeFrame* target = nullptr;
    void setTapeCaption(const QString& caption) override
    {
        if (target)
            target->setTapeCaption(caption);
    }
    void setTapeFrameEnabled(bool enabled) override
    {
        if (target)
            target->setTapeFrameEnabled(enabled);
    }
    void setTapeButtonsEnabled(bool enabled) override
    {
        if (target)
            target->setTapeButtonsEnabled(enabled);
    }
    QObject* tapeDialogOwner() override { return target ? target->tapeDialogOwner() : nullptr; }
};

} // namespace lumena
