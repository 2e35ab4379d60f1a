#include "movement/execute_move.h"

#include "movement/engine_rest.h"
#include "movement/leg_berths.h"
#include "movement/leg_contents.h"
#include "movement/leg_coupling.h"
#include "movement/leg_identities.h"
#include "movement/leg_score_events.h"
#include "movement/leg_timing.h"
#include "movement/light_engine_offer.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
bool isTrainRoad(LocationKind kind) {
    return kind == kindPlatform || kind == kindThroughRoad || kind == kindSiding ||
           kind == kindRunningSection;
}

bool isTrain(int occState) {
    return occState == occArrival || occState == occDeparture || occState == occReversingDeparture;
}

/// On the move's last leg an engine running light may be offered to a departure, and go as it.
void offerOnLastLeg(MoveWorld& w, MovingThing& moving) {
    const DepartureIndex goesAs = offerLightEngine(w);
    if (goesAs == 0) return;
    moving.occState = occDeparture;
    moving.occupant = goesAs;
    moving.trainType = w.state.departures[goesAs].trainType;
    continueOnInternalLine(w, moving);
}
} // namespace

void executeMove(MoveWorld& w, LocationId from, LocationId to, std::span<const int> sections) {
    GameState& s = w.state;
    if (!isPlace(from) || !isPlace(to) || from == to) return;
    const MoveContext& move = w.move;
    const bool firstLeg = from == move.moveFrom;
    const bool lastLeg = to == move.moveTo;
    const bool up = to > from;

    const MovingThing taken = movingThing(s, move, from);
    const int band = speedBand(taken.trainType);
    const int formerFromTicks = s.locations[from].busyTicks;
    const int formerToTicks = s.locations[to].busyTicks;
    const int delay = legStartDelay(w, from, to, taken);
    setLegCountdowns(s, from, to, delay, lockLegSections(s, sections, delay, band), band);

    MovingThing moving = taken;
    IdentityChange change;
    if (firstLeg) {
        change = changeIdentities(w, moving);
        if (taken.occState != occEmpty) scorePassingSlowerTrains(w, from, band);
    }
    if (lastLeg && moving.occState == occEmpty) offerOnLastLeg(w, moving);
    // A departure whose engine stood at the far end has it at its proper end once it moves.
    const bool reversing = firstLeg && taken.occState == occReversingDeparture;
    if (moving.occState == occReversingDeparture) moving.occState = occDeparture;

    const MovingEngines engines = movingEngines(move, taken);
    RestQuery query;
    query.up = up;
    query.lastLeg = lastLeg;
    query.light =
        moving.occState == occEmpty || (isTrain(moving.occState) && isLightEngine(moving.trainType));
    query.startPlace = reversing ? 5 - taken.enginePlace : taken.enginePlace;
    query.withSecond = engines.second != 0;
    query.withRear = engines.rear != 0;
    RestPlaces places = engineRest(s, to, query);

    const bool light = moving.occState == occEmpty;
    startIncomingBerth(s, to, light, formerToTicks);
    if (!light && !(lastLeg && coupleAtDestination(w, to, up, moving, places))) receiveTrain(s, to, moving);
    const MovingEngines gone = placedEngines(engines, places);
    const bool makeRoomAtLead = lastLeg && isTrainRoad(s.locations[to].kind) && places.engine == (up ? 3 : 2);
    standEngines(s, to, places, gone, !light && move.withTrain, makeRoomAtLead);
    s.locations[to].occState = !lastLeg ? occPassingThrough : light ? occEngineComingIn : occComingIn;

    leaveBehind(s, from, taken, gone, formerFromTicks);
    if (change.ranOnAsDeparture) passThroughStart(s, from, moving.occupant);

    if (!lastLeg) return;
    if (moving.occState == occStock) setRakeLocation(s, moving.occupant, to);
    if (moving.occState == occTraffic) setRakeLocation(s, s.traffic[moving.occupant].portion, to);
    const bool toExit = s.locations[to].kind == kindExitPoint;
    if (toExit && !light && taken.occState != occEmpty && moving.occState == occDeparture)
        scoreLineSwitching(w, moving.occupant, to);
    if (toExit && light) sendOffUnscheduled(w);
}

} // namespace wm
