#include "world/train_builders.h"

#include "world/build_context.h"
#include "world/game_state.h"
#include "world/lookups.h"
#include "world/rakes.h"

#include <algorithm>
#include <cctype>

namespace wm {

namespace {

constexpr std::string_view spareOrigin = "spare";
constexpr int noEngineDuty = 0;

// Lateness draw: from onTimeDraw up the train runs to time; up to earlyLateLimit it is draw - 2 minutes
// late; between, (draw div 5) - 2.
constexpr int lateDrawRange = 100;
constexpr int onTimeDraw = 30;
constexpr int earlyLateLimit = 15;

constexpr int lightEngineSpread = 20; // minutes, starting ten early
constexpr int lightEngineEarliest = 10;

bool isBlank(std::string_view code) {
    return std::all_of(code.begin(), code.end(), [](char c) { return c == ' '; });
}

// A portion named by its timetable entry, on the arrival: a departure code starts with a digit, a traffic
// name with a letter. A name that finds nothing makes no portion.
PortionIndex portionFromName(GameState& state, ArrivalIndex arrival, std::string_view portionName) {
    if (isBlank(portionName)) return 0;
    const unsigned char first = static_cast<unsigned char>(portionName.front());
    if (std::isdigit(first)) {
        const DepartureIndex departure = findDepartureByCode(state, portionName);
        return departure == 0 ? 0 : newPortion(state, arrival, 0, departure);
    }
    if (std::isalpha(first)) {
        const TrafficIndex traffic = findTrafficByName(state, portionName);
        return traffic == 0 ? 0 : newPortion(state, arrival, traffic, state.traffic[traffic].departure);
    }
    return 0;
}

} // namespace

DepartureIndex addDeparture(BuildContext& context, int line, int hour, int minute, int group,
                            std::string_view code, std::string_view returnCode, std::string_view destination,
                            int trainType, int duty, std::string_view shed) {
    GameState& state = context.state;
    const DepartureIndex index = ++state.departureCount;
    Departure& departure = state.departures[index];
    departure = Departure{};
    departure.code = code;
    departure.returnCode = returnCode;
    departure.returnCode2 = "    ";
    departure.time = hour * 60 + minute;
    departure.line = line;
    departure.group = group;
    departure.trainType = trainType;
    departure.destination = destination;
    departure.shed = shed;
    departure.state = departureBuilt;
    departure.loco = findLocoByDuty(state, duty);
    return index;
}

int initialLateness(int draw, int difficulty) {
    int late = 0;
    if (draw <= earlyLateLimit)
        late = draw - 2;
    else if (draw < onTimeDraw)
        late = draw / 5 - 2;
    return late > difficulty ? 0 : late;
}

ArrivalIndex addArrival(BuildContext& context, int line, int hour, int minute, int group,
                        std::string_view code, std::string_view firstPortion, std::string_view origin,
                        int duty, int condCode, int trainType) {
    GameState& state = context.state;
    const ArrivalIndex index = ++state.arrivalCount;
    Arrival& arrival = state.arrivals[index];
    arrival = Arrival{};
    arrival.code = code;
    arrival.origin = origin;
    arrival.time = hour * 60 + minute;
    arrival.line = line;
    arrival.group = group;
    arrival.condCode = condCode;
    arrival.trainType = trainType;
    if (origin == spareOrigin) arrival.time = 0;

    if (duty == noEngine || duty == noEngineDuty) {
        arrival.loco = duty;
    } else {
        arrival.loco = findLocoByDuty(state, duty);
        if (arrival.loco != 0) state.locos[arrival.loco].where = whereOnArrival + index;
    }

    if (arrival.time != 0) portionFromName(state, index, firstPortion);

    arrival.late = initialLateness(context.rand(lateDrawRange), state.difficulty);
    return index;
}

PortionIndex addArrivalPortion(BuildContext& context, std::string_view arrivalCode,
                               std::string_view portionName) {
    GameState& state = context.state;
    const ArrivalIndex arrival = findArrivalByCode(state, arrivalCode);
    if (arrival == 0 || state.arrivals[arrival].time == 0) return 0;
    return portionFromName(state, arrival, portionName);
}

TrafficIndex addTraffic(BuildContext& context, int route, std::string_view name,
                        std::string_view departureCode, int trafficType) {
    GameState& state = context.state;
    const TrafficIndex index = ++state.trafficCount;
    Traffic& traffic = state.traffic[index];
    traffic = Traffic{};
    traffic.route = route;
    traffic.name = name;
    traffic.trafficType = trafficType;
    traffic.readyAt = -1;
    traffic.departure = isBlank(departureCode) ? 0 : findDepartureByCode(state, departureCode);
    return index;
}

PortionIndex newPortion(GameState& state, ArrivalIndex arrival, TrafficIndex traffic,
                        DepartureIndex departure) {
    const PortionIndex index = ++state.portionCount;
    Portion& portion = state.portions[index];
    portion = Portion{};
    portion.traffic = traffic;
    portion.portionState = portionOnTrain;
    if (traffic != 0) state.traffic[traffic].portion = index;
    appendToRake(state, arrival, index, true);
    attachToDeparture(state, departure, index);
    return index;
}

void addLightEngineMove(BuildContext& context, int time, int line, int duty, EngineCondition flag) {
    GameState& state = context.state;
    LightEngineMove& move = state.lightEngineMoves[++state.lightEngineCount];
    move = LightEngineMove{};
    move.time = time - lightEngineEarliest + context.rand(lightEngineSpread);
    move.line = line;
    move.loco = findLocoByDuty(state, duty);
    move.flag = flag;
}

bool departureRuns(const GameState& state, std::string_view code) {
    const DepartureIndex departure = findDepartureByCode(state, code);
    return departure != 0 && state.departures[departure].state != departureGone;
}

void setReturnArrival(GameState& state, std::string_view departureCode, std::string_view arrivalCode) {
    const DepartureIndex departure = findDepartureByCode(state, departureCode);
    if (departure == 0) return;
    state.departures[departure].returnArrival = findArrivalByCode(state, arrivalCode);
    state.departures[departure].returnCode = arrivalCode;
}

void resolveReturnArrivals(GameState& state) {
    for (DepartureIndex index = 1; index <= state.departureCount; ++index) {
        Departure& departure = state.departures[index];
        departure.returnArrival =
            isBlank(departure.returnCode.view()) ? 0 : findArrivalByCode(state, departure.returnCode.view());
        if (!isBlank(departure.returnCode2.view()))
            departure.returnArrival2 = findArrivalByCode(state, departure.returnCode2.view());
    }
}

} // namespace wm
