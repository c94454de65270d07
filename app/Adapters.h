#pragma once
// The windows as the other windows' ports see them: the options dialog as the
// panel reads it, the fare data folder with the bundled samples as its
// default, and the panel's tape frame for the announcement tape.

#include "panel/PanelPorts.h"
#include "panel/RunPorts.h"
#include "sound/Tape.h"

namespace lumena {

class PanelWindow;
class OptionsDialog;

class OptionPanelPort final : public PanelOptions {
public:
    explicit OptionPanelPort(OptionsDialog& options) : m_options(options) {}
    quint32 seiriNumColor(int state) const override;
    bool panelAuto() const override;
    bool panelUser(int state) const override;
    QString panelFile(int state) const override;
    QString resetSound() const override;
    QString routeSetSound() const override;
    void showOptions() override;

private:
    OptionsDialog& m_options;
};

// The folder of the bundled sample routes: samples/data beside the
// executable, in the installed share folder, or in the source tree the
// program was built from; empty when none exists.
QString bundledSampleData();

// The options as the run logic reads them, except that an empty fare or
// announcement folder means the bundled samples, so that a first start shows
// the sample routes. The dialog itself still shows (and saves) what the user
// typed.
class RunOptionsWithSamples final : public RunOptions {
public:
    RunOptionsWithSamples(RunOptions& options, QString samples)
        : m_options(options), m_samples(std::move(samples))
    {
    }
    QString fareDataDir() const override;
    QString tapeDataDir() const override;
    QString routeSetSound() const override { return m_options.routeSetSound(); }
    DateMode dateMode() const override { return m_options.dateMode(); }
    QString fixedDate() const override { return m_options.fixedDate(); }
    bool stepSoundAlways() const override { return m_options.stepSoundAlways(); }
    QString stepSoundFile() const override { return m_options.stepSoundFile(); }
    QString stepSound(int n) const override { return m_options.stepSound(n); }
    int stepSoundColumn() const override { return m_options.stepSoundColumn(); }
    bool stepSoundSync() const override { return m_options.stepSoundSync(); }
    bool infoStopOrderOn() const override { return m_options.infoStopOrderOn(); }
    int infoStopOrderCell() const override { return m_options.infoStopOrderCell(); }
    bool infoStopOrderFromZero() const override { return m_options.infoStopOrderFromZero(); }
    bool infoSeiriNumOn() const override { return m_options.infoSeiriNumOn(); }
    int infoSeiriNumCell() const override { return m_options.infoSeiriNumCell(); }
    bool infoRouteNumOn() const override { return m_options.infoRouteNumOn(); }
    int infoRouteNumCell() const override { return m_options.infoRouteNumCell(); }
    bool infoColumnOn() const override { return m_options.infoColumnOn(); }
    int infoColumn() const override { return m_options.infoColumn(); }
    int infoColumnCell() const override { return m_options.infoColumnCell(); }
    bool useSeiriPrev() const override { return m_options.useSeiriPrev(); }
    QString seiriPlgFile() const override { return m_options.seiriPlgFile(); }

private:
    RunOptions& m_options;
    QString m_samples;
};

// The tape is made before the panel that holds its frame; this hands the
// tape's calls on once the panel exists.
class TapeFrameRelay final : public TapeFrame {
public:
    TapeFrame* target = nullptr;
    void setTapeCaption(const QString& caption) override
    {
        if (target)
            target->setTapeCaption(caption);
    }
    void setTapeFrameEnabled(bool enabled) override
    {
        if (target)
            target->setTapeFrameEnabled(enabled);
    }
    void setTapeButtonsEnabled(bool enabled) override
    {
        if (target)
            target->setTapeButtonsEnabled(enabled);
    }
    QObject* tapeDialogOwner() override { return target ? target->tapeDialogOwner() : nullptr; }
};

} // namespace lumena
