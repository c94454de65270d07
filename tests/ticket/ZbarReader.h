#pragma once
// Reads bar codes back from a drawn picture with zbar, a reader that shares
// nothing with the encoder that drew them.

#include <QImage>
#include <QStringList>
#include <zbar.h>

namespace lumena::test {

// "TYPE:data" for every symbol zbar finds, e.g. "Codabar:A01205B".
inline QStringList readBarcodes(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    pixels.reserve(grey.width() * grey.height());
    for (int y = 0; y < grey.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    zbar::zbar_image_scanner_t* scanner = zbar::zbar_image_scanner_create();
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 1);
    zbar::zbar_image_t* image = zbar::zbar_image_create();
    zbar::zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image, static_cast<unsigned>(grey.width()),
                              static_cast<unsigned>(grey.height()));
    zbar::zbar_image_set_data(image, pixels.constData(), static_cast<unsigned long>(pixels.size()),
                              nullptr);
    zbar::zbar_scan_image(scanner, image);
    QStringList found;
    for (const zbar::zbar_symbol_t* s = zbar::zbar_image_first_symbol(image); s;
         s = zbar::zbar_symbol_next(s)) {
        found << QString::fromLatin1(zbar::zbar_get_symbol_name(zbar::zbar_symbol_get_type(s))) +
                     u':' + QString::fromUtf8(zbar::zbar_symbol_get_data(s));
    }
    zbar::zbar_image_destroy(image);
    zbar::zbar_image_scanner_destroy(scanner);
    found.sort();
    return found;
}

} // namespace lumena::test
