// The options dialog driven through its controls.

#include "settings/DegitSample.h"
#include "settings/OptionsDialog.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/TestSupport.h"
#include "ticket/PluginInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// The board and the panel, every call logged with its numbers in hexadecimal.
class FakeBoardPanel final : public IdleBoardPort, public IdlePanelPort {
public:
    QStringList log;
    int backlight = 0;

    template <class... Numbers> void note(const char* call, Numbers... n)
    {
        const QStringList args{QString::number(n, 16)...};
        log << u"%1(%2)"_s.arg(QLatin1StringView(call), args.join(u','));
    }
    void SetSeiriNumVisible(bool v) override { note(__func__, v); }
    void SeirikenNumSet(qint16 style, qint16 zeroPad) override { note(__func__, style, zeroPad); }
    void SetSeiriNumColor(quint32 c) override { note(__func__, c); }
    void SetAllDegitColors(const DegitColors& c) override
    {
        note(__func__, c.BackColor, c.BaseForeColor, c.DegitForeColor);
    }
    void SetChimeiProps(quint32 back, quint32 fore, qint16 mode, bool bold) override
    {
        note(__func__, back, fore, mode, bold);
    }
    void setBoardScale(int scale) override { note(__func__, scale); }
    int BacklightIndex() const override { return backlight; }
    void Option4_Click(int index) override { note(__func__, index); }
    void SetPreviewSize(int w, int h) override { note(__func__, w, h); }
    void ClearCompanyList() override { note(__func__); }
    void AddCompany(const QString& name) override { log << u"AddCompany "_s + name; }
};

