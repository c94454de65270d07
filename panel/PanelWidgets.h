#pragma once
// Small widgets of the operation panel.

#include <QPushButton>

namespace lumena {

// A push button whose caption wraps onto several lines when it does not fit
// (the step buttons are narrower than their captions).
class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace lumena
