#include "settings/OptionControls.h"

#include <QLayout>
#include <QPainter>
#include <QStyleOptionButton>

namespace lumena::opt {

QCheckBox* check(QWidget* parent, const QString& name, const QString& caption)
{
    return make<QCheckBox>(parent, name, caption);
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption,
                     QButtonGroup* group)
{
    auto* b = make<QRadioButton>(parent, name, caption);
    if (group)
        group->addButton(b);
    return b;
}

namespace {

class WrappedRadio final : public QRadioButton {
public:
    WrappedRadio(const QString& caption, int lines, QWidget* parent)
        : QRadioButton(caption, parent), m_lines(lines)
    {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    }
    QSize sizeHint() const override
    {
        return QSize(200, fontMetrics().lineSpacing() * m_lines + 2);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOptionButton o;
        initStyleOption(&o);
        o.text.clear();
        const QRect indicator = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &o, this);
        o.rect = QRect(indicator.left(), 1, indicator.width(), fontMetrics().lineSpacing());
        style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &o, &p, this);
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        const QRect textRect = rect().adjusted(indicator.right() + 5, 1, 0, 0);
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    }

private:
    int m_lines;
};

} // namespace

QRadioButton* wrappedOption(QWidget* parent, const QString& name, const QString& caption,
                            QButtonGroup* group, int lines)
{
    auto* b = new WrappedRadio(caption, lines, parent);
    b->setObjectName(name);
    if (group)
        group->addButton(b);
    return b;
}

void tighten(QLayout* layout)
{
    layout->setContentsMargins(4, 1, 4, 1);
    layout->setSpacing(1);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption)
{
    return make<QPushButton>(parent, name, caption);
}

QLineEdit* textBox(QWidget* parent, const QString& name)
{
    return make<QLineEdit>(parent, name);
}

QComboBox* list(QWidget* parent, const QString& name)
{
    auto* c = make<QComboBox>(parent, name);
    c->setEditable(false);
    c->setMaxVisibleItems(20);
    return c;
}

QLabel* label(QWidget* parent, const QString& caption, const QString& name)
{
    auto* l = new QLabel(caption, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLabel* notice(QWidget* parent, const QString& caption)
{
    auto* l = label(parent, caption);
    l->setWordWrap(true);
    return l;
}

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption)
{
    return make<QGroupBox>(parent, name, caption);
}

void setChoice(QAbstractButton* b, qint16 v)
{
    if (v != 0) {
        b->setChecked(true);
        return;
    }
    if (!b->isChecked())
        return;
    QButtonGroup* g = b->group();
    const bool exclusive = g && g->exclusive();
    if (exclusive)
        g->setExclusive(false);
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(true);
    if (exclusive)
        g->setExclusive(true);
}

void setIndex(QComboBox* c, qint16 v)
{
    c->setCurrentIndex(v >= 0 && v < c->count() ? v : -1);
}

} // namespace lumena::opt
