#include "movement/engine_needs.h"

#include <array>
#include <string>
#include <string_view>

#include "world/game_state.h"
#include "world/group_names.h"
#include "world/record_checks.h"
#include "world/ticks.h"

namespace wm {

namespace {
constexpr int servicingBaseTicks = 360;

int needFrom(int condCode, int draw) {
    switch (condCode) {
    // These were settled when the train approached.
    case condFacingFromLine:
    case condNeedsWater:
    case condAvailable:
        return conditionAvailable;
    case condNeedsServicing:
        return conditionNeedsServicing;
    case condNeedsWaterToo:
        return conditionNeedsWater;
    default:
        return condCode < draw ? conditionNeedsCoal : conditionNeedsWater;
    }
}

std::string_view needWord(int condition) {
    static constexpr std::array<std::string_view, 5> words{"", "water", "coal", "servicing", "repairs"};
    return words[static_cast<std::size_t>(condition)];
}
} // namespace

void drawEngineNeed(GameState& s, GameServices& services, ArrivalIndex arrival) {
    if (!isArrival(s, arrival)) return;
    const Arrival& a = s.arrivals[arrival];
    if (!isRealEngine(a.loco) || a.loco > s.locoCount) return;
    Loco& engine = s.locos[a.loco];
    const int need = needFrom(a.condCode, services.rand(99));
    if (need > engine.condition) engine.condition = static_cast<EngineCondition>(need);
    if (engine.condition < conditionNeedsWater || engine.condition > conditionNeedsRepair) return;
    services.notice("Loco " + engine.number.str() + " will need " + std::string(needWord(engine.condition)) +
                    " on arrival at " + groupName(a.group));
    if (engine.condition == conditionNeedsServicing)
        engine.workTime = ticksPerMinute * services.rand(6 * s.difficulty) + servicingBaseTicks;
}

} // namespace wm
