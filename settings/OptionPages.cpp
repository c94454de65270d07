#include "settings/OptionPages.h"

#include "settings/DegitSample.h"
#include "settings/OptionControls.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lumena {

using namespace opt;

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
    out.FareDataDir = Text2[0]->text();
    out.TapeDataDir = Text2[1]->text();
}

void DataDirPage::set(const ini::DataDirInfo& in)
{
    Text2[0]->setText(in.FareDataDir);
    Text2[1]->setText(in.TapeDataDir);
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
    // Per frame: the "内蔵" and "ユーザーパネル" buttons.
    const int builtIn[3] = {7, 3, 4};
    const int user[3] = {6, 2, 5};
    const QString titles[3] = {QStringLiteral("バックライトOFF時の画像："),
                               QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    for (int k = 0; k < 3; ++k) {
        Frame6[k] = frame(Frame4, indexed("Frame6", k), titles[k]);
        auto* g = new QButtonGroup(Frame6[k]);
        Option3[builtIn[k]] =
            option(Frame6[k], indexed("Option3", builtIn[k]), QStringLiteral("内蔵"), g);
        Option3[user[k]] =
            option(Frame6[k], indexed("Option3", user[k]), QStringLiteral("ユーザーパネル"), g);
        txtSelectPanel[k] = textBox(Frame6[k], indexed("txtSelectPanel", k));
        Command6[k] = button(Frame6[k], indexed("Command6", k), QStringLiteral("..."));
        Command6[k]->setFixedWidth(28);
        auto* fl = new QGridLayout(Frame6[k]);
        tighten(fl);
        fl->addWidget(Option3[builtIn[k]], 0, 0, 1, 2);
        fl->addWidget(Option3[user[k]], 1, 0, 1, 2);
        fl->addWidget(txtSelectPanel[k], 2, 0);
        fl->addWidget(Command6[k], 2, 1);
        f4->addWidget(Frame6[k], 1, k * 2, 1, 2);
        Option3[builtIn[k]]->setChecked(true);
    }
    Option3[0]->setChecked(true);
    for (QRadioButton* b : Option3)
        connect(b, &QRadioButton::toggled, this, &PanelPage::updateFrame6);
    updateFrame6();
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
    out.UseSeiriNum = checkValue(Check1);
    out.SeiriNumColorOff = Command5[0]->faceColor();
    out.SeiriNumColorOn1 = Command5[1]->faceColor();
    out.SeiriNumColorOn2 = Command5[2]->faceColor();
    out.SeiriNumStyle = indexValue(Combo2);
    out.SeiriNumZeroPad = checkValue(Check2);
    out.PanelAuto = choiceValue(Option3[0]);
    out.PanelManual = choiceValue(Option3[1]);
    out.PanelOffBuiltIn = choiceValue(Option3[7]);
    out.PanelOffUser = choiceValue(Option3[6]);
    out.PanelOn1BuiltIn = choiceValue(Option3[3]);
    out.PanelOn1User = choiceValue(Option3[2]);
    out.PanelOn2BuiltIn = choiceValue(Option3[4]);
    out.PanelOn2User = choiceValue(Option3[5]);
    out.PanelOffFile = txtSelectPanel[0]->text();
    out.PanelOn1File = txtSelectPanel[1]->text();
    out.PanelOn2File = txtSelectPanel[2]->text();
}

void PanelPage::set(const ini::PanelInfo& in)
{
    setCheck(Check1, in.UseSeiriNum);
    Command5[0]->setFaceColor(in.SeiriNumColorOff);
    Command5[1]->setFaceColor(in.SeiriNumColorOn1);
    Command5[2]->setFaceColor(in.SeiriNumColorOn2);
    setIndex(Combo2, in.SeiriNumStyle);
    setCheck(Check2, in.SeiriNumZeroPad);
    setChoice(Option3[0], in.PanelAuto);
    setChoice(Option3[1], in.PanelManual);
    setChoice(Option3[7], in.PanelOffBuiltIn);
    setChoice(Option3[6], in.PanelOffUser);
    setChoice(Option3[3], in.PanelOn1BuiltIn);
    setChoice(Option3[2], in.PanelOn1User);
    setChoice(Option3[4], in.PanelOn2BuiltIn);
    setChoice(Option3[5], in.PanelOn2User);
    txtSelectPanel[0]->setText(in.PanelOffFile);
    txtSelectPanel[1]->setText(in.PanelOn1File);
    txtSelectPanel[2]->setText(in.PanelOn2File);
    updateFrame6(); // also when a stored value left every button unchosen
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
        m_sampleBox->replaceWidget(M_Degit1, sample);
        delete M_Degit1;
    } else {
        m_sampleBox->addWidget(sample);
    }
    M_Degit1 = sample;
}

void DegitPage::get(ini::DegitInfo& out) const
{
    out.DegitBackColor = Command8[0]->faceColor();
    out.DegitBaseColor = Command8[1]->faceColor();
    out.DegitLitColor = Command8[2]->faceColor();
    out.InfoStopOrderOn = checkValue(Check3[0]);
    out.InfoStopOrderCell = indexValue(Combo4[0]);
    out.InfoStopOrderFromZero = checkValue(Check3[4]);
    out.InfoSeiriNumOn = checkValue(Check3[1]);
    out.InfoSeiriNumCell = indexValue(Combo4[1]);
    out.InfoRouteNumOn = checkValue(Check3[2]);
    out.InfoRouteNumCell = indexValue(Combo4[2]);
    out.InfoColumnOn = checkValue(Check3[3]);
    out.InfoColumn = indexValue(Combo4[4]);
    out.InfoColumnCell = indexValue(Combo4[3]);
}

void DegitPage::set(const ini::DegitInfo& in)
{
    Command8[0]->setFaceColor(in.DegitBackColor);
    Command8[1]->setFaceColor(in.DegitBaseColor);
    Command8[2]->setFaceColor(in.DegitLitColor);
    setCheck(Check3[0], in.InfoStopOrderOn);
    setIndex(Combo4[0], in.InfoStopOrderCell);
    setCheck(Check3[4], in.InfoStopOrderFromZero);
    setCheck(Check3[1], in.InfoSeiriNumOn);
    setIndex(Combo4[1], in.InfoSeiriNumCell);
    setCheck(Check3[2], in.InfoRouteNumOn);
    setIndex(Combo4[2], in.InfoRouteNumCell);
    setCheck(Check3[3], in.InfoColumnOn);
    setIndex(Combo4[4], in.InfoColumn);
    setIndex(Combo4[3], in.InfoColumnCell);
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
    out.ChimeiBackColor = Command9[0]->faceColor();
    out.ChimeiForeColor = Command9[1]->faceColor();
    out.ChimeiFontMode = indexValue(Combo3);
    out.ChimeiFontBold = checkValue(Check4);
}

void ChimeiPage::set(const ini::ChimeiInfo& in)
{
    Command9[0]->setFaceColor(in.ChimeiBackColor);
    Command9[1]->setFaceColor(in.ChimeiForeColor);
    setIndex(Combo3, in.ChimeiFontMode);
    setCheck(Check4, in.ChimeiFontBold);
}

} // namespace lumena
