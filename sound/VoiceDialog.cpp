#include "sound/VoiceDialog.h"

#include "reslib/Japanese.h"
#include "sound/EspeakSpeech.h"
#include "sound/SpeechUi.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace lumena {

namespace {

QSlider* makeSlider(const QString& name, int lo, int hi, int value, QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setValue(value);
    return s;
}

} // namespace

VoiceDialog::VoiceDialog(EspeakSpeech& engine, const QString& title, QWidget* parent)
    : QDialog(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("VoiceDlg"));
    setWindowTitle(title);
    const VoiceSettings s = engine.settings();

    m_voice = new QComboBox(this);
    m_voice->setObjectName(QStringLiteral("cboVoice"));
    for (const auto& [name, label] : EspeakSpeech::voices())
        m_voice->addItem(label, name);
    m_voice->setCurrentIndex(std::max(0, m_voice->findData(s.voice)));
    m_speed = makeSlider(QStringLiteral("sldSpeed"), 80, 450, s.rate, this);
    m_pitch = makeSlider(QStringLiteral("sldPitch"), 0, 100, s.pitch, this);
    m_volume = makeSlider(QStringLiteral("sldVolume"), 0, 200, s.volume, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("声:"), m_voice);
    form->addRow(QStringLiteral("速さ:"), m_speed);
    form->addRow(QStringLiteral("高さ:"), m_pitch);
    form->addRow(QStringLiteral("音量:"), m_volume);

    auto* test = new QPushButton(QStringLiteral("試聴"), this);
    test->setObjectName(QStringLiteral("cmdTest"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    japanese::setButtonTexts(*buttons);
    buttons->addButton(test, QDialogButtonBox::ActionRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_voice, &QComboBox::currentIndexChanged, this, &VoiceDialog::applyControls);
    for (QSlider* sl : {m_speed, m_pitch, m_volume})
        connect(sl, &QSlider::valueChanged, this, &VoiceDialog::applyControls);
    connect(test, &QPushButton::clicked, this, [this] { m_engine.Speak(kSample); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_initial = s;
}

// The controls' values become the engine's at once, so the test button reads
// with them.
void VoiceDialog::applyControls()
{
    VoiceSettings s;
    s.voice = m_voice->currentData().toString();
    s.rate = m_speed->value();
    s.pitch = m_pitch->value();
    s.volume = m_volume->value();
    m_engine.setSettings(s);
}

void VoiceDialog::reject()
{
    m_engine.Stop();
    m_engine.setSettings(m_initial);
    QDialog::reject();
}

void VoiceDialog::showModal(QObject* owner, const QString& title, EspeakSpeech& engine)
{
    VoiceDialog dlg(engine, title, qobject_cast<QWidget*>(owner));
    dlg.exec();
}

std::unique_ptr<SpeechEngine> createSpeechEngine(SpeechOutput& output)
{
    std::unique_ptr<EspeakSpeech> engine = EspeakSpeech::create(output);
    if (engine)
        engine->setDialogHook(&VoiceDialog::showModal);
    return engine;
}

} // namespace lumena
