#pragma once
// Bar codes drawn through libzint. The encoder only lays out the modules; the
// drawing snaps every module to whole pixels so that the printed code stays
// readable at the preview's small scale.

#include "reslib/plugin/TicketPlugin.h"

class QPainter;

namespace lumena {

// Draws `data` as a bar code of `type` centred in `boxPx` (pixels), turned by
// `rotate` degrees (0, 90, 180, 270), with a quiet zone where room allows.
// False when the encoder refuses the data or the box is too small for one
// pixel per module; nothing is drawn then.
bool drawBarcode(QPainter& painter, const QRectF& boxPx, BarcodeType type, const QByteArray& data,
                 int rotate, const QColor& color);

} // namespace lumena
