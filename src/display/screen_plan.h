#pragma once
// The drawing of the five layout screens, read from data/track/screen0.txt .. screen4.txt over the track
// topology of data/track/links.txt: each screen places its labels, panels and places by hand and gives the
// cell where each junction lies; the track between them is laid from the links, so every section a route
// locks is drawn where the route runs.

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "display/place_spot.h"
#include "movement/track_links.h"

namespace wm {

class HotspotTable;

/// The shape of track in one cell; a cell may hold several (points).
enum class CellShape {
    Straight, // 0: this row's middle across the cell
    Rise,     // 1: this row's middle on the left to the row above's middle on the right
    Fall,     // 2: the row above's middle on the left to this row's middle on the right
};

struct TrackCell {
    int column = 0, row = 0;
    CellShape shape = CellShape::Straight;
    int section = 0; // 0: a joint that belongs to no section
};

/// Two parallel roads over two cells with the diagonals between them; the diagonals have no section of
/// their own and take the crossover colour of the roads they join.
struct Crossover {
    int column = 0, row = 0; // the upper road's first cell; the lower road is the row below
    int upperLeft = 0, upperRight = 0, lowerLeft = 0, lowerRight = 0;
    bool rising = true;   // lower-left to upper-right diagonal
    bool falling = false; // upper-left to lower-right diagonal
};

struct ScreenText {
    int column = 0, row = 0;
    std::string text;
};

/// A brown panel that leads to another screen: its text lines from the top row down.
struct NavigationPanel {
    int column = 0, row = 0, width = 0;
    int code = 0; // 601..605
    std::vector<std::string> lines;
};

struct HighlightBar {
    int column = 0, row = 0, width = 0;
};

struct ScreenPlan {
    int screen = 0;
    ScreenText title;
    std::vector<NavigationPanel> panels;
    std::vector<ScreenText> labels; // Silver fixed labels: works, towns, line codes at the edges
    std::vector<HighlightBar> bars;
    std::vector<ScreenText> staff; // where the branch token's state is shown ("Staff")
    std::vector<PlaceSpot> spots;
    std::vector<TrackCell> track;
    std::vector<Crossover> crossovers;
};

/// Reads one screen's file and lays its track. `links` is the whole topology; a link is drawn on this
/// screen when both its ends are placed here (a spot of the location, or a node row for a junction or for a
/// location no click selects). Faults of the
/// file are DataFileErrors naming file and line; the plan is checked against the hotspots of the screen.
ScreenPlan parseScreenPlan(int screen, std::string_view text, std::string_view source,
                           const std::vector<TrackLink>& links, const HotspotTable& hotspots);

/// The five plans of the data folder, read on first use and kept for the run.
const std::array<ScreenPlan, 5>& standardScreenPlans();

} // namespace wm
