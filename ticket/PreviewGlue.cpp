#include "ticket/PreviewGlue.h"

#include "reslib/Dialogs.h"
#include "reslib/Japanese.h"
#include "reslib/Units.h"
#include "ticket/PreviewClipboard.h"
#include "ticket/SeirikenPreview.h"
#include "ticket/TicketPreview.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>

namespace lumena {

namespace {
// The normal panel is 5385 twips wide outside and 5295 inside.
constexpr int PanelFrameTwips = PanelNormalWidthTwips - 5295;
} // namespace

void applyPreviewToggle(QWidget* panel, QAbstractButton* check4, bool open)
{
    const PreviewToggleState s = previewToggleState(open);
    if (check4) {
        check4->setText(s.caption);
        check4->setToolTip(s.toolTip);
    }
    if (panel) {
        const int width = twipsToPixels(s.panelWidthTwips - PanelFrameTwips);
        panel->setFixedWidth(width);
    }
}

QMenu* makePreviewMenu(SeirikenPreview* preview, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("MnuHide"));
    QAction* copy = menu->addAction(QStringLiteral("コピー(&C)"));
    copy->setObjectName(QStringLiteral("MnuHideCopy"));
    QObject::connect(copy, &QAction::triggered, preview,
                     [preview] { copyPreviewToClipboard(preview->picture()); });
    QObject::connect(preview, &SeirikenPreview::contextMenuWanted, menu,
                     [menu](const QPoint& at) { menu->popup(at); });
    return menu;
}

void choosePluginFile(ResLib& lib, QWidget* dialog, PluginInfoView& view, QLineEdit* pathBox,
                      const QString& samplesFolder)
{
    const QString start = dialogs::startIn(pathBox ? pathBox->text() : QString(), samplesFolder);
    QString path;
    switch (choosePlugin(lib, dialog, view, start, path)) {
    case PluginChoice::Cancelled:
        return;
    case PluginChoice::Refused: {
        QMessageBox box(QMessageBox::Critical, pluginRefusedTitle(),
                        japanese::wrapLines(pluginRefusedMessage(lib, path)), QMessageBox::Ok,
                        dialog);
        japanese::setButtonTexts(box);
        box.exec();
        return;
    }
    case PluginChoice::Accepted:
        if (pathBox)
            pathBox->setText(path);
        return;
    }
}

void clearPluginFile(QLineEdit* pathBox, QListWidget* lines, QPlainTextEdit* comment)
{
    if (pathBox)
        pathBox->clear();
    if (lines)
        lines->clear();
    if (comment)
        comment->clear();
}

} // namespace lumena
