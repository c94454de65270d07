#pragma once
// What route setting, stepping and the board refresh reach outside the run
// logic. Each is a small interface so the logic runs and is tested without
// windows: the options dialog implements RunOptions, the operation panel
// PanelControls; the board is reached through its BoardDisplay, the sound
// channels and the announcement loader through sound/SoundPorts.h.

#include "board/BoardPorts.h"

#include <QString>

class QImage;

namespace lumena {

enum class DateMode { EachPrint, RouteSet, Fixed };

// Option values, read at the moment of use (never cached by the caller).
class RunOptions {
public:
    virtual ~RunOptions() = default;

    // Folders as typed; route setting adds the separator.
    virtual QString fareDataDir() const = 0;
    virtual QString tapeDataDir() const = 0;
    virtual QString routeSetSound() const = 0;

    virtual DateMode dateMode() const = 0;
    virtual QString fixedDate() const = 0;

    // Step sound: one sound always, or chosen by the value (1..3) of a column.
    virtual bool stepSoundAlways() const = 0;
    virtual QString stepSoundFile() const = 0;
    virtual QString stepSound(int n) const = 0; // n = 1..3
    virtual int stepSoundColumn() const = 0;    // 1..150 when valid
    virtual bool stepSoundSync() const = 0;

    // Information numbers. Cells are 1..50 and columns 1..150 when valid;
    // callers must treat anything else as "no choice".
    virtual bool infoStopOrderOn() const = 0;
    virtual int infoStopOrderCell() const = 0;
    virtual bool infoStopOrderFromZero() const = 0;
    virtual bool infoSeiriNumOn() const = 0;
    virtual int infoSeiriNumCell() const = 0;
    virtual bool infoRouteNumOn() const = 0;
    virtual int infoRouteNumCell() const = 0;
    virtual bool infoColumnOn() const = 0;
    virtual int infoColumn() const = 0;
    virtual int infoColumnCell() const = 0;

    // Ticket preview.
    virtual bool useSeiriPrev() const = 0;
    virtual QString seiriPlgFile() const = 0;
};

// The operation panel's controls that the run logic reads or changes.
class PanelControls {
public:
    virtual ~PanelControls() = default;
    virtual bool lateNight() const = 0;   // Check2 "深夜料金"
    virtual int companyIndex() const = 0; // Combo1, -1 for none
    // Command2(0), Command2(1) and Check1 after a successful route setting.
    virtual void enableStepping() = 0;
    // The ticket preview picture: cleared, drawn into, then repainted.
    virtual void clearPreview() = 0;
    virtual QImage* previewImage() = 0;
    virtual void repaintPreview() = 0;
};

} // namespace lumena
