#include "board/M_Degit.h"

#include "board/DegitText.h"
#include "reslib/ResLib.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumena {

M_Degit::M_Degit(ResLib& res, QWidget* parent) : QWidget(parent), m_res(res)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyBackColor();
    applySize();
    // The first picture is made before any cell count is known: it lights
    // nothing and shows the back colour only.
    redrawText(QString(), 0);
}

qint32 M_Degit::hwnd()
{
    return static_cast<qint32>(winId());
}

void M_Degit::setBaseForeColor(quint32 color)
{
    m_props.BaseForeColor = color;
    emit propertyChanged(QStringLiteral("BaseForeColor"));
    redraw();
}

void M_Degit::setDegitForeColor(quint32 color)
{
    m_props.DegitForeColor = color;
    emit propertyChanged(QStringLiteral("DegitForeColor"));
    redraw();
}

void M_Degit::setFillZero(qint16 fillZero)
{
    m_props.FillZero = fillZero > m_props.Keta ? m_props.Keta : fillZero;
    emit propertyChanged(QStringLiteral("FillZero"));
}

void M_Degit::setZeroMode(qint16 zeroMode)
{
    m_props.ZeroMode = zeroMode >= 4 ? qint16(0) : zeroMode;
    emit propertyChanged(QStringLiteral("ZeroMode"));
}

void M_Degit::setShift(qint16 shift)
{
    const int upper = m_props.Keta - 1;
    int s = shift > upper ? upper : shift;
    if (s < 0)
        s = 0;
    m_props.Shift = static_cast<qint16>(s);
    emit propertyChanged(QStringLiteral("Shift"));
}

void M_Degit::setKeta(qint16 keta)
{
    m_props.Keta = (keta < 1 || keta >= 16) ? qint16(4) : keta;
    applySize();
    emit propertyChanged(QStringLiteral("Keta"));
    redraw();
}

void M_Degit::setDegitSize(qint16 degitSize)
{
    m_props.DegitSize = (degitSize >= 1 && degitSize <= 3) ? degitSize : qint16(0);
    applySize();
    emit propertyChanged(QStringLiteral("DegitSize"));
    redraw();
}

void M_Degit::setDegitStyle(qint16 degitStyle)
{
    m_props.DegitStyle = degitStyle;
    emit propertyChanged(QStringLiteral("DegitStyle"));
    redraw();
}

void M_Degit::setValue(const QVariant& value)
{
    m_props.Value = value;
    emit propertyChanged(QStringLiteral("Value"));
    redraw();
}

void M_Degit::setUserSet(bool userSet)
{
    m_props.UserSet = userSet;
    emit propertyChanged(QStringLiteral("UserSet"));
}

void M_Degit::setBackColor(quint32 color)
{
    m_props.BackColor = color;
    applyBackColor();
    emit propertyChanged(QStringLiteral("BackColor"));
    redraw();
}

qint32 M_Degit::ShowSetDlg()
{
    qint16 zeroMode = m_props.ZeroMode;
    qint16 shift = m_props.Shift;
    qint16 fillZero = m_props.FillZero;
    const qint32 result = m_res.Call_dlg100(this, m_props.Keta, zeroMode, shift, fillZero);
    m_props.ZeroMode = zeroMode;
    m_props.Shift = shift;
    m_props.FillZero = fillZero;
    redraw();
    return result;
}

void M_Degit::ResetDegit(const bool& nMode)
{
    const qint16 shift = m_props.Shift;
    const qint16 zeroMode = m_props.ZeroMode;
    const qint16 fillZero = m_props.FillZero;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    setValue(nMode ? QVariant(QString(std::max<int>(0, m_props.Keta), u'8')) : QVariant(QString()));
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
}

void M_Degit::readProperties(const DegitProps& props)
{
    m_props = props;
    applyBackColor();
}

QSize M_Degit::sizeHint() const
{
    const DegitSizeClass& cls = degitSizeClass(m_props.DegitSize);
    return {std::max<int>(0, m_props.Keta) * cls.cellWidth(), cls.height()};
}

void M_Degit::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(degitColor(m_props.BackColor)));
    p.drawImage(QPoint(0, 0), m_image);
}

// Presses end here: they must not reach the host window, which drags itself
// on presses on its own background.
void M_Degit::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void M_Degit::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit DblClick();
}

void M_Degit::redraw()
{
    redrawText(degitLitText(m_props.Value, m_props.ZeroMode, m_props.FillZero, m_props.Shift,
                            m_props.Keta),
               m_props.Keta);
}

void M_Degit::redrawText(const QString& lit, int keta)
{
    DegitLook look;
    look.style = m_props.DegitStyle;
    look.sizeClass = m_props.DegitSize;
    look.baseColor = m_props.BaseForeColor;
    look.litColor = m_props.DegitForeColor;
    look.backColor = m_props.BackColor;
    look.bold = m_bold;
    look.charExtra = m_charExtra;
    look.dpr = devicePixelRatioF();
    m_litText = lit;
    m_renderer.render(m_image, size(), look, keta, lit);
    update();
}

void M_Degit::applyBackColor()
{
    // The retained picture starts over in the new colour until the next redraw.
    m_image.fill(degitColor(m_props.BackColor));
    update();
}

void M_Degit::applySize()
{
    const DegitSizeClass& cls = degitSizeClass(m_props.DegitSize);
    resize(m_props.Keta * cls.cellWidth(), cls.height());
}

} // namespace lumena
