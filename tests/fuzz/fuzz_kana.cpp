// Readings files and kana reading on any bytes: every reading read has a
// written form and a reading, without quotes or line breaks; a
// written form alone reads as its first reading in katakana; and whatever
// the text, the kana read has no Latin letter left.
#include "reslib/ShiftJis.h"
#include "sound/KanaReader.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::unique_ptr<KanaReader> reader = KanaReader::create();
    FUZZ_CHECK(reader);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QPair<QString, QString>> readings = KanaReader::parseReadings(bytes);
    for (const auto& [written, reading] : readings) {
        for (const QString& s : {written, reading})
            FUZZ_CHECK(!s.isEmpty() && !s.contains(u'"') && !s.contains(u'\n') &&
                       !s.contains(u'\r'));
    }
    reader->setReadings(readings);
    for (qsizetype i = 0; i < qMin<qsizetype>(readings.size(), 8); ++i) {
        const QString& written = readings[i].first;
        const auto first = std::find_if(readings.begin(), readings.end(),
                                        [&](const auto& r) { return r.first == written; });
        FUZZ_CHECK(reader->toKana(written) ==
                   KanaReader::spellLatin(KanaReader::toKatakana(first->second)));
    }
    const QString kana = reader->toKana(sjis::toUnicode(bytes));
    for (const QChar c : kana)
        FUZZ_CHECK(!(c >= u'A' && c <= u'Z') && !(c >= u'a' && c <= u'z') &&
                   !(c >= u'\uFF21' && c <= u'\uFF3A') && !(c >= u'\uFF41' && c <= u'\uFF5A'));
    return 0;
}
