#pragma once
// "TWM58info", the information window: one modal window for the whole run, opened for one of seven uses.
// While it is up the main window takes no input and the clock stands still.

#include "display/coupling_window.h"
#include "world/capacities.h"

namespace wm {

struct Game;

enum class InfoMode : int {
    departureDetails = 0,
    arrivalDetails = 1,
    locosAt = 2,
    contents = 3,
    couplings = 4,
    locoLocation = 5,
    recentMessages = 6,
};

struct InfoWindowState {
    InfoMode mode = InfoMode::recentMessages;
    int item = 0; // the departure, arrival, place or engine shown
    bool open = false;
    CouplingEdit coupling; // the coupling window's edit
};

// Each opens the window for its use and returns once it has been closed.
void ShowDepartureDetails(Game& game, DepartureIndex departure);
void ShowArrivalDetails(Game& game, ArrivalIndex arrival);
void ShowLocosAt(Game& game, LocationId place);
void ShowContents(Game& game, LocationId place);
void EditCouplings(Game& game, LocationId place);
void ShowLocoLocation(Game& game, LocoIndex engine);
void ShowRecentMessages(Game& game);

/// Draws the window's content for its use again.
void PaintInfoWindow(Game& game);

// The window's events: a press on its canvas (client pixels) and its Close button or close box.
void InfoWindowClick(Game& game, int x, int y);
void InfoWindowClose(Game& game);

} // namespace wm
