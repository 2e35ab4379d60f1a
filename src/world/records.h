#pragma once

#include "world/capacities.h"
#include "world/short_string.h"

#include <array>

namespace wm {

// Location::kind: what sort of place it is.
enum LocationKind : int {
    kindEntryPoint = 0,     // arrival entry point at the edge of the layout
    kindExitPoint = 1,      // departure exit point at the edge of the layout
    kindPlatform = 2,       // platform road; passenger trains are received and formed only here
    kindThroughRoad = 3,    // running loop or through road
    kindShedRoad = 4,       // engine shed road, engines only
    kindServicePoint = 5,   // single-engine service point
    kindSiding = 6,         // siding, yard road or carriage road
    kindTurntable = 7,      // turntable, one engine
    kindRunningSection = 8, // running-line section between junctions
};

// Where coaches and wagons stand and are coupled: platforms, through roads and sidings.
constexpr bool isStockRoad(LocationKind kind) {
    return kind == kindPlatform || kind == kindThroughRoad || kind == kindSiding;
}

// Location::screen: the layout screen that shows the place.
enum Screen : int {
    commonScreen = 0,
    shedScreen = 1,
    northJunctionScreen = 2,
    yardsScreen = 3,
    southJunctionScreen = 4,
};

// Location::occState / occState2: what occupies the place, and so what `occupant` refers to.
enum OccState : int {
    occEmpty = 0,     // nothing
    occArrival = 1,   // an arrival stands or comes in; occupant is the arrival
    occDeparture = 2, // a departure is set up there; occupant is the departure
    occStock = 3,     // stock stands there; occupant is the first portion of the rake
    occTraffic = 4,   // traffic is being worked there; occupant is the traffic block
    // Transient states of moves and work:
    occComingIn = 5,            // a train or rake is coming in; the incoming berth holds it
    occEngineComingIn = 6,      // an engine is coming in light
    occLeavingLight = 7,        // an engine is leaving light; what stays waits in the incoming berth
    occChangingEnds = 8,        // the engine is moving to the other end within the place
    occWorkInProgress = 9,      // turning, loading or shunting; moves in are refused
    occPassingThrough = 10,     // an intermediate place of a move, which the train only passes
    occReversingDeparture = 11, // a departure whose engine stands at the end opposite its usual place
    occFirstMoveState = occComingIn,
    occLastMoveState = occReversingDeparture,
};

// Location end numbers for endFlag and the other per-end values.
enum LocationEnd : int {
    lowEnd = 0,  // end 1: engine places 1 and 2
    highEnd = 1, // end 2: engine places 3 and 4
};

// Loco::condition, shown beside the engine by its condition letter; LightEngineMove::flag is one of 1..3.
enum EngineCondition : int {
    conditionAvailable = 0,      // "a"
    conditionNeedsWater = 1,     // "w"
    conditionNeedsCoal = 2,      // "c"
    conditionNeedsServicing = 3, // "s"
    conditionNeedsRepair = 4,    // "r"
    conditionOutOfUse = 5,       // "o": out of use for the day
};

// Arrival::condCode values above 92, each a fixed outcome for the arriving engine; 0..92 is a percentage.
enum ArrivalCondCode : int {
    condNeedsCoal = 93,      // needs coal
    condFacingFromLine = 94, // available, its facing set from the line it comes in on
    condOutOfUse = 95,       // out of use for the day
    condNeedsServicing = 96, // needs servicing
    condNeedsWater = 97,     // needs water
    condNeedsWaterToo = 98,  // needs water; becomes 99 once watered where it stands
    condAvailable = 99,      // available
};

// Some rows of the traffic-type table (trafficTypeName, rows 0..trafficTypeCount - 1): only those the rules
// single out are named here. Traffic::trafficType holds any row of the table, named or not (General,
// Vans, Coal, ...), so it stays an int and these are compared against it.
enum TrafficTypeRow : int {
    trafficEmptyStock = 0,
    trafficParcels = 1,
    trafficMilk = 2,
    trafficGeneral = 3,
    trafficVans = 4,
    trafficCoal = 5,
    trafficLocoCoal = 6, // fuel for the shed's coaling point
    trafficCattle = 7,
    trafficTimber = 8,
    trafficWagonsForRepair = 10,
    trafficBallast = 11,
    trafficOil = 12,
    trafficSalt = 13,
};

// Departure::state, in the order a departure passes through them.
enum DepartureState : int {
    departureGathering = 0, // more than one portion still to be gathered
    departureBuilt = 1,     // as built from the timetable
    // 2 is not used.
    departureFormed = 3,   // stands formed in its place
    departureReady = 4,    // ready to go
    departureOnWayOut = 5, // sent away, on its way out of the area
    departureGone = 6,     // has left the layout, or is cancelled
};

// Portion::portionState.
enum PortionState : int {
    portionOnTrain = 0,     // still on its arriving train
    portionDetached = 1,    // detached, carrying traffic not yet sorted
    portionBeingWorked = 2, // its traffic is being worked at a siding
    portionStanding = 3,    // standing, ready to be part of its departure
    portionInFormed = 4,    // part of a formed departure
    portionHandedOver = 5,  // handed over at an exchange siding
};

// A coupling or uncoupling at an end of a place takes this many ticks.
inline constexpr int couplingChangeTicks = 3;

// A place of the layout (ids 1..200) or the second berth of one (id + 200), which holds an incoming move.
struct Location {
    LocationKind kind = kindEntryPoint;
    int locoSlots = 0;            // how many engines can stand there, 1..4
    int length = 0;               // size figure of the layout table; no rule reads it
    ShortString<3> code;          // what the player types; "aaa" for a place that cannot be named
    int group = 0;                // route-code group, 0 none; a departure is formed only in its own group
    Screen screen = commonScreen; // the layout screen that shows it
    std::array<LocoIndex, 5> locoAt{};    // engines in places 1..4, low-id end first; [0] unused; 0 free
    OccState occState = occEmpty;         // what the main occupant is doing there
    int occupant = 0;                     // arrival, departure, portion or traffic, as occState says
    int occupant2 = 0;                    // a second train or rake sharing the place
    OccState occState2 = occEmpty;        // the same for occupant2
    int busyTicks = 0;                    // ticks until the movement under way here completes; 0 at rest
    std::array<int, 2> endFlag{};         // per LocationEnd: an engine at that end is coupled to the train
    std::array<int, 2> couplingTicks{};   // per end: ticks until the engine-to-train (un)coupling completes
    std::array<int, 2> enginePairFlag{};  // per end: the two engines at that end are coupled together
    std::array<int, 2> enginePairTicks{}; // per end: ticks until the engine-to-engine (un)coupling completes

