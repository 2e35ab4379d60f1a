#include "world/game_state.h"
#include "world/group_names.h"
#include "world/location_table.h"
#include "world/loco_places.h"
#include "world/reference_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>

namespace wm {
namespace {

class WorldLocations : public ::testing::Test {
  protected:
    void SetUp() override { buildLocationTable(*state); }

    Location& at(LocationId id) { return state->locations[id]; }

    std::unique_ptr<GameState> state = std::make_unique<GameState>();
};

TEST_F(WorldLocations, HasExactly401EntriesWithNeutralFillersFrom195) {
    EXPECT_EQ(state->locationCount, 401);
    for (LocationId id = 195; id <= 401; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(at(id).code, "aaa");
        EXPECT_EQ(at(id).kind, kindSiding);
        EXPECT_EQ(at(id).locoSlots, 4);
        EXPECT_EQ(at(id).length, 10);
        EXPECT_EQ(at(id).group, 0);
        EXPECT_EQ(at(id).screen, northJunctionScreen);
    }
}

TEST_F(WorldLocations, RebuildingStartsAgainFromIdOneWithEmptyPlaces) {
    at(5).occState = occStock;
    at(5).locoAt[2] = 7;
    buildLocationTable(*state);
    EXPECT_EQ(state->locationCount, 401);
    EXPECT_EQ(at(5).occState, occEmpty);
    EXPECT_EQ(at(5).locoAt[2], 0);
}

struct Sample {
    LocationId id;
    const char* code;
    int kind;
    int length;
    int screen;
    int group;
};

// At least one place from every id range of the screens and the groups, and both ends of most ranges.
constexpr std::array<Sample, 56> samples{{
    {1, "MUH", 5, 0, 0, 0},     {2, "MUL", 6, 10, 0, 5},    {4, "MUA", 6, 10, 0, 5},
    {5, "aaa", 8, 14, 0, 0},    {9, "SSD", 6, 10, 0, 23},   {10, "SSA", 6, 10, 0, 23},
    {11, "ICD", 6, 10, 0, 6},   {12, "ICA", 6, 10, 0, 6},   {13, "MAD", 6, 10, 0, 24},
    {14, "MAA", 6, 10, 0, 24},  {15, "aaa", 6, 12, 0, 0},   {16, "SCS", 6, 10, 0, 9},
    {23, "SCD", 3, 10, 0, 9},   {24, "aaa", 2, 14, 0, 0},   {25, "SCM", 8, 10, 0, 0},
    {26, "DRJ", 8, 10, 2, 0},   {27, "aaa", 2, 14, 1, 0},   {28, "LTT", 7, 0, 1, 14},
    {40, "LS4", 4, 0, 1, 14},   {49, "LS1", 6, 10, 1, 14},  {50, "aaa", 6, 8, 2, 0},
    {55, "WN ", 0, 14, 2, 0},   {56, "wn ", 1, 14, 2, 0},   {64, "DL2", 3, 10, 2, 11},
    {66, "GNU", 3, 10, 2, 0},   {69, "BSD", 6, 10, 2, 4},   {71, "WPS", 6, 10, 2, 15},
    {73, "WC2", 6, 10, 2, 15},  {74, "aaa", 6, 10, 2, 0},   {78, "DR2", 6, 10, 2, 11},
    {81, "VTY", 6, 10, 2, 12},  {89, "GW3", 6, 11, 2, 10},  {91, "LLL", 6, 8, 2, 13},
    {93, "WAL", 6, 6, 2, 15},   {95, "PL1", 2, 14, 3, 15},  {97, "DFM", 3, 14, 2, 15},
    {104, "P6S", 2, 6, 3, 15},  {110, "BAY", 6, 6, 3, 15},  {111, "aaa", 6, 10, 3, 0},
    {113, "UTT", 7, 0, 3, 0},   {121, "UY5", 6, 10, 3, 16}, {137, "UGL", 3, 10, 3, 16},
    {142, "DT1", 3, 14, 3, 17}, {151, "DG8", 6, 10, 3, 17}, {152, "aaa", 1, 14, 3, 0},
    {154, "UGA", 8, 14, 4, 0},  {156, "DF4", 8, 14, 3, 0},  {157, "US4", 8, 14, 4, 0},
    {158, "DS4", 8, 14, 3, 0},  {159, "aaa", 6, 14, 2, 0},  {160, "WS3", 6, 14, 4, 18},
    {163, "aaa", 6, 8, 4, 0},   {180, "bb ", 1, 14, 4, 0},  {182, "EEA", 6, 10, 4, 19},
    {192, "RUS", 1, 14, 4, 0},  {194, "DGB", 6, 10, 3, 0},
}};

TEST_F(WorldLocations, SampleOfEveryRangeHasItsCodeKindLengthScreenAndGroup) {
    for (const Sample& sample : samples) {
        SCOPED_TRACE(sample.id);
        EXPECT_EQ(at(sample.id).code, sample.code);
        EXPECT_EQ(at(sample.id).kind, sample.kind);
        EXPECT_EQ(at(sample.id).length, sample.length);
        EXPECT_EQ(at(sample.id).screen, sample.screen);
        EXPECT_EQ(at(sample.id).group, sample.group);
    }
}

TEST_F(WorldLocations, KindsAndScreensHaveTheirLayoutCounts) {
    std::array<int, 9> kinds{};
    std::array<int, 5> screens{};
    for (LocationId id = 1; id <= 194; ++id) {
        ++kinds.at(static_cast<std::size_t>(at(id).kind));
        ++screens.at(static_cast<std::size_t>(at(id).screen));
    }
    EXPECT_EQ(kinds, (std::array<int, 9>{6, 7, 9, 19, 7, 5, 100, 2, 39}));
    EXPECT_EQ(screens, (std::array<int, 5>{25, 23, 54, 56, 36}));
}

TEST_F(WorldLocations, EnginePlacesAreFourExceptAtServicePointsTurntablesAndLS4) {
    EXPECT_EQ(at(40).locoSlots, 3);
    EXPECT_EQ(at(28).locoSlots, 1);
    EXPECT_EQ(at(113).locoSlots, 1);
    const std::set<LocationId> single{1, 28, 34, 35, 37, 106, 113};
    for (LocationId id = 1; id <= 401; ++id) {
        if (id == 40) continue;
        EXPECT_EQ(at(id).locoSlots, single.contains(id) ? 1 : 4) << id;
        EXPECT_EQ(at(id).locoSlots == 1,
                  id <= 194 && (at(id).kind == kindServicePoint || at(id).kind == kindTurntable))
            << id;
    }
}

TEST_F(WorldLocations, NamedCodesAreUniqueAndTypedCodesFindThem) {
    std::set<std::string> seen;
    for (LocationId id = 1; id <= 194; ++id) {
        const std::string code = at(id).code.str();
        ASSERT_EQ(code.size(), 3u) << id;
        if (code == "aaa") continue;
        EXPECT_TRUE(seen.insert(code).second) << code;
        EXPECT_EQ(findPlaceByCode(*state, code), id);
    }
    EXPECT_EQ(findPlaceByCode(*state, "WN "), 55);
    EXPECT_EQ(findPlaceByCode(*state, "wn "), 56);
    EXPECT_EQ(findPlaceByCode(*state, "BB "), 179);
    EXPECT_EQ(findPlaceByCode(*state, "bb "), 180);
    EXPECT_EQ(findPlaceByCode(*state, "WN"), 0);
    EXPECT_EQ(findPlaceByCode(*state, "aaa"), 0);
}

TEST_F(WorldLocations, GroupNamesNameEveryRouteCode) {
    EXPECT_EQ(groupName(14), "SH Shed");
    EXPECT_EQ(groupName(15), "Wendmoor Stn");
    EXPECT_EQ(groupName(16), "Up Yard");
    EXPECT_EQ(groupName(17), "Down Yard");
    EXPECT_EQ(groupName(18), "Wagon Shop");
    std::set<std::string> names;
    for (int code = 1; code <= 25; ++code) {
        const std::string name = groupName(code);
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_LE(name.size(), 13u) << code;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 25u);
    EXPECT_EQ(groupName(0), "");
    EXPECT_EQ(groupName(26), "");
}

class WorldLocoPlaces : public WorldLocations {
  protected:
    // Engines 1..8 exist and stand nowhere.
    void SetUp() override {
        WorldLocations::SetUp();
        state->locoCount = 8;
    }

