#include "board/BoardWindow.h"

#include "board/BoardLayout.h"
#include "board/BoardScale.h"
#include "board/ChimeiElement.h"
#include "board/DegitElement.h"
#include "board/PanelImage.h"
#include "reslib/Colors.h"
#include "reslib/Host.h"
#include "reslib/ScreenFit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <cmath>

namespace lumena {

namespace {

QString indexed(const char* name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(i);
}

QFont seiriNumFont(int pixelSize)
{
    QFont f(boardFontFamily(SeirikenFontName));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

void setTextColor(QLabel* label, quint32 bgr)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colorFromBgr(bgr));
    label->setPalette(pal);
}

void applyColors(DegitElement* d, const DegitColors& c)
{
    d->setBackColor(c.BackColor);
    d->setBaseForeColor(c.BaseForeColor);
    d->setDegitForeColor(c.DegitForeColor);
}

} // namespace

BoardWindow::BoardWindow(ResLib& res, Host& host, GlyphSource& glyphs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_res(res), m_host(host),
      m_glyphs(glyphs)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(layout::BoardSize);
    createElements();

    for (int i = 1; i <= layout::CellCount; ++i) {
        m_degit[size_t(i)]->setDegitStyle(1);
        m_degit[size_t(i)]->ResetDegit(false);
    }

    m_builtIn = panel_image::builtInPanelImage();
    m_imgRes[0] = m_builtIn;
    m_imgRes[1] = m_imgRes[0];
    m_imgRes[2] = m_imgRes[0];
    m_picture = m_imgRes[0];
    m_shown = m_picture;

    shape();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &BoardWindow::showTime);
    m_timer1->start();
}

BoardWindow::~BoardWindow() = default;

void BoardWindow::createElements()
{
    // Labels first: the elements, made later, lie above them where they touch.
    for (int i = 0; i <= layout::CellCount; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(indexed("lblSeiriNum", i));
        l->setGeometry(layout::seiriNumRect(i));
        l->setAlignment(Qt::AlignCenter);
        m_seiriPixelSize[size_t(i)] = boardPixelSize(SeirikenDesignPointSize);
        l->setFont(seiriNumFont(m_seiriPixelSize[size_t(i)]));
        l->setText(toFullWidthDigits(QString::number(i)));
        setTextColor(l, 0x00FFFFFF);
        l->setVisible(i != 0);
        m_seiriNum[size_t(i)] = l;
    }
    for (int i = 0; i <= layout::CellCount; ++i) {
        auto* d = new DegitElement(m_res, this);
        d->setObjectName(indexed("Degit", i));
        d->setKeta(4);
        d->setDegitSize(0);
        d->setGeometry(layout::degitRect(i));
        d->setVisible(i != 0);
        if (i != 0)
            connect(d, &DegitElement::DblClick, this, [this, i] { applyZeroSettingsToAll(i); });
        m_degit[size_t(i)] = d;
    }
    for (int i = 0; i < 2; ++i) {
        auto* d = new DegitElement(m_res, this);
        d->setObjectName(indexed("TimeDegit", i));
        d->setKeta(2);
        d->setGeometry(layout::timeDegitRect(i));
        d->setVisible(false);
        m_timeDegit[size_t(i)] = d;
    }
    m_chimei = new ChimeiElement(m_glyphs, m_host, this);
    m_chimei->setObjectName(QStringLiteral("ChimeiCtl"));
    m_chimei->setGeometry(layout::chimeiRect());
}

// A rounded rectangle with a 2 x 2 corner ellipse: one pixel off each corner
// (a block of the board scale).
void BoardWindow::shape()
{
    const QRect r(QPoint(0, 0), layout::BoardSize * m_scale);
    const QSize corner(m_scale, m_scale);
    QRegion region(r);
    for (const QPoint& c : {r.topLeft(), r.topRight() - QPoint(m_scale - 1, 0),
                            r.bottomLeft() - QPoint(0, m_scale - 1),
                            r.bottomRight() - QPoint(m_scale - 1, m_scale - 1)})
        region -= QRegion(QRect(c, corner));
    setMask(region);
}

