#include "board/DegitProps.h"

#include "board/DegitText.h"

namespace lumena {

const std::vector<PropertyField<DegitProps>>& DegitProps::fields()
{
    using P = DegitProps;
    // A colour stored as a negative 32-bit number reads as its bit pattern.
    constexpr qlonglong negativeColors = std::numeric_limits<qint32>::min();
    static const std::vector<PropertyField<P>> f = {
        intField("BaseForeColor", &P::BaseForeColor, negativeColors),
        intField("DegitForeColor", &P::DegitForeColor, negativeColors),
        intField("FillZero", &P::FillZero),
        intField("ZeroMode", &P::ZeroMode),
        intField("Shift", &P::Shift),
        intField("Keta", &P::Keta),
        intField("DegitSize", &P::DegitSize),
        intField("DegitStyle", &P::DegitStyle),
        variantField("Value", &P::Value, degitValueIsDefault),
        boolField("UserSet", &P::UserSet),
        intField("BackColor", &P::BackColor, negativeColors),
    };
    return f;
}

bool degitValueIsDefault(const QVariant& value)
{
    return degitIsNumber(value) && degitValueText(value) == u"0";
}

} // namespace lumena
