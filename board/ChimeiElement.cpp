#include "board/ChimeiElement.h"

#include "board/BoardScale.h"
#include "reslib/Colors.h"
#include "reslib/Host.h"
#include "reslib/ShiftJis.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace lumena {

namespace {
constexpr int kFrameMs = 16; // about one display frame
} // namespace

ChimeiElement::ChimeiElement(GlyphSource& glyphs, Host& host, QWidget* parent)
    : QWidget(parent), m_glyphs(glyphs), m_host(host)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(35, 192); // the board's strip
    m_strip.setBackColor(m_props.BackColor);
    m_strip.setForeColor(m_props.ForeColor);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &ChimeiElement::scrollFrame);
    stripChanged();
}

ChimeiElement::~ChimeiElement() = default;

void ChimeiElement::changed(const char* name)
{
    emit propertyChanged(QString::fromLatin1(name));
}

void ChimeiElement::setBackColor(quint32 v)
{
    m_props.BackColor = v;
    m_strip.setBackColor(v);
    stripChanged();
    changed("BackColor");
}

void ChimeiElement::setForeColor(quint32 v)
{
    m_props.ForeColor = v;
    m_strip.setForeColor(v); // dots drawn from now on
    changed("ForeColor");
}

void ChimeiElement::setSpeed(qint16 v)
{
    m_props.Speed = v;
    replanScroll();
    changed("Speed");
}

void ChimeiElement::setScrollStartWait(qint32 v)
{
    m_props.ScrollStartWait = v;
    replanScroll();
    changed("ScrollStartWait");
}

void ChimeiElement::setMode(qint16 v)
{
    m_props.Mode = v;
    changed("Mode");
}

void ChimeiElement::setAppearance(qint16 v)
{
    m_props.Appearance = v;
    if (v != 0)
        resize(QSize(37, 195) * m_scale);
    else
        resize(QSize(35, 185) * m_scale);
    m_strip.setBackColor(m_props.BackColor);
    stripChanged();
    changed("Appearance");
}

void ChimeiElement::setFontMode(qint16 v)
{
    m_props.FontMode = v;
    changed("FontMode");
}

void ChimeiElement::setFontBold(bool v)
{
    m_props.FontBold = v;
    changed("FontBold");
}

void ChimeiElement::ReadProperties(const ChimeiProps& props)
{
    m_props = props;
    m_strip.setBackColor(props.BackColor);
    m_strip.setForeColor(props.ForeColor);
    replanScroll();
    stripChanged();
}

void ChimeiElement::SetChimei(const QString& text)
{
    m_host.processEvents();
    m_strip.clear();
    if (text.isEmpty()) {
        // A scroll left running would only move the blank strip: end it too.
        stopScroll();
        m_stripTop = 0;
        stripChanged();
        return;
    }
    stopScroll();
    const NameLayout l =
        drawName(m_strip, m_glyphs, text, m_props.Mode, m_props.FontMode, m_props.FontBold);
    stripChanged();
    if (!l.scrolls) {
        m_stripTop = 0;
        return;
    }
    if (m_props.Speed == 0)
        setSpeed(1);
    m_scrolling = true;
    m_plan = currentPlan();
    m_scrollStart = m_host.elapsed();
    m_stripTop = viewSize().height(); // just below the viewport until the start pause ends
    scrollFrame();
}

QString ChimeiElement::DrawDot16(qint32 x, qint32 y, const QString& text)
{
    const QByteArray cell = sjis::fromUnicode(text);
    m_strip.plot(x, y, cellDots(m_glyphs, cell, m_props.FontMode, m_props.FontBold));
    stripChanged();
    const QByteArrayView drawn = cellStyle(cell, m_props.FontMode).cell;
    return drawn == cell ? text : sjis::toUnicode(drawn);
}

void ChimeiElement::Refresh()
{
    repaint();
}

void ChimeiElement::setScale(int scale)
{
    scale = clampBoardScale(scale);
    if (scale == m_scale)
        return;
    const QSize view = viewSize();
    m_scale = scale;
    resize(view * scale);
    update();
}

ScrollPlan ChimeiElement::currentPlan() const
{
    ScrollPlan p;
    p.viewportHeight = viewSize().height();
    p.stripHeight = m_strip.height();
    p.speed = m_props.Speed;
    p.startWaitMs = m_props.ScrollStartWait;
    return p;
}

void ChimeiElement::replanScroll()
{
    if (!m_scrolling)
        return;
    const auto now = m_host.elapsed();
    m_plan = continuePlan(m_plan, now - m_scrollStart, currentPlan());
    m_scrollStart = now;
}

void ChimeiElement::stopScroll()
{
    m_scrolling = false;
    m_frameTimer.stop();
}

void ChimeiElement::scrollFrame()
{
    if (!m_scrolling)
        return;
    const ScrollPoint p = scrollAt(m_plan, m_host.elapsed() - m_scrollStart);
    const int top = p.pixelTop();
    if (top != m_stripTop) {
        m_stripTop = top;
        update();
    }
    // At most one frame per display frame, and none while the picture cannot
    // change (a pause, a slow speed).
    using namespace std::chrono;
    const auto wake = ceil<milliseconds>(p.untilNewPixel).count();
    const int next = int(std::clamp<std::int64_t>(wake, kFrameMs, 60000));
    m_frameTimer.start(next);
}

void ChimeiElement::stripChanged()
{
    m_view = m_strip.image().convertToFormat(QImage::Format_RGB32);
    update();
}

void ChimeiElement::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    replanScroll();
}

void ChimeiElement::paintEvent(QPaintEvent*)
{
    if (m_scale == 1) {
        QPainter p(this);
        paintView(p, rect());
        return;
    }
    const QSize view = viewSize();
    if (m_frame.size() != view)
        m_frame = QImage(view, QImage::Format_RGB32);
    {
        QPainter p(&m_frame);
        paintView(p, m_frame.rect());
    }
    pixelScale(m_frame, m_scale, m_scaledFrame);
    QPainter p(this);
    if (m_scaledFrame.size() != size()) // a size that is not a multiple of the scale
        p.fillRect(rect(), colorFromBgr(m_props.BackColor));
    p.drawImage(QPoint(0, 0), m_scaledFrame);
}

void ChimeiElement::paintView(QPainter& p, const QRect& all) const
{
    p.fillRect(all, colorFromBgr(m_props.BackColor));
    const QRect inner = all.adjusted(kInset, kInset, -kInset, -kInset);
    p.setClipRect(inner);
    p.drawImage(QPoint(inner.left(), inner.top() + m_stripTop), m_view);
    p.setClipping(false);
    if (m_props.Appearance != 0) {
        // Sunken: shadow above and left, light below and right.
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawLine(all.topLeft(), all.topRight());
        p.drawLine(all.topLeft(), all.bottomLeft());
        p.setPen(QColor(0xF0, 0xF0, 0xF0));
        p.drawLine(all.bottomLeft(), all.bottomRight());
        p.drawLine(all.topRight(), all.bottomRight());
    } else {
        p.setPen(Qt::black);
        p.drawRect(all.adjusted(0, 0, -1, -1));
    }
}

} // namespace lumena
