#pragma once
// A colour button of the options dialog: no caption, its face shows the
// colour it holds (0x00BBGGRR, kept exactly as set, so a value round-trips
// through the settings file unchanged).

#include <QPushButton>

namespace lumena {

class ColorButton final : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(quint32 faceColor READ faceColor WRITE setFaceColor)
public:
    explicit ColorButton(const QString& name, QWidget* parent = nullptr);
    quint32 faceColor() const { return m_color; }
    void setFaceColor(quint32 color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_color = 0;
};

} // namespace lumena
