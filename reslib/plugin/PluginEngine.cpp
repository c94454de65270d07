#include "reslib/plugin/PluginEngine.h"

#include "reslib/InputFile.h"
#include "reslib/plugin/TicketRenderer.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace lumena {

namespace {
// Enough for every plug-in one session meets; beyond it the cache starts over.
constexpr qsizetype MaxCachedPlugins = 32;
} // namespace

const TicketPlugin* PluginEngine::load(const QString& path, QString* error)
{
    auto refuse = [&](const QString& why) -> const TicketPlugin* {
        if (error)
            *error = why;
        return nullptr;
    };
    if (path.isEmpty())
        return refuse(QStringLiteral("no plug-in file given"));
    const QFileInfo fi(path);
    if (!fi.exists())
        return refuse(QStringLiteral("the file does not exist"));
    if (!fi.isFile())
        return refuse(QStringLiteral("not a regular file"));
    const QString key = fi.absoluteFilePath();
    const QDateTime modified = fi.lastModified();
    const qint64 size = fi.size();
    auto it = m_cache.constFind(key);
    if (it != m_cache.cend() && it->modified == modified && it->size == size) {
        if (!it->plugin)
            return refuse(it->error);
        return it->plugin.get();
    }

    Entry entry;
    entry.modified = modified;
    entry.size = size;
    if (size > plugin_limits::MaxFileBytes) {
        entry.error =
            QStringLiteral("the file is larger than %1 bytes").arg(plugin_limits::MaxFileBytes);
    } else {
        QFile file(key);
        const InputCheck opened = openInputFile(file, plugin_limits::MaxFileBytes);
        if (opened == InputCheck::TooLarge) {
            entry.error =
                QStringLiteral("the file is larger than %1 bytes").arg(plugin_limits::MaxFileBytes);
        } else if (opened != InputCheck::Ok) {
            entry.error = QStringLiteral("cannot open the file as a regular file");
        } else {
            ++m_reads;
            // Read one byte past the limit: a file that grew since its status
            // was taken is still refused rather than read without end.
            const QByteArray bytes = file.read(plugin_limits::MaxFileBytes + 1);
            auto plugin = std::make_shared<TicketPlugin>();
            if (parseTicketPlugin(bytes, *plugin, entry.error))
                entry.plugin = std::move(plugin);
        }
    }
    if (m_cache.size() >= MaxCachedPlugins)
        m_cache.clear();
    const Entry& stored = *m_cache.insert(key, std::move(entry));
    if (!stored.plugin)
        return refuse(stored.error);
    return stored.plugin.get();
}

qint32 PluginEngine::getPlgInfo(const QString& path, PlgInfo& info)
{
    const TicketPlugin* p = load(path);
    if (!p)
        return 0;
    info = plgInfoOf(*p);
    return 1;
}

qint32 PluginEngine::setPlgComment(const QString& path,
                                   const std::function<void(const QString&)>& setText)
{
    const TicketPlugin* p = load(path);
    if (!p)
        return 0;
    if (setText)
        setText(p->remarks.join(u'\n'));
    return 1;
}

qint32 PluginEngine::setCorpAddList(const QString& path,
                                    const std::function<void(const QString&)>& addItem)
{
    const TicketPlugin* p = load(path);
    if (!p)
        return 0;
    if (addItem) {
        for (const QString& name : p->companies)
            addItem(name);
    }
    return 1;
}

qint32 PluginEngine::drawSeiriken(const QString& path, QImage* dc, const QString& stopName,
                                  const QString& date, const QString& time, qint32 routeNumber,
                                  qint16 ticketNo, qint16 row, qint16 company)
{
    if (!dc || dc->isNull())
        return 0;
    const TicketPlugin* p = load(path);
    if (!p)
        return 0;
    TicketFields f;
    f.stop = stopName;
    f.date = date;
    f.time = time;
    f.route = routeNumber;
    f.ticket = ticketNo;
    f.row = row;
    f.company = company;
    QPainter painter(dc);
    if (!painter.isActive())
        return 0;
    drawTicket(*p, painter, f);
    return 1;
}

} // namespace lumena
