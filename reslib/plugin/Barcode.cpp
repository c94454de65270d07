#include "reslib/plugin/Barcode.h"

#include <QPainter>
#include <cmath>
#include <memory>
#include <zint.h>

namespace lumena {

namespace {

struct SymbolDeleter {
    void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};

int symbologyOf(BarcodeType type)
{
    switch (type) {
    case BarcodeType::Nw7:
        return BARCODE_CODABAR;
    case BarcodeType::Itf:
        return BARCODE_C25INTER;
    case BarcodeType::Qr:
        return BARCODE_QRCODE;
    }
    return BARCODE_CODABAR;
}

} // namespace

bool drawBarcode(QPainter& painter, const QRectF& boxPx, BarcodeType type, const QByteArray& data,
                 int rotate, const QColor& color)
{
    if (data.isEmpty())
        return false;
    std::unique_ptr<zint_symbol, SymbolDeleter> sym(ZBarcode_Create());
    if (!sym)
        return false;
    sym->symbology = symbologyOf(type);
    sym->show_hrt = 0;
    sym->input_mode = DATA_MODE;
    if (ZBarcode_Encode(sym.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                        static_cast<int>(data.size())) >= ZINT_ERROR)
        return false;
    if (ZBarcode_Buffer_Vector(sym.get(), 0) >= ZINT_ERROR || !sym->vector || sym->width <= 0)
        return false;

    const bool matrix = type == BarcodeType::Qr;
    const bool turned = rotate == 90 || rotate == 270;
    // Length along the bars' run, and across it, in pixels.
    const double along = std::floor(turned ? boxPx.height() : boxPx.width());
    const double across = std::floor(turned ? boxPx.width() : boxPx.height());
    const int modules = sym->width;
    const int quiet = matrix ? 8 : 20;
    const double room = matrix ? std::min(along, across) : along;
    int ppm = static_cast<int>(room / (modules + quiet));
    if (ppm < 1)
        ppm = static_cast<int>(room / modules);
    if (ppm < 1)
        return false;
    // zint lays modules out two units wide.
    const double unit = static_cast<double>(sym->vector->width) / modules;
    const int lengthPx = modules * ppm;
    const int heightPx = matrix ? lengthPx : static_cast<int>(across);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Centre on a whole pixel so that every module edge falls on a pixel edge
    // in all four turns.
    const QPointF centre(std::round(boxPx.center().x()), std::round(boxPx.center().y()));
    painter.translate(centre);
    painter.rotate(rotate);
    painter.translate(-(lengthPx / 2), -(heightPx / 2));
    for (const zint_vector_rect* r = sym->vector->rectangles; r; r = r->next) {
        const int x = static_cast<int>(std::lround(r->x / unit)) * ppm;
        const int w = static_cast<int>(std::lround(r->width / unit)) * ppm;
        int y = 0, h = heightPx;
        if (matrix) {
            y = static_cast<int>(std::lround(r->y / unit)) * ppm;
            h = static_cast<int>(std::lround(r->height / unit)) * ppm;
        }
        painter.fillRect(QRect(x, y, w, h), color);
    }
    painter.restore();
    return true;
}

} // namespace lumena
