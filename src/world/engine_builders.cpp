#include "world/engine_builders.h"

#include "world/build_context.h"
#include "world/engine_list.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/loco_places.h"
#include "world/lookups.h"
#include "world/sheds.h"
#include "world/ticks.h"

#include <string>

namespace wm {

namespace {

constexpr int mostCandidatePicks = 51;
constexpr int picksPerNumberInRange = 10;
constexpr int mostPlacementAttempts = 201;
constexpr int noLateAllowance = 999;

constexpr int servicingBaseTicks = 360; // two hours
constexpr int repairBaseTicks = 180;    // one hour
constexpr int outOfUseTicks = 6000;

bool numberTaken(const GameState& state, std::string_view number) {
    for (LocoIndex engine = 1; engine <= state.locoCount; ++engine)
        if (state.locos[engine].number == number) return true;
    return false;
}

// Draws numbers until a free one turns up or the picks run out; the last pick stands either way.
template <typename Pick>
std::string drawNumber(BuildContext& context, int duty, int mostPicks, Pick pick) {
    std::string number;
    for (int picks = 0; picks < mostPicks; ++picks) {
        number = pick();
        if (!numberTaken(context.state, number)) return number;
    }
    context.error("Unable to allocate loco " + std::to_string(duty));
    return number;
}

LocoIndex appendLoco(BuildContext& context, int duty, int classIndex, std::string_view number,
                     std::string_view shed) {
    GameState& state = context.state;
    const LocoIndex index = ++state.locoCount;
    Loco& engine = state.locos[index];
    engine = Loco{};
    engine.duty = duty;
    engine.classIndex = classIndex;
    engine.number = number;
    engine.shed = shed;
    engine.lateAllowance = noLateAllowance;
    engine.facing =
        context.sheds.initialFacing(engine.shed.view(), [&context](int n) { return context.rand(n); });
    return index;
}

std::string twoDigits(int value) {
    return std::string{static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

// The engine of the duty, or 0 after the warning that it is missing.
LocoIndex engineOfDuty(BuildContext& context, int duty) {
    const LocoIndex engine = findLocoByDuty(context.state, duty);
    if (engine == 0) context.warning("Loco " + std::to_string(duty) + " is missing");
    return engine;
}

} // namespace

LocoIndex addLoco(BuildContext& context, int duty, int classIndex,
                  const std::array<std::string_view, 4>& candidates, std::string_view shed) {
    const std::string number = drawNumber(context, duty, mostCandidatePicks, [&] {
        return std::string(candidates[static_cast<std::size_t>(context.rand(4))]);
    });
    return appendLoco(context, duty, classIndex, number, shed);
}

LocoIndex addLocoNumbered(BuildContext& context, int duty, int classIndex, std::string_view prefix, int base,
                          int range, std::string_view shed) {
    const std::string number = drawNumber(context, duty, picksPerNumberInRange * range, [&] {
        return std::string(prefix) + twoDigits(base + context.rand(range));
    });
    return appendLoco(context, duty, classIndex, number, shed);
}

void buildEngineTable(BuildContext& context) {
    const EngineList& engines = loadedEngineList();
    context.state.locoCount = 0;
    for (const EngineRow& row : engines) {
        if (row.drawn) {
            addLocoNumbered(context, row.duty, row.classIndex, row.prefix, row.base, row.range, row.shed);
        } else {
            addLoco(context, row.duty, row.classIndex,
                    {row.candidates[0], row.candidates[1], row.candidates[2], row.candidates[3]}, row.shed);
        }
    }
}

void placeLoco(BuildContext& context, int duty, LocationId place, int slot, EngineCondition condition) {
    const LocoIndex index = engineOfDuty(context, duty);
    if (index == 0) return;
    GameState& state = context.state;
    Loco& engine = state.locos[index];
    state.locations[place].locoAt.at(static_cast<std::size_t>(slot)) = index;
    engine.where = place;
    engine.condition = condition;
    engine.lateAllowance = 0;
    switch (condition) {
    case conditionNeedsServicing:
        engine.workTime = servicingBaseTicks + ticksPerMinute * context.rand(6 * state.difficulty);
        break;
    case conditionNeedsRepair:
        engine.workTime = repairBaseTicks + ticksPerMinute * context.rand(12 * state.difficulty);
        break;
    case conditionOutOfUse:
        engine.workTime = outOfUseTicks;
        break;
    default:
        engine.workTime = 0;
    }
}

void placeLocoInRange(BuildContext& context, int duty, LocationId firstPlace, LocationId lastPlace) {
    const LocoIndex index = engineOfDuty(context, duty);
    if (index == 0) return;
    GameState& state = context.state;
    Loco& engine = state.locos[index];
    bool placed = false;
    for (int attempt = 0; attempt < mostPlacementAttempts && !placed; ++attempt) {
        engine.workTime = 0;
        const LocationId place = firstPlace + context.rand(lastPlace - firstPlace + 1);
        const Location& location = state.locations[place];
        if (location.locoSlots < 1 || location.locoAt.at(static_cast<std::size_t>(location.locoSlots)) != 0)
            continue;
        pushLocoFront(state, place, index);
        placed = true;
    }
    engine.lateAllowance = 0;
    if (!placed)
        context.error("No space in " + state.locations[firstPlace].code.str() + " - " +
                      state.locations[lastPlace].code.str());
}

void setLocoFacing(BuildContext& context, int duty, int facing) {
    const LocoIndex index = engineOfDuty(context, duty);
    if (index != 0) context.state.locos[index].facing = facing;
}

} // namespace wm
