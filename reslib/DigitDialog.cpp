#include "reslib/Dialogs.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace lumena::dialogs {

namespace {

struct ZeroModeChoice {
    const char16_t* caption;
    const char16_t* explanation;
};

// Captions and explanations of the four zero-handling modes, in mode order.
constexpr ZeroModeChoice kZeroModes[] = {
    {u"0 を表示しない", u"値が 0 または空欄のときは、どの桁も点灯しません。"},
    {u"0 を表示する", u"値が 0 または空欄のときは、右端の桁に 0 を表示します。"},
    {u"-1 を 0 として表示する",
     u"値が -1 のときは 0 を表示し、値が 0 のときはどの桁も点灯しません。"},
    {u"-1・0・空欄を 0 として表示する", u"値が -1、0 または空欄のときは、0 を表示します。"},
};

} // namespace

// Zero handling, shift and zero fill of one digit element. The spin boxes are
// bounded by the element's cell count (shift 0..keta-1, fill 0..keta); a zero
// mode outside 0..3 on entry leaves every mode unchosen and is kept unless
// the user picks one. Cancel leaves the three values untouched.
qint32 digitSettings(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero)
{
    QDialog dlg(owner);
    dlg.setObjectName(QStringLiteral("dlgDigitSettings"));
    dlg.setWindowTitle(QStringLiteral("表示設定"));
    dlg.setModal(true);
    dlg.setMinimumWidth(440);

    auto* layout = new QVBoxLayout(&dlg);

    auto* zeroBox = new QGroupBox(QStringLiteral("ゼロの表示"), &dlg);
    zeroBox->setObjectName(QStringLiteral("fraZeroMode"));
    auto* zeroLayout = new QVBoxLayout(zeroBox);
    auto* modes = new QButtonGroup(&dlg);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kZeroModes[i].caption), zeroBox);
        option->setObjectName(QStringLiteral("optZeroMode(%1)").arg(i));
        auto* note = new QLabel(QString::fromUtf16(kZeroModes[i].explanation), zeroBox);
        note->setObjectName(QStringLiteral("lblZeroMode(%1)").arg(i));
        note->setWordWrap(true);
        note->setIndent(20);
        modes->addButton(option, i);
        zeroLayout->addWidget(option);
        zeroLayout->addWidget(note);
    }
    if (zeroMode >= 0 && zeroMode < 4)
        modes->button(zeroMode)->setChecked(true);
    layout->addWidget(zeroBox);

    const int cells = std::max<int>(0, keta);
    auto* grid = new QGridLayout;
    auto* shiftLabel = new QLabel(QStringLiteral("シフト（右端から空ける桁数）"), &dlg);
    auto* shiftBox = new QSpinBox(&dlg);
    shiftBox->setObjectName(QStringLiteral("spnShift"));
    shiftBox->setRange(0, std::max(0, cells - 1));
    shiftBox->setValue(std::clamp<int>(shift, 0, shiftBox->maximum()));
    shiftLabel->setBuddy(shiftBox);
    auto* fillLabel =
        new QLabel(QStringLiteral("ゼロ埋め（0 で埋めて表示する桁数、0 は埋めない）"), &dlg);
    auto* fillBox = new QSpinBox(&dlg);
    fillBox->setObjectName(QStringLiteral("spnFillZero"));
    fillBox->setRange(0, cells);
    fillBox->setValue(std::clamp<int>(fillZero, 0, fillBox->maximum()));
    fillLabel->setBuddy(fillBox);
    grid->addWidget(shiftLabel, 0, 0);
    grid->addWidget(shiftBox, 0, 1);
    grid->addWidget(fillLabel, 1, 0);
    grid->addWidget(fillBox, 1, 1);
    layout->addLayout(grid);

    layout->addWidget(dialogButtons(&dlg, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));

    if (dlg.exec() != QDialog::Accepted)
        return 0;
    if (modes->checkedId() >= 0)
        zeroMode = static_cast<qint16>(modes->checkedId());
    shift = static_cast<qint16>(shiftBox->value());
    fillZero = static_cast<qint16>(fillBox->value());
    return 1;
}

} // namespace lumena::dialogs
