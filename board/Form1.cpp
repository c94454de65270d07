#include "board/Form1.h"

#include "board/BoardLayout.h"
#include "board/ChimeiCtl_B.h"
#include "board/M_Degit.h"
#include "board/PanelImage.h"
#include "reslib/Host.h"

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

QFont seiriNumFont(double points)
{
    QFont f(boardFontFamily(SeirikenFontName));
    f.setPixelSize(boardPixelSize(points));
    f.setBold(true);
    return f;
}

void setTextColor(QLabel* label, quint32 bgr)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, layout::colorFromBgr(bgr));
    label->setPalette(pal);
}

void applyColors(M_Degit* d, const DegitColors& c)
{
    d->setBackColor(c.BackColor);
    d->setBaseForeColor(c.BaseForeColor);
    d->setDegitForeColor(c.DegitForeColor);
}

} // namespace

Form1::Form1(ResLib& res, Host& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_res(res), m_host(host)
{
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(layout::BoardSize);
    createElements();

    for (int i = 1; i <= layout::CellCount; ++i) {
        m_degit[size_t(i)]->setDegitStyle(1);
        m_degit[size_t(i)]->ResetDegit(false);
    }

    m_imgRes[0] = panel_image::builtInPanelImage();
    m_imgRes[1] = m_imgRes[0];
    m_imgRes[2] = m_imgRes[0];
    m_picture = m_imgRes[0];

    shape();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    m_timer1->start();
}

Form1::~Form1() = default;

void Form1::createElements()
{
    // Labels first: the elements, made later, lie above them where they touch.
    for (int i = 0; i <= layout::CellCount; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(indexed("lblSeiriNum", i));
        l->setGeometry(layout::seiriNumRect(i));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(seiriNumFont(SeirikenDesignPointSize));
        l->setText(toFullWidthDigits(QString::number(i)));
        setTextColor(l, 0x00FFFFFF);
        l->setVisible(i != 0);
        m_seiriNum[size_t(i)] = l;
    }
    for (int i = 0; i <= layout::CellCount; ++i) {
        auto* d = new M_Degit(m_res, this);
        d->setObjectName(indexed("Degit", i));
        d->setKeta(4);
        d->setDegitSize(0);
        d->setGeometry(layout::degitRect(i));
        d->setVisible(i != 0);
        if (i != 0)
            connect(d, &M_Degit::DblClick, this, [this, i] { Degit_DblClick(i); });
        m_degit[size_t(i)] = d;
    }
    for (int i = 0; i < 2; ++i) {
        auto* d = new M_Degit(m_res, this);
        d->setObjectName(indexed("TimeDegit", i));
        d->setKeta(2);
        d->setGeometry(layout::timeDegitRect(i));
        d->setVisible(false);
        m_timeDegit[size_t(i)] = d;
    }
    m_chimei = new ChimeiCtl_B(m_res, m_host, this);
    m_chimei->setObjectName(QStringLiteral("ChimeiCtl"));
    m_chimei->setGeometry(layout::chimeiRect());
}

// A rounded rectangle with a 2 x 2 corner ellipse: one pixel off each corner.
void Form1::shape()
{
    const QRect r(QPoint(0, 0), layout::BoardSize);
    QRegion region(r);
    for (const QPoint& c : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        region -= QRegion(QRect(c, QSize(1, 1)));
    setMask(region);
}

M_Degit* Form1::Degit(int k) const
{
    return k >= 0 && k <= layout::CellCount ? m_degit[size_t(k)] : nullptr;
}

M_Degit* Form1::TimeDegit(int i) const
{
    return i == 0 || i == 1 ? m_timeDegit[size_t(i)] : nullptr;
}

QLabel* Form1::lblSeiriNum(int i) const
{
    return i >= 0 && i <= layout::CellCount ? m_seiriNum[size_t(i)] : nullptr;
}

const QImage& Form1::imgRes(int i) const
{
    return m_imgRes[size_t(qBound(0, i, 2))];
}

void Form1::setImgRes(int i, const QImage& image)
{
    if (i >= 0 && i <= 2)
        m_imgRes[size_t(i)] = image;
}

void Form1::setPicture(const QImage& image)
{
    m_picture = image;
    update();
}

void Form1::Timer1_Timer()
{
    const QTime t = m_host.now().time();
    m_timeDegit[0]->setValue(t.hour());
    m_timeDegit[1]->setValue(t.minute());
}

void Form1::Degit_DblClick(int index)
{
    M_Degit* d = Degit(index);
    if (!d || !d->UserSet())
        return;
    if (m_panel)
        m_panel->setEnabled(false);
    if (d->ShowSetDlg() == 1) {
        const qint16 zeroMode = d->ZeroMode(), shift = d->Shift(), fillZero = d->FillZero();
        for (int j = 1; j <= layout::CellCount; ++j) {
            M_Degit* e = m_degit[size_t(j)];
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

void Form1::SetChimei(const QString& text)
{
    m_chimei->SetChimei(text);
}

void Form1::ResetDegit(int cell, bool lit)
{
    if (M_Degit* d = Degit(cell))
        d->ResetDegit(lit);
}

void Form1::setDegitValue(int cell, const QVariant& value)
{
    if (M_Degit* d = Degit(cell))
        d->setValue(value);
}

// --- BoardIniPort ---

void Form1::GetFormInfo(ini::FormInfo& out) const
{
    out.FormLeft = qint32(pos().x()) * layout::TwipsPerPixel;
    out.FormTop = qint32(pos().y()) * layout::TwipsPerPixel;
}

void Form1::SetFormInfo(const ini::FormInfo& in)
{
    // Nearest pixel; a position written by this program is a whole pixel.
    const auto toPixels = [](qint32 twips) {
        return int(std::lround(double(twips) / layout::TwipsPerPixel));
    };
    move(toPixels(in.FormLeft), toPixels(in.FormTop));
}

ini::DegitCellInfo Form1::GetDegitCell(int cell) const
{
    const M_Degit* d = Degit(cell);
    if (!d || cell == 0)
        return {};
    return ini::DegitCellInfo{d->Shift(), d->ZeroMode(), d->FillZero()};
}

void Form1::SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& colors)
{
    M_Degit* d = Degit(cell);
    if (!d || cell == 0)
        return;
    d->setZeroMode(info.ZeroMode);
    d->setShift(info.Shift);
    d->setFillZero(info.FillZero);
    applyColors(d, colors);
    d->setValue(QStringLiteral(" "));
}

void Form1::SetTimeDegitColors(int index, const DegitColors& colors)
{
    if (M_Degit* d = TimeDegit(index))
        applyColors(d, colors);
}

void Form1::SetChimeiColors(quint32 backColor, quint32 foreColor)
{
    m_chimei->setBackColor(backColor);
    m_chimei->setForeColor(foreColor);
}

void Form1::SetSeiriNumVisible(bool visible)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        m_seiriNum[size_t(i)]->setVisible(visible);
}

void Form1::SeirikenNumSet(qint16& style, qint16& zeroPad)
{
    lumena::SeirikenNumSet(*this, style, zeroPad);
}

void Form1::SetSeiriNumColor(quint32 color)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        setTextColor(m_seiriNum[size_t(i)], color);
}

void Form1::SetAllDegitColors(const DegitColors& colors)
{
    for (int i = 1; i <= layout::CellCount; ++i)
        applyColors(m_degit[size_t(i)], colors);
    for (M_Degit* d : m_timeDegit)
        applyColors(d, colors);
}

void Form1::SetChimeiProps(quint32 backColor, quint32 foreColor, qint16 fontMode, bool fontBold)
{
    m_chimei->setBackColor(backColor);
    m_chimei->setForeColor(foreColor);
    m_chimei->setFontMode(fontMode);
    m_chimei->setFontBold(fontBold);
}

// --- PanelBoard ---

void Form1::setClockRunning(bool running)
{
    if (running)
        m_timer1->start();
    else
        m_timer1->stop();
}

// Whether the clock element would show: it is created hidden on this board,
// so this reads its own visibility flag, not whether the board is on screen.
bool Form1::clockVisible() const
{
    return !m_timeDegit[0]->isHidden();
}

void Form1::clearClock()
{
    for (M_Degit* d : m_timeDegit)
        d->setValue(QString());
}

void Form1::setChimeiScroll(qint16 speed, qint32 startWait)
{
    m_chimei->setSpeed(speed);
    m_chimei->setScrollStartWait(startWait);
}

void Form1::setSeiriNumText(int cell, const QString& text)
{
    m_seiriNum[size_t(cell)]->setText(text);
}

void Form1::setSeiriNumFont(int cell, const QString& faceName, double points)
{
    QFont f = m_seiriNum[size_t(cell)]->font();
    f.setFamily(boardFontFamily(faceName));
    f.setPixelSize(boardPixelSize(points));
    m_seiriNum[size_t(cell)]->setFont(f);
}

// --- window behaviour ---

void Form1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_picture.width() < width() || m_picture.height() < height())
        p.fillRect(rect(), palette().window());
    p.drawImage(QPoint(0, 0), m_picture);
}

// Only presses on the background move the board; the cells and elements
// above it keep theirs (an unhandled press on a label reaches us too).
void Form1::mousePressEvent(QMouseEvent* event)
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

void Form1::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_closeHandler) {
        event->accept();
        return;
    }
    event->ignore();
    m_closeHandler();
}

} // namespace lumena
