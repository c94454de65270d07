#include "settings/ColorButton.h"

#include "reslib/Colors.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace lumena {

ColorButton::ColorButton(const QString& name, QWidget* parent) : QPushButton(parent)
{
    setObjectName(name);
    setMinimumSize(40, 20);
}

void ColorButton::setFaceColor(quint32 color)
{
    m_color = color;
    update();
}

void ColorButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    QPainter p(this);
    const QRect face = rect().adjusted(4, 4, -4, -4);
    p.fillRect(face, isEnabled() ? colorFromBgr(m_color) : colorFromBgr(m_color).lighter(130));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(face.adjusted(0, 0, -1, -1));
}

} // namespace lumena
