#include "board/BoardScale.h"

#include <algorithm>
#include <cstring>

namespace lumena {

void pixelScale(const QImage& image, int scale, QImage& target)
{
    if (scale <= 1 || image.isNull()) {
        target = image;
        return;
    }
    const QImage source =
        image.depth() == 32
            ? image
            : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                            : QImage::Format_RGB32);
    const QSize size(source.width() * scale, source.height() * scale);
    if (target.size() != size || target.format() != source.format())
        target = QImage(size, source.format());
    target.setDevicePixelRatio(source.devicePixelRatio());
    const auto rowBytes = size_t(size.width()) * sizeof(quint32);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const quint32*>(source.constScanLine(y));
        auto* first = reinterpret_cast<quint32*>(target.scanLine(y * scale));
        for (int x = 0; x < source.width(); ++x)
            std::fill_n(first + qsizetype(x) * scale, scale, in[x]);
        for (int k = 1; k < scale; ++k)
            std::memcpy(target.scanLine(y * scale + k), first, rowBytes);
    }
}

QImage pixelScaled(const QImage& image, int scale)
{
    QImage out;
    pixelScale(image, scale, out);
    return out;
}

} // namespace lumena
