// Controls of the operation panel, at their designed places. Positions are
// given in twips as designed and converted at 15 twips per pixel.

#include "panel/GtfsImportDialog.h"
#include "panel/PanelWidgets.h"
#include "panel/PanelWindow.h"
#include "panel/RunController.h"
#include "reslib/Units.h"
#include "sound/SoundPorts.h"
#include "ticket/PreviewGlue.h"
#include "ticket/SeirikenPreview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace lumena {

namespace {

template <class W>
W* place(W* widget, const QString& name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
    return widget;
}

QString indexed(const char16_t* base, int i)
{
    return QString::fromUtf16(base) + u'(' + QString::number(i) + u')';
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, int l, int t, int w, int h,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* lbl = place(new QLabel(text, parent), name, l, t, w, h);
    lbl->setAlignment(align);
    return lbl;
}

// The dials show five digits each: the chosen one and two on either side.
QListWidget* digitList(QWidget* parent, const QString& name, int left)
{
    auto* list = new DigitDial(5, parent);
    list->setObjectName(name);
    list->move(twipsToPixels(left), twipsToPixels(915));
    list->setFixedWidth(twipsToPixels(210));
    return list;
}

} // namespace

void PanelWindow::buildEntryGroups()
{
    for (int g = 0; g < 2; ++g) {
        m_frame1[g] = place(new QGroupBox(this), indexed(u"Frame1", g), 30, -60, 1995, 2625);
        m_frame1[g]->setAutoFillBackground(true);
        m_frame1[g]->installEventFilter(this);
    }

    // Dial group.
    QGroupBox* dial = m_frame1[0];
    QLabel* title = label(dial, u"Label5"_s, u"系統設定"_s, 225, 255, 1530, 375, Qt::AlignCenter);
    QFont big = title->font();
    big.setPixelSize(18);
    big.setBold(true);
    title->setFont(big);
    label(dial, u"Label6"_s, u"系　統"_s, 90, 705, 1050, 240, Qt::AlignCenter);
    label(dial, u"Label7"_s, u"区間"_s, 1290, 705, 630, 240, Qt::AlignCenter);
    for (int i = 0; i < 5; ++i) {
        m_list2[i] = digitList(dial, indexed(u"List2", i), 90 + 210 * i);
        connect(m_list2[i], &QListWidget::itemClicked, this,
                [this] { m_ports.sound.PlaySnd(m_ports.options.resetSound(), u"S1"_s, false, 0); });
    }
    for (int i = 0; i < 3; ++i) {
        m_list3[i] = digitList(dial, indexed(u"List3", i), 1290 + 210 * i);
        connect(m_list3[i], &QListWidget::itemClicked, this, [this] {
            m_ports.sound.PlaySnd(m_ports.options.routeSetSound(), u"S1"_s, false, 0);
        });
    }
    // Below the dials, where the keypad has its own.
    auto* reset0 =
        place(new QPushButton(u"リセット"_s, dial), u"Command1(0)"_s, 105, 2250, 1845, 315);
    connect(reset0, &QPushButton::clicked, this, [this] { setRouteFrom(0); });

    // Keypad group.
    QGroupBox* pad = m_frame1[1];
    auto* back = label(pad, u"Label9"_s, QString(), 255, 165, 1545, 330);
    back->setStyleSheet(u"background-color: black;"_s);
    m_label2[0] = label(pad, u"Label2(0)"_s, QString(), 225, 180, 810, 315,
                        Qt::AlignRight | Qt::AlignVCenter);
    // As high as the route display, so the "-" sits on its middle.
    m_label2[1] = label(pad, u"Label2(1)"_s, u"-"_s, 1125, 180, 150, 315, Qt::AlignCenter);
    m_label2[2] = label(pad, u"Label2(2)"_s, QString(), 1290, 180, 465, 270,
                        Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* display : m_label2) {
        display->setStyleSheet(u"color: #ff8000; background-color: black;"_s);
        QFont f = display->font();
        f.setPixelSize(16);
        f.setBold(true);
        display->setFont(f);
    }
    m_label2[1]->setStyleSheet(u"color: #ff8000; background-color: black;"_s);

    // Keys as laid out: 7 8 9 / 4 5 6 / 1 2 3 / 0 系統 区間.
    static constexpr int keyAt[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, 10, 11}};
    static constexpr int rows[4] = {570, 975, 1395, 1815};
    static constexpr int cols[3] = {330, 810, 1290};
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 3; ++c) {
            const int key = keyAt[r][c];
            const QString caption = key < 10                       ? QString::number(key)
                                    : key == KeypadEntry::RouteKey ? u"系統"_s
                                                                   : u"区間"_s;
            auto* button = place(new QPushButton(caption, pad), indexed(u"CommandButton1", key),
                                 cols[c], rows[r], 450, key == 0 ? 405 : 390);
            button->setStyleSheet(key < 10 ? u"background-color: #e0e0e0;"_s
                                           : u"background-color: #ffff00;"_s);
            // Keys with rounded corners, as the hardware keypad.
            button->setMask(QRegion(2, 2, 26, 23));
            connect(button, &QPushButton::clicked, this, [this, key] { pressKey(key); });
            m_keys[key] = button;
        }
    }
    auto* reset1 =
        place(new QPushButton(u"リセット"_s, pad), u"Command1(1)"_s, 330, 2250, 1380, 315);
    connect(reset1, &QPushButton::clicked, this, [this] { setRouteFrom(1); });

    // The keypad is in front at start; the dial group waits behind it.
    m_frame1[0]->hide();
    m_frame1[1]->raise();
}

