#pragma once
// Our own ticket plug-in engine: reads a *.4SP plug-in and draws tickets from
// it. Stands behind the Vk4_* functions of the resource library.

#include "reslib/ResLib.h"

namespace lumena {

class PluginEngine {
public:
    qint32 getPlgInfo(const QString& path, PlgInfo& info);
    qint32 setPlgComment(const QString& path, const std::function<void(const QString&)>& setText);
    qint32 setCorpAddList(const QString& path, const std::function<void(const QString&)>& addItem);
    qint32 drawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                        const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                        qint16 company);
};

} // namespace lumena
