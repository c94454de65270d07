#pragma once
// The six pages of the options dialog, Frame1(0) to Frame1(5). Each page owns
// its controls (public, named as the dialog names them), the reactions that
// stay within the page (enabling, showing, sub-page choice) and the copy of
// its part of the settings record to and from the controls. Whatever needs
// the resource library or another window is done by OptionsDialog.

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
    explicit DataDirPage(QWidget* parent = nullptr);
    void get(ini::DataDirInfo& out) const;
    void set(const ini::DataDirInfo& in);

    std::array<QLabel*, 2> Label3{};
    std::array<QLineEdit*, 2> Text2{};
    std::array<QPushButton*, 2> Command3{};
    std::array<QPushButton*, 2> Command10{};
};

// Page 1: ticket-number display and panel images.
class PanelPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit PanelPage(QWidget* parent = nullptr);
    void get(ini::PanelInfo& out) const;
    void set(const ini::PanelInfo& in);

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

private:
    void updateFrame6();
};

// Page 2: digit colours, the sample element and the info numbers.
class DegitPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit DegitPage(QWidget* parent = nullptr);
    void get(ini::DegitInfo& out) const;
    void set(const ini::DegitInfo& in);
    // Puts `sample` (named M_Degit1) in the sample's place; the page owns it.
    void setSample(QWidget* sample);

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

    std::array<ColorButton*, 2> Command9{};
    QComboBox* Combo3 = nullptr;
    QCheckBox* Check4 = nullptr;
};

// Page 4: sounds, with the two sub-pages Frame2(1) (forward/back) and
// Frame2(0) (before an announcement). Index 2 of the sound rows is unused.
class SoundPage final : public QGroupBox {
    Q_OBJECT
public:
    explicit SoundPage(QWidget* parent = nullptr);
    void get(ini::SoundInfo& out) const;
    void set(const ini::SoundInfo& in);

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