void PanelWindow::buildControls()
{
    m_check1 = place(new QCheckBox(u"表示消去"_s, this), u"Check1"_s, 2130, 75, 1275, 375);
    m_check1->setEnabled(false);
    connect(m_check1, &QCheckBox::toggled, this, &PanelWindow::setDisplayCleared);

    m_command2[0] =
        place(new WrapButton(u"データ戻し"_s, this), u"Command2(0)"_s, 2070, 495, 645, 750);
    m_command2[1] =
        place(new WrapButton(u"データ送り"_s, this), u"Command2(1)"_s, 2730, 495, 690, 750);
    for (int i = 0; i < 2; ++i) {
        m_command2[i]->setEnabled(false);
        connect(m_command2[i], &QPushButton::clicked, this, [this, i] { run().Step(i); });
    }

    // The tape frame: the announcement tape captions and enables it; its
    // buttons are reported as signals.
    m_tapeFrame =
        place(new QGroupBox(u"音合使用不可"_s, this), u"grpM_Tape"_s, 2085, 1260, 1290, 1275);
    m_tapeFrame->setEnabled(false);
    const struct {
        const char16_t* name;
        const char16_t* caption;
        int l, t, w, h;
        void (PanelWindow::*clicked)();
    } tape[] = {{u"cmdTapeBack", u"戻し", 75, 225, 585, 690, &PanelWindow::tapeBackClicked},
                {u"cmdTapeNext", u"送り", 660, 225, 570, 690, &PanelWindow::tapeNextClicked},
                {u"cmdTapeStop", u"■", 75, 930, 585, 300, &PanelWindow::tapeStopClicked},
                {u"cmdTapeSet", u"調整", 660, 930, 570, 300, &PanelWindow::tapeSettingsClicked}};
    for (const auto& t : tape) {
        auto* b = place(new QPushButton(QString::fromUtf16(t.caption), m_tapeFrame),
                        QString::fromUtf16(t.name), t.l, t.t, t.w, t.h);
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, t.clicked);
    }

    auto* frame2 = place(new QGroupBox(u"バックライト"_s, this), u"Frame2"_s, 3465, 60, 1695, 720);
    // Narrow buttons: a small mark and a tight gap leave room for the caption.
    frame2->setStyleSheet(u"QRadioButton { spacing: 1px; font-size: 10px; }"
                          u"QRadioButton::indicator { width: 9px; height: 9px; }"_s);
    auto* group = new QButtonGroup(this);
    const QString captions[3] = {u"OFF"_s, u"ON1"_s, u"ON2"_s};
    for (int i = 0; i < 3; ++i) {
        m_option4[i] = place(new QRadioButton(captions[i], frame2), indexed(u"Option4", i),
                             75 + 540 * i - (i == 2 ? 15 : 0), 330, 510, 330);
        group->addButton(m_option4[i], i);
        connect(m_option4[i], &QRadioButton::clicked, this, [this, i] { Option4_Click(i); });
    }
    m_option4[BacklightOff]->setChecked(true);

    m_frame6 = place(new QGroupBox(this), u"Frame6"_s, 3450, 780, 1725, 1410);
    label(m_frame6, u"Label3(0)"_s, u"ｽｸﾛｰﾙ速度"_s, 60, 150, 975, 210);
    label(m_frame6, u"Label3(1)"_s, u"ｽｸﾛｰﾙ間隔"_s, 60, 645, 960, 210);
    m_label1[0] = label(m_frame6, u"Label1(0)"_s, u"1"_s, 1050, 135, 570, 240, Qt::AlignCenter);
    m_label1[1] = label(m_frame6, u"Label1(1)"_s, u"0"_s, 1050, 615, 570, 240, Qt::AlignCenter);
    m_hscroll[0] =
        place(new QScrollBar(Qt::Horizontal, m_frame6), u"HScroll1(0)"_s, 120, 405, 1440, 180);
    m_hscroll[0]->setRange(1, 2000);
    m_hscroll[0]->setValue(1);
    m_hscroll[1] =
        place(new QScrollBar(Qt::Horizontal, m_frame6), u"HScroll1(1)"_s, 135, 900, 1410, 180);
    m_hscroll[1]->setRange(0, 3000);
    m_hscroll[1]->setValue(0);
    for (int i = 0; i < 2; ++i)
        connect(m_hscroll[i], &QScrollBar::valueChanged, this,
                [this, i] { applyScrollSetting(i); });
    m_check2 = place(new QCheckBox(u"深夜料金"_s, m_frame6), u"Check2"_s, 105, 1125, 1515, 270);

    auto* options = place(new QPushButton(u"設定..."_s, this), u"Command4"_s, 3450, 2250, 840, 300);
    connect(options, &QPushButton::clicked, this, &PanelWindow::openOptions);
    auto* version = place(new QPushButton(u"ﾊﾞｰｼﾞｮﾝ"_s, this), u"Command8"_s, 4290, 2250, 870, 300);
    connect(version, &QPushButton::clicked, this, &PanelWindow::showVersion);
}