// Every element where the table puts it at the board scale; the elements
// scale their own pictures.
void BoardWindow::placeElements()
{
    for (int i = 0; i <= layout::CellCount; ++i) {
        QLabel* l = m_seiriNum[size_t(i)];
        l->setGeometry(scaledRect(layout::seiriNumRect(i), m_scale));
        QFont f = l->font();
        f.setPixelSize(m_seiriPixelSize[size_t(i)] * m_scale);
        l->setFont(f);
        m_degit[size_t(i)]->setScale(m_scale);
        m_degit[size_t(i)]->setGeometry(scaledRect(layout::degitRect(i), m_scale));
    }
    for (int i = 0; i < 2; ++i) {
        m_timeDegit[size_t(i)]->setScale(m_scale);
        m_timeDegit[size_t(i)]->setGeometry(scaledRect(layout::timeDegitRect(i), m_scale));
    }
    m_chimei->setScale(m_scale);
    m_chimei->move(layout::chimeiRect().topLeft() * m_scale);
}

// The built-in picture is drawn anew at the scale; any other is enlarged
// pixel by pixel (a user's picture is a bitmap made for the 1x board), only
// as far as the window shows it.
void BoardWindow::showPicture()
{
    if (m_scale == 1) {
        m_shown = m_picture;
    } else if (m_picture.cacheKey() == m_builtIn.cacheKey()) {
        if (m_builtInScaled.size() != layout::BoardSize * m_scale)
            m_builtInScaled = panel_image::builtInPanelImage(m_scale);
        m_shown = m_builtInScaled;
    } else {
        const QRect shown = QRect(QPoint(0, 0), layout::BoardSize).intersected(m_picture.rect());
        m_shown = pixelScaled(m_picture.copy(shown), m_scale);
    }
    update();
}

DegitElement* BoardWindow::Degit(int k) const
{
    return k >= 0 && k <= layout::CellCount ? m_degit[size_t(k)] : nullptr;
}

DegitElement* BoardWindow::TimeDegit(int i) const
{
    return i == 0 || i == 1 ? m_timeDegit[size_t(i)] : nullptr;
}

QLabel* BoardWindow::lblSeiriNum(int i) const
{
    return i >= 0 && i <= layout::CellCount ? m_seiriNum[size_t(i)] : nullptr;
}

const QImage& BoardWindow::imgRes(int i) const
{
    return m_imgRes[size_t(qBound(0, i, 2))];
}

void BoardWindow::setImgRes(int i, const QImage& image)
{
    if (i >= 0 && i <= 2)
        m_imgRes[size_t(i)] = image;
}

void BoardWindow::setPicture(const QImage& image)
{
    m_picture = image;
    showPicture();
}

void BoardWindow::showTime()
{
    const QTime t = m_host.now().time();
    m_timeDegit[0]->setValue(t.hour());
    m_timeDegit[1]->setValue(t.minute());
}

void BoardWindow::applyZeroSettingsToAll(int cell)
{
    DegitElement* d = Degit(cell);
    if (!d || !d->UserSet())
        return;
    if (m_panel)
        m_panel->setEnabled(false);
    if (d->ShowSetDlg() == 1) {
        const qint16 zeroMode = d->ZeroMode(), shift = d->Shift(), fillZero = d->FillZero();
        for (int j = 1; j <= layout::CellCount; ++j) {
            DegitElement* e = m_degit[size_t(j)];
            const QVariant value = e->Value();
            e->setShift(shift);
            e->setFillZero(fillZero);
            e->setZeroMode(zeroMode);
            e->setValue(value); // the three settings take effect at this redraw
        }
    }
    if (m_panel)
        m_panel->setEnabled(true);
}

// --- BoardDisplay ---

void BoardWindow::SetChimei(const QString& text)
{
    m_chimei->SetChimei(text);
}

void BoardWindow::ResetDegit(int cell, bool lit)
{
    if (DegitElement* d = Degit(cell))
        d->ResetDegit(lit);
}

void BoardWindow::setDegitValue(int cell, const QVariant& value)
{
    if (DegitElement* d = Degit(cell))
        d->setValue(value);
}

// --- BoardIniPort ---

void BoardWindow::GetFormInfo(ini::FormInfo& out) const
{
    out.FormLeft = pixelsToTwips(pos().x());
    out.FormTop = pixelsToTwips(pos().y());
}

void BoardWindow::SetFormInfo(const ini::FormInfo& in)
{
    move(twipsToPixels(in.FormLeft), twipsToPixels(in.FormTop));
    keepOnScreen();
}

void BoardWindow::keepOnScreen()
{
    move(onScreenPosition(frameGeometry(), m_host.screenAreas()));
}

