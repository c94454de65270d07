#include "panel/RunController.h"

#include "panel/RouteFile.h"
#include "panel/RunRules.h"
#include "reslib/Host.h"
#include "reslib/InputFile.h"
#include "reslib/ResLib.h"
#include "sound/SoundPorts.h"
#include "ticket/TicketDate.h"

#include <QFile>

namespace lumena {

namespace {

const QString kChannelRouteSet = QStringLiteral("S1");
const QString kChannelStep = QStringLiteral("S2");

} // namespace

RunController::RunController(RouteState& data, RunOptions& options, BoardDisplay& board,
                             PanelControls& panel, SoundPlayer& sound, TapeLoader& tape,
                             ResLib& resLib, Host& host)
    : m_data(data), m_options(options), m_board(board), m_panel(panel), m_sound(sound),
      m_tape(tape), m_resLib(resLib), m_host(host)
{
}

QString RunController::emptyRouteMessage()
{
    return QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
}

QString RunController::noRouteFileMessage()
{
    return QStringLiteral("指定した系統のデータがありません...");
}

QString RunController::sectionTooLargeMessage()
{
    return QStringLiteral(
        "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");
}

bool RunController::SetRoute(const QString& routeText, const QString& sectionText)
{
    const QString fareDir = withSeparator(m_options.fareDataDir());
    const QString tapeDir = withSeparator(m_options.tapeDataDir());

    m_sound.PlaySnd(m_options.routeSetSound(), kChannelRouteSet, false, 0);

    m_data.setRouteNumber(routeText);
    const qint16 section = sectionFromText(sectionText);
    m_data.setStartSection(section);
    const QString route = normalizedRoute(routeText);

    m_tape.LoadTapeData(tapeDir, route);

    const QString path = fareDir + route + QStringLiteral(".hy3");
    // Every refusal names the file on a line of its own.
    const auto refuse = [this, &path](const QString& text) {
        m_host.message(text + u'\n' + path);
        return false;
    };
    QFile file(path);
    switch (openInputFile(file)) {
    case InputCheck::Ok:
        break;
    case InputCheck::Missing:
        return refuse(noRouteFileMessage());
    default: // a folder, FIFO or device, or a file that cannot be opened
        return refuse(errorDescription(ErrPathFileAccess));
    }

    const QByteArray head = file.read(routefile::HeaderSize);
    const routefile::Scan header = routefile::scan(head, 0);
    if (Error e = routefile::cutError(header))
        return refuse(e.description);
    const qint16 count = header.count;
    if (count == 0) {
        file.close();
        return refuse(emptyRouteMessage());
    }
    if (count < 0)
        return refuse(routefile::negativeCountError(count).description);
    if (count - 1 < section) {
        file.close();
        return refuse(sectionTooLargeMessage());
    }
    if (count > RouteState::RouteRows)
        return refuse(routefile::tooManyRecordsError(count).description);

    // No record can be longer than this, so a huge file is never read whole;
    // nor more than the file holds, as read() sets aside all it is asked for.
    const qint64 maxBytes =
        qMin(qint64(count) * (routefile::RecordFixedSize + routefile::MaxNameBytes),
             qMax<qint64>(0, file.size() - file.pos()));
    QByteArray image = head + file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return refuse(errorDescription(ErrDeviceIo));
    file.close();
    routefile::Scan body = routefile::scan(image);
    if (Error e = routefile::cutError(body))
        return refuse(e.description);

    // Accepted: from here on the new route replaces the old one.
    m_data.SetRouteTable(body.records);
    m_data.setRecordCount(count);
    m_data.setCurrentPos(static_cast<qint16>(section - 1));

    m_board.SetChimei(QStringLiteral("系統選別中"));
    for (int k = 1; k <= FareCells; ++k)
        m_board.ResetDegit(k, true);
    m_host.processEvents();
    m_host.wait(3000);
    for (int k = 1; k <= FareCells; ++k)
        m_board.setDegitValue(k, 0);

    m_panel.enableStepping();
    m_data.setRouteSetDate(
        routeSetDateText(m_options.dateMode(), m_host.now().date(), m_options.fixedDate()));
    DispData(static_cast<qint16>(m_data.CurrentPos() + 1));
    return true;
}

void RunController::Step(int index)
{
    const qint16 pos = m_data.CurrentPos();
    if (index == 0) {
        if (pos <= 0)
            return;
        m_data.setCurrentPos(static_cast<qint16>(pos - 1));
    } else if (index == 1) {
        if (pos >= m_data.RecordCount() - 1)
            return;
        m_data.setCurrentPos(static_cast<qint16>(pos + 1));
    } else {
        return;
    }
    const qint16 stop = static_cast<qint16>(m_data.CurrentPos() + 1);
    if (const auto file = chooseStepSound(m_options, m_data.RouteTable(stop)))
        m_sound.PlaySnd(*file, kChannelStep, m_options.stepSoundSync(), 0);
    DispData(stop);
}

void RunController::DispData(qint16 stop)
{
    if (stop < 1 || stop > RouteState::RouteRows)
        return;
    const RouteRecord& row = m_data.RouteTable(stop);

    const DispInputs in = DispInputs::from(m_options, m_data.StartSection(), m_panel.lateNight());
    const QString& routeNumber = m_data.RouteNumber();
    for (const DegitWrite& w : planDegitWrites(row, stop, in)) {
        m_board.setDegitValue(w.cell, w.routeText ? QVariant(routeNumber) : QVariant(w.number));
    }

    drawPreview(stop);
    m_host.processEvents();
    m_board.SetChimei(m_data.RouteTable(stop).StopName);
}

void RunController::drawPreview(qint16 stop)
{
    const RouteRecord& row = m_data.RouteTable(stop);
    QString date = ticketDate(m_options.dateMode(), m_host.now().date(), m_data.RouteSetDate(),
                              m_options.fixedDate());
    m_panel.clearPreview();
    if (m_options.useSeiriPrev()) {
        QString stopName = row.StopName;
        const QString time = timeText(m_host.now().time());
        m_resLib.Vk4_DrawSeiriken(m_options.seiriPlgFile(), m_panel.previewImage(), stopName, date,
                                  time, leadingNumber(m_data.RouteNumber()), row.TicketNo, stop,
                                  static_cast<qint16>(m_panel.companyIndex()));
        // The library may rewrite the name in place; what it leaves is kept.
        if (stopName != row.StopName)
            m_data.SetStopName(stop, stopName);
        m_panel.repaintPreview();
    }
}

void RunController::RedrawPreview()
{
    if (m_data.RecordCount() > 0)
        drawPreview(static_cast<qint16>(m_data.CurrentPos() + 1));
}

} // namespace lumena
