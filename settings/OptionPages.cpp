#include "settings/OptionPages.h"

#include "board/BoardScale.h"
#include "settings/DegitSample.h"
#include "settings/OptionControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lumena {

using namespace opt;

namespace {

// Option3's buttons of backlight states OFF, ON1, ON2: the built-in picture
// and the user picture.
constexpr size_t BuiltInPanelOption[3] = {7, 3, 4};
constexpr size_t UserPanelOption[3] = {6, 2, 5};

// The binding tables: each control with the record field it holds, in record order.

template <class Record, class Visit>
void bindDataDirPage(const DataDirPage& p, Record& r, Visit visit)
{
    visit(p.Text2[DataDirPage::FareData], r.FareDataDir);
    visit(p.Text2[DataDirPage::TapeData], r.TapeDataDir);
}

template <class Record, class Visit> void bindPanelPage(const PanelPage& p, Record& r, Visit visit)
{
    visit(p.Check1, r.UseSeiriNum);
    visit(p.Command5[0], r.SeiriNumColorOff);
    visit(p.Command5[1], r.SeiriNumColorOn1);
    visit(p.Command5[2], r.SeiriNumColorOn2);
    visit(p.Combo2, r.SeiriNumStyle);
    visit(p.Check2, r.SeiriNumZeroPad);
    visit(p.Option3[0], r.PanelAuto);
    visit(p.Option3[1], r.PanelManual);
    visit(p.Option3[BuiltInPanelOption[0]], r.PanelOffBuiltIn);
    visit(p.Option3[UserPanelOption[0]], r.PanelOffUser);
    visit(p.Option3[BuiltInPanelOption[1]], r.PanelOn1BuiltIn);
    visit(p.Option3[UserPanelOption[1]], r.PanelOn1User);
    visit(p.Option3[BuiltInPanelOption[2]], r.PanelOn2BuiltIn);
    visit(p.Option3[UserPanelOption[2]], r.PanelOn2User);
    visit(p.txtSelectPanel[0], r.PanelOffFile);
    visit(p.txtSelectPanel[1], r.PanelOn1File);
    visit(p.txtSelectPanel[2], r.PanelOn2File);
}

template <class Record, class Visit> void bindDegitPage(const DegitPage& p, Record& r, Visit visit)
{
    visit(p.Command8[0], r.DegitBackColor);
    visit(p.Command8[1], r.DegitBaseColor);
    visit(p.Command8[2], r.DegitLitColor);
    visit(p.Check3[DegitPage::StopOrder], r.InfoStopOrderOn);
    visit(p.Combo4[DegitPage::StopOrder], r.InfoStopOrderCell);
    visit(p.Check3[4], r.InfoStopOrderFromZero);
    visit(p.Check3[DegitPage::SeiriNum], r.InfoSeiriNumOn);
    visit(p.Combo4[DegitPage::SeiriNum], r.InfoSeiriNumCell);
    visit(p.Check3[DegitPage::RouteNum], r.InfoRouteNumOn);
    visit(p.Combo4[DegitPage::RouteNum], r.InfoRouteNumCell);
    visit(p.Check3[DegitPage::Column], r.InfoColumnOn);
    visit(p.Combo4[4], r.InfoColumn);
    visit(p.Combo4[DegitPage::Column], r.InfoColumnCell);
}

template <class Record, class Visit>
void bindChimeiPage(const ChimeiPage& p, Record& r, Visit visit)
{
    visit(p.Command9[0], r.ChimeiBackColor);
    visit(p.Command9[1], r.ChimeiForeColor);
    visit(p.Combo3, r.ChimeiFontMode);
    visit(p.Check4, r.ChimeiFontBold);
}

} // namespace

// ---------------------------------------------------------------- page 0