    bool operator==(const Location&) const = default;
};

// The engine place of an end next to the train, and the one beyond it.
constexpr int innerPlace(int end) {
    return end == highEnd ? 3 : 2;
}
constexpr int outerPlace(int end) {
    return end == highEnd ? 4 : 1;
}

// The end an engine place (1..4) belongs to.
constexpr int endOfPlace(int place) {
    return place <= 2 ? lowEnd : highEnd;
}

// A real engine stands at the end, in either of its places.
constexpr bool hasEngineAtEnd(const Location& location, int end) {
    return isRealEngine(location.locoAt[innerPlace(end)]) || isRealEngine(location.locoAt[outerPlace(end)]);
}

// An engine of the day.
struct Loco {
    int duty = 0;          // duty number by which timetable entries name it; unique
    int classIndex = 0;    // row of the LocoClass table
    ShortString<5> number; // running number; unique among engines
    ShortString<3> shed;   // home-shed code; " SH" for the local shed
    EngineCondition condition = conditionAvailable;
    int workTime = 0;      // ticks of servicing or repair still needed
    int where = 0;         // place id, or one of the where* encodings; 0 nowhere
    int facing = 0;        // which way it faces, 0 or 1
    int lateAllowance = 0; // minutes late of the train it came on; 999 none; used when sent away light
    int watering = 0;      // flag: taking water now

    bool operator==(const Loco&) const = default;
};

// A timetabled departure, or a pseudo-departure (time notRunningTime) that only names a destination.
struct Departure {
    ShortString<4> code;             // reporting code, unique; a final "$" marks an all-day pilot duty
    int time = 0;                    // booked minute of the day; notRunningTime for a pseudo-departure
    int line = 0;                    // route code of the line it leaves by
    int group = 0;                   // route-code group where it is formed
    int trainType = 0;               // TrainType row
    ShortString<11> destination;     // shown in lists; "24 hours" for pilot duties
    ShortString<30> trainName;       // name of a named train, else empty
    ShortString<3> shed;             // home shed of the booked engine
    LocoIndex loco = 0;              // booked engine, 0 none
    LocoIndex loco2 = 0;             // second (pilot or assisting) engine once attached
    ShortString<4> returnCode;       // arrival the engine comes back on; four blanks none
    ShortString<4> returnCode2;      // the same for the second engine
    ArrivalIndex returnArrival = 0;  // returnCode resolved once all tables are built
    ArrivalIndex returnArrival2 = 0; // returnCode2 resolved
    DepartureState state = departureGathering;
    LocationId location = 0;       // place where it stands formed
    PortionIndex firstPortion = 0; // head of its portion list (depNext/depPrev)
    int portionCount = 0;          // length of that list; stays 0 for a pseudo-departure
    int lateAllowance = 0;         // minutes of lateness allowed by the lateness rules; 0 from the builders

