#pragma once
// Reads bar codes back from a drawn picture with zbar, a reader that shares
// nothing with the encoder that drew them.

#include <QImage>
#include <QStringList>
#include <zbar.h>

namespace lumena::test {

// "TYPE:data" for every symbol zbar finds, sorted, e.g. "Codabar:A01205B".
inline QStringList readBarcodes(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < grey.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(grey.constScanLine(y)), grey.width());
    zbar::Image image(unsigned(grey.width()), unsigned(grey.height()), "Y800", pixels.constData(),
                      static_cast<unsigned long>(pixels.size()));
    zbar::ImageScanner scanner;
    scanner.set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 1);
    scanner.scan(image);
    QStringList found;
    for (auto s = image.symbol_begin(); s != image.symbol_end(); ++s)
        found << QString::fromStdString(s->get_type_name() + ':' + s->get_data());
    found.sort();
    return found;
}

} // namespace lumena::test
