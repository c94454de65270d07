#pragma once
// Numbering of the board's 50 ticket-number cells (lblSeiriNum(1..50)).
//
// Twelve styles: numbers from 1, from 0, or a first cell that holds a word for
// "no ticket" (or nothing) followed by 1.. or 2... Numbers are shown in
// full-width digits, optionally with a leading zero for one-digit numbers.
// The rules live here, free of widgets; the board window only carries them out
// through SeirikenCells.

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace lumena {

inline constexpr int SeirikenStyleCount = 12;

// The cells' designer font and the typeface that stands in for it here.
inline const QString SeirikenFontName = QStringLiteral("ＭＳ Ｐゴシック");
inline constexpr double SeirikenDesignPointSize = 11.25; // bold, as designed

// The installed typeface used for a Windows face name the board asks for.
// Unknown names are returned unchanged.
QString boardFontFamily(const QString& windowsFaceName);

// Pixel height of a font of `points` on the 96-dot board.
int boardPixelSize(double points);

// Decimal digits (and anything else) with 0-9 turned into U+FF10-U+FF19.
QString toFullWidthDigits(const QString& text);

// A cell's number: decimal, "00"-padded when `zeroOption`, then full-width.
QString seirikenNumberText(int number, bool zeroOption);

// The style's entry in the options dialog's list ("1,2,3... 50 （既定の表示）").
// Empty for an index outside 0..11.
QString seirikenStyleListText(int style);

// Everything SeirikenNumSet writes, in the order it writes it.
struct SeirikenNumPlan {
    double cell1PointSize = 11;                 // cell 1 gets SeirikenFontName at this size
    std::optional<QString> cell1Word;           // written into cell 1 before the numbers
    std::vector<std::pair<int, QString>> texts; // (cell 1..50, text), increasing
};

SeirikenNumPlan seirikenNumPlan(qint16 style, qint16 zeroOption);

// The cells as SeirikenNumSet writes them.
class SeirikenCells {
public:
    virtual ~SeirikenCells() = default;
    virtual void setSeiriNumText(int cell, const QString& text) = 0;
    virtual void setSeiriNumFont(int cell, const QString& faceName, double points) = 0;
};

// Writes the cell texts of `style` (list position, -1 for none) with or
// without the zero option (nonzero = on). Cell 1's font is always set; a
// style outside 0..11 changes no number.
void SeirikenNumSet(SeirikenCells& cells, qint16 style, qint16 zeroOption);

} // namespace lumena
