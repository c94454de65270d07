#include "ticket/SeirikenPreview.h"

#include "ticket/TicketPreview.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumena {

SeirikenPreview::SeirikenPreview(QWidget* parent) : QWidget(parent)
{
    setSizeTwips(PreviewDefaultWidthTwips, PreviewDefaultHeightTwips);
}

void SeirikenPreview::setSizeTwips(int width, int height)
{
    const QSize px = previewPixels(width, height);
    setFixedSize(px);
    m_image = blankPreviewImage(px);
    update();
}

void SeirikenPreview::clearPicture()
{
    m_image.fill(Qt::white);
    update();
}

void SeirikenPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void SeirikenPreview::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit contextMenuWanted(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

} // namespace lumena
