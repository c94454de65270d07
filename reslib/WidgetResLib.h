#pragma once
// The resource library as the application uses it: Qt dialogs, the system's
// name and our ticket plug-in engine behind the ResLib contracts.

#include "reslib/ResLib.h"
#include "reslib/plugin/PluginEngine.h"

namespace lumena {

class WidgetResLib final : public ResLib {
public:
    qint32 Call_dlg100(QObject* owner, qint16 keta, qint16& zeroMode, qint16& shift,
                       qint16& fillZero) override;
    qint32 Call_dlg110(QObject* owner, qint32 one, const QString& text) override;
    qint32 Call_dlg111(QObject* owner, DialogDate& date) override;
    QString Vk3FileDlg(QObject* owner, qint32 zero, const QString& filter,
                       const QString& initialFile, const QString& title) override;
    QString Vk3FolderDlg(QObject* owner, const QString& prompt) override;
    qint32 Vk3ChooseColor(QObject* owner, quint32& color, CustColors& cust) override;
    QString GetOsInfo() override;
    qint32 Vk4_GetPlgInfo(const QString& path, PlgInfo& info) override;
    QString pluginRefusal(const QString& path) override;
    qint32 Vk4_SetPlgComment(const QString& path,
                             const std::function<void(const QString&)>& setText) override;
    qint32 Vk4_SetCorpAddList(const QString& path,
                              const std::function<void(const QString&)>& addItem) override;
    qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                            const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                            qint16 company) override;

private:
    PluginEngine m_plugins;
};

} // namespace lumena
