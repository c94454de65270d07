#include "settings/DegitSample.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIo.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/ModalAnswer.h"

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

using namespace lumena;
using namespace lumena::test;

namespace {

class FakeBoardPanel final : public BoardIniPort, public PanelIniPort {
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

    void GetFormInfo(ini::FormInfo&) const override {}
    void SetFormInfo(const ini::FormInfo&) override {}
    ini::DegitCellInfo GetDegitCell(int) const override { return {}; }
    void SetDegitCell(int, const ini::DegitCellInfo&, const DegitColors&) override {}
    void SetTimeDegitColors(int, const DegitColors&) override {}
    void SetChimeiColors(quint32, quint32) override {}
    void SetSeiriNumVisible(bool v) override { seiriNumVisible = v; }
    void SeirikenNumSet(qint16& s, qint16& z) override
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
    void GetCtrlDataInfo(ini::CtrlDataInfo&) const override {}
    void SetCtrlDataInfo(const ini::CtrlDataInfo&) override {}
    int BacklightIndex() const override { return backlight; }
    void Option4_Click(int index) override
    {
        log << QStringLiteral("Option4_Click(%1)").arg(index);
    }
    void SetPreviewSize(int w, int h) override { previewSize = QSize(w, h); }
    void ClearCompanyList() override
    {
        log << QStringLiteral("ClearCompanyList");
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
    d.DataDirInfo = {QStringLiteral("/data/運賃"), QStringLiteral("/data/tape")};
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
    p.PanelOffFile = QStringLiteral("/p/off.bmp");
    p.PanelOn1File = QStringLiteral("/p/on1.gif");
    p.PanelOn2File = QStringLiteral("/p/on2.jpg");
    d.DegitInfo = {0x111111, 0x222222, 0x333333, 1, 49, 1, 1, 7, 1, 8, 1, 149, 9};
    d.ChimeiInfo = {0x444444, 0x555555, 4, 1};
    auto& s = d.SoundInfo;
    s.RouteSetSound = QStringLiteral("r.wav");
    s.ResetSound = QStringLiteral("x.wav");
    s.StepSoundAlways = 0;
    s.StepSoundByColumn = -1;
    s.StepSoundSync = -1;
    s.StepSoundAsync = 0;
    s.StepSoundFile = QStringLiteral("s.wav");
    s.StepSoundColumn = 120;
    s.StepSound1 = QStringLiteral("s1.mp3");
    s.StepSound2 = QStringLiteral("s2.mp3");
    s.StepSound3 = QStringLiteral("s3.mid");
    s.PreSoundAlways = 0;
    s.PreSoundByFlag = -1;
    s.PreSoundSync = 0;
    s.PreSoundAsync = -1;
    s.PreSoundFile = QStringLiteral("p.wav");
    s.PreSound1 = QStringLiteral("p1.wav");
    s.PreSound2 = QStringLiteral("p2.wav");
    s.PreSound3 = QStringLiteral("p3.wav");
    d.SeirikenInfo = {1, QStringLiteral("/plg/a.4SP"), 0, 0, -1, QStringLiteral("2025/01/05")};
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
    std::unique_ptr<frmOption> m_dlg;
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
        m_dlg = std::make_unique<frmOption>(*m_res, *m_host);
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
        QCOMPARE(m_dlg->windowTitle(), QStringLiteral("オプション"));
        QCOMPARE(find<QStackedWidget>(QStringLiteral("stkFrame1"))->currentWidget()->objectName(),
                 QStringLiteral("Frame1(0)"));
        QVERIFY(find<QLineEdit>(QStringLiteral("Text2(0)"))->text().isEmpty());
        QVERIFY(find<QCheckBox>(QStringLiteral("Check1"))->isChecked());
        QVERIFY(w(QStringLiteral("Frame3"))->isEnabled());
        QCOMPARE(face(QStringLiteral("Command5(0)")), 0x00FFFFFFu);
        QCOMPARE(face(QStringLiteral("Command5(1)")), 0x00C0FFC0u);
        QCOMPARE(face(QStringLiteral("Command5(2)")), 0x0080C0FFu);
        auto* combo2 = find<QComboBox>(QStringLiteral("Combo2"));
        QCOMPARE(combo2->count(), 12);
        QCOMPARE(combo2->currentIndex(), 0);
        QCOMPARE(combo2->itemText(0), QStringLiteral("1,2,3... 50 （既定の表示）"));
        QCOMPARE(combo2->itemText(2), QStringLiteral("「なし」、1,2... 49"));
        QCOMPARE(combo2->itemText(11), QStringLiteral("(無地)、2,3... 50"));
        for (int k = 0; k < 5; ++k) {
            auto* c = find<QComboBox>(QStringLiteral("Combo4(%1)").arg(k));
            QVERIFY(!c->isEnabled());
            QCOMPARE(c->currentText(), QStringLiteral("1"));
            QCOMPARE(c->count(), k == 4 ? 150 : 50);
        }
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo1"))->count(), 150);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo3"))->currentIndex(), -1);
        QCOMPARE(find<QComboBox>(QStringLiteral("Combo3"))->itemText(2),
                 QStringLiteral("漢字はゴシック、それ以外は明朝"));
        for (int k = 0; k < 3; ++k)
            QVERIFY(!w(QStringLiteral("Frame6(%1)").arg(k))->isVisible());
        QVERIFY(find<QRadioButton>(QStringLiteral("Option4(0)"))->isChecked());
        QCOMPARE(find<QLabel>(QStringLiteral("Label10"))->text(), QStringLiteral("2026/12/06"));
        QCOMPARE(find<QStackedWidget>(QStringLiteral("stkFrame2"))->currentWidget()->objectName(),
                 QStringLiteral("Frame2(1)"));
        QCOMPARE(find<QPushButton>(QStringLiteral("Command11"))->text(), QStringLiteral("×"));
    }

    void pageSelectors_data()
    {
        QTest::addColumn<QString>("selector");
        QTest::addColumn<QString>("stack");
        QTest::addColumn<QString>("front");
        for (int i : {3, 5, 0})
            QTest::addRow("Option1(%d)", i)
                << QStringLiteral("Option1(%1)").arg(i) << QStringLiteral("stkFrame1")
                << QStringLiteral("Frame1(%1)").arg(i);
        QTest::newRow("Option5(0)") << QStringLiteral("Option5(0)") << QStringLiteral("stkFrame2")
                                    << QStringLiteral("Frame2(0)");
    }
    void pageSelectors()
    {
        QFETCH(QString, selector);
        QFETCH(QString, stack);
        QFETCH(QString, front);
        click(QStringLiteral("Option1(4)")); // the sound page, so Option5 can be clicked
        click(selector);
        QCOMPARE(find<QStackedWidget>(stack)->currentWidget()->objectName(), front);
    }

    void dependentControls_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("followers");
        QTest::addColumn<bool>("startsOn");
        QTest::newRow("Check1: Frame3")
            << 1 << QStringLiteral("Check1") << QStringList{QStringLiteral("Frame3")} << true;
        QTest::newRow("Check3(0): cell list and count from zero")
            << 2 << QStringLiteral("Check3(0)")
            << QStringList{QStringLiteral("Combo4(0)"), QStringLiteral("Check3(4)")} << false;
        QTest::newRow("Check3(1)") << 2 << QStringLiteral("Check3(1)")
                                   << QStringList{QStringLiteral("Combo4(1)")} << false;
        QTest::newRow("Check3(2)") << 2 << QStringLiteral("Check3(2)")
                                   << QStringList{QStringLiteral("Combo4(2)")} << false;
        QTest::newRow("Check3(3): column and cell lists")
            << 2 << QStringLiteral("Check3(3)")
            << QStringList{QStringLiteral("Combo4(3)"), QStringLiteral("Combo4(4)")} << false;
    }
    void dependentControls()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QStringList, followers);
        QFETCH(bool, startsOn);
        click(QStringLiteral("Option1(%1)").arg(page));
        for (bool expected : {startsOn, !startsOn, startsOn}) {
            for (const QString& f : followers)
                QVERIFY2(w(f)->isEnabled() == expected, qPrintable(f));
            click(box);
            expected = !expected;
        }
    }

    void panelImageFramesFollowTheMode()
    {
        click(QStringLiteral("Option1(1)"));
        click(QStringLiteral("Option3(1)"));
        for (int k = 0; k < 3; ++k) {
            QVERIFY(w(QStringLiteral("Frame6(%1)").arg(k))->isVisible());
            QVERIFY(w(QStringLiteral("Frame6(%1)").arg(k))->isEnabled());
        }
        QTest::keyClicks(w(QStringLiteral("txtSelectPanel(2)")), QStringLiteral("/p/on2.gif"));
        click(QStringLiteral("Option3(5)"));
        click(QStringLiteral("Option3(0)"));
        for (int k = 0; k < 3; ++k) {
            QVERIFY(!w(QStringLiteral("Frame6(%1)").arg(k))->isVisible());
            QVERIFY(!w(QStringLiteral("Frame6(%1)").arg(k))->isEnabled());
        }
        QCOMPARE(find<QLineEdit>(QStringLiteral("txtSelectPanel(2)"))->text(),
                 QStringLiteral("/p/on2.gif"));
        QVERIFY(find<QRadioButton>(QStringLiteral("Option3(5)"))->isChecked());
    }

    void previewFramesFollowTheCheck()
    {
        click(QStringLiteral("Option1(5)"));
        QVERIFY(!w(QStringLiteral("fraPlgin"))->isVisible());
        QVERIFY(!w(QStringLiteral("fraDate"))->isEnabled());
        click(QStringLiteral("chkUseSeiriPrev"));
        QVERIFY(w(QStringLiteral("fraPlgin"))->isVisible());
        QVERIFY(w(QStringLiteral("fraDate"))->isEnabled());
    }

    void setOptionInfoRunsTheReactions()
    {
        m_dlg->SetOptionInfo(changedOptions());
        QVERIFY(!w(QStringLiteral("Frame3"))->isEnabled());
        for (int k = 0; k < 5; ++k)
            QVERIFY(w(QStringLiteral("Combo4(%1)").arg(k))->isEnabled());
        QVERIFY(w(QStringLiteral("Check3(4)"))->isEnabled());
        click(QStringLiteral("Option1(1)"));
        QVERIFY(w(QStringLiteral("Frame6(0)"))->isVisible());
        click(QStringLiteral("Option1(5)"));
        QVERIFY(w(QStringLiteral("fraDate"))->isVisible());
        // The panel's backlight is applied again and the stored plug-in checked.
        QCOMPARE(m_ports->log, QStringList{QStringLiteral("Option4_Click(0)")});
        QVERIFY(m_res->callNames().contains(QStringLiteral("Vk4_GetPlgInfo")));
    }

    void everyOptionRoundTripsThroughTheControls()
    {
        const IniData in = changedOptions();
        m_dlg->SetOptionInfo(in);
        IniData out;
        m_dlg->GetOptionInfo(out);
        QVERIFY(out.DataDirInfo == in.DataDirInfo);
        QVERIFY(out.PanelInfo == in.PanelInfo);
        QVERIFY(out.DegitInfo == in.DegitInfo);
        QVERIFY(out.ChimeiInfo == in.ChimeiInfo);
        QVERIFY(out.SoundInfo == in.SoundInfo);
        QVERIFY(out.SeirikenInfo == in.SeirikenInfo);
        QVERIFY(out.CustColors == in.CustColors);
        // and the defaults, including no font option chosen
        m_dlg->SetOptionInfo(IniData{});
        m_dlg->GetOptionInfo(out);
        QCOMPARE(out.ChimeiInfo.ChimeiFontMode, qint16(-1));
        QVERIFY(out.PanelInfo == ini::PanelInfo{});
        QVERIFY(out.SoundInfo == ini::SoundInfo{});
    }

    void everyOptionSurvivesARestart()
    {
        QTemporaryDir dir;
        const IniLocation where(dir.path(), QStringLiteral("LM-50"), QString());
        m_dlg->SetOptionInfo(changedOptions());
        IniData atQuit;
        QVERIFY(SaveIni(atQuit, where, IniWindows{*m_dlg, *m_ports, *m_ports}, *m_host));

        frmOption next(*m_res, *m_host);
        next.setTargets(m_ports.get(), m_ports.get());
        next.SetStartDefaults();
        IniData atStart;
        LoadIni(atStart, where, IniWindows{next, *m_ports, *m_ports}, *m_host);
        IniData before, after;
        m_dlg->GetOptionInfo(before);
        next.GetOptionInfo(after);
        QVERIFY(after == before);
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
    }

    void colourButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("confirm");
        for (const char* b : {"Command5(1)", "Command8(0)", "Command8(2)", "Command9(1)"}) {
            QTest::addRow("%s confirmed", b) << (b[7] == '5'   ? 1
                                                 : b[7] == '8' ? 2
                                                               : 3)
                                             << QString::fromLatin1(b) << true;
            QTest::addRow("%s cancelled", b) << (b[7] == '5'   ? 1
                                                 : b[7] == '8' ? 2
                                                               : 3)
                                             << QString::fromLatin1(b) << false;
        }
    }
    void colourButtons()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, confirm);
        click(QStringLiteral("Option1(%1)").arg(page));
        // A colour set without a refresh: the click must refresh the sample anyway.
        w(name)->setProperty("faceColor", 0x00123456u);
        m_res->chooseColorResult = confirm ? 1 : 0;
        m_res->chooseColorValue = 0x00ABCDEF;
        click(name);
        QCOMPARE(m_res->callNames(), QStringList{QStringLiteral("Vk3ChooseColor")});
        QCOMPARE(m_res->calls[0].args.at(0).toUInt(), 0x00123456u);
        const quint32 now = confirm ? 0x00ABCDEFu : 0x00123456u;
        QCOMPARE(face(name), now);
        auto* sample = find<DegitSample>(QStringLiteral("M_Degit1"));
        if (name == QStringLiteral("Command8(0)"))
            QCOMPARE(sample->BackColor(), now);
        if (name == QStringLiteral("Command8(2)"))
            QCOMPARE(sample->DegitForeColor(), now);
    }

    void folderChoice_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("chosen") << QStringLiteral("/data/fare") << QStringLiteral("/data/fare");
        QTest::newRow("cancelled") << QString() << QStringLiteral("/before");
    }
    void folderChoice()
    {
        QFETCH(QString, answer);
        QFETCH(QString, text);
        find<QLineEdit>(QStringLiteral("Text2(1)"))->setText(QStringLiteral("/before"));
        m_res->folderDlgResult = answer;
        click(QStringLiteral("Command3(1)"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Text2(1)"))->text(), text);
        QCOMPARE(m_res->calls.at(0).args.at(0).toString(),
                 QStringLiteral("フォルダーを選択してください"));
        click(QStringLiteral("Command10(1)"));
        QCOMPARE(m_opened, QStringList{text});
    }

    void fileChoice_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("title");
        const QString images = nul({QStringLiteral("ビットマップ(*.bmp)"), QStringLiteral("*.bmp"),
                                    QStringLiteral("GIF画像(*.gif)"), QStringLiteral("*.gif"),
                                    QStringLiteral("JPEG画像(*.jpg)"), QStringLiteral("*.jpg")});
        const QString sounds =
            nul({QStringLiteral("Waveサウンド(*.wav)"), QStringLiteral("*.wav"),
                 QStringLiteral("MP3サウンド(*.mp3)"), QStringLiteral("*.mp3"),
                 QStringLiteral("MIDIシーケンス(*.mid)"), QStringLiteral("*.mid")});
        for (int k = 0; k < 3; ++k)
            QTest::addRow("panel image %d", k) << 1 << QStringLiteral("Command6(%1)").arg(k)
                                               << QStringLiteral("txtSelectPanel(%1)").arg(k)
                                               << images << QStringLiteral("パネル画像の選択");
        for (int i : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10})
            QTest::addRow("sound %d", i) << 4 << QStringLiteral("cmdSelectSound(%1)").arg(i)
                                         << QStringLiteral("txtSelectSound(%1)").arg(i) << sounds
                                         << QStringLiteral("サウンドの選択");
    }
    void fileChoice()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, filter);
        QFETCH(QString, title);
        click(QStringLiteral("Option1(%1)").arg(page));
        if (box.startsWith(QStringLiteral("txtSelectPanel")))
            click(QStringLiteral("Option3(1)"));
        const bool inPreSounds = box.contains(QRegularExpression(QStringLiteral("\\(([3-6])\\)")));
        if (inPreSounds)
            click(QStringLiteral("Option5(0)"));
        m_res->fileDlgResult.clear();
        click(button);
        QVERIFY(find<QLineEdit>(box)->text().isEmpty());
        m_res->fileDlgResult = QStringLiteral("/home/u/音.wav");
        click(button);
        QCOMPARE(find<QLineEdit>(box)->text(), QStringLiteral("/home/u/音.wav"));
        const QVariantList args = m_res->calls.at(1).args;
        QCOMPARE(args, (QVariantList{0, filter, QString(), title}));
    }

    void dateChoice_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5 January 2025") << 1 << 5 << 1 << QStringLiteral("2025/01/05");
        QTest::newRow("20 November 2025") << 1 << 20 << 11 << QStringLiteral("2025/11/20");
        QTest::newRow("cancelled") << 0 << 20 << 11 << QStringLiteral("2026/12/06");
    }
    void dateChoice()
    {
        QFETCH(int, result);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(QString, shown);
        click(QStringLiteral("Option1(5)"));
        click(QStringLiteral("chkUseSeiriPrev"));
        m_res->dlg111Result = result;
        m_res->dlg111Date.year = 2025;
        m_res->dlg111Date.month = static_cast<qint16>(month);
        m_res->dlg111Date.day = static_cast<qint16>(day);
        click(QStringLiteral("Command7"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label10"))->text(), shown);
    }

    void okAppliesAndHides_data()
    {
        QTest::addColumn<int>("backlight");
        QTest::addColumn<quint32>("numberColor");
        QTest::addColumn<QString>("click");
        QTest::newRow("ON2") << 2 << 0x0080C0FFu << QStringLiteral("Option4_Click(2)");
        QTest::newRow("OFF") << 0 << 0x00FFFFFFu << QStringLiteral("Option4_Click(0)");
        QTest::newRow("none chosen: black, ON2 applied")
            << -1 << 0u << QStringLiteral("Option4_Click(2)");
    }
    void okAppliesAndHides()
    {
        QFETCH(int, backlight);
        QFETCH(quint32, numberColor);
        QFETCH(QString, click);
        m_ports->backlight = backlight;
        this->click(QStringLiteral("Command4"));
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
        click(QStringLiteral("Command4"));
        QVERIFY(!m_ports->seiriNumVisible);
        QCOMPARE(m_ports->style, qint16(11));
        QCOMPARE(m_ports->zeroPad, qint16(1));
        QCOMPARE(m_ports->seiriNumColor, 0x010203u);
        QCOMPARE(m_ports->degitColors.BackColor, 0x111111u);
        QCOMPARE(m_ports->degitColors.BaseForeColor, 0x222222u);
        QCOMPARE(m_ports->chimei, (QVariantList{0x444444u, 0x555555u, qint16(4), true}));
    }

    void pluginDescription_data()
    {
        QTest::addColumn<PlgInfo>("info");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("companies");
        PlgInfo plain;
        plain[1] = 3300;
        plain[2] = 1395;
        plain[3] = 1;
        plain[6] = 1;
        plain[13] = -1;
        QTest::newRow("no bar codes: six lines")
            << plain << QStringList{QStringLiteral("日付の印字 ---> 可能"),
                                    QStringLiteral("時刻の印字 ---> 不可"),
                                    QStringLiteral("系統番号の印字 ---> 不可"),
                                    QStringLiteral("停名の印字 ---> 可能"),
                                    QStringLiteral("バーコード印字 ---> 不可"),
                                    QStringLiteral("社名切り替え:---> 不可")}
            << QStringList{};
        PlgInfo bars = plain;
        bars[7] = 1;
        bars[8] = 2;
        bars[9] = 999;
        bars[10] = 1;
        bars[11] = 1;
        bars[12] = 99;
        bars[13] = 2;
        QTest::newRow("bar codes, company switching 2")
            << bars
            << QStringList{QStringLiteral("日付の印字 ---> 可能"),
                           QStringLiteral("時刻の印字 ---> 不可"),
                           QStringLiteral("系統番号の印字 ---> 不可"),
                           QStringLiteral("停名の印字 ---> 可能"),
                           QStringLiteral("バーコード印字 ---> 可能"),
                           QStringLiteral("バーコード本数 ---> 2"),
                           QStringLiteral("バーコード系統方式 ---> 連番式"),
                           QStringLiteral("設定可能な系統範囲 ---> 1 ～ 999"),
                           QStringLiteral("停留所認識範囲 ---> 1 ～ 99"),
                           QStringLiteral("社名切り替え:---> 可能")}
            << QStringList{QStringLiteral("A交通"), QStringLiteral("Bバス")};
    }
    void pluginDescription()
    {
        QFETCH(PlgInfo, info);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, companies);
        m_res->plgInfoResult = 1;
        m_res->plgInfo = info;
        m_res->plgComment = QStringLiteral("テスト用");
        m_res->corpNames = {QStringLiteral("A交通"), QStringLiteral("Bバス")};
        m_res->fileDlgResult = QStringLiteral("/plg/b.4SP");
        click(QStringLiteral("Option1(5)"));
        click(QStringLiteral("chkUseSeiriPrev"));
        click(QStringLiteral("Command1"));
        auto* list = find<QListWidget>(QStringLiteral("List1"));
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        QCOMPARE(shown, lines);
        QCOMPARE(m_ports->companies, companies);
        QCOMPARE(m_ports->previewSize, QSize(3300, 1395));
        QCOMPARE(find<QPlainTextEdit>(QStringLiteral("txtPlginComment"))->toPlainText(),
                 QStringLiteral("テスト用"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("txtSeiriPlgDir"))->text(),
                 QStringLiteral("/plg/b.4SP"));
        QVERIFY(m_host->messages.isEmpty());

        click(QStringLiteral("Command11"));
        QVERIFY(find<QLineEdit>(QStringLiteral("txtSeiriPlgDir"))->text().isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY(find<QPlainTextEdit>(QStringLiteral("txtPlginComment"))->toPlainText().isEmpty());
        QCOMPARE(m_ports->companies, companies); // the panel's list is left alone
    }

    void notAPluginKeepsThePath()
    {
        click(QStringLiteral("Option1(5)"));
        click(QStringLiteral("chkUseSeiriPrev"));
        find<QLineEdit>(QStringLiteral("txtSeiriPlgDir"))->setText(QStringLiteral("/plg/old.4SP"));
        m_res->fileDlgResult = QStringLiteral("/tmp/readme.txt");
        m_res->plgInfoResult = 0;
        QString shown;
        test::answerModal([&shown](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box)
                return;
            shown =
                box->windowTitle() + u'|' + box->text() + u'|' + QString::number(int(box->icon()));
            box->button(QMessageBox::Ok)->click();
        });
        click(QStringLiteral("Command1"));
        QCOMPARE(shown,
                 QStringLiteral("プラグインロードエラー|指定したファイルはプラグインでないか、"
                                "内容が不正です|%1")
                     .arg(int(QMessageBox::Critical)));
        QCOMPARE(find<QLineEdit>(QStringLiteral("txtSeiriPlgDir"))->text(),
                 QStringLiteral("/plg/old.4SP"));
        QCOMPARE(m_ports->log, QStringList{QStringLiteral("ClearCompanyList")});

        m_res->fileDlgResult.clear(); // cancelled: nothing at all
        m_ports->log.clear();
        shown.clear();
        click(QStringLiteral("Command1"));
        QVERIFY(m_ports->log.isEmpty());
        QVERIFY(shown.isEmpty());
        QVERIFY(m_host->messages.isEmpty());
    }

    void liveOptionsReadTheControls()
    {
        m_dlg->SetOptionInfo(changedOptions());
        RunOptions& run = *m_dlg;
        TapeOptions& tape = *m_dlg;
        QCOMPARE(run.fareDataDir(), QStringLiteral("/data/運賃"));
        QCOMPARE(run.infoStopOrderCell(), 50);
        QCOMPARE(run.infoColumn(), 150);
        QCOMPARE(run.infoColumnCell(), 10);
        QCOMPARE(run.stepSoundColumn(), 121);
        QVERIFY(!run.stepSoundAlways());
        QVERIFY(run.stepSoundSync());
        QCOMPARE(run.stepSound(3), QStringLiteral("s3.mid"));
        QCOMPARE(run.dateMode(), DateMode::Fixed);
        QCOMPARE(run.fixedDate(), QStringLiteral("2025/01/05"));
        QVERIFY(!tape.preSoundAlways());
        QVERIFY(!tape.preSoundSync());
        QCOMPARE(tape.preSound(1), QStringLiteral("p1.wav"));
        // A change on the page is seen at once.
        click(QStringLiteral("Option1(2)"));
        click(QStringLiteral("Check3(1)"));
        QVERIFY(!run.infoSeiriNumOn());
    }
};

LUMENA_TEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
