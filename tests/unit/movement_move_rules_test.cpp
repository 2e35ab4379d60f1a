// The rules a timetabled train's move must pass: what an arrival may be taken to before it has called, and
// when a departure's move is a shunt, an early start, a wrong turning or a diversion off its line.

#include "move_rules_bench.h"

namespace wm {
namespace {

using B = RulesBench;

const std::string wrongWayArrival = "Do you want to send the arrival in the wrong direction?";
const std::string wrongWayDeparture = "Do you want to send the departure in the wrong direction?";
const std::string earlyFor607 = "Do you mean to set the route early for the 10.07 Stourwick?";

TEST(MoveRules, WhatMovesDecidesWhereItMayGo) {
    judgeAll({
        rule("a train is not taken onto a shed road", go(50, 41, 2), notPossible(),
             [](B& b) { b.arrival(50, 14, 4, 9); }),
        rule("nor to a service point, even a station train that would pass the station", go(94, 106, 3),
             notPossible(), [](B& b) { b.arrival(94, 15, 4, 4); }),
        rule("nor onto a turntable", go(112, 113, 3), notPossible(),
             [](B& b) { b.departure(112, 14, 4, 8, 30); }),
        rule("a light-engine arrival brought into its own group goes as an engine, past what it leaves",
             go(50, 41, 3), accepted(), [](B& b) { b.arrival(50, 14, 4, 8, 0); }),
        rule("one that brings stock stays a train", go(50, 41, 3), notPossible(),
             [](B& b) { b.arrival(50, 14, 4, 8, 1); }),
    });
}

TEST(MoveRules, AnArrivalIsKeptToWhereItCalls) {
    judgeAll({
        rule("not to an exit point", go(157, 192, 3), refused("error This train calls at Up Yard"),
             [](B& b) { b.arrival(157, 16, 10, 9); }),
        rule("not out of its own platform but to another of them", go(98, 97, 2),
             refused("error This train calls at Wendmoor Stn"), [](B& b) { b.arrival(98, 15, 4, 4); }),
        rule("platform to platform", go(98, 99, 3), accepted(), [](B& b) { b.arrival(98, 15, 4, 4); }),
        rule("against its direction, Yes: a shunt", go(92, 80, 2),
             asked(wrongWayArrival, "yes", accepted(shunt)), [](B& b) { b.arrival(92, 15, 4, 9); }),
        rule("against its direction, No", go(92, 80, 2), asked(wrongWayArrival, "no", refused()),
             [](B& b) { b.arrival(92, 15, 4, 9); }),
        rule("with its direction nothing is asked", go(92, 80, 2), accepted(),
             [](B& b) { b.arrival(92, 15, 20, 9); }),
        rule("a freight shunted in its yard may not leave the area", go(125, 80, 2),
             refused("error This train calls at Up yard"), [](B& b) { b.arrival(125, 16, 10, 9); }),
        rule("but is moved about within it, whichever way", go(125, 126, 3), accepted(),
             [](B& b) { b.arrival(125, 16, 20, 9); }),
        rule("a passenger train into its group off the platforms", go(92, 96, 3),
             charged("passenger/parcels not in platform"), [](B& b) { b.arrival(92, 15, 4, 4); }),
        rule("unless it leaves again at the minute it arrives", go(92, 96, 3), accepted(),
             [](B& b) {
                 const ArrivalIndex a = b.arrival(92, 15, 4, 4);
                 b.forms(b.s().arrivals[a].firstPortion, 1, 1, b.booked(15, 4, 4, -5));
             }),
        rule("a parcels train into a siding of another group", go(92, 93, 3),
             charged("diverting passenger arrival off running lines"), [](B& b) { b.arrival(92, 12, 5, 5); }),
        rule("a passenger train onto the road at 86", go(85, 86, 3),
             charged("diverting passenger arrival off running lines"), [](B& b) { b.arrival(85, 12, 5, 4); }),
        rule("a freight into that siding is no diversion", go(92, 93, 3), accepted(),
             [](B& b) { b.arrival(92, 12, 5, 9); }),
        rule("off its line", go(50, 96, 3), charged("diverting train for Up Yard"),
             [](B& b) { b.arrival(50, 16, 10, 9); }),
        rule("through the station without calling costs nothing", go(92, 108, 3),
             refused("error This train calls at Wendmoor"), [](B& b) { b.arrival(92, 15, 4, 4); }),
        rule("with an engine on the rear", go(92, 98, 3, rearToo),
             charged("engine attached to rear of train"), [](B& b) { b.arrival(92, 15, 4, 4); }),
    });
}

TEST(MoveRules, ADepartureNotYetSentIsShuntedWhereItMayNotStartFrom) {
    judgeAll({
        rule("a freight into a siding off its line", go(98, 94, 2), accepted(shunt),
             [](B& b) { b.departure(98, 15, 4, 9, 3); }),
        rule("into a siding of its own line it runs", go(98, 91, 2), accepted(),
             [](B& b) { b.departure(98, 15, 13, 9, 3); }),
        rule("a passenger train not yet ready, out of a siding", go(94, 92, 2), accepted(shunt),
             [](B& b) { b.runsThrough(b.departure(94, 15, 4, 4, 3, 1, departureFormed)); }),
        rule("once ready it runs from there", go(94, 92, 2), accepted(),
             [](B& b) { b.runsThrough(b.departure(94, 15, 4, 4, 3)); }),
        rule("into its own group, outside the station", go(125, 137, 3), accepted(shunt),
             [](B& b) { b.departure(125, 16, 20, 9, 3); }),
        rule("its engine at the wrong end: pushed as a shunt", go(98, 97, 3), accepted(shunt | propel),
             [](B& b) { b.departure(98, 15, 4, 4, 3); }),
        rule("a work train may be pushed on its way", go(98, 97, 3), accepted(propel),
             [](B& b) { b.departure(98, 15, 4, 11, 3); }),
        rule("a train for the up line taken down", go(98, 97, 2), accepted(shunt),
             [](B& b) { b.departure(98, 15, 19, 9, 3); }),
        rule("a work train for the up line taken down, Yes", go(98, 97, 2),
             asked(wrongWayDeparture, "yes", accepted()), [](B& b) { b.departure(98, 15, 19, 11, 3); }),
        rule("and No", go(98, 97, 2), asked(wrongWayDeparture, "no", refused()),
             [](B& b) { b.departure(98, 15, 19, 11, 3); }),
        rule("a train for the down line taken up, work train or not", go(98, 99, 3), accepted(shunt),
             [](B& b) { b.departure(98, 15, 4, 11, 3); }),
        rule("from a platform its line may not start from", go(95, 94, 2), accepted(shunt),
             [](B& b) { b.departure(95, 15, 1, 4, 3); }),
        rule("a freight out of its group more than an hour early", go(98, 92, 2), accepted(shunt),
             [](B& b) { b.departure(98, 15, 4, 9, 61); }),
        rule("an hour early it goes", go(98, 92, 2), accepted(), [](B& b) { b.departure(98, 15, 4, 9, 60); }),
        rule("so does a light engine", go(98, 92, 2), accepted(),
             [](B& b) { b.departure(98, 15, 4, 8, 30); }),
        rule("a freight that has left is shunted into a siding", go(92, 63, 2), accepted(shunt),
             [](B& b) { b.departure(92, 15, 4, 9, 3, 1, departureOnWayOut); }),
        rule("a light engine that has left is not", go(92, 63, 2), accepted(),
             [](B& b) { b.departure(92, 15, 4, 8, 3, 1, departureOnWayOut); }),
        rule("a shunt out of the area", go(125, 80, 2), charged("shunting beyond limit of shunt"),
             [](B& b) { b.departure(125, 16, 20, 9, 3); }),
        rule("a shunt to an exit point", go(92, 56, 2), charged("shunting beyond limit of shunt"),
             [](B& b) { b.departure(92, 15, 19, 9, 3); }),
    });
}

TEST(MoveRules, APassengerTrainSentEarlyFromItsPlatformIsAskedAboutThenShunted) {
    judgeAll({
        rule("due in 7: asked, Yes", go(98, 97, 2), asked(earlyFor607, "yes", accepted()),
             [](B& b) { b.departure(98, 15, 4, 4, 7); }),
        rule("due in 7: asked, No makes it a shunt", go(98, 97, 2), asked(earlyFor607, "no", accepted(shunt)),
             [](B& b) { b.departure(98, 15, 4, 4, 7); }),
        rule("due in 10: asked", go(98, 97, 2),
             asked("Do you mean to set the route early for the 10.10 Stourwick?", "yes", accepted()),
             [](B& b) { b.departure(98, 15, 4, 4, 10); }),
        rule("due in 11: a shunt, nothing asked", go(98, 97, 2), accepted(shunt),
             [](B& b) { b.departure(98, 15, 4, 4, 11); }),
        rule("due in 5: it goes", go(98, 97, 2), accepted(), [](B& b) { b.departure(98, 15, 4, 4, 5); }),
        rule("due in 6, out of its group: a shunt", go(98, 92, 2), accepted(shunt),
             [](B& b) { b.departure(98, 15, 4, 4, 6); }),
        rule("due in 5, out of its group: it goes", go(98, 92, 2), accepted(),
             [](B& b) { b.departure(98, 15, 4, 4, 5); }),
        rule("one running through is not asked", go(98, 97, 2), accepted(),
             [](B& b) { b.runsThrough(b.departure(98, 15, 4, 4, 7)); }),
        rule("a parcels train is not asked", go(98, 97, 2), accepted(),
             [](B& b) { b.departure(98, 15, 4, 5, 7); }),
        rule("formed without its engine outside its group: asked", go(120, 105, 2),
             asked(earlyFor607, "yes", accepted()),
             [](B& b) { b.departure(120, 15, 4, 4, 7, 1, departureFormed); }),
        rule("ready there: not asked", go(120, 105, 2), accepted(),
             [](B& b) { b.departure(120, 15, 4, 4, 7); }),
    });
}

TEST(MoveRules, ADepartureKeepsToTheRunningLinesAndItsOwnLine) {
    judgeAll({
        rule("a passenger train into a siding of another line", go(98, 94, 2),
             charged("diverting passenger departure off running lines"),
             [](B& b) { b.departure(98, 15, 4, 4, 3); }),
        rule("onto the road at 86", go(85, 86, 3), charged("diverting passenger departure off running lines"),
             [](B& b) { b.departure(85, 15, 19, 4, 3, 1, departureOnWayOut); }),
        rule("from a siding into another siding", go(50, 63, 3),
             charged("diverting passenger departure off running lines"),
             [](B& b) { b.departure(50, 15, 19, 4, 3, 1, departureOnWayOut); }),
        rule("a parcels train onto a road of its own internal line", go(98, 65, 2),
             charged("passenger/parcels not in platform"), [](B& b) { b.departure(98, 15, 11, 5, 3); }),
        rule("off its line", go(98, 80, 2), charged("diverting train for Wrennick"),
             [](B& b) { b.departure(98, 15, 1, 9, 3); }),
        rule("beside a loose rake, its engine at the wrong end", go(98, 97, 3), notPossible(),
             [](B& b) {
                 b.rake(98, 2);
                 b.departure(98, 15, 19, 4, 3, 1, departureReady, true);
             }),
        rule("beside a loose rake, with an engine on the rear", go(98, 99, 3, rearToo),
             charged("engine attached to rear of train"),
             [](B& b) {
                 b.rake(98, 2, 1);
                 b.departure(98, 15, 19, 4, 3, 1, departureReady, true);
             }),
        rule("beside a coupled rake it may have one", go(98, 99, 3, rearToo), accepted(),
             [](B& b) {
                 b.rake(98, 2);
                 b.departure(98, 15, 19, 4, 3, 1, departureReady, true);
             }),
    });
}

} // namespace
} // namespace wm
