// The whole-state invariant check: a new game of each day passes, and each invariant catches a state
// broken by hand in the way it guards against.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "drive/driver.h"
#include "world/berths.h"
#include "world/invariants.h"
#include "world/loco_places.h"

namespace wm {
namespace {

/// The state of a new game of the day as the real game sets it up, before the first command.
std::unique_ptr<GameState> newGame(const std::string& day) {
    Driver driver(WENDMOOR_BUILD_DIR "/", 7);
    std::string error;
    EXPECT_EQ(driver.run("new.script", {"new-game 10 " + day}, error), 0) << error;
    return std::make_unique<GameState>(driver.game().state);
}

std::set<std::string> namesOf(const std::vector<BrokenInvariant>& found) {
    std::set<std::string> names;
    for (const auto& b : found) names.insert(b.name);
    return names;
}

std::string listed(const std::vector<BrokenInvariant>& found) {
    std::string text;
    for (const auto& b : found) text += b.name + ": " + b.detail + "\n";
    return text;
}

TEST(Invariants, ANewGameOfEachDayKeepsThemAll) {
    for (const char* day : {"Weekday", "Saturday", "Sunday"}) {
        const auto s = newGame(day);
        EXPECT_GT(s->portionCount, 0) << day;
        const auto found = findBrokenInvariants(*s, {0});
        EXPECT_TRUE(found.empty()) << day << "\n" << listed(found);
    }
}

class BrokenState : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { weekday = newGame("Weekday").release(); }
    static void TearDownTestSuite() { delete weekday; }
    void SetUp() override { s = std::make_unique<GameState>(*weekday); }

    /// Only the named invariant is reported broken.
    void expectOnly(const char* name) {
        const auto found = findBrokenInvariants(*s);
        EXPECT_EQ(namesOf(found), std::set<std::string>{name}) << listed(found);
    }
    /// The named invariant is among those reported (a damage may break others with it).
    void expectAmong(const char* name) {
        const auto found = findBrokenInvariants(*s);
        EXPECT_TRUE(namesOf(found).count(name)) << listed(found);
    }
    /// The first place at rest holding what `fits` asks for.
    template <typename Fits>
    LocationId placeWhere(Fits fits) {
        for (LocationId p = 1; p <= placeCount; ++p)
            if (s->locations[p].busyTicks == 0 && fits(s->locations[p])) return p;
        ADD_FAILURE() << "no such place in a new Weekday";
        return 1;
    }
    LocationId placeWithStock() {
        return placeWhere([this](const Location& l) {
            return l.occState == occStock && s->portions[l.occupant].next != 0;
        });
    }
    LocationId placeWithEngine() {
        return placeWhere([](const Location& l) { return !enginesAt(l).empty(); });
    }

