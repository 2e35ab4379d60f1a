// The rules for stock, traffic and engines on the move: a rake that goes as the departure it forms, what an
// engine must not drag or leave attached, where a light engine may not pass, and where a train is pushed.

#include "move_rules_bench.h"

namespace wm {
namespace {

using B = RulesBench;

const std::string leaveEarly = "Do you mean the 10.30 Stourwick to leave early?";

/// A coupled rake of two at the place whose leading portion, moving `up` or down, goes forward on `d`.
void rakeFor(B& b, LocationId place, DepartureIndex d, bool up) {
    const PortionIndex head = b.rake(place, 2);
    b.forms(head, up ? 2 : 1, up ? 2 : 1, d);
}

TEST(MoveRules, ARakeGoesAsTheDepartureItFormsWhenThatIsDueAndMayLeave) {
    judgeAll({
        rule("due in 3, leaving its group", go(98, 83, 2), accepted(noFlags, CoupleTo::nothing, 1),
             [](B& b) { rakeFor(b, 98, b.booked(15, 4, 4, 3, departureBuilt), false); }),
        rule("due in 9: it goes as the departure, but early, so as a shunt", go(98, 83, 2),
             accepted(shunt, CoupleTo::nothing, 1),
             [](B& b) { rakeFor(b, 98, b.booked(15, 4, 4, 9, departureBuilt), false); }),
        rule("due in 10: it stays stock", go(98, 83, 2), accepted(shunt),
             [](B& b) { rakeFor(b, 98, b.booked(15, 4, 4, 10, departureBuilt), false); }),
        rule("moving up, the portion at the high end decides", go(98, 138, 3),
             accepted(noFlags, CoupleTo::nothing, 2),
             [](B& b) {
                 const PortionIndex head = b.rake(98, 2);
                 b.forms(head, 1, 1, b.booked(15, 4, 4, 3, departureBuilt));
                 b.forms(head, 2, 2, b.booked(15, 19, 4, 3, departureBuilt));
             }),
        rule("from a platform its line may not start from it stays stock", go(95, 92, 2), accepted(shunt),
             [](B& b) { rakeFor(b, 95, b.booked(15, 1, 4, 3, departureBuilt), false); }),
        rule("within its own group it stays stock", go(98, 97, 2), accepted(shunt),
             [](B& b) { rakeFor(b, 98, b.booked(15, 4, 4, 3, departureBuilt), false); }),
        rule("pushed with a loose link it stays stock: its engine would be left behind", go(98, 138, 2),
             charged("trying to move both parts of uncoupled train"),
             [](B& b) {
                 const PortionIndex head = b.rake(98, 2, 1);
                 b.forms(head, 2, 2, b.booked(15, 19, 4, 3, departureBuilt));
             }),
        rule("with a second train beside it it stays stock", go(98, 83, 2), accepted(shunt),
             [](B& b) {
                 rakeFor(b, 98, b.booked(15, 4, 4, 3, departureBuilt), false);
                 b.rake(98, 1, 0, true);
             }),
        rule("a freight due within the hour taken out of the area: Yes", go(125, 152, 3),
             asked(leaveEarly, "yes", accepted(noFlags, CoupleTo::nothing, 1)),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 9, 30, departureBuilt), true); }),
        rule("and No", go(125, 152, 3), asked(leaveEarly, "no", refused()),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 9, 30, departureBuilt), true); }),
        rule("due in 60 it is still asked about", go(125, 152, 3),
             asked("Do you mean the 11.00 Stourwick to leave early?", "yes",
                   accepted(noFlags, CoupleTo::nothing, 1)),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 9, 60, departureBuilt), true); }),
        rule("due in 61 it is stock, and may not be shunted off the layout", go(125, 152, 3),
             charged("shunting beyond limit of shunt"),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 9, 61, departureBuilt), true); }),
        rule("taken out of the area against its direction it is stock", go(125, 80, 2),
             charged("shunting beyond limit of shunt"),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 9, 30, departureBuilt), false); }),
        rule("a passenger train due in half an hour is not asked about", go(125, 152, 3),
             charged("shunting beyond limit of shunt"),
             [](B& b) { rakeFor(b, 125, b.booked(16, 20, 4, 30, departureBuilt), true); }),
    });
}

