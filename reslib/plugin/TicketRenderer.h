#pragma once
// Draws a ticket plug-in's layout with the values of one ticket. Positions in
// a plug-in are twips; the picture is drawn at 15 twips per pixel from the
// image's top-left corner, so a ticket of W x H twips covers W/15 x H/15 pixels.

#include "reslib/plugin/TicketPlugin.h"

class QPainter;

namespace lumena {

// The values of one ticket, as the board refresh hands them over.
struct TicketFields {
    QString stop;
    QString date; // "mm-dd-yyyy" (system date) or "yyyy/mm/dd" (fixed date)
    QString time; // "hh:mm:ss"
    qint32 route = 0;
    qint16 ticket = 0;
    qint16 row = 0;
    qint16 company = -1; // index into the plug-in's companies, -1 = none chosen
};

// A template with its {field} placeholders filled in.
QString expandTemplate(const QString& templ, const TicketPlugin& plugin, const TicketFields& f);

// The company printed for `index`: that name, or the first one when nothing
// (or something out of range) is chosen; empty without companies.
QString companyName(const TicketPlugin& plugin, int index);

// The digits a route-and-stop bar code carries under the plug-in's scheme,
// empty when the route or the stop lies outside what the plug-in handles.
QString routeStopDigits(const TicketPlugin& plugin, const TicketFields& f);

// The data handed to the bar-code encoder for `item` (NW-7 with its start and
// stop characters, ITF padded to an even number of digits); empty = no code.
QByteArray barcodeData(const TicketPlugin& plugin, const BarcodeItem& item, const TicketFields& f);

// Draws the whole ticket: paper, then every item in file order.
void drawTicket(const TicketPlugin& plugin, QPainter& painter, const TicketFields& f);

} // namespace lumena
