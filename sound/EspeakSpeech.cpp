#include "sound/EspeakSpeech.h"

#include "reslib/SystemPaths.h"

#include <QDir>
#include <QFileInfo>

#include <espeak-ng/speak_lib.h>

namespace lumena {

namespace {

int g_rate = 0; // espeak-ng's output rate once initialised, -1 after a failure

// Where the samples of one espeak_Synth call go: into a vector, or straight
// to the speech output, which starts playing with the first block.
struct SynthTarget {
    std::vector<std::int16_t>* samples = nullptr;
    SpeechOutput* output = nullptr;
    int rate = 0;
    bool started = false;
    bool refused = false;
};

int collect(short* wav, int count, espeak_EVENT* events)
{
    if (!wav || count <= 0 || !events || !events->user_data)
        return 0;
    auto* t = static_cast<SynthTarget*>(events->user_data);
    if (t->samples) {
        t->samples->insert(t->samples->end(), wav, wav + count);
        return 0;
    }
    if (!t->started) {
        t->started = true;
        t->refused = !t->output->beginSpeech(t->rate);
    }
    if (t->refused)
        return 1; // abort: nothing can be heard
    t->output->appendSpeech(wav, std::size_t(count));
    return 0;
}

bool applyVoice(const VoiceSettings& s)
{
    if (espeak_SetVoiceByName(s.voice.toLatin1().constData()) != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, std::clamp(s.rate, 80, 450), 0);
    espeak_SetParameter(espeakPITCH, std::clamp(s.pitch, 0, 100), 0);
    espeak_SetParameter(espeakVOLUME, std::clamp(s.volume, 0, 200), 0);
    return true;
}

} // namespace

std::unique_ptr<EspeakSpeech> EspeakSpeech::create(SpeechOutput& output)
{
    if (g_rate == 0) {
        g_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
        if (g_rate <= 0)
            g_rate = -1;
        else
            espeak_SetSynthCallback(&collect);
    }
    if (g_rate < 0 || !applyVoice(VoiceSettings{}))
        return nullptr;
    std::unique_ptr<KanaReader> reader = KanaReader::create();
    if (!reader)
        return nullptr;
    return std::unique_ptr<EspeakSpeech>(new EspeakSpeech(output, std::move(reader), g_rate));
}

bool EspeakSpeech::installed()
{
    const QDir espeak(system_paths::espeakData());
    const QDir dictionary(system_paths::mecabDictionary());
    return espeak.exists(QStringLiteral("phontab")) && espeak.exists(QStringLiteral("ja_dict")) &&
           espeak.exists(QStringLiteral("lang/jpx/ja")) &&
           dictionary.exists(QStringLiteral("sys.dic"));
}

EspeakSpeech::EspeakSpeech(SpeechOutput& output, std::unique_ptr<KanaReader> reader, int rate)
    : m_output(output), m_reader(std::move(reader)), m_rate(rate)
{
}

std::vector<std::int16_t> EspeakSpeech::synthesize(const QString& kana)
{
    std::vector<std::int16_t> samples;
    SynthTarget target;
    target.samples = &samples;
    const QByteArray utf8 = kana.toUtf8();
    if (utf8.isEmpty())
        return samples;
    if (espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8, nullptr, &target) != EE_OK)
        samples.clear();
    return samples;
}

void EspeakSpeech::Speak(const QString& text)
{
    m_output.stopSpeech();
    m_failed = false;
    const QString kana = m_reader->toKana(text);
    if (kana.trimmed().isEmpty())
        return; // an empty entry starts and ends at once
    // espeak hands its samples over in blocks as it goes; the first block is
    // heard while the rest is still being made.
    SynthTarget target;
    target.output = &m_output;
    target.rate = m_rate;
    const QByteArray utf8 = kana.toUtf8();
    const espeak_ERROR err = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0,
                                          POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &target);
    if (target.started && !target.refused)
        m_output.endSpeech();
    m_failed = err != EE_OK || !target.started || target.refused;
    if (m_failed)
        m_output.stopSpeech();
}

void EspeakSpeech::Stop()
{
    m_failed = false;
    m_output.stopSpeech();
}

qint32 EspeakSpeech::Status() const
{
    if (m_failed)
        return SpeechFailed;
    return m_output.speechPlaying() ? SpeechSpeaking : SpeechIdle;
}

void EspeakSpeech::ShowSettingsDlg(QObject* owner, const QString& title)
{
    if (m_dialog)
        m_dialog(owner, title, *this);
}

void EspeakSpeech::SetReadingsFile(const QString& path)
{
    m_reader->loadReadings(path);
}

QList<QPair<QString, QString>> EspeakSpeech::voices()
{
    return {
        {QStringLiteral("ja"), QStringLiteral("標準")},
        {QStringLiteral("ja+f2"), QStringLiteral("女声1")},
        {QStringLiteral("ja+f4"), QStringLiteral("女声2")},
        {QStringLiteral("ja+m3"), QStringLiteral("男声1")},
        {QStringLiteral("ja+m7"), QStringLiteral("男声2")},
    };
}

bool EspeakSpeech::setSettings(const VoiceSettings& settings)
{
    if (!applyVoice(settings)) {
        applyVoice(m_settings);
        return false;
    }
    m_settings = settings;
    return true;
}

} // namespace lumena
