#pragma once
// OptionsDialog, "オプション": the options dialog. One instance lives, hidden,
// for the whole run and is the live store of every option: route setting,
// the board refresh and the sound and tape routines read its controls at
// the moment of use (RunOptions, PanelOptions, TapeOptions), through the
// pages' named accessors. It has no cancel: a change stays in the controls as
// soon as it is made; OK applies the options to the board and the panel
// (SetProp) and hides the dialog.
//
// Every dialog it opens goes through ResLib; messages through Host.

#include "panel/PanelPorts.h"
#include "panel/RunPorts.h"
#include "reslib/Host.h"
#include "reslib/ResLib.h"
#include "settings/IniPorts.h"
#include "settings/OptionPages.h"
#include "sound/SoundPorts.h"

#include <QDialog>
#include <array>
#include <functional>

class QPushButton;
class QStackedWidget;

namespace lumena {

class OptionsDialog final : public QDialog,
                            public RunOptions,
                            public PanelOptions,
                            public TapeOptions,
                            public OptionIniPort {
    Q_OBJECT
public:
    explicit OptionsDialog(ResLib& resLib, Host& host, QWidget* parent = nullptr);

    // The board and panel that SetProp and SetPlgin reach. Until they are
    // set (the dialog is made before the panel), those steps are skipped.
    void setTargets(BoardIniPort* board, PanelIniPort* panel);
    // Replaces the stand-in sample element M_Degit1 (the dialog takes it).
    void setDegitSample(QWidget* sample);
    // How a data folder is opened in the file manager (Command10). Failures
    // are ignored by contract.
    void setFolderOpener(std::function<void(const QString&)> open);
    // The folder route setting reads fare and announcement data from while
    // its box is empty (the bundled samples), so a first start shows the
    // sample routes. The boxes still show, and the file keeps, what the user
    // typed.
    void setDefaultDataDir(const QString& folder) { m_defaultDataDir = folder; }
    // The bundled samples (sounds/, plugins/ ...): where a file dialog opens
    // while its setting names no file.
    void setSamplesDir(const QString& folder) { m_samplesDir = folder; }

    // The start values the board window gives the dialog before the settings
    // file is read: Check1 ticked and the three ticket-number colours.
    void SetStartDefaults();

    // OptionIniPort
    void GetOptionInfo(IniData& out) const override;
    void SetOptionInfo(const IniData& in) override;
    void SetProp() override;

    // The folder the user chose, or empty when cancelled.
    QString GetPathString();
    // Lets the user choose the colour of one of the colour buttons; a
    // cancelled choice leaves it as it was.
    void GetBtnColor(ColorButton* button);
    // Fills Combo2 with the twelve ticket-number styles and chooses entry 0.
    void AddComboItem();
    // The board's display scale (表示倍率, 1..4), applied by SetProp. It is
    // not part of the settings record: the view file keeps it.
    int boardScale() const { return m_panelPage->boardScale(); }
    void setBoardScale(int scale) { m_panelPage->setBoardScale(scale); }
    // Reads a ticket plug-in's description into the ticket page and the
    // panel's preview; 0 when the path is empty or not a plug-in.
    qint32 SetPlgin(const QString& fileName);

    // RunOptions
    QString fareDataDir() const override;
    QString tapeDataDir() const override;
    QString routeSetSound() const override; // also PanelOptions
    DateMode dateMode() const override;
    QString fixedDate() const override;
    bool stepSoundAlways() const override;
    QString stepSoundFile() const override;
    QString stepSound(int n) const override;
    int stepSoundColumn() const override;
    bool stepSoundSync() const override;
    bool infoStopOrderOn() const override;
    int infoStopOrderCell() const override;
    bool infoStopOrderFromZero() const override;
    bool infoSeiriNumOn() const override;
    int infoSeiriNumCell() const override;
    bool infoRouteNumOn() const override;
    int infoRouteNumCell() const override;
    bool infoColumnOn() const override;
    int infoColumn() const override;
    int infoColumnCell() const override;
    bool useSeiriPrev() const override;
    QString seiriPlgFile() const override;

    // TapeOptions
    bool preSoundAlways() const override;
    QString preSoundFile() const override;
    QString preSound(int n) const override;
    bool preSoundSync() const override;

    // PanelOptions
    quint32 seiriNumColor(int state) const override;
    bool panelAuto() const override;
    bool panelUser(int state) const override;
    QString panelFile(int state) const override;
    QString resetSound() const override;
    void showOptions() override { exec(); }

    // The custom colours the colour dialog shows (CustColors of the record).
    const CustColors& custColors() const { return m_custColors; }

private:
    void showStartSeiriNumColors();
    void refreshDegitSample();
    void reapplyBacklight();
    void fillNumberLists();
    // The buttons' reactions.
    void chooseColor(ColorButton* button, bool isDegitColor);
    void chooseDataFolder(DataDirPage::Folder which);
    void choosePanelPicture(int state);
    void chooseSoundFile(int row);
    void chooseFixedDate();
    void chooseTicketPlugin();
    // A folder of the samples, where a file dialog opens while its setting
    // names no file (the pictures' dialog opens in the samples themselves).
    QString samplesFolder(const QString& sub) const;
    void clearTicketPlugin();

    ResLib& m_resLib;
    Host& m_host;
    BoardIniPort* m_board = nullptr;
    PanelIniPort* m_panel = nullptr;
    std::function<void(const QString&)> m_openFolder;
    QString m_defaultDataDir;
    QString m_samplesDir;
    CustColors m_custColors{};
    std::array<QPushButton*, 6> m_option1{};
    QStackedWidget* m_pages = nullptr;
    DataDirPage* m_dataDirPage = nullptr;
    PanelPage* m_panelPage = nullptr;
    DegitPage* m_degitPage = nullptr;
    ChimeiPage* m_chimeiPage = nullptr;
    SoundPage* m_soundPage = nullptr;
    SeirikenPage* m_seirikenPage = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace lumena
