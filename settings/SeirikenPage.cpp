#include "settings/OptionControls.h"
#include "settings/OptionPages.h"
#include "ticket/PluginInfo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace lumena {

using namespace opt;

namespace {

// The binding table: each control with the record field it holds, in record order.
template <class Record, class Visit>
void bindSeirikenPage(const SeirikenPage& p, Record& r, Visit visit)
{
    visit(p.chkUseSeiriPrev, r.UseSeiriPrev);
    visit(p.txtSeiriPlgDir, r.SeiriPlgFile);
    visit(p.Option4[0], r.DateModeEachPrint);
    visit(p.Option4[1], r.DateModeRouteSet);
    visit(p.Option4[2], r.DateModeFixed);
    visit(p.Label10, r.FixedDate);
}

// The property list shows seven whole lines, each as wide as the widest a
// plug-in can have, without a horizontal scroll bar.
void fitPropertyList(QListWidget* list)
{
    PlgInfo widest;
    widest[7] = 1;     // bar codes
    widest[9] = 99999; // route limit
    widest[10] = 2;    // route and flag
    widest[11] = widest[12] = 999;
    widest[13] = 1;
    list->addItems(plgInfoLines(widest));
    int width = 0;
    for (int row = 0; row < list->count(); ++row)
        width = qMax(width, list->sizeHintForIndex(list->model()->index(row, 0)).width());
    const int rowHeight = list->sizeHintForRow(0);
    list->clear();
    list->setUniformItemSizes(true);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int frame = 2 * list->frameWidth();
    list->setFixedSize(width + frame + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                       7 * rowHeight + frame);
}

} // namespace

SeirikenPage::SeirikenPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 5));
    setTitle(QStringLiteral("整理券プレビュー"));
    auto* v = new QVBoxLayout(this);
    v->setSpacing(3);
    chkUseSeiriPrev = check(this, QStringLiteral("chkUseSeiriPrev"),
                            QStringLiteral("整理券プレビュー機能を使用する"));
    v->addWidget(chkUseSeiriPrev);

    fraPlgin = frame(this, QStringLiteral("fraPlgin"), QStringLiteral("整理券プラグイン設定"));
    {
        auto* g = new QGridLayout(fraPlgin);
        g->setVerticalSpacing(2);
        txtSeiriPlgDir = textBox(fraPlgin, QStringLiteral("txtSeiriPlgDir"));
        Command1 = button(fraPlgin, QStringLiteral("Command1"), QStringLiteral("..."));
        Command1->setFixedWidth(28);
        Command11 = button(fraPlgin, QStringLiteral("Command11"), QStringLiteral("×"));
        Command11->setFixedWidth(28);
        List1 = make<QListWidget>(fraPlgin, QStringLiteral("List1"));
        fitPropertyList(List1);
        txtPlginComment = make<QPlainTextEdit>(fraPlgin, QStringLiteral("txtPlginComment"));
        txtPlginComment->setReadOnly(true);
        g->addWidget(txtSeiriPlgDir, 0, 0, 1, 2);
        g->addWidget(Command1, 0, 2);
        g->addWidget(Command11, 0, 3);
        g->addWidget(List1, 1, 0);
        g->addWidget(txtPlginComment, 1, 1, 1, 3);
    }
    v->addWidget(fraPlgin, 1);

    fraDate = frame(
        this, QStringLiteral("fraDate"),
        QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"));
    {
        auto* g = new QGridLayout(fraDate);
        g->setVerticalSpacing(1);
        auto* modes = new QButtonGroup(fraDate);
        Option4[0] = option(
            fraDate, indexed("Option4", 0),
            QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"),
            modes);
        Option4[1] =
            option(fraDate, indexed("Option4", 1),
                   QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), modes);
        Option4[2] =
            option(fraDate, indexed("Option4", 2), QStringLiteral("右記の日付に固定"), modes);
        Label10 = label(fraDate, QString(), QStringLiteral("Label10"));
        Label10->setFrameShape(QFrame::Panel);
        Label10->setFrameShadow(QFrame::Sunken);
        Command7 = button(fraDate, QStringLiteral("Command7"), QStringLiteral("日付選択..."));
        g->addWidget(Option4[0], 0, 0, 1, 3);
        g->addWidget(Option4[1], 1, 0, 1, 3);
        g->addWidget(
            notice(fraDate, QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても"
                                           "次回系統設定するまで整理券の日付変更を行いません。")),
            2, 0, 1, 3);
        g->addWidget(Option4[2], 3, 0);
        g->addWidget(Label10, 3, 1);
        g->addWidget(Command7, 3, 2);
        Option4[0]->setChecked(true);
    }
    v->addWidget(fraDate);
    // Keeps the check box at the top while the frames are hidden.
    v->addStretch(0);

    connect(chkUseSeiriPrev, &QCheckBox::toggled, this, &SeirikenPage::updateFrames);
    updateFrames();
}

void SeirikenPage::updateFrames()
{
    const bool on = chkUseSeiriPrev->isChecked();
    for (QGroupBox* f : {fraPlgin, fraDate}) {
        f->setVisible(on);
        f->setEnabled(on);
    }
}

void SeirikenPage::get(ini::SeirikenInfo& out) const
{
    bindSeirikenPage(*this, out, ReadControls{});
}

void SeirikenPage::set(const ini::SeirikenInfo& in)
{
    bindSeirikenPage(*this, in, WriteControls{});
}

bool SeirikenPage::usePreview() const
{
    return chkUseSeiriPrev->isChecked();
}

QString SeirikenPage::pluginFile() const
{
    return txtSeiriPlgDir->text();
}

DateMode SeirikenPage::dateMode() const
{
    if (Option4[2]->isChecked())
        return DateMode::Fixed;
    if (Option4[1]->isChecked())
        return DateMode::RouteSet;
    return DateMode::EachPrint;
}

QString SeirikenPage::fixedDate() const
{
    return Label10->text();
}

void SeirikenPage::setFixedDate(const QString& date)
{
    Label10->setText(date);
}

} // namespace lumena
