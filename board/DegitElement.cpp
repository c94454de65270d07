#include "board/DegitElement.h"

#include "board/BoardScale.h"
#include "board/DegitText.h"
#include "reslib/Colors.h"
#include "reslib/ResLib.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumena {

DegitElement::DegitElement(ResLib& res, QWidget* parent) : QWidget(parent), m_res(res)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyBackColor();
    applySize();
    // The first picture is made before any cell count is known: it lights
    // nothing and shows the back colour only.
    redrawText(QString(), 0);
}

qint32 DegitElement::hwnd()
{
    return static_cast<qint32>(winId());
}

void DegitElement::setBaseForeColor(quint32 color)
{
    m_props.BaseForeColor = color;
    emit propertyChanged(QStringLiteral("BaseForeColor"));
    redraw();
}

void DegitElement::setDegitForeColor(quint32 color)
{
    m_props.DegitForeColor = color;
    emit propertyChanged(QStringLiteral("DegitForeColor"));
    redraw();
}

void DegitElement::setFillZero(qint16 fillZero)
{
    m_props.FillZero = fillZero > m_props.Keta ? m_props.Keta : fillZero;
    emit propertyChanged(QStringLiteral("FillZero"));
}

void DegitElement::setZeroMode(qint16 zeroMode)
{
    m_props.ZeroMode = zeroMode >= 4 ? qint16(0) : zeroMode;
    emit propertyChanged(QStringLiteral("ZeroMode"));
}

void DegitElement::setShift(qint16 shift)
{
    const int upper = m_props.Keta - 1;
    int s = shift > upper ? upper : shift;
    if (s < 0)
        s = 0;
    m_props.Shift = static_cast<qint16>(s);
    emit propertyChanged(QStringLiteral("Shift"));
}

void DegitElement::setKeta(qint16 keta)
{
    m_props.Keta = (keta < 1 || keta >= 16) ? qint16(4) : keta;
    applySize();
    emit propertyChanged(QStringLiteral("Keta"));
    redraw();
}

void DegitElement::setDegitSize(qint16 degitSize)
{
    m_props.DegitSize = (degitSize >= 1 && degitSize <= 3) ? degitSize : qint16(0);
    applySize();
    emit propertyChanged(QStringLiteral("DegitSize"));
    redraw();
}

void DegitElement::setDegitStyle(qint16 degitStyle)
{
    m_props.DegitStyle = degitStyle;
    emit propertyChanged(QStringLiteral("DegitStyle"));
    redraw();
}

void DegitElement::setValue(const QVariant& value)
{
    m_props.Value = value;
    emit propertyChanged(QStringLiteral("Value"));
    redraw();
}

void DegitElement::setUserSet(bool userSet)
{
    m_props.UserSet = userSet;
    emit propertyChanged(QStringLiteral("UserSet"));
}

void DegitElement::setBackColor(quint32 color)
{
    m_props.BackColor = color;
    applyBackColor();
    emit propertyChanged(QStringLiteral("BackColor"));
    redraw();
}

qint32 DegitElement::ShowSetDlg()
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

void DegitElement::ResetDegit(bool lit)
{
    const qint16 shift = m_props.Shift;
    const qint16 zeroMode = m_props.ZeroMode;
    const qint16 fillZero = m_props.FillZero;
    setShift(0);
    setZeroMode(0);
    setFillZero(0);
    setValue(lit ? QVariant(QString(std::max<int>(0, m_props.Keta), u'8')) : QVariant(QString()));
    setShift(shift);
    setZeroMode(zeroMode);
    setFillZero(fillZero);
}

void DegitElement::setScale(int scale)
{
    scale = clampBoardScale(scale);
    if (scale == m_scale)
        return;
    const QSize logical = logicalSize();
    m_scale = scale;
    resize(logical * scale);
    redrawText(m_litText, m_litKeta);
}

void DegitElement::readProperties(const DegitProps& props)
{
    m_props = props;
    applyBackColor();
}

QSize DegitElement::sizeHint() const
{
    const DegitSizeClass& cls = degitSizeClass(m_props.DegitSize);
    return QSize(std::max<int>(0, m_props.Keta) * cls.cellWidth(), cls.height()) * m_scale;
}

void DegitElement::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colorFromBgr(m_props.BackColor));
    p.drawImage(QPoint(0, 0), m_image);
}

// Presses end here: they must not reach the host window, which drags itself
// on presses on its own background.
void DegitElement::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void DegitElement::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit DblClick();
}

void DegitElement::redraw()
{
    redrawText(degitLitText(m_props.Value, m_props.ZeroMode, m_props.FillZero, m_props.Shift,
                            m_props.Keta),
               m_props.Keta);
}

void DegitElement::redrawText(const QString& lit, int keta)
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
    look.scale = m_scale;
    m_litText = lit;
    m_litKeta = keta;
    m_renderer.render(m_image, logicalSize(), look, keta, lit);
    update();
}

void DegitElement::applyBackColor()
{
    // The retained picture starts over in the new colour until the next redraw.
    m_image.fill(rgbFromBgr(m_props.BackColor));
    update();
}

void DegitElement::applySize()
{
    const DegitSizeClass& cls = degitSizeClass(m_props.DegitSize);
    resize(QSize(m_props.Keta * cls.cellWidth(), cls.height()) * m_scale);
}

} // namespace lumena
