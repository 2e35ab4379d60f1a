#include "movement/section_ops.h"

#include <algorithm>
#include <array>
#include <utility>

#include "world/game_state.h"

namespace wm {

namespace {
constexpr std::array<std::pair<int, int>, 13> slowRanges{{
    {143, 147},
    {149, 155},
    {157, 168},
    {261, 264},
    {293, 296},
    {324, 327},
    {329, 329},
    {406, 409},
    {423, 426},
    {440, 441},
    {446, 454},
    {472, 479},
    {489, 492},
}};

struct ExitRow {
    LocationId place;
    int line;
};
constexpr std::array<ExitRow, 6> exitRows{{{52, 2}, {54, 3}, {56, 1}, {180, 20}, {190, 21}, {192, 22}}};

bool isSection(int section) {
    return section >= 1 && section <= sectionCount;
}
} // namespace

bool sectionFree(const GameState& s, int section) {
    return !isSection(section) || s.sectionTimer[section] == 0;
}

bool sectionsFree(const GameState& s, std::span<const int> sections) {
    return std::all_of(sections.begin(), sections.end(),
                       [&s](int section) { return sectionFree(s, section); });
}

bool sectionsFree(const GameState& s, std::initializer_list<int> sections) {
    return sectionsFree(s, std::span<const int>(sections.begin(), sections.size()));
}

bool atMostOneBusy(const GameState& s, int first, int second) {
    const int a = isSection(first) ? s.sectionTimer[first] : 0;
    const int b = isSection(second) ? s.sectionTimer[second] : 0;
    return a + b < 2;
}

void copySectionTimer(GameState& s, int source, std::span<const int> targets) {
    if (!isSection(source)) return;
    for (int target : targets)
        if (isSection(target)) s.sectionTimer[target] = s.sectionTimer[source];
}

void setBranchTimer(GameState& s, int section, int add) {
    const int base = section == branchHeldTicks ? branchHeldTicks
                     : isSection(section)       ? s.sectionTimer[section]
                                                : 0;
    s.branchTimer = add + base;
}

bool branchFree(const GameState& s) {
    return s.branchTimer == 0;
}

bool locationClear(const GameState& s, LocationId place) {
    const Location& l = s.locations[place];
    if (std::any_of(l.locoAt.begin() + 1, l.locoAt.end(), [](LocoIndex engine) { return engine != 0; }))
        return false;
    return l.occState != occComingIn && l.occState != occEngineComingIn && l.occupant == 0;
}

bool isSlowSection(int section) {
    return std::any_of(slowRanges.begin(), slowRanges.end(), [section](const auto& range) {
        return section >= range.first && section <= range.second;
    });
}

int sectionCost(int section, int band) {
    return isSlowSection(section) && band >= 2 ? band : 1;
}

int exitLine(LocationId place) {
    for (const ExitRow& row : exitRows)
        if (row.place == place) return row.line;
    return 0;
}

} // namespace wm
