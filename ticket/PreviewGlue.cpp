#include "ticket/PreviewGlue.h"

#include "reslib/Units.h"
#include "ticket/PreviewClipboard.h"
#include "ticket/SeirikenPreview.h"
#include "ticket/TicketPreview.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>

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

WidgetPluginInfoView::WidgetPluginInfoView(QWidget* comment, QListWidget* lines,
                                           QComboBox* companies,
                                           std::function<void(int, int)> previewSize)
    : m_comment(comment), m_lines(lines), m_companies(companies),
      m_previewSize(std::move(previewSize))
{
}

void WidgetPluginInfoView::setPluginComment(const QString& text)
{
    if (auto* p = qobject_cast<QPlainTextEdit*>(m_comment))
        p->setPlainText(text);
    else if (auto* t = qobject_cast<QTextEdit*>(m_comment))
        t->setPlainText(text);
    else if (auto* l = qobject_cast<QLineEdit*>(m_comment))
        l->setText(text);
}

void WidgetPluginInfoView::setPropertyLines(const QStringList& lines)
{
    if (!m_lines)
        return;
    m_lines->clear();
    m_lines->addItems(lines);
}

void WidgetPluginInfoView::setPreviewSizeTwips(int width, int height)
{
    if (m_previewSize)
        m_previewSize(width, height);
}

void WidgetPluginInfoView::clearCompanies()
{
    if (m_companies)
        m_companies->clear();
}

void WidgetPluginInfoView::addCompany(const QString& name)
{
    if (!m_companies)
        return;
    // Filling the list selects nothing: the ticket gets -1 until the operator
    // picks a company.
    const QSignalBlocker block(m_companies);
    m_companies->addItem(name);
    m_companies->setCurrentIndex(-1);
}

void applyUseSeiriPrev(bool checked, QWidget* pluginFrame, QWidget* dateFrame)
{
    for (QWidget* w : {pluginFrame, dateFrame}) {
        if (!w)
            continue;
        w->setEnabled(checked);
        w->setVisible(checked);
    }
}

void choosePluginFile(ResLib& lib, QWidget* dialog, PluginInfoView& view, QLineEdit* pathBox)
{
    QString path;
    switch (choosePlugin(lib, dialog, view, path)) {
    case PluginChoice::Cancelled:
        return;
    case PluginChoice::Refused:
        QMessageBox::critical(dialog, pluginRefusedTitle(), pluginRefusedText());
        return;
    case PluginChoice::Accepted:
        if (pathBox)
            pathBox->setText(path);
        return;
    }
}

void clearPluginFile(QLineEdit* pathBox, QListWidget* lines, QWidget* comment)
{
    if (pathBox)
        pathBox->clear();
    if (lines)
        lines->clear();
    WidgetPluginInfoView(comment, nullptr, nullptr, {}).setPluginComment(QString());
}

} // namespace lumena