TEST(MoveRules, StockIsShuntedAndNotDraggedFromWhatHoldsItsOtherEnd) {
    judgeAll({
        rule("a rake moved is a shunt", go(9, 8, 2), accepted(shunt), [](B& b) { b.rake(9, 2); }),
        rule("with an engine coupled at the other end", go(9, 8, 2), charged("engine attached to both ends"),
             [](B& b) {
                 b.rake(9, 2);
                 b.engine(9, 3, true);
             }),
        rule("with the other end still being coupled", go(9, 8, 2), charged("engine attached to both ends"),
             [](B& b) {
                 b.rake(9, 2);
                 b.at(9).couplingTicks[highEnd] = 2;
             }),
        rule("an uncoupled rake pushed", go(9, 10, 2),
             charged("trying to move both parts of uncoupled train"), [](B& b) { b.rake(9, 2, 1); }),
        rule("an uncoupled rake pulled from the far end", go(9, 10, 3), accepted(shunt),
             [](B& b) { b.rake(9, 2, 1); }),
        rule("an uncoupled rake pulled, whatever holds the other end", go(9, 8, 2), accepted(shunt),
             [](B& b) {
                 b.rake(9, 2, 1);
                 b.engine(9, 3, true);
             }),
        rule("a rake pushed with another beside it", go(98, 99, 2),
             charged("trying to move both parts of uncoupled train"),
             [](B& b) {
                 b.rake(98, 2);
                 b.rake(98, 1, 0, true);
             }),
        rule("a rake shunted out of the area", go(66, 67, 3), charged("shunting beyond limit of shunt"),
             [](B& b) { b.rake(66, 2); }),
        rule("a rake shunted to an exit point", go(157, 192, 3), charged("shunting beyond limit of shunt"),
             [](B& b) { b.rake(157, 2); }),
        rule("traffic still being loaded", go(125, 124, 2),
             refused("error Please wait until loading/unloading is complete"),
             [](B& b) { b.traffic(125, 3); }),
        rule("traffic not yet started on is moved as a shunt", go(125, 124, 2), accepted(shunt),
             [](B& b) { b.traffic(125, -1); }),
        rule("traffic pushed with stock beside it", go(125, 126, 2),
             charged("trying to move both parts of uncoupled train"),
             [](B& b) {
                 b.traffic(125);
                 b.rake(125, 1, 0, true);
             }),
        rule("traffic with an engine coupled at the other end", go(125, 126, 3),
             charged("engine attached to both ends"),
             [](B& b) {
                 b.traffic(125);
                 b.engine(125, 2, true);
             }),
        rule("traffic to an exit point", go(157, 192, 3), charged("shunting beyond limit of shunt"),
             [](B& b) { b.traffic(157); }),
        rule("traffic out of the area beyond the yards", go(155, 160, 3),
             charged("shunting beyond limit of shunt"), [](B& b) { b.traffic(155); }),
        rule("traffic out of the area as far as the station roads", go(94, 80, 2), accepted(shunt),
             [](B& b) { b.traffic(94); }),
    });
}

