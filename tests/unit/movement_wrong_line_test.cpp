// A train kept to its own line: the places each route code may not be sent to, what it costs, and the
// stopping train that may not run through the station.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "move_bench.h"
#include "movement/wrong_line.h"

namespace wm {
namespace {

struct LineCase {
    int code;
    LocationId from;
    LocationId to;
    std::string reason; // empty: the move keeps to the line
};

const std::string callsHere = "This train calls at Wendmoor";

std::string divertedFor(const std::string& name) {
    return "diverting train for " + name;
}

// Each row's places, and the places just beside them that stay on the line.
const std::vector<LineCase>& lineCases() {
    static const std::vector<LineCase> cases = [] {
        std::vector<LineCase> c;
        // 15: a train of the station passing it without stopping.
        c.push_back({15, 50, 110, callsHere});
        c.push_back({15, 110, 50, callsHere});
        c.push_back({15, 94, 106, callsHere});
        c.push_back({15, 106, 94, callsHere});
        c.push_back({15, 95, 106, ""});
        c.push_back({15, 94, 105, ""});
        c.push_back({15, 106, 95, ""});
        c.push_back({15, 105, 94, ""});
        c.push_back({15, 98, 60, ""});
        c.push_back({15, 60, 26, ""});

        const std::string wrennick = divertedFor("Wrennick");
        for (LocationId to : {26, 52, 54, 58, 60, 79, 80, 83, 85}) c.push_back({1, 98, to, wrennick});
        c.push_back({1, 20, 60, wrennick}); // either way
        for (LocationId to : {25, 27, 53, 56, 59, 62, 81, 84, 86}) c.push_back({1, 98, to, ""});

        const std::string carrowfold = divertedFor("Carrowfold");
        for (LocationId to : {26, 56, 62, 68, 79, 80}) c.push_back({2, 98, to, carrowfold});
        c.push_back({3, 98, 56, carrowfold});
        c.push_back({7, 98, 62, carrowfold});
        c.push_back({8, 20, 68, carrowfold});
        for (LocationId to : {25, 52, 55, 57, 61, 63, 67, 69, 81})
            for (int code : {2, 3, 7, 8}) c.push_back({code, 98, to, ""});

        const std::string scarnholt = divertedFor("Scarnholt");
        for (LocationId to : {27, 60, 78, 81, 96, 99}) c.push_back({9, 100, to, scarnholt});
        for (LocationId to : {25, 20, 26, 79, 80, 97, 98}) c.push_back({9, 100, to, ""});
        c.push_back({9, 20, 60, ""}); // moving up
        c.push_back({9, 20, 110, ""});

        const std::string drennan = divertedFor("Drennan Quay");
        for (LocationId to : {24, 27, 63, 66, 79, 97}) c.push_back({11, 20, to, drennan}); // up
        for (LocationId to : {25, 26, 64, 65}) c.push_back({11, 20, to, ""});
        for (LocationId to : {25, 64, 65, 78, 96, 99}) c.push_back({11, 100, to, drennan}); // down
        for (LocationId to : {26, 79, 80, 97, 98}) c.push_back({11, 100, to, ""});

        const std::string upYard = divertedFor("Up Yard");
        for (LocationId to : {96, 138, 140, 155, 157}) c.push_back({16, 50, to, upYard});
        for (LocationId to : {95, 97, 137, 139, 141, 154, 156, 158}) c.push_back({16, 50, to, ""});
        for (LocationId to : {96, 138, 140, 155, 157}) c.push_back({16, 160, to, ""}); // moving down

        const std::string downYard = divertedFor("Down Yard");
        for (LocationId to : {97, 98, 102, 139, 141, 156}) c.push_back({17, 160, to, downYard});
        for (LocationId to : {96, 99, 101, 103, 138, 140, 142, 155, 157}) c.push_back({17, 160, to, ""});
        for (LocationId to : {97, 98, 102, 139, 141, 156}) c.push_back({17, 50, to, ""}); // moving up

        const std::string bracklebeck = divertedFor("Bracklebeck");
        for (LocationId to : {166, 167, 181, 190, 194}) c.push_back({20, 98, to, bracklebeck});
        c.push_back({20, 200, 167, bracklebeck});
        for (LocationId to : {165, 168, 170, 180}) c.push_back({20, 98, to, ""});

        for (int code : {21, 22, 23}) {
            const std::string route = divertedFor(code == 23 ? "Burnisdale" : "Roufield");
            for (LocationId to : {170, 171, 180, 181, 182, 183}) c.push_back({code, 98, to, route});
            c.push_back({code, 190, 171, route});
            for (LocationId to : {169, 172, 179, 184, 166}) c.push_back({code, 98, to, ""});
        }

        // Codes with no row keep to their line wherever they go.
        for (int code : {0, 4, 5, 6, 10, 12, 13, 14, 18, 19, 24, 25})
            for (auto [from, to] : std::vector<std::pair<int, int>>{
                     {50, 110}, {98, 26}, {98, 60}, {20, 60}, {50, 96}, {160, 97}, {98, 181}, {98, 170}})
                c.push_back({code, from, to, ""});
        return c;
    }();
    return cases;
}

class WrongLineCheck : public MoveBench {};

TEST_F(WrongLineCheck, EachRouteCodeIsRefusedOnlyThePlacesOffItsLine) {
    for (const LineCase& c : lineCases()) {
        SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from) + " to " +
                     std::to_string(c.to));
        const std::optional<WrongLine> off = wrongLine(c.code, c.from, c.to);
        if (c.reason.empty()) {
            EXPECT_FALSE(off.has_value()) << off->reason;
            continue;
        }
        ASSERT_TRUE(off.has_value());
        EXPECT_EQ(off->reason, c.reason);
        EXPECT_EQ(off->costsPoint, c.reason != callsHere);
    }
}

TEST_F(WrongLineCheck, ARefusedMoveCostsOnePointWithItsReasonAndAPassingOneNothing) {
    int expectedScore = 0;
    for (const LineCase& c : lineCases()) {
        SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from) + " to " +
                     std::to_string(c.to));
        const std::size_t shown = host.messages().size();
        const bool keeps = checkWrongLine(world, c.code, c.from, c.to);
        EXPECT_EQ(keeps, c.reason.empty());
        if (c.reason.empty()) {
            EXPECT_EQ(host.messages().size(), shown);
        } else {
            ASSERT_EQ(host.messages().size(), shown + 1);
            if (c.reason == callsHere) {
                EXPECT_EQ(lastMessage(), "error " + callsHere);
            } else {
                --expectedScore;
                EXPECT_EQ(lastMessage(), "error You lose 1 point for " + c.reason);
            }
        }
        EXPECT_EQ(state.score, expectedScore);
    }
}

} // namespace
} // namespace wm
