#pragma once
// Building blocks of the options pages: named controls, and the value forms
// the settings record uses for them (check 0/1, choice -1/0, list index).

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace lumena::opt {

// "Command5(1)" from ("Command5", 1).
inline QString indexed(const char* name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(i);
}

template <class W, class... Args> W* make(QWidget* parent, const QString& name, Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    return w;
}

QCheckBox* check(QWidget* parent, const QString& name, const QString& caption);
QRadioButton* option(QWidget* parent, const QString& name, const QString& caption,
                     QButtonGroup* group);
// An option button whose long caption wraps onto `lines` lines.
QRadioButton* wrappedOption(QWidget* parent, const QString& name, const QString& caption,
                            QButtonGroup* group, int lines = 2);
// Small margins and spacing, for the crowded pages.
void tighten(QLayout* layout);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption);
QLineEdit* textBox(QWidget* parent, const QString& name);
QComboBox* list(QWidget* parent, const QString& name);
QLabel* label(QWidget* parent, const QString& caption, const QString& name = {});
QLabel* notice(QWidget* parent, const QString& caption);
QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption);

// Record values: a check is 0/1, a choice -1 (chosen) or 0.
inline qint16 checkValue(const QCheckBox* c)
{
    return c->isChecked() ? 1 : 0;
}
inline qint16 choiceValue(const QAbstractButton* b)
{
    return b->isChecked() ? -1 : 0;
}
inline void setCheck(QCheckBox* c, qint16 v)
{
    c->setChecked(v != 0);
}
// Like the original option buttons, a group may end up with none chosen when
// a stored value says so.
void setChoice(QAbstractButton* b, qint16 v);
// An index the list does not have leaves it without a choice (-1).
void setIndex(QComboBox* c, qint16 v);
inline qint16 indexValue(const QComboBox* c)
{
    return static_cast<qint16>(c->currentIndex());
}

} // namespace lumena::opt
