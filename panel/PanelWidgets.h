#pragma once
// Small widgets of the operation panel.

#include <QListWidget>
#include <QMargins>
#include <QPushButton>

namespace lumena {

// A push button whose caption wraps onto several lines when it does not fit
// (the step buttons are narrower than their captions; the options dialog's
// page selectors use it too).
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The space kept free between the button's edge and its caption; 3 pixels
    // on every side unless set.
    void setCaptionMargins(const QMargins& margins);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMargins m_captionMargins{3, 3, 3, 3};
};

// A dial of the route entry: a column of the digits 0 to 9 showing `rows` of
// them whole, the chosen one kept in the middle as far as the ends allow.
// Too narrow for a scroll bar, it is turned by the wheel, the arrow keys or a
// click on a neighbouring digit. A click turns it once the button is up, so
// the click ends on the digit it began on.
class DigitDial final : public QListWidget {
    Q_OBJECT
public:
    DigitDial(int rows, QWidget* parent);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void centreChosen();

    int m_rows;
    bool m_pressed = false;
};

} // namespace lumena
