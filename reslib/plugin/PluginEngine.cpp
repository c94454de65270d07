#include "reslib/plugin/PluginEngine.h"

namespace lumena {

// Not written yet: no file is a valid plug-in and nothing is drawn.
qint32 PluginEngine::getPlgInfo(const QString&, PlgInfo&) { return 0; }
qint32 PluginEngine::setPlgComment(const QString&, const std::function<void(const QString&)>&) { return 0; }
qint32 PluginEngine::setCorpAddList(const QString&, const std::function<void(const QString&)>&) { return 0; }
qint32 PluginEngine::drawSeiriken(const QString&, QImage*, QString&, QString&, const QString&, qint32,
                                  qint16, qint16, qint16)
{
    return 0;
}

} // namespace lumena
