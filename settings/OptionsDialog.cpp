#include "settings/OptionsDialog.h"

#include "board/SeirikenNum.h"
#include "panel/PanelWidgets.h"
#include "reslib/Dialogs.h"
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
    // One Japanese face for every caption, as on the panel: left to the
    // fallback, kana, kanji and digits came from faces of different sizes.
    QFont f(QStringLiteral("IPAPGothic"));
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
        selector->setGeometry(0, twipsToPixels(833) * i, twipsToPixels(1250), twipsToPixels(833));
        connect(selector, &QPushButton::toggled, this, [this, i](bool on) {
            if (on)
                m_pages->setCurrentIndex(i);
        });
        m_option1[size_t(i)] = selector;
    }

    m_pages = make<QStackedWidget>(this, QStringLiteral("stkFrame1"));
    m_pages->setGeometry(twipsToPixels(1455), twipsToPixels(75), twipsToPixels(8000),
                         twipsToPixels(5000));
    m_dataDirPage = new DataDirPage(m_pages);
    m_panelPage = new PanelPage(m_pages);
    m_degitPage = new DegitPage(m_pages);
    m_chimeiPage = new ChimeiPage(m_pages);
    m_soundPage = new SoundPage(m_pages);
    m_seirikenPage = new SeirikenPage(m_pages);
    const std::array<QWidget*, 6> pages{m_dataDirPage, m_panelPage, m_degitPage,
                                        m_chimeiPage,  m_soundPage, m_seirikenPage};
    for (QWidget* page : pages)
        m_pages->addWidget(page);

    m_ok = button(this, QStringLiteral("Command4"), QStringLiteral("OK"));
    m_ok->setGeometry(width() - twipsToPixels(1380) - 6, height() - twipsToPixels(375) - 6,
                      twipsToPixels(1380), twipsToPixels(375));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        SetProp();
        accept();
    });

    // Built-in colours (the board window sets the ticket-number ones at start).
    m_degitPage->set(ini::DegitInfo{});
    m_chimeiPage->set(ini::ChimeiInfo{});
    showStartSeiriNumColors();

    for (DataDirPage::Folder which : {DataDirPage::FareData, DataDirPage::TapeData}) {
        connect(m_dataDirPage->Command3[which], &QPushButton::clicked, this,
                [this, which] { chooseDataFolder(which); });
        connect(m_dataDirPage->Command10[which], &QPushButton::clicked, this,
                [this, which] { m_openFolder(m_dataDirPage->folder(which)); });
    }
    for (ColorButton* b : m_panelPage->Command5)
        connect(b, &QPushButton::clicked, this, [this, b] { chooseColor(b, false); });
    for (ColorButton* b : m_degitPage->Command8)
        connect(b, &QPushButton::clicked, this, [this, b] { chooseColor(b, true); });
    for (ColorButton* b : m_chimeiPage->Command9)
        connect(b, &QPushButton::clicked, this, [this, b] { chooseColor(b, false); });
    for (int state = 0; state < 3; ++state)
        connect(m_panelPage->Command6[size_t(state)], &QPushButton::clicked, this,
                [this, state] { choosePanelPicture(state); });
    for (int row = 0; row < 11; ++row) {
        if (QPushButton* b = m_soundPage->cmdSelectSound[size_t(row)])
            connect(b, &QPushButton::clicked, this, [this, row] { chooseSoundFile(row); });
    }
    connect(m_seirikenPage->Command7, &QPushButton::clicked, this, &OptionsDialog::chooseFixedDate);
    connect(m_seirikenPage->Command1, &QPushButton::clicked, this,
            &OptionsDialog::chooseTicketPlugin);
    connect(m_seirikenPage->Command11, &QPushButton::clicked, this,
            &OptionsDialog::clearTicketPlugin);

    // Loading.
    m_degitPage->M_Degit1->setProperty("DegitSize", 0);
    refreshDegitSample();
    fillNumberLists();
    AddComboItem();
    m_seirikenPage->setFixedDate(m_host.now().date().toString(QStringLiteral("yyyy/MM/dd")));
    m_option1[0]->setChecked(true);
}

