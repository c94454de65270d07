// The settings codec on any bytes: a refused file leaves the record as it
// was; an accepted one encodes to no more bytes than it took, and decoding
// that gives a record that encodes the same (the same record when no text
// held an invalid byte).
#include "reslib/ShiftJis.h"
#include "settings/IniCodec.h"
#include "settings/IniFields.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

namespace {

struct InvalidText {
    bool found = false;
    void item(const char*, const QString& v) { found = found || v.contains(QChar(0xFFFD)); }
    void item(const char*, const auto&) {}
    void custColors(const auto&) {}
    void cellCount(const auto&) {}
    void cells(const auto&) {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniData read;
    read.DataDirInfo.FareDataDir = QStringLiteral("前");
    const IniData before = read;
    Error error;
    if (!decodeIni(QByteArrayView(data, qsizetype(size)), read, error)) {
        FUZZ_CHECK(read == before && error.code != 0);
        return 0;
    }
    FUZZ_CHECK(qsizetype(size) >= IniMinimumSize);
    const QByteArray file = encodeIni(read);
    FUZZ_CHECK(file.size() >= IniMinimumSize && file.size() <= qsizetype(size));
    IniData again;
    FUZZ_CHECK(decodeIni(file, again, error) && encodeIni(again) == file);
    InvalidText invalid;
    visitIniFields(read, invalid);
    FUZZ_CHECK(invalid.found || again == read);
    return 0;
}
