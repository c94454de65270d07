#include "settings/OptionsDialog.h"

#include "board/SeirikenNum.h"
#include "panel/PanelWidgets.h"
#include "reslib/Units.h"
#include "settings/DegitSample.h"
#include "settings/OptionControls.h"
#include "ticket/PluginInfo.h"
#include "ticket/PreviewGlue.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QUrl>

namespace lumena {

using namespace opt;

namespace {

const QString FolderPrompt = QStringLiteral("フォルダーを選択してください");

QString nulList(std::initializer_list<QString> items)
{
    QString s;
    for (const QString& i : items)
        s += i + QChar(0);
    return s + QChar(0);
}

// Where SetPlgin shows a plug-in: the remarks box and property list of the
// ticket page, the preview size and company list of the panel (skipped until
// the dialog has its panel).
class PluginPlaces final : public PluginInfoView {
public:
    PluginPlaces(SeirikenPage& page, PanelIniPort* panel) : m_page(page), m_panel(panel) {}
    void setPluginComment(const QString& text) override
    {
        m_page.txtPlginComment->setPlainText(text);
    }
    void setPropertyLines(const QStringList& lines) override
    {
        m_page.List1->clear();
        m_page.List1->addItems(lines);
    }
    void setPreviewSizeTwips(int width, int height) override
    {
        if (m_panel)
            m_panel->SetPreviewSize(width, height);
    }
    void clearCompanies() override
    {
        if (m_panel)
            m_panel->ClearCompanyList();
    }
    void addCompany(const QString& name) override
    {
        if (m_panel)
            m_panel->AddCompany(name);
    }

private:
    SeirikenPage& m_page;
    PanelIniPort* m_panel;
};

} // namespace

OptionsDialog::OptionsDialog(ResLib& resLib, Host& host, QWidget* parent)
    : QDialog(parent), m_resLib(resLib), m_host(host),
      m_openFolder([](const QString& dir) { QDesktopServices::openUrl(QUrl::fromLocalFile(dir)); })
{
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("オプション"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(twipsToPixels(9570), twipsToPixels(5610));

    const QString selectors[6] = {QStringLiteral("運賃データと　放送用データ"),
                                  QStringLiteral("パネルと整理券番号表示"),
                                  QStringLiteral("デジタル部品と情報用数字"),
                                  QStringLiteral("停名の設定"),
                                  QStringLiteral("サウンド"),
                                  QStringLiteral("　　整理券　　　プレビュー")};
    for (int i = 0; i < 6; ++i) {
        // A tab-like page selector: a checkable button whose caption wraps inside it.
        auto* selector = new WrapButton(selectors[i], this);
        selector->setObjectName(indexed("Option1", i));
        selector->setCheckable(true);
        selector->setAutoExclusive(true);
        selector->setCaptionMargins(QMargins(4, 2, 4, 2));
        m_option1[i] = selector;
        m_option1[i]->setGeometry(0, twipsToPixels(833) * i, twipsToPixels(1250),
                                  twipsToPixels(833));
        connect(m_option1[i], &QPushButton::toggled, this, [this, i](bool on) {
            if (on)
                showPage(i);
        });
    }

    m_pages = make<QStackedWidget>(this, QStringLiteral("stkFrame1"));
    m_pages->setGeometry(twipsToPixels(1455), twipsToPixels(75), twipsToPixels(8000),
                         twipsToPixels(5000));
    page0 = new DataDirPage(m_pages);
    page1 = new PanelPage(m_pages);
    page2 = new DegitPage(m_pages);
    page3 = new ChimeiPage(m_pages);
    page4 = new SoundPage(m_pages);
    page5 = new SeirikenPage(m_pages);
    for (QWidget* p :
         {static_cast<QWidget*>(page0), static_cast<QWidget*>(page1), static_cast<QWidget*>(page2),
          static_cast<QWidget*>(page3), static_cast<QWidget*>(page4), static_cast<QWidget*>(page5)})
        m_pages->addWidget(p);

    m_ok = button(this, QStringLiteral("Command4"), QStringLiteral("OK"));
    m_ok->setGeometry(width() - twipsToPixels(1380) - 6, height() - twipsToPixels(375) - 6,
                      twipsToPixels(1380), twipsToPixels(375));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        SetProp();
        accept();
    });

