#pragma once
// Recording stand-ins for what the run logic and the operation panel reach;
// given a CallLog, each also writes its calls into it, in order across them.

#include "panel/PanelPorts.h"
#include "panel/RunPorts.h"
#include "sound/SoundPorts.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"

#include <QImage>
#include <QMap>
#include <QStringList>
#include <functional>

namespace lumena::test {

// Calls in order, each with the host's count of waits and event runs then.
struct CallLog {
    const FakeHost* host = nullptr;
    QStringList calls;
    std::vector<std::pair<size_t, int>> hostState;

    void add(const QString& call)
    {
        calls << call;
        hostState.emplace_back(host ? host->waits.size() : 0, host ? host->eventRuns : 0);
    }
};

inline void note(CallLog* log, const QString& call)
{
    if (log)
        log->add(call);
}

class FakeOptions final : public RunOptions, public PanelOptions {
public:
    QString fareDir, tapeDir;
    DateMode mode = DateMode::EachPrint;
    QString fixed = QStringLiteral("04-01-2027");
    bool always = true;
    QString alwaysFile = QStringLiteral("step.wav");
    QString byValue[3] = {QStringLiteral("one.wav"), QStringLiteral("two.wav"),
                          QStringLiteral("three.wav")};
    int soundColumn = 51;
    bool sync = true;
    bool orderOn = false, orderFromZero = false, seiriOn = false, routeOn = false, columnOn = false;
    int orderCell = 1, seiriCell = 2, routeCell = 3, column = 51, columnCell = 4;
    bool preview = false;
    QString plugin = QStringLiteral("/plug/ticket.4SP");
    bool automatic = true;
    bool user[3] = {};
    QString files[3];

    QString fareDataDir() const override { return fareDir; }
    QString tapeDataDir() const override { return tapeDir; }
    QString routeSetSound() const override { return QStringLiteral("route.wav"); }
    DateMode dateMode() const override { return mode; }
    QString fixedDate() const override { return fixed; }
    bool stepSoundAlways() const override { return always; }
    QString stepSoundFile() const override { return alwaysFile; }
    QString stepSound(int n) const override { return byValue[n - 1]; }
    int stepSoundColumn() const override { return soundColumn; }
    bool stepSoundSync() const override { return sync; }
    bool infoStopOrderOn() const override { return orderOn; }
    int infoStopOrderCell() const override { return orderCell; }
    bool infoStopOrderFromZero() const override { return orderFromZero; }
    bool infoSeiriNumOn() const override { return seiriOn; }
    int infoSeiriNumCell() const override { return seiriCell; }
    bool infoRouteNumOn() const override { return routeOn; }
    int infoRouteNumCell() const override { return routeCell; }
    bool infoColumnOn() const override { return columnOn; }
    int infoColumn() const override { return column; }
    int infoColumnCell() const override { return columnCell; }
    bool useSeiriPrev() const override { return preview; }
    QString seiriPlgFile() const override { return plugin; }
    quint32 seiriNumColor(int state) const override { return 0xA0u + quint32(state); }
    bool panelAuto() const override { return automatic; }
    bool panelUser(int state) const override { return user[state]; }
    QString panelFile(int state) const override { return files[state]; }
    QString resetSound() const override { return QStringLiteral("reset.wav"); }
    std::function<void()> onShowOptions;
    void showOptions() override
    {
        if (onShowOptions)
            onShowOptions();
    }
};

class FakeBoard final : public BoardDisplay, public PanelBoard {
public:
    CallLog* log = nullptr;
    QStringList chimei;
    QMap<int, QVariant> values; // what each cell shows now
    QList<int> blanked;         // ResetDegit(cell, false)
    QImage background;
    quint32 seiriNumColor = 0;
    bool clockRunning = true;
    bool clockShown = false;
    int clockClears = 0;

    void SetChimei(const QString& text) override
    {
        chimei << text;
        note(log, QStringLiteral("SetChimei:") + text);
    }
    void ResetDegit(int cell, bool lit) override
    {
        if (!lit)
            blanked << cell;
        note(log, QStringLiteral("ResetDegit:%1:%2").arg(cell).arg(lit));
    }
    void setDegitValue(int cell, const QVariant& value) override
    {
        values[cell] = value;
        note(log, QStringLiteral("Value:%1:%2").arg(cell).arg(value.toString()));
    }
    void setBoardCaption(const QString&) override {}
    QImage builtInPicture(int state) const override
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(QColor::fromRgb(10 * (state + 1), 0, 0));
        return picture;
    }
    void setBackgroundPicture(const QImage& picture) override { background = picture; }
    void setSeiriNumColor(quint32 color) override { seiriNumColor = color; }
    void setClockRunning(bool running) override { clockRunning = running; }
    bool clockVisible() const override { return clockShown; }
    void clearClock() override { ++clockClears; }
    void setChimeiScroll(qint16, qint32) override {}
    bool boardEnabled = true;
    void setBoardEnabled(bool enabled) override { boardEnabled = enabled; }
};

// The panel's controls; the preview picture is cleared to white as the
// panel's own preview does.
class FakePanel final : public PanelControls {
public:
    CallLog* log = nullptr;
    bool night = false;
    int company = -1;
    QImage image{8, 8, QImage::Format_RGB32};

    bool lateNight() const override { return night; }
    int companyIndex() const override { return company; }
    void enableStepping() override { note(log, QStringLiteral("enableStepping")); }
    void clearPreview() override
    {
        image.fill(Qt::white);
        note(log, QStringLiteral("clearPreview"));
    }
    QImage* previewImage() override { return &image; }
    void repaintPreview() override { note(log, QStringLiteral("repaintPreview")); }
};

class FakeSound final : public SoundPlayer {
public:
    CallLog* log = nullptr;
    QStringList played; // "file@channel"
    std::function<void()> onCloseAll;

    void PlaySnd(const QString& file, const QString& channel, bool sync, qint16 waitMs) override
    {
        played << file + u'@' + channel;
        note(log, QStringLiteral("PlaySnd:%1:%2:%3:%4").arg(file, channel).arg(sync).arg(waitMs));
    }
    void CloseAllSnd() override
    {
        note(log, QStringLiteral("CloseAllSnd"));
        if (onCloseAll)
            onCloseAll();
    }
};

class FakeTape final : public TapeLoader {
public:
    CallLog* log = nullptr;
    void LoadTapeData(const QString& folder, const QString& route) override
    {
        note(log, QStringLiteral("LoadTapeData:%1:%2").arg(folder, route));
    }
};

} // namespace lumena::test
