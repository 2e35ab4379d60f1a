#include "world/build_context.h"
#include "world/data_file.h"
#include "world/engine_builders.h"
#include "world/engine_list.h"
#include "world/game_state.h"
#include "world/location_table.h"
#include "world/reference_tables.h"
#include "world/sheds.h"

#include <gtest/gtest.h>

#include "test_services.h"

#include "scripted_build.h"

#include <deque>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace wm {
namespace {

// A small shed table: local district 9 with " SH", " 9B", " 9C"; districts 8 and 10 are its neighbours.
constexpr std::string_view testSheds = R"(# code district role
" 8A"  8  -
" SH"  9  local
" 9B"  9  -
" 9C"  9  -
"10A" 10  -
"12A" 12  faces-low
)";
constexpr std::string_view testDistricts = R"(
 8  9
 9  8 10
10  9
12
)";

ShedTable testShedTable() {
    return ShedTable::parse(testSheds, "sheds.txt", testDistricts, "districts.txt");
}

class WorldEngines : public ::testing::Test, protected ScriptedBuild {
  protected:
    WorldEngines() : ScriptedBuild(testShedTable()) {}
};

TEST_F(WorldEngines, ShedTableRelatesDistricts) {
    EXPECT_EQ(sheds.districtRelation(" 9B", " SH"), 2);
    EXPECT_EQ(sheds.districtRelation(" 8A", "10A"), 0);
    EXPECT_EQ(sheds.districtRelation(" 8A", " 9C"), 1);
    EXPECT_EQ(sheds.districtRelation("10A", " SH"), 1);
    EXPECT_EQ(sheds.districtRelation("12A", " SH"), 0);
    EXPECT_EQ(sheds.districtRelation("99Z", "99Z"), 0);
    EXPECT_TRUE(sheds.isLocalDistrictOtherShed(" 9B"));
    EXPECT_TRUE(sheds.isLocalDistrictOtherShed(" 9C"));
    EXPECT_FALSE(sheds.isLocalDistrictOtherShed(" SH"));
    EXPECT_FALSE(sheds.isLocalDistrictOtherShed(" 8A"));
}

TEST_F(WorldEngines, FacingFollowsTheHomeShed) {
    EXPECT_EQ(sheds.facingThreshold(), " 9A");
    const std::function<int(int)> one = [](int) { return 1; };
    EXPECT_EQ(sheds.initialFacing(" 8A", one), 0); // sorts below " 9A"
    EXPECT_EQ(sheds.initialFacing("12A", one), 0); // the exception
    EXPECT_EQ(sheds.initialFacing("10A", one), 1);
    EXPECT_EQ(sheds.initialFacing(" 9B", one), 1);
    int drawnWith = 0;
    EXPECT_EQ(sheds.initialFacing(" SH",
                                  [&](int n) {
                                      drawnWith = n;
                                      return 1;
                                  }),
              1);
    EXPECT_EQ(drawnWith, 2);
}

void expectShedError(std::string_view shedsText, std::string_view districtsText, const std::string& where) {
    try {
        ShedTable::parse(shedsText, "sheds.txt", districtsText, "districts.txt");
        ADD_FAILURE() << "no error for " << where;
    } catch (const DataFileError& error) {
        EXPECT_EQ(std::string(error.what()).substr(0, where.size()), where) << error.what();
    }
}

TEST_F(WorldEngines, DamagedShedTablesNameFileAndLine) {
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n\"9C\" 9 -\n", "9", "sheds.txt:3:");
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n\" 8C\" 9 -\n", "9", "sheds.txt:3:");
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n", "9", "sheds.txt:2:");
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n\" 9C\" 9 -\n", "9 8\n8\n", "districts.txt:2:");
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n\" 9C\" 9 fast\n", "9", "sheds.txt:3:");
    expectShedError("\" SH\" 9 local\n\" 9B\" 9 -\n\" 9C\" 9 -\n\" 7A\" 7 -\n", "9", "sheds.txt:4:");
}

