// The options dialog driven through its controls: the first showing, the
// page selectors and dependent controls, the record copy both ways, the
// choose buttons, OK, and the live options the running program reads.

#include "settings/DegitSample.h"
#include "settings/OptionsDialog.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"
#include "ticket/PluginInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

class FakeBoardPanel final : public IdleBoardPort, public IdlePanelPort {
public:
    QStringList log;
    int backlight = 0;
    bool seiriNumVisible = true;
    quint32 seiriNumColor = 0xDEAD;
    qint16 style = -9, zeroPad = -9;
    DegitColors degitColors;
    QVariantList chimei;
    QSize previewSize;

    void SetSeiriNumVisible(bool v) override { seiriNumVisible = v; }
    void SeirikenNumSet(qint16 s, qint16 z) override
    {
        style = s;
        zeroPad = z;
    }
    void SetSeiriNumColor(quint32 c) override { seiriNumColor = c; }
    void SetAllDegitColors(const DegitColors& c) override { degitColors = c; }
    void SetChimeiProps(quint32 back, quint32 fore, qint16 mode, bool bold) override
    {
        chimei = {back, fore, mode, bold};
    }
    int BacklightIndex() const override { return backlight; }
    void Option4_Click(int index) override { log << u"Option4_Click(%1)"_s.arg(index); }
    void SetPreviewSize(int w, int h) override { previewSize = QSize(w, h); }
    void ClearCompanyList() override { log << u"ClearCompanyList"_s; }
    void AddCompany(const QString& name) override { log << u"AddCompany "_s + name; }
};

QString nul(std::initializer_list<QString> items)
{
    QString s;
    for (const QString& i : items)
        s += i + QChar(0);
    return s + QChar(0);
}

// A record every field of which differs from the built-in values and lies
// within the lists' ranges.
IniData changedOptions()
{
    IniData d;
    d.DataDirInfo = {u"/data/運賃"_s, u"/data/tape"_s};
    // Check1, Command5(0..2), Combo2, Check2; Option3(0, 1, 7, 6, 3, 2, 4, 5); the files.
    d.PanelInfo = {
        0, 0x010203,        0x040506,        0x070809,       11, 1, 0, -1, 0, -1, 0, -1, -1,
        0, u"/p/off.bmp"_s, u"/p/on1.gif"_s, u"/p/on2.jpg"_s};
    d.DegitInfo = {0x111111, 0x222222, 0x333333, 1, 49, 1, 1, 7, 1, 8, 1, 149, 9};
    d.ChimeiInfo = {0x444444, 0x555555, 4, 1};
    // txtSelectSound(0, 1), Option2(0, 1), Option6(0, 1), txtSelectSound(7), Combo1,
    // txtSelectSound(8..10), Option2(2, 3), Option7(0, 1), txtSelectSound(3..6).
    d.SoundInfo = {u"r.wav"_s, u"x.wav"_s,  0,           -1,          -1,         0,  u"s.wav"_s,
                   120,        u"s1.mp3"_s, u"s2.mp3"_s, u"s3.mid"_s, 0,          -1, 0,
                   -1,         u"p.wav"_s,  u"p1.wav"_s, u"p2.wav"_s, u"p3.wav"_s};
    d.SeirikenInfo = {1, u"/plg/a.4SP"_s, 0, 0, -1, u"2025/01/05"_s};
    for (size_t i = 0; i < d.CustColors.size(); ++i)
        d.CustColors[i] = 0x10000u * quint32(i) + 7;
    return d;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeHost> m_host;
    std::unique_ptr<FakeResLib> m_res;
    std::unique_ptr<FakeBoardPanel> m_ports;
    std::unique_ptr<OptionsDialog> m_dlg;
    QStringList m_opened;

    template <class T = QWidget> T* w(const QString& name)
    {
        auto* c = m_dlg->findChild<T*>(name);
        if (!c)
            qWarning("no control %s", qPrintable(name));
        return c;
    }
    // Check boxes and option buttons are clicked on their box, as a user does.
    void click(const QString& name)
    {
        QWidget* c = w(name);
        if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c))
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, 8));
        else
            QTest::mouseClick(c, Qt::LeftButton);
    }
    quint32 face(const QString& name) { return w(name)->property("faceColor").toUInt(); }
    QString text(const QString& name) { return w<QLineEdit>(name)->text(); }

