#include "reslib/Dialogs.h"

namespace lumena::dialogs {

qint32 digitSettings(QWidget*, qint16, qint16&, qint16&, qint16&)
{
    return 0; // not written yet: behaves as cancelled
}

} // namespace lumena::dialogs
