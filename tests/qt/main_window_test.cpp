// The real desktop window, started offscreen: start-up, start screen, top panel and menus.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "real_window.h"

namespace {

using wm::testing::RealWindow;

TEST(QtMainWindow, StartsAndShowsTheStartScreen) {
    RealWindow w;
    ASSERT_TRUE(w.start()) << "font or help file missing beside " << w.host.executableFolder();
    EXPECT_EQ(w.host.windowTitle(), "Wendmoor Summer 1958");
    EXPECT_TRUE(w.game->flags.atStartScreen);
    EXPECT_GT(w.game->console.cellWidth(), 0);

    auto* newGame = w.host.findChild<QPushButton*>();
    ASSERT_NE(newGame, nullptr);
    bool sawNew = false, sawResume = false;
    for (auto* b : w.host.findChildren<QPushButton*>()) {
        sawNew = sawNew || (b->text() == "Start New Game" && b->isVisible() && b->isEnabled());
        sawResume = sawResume || (b->text() == "Resume Saved Game" && b->isVisible() && b->isEnabled());
    }
    EXPECT_TRUE(sawNew);
    EXPECT_TRUE(sawResume);

    // The client area is the console's size: 100 cells plus 10 pixels across.
    EXPECT_EQ(w.host.canvasImage().width(), 100 * w.game->console.cellWidth() + 10);
    EXPECT_EQ(w.host.canvasImage().height(),
              32 * w.game->console.cellHeight() + w.game->console.topOffset() + 5);

    const QString shot = wm::testing::screenshotPath("start-screen.png");
    EXPECT_TRUE(w.host.grab().save(shot));
}

TEST(QtMainWindow, MenusHaveTheirCaptionsShortcutsAndInitialStates) {
    RealWindow w;
    ASSERT_TRUE(w.start());
    auto action = [&](const char* name) { return w.host.findChild<QAction*>(name); };
    ASSERT_NE(action("Save1"), nullptr);
    EXPECT_EQ(action("Save1")->text(), "&Save");
    EXPECT_EQ(action("Save1")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_FALSE(action("Save1")->isEnabled());
    EXPECT_EQ(action("SaveAs1")->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(action("Restart1")->text(), "ReLoad");
    EXPECT_FALSE(action("Restart1")->isEnabled());
    EXPECT_TRUE(action("Pause1")->isEnabled());
    EXPECT_TRUE(action("Quit1")->isEnabled());
    EXPECT_FALSE(action("Options1")->isEnabled());
    EXPECT_EQ(action("Context")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* item : {"Couple1", "Uncouple1", "Water1", "LocoInfo1", "TrainInfo1", "Allocate1"})
        EXPECT_NE(action(item), nullptr) << item;
}

TEST(QtMainWindow, ClearingTheMessageLineLeavesNothingOfAColouredBackground) {
    RealWindow w;
    ASSERT_TRUE(w.start());
    wm::Console& c = w.game->console;
    c.GotoCell(1, 31);
    c.WhiteOnNavy();
    c.WriteText(" Click on location to move to ");
    c.ClearMessageLine();
    const QImage& image = w.host.canvasImage();
    const int top = c.topOffset() + 30 * c.cellHeight();
    for (int y = top; y < top + c.cellHeight(); ++y)
        for (int x = 0; x < 30 * c.cellWidth(); ++x)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::black)) << "at " << x << "," << y;
}

TEST(QtMainWindow, TextKeepsToItsCellsAtEveryFontSize) {
    RealWindow w;
    ASSERT_TRUE(w.start());
    wm::Console& c = w.game->console;
    for (int size = wm::Console::MinFontSize; size <= wm::Console::MaxFontSize; ++size) {
        c.options().fontSize = size;
        ASSERT_TRUE(c.ApplyFontSize());
        c.ClearScreen();
        // Red cells from column 41, then forty cells of text up to them: no pixel of the text's black
        // background may fall on column 41.
        c.GotoCell(41, 5);
        c.WhiteOnRed();
        c.WriteText("          ");
        c.GotoCell(1, 5);
        c.DefaultColours();
        c.WriteText(std::string(40, '.'));
        const QImage& image = w.host.canvasImage();
        const int y = c.topOffset() + 4 * c.cellHeight() + c.cellHeight() / 2;
        EXPECT_EQ(image.pixelColor(40 * c.cellWidth(), y), QColor(255, 40, 40)) << "font size " << size;
        EXPECT_EQ(image.pixelColor(40 * c.cellWidth() - 1, y), QColor(Qt::black)) << "font size " << size;
    }
}

TEST(QtMainWindow, TheWindowCannotBeResizedByThePlayer) {
    RealWindow w;
    ASSERT_TRUE(w.start());
    EXPECT_EQ(w.host.minimumSize(), w.host.maximumSize());
}

} // namespace
