#pragma once
// Stand-in for the digit element shown as the colour sample on the options
// dialog, until the application puts the board's own digit element there
// (OptionsDialog::setDegitSample). Same property names as the element, colours
// as 0x00BBGGRR.

#include <QWidget>

namespace lumena {

class DegitSample final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 BaseForeColor READ BaseForeColor WRITE setBaseForeColor)
    Q_PROPERTY(quint32 DegitForeColor READ DegitForeColor WRITE setDegitForeColor)
    Q_PROPERTY(int DegitSize READ DegitSize WRITE setDegitSize)
public:
    explicit DegitSample(QWidget* parent = nullptr);
    quint32 BackColor() const { return m_back; }
    quint32 BaseForeColor() const { return m_base; }
    quint32 DegitForeColor() const { return m_lit; }
    int DegitSize() const { return m_size; }
    void setBackColor(quint32 c);
    void setBaseForeColor(quint32 c);
    void setDegitForeColor(quint32 c);
    void setDegitSize(int s) { m_size = s; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_back = 0x00808080;
    quint32 m_base = 0x00969696;
    quint32 m_lit = 0x0072D2F8;
    int m_size = 0;
};

// Sets a colour property on an element whichever way it declares it (as a
// QColor or as a 0x00BBGGRR number).
void setColorProperty(QObject* element, const char* name, quint32 bgr);

} // namespace lumena