// Every field differs from the built-in values, within the lists' ranges.
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

    template <class T = QWidget> T* w(const QString& name) { return child<T>(m_dlg.get(), name); }
    // Check boxes and option buttons are clicked on their box.
    void click(const QString& name)
    {
        QWidget* c = w(name);
        if (qobject_cast<QCheckBox*>(c) || qobject_cast<QRadioButton*>(c))
            QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(6, 8));
        else
            QTest::mouseClick(c, Qt::LeftButton);
    }
    QString page(const QString& stack)
    {
        return w<QStackedWidget>(stack)->currentWidget()->objectName();
    }
    QString shown(const QString& name)
    {
        QWidget* c = w(name);
        if (auto* box = qobject_cast<QLineEdit*>(c))
            return box->text();
        if (auto* label = qobject_cast<QLabel*>(c))
            return label->text();
        return QString::number(c->property("faceColor").toUInt(), 16);
    }

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

    // Without a settings file: the built-in values and the host's date.
    void firstShowingWithoutSettingsFile()
    {
        IniData expected, shown;
        expected.SeirikenInfo.FixedDate = u"2026/12/06"_s;
        m_dlg->GetOptionInfo(shown);
        QCOMPARE(shown, expected);
        QCOMPARE(page(u"stkFrame1"_s), u"Frame1(0)"_s);
        QCOMPARE(page(u"stkFrame2"_s), u"Frame2(1)"_s);
    }

    // Each box enables its followers, by a click and by SetOptionInfo.
    void dependentControls_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QStringList>("followers");
        QTest::addColumn<bool>("startsOn");
        auto row = [](const char* tag, int page, const QString& box, const QStringList& followers,
                      bool startsOn, const QString& undo = {}) {
            QTest::newRow(tag) << page << box << (undo.isEmpty() ? box : undo) << followers
                               << startsOn;
        };
        row("Check1: Frame3", 1, u"Check1"_s, {u"Frame3"_s}, true);
        row("Option3(1): the picture frames", 1, u"Option3(1)"_s,
            {u"Frame6(0)"_s, u"Frame6(1)"_s, u"Frame6(2)"_s}, false, u"Option3(0)"_s);
        row("Check3(0): cell list and count from zero", 2, u"Check3(0)"_s,
            {u"Combo4(0)"_s, u"Check3(4)"_s}, false);
        row("Check3(1)", 2, u"Check3(1)"_s, {u"Combo4(1)"_s}, false);
        row("Check3(2)", 2, u"Check3(2)"_s, {u"Combo4(2)"_s}, false);
        row("Check3(3): column and cell lists", 2, u"Check3(3)"_s, {u"Combo4(3)"_s, u"Combo4(4)"_s},
            false);
        row("chkUseSeiriPrev: plug-in and date frames", 5, u"chkUseSeiriPrev"_s,
            {u"fraPlgin"_s, u"fraDate"_s}, false);
    }
    void dependentControls()
    {
        QFETCH(int, page);
        QFETCH(QString, box);
        QFETCH(QString, undo);
        QFETCH(QStringList, followers);
        QFETCH(bool, startsOn);
        click(u"Option1(%1)"_s.arg(page));
        QCOMPARE(this->page(u"stkFrame1"_s), u"Frame1(%1)"_s.arg(page));
        auto followersOn = [&](bool on) {
            for (const QString& f : followers)
                QVERIFY2(w(f)->isEnabled() == on, qPrintable(f));
        };
        followersOn(startsOn);
        m_dlg->SetOptionInfo(changedOptions()); // sets every box the other way
        followersOn(!startsOn);
        click(startsOn ? box : undo);
        followersOn(startsOn);
        click(startsOn ? undo : box);
        followersOn(!startsOn);
    }

    // Every field goes into its control and comes back out, none chosen too.
    void everyOptionRoundTrips()
    {
        IniData none;
        none.SeirikenInfo.DateModeEachPrint = 0; // no date mode; no font mode (-1) either
        for (IniData in : {changedOptions(), none}) {
            IniData out;
            m_dlg->SetOptionInfo(in);
            m_dlg->GetOptionInfo(out);
            in.CtrlDataInfo = out.CtrlDataInfo; // not the dialog's
            in.FormInfo = out.FormInfo;
            in.DegitCells = out.DegitCells;
            QCOMPARE(out, in);
        }
    }

    // Each choose button fills its own control unless cancelled; the digit
    // colours refresh the sample M_Degit1, also after a cancel.
    void chooseButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("chosen"); // what the control shows when confirmed
        QTest::addColumn<bool>("confirm");
        auto row = [](int page, const QString& button, const QString& control,
                      const QString& chosen) {
            for (bool confirm : {true, false})
                QTest::addRow("%s %s", qPrintable(button), confirm ? "confirmed" : "cancelled")
                    << page << button << control << chosen << confirm;
        };
        row(0, u"Command3(1)"_s, u"Text2(1)"_s, u"/data/fare"_s);
        for (int k = 0; k < 3; ++k)
            row(1, u"Command6(%1)"_s.arg(k), u"txtSelectPanel(%1)"_s.arg(k), u"/u/音.wav"_s);
        for (int i : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10})
            row(4, u"cmdSelectSound(%1)"_s.arg(i), u"txtSelectSound(%1)"_s.arg(i), u"/u/音.wav"_s);
        row(5, u"Command7"_s, u"Label10"_s, u"2025/01/05"_s);
        row(1, u"Command5(1)"_s, u"Command5(1)"_s, u"abcdef"_s);
        row(2, u"Command8(0)"_s, u"Command8(0)"_s, u"abcdef"_s);
        row(2, u"Command8(2)"_s, u"Command8(2)"_s, u"abcdef"_s);
        row(3, u"Command9(1)"_s, u"Command9(1)"_s, u"abcdef"_s);
    }
    void chooseButtons()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, control);
        QFETCH(QString, chosen);
        QFETCH(bool, confirm);
        click(u"Option1(%1)"_s.arg(page));
        if (page == 1)
            click(u"Option3(1)"_s); // the picture frames
        if (control.contains(QRegularExpression(u"Sound\\([3-6]\\)"_s)))
            click(u"Option5(0)"_s); // the sounds before an announcement
        if (page == 5)
            click(u"chkUseSeiriPrev"_s);
        if (auto* box = qobject_cast<QLineEdit*>(w(control)))
            box->setText(u"/before"_s);
        w(button)->setProperty("faceColor", 0x00123456u); // set without a refresh
        const QString before = shown(control);
        m_res->folderDlgResult = m_res->fileDlgResult = confirm ? chosen : QString();
        m_res->dlg111Result = m_res->chooseColorResult = confirm;
        m_res->dlg111Date = {2025, 1, 0, 5};
        m_res->chooseColorValue = 0x00ABCDEF;
        click(button);
        QCOMPARE(m_res->calls.size(), size_t(1));
        if (m_res->calls[0].name == u"Vk3FileDlg"_s) // opens where the current file is
            QCOMPARE(m_res->calls[0].args.value(2).toString(), before);
        QCOMPARE(shown(control), confirm ? chosen : before);
        const quint32 face = w(button)->property("faceColor").toUInt();
        if (button == u"Command8(0)"_s)
            QCOMPARE(w<DegitSample>(u"M_Degit1"_s)->BackColor(), face);
        if (button == u"Command8(2)"_s)
            QCOMPARE(w<DegitSample>(u"M_Degit1"_s)->DegitForeColor(), face);
        if (button == u"Command3(1)"_s) {
            click(u"Command10(1)"_s);
            QCOMPARE(m_opened, QStringList{shown(control)});
        }
    }

    // OK applies the options to the board (the number colour of the backlight
    // state) and the panel's backlight again, and hides the dialog.
    void okAppliesAndHides_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("backlight");
        QTest::addColumn<QString>("numberColor");
        QTest::addColumn<int>("applied");
        QTest::newRow("ON2") << false << 2 << u"80c0ff"_s << 2;
        QTest::newRow("none chosen: black, ON2 applied") << false << -1 << u"0"_s << 2;
        QTest::newRow("changed options, ON1") << true << 1 << u"40506"_s << 1;
    }
    void okAppliesAndHides()
    {
        QFETCH(bool, changed);
        QFETCH(int, backlight);
        QFETCH(QString, numberColor);
        QFETCH(int, applied);
        if (changed) {
            m_dlg->SetOptionInfo(changedOptions());
            click(u"Option1(1)"_s);
            click(u"optDispScale(2)"_s);
        }
        m_ports->log.clear();
        m_ports->backlight = backlight;
        click(u"Command4"_s);
        QVERIFY(!m_dlg->isVisible());
        const QString number = u"SetSeiriNumColor(%1)"_s.arg(numberColor);
        const QString reapplied = u"Option4_Click(%1)"_s.arg(applied);
        QCOMPARE(m_ports->log.size(), 7);
        QCOMPARE((QStringList{m_ports->log[2], m_ports->log[6]}), (QStringList{number, reapplied}));
        if (changed)
            QCOMPARE(m_ports->log,
                     (QStringList{u"SetSeiriNumVisible(0)"_s, u"SeirikenNumSet(b,1)"_s, number,
                                  u"SetAllDegitColors(111111,222222,333333)"_s,
                                  u"SetChimeiProps(444444,555555,4,1)"_s, u"setBoardScale(3)"_s,
                                  reapplied}));
    }

    // The description reaches the ticket page, the size and the companies
    // the panel; the clear button empties the page and leaves the panel.
    void pluginChoiceReachesPageAndPanel()
    {
        PlgInfo info;
        info[1] = 0x1000;
        info[2] = 0x500;
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
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        QCOMPARE(lines, plgInfoLines(info));
        QCOMPARE(m_ports->log, (QStringList{u"ClearCompanyList()"_s, u"SetPreviewSize(1000,500)"_s,
                                            u"AddCompany A交通"_s, u"AddCompany Bバス"_s}));
        auto* comment = w<QPlainTextEdit>(u"txtPlginComment"_s);
        QCOMPARE(comment->toPlainText(), u"テスト用"_s);
        QCOMPARE(shown(u"txtSeiriPlgDir"_s), u"/plg/b.4SP"_s);

        m_ports->log.clear();
        click(u"Command11"_s);
        QVERIFY(shown(u"txtSeiriPlgDir"_s).isEmpty() && comment->toPlainText().isEmpty());
        QCOMPARE(list->count(), 0);
        QVERIFY(m_ports->log.isEmpty());
    }

    // SetOptionInfo runs the reactions; every live option reads its own control
    // (list indexes counted from 1), and sees a change at once.
    void setOptionInfoFeedsTheLiveOptions()
    {
        m_dlg->SetOptionInfo(changedOptions());
        QVERIFY(!w(u"Frame6(0)"_s)->isHidden());
        QCOMPARE(w<DegitSample>(u"M_Degit1"_s)->BackColor(), 0x111111u);
        QCOMPARE(m_ports->log, QStringList{u"Option4_Click(0)"_s});
        QCOMPARE(m_res->callNames(), QStringList{u"Vk4_GetPlgInfo"_s});
        const RunOptions& run = *m_dlg;
        const TapeOptions& tape = *m_dlg;
        const PanelOptions& panel = *m_dlg;
        const QStringList texts{run.fareDataDir(),   run.tapeDataDir(),  panel.routeSetSound(),
                                panel.resetSound(),  panel.panelFile(1), run.stepSoundFile(),
                                run.stepSound(1),    run.stepSound(3),   run.stepSound(4),
                                tape.preSoundFile(), tape.preSound(1),   tape.preSound(3),
                                tape.preSound(0),    run.fixedDate(),    run.seiriPlgFile()};
        QCOMPARE(texts, (QStringList{u"/data/運賃"_s, u"/data/tape"_s, u"r.wav"_s, u"x.wav"_s,
                                     u"/p/on1.gif"_s, u"s.wav"_s, u"s1.mp3"_s, u"s3.mid"_s,
                                     QString(), u"p.wav"_s, u"p1.wav"_s, u"p3.wav"_s, QString(),
                                     u"2025/01/05"_s, u"/plg/a.4SP"_s}));
        QCOMPARE((QList<quint32>{panel.seiriNumColor(0), panel.seiriNumColor(1),
                                 panel.seiriNumColor(2)}),
                 (QList<quint32>{0x010203, 0x040506, 0x070809}));
        QCOMPARE(
            (QList<int>{run.infoStopOrderCell(), run.infoSeiriNumCell(), run.infoRouteNumCell(),
                        run.infoColumnCell(), run.infoColumn(), run.stepSoundColumn()}),
            (QList<int>{50, 8, 9, 10, 150, 121}));
        QCOMPARE((QList<bool>{panel.panelAuto(), panel.panelUser(0), panel.panelUser(1),
                              panel.panelUser(2), run.infoStopOrderOn(),
                              run.infoStopOrderFromZero(), run.infoRouteNumOn(), run.infoColumnOn(),
                              run.stepSoundAlways(), run.stepSoundSync(), tape.preSoundAlways(),
                              tape.preSoundSync(), run.useSeiriPrev()}),
                 (QList<bool>{false, true, true, false, true, true, true, true, false, true, false,
                              false, true}));
        QCOMPARE(run.dateMode(), DateMode::Fixed);

        click(u"Option1(2)"_s);
        click(u"Check3(1)"_s);
        QVERIFY(!run.infoSeiriNumOn());
    }
};

LUMENA_TEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
