#pragma once
// The digit display element: a row of seven-segment cells showing a number
// the way the fare lamps of a bus fare board do, every segment visible, unlit
// ones in the base colour and lit ones in the digit colour.
//
// Setters apply the range rules of each property; FillZero, ZeroMode and Shift
// do not redraw (a host re-assigns Value to show them). Every set of a stored
// property emits propertyChanged with its name. The picture is made when a
// property that redraws changes and kept until the next redraw; paintEvent only
// shows it.

#include "board/DegitProps.h"
#include "board/DegitRenderer.h"

#include <QImage>
#include <QVariant>
#include <QWidget>

namespace lumena {

class ResLib;

class DegitElement : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BaseForeColor READ BaseForeColor WRITE setBaseForeColor)
    Q_PROPERTY(quint32 DegitForeColor READ DegitForeColor WRITE setDegitForeColor)
    Q_PROPERTY(qint16 FillZero READ FillZero WRITE setFillZero)
    Q_PROPERTY(qint16 ZeroMode READ ZeroMode WRITE setZeroMode)
    Q_PROPERTY(qint16 Shift READ Shift WRITE setShift)
    Q_PROPERTY(qint16 Keta READ Keta WRITE setKeta)
    Q_PROPERTY(qint16 DegitSize READ DegitSize WRITE setDegitSize)
    Q_PROPERTY(qint16 DegitStyle READ DegitStyle WRITE setDegitStyle)
    Q_PROPERTY(QVariant Value READ Value WRITE setValue)
    Q_PROPERTY(bool UserSet READ UserSet WRITE setUserSet)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(qint32 hwnd READ hwnd)

public:
    // A new element with the default property set.
    explicit DegitElement(ResLib& res, QWidget* parent = nullptr);

    quint32 BaseForeColor() const { return m_props.BaseForeColor; }
    quint32 DegitForeColor() const { return m_props.DegitForeColor; }
    qint16 FillZero() const { return m_props.FillZero; }
    qint16 ZeroMode() const { return m_props.ZeroMode; }
    qint16 Shift() const { return m_props.Shift; }
    qint16 Keta() const { return m_props.Keta; }
    qint16 DegitSize() const { return m_props.DegitSize; }
    qint16 DegitStyle() const { return m_props.DegitStyle; }
    QVariant Value() const { return m_props.Value; }
    bool UserSet() const { return m_props.UserSet; }
    quint32 BackColor() const { return m_props.BackColor; }
    // The native window handle; asking for it makes the element a native
    // window, so nothing in the program does (dialogs take the element itself).
    qint32 hwnd();

    void setBaseForeColor(quint32 color);
    void setDegitForeColor(quint32 color);
    void setFillZero(qint16 fillZero);
    void setZeroMode(qint16 zeroMode);
    void setShift(qint16 shift);
    void setKeta(qint16 keta);
    void setDegitSize(qint16 degitSize);
    void setDegitStyle(qint16 degitStyle);
    void setValue(const QVariant& value);
    void setUserSet(bool userSet);
    void setBackColor(quint32 color);

    // Opens the resource library's settings dialog with Keta, ZeroMode, Shift
    // and FillZero; stores the three as the dialog left them (no range rules),
    // redraws and returns the dialog's result (1 = confirmed).
    qint32 ShowSetDlg();

    // Lamp test (true: every segment of every cell lit) or blank (false), with
    // zero handling, zero fill and shift off for this one redraw only.
    void ResetDegit(bool lit);

    // The board scale (1..4, others brought into range): the element becomes
    // `scale` times its size at scale 1 and shows the picture it showed, each
    // pixel of the 1x picture as a scale x scale block. A host that resizes
    // the element gives it a multiple of the scale.
    void setScale(int scale);
    int scale() const { return m_scale; }

    // The stored property set, and reading one back: values are stored as
    // read, BackColor is applied, nothing is resized or redrawn.
    DegitProps storedProperties() const { return m_props; }
    void readProperties(const DegitProps& props);

    // The retained picture (device pixels, with its device pixel ratio; at a
    // scale above 1 that many times as large).
    const QImage& image() const { return m_image; }
    // The text lit at the last redraw.
    const QString& litText() const { return m_litText; }

    QSize sizeHint() const override;

signals:
    void DblClick();
    // A stored property was set (its stored name).
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void redraw();
    void redrawText(const QString& lit, int keta);
    void applyBackColor();
    void applySize();
    // The size in the element's own 1x grid.
    QSize logicalSize() const { return {width() / m_scale, height() / m_scale}; }

    ResLib& m_res;
    DegitProps m_props;
    // Fixed at creation: bold digits without extra space between characters.
    bool m_bold = true;
    int m_charExtra = 0;
    int m_scale = 1;
    DegitRenderer m_renderer;
    QImage m_image;
    QString m_litText;
    int m_litKeta = 0; // the cell count of the last redraw
};

} // namespace lumena
