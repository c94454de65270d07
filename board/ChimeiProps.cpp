#include "board/ChimeiProps.h"

namespace lumena {

const std::vector<PropertyField<ChimeiProps>>& ChimeiProps::fields()
{
    using P = ChimeiProps;
    static const std::vector<PropertyField<P>> f = {
        intField("BackColor", &P::BackColor), intField("ForeColor", &P::ForeColor),
        intField("Speed", &P::Speed),         intField("ScrollStartWait", &P::ScrollStartWait),
        intField("Mode", &P::Mode),           intField("Appearance", &P::Appearance),
        intField("FontMode", &P::FontMode),   boolField("FontBold", &P::FontBold),
    };
    return f;
}

} // namespace lumena
