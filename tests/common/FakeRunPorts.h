#pragma once
// Recording stand-ins for everything RunController reaches. All of them
// write into one CallLog so a test can check the order of calls across
// board, panel, sound, tape and resource library; each entry also notes how
// many waits and event runs the FakeHost had seen at that moment.

#include "panel/RouteFile.h"
#include "panel/RouteState.h"
#include "panel/RunPorts.h"
#include "sound/SoundPorts.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"

#include <QFile>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <map>

namespace lumena::test {

struct CallLog {
    const FakeHost* host = nullptr;
    QStringList calls;
    std::vector<std::pair<size_t, int>> hostState; // (waits, event runs) at each call

    void add(const QString& call)
    {
        calls << call;
        hostState.emplace_back(host ? host->waits.size() : 0, host ? host->eventRuns : 0);
    }
    QStringList named(const QString& prefix) const
    {
        QStringList out;
        for (const QString& c : calls)
            if (c.startsWith(prefix))
                out << c;
        return out;
    }
};

// Not final: a test may add the panel's own option ports to it.
struct FakeRunOptions : RunOptions {
    QString fareDir, tapeDir, routeSound;
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

    QString fareDataDir() const override { return fareDir; }
    QString tapeDataDir() const override { return tapeDir; }
    QString routeSetSound() const override { return routeSound; }
    DateMode dateMode() const override { return mode; }
    QString fixedDate() const override { return fixed; }
    bool stepSoundAlways() const override { return always; }
    QString stepSoundFile() const override { return alwaysFile; }
    QString stepSound(int n) const override
    {
        return n >= 1 && n <= 3 ? byValue[n - 1] : QString();
    }
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
};

struct RecordingBoard final : BoardDisplay {
    CallLog& log;
    std::map<int, QVariant> cells; // the value each cell shows now
    explicit RecordingBoard(CallLog& l) : log(l) {}
    void SetChimei(const QString& text) override { log.add(QStringLiteral("SetChimei:") + text); }
    void ResetDegit(int cell, bool lit) override
    {
        log.add(QStringLiteral("ResetDegit:%1:%2").arg(cell).arg(lit));
    }
    void setDegitValue(int cell, const QVariant& value) override
    {
        cells[cell] = value;
        log.add(QStringLiteral("Value:%1:%2").arg(cell).arg(value.toString()));
    }
};

struct RecordingPanel final : PanelControls {
    CallLog& log;
    bool night = false;
    int company = -1;
    QImage image{8, 8, QImage::Format_ARGB32};
    explicit RecordingPanel(CallLog& l) : log(l) {}
    bool lateNight() const override { return night; }
    int companyIndex() const override { return company; }
    void enableStepping() override { log.add(QStringLiteral("enableStepping")); }
    void clearPreview() override { log.add(QStringLiteral("clearPreview")); }
    QImage* previewImage() override { return &image; }
    void repaintPreview() override { log.add(QStringLiteral("repaintPreview")); }
};

struct RecordingSound final : SoundPlayer {
    CallLog& log;
    explicit RecordingSound(CallLog& l) : log(l) {}
    void PlaySnd(const QString& file, const QString& channel, bool sync, qint16 waitMs) override
    {
        log.add(QStringLiteral("PlaySnd:%1:%2:%3:%4").arg(file, channel).arg(sync).arg(waitMs));
    }
    void CloseAllSnd() override { log.add(QStringLiteral("CloseAllSnd")); }
};

struct RecordingTape final : TapeLoader {
    CallLog& log;
    explicit RecordingTape(CallLog& l) : log(l) {}
    void LoadTapeData(const QString& folder, const QString& route) override
    {
        log.add(QStringLiteral("LoadTapeData:%1:%2").arg(folder, route));
    }
};

// The resource library fake, also logging the ticket drawing into the
// shared log and optionally rewriting the in/out texts as a plug-in may.
struct LoggingResLib final : FakeResLib {
    CallLog& log;
    QString rewriteName, rewriteDate;
    explicit LoggingResLib(CallLog& l) : log(l) {}
    qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                            const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                            qint16 company) override
    {
        FakeResLib::Vk4_DrawSeiriken(path, dc, stopName, date, time, routeNumber, ticketNo, row,
                                     company);
        log.add(QStringLiteral("Vk4_DrawSeiriken"));
        if (!rewriteName.isNull())
            stopName = rewriteName;
        if (!rewriteDate.isNull())
            date = rewriteDate;
        return 0;
    }
};

// What a RunController needs besides its panel and resource library, with a
// folder for the route files; a test adds those two and the controller.
struct RunRig {
    CallLog log;
    FakeHost host;
    FakeRunOptions options;
    RecordingBoard board{log};
    RecordingSound sound{log};
    RecordingTape tape{log};
    RouteState data;
    QTemporaryDir dir;

    RunRig()
    {
        log.host = &host;
        options.fareDir = dir.path();
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file");
    }
    void writeRoute(const QString& name, const QList<RouteRecord>& stops)
    {
        QByteArray bytes;
        if (routefile::encode(stops, bytes))
            qFatal("cannot encode the route");
        write(name, bytes);
    }
};

} // namespace lumena::test
