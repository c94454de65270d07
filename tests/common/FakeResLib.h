#pragma once
// A ResLib for tests: records every call with its arguments and answers with
// values the test sets beforehand. No dialog is ever shown.

#include "reslib/ResLib.h"
#include "reslib/ShiftJis.h"

#include <QImage>
#include <QStringList>
#include <QVariantList>

namespace lumena::test {

class FakeResLib : public ResLib {
public:
    struct Call {
        QString name;
        QVariantList args;
    };
    std::vector<Call> calls;

    // Answers.
    qint32 dlg100Result = 0;
    qint16 dlg100ZeroMode = 0, dlg100Shift = 0, dlg100FillZero = 0;
    qint32 dlg111Result = 0;
    DialogDate dlg111Date;
    QString fileDlgResult;
    QString folderDlgResult;
    qint32 chooseColorResult = 0;
    quint32 chooseColorValue = 0;
    QString osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    qint32 plgInfoResult = 0;
    PlgInfo plgInfo;
    QString plgComment;
    QString plgRefusal;
    QStringList corpNames;

    QStringList callNames() const
    {
        QStringList n;
        for (const Call& c : calls)
            n << c.name;
        return n;
    }

    qint32 Call_dlg100(QObject*, qint16 keta, qint16& zeroMode, qint16& shift,
                       qint16& fillZero) override
    {
        calls.push_back({QStringLiteral("Call_dlg100"), {keta, zeroMode, shift, fillZero}});
        if (dlg100Result == 1) {
            zeroMode = dlg100ZeroMode;
            shift = dlg100Shift;
            fillZero = dlg100FillZero;
        }
        return dlg100Result;
    }
    qint32 Call_dlg110(QObject*, qint32 one, const QString& text) override
    {
        calls.push_back({QStringLiteral("Call_dlg110"), {one, text}});
        return 0;
    }
    qint32 Call_dlg111(QObject*, DialogDate& date) override
    {
        calls.push_back({QStringLiteral("Call_dlg111"), {}});
        if (dlg111Result)
            date = dlg111Date;
        return dlg111Result;
    }
    QString Vk3FileDlg(QObject*, qint32 zero, const QString& filter, const QString& initialFile,
                       const QString& title) override
    {
        calls.push_back({QStringLiteral("Vk3FileDlg"), {zero, filter, initialFile, title}});
        return fileDlgResult;
    }
    QString Vk3FolderDlg(QObject*, const QString& prompt) override
    {
        calls.push_back({QStringLiteral("Vk3FolderDlg"), {prompt}});
        return folderDlgResult;
    }
    qint32 Vk3ChooseColor(QObject*, quint32& color, CustColors&) override
    {
        calls.push_back({QStringLiteral("Vk3ChooseColor"), {color}});
        if (chooseColorResult)
            color = chooseColorValue;
        return chooseColorResult;
    }
    QString GetOsInfo() override
    {
        calls.push_back({QStringLiteral("GetOsInfo"), {}});
        return osName;
    }
    qint32 Vk4_GetPlgInfo(const QString& path, PlgInfo& info) override
    {
        calls.push_back({QStringLiteral("Vk4_GetPlgInfo"), {path}});
        if (plgInfoResult)
            info = plgInfo;
        return plgInfoResult;
    }
    QString pluginRefusal(const QString& path) override
    {
        calls.push_back({QStringLiteral("pluginRefusal"), {path}});
        return plgRefusal;
    }
    qint32 Vk4_SetPlgComment(const QString& path,
                             const std::function<void(const QString&)>& setText) override
    {
        calls.push_back({QStringLiteral("Vk4_SetPlgComment"), {path}});
        setText(plgComment);
        return 1;
    }
    qint32 Vk4_SetCorpAddList(const QString& path,
                              const std::function<void(const QString&)>& addItem) override
    {
        calls.push_back({QStringLiteral("Vk4_SetCorpAddList"), {path}});
        for (const QString& n : corpNames)
            addItem(n);
        return 1;
    }
    qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                            const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                            qint16 company) override
    {
        calls.push_back(
            {QStringLiteral("Vk4_DrawSeiriken"),
             {path, dc != nullptr, stopName, date, time, routeNumber, ticketNo, row, company}});
        return 0;
    }
};

} // namespace lumena::test