// The cell lists Combo4(0..3) hold 1..50, the column lists Combo4(4) and
// Combo1 1..150; each starts at its first entry.
void OptionsDialog::fillNumberLists()
{
    QStringList cells, columns;
    for (int n = 1; n <= 150; ++n)
        (n <= 50 ? cells : columns) << QString::number(n);
    columns = cells + columns;
    for (int k = 0; k < 4; ++k) {
        m_degitPage->Combo4[size_t(k)]->addItems(cells);
        m_degitPage->Combo4[size_t(k)]->setCurrentIndex(0);
    }
    m_soundPage->Combo1->addItems(columns);
    m_soundPage->Combo1->setCurrentIndex(0);
    m_degitPage->Combo4[4]->addItems(columns);
    m_degitPage->Combo4[4]->setCurrentIndex(0);
}

void OptionsDialog::setTargets(BoardIniPort* board, PanelIniPort* panel)
{
    m_board = board;
    m_panel = panel;
}

void OptionsDialog::setDegitSample(QWidget* sample)
{
    m_degitPage->setSample(sample);
    sample->setProperty("DegitSize", 0);
    // A fare lit on unlit eights: both digit colours can be previewed.
    sample->setProperty("Value", 120);
    refreshDegitSample();
}

void OptionsDialog::setFolderOpener(std::function<void(const QString&)> open)
{
    m_openFolder = std::move(open);
}

void OptionsDialog::SetStartDefaults()
{
    m_panelPage->Check1->setChecked(true);
    showStartSeiriNumColors();
}

void OptionsDialog::showStartSeiriNumColors()
{
    const ini::PanelInfo d;
    m_panelPage->setSeiriNumColor(BacklightOff, d.SeiriNumColorOff);
    m_panelPage->setSeiriNumColor(BacklightOn1, d.SeiriNumColorOn1);
    m_panelPage->setSeiriNumColor(BacklightOn2, d.SeiriNumColorOn2);
}

void OptionsDialog::refreshDegitSample()
{
    QWidget* sample = m_degitPage->M_Degit1;
    const DegitColors c = m_degitPage->colors();
    setColorProperty(sample, "BackColor", c.BackColor);
    setColorProperty(sample, "BaseForeColor", c.BaseForeColor);
    setColorProperty(sample, "DegitForeColor", c.DegitForeColor);
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
    m_dataDirPage->get(out.DataDirInfo);
    m_panelPage->get(out.PanelInfo);
    m_degitPage->get(out.DegitInfo);
    m_chimeiPage->get(out.ChimeiInfo);
    m_soundPage->get(out.SoundInfo);
    m_seirikenPage->get(out.SeirikenInfo);
    out.CustColors = m_custColors;
}

void OptionsDialog::SetOptionInfo(const IniData& in)
{
    m_dataDirPage->set(in.DataDirInfo);
    m_panelPage->set(in.PanelInfo);
    reapplyBacklight();
    m_degitPage->set(in.DegitInfo);
    refreshDegitSample();
    m_chimeiPage->set(in.ChimeiInfo);
    m_soundPage->set(in.SoundInfo);
    m_seirikenPage->set(in.SeirikenInfo);
    m_custColors = in.CustColors;
    SetPlgin(m_seirikenPage->pluginFile());
}

void OptionsDialog::SetProp()
{
    if (m_board) {
        m_board->SetSeiriNumVisible(m_panelPage->seiriNumShown());
        m_board->SeirikenNumSet(m_panelPage->seiriNumStyle(), m_panelPage->seiriNumZeroPad());
        // No backlight chosen on the panel: black numbers.
        const int backlight = m_panel ? m_panel->BacklightIndex() : -1;
        const bool known = backlight >= BacklightOff && backlight <= BacklightOn2;
        m_board->SetSeiriNumColor(known ? m_panelPage->seiriNumColor(backlight) : 0);
        m_board->SetAllDegitColors(m_degitPage->colors());
        m_board->SetChimeiProps(m_chimeiPage->backColor(), m_chimeiPage->foreColor(),
                                m_chimeiPage->fontMode(), m_chimeiPage->bold());
        m_board->setBoardScale(m_panelPage->boardScale());
    }
    reapplyBacklight();
}

