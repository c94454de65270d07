#pragma once
// The rule by which a digit element's value becomes the text lit in its cells:
// zero handling, zero fill, shift and truncation to the cell count. Kept apart
// from drawing so that every case can be checked without a window.
//
// A value is a number (any integer or floating type; a bool counts as -1 for
// true and 0 for false), a text, or nothing (an invalid QVariant, treated as the
// empty text). Numbers compare with 0 and -1 as numbers; a text never equals a
// number, and only the empty text equals the empty text.

#include <QString>
#include <QVariant>

namespace lumena {

// True when `v` holds a number (not a text that happens to read as one).
bool degitIsNumber(const QVariant& v);

// Zero handling: the value after `zeroMode` 0..3 has been applied; any other
// mode returns `v` unchanged.
QVariant degitApplyZeroMode(const QVariant& v, qint16 zeroMode);

// The value as text: numbers in plain decimal (whole numbers without a
// fraction), texts unchanged, nothing as the empty text.
QString degitValueText(const QVariant& v);

// The whole rule: the text whose last characters are lit, right-aligned, at
// most `keta` characters long (empty when `keta` is 0 or less).
// `fillZero` of 0 or less fills nothing; `shift` of 0 or less shifts nothing.
QString degitLitText(const QVariant& value, qint16 zeroMode, qint16 fillZero, qint16 shift,
                     qint16 keta);

} // namespace lumena
