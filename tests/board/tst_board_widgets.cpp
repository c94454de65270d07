// The board's widgets: the digit and stop-name elements and the board window.

#include "board/BoardLayout.h"
#include "board/BoardScale.h"
#include "board/BoardWindow.h"
#include "board/ChimeiElement.h"
#include "board/DegitElement.h"
#include "board/DegitSegments.h"
#include "board/DotFonts.h"
#include "board/PanelImage.h"
#include "reslib/Colors.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

using namespace lumena;
using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr QRgb kBase = 0xff969696;
constexpr QRgb kLit = 0xfff8d272; // 0x0072D2F8 as red, green, blue

// Segments a..g of the first `cells` cells: lit (its letter), unlit (.) or not
// drawn (?), taken at the mean of the (convex) outline's corners.
QStringList segments(const DegitElement& d, int cells = -1)
{
    const auto outlines = degitSegmentOutlines(degitCellStyle(d.DegitStyle()), true);
    const DegitSizeClass& cls = degitSizeClass(d.DegitSize());
    QStringList shown;
    for (int cell = 0; cell < (cells < 0 ? d.Keta() : cells); ++cell) {
        QString s;
        for (int seg = 0; seg < 7; ++seg) {
            QPointF sum;
            for (const QPointF& p : outlines[size_t(seg)])
                sum += p / qreal(outlines[size_t(seg)].size());
            const QRgb px = d.image().pixel(cell * cls.cellWidth() + int(sum.x() * cls.cellWidth()),
                                            int(sum.y() * cls.height())) |
                            0xff000000;
            s += px == kLit ? QChar(u'a' + seg) : px == kBase ? u'.' : u'?';
        }
        shown << s;
    }
    return shown;
}