void PanelWindow::buildPreview()
{
    m_check4 = place(new QPushButton(u">>"_s, this), u"Check4"_s, 4935, 45, 330, 300);
    m_check4->setCheckable(true);
    m_check4->setToolTip(u"整理券プレビューを開きます"_s);
    connect(m_check4, &QPushButton::toggled, this,
            [this](bool open) { applyPreviewToggle(this, m_check4, open); });

    label(this, u"Label4"_s, u"整理券プレビュー"_s, 5370, 135, 3000, 240);
    // The preview keeps its own size (3300 x 1395 twips until a plug-in sets one).
    m_preview = new SeirikenPreview(this);
    m_preview->setObjectName(u"picSeirikenPrev"_s);
    m_preview->move(twipsToPixels(5415), twipsToPixels(390));
    m_combo1 = place(new QComboBox(this), u"Combo1"_s, 5430, 2160, 3000, 330);
    m_menu = makePreviewMenu(m_preview, this);
    // A route made from a GTFS feed goes onto the keypad (in front), section
    // 1, ready for "リセット".
    addGtfsImportAction(m_menu, this, m_ports.runOptions, [this](const QString& route) {
        sendEntryGroupBehind(0);
        m_keypad.route = route;
        m_keypad.section = u"1"_s;
        m_label2[0]->setText(m_keypad.route);
        m_label2[2]->setText(m_keypad.section);
    });
}

} // namespace lumena
