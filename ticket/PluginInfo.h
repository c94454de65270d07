#pragma once
// Showing a ticket plug-in in the options dialog and on the panel: the
// property lines of the list "List1", SetPlgin's steps, and the choice of a
// plug-in file. UI-free: the dialog and the panel are reached through
// PluginInfoView.

#include "reslib/ResLib.h"

#include <QStringList>

class QObject;

namespace lumena {

// The places a plug-in's description goes: the remarks box and property list
// of the options dialog, the panel's preview size and company list.
class PluginInfoView {
public:
    virtual ~PluginInfoView() = default;
    virtual void setPluginComment(const QString& text) = 0;      // txtPlginComment
    virtual void setPropertyLines(const QStringList& lines) = 0; // List1, emptied first
    virtual void setPreviewSizeTwips(int width, int height) = 0; // picSeirikenPrev
    virtual void clearCompanies() = 0;                           // panel Combo1
    virtual void addCompany(const QString& name) = 0;
};

// The property lines for a plug-in's information block: the five print
// capabilities, the four bar-code lines when it prints bar codes, and the
// company-switching line.
QStringList plgInfoLines(const PlgInfo& info);

// Company switching is offered for a value of at least 1.
inline bool offersCompanySwitching(const PlgInfo& info)
{
    return info[13] >= 1;
}

// Reads and shows the plug-in at `path`. 0 = not accepted (nothing changed),
// nonzero = accepted and shown.
qint32 SetPlgin(ResLib& lib, const QString& path, PluginInfoView& view);

// The file dialog's filter and title for choosing a plug-in.
QString pluginFileFilter();
QString pluginDialogTitle();
// The refusal message box of a chosen file.
QString pluginRefusedText();
QString pluginRefusedTitle();
// The box's text for the refused file at `path`: pluginRefusedText(), the
// reason the plug-in reader gives and the file, each on a line of its own.
QString pluginRefusedMessage(ResLib& lib, const QString& path);

enum class PluginChoice { Cancelled, Refused, Accepted };

// The choose button: file dialog (opening at `initialFile`), then (unless
// cancelled) the company list is emptied and SetPlgin runs. `path` receives the chosen file,
// accepted or refused. The caller shows the refusal message and keeps its path box on Refused.
PluginChoice choosePlugin(ResLib& lib, QObject* owner, PluginInfoView& view,
                          const QString& initialFile, QString& path);

} // namespace lumena