    static GameState* weekday;
    std::unique_ptr<GameState> s;
};
GameState* BrokenState::weekday = nullptr;

TEST_F(BrokenState, ACountBeyondItsTable) {
    s->trafficCount = trafficCapacity + 1;
    expectAmong(invariant::capacity);
    s->trafficCount = -1; // and the portions' traffic is outside the table
    expectAmong(invariant::capacity);
    SetUp();
    s->lightEngineCount = lightEngineMoveCapacity + 1;
    expectOnly(invariant::capacity);
}

TEST_F(BrokenState, AnIndexOutsideItsTable) {
    s->portions[1].departure = s->departureCount + 1;
    expectAmong(invariant::reference);
    SetUp();
    s->departures[1].loco = s->locoCount + 1;
    expectOnly(invariant::reference);
    SetUp();
    s->locos[1].where = 4000; // between the arrival and the departure encodings
    expectAmong(invariant::reference);
    SetUp();
    s->lines[2].chosenArrival = s->arrivalCount + 1;
    expectOnly(invariant::reference);
}

TEST_F(BrokenState, TrafficAndItsPortionThatDoNotPointAtEachOther) {
    ASSERT_GE(s->trafficCount, 2);
    const PortionIndex first = s->traffic[1].portion;
    ASSERT_NE(first, 0);
    s->portions[first].traffic = 2;
    expectAmong(invariant::reference);
}

TEST_F(BrokenState, ATimerBelowZero) {
    s->sectionTimer[17] = -1;
    expectOnly(invariant::timer);
    SetUp();
    s->locations[placeWithEngine()].couplingTicks[1] = -3;
    expectOnly(invariant::timer);
    SetUp();
    s->traffic[1].readyAt = -1; // not started: allowed
    s->locos[1].workTime = -1;
    expectOnly(invariant::timer);
}

TEST_F(BrokenState, AnEngineWhoseWhereNamesAnotherPlace) {
    const LocationId place = placeWithEngine();
    const LocoIndex engine = enginesAt(s->locations[place]).front().engine;
    s->locos[engine].where = place == 2 ? 3 : 2;
    expectOnly(invariant::enginePlace);
}

TEST_F(BrokenState, AnEngineInTwoPlaces) {
    const LocationId place = placeWithEngine();
    const LocoIndex engine = enginesAt(s->locations[place]).front().engine;
    const LocationId other = placeWhere([](const Location& l) {
        return l.kind == kindSiding && l.occState == occEmpty && enginesAt(l).empty();
    });
    s->locations[other].locoAt[2] = engine;
    expectOnly(invariant::enginePlace);
}

TEST_F(BrokenState, AnEngineOnAnArrivalThatDoesNotNameIt) {
    const LocationId place = placeWithEngine();
    const LocoIndex engine = enginesAt(s->locations[place]).front().engine;
    s->locations[place].locoAt[enginesAt(s->locations[place]).front().place] = 0;
    ArrivalIndex other = 1;
    while (s->arrivals[other].loco == engine || s->arrivals[other].loco2 == engine) ++other;
    s->locos[engine].where = whereOnArrival + other;
    expectOnly(invariant::enginePlace);
}

TEST_F(BrokenState, AnEngineGoneWithADepartureThatHasNotLeft) {
    const LocationId place = placeWithEngine();
    const StandingEngine gone = enginesAt(s->locations[place]).front();
    s->locations[place].locoAt[gone.place] = 0;
    DepartureIndex d = 1;
    while (s->departures[d].state == departureGone) ++d;
    s->locos[gone.engine].where = whereLeftWithDeparture + d;
    expectOnly(invariant::enginePlace);
    s->departures[d].state = departureGone;
    EXPECT_TRUE(findBrokenInvariants(*s).empty());
}

TEST_F(BrokenState, AnEngineBeyondItsPlacesSlots) {
    const LocationId spot = placeWhere([](const Location& l) {
        return l.locoSlots == 1 && l.kind == kindServicePoint && enginesAt(l).empty();
    });
    const LocationId place = placeWithEngine();
    const StandingEngine moved = enginesAt(s->locations[place]).front();
    s->locations[place].locoAt[moved.place] = 0;
    s->locations[spot].locoAt[3] = moved.engine;
    s->locos[moved.engine].where = spot;
    expectOnly(invariant::enginePlace);
}

TEST_F(BrokenState, RakeLinksThatDisagree) {
    const PortionIndex head = s->locations[placeWithStock()].occupant;
    const PortionIndex second = s->portions[head].next;
    s->portions[second].prev = 0;
    expectAmong(invariant::rakeLinks);
}

TEST_F(BrokenState, ARakeThatRunsInACycle) {
    const PortionIndex head = s->locations[placeWithStock()].occupant;
    const PortionIndex tail = s->portions[head].next;
    ASSERT_EQ(s->portions[tail].next, 0) << "the test wants a rake of two";
    // Head and tail made into a ring: every link agrees, yet no portion starts the rake.
    s->portions[tail].next = head;
    s->portions[head].prev = tail;
    for (LocationId p = 1; p <= placeCount; ++p)
        if (s->locations[p].occupant == head && s->locations[p].occState == occStock) {
            s->locations[p].occState = occEmpty;
            s->locations[p].occupant = 0;
        }
    expectOnly(invariant::rakeLinks);
}

TEST_F(BrokenState, ADepartureListThatDisagreesWithItsCount) {
    DepartureIndex d = 1;
    while (d < s->departureCount &&
           (s->departures[d].portionCount == 0 || s->departures[d].time == notRunningTime))
        ++d;
    ++s->departures[d].portionCount;
    expectOnly(invariant::rakeLinks);
}

TEST_F(BrokenState, APortionForADepartureThatDoesNotListIt) {
    DepartureIndex d = 1;
    while (d < s->departureCount && s->departures[d].firstPortion == 0) ++d;
    const PortionIndex first = s->departures[d].firstPortion;
    s->departures[d].firstPortion = s->portions[first].depNext;
    if (s->portions[first].depNext != 0) s->portions[s->portions[first].depNext].depPrev = 0;
    s->portions[first].depNext = 0;
    if (s->departures[d].time != notRunningTime) --s->departures[d].portionCount;
    expectOnly(invariant::rakeLinks);
}

TEST_F(BrokenState, APortionOfAStandingRakeThatNamesAnotherPlace) {
    const LocationId place = placeWithStock();
    const PortionIndex second = s->portions[s->locations[place].occupant].next;
    s->portions[second].location = place + 1;
    expectOnly(invariant::rakeLocation);
}

TEST_F(BrokenState, AnOccupantOfTheWrongKind) {
    const LocationId place = placeWithStock();
    // The second portion of the rake is no rake's head.
    s->locations[place].occupant = s->portions[s->locations[place].occupant].next;
    expectAmong(invariant::occupant);
    SetUp();
    const LocationId empty = placeWhere([](const Location& l) { return l.occState == occEmpty; });
    s->locations[empty].occupant = 3;
    expectOnly(invariant::occupant);
    SetUp();
    s->locations[empty].occState = occArrival;
    s->locations[empty].occupant = 0;
    expectOnly(invariant::occupant);
    SetUp();
    s->locations[empty].occState2 = occDeparture;
    s->locations[empty].occupant2 = s->departureCount + 1;
    expectAmong(invariant::occupant);
}

TEST_F(BrokenState, ATrainStandingInTwoPlaces) {
    const LocationId entry = placeWhere([](const Location& l) { return l.occState == occArrival; });
    const LocationId other = placeWhere([](const Location& l) {
        return l.kind == kindSiding && l.occState == occEmpty && enginesAt(l).empty();
    });
    s->locations[other].occState = occArrival;
    s->locations[other].occupant = s->locations[entry].occupant;
    expectOnly(invariant::occupant);
}

TEST_F(BrokenState, APlaceAtRestWithItsBerthNotMerged) {
    const LocationId place = placeWithEngine();
    s->locations[incomingBerth(place)].occState = occStock;
    s->locations[incomingBerth(place)].occupant = s->locations[placeWithStock()].occupant;
    expectAmong(invariant::berthMerged);
    SetUp();
    s->locations[place].occState = occComingIn;
    expectOnly(invariant::berthMerged);
}

TEST_F(BrokenState, AMoveUnderWayIsNotAFault) {
    // While a place counts down, its berth holds what it will hold and its engines may be on their way.
    const LocationId place = placeWithEngine();
    const LocoIndex engine = enginesAt(s->locations[place]).front().engine;
    keepContentsInBerth(*s, place);
    s->locations[place].busyTicks = 4;
    s->locations[place].occState = occChangingEnds;
    s->locos[engine].where = incomingBerth(place);
    const auto found = findBrokenInvariants(*s);
    EXPECT_TRUE(found.empty()) << listed(found);
}

TEST_F(BrokenState, APlaceATrainPassesThroughNamesItWithoutHoldingIt) {
    // The train is bound for another place, whose berth holds it; the place it passes names it for the
    // screen.
    const LocationId entry = placeWhere([](const Location& l) { return l.occState == occArrival; });
    const LocationId passed = placeWhere([](const Location& l) {
        return l.kind == kindRunningSection && l.occState == occEmpty && enginesAt(l).empty();
    });
    s->locations[passed].occState = occPassingThrough;
    s->locations[passed].busyTicks = 3;
    s->locations[incomingBerth(passed)].occState = occArrival;
    s->locations[incomingBerth(passed)].occupant = s->locations[entry].occupant;
    const auto found = findBrokenInvariants(*s);
    EXPECT_TRUE(found.empty()) << listed(found);
    // Once passed, the place holds nothing: a berth still naming the train is a fault.
    s->locations[passed].busyTicks = 0;
    s->locations[passed].occState = occEmpty;
    expectAmong(invariant::berthMerged);
}

TEST_F(BrokenState, AScoreChangedOutsideTheScoreOperations) {
    s->score += 3;
    InvariantInputs inputs;
    inputs.scoreFromEvents = s->score - 3;
    const auto found = findBrokenInvariants(*s, inputs);
    EXPECT_EQ(namesOf(found), std::set<std::string>{invariant::score}) << listed(found);
    inputs.scoreFromEvents = s->score;
    EXPECT_TRUE(findBrokenInvariants(*s, inputs).empty());
}

} // namespace
} // namespace wm
