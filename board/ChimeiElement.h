#pragma once
// The stop-name display element: a dot-matrix strip that shows a name written
// top to bottom as 16 x 16 dot characters. Names of up to six cells stand
// still, spread over the strip; longer names scroll upwards without end,
// paced by a display-frame timer from the Host's clock (never blocking).
//
// The widget is the viewport; the strip (37 pixels wide, clipped) sits inside
// it one pixel in from the border and moves vertically. Layout, glyph and
// scroll rules live in board_core (ChimeiLayout, ChimeiScroll). At a board
// scale above 1 the viewport is drawn in its 1x grid and shown with each
// pixel as a block; the scroll keeps to that grid.

#include "board/ChimeiLayout.h"
#include "board/ChimeiProps.h"
#include "board/ChimeiScroll.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class QPainter;

namespace lumena {

class GlyphSource;
class Host;

class ChimeiElement : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(qint16 Speed READ Speed WRITE setSpeed)
    Q_PROPERTY(qint32 ScrollStartWait READ ScrollStartWait WRITE setScrollStartWait)
    Q_PROPERTY(qint16 Mode READ Mode WRITE setMode)
    Q_PROPERTY(qint16 Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(qint16 FontMode READ FontMode WRITE setFontMode)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)

public:
    // `glyphs` draws the characters; it must outlive the element.
    ChimeiElement(GlyphSource& glyphs, Host& host, QWidget* parent = nullptr);
    ~ChimeiElement() override;

    quint32 BackColor() const { return m_props.BackColor; }
    void setBackColor(quint32 v);
    quint32 ForeColor() const { return m_props.ForeColor; }
    void setForeColor(quint32 v);
    qint16 Speed() const { return m_props.Speed; }
    void setSpeed(qint16 v);
    qint32 ScrollStartWait() const { return m_props.ScrollStartWait; }
    void setScrollStartWait(qint32 v);
    qint16 Mode() const { return m_props.Mode; }
    void setMode(qint16 v);
    qint16 Appearance() const { return m_props.Appearance; }
    // Also resizes the viewport: 37 x 195 with the border, 35 x 185 without.
    void setAppearance(qint16 v);
    qint16 FontMode() const { return m_props.FontMode; }
    void setFontMode(qint16 v);
    bool FontBold() const { return m_props.FontBold; }
    void setFontBold(bool v);

    // The stored property set. Reading applies the colours and the border
    // (without resizing) and stores the rest; it emits no propertyChanged.
    ChimeiProps WriteProperties() const { return m_props; }
    void ReadProperties(const ChimeiProps& props);

    // Shows a name; empty blanks the strip. A non-empty text ends any running
    // scroll; seven cells or more start a new one. Returns at once.
    void SetChimei(const QString& text);
    // Draws one cell (a full-width character or up to two half-width ones)
    // with its top-left at (x, y) of the strip, and returns the text drawn:
    // `text` itself, or "丨" for "ー". The cell is drawn from its code page
    // 932 form, as SetChimei draws its cells: a character the code page lacks
    // shows as "?".
    QString DrawDot16(qint32 x, qint32 y, const QString& text);
    // Repaints the strip now.
    void Refresh();

    // The board scale (1..4, others brought into range): the element becomes
    // `scale` times its size at scale 1, each pixel of its 1x picture shown as
    // a scale x scale block. A host that resizes the element gives it a
    // multiple of the scale.
    void setScale(int scale);
    int scale() const { return m_scale; }

    // State for the board and for tests (in the 1x grid).
    bool isScrolling() const { return m_scrolling; }
    int stripTop() const { return m_stripTop; }
    // The strip as painted (its full height), in the current colours.
    const QImage& stripImage() const { return m_view; }
    const DotStrip& strip() const { return m_strip; }
    // Width of the border around the strip.
    static constexpr int kInset = 1;

public slots:
    // One display frame of a running scroll: places the strip where the
    // scroll stands by the Host's clock. Driven by the frame timer.
    void scrollFrame();

signals:
    // A stored property was set (its stored name).
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void stopScroll();
    // Carries a running scroll over to changed Speed, wait or viewport height.
    void replanScroll();
    ScrollPlan currentPlan() const;
    void stripChanged();
    void changed(const char* name);
    // The viewport in its 1x grid.
    QSize viewSize() const { return {width() / m_scale, height() / m_scale}; }
    void paintView(QPainter& p, const QRect& all) const;

    GlyphSource& m_glyphs;
    Host& m_host;
    ChimeiProps m_props;
    DotStrip m_strip;
    QImage m_view; // m_strip in colour, made when the strip changes
    int m_scale = 1;
    QImage m_frame, m_scaledFrame; // the viewport at 1x and enlarged, above scale 1
    int m_stripTop = 0;
    bool m_scrolling = false;
    ScrollPlan m_plan;
    std::chrono::nanoseconds m_scrollStart{0};
    QTimer m_frameTimer;
};

} // namespace lumena
