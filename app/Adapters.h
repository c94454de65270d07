#pragma once
// The bundled sample data, and the panel's tape frame for the announcement
// tape.

#include "sound/Tape.h"

namespace lumena {

// The folder of the bundled sample routes: samples/data beside the
// executable, in the installed share folder, or in the source tree the
// program was built from; empty when none exists.
QString bundledSampleData();

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