void expectEngineError(std::string_view text, const std::string& where) {
    try {
        parseEngineList(text, "engines.txt", testShedTable());
        ADD_FAILURE() << "no error for " << where;
    } catch (const DataFileError& error) {
        EXPECT_EQ(std::string(error.what()).substr(0, where.size()), where) << error.what();
    }
}

TEST_F(WorldEngines, EngineListIsParsedResolvedAndChecked) {
    const EngineList list = parseEngineList("# duty class numbers shed\n"
                                            "  7 \"Jinty\" 47201 47201 47230 47288 \" SH\"\n"
                                            "900 \"DMU  \" draw \"793\" 0 60 \" 9B\"\n",
                                            "engines.txt", sheds);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].line, 2);
    EXPECT_EQ(list[0].classIndex, 2);
    EXPECT_EQ(list[0].candidates[2], "47230");
    EXPECT_EQ(list[1].classIndex, 1);
    EXPECT_TRUE(list[1].drawn);
    EXPECT_EQ(list[1].prefix, "793");
    EXPECT_EQ(list[1].range, 60);

    expectEngineError("7 \"Jinty\" 47201 47201 47230 \" SH\"\n", "engines.txt:1:");
    expectEngineError("\n7 \"Tank \" 47201 47201 47230 47288 \" SH\"\n", "engines.txt:2:");
    expectEngineError("7 \"Jinty\" 47201 47201 47230 47288 \"SH\"\n", "engines.txt:1:");
    expectEngineError("7 \"Jinty\" 47201 4720 47230 47288 \" SH\"\n", "engines.txt:1:");
    expectEngineError("7 \"Jinty 47201 47201 47230 47288 \" SH\"\n", "engines.txt:1:");
    expectEngineError("7 \"Jinty\" 47201 47202 47203 47204 \" SH\"\n"
                      "7 \"Jinty\" 47205 47206 47207 47208 \" SH\"\n",
                      "engines.txt:2:");
    expectEngineError("999 \"Jinty\" 47201 47202 47203 47204 \" SH\"\n", "engines.txt:1:");
    // Every candidate of the second engine belongs to another engine as well.
    expectEngineError("7 \"Jinty\" 47201 47202 47203 47204 \" SH\"\n"
                      "8 \"Jinty\" 47201 47202 47202 47201 \" SH\"\n",
                      "engines.txt:2:");
    expectEngineError("900 \"DMU  \" draw \"793\" 50 60 \" SH\"\n", "engines.txt:1:");
    expectEngineError("900 \"DMU  \" draw \"793\" 0 1 \" SH\"\n901 \"DMU  \" draw \"793\" 0 1 \" SH\"\n",
                      "engines.txt:1:");
    expectEngineError(
        "900 \"DMU  \" draw \"793\" 0 60 \" SH\"\n7 \"Jinty\" 79312 47202 47203 47204 \" SH\"\n",
        "engines.txt:2:");
}

TEST_F(WorldEngines, AllFourCandidatesTakenStillBuildsTheEngineWithAnError) {
    state->locoCount = 2;
    state->locos[1].number = "47201";
    state->locos[2].number = "47230";
    script = {0, 1, 2, 3};
    const LocoIndex added = addLoco(context, 77, 2, {"47201", "47230", "47201", "47230"}, "10A");
    EXPECT_EQ(added, 3);
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to allocate loco 77"});
    EXPECT_EQ(std::count(randCalls.begin(), randCalls.end(), 4), 51);
    const Loco& engine = state->locos[3];
    EXPECT_TRUE(engine.number == "47201" || engine.number == "47230");
    EXPECT_EQ(engine.duty, 77);
    EXPECT_EQ(engine.shed, "10A");
    EXPECT_EQ(engine.facing, 1);
    EXPECT_EQ(engine.lateAllowance, 999);
    EXPECT_EQ(engine.where, 0);
}

TEST_F(WorldEngines, ATakenCandidateIsDrawnAgain) {
    state->locoCount = 1;
    state->locos[1].number = "47201";
    script = {0, 0, 3};
    addLoco(context, 7, 2, {"47201", "47201", "47230", "47288"}, " 8A");
    EXPECT_EQ(state->locos[2].number, "47288");
    EXPECT_EQ(state->locos[2].facing, 0);
    EXPECT_TRUE(errors.empty());
}

