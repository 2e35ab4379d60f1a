// The driver's state dump is how scripted checks see the world the builders make.

#include "drive/state_json.h"
#include "host/headless/headless_host.h"
#include "session/game.h"
#include "world/build_context.h"
#include "world/engine_builders.h"
#include "world/location_table.h"
#include "world/sheds.h"

#include <gtest/gtest.h>

#include "test_services.h"

#include <memory>
#include <string>

namespace wm {
namespace {

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(WorldStateDump, ShowsTheBuiltLocationsAndEngines) {
    HeadlessHost host;
    auto game = std::make_unique<Game>(host);
    game->random.seed(1958);
    std::string messages;
    TestServices services{[&](int n) { return game->rand(n); },
                          [&](std::string_view text) { messages += text; }};
    BuildContext context{game->state, services, loadedShedTable()};
    buildLocationTable(game->state);
    buildEngineTable(context);
    EXPECT_EQ(messages, "");

    const std::string json = stateJson(*game, host);
    EXPECT_NE(json.find("\"locationCount\":401"), std::string::npos);
    EXPECT_NE(json.find("\"locoCount\":323"), std::string::npos);
    EXPECT_EQ(occurrences(json, "\"locoSlots\":"), 401);
    EXPECT_NE(json.find("\"code\":\"wn \""), std::string::npos);
    EXPECT_EQ(occurrences(json, "\"duty\":"), 323);
    EXPECT_NE(json.find("\"number\":\"" + game->state.locos[1].number.str() + "\""), std::string::npos);
}

} // namespace
} // namespace wm
