// The resource library's standard dialogs: version box, date picker, file,
// folder and colour choice. Each is a Qt dialog with named parts, and the
// file and colour dialogs are Qt's own widgets (not the platform's), so the
// same dialog shows everywhere and tests can answer it. Their buttons read in
// Japanese and the calendar uses the Japanese locale, whatever the user's.

#include "reslib/Colors.h"
#include "reslib/Dialogs.h"
#include "reslib/Japanese.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumena::dialogs {

namespace {

// One name filter per description/pattern pair. The pattern list goes in
// parentheses at the end (where Qt takes it from), unless the description
// already ends with exactly that; upper-case variants are added because the
// patterns were written for a file system that ignores case.
QStringList nameFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(QChar(u'\0'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& desc = parts[i];
        const QString& pattern = parts[i + 1];
        if (desc.isEmpty() && pattern.isEmpty())
            break;
        QStringList patterns;
        for (const QString& p : pattern.split(u';', Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            patterns << t;
            if (t.toUpper() != t)
                patterns << t.toUpper();
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        const QString own = QStringLiteral("(%1)").arg(pattern);
        QString base = desc;
        if (base.endsWith(own))
            base.chop(own.size());
        out << QStringLiteral("%1(%2)").arg(base, patterns.join(u' '));
    }
    return out;
}

} // namespace

qint32 versionBox(QWidget* owner, const QString& text)
{
    QDialog dlg(owner);
    dlg.setObjectName(QStringLiteral("dlg110"));
    dlg.setWindowTitle(QStringLiteral("バージョン情報"));
    auto* layout = new QVBoxLayout(&dlg);
    auto* label = new QLabel(text, &dlg);
    label->setObjectName(QStringLiteral("lblVersion"));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    layout->addWidget(dialogButtons(&dlg, QDialogButtonBox::Ok));
    dlg.exec();
    return 1;
}

qint32 datePicker(QWidget* owner, DialogDate& date)
{
    QDialog dlg(owner);
    dlg.setObjectName(QStringLiteral("dlg111"));
    dlg.setWindowTitle(QStringLiteral("日付の選択"));
    auto* layout = new QVBoxLayout(&dlg);
    auto* calendar = new QCalendarWidget(&dlg);
    calendar->setObjectName(QStringLiteral("calendar"));
    calendar->setLocale(japanese::locale());
    const QDate given(date.year, date.month, date.day);
    if (given.isValid())
        calendar->setSelectedDate(given);
    layout->addWidget(calendar);
    layout->addWidget(dialogButtons(&dlg, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    QObject::connect(calendar, &QCalendarWidget::activated, &dlg, &QDialog::accept);
    if (dlg.exec() != QDialog::Accepted)
        return 0;
    const QDate d = calendar->selectedDate();
    date = DialogDate{};
    date.year = static_cast<qint16>(d.year());
    date.month = static_cast<qint16>(d.month());
    date.dayOfWeek = static_cast<qint16>(d.dayOfWeek() % 7); // Sunday = 0
    date.day = static_cast<qint16>(d.day());
    return 1;
}

QString openFile(QWidget* owner, const QString& filter, const QString& initialFile,
                 const QString& title)
{
    QFileDialog dlg(owner, title);
    dlg.setObjectName(QStringLiteral("Vk3FileDlg"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setLabelText(QFileDialog::Accept, QStringLiteral("開く"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    const QStringList filters = nameFilters(filter);
    if (!filters.isEmpty())
        dlg.setNameFilters(filters);
    if (!initialFile.isEmpty()) {
        const QFileInfo start(initialFile);
        if (start.isDir()) {
            dlg.setDirectory(initialFile);
        } else {
            dlg.setDirectory(start.absolutePath());
            if (start.exists())
                dlg.selectFile(start.fileName());
        }
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

QString startIn(const QString& current, const QString& fallbackFolder)
{
    const QFileInfo info(current);
    if (!current.isEmpty() && info.isAbsolute() && info.absoluteDir().exists())
        return current;
    return fallbackFolder;
}

QString chooseFolder(QWidget* owner, const QString& prompt)
{
    QFileDialog dlg(owner, prompt);
    dlg.setObjectName(QStringLiteral("Vk3FolderDlg"));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setLabelText(QFileDialog::Accept, QStringLiteral("選択"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return {};
    return dlg.selectedFiles().first();
}

qint32 chooseColor(QWidget* owner, quint32& color, CustColors& cust)
{
    // The 16 custom slots are Qt's process-wide ones: load them from the
    // record, and copy them back whatever the user answers.
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, colorFromBgr(cust[static_cast<size_t>(i)]));
    QColorDialog dlg(colorFromBgr(color), owner);
    dlg.setObjectName(QStringLiteral("Vk3ChooseColor"));
    dlg.setOption(QColorDialog::DontUseNativeDialog);
    if (auto* buttons = dlg.findChild<QDialogButtonBox*>())
        japanese::setButtonTexts(*buttons);
    const bool accepted = dlg.exec() == QDialog::Accepted;
    for (int i = 0; i < 16; ++i)
        cust[static_cast<size_t>(i)] = bgrFromColor(QColorDialog::customColor(i));
    if (!accepted)
        return 0;
    color = bgrFromColor(dlg.selectedColor());
    return 1;
}

// The OK (and Cancel) row of every dialog of the library: named cmdOK and
// cmdCancel, captioned "OK" and "キャンセル", closing the dialog.
QDialogButtonBox* dialogButtons(QDialog* dlg, QDialogButtonBox::StandardButtons which)
{
    auto* box = new QDialogButtonBox(which, dlg);
    box->setObjectName(QStringLiteral("buttons"));
    japanese::setButtonTexts(*box);
    if (auto* ok = box->button(QDialogButtonBox::Ok)) {
        ok->setObjectName(QStringLiteral("cmdOK"));
        ok->setDefault(true);
    }
    if (auto* cancel = box->button(QDialogButtonBox::Cancel))
        cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(box, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
    return box;
}

} // namespace lumena::dialogs
