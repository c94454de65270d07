// Ticket-number cells: what each numbering style writes, in which font, and
// what it leaves alone.

#include "board/SeirikenNum.h"
#include "tests/common/TestSupport.h"

#include <array>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

// Fifty cells as the board starts them ("１".."５０", cell 1 at 11.25 points).
struct Cells final : SeirikenCells {
    std::array<QString, 51> text;
    double cell1Points = SeirikenDesignPointSize;
    QString cell1Face;
    QList<int> order;
    Cells()
    {
        for (int i = 1; i <= 50; ++i)
            text[size_t(i)] = toFullWidthDigits(QString::number(i));
    }
    void setSeiriNumText(int cell, const QString& t) override
    {
        text[size_t(cell)] = t;
        order << cell;
    }
    void setSeiriNumFont(int cell, const QString& face, double points) override
    {
        QCOMPARE(cell, 1);
        cell1Face = face;
        cell1Points = points;
    }
};

} // namespace

class TestSeirikenNum : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("zero");
        QTest::addColumn<double>("cell1Points");
        QTest::addColumn<QStringList>("expect"); // cells 1, 2, 10, 11, 50
        auto row = [](const char* name, int style, int zero, double pt, QStringList e) {
            QTest::newRow(name) << style << zero << pt << e;
        };
        row("0 from one", 0, 0, 11, {u"１"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("0 from one, zero", 0, 1, 11, {u"０１"_s, u"０２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("1 from zero", 1, 0, 11, {u"０"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("1 from zero, zero", 1, 1, 11, {u"００"_s, u"０１"_s, u"０９"_s, u"１０"_s, u"４９"_s});
        row("2 nashi then 1", 2, 0, 10, {u"な し"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("3 nashi then 2", 3, 0, 10, {u"な し"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("4 muken then 1, zero", 4, 1, 10,
            {u"無 券"_s, u"０１"_s, u"０９"_s, u"１０"_s, u"４９"_s});
        row("5 muken then 2", 5, 0, 10, {u"無 券"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("6 ken-nashi then 1", 6, 0, 10, {u"券なし"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("7 ken-nashi then 2, zero", 7, 1, 10,
            {u"券なし"_s, u"０２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("8 ken-mushi then 1", 8, 0, 10, {u"券無し"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("9 ken-mushi then 2", 9, 0, 10,
            {u"券無し"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("10 plain then 1", 10, 0, 10, {QString(), u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("11 plain then 2", 11, 0, 10, {QString(), u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        // Outside the list: only cell 1 changes (font; for 12 also its text).
        row("-1 nothing chosen", -1, 0, 11, {u"１"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("12 past the list", 12, 1, 10, {QString(), u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
    }
    void styles()
    {
        QFETCH(int, style);
        QFETCH(int, zero);
        Cells cells;
        SeirikenNumSet(cells, qint16(style), qint16(zero));
        QTEST((QStringList{cells.text[1], cells.text[2], cells.text[10], cells.text[11],
                           cells.text[50]}),
              "expect");
        QTEST(cells.cell1Points, "cell1Points");
        QCOMPARE(cells.cell1Face, u"ＭＳ Ｐゴシック"_s);
        // Cells are written once each, in increasing order.
        QVERIFY(std::is_sorted(cells.order.begin(), cells.order.end()));
        QCOMPARE(QSet<int>(cells.order.begin(), cells.order.end()).size(), cells.order.size());
    }

    void switchingBackRestoresCellOne()
    {
        Cells cells;
        SeirikenNumSet(cells, 2, 0);
        SeirikenNumSet(cells, 0, 0);
        QCOMPARE(cells.text[1], u"１"_s);
        QCOMPARE(cells.cell1Points, 11.0);
    }

    // The caption the settings list shows for a style; none past the list.
    void listTexts()
    {
        QCOMPARE(seirikenStyleListText(0), u"1,2,3... 50 （既定の表示）"_s);
        QCOMPARE(seirikenStyleListText(3), u"「なし」、2,3... 50"_s);
        QCOMPARE(seirikenStyleListText(11), u"(無地)、2,3... 50"_s);
        QCOMPARE(seirikenStyleListText(12), QString());
    }

    // Windows face names map to the faces we ship; sizes are points at 96 dpi.
    void fontsAndSizes()
    {
        QCOMPARE(boardFontFamily(u"ＭＳ 明朝"_s), u"IPAMincho"_s);
        QCOMPARE(boardFontFamily(u"Arial"_s), u"Arial"_s);
        QCOMPARE(boardPixelSize(11.25), 15);
        QCOMPARE(boardPixelSize(10), 13);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestSeirikenNum)
#include "tst_seiriken_num.moc"
