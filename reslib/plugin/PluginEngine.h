#pragma once
// Our own ticket plug-in engine: reads a *.4SP plug-in and draws tickets from
// it. Stands behind the Vk4_* functions of the resource library.
//
// A plug-in is read once and kept while its file stays the same (same path,
// modification time and size); a board refresh only looks at the file's
// status. A refused file is remembered as refused the same way, so a broken
// plug-in is not re-read at every refresh either.

#include "reslib/ResLib.h"
#include "reslib/plugin/TicketPlugin.h"

#include <QDateTime>
#include <QHash>
#include <memory>

namespace lumena {

class PluginEngine {
public:
    qint32 getPlgInfo(const QString& path, PlgInfo& info);
    qint32 setPlgComment(const QString& path, const std::function<void(const QString&)>& setText);
    qint32 setCorpAddList(const QString& path, const std::function<void(const QString&)>& addItem);
    qint32 drawSeiriken(const QString& path, QImage* dc, const QString& stopName,
                        const QString& date, const QString& time, qint32 routeNumber,
                        qint16 ticketNo, qint16 row, qint16 company);

    // The plug-in at `path`, or null with `error` saying why it is refused.
    const TicketPlugin* load(const QString& path, QString* error = nullptr);

    // How many times a file was actually read (for tests of the cache).
    int readCount() const { return m_reads; }

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const TicketPlugin> plugin; // null = refused
        QString error;
    };
    QHash<QString, Entry> m_cache;
    int m_reads = 0;
};

} // namespace lumena
