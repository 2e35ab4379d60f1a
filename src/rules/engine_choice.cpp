#include "rules/engine_choice.h"

#include <string>

#include "rules/departure_delay.h"
#include "rules/duty_exchange.h"
#include "rules/engine_bonus.h"
#include "rules/reversing_destinations.h"
#include "rules/score_events.h"
#include "rules/train_words.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"
#include "world/sheds.h"

namespace wm {

namespace {
constexpr int jintyClass = 2;
constexpr int unserviceablePenalty = 5;
constexpr int enginePenalty = 3;

bool knownEngine(const GameState& s, LocoIndex engine) {
    return isRealEngine(engine) && engine <= s.locoCount;
}

// A missing engine counts as the wildcard class, with no power.
int classOf(const GameState& s, LocoIndex engine) {
    return knownEngine(s, engine) ? s.locos[engine].classIndex : 0;
}

int powerOf(const GameState& s, LocoIndex engine, int trainType) {
    return knownEngine(s, engine) ? powerFor(locoClass(s.locos[engine].classIndex), trainType) : 0;
}

/// The engine that brought the train in and takes it straight on the way it was going earns no bonus:
/// nothing was chosen.
bool keepsItsTrain(const GameState& s, DepartureIndex departure, LocoIndex engine) {
    const ArrivalIndex through = throughArrival(s, departure);
    if (!isArrival(s, through)) return false;
    const Arrival& a = s.arrivals[through];
    const Departure& d = s.departures[departure];
    return cameInOn(a, engine) && d.time - a.time <= 60 && (a.group < a.line) != (d.group < d.line);
}

void awardBonus(GameState& s, Console& console, const Departure& d, LocoIndex used, LocoIndex booked) {
    const EngineBonus bonus = engineBonus(s, loadedShedTable(), d, used, booked);
    if (bonus.points > 0) GainBonusPoints(console, bonus.points, bonus.reason);
}

bool facesWrongWay(const GameState& s, const Departure& d, LocoIndex engine) {
    if (!knownEngine(s, engine) || facingExempt(s.locos[engine].classIndex)) return false;
    if (isLightEngine(d.trainType) || d.destination.view().starts_with('*')) return false;
    if (loadedReversingDestinations().reversesOnTheWay(d.line, d.destination.view())) return false;
    const int facing = s.locos[engine].facing;
    const LeavingSide side = leavingSide(d.line);
    return (facing == 0 && side == LeavingSide::down) || (facing == 1 && side == LeavingSide::up);
}
} // namespace

void scoreEngineChoice(GameState& s, Console& console, DepartureIndex departure, LocoIndex engine,
                       LocoIndex second) {
    if (!isDeparture(s, departure)) return;
    const Departure& d = s.departures[departure];
    const std::string train = trainWords(d);
    const LocoIndex booked = d.loco;
    const LocoIndex bookedSecond = d.loco2;
    const bool mainLine = isMainLine(d.line);

    // Where the engines now are is for the exit, or the arrival the train continues as, to record.
    if (mainLine) {
        if (knownEngine(s, engine) && s.locos[engine].condition != conditionAvailable)
            LoseBonusPoints(console, unserviceablePenalty, "providing unserviceable loco for " + train);
        if (knownEngine(s, second) && s.locos[second].condition != conditionAvailable)
            LoseBonusPoints(console, unserviceablePenalty, "providing unserviceable pilot for " + train);
        if (!keepsItsTrain(s, departure, engine)) awardBonus(s, console, d, engine, booked);
        awardBonus(s, console, d, second, bookedSecond);
        if (knownEngine(s, engine) && engine != booked && classOf(s, engine) == classOf(s, booked))
            exchangeLaterDuties(s, departure, engine, booked);
        if (knownEngine(s, second) && second != bookedSecond &&
            classOf(s, second) == classOf(s, bookedSecond))
            exchangeLaterDuties(s, departure, second, bookedSecond);
    }

    const int type = d.trainType;
    if (powerOf(s, engine, type) + powerOf(s, second, type) <
        powerOf(s, booked, type) + powerOf(s, bookedSecond, type))
        LoseBonusPoints(console, enginePenalty, "providing inadequate motive power for " + train);

    if (mainLine && facesWrongWay(s, d, engine))
        LoseBonusPoints(console, enginePenalty, "loco. facing wrong way on " + train);

    if (d.line == 9 || d.line == 11)
        for (LocoIndex e : {engine, second})
            if (knownEngine(s, e) && s.locos[e].classIndex != jintyClass)
                LoseBonusPoints(console, enginePenalty,
                                "loco. " + std::string(locoClass(s.locos[e].classIndex).name) +
                                    " not allowed to " + std::string(routeCode(d.line)));
}

} // namespace wm
