#pragma once
// Where and how one place is drawn on one layout screen. A place may appear on two screens (the platform
// roads, the south end of the yards), each time with its own spot.

#include <string>

namespace wm {

/// How a place is drawn at its spot; the widths are the cells from the spot's column.
enum class PlaceForm {
    Labelled,     // 0: green code, then the 17-cell location line (20 cells)
    LabelAfter,   // 1: the 17-cell location line, then the code (20 cells)
    CompactLeft,  // 2: code, then a 7-cell compact line (10 cells)
    CompactRight, // 3: a 7-cell compact line, then the code (10 cells)
    StatusCode,   // 4: the code alone, coloured by the place's state
    Approach,     // 5: an edge label of an incoming line, coloured by its next arrival
    Turntable,    // 6: turntable indicator, label and engines box
    EnginesBox,   // 7: label and a box of the engines standing there
    EnginesList,  // 8: label and the list of the engines on a shed road
    Track,        // 9: a place the player cannot name: only its track line
};

struct PlaceSpot {
    int location = 0;        // location id
    int screen = 0;          // 0..4
    int column = 0, row = 0; // first cell (the hotspot's cell for a named place)
    int width = 0;           // cells covered
    PlaceForm form = PlaceForm::Track;
    int section = 0;   // the route section whose colour the place's line takes
    int section2 = 0;  // a second section where the form needs one (status codes), else 0
    std::string label; // the text of an edge label ("CUF>", "<BB"); empty: the place's own code
    std::string code;  // the place's code as the screen's file writes it, for reading
    int fileLine = 0;  // the spot's row in that file
};

} // namespace wm
