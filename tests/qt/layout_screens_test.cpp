// The five layout screens painted by the real window at the start of a Weekday, saved as pictures, and
// one with a route's sections locked.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "console/palette.h"
#include "session/layout_screens.h"
#include "movement/route_table.h"
#include "session/game.h"
#include "session/game_choice.h"
#include "session/main_loop.h"
#include "session/main_window.h"

#include "real_window.h"

namespace {

struct WeekdayWindow : wm::testing::RealWindow {
    bool start() {
        if (!RealWindow::start()) return false;
        // What Start New Game does for a Weekday before its main loop takes over.
        wm::ApplyGameChoice(game->state, {0, 0});
        game->state.clock = game->state.shiftStart;
        wm::SetUpNewGame(*game);
        game->flags.atStartScreen = false;
        host.setVisible(wm::Widget::New, false);
        host.setVisible(wm::Widget::Resume, false);
        // Large enough to read the codes and the places' texts in the saved pictures.
        game->flags.drawingEnabled = true;
        wm::ChangeFontSize(*game, 20);
        return true;
    }
    QImage paint(int screen) {
        wm::ShowScreen(*game, screen);
        game->console.ClearScreen();
        wm::DrawScreen(*game, screen);
        game->console.RedrawBottomLines();
        QApplication::processEvents();
        return host.grab().toImage();
    }
};

QString shotPath(const std::string& name) {
    return wm::testing::screenshotPath(QString::fromStdString(name) + ".png");
}

int pixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(QtLayoutScreens, EachScreenIsPaintedWithItsTrackAndSaved) {
    WeekdayWindow w;
    ASSERT_TRUE(w.start()) << "font or help file missing beside " << w.host.executableFolder();
    const QColor yellow(wm::palette::Yellow.r, wm::palette::Yellow.g, wm::palette::Yellow.b);
    for (int screen = 0; screen < 5; ++screen) {
        const QImage shot = w.paint(screen);
        // The track is drawn in Yellow while nothing is locked: a screen of junctions has plenty.
        EXPECT_GT(pixelsOf(shot, yellow), 2000) << "screen " << screen;
        EXPECT_TRUE(shot.save(shotPath("screen-" + std::to_string(screen))));
    }
}

TEST(QtLayoutScreens, ALockedRouteShowsRed) {
    WeekdayWindow w;
    ASSERT_TRUE(w.start());
    const QColor red(wm::palette::Red.r, wm::palette::Red.g, wm::palette::Red.b);
    const int before = pixelsOf(w.paint(2), red);
    // Up fast from the junction into platform 1, with its flank protection.
    const wm::Leg* leg = wm::RouteTable::standard().leg(82, 95);
    ASSERT_NE(leg, nullptr);
    for (int section : leg->sections) w.game->state.sectionTimer[static_cast<std::size_t>(section)] = 9;
    for (const wm::FlankLock& flank : leg->flanks)
        for (int section : flank.targets) w.game->state.sectionTimer[static_cast<std::size_t>(section)] = 9;
    const QImage locked = w.paint(2);
    EXPECT_GT(pixelsOf(locked, red), before + 100);
    EXPECT_TRUE(locked.save(shotPath("screen-2-locked")));
}

} // namespace
