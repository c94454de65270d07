// The board window: where its elements sit, its shape and start state, the
// double-click that spreads one fare element's settings to all 50, the clock,
// dragging, the calls the run logic and the settings routines make, and the
// built-in panel picture.

#include "board/BoardLayout.h"
#include "board/BoardWindow.h"
#include "board/ChimeiElement.h"
#include "board/DegitElement.h"
#include "board/DotFonts.h"
#include "board/PanelImage.h"
#include "tests/common/Controls.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

// Notes whether the operation panel was disabled while the digit dialog was open.
struct DialogResLib final : test::FakeResLib {
    QWidget* panel = nullptr;
    bool panelEnabledInDialog = true;
    qint32 Call_dlg100(QObject* owner, qint16 keta, qint16& zeroMode, qint16& shift,
                       qint16& fillZero) override
    {
        panelEnabledInDialog = panel->isEnabled();
        return FakeResLib::Call_dlg100(owner, keta, zeroMode, shift, fillZero);
    }
};

void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    const QPointF global = w->mapToGlobal(QPointF(local));
    QMouseEvent e(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestBoardWindow : public QObject {
    Q_OBJECT

    DialogResLib m_res;
    test::FakeHost m_host;
    DotFonts m_glyphs;
    QWidget m_panel;

    std::unique_ptr<BoardWindow> makeBoard()
    {
        auto b = std::make_unique<BoardWindow>(m_res, m_host, m_glyphs);
        b->setPanelWindow(&m_panel);
        m_res.panel = &m_panel;
        return b;
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_res.calls.clear();
        m_res.dlg100Result = 0;
        m_panel.setEnabled(true);
    }

    // --- layout and start state ---

    void elementGeometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("shown");
        // twips / 15
        QTest::newRow("cell 1") << u"lblSeiriNum(1)"_s << QRect(83, 25, 52, 16) << true;
        QTest::newRow("cell 10") << u"lblSeiriNum(10)"_s << QRect(601, 25, 52, 16) << true;
        QTest::newRow("cell 45") << u"lblSeiriNum(45)"_s << QRect(313, 174, 52, 16) << true;
        QTest::newRow("spare cell") << u"lblSeiriNum(0)"_s << QRect(79, 3, 52, 16) << false;
        QTest::newRow("fare 1") << u"Degit(1)"_s << QRect(83, 40, 52, 20) << true;
        QTest::newRow("fare 15") << u"Degit(15)"_s << QRect(314, 78, 52, 20) << true;
        QTest::newRow("fare 37") << u"Degit(37)"_s << QRect(429, 152, 52, 20) << true;
        QTest::newRow("fare 50") << u"Degit(50)"_s << QRect(602, 189, 52, 20) << true;
        QTest::newRow("spare fare") << u"Degit(0)"_s << QRect(140, 2, 52, 20) << false;
        QTest::newRow("clock hours") << u"TimeDegit(0)"_s << QRect(363, 2, 26, 20) << false;
        QTest::newRow("clock minutes") << u"TimeDegit(1)"_s << QRect(390, 2, 26, 20) << false;
        QTest::newRow("stop name") << u"ChimeiCtl"_s << QRect(28, 20, 35, 192) << true;
    }
    void elementGeometry()
    {
        QFETCH(QString, name);
        auto board = makeBoard();
        board->show();
        auto* w = test::child<QWidget>(board.get(), name);
        QTEST(w->geometry(), "rect");
        QTEST(w->isVisible(), "shown");
    }

    void windowIsBorderlessAndRounded()
    {
        auto board = makeBoard();
        QCOMPARE(board->size(), QSize(678, 234));
        QVERIFY(board->windowFlags() & Qt::FramelessWindowHint);
        const QRegion mask = board->mask();
        QVERIFY(!mask.contains(QPoint(0, 0)));
        QVERIFY(!mask.contains(QPoint(677, 233)));
        QVERIFY(mask.contains(QPoint(1, 0)));
        QVERIFY(mask.contains(QPoint(339, 117)));
    }

    void startState()
    {
        auto board = makeBoard();
        for (int i : {1, 9, 50}) {
            QCOMPARE(board->Degit(i)->DegitStyle(), qint16(1));
            QCOMPARE(board->Degit(i)->litText(), QString()); // blanked
            QCOMPARE(board->lblSeiriNum(i)->text(), toFullWidthDigits(QString::number(i)));
            QCOMPARE(board->lblSeiriNum(i)->palette().color(QPalette::WindowText),
                     QColor(Qt::white));
        }
        QCOMPARE(board->TimeDegit(0)->Keta(), qint16(2));
        QCOMPARE(board->lblSeiriNum(1)->font().pixelSize(), 15);
        QVERIFY(board->lblSeiriNum(1)->font().bold());
        QCOMPARE(board->picture(), board->imgRes(0));
        QCOMPARE(board->imgRes(1), board->imgRes(0));
        QCOMPARE(board->imgRes(2), board->imgRes(0));
        QCOMPARE(board->Timer1()->interval(), 1000);
        QVERIFY(board->Timer1()->isActive());
    }

    // --- double-click on a fare element ---

    void doubleClickSpreadsSettings_data()
    {
        QTest::addColumn<bool>("userSet");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("dialogShown");
        QTest::addColumn<int>("fillZero"); // chosen; expected on every cell if applied
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("otherLit");
        QTest::newRow("confirmed zero fill 4") << true << 1 << true << 4 << 0 << u"0150"_s;
        QTest::newRow("confirmed shift 1") << true << 1 << true << 0 << 1 << u"150 "_s;
        QTest::newRow("cancelled") << true << 2 << true << 4 << 1 << u"150"_s;
        QTest::newRow("UserSet false") << false << 1 << false << 4 << 1 << u"150"_s;
    }
    void doubleClickSpreadsSettings()
    {
        QFETCH(bool, userSet);
        QFETCH(int, result);
        QFETCH(bool, dialogShown);
        QFETCH(int, fillZero);
        QFETCH(int, shift);
        QFETCH(QString, otherLit);
        auto board = makeBoard();
        board->show();
        for (int j = 1; j <= 50; ++j)
            board->setDegitValue(j, 150);
        m_res.dlg100Result = result;
        m_res.dlg100ZeroMode = 1;
        m_res.dlg100FillZero = qint16(fillZero);
        m_res.dlg100Shift = qint16(shift);
        m_res.panelEnabledInDialog = true;
        const bool applied = result == 1 && userSet;
        board->Degit(23)->setUserSet(userSet);

        QTest::mouseDClick(board->Degit(23), Qt::LeftButton);

        QCOMPARE(m_res.callNames().contains(u"Call_dlg100"_s), dialogShown);
        QCOMPARE(m_res.panelEnabledInDialog, !dialogShown);
        QVERIFY(m_panel.isEnabled());
        for (int j : {1, 22, 50}) {
            DegitElement* d = board->Degit(j);
            QCOMPARE(d->FillZero(), qint16(applied ? fillZero : 0));
            QCOMPARE(d->Shift(), qint16(applied ? shift : 0));
            QCOMPARE(d->ZeroMode(), qint16(applied ? 1 : 0));
            QCOMPARE(d->Value(), QVariant(150));
            QCOMPARE(d->litText(), otherLit);
        }
    }

    // --- what the run logic and the settings routines call ---

    void boardDisplayReachesElements()
    {
        auto board = makeBoard();
        BoardDisplay& display = *board;
        display.setDegitValue(3, 230);
        display.setDegitValue(4, u"012"_s);
        display.ResetDegit(5, true);
        QCOMPARE(board->Degit(3)->litText(), u"230"_s);
        QCOMPARE(board->Degit(4)->Value(), QVariant(u"012"_s));
        QCOMPARE(board->Degit(5)->litText(), u"8888"_s);
        const DotStrip& strip = board->ChimeiCtl()->strip();
        const auto litRows = [&] {
            return test::litRows(kStripWidth, strip.height(),
                                 [&](int x, int y) { return strip.isLit(x, y); });
        };
        display.SetChimei(u"駅前"_s);
        QVERIFY(litRows().size() > 20);
        display.SetChimei(QString());
        QVERIFY(litRows().isEmpty());
    }

    void panelBoardReachesBoard()
    {
        auto board = makeBoard();
        PanelBoard& panel = *board;
        board->show();
        QVERIFY(!panel.clockVisible()); // created hidden, whatever the board shows
        board->showTime();
        panel.clearClock();
        QCOMPARE(board->TimeDegit(0)->Value(), QVariant(QString()));
        QCOMPARE(board->TimeDegit(1)->Value(), QVariant(QString()));
        panel.setChimeiScroll(7, 900);
        QCOMPARE(board->ChimeiCtl()->Speed(), qint16(7));
        QCOMPARE(board->ChimeiCtl()->ScrollStartWait(), 900);
        QImage red(678, 234, QImage::Format_RGB32);
        red.fill(Qt::red);
        panel.setBackgroundPicture(red);
        QCOMPARE(board->grab().toImage().pixel(10, 120), qRgb(255, 0, 0));
    }

    void iniPortRoundTrip()
    {
        auto board = makeBoard();
        BoardIniPort& port = *board;
        board->move(100, 50);
        ini::FormInfo pos;
        port.GetFormInfo(pos);
        QCOMPARE(pos.FormLeft, 1500);
        QCOMPARE(pos.FormTop, 750);
        port.SetFormInfo(ini::FormInfo{3000, 1515});
        QCOMPARE(board->pos(), QPoint(200, 101));

        const DegitColors colors{0x00112233, 0x00445566, 0x00778899};
        port.SetDegitCell(7, ini::DegitCellInfo{2, 1, 3}, colors);
        QCOMPARE(port.GetDegitCell(7), (ini::DegitCellInfo{2, 1, 3}));
        QCOMPARE(board->Degit(7)->BackColor(), 0x00112233u);
        QCOMPARE(board->Degit(7)->Value(), QVariant(u" "_s));
        port.SetAllDegitColors(DegitColors{1, 2, 3});
        QCOMPARE(board->TimeDegit(1)->DegitForeColor(), 3u);
        QCOMPARE(board->Degit(50)->BaseForeColor(), 2u);
        port.SetChimeiProps(0x000000FF, 0x0000FF00, 4, true);
        QCOMPARE(board->ChimeiCtl()->ForeColor(), 0x0000FF00u);
    }

    void seiriNumThroughBoard()
    {
        auto board = makeBoard();
        BoardIniPort& port = *board;
        qint16 style = 3, zero = 1;
        port.SeirikenNumSet(style, zero);
        QCOMPARE(board->lblSeiriNum(1)->text(), u"な し"_s);
        QCOMPARE(board->lblSeiriNum(1)->font().pixelSize(), 13);
        QCOMPARE(board->lblSeiriNum(1)->font().family(), u"IPAPGothic"_s);
        QCOMPARE(board->lblSeiriNum(2)->text(), u"０２"_s);
        port.SetSeiriNumColor(0x0080C0FF);
        QCOMPARE(board->lblSeiriNum(33)->palette().color(QPalette::WindowText),
                 QColor(255, 192, 128));
        board->show();
        port.SetSeiriNumVisible(false);
        QVERIFY(!board->lblSeiriNum(1)->isVisible());
        QVERIFY(!board->lblSeiriNum(50)->isVisible());
    }

    // --- the clock ---

    void clockShowsHostTime_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("9:05") << QTime(9, 5, 30) << u"9"_s << u"5"_s;
        QTest::newRow("10:00 lights no minute") << QTime(10, 0) << u"10"_s << QString();
        QTest::newRow("23:59") << QTime(23, 59, 59) << u"23"_s << u"59"_s;
        QTest::newRow("0:00 lights nothing") << QTime(0, 0) << QString() << QString();
    }
    void clockShowsHostTime()
    {
        QFETCH(QTime, time);
        auto board = makeBoard();
        m_host.clock = QDateTime(QDate(2026, 12, 6), time);
        board->showTime();
        QCOMPARE(board->TimeDegit(0)->Value(), QVariant(time.hour()));
        QCOMPARE(board->TimeDegit(1)->Value(), QVariant(time.minute()));
        QTEST(board->TimeDegit(0)->litText().trimmed(), "hours");
        QTEST(board->TimeDegit(1)->litText().trimmed(), "minutes");
    }

    // --- dragging ---

    void dragging_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left on the board") << QPoint(10, 100) << int(Qt::LeftButton) << true;
        QTest::newRow("left on the surround") << QPoint(1, 1) << int(Qt::LeftButton) << true;
        QTest::newRow("right does nothing") << QPoint(10, 100) << int(Qt::RightButton) << false;
        QTest::newRow("left on a cell") << QPoint(100, 30) << int(Qt::LeftButton) << false;
    }
    void dragging()
    {
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(bool, moves);
        auto board = makeBoard();
        board->move(40, 30);
        board->show();
        const auto b = Qt::MouseButton(button);
        QWidget* target = board->childAt(at) ? board->childAt(at) : board.get();
        const QPoint local = target->mapFrom(board.get(), at);
        sendMouse(target, QEvent::MouseButtonPress, local, b, b);
        sendMouse(target, QEvent::MouseMove, local + QPoint(25, 12), Qt::NoButton, b);
        sendMouse(target, QEvent::MouseButtonRelease, local + QPoint(25, 12), b, Qt::NoButton);
        QCOMPARE(board->pos(), moves ? QPoint(65, 42) : QPoint(40, 30));
    }

    void closeAsksTheApplication()
    {
        auto board = makeBoard();
        int asked = 0;
        board->setCloseHandler([&] { ++asked; });
        board->show();
        QVERIFY(!board->close());
        QCOMPARE(asked, 1);
        QVERIFY(board->isVisible());
    }

    // --- the built-in panel picture ---

    void panelImagePixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRgb>("rgb");
        using namespace panel_image;
        auto bandCentre = [](int i) { return layout::seiriNumRect(i).center(); };
        auto fieldCorner = [](int i) { return layout::degitRect(i).topLeft() + QPoint(1, 1); };
        QTest::newRow("band of cell 1") << bandCentre(1) << BandColor;
        QTest::newRow("band of cell 27") << bandCentre(27) << BandColor;
        QTest::newRow("band of cell 50") << bandCentre(50) << BandColor;
        QTest::newRow("field of cell 1") << fieldCorner(1) << FieldColor;
        QTest::newRow("field of cell 45") << fieldCorner(45) << FieldColor;
        QTest::newRow("unlit middle segment of cell 45")
            << layout::degitRect(45).topLeft() + QPoint(6, 9) << UnlitColor;
        QTest::newRow("frame right of cell 1") << QPoint(135, 50) << CellFrameColor;
        QTest::newRow("between two cells") << QPoint(138, 50) << BoardColor;
        QTest::newRow("board face") << QPoint(10, 120) << BoardColor;
        QTest::newRow("surround top left") << QPoint(1, 1) << SurroundColor;
        QTest::newRow("surround bottom right") << QPoint(676, 232) << SurroundColor;
        QTest::newRow("surround left middle") << QPoint(1, 117) << SurroundColor;
    }
    void panelImagePixels()
    {
        QFETCH(QPoint, at);
        const QImage img = panel_image::builtInPanelImage();
        QCOMPARE(img.size(), QSize(678, 234));
        QTEST(img.pixel(at), "rgb");
    }

    void panelImageTexts()
    {
        const QImage img = panel_image::builtInPanelImage();
        auto count = [&](QRect r, auto pred) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += pred(QColor(img.pixel(x, y))) ? 1 : 0;
            return n;
        };
        auto whiteish = [](QColor c) { return c.lightness() > 200; };
        auto red = [](QColor c) { return c.red() > 200 && c.green() < 120; };
        QVERIFY(count(panel_image::UnchinWaRect, whiteish) > 20);
        QVERIFY(count(panel_image::MadeRect, whiteish) > 20);
        QVERIFY(count(panel_image::TagRect, whiteish) > 20);
        QVERIFY(count(panel_image::NoticeRect, red) > 200);
    }
};

LUMENA_TEST_MAIN(TestBoardWindow)
#include "tst_board_window.moc"
