#include "settings/OptionControls.h"
#include "settings/OptionPages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace lumena {

using namespace opt;

namespace {

// The sound rows txtSelectSound(i) by what they play; the numbered sounds
// "1" to "3" follow their row's first.
constexpr int RouteSetRow = 0;
constexpr int ResetRow = 1;
constexpr int PreSoundRow = 3;
constexpr int PreSound1Row = 4;
constexpr int StepSoundRow = 7;
constexpr int StepSound1Row = 8;

// The binding table: each control with the record field it holds, in record order.
template <class Record, class Visit> void bindSoundPage(const SoundPage& p, Record& r, Visit visit)
{
    visit(p.txtSelectSound[RouteSetRow], r.RouteSetSound);
    visit(p.txtSelectSound[ResetRow], r.ResetSound);
    visit(p.Option2[0], r.StepSoundAlways);
    visit(p.Option2[1], r.StepSoundByColumn);
    visit(p.Option6[0], r.StepSoundSync);
    visit(p.Option6[1], r.StepSoundAsync);
    visit(p.txtSelectSound[StepSoundRow], r.StepSoundFile);
    visit(p.Combo1, r.StepSoundColumn);
    visit(p.txtSelectSound[StepSound1Row], r.StepSound1);
    visit(p.txtSelectSound[StepSound1Row + 1], r.StepSound2);
    visit(p.txtSelectSound[StepSound1Row + 2], r.StepSound3);
    visit(p.Option2[2], r.PreSoundAlways);
    visit(p.Option2[3], r.PreSoundByFlag);
    visit(p.Option7[0], r.PreSoundSync);
    visit(p.Option7[1], r.PreSoundAsync);
    visit(p.txtSelectSound[PreSoundRow], r.PreSoundFile);
    visit(p.txtSelectSound[PreSound1Row], r.PreSound1);
    visit(p.txtSelectSound[PreSound1Row + 1], r.PreSound2);
    visit(p.txtSelectSound[PreSound1Row + 2], r.PreSound3);
}

} // namespace

// A file text box txtSelectSound(i) with its choose button cmdSelectSound(i).
QWidget* SoundPage::soundRow(QWidget* parent, int i)
{
    auto* row = new QWidget(parent);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    txtSelectSound[i] = textBox(row, indexed("txtSelectSound", i));
    cmdSelectSound[i] = button(row, indexed("cmdSelectSound", i), QStringLiteral("..."));
    cmdSelectSound[i]->setFixedWidth(28);
    h->addWidget(txtSelectSound[i]);
    h->addWidget(cmdSelectSound[i]);
    return row;
}

// The "再生方法" frame: play synchronously (`after` happens once the sound has
// ended) or asynchronously (while it plays), as option buttons <name>(0), (1).
QGroupBox* SoundPage::syncFrame(QWidget* parent, const QString& frameName, const char* name,
                                const QString& after, std::array<QRadioButton*, 2>& options)
{
    auto* how = frame(parent, frameName, QStringLiteral("再生方法"));
    auto* layout = new QVBoxLayout(how);
    tighten(layout);
    auto* group = new QButtonGroup(how);
    options[0] =
        option(how, indexed(name, 0),
               QStringLiteral("同期再生(サウンドが完全に再生された後で%1)").arg(after), group);
    options[1] = option(how, indexed(name, 1),
                        QStringLiteral("非同期再生(サウンドを再生しながら%1)").arg(after), group);
    layout->addWidget(options[0]);
    layout->addWidget(options[1]);
    return how;
}

