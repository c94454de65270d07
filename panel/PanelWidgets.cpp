#include "panel/PanelWidgets.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumena {

void WrapButton::setCaptionMargins(const QMargins& margins)
{
    m_captionMargins = margins;
    update();
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().marginsRemoved(m_captionMargins), Qt::AlignCenter | Qt::TextWordWrap,
                     text());
}

} // namespace lumena
