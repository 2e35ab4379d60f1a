// What the attention scan makes of hand-made states: the trains waiting at the edge of the layout, every
// kind of occupant at every kind of place it rates, the cue requests and the racing clock.

#include "rules_fixture.h"

#include "rules/arrival_shunting.h"
#include "session/attention_rules.h"
#include "session/attention_scan.h"
#include "session/closing_penalties.h"
#include "session/main_loop.h"
#include "world/group_names.h"
#include "world/line_tables.h"

namespace wm {
namespace {

class AttentionScanTest : public RulesGame {
  protected:
    void SetUp() override {
        RulesGame::SetUp();
        game->console.options().clockRunning = true;
    }
    LocationId at(std::string_view code) { return findPlaceByCode(s(), code); }
    Location& place(std::string_view code) { return s().locations[at(code)]; }
    void scan(bool counting = true) { AttentionScan(*game, counting); }
    int level(int screen) const { return game->display.alertLevel[static_cast<std::size_t>(screen)]; }
    const AlertState& alerts() const { return game->alerts; }
    /// The rating of what stands at the place, as its main occupant.
    PlaceRating rating(std::string_view code) {
        const Location& l = place(code);
        return ratePlace(s(), at(code), l.occState, l.occupant);
    }
    void stand(std::string_view code, OccState occState, int occupant) {
        place(code).occState = occState;
        place(code).occupant = occupant;
    }
    /// A passenger train (or another type) for the station waiting at the entry of line 2, expected
    /// `late` minutes after 10.00 at the edge, with an engine.
    ArrivalIndex waitingOnLine2(int late, int trainType = 0) {
        const ArrivalIndex a = addArrival(2, 600, 15, trainType);
        s().arrivals[a].late = late;
        s().arrivals[a].loco = 1;
        s().lines[2].chosenArrival = a;
        s().lines[2].nextPassenger = a;
        stand("CUF", occArrival, a);
        return a;
    }
    /// A departure standing formed at the place, with the place's own group unless one is given.
    DepartureIndex formedAt(std::string_view code, int time, int trainType, int line = 2, int group = -1) {
        const DepartureIndex d = addDeparture(line, time, group < 0 ? place(code).group : group, trainType);
        s().departures[d].state = departureReady;
        stand(code, occDeparture, d);
        return d;
    }
    /// Stock for the departure standing at the place, the portion brought by no train.
    PortionIndex stockAt(std::string_view code, DepartureIndex departure) {
        const PortionIndex p = newPortion(s(), 0, 0, departure);
        s().portions[p].portionState = portionStanding;
        s().portions[p].location = at(code);
        stand(code, occStock, p);
        return p;
    }
};

void expectRating(const PlaceRating& r, int level, AlertCue cue) {
    EXPECT_EQ(r.level, level);
    EXPECT_EQ(r.cue, cue);
}

TEST_F(AttentionScanTest, AnEmptyLayoutRatesNothingSetsNoFlagAndLeavesTheRacingClockAlone) {
    game->clock.speededUp = true;
    game->clock.quietTicks = 0;
    game->display.alertLevel = {4, 4, 4, 4, 4};
    game->alerts.ready = true;
    game->alerts.lastLocation = 57;
    scan();
    for (int screen = 0; screen < 5; ++screen) EXPECT_EQ(level(screen), 0) << screen;
    EXPECT_FALSE(alerts().ready || alerts().soon || alerts().late);
    EXPECT_EQ(alerts().lastLocation, 0);
    EXPECT_TRUE(game->clock.speededUp);
    EXPECT_EQ(game->clock.quietTicks, 0);
}

TEST_F(AttentionScanTest, APassengerTrainHeldLateAtTheEdgeRatesFourAndCountsEachCountingPass) {
    const ArrivalIndex a = waitingOnLine2(0); // due at the edge at 10.00, four minutes' run-in: late
    scan();
    EXPECT_EQ(level(northJunctionScreen), 4);
    EXPECT_TRUE(alerts().late);
    EXPECT_FALSE(alerts().soon);
    EXPECT_EQ(alerts().lastLocation, at("CUF"));
    EXPECT_EQ(s().lines[2].waitCount, 1);
    scan();
    scan(false); // the scans between command cycles do not count
    scan();
    EXPECT_EQ(s().lines[2].waitCount, 3);

    // Made later, it is due within the run-in plus two minutes: action is needed soon, and the count
    // starts again.
    s().arrivals[a].late = approachTime(15, 2, 0) + 1;
    scan();
    EXPECT_EQ(level(northJunctionScreen), 3);
    EXPECT_TRUE(alerts().soon);
    EXPECT_EQ(s().lines[2].waitCount, 0);

    // Further off it is not rated at all.
    s().lines[2].waitCount = 5;
    s().arrivals[a].late = approachTime(15, 2, 0) + 2;
    game->alerts = {};
    scan();
    EXPECT_EQ(level(northJunctionScreen), 0);
    EXPECT_FALSE(alerts().soon || alerts().late);
    EXPECT_EQ(s().lines[2].waitCount, 5);
}

TEST_F(AttentionScanTest, TheEndOfTheShiftChargesHalfThePassesATrainWasHeldLate) {
    waitingOnLine2(0);
    for (int pass = 0; pass < 14; ++pass) {
        scan();
        scan(false);
    }
    ChargeHeldArrivals(s(), game->console);
    EXPECT_TRUE(wasShown("You lose 7 points for delaying incoming 10.00 from Pardlow"));
}

TEST_F(AttentionScanTest, AnEdgeTrainIsRatedOnlyWhileItsFirstSectionIsEmptyAndItHasAnEngine) {
    const ArrivalIndex a = waitingOnLine2(-30);
    place("UF1").locoAt[2] = 7; // an engine standing in the first section inside
    scan();
    EXPECT_EQ(level(northJunctionScreen), 0);
    EXPECT_EQ(s().lines[2].waitCount, 0);
    place("UF1").locoAt[2] = 0;
    place("UF1").busyTicks = 4; // a move under way through it
    scan();
    EXPECT_EQ(level(northJunctionScreen), 0);
    place("UF1").busyTicks = 0;

    s().arrivals[a].loco = noEngine;
    scan();
    EXPECT_EQ(level(northJunctionScreen), 0);
    s().arrivals[a].loco = 0; // no engine yet: it is rated, but never as late
    scan();
    EXPECT_EQ(level(northJunctionScreen), 3);
    EXPECT_EQ(s().lines[2].waitCount, 0);

    // A train that is not the one standing at the entry is not rated.
    s().arrivals[a].loco = 1;
    s().lines[2].chosenArrival = addArrival(2, 500, 15, 0);
    scan();
    EXPECT_EQ(level(northJunctionScreen), 0);
}

TEST_F(AttentionScanTest, OtherTrainsAtTheEdgeAreReadyAndTheSouthLinesCountOnTheirScreen) {
    waitingOnLine2(-30, 9); // a fast freight long overdue is ready, never late
    scan();
    EXPECT_EQ(level(northJunctionScreen), 2);
    EXPECT_TRUE(alerts().soon);
    EXPECT_FALSE(alerts().late);

    const ArrivalIndex down = addArrival(21, 590, 15, 1);
    s().arrivals[down].loco = 2;
    s().lines[21].chosenArrival = down;
    stand("RDF", occArrival, down);
    scan();
    EXPECT_EQ(level(southJunctionScreen), 4);
    EXPECT_EQ(s().lines[21].waitCount, 1);
}

TEST_F(AttentionScanTest, DeparturesOfThePlatformsOwnGroupRateByHowCloseTheirTimeIs) {
    const DepartureIndex light = formedAt("PL3", 600, 8);
    expectRating(rating("PL3"), 2, AlertCue::ready);
    s().departures[light].time = 601;
    expectRating(rating("PL3"), 1, AlertCue::none);
    s().departures[light].time = 602;
    expectRating(rating("PL3"), 0, AlertCue::none);

    const DepartureIndex express = formedAt("PL3", 599, 1);
    expectRating(rating("PL3"), 4, AlertCue::late);
    s().departures[express].time = 601;
    expectRating(rating("PL3"), 3, AlertCue::soon);
    s().departures[express].time = 602;
    expectRating(rating("PL3"), 0, AlertCue::none);

    const DepartureIndex parcels = formedAt("PL3", 590, 5); // late, but no passenger train
    expectRating(rating("PL3"), 3, AlertCue::soon);
    s().departures[parcels].state = departureOnWayOut; // sent away: no longer its own business here
    expectRating(rating("PL3"), 2, AlertCue::ready);
}

TEST_F(AttentionScanTest, AtATerminalRoadAnEngineAtTheWrongEndIsAskedForHalfAnHourAhead) {
    // Line 2 is below the station's group: the train leaves by the low end.
    const DepartureIndex d = formedAt("PL4", 629, 1);
    Location& pl4 = place("PL4");
    pl4.locoAt[3] = 5;
    pl4.endFlag[highEnd] = 1;
    expectRating(rating("PL4"), 3, AlertCue::none);
    s().departures[d].time = 630;
    expectRating(rating("PL4"), 0, AlertCue::none);
    s().departures[d].time = 601; // due within two minutes: the stronger row wins
    expectRating(rating("PL4"), 3, AlertCue::soon);

    s().departures[d].time = 620;
    pl4.locoAt[2] = 6; // an engine at the leaving end as well
    expectRating(rating("PL4"), 0, AlertCue::none);
    pl4.locoAt[2] = 0;
    pl4.endFlag[highEnd] = 0; // standing there, not coupled
    expectRating(rating("PL4"), 0, AlertCue::none);

    // The same on a platform that is no terminal road.
    formedAt("PL3", 620, 1);
    place("PL3").locoAt[3] = 5;
    place("PL3").endFlag[highEnd] = 1;
    expectRating(rating("PL3"), 0, AlertCue::none);
}

TEST_F(AttentionScanTest, ArrivalsAndOtherDeparturesOnPlatformsAreReadyOrLate) {
    const ArrivalIndex passenger = addArrival(2, 590, 15, 1);
    stand("PL3", occArrival, passenger);
    expectRating(rating("PL3"), 4, AlertCue::late);
    const ArrivalIndex parcels = addArrival(2, 590, 15, 5);
    stand("PL3", occArrival, parcels);
    expectRating(rating("PL3"), 2, AlertCue::ready);
    place("PL3").couplingTicks[lowEnd] = 2; // its engine is being uncoupled
    expectRating(rating("PL3"), 1, AlertCue::none);
    place("PL3").couplingTicks[lowEnd] = 0;
    place("PL3").busyTicks = 1; // still waiting before it is ready
    expectRating(rating("PL3"), 0, AlertCue::none);
    place("PL3").busyTicks = 0;

    // Departures of another group.
    formedAt("PL3", 630, 1, 2, upYardGroup);
    expectRating(rating("PL3"), 2, AlertCue::ready);
    const DepartureIndex due = formedAt("PL3", 590, 1, 2, upYardGroup);
    expectRating(rating("PL3"), 4, AlertCue::late);
    s().departures[due].trainType = 9;
    expectRating(rating("PL3"), 2, AlertCue::ready);
    const DepartureIndex cancelled = formedAt("PL3", 630, 1, 2, upYardGroup);
    s().departures[cancelled].state = departureGone;
    expectRating(rating("PL3"), 4, AlertCue::late);
}

TEST_F(AttentionScanTest, TrafficAndStockOnRoadsAndSidingsWaitForTheirDeparture) {
    // Traffic still being worked cannot be assigned yet.
    const DepartureIndex freight = addDeparture(2, 605, stationGroup, 10);
    const TrafficIndex t = addTraffic(stationGroup, trafficParcels, freight);
    s().traffic[t].readyAt = 6;
    stand("PL2", occTraffic, t);
    expectRating(rating("PL2"), 1, AlertCue::none);

    // Stock for a departure of the road's group due within ten minutes: 1 before its time, 2 from it.
    const DepartureIndex d = addDeparture(2, 605, stationGroup, 1);
    stockAt("PL3", d);
    expectRating(rating("PL3"), 1, AlertCue::none);
    s().departures[d].time = 600;
    expectRating(rating("PL3"), 2, AlertCue::none);
    s().departures[d].time = 610;
    expectRating(rating("PL3"), 0, AlertCue::none);

    // In a siding of another group it must be moved soon, unless it is empty stock that may leave anywhere.
    s().departures[d].time = 605;
    stockAt("UY3", d);
    expectRating(rating("UY3"), 3, AlertCue::soon);
    s().departures[d].trainType = 7;
    expectRating(rating("UY3"), 1, AlertCue::none);

    // A departure whose forming train has not yet come in is not waited for here.
    s().departures[d].trainType = 1;
    const ArrivalIndex a = addArrival(2, 650, 15, 1);
    s().lines[2].nextPassenger = a;
    const PortionIndex first = newPortion(s(), a, 0, d);
    s().departures[d].firstPortion = first;
    expectRating(rating("UY3"), 0, AlertCue::none);
    s().lines[2].nextPassenger = a + 1;
    expectRating(rating("UY3"), 3, AlertCue::soon);

    // Traffic worked out stands as stock would: here in the departure's own group.
    s().traffic[t].readyAt = 0;
    s().traffic[t].portion = first;
    expectRating(rating("PL2"), 1, AlertCue::none);
}

TEST_F(AttentionScanTest, ArrivalsInTheYardsAreReadyForFreightAndLateForPassengers) {
    const ArrivalIndex goods = addArrival(20, 590, upYardGroup, 10);
    stand("UY3", occArrival, goods);
    ASSERT_TRUE(mayShuntArrival(s(), at("UY3"), goods));
    expectRating(rating("UY3"), 2, AlertCue::ready);
    stand("UG3", occArrival, goods); // in a reception road it may not be shunted, but needs the player
    expectRating(rating("UG3"), 2, AlertCue::ready);
    const ArrivalIndex stock = addArrival(20, 590, upYardGroup, 3);
    stand("UY3", occArrival, stock);
    expectRating(rating("UY3"), 4, AlertCue::late);
    place("UY3").busyTicks = 2;
    expectRating(rating("UY3"), 0, AlertCue::none);
}

TEST_F(AttentionScanTest, DeparturesFormedInSidingsRateByTypeAndTime) {
    const DepartureIndex passenger = formedAt("UY3", 602, 1);
    expectRating(rating("UY3"), 3, AlertCue::late);
    s().departures[passenger].time = 603;
    expectRating(rating("UY3"), 2, AlertCue::ready);
    s().departures[passenger].time = 609;
    expectRating(rating("UY3"), 2, AlertCue::ready);
    s().departures[passenger].time = 610;
    expectRating(rating("UY3"), 0, AlertCue::none);

    const DepartureIndex parcels = formedAt("UY3", 600, 6);
    expectRating(rating("UY3"), 2, AlertCue::soon);
    s().departures[parcels].time = 601;
    expectRating(rating("UY3"), 1, AlertCue::ready);
    s().departures[parcels].time = 602;
    expectRating(rating("UY3"), 0, AlertCue::none);

    const DepartureIndex engine = formedAt("UY3", 600, 8);
    expectRating(rating("UY3"), 2, AlertCue::none);
    s().departures[engine].time = 604;
    expectRating(rating("UY3"), 1, AlertCue::none);
    s().departures[engine].time = 605;
    expectRating(rating("UY3"), 0, AlertCue::none);
    s().departures[engine].group = shedGroup; // no shed road reaches the yard road in one move
    expectRating(rating("UY3"), 1, AlertCue::none);
    place("UY3").busyTicks = 5;
    s().departures[engine].time = 590;
    expectRating(rating("UY3"), 0, AlertCue::none);
}

TEST_F(AttentionScanTest, TrainsOnRunningSectionsAreLateReadyOrDueShortly) {
    const ArrivalIndex passenger = addArrival(2, 590, 15, 1);
    stand("UF2", occArrival, passenger);
    expectRating(rating("UF2"), 4, AlertCue::late);
    const ArrivalIndex goods = addArrival(2, 590, 16, 10);
    stand("UF2", occArrival, goods);
    expectRating(rating("UF2"), 2, AlertCue::ready);

    const DepartureIndex leaving = formedAt("UF2", 590, 1, 2, stationGroup);
    s().departures[leaving].state = departureOnWayOut;
    expectRating(rating("UF2"), 4, AlertCue::late);
    // A departure not yet under way: cued when due within five minutes, of another group, or due.
    const DepartureIndex standing = formedAt("UF2", 606, 10, 2, 0);
    expectRating(rating("UF2"), 2, AlertCue::none);
    s().departures[standing].group = stationGroup;
    expectRating(rating("UF2"), 2, AlertCue::ready);
    s().departures[standing].group = 0;
    s().departures[standing].trainType = 1;
    s().departures[standing].time = 605;
    expectRating(rating("UF2"), 2, AlertCue::ready);
    s().departures[standing].time = 600;
    s().departures[standing].trainType = 10;
    expectRating(rating("UF2"), 2, AlertCue::ready);

    stockAt("UF2", 0);
    expectRating(rating("UF2"), 1, AlertCue::none);
}

TEST_F(AttentionScanTest, AMoveComingIntoARunningSectionIsRatedInItsLastTicks) {
    Location& uf2 = place("UF2");
    Location& berth = s().locations[at("UF2") + secondBerthOffset];
    const ArrivalIndex passenger = addArrival(2, 590, 15, 1);
    uf2.occState = occComingIn;
    uf2.busyTicks = 3;
    berth.occState = occArrival;
    berth.occupant = passenger;
    expectRating(rating("UF2"), 0, AlertCue::none);
    uf2.busyTicks = 2;
    expectRating(rating("UF2"), 3, AlertCue::soon);
    berth.occupant = addArrival(2, 590, 16, 10);
    expectRating(rating("UF2"), 1, AlertCue::none);

    // Coming into a platform, it is only due shortly.
    place("PL3").occState = occComingIn;
    place("PL3").busyTicks = 2;
    expectRating(rating("PL3"), 1, AlertCue::none);
    place("PL3").busyTicks = 8;
    expectRating(rating("PL3"), 0, AlertCue::none);
}

TEST_F(AttentionScanTest, TwoJunctionsCountForTheScreenTheirTrainsRunTo) {
    // An arrival whose group is below its line runs towards the low ids.
    const ArrivalIndex down = addArrival(20, 590, 15, 1);
    stand("DRJ", occArrival, down);
    scan();
    EXPECT_EQ(level(commonScreen), 4);
    EXPECT_EQ(level(northJunctionScreen), 0);
    const ArrivalIndex up = addArrival(2, 590, 15, 1);
    stand("DRJ", occArrival, up);
    scan();
    EXPECT_EQ(level(commonScreen), 0);
    EXPECT_EQ(level(northJunctionScreen), 4);
    stand("DRJ", occEmpty, 0);

    stand("UGA", occArrival, down);
    scan();
    EXPECT_EQ(level(yardsScreen), 4);
    EXPECT_EQ(level(southJunctionScreen), 0);
    stockAt("UF4", 0);
    stand("UGA", occArrival, up);
    scan();
    EXPECT_EQ(level(yardsScreen), 1);
    EXPECT_EQ(level(southJunctionScreen), 4);
}

TEST_F(AttentionScanTest, TheSecondOccupantIsRatedAndTheHighestRatingOfEachScreenWins) {
    formedAt("PL1", 640, 1); // Yards screen, nothing yet
    const DepartureIndex second = addDeparture(2, 599, stationGroup, 1);
    s().departures[second].state = departureReady;
    place("PL1").occupant2 = second;
    place("PL1").occState2 = occDeparture;
    formedAt("UY3", 608, 1); // level 2 on the same screen
    scan();
    EXPECT_EQ(level(yardsScreen), 4);
    EXPECT_TRUE(alerts().late);
    EXPECT_TRUE(alerts().ready);
    // An arrival as second occupant is not among those rated.
    place("PL1").occState2 = occArrival;
    place("PL1").occupant2 = addArrival(2, 590, 15, 1);
    scan();
    EXPECT_EQ(level(yardsScreen), 2);
}

TEST_F(AttentionScanTest, ReadyOrWorseStopsTheRacingClockAndReadyWhileRacingAsksForTheLouderCue) {
    formedAt("UY3", 601, 6); // level 1 with the ready request
    game->clock.speededUp = true;
    game->clock.quietTicks = 0;
    scan();
    EXPECT_EQ(level(yardsScreen), 1);
    EXPECT_TRUE(alerts().ready);
    EXPECT_TRUE(alerts().soon);
    EXPECT_FALSE(game->clock.speededUp);
    EXPECT_EQ(game->clock.quietTicks, 15);

    // A level-2 rating without any request stops it too; a level-1 rating without one does not.
    s().departures[1].trainType = 8;
    s().departures[1].time = 600;
    game->alerts = {};
    game->clock.speededUp = true;
    game->clock.quietTicks = 0;
    scan();
    EXPECT_EQ(level(yardsScreen), 2);
    EXPECT_FALSE(alerts().ready || alerts().soon || alerts().late);
    EXPECT_FALSE(game->clock.speededUp);
    s().departures[1].time = 603;
    game->clock.speededUp = true;
    game->clock.quietTicks = 0;
    scan();
    EXPECT_EQ(level(yardsScreen), 1);
    EXPECT_TRUE(game->clock.speededUp);
}

TEST_F(AttentionScanTest, TheCueIsTheLoudestAskedForAndReadyOnlyOnAMinutesFirstTick) {
    game->console.options().sound = true;
    const auto cueFor = [&](AlertState a, int tickPhase) {
        game->alerts = a;
        game->clock.tickPhase = tickPhase;
        const std::size_t before = host.soundsPlayed().size();
        SoundAlertCue(*game);
        return host.soundsPlayed().size() == before ? std::string() : host.soundsPlayed().back();
    };
    EXPECT_EQ(cueFor({true, true, true, 0}, 2), "sndurgent.wav");
    EXPECT_EQ(cueFor({true, true, false, 0}, 2), "sndnormal.wav");
    EXPECT_EQ(cueFor({true, false, false, 0}, 1), "sndnotify.wav");
    EXPECT_EQ(cueFor({true, false, false, 0}, 2), "");
    EXPECT_EQ(cueFor({false, false, false, 0}, 1), "");
    game->console.options().sound = false;
    EXPECT_EQ(cueFor({true, true, true, 0}, 1), "");
}

TEST_F(AttentionScanTest, AnArrivalHasArrivedOnceItsQueueHasMovedOnOrItsTrainIsInTheLayout) {
    const ArrivalIndex a = addArrival(2, 650, 15, 1);
    s().lines[2].nextPassenger = a;
    EXPECT_FALSE(arrivalHasArrived(s(), a));
    s().lines[2].nextPassenger = 0;
    EXPECT_TRUE(arrivalHasArrived(s(), a));
    s().arrivals[a].time = 0; // does not run today: nothing to wait for
    s().lines[2].nextPassenger = a;
    EXPECT_TRUE(arrivalHasArrived(s(), a));
    EXPECT_TRUE(arrivalHasArrived(s(), 0));

    // A trip between the yards has no queue: it is here once it stands somewhere in the layout.
    const ArrivalIndex trip = addArrival(16, 650, 17, 10);
    newPortion(s(), trip, 0, 0);
    EXPECT_FALSE(arrivalHasArrived(s(), trip));
    stand("DT1", occArrival, trip);
    EXPECT_TRUE(arrivalHasArrived(s(), trip));
}

} // namespace
} // namespace wm
