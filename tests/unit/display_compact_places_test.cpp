// The table of compact lines: it loads, names only real places, reports faults by line, and covers every
// place the screens draw as a compact line.

#include <gtest/gtest.h>

#include <memory>

#include "display/compact_places.h"
#include "display/screen_plan.h"
#include "world/data_file.h"
#include "world/game_state.h"
#include "world/location_table.h"

namespace wm {
namespace {

TEST(CompactPlaces, TheTableNamesRealPlacesAndTheScreensDrawEachOneItHolds) {
    const CompactPlaces& table = CompactPlaces::standard();
    auto state = std::make_unique<GameState>();
    buildLocationTable(*state);
    for (const auto& [code, style] : table.entries()) EXPECT_NE(findPlaceByCode(*state, code), 0) << code;
    EXPECT_EQ(table.style("DF1").direction, directionDown);
    EXPECT_EQ(table.style("UF1").direction, directionUp);
    EXPECT_EQ(table.style("MUX").side, LabelSide::Right);
    EXPECT_EQ(table.style("UF1").side, LabelSide::ByDirection);

    int compactSpots = 0;
    for (const ScreenPlan& plan : standardScreenPlans())
        for (const PlaceSpot& spot : plan.spots) {
            if (spot.form != PlaceForm::CompactLeft && spot.form != PlaceForm::CompactRight) continue;
            ++compactSpots;
            const std::string code = state->locations[static_cast<std::size_t>(spot.location)].code.str();
            ASSERT_TRUE(table.contains(code)) << code << " on screen " << plan.screen;
        }
    EXPECT_GT(compactSpots, 80);
}

TEST(CompactPlaces, BadRowsAreReportedWithFileAndLine) {
    auto fails = [](std::string_view text, std::string_view message) {
        try {
            CompactPlaces::parse(text, "compact.txt");
        } catch (const DataFileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("compact.txt:2"), std::string::npos) << what;
            EXPECT_NE(what.find(message), std::string::npos) << what;
            return;
        }
        ADD_FAILURE() << "accepted: " << text;
    };
    fails("DF1 down left\nUF1 sideways left\n", "direction");
    fails("DF1 down left\nUF1 up middle\n", "label");
    fails("DF1 down left\nDF1 down left\n", "twice");
    fails("# head\naaa down left\n", "named place");
    fails("DF1 down left\nUF1 up\n", "a row is");
}

} // namespace
} // namespace wm
