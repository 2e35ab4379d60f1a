#include "display/coupling_window.h"

#include <string>
#include <utility>

#include "console/palette.h"
#include "console/time_format.h"
#include "display/describe_train.h"
#include "display/engine_token.h"
#include "display/info_console.h"
#include "rules/arrival_release.h"
#include "rules/departure_formation.h"
#include "rules/departure_readiness.h"
#include "world/berths.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
constexpr int itemColumn = 7;
constexpr int markColumn = 2;

LocationId berthId(LocationId place, int berth) {
    return berth == 0 ? place : incomingBerth(place);
}

bool holdsTrain(const Location& l) {
    return l.occState != occEmpty || l.occState2 != occEmpty;
}

void addEngines(std::vector<CouplingRow>& rows, const GameState& s, const Location& l, int berth,
                std::initializer_list<int> places) {
    for (int place : places) {
        const int engine = l.locoAt[static_cast<std::size_t>(place)];
        if (isLoco(s, engine))
            rows.push_back({CouplingRowKind::engine, berth, endOfPlace(place), place, engine});
    }
}

void addOccupant(std::vector<CouplingRow>& rows, const GameState& s, int berth, OccState state,
                 int occupant) {
    if (state == occStock) {
        int steps = 0;
        for (PortionIndex p = occupant; isPortion(s, p) && steps < portionCapacity; p = s.portions[p].next) {
            rows.push_back({CouplingRowKind::portion, berth, 0, 0, p, state});
            ++steps;
        }
    } else if ((state == occArrival && isArrival(s, occupant)) ||
               ((state == occDeparture || state == occReversingDeparture) && isDeparture(s, occupant))) {
        rows.push_back({CouplingRowKind::train, berth, 0, 0, occupant, state});
    }
}

/// The engine of the end that stands next to the train: the inner place's, else the outer's.
int nearestPlace(const Location& l, int end) {
    return isRealEngine(l.locoAt[static_cast<std::size_t>(innerPlace(end))]) ? innerPlace(end)
                                                                             : outerPlace(end);
}

std::string rowText(const GameState& s, LocationId place, const CouplingRow& row) {
    switch (row.kind) {
    case CouplingRowKind::engine:
        return " " + std::string(locoClass(s.locos[row.item].classIndex).name);
    case CouplingRowKind::portion:
        return DescribePortion(s, row.item);
    case CouplingRowKind::train:
        break;
    }
    if (row.occState == occArrival) {
        const Arrival& a = s.arrivals[row.item];
        return FormatTime(a.time) + " arrival at " + s.locations[place].code.str() + " from " +
               a.origin.str();
    }
    return DescribeDeparture(s, row.item).plain();
}

/// The tail of the place's first rake when a second rake stands beyond it: the two can be coupled.
bool tailBeforeSecondRake(const GameState& s, LocationId place, const CouplingRow& row) {
    const Location& l = s.locations[berthId(place, row.berth)];
    return row.kind == CouplingRowKind::portion && l.occState == occStock && l.occState2 == occStock &&
           isPortion(s, l.occupant2) && rakeTail(s, l.occupant) == row.item;
}

bool offersCoupling(const GameState& s, LocationId place, const CouplingRow& row) {
    if (row.kind == CouplingRowKind::engine) return true;
    if (row.kind != CouplingRowKind::portion) return false;
    return isPortion(s, s.portions[row.item].next) || tailBeforeSecondRake(s, place, row);
}

/// The first rake and the one beyond it become one rake again, coupled where they meet.
void joinSecondRake(GameState& s, Location& l) {
    const PortionIndex tail = rakeTail(s, l.occupant);
    s.portions[tail].next = l.occupant2;
    s.portions[tail].coupledToNext = 1;
    s.portions[l.occupant2].prev = tail;
    l.occupant2 = 0;
    l.occState2 = occEmpty;
}

/// A rake uncoupled within itself stands as two: the part beyond the last uncoupled link, at the high
/// end, becomes the second occupant, so that an engine there takes only what it is coupled to.
void splitAtUncoupledLink(GameState& s, Location& l) {
    if (l.occState != occStock || l.occState2 != occEmpty || !isPortion(s, l.occupant)) return;
    PortionIndex cut = 0;
    int steps = 0;
    for (PortionIndex p = l.occupant; isPortion(s, s.portions[p].next) && steps < portionCapacity;
         p = s.portions[p].next, ++steps)
        if (!s.portions[p].coupledToNext) cut = p;
    if (cut == 0) return;
    const PortionIndex beyond = s.portions[cut].next;
    s.portions[cut].next = 0;
    s.portions[beyond].prev = 0;
    l.occupant2 = beyond;
    l.occState2 = occStock;
}

/// A lone engine couples up from the outer place next to the train, and stands off from it once
/// uncoupled; two engines keep their order, as neither can pass the other.
void placeLoneEngine(Location& l, int end, bool coupled) {
    auto& inner = l.locoAt[static_cast<std::size_t>(innerPlace(end))];
    auto& outer = l.locoAt[static_cast<std::size_t>(outerPlace(end))];
    if (isRealEngine(inner) == isRealEngine(outer)) return;
    if (coupled != isRealEngine(inner)) std::swap(inner, outer);
}

} // namespace

