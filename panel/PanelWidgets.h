#pragma once
// Small widgets of the operation panel.

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

} // namespace lumena
