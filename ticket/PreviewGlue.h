#pragma once
// The ticket preview's behaviour on the windows: the panel's toggle and copy
// menu, and the choose and clear buttons of the options dialog's plug-in
// page. The windows own the controls; these functions give them their
// reactions.

#include "reslib/ResLib.h"
#include "ticket/PluginInfo.h"

class QAbstractButton;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
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

// Command1: choose a plug-in file, the dialog opening at the path box's file
// or else in `samplesFolder`. On acceptance the path box takes the path; a
// refused file gives the stop message and leaves the path box as it was.
void choosePluginFile(ResLib& lib, QWidget* dialog, PluginInfoView& view, QLineEdit* pathBox,
                      const QString& samplesFolder = {});

// Command11: empties the path box, the property list and the remarks box.
void clearPluginFile(QLineEdit* pathBox, QListWidget* lines, QPlainTextEdit* comment);

} // namespace lumena
