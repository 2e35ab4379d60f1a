// The attention scan in play, through the driver: the racing clock ends at the first need for action, the
// cues sound where the ratings ask for them, and the key menu's screen buttons take the alert colours.

#include "script_play_fixture.h"

#include <algorithm>
#include <sstream>

namespace wm {
namespace {

class AttentionDriver : public ScriptPlay {
  protected:
    void SetUp() override {
        ScriptPlay::SetUp();
        play("attention.txt");
    }
    /// The wave files played so far, as written at one point of the script.
    std::vector<std::string> sounds(const std::string& file) {
        std::istringstream in(contents(file));
        std::vector<std::string> out;
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }
    static long count(const std::vector<std::string>& sounds, const std::string& name) {
        return std::count(sounds.begin(), sounds.end(), name);
    }
    /// Text and background letters of a screen button (0..4) on the key menu's row 28.
    std::string button(const std::string& screen, int n) {
        const std::string colours = screenRow(screen, 33 + 28);
        return colours.substr(static_cast<std::size_t>(2 * (1 + 14 * n)), 2);
    }
    std::string field(const std::string& json, const std::string& name) {
        const std::string text = contents(json);
        const auto at = text.find("\"" + name + "\":");
        if (at == std::string::npos) return "";
        const auto start = at + name.size() + 3;
        return text.substr(start, text.find_first_of(",}", start) - start);
    }
};

const std::string speededUp = " Speeded up until next need for action ";
constexpr int common = 0, shed = 1, north = 2, yards = 3, south = 4;

TEST_F(AttentionDriver, ASaturdayLeftAloneRacesAfterFifteenQuietTicksUntilTheFirstTrainIsReady) {
    EXPECT_EQ(field("quiet.json", "speededUp"), "0");
    EXPECT_EQ(field("racing.json", "speededUp"), "1");
    EXPECT_EQ(screenRow("racing.txt", 31).substr(0, speededUp.size()), speededUp);
    EXPECT_EQ(field("before-ready.json", "speededUp"), "1");
    // 0.26: the parcels train at RDF may be signalled in.
    EXPECT_EQ(field("ready.json", "speededUp"), "0");
    EXPECT_EQ(field("ready.json", "quietTicks"), "15");
    EXPECT_EQ(screenRow("ready.txt", 31).find(speededUp), std::string::npos);
    EXPECT_EQ(screenRow("ready.txt", 31).substr(0, 43), "Click mouse or press space bar for movement");
}

TEST_F(AttentionDriver, TheCuesFollowTheRatingsSoonThenReadyThenLate) {
    const auto racing = sounds("racing-sounds.txt");
    for (const char* cue : {"sndnotify.wav", "sndnormal.wav", "sndurgent.wav"})
        EXPECT_EQ(count(racing, cue), 0);

    // A train at the edge that may come in: action needed soon.
    const auto ready = sounds("ready-sounds.txt");
    ASSERT_FALSE(ready.empty());
    EXPECT_EQ(ready.back(), "sndnormal.wav");
    EXPECT_EQ(count(ready, "sndnotify.wav") + count(ready, "sndurgent.wav"), 0);

    // Brought in and standing at DS4 it is ready, with nothing else asking: the notify cue, once a minute.
    const auto standing = sounds("standing-sounds.txt");
    EXPECT_EQ(count(standing, "sndnormal.wav"), count(ready, "sndnormal.wav"));
    EXPECT_GE(count(standing, "sndnotify.wav"), 2);
    EXPECT_LE(count(standing, "sndnotify.wav"), 4);
    EXPECT_EQ(count(standing, "sndurgent.wav"), 0);

    // The passenger train at CUS, soon and then late.
    const auto soon = sounds("soon-sounds.txt");
    EXPECT_EQ(soon.back(), "sndnormal.wav");
    EXPECT_EQ(count(soon, "sndurgent.wav"), 0);
    const auto late = sounds("late-sounds.txt");
    EXPECT_EQ(late.back(), "sndurgent.wav");
    EXPECT_EQ(count(late, "sndurgent.wav"), 1);
}

TEST_F(AttentionDriver, TheScreenButtonsTakeTheColoursOfTheirScreensLevels) {
    EXPECT_EQ(button("racing.txt", common), "wo"); // nothing to do: white on brown
    EXPECT_EQ(button("racing.txt", north), "wo");
    EXPECT_EQ(button("racing.txt", shed), "kw");    // loco coal being worked: due shortly
    EXPECT_EQ(button("ready.txt", south), "ky");    // a train may be signalled in
    EXPECT_EQ(button("standing.txt", yards), "ky"); // ready at DS4
    EXPECT_EQ(button("standing.txt", south), "kw");
    EXPECT_EQ(button("soon.txt", north), "kv"); // action needed soon
    EXPECT_EQ(button("late.txt", north), "kr"); // late
    // Held late, the passenger train's line counts the passes it waits.
    EXPECT_EQ(s().lines[7].waitCount, 1);
}

} // namespace
} // namespace wm