DataDirPage::DataDirPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 0));
    setTitle(QStringLiteral("運賃データと放送用データ"));
    auto* v = new QVBoxLayout(this);
    const QString captions[2] = {QStringLiteral("運賃データ(*.hy3)のあるフォルダー："),
                                 QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー：")};
    const QString openers[2] = {QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                                QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    for (int k = 0; k < 2; ++k) {
        Label3[k] = label(this, captions[k], indexed("Label3", k));
        Text2[k] = textBox(this, indexed("Text2", k));
        Command3[k] = button(this, indexed("Command3", k), QStringLiteral("..."));
        Command3[k]->setFixedWidth(32);
        Command10[k] = button(this, indexed("Command10", k), openers[k]);
        v->addWidget(Label3[k]);
        auto* row = new QHBoxLayout;
        row->addWidget(Text2[k]);
        row->addWidget(Command3[k]);
        v->addLayout(row);
        auto* open = new QHBoxLayout;
        open->addStretch();
        open->addWidget(Command10[k]);
        v->addLayout(open);
        v->addSpacing(12);
    }
    v->addStretch();
}

void DataDirPage::get(ini::DataDirInfo& out) const
{
    bindDataDirPage(*this, out, ReadControls{});
}

void DataDirPage::set(const ini::DataDirInfo& in)
{
    bindDataDirPage(*this, in, WriteControls{});
}

QString DataDirPage::folder(Folder which) const
{
    return Text2[which]->text();
}

void DataDirPage::setFolder(Folder which, const QString& path)
{
    Text2[which]->setText(path);
}

// ---------------------------------------------------------------- page 1

PanelPage::PanelPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 1));
    setTitle(QStringLiteral("パネルと整理券番号表示"));
    auto* v = new QVBoxLayout(this);
    tighten(v);

    // The group follows Check1; both start off (the board ticks Check1 at start).
    Check1 = check(this, QStringLiteral("Check1"), QStringLiteral("整理券番号自動表示機能を使用"));
    v->addWidget(Check1);
    Frame3 = make<QFrame>(this, QStringLiteral("Frame3"));
    static_cast<QFrame*>(Frame3)->setFrameShape(QFrame::StyledPanel);
    Frame3->setEnabled(false);
    auto* f3 = new QGridLayout(Frame3);
    tighten(f3);
    f3->addWidget(label(Frame3, QStringLiteral("整理券番号表示設定")), 0, 0, 1, 2);
    Combo2 = list(Frame3, QStringLiteral("Combo2"));
    f3->addWidget(Combo2, 1, 0);
    Check2 =
        check(Frame3, QStringLiteral("Check2"), QStringLiteral("数字が1桁の番号は頭に0を付け足す"));
    f3->addWidget(Check2, 1, 1);
    f3->addWidget(label(Frame3, QStringLiteral("整理券番号のバックライトカラー(文字色)")), 2, 0, 1,
                  2);
    auto* colors = new QHBoxLayout;
    const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："),
                               QStringLiteral("ON2：")};
    for (int k = 0; k < 3; ++k) {
        Command5[k] = new ColorButton(indexed("Command5", k), Frame3);
        colors->addWidget(label(Frame3, states[k]));
        colors->addWidget(Command5[k]);
    }
    colors->addStretch();
    f3->addLayout(colors, 3, 0, 1, 2);
    f3->addWidget(notice(Frame3, QStringLiteral("※ユーザーパネルに直接番号をデザインしている場合に"
                                                "は上記チェックをOFFにしてください。")),
                  4, 0, 1, 2);
    v->addWidget(Frame3);
    connect(Check1, &QCheckBox::toggled, Frame3, &QWidget::setEnabled);

    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("本体パネル"));
    auto* f4 = new QGridLayout(Frame4);
    tighten(f4);
    auto* modeGroup = new QButtonGroup(Frame4);
    Option3[0] = option(Frame4, indexed("Option3", 0),
                        QStringLiteral("内蔵しているパネルを自動で割り当てる"), modeGroup);
    Option3[1] = option(Frame4, indexed("Option3", 1), QStringLiteral("個別に設定する"), modeGroup);
    f4->addWidget(Option3[0], 0, 0, 1, 3);
    f4->addWidget(Option3[1], 0, 3, 1, 3);
    const QString titles[3] = {QStringLiteral("バックライトOFF時の画像："),
                               QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    for (int k = 0; k < 3; ++k) {
        Frame6[k] = frame(Frame4, indexed("Frame6", k), titles[k]);
        auto* g = new QButtonGroup(Frame6[k]);
        const size_t builtIn = BuiltInPanelOption[k], user = UserPanelOption[k];
        Option3[builtIn] =
            option(Frame6[k], indexed("Option3", int(builtIn)), QStringLiteral("内蔵"), g);
        Option3[user] =
            option(Frame6[k], indexed("Option3", int(user)), QStringLiteral("ユーザーパネル"), g);
        txtSelectPanel[k] = textBox(Frame6[k], indexed("txtSelectPanel", k));
        Command6[k] = button(Frame6[k], indexed("Command6", k), QStringLiteral("..."));
        Command6[k]->setFixedWidth(28);
        auto* fl = new QGridLayout(Frame6[k]);
        tighten(fl);
        fl->addWidget(Option3[builtIn], 0, 0, 1, 2);
        fl->addWidget(Option3[user], 1, 0, 1, 2);
        fl->addWidget(txtSelectPanel[k], 2, 0);
        fl->addWidget(Command6[k], 2, 1);
        f4->addWidget(Frame6[k], 1, k * 2, 1, 2);
        Option3[builtIn]->setChecked(true);
    }
    Option3[0]->setChecked(true);
    for (QRadioButton* b : Option3)
        connect(b, &QRadioButton::toggled, this, &PanelPage::updateFrame6);
    updateFrame6();
    // The whole board enlarged by a whole number, so every dot stays crisp.
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(
        label(Frame4, QStringLiteral("表示倍率："), QStringLiteral("lblDispScale")));
    auto* scaleGroup = new QButtonGroup(Frame4);
    for (int k = 0; k < MaxBoardScale; ++k) {
        optDispScale[size_t(k)] = option(Frame4, indexed("optDispScale", k),
                                         QStringLiteral("%1倍").arg(k + 1), scaleGroup);
        scaleRow->addWidget(optDispScale[size_t(k)]);
    }
    optDispScale[0]->setChecked(true);
    scaleRow->addStretch();
    f4->addLayout(scaleRow, 2, 0, 1, 6);
    v->addWidget(Frame4);
    v->addWidget(notice(
        this,
        QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパネルの"
                       "場合、はみ出た部分（右・下）が切り取られます。逆に小さいパネルの場合は左上"
                       "から表示され、余白部分はグレーになりますのでご注意ください。")));
    v->addStretch();
}

