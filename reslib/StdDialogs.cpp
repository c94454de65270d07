#include "reslib/Dialogs.h"

namespace lumena::dialogs {

// Not written yet: every dialog behaves as cancelled.
qint32 versionBox(QWidget*, const QString&) { return 0; }
qint32 datePicker(QWidget*, DialogDate&) { return 0; }
QString openFile(QWidget*, const QString&, const QString&, const QString&) { return {}; }
QString chooseFolder(QWidget*, const QString&) { return {}; }
qint32 chooseColor(QWidget*, quint32&, CustColors&) { return 0; }

} // namespace lumena::dialogs
