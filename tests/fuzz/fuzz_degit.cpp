// The digit text rule for any value and settings: at most keta characters,
// the shift's blanks at the right, the same text as the unshifted and
// untruncated one cut to size; a whole number zero-filled reads back as the
// number with at least fillZero digits; a text without fill stays as it is.
#include "board/DegitText.h"
#include "tests/fuzz/Fuzz.h"

#include <bit>

using namespace lumena;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto zeroMode = in.ConsumeIntegral<qint16>(), fillZero = in.ConsumeIntegral<qint16>();
    const auto shift = in.ConsumeIntegral<qint16>(), keta = in.ConsumeIntegral<qint16>();
    const int kind = in.ConsumeIntegralInRange(0, 5);
    const auto number = in.ConsumeIntegral<qint64>();
    QVariant value;
    switch (kind) {
    case 1:
        value = number;
        break;
    case 2:
        value = std::bit_cast<double>(number);
        break;
    case 3:
        value = bool(number & 1);
        break;
    case 4:
        value = quint64(number);
        break;
    case 5:
        value = QString::fromUtf8(QByteArray::fromStdString(in.ConsumeRemainingBytesAsString()));
        break;
    }
    const QString lit = degitLitText(value, zeroMode, fillZero, shift, keta);
    FUZZ_CHECK(lit.size() <= qMax<int>(keta, 0));
    const QString blanks(qMax<int>(shift, 0), u' ');
    FUZZ_CHECK(shift <= 0 || keta <= shift || lit.endsWith(blanks));
    const QString full = degitLitText(value, zeroMode, fillZero, 0, 32767);
    FUZZ_CHECK(full.size() == 32767 || lit == (full + blanks).right(qMax<int>(keta, 0)));
    const bool kept = zeroMode < 0 || zeroMode > 3;
    if (kind == 1 && kept && fillZero > 0 && full.size() < 32767) {
        bool ok = false;
        FUZZ_CHECK(full.toLongLong(&ok) == number && ok);
        FUZZ_CHECK(full.size() - (number < 0) >= fillZero);
    }
    if (kind == 5 && kept && fillZero <= 0)
        FUZZ_CHECK(full == value.toString());
    return 0;
}