// ------------------------------------------------------------ operations

QString OptionsDialog::GetPathString()
{
    return m_resLib.Vk3FolderDlg(this, FolderPrompt);
}

void OptionsDialog::GetBtnColor(ColorButton* button)
{
    quint32 color = button->faceColor();
    if (m_resLib.Vk3ChooseColor(this, color, m_custColors) != 0)
        button->setFaceColor(color);
}

void OptionsDialog::AddComboItem()
{
    QComboBox* c = m_panelPage->Combo2;
    c->clear();
    for (int style = 0; style < SeirikenStyleCount; ++style)
        c->addItem(seirikenStyleListText(style));
    c->setCurrentIndex(0);
}

qint32 OptionsDialog::SetPlgin(const QString& fileName)
{
    PluginPlaces places(*m_seirikenPage, m_panel);
    return lumena::SetPlgin(m_resLib, fileName, places);
}

// ------------------------------------------------------------ button reactions

void OptionsDialog::chooseColor(ColorButton* button, bool isDegitColor)
{
    GetBtnColor(button);
    if (isDegitColor)
        refreshDegitSample(); // also after a cancel
}

void OptionsDialog::chooseDataFolder(DataDirPage::Folder which)
{
    const QString dir = GetPathString();
    if (!dir.isEmpty())
        m_dataDirPage->setFolder(which, dir);
}

void OptionsDialog::choosePanelPicture(int state)
{
    const QString filter = nulList({QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp"),
                                    QStringLiteral("GIF画像(*.gif)"), QStringLiteral("*.gif"),
                                    QStringLiteral("JPEG画像(*.jpg)"), QStringLiteral("*.jpg")});
    const QString file = m_resLib.Vk3FileDlg(
        this, 0, filter, dialogs::startIn(m_panelPage->userPanelFile(state), m_samplesDir),
        QStringLiteral("パネル画像の選択"));
    if (!file.isEmpty())
        m_panelPage->setUserPanelFile(state, file);
}

void OptionsDialog::chooseSoundFile(int row)
{
    const QString filter =
        nulList({QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav"),
                 QStringLiteral("MP3サウンド(*.mp3)"), QStringLiteral("*.mp3"),
                 QStringLiteral("MIDIシーケンス(*.mid)"), QStringLiteral("*.mid")});
    const QString file =
        m_resLib.Vk3FileDlg(this, 0, filter,
                            dialogs::startIn(m_soundPage->txtSelectSound[size_t(row)]->text(),
                                             samplesFolder(QStringLiteral("sounds"))),
                            QStringLiteral("サウンドの選択"));
    if (!file.isEmpty())
        m_soundPage->setSoundFile(row, file);
}

void OptionsDialog::chooseFixedDate()
{
    DialogDate date{};
    if (m_resLib.Call_dlg111(this, date) == 0)
        return;
    m_seirikenPage->setFixedDate(QStringLiteral("%1/%2/%3")
                                     .arg(date.year)
                                     .arg(date.month, 2, 10, QLatin1Char('0'))
                                     .arg(date.day, 2, 10, QLatin1Char('0')));
}

void OptionsDialog::chooseTicketPlugin()
{
    PluginPlaces places(*m_seirikenPage, m_panel);
    choosePluginFile(m_resLib, this, places, m_seirikenPage->txtSeiriPlgDir,
                     samplesFolder(QStringLiteral("plugins")));
}

QString OptionsDialog::samplesFolder(const QString& sub) const
{
    return m_samplesDir.isEmpty() ? QString() : m_samplesDir + u'/' + sub;
}