void PanelPage::updateFrame6()
{
    const bool individual = !Option3[0]->isChecked();
    for (QGroupBox* f : Frame6) {
        f->setVisible(individual);
        f->setEnabled(individual);
    }
}

void PanelPage::get(ini::PanelInfo& out) const
{
    bindPanelPage(*this, out, ReadControls{});
}

void PanelPage::set(const ini::PanelInfo& in)
{
    bindPanelPage(*this, in, WriteControls{});
    updateFrame6(); // also when a stored value left every button unchosen
}

bool PanelPage::seiriNumShown() const
{
    return Check1->isChecked();
}

qint16 PanelPage::seiriNumStyle() const
{
    return indexValue(Combo2);
}

qint16 PanelPage::seiriNumZeroPad() const
{
    return checkValue(Check2);
}

quint32 PanelPage::seiriNumColor(int state) const
{
    return Command5[size_t(state)]->faceColor();
}

void PanelPage::setSeiriNumColor(int state, quint32 color)
{
    Command5[size_t(state)]->setFaceColor(color);
}

bool PanelPage::builtInPanelsAuto() const
{
    return Option3[0]->isChecked();
}

bool PanelPage::userPanelChosen(int state) const
{
    return Option3[UserPanelOption[state]]->isChecked();
}

QString PanelPage::userPanelFile(int state) const
{
    return txtSelectPanel[size_t(state)]->text();
}

