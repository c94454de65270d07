#pragma once
// The fare board window: a borderless 678 x 234 window (times the display
// scale) showing the panel picture with the 50 ticket-number cells
// lblSeiriNum(1..50), the fare elements Degit(1..50) under them, the
// stop-name strip ChimeiCtl and the (hidden, still running) clock
// TimeDegit(0..1).
//
// The board has no operator controls. It is driven by the run logic through
// BoardDisplay, by the operation panel through PanelBoard, and by the settings
// routines and the options dialog through BoardIniPort. Its own behaviour:
// layout and shape, dragging by the background, the one-second clock, and the
// double-click on a fare element that applies that element's zero handling,
// zero fill and shift to all 50. A stored position beyond the screens is
// brought back on screen.
//
// At a board scale N (board/BoardScale.h) the window, its shape and every
// element are N times as large; the built-in panel picture is drawn anew at
// that size and any other picture shown with each pixel as an N x N block.

#include "board/BoardPorts.h"
#include "board/SeirikenNum.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QTimer;

namespace lumena {

class ChimeiElement;
class DegitElement;
class GlyphSource;
class Host;
class ResLib;

class BoardWindow final : public QWidget,
                          public BoardDisplay,
                          public BoardIniPort,
                          public PanelBoard,
                          private SeirikenCells {
    Q_OBJECT
public:
    // Creates every element and runs the board's own part of loading: the
    // fare elements get DegitStyle 1 and are blanked, the built-in panel
    // picture becomes imgRes(0..2) and the background, the window is shaped
    // and the clock timer starts. Placing the windows and LoadIni are the
    // application's (they involve the panel and the options dialog). The
    // stop-name strip draws its characters with `glyphs`, which must outlive
    // the window.
    BoardWindow(ResLib& res, Host& host, GlyphSource& glyphs, QWidget* parent = nullptr);
    ~BoardWindow() override;

    DegitElement* Degit(int k) const;     // 0 (spare, hidden) and 1..50
    DegitElement* TimeDegit(int i) const; // 0 hours, 1 minutes
    ChimeiElement* ChimeiCtl() const { return m_chimei; }
    QLabel* lblSeiriNum(int i) const; // 0 (spare, hidden) and 1..50
    QTimer* Timer1() const { return m_timer1; }

    // Built-in pictures of the three backlight states (0 OFF, 1 ON1, 2 ON2).
    const QImage& imgRes(int i) const;
    void setImgRes(int i, const QImage& image);
    // The window's background picture, drawn from the top-left at the board
    // scale (unscaled at 1).
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& image);
    int boardScale() const { return m_scale; }

    // The window that the digit settings dialog disables while it is open.
    void setPanelWindow(QWidget* panel) { m_panel = panel; }
    // Called instead of closing when the window is asked to close (the
    // application asks the quit question there). Without it the window closes.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

    // Shows the Host's hour and minute on the clock elements (each tick of
    // Timer1; public so that a render can show the clock at once).
    void showTime();
    // The double-click on Degit(cell): unless the element's UserSet is off,
    // opens its settings dialog with the panel window disabled and, when the
    // dialog is confirmed, gives all 50 fare elements that element's zero
    // handling, zero fill and shift, each taking effect at once.
    void applyZeroSettingsToAll(int cell);

    // BoardDisplay
    void SetChimei(const QString& text) override;
    void ResetDegit(int cell, bool lit) override;
    void setDegitValue(int cell, const QVariant& value) override;

    // BoardIniPort
    void GetFormInfo(ini::FormInfo& out) const override;
    void SetFormInfo(const ini::FormInfo& in) override;
    ini::DegitCellInfo GetDegitCell(int cell) const override;
    void SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& colors) override;
    void SetTimeDegitColors(int index, const DegitColors& colors) override;
    void SetChimeiColors(quint32 backColor, quint32 foreColor) override;
    void SetSeiriNumVisible(bool visible) override;
    void SeirikenNumSet(qint16 style, qint16 zeroOption) override;
    void SetSeiriNumColor(quint32 color) override;
    void SetAllDegitColors(const DegitColors& colors) override;
    void SetChimeiProps(quint32 backColor, quint32 foreColor, qint16 fontMode,
                        bool fontBold) override;
    void setBoardScale(int scale) override;

    // PanelBoard
    void setBoardCaption(const QString& caption) override { setWindowTitle(caption); }
    QImage builtInPicture(int state) const override { return imgRes(state); }
    void setBackgroundPicture(const QImage& picture) override { setPicture(picture); }
    void setSeiriNumColor(quint32 color) override { SetSeiriNumColor(color); }
    void setClockRunning(bool running) override;
    bool clockVisible() const override;
    void clearClock() override;
    void setChimeiScroll(qint16 speed, qint32 startWait) override;
    void setBoardEnabled(bool enabled) override { setEnabled(enabled); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setSeiriNumText(int cell, const QString& text) override;
    void setSeiriNumFont(int cell, const QString& faceName, double points) override;
    void createElements();
    void shape();
    void placeElements();
    void showPicture();
    // Moves the window on screen when it is not (see onScreenPosition).
    void keepOnScreen();

    ResLib& m_res;
    Host& m_host;
    GlyphSource& m_glyphs;
    std::array<QLabel*, 51> m_seiriNum{};
    std::array<DegitElement*, 51> m_degit{};
    std::array<DegitElement*, 2> m_timeDegit{};
    ChimeiElement* m_chimei = nullptr;
    QTimer* m_timer1 = nullptr;
    std::array<int, 51> m_seiriPixelSize{}; // of each cell's font at scale 1
    std::array<QImage, 3> m_imgRes;
    QImage m_picture;
    QImage m_builtIn;       // the built-in picture at scale 1, as made at start
    QImage m_builtInScaled; // and drawn at the board scale, once per scale
    QImage m_shown;         // m_picture at the board scale
    int m_scale = 1;
    QWidget* m_panel = nullptr;
    std::function<void()> m_closeHandler;
    // Manual drag, where the window system cannot move the window itself.
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace lumena
