// The information window on the real desktop: a dialog of its own at the right of the screen, sized for
// its use and never resized by the player, with a Close button that closes it as the game expects.

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drive/driver.h"
#include "drive_window/window_target.h"
#include "host/qt/info_window.h"
#include "host/qt/qt_host.h"
#include "session/game.h"

namespace {

/// A script that ends while the window is up leaves it shown, as the player would see it.
struct OpenWindow {
    wm::Driver driver{wm::makeWindowTarget(), 1958};
    wm::QtHost* host = nullptr;
    wm::InfoWindow* info = nullptr;

    explicit OpenWindow(const std::vector<std::string>& script) {
        std::string error;
        EXPECT_EQ(driver.run("info.script", script, error), 0) << error;
        host = dynamic_cast<wm::QtHost*>(&driver.game().host);
        if (host) info = host->infoWindow();
    }
};

TEST(QtInfoWindow, ItIsNeverResizableByThePlayerWhateverItsUse) {
    for (const std::vector<std::string>& script :
         {std::vector<std::string>{"new-game 5 Weekday", "key M"},
          std::vector<std::string>{"new-game 5 Weekday", "show-screen 3", "answer menu:Couple1",
                                   "click 60 11 right"}}) {
        OpenWindow w(script);
        ASSERT_NE(w.info, nullptr);
        ASSERT_TRUE(w.info->isVisible());
        EXPECT_EQ(w.info->minimumSize(), w.info->maximumSize());
        const QSize size = w.info->size();
        w.info->resize(size.width() + 40, size.height() + 40);
        EXPECT_EQ(w.info->size(), size);
    }
}

TEST(QtInfoWindow, ItStandsAtTheRightSizedByItsUseWithItsCaptionAndCloses) {
    OpenWindow w({"new-game 5 Weekday", "key M"});
    ASSERT_NE(w.info, nullptr);
    const wm::Console& c = w.driver.game().console;
    EXPECT_EQ(w.info->size(), QSize(80 * c.cellWidth() + 5, 22 * c.cellHeight() + 30));
    EXPECT_EQ(w.info->windowTitle(), "Recent messages ");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.info->x(), screen.width() - (w.info->width() + 20) - 50);
    EXPECT_EQ(w.info->closeButton()->text(), "&Close");
    EXPECT_TRUE(w.info->closeButton()->isVisible());
    EXPECT_LE(w.info->closeButton()->geometry().bottom(), w.info->height());
    // The button tells the game, which hides the window once it has done what closing means.
    w.info->closeButton()->click();
    EXPECT_FALSE(w.driver.game().info.open);
}

} // namespace
