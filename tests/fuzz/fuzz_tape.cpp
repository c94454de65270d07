// Announcement files on any bytes: the lines are the file's text between
// its line breaks; an entry written back as a line reads as the same entry;
// the tape loads a file whose every line is an entry and its buttons read
// each entry aloud at its place with the chime of its flag, the position
// never leaving 1..TapeCount.
#include "reslib/ShiftJis.h"
#include "sound/Tape.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

namespace {

struct Speech final : SpeechEngine {
    QStringList* spoken;
    explicit Speech(QStringList* s) : spoken(s) {}
    void Speak(const QString& text) override { *spoken << text; }
    void Stop() override {}
    qint32 Status() const override { return SpeechIdle; }
    void ShowSettingsDlg(QObject*, const QString&) override {}
    void SetReadingsFile(const QString&) override {}
};

struct Frame final : TapeFrame, TapeOptions {
    void setTapeCaption(const QString&) override {}
    void setTapeFrameEnabled(bool) override {}
    void setTapeButtonsEnabled(bool) override {}
    QObject* tapeDialogOwner() override { return nullptr; }
    bool preSoundAlways() const override { return false; }
    QString preSoundFile() const override { return {}; }
    QString preSound(int n) const override { return QString::number(n); }
    bool preSoundSync() const override { return false; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QList<QByteArrayView> lines = tapeLines(bytes);
    QByteArray text = bytes.toByteArray().replace("\r\n", "\n").replace('\r', '\n');
    if (text.endsWith('\n'))
        text.chop(1);
    QByteArrayList parts;
    bool all = lines.size() <= tape_limits::MaxLines;
    for (const QByteArrayView line : lines) {
        parts << line.toByteArray();
        const std::optional<TapeEntry> e = parseTapeLine(line);
        all = all && e;
        if (!e || e->TapeText.contains(u'"') || e->TapeText.contains(QChar(0xFFFD)))
            continue;
        const QByteArray again = '"' + sjis::fromUnicode(e->TapeText) + "\"," +
                                 QByteArray::number(e->TapeStepFlag) + ',' +
                                 QByteArray::number(e->TapeSndFlag);
        FUZZ_CHECK(parseTapeLine(again) == e);
    }
    FUZZ_CHECK(parts.join('\n') == text);

    Frame frame;
    test::FakeSound sound;
    test::FakeResLib res;
    test::FakeHost host;
    QStringList spoken;
    Tape tape(frame, frame, sound, res, host, [&] { return std::make_unique<Speech>(&spoken); });
    tape.InitSpeech();
    fuzz::put(QStringLiteral("1tp.csv"), bytes);
    tape.LoadTapeData(fuzz::dir(), QStringLiteral("1"));
    if (!all)
        return 0;
    const qint32 count = tape.TapeCount();
    FUZZ_CHECK(count == lines.size() && tape.TapePos() == 0);
    const auto press = [&](bool next, qint32 expected) {
        const qsizetype heard = spoken.size(), played = sound.played.size();
        const qint32 from = tape.TapePos();
        next ? tape.TapeNext() : tape.TapeBack();
        FUZZ_CHECK(tape.TapePos() == expected);
        const bool moved = spoken.size() > heard;
        FUZZ_CHECK(moved == (expected != from && expected <= count));
        FUZZ_CHECK(!moved || spoken.last() == tape.entry(expected).TapeText);
        const qint16 flag = tape.GetTapeSndFlag(expected);
        FUZZ_CHECK(sound.played.size() - played == (moved && flag >= 1 && flag <= 3 ? 1 : 0));
    };
    for (qint32 pos = 1; pos <= count; ++pos) {
        FUZZ_CHECK(tape.entry(pos) == parseTapeLine(lines[pos - 1]));
        press(true, pos);
    }
    press(true, count);
    for (qint32 pos = count - 1; pos >= 1; --pos)
        press(false, pos);
    press(false, 1);
    return 0;
}