    // Built-in colours (the board window sets the ticket-number ones at start).
    page2->set(ini::DegitInfo{});
    page3->set(ini::ChimeiInfo{});
    const ini::PanelInfo panelDefaults;
    page1->Command5[0]->setFaceColor(panelDefaults.SeiriNumColorOff);
    page1->Command5[1]->setFaceColor(panelDefaults.SeiriNumColorOn1);
    page1->Command5[2]->setFaceColor(panelDefaults.SeiriNumColorOn2);

    for (int k = 0; k < 2; ++k) {
        connect(page0->Command3[k], &QPushButton::clicked, this, [this, k] { onChooseFolder(k); });
        connect(page0->Command10[k], &QPushButton::clicked, this,
                [this, k] { m_openFolder(page0->Text2[k]->text()); });
    }
    for (ColorButton* b : page1->Command5)
        connect(b, &QPushButton::clicked, this, [this, b] { onColorButton(b, false); });
    for (ColorButton* b : page2->Command8)
        connect(b, &QPushButton::clicked, this, [this, b] { onColorButton(b, true); });
    for (ColorButton* b : page3->Command9)
        connect(b, &QPushButton::clicked, this, [this, b] { onColorButton(b, false); });
    for (int k = 0; k < 3; ++k)
        connect(page1->Command6[k], &QPushButton::clicked, this, [this, k] { onChoosePanel(k); });
    for (int i = 0; i < 11; ++i) {
        if (QPushButton* b = page4->cmdSelectSound[i])
            connect(b, &QPushButton::clicked, this, [this, i] { onChooseSound(i); });
    }
    connect(page5->Command7, &QPushButton::clicked, this, &OptionsDialog::onChooseDate);
    connect(page5->Command1, &QPushButton::clicked, this, &OptionsDialog::onChoosePlugin);
    connect(page5->Command11, &QPushButton::clicked, this, &OptionsDialog::onClearPlugin);

    // Loading.
    page2->M_Degit1->setProperty("DegitSize", 0);
    refreshSample();
    fillLists();
    AddComboItem();
    page5->Label10->setText(m_host.now().date().toString(QStringLiteral("yyyy/MM/dd")));
    m_option1[0]->setChecked(true);
}

void OptionsDialog::fillLists()
{
    QStringList cells, columns;
    for (int n = 1; n <= 150; ++n)
        (n <= 50 ? cells : columns) << QString::number(n);
    columns = cells + columns;
    for (int k = 0; k < 4; ++k) {
        page2->Combo4[k]->addItems(cells);
        page2->Combo4[k]->setCurrentIndex(0);
    }
    page4->Combo1->addItems(columns);
    page4->Combo1->setCurrentIndex(0);
    page2->Combo4[4]->addItems(columns);
    page2->Combo4[4]->setCurrentIndex(0);
}

void OptionsDialog::setTargets(BoardIniPort* board, PanelIniPort* panel)
{
    m_board = board;
    m_panel = panel;
}

void OptionsDialog::setDegitSample(QWidget* sample)
{
    page2->setSample(sample);
    sample->setProperty("DegitSize", 0);
    refreshSample();
}

void OptionsDialog::setFolderOpener(std::function<void(const QString&)> open)
{
    m_openFolder = std::move(open);
}

void OptionsDialog::SetStartDefaults()
{
    page1->Check1->setChecked(true);
    const ini::PanelInfo d;
    page1->Command5[0]->setFaceColor(d.SeiriNumColorOff);
    page1->Command5[1]->setFaceColor(d.SeiriNumColorOn1);
    page1->Command5[2]->setFaceColor(d.SeiriNumColorOn2);
}

void OptionsDialog::showPage(int i)
{
    m_pages->setCurrentIndex(i);
}

void OptionsDialog::refreshSample()
{
    QWidget* s = page2->M_Degit1;
    setColorProperty(s, "BackColor", page2->Command8[0]->faceColor());
    setColorProperty(s, "BaseForeColor", page2->Command8[1]->faceColor());
    setColorProperty(s, "DegitForeColor", page2->Command8[2]->faceColor());
}

void OptionsDialog::reapplyBacklight()
{
    if (!m_panel)
        return;
    const int chosen = m_panel->BacklightIndex();
    m_panel->Option4_Click(chosen == 0 ? 0 : chosen == 1 ? 1 : 2);
}

// ------------------------------------------------------------ record copy

void OptionsDialog::GetOptionInfo(IniData& out) const
{
    page0->get(out.DataDirInfo);
    page1->get(out.PanelInfo);
    page2->get(out.DegitInfo);
    page3->get(out.ChimeiInfo);
    page4->get(out.SoundInfo);
    page5->get(out.SeirikenInfo);
    out.CustColors = m_custColors;
}

