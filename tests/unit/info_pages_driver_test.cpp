// The information window's pages played through the driver: the engines at a place with their next
// duties (hidden with "Hide loco data"), the recent messages, and the size, place and caption of each.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script_play_fixture.h"

namespace wm {
namespace {

class InfoPagesDriver : public ScriptPlay {
  protected:
    std::string infoRow(const std::string& file, int row) {
        std::ifstream in(out / file);
        std::string line;
        for (int i = 0; i < row && std::getline(in, line);) ++i;
        return line;
    }
    int lineCount(const std::string& file) {
        std::ifstream in(out / file);
        int count = 0;
        for (std::string line; std::getline(in, line);) ++count;
        return count;
    }
    const InfoWindowShape& shape() { return driver.host().infoShape(); }
};

TEST_F(InfoPagesDriver, LocoInfoListsTheEnginesWithTheirDutiesUnlessLocoDataIsHidden) {
    playCommands("locos.script",
                 {"new-game 5 Weekday", "show-screen 1", "answer menu:LocoInfo1", "click 10 20 right",
                  "info %OUT%/shown.txt", "answer close", "answer options:hide=1", "menu Options1",
                  "answer menu:LocoInfo1", "click 10 20 right", "info %OUT%/hidden.txt", "answer close"});
    EXPECT_EQ(shape().caption, "Locos in location LL1");
    EXPECT_EQ(shape().helpContext, 191);
    EXPECT_EQ(lineCount("shown.txt"), 15 * 2 + 1) << "15 rows of 80 columns";
    EXPECT_EQ(infoRow("shown.txt", 2).size(), 80u);
    EXPECT_EQ(infoRow("shown.txt", 2).substr(0, 33), "  47315a Jinty  SH  in LL1 (Shed)");
    EXPECT_NE(infoRow("shown.txt", 2).find("No further scheduled duty today"), std::string::npos);
    EXPECT_EQ(infoRow("shown.txt", 5).substr(0, 25), "    Next duty:  7.39 from");
    EXPECT_EQ(infoRow("shown.txt", 9).substr(0, 32), "                     and then: 1");
    // Hidden: the same engines and places, no duty anywhere.
    EXPECT_EQ(infoRow("hidden.txt", 2).substr(0, 33), "  47315a Jinty  SH  in LL1 (Shed)");
    for (int row = 1; row <= 15; ++row) EXPECT_EQ(infoRow("hidden.txt", row).find("duty"), std::string::npos);
    EXPECT_EQ(infoRow("hidden.txt", 4).substr(0, 34), " \xC2\xA6"
                                                      "45361a LM 5   SH  in LL1 (Shed)");
}

TEST_F(InfoPagesDriver, AnAllDayPilotIsAShunterAtItsYardWithItsStartTimeOnlyWhileItIsAhead) {
    playCommands("pilot.script",
                 {"new-game 5 Weekday", "show-screen 3", "answer menu:LocoInfo1", "click 32 11 right",
                  "info %OUT%/before.txt", "answer close", "ticks 6", "answer menu:LocoInfo1",
                  "click 32 11 right", "info %OUT%/after.txt", "answer close"});
    EXPECT_EQ(infoRow("before.txt", 2).substr(0, 34), "  47306a Jinty  SH  in NUH (Yards)");
    EXPECT_EQ(infoRow("before.txt", 3).substr(0, 50), "    Next duty:  0.02 Shunter at Up Yard (24 hours)");
    EXPECT_EQ(infoRow("after.txt", 2).substr(0, 64),
              "  47306a Jinty  SH  in NUH (Yards) Shunter at Up Yard (24 hours)");
    EXPECT_EQ(infoRow("after.txt", 3).find_first_not_of(' '), std::string::npos);
}

TEST_F(InfoPagesDriver, TheRecentMessagesAreListedWithTheirTimesOrSaidToBeNone) {
    playCommands("messages.script", {"new-game 5 Weekday", "key M", "info %OUT%/none.txt", "answer close",
                                     "ticks 3", "show-screen 1", "answer menu:Couple1", "click 10 20 right",
                                     "key M", "info %OUT%/some.txt", "answer close"});
    EXPECT_EQ(shape().caption, "Recent messages ");
    EXPECT_EQ(shape().helpContext, 225);
    EXPECT_EQ(infoRow("none.txt", 2).substr(0, 21), " No messages recorded");
    EXPECT_EQ(lineCount("some.txt"), 22 * 2 + 1);
    EXPECT_EQ(infoRow("some.txt", 2).substr(0, 15), " Time   Message");
    EXPECT_EQ(infoRow("some.txt", 4), "  0.02  Coupling/uncoupling not allowed there" + std::string(35, ' '));
    EXPECT_FALSE(driver.game().info.open);
}

TEST_F(InfoPagesDriver, TheWindowStandsAtTheRightOfTheScreenSizedForItsUse) {
    playCommands("shape.script", {"new-game 5 Weekday", "key M", "answer close"});
    const Console& c = driver.game().console;
    EXPECT_EQ(shape().clientWidth, 80 * c.cellWidth() + 5);
    EXPECT_EQ(shape().clientHeight, 22 * c.cellHeight() + 30);
    EXPECT_EQ(shape().left, 1920 - (shape().clientWidth + 20) - 50);
    EXPECT_EQ(shape().top, (1080 - (shape().clientHeight + 40)) / 2);
    EXPECT_FALSE(driver.host().infoWindowShown());
    EXPECT_FALSE(driver.game().flags.modalOpen);
}

} // namespace
} // namespace wm
