#pragma once

// The interlocking of the layout: for each pair of locations a command may join, the routes in order of
// preference, each a list of legs with the sections they lock. Read from data/track (route_vias.txt,
// no_route.txt and legs.txt, the last made from links.txt by tools/track/make_legs.py).

#include "movement/reachability.h"
#include "world/capacities.h"

#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace wm {

constexpr int maxLegSections = 24; // a leg locks 1..24 sections

// After a leg has started, each target's timer is set to the source's timer.
struct FlankLock {
    int source = 0;
    std::vector<int> targets;
    bool operator==(const FlankLock&) const = default;
};

enum class BranchAction {
    none,     // the leg does not use the token of the single line beyond location 26
    take,     // needs the token free, then takes it with the timer of its last section
    giveBack, // gives the token back two ticks after its last section clears
};

struct Leg {
    int from = 0;
    int to = 0;
    std::vector<int> sections; // in order from the leg's start
    std::vector<FlankLock> flanks;
    std::vector<int> testSet; // all must be free before the leg may start
    BranchAction branch = BranchAction::none;
    int fileLine = 0; // its row in the legs file
};

// One way of making a move: its legs in order; the intermediate locations are the starts of legs 2..n.
struct Route {
    std::vector<const Leg*> legs;
    std::vector<int> intermediates() const;
};

class RouteTable {
  public:
    RouteTable() = default;
    // Routes point at the table's own legs, so a table moves but is never copied.
    RouteTable(const RouteTable&) = delete;
    RouteTable& operator=(const RouteTable&) = delete;
    RouteTable(RouteTable&&) = default;
    RouteTable& operator=(RouteTable&&) = default;

    struct Sources {
        std::string_view vias, viasName;
        std::string_view noRoute, noRouteName;
        std::string_view legs, legsName;
    };

    // Builds the table over the reachability set. Every reachable pair has routes unless the no-route
    // list names it; every leg of those routes must be in the legs table. A fault is a DataFileError
    // naming the file and line.
    static RouteTable parse(const Reachability& reachable, const Sources& sources);

    // The table of the data folder over the standard reachability set, read on first use.
    static const RouteTable& standard();

    // The routes of a pair, first choice first; empty when the pair has no route entry.
    const std::vector<Route>& routes(int from, int to) const;
    bool hasRoute(int from, int to) const { return !routes(from, to).empty(); }

    // A leg by its ends; nullptr when no route uses it.
    const Leg* leg(int from, int to) const;

    const std::map<std::pair<int, int>, std::vector<Route>>& entries() const { return entries_; }
    const std::map<std::pair<int, int>, Leg>& legs() const { return legs_; }

  private:
    std::map<std::pair<int, int>, Leg> legs_;
    std::map<std::pair<int, int>, std::vector<Route>> entries_;
};

} // namespace wm
