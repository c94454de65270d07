// Ticket plug-ins on any bytes: a refused file leaves the plug-in given as it
// was; an accepted one keeps to the limits and draws tickets at the ends of
// the ranges (bar codes included) without a dot outside the ticket; bar-code
// data keep to their symbologies' characters.
#include "reslib/plugin/TicketRenderer.h"
#include "tests/fuzz/Fuzz.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

bool only(const QByteArray& data, const char* chars)
{
    return std::all_of(data.begin(), data.end(),
                       [&](char c) { return c && std::strchr(chars, c); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::app();
    namespace L = plugin_limits;
    TicketPlugin p;
    p.name = QStringLiteral("前");
    QString error;
    if (!parseTicketPlugin(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), p,
                           error)) {
        FUZZ_CHECK(!error.isEmpty() && p.name == u"前" && p.widthTwips == 0 && p.order.isEmpty() &&
                   p.remarks.isEmpty() && p.companies.isEmpty());
        return 0;
    }
    FUZZ_CHECK(p.widthTwips >= L::MinSideTwips && p.widthTwips <= L::MaxSideTwips &&
               p.heightTwips >= L::MinSideTwips && p.heightTwips <= L::MaxSideTwips);
    FUZZ_CHECK(p.order.size() ==
                   p.texts.size() + p.lines.size() + p.frames.size() + p.barcodes.size() &&
               p.order.size() <= L::MaxItems && p.barcodes.size() <= L::MaxBarcodes &&
               p.remarks.size() <= L::MaxRemarkLines && p.companies.size() <= L::MaxCompanies);
    plgInfoOf(p);

    const int w = (p.widthTwips + 14) / 15, h = (p.heightTwips + 14) / 15;
    QImage image(w + 4, h + 4, QImage::Format_RGB32);
    image.fill(0xFF123456);
    const QDate day(2026, 12, 31);
    for (const TicketFields& f :
         {TicketFields{QStringLiteral("{stop}駅前"), day.toString(u"MM-dd-yyyy"), u"23:59:59"_s, 1,
                       1, 1, -1},
          TicketFields{
              QString(), day.toString(u"yyyy/MM/dd"), {}, p.routeLimit * 10 + 1, 32767, 301, 99},
          TicketFields{u"x"_s, {}, {}, -1, -32768, 0, 0}}) {
        QPainter painter(&image);
        drawTicket(p, painter, f);
        for (const BarcodeItem& b : p.barcodes) {
            const QByteArray code = barcodeData(p, b, f);
            if (code.isEmpty() || b.type == BarcodeType::Qr)
                continue;
            if (b.type == BarcodeType::Itf)
                FUZZ_CHECK(code.size() % 2 == 0 && only(code, "0123456789"));
            else
                FUZZ_CHECK(code.front() == b.start.toLatin1() && code.back() == b.stop.toLatin1() &&
                           only(code.mid(1, code.size() - 2), "0123456789-$:/.+"));
        }
        FUZZ_CHECK(only(routeStopDigits(p, f).toLatin1(), "0123456789"));
    }
    for (int y = 0; y < image.height(); ++y)
        for (int x = y > h ? 0 : w + 1; x < image.width(); ++x)
            FUZZ_CHECK(image.pixel(x, y) == 0xFF123456);
    return 0;
}