ini::DegitCellInfo BoardWindow::GetDegitCell(int cell) const
{
    const DegitElement* d = Degit(cell);
    if (!d || cell == 0)
        return {};
    return ini::DegitCellInfo{d->Shift(), d->ZeroMode(), d->FillZero()};
}

void BoardWindow::SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& colors)
{
    DegitElement* d = Degit(cell);
    if (!d || cell == 0)
        return;
    d->setZeroMode(info.ZeroMode);
    d->setShift(info.Shift);
    d->setFillZero(info.FillZero);
    applyColors(d, colors);
    d->setValue(QStringLiteral(" "));
}

void BoardWindow::SetTimeDegitColors(int index, const DegitColors& colors)
{
    if (DegitElement* d = TimeDegit(index))
        applyColors(d, colors);
}

void BoardWindow::SetChimeiColors(quint32 backColor, quint32 foreColor)
{
    m_chimei->setBackColor(backColor);
    m_chimei->setForeColor(foreColor);
}

void BoardWindow::SetSeiriNumVisible(bool visible)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        m_seiriNum[size_t(i)]->setVisible(visible);
}

void BoardWindow::SeirikenNumSet(qint16 style, qint16 zeroOption)
{
    lumena::SeirikenNumSet(*this, style, zeroOption);
}

void BoardWindow::SetSeiriNumColor(quint32 color)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        setTextColor(m_seiriNum[size_t(i)], color);
}

void BoardWindow::SetAllDegitColors(const DegitColors& colors)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        applyColors(m_degit[size_t(i)], colors);
    for (DegitElement* d : m_timeDegit)
        applyColors(d, colors);
}

void BoardWindow::SetChimeiProps(quint32 backColor, quint32 foreColor, qint16 fontMode,
                                 bool fontBold)
{
    m_chimei->setBackColor(backColor);
    m_chimei->setForeColor(foreColor);
    m_chimei->setFontMode(fontMode);
    m_chimei->setFontBold(fontBold);
}

void BoardWindow::setBoardScale(int scale)
{
    scale = clampBoardScale(scale);
    if (scale == m_scale)
        return;
    m_scale = scale;
    setFixedSize(layout::BoardSize * scale); // the top-left corner stays where it is
    placeElements();
    shape();
    showPicture();
}

// --- PanelBoard ---

void BoardWindow::setClockRunning(bool running)
{
    if (running)
        m_timer1->start();
    else
        m_timer1->stop();
}

// Whether the clock element would show: it is created hidden on this board,
// so this reads its own visibility flag, not whether the board is on screen.
bool BoardWindow::clockVisible() const
{
    return !m_timeDegit[0]->isHidden();
}

void BoardWindow::clearClock()
{
    for (DegitElement* d : m_timeDegit)
        d->setValue(QString());
}

void BoardWindow::setChimeiScroll(qint16 speed, qint32 startWait)
{
    m_chimei->setSpeed(speed);
    m_chimei->setScrollStartWait(startWait);
}

void BoardWindow::setSeiriNumText(int cell, const QString& text)
{
    m_seiriNum[size_t(cell)]->setText(text);
}

void BoardWindow::setSeiriNumFont(int cell, const QString& faceName, double points)
{
    QFont f = m_seiriNum[size_t(cell)]->font();
    f.setFamily(boardFontFamily(faceName));
    m_seiriPixelSize[size_t(cell)] = boardPixelSize(points);
    f.setPixelSize(m_seiriPixelSize[size_t(cell)] * m_scale);
    m_seiriNum[size_t(cell)]->setFont(f);
}

// --- window behaviour ---

void BoardWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_shown.width() < width() || m_shown.height() < height())
        p.fillRect(rect(), palette().window());
    p.drawImage(QPoint(0, 0), m_shown);
}

// Only presses on the background move the board; the cells and elements
// above it keep theirs (an unhandled press on a label reaches us too).
void BoardWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || childAt(event->position().toPoint())) {
        QWidget::mousePressEvent(event);
        return;
    }
    QWindow* w = windowHandle();
    if (w && w->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void BoardWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void BoardWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

// A board that grows is kept on screen as a restored one is.
void BoardWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    keepOnScreen();
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeHandler) {
        event->accept();
        return;
    }
    event->ignore();
    m_closeHandler();
}

} // namespace lumena
