#pragma once
// The panel's ticket preview picture box (picSeirikenPrev): a white area that
// keeps what was drawn into its picture, so the ticket survives repainting
// and can be copied. A right-button press asks for the copy menu.

#include <QImage>
#include <QWidget>

namespace lumena {

class SeirikenPreview final : public QWidget {
    Q_OBJECT
public:
    explicit SeirikenPreview(QWidget* parent = nullptr);

    // The persistent picture the ticket is drawn into.
    QImage* image() { return &m_image; }
    const QImage& picture() const { return m_image; }

    // Size of the area in twips; the picture starts over blank.
    void setSizeTwips(int width, int height);
    // Blank (white) picture.
    void clearPicture();

signals:
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
};

} // namespace lumena
