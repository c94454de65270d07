#include "settings/DegitSample.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/ModalAnswer.h"
#include "tests/common/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>

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
    QStringList companies;

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
    void ClearCompanyList() override
    {
        log << u"ClearCompanyList"_s;
        companies.clear();
    }
    void AddCompany(const QString& name) override { companies << name; }
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
    auto& p = d.PanelInfo;
    p.UseSeiriNum = 0;
    p.SeiriNumColorOff = 0x010203;
    p.SeiriNumColorOn1 = 0x040506;
    p.SeiriNumColorOn2 = 0x070809;
    p.SeiriNumStyle = 11;
    p.SeiriNumZeroPad = 1;
    p.PanelAuto = 0;
    p.PanelManual = -1;
    p.PanelOffBuiltIn = 0;
    p.PanelOffUser = -1;
    p.PanelOn1BuiltIn = 0;
    p.PanelOn1User = -1;
    p.PanelOn2BuiltIn = -1;
    p.PanelOn2User = 0;
    p.PanelOffFile = u"/p/off.bmp"_s;
    p.PanelOn1File = u"/p/on1.gif"_s;
    p.PanelOn2File = u"/p/on2.jpg"_s;
    d.DegitInfo = {0x111111, 0x222222, 0x333333, 1, 49, 1, 1, 7, 1, 8, 1, 149, 9};
    d.ChimeiInfo = {0x444444, 0x555555, 4, 1};
    auto& s = d.SoundInfo;
    s.RouteSetSound = u"r.wav"_s;
    s.ResetSound = u"x.wav"_s;
    s.StepSoundAlways = 0;
    s.StepSoundByColumn = -1;
    s.StepSoundSync = -1;
    s.StepSoundAsync = 0;
    s.StepSoundFile = u"s.wav"_s;
    s.StepSoundColumn = 120;
    s.StepSound1 = u"s1.mp3"_s;
    s.StepSound2 = u"s2.mp3"_s;
    s.StepSound3 = u"s3.mid"_s;
    s.PreSoundAlways = 0;
    s.PreSoundByFlag = -1;
    s.PreSoundSync = 0;
    s.PreSoundAsync = -1;
    s.PreSoundFile = u"p.wav"_s;
    s.PreSound1 = u"p1.wav"_s;
    s.PreSound2 = u"p2.wav"_s;
    s.PreSound3 = u"p3.wav"_s;
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

    template <class T> T* find(const QString& name)
    {
        auto* w = m_dlg->findChild<T*>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    QWidget* w(const QString& name) { return find<QWidget>(name); }
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
        QCOMPARE(m_dlg->windowTitle(), u"オプション"_s);
        QCOMPARE(find<QStackedWidget>(u"stkFrame1"_s)->currentWidget()->objectName(),
                 u"Frame1(0)"_s);
        QVERIFY(find<QLineEdit>(u"Text2(0)"_s)->text().isEmpty());
        QVERIFY(find<QCheckBox>(u"Check1"_s)->isChecked());
        QVERIFY(w(u"Frame3"_s)->isEnabled());
        QCOMPARE(face(u"Command5(0)"_s), 0x00FFFFFFu);
        QCOMPARE(face(u"Command5(1)"_s), 0x00C0FFC0u);
        QCOMPARE(face(u"Command5(2)"_s), 0x0080C0FFu);
        auto* combo2 = find<QComboBox>(u"Combo2"_s);
        QCOMPARE(combo2->count(), 12);
        QCOMPARE(combo2->currentIndex(), 0);
        QCOMPARE(combo2->itemText(0), u"1,2,3... 50 （既定の表示）"_s);
        QCOMPARE(combo2->itemText(2), u"「なし」、1,2... 49"_s);
        QCOMPARE(combo2->itemText(11), u"(無地)、2,3... 50"_s);
        for (int k = 0; k < 5; ++k) {
            auto* c = find<QComboBox>(u"Combo4(%1)"_s.arg(k));
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->currentText(), u"1"_s);
            QCOMPARE(c->count(), k == 4 ? 150 : 50);
        }
        QCOMPARE(find<QComboBox>(u"Combo1"_s)->count(), 150);
        QCOMPARE(find<QComboBox>(u"Combo3"_s)->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(u"Combo3"_s)->itemText(2), u"漢字はゴシック、それ以外は明朝"_s);
        for (int k = 0; k < 3; ++k)
            QVERIFY(!w(u"Frame6(%1)"_s.arg(k))->isVisible());
        QVERIFY(find<QRadioButton>(u"Option4(0)"_s)->isChecked());
        QCOMPARE(find<QLabel>(u"Label10"_s)->text(), u"2026/12/06"_s);
        QCOMPARE(find<QStackedWidget>(u"stkFrame2"_s)->currentWidget()->objectName(),
                 u"Frame2(1)"_s);
        QCOMPARE(find<QPushButton>(u"Command11"_s)->text(), u"×"_s);
    }

    void pageSelectors_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QString>("front");
        for (int i : {3, 5, 0})
            QTest::addRow("Option1(%d)", i)
                << u"Option1(%1)"_s.arg(i) << u"stkFrame1"_s << u"Frame1(%1)"_s.arg(i);
        QTest::newRow("Option5(0)") << u"Option5(0)"_s << u"stkFrame2"_s << u"Frame2(0)"_s;
    }
    void pageSelectors()
    {
        QFETCH(QString, selector);
        QFETCH(QString, stack);
        QFETCH(QString, front);
        click(u"Option1(4)"_s); // the sound page, so Option5 can be clicked
        click(selector);
        QCOMPARE(find<QStackedWidget>(stack)->currentWidget()->objectName(), front);
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
        for (bool expected : {startsOn, !startsOn, startsOn}) {
            for (const QString& f : followers)
                QVERIFY2(w(f)->isEnabled() == expected, qPrintable(f));
            click(box);
            expected = !expected;
        }
    }

    void panelImageFramesFollowTheMode()
    {
        click(u"Option1(1)"_s);
        click(u"Option3(1)"_s);
        for (int k = 0; k < 3; ++k) {
            QVERIFY(w(u"Frame6(%1)"_s.arg(k))->isVisible());
            QVERIFY(w(u"Frame6(%1)"_s.arg(k))->isEnabled());
        }
        QTest::keyClicks(w(u"txtSelectPanel(2)"_s), u"/p/on2.gif"_s);
        click(u"Option3(5)"_s);
        click(u"Option3(0)"_s);
        for (int k = 0; k < 3; ++k) {
            QVERIFY(!w(u"Frame6(%1)"_s.arg(k))->isVisible());
            QVERIFY(!w(u"Frame6(%1)"_s.arg(k))->isEnabled());
        }
        QCOMPARE(find<QLineEdit>(u"txtSelectPanel(2)"_s)->text(), u"/p/on2.gif"_s);
        QVERIFY(find<QRadioButton>(u"Option3(5)"_s)->isChecked());
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
        // The panel's backlight is applied again and the stored plug-in checked.
        QCOMPARE(m_ports->log, QStringList{u"Option4_Click(0)"_s});
        QVERIFY(m_res->callNames().contains(u"Vk4_GetPlgInfo"_s));
    }

    // Controls to settings file and back into a new dialog, as at quit and start.
    void everyOptionSurvivesARestart()
    {
        QTemporaryDir dir;
        const IniLocation where(dir.path(), u"LM-50"_s, QString());
        const IniData in = changedOptions();
        m_dlg->SetOptionInfo(in);
        IniData atQuit;
        QVERIFY(SaveIni(atQuit, where, IniWindows{*m_dlg, *m_ports, *m_ports}, *m_host));

        OptionsDialog next(*m_res, *m_host);
        next.setTargets(m_ports.get(), m_ports.get());
        next.SetStartDefaults();
        IniData atStart, out;
        LoadIni(atStart, where, IniWindows{next, *m_ports, *m_ports}, *m_host);
        next.GetOptionInfo(out);
        QVERIFY(out.DataDirInfo == in.DataDirInfo);
        QVERIFY(out.PanelInfo == in.PanelInfo);
        QVERIFY(out.DegitInfo == in.DegitInfo);
        QVERIFY(out.ChimeiInfo == in.ChimeiInfo);
        QVERIFY(out.SoundInfo == in.SoundInfo);
        QVERIFY(out.SeirikenInfo == in.SeirikenInfo);
        QVERIFY(out.CustColors == in.CustColors);
        QVERIFY(m_host->messages.isEmpty());
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

    void colourButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("confirm");
        const std::pair<int, const char*> buttons[] = {
            {1, "Command5(1)"}, {2, "Command8(0)"}, {2, "Command8(2)"}, {3, "Command9(1)"}};
        for (auto [page, b] : buttons) {
            for (bool confirm : {true, false})
                QTest::addRow("%s %s", b, confirm ? "confirmed" : "cancelled")
                    << page << QString::fromLatin1(b) << confirm;
        }
    }
    void colourButtons()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, confirm);
        click(u"Option1(%1)"_s.arg(page));
        // A colour set without a refresh: the click must refresh the sample anyway.
        w(name)->setProperty("faceColor", 0x00123456u);
        m_res->chooseColorResult = confirm ? 1 : 0;
        m_res->chooseColorValue = 0x00ABCDEF;
        click(name);
        QCOMPARE(m_res->callNames(), QStringList{u"Vk3ChooseColor"_s});
        QCOMPARE(m_res->calls[0].args.at(0).toUInt(), 0x00123456u);
        const quint32 now = confirm ? 0x00ABCDEFu : 0x00123456u;
        QCOMPARE(face(name), now);
        auto* sample = find<DegitSample>(u"M_Degit1"_s);
        if (name == u"Command8(0)"_s)
            QCOMPARE(sample->BackColor(), now);
        if (name == u"Command8(2)"_s)
            QCOMPARE(sample->DegitForeColor(), now);
    }

    void folderChoice_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("chosen") << u"/data/fare"_s << u"/data/fare"_s;
        QTest::newRow("cancelled") << QString() << u"/before"_s;
    }
    void folderChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, text);
        find<QLineEdit>(u"Text2(1)"_s)->setText(u"/before"_s);
        m_res->folderDlgResult = answer;
        click(u"Command3(1)"_s);
        QCOMPARE(find<QLineEdit>(u"Text2(1)"_s)->text(), text);
        QCOMPARE(m_res->calls.at(0).args.at(0).toString(), u"フォルダーを選択してください"_s);
        click(u"Command10(1)"_s);
        QCOMPARE(m_opened, QStringList{text});
    }

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
        if (box.startsWith(u"txtSelectPanel"_s))
            click(u"Option3(1)"_s);
        const bool inPreSounds = box.contains(QRegularExpression(u"\\(([3-6])\\)"_s));
        if (inPreSounds)
            click(u"Option5(0)"_s);
        m_res->fileDlgResult.clear();
        click(button);
        QVERIFY(find<QLineEdit>(box)->text().isEmpty());
        m_res->fileDlgResult = u"/home/u/音.wav"_s;
        click(button);
        QCOMPARE(find<QLineEdit>(box)->text(), u"/home/u/音.wav"_s);
        const QVariantList args = m_res->calls.at(1).args;
        QCOMPARE(args, (QVariantList{0, filter, QString(), title}));
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
        QCOMPARE(find<QLabel>(u"Label10"_s)->text(), shown);
    }

    void okAppliesAndHides_data()
    {
        QTest::addColumn<int>("backlight");
        QTest::addColumn<quint32>("numberColor");
        QTest::addColumn<QString>("click");
        QTest::newRow("ON2") << 2 << 0x0080C0FFu << u"Option4_Click(2)"_s;
        QTest::newRow("OFF") << 0 << 0x00FFFFFFu << u"Option4_Click(0)"_s;
        QTest::newRow("none chosen: black, ON2 applied") << -1 << 0u << u"Option4_Click(2)"_s;
    }
    void okAppliesAndHides()
    {
        QFETCH(int, backlight);
        QFETCH(quint32, numberColor);
        QFETCH(QString, click);
        m_ports->backlight = backlight;
        this->click(u"Command4"_s);
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(m_ports->seiriNumColor, numberColor);
        QCOMPARE(m_ports->log, QStringList{click});
        QVERIFY(m_ports->seiriNumVisible);
        QCOMPARE(m_ports->style, qint16(0));
        QCOMPARE(m_ports->degitColors.DegitForeColor, 0x0072D2F8u);
        QCOMPARE(m_ports->chimei, (QVariantList{0x00808080u, 0x0000FFFFu, qint16(-1), false}));
    }

    void okAppliesChangedOptions()
    {
        m_dlg->SetOptionInfo(changedOptions());
        m_ports->log.clear();
        click(u"Command4"_s);
        QVERIFY(!m_ports->seiriNumVisible);
        QCOMPARE(m_ports->style, qint16(11));
        QCOMPARE(m_ports->zeroPad, qint16(1));
        QCOMPARE(m_ports->seiriNumColor, 0x010203u);
        QCOMPARE(m_ports->degitColors.BackColor, 0x111111u);
        QCOMPARE(m_ports->degitColors.BaseForeColor, 0x222222u);
        QCOMPARE(m_ports->chimei, (QVariantList{0x444444u, 0x555555u, qint16(4), true}));
    }

    // The lines themselves are SetPlgin's (tst_ticket_info); here they reach
    // the page, the companies reach the panel and the clear button empties the page.
    void pluginDescription()
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
        auto* list = find<QListWidget>(u"List1"_s);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown.size(), 10);
        QCOMPARE(shown[4], u"バーコード印字 ---> 可能"_s);
        const QStringList companies = m_res->corpNames;
        QCOMPARE(m_ports->companies, companies);
        QCOMPARE(m_ports->previewSize, QSize(3300, 1395));
        QCOMPARE(find<QPlainTextEdit>(u"txtPlginComment"_s)->toPlainText(), u"テスト用"_s);
        QCOMPARE(find<QLineEdit>(u"txtSeiriPlgDir"_s)->text(), u"/plg/b.4SP"_s);
        QVERIFY(m_host->messages.isEmpty());

        click(u"Command11"_s);
        QVERIFY(find<QLineEdit>(u"txtSeiriPlgDir"_s)->text().isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY(find<QPlainTextEdit>(u"txtPlginComment"_s)->toPlainText().isEmpty());
        QCOMPARE(m_ports->companies, companies); // the panel's list is left alone
    }

    void notAPluginKeepsThePath()
    {
        click(u"Option1(5)"_s);
        click(u"chkUseSeiriPrev"_s);
        find<QLineEdit>(u"txtSeiriPlgDir"_s)->setText(u"/plg/old.4SP"_s);
        m_res->fileDlgResult = u"/tmp/readme.txt"_s;
        m_res->plgInfoResult = 0;
        QString shown;
        test::answerMessageBox(QMessageBox::Ok, &shown);
        click(u"Command1"_s);
        QCOMPARE(shown,
                 u"プラグインロードエラー|指定したファイルはプラグインでないか、内容が不正です"_s);
        QCOMPARE(find<QLineEdit>(u"txtSeiriPlgDir"_s)->text(), u"/plg/old.4SP"_s);
        QCOMPARE(m_ports->log, QStringList{u"ClearCompanyList"_s});

        m_res->fileDlgResult.clear(); // cancelled: nothing at all
        m_ports->log.clear();
        shown.clear();
        click(u"Command1"_s);
        QVERIFY(m_ports->log.isEmpty());
        QVERIFY(shown.isEmpty());
        QVERIFY(m_host->messages.isEmpty());
    }

    void liveOptionsReadTheControls()
    {
        m_dlg->SetOptionInfo(changedOptions());
        RunOptions& run = *m_dlg;
        TapeOptions& tape = *m_dlg;
        QCOMPARE(run.fareDataDir(), u"/data/運賃"_s);
        QCOMPARE(run.infoStopOrderCell(), 50);
        QCOMPARE(run.infoColumn(), 150);
        QCOMPARE(run.infoColumnCell(), 10);
        QCOMPARE(run.stepSoundColumn(), 121);
        QVERIFY(!run.stepSoundAlways());
        QVERIFY(run.stepSoundSync());
        QCOMPARE(run.stepSound(3), u"s3.mid"_s);
        QCOMPARE(run.dateMode(), DateMode::Fixed);
        QCOMPARE(run.fixedDate(), u"2025/01/05"_s);
        QVERIFY(!tape.preSoundAlways());
        QVERIFY(!tape.preSoundSync());
        QCOMPARE(tape.preSound(1), u"p1.wav"_s);
        // A change on the page is seen at once.
        click(u"Option1(2)"_s);
        click(u"Check3(1)"_s);
        QVERIFY(!run.infoSeiriNumOn());
    }
};

LUMENA_TEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