    std::array<LocoIndex, 4> places(LocationId id) {
        return {at(id).locoAt[1], at(id).locoAt[2], at(id).locoAt[3], at(id).locoAt[4]};
    }

    using Places = std::array<LocoIndex, 4>;
};

TEST_F(WorldLocoPlaces, PutFirstFreeSkipsATakenPlaceOne) {
    at(44).locoAt[1] = 3;
    putLocoFirstFree(*state, 44, 5);
    EXPECT_EQ(places(44), (Places{3, 5, 0, 0}));
    EXPECT_EQ(state->locos[5].where, 44);
    putLocoFirstFree(*state, 44, 6);
    EXPECT_EQ(places(44), (Places{3, 5, 6, 0}));
}

TEST_F(WorldLocoPlaces, PushFrontShiftsTowardsTheHighEndWithinThePlaceCount) {
    pushLocoFront(*state, 40, 1);
    pushLocoFront(*state, 40, 2);
    pushLocoFront(*state, 40, 3);
    EXPECT_EQ(places(40), (Places{3, 2, 1, 0}));
    EXPECT_EQ(state->locos[3].where, 40);
    pushLocoFront(*state, 28, 4);
    EXPECT_EQ(places(28), (Places{4, 0, 0, 0}));
}

TEST_F(WorldLocoPlaces, PopFrontAndRemoveLastFreeOppositeEnds) {
    at(44).locoAt = {0, 1, 2, 0, 4};
    popLocoFront(*state, 44);
    EXPECT_EQ(places(44), (Places{2, 0, 4, 0}));
    removeLastLoco(*state, 44);
    EXPECT_EQ(places(44), (Places{2, 0, 0, 0}));
    removeLastLoco(*state, 44);
    removeLastLoco(*state, 44);
    EXPECT_EQ(places(44), (Places{0, 0, 0, 0}));
}

TEST_F(WorldLocoPlaces, CloseUpMovesEndEnginesTowardsTheMiddle) {
    at(44).locoAt = {0, 1, 0, 0, 4};
    closeUpLocos(*state, 44);
    EXPECT_EQ(places(44), (Places{0, 1, 4, 0}));
    at(45).locoAt = {0, 1, 2, 0, 4};
    closeUpLocos(*state, 45);
    EXPECT_EQ(places(45), (Places{1, 2, 4, 0}));
    // A turntable's only engine has nowhere to close up to.
    at(28).locoAt = {0, 6, 0, 0, 0};
    closeUpLocos(*state, 28);
    EXPECT_EQ(places(28), (Places{6, 0, 0, 0}));
}

TEST_F(WorldLocoPlaces, SyncAllSetsWhereExceptAtBusyPlaces) {
    at(44).locoAt[1] = 1;
    at(45).locoAt[4] = 2;
    at(45).busyTicks = 3;
    syncAllLocoWhere(*state);
    EXPECT_EQ(state->locos[1].where, 44);
    EXPECT_EQ(state->locos[2].where, 0);
    syncLocoWhere(*state, 45);
    EXPECT_EQ(state->locos[2].where, 45);
}

TEST_F(WorldLocoPlaces, MismatchIsFoundExceptAtSecondBerthsAndPlacesMidMove) {
    at(44).locoAt[3] = 1;
    state->locos[1].where = 44;
    EXPECT_FALSE(locoWhereMismatch(*state, 44, true));
    state->locos[1].where = 244;
    EXPECT_TRUE(locoWhereMismatch(*state, 44, false));
    at(44).occState = occPassingThrough;
    EXPECT_FALSE(locoWhereMismatch(*state, 44, false));
    EXPECT_TRUE(locoWhereMismatch(*state, 44, true));
    at(244).locoAt[1] = 2;
    EXPECT_FALSE(locoWhereMismatch(*state, 244, false));
    EXPECT_TRUE(locoWhereMismatch(*state, 244, true));
}

} // namespace
} // namespace wm

