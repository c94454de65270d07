#pragma once
// A settings record with every item set from its item number in the file, so a
// field at the wrong place or width shows; the item kinds independent of the codec.

#include "settings/IniData.h"

namespace lumena::test {

// Items 1..70 by kind (T text, s int16, c colour, i int32), then 17 custom
// colours, the cell count and 50 cells.
constexpr const char* ItemKinds =
    "TTscccssssssssssTTTcccssssssssssccssTTssssTsTTTssssTTTTsTsssTsiissiiii";

// Values whose bytes all differ, so byte order errors show; negative from
// item 28 on (16-bit) and always (32-bit).
inline qint16 s16(int n)
{
    return static_cast<qint16>(n | ((n + 100) << 8));
}
inline qint32 s32(int n)
{
    return static_cast<qint32>(quint32(n) | (quint32(n + 100) << 8) | (0x3Cu << 16) |
                               (0x81u << 24));
}
inline quint32 c32(int n)
{
    return static_cast<quint32>(s32(n));
}
// The text of item n in numberedIni().
inline QString txt(int n)
{
    if (n == 1)
        return QStringLiteral("三角駅"); // three kanji, 6 bytes
    if (n == 45)
        return QStringLiteral("a\"b\\c\td"); // quotes and controls
    if (n == 61)
        return QStringLiteral("2025/01/05");
    return QStringLiteral("t%1").arg(n);
}

// Each record declares its members in file order: the values go in by position.
inline IniData numberedIni()
{
    IniData d;
    d.DataDirInfo = {txt(1), txt(2)};
    d.PanelInfo = {s16(3),  c32(4),  c32(5),  c32(6),  s16(7),  s16(8),  s16(9),  s16(10), s16(11),
                   s16(12), s16(13), s16(14), s16(15), s16(16), txt(17), txt(18), txt(19)};
    d.DegitInfo = {c32(20), c32(21), c32(22), s16(23), s16(24), s16(25), s16(26),
                   s16(27), s16(28), s16(29), s16(30), s16(31), s16(32)};
    d.ChimeiInfo = {c32(33), c32(34), s16(35), s16(36)};
    d.SoundInfo = {txt(37), txt(38), s16(39), s16(40), s16(41), s16(42), txt(43),
                   s16(44), txt(45), txt(46), txt(47), s16(48), s16(49), s16(50),
                   s16(51), txt(52), txt(53), txt(54), txt(55)};
    d.SeirikenInfo = {s16(56), txt(57), s16(58), s16(59), s16(60), txt(61)};
    d.CtrlDataInfo = {s16(62), s32(63), s32(64), s16(65), s16(66), s32(67), s32(68)};
    d.FormInfo = {s32(69), s32(70)};
    for (int i = 0; i < 17; ++i)
        d.CustColors[size_t(i)] = c32(200 + i);
    for (int i = 0; i < ini::DegitCellCount; ++i)
        d.DegitCells[size_t(i)] = {s16(i * 3), s16(i * 3 + 1), s16(i * 3 + 2)};
    return d;
}

} // namespace lumena::test
