#include "session/info_window.h"

#include <string>

#include "console/time_format.h"
#include "display/info_console.h"
#include "display/info_engines.h"
#include "display/info_trains.h"
#include "display/recent_messages.h"
#include "session/game.h"
#include "session/help_contexts.h"
#include "world/record_checks.h"

namespace wm {

namespace {

struct ModeShape {
    int rows;
    int columns;
    int helpContext;
};

ModeShape shapeOf(InfoMode mode) {
    switch (mode) {
    case InfoMode::departureDetails:
        return {20, 80, HelpDepartureDetails};
    case InfoMode::arrivalDetails:
        return {20, 80, HelpArrivalDetails};
    case InfoMode::locosAt:
        return {15, 80, HelpLocosAt};
    case InfoMode::contents:
        return {28, 100, HelpContents};
    case InfoMode::couplings:
        return {28, 100, HelpCouplingWindow};
    case InfoMode::locoLocation:
        return {10, 80, HelpLocoLocation};
    case InfoMode::recentMessages:
        break;
    }
    return {22, 80, HelpRecentMessages};
}

std::string placeCode(const Game& g, int place) {
    return isPlace(place) ? g.state.locations[place].code.str() : std::string();
}

std::string captionOf(const Game& g) {
    const InfoWindowState& info = g.info;
    switch (info.mode) {
    case InfoMode::departureDetails: {
        if (!isDeparture(g.state, info.item)) return "Departure details";
        const Departure& d = g.state.departures[info.item];
        return "Departure details: " + FormatTime(d.time) + " to " + d.destination.str();
    }
    case InfoMode::arrivalDetails:
        return "Arrival details";
    case InfoMode::locosAt:
        return "Locos in location " + placeCode(g, info.item);
    case InfoMode::contents:
        return "Contents of location " + placeCode(g, info.item) + " (from left to right) ";
    case InfoMode::couplings:
        return "Contents of location " + placeCode(g, info.item) + " (from left to right)";
    case InfoMode::locoLocation:
        return "Loco location ";
    case InfoMode::recentMessages:
        break;
    }
    return "Recent messages ";
}

InfoConsole infoConsole(Game& g) {
    return InfoConsole(g.host, g.console.cellWidth(), g.console.cellHeight());
}

/// Placed at the right of the screen, centred from top to bottom, sized for its use.
InfoWindowShape placeWindow(Game& g) {
    const ModeShape mode = shapeOf(g.info.mode);
    InfoWindowShape shape;
    shape.caption = captionOf(g);
    shape.rows = mode.rows;
    shape.columns = mode.columns;
    shape.helpContext = mode.helpContext;
    shape.clientHeight = mode.rows * g.console.cellHeight() + 30;
    shape.clientWidth = mode.columns * g.console.cellWidth() + 5;
    const int windowHeight = shape.clientHeight + 40;
    const int windowWidth = shape.clientWidth + 20;
    const ScreenSize screen = g.host.screenSize();
    shape.top = (screen.height - windowHeight) / 2;
    shape.left = screen.width - windowWidth - 50;
    return shape;
}

void FormConceal(Game& g) {
    if (g.info.mode == InfoMode::couplings) applyCouplings(g.state, g.info.coupling);
    g.host.hideInfoWindow();
    g.flags.fullRedraw = true;
    g.flags.windowActive = true;
    g.flags.modalOpen = false;
    g.host.requestRepaint();
}

/// Opens the window for its use and waits, pumping events, until it is closed.
void FormReveal(Game& g, InfoMode mode, int item) {
    InfoWindowState& info = g.info;
    info.mode = mode;
    info.item = item;
    if (mode == InfoMode::couplings) info.coupling = startCouplingEdit(g.state, item);
    g.flags.windowActive = false;
    g.flags.modalOpen = true;
    info.open = true;
    g.host.showInfoWindow(placeWindow(g));
    PaintInfoWindow(g);
    while (info.open && !g.input.quitWhileOver) {
        g.host.processEvents(true);
        if (info.open) g.host.sleepMs(100);
    }
    info.open = false;
    FormConceal(g);
}

} // namespace

void PaintInfoWindow(Game& g) {
    const InfoWindowState& info = g.info;
    const ModeShape shape = shapeOf(info.mode);
    InfoConsole c = infoConsole(g);
    c.Clear(shape.rows, shape.columns);
    const bool hide = g.console.options().hideLocoData;
    switch (info.mode) {
    case InfoMode::couplings:
        drawCouplingWindow(c, g.state, info.coupling);
        break;
    case InfoMode::departureDetails:
        drawDepartureDetails(c, g.state, info.item, hide);
        break;
    case InfoMode::arrivalDetails:
        drawArrivalDetails(c, g.state, info.item, hide);
        break;
    case InfoMode::contents:
        drawContents(c, g.state, info.item, hide);
        break;
    case InfoMode::locosAt:
        drawLocosAt(c, g.state, info.item, hide);
        break;
    case InfoMode::locoLocation:
        drawLocoLocation(c, g.state, info.item, hide);
        break;
    case InfoMode::recentMessages:
        drawRecentMessages(c, recentMessageLines(g.console.history(), g.console.newestHistoryIndex()));
        break;
    }
}

void InfoWindowClick(Game& g, int, int y) {
    InfoWindowState& info = g.info;
    if (!info.open || info.mode != InfoMode::couplings) return;
    const int height = g.console.cellHeight() > 0 ? g.console.cellHeight() : 1;
    if (toggleCouplingRow(g.state, info.coupling, y / height + 1)) PaintInfoWindow(g);
}

void InfoWindowClose(Game& g) {
    g.info.open = false;
}

void EditCouplings(Game& g, LocationId place) {
    FormReveal(g, InfoMode::couplings, place);
}

void ShowDepartureDetails(Game& g, DepartureIndex departure) {
    FormReveal(g, InfoMode::departureDetails, departure);
}

void ShowArrivalDetails(Game& g, ArrivalIndex arrival) {
    faceArrivalEngine(g.state, arrival);
    FormReveal(g, InfoMode::arrivalDetails, arrival);
}

void ShowContents(Game& g, LocationId place) {
    FormReveal(g, InfoMode::contents, place);
}

void ShowLocosAt(Game& g, LocationId place) {
    FormReveal(g, InfoMode::locosAt, place);
}

void ShowLocoLocation(Game& g, LocoIndex engine) {
    FormReveal(g, InfoMode::locoLocation, engine);
}

void ShowRecentMessages(Game& g) {
    FormReveal(g, InfoMode::recentMessages, 0);
}

} // namespace wm
