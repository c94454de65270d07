#pragma once
// The ticket preview's behaviour on the windows: the panel's toggle, copy
// menu and company list, and the options dialog's plug-in page. The windows
// own the controls; these functions give them their reactions.

#include "reslib/ResLib.h"
#include "ticket/PluginInfo.h"

#include <functional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QWidget;

namespace lumena {

class SeirikenPreview;

// Check4: caption, tooltip and the panel's width (5385 or 9000 twips, the
// window's outer width; the client area is 90 twips narrower).
void applyPreviewToggle(QWidget* panel, QAbstractButton* check4, bool open);

// The pop-up menu MnuHide with its item MnuHideCopy "コピー(&C)", which puts
// the preview's picture on the clipboard; shown at a right-button press on
// the preview.
QMenu* makePreviewMenu(SeirikenPreview* preview, QWidget* parent);

// SetPlgin's places on real controls: the remarks box (QPlainTextEdit,
// QTextEdit or QLineEdit), the property list, the panel's company list and a
// callback that sizes the panel's preview.
class WidgetPluginInfoView final : public PluginInfoView {
public:
    WidgetPluginInfoView(QWidget* comment, QListWidget* lines, QComboBox* companies,
                         std::function<void(int, int)> previewSize);
    void setPluginComment(const QString& text) override;
    void setPropertyLines(const QStringList& lines) override;
    void setPreviewSizeTwips(int width, int height) override;
    void clearCompanies() override;
    void addCompany(const QString& name) override;

private:
    QWidget* m_comment;
    QListWidget* m_lines;
    QComboBox* m_companies;
    std::function<void(int, int)> m_previewSize;
};

// chkUseSeiriPrev: the plug-in frame and the date frame are enabled and
// visible exactly while the box is checked.
void applyUseSeiriPrev(bool checked, QWidget* pluginFrame, QWidget* dateFrame);

// Command1: choose a plug-in file. On acceptance the path box takes the path;
// a refused file gives the stop message and leaves the path box as it was.
void choosePluginFile(ResLib& lib, QWidget* dialog, PluginInfoView& view, QLineEdit* pathBox);

// Command11: empties the path box, the property list and the remarks box.
void clearPluginFile(QLineEdit* pathBox, QListWidget* lines, QWidget* comment);

} // namespace lumena
