#include "rules/engine_bonus.h"

#include "rules/train_words.h"
#include "world/game_state.h"
#include "world/line_tables.h"
#include "world/reference_tables.h"
#include "world/sheds.h"

namespace wm {

namespace {
constexpr int dieselUnitClass = 1;

bool knownEngine(const GameState& s, LocoIndex engine) {
    return isRealEngine(engine) && engine <= s.locoCount;
}

int shedScore(const ShedTable& sheds, const Departure& d, std::string_view shed,
              std::string_view bookedShed) {
    if (shed == sheds.localShed() || !isMainLine(d.line)) return 0;
    // The other sheds of the local district are close enough that choosing them earns little.
    const int nearHome = sheds.isLocalDistrictOtherShed(shed) ? 1 : 0;
    if (shed == bookedShed) return nearHome ? 1 : 2;
    if (shed == d.shed.view()) return nearHome ? 1 : 3;
    return sheds.districtRelation(shed, d.shed.view());
}
} // namespace

EngineBonus engineBonus(const GameState& s, const ShedTable& sheds, const Departure& d, LocoIndex used,
                        LocoIndex booked) {
    if (!knownEngine(s, used)) return {};
    const Loco& engine = s.locos[used];
    if (engine.classIndex == dieselUnitClass) return {};
    const bool wasBooked = knownEngine(s, booked);
    const bool classScores = wasBooked && engine.classIndex == s.locos[booked].classIndex;
    const int shed = shedScore(sheds, d, engine.shed.view(), wasBooked ? s.locos[booked].shed.view() : "");
    EngineBonus bonus;
    bonus.points = (classScores ? 1 : 0) + shed;
    if (bonus.points <= 0) return {};
    bonus.reason = "using ";
    if (shed > 0) bonus.reason += engine.shed.str();
    if (shed > 0 && classScores) bonus.reason += " ";
    if (classScores) bonus.reason += std::string(locoClass(engine.classIndex).name);
    bonus.reason += " loco on " + trainWords(d);
    return bonus;
}

} // namespace wm