const QString kSeven = u"市民病院前北口"_s; // one cell more than the viewport holds

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
    QMouseEvent e(type, QPointF(local), w->mapToGlobal(QPointF(local)), button, buttons, {});
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestBoardWidgets : public QObject {
    Q_OBJECT
    DialogResLib m_res;
    test::FakeHost m_host;
    DotFonts m_glyphs;
    QWidget m_panel;

    int topAfter(ChimeiElement& e, std::chrono::milliseconds ms)
    {
        m_host.advance(ms);
        e.scrollFrame();
        return e.stripTop();
    }

    std::unique_ptr<BoardWindow> makeBoard()
    {
        auto b = std::make_unique<BoardWindow>(m_res, m_host, m_glyphs);
        b->setPanelWindow(&m_panel);
        return b;
    }

private slots:
    void init()
    {
        test::failOnUnexpectedWarnings();
        m_res.calls.clear();
        m_res.dlg100Result = 0;
        m_res.panel = &m_panel;
        m_res.panelEnabledInDialog = true;
        m_host.waits.clear();
        m_panel.setEnabled(true);
    }

    // A stored set read keeps every value under the property of its name; it
    // applies the back colour but neither resizes nor redraws.
    void readingStoredProperties()
    {
        DegitProps degit;
        ChimeiProps chimei;
        int v = 1; // a different value for each, several beyond the setters' ranges
        for (const QString& name : DegitProps::names())
            QVERIFY(degit.set(name, v++));
        for (const QString& name : ChimeiProps::names())
            QVERIFY(chimei.set(name, v++));
        DegitElement d(m_res);
        d.setValue(150);
        d.readProperties(degit);
        ChimeiElement e(m_glyphs, m_host);
        e.ReadProperties(chimei);
        for (const QString& name : DegitProps::names())
            QCOMPARE(d.property(name.toLatin1().constData()), degit.get(name));
        for (const QString& name : ChimeiProps::names())
            QCOMPARE(e.property(name.toLatin1().constData()), chimei.get(name));
        QVERIFY(d.storedProperties() == degit && e.WriteProperties() == chimei);
        QCOMPARE(std::tuple(d.size(), d.litText(), e.size()),
                 std::tuple(QSize(52, 20), u"150"_s, QSize(35, 192)));
        QCOMPARE((QList<QRgb>{d.image().pixel(0, 0) | 0xff000000, e.stripImage().pixel(0, 0)}),
                 (QList<QRgb>{rgbFromBgr(degit.BackColor), rgbFromBgr(chimei.BackColor)}));
    }

    // Property set with Keta already at `keta` -> the value stored.
    void setterRules_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("stored");
        auto add = [](const char* tag, int keta, const char* property, int input, int stored) {
            QTest::newRow(tag) << keta << QString::fromLatin1(property) << input << stored;
        };
        add("Keta 0 stores 4", 2, "Keta", 0, 4);
        add("Keta 15 kept", 4, "Keta", 15, 15);
        add("DegitSize 7 stores 0", 4, "DegitSize", 7, 0);
        add("ZeroMode 4 stores 0", 4, "ZeroMode", 4, 0);
        add("FillZero 5 stores Keta 2", 2, "FillZero", 5, 2);
        add("Shift 5 stores Keta 2 - 1", 2, "Shift", 5, 1);
        add("Shift -2 stores 0", 4, "Shift", -2, 0);
    }
    void setterRules()
    {
        QFETCH(int, keta);
        QFETCH(QString, property);
        QFETCH(int, input);
        DegitElement d(m_res);
        d.setKeta(qint16(keta));
        const QByteArray name = property.toLatin1();
        QVERIFY(d.setProperty(name.constData(), QVariant::fromValue<qint16>(qint16(input))));
        QTEST(d.property(name.constData()).toInt(), "stored");
    }

    // FillZero, ZeroMode and Shift wait for the next value; the dialog's values
    // skip the setters' range rules.
    void zeroSettingsAndTheirDialog()
    {
        DegitElement d(m_res);
        QCOMPARE(segments(d), QStringList(4, u"???????"_s));
        d.setValue(0);
        QCOMPARE(segments(d), QStringList(4, u"......."_s));
        d.setZeroMode(1);
        d.setFillZero(3);
        d.setShift(1);
        QCOMPARE(d.litText(), QString());
        d.setValue(d.Value());
        QCOMPARE(d.litText(), u"000 "_s);
        QCOMPARE(d.Value(), QVariant(0)); // the value itself is never rewritten
        m_res.dlg100Result = 1;
        m_res.dlg100ZeroMode = 9;
        m_res.dlg100Shift = 7;
        m_res.dlg100FillZero = 2;
        QCOMPARE(d.ShowSetDlg(), 1);
        QCOMPARE(m_res.callNames(), QStringList{u"Call_dlg100"_s});
        QCOMPARE(m_res.calls[0].args, (QVariantList{qint16(4), qint16(1), qint16(1), qint16(3)}));
        QCOMPARE((QList<int>{d.ZeroMode(), d.Shift(), d.FillZero()}), (QList<int>{9, 7, 2}));
        QCOMPARE(d.litText(), u"    "_s); // shifted out of sight
    }

    // 15 shifted one cell left, the lamp test (settings kept) and the blank.
    void segmentsLit_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("degitSize");
        for (int style : {0, 1, 2, 5})
            for (int size : {0, 1, 2, 3})
                QTest::addRow("style %d size %d", style, size) << style << size;
    }
    void segmentsLit()
    {
        QFETCH(int, style);
        QFETCH(int, degitSize);
        DegitElement d(m_res);
        d.setDegitStyle(qint16(style));
        d.setDegitSize(qint16(degitSize));
        d.setZeroMode(3);
        d.setFillZero(2);
        d.setShift(1);
        d.setValue(15);
        QCOMPARE(segments(d),
                 (QStringList{u"......."_s, u".bc...."_s, u"a.cd.fg"_s, u"......."_s}));
        // The corner and the hollow of an 8 show the back colour.
        const DegitSizeClass& cls = degitSizeClass(degitSize);
        QCOMPARE(d.image().pixel(0, 0) | 0xff000000, 0xff808080);
        QCOMPARE(d.image().pixel(cls.cellWidth() / 2 + 1, cls.height() / 4 + 1) | 0xff000000,
                 0xff808080);
        d.ResetDegit(true);
        QCOMPARE(segments(d), QStringList(4, u"abcdefg"_s));
        QCOMPARE((QList<int>{d.ZeroMode(), d.FillZero(), d.Shift()}), (QList<int>{3, 2, 1}));
        d.ResetDegit(false);
        QCOMPARE(segments(d), QStringList(4, u"......."_s));
    }

    // Wider than its cells: unlit cells start at the left, the text ends right.
    void litDigitsAlignToTheElementsOwnWidth()
    {
        DegitElement d(m_res);
        d.setKeta(2);
        d.resize(39, 20);
        d.setValue(1);
        QCOMPARE(segments(d, 3), (QStringList{u"......."_s, u"......."_s, u"?bc????"_s}));
    }

    // SetChimei runs pending events once and returns; seven cells scroll from
    // below the viewport; a new text ends a scroll, an empty one blanks.
    void setChimei_data()
    {
        QTest::addColumn<QString>("before"); // shown three seconds earlier
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("scrolls");
        QTest::addColumn<int>("height");
        QTest::newRow("six stand still") << QString() << u"市民病院前駅"_s << false << 192;
        QTest::newRow("seven scroll") << QString() << kSeven << true << 224;
        QTest::newRow("a short name ends a scroll") << kSeven << u"駅前"_s << false << 192;
        QTest::newRow("an empty text ends a scroll") << kSeven << QString() << false << 224;
        QTest::newRow("a long name starts again") << kSeven << u"市民病院前南口行"_s << true << 256;
    }
    void setChimei()
    {
        QFETCH(QString, before);
        QFETCH(QString, name);
        QFETCH(bool, scrolls);
        ChimeiElement e(m_glyphs, m_host);
        if (!before.isEmpty()) {
            e.SetChimei(before);
            topAfter(e, 3s);
        }
        const int runs = m_host.eventRuns;
        e.SetChimei(name);
        QCOMPARE(m_host.eventRuns, runs + 1);
        QCOMPARE(e.isScrolling(), scrolls);
        QTEST(e.strip().height(), "height");
        const DotStrip& s = e.strip();
        const auto lit = [&](int x, int y) { return s.isLit(x, y); };
        QCOMPARE(test::litRows(kStripWidth, s.height(), lit).isEmpty(), name.isEmpty());
        const int start = scrolls ? e.height() : 0;
        QCOMPARE(e.stripTop(), start);
        QCOMPARE(topAfter(e, 1499ms), start); // the start pause
        QCOMPARE(topAfter(e, 1001ms) < start, scrolls);
        QVERIFY(m_host.waits.empty());
    }

    // Speed 0 scrolls as 1; a scroll carries on through a change of speed or
    // viewport (Appearance 0: 35 x 185, 3: 37 x 195).
    void scrollCarriesOnThroughChanges()
    {
        ChimeiElement e(m_glyphs, m_host);
        e.setSpeed(0);
        e.setAppearance(0);
        QCOMPARE(e.size(), QSize(35, 185));
        e.SetChimei(kSeven);
        QCOMPARE(e.Speed(), qint16(1));
        QCOMPARE(e.stripTop(), 185);
        const int top = topAfter(e, 2500ms);
        e.setAppearance(3);
        QCOMPARE(e.size(), QSize(37, 195));
        e.setSpeed(10);
        QCOMPARE(topAfter(e, 0ms), top);
        QCOMPARE(topAfter(e, 1s), top - 100);
    }

    void paintsDotsInForeColorOnBackColor()
    {
        ChimeiElement e(m_glyphs, m_host);
        e.setBackColor(0x00000000);
        e.SetChimei(u"駅"_s);
        QCOMPARE(e.DrawDot16(2, 0, u"ー"_s), u"丨"_s);
        const QImage shot = e.grab().toImage();
        QCOMPARE(shot.width(), 35); // the strip's last dot column (x = 32) is inside the border
        const DotStrip& s = e.strip();
        int lit = 0;
        for (int y = 0; y < 112; ++y)
            for (int x = 0; x < 33; ++x) {
                const QRgb px = shot.pixel(ChimeiElement::kInset + x, ChimeiElement::kInset + y);
                QCOMPARE(px, s.isLit(x, y) ? qRgb(255, 190, 0) : qRgb(0, 0, 0));
                lit += s.isLit(x, y);
            }
        QVERIFY(lit > 40);
    }

    void startStateAndSettingsCalls()
    {
        auto board = makeBoard();
        QVERIFY(board->windowFlags() & Qt::FramelessWindowHint);
        for (int i : {1, 50}) {
            QCOMPARE(board->Degit(i)->DegitStyle(), qint16(1));
            QCOMPARE(board->Degit(i)->litText(), QString()); // blanked
            QCOMPARE(board->lblSeiriNum(i)->text(), toFullWidthDigits(QString::number(i)));
        }
        QCOMPARE(board->picture(), board->imgRes(0));
        QCOMPARE(board->imgRes(2), board->imgRes(0));
        QVERIFY(board->Timer1()->isActive());

        BoardIniPort& port = *board;
        board->setDegitValue(7, 230);
        port.SetDegitCell(7, ini::DegitCellInfo{2, 1, 3}, DegitColors{0x00112233, 0, 0});
        QCOMPARE(port.GetDegitCell(7), (ini::DegitCellInfo{2, 1, 3}));
        QCOMPARE(board->Degit(7)->BackColor(), 0x00112233u);
        QCOMPARE(board->Degit(7)->Value(), QVariant(u" "_s)); // redrawn empty
        port.SetAllDegitColors(DegitColors{1, 2, 3});
        QCOMPARE(board->Degit(50)->BaseForeColor(), 2u);
        QCOMPARE(board->TimeDegit(1)->DegitForeColor(), 3u); // the clock too

        // The clock: the Host's hour and minute; created hidden.
        PanelBoard& panel = *board;
        board->show();
        QVERIFY(!panel.clockVisible());
        m_host.clock = QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30));
        board->showTime();
        QCOMPARE(board->TimeDegit(0)->litText() + board->TimeDegit(1)->litText(), u"95"_s);
        panel.clearClock();
        QCOMPARE((QVariantList{board->TimeDegit(0)->Value(), board->TimeDegit(1)->Value()}),
                 (QVariantList{QString(), QString()}));
    }

    // A double-click on a fare element: ZeroMode/FillZero/Shift and text of all 50.
    void doubleClickGivesItsZeroSettingsToAll_data()
    {
        QTest::addColumn<bool>("userSet");
        QTest::addColumn<int>("result"); // of the dialog, choosing ZeroMode 1, FillZero 3, Shift 1
        QTest::addColumn<QString>("cells");
        QTest::newRow("confirmed") << true << 1 << u"1/3/1 015 "_s;
        QTest::newRow("cancelled") << true << 2 << u"0/0/0 15"_s;
        QTest::newRow("UserSet false: no dialog") << false << 1 << u"0/0/0 15"_s;
    }
    void doubleClickGivesItsZeroSettingsToAll()
    {
        QFETCH(bool, userSet);
        QFETCH(int, result);
        auto board = makeBoard();
        board->show();
        for (int j = 1; j <= 50; ++j)
            board->setDegitValue(j, 15);
        m_res.dlg100Result = result;
        m_res.dlg100ZeroMode = 1;
        m_res.dlg100FillZero = 3;
        m_res.dlg100Shift = 1;
        board->Degit(23)->setUserSet(userSet);

        QTest::mouseDClick(board->Degit(23), Qt::LeftButton);

        QCOMPARE(m_res.callNames().contains(u"Call_dlg100"_s), userSet);
        QCOMPARE(m_res.panelEnabledInDialog, !userSet);
        QVERIFY(m_panel.isEnabled());
        QStringList cells;
        for (int j = 1; j <= 50; ++j) {
            const DegitElement* d = board->Degit(j);
            cells << u"%1/%2/%3 "_s.arg(d->ZeroMode()).arg(d->FillZero()).arg(d->Shift()) +
                         d->litText();
        }
        cells.removeDuplicates();
        QTEST(cells.join(u'|'), "cells");
    }

    void dragging_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("moves");
        QTest::newRow("left on the board") << QPoint(10, 100) << int(Qt::LeftButton) << true;
        QTest::newRow("right does nothing") << QPoint(10, 100) << int(Qt::RightButton) << false;
        QTest::newRow("left on a ticket number") << QPoint(100, 30) << int(Qt::LeftButton) << false;
        QTest::newRow("left on a fare element") << QPoint(100, 50) << int(Qt::LeftButton) << false;
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

    // At scale N the window, its shape and every element are N times as large,
    // each cell and the strip its 1x picture in N x N blocks, drawn before or
    // after the change; a user's picture alike; the numbers in N times the font.
    void boardScale_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("scale");
        QTest::newRow("2x") << 2 << 2;
        QTest::newRow("9 is 4x") << 9 << 4;
        QTest::newRow("0 is 1x") << 0 << 1;
    }
    void boardScale()
    {
        QFETCH(int, asked);
        QFETCH(int, scale);
        auto one = makeBoard(), big = makeBoard();
        const auto both = [&](auto step) {
            step(*one);
            step(*big);
        };
        both([](BoardWindow& b) {
            b.Degit(7)->setShift(1); // not shown until a value: the lamp test stays unshifted
            b.ResetDegit(7, true);
            for (int j = 11; j <= 30; ++j)
                b.setDegitValue(j, 90 * j);
        });
        big->setBoardScale(asked);
        both([](BoardWindow& b) {
            for (int j = 31; j <= 50; ++j)
                b.setDegitValue(j, 7 * j);
            b.SetChimei(kSeven);
        });
        m_host.advance(2600ms); // the strip mid-scroll
        both([](BoardWindow& b) { b.ChimeiCtl()->scrollFrame(); });
        QCOMPARE(big->boardScale(), scale);
        QCOMPARE(big->size(), layout::BoardSize * scale);
        big->SeirikenNumSet(2, 0); // cell 1 in 10 points (13 pixels)
        QCOMPARE(big->lblSeiriNum(1)->font().pixelSize(), 13 * scale);
        QCOMPARE(big->lblSeiriNum(9)->font().pixelSize(), 15 * scale);
        const QRegion mask = big->mask();
        const QPoint last = QPoint(677, 233) * scale + QPoint(scale - 1, scale - 1);
        QVERIFY(!mask.contains(QPoint(scale - 1, scale - 1)) && mask.contains(QPoint(scale, 0)) &&
                !mask.contains(last) && mask.contains(last - QPoint(scale, 0)));

        const auto enlargedAlike = [&](const QRect& r) {
            const QImage small = one->grab(r).toImage();
            return big->grab(scaledRect(r, scale)).toImage() == pixelScaled(small, scale);
        };
        for (int i = 1; i <= 50; ++i)
            QVERIFY2(enlargedAlike(layout::degitRect(i)), qPrintable(QString::number(i)));
        QVERIFY(enlargedAlike(layout::chimeiRect()));
        QImage user(700, 250, QImage::Format_RGB32); // cut at the window's edges
        for (int y = 0; y < user.height(); ++y)
            for (int x = 0; x < user.width(); ++x)
                user.setPixel(x, y, qRgb(x, y, x ^ y));
        both([&](BoardWindow& b) { b.setPicture(user); });
        QVERIFY(enlargedAlike(QRect(0, 0, 28, 234))); // the surround left of the strip
    }

    // The built-in picture's bands and fields lie under the elements; its
    // texts are drawn.
    void panelImage()
    {
        using namespace panel_image;
        for (int scale : {1, 2}) {
            const QImage img = builtInPanelImage(scale);
            QCOMPARE(img.size(), layout::BoardSize * scale);
            const auto at = [&](QPoint p) {
                return img.pixel(p * scale + QPoint(scale, scale) / 2);
            };
            const QPoint field = layout::degitRect(45).topLeft();
            QCOMPARE((QList<QRgb>{at(layout::seiriNumRect(1).center()),
                                  at(layout::seiriNumRect(50).center()), at(field + QPoint(1, 1)),
                                  at(field + QPoint(6, 9)), at(QPoint(138, 50)),
                                  at(QPoint(1, 1))}), // 138, 50: between cells
                     (QList<QRgb>{BandColor, BandColor, FieldColor, UnlitColor, BoardColor,
                                  SurroundColor}));
            const auto count = [&](QRect r, int minRed, int minGreen) {
                r = scaledRect(r, scale);
                int n = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        n += qRed(img.pixel(x, y)) > minRed && qGreen(img.pixel(x, y)) > minGreen;
                return n / (scale * scale);
            };
            QVERIFY(count(UnchinWaRect, 200, 200) > 20);
            QVERIFY(count(MadeRect, 200, 200) > 20);
            QVERIFY(count(TagRect, 200, 200) > 20);
            QVERIFY(count(NoticeRect, 200, -1) > 200);
        }
    }
};

LUMENA_TEST_MAIN(TestBoardWidgets)
#include "tst_board_widgets.moc"
