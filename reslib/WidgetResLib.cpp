#include "reslib/WidgetResLib.h"

#include "reslib/Dialogs.h"
#include "reslib/OsInfo.h"

#include <QWidget>

namespace lumena {

namespace {
QWidget* widget(QObject* o)
{
    return qobject_cast<QWidget*>(o);
}
} // namespace

qint32 WidgetResLib::Call_dlg100(QObject* owner, qint16 keta, qint16& zeroMode, qint16& shift,
                                 qint16& fillZero)
{
    return dialogs::digitSettings(widget(owner), keta, zeroMode, shift, fillZero);
}

qint32 WidgetResLib::Call_dlg110(QObject* owner, qint32, const QString& text)
{
    return dialogs::versionBox(widget(owner), text);
}

qint32 WidgetResLib::Call_dlg111(QObject* owner, DialogDate& date)
{
    return dialogs::datePicker(widget(owner), date);
}

QString WidgetResLib::Vk3FileDlg(QObject* owner, qint32, const QString& filter,
                                 const QString& initialFile, const QString& title)
{
    return dialogs::openFile(widget(owner), filter, initialFile, title);
}

QString WidgetResLib::Vk3FolderDlg(QObject* owner, const QString& prompt)
{
    return dialogs::chooseFolder(widget(owner), prompt);
}

qint32 WidgetResLib::Vk3ChooseColor(QObject* owner, quint32& color, CustColors& cust)
{
    return dialogs::chooseColor(widget(owner), color, cust);
}

QString WidgetResLib::GetOsInfo()
{
    return operatingSystemName();
}

qint32 WidgetResLib::Vk4_GetPlgInfo(const QString& path, PlgInfo& info)
{
    return m_plugins.getPlgInfo(path, info);
}

QString WidgetResLib::pluginRefusal(const QString& path)
{
    QString why;
    m_plugins.load(path, &why);
    return why;
}

qint32 WidgetResLib::Vk4_SetPlgComment(const QString& path,
                                       const std::function<void(const QString&)>& setText)
{
    return m_plugins.setPlgComment(path, setText);
}

qint32 WidgetResLib::Vk4_SetCorpAddList(const QString& path,
                                        const std::function<void(const QString&)>& addItem)
{
    return m_plugins.setCorpAddList(path, addItem);
}

// The stop name and date are in/out for the caller; this engine leaves them
// as they came.
qint32 WidgetResLib::Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName,
                                      QString& date, const QString& time, qint32 routeNumber,
                                      qint16 ticketNo, qint16 row, qint16 company)
{
    return m_plugins.drawSeiriken(path, dc, stopName, date, time, routeNumber, ticketNo, row,
                                  company);
}

} // namespace lumena
