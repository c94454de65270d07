#include "ticket/PluginInfo.h"

namespace lumena {

namespace {

QString yesNo(bool yes)
{
    return yes ? QStringLiteral("---> 可能") : QStringLiteral("---> 不可");
}

} // namespace

QStringList plgInfoLines(const PlgInfo& info)
{
    QStringList lines;
    lines << QStringLiteral("日付の印字 ") + yesNo(info[3] == 1)
          << QStringLiteral("時刻の印字 ") + yesNo(info[4] == 1)
          << QStringLiteral("系統番号の印字 ") + yesNo(info[5] == 1)
          << QStringLiteral("停名の印字 ") + yesNo(info[6] == 1)
          << QStringLiteral("バーコード印字 ") + yesNo(info[7] == 1);
    if (info[7] == 1) {
        lines << QStringLiteral("バーコード本数 ---> ") + QString::number(info[8])
              << QStringLiteral("バーコード系統方式 ") +
                     (info[10] == 1 ? QStringLiteral("---> 連番式")
                                    : QStringLiteral("---> 系統番号＋往復フラグ"))
              << QStringLiteral("設定可能な系統範囲 ---> 1 ～ ") + QString::number(info[9])
              << QStringLiteral("停留所認識範囲 ---> ") + QString::number(info[11]) +
                     QStringLiteral(" ～ ") + QString::number(info[12]);
    }
    lines << QStringLiteral("社名切り替え:") + yesNo(offersCompanySwitching(info));
    return lines;
}

qint32 SetPlgin(ResLib& lib, const QString& path, PluginInfoView& view)
{
    if (path.isEmpty())
        return 0;
    PlgInfo info;
    if (lib.Vk4_GetPlgInfo(path, info) == 0)
        return 0;
    lib.Vk4_SetPlgComment(path, [&view](const QString& text) { view.setPluginComment(text); });
    view.setPropertyLines(plgInfoLines(info));
    view.setPreviewSizeTwips(info[1], info[2]);
    if (offersCompanySwitching(info))
        lib.Vk4_SetCorpAddList(path, [&view](const QString& name) { view.addCompany(name); });
    return 1;
}

QString pluginFileFilter()
{
    return QStringLiteral("整理券プラグイン(*.4SP)") + QChar(0) + QStringLiteral("*.4SP") +
           QChar(0) + QChar(0);
}

QString pluginDialogTitle()
{
    return QStringLiteral("プラグインの選択");
}

QString pluginRefusedText()
{
    return QStringLiteral("指定したファイルはプラグインでないか、内容が不正です");
}

QString pluginRefusedTitle()
{
    return QStringLiteral("プラグインロードエラー");
}

QString pluginRefusedMessage(ResLib& lib, const QString& path)
{
    QString text = pluginRefusedText();
    const QString why = lib.pluginRefusal(path);
    if (!why.isEmpty())
        text += u'\n' + why;
    return text + u'\n' + path;
}

PluginChoice choosePlugin(ResLib& lib, QObject* owner, PluginInfoView& view,
                          const QString& initialFile, QString& path)
{
    const QString chosen =
        lib.Vk3FileDlg(owner, 0, pluginFileFilter(), initialFile, pluginDialogTitle());
    if (chosen.isEmpty())
        return PluginChoice::Cancelled;
    view.clearCompanies();
    path = chosen;
    return SetPlgin(lib, chosen, view) == 0 ? PluginChoice::Refused : PluginChoice::Accepted;
}

} // namespace lumena
