#include "session/attention_scan.h"

#include <array>
#include <string_view>

#include "movement/section_ops.h"
#include "session/attention_rules.h"
#include "session/game.h"
#include "session/main_loop.h"
#include "world/line_tables.h"
#include "world/location_table.h"
#include "world/record_checks.h"

namespace wm {

namespace {
/// The line's first section inside the area: its train is rated only while that is empty.
std::string_view firstSectionCode(int line) {
    switch (line) {
    case 1:
        return "UW1";
    case 2:
    case 3:
        return "UF1";
    case 7:
    case 8:
        return "US1";
    case 20:
        return "DBM";
    case 21:
        return "DF6";
    default:
        return "DS6";
    }
}

LocationId firstSectionInside(int line) {
    static const std::array<LocationId, lineCapacity + 1> places = [] {
        std::array<LocationId, lineCapacity + 1> found{};
        for (int rated : ratedLines)
            found[static_cast<std::size_t>(rated)] = layoutPlaceWithCode(firstSectionCode(rated));
        return found;
    }();
    return line >= 1 && line <= lineCapacity ? places[static_cast<std::size_t>(line)] : 0;
}

/// No engine, no occupant and no move in progress.
bool sectionEmpty(const GameState& s, LocationId place) {
    const Location& l = s.locations[place];
    return locationClear(s, place) && l.occState == occEmpty && l.busyTicks == 0;
}

class Scan {
  public:
    explicit Scan(Game& g) : g_(g), s_(g.state) {
        g_.display.alertLevel = {};
        g_.alerts.ready = false;
        g_.alerts.lastLocation = 0;
    }

    void raise(int screen, int level, AlertCue cue, LocationId place) {
        if (screen < 0 || screen >= static_cast<int>(g_.display.alertLevel.size())) return;
        int& alert = g_.display.alertLevel[static_cast<std::size_t>(screen)];
        if (level > alert) alert = level;
        if (level > 1) actionNeeded_ = true;
        if (level > 0 && alert > 0) g_.alerts.lastLocation = place;
        switch (cue) {
        case AlertCue::ready:
            g_.alerts.ready = true;
            break;
        case AlertCue::soon:
            g_.alerts.soon = true;
            break;
        case AlertCue::late:
            g_.alerts.late = true;
            break;
        case AlertCue::none:
            break;
        }
    }

    void rateLine(int line, bool countWaiting) {
        Line& l = s_.lines[line];
        const LocationId entry = l.entryPlace;
        if (entry < 1 || entry > placeCount) return;
        const Location& at = s_.locations[entry];
        const LocationId inside = firstSectionInside(line);
        if (inside == 0 || !sectionEmpty(s_, inside)) return;
        const ArrivalIndex chosen = l.chosenArrival;
        if (!isArrival(s_, chosen) || at.occState != occArrival || at.occupant != chosen) return;
        const Arrival& a = s_.arrivals[chosen];
        if (a.loco == noEngine) return;
        const int runIn = approachTime(a.group, a.line, a.trainType);
        const int expected = a.time + a.late;
        if (expected >= s_.clock + runIn + 2) return;
        if (expected < s_.clock + runIn && a.trainType < 5 && isRealEngine(a.loco)) {
            raise(at.screen, 4, AlertCue::late, entry);
            if (countWaiting) ++l.waitCount;
            return;
        }
        raise(at.screen, a.trainType > 4 ? 2 : 3, AlertCue::soon, entry);
        l.waitCount = 0;
    }

    void ratePlaces() {
        for (LocationId place = 1; place <= placeCount; ++place) {
            const Location& l = s_.locations[place];
            if (l.occState != occEmpty) rate(place, l.occState, l.occupant);
            switch (l.occState2) {
            case occDeparture:
            case occStock:
            case occTraffic:
            case occReversingDeparture:
                rate(place, l.occState2, l.occupant2);
                break;
            default:
                break;
            }
        }
    }

    void finish() {
        AlertState& a = g_.alerts;
        if (a.ready || a.soon || a.late) {
            // The racing clock is ended with a sound the player notices.
            if (a.ready && g_.clock.speededUp) a.soon = true;
            actionNeeded_ = true;
        }
        if (actionNeeded_) ResetSpeedUp(g_);
    }

  private:
    void rate(LocationId place, OccState occState, int occupant) {
        const PlaceRating r = ratePlace(s_, place, occState, occupant);
        raise(r.screen, r.level, r.cue, place);
    }

    Game& g_;
    GameState& s_;
    bool actionNeeded_ = false;
};
} // namespace

void AttentionScan(Game& g, bool countWaiting) {
    Scan scan(g);
    for (int line : ratedLines) scan.rateLine(line, countWaiting);
    scan.ratePlaces();
    scan.finish();
}

} // namespace wm
