#include "display/screens.h"

#include <array>
#include <string>
#include <string_view>

#include <map>
#include <optional>
#include <utility>

#include "console/console.h"
#include "console/palette.h"
#include "display/place_form.h"
#include "display/screen_plan.h"
#include "display/section_colour.h"
#include "display/track_drawing.h"
#include "movement/section_ops.h"
#include "world/game_state.h"
#include "world/screen_names.h"

namespace wm {

namespace {
constexpr std::array<int, 6> menuColumns{2, 16, 30, 44, 58, 72};
constexpr std::size_t screenButtonWidth = 13;
constexpr std::array<std::string_view, 6> keyItems{"A Arrivals   ", "D Departures ", "R Report     ",
                                                   "Z Details    ", "M Messages   ", "Q Quit       "};

/// Text and background of a screen button at an alert level 0..4.
void alertColours(Console& c, int level) {
    switch (level) {
    case 1:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::White);
        break;
    case 2:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Yellow);
        break;
    case 3:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Violet);
        break;
    case 4:
        c.SetTextColour(palette::Black), c.SetBackColour(palette::Red);
        break;
    default:
        c.WhiteOnBrown();
        break;
    }
}
} // namespace

void DrawKeyMenu(Console& c, const std::array<int, layoutScreenCount>& alertLevel) {
    const int first = c.rows() - 5;
    c.DefaultColours();
    c.GotoCell(1, first);
    c.SetTextColour(palette::Green);
    c.WriteText("Press:");
    for (int screen = 0; screen < layoutScreenCount; ++screen) {
        alertColours(c, alertLevel[static_cast<std::size_t>(screen)]);
        c.GotoCell(menuColumns[static_cast<std::size_t>(screen)], first + 1);
        std::string button(screenName(screen));
        button.resize(screenButtonWidth, ' ');
        c.WriteText(button);
    }
    c.WhiteOnBrown();
    for (std::size_t item = 0; item < keyItems.size(); ++item) {
        c.GotoCell(menuColumns[item], first + 2);
        c.WriteText(keyItems[item]);
    }
    c.DefaultColours();
}

void FacilityStatus(Console& c, const GameState& state, int column, int row, std::string_view name) {
    c.GotoCell(column, row);
    if (branchFree(state)) {
        c.SetTextColour(palette::Green);
        c.WriteText(std::string(name) + " available");
    } else {
        c.WhiteOnRed();
        c.WriteText("   " + std::string(name) + " out   ");
    }
    c.DefaultColours();
}

namespace {
void drawPanels(Console& c, const ScreenPlan& plan) {
    for (const NavigationPanel& panel : plan.panels)
        for (std::size_t i = 0; i < panel.lines.size(); ++i) {
            std::string text = panel.lines[i];
            text.resize(static_cast<std::size_t>(panel.width), ' ');
            c.WhiteOnBrown();
            c.GotoCell(panel.column, panel.row + static_cast<int>(i));
            c.WriteText(text);
        }
    c.DefaultColours();
}

// The cells of the screen's track, each drawn as the one piece its shapes make.
void drawTrack(const TrackPen& pen, const ScreenPlan& plan) {
    struct Shapes {
        std::optional<int> straight, rise, fall;
    };
    std::map<std::pair<int, int>, Shapes> cells; // (row, column)
    // Links that share a piece (a ladder, a fan of sidings) show it Red when any of them is locked.
    auto keep = [&](std::optional<int>& held, int section) {
        if (!held || sectionColour(pen.state, section) == palette::Red) held = section;
    };
    for (const TrackCell& cell : plan.track) {
        Shapes& s = cells[{cell.row, cell.column}];
        keep(cell.shape == CellShape::Straight ? s.straight
             : cell.shape == CellShape::Rise   ? s.rise
                                               : s.fall,
             cell.section);
    }
    for (const auto& [at, s] : cells) {
        pen.console.GotoCell(at.second, at.first);
        if (s.straight && s.rise && s.fall)
            DrawThreeWay(pen, *s.straight, *s.rise, *s.fall);
        else if (s.straight && s.rise)
            DrawPointsUp(pen, *s.straight, *s.rise);
        else if (s.straight && s.fall)
            DrawPointsDown(pen, *s.straight, *s.fall);
        else if (s.straight)
            DrawTrack(pen, *s.straight, 1);
        else {
            if (s.rise) DrawRiseTrack(pen, *s.rise);
            if (s.fall) pen.console.GotoCell(at.second, at.first), DrawFallTrack(pen, *s.fall);
        }
    }
    for (const Crossover& x : plan.crossovers) {
        pen.console.GotoCell(x.column, x.row);
        DrawCrossover(pen, x.rising, x.falling, x.upperLeft, x.upperRight, x.lowerLeft, x.lowerRight);
    }
}
} // namespace

void DrawScreen(const ScreenContext& context, int screen) {
    if (screen < 0 || screen >= layoutScreenCount) return;
    const ScreenPlan& plan = standardScreenPlans()[static_cast<std::size_t>(screen)];
    Console& c = context.console;
    c.DefaultColours();
    c.GotoCell(plan.title.column, plan.title.row);
    c.SetTextColour(palette::Cyan);
    c.WriteText(plan.title.text);
    drawPanels(c, plan);
    c.DefaultColours();
    for (const ScreenText& label : plan.labels) {
        c.GotoCell(label.column, label.row);
        c.WriteText(label.text);
    }
    for (const HighlightBar& bar : plan.bars) c.HighlightCells(bar.column, bar.row, bar.width);
    DrawKeyMenu(c, context.alertLevel);
    drawTrack(TrackPen{c, context.state}, plan);
    for (const PlaceSpot& spot : plan.spots) DrawPlaceForm(c, context.state, context.view, spot);
    for (const ScreenText& staff : plan.staff)
        FacilityStatus(c, context.state, staff.column, staff.row, staff.text);
    c.DefaultColours();
}

} // namespace wm
