#include "sound/Tape.h"

#include "reslib/Host.h"
#include "reslib/InputFile.h"
#include "reslib/ResLib.h"
#include "sound/KanaReader.h"

#include <QLocale>

namespace lumena {

namespace {
const QString kUsable = QStringLiteral("音合使用可");
const QString kUnusable = QStringLiteral("音合使用不可");
const QString kVoiceTitle = QStringLiteral("音声の調節");
} // namespace

Tape::Tape(TapeFrame& frame, TapeOptions& options, SoundPlayer& sound, ResLib& res, Host& host,
           EngineFactory makeEngine)
    : m_frame(frame), m_options(options), m_sound(sound), m_res(res), m_host(host),
      m_makeEngine(std::move(makeEngine))
{
}

Tape::~Tape() = default;

bool Tape::isVista()
{
    return m_res.GetOsInfo() == u"Windows Vista";
}

void Tape::markUnavailable()
{
    m_available = false;
    m_frame.setTapeCaption(kUnusable);
    m_frame.setTapeFrameEnabled(false);
}

void Tape::InitSpeech()
{
    if (isVista()) {
        markUnavailable();
        return;
    }
    m_engine = m_makeEngine ? m_makeEngine() : nullptr;
    if (!m_engine) {
        markUnavailable();
        return;
    }
    m_frame.setTapeFrameEnabled(true);
    m_frame.setTapeCaption(kUsable);
    m_available = true;
}

void Tape::TermSpeech()
{
    if (m_engine)
        m_engine->Stop();
    m_engine.reset();
}

void Tape::LoadTapeData(const QString& folder, const QString& route)
{
    if (isVista())
        return;
    if (m_engine) {
        // A readings file over its limit is not handed on: the engine then
        // reads with none.
        QString readings = folder + QLatin1StringView(kReadingsFile);
        if (checkInputFile(readings, readings_limits::MaxFileBytes) == InputCheck::TooLarge) {
            m_host.message(QStringLiteral("読み仮名のファイル（%1）は大きすぎるため使いません。"
                                          "上限は%2です。")
                               .arg(readings, byteCountText(readings_limits::MaxFileBytes)));
            readings.clear();
        }
        m_engine->SetReadingsFile(readings);
    }

    // Any failure leaves the table, count and position as far as they got and
    // disables the frame. The buttons are disabled too, so a half-read table
    // cannot be played when the display-clear switch enables the frame again.
    // Only a file over a limit is reported; any other failure is silent.
    const auto fail = [this] {
        m_frame.setTapeFrameEnabled(false);
        m_frame.setTapeButtonsEnabled(false);
    };

    const QString path = tapeFilePath(folder, route);
    m_count = 0;
    QByteArray data;
    switch (readInputFile(path, tape_limits::MaxFileBytes, data)) {
    case InputCheck::Ok:
        break;
    case InputCheck::TooLarge:
        m_host.message(QStringLiteral("放送用データのファイル（%1）が大きすぎます。上限は%2です。")
                           .arg(path, byteCountText(tape_limits::MaxFileBytes)));
        return fail();
    default:
        return fail();
    }
    const QList<QByteArrayView> lines = tapeLines(data, tape_limits::MaxLines);
    if (lines.size() > tape_limits::MaxLines) {
        m_host.message(
            QStringLiteral("放送用データのファイル（%1）の行数が上限の%2行を超えています。")
                .arg(path, QLocale(QLocale::English).toString(qlonglong(tape_limits::MaxLines))));
        return fail();
    }
    m_count = qint32(lines.size());

    m_table.assign(size_t(m_count), TapeEntry{});
    m_pos = 0;
    for (const QByteArrayView line : lines) {
        ++m_pos;
        const std::optional<TapeEntry> entry = parseTapeLine(line);
        if (!entry)
            return fail();
        m_table[size_t(m_pos - 1)] = *entry;
    }

    if (m_available) {
        m_frame.setTapeFrameEnabled(true);
        m_frame.setTapeButtonsEnabled(true);
    }
    m_pos = 0;
}

qint16 Tape::GetTapeStepFlag(qint32 pos) const
{
    return (pos >= 1 && pos <= m_count) ? entry(pos).TapeStepFlag : 0;
}

qint16 Tape::GetTapeSndFlag(qint32 pos) const
{
    return (pos >= 1 && pos <= m_count) ? entry(pos).TapeSndFlag : 0;
}

QString Tape::preSound(qint16 flag) const
{
    return (flag >= 1 && flag <= 3) ? m_options.preSound(flag) : QString();
}

void Tape::SpeakTape(qint32 pos)
{
    if (!m_engine || pos < 1 || pos > m_count)
        return;
    m_engine->Stop();
    m_engine->Speak(entry(pos).TapeText);
    if (m_engine->Status() == SpeechFailed)
        m_engine->Stop();
}

void Tape::TapeNext()
{
    ++m_pos;
    if (m_pos > m_count) {
        m_pos = m_count;
        return;
    }
    const QString sound =
        m_options.preSoundAlways() ? m_options.preSoundFile() : preSound(GetTapeSndFlag(m_pos));
    if (!sound.isEmpty())
        m_sound.PlaySnd(sound, QStringLiteral("S3"), m_options.preSoundSync(), 0);
    SpeakTape(m_pos);
}

void Tape::TapeBack()
{
    --m_pos;
    if (m_pos < 1) {
        m_pos = 1;
        return;
    }
    // Stepping back never plays the "always" sound; it shares "S2" with the
    // board's step sound.
    const QString sound = preSound(GetTapeSndFlag(m_pos));
    if (!sound.isEmpty())
        m_sound.PlaySnd(sound, QStringLiteral("S2"), m_options.preSoundSync(), 0);
    SpeakTape(m_pos);
}

void Tape::TapeStop()
{
    if (m_engine)
        m_engine->Stop();
}

void Tape::ShowVoiceDlg()
{
    if (m_engine)
        m_engine->ShowSettingsDlg(m_frame.tapeDialogOwner(), kVoiceTitle);
}

} // namespace lumena
