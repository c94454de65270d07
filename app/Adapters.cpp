#include "app/Adapters.h"

#include "settings/OptionPages.h"
#include "settings/OptionsDialog.h"

#include <QLineEdit>
#include <QRadioButton>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumena {

// Ticket-number colour buttons Command5(0..2), and per state the user-panel
// choice and file: OFF Option3(6), ON1 Option3(2), ON2 Option3(5).
quint32 OptionPanelPort::seiriNumColor(int state) const
{
    return m_options.page1->Command5[size_t(state)]->faceColor();
}

bool OptionPanelPort::panelAuto() const
{
    return m_options.page1->Option3[0]->isChecked();
}

bool OptionPanelPort::panelUser(int state) const
{
    static constexpr size_t userOption[3] = {6, 2, 5};
    return m_options.page1->Option3[userOption[state]]->isChecked();
}

QString OptionPanelPort::panelFile(int state) const
{
    return m_options.page1->txtSelectPanel[size_t(state)]->text();
}

QString OptionPanelPort::resetSound() const
{
    return m_options.resetSound();
}

QString OptionPanelPort::routeSetSound() const
{
    return m_options.routeSetSound();
}

void OptionPanelPort::showOptions()
{
    m_options.exec();
}

QString bundledSampleData()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + u"/samples/data"_s,
        exeDir + u"/../share/lumena/samples/data"_s,
        QStringLiteral(LUMENA_SOURCE_SAMPLES),
    };
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return {};
}

QString RunOptionsWithSamples::fareDataDir() const
{
    const QString typed = m_options.fareDataDir();
    return typed.isEmpty() ? m_samples : typed;
}

QString RunOptionsWithSamples::tapeDataDir() const
{
    const QString typed = m_options.tapeDataDir();
    return typed.isEmpty() ? m_samples : typed;
}

} // namespace lumena
