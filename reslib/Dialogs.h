#pragma once
// The resource library's dialogs behind WidgetResLib: the digit settings
// (DigitDialog.cpp) and the standard ones (StdDialogs.cpp). Each returns what
// the matching ResLib call returns.

#include "reslib/ResLib.h"

#include <QDialogButtonBox>

class QDialog;
class QWidget;

namespace lumena::dialogs {

// Zero handling, shift and zero fill of a digit element (bounded by keta).
qint32 digitSettings(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift,
                     qint16& fillZero);

// The OK (and Cancel) button row, named cmdOK / cmdCancel, wired to the dialog.
QDialogButtonBox* dialogButtons(QDialog* dlg, QDialogButtonBox::StandardButtons which);

qint32 versionBox(QWidget* owner, const QString& text);
qint32 datePicker(QWidget* owner, DialogDate& date);
// Opens in `initialFile`'s folder with that file chosen, or in
// `initialFile` itself when it is a folder.
QString openFile(QWidget* owner, const QString& filter, const QString& initialFile,
                 const QString& title);
// Where a file dialog for a setting opens: its current value when that is an
// absolute path in a folder that exists, else `fallbackFolder` (the samples).
QString startIn(const QString& current, const QString& fallbackFolder);
QString chooseFolder(QWidget* owner, const QString& prompt);
qint32 chooseColor(QWidget* owner, quint32& color, CustColors& cust);

} // namespace lumena::dialogs