void OptionsDialog::SetOptionInfo(const IniData& in)
{
    page0->set(in.DataDirInfo);
    page1->set(in.PanelInfo);
    reapplyBacklight();
    page2->set(in.DegitInfo);
    refreshSample();
    page3->set(in.ChimeiInfo);
    page4->set(in.SoundInfo);
    page5->set(in.SeirikenInfo);
    m_custColors = in.CustColors;
    SetPlgin(page5->txtSeiriPlgDir->text());
}

void OptionsDialog::SetProp()
{
    if (m_board) {
        m_board->SetSeiriNumVisible(page1->Check1->isChecked());
        qint16 style = indexValue(page1->Combo2);
        qint16 zeroPad = checkValue(page1->Check2);
        m_board->SeirikenNumSet(style, zeroPad);
        quint32 color = 0;
        const int backlight = m_panel ? m_panel->BacklightIndex() : -1;
        if (backlight >= 0 && backlight <= 2)
            color = page1->Command5[backlight]->faceColor();
        m_board->SetSeiriNumColor(color);
        m_board->SetAllDegitColors(DegitColors{page2->Command8[0]->faceColor(),
                                               page2->Command8[1]->faceColor(),
                                               page2->Command8[2]->faceColor()});
        m_board->SetChimeiProps(page3->Command9[0]->faceColor(), page3->Command9[1]->faceColor(),
                                indexValue(page3->Combo3), checkValue(page3->Check4) == 1);
    }
    reapplyBacklight();
}

// ------------------------------------------------------------ operations

QString OptionsDialog::GetPathString(QString& /*strDefPath*/)
{
    return m_resLib.Vk3FolderDlg(this, FolderPrompt);
}

void OptionsDialog::GetBtnColor(ColorButton* objBtn)
{
    quint32 color = objBtn->faceColor();
    if (m_resLib.Vk3ChooseColor(this, color, m_custColors) != 0)
        objBtn->setFaceColor(color);
}

void OptionsDialog::AddComboItem()
{
    QComboBox* c = page1->Combo2;
    c->clear();
    for (int style = 0; style < SeirikenStyleCount; ++style)
        c->addItem(seirikenStyleListText(style));
    c->setCurrentIndex(0);
}

qint32 OptionsDialog::SetPlgin(const QString& fileName)
{
    PluginPlaces places(*page5, m_panel);
    return lumena::SetPlgin(m_resLib, fileName, places);
}

void OptionsDialog::onColorButton(ColorButton* b, bool digitColor)
{
    GetBtnColor(b);
    if (digitColor)
        refreshSample(); // also after a cancel
}

void OptionsDialog::onChooseFolder(int k)
{
    QString unused;
    const QString dir = GetPathString(unused);
    if (!dir.isEmpty())
        page0->Text2[k]->setText(dir);
}

void OptionsDialog::onChoosePanel(int k)
{
    const QString filter = nulList({QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp"),
                                    QStringLiteral("GIF画像(*.gif)"), QStringLiteral("*.gif"),
                                    QStringLiteral("JPEG画像(*.jpg)"), QStringLiteral("*.jpg")});
    const QString file =
        m_resLib.Vk3FileDlg(this, 0, filter, QString(), QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty())
        page1->txtSelectPanel[k]->setText(file);
}

void OptionsDialog::onChooseSound(int i)
{
    const QString filter =
        nulList({QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav"),
                 QStringLiteral("MP3サウンド(*.mp3)"), QStringLiteral("*.mp3"),
                 QStringLiteral("MIDIシーケンス(*.mid)"), QStringLiteral("*.mid")});
    const QString file =
        m_resLib.Vk3FileDlg(this, 0, filter, QString(), QStringLiteral("サウンドの選択"));
    if (!file.isEmpty())
        page4->txtSelectSound[i]->setText(file);
}

void OptionsDialog::onChooseDate()
{
    DialogDate date{};
    if (m_resLib.Call_dlg111(this, date) == 0)
        return;
    page5->Label10->setText(QStringLiteral("%1/%2/%3")
                                .arg(date.year)
                                .arg(date.month, 2, 10, QLatin1Char('0'))
                                .arg(date.day, 2, 10, QLatin1Char('0')));
}

void OptionsDialog::onChoosePlugin()
{
    PluginPlaces places(*page5, m_panel);
    choosePluginFile(m_resLib, this, places, page5->txtSeiriPlgDir);
}

