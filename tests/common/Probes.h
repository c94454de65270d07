#pragma once
// Which rows of a picture (a dot strip, an image) are lit.

#include <QList>

namespace lumena::test {

// Rows (top to bottom) that have at least one pixel for which `lit(x, y)` holds.
template <typename Lit> QList<int> litRows(int width, int height, Lit lit)
{
    QList<int> rows;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (lit(x, y)) {
                rows << y;
                break;
            }
    return rows;
}

} // namespace lumena::test
