#include "rules/exchange_sidings.h"

#include <string>
#include <vector>

#include "rules/arrival_release.h"
#include "rules/score_events.h"
#include "world/exchange_lines.h"
#include "world/game_state.h"
#include "world/rakes.h"
#include "world/record_checks.h"
#include "world/reference_tables.h"

namespace wm {

namespace {
bool enginesThere(const Location& l) {
    return hasEngineAtEnd(l, lowEnd) || hasEngineAtEnd(l, highEnd);
}

/// The portions of the rake from its head, in order, each taken out of the rake.
std::vector<PortionIndex> takeApart(GameState& s, PortionIndex head) {
    std::vector<PortionIndex> portions;
    for (PortionIndex p = head;
         isPortion(s, p) && portions.size() < static_cast<std::size_t>(portionCapacity);) {
        const PortionIndex next = s.portions[p].next;
        portions.push_back(p);
        s.portions[p].next = s.portions[p].prev = 0;
        s.portions[p].coupledToNext = 0;
        p = next;
    }
    return portions;
}

/// Stock can be added to what stands at the place: it is at rest and holds nothing but a rake.
bool takesStock(const Location& l) {
    return l.busyTicks == 0 && l.occState2 == occEmpty && (l.occState == occEmpty || l.occState == occStock);
}

/// Puts the portion at the end of the rake at the place, coupled to it.
void addToRake(GameState& s, LocationId place, PortionIndex portion) {
    Location& l = s.locations[place];
    const PortionIndex head = l.occState == occStock ? l.occupant : 0;
    l.occupant = appendPortion(s, head, portion, true);
    l.occState = occStock;
    s.portions[portion].location = place;
}

void handOver(GameState& s, Console& console, const ExchangeSiding& siding, const std::string& lineName) {
    Location& at = s.locations[siding.place];
    if (at.occState != occStock || at.busyTicks != 0 || enginesThere(at) || !isPortion(s, at.occupant))
        return;
    const LocationId back = siding.place - 1;
    const std::string backCode = s.locations[back].code.str();
    PortionIndex kept = 0;
    for (PortionIndex p : takeApart(s, at.occupant)) {
        Portion& portion = s.portions[p];
        const bool forLine = isTraffic(s, portion.traffic) && s.traffic[portion.traffic].route == siding.line;
        if (forLine) {
            portion.portionState = portionHandedOver;
            portion.location = 0;
            GainBonusPoints(console, 1,
                            "shunting " +
                                std::string(trafficTypeName(s.traffic[portion.traffic].trafficType)) +
                                " traffic to " + lineName);
        } else if (takesStock(s.locations[back])) {
            addToRake(s, back, p);
            LoseBonusPoints(console, 1,
                            "sending inappropriate traffic to " + lineName + "; returned in " + backCode);
        } else {
            // Nowhere to put it back yet: it waits here and is returned a later minute.
            kept = appendPortion(s, kept, p, true);
        }
    }
    at.occupant = kept;
    at.occState = kept != 0 ? occStock : occEmpty;
}

void bringOut(GameState& s, GameServices& services, const ExchangeSiding& siding, const std::string& lineName,
              const CompletionSink& report) {
    const ArrivalIndex trip = s.lines[siding.line].nextFreight;
    if (!isArrival(s, trip)) return;
    const Arrival& a = s.arrivals[trip];
    // A pointer left over from another line brings nothing out here.
    if (a.line != siding.line || s.clock < a.time || a.line != a.group) return;
    const LocationId out = siding.place - 1;
    Location& l = s.locations[out];
    const std::string code = l.code.str();
    if (l.occState != occEmpty || l.occState2 != occEmpty || l.busyTicks != 0) {
        services.notice(lineName + ", outward traffic is waiting to be placed in " + code);
        return;
    }
    if (isPortion(s, a.firstPortion)) {
        standArrivalRake(s, trip, out);
        services.notice(lineName + " outward traffic has arrived in " + code);
    }
    report({Completed::outwardTrafficPlaced, out, trip});
}
} // namespace

void serveExchangeSidings(GameState& s, Console& console, GameServices& services,
                          const CompletionSink& report) {
    const ExchangeLineNames& names = loadedExchangeLineNames();
    for (const ExchangeSiding& siding : exchangeSidings) {
        const std::string& lineName = names.nameOf(siding.line);
        handOver(s, console, siding, lineName);
        bringOut(s, services, siding, lineName, report);
    }
}

} // namespace wm
