#include "board/BoardLayout.h"

#include <array>

namespace lumena::layout {

namespace {

constexpr std::array<int, GridColumns> CellLeft{1245, 2115, 2970, 3840, 4695,
                                                5565, 6420, 7290, 8145, 9015};
constexpr std::array<int, GridColumns> DegitLeft{1245, 2115, 2970, 3840, 4710,
                                                 5565, 6435, 7305, 8160, 9030};
constexpr std::array<int, GridRows> CellTop{375, 945, 1500, 2055, 2610};
constexpr std::array<int, GridRows> DegitTop{600, 1170, 1740, 2280, 2835};

constexpr int CellWidth = 780, CellHeight = 240;
constexpr int DegitWidth = 780, DegitHeight = 300;

} // namespace

QRect seiriNumRect(int i)
{
    if (i < 1 || i > CellCount)
        return fromTwips(1185, 45, CellWidth, CellHeight);
    const auto row = size_t((i - 1) / GridColumns), col = size_t((i - 1) % GridColumns);
    return fromTwips(CellLeft[col], CellTop[row], CellWidth, CellHeight);
}

QRect degitRect(int i)
{
    if (i < 1 || i > CellCount)
        return fromTwips(2100, 30, DegitWidth, DegitHeight);
    const auto row = size_t((i - 1) / GridColumns), col = size_t((i - 1) % GridColumns);
    return fromTwips(DegitLeft[col], DegitTop[row], DegitWidth, DegitHeight);
}

QRect timeDegitRect(int i)
{
    return i == 0 ? fromTwips(5445, 30, 390, 300) : fromTwips(5850, 30, 390, 300);
}

QRect chimeiRect()
{
    return fromTwips(420, 300, 525, 2880);
}

} // namespace lumena::layout