void PanelPage::setUserPanelFile(int state, const QString& path)
{
    txtSelectPanel[size_t(state)]->setText(path);
}

int PanelPage::boardScale() const
{
    for (int k = 0; k < MaxBoardScale; ++k)
        if (optDispScale[size_t(k)]->isChecked())
            return k + 1;
    return MinBoardScale;
}

void PanelPage::setBoardScale(int scale)
{
    optDispScale[size_t(clampBoardScale(scale) - 1)]->setChecked(true);
}

// ---------------------------------------------------------------- page 2

DegitPage::DegitPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 2));
    setTitle(QStringLiteral("デジタル部品と情報用数字"));
    auto* v = new QVBoxLayout(this);
    v->setSpacing(3);

    auto* colors = frame(
        this, QStringLiteral("fraDegitColor"),
        QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"));
    auto* cl = new QGridLayout(colors);
    cl->setVerticalSpacing(2);
    const QString captions[3] = {QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："),
                                 QStringLiteral("発光時の文字色：")};
    for (int k = 0; k < 3; ++k) {
        Command8[k] = new ColorButton(indexed("Command8", k), colors);
        cl->addWidget(label(colors, captions[k]), k, 0);
        cl->addWidget(Command8[k], k, 1);
    }
    m_sampleBox = new QVBoxLayout;
    m_sampleBox->addWidget(label(colors, QStringLiteral("プレビュー")));
    cl->addLayout(m_sampleBox, 0, 2, 3, 1);
    cl->setColumnStretch(3, 1);
    setSample(new DegitSample(colors));
    v->addWidget(colors);

    auto* info = frame(this, QStringLiteral("fraInfoNum"), QStringLiteral("情報用数字の設定"));
    auto* il = new QGridLayout(info);
    il->setVerticalSpacing(2);
    const QString cellText = QStringLiteral("コマ目に表示する。");
    Check3[0] = check(info, indexed("Check3", 0), QStringLiteral("停留所の順番（区間・個数）を、"));
    Check3[1] = check(info, indexed("Check3", 1), QStringLiteral("整理券番号を、"));
    Check3[2] = check(info, indexed("Check3", 2), QStringLiteral("系統番号を、"));
    Check3[3] = check(info, indexed("Check3", 3), QStringLiteral("データの"));
    Check3[4] = check(info, indexed("Check3", 4), QStringLiteral("0から数える"));
    for (int k = 0; k < 5; ++k) {
        Combo4[k] = list(info, indexed("Combo4", k));
        Combo4[k]->setEnabled(false);
    }
    Check3[4]->setEnabled(false);
    for (int k = 0; k < 3; ++k) {
        il->addWidget(Check3[k], k, 0);
        il->addWidget(Combo4[k], k, 1);
        il->addWidget(label(info, cellText), k, 2, 1, 3);
    }
    il->addWidget(Check3[4], 0, 5);
    il->addWidget(Check3[3], 3, 0);
    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(Combo4[4]);
    columnRow->addWidget(label(info, QStringLiteral("列目の値を、")));
    columnRow->addWidget(Combo4[3]);
    columnRow->addWidget(label(info, cellText));
    columnRow->addStretch();
    il->addLayout(columnRow, 3, 1, 1, 5);
    il->setColumnStretch(5, 1);
    il->addWidget(
        notice(info, QStringLiteral(
                         "デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定し"
                         "てください。また、これら情報用数字は運賃の表示よりも優先されます。")),
        4, 0, 1, 6);
    v->addWidget(info);
    v->addStretch();

    // Each list is enabled exactly while its box is checked.
    connect(Check3[0], &QCheckBox::toggled, Combo4[0], &QWidget::setEnabled);
    connect(Check3[0], &QCheckBox::toggled, Check3[4], &QWidget::setEnabled);
    connect(Check3[1], &QCheckBox::toggled, Combo4[1], &QWidget::setEnabled);
    connect(Check3[2], &QCheckBox::toggled, Combo4[2], &QWidget::setEnabled);
    connect(Check3[3], &QCheckBox::toggled, Combo4[3], &QWidget::setEnabled);
    connect(Check3[3], &QCheckBox::toggled, Combo4[4], &QWidget::setEnabled);
}

