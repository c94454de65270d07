#pragma once
// What the operation panel reaches outside itself besides the run logic's
// ports: the board window's picture, cell colour, clock and caption, and the
// option values that only the panel reads. The app adapts the board window and
// the options dialog to these; tests use fakes.

#include <QString>

class QImage;

namespace lumena {

// Backlight states, as the panel's Option4 buttons number them.
enum BacklightState { BacklightOff = 0, BacklightOn1 = 1, BacklightOn2 = 2 };

class PanelBoard {
public:
    virtual ~PanelBoard() = default;
    // Window caption of the board ("ルメナ・ビューア - 型番:" + model).
    virtual void setBoardCaption(const QString& caption) = 0;
    // The built-in picture of one backlight state (imgRes(state)).
    virtual QImage builtInPicture(int state) const = 0;
    virtual void setBackgroundPicture(const QImage& picture) = 0;
    // Text colour of the 50 ticket-number cells, 0x00BBGGRR.
    virtual void setSeiriNumColor(quint32 color) = 0;
    // The board's one-second clock: its timer, whether the clock element is
    // shown, and blanking both clock elements.
    virtual void setClockRunning(bool running) = 0;
    virtual bool clockVisible() const = 0;
    virtual void clearClock() = 0;
    // Speed and ScrollStartWait of the stop-name element.
    virtual void setChimeiScroll(qint16 speed, qint32 startWait) = 0;
    virtual void setBoardEnabled(bool enabled) = 0;
};

class PanelOptions {
public:
    virtual ~PanelOptions() = default;
    // Ticket-number text colour for a backlight state, 0x00BBGGRR.
    virtual quint32 seiriNumColor(int state) const = 0;
    // Built-in pictures assigned automatically, or chosen per state.
    virtual bool panelAuto() const = 0;
    virtual bool panelUser(int state) const = 0;
    virtual QString panelFile(int state) const = 0;
    virtual QString resetSound() const = 0;    // "リセット時のサウンド："
    virtual QString routeSetSound() const = 0; // "系統設定時のサウンド："
    // Shows the options dialog modally; returns when it is closed.
    virtual void showOptions() = 0;
};

} // namespace lumena
