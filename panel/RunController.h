#pragma once
// Route setting, stepping and the board refresh. The operation panel owns one
// and forwards its buttons here; the tape calls Step() like the step buttons.
//
// Route setting is all or nothing for the route itself: the table,
// RecordCount and CurrentPos change only once the whole fare file has been
// read and accepted, so a refused or failed attempt leaves the previous route
// usable. RouteNumber and StartSection take the attempt's entries before any
// check, and the announcement file is loaded whatever the outcome.

#include "panel/RouteState.h"
#include "panel/RunPorts.h"

#include <QString>

namespace lumena {

class Host;
class ResLib;
class SoundPlayer;
class TapeLoader;

class RunController {
public:
    RunController(RouteState& data, RunOptions& options, BoardDisplay& board, PanelControls& panel,
                  SoundPlayer& sound, TapeLoader& tape, ResLib& resLib, Host& host);

    // Sets the route from the entered route number and section text. Every
    // refusal or failure shows its message through Host::message, the fare
    // file's path on its last line, and returns false; the board and the
    // step buttons are then left as they were.
    bool SetRoute(const QString& routeText, const QString& sectionText);

    // Command2(index): 0 "データ戻し", 1 "データ送り". At either end of the route
    // (or with no route) nothing happens at all: no sound, no refresh.
    void Step(int index);

    // Refreshes the board for route row `stop` (1-based); rows outside
    // 1..301 are ignored.
    void DispData(qint16 stop);

    // Draws the ticket preview of the current stop again, as the options
    // now say (plug-in, preview on or off, date); nothing without a route.
    void RedrawPreview();

    static QString emptyRouteMessage();
    static QString noRouteFileMessage();
    static QString sectionTooLargeMessage();

private:
    // The preview part of DispData.
    void drawPreview(qint16 stop);

    RouteState& m_data;
    RunOptions& m_options;
    BoardDisplay& m_board;
    PanelControls& m_panel;
    SoundPlayer& m_sound;
    TapeLoader& m_tape;
    ResLib& m_resLib;
    Host& m_host;
};

} // namespace lumena
