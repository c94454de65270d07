#pragma once
// The operation panel "集中操作盤": route entry by dials or keypad, stepping,
// backlight, late night, the stop-name scroll controls, display clear, the
// options and version buttons, the tape frame and the ticket preview. It owns
// the RunController and forwards the operator's actions to it; everything the
// controls hold is read by the run logic through PanelControls and by the
// settings routines through PanelIniPort. The announcement tape is the
// application's: the panel shows its frame (TapeFrame) and reports its
// buttons and the routes set by signals. Closing it, or Ctrl+Q in either
// window, asks whether to quit. It keeps itself on screen: a stored place
// beyond the screens and a preview that opens past the screen's edge move it
// back.

#include "panel/PanelPorts.h"
#include "panel/PanelRules.h"
#include "panel/RunPorts.h"
#include "sound/Tape.h"

#include <QSet>
#include <QWidget>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace lumena {

class RouteState;
class Host;
class SeirikenPreview;
class ResLib;
class RunController;
class SoundPlayer;

// What the panel's quit path runs after "Yes", in this order, after it has
// blanked the stop name and closed the sound channels.
struct QuitActions {
    std::function<void()> TermSpeech;
    std::function<void()> SaveIni;
    std::function<void()> endProgram; // closes every window and ends the run
};

class PanelWindow final : public QWidget,
                          public PanelControls,
                          public PanelIniPort,
                          public TapeFrame,
                          private TapeLoader {
    Q_OBJECT
public:
    struct Ports {
        RouteState& data;
        RunOptions& runOptions;
        BoardDisplay& board;
        PanelBoard& panelBoard;
        PanelOptions& options;
        SoundPlayer& sound;
        ResLib& resLib;
        Host& host;
    };
    explicit PanelWindow(const Ports& ports, QWidget* parent = nullptr);
    ~PanelWindow() override;

    // Applies a backlight state; a user picture that fails is reported
    // once, when it first fails.
    void Option4_Click(int index) override;

    // PanelIniPort
    void GetCtrlDataInfo(ini::CtrlDataInfo& out) const override;
    void SetCtrlDataInfo(const ini::CtrlDataInfo& in) override;
    int BacklightIndex() const override;
    void SetPreviewSize(int widthTwips, int heightTwips) override;
    void ClearCompanyList() override;
    void AddCompany(const QString& name) override;

    // PanelControls
    bool lateNight() const override;
    int companyIndex() const override;
    void enableStepping() override;
    void clearPreview() override;
    QImage* previewImage() override;
    void repaintPreview() override;

    RunController& run() { return *m_run; }
    void setQuitActions(QuitActions actions) { m_quit = std::move(actions); }
    // Whether the speech engine exists; the display-clear switch re-enables
    // the tape frame only then.
    void setSpeechAvailable(bool available) { m_speechAvailable = available; }
    // The desktop session is ending: a close is accepted without the question
    // and without writing anything, as when the process is ended otherwise.
    void setSessionEnding(bool ending) { m_sessionEnding = ending; }

    // TapeFrame: grpM_Tape as the announcement tape drives it.
    void setTapeCaption(const QString& caption) override;
    void setTapeFrameEnabled(bool enabled) override;
    void setTapeButtonsEnabled(bool enabled) override;
    QObject* tapeDialogOwner() override { return this; }

signals:
    // The tape buttons cmdTapeNext "送り", cmdTapeBack "戻し", cmdTapeStop "■"
    // and cmdTapeSet "調整" were clicked.
    void tapeNextClicked();
    void tapeBackClicked();
    void tapeStopClicked();
    void tapeSettingsClicked();
    // Route setting asks for the route's announcement file (LoadTapeData),
    // before it reads the fares; the receiver loads it at once.
    void tapeDataWanted(const QString& folder, const QString& route);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntryGroups();
    void buildControls();
    void buildPreview();
    void pressKey(int key);
    // Sets the route chosen on the dials (group 0) or typed on the keypad (1).
    void setRouteFrom(int group);
    void sendEntryGroupBehind(int index);
    void applyScrollSetting(int index);
    void setDisplayCleared(bool cleared);
    void openOptions();
    void showVersion();
    void quitProgram();
    // Moves the window on screen when it is not (see onScreenPosition).
    void keepOnScreen();
    // TapeLoader, for the RunController: handed on as tapeDataWanted.
    void LoadTapeData(const QString& folder, const QString& route) override;

    Ports m_ports;
    std::unique_ptr<RunController> m_run;
    // User pictures whose failure has been shown: not shown again while
    // they keep failing (OK in the options applies the backlight anew).
    QSet<QString> m_reportedPictures;
    KeypadEntry m_keypad;
    qint16 m_panelMode = 0;
    bool m_speechAvailable = false;
    bool m_sessionEnding = false;
    bool m_quitting = false;
    QuitActions m_quit;

    QGroupBox* m_frame1[2] = {};
    QListWidget* m_list2[5] = {};
    QListWidget* m_list3[3] = {};
    QPushButton* m_keys[12] = {};
    QLabel* m_label2[3] = {};
    QPushButton* m_command2[2] = {};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    QPushButton* m_check4 = nullptr;
    QRadioButton* m_option4[3] = {};
    QGroupBox* m_frame6 = nullptr;
    QScrollBar* m_hscroll[2] = {};
    QLabel* m_label1[2] = {};
    QGroupBox* m_tapeFrame = nullptr;
    SeirikenPreview* m_preview = nullptr;
    QComboBox* m_combo1 = nullptr;
    QMenu* m_menu = nullptr;
};

} // namespace lumena
