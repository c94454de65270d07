#pragma once
// Recording stand-ins for what the operation panel drives: the board window,
// the options dialog's values and the sound channels.

#include "panel/PanelPorts.h"
#include "tests/common/FakeRunPorts.h"

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

class FakeOptions final : public FakeRunOptions, public PanelOptions {
public:
    bool automatic = true;
    bool user[3] = {};
    QString files[3];
    std::function<void()> onShow;

    FakeOptions() { routeSound = QStringLiteral("route.wav"); }
    QString routeSetSound() const override { return routeSound; } // both ports ask for it
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

} // namespace lumena::test
