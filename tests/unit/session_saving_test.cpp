// Save and Save As from the menu while saving games is not available in this version.

#include <gtest/gtest.h>

#include "drive/driver.h"

namespace wm {
namespace {

class Saving : public ::testing::Test {
  protected:
    /// Starts a Weekday, queues a file for any dialog that opens, and picks the menu item.
    void choose(const std::string& item) {
        std::string error;
        ASSERT_EQ(driver.run("saving.script", {"new-game 5 Weekday", "answer file:" + chosen, "menu " + item},
                             error),
                  0)
            << error;
    }
    /// The file dialog that opened would have taken the queued answer.
    bool fileDialogOpened() { return driver.host().saveFileDialog({}) != chosen; }
    std::string savingBoxes() {
        std::string text;
        for (const RecordedBox& box : driver.host().boxes()) text += box.text + "\n";
        return text;
    }

    const std::string folder = WENDMOOR_BUILD_DIR "/";
    const std::string chosen = "/elsewhere/mine.sav";
    Driver driver{folder, 1};
};

TEST_F(Saving, SaveBeforeAnyFileIsChosenGoesToTheDefaultNameInTheWorkingFolder) {
    choose("Save1");
    EXPECT_EQ(driver.game().text.savedGameName, folder + "WM58.sav");
    EXPECT_EQ(driver.game().text.workingFolder, folder);
    EXPECT_FALSE(fileDialogOpened());
    EXPECT_EQ(savingBoxes(), "Saving games is not available in this version\n");
}

TEST_F(Saving, SaveAsSaysSavingIsNotAvailableBeforeAskingForAFile) {
    choose("SaveAs1");
    EXPECT_FALSE(fileDialogOpened());
    EXPECT_EQ(savingBoxes(), "Saving games is not available in this version\n");
    EXPECT_TRUE(driver.game().text.savedGameName.empty());
    EXPECT_EQ(driver.game().text.workingFolder, folder);
}

} // namespace
} // namespace wm
