#pragma once
// What a tick finished. Each completer reports one record for every move or piece of work that ended, and
// the session reacts to the records in one place, so later rules are added there rather than inside the
// completers.

#include <functional>

#include "world/capacities.h"

namespace wm {

enum class Completed : int {
    arrivalLeftEntry,     // an arrival has moved on from its line's entry place; `arrival`
    departureLeft,        // a departure has gone out by an exit point; `departure`, behind `engine`, `engine2`
    shedRoadChanged,      // an engine came onto a shed road or left it
    engineAtSpot,         // an engine came to a stand on a service point or turntable; `engine`
    engineTurned,         // a turntable's engines face the other way
    trainAtStand,         // a train or rake came to a stand at the place
    enginesPlaced,        // engines that came in light have taken their places
    berthMerged,          // another move into the place ended: it holds what its incoming berth held
    workDone,             // work on a departure's stock is done: it stands formed
    passedThrough,        // a through movement has passed the place
    engineWatered,        // `engine` has taken water
    engineCoaled,         // `engine` has been coaled at `place`
    engineServiced,       // `engine`'s servicing or repair at the shed `place` is done
    outwardTrafficPlaced, // `arrival`, a line's outward trip, has been put out at the exchange `place`
};

struct Completion {
    Completed what = Completed::berthMerged;
    LocationId place = 0;
    ArrivalIndex arrival = 0;
    DepartureIndex departure = 0;
    LocoIndex engine = 0;
    LocoIndex engine2 = 0; // a second engine that went with `engine`
};

/// Takes each record as it is made, so reactions run in the order the work completed.
using CompletionSink = std::function<void(const Completion&)>;

} // namespace wm
