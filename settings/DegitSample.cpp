#include "settings/DegitSample.h"

#include "reslib/Colors.h"
#include "settings/ColorButton.h"

#include <QMetaProperty>
#include <QPainter>

namespace lumena {

DegitSample::DegitSample(QWidget* parent) : QWidget(parent) {}

void DegitSample::setBackColor(quint32 c)
{
    m_back = c;
    update();
}

void DegitSample::setBaseForeColor(quint32 c)
{
    m_base = c;
    update();
}

void DegitSample::setDegitForeColor(quint32 c)
{
    m_lit = c;
    update();
}

void DegitSample::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colorFromBgr(m_back));
    QFont f = font();
    f.setPixelSize(height() - 4);
    f.setBold(true);
    p.setFont(f);
    const QRect r = rect().adjusted(2, 0, -2, 0);
    p.setPen(colorFromBgr(m_base));
    p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("8888"));
    p.setPen(colorFromBgr(m_lit));
    p.drawText(r, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("120"));
}

void setColorProperty(QObject* element, const char* name, quint32 bgr)
{
    const QMetaObject* mo = element->metaObject();
    const int i = mo->indexOfProperty(name);
    if (i >= 0 && mo->property(i).metaType() == QMetaType::fromType<QColor>())
        element->setProperty(name, colorFromBgr(bgr));
    else
        element->setProperty(name, QVariant::fromValue(bgr));
}

} // namespace lumena