TEST_F(WorldEngines, NumberedEnginesDrawTwoDigitsAfterThePrefix) {
    script = {4};
    addLocoNumbered(context, 900, 1, "793", 3, 60, " 9B");
    EXPECT_EQ(state->locos[1].number, "79307");
    script = {4, 4, 61};
    addLocoNumbered(context, 901, 1, "793", 3, 60, " 9B");
    EXPECT_EQ(state->locos[2].number, "79304");
    // A range of one number, already taken: ten draws, then the error.
    randCalls.clear();
    addLocoNumbered(context, 902, 1, "793", 7, 1, " 9B");
    EXPECT_EQ(state->locos[3].number, "79307");
    EXPECT_EQ(std::count(randCalls.begin(), randCalls.end(), 1), 10);
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to allocate loco 902"});
}

TEST_F(WorldEngines, PlaceLocoSetsWorkTimeByCondition) {
    buildLocationTable(*state);
    state->difficulty = 15;
    for (int duty = 1; duty <= 4; ++duty)
        addLoco(context, duty, 11, {"45001", "45001", "45001", "45001"}, "10A");
    errors.clear();
    randCalls.clear();
    script = {1000, 1000};
    placeLoco(context, 1, 44, 2, conditionNeedsServicing);
    placeLoco(context, 2, 45, 1, conditionNeedsRepair);
    placeLoco(context, 3, 46, 4, conditionOutOfUse);
    placeLoco(context, 4, 43, 3, conditionNeedsWater);
    EXPECT_EQ(randCalls, (std::vector<int>{90, 180}));
    EXPECT_EQ(state->locos[1].workTime, 360 + 3 * (1000 % 90));
    EXPECT_EQ(state->locos[2].workTime, 180 + 3 * (1000 % 180));
    EXPECT_EQ(state->locos[3].workTime, 6000);
    EXPECT_EQ(state->locos[4].workTime, 0);
    EXPECT_EQ(state->locations[44].locoAt[2], 1);
    EXPECT_EQ(state->locations[46].locoAt[4], 3);
    EXPECT_EQ(state->locos[4].where, 43);
    EXPECT_EQ(state->locos[4].condition, conditionNeedsWater);
    EXPECT_EQ(state->locos[4].lateAllowance, 0);
}

TEST_F(WorldEngines, MissingDutiesWarnAndChangeNothing) {
    buildLocationTable(*state);
    placeLoco(context, 5, 44, 1, conditionAvailable);
    placeLocoInRange(context, 6, 41, 46);
    setLocoFacing(context, 7, 1);
    EXPECT_EQ(warnings,
              (std::vector<std::string>{"Loco 5 is missing", "Loco 6 is missing", "Loco 7 is missing"}));
    EXPECT_EQ(state->locations[44].locoAt[1], 0);
    EXPECT_TRUE(randCalls.empty());
}

TEST_F(WorldEngines, PlaceInRangeFindsARoadWithRoomOrReportsNoSpace) {
    buildLocationTable(*state);
    addLoco(context, 1, 11, {"45001", "45001", "45001", "45001"}, "10A");
    state->locos[1].workTime = 99;
    state->locos[1].lateAllowance = 999;
    state->locations[41].locoAt = {0, 0, 0, 0, 9}; // last place taken: no room
    script = {0, 1};
    placeLocoInRange(context, 1, 41, 46);
    EXPECT_EQ(state->locations[42].locoAt[1], 1);
    EXPECT_EQ(state->locos[1].where, 42);
    EXPECT_EQ(state->locos[1].workTime, 0);
    EXPECT_EQ(state->locos[1].lateAllowance, 0);

    state->locations[40].locoAt = {0, 0, 0, 9, 0}; // LS4 has three places
    for (LocationId place = 41; place <= 46; ++place) state->locations[place].locoAt[4] = 9;
    randCalls.clear();
    placeLocoInRange(context, 1, 40, 46);
    EXPECT_EQ(randCalls.size(), 201u);
    EXPECT_EQ(errors, std::vector<std::string>{"No space in LS4 - LL1"});
}