void DegitPage::setSample(QWidget* sample)
{
    sample->setObjectName(QStringLiteral("M_Degit1"));
    sample->setFixedSize(52, 20); // 780 x 300 twips
    if (M_Degit1) {
        delete m_sampleBox->replaceWidget(M_Degit1, sample); // the item is ours
        delete M_Degit1;
    } else {
        m_sampleBox->addWidget(sample);
    }
    M_Degit1 = sample;
}

void DegitPage::get(ini::DegitInfo& out) const
{
    bindDegitPage(*this, out, ReadControls{});
}

void DegitPage::set(const ini::DegitInfo& in)
{
    bindDegitPage(*this, in, WriteControls{});
}

DegitColors DegitPage::colors() const
{
    return {Command8[0]->faceColor(), Command8[1]->faceColor(), Command8[2]->faceColor()};
}

bool DegitPage::infoOn(InfoNumber which) const
{
    return Check3[which]->isChecked();
}

int DegitPage::infoCell(InfoNumber which) const
{
    return oneBased(Combo4[which]);
}

bool DegitPage::stopOrderFromZero() const
{
    return Check3[4]->isChecked();
}

int DegitPage::infoColumn() const
{
    return oneBased(Combo4[4]);
}

// ---------------------------------------------------------------- page 3

ChimeiPage::ChimeiPage(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(indexed("Frame1", 3));
    setTitle(QStringLiteral("停名の設定"));
    auto* g = new QGridLayout(this);
    Command9[0] = new ColorButton(indexed("Command9", 0), this);
    Command9[1] = new ColorButton(indexed("Command9", 1), this);
    g->addWidget(label(this, QStringLiteral("背景色：")), 0, 0);
    g->addWidget(Command9[0], 0, 1);
    g->addWidget(label(this, QStringLiteral("文字色：")), 1, 0);
    g->addWidget(Command9[1], 1, 1);
    g->addWidget(label(this, QStringLiteral("フォントオプション：")), 2, 0);
    Combo3 = list(this, QStringLiteral("Combo3"));
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
                      QStringLiteral("漢字はゴシック、それ以外は明朝"),
                      QStringLiteral("漢字は明朝、それ以外はゴシック"),
                      QStringLiteral("英数字はゴシック、それ以外は明朝")});
    Combo3->setCurrentIndex(-1);
    g->addWidget(Combo3, 2, 1, 1, 2);
    Check4 = check(this, QStringLiteral("Check4"),
                   QStringLiteral("太字（表示の不具合はサポート対象外）"));
    g->addWidget(Check4, 3, 0, 1, 3);
    g->setColumnStretch(3, 1);
    g->setRowStretch(4, 1);
}

void ChimeiPage::get(ini::ChimeiInfo& out) const
{
    bindChimeiPage(*this, out, ReadControls{});
}

void ChimeiPage::set(const ini::ChimeiInfo& in)
{
    bindChimeiPage(*this, in, WriteControls{});
}

quint32 ChimeiPage::backColor() const
{
    return Command9[0]->faceColor();
}

quint32 ChimeiPage::foreColor() const
{
    return Command9[1]->faceColor();
}

qint16 ChimeiPage::fontMode() const
{
    return indexValue(Combo3);
}

bool ChimeiPage::bold() const
{
    return Check4->isChecked();
}

} // namespace lumena