void OptionsDialog::onClearPlugin()
{
    clearPluginFile(page5->txtSeiriPlgDir, page5->List1, page5->txtPlginComment);
}

// ------------------------------------------------------------ live options

namespace {
// List position to 1-based number; 0 when nothing is chosen.
int oneBased(const QComboBox* c)
{
    return c->currentIndex() + 1;
}
} // namespace

QString OptionsDialog::fareDataDir() const
{
    const QString typed = page0->Text2[0]->text();
    return typed.isEmpty() ? m_defaultDataDir : typed;
}
QString OptionsDialog::tapeDataDir() const
{
    const QString typed = page0->Text2[1]->text();
    return typed.isEmpty() ? m_defaultDataDir : typed;
}
QString OptionsDialog::routeSetSound() const
{
    return page4->txtSelectSound[0]->text();
}
QString OptionsDialog::resetSound() const
{
    return page4->txtSelectSound[1]->text();
}

// Ticket-number colour buttons Command5(0..2), and per backlight state the
// user-picture choice and file: OFF Option3(6), ON1 Option3(2), ON2 Option3(5).
quint32 OptionsDialog::seiriNumColor(int state) const
{
    return page1->Command5[size_t(state)]->faceColor();
}
bool OptionsDialog::panelAuto() const
{
    return page1->Option3[0]->isChecked();
}
bool OptionsDialog::panelUser(int state) const
{
    static constexpr size_t userOption[3] = {6, 2, 5};
    return page1->Option3[userOption[state]]->isChecked();
}
QString OptionsDialog::panelFile(int state) const
{
    return page1->txtSelectPanel[size_t(state)]->text();
}

DateMode OptionsDialog::dateMode() const
{
    if (page5->Option4[2]->isChecked())
        return DateMode::Fixed;
    if (page5->Option4[1]->isChecked())
        return DateMode::RouteSet;
    return DateMode::EachPrint;
}

QString OptionsDialog::fixedDate() const
{
    return page5->Label10->text();
}
bool OptionsDialog::stepSoundAlways() const
{
    return page4->Option2[0]->isChecked();
}
QString OptionsDialog::stepSoundFile() const
{
    return page4->txtSelectSound[7]->text();
}

QString OptionsDialog::stepSound(int n) const
{
    return n >= 1 && n <= 3 ? page4->txtSelectSound[7 + n]->text() : QString();
}

int OptionsDialog::stepSoundColumn() const
{
    return oneBased(page4->Combo1);
}
bool OptionsDialog::stepSoundSync() const
{
    return page4->Option6[0]->isChecked();
}
bool OptionsDialog::infoStopOrderOn() const
{
    return page2->Check3[0]->isChecked();
}
int OptionsDialog::infoStopOrderCell() const
{
    return oneBased(page2->Combo4[0]);
}
bool OptionsDialog::infoStopOrderFromZero() const
{
    return page2->Check3[4]->isChecked();
}
bool OptionsDialog::infoSeiriNumOn() const
{
    return page2->Check3[1]->isChecked();
}
int OptionsDialog::infoSeiriNumCell() const
{
    return oneBased(page2->Combo4[1]);
}
bool OptionsDialog::infoRouteNumOn() const
{
    return page2->Check3[2]->isChecked();
}
int OptionsDialog::infoRouteNumCell() const
{
    return oneBased(page2->Combo4[2]);
}
bool OptionsDialog::infoColumnOn() const
{
    return page2->Check3[3]->isChecked();
}
int OptionsDialog::infoColumn() const
{
    return oneBased(page2->Combo4[4]);
}
int OptionsDialog::infoColumnCell() const
{
    return oneBased(page2->Combo4[3]);
}
bool OptionsDialog::useSeiriPrev() const
{
    return page5->chkUseSeiriPrev->isChecked();
}
QString OptionsDialog::seiriPlgFile() const
{
    return page5->txtSeiriPlgDir->text();
}
bool OptionsDialog::preSoundAlways() const
{
    return page4->Option2[2]->isChecked();
}
QString OptionsDialog::preSoundFile() const
{
    return page4->txtSelectSound[3]->text();
}

QString OptionsDialog::preSound(int n) const
{
    return n >= 1 && n <= 3 ? page4->txtSelectSound[3 + n]->text() : QString();
}

bool OptionsDialog::preSoundSync() const
{
    return page4->Option7[0]->isChecked();
}

} // namespace lumena
