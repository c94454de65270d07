#include "panel/PanelWindow.h"

#include "panel/RouteState.h"
#include "panel/RunController.h"
#include "reslib/ErrorCodes.h"
#include "reslib/Host.h"
#include "reslib/Japanese.h"
#include "reslib/ResLib.h"
#include "reslib/ScreenFit.h"
#include "reslib/Units.h"
#include "sound/SoundPorts.h"
#include "ticket/PreviewGlue.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace lumena {

namespace {

// Client size with the preview hidden.
constexpr int NormalWidth = 353;
constexpr int PanelHeight = 173;

QString modelName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

PanelWindow::PanelWindow(const Ports& ports, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ports(ports)
{
    setObjectName(u"frmCtl"_s);
    setWindowTitle(u"集中操作盤"_s);
    QFont panelFont(u"IPAPGothic"_s);
    panelFont.setPixelSize(12);
    setFont(panelFont);
    setFixedSize(NormalWidth, PanelHeight);

    buildEntryGroups();
    buildControls();
    buildPreview();

    // Ctrl+Q asks the quit question, from either window: without a window
    // manager there is no other way to close the panel.
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quit->setObjectName(u"QuitShortcut"_s);
    quit->setContext(Qt::ApplicationShortcut);
    connect(quit, &QShortcut::activated, this, &QWidget::close);

    TapeLoader& tape = *this;
    m_run = std::make_unique<RunController>(ports.data, ports.runOptions, ports.board, *this,
                                            ports.sound, tape, ports.resLib, ports.host);

    // Loading the panel names the board after the model (the executable's name).
    m_ports.panelBoard.setBoardCaption(boardCaption(modelName()));
}

PanelWindow::~PanelWindow() = default;

void PanelWindow::pressKey(int key)
{
    m_ports.sound.PlaySnd(m_ports.options.resetSound(), u"S1"_s, false, 0);
    m_keypad.press(key);
    m_label2[0]->setText(m_keypad.route);
    m_label2[2]->setText(m_keypad.section);
}

void PanelWindow::setRouteFrom(int group)
{
    if (group == 0) {
        QList<int> route, section;
        for (QListWidget* list : m_list2)
            route << list->currentRow();
        for (QListWidget* list : m_list3)
            section << list->currentRow();
        m_run->SetRoute(dialText(route), dialText(section));
    } else {
        m_run->SetRoute(m_keypad.route, m_keypad.section);
    }
}

// Group `index` goes behind the other one, which comes to the front: what a
// double-click on a group does, and what the settings file's panel mode restores.
void PanelWindow::sendEntryGroupBehind(int index)
{
    index = index == 1 ? 1 : 0;
    QGroupBox* behind = m_frame1[index];
    QGroupBox* front = m_frame1[1 - index];
    behind->hide();
    front->show();
    front->raise();
    m_panelMode = static_cast<qint16>(index);
}

bool PanelWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 2; ++i) {
            if (watched == m_frame1[i] && m_frame1[i]->isEnabled()) {
                sendEntryGroupBehind(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PanelWindow::applyScrollSetting(int index)
{
    m_label1[index]->setText(QString::number(m_hscroll[index]->value()));
    m_ports.panelBoard.setChimeiScroll(static_cast<qint16>(m_hscroll[0]->value()),
                                       m_hscroll[1]->value());
}

void PanelWindow::Option4_Click(int index)
{
    if (index < 0 || index > 2)
        return;
    if (!m_option4[index]->isChecked())
        m_option4[index]->setChecked(true);

    const BacklightPlan plan = planBacklight(m_ports.options, index);
    Error error;
    if (plan.source == BacklightPlan::BuiltIn) {
        m_ports.panelBoard.setBackgroundPicture(m_ports.panelBoard.builtInPicture(index));
    } else if (!plan.file.isEmpty() && QFileInfo::exists(plan.file)) {
        // A user picture that has gone away leaves the board as it is.
        QImage picture;
        error = readPanelPicture(plan.file, picture);
        if (!error) {
            m_ports.panelBoard.setBackgroundPicture(picture);
            m_reportedPictures.remove(plan.file);
        }
    }
    if (error && !m_reportedPictures.contains(plan.file)) {
        m_reportedPictures.insert(plan.file);
        QString text = backlightErrorText(error.code);
        if (!error.description.isEmpty())
            text += u"\r\n"_s + error.description;
        text += u"\r\n"_s + plan.file;
        QMessageBox box(QMessageBox::Critical, u"エラー"_s, japanese::wrapLines(text),
                        QMessageBox::Ok, this);
        japanese::setButtonTexts(box);
        box.exec();
    }
    // The ticket numbers take this state's colour whatever became of the picture.
    m_ports.panelBoard.setSeiriNumColor(plan.color);
}

int PanelWindow::BacklightIndex() const
{
    for (int i = 0; i < 3; ++i)
        if (m_option4[i]->isChecked())
            return i;
    return -1;
}

void PanelWindow::setDisplayCleared(bool cleared)
{
    BoardDisplay& board = m_ports.board;
    if (cleared) {
        board.SetChimei(QString());
        for (int k = 1; k <= 50; ++k)
            board.ResetDegit(k, false);
        m_ports.panelBoard.setClockRunning(false);
        m_ports.panelBoard.clearClock();
    } else if (m_ports.panelBoard.clockVisible()) {
        m_ports.panelBoard.setClockRunning(true);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_frame1[0]), static_cast<QWidget*>(m_frame1[1]),
                       static_cast<QWidget*>(m_command2[0]), static_cast<QWidget*>(m_command2[1]),
                       static_cast<QWidget*>(m_frame6)})
        w->setEnabled(!cleared);
    m_tapeFrame->setEnabled(!cleared && m_speechAvailable);
    if (!cleared)
        m_run->DispData(static_cast<qint16>(m_ports.data.CurrentPos() + 1));
}

void PanelWindow::openOptions()
{
    m_ports.panelBoard.setBoardEnabled(false);
    setEnabled(false);
    m_ports.options.showOptions();
    m_ports.panelBoard.setBoardEnabled(true);
    setEnabled(true);
    // A plug-in chosen (or the preview switched) shows on the current ticket.
    m_run->RedrawPreview();
    // Changed display settings take effect on the stop name; fares stay.
    m_ports.board.SetChimei(QString());
    m_ports.board.SetChimei(m_ports.data.RouteTable(m_ports.data.CurrentPos() + 1).StopName);
}

void PanelWindow::showVersion()
{
    const QString text = versionText(modelName(), QCoreApplication::applicationVersion(),
                                     m_ports.host.now().date().year());
    m_ports.panelBoard.setBoardEnabled(false);
    m_ports.resLib.Call_dlg110(this, 1, text);
    m_ports.panelBoard.setBoardEnabled(true);
}

bool PanelWindow::lateNight() const
{
    return m_check2->isChecked();
}

int PanelWindow::companyIndex() const
{
    return m_combo1->currentIndex();
}

void PanelWindow::enableStepping()
{
    m_command2[0]->setEnabled(true);
    m_command2[1]->setEnabled(true);
    m_check1->setEnabled(true);
}

void PanelWindow::clearPreview()
{
    m_preview->clearPicture();
}

QImage* PanelWindow::previewImage()
{
    return m_preview->image();
}

void PanelWindow::repaintPreview()
{
    m_preview->repaint();
}

void PanelWindow::GetCtrlDataInfo(ini::CtrlDataInfo& out) const
{
    out.CtrlPanelMode = m_panelMode;
    out.ScrollSpeed = m_hscroll[0]->value();
    out.ScrollInterval = m_hscroll[1]->value();
    out.MidnightFare = m_check2->isChecked() ? 1 : 0;
    out.PreviewOpen = m_check4->isChecked() ? 1 : 0;
    out.CtrlLeft = pixelsToTwips(pos().x());
    out.CtrlTop = pixelsToTwips(pos().y());
}

void PanelWindow::SetCtrlDataInfo(const ini::CtrlDataInfo& in)
{
    move(twipsToPixels(in.CtrlLeft), twipsToPixels(in.CtrlTop));
    keepOnScreen();
    // Values outside a bar's range are held to it.
    m_hscroll[0]->setValue(in.ScrollSpeed);
    m_hscroll[1]->setValue(in.ScrollInterval);
    m_panelMode = in.CtrlPanelMode == 1 ? 1 : 0;
    m_check4->setChecked(in.PreviewOpen != 0);
    m_check2->setChecked(in.MidnightFare != 0);
    sendEntryGroupBehind(m_panelMode);
}

void PanelWindow::LoadTapeData(const QString& folder, const QString& route)
{
    emit tapeDataWanted(folder, route);
}

void PanelWindow::setTapeCaption(const QString& caption)
{
    m_tapeFrame->setTitle(caption);
}

void PanelWindow::setTapeFrameEnabled(bool enabled)
{
    m_tapeFrame->setEnabled(enabled);
}

void PanelWindow::setTapeButtonsEnabled(bool enabled)
{
    for (QPushButton* b : m_tapeFrame->findChildren<QPushButton*>())
        b->setEnabled(enabled);
}

void PanelWindow::SetPreviewSize(int widthTwips, int heightTwips)
{
    m_preview->setSizeTwips(widthTwips, heightTwips);
}

void PanelWindow::ClearCompanyList()
{
    m_combo1->clear();
}

void PanelWindow::AddCompany(const QString& name)
{
    // Filling the list chooses nothing: tickets get -1 until the operator picks one.
    const QSignalBlocker block(m_combo1);
    const int chosen = m_combo1->currentIndex();
    m_combo1->addItem(name);
    m_combo1->setCurrentIndex(chosen);
}

void PanelWindow::keepOnScreen()
{
    move(onScreenPosition(frameGeometry(), m_ports.host.screenAreas()));
}

// Opening the ticket preview widens the panel to the right: at its place in
// the bottom-right corner it moves left so that the preview stays on screen.
void PanelWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    keepOnScreen();
}

void PanelWindow::closeEvent(QCloseEvent* event)
{
    if (m_quitting || m_sessionEnding) {
        event->accept();
        return;
    }
    QMessageBox box(QMessageBox::Question, u"ルメナの終了確認"_s, u"ルメナを終了しますか？"_s,
                    QMessageBox::Yes | QMessageBox::No, this);
    japanese::setButtonTexts(box);
    if (box.exec() != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    m_quitting = true;
    event->accept();
    quitProgram();
}

void PanelWindow::quitProgram()
{
    m_ports.board.SetChimei(QString());
    m_ports.sound.CloseAllSnd();
    if (m_quit.TermSpeech)
        m_quit.TermSpeech();
    if (m_quit.SaveIni)
        m_quit.SaveIni();
    if (m_quit.endProgram)
        m_quit.endProgram();
}

} // namespace lumena