CouplingEdit startCouplingEdit(const GameState& s, LocationId place) {
    CouplingEdit edit;
    edit.place = place;
    for (int berth = 0; berth < 2; ++berth) {
        const Location& l = s.locations[berthId(place, berth)];
        for (int end = 0; end < 2; ++end)
            edit.endFlag[berth][end] = l.endFlag[static_cast<std::size_t>(end)] != 0 ? 1 : 0;
    }
    return edit;
}

std::vector<CouplingRow> couplingRows(const GameState& s, LocationId place) {
    std::vector<CouplingRow> rows;
    for (int berth = 0; berth < 2; ++berth) {
        const Location& l = s.locations[berthId(place, berth)];
        addEngines(rows, s, l, berth, {1, 2});
        addOccupant(rows, s, berth, l.occState, l.occupant);
        addOccupant(rows, s, berth, l.occState2, l.occupant2);
        addEngines(rows, s, l, berth, {3, 4});
    }
    if (rows.size() > static_cast<std::size_t>(couplingRowLimit)) rows.resize(couplingRowLimit);
    return rows;
}

bool rowCoupled(const GameState& s, const CouplingEdit& edit, const CouplingRow& row) {
    if (row.kind == CouplingRowKind::portion) return s.portions[row.item].coupledToNext != 0;
    if (row.kind != CouplingRowKind::engine) return false;
    const Location& l = s.locations[berthId(edit.place, row.berth)];
    if (row.enginePlace == nearestPlace(l, row.end)) return edit.endFlag[row.berth][row.end] != 0;
    return l.enginePairFlag[static_cast<std::size_t>(row.end)] != 0;
}

bool rowChanging(const GameState& s, const CouplingEdit& edit, const CouplingRow& row) {
    if (row.kind != CouplingRowKind::engine) return false;
    const Location& l = s.locations[berthId(edit.place, row.berth)];
    const auto end = static_cast<std::size_t>(row.end);
    return l.couplingTicks[end] > 0 || l.enginePairTicks[end] > 0;
}

bool toggleCouplingRow(GameState& s, CouplingEdit& edit, int consoleRow) {
    const std::vector<CouplingRow> rows = couplingRows(s, edit.place);
    const int index = consoleRow - firstCouplingRow;
    if (index < 0 || index >= static_cast<int>(rows.size())) return false;
    const CouplingRow& row = rows[static_cast<std::size_t>(index)];
    if (!offersCoupling(s, edit.place, row) || rowChanging(s, edit, row)) return false;
    if (tailBeforeSecondRake(s, edit.place, row)) {
        joinSecondRake(s, s.locations[berthId(edit.place, row.berth)]);
        return true;
    }
    if (row.kind == CouplingRowKind::portion) {
        Portion& p = s.portions[row.item];
        p.coupledToNext = p.coupledToNext ? 0 : 1;
        return true;
    }
    // An engine has nothing to couple to at a place that holds no train.
    if (!holdsTrain(s.locations[berthId(edit.place, row.berth)])) return false;
    int& flag = edit.endFlag[row.berth][row.end];
    flag = flag ? 0 : 1;
    return true;
}

void drawCouplingWindow(InfoConsole& c, const GameState& s, const CouplingEdit& edit) {
    c.GotoCell(markColumn, 1);
    c.SetTextColour(palette::Cyan);
    c.Write("Click on a row to couple or uncouple it; engines change when the window is closed");
    c.DefaultColours();
    const std::vector<CouplingRow> rows = couplingRows(s, edit.place);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CouplingRow& row = rows[i];
        const int consoleRow = firstCouplingRow + static_cast<int>(i);
        c.GotoCell(markColumn, consoleRow);
        if (offersCoupling(s, edit.place, row)) {
            c.WhiteOnBrown();
            if (rowChanging(s, edit, row)) c.SetBackColour(palette::Magenta);
            c.Write(rowCoupled(s, edit, row) ? " + " : "   ");
        }
        c.DefaultColours();
        c.GotoCell(itemColumn, consoleRow);
        if (row.kind == CouplingRowKind::engine) c.Write(engineToken(s, row.item));
        c.Write(rowText(s, edit.place, row));
    }
}

void applyCouplings(GameState& s, const CouplingEdit& edit) {
    bool uncoupled = false;
    for (int berth = 0; berth < 2; ++berth) {
        Location& l = s.locations[berthId(edit.place, berth)];
        for (int end = 0; end < 2; ++end) {
            const auto e = static_cast<std::size_t>(end);
            const int flag = edit.endFlag[berth][end];
            if (flag == (l.endFlag[e] != 0 ? 1 : 0)) continue;
            l.endFlag[e] = flag;
            l.couplingTicks[e] = couplingChangeTicks;
            placeLoneEngine(l, end, flag != 0);
            if (berth == 0 && flag == 0) uncoupled = true;
        }
    }
    if (uncoupled) releaseArrivalStock(s, edit.place);
    formAfterCoupling(s, edit.place);
    splitAtUncoupledLink(s, s.locations[edit.place]);
    formWholeStock(s, edit.place);
    checkPlaceReady(s, edit.place);
}

} // namespace wm