// The engine list of the data folder, as every game builds it.
TEST(WorldEngineList, HasTheDutiesTheTimetablesName) {
    const EngineList& list = loadedEngineList();
    const ShedTable& sheds = loadedShedTable();
    EXPECT_EQ(list.size(), 323u);
    std::set<int> duties;
    int drawnUnits = 0;
    int drawnBrits = 0;
    for (const EngineRow& row : list) {
        EXPECT_TRUE(duties.insert(row.duty).second) << row.duty;
        const bool unit = row.className == "DMU  ";
        EXPECT_EQ(unit, row.duty >= 900 && row.duty <= 930) << row.duty;
        if (row.drawn) (unit ? drawnUnits : drawnBrits) += 1;
        if (row.drawn && !unit) {
            EXPECT_EQ(row.className, "Brit ");
        }
        EXPECT_EQ(unit, row.drawn && row.className != "Brit ") << row.duty;
    }
    EXPECT_EQ(drawnBrits, 4);
    EXPECT_EQ(drawnUnits + drawnBrits, 16);
    EXPECT_EQ(*duties.begin(), 1);
    EXPECT_EQ(*duties.rbegin(), 930);
    EXPECT_FALSE(duties.contains(999));
    // Named by the day lists and the starting positions.
    for (int duty : {22,  281, 334, 335, 400, 401, 402, 403, 404, 405, 406, 410, 411, 420, 421,
                     422, 423, 424, 430, 431, 432, 433, 434, 435, 480, 481, 745, 772, 900})
        EXPECT_TRUE(duties.contains(duty)) << duty;
    for (const EngineRow& row : list)
        if (row.duty >= 420 && row.duty <= 424) {
            EXPECT_EQ(row.shed, " SH") << row.duty;
        }
    EXPECT_EQ(sheds.localShed(), " SH");
    int localDistrictOthers = 0;
    for (const ShedTable::Shed& shed : sheds.sheds())
        localDistrictOthers += sheds.isLocalDistrictOtherShed(shed.code);
    EXPECT_EQ(localDistrictOthers, 2);
}

TEST(WorldEngineList, BuildsWithUniqueNumbersDrawnFromEachRow) {
    auto state = std::make_unique<GameState>();
    std::mt19937 random(1958);
    std::vector<std::string> messages;
    TestServices services{[&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); },
                          [&](std::string_view text) { messages.emplace_back(text); }};
    BuildContext context{*state, services, loadedShedTable()};
    buildEngineTable(context);
    buildEngineTable(context); // a second game starts the table afresh
    EXPECT_TRUE(messages.empty());
    const EngineList& list = loadedEngineList();
    ASSERT_EQ(state->locoCount, 323);
    std::set<std::string> numbers;
    for (LocoIndex index = 1; index <= state->locoCount; ++index) {
        const Loco& engine = state->locos[index];
        const EngineRow& row = list[static_cast<std::size_t>(index - 1)];
        SCOPED_TRACE(row.duty);
        EXPECT_EQ(engine.duty, row.duty);
        EXPECT_EQ(engine.classIndex, row.classIndex);
        EXPECT_EQ(engine.shed, row.shed);
        EXPECT_EQ(engine.number.size(), 5u);
        EXPECT_TRUE(numbers.insert(engine.number.str()).second) << engine.number.str();
        if (row.drawn) {
            EXPECT_EQ(engine.number.str().substr(0, 3), row.prefix);
            const int digits = std::stoi(engine.number.str().substr(3));
            EXPECT_GE(digits, row.base);
            EXPECT_LT(digits, row.base + row.range);
        } else {
            EXPECT_NE(std::find(row.candidates.begin(), row.candidates.end(), engine.number.str()),
                      row.candidates.end());
        }
        EXPECT_EQ(engine.where, 0);
        EXPECT_EQ(engine.condition, conditionAvailable);
        EXPECT_EQ(engine.lateAllowance, 999);
    }
}

} // namespace
} // namespace wm
