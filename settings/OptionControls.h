#pragma once
// Building blocks of the options pages: named controls, the value forms the
// settings record uses for them (check 0/1, choice -1/0, list index), and the
// two visitors of a page's binding table.

#include "settings/ColorButton.h"

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
// A stored 0 unchooses the button even in an exclusive group, so a group may
// end up with none chosen when every value of it says so.
void setChoice(QAbstractButton* b, qint16 v);
// An index the list does not have leaves it without a choice (-1).
void setIndex(QComboBox* c, qint16 v);
inline qint16 indexValue(const QComboBox* c)
{
    return static_cast<qint16>(c->currentIndex());
}

// A page's binding table lists each control with the record field it holds,
// once, in record order:
//   template <class Record, class Visit> void bindX(const XPage& p, Record& r, Visit visit)
//   { visit(p.Check1, r.UseSeiriNum); ... }
// get visits it with ReadControls (Record non-const), set with WriteControls
// (Record const), so a field is read and written through the same control
// and the same value form.
struct ReadControls {
    void operator()(const QCheckBox* c, qint16& v) const { v = checkValue(c); }
    void operator()(const QRadioButton* b, qint16& v) const { v = choiceValue(b); }
    void operator()(const QComboBox* c, qint16& v) const { v = indexValue(c); }
    void operator()(const ColorButton* b, quint32& v) const { v = b->faceColor(); }
    void operator()(const QLineEdit* t, QString& v) const { v = t->text(); }
    void operator()(const QLabel* l, QString& v) const { v = l->text(); }
};

struct WriteControls {
    void operator()(QCheckBox* c, qint16 v) const { setCheck(c, v); }
    void operator()(QRadioButton* b, qint16 v) const { setChoice(b, v); }
    void operator()(QComboBox* c, qint16 v) const { setIndex(c, v); }
    void operator()(ColorButton* b, quint32 v) const { b->setFaceColor(v); }
    void operator()(QLineEdit* t, const QString& v) const { t->setText(v); }
    void operator()(QLabel* l, const QString& v) const { l->setText(v); }
};

// A list position as a 1-based number; 0 when nothing is chosen.
inline int oneBased(const QComboBox* c)
{
    return c->currentIndex() + 1;
}

} // namespace lumena::opt