TEST(MoveRules, ALightEngineNeedsAClearWayOutAndRoomWhereItGoes) {
    judgeAll({
        rule("from the high end down past a train", go(98, 97, 3, light), notClear(),
             [](B& b) { b.arrival(98, 15, 4, 4); }),
        rule("from the high end down past an engine", go(98, 97, 3, light), notClear(),
             [](B& b) { b.engine(98, 1); }),
        rule("past an engine in the inner place", go(98, 97, 4, light), notClear(),
             [](B& b) { b.engine(98, 2); }),
        rule("from the low end up past an engine", go(20, 25, 2, light), notClear(),
             [](B& b) { b.engine(20, 4); }),
        rule("from the low end up past stock", go(157, 158, 1, light), notClear(),
             [](B& b) { b.rake(157, 1); }),
        rule("out by its own end", go(98, 97, 2, light), accepted(),
             [](B& b) {
                 b.arrival(98, 15, 4, 4);
                 b.engine(98, 4);
             }),
        rule("off a shed road nothing is passed", go(41, 101, 1, light), accepted(),
             [](B& b) { b.engine(41, 3); }),
        rule("up into a siding whose first place is taken", go(8, 9, 3, light), notClear(),
             [](B& b) { b.engine(9, 1); }),
        rule("up into a siding with room for one", go(8, 9, 3, light), accepted(),
             [](B& b) { b.engine(9, 2); }),
        rule("two of them need room for two", go(8, 9, 3, light | paired), notClear(),
             [](B& b) { b.engine(9, 2); }),
        rule("down into a road whose last place is taken", go(98, 97, 2, light), notClear(),
             [](B& b) { b.engine(97, 4); }),
        rule("into a running-line section with stock on it", go(98, 83, 2, light), notClear(),
             [](B& b) { b.rake(83, 1); }),
        rule("onto a shed road that is full at its high end", go(101, 40, 2, light), notClear(),
             [](B& b) { b.engine(40, 3); }),
        rule("onto a shed road with room", go(101, 40, 2, light), accepted(), [](B& b) { b.engine(40, 2); }),
        rule("onto a turntable with an engine on it", go(112, 113, 3, light), notClear(),
             [](B& b) { b.engine(113, 1); }),
        rule("to a service point with an engine coming in", go(105, 106, 3, light), notClear(),
             [](B& b) { b.at(106).occState = occEngineComingIn; }),
        rule("to a clear exit point", go(157, 192, 3, light), accepted()),
        rule("to an exit point something is coming into", go(157, 192, 3, light), notClear(),
             [](B& b) { b.at(192).occState = occComingIn; }),
    });
}

/// A work-train arrival of group 12 pushed from one place to the other, running the way of the move.
RuleCase pushed(const char* what, LocationId from, LocationId to, bool allowed) {
    const bool up = to > from;
    return rule(what, go(from, to, up ? 2 : 3),
                allowed ? accepted(propel) : charged("propelling where not allowed"),
                [from, up](B& b) { b.arrival(from, 12, up ? 5 : 20, 11); });
}

TEST(MoveRules, ATrainIsPushedOnlyWhereThatIsAllowed) {
    judgeAll({
        rule("a freight pushed along the running lines", go(157, 158, 2),
             charged("propelling where not allowed"), [](B& b) { b.arrival(157, 12, 5, 9); }),
        rule("pushed out of a siding onto them", go(153, 154, 2), accepted(propel),
             [](B& b) { b.arrival(153, 12, 5, 9); }),
        rule("back into a siding", go(154, 153, 3), accepted(propel),
             [](B& b) { b.arrival(154, 12, 20, 9); }),
        rule("a light engine's train along the running lines", go(157, 158, 2), accepted(propel),
             [](B& b) { b.arrival(157, 12, 5, 8); }),
        rule("a work train along them", go(157, 158, 2), accepted(propel),
             [](B& b) { b.arrival(157, 12, 5, 11); }),
        rule("stock shunted along them", go(140, 141, 2), accepted(shunt | propel),
             [](B& b) { b.rake(140, 2); }),
        rule("stock shunted over the mouth of the sidings", go(6, 8, 2),
             charged("propelling where not allowed"), [](B& b) { b.rake(6, 2); }),
        pushed("the mouth of the sidings, up", 6, 8, false),
        pushed("and down", 8, 6, false),
        pushed("short of it", 6, 7, true),
        pushed("off the branch junction", 26, 25, false),
        pushed("onto it", 25, 26, false),
        pushed("past it", 27, 25, true),
        pushed("from the goods line up", 66, 67, false),
        pushed("from the goods line down", 66, 65, true),
        pushed("from the station side to the goods lines", 92, 79, false),
        pushed("from short of it", 91, 79, true),
        pushed("from the south roads to the north", 153, 176, false),
        pushed("from the north roads to the south", 176, 153, false),
        pushed("to other roads", 153, 175, true),
    });
}

} // namespace
} // namespace wm
