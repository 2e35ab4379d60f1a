#include "session/train_details.h"

#include <string>

#include "console/time_format.h"
#include "session/game.h"
#include "world/record_checks.h"

namespace wm {

namespace {
constexpr int HelpArrivalDetails = 181;
constexpr int HelpDepartureDetails = 171;
} // namespace

// Until the information window comes, a box says which train was clicked and what its details will hold.
void ShowArrivalDetails(Game& g, int arrival) {
    if (!isArrival(g.state, arrival)) return;
    const Arrival& a = g.state.arrivals[arrival];
    g.host.messageBox(BoxKind::Information,
                      "Arrival details of the " + FormatTime(a.time) + " from " + a.origin.str() +
                          "\r\nThe information window would show its engine and what it becomes (not in this "
                          "version)",
                      HelpArrivalDetails);
}

void ShowDepartureDetails(Game& g, int departure) {
    if (!isDeparture(g.state, departure)) return;
    const Departure& d = g.state.departures[departure];
    g.host.messageBox(BoxKind::Information,
                      "Departure details of the " + FormatTime(d.time) + " to " + d.destination.str() +
                          "\r\nThe information window would show its engine, what forms it and where it "
                          "stands (not in this version)",
                      HelpDepartureDetails);
}

} // namespace wm