SoundPage::SoundPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 4));
    setTitle(QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"));
    auto* v = new QVBoxLayout(this);
    tighten(v);

    auto* top = new QGridLayout;
    top->setSpacing(1);
    top->addWidget(label(this, QStringLiteral("系統設定時のサウンド：")), 0, 0);
    top->addWidget(soundRow(this, RouteSetRow), 0, 1);
    top->addWidget(label(this, QStringLiteral("リセット時のサウンド：")), 1, 0);
    top->addWidget(soundRow(this, ResetRow), 1, 1);
    v->addLayout(top);

    auto* pick = new QHBoxLayout;
    auto* pickGroup = new QButtonGroup(this);
    Option5[1] =
        option(this, indexed("Option5", 1), QStringLiteral("送り・戻し時のサウンド..."), pickGroup);
    Option5[0] =
        option(this, indexed("Option5", 0), QStringLiteral("放送前のサウンド..."), pickGroup);
    pick->addWidget(Option5[1]);
    pick->addWidget(Option5[0]);
    pick->addStretch();
    v->addLayout(pick);

    Frame2Stack = make<QStackedWidget>(this, QStringLiteral("stkFrame2"));
    const QString numbered[3] = {QStringLiteral("「1」の場合"), QStringLiteral("「2」の場合"),
                                 QStringLiteral("「3」の場合")};

    // Frame2(0): before an announcement.
    Frame2[0] = frame(
        Frame2Stack, indexed("Frame2", 0),
        QStringLiteral(
            "放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"));
    {
        auto* g = new QGridLayout(Frame2[0]);
        tighten(g);
        auto* which = new QButtonGroup(Frame2[0]);
        Option2[2] = option(Frame2[0], indexed("Option2", 2),
                            QStringLiteral("常に右記のサウンドを鳴らす"), which);
        Option2[3] =
            wrappedOption(Frame2[0], indexed("Option2", 3),
                          QStringLiteral("放送データ(*.Tp.csv)"
                                         "内のフラグから判断して、以下の指定したサウンドを鳴らす（"
                                         "フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
                          which);
        g->addWidget(Option2[2], 0, 0);
        g->addWidget(soundRow(Frame2[0], PreSoundRow), 0, 1);
        g->addWidget(Option2[3], 1, 0, 1, 2);
        for (int n = 0; n < 3; ++n) {
            g->addWidget(label(Frame2[0], numbered[n]), 2 + n, 0, Qt::AlignRight);
            g->addWidget(soundRow(Frame2[0], PreSound1Row + n), 2 + n, 1);
        }
        g->addWidget(syncFrame(Frame2[0], QStringLiteral("fraPreSoundSync"), "Option7",
                               QStringLiteral("放送開始"), Option7),
                     5, 0, 1, 2);
    }

    // Frame2(1): forward and back.
    Frame2[1] = frame(Frame2Stack, indexed("Frame2", 1), QStringLiteral("送り・戻し時のサウンド"));
    {
        auto* g = new QGridLayout(Frame2[1]);
        tighten(g);
        g->addWidget(syncFrame(Frame2[1], QStringLiteral("fraStepSoundSync"), "Option6",
                               QStringLiteral("運賃切り替え"), Option6),
                     0, 0, 1, 2);
        auto* which = new QButtonGroup(Frame2[1]);
        Option2[0] = option(Frame2[1], indexed("Option2", 0),
                            QStringLiteral("常に右記のサウンドを鳴らす"), which);
        Option2[1] = wrappedOption(
            Frame2[1], indexed("Option2", 1),
            QStringLiteral("運賃データ(*.hy3)"
                           "の特定の列のデータから判断して、以下の指定したサウンドを鳴らす（指定し"
                           "た列のデータの内容が1～3以外の場合はサウンドは鳴りません）"),
            which);
        g->addWidget(Option2[0], 1, 0);
        g->addWidget(soundRow(Frame2[1], StepSoundRow), 1, 1);
        g->addWidget(Option2[1], 2, 0, 1, 2);
        auto* column = new QHBoxLayout;
        Label1_2 = label(Frame2[1], QStringLiteral("運賃データの"), indexed("Label1", 2));
        Combo1 = list(Frame2[1], QStringLiteral("Combo1"));
        column->addWidget(Label1_2);
        column->addWidget(Combo1);
        column->addWidget(label(Frame2[1], QStringLiteral("列目　のデータが、")));
        column->addStretch();
        g->addLayout(column, 3, 0, 1, 2);
        for (int n = 0; n < 3; ++n) {
            g->addWidget(label(Frame2[1], numbered[n]), 4 + n, 0, Qt::AlignRight);
            g->addWidget(soundRow(Frame2[1], StepSound1Row + n), 4 + n, 1);
        }
    }
    Frame2Stack->addWidget(Frame2[0]);
    Frame2Stack->addWidget(Frame2[1]);
    v->addWidget(Frame2Stack);
    v->addWidget(
        notice(this, QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することが"
                                    "ありますので、あらかじめご了承ください。")));

    for (int i = 0; i < 2; ++i) {
        connect(Option5[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Frame2Stack->setCurrentWidget(Frame2[i]);
        });
    }
    Option5[1]->setChecked(true);
    Frame2Stack->setCurrentWidget(Frame2[1]);

    // The built-in choices until a settings file says otherwise.
    Option2[0]->setChecked(true);
    Option2[2]->setChecked(true);
    Option6[1]->setChecked(true);
    Option7[0]->setChecked(true);
}

void SoundPage::get(ini::SoundInfo& out) const
{
    bindSoundPage(*this, out, ReadControls{});
}

void SoundPage::set(const ini::SoundInfo& in)
{
    bindSoundPage(*this, in, WriteControls{});
}

void SoundPage::setSoundFile(int row, const QString& path)
{
    txtSelectSound[size_t(row)]->setText(path);
}

QString SoundPage::routeSetSound() const
{
    return txtSelectSound[RouteSetRow]->text();
}

QString SoundPage::resetSound() const
{
    return txtSelectSound[ResetRow]->text();
}

bool SoundPage::stepSoundAlways() const
{
    return Option2[0]->isChecked();
}

QString SoundPage::stepSoundFile() const
{
    return txtSelectSound[StepSoundRow]->text();
}

QString SoundPage::stepSound(int n) const
{
    return n >= 1 && n <= 3 ? txtSelectSound[StepSound1Row + n - 1]->text() : QString();
}

int SoundPage::stepSoundColumn() const
{
    return oneBased(Combo1);
}

bool SoundPage::stepSoundSync() const
{
    return Option6[0]->isChecked();
}

bool SoundPage::preSoundAlways() const
{
    return Option2[2]->isChecked();
}

QString SoundPage::preSoundFile() const
{
    return txtSelectSound[PreSoundRow]->text();
}

QString SoundPage::preSound(int n) const
{
    return n >= 1 && n <= 3 ? txtSelectSound[PreSound1Row + n - 1]->text() : QString();
}

bool SoundPage::preSoundSync() const
{
    return Option7[0]->isChecked();
}

} // namespace lumena
