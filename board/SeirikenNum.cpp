#include "board/SeirikenNum.h"

#include <array>
#include <cmath>

namespace lumena {

QString boardFontFamily(const QString& windowsFaceName)
{
    static const std::array<std::pair<QString, QString>, 4> map{{
        {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")},
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic")},
        {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho")},
        {QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho")},
    }};
    for (const auto& [from, to] : map) {
        if (windowsFaceName == from)
            return to;
    }
    return windowsFaceName;
}

int boardPixelSize(double points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

QString toFullWidthDigits(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'0' && c <= u'9')
            c = QChar(char16_t(0xFF10 + (c.unicode() - u'0')));
    }
    return out;
}

QString seirikenNumberText(int number, bool zeroOption)
{
    QString s = QString::number(number);
    if (zeroOption && number >= 0 && s.size() < 2)
        s.prepend(u'0');
    return toFullWidthDigits(s);
}

namespace {

// Cell-1 word of styles 2..11 (index style - 2).
const std::array<QString, 10>& cell1Words()
{
    static const std::array<QString, 10> words{
        QStringLiteral("な し"),
        QStringLiteral("な し"),
        QStringLiteral("無 券"),
        QStringLiteral("無 券"),
        QStringLiteral("券なし"),
        QStringLiteral("券なし"),
        QStringLiteral("券無し"),
        QStringLiteral("券無し"),
        QString(),
        QString(),
    };
    return words;
}

} // namespace

QString seirikenStyleListText(int style)
{
    static const std::array<QString, SeirikenStyleCount> patterns{
        QStringLiteral("1,2,3..."),           QStringLiteral("0,1,2..."),
        QStringLiteral("「なし」、1,2..."),   QStringLiteral("「なし」、2,3..."),
        QStringLiteral("「無券」、1,2..."),   QStringLiteral("「無券」、2,3..."),
        QStringLiteral("「券なし」、1,2..."), QStringLiteral("「券なし」、2,3..."),
        QStringLiteral("「券無し」、1,2..."), QStringLiteral("「券無し」、2,3..."),
        QStringLiteral("(無地)、1,2..."),     QStringLiteral("(無地)、2,3..."),
    };
    if (style < 0 || style >= SeirikenStyleCount)
        return {};
    // Styles that start at 0 or give cell 1 a word end at 49.
    const bool endsAt50 = style == 0 || (style >= 3 && style % 2 == 1);
    QString text =
        patterns[size_t(style)] + (endsAt50 ? QStringLiteral(" 50") : QStringLiteral(" 49"));
    if (style == 0)
        text += QStringLiteral(" （既定の表示）");
    return text;
}

SeirikenNumPlan seirikenNumPlan(qint16 style, qint16 zeroOption)
{
    SeirikenNumPlan plan;
    const bool zero = zeroOption != 0;
    if (style < 2) {
        plan.cell1PointSize = 11;
    } else {
        plan.cell1PointSize = 10;
        plan.cell1Word = style < SeirikenStyleCount ? cell1Words()[size_t(style - 2)] : QString();
    }
    if (style < 0 || style >= SeirikenStyleCount)
        return plan;

    plan.texts.reserve(50);
    if (style == 0) {
        for (int n = 1; n <= 50; ++n)
            plan.texts.emplace_back(n, seirikenNumberText(n, zero));
    } else if (style == 1) {
        for (int n = 0; n <= 49; ++n)
            plan.texts.emplace_back(n + 1, seirikenNumberText(n, zero));
    } else {
        // Even styles continue with 1 after the word, odd ones with 2.
        const int offset = style % 2 == 0 ? 0 : 1;
        for (int n = 1; n <= 49; ++n)
            plan.texts.emplace_back(n + 1, seirikenNumberText(n + offset, zero));
    }
    return plan;
}

void SeirikenNumSet(SeirikenCells& cells, qint16 style, qint16 zeroOption)
{
    const SeirikenNumPlan plan = seirikenNumPlan(style, zeroOption);
    cells.setSeiriNumFont(1, SeirikenFontName, plan.cell1PointSize);
    if (plan.cell1Word)
        cells.setSeiriNumText(1, *plan.cell1Word);
    for (const auto& [cell, text] : plan.texts)
        cells.setSeiriNumText(cell, text);
}

} // namespace lumena