namespace wm {
namespace {

TEST(WorldEnds, EachEndHasItsPlaceNextToTheTrainAndOneBeyond) {
    EXPECT_EQ(outerPlace(lowEnd), 1);
    EXPECT_EQ(innerPlace(lowEnd), 2);
    EXPECT_EQ(innerPlace(highEnd), 3);
    EXPECT_EQ(outerPlace(highEnd), 4);
    for (int place = 1; place <= 4; ++place) {
        const int end = endOfPlace(place);
        EXPECT_TRUE(place == innerPlace(end) || place == outerPlace(end)) << place;
    }
}

TEST(WorldEnds, AnEndHasAnEngineOnlyWhenARealEngineStandsInOneOfItsPlaces) {
    Location l;
    l.locoAt[4] = noEngine;
    EXPECT_FALSE(hasEngineAtEnd(l, highEnd));
    l.locoAt[1] = 7;
    EXPECT_TRUE(hasEngineAtEnd(l, lowEnd));
    EXPECT_FALSE(hasEngineAtEnd(l, highEnd));
}

TEST(WorldEnds, TheEnginesOfAPlaceComeLowEndFirstWithTheirPlacesAndNoEngineLeftOut) {
    Location l;
    l.locoAt = {0, 0, 12, noEngine, 5};
    const EnginesHere here = enginesAt(l);
    ASSERT_EQ(here.size(), 2);
    EXPECT_EQ(here.front().place, 2);
    EXPECT_EQ(here.front().engine, 12);
    EXPECT_EQ(here.back().place, 4);
    EXPECT_EQ(here.back().engine, 5);
    EXPECT_TRUE(standsAt(l, 5));
    EXPECT_FALSE(standsAt(l, noEngine));
    EXPECT_TRUE(enginesAt(Location{}).empty());
}

} // namespace
} // namespace wm
