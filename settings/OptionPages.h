#pragma once
// The six pages of the options dialog, Frame1(0) to Frame1(5). Each page owns
// its controls (named as the dialog names them), the reactions that stay
// within the page (enabling, showing, sub-page choice), one table that binds
// each control to its field of the settings record (visited one way by get,
// the other by set), and named accessors for the values the running program
// reads. Whatever needs the resource library or another window is done by
// OptionsDialog.

#include "board/BoardPorts.h" // DegitColors
#include "panel/RunPorts.h"   // DateMode
#include "settings/ColorButton.h"
#include "settings/IniData.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace lumena {

// Page 0: the two data folders.
class DataDirPage final : public QGroupBox {
    Q_OBJECT
public:
    // Text2(0) holds the fare data folder, Text2(1) the announcement data folder.
    enum Folder { FareData = 0, TapeData = 1 };

    explicit DataDirPage(QWidget* parent = nullptr);
    void get(ini::DataDirInfo& out) const;
    void set(const ini::DataDirInfo& in);

    QString folder(Folder which) const;
    void setFolder(Folder which, const QString& path);

    std::array<QLabel*, 2> Label3{};
    std::array<QLineEdit*, 2> Text2{};
    std::array<QPushButton*, 2> Command3{};
    std::array<QPushButton*, 2> Command10{};
};

// Page 1: ticket-number display and panel images. A backlight state is
// 0 (OFF), 1 (ON1) or 2 (ON2).
class PanelPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelPage(QWidget* parent = nullptr);
    void get(ini::PanelInfo& out) const;
    void set(const ini::PanelInfo& in);

    bool seiriNumShown() const;     // Check1
    qint16 seiriNumStyle() const;   // Combo2's position, -1 for none
    qint16 seiriNumZeroPad() const; // Check2, 0/1
    quint32 seiriNumColor(int state) const;
    void setSeiriNumColor(int state, quint32 color);
    // The built-in pictures are assigned automatically (rather than chosen per state).
    bool builtInPanelsAuto() const;
    bool userPanelChosen(int state) const;
    QString userPanelFile(int state) const;
    void setUserPanelFile(int state, const QString& path);
    // The board's display scale 1..4, optDispScale(0..3); it is kept in the
    // view file, not in the settings record.
    int boardScale() const;
    void setBoardScale(int scale);

    QCheckBox* Check1 = nullptr;
    QWidget* Frame3 = nullptr;
    QComboBox* Combo2 = nullptr;
    QCheckBox* Check2 = nullptr;
    std::array<ColorButton*, 3> Command5{};
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 8> Option3{};
    std::array<QGroupBox*, 3> Frame6{};
    std::array<QLineEdit*, 3> txtSelectPanel{};
    std::array<QPushButton*, 3> Command6{};
    std::array<QRadioButton*, 4> optDispScale{};

private:
    void updateFrame6();
};

// Page 2: digit colours, the sample element and the info numbers.
class DegitPage final : public QGroupBox {
    Q_OBJECT
public:
    // The info numbers in the order of their boxes Check3(0..3) and cell
    // lists Combo4(0..3).
    enum InfoNumber { StopOrder = 0, SeiriNum = 1, RouteNum = 2, Column = 3 };

    explicit DegitPage(QWidget* parent = nullptr);
    void get(ini::DegitInfo& out) const;
    void set(const ini::DegitInfo& in);
    // Puts `sample` (named M_Degit1) in the sample's place; the page owns it.
    void setSample(QWidget* sample);

    DegitColors colors() const; // Command8(0..2)
    bool infoOn(InfoNumber which) const;
    // The cell a number is shown in, 1..50; 0 when the list has no choice.
    int infoCell(InfoNumber which) const;
    bool stopOrderFromZero() const;
    // The fare column whose value is shown, 1..150; 0 when none is chosen.
    int infoColumn() const;

    std::array<ColorButton*, 3> Command8{};
    QWidget* M_Degit1 = nullptr;
    std::array<QCheckBox*, 5> Check3{};
    std::array<QComboBox*, 5> Combo4{};

private:
    QVBoxLayout* m_sampleBox = nullptr;
};

// Page 3: the stop-name display.
class ChimeiPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit ChimeiPage(QWidget* parent = nullptr);
    void get(ini::ChimeiInfo& out) const;
    void set(const ini::ChimeiInfo& in);

    quint32 backColor() const;
    quint32 foreColor() const;
    qint16 fontMode() const; // Combo3's position, -1 for none
    bool bold() const;

    std::array<ColorButton*, 2> Command9{};
    QComboBox* Combo3 = nullptr;
    QCheckBox* Check4 = nullptr;
};

// Page 4: sounds, with the two sub-pages Frame2(1) (forward/back) and
// Frame2(0) (before an announcement).
class SoundPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit SoundPage(QWidget* parent = nullptr);
    void get(ini::SoundInfo& out) const;
    void set(const ini::SoundInfo& in);

    // The file of sound row i, the text box txtSelectSound(i) beside its
    // choose button cmdSelectSound(i); rows 0..10, row 2 does not exist.
    void setSoundFile(int row, const QString& path);
    QString routeSetSound() const;
    QString resetSound() const;
    bool stepSoundAlways() const;
    QString stepSoundFile() const;
    QString stepSound(int n) const; // n = 1..3, else empty
    int stepSoundColumn() const;    // 1..150; 0 when none is chosen
    bool stepSoundSync() const;
    bool preSoundAlways() const;
    QString preSoundFile() const;
    QString preSound(int n) const; // n = 1..3, else empty
    bool preSoundSync() const;

    std::array<QLineEdit*, 11> txtSelectSound{};
    std::array<QPushButton*, 11> cmdSelectSound{};
    std::array<QRadioButton*, 2> Option5{};
    QStackedWidget* Frame2Stack = nullptr;
    std::array<QGroupBox*, 2> Frame2{};
    std::array<QRadioButton*, 4> Option2{};
    std::array<QRadioButton*, 2> Option6{};
    std::array<QRadioButton*, 2> Option7{};
    QComboBox* Combo1 = nullptr;
    QLabel* Label1_2 = nullptr;

private:
    QWidget* soundRow(QWidget* parent, int i);
    QGroupBox* syncFrame(QWidget* parent, const QString& frameName, const char* name,
                         const QString& after, std::array<QRadioButton*, 2>& options);
};

// Page 5: ticket preview, plug-in and ticket date.
class SeirikenPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit SeirikenPage(QWidget* parent = nullptr);
    void get(ini::SeirikenInfo& out) const;
    void set(const ini::SeirikenInfo& in);

    bool usePreview() const;
    QString pluginFile() const;
    DateMode dateMode() const;
    QString fixedDate() const; // "yyyy/mm/dd"
    void setFixedDate(const QString& date);

    QCheckBox* chkUseSeiriPrev = nullptr;
    QGroupBox* fraPlgin = nullptr;
    QLineEdit* txtSeiriPlgDir = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command11 = nullptr;
    QListWidget* List1 = nullptr;
    QPlainTextEdit* txtPlginComment = nullptr;
    QGroupBox* fraDate = nullptr;
    std::array<QRadioButton*, 3> Option4{};
    QLabel* Label10 = nullptr;
    QPushButton* Command7 = nullptr;

private:
    void updateFrames();
};

} // namespace lumena
