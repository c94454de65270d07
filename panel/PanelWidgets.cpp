#include "panel/PanelWidgets.h"

#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumena {

void WrapButton::setCaptionMargins(const QMargins& margins)
{
    m_captionMargins = margins;
    update();
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().marginsRemoved(m_captionMargins), Qt::AlignCenter | Qt::TextWordWrap,
                     text());
}

DigitDial::DigitDial(int rows, QWidget* parent) : QListWidget(parent), m_rows(rows)
{
    for (int d = 0; d <= 9; ++d) {
        auto* item = new QListWidgetItem(QString::number(d), this);
        item->setTextAlignment(Qt::AlignCenter);
    }
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Items as wide as the dial (their digit centred), as high as the digit.
    const int rowHeight = sizeHintForRow(0);
    for (int d = 0; d <= 9; ++d)
        item(d)->setSizeHint(QSize(1, rowHeight));
    setFixedHeight(rows * rowHeight + 2 * frameWidth());
    setCurrentRow(-1);
}

void DigitDial::centreChosen()
{
    // Scrolled item by item, the scroll bar counts the rows above the view.
    if (currentRow() >= 0)
        verticalScrollBar()->setValue(currentRow() - m_rows / 2);
}

void DigitDial::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListWidget::currentChanged(current, previous);
    if (!m_pressed)
        centreChosen();
}

void DigitDial::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    QListWidget::mousePressEvent(event);
}

void DigitDial::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    m_pressed = false;
    centreChosen();
}

} // namespace lumena