void OptionsDialog::clearTicketPlugin()
{
    clearPluginFile(m_seirikenPage->txtSeiriPlgDir, m_seirikenPage->List1,
                    m_seirikenPage->txtPlginComment);
}

// ------------------------------------------------------------ live options

QString OptionsDialog::fareDataDir() const
{
    const QString typed = m_dataDirPage->folder(DataDirPage::FareData);
    return typed.isEmpty() ? m_defaultDataDir : typed;
}
QString OptionsDialog::tapeDataDir() const
{
    const QString typed = m_dataDirPage->folder(DataDirPage::TapeData);
    return typed.isEmpty() ? m_defaultDataDir : typed;
}
QString OptionsDialog::routeSetSound() const
{
    return m_soundPage->routeSetSound();
}
QString OptionsDialog::resetSound() const
{
    return m_soundPage->resetSound();
}
quint32 OptionsDialog::seiriNumColor(int state) const
{
    return m_panelPage->seiriNumColor(state);
}
bool OptionsDialog::panelAuto() const
{
    return m_panelPage->builtInPanelsAuto();
}
bool OptionsDialog::panelUser(int state) const
{
    return m_panelPage->userPanelChosen(state);
}
QString OptionsDialog::panelFile(int state) const
{
    return m_panelPage->userPanelFile(state);
}
DateMode OptionsDialog::dateMode() const
{
    return m_seirikenPage->dateMode();
}
QString OptionsDialog::fixedDate() const
{
    return m_seirikenPage->fixedDate();
}
bool OptionsDialog::stepSoundAlways() const
{
    return m_soundPage->stepSoundAlways();
}
QString OptionsDialog::stepSoundFile() const
{
    return m_soundPage->stepSoundFile();
}
QString OptionsDialog::stepSound(int n) const
{
    return m_soundPage->stepSound(n);
}
int OptionsDialog::stepSoundColumn() const
{
    return m_soundPage->stepSoundColumn();
}
bool OptionsDialog::stepSoundSync() const
{
    return m_soundPage->stepSoundSync();
}
bool OptionsDialog::infoStopOrderOn() const
{
    return m_degitPage->infoOn(DegitPage::StopOrder);
}
int OptionsDialog::infoStopOrderCell() const
{
    return m_degitPage->infoCell(DegitPage::StopOrder);
}
bool OptionsDialog::infoStopOrderFromZero() const
{
    return m_degitPage->stopOrderFromZero();
}
bool OptionsDialog::infoSeiriNumOn() const
{
    return m_degitPage->infoOn(DegitPage::SeiriNum);
}
int OptionsDialog::infoSeiriNumCell() const
{
    return m_degitPage->infoCell(DegitPage::SeiriNum);
}
bool OptionsDialog::infoRouteNumOn() const
{
    return m_degitPage->infoOn(DegitPage::RouteNum);
}
int OptionsDialog::infoRouteNumCell() const
{
    return m_degitPage->infoCell(DegitPage::RouteNum);
}
bool OptionsDialog::infoColumnOn() const
{
    return m_degitPage->infoOn(DegitPage::Column);
}
int OptionsDialog::infoColumn() const
{
    return m_degitPage->infoColumn();
}
int OptionsDialog::infoColumnCell() const
{
    return m_degitPage->infoCell(DegitPage::Column);
}
bool OptionsDialog::useSeiriPrev() const
{
    return m_seirikenPage->usePreview();
}
QString OptionsDialog::seiriPlgFile() const
{
    return m_seirikenPage->pluginFile();
}
bool OptionsDialog::preSoundAlways() const
{
    return m_soundPage->preSoundAlways();
}
QString OptionsDialog::preSoundFile() const
{
    return m_soundPage->preSoundFile();
}
QString OptionsDialog::preSound(int n) const
{
    return m_soundPage->preSound(n);
}
bool OptionsDialog::preSoundSync() const
{
    return m_soundPage->preSoundSync();
}

} // namespace lumena
