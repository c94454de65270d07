#pragma once
// Recording stand-ins for what the operation panel drives: the board window,
// the options dialog's values and the sound channels.

#include "panel/PanelPorts.h"
#include "panel/RunPorts.h"
#include "settings/IniPorts.h"
#include "sound/SoundPorts.h"

#include <QImage>
#include <QMap>
#include <QStringList>
#include <functional>

namespace lumena::test {

class FakeBoard final : public BoardDisplay, public PanelBoard {
public:
    QStringList chimei;
    QMap<int, QVariant> values;
    QList<int> blanked; // ResetDegit(cell, false)
    QString caption;
    QImage background;
    quint32 seiriNumColor = 0;
    bool clockRunning = true;
    bool clockShown = false;
    int clockClears = 0;
    qint16 speed = 0;
    qint32 startWait = -1;
    QList<bool> enabledCalls;

    void SetChimei(const QString& text) override { chimei << text; }
    void ResetDegit(int cell, bool lit) override
    {
        if (!lit)
            blanked << cell;
    }
    void setDegitValue(int cell, const QVariant& value) override { values[cell] = value; }
    void setBoardCaption(const QString& c) override { caption = c; }
    QImage builtInPicture(int state) const override
    {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(QColor::fromRgb(10 * (state + 1), 0, 0));
        return img;
    }
    void setBackgroundPicture(const QImage& picture) override { background = picture; }
    void setSeiriNumColor(quint32 color) override { seiriNumColor = color; }
    void setClockRunning(bool running) override { clockRunning = running; }
    bool clockVisible() const override { return clockShown; }
    void clearClock() override { ++clockClears; }
    void setChimeiScroll(qint16 s, qint32 w) override
    {
        speed = s;
        startWait = w;
    }
    void setBoardEnabled(bool enabled) override { enabledCalls << enabled; }
};

class FakeOptions final : public RunOptions, public PanelOptions {
public:
    QString fareDir;
    bool automatic = true;
    bool user[3] = {};
    QString files[3];
    std::function<void()> onShow;

    QString fareDataDir() const override { return fareDir; }
    QString tapeDataDir() const override { return {}; }
    QString routeSetSound() const override { return QStringLiteral("route.wav"); }
    DateMode dateMode() const override { return DateMode::EachPrint; }
    QString fixedDate() const override { return {}; }
    bool stepSoundAlways() const override { return true; }
    QString stepSoundFile() const override { return QStringLiteral("step.wav"); }
    QString stepSound(int) const override { return {}; }
    int stepSoundColumn() const override { return 1; }
    bool stepSoundSync() const override { return false; }
    bool infoStopOrderOn() const override { return false; }
    int infoStopOrderCell() const override { return 1; }
    bool infoStopOrderFromZero() const override { return false; }
    bool infoSeiriNumOn() const override { return false; }
    int infoSeiriNumCell() const override { return 1; }
    bool infoRouteNumOn() const override { return false; }
    int infoRouteNumCell() const override { return 1; }
    bool infoColumnOn() const override { return false; }
    int infoColumn() const override { return 1; }
    int infoColumnCell() const override { return 1; }
    bool useSeiriPrev() const override { return false; }
    QString seiriPlgFile() const override { return {}; }

    quint32 seiriNumColor(int state) const override { return 0xA0u + quint32(state); }
    bool panelAuto() const override { return automatic; }
    bool panelUser(int state) const override { return user[state]; }
    QString panelFile(int state) const override { return files[state]; }
    QString resetSound() const override { return QStringLiteral("reset.wav"); }
    void showOptions() override
    {
        if (onShow)
            onShow();
    }
};

class FakeSound final : public SoundPlayer {
public:
    QStringList played; // "file@channel"
    int closeAll = 0;
    std::function<void()> onCloseAll;
    void PlaySnd(const QString& file, const QString& channel, bool, qint16) override
    {
        played << file + u'@' + channel;
    }
    void CloseAllSnd() override
    {
        ++closeAll;
        if (onCloseAll)
            onCloseAll();
    }
};

// Settings ports of the dialog and the board that take and give nothing.
class IdleOptionPort final : public OptionIniPort {
public:
    void GetOptionInfo(IniData&) const override {}
    void SetOptionInfo(const IniData&) override {}
    void SetProp() override {}
};

class IdleBoardPort final : public BoardIniPort {
public:
    void GetFormInfo(ini::FormInfo&) const override {}
    void SetFormInfo(const ini::FormInfo&) override {}
    ini::DegitCellInfo GetDegitCell(int) const override { return {}; }
    void SetDegitCell(int, const ini::DegitCellInfo&, const DegitColors&) override {}
    void SetTimeDegitColors(int, const DegitColors&) override {}
    void SetChimeiColors(quint32, quint32) override {}
    void SetSeiriNumVisible(bool) override {}
    void SeirikenNumSet(qint16&, qint16&) override {}
    void SetSeiriNumColor(quint32) override {}
    void SetAllDegitColors(const DegitColors&) override {}
    void SetChimeiProps(quint32, quint32, qint16, bool) override {}
};

} // namespace lumena::test