    bool operator==(const Departure&) const = default;
};

// A timetabled arrival; time 0 means it does not run today.
struct Arrival {
    ShortString<4> code;           // reporting code, unique
    int time = 0;                  // booked minute; 0 not running (also for origin "spare")
    int late = 0;                  // expected minutes late; negative is early
    int line = 0;                  // route code of the approach line
    int group = 0;                 // route-code group where it is received
    int trainType = 0;             // TrainType row
    ShortString<11> origin;        // shown in lists
    ShortString<30> trainName;     // name of a named train, else empty
    LocoIndex loco = 0;            // train engine; 0 or noEngine none
    LocoIndex loco2 = 0;           // second engine; 0 or noEngine none
    int condCode = 0;              // how the engine arrives: 0..92 a percentage, else an ArrivalCondCode
    PortionIndex firstPortion = 0; // head of the rake it brings, in order

    bool operator==(const Arrival&) const = default;
};

// A block of wagons the yards must make up and send on a departure.
struct Traffic {
    ShortString<4> name;          // unique key from the timetable
    int route = 0;                // route-code group of its destination
    DepartureIndex departure = 0; // departure (real or pseudo) it goes forward on
    int trafficType = 0;          // row of the traffic-type table, 0..13; TrafficTypeRow names only some
    int readyAt = 0;              // ticks of work left where it is worked; -1 not started
    PortionIndex portion = 0;     // the portion that carries it

    bool operator==(const Traffic&) const = default;
};

// The smallest group of vehicles the player moves. It sits in at most one rake (next/prev) and at most
// one departure list (depNext/depPrev); both are doubly linked and end in 0.
struct Portion {
    ArrivalIndex arrival = 0;     // arrival it came on; 0 if in the station at the start
    DepartureIndex departure = 0; // departure it is to leave on
    TrafficIndex traffic = 0;     // traffic it carries
    LocationId location = 0;      // where it stands once detached
    PortionIndex next = 0;        // rake neighbours, in order
    PortionIndex prev = 0;
    int coupledToNext = 0;    // flag: coupled to next
    PortionIndex depNext = 0; // neighbours in its departure's list
    PortionIndex depPrev = 0;
    PortionState portionState = portionOnTrain;

    bool operator==(const Portion&) const = default;
};

// Approach state of one line, indexed by its route code.
struct Line {
    LocationId entryPlace = 0;      // where arriving trains are held and signalled in from
    int signalIndex = 0;            // into the movement code's signal table
    ArrivalIndex nextPassenger = 0; // next pending arrival of trainType 0..7
    ArrivalIndex nextFreight = 0;   // next pending arrival of trainType 8..12
    ArrivalIndex lastArrival = 0;   // last arrival index of the line's run in the Arrival table
    ArrivalIndex chosenArrival = 0; // the arrival chosen to come in next
    int waitCount = 0;              // successive checks a passenger train has been held at the signal

    bool operator==(const Line&) const = default;
};

// A planned light-engine movement of a yard pilot.
struct LightEngineMove {
    int time = 0;                              // minute of the day
    int line = 0;                              // route code
    LocoIndex loco = 0;                        // the engine
    EngineCondition flag = conditionAvailable; // the condition it reaches: needs water, needs coal, or
                                               // needs servicing (end of duty)

    bool operator==(const LightEngineMove&) const = default;
};

// A light-engine departure that needs no stock, watched so that a suitable engine can be offered for it.
struct WatchEntry {
    DepartureIndex departure = 0;
    int time = 0; // the departure's time

    bool operator==(const WatchEntry&) const = default;
};

// A pseudo-departure never runs and is not counted in its portion count.
constexpr bool isPseudoDeparture(const Departure& departure) {
    return departure.time == notRunningTime;
}

// A departure code ending in "$" is a pilot duty that lasts all day.
constexpr bool isPilotDuty(const Departure& departure) {
    return !departure.code.empty() && departure.code.view().back() == '$';
}

// The place (1..200) an engine stands at, a second berth counting as its place; 0 when it is on a train,
// gone or nowhere.
constexpr LocationId placeOfWhere(int where) {
    if (where >= 1 && where <= placeCount) return where;
    if (where > secondBerthOffset && where <= placeCount + secondBerthOffset)
        return where - secondBerthOffset;
    return 0;
}

// The arrival an engine is coming in on, as train or second engine; 0 otherwise.
constexpr ArrivalIndex arrivalOfWhere(int where) {
    if (where > whereOnArrival && where <= whereOnArrival + maxArrivalsInADay) return where - whereOnArrival;
    if (where > whereSecondEngineOnArrival && where <= whereSecondEngineOnArrival + maxArrivalsInADay)
        return where - whereSecondEngineOnArrival;
    return 0;
}

// The departure an engine has left the layout with; 0 otherwise.
constexpr DepartureIndex departureOfWhere(int where) {
    if (where > whereLeftWithDeparture && where <= whereLeftWithDeparture + departureCapacity)
        return where - whereLeftWithDeparture;
    return 0;
}

} // namespace wm