private slots:
    void init()
    {
        failOnUnexpectedWarnings();
        m_host = std::make_unique<FakeHost>();
        m_res = std::make_unique<FakeResLib>();
        m_ports = std::make_unique<FakeBoardPanel>();
        m_dlg = std::make_unique<OptionsDialog>(*m_res, *m_host);
        m_dlg->setTargets(m_ports.get(), m_ports.get());
        m_opened.clear();
        m_dlg->setFolderOpener([this](const QString& d) { m_opened << d; });
        m_dlg->SetStartDefaults();
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    void cleanup() { m_dlg.reset(); }

    void firstShowingWithoutSettingsFile()
    {
        QCOMPARE(w<QStackedWidget>(u"stkFrame1"_s)->currentWidget()->objectName(), u"Frame1(0)"_s);
        QVERIFY(w<QCheckBox>(u"Check1"_s)->isChecked());
        QVERIFY(w(u"Frame3"_s)->isEnabled());
        QCOMPARE(face(u"Command5(0)"_s), 0x00FFFFFFu);
        QCOMPARE(face(u"Command5(1)"_s), 0x00C0FFC0u);
        QCOMPARE(face(u"Command5(2)"_s), 0x0080C0FFu);
        QCOMPARE(w<QComboBox>(u"Combo2"_s)->count(), 12);
        QCOMPARE(w<QComboBox>(u"Combo2"_s)->currentIndex(), 0);
        for (int k = 0; k < 5; ++k) {
            auto* c = w<QComboBox>(u"Combo4(%1)"_s.arg(k));
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->currentText(), u"1"_s);
            QCOMPARE(c->count(), k == 4 ? 150 : 50);
        }
        QCOMPARE(w<QComboBox>(u"Combo1"_s)->count(), 150);
        QCOMPARE(w<QComboBox>(u"Combo3"_s)->currentIndex(), -1);
        for (int k = 0; k < 3; ++k)
            QVERIFY(!w(u"Frame6(%1)"_s.arg(k))->isVisible());
        QVERIFY(w<QRadioButton>(u"Option4(0)"_s)->isChecked());
        QCOMPARE(w<QLabel>(u"Label10"_s)->text(), u"2026/12/06"_s); // the host's date
        QCOMPARE(w<QStackedWidget>(u"stkFrame2"_s)->currentWidget()->objectName(), u"Frame2(1)"_s);
    }

    void dependentControls_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("followers");
        QTest::addColumn<bool>("startsOn");
        QTest::newRow("Check1: Frame3") << 1 << u"Check1"_s << QStringList{u"Frame3"_s} << true;
        QTest::newRow("Check3(0): cell list and count from zero")
            << 2 << u"Check3(0)"_s << QStringList{u"Combo4(0)"_s, u"Check3(4)"_s} << false;
        QTest::newRow("Check3(1)") << 2 << u"Check3(1)"_s << QStringList{u"Combo4(1)"_s} << false;
        QTest::newRow("Check3(2)") << 2 << u"Check3(2)"_s << QStringList{u"Combo4(2)"_s} << false;
        QTest::newRow("Check3(3): column and cell lists")
            << 2 << u"Check3(3)"_s << QStringList{u"Combo4(3)"_s, u"Combo4(4)"_s} << false;
        QTest::newRow("chkUseSeiriPrev: plug-in and date frames")
            << 5 << u"chkUseSeiriPrev"_s << QStringList{u"fraPlgin"_s, u"fraDate"_s} << false;
    }
    void dependentControls()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QStringList, followers);
        QFETCH(bool, startsOn);
        click(u"Option1(%1)"_s.arg(page));
        QCOMPARE(w<QStackedWidget>(u"stkFrame1"_s)->currentWidget()->objectName(),
                 u"Frame1(%1)"_s.arg(page));
        for (bool expected : {startsOn, !startsOn, startsOn}) {
            for (const QString& f : followers)
                QVERIFY2(w(f)->isEnabled() == expected, qPrintable(f));
            click(box);
        }
    }

    void panelImageFramesFollowTheMode()
    {
        click(u"Option1(1)"_s);
        click(u"Option3(1)"_s);
        for (int k = 0; k < 3; ++k)
            QVERIFY(w(u"Frame6(%1)"_s.arg(k))->isVisible() &&
                    w(u"Frame6(%1)"_s.arg(k))->isEnabled());
        QTest::keyClicks(w(u"txtSelectPanel(2)"_s), u"/p/on2.gif"_s);
        click(u"Option3(5)"_s);
        click(u"Option3(0)"_s);
        for (int k = 0; k < 3; ++k)
            QVERIFY(!w(u"Frame6(%1)"_s.arg(k))->isVisible() &&
                    !w(u"Frame6(%1)"_s.arg(k))->isEnabled());
        QCOMPARE(text(u"txtSelectPanel(2)"_s), u"/p/on2.gif"_s);
        QVERIFY(w<QRadioButton>(u"Option3(5)"_s)->isChecked());
        // Option3(5) is ON2's user picture.
        QVERIFY(m_dlg->panelUser(2) && !m_dlg->panelUser(1));
        QCOMPARE(m_dlg->panelFile(2), u"/p/on2.gif"_s);
    }

    void setOptionInfoRunsTheReactions()
    {
        m_dlg->SetOptionInfo(changedOptions());
        QVERIFY(!w(u"Frame3"_s)->isEnabled());
        for (int k = 0; k < 5; ++k)
            QVERIFY(w(u"Combo4(%1)"_s.arg(k))->isEnabled());
        QVERIFY(w(u"Check3(4)"_s)->isEnabled());
        click(u"Option1(1)"_s);
        QVERIFY(w(u"Frame6(0)"_s)->isVisible());
        click(u"Option1(5)"_s);
        QVERIFY(w(u"fraDate"_s)->isVisible());
        QCOMPARE(w<DegitSample>(u"M_Degit1"_s)->BackColor(), 0x111111u);
        // The panel's backlight is applied again and the stored plug-in checked.
        QCOMPARE(m_ports->log, QStringList{u"Option4_Click(0)"_s});
        QCOMPARE(m_res->callNames(), QStringList{u"Vk4_GetPlgInfo"_s});
    }

    // Every field goes into its control and comes back out of the same one
    // (the file around it is tst_ini_file's).
    void everyOptionRoundTrips()
    {
        IniData in = changedOptions(), out;
        m_dlg->SetOptionInfo(in);
        m_dlg->GetOptionInfo(out);
        in.CtrlDataInfo = out.CtrlDataInfo; // not the dialog's
        in.FormInfo = out.FormInfo;
        in.DegitCells = out.DegitCells;
        QVERIFY(out == in);
    }

    void storedChoiceWithNoneChosenStaysSo()
    {
        IniData d;
        d.SeirikenInfo.DateModeEachPrint = 0;
        m_dlg->SetOptionInfo(d);
        IniData out;
        m_dlg->GetOptionInfo(out);
        QCOMPARE(out.SeirikenInfo.DateModeEachPrint, qint16(0));
        QCOMPARE(out.SeirikenInfo.DateModeFixed, qint16(0));
        QCOMPARE(out.ChimeiInfo.ChimeiFontMode, qint16(-1)); // no font option chosen either
        QVERIFY(out.PanelInfo == ini::PanelInfo{});
        QVERIFY(out.SoundInfo == ini::SoundInfo{});
    }

    // The digit colours refresh the sample M_Degit1, also after a cancel.
    void colourButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("Command5(1) confirmed") << 1 << u"Command5(1)"_s << true;
        QTest::newRow("Command8(0) confirmed") << 2 << u"Command8(0)"_s << true;
        QTest::newRow("Command8(2) cancelled") << 2 << u"Command8(2)"_s << false;
        QTest::newRow("Command9(1) cancelled") << 3 << u"Command9(1)"_s << false;
    }
    void colourButtons()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, confirm);
        click(u"Option1(%1)"_s.arg(page));
        w(name)->setProperty("faceColor", 0x00123456u); // set without a refresh
        m_res->chooseColorResult = confirm ? 1 : 0;
        m_res->chooseColorValue = 0x00ABCDEF;
        click(name);
        QCOMPARE(m_res->callNames(), QStringList{u"Vk3ChooseColor"_s});
        QCOMPARE(m_res->calls[0].args.at(0).toUInt(), 0x00123456u);
        const quint32 now = confirm ? 0x00ABCDEFu : 0x00123456u;
        QCOMPARE(face(name), now);
        auto* sample = w<DegitSample>(u"M_Degit1"_s);
        if (name == u"Command8(0)"_s)
            QCOMPARE(sample->BackColor(), now);
        if (name == u"Command8(2)"_s)
            QCOMPARE(sample->DegitForeColor(), now);
    }

    void folderChoice_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("chosen") << u"/data/fare"_s << u"/data/fare"_s;
        QTest::newRow("cancelled") << QString() << u"/before"_s;
    }
    void folderChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        w<QLineEdit>(u"Text2(1)"_s)->setText(u"/before"_s);
        m_res->folderDlgResult = answer;
        click(u"Command3(1)"_s);
        QCOMPARE(text(u"Text2(1)"_s), shown);
        QCOMPARE(m_res->calls.at(0).args.at(0).toString(), u"フォルダーを選択してください"_s);
        click(u"Command10(1)"_s);
        QCOMPARE(m_opened, QStringList{shown});
    }

    // Each choose button fills its own box; a cancelled dialog leaves it.
    void fileChoice_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("title");
        const QString images = nul({u"ビットマップ(*.bmp)"_s, u"*.bmp"_s, u"GIF画像(*.gif)"_s,
                                    u"*.gif"_s, u"JPEG画像(*.jpg)"_s, u"*.jpg"_s});
        const QString sounds = nul({u"Waveサウンド(*.wav)"_s, u"*.wav"_s, u"MP3サウンド(*.mp3)"_s,
                                    u"*.mp3"_s, u"MIDIシーケンス(*.mid)"_s, u"*.mid"_s});
        for (int k = 0; k < 3; ++k)
            QTest::addRow("panel image %d", k)
                << 1 << u"Command6(%1)"_s.arg(k) << u"txtSelectPanel(%1)"_s.arg(k) << images
                << u"パネル画像の選択"_s;
        for (int i : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10})
            QTest::addRow("sound %d", i)
                << 4 << u"cmdSelectSound(%1)"_s.arg(i) << u"txtSelectSound(%1)"_s.arg(i) << sounds
                << u"サウンドの選択"_s;
    }
    void fileChoice()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, filter);
        QFETCH(QString, title);
        click(u"Option1(%1)"_s.arg(page));
        if (page == 1)
            click(u"Option3(1)"_s);
        if (box.contains(QRegularExpression(u"\\(([3-6])\\)"_s))) {
            click(u"Option5(0)"_s); // the sounds before an announcement
            QCOMPARE(w<QStackedWidget>(u"stkFrame2"_s)->currentWidget()->objectName(),
                     u"Frame2(0)"_s);
        }
        m_res->fileDlgResult.clear();
        click(button);
        QVERIFY(text(box).isEmpty());
        m_res->fileDlgResult = u"/home/u/音.wav"_s;
        click(button);
        QCOMPARE(text(box), u"/home/u/音.wav"_s);
        QCOMPARE(m_res->calls.at(1).args, (QVariantList{0, filter, QString(), title}));
    }

    void dateChoice_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5 January 2025") << 1 << 5 << 1 << u"2025/01/05"_s;
        QTest::newRow("20 November 2025") << 1 << 20 << 11 << u"2025/11/20"_s;
        QTest::newRow("cancelled") << 0 << 20 << 11 << u"2026/12/06"_s;
    }
    void dateChoice()
    {
        QFETCH(int, result);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, shown);
        click(u"Option1(5)"_s);
        click(u"chkUseSeiriPrev"_s);
        m_res->dlg111Result = result;
        m_res->dlg111Date.year = 2025;
        m_res->dlg111Date.month = static_cast<qint16>(month);
        m_res->dlg111Date.day = static_cast<qint16>(day);
        click(u"Command7"_s);
        QCOMPARE(w<QLabel>(u"Label10"_s)->text(), shown);
    }

    // OK applies the options to the board (the number colour of the panel's
    // backlight state) and the panel's backlight again, and hides the dialog.
    void okAppliesAndHides_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("backlight");
        QTest::addColumn<quint32>("numberColor");
        QTest::addColumn<QString>("click");
        QTest::newRow("ON2") << false << 2 << 0x0080C0FFu << u"Option4_Click(2)"_s;
        QTest::newRow("OFF") << false << 0 << 0x00FFFFFFu << u"Option4_Click(0)"_s;
        QTest::newRow("none chosen: black, ON2 applied")
            << false << -1 << 0u << u"Option4_Click(2)"_s;
        QTest::newRow("changed options, ON1") << true << 1 << 0x040506u << u"Option4_Click(1)"_s;
    }
    void okAppliesAndHides()
    {
        QFETCH(bool, changed);
        QFETCH(int, backlight);
        QFETCH(quint32, numberColor);
        QFETCH(QString, click);
        if (changed)
            m_dlg->SetOptionInfo(changedOptions());
        m_ports->log.clear();
        m_ports->backlight = backlight;
        this->click(u"Command4"_s);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_ports->seiriNumColor, numberColor);
        QCOMPARE(m_ports->log, QStringList{click});
        QCOMPARE(m_ports->seiriNumVisible, !changed);
        QCOMPARE(m_ports->style, qint16(changed ? 11 : 0));
        QCOMPARE(m_ports->zeroPad, qint16(changed ? 1 : 0));
        QCOMPARE(m_ports->degitColors.BaseForeColor, changed ? 0x222222u : 0x00969696u);
        const QVariantList chimei = changed
                                        ? QVariantList{0x444444u, 0x555555u, qint16(4), true}
                                        : QVariantList{0x00808080u, 0x0000FFFFu, qint16(-1), false};
        QCOMPARE(m_ports->chimei, chimei);
    }

    // The description reaches the ticket page, the size and the companies
    // the panel; the clear button empties the page and leaves the panel.
    void pluginChoiceReachesPageAndPanel()
    {
        PlgInfo info;
        info[1] = 3300;
        info[2] = 1395;
        info[7] = 1;
        info[13] = 2;
        m_res->plgInfoResult = 1;
        m_res->plgInfo = info;
        m_res->plgComment = u"テスト用"_s;
        m_res->corpNames = {u"A交通"_s, u"Bバス"_s};
        m_res->fileDlgResult = u"/plg/b.4SP"_s;
        click(u"Option1(5)"_s);
        click(u"chkUseSeiriPrev"_s);
        click(u"Command1"_s);
        auto* list = w<QListWidget>(u"List1"_s);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, plgInfoLines(info));
        QCOMPARE(m_ports->log, (QStringList{u"ClearCompanyList"_s, u"AddCompany A交通"_s,
                                            u"AddCompany Bバス"_s}));
        QCOMPARE(m_ports->previewSize, QSize(3300, 1395));
        QCOMPARE(w<QPlainTextEdit>(u"txtPlginComment"_s)->toPlainText(), u"テスト用"_s);
        QCOMPARE(text(u"txtSeiriPlgDir"_s), u"/plg/b.4SP"_s);

        m_ports->log.clear();
        click(u"Command11"_s);
        QVERIFY(text(u"txtSeiriPlgDir"_s).isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY(w<QPlainTextEdit>(u"txtPlginComment"_s)->toPlainText().isEmpty());
        QVERIFY(m_ports->log.isEmpty());
    }

    // Every live option reads its own control, and a change is seen at once.
    void liveOptionsReadTheControls()
    {
        m_dlg->SetOptionInfo(changedOptions());
        const RunOptions& run = *m_dlg;
        const TapeOptions& tape = *m_dlg;
        const PanelOptions& panel = *m_dlg;
        QCOMPARE(run.fareDataDir(), u"/data/運賃"_s);
        QCOMPARE(run.tapeDataDir(), u"/data/tape"_s);
        QCOMPARE(panel.routeSetSound(), u"r.wav"_s);
        QCOMPARE(panel.resetSound(), u"x.wav"_s);
        QCOMPARE((QList<quint32>{panel.seiriNumColor(0), panel.seiriNumColor(1),
                                 panel.seiriNumColor(2)}),
                 (QList<quint32>{0x010203, 0x040506, 0x070809}));
        QVERIFY(!panel.panelAuto());
        QCOMPARE((QList<bool>{panel.panelUser(0), panel.panelUser(1), panel.panelUser(2)}),
                 (QList<bool>{true, true, false}));
        QCOMPARE(panel.panelFile(1), u"/p/on1.gif"_s);
        QCOMPARE((QList<int>{run.infoStopOrderCell(), run.infoSeiriNumCell(),
                             run.infoRouteNumCell(), run.infoColumnCell(), run.infoColumn()}),
                 (QList<int>{50, 8, 9, 10, 150}));
        QVERIFY(run.infoStopOrderOn() && run.infoStopOrderFromZero() && run.infoRouteNumOn() &&
                run.infoColumnOn());
        QVERIFY(!run.stepSoundAlways());
        QVERIFY(run.stepSoundSync());
        QCOMPARE(run.stepSoundFile(), u"s.wav"_s);
        QCOMPARE(run.stepSoundColumn(), 121);
        QCOMPARE((QStringList{run.stepSound(1), run.stepSound(3), run.stepSound(4)}),
                 (QStringList{u"s1.mp3"_s, u"s3.mid"_s, QString()}));
        QVERIFY(!tape.preSoundAlways());
        QVERIFY(!tape.preSoundSync());
        QCOMPARE(tape.preSoundFile(), u"p.wav"_s);
        QCOMPARE((QStringList{tape.preSound(1), tape.preSound(3), tape.preSound(0)}),
                 (QStringList{u"p1.wav"_s, u"p3.wav"_s, QString()}));
        QCOMPARE(run.dateMode(), DateMode::Fixed);
        QCOMPARE(run.fixedDate(), u"2025/01/05"_s);
        QVERIFY(run.useSeiriPrev());
        QCOMPARE(run.seiriPlgFile(), u"/plg/a.4SP"_s);

        click(u"Option1(2)"_s);
        click(u"Check3(1)"_s);
        QVERIFY(!run.infoSeiriNumOn());
    }

    // With no folder typed, route setting reads the bundled samples; the box
    // and the file keep the empty text.
    void emptyDataFolderFallsBackToTheSamples()
    {
        m_dlg->setDefaultDataDir(u"/usr/share/lumena/samples"_s);
        QCOMPARE(m_dlg->fareDataDir(), u"/usr/share/lumena/samples"_s);
        QCOMPARE(m_dlg->tapeDataDir(), u"/usr/share/lumena/samples"_s);
        IniData out;
        m_dlg->GetOptionInfo(out);
        QVERIFY(out.DataDirInfo.FareDataDir.isEmpty());
    }
};

LUMENA_TEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
