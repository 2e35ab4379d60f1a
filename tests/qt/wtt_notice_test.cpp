// The notice that the working timetable was written, as the real window shows it on its message line.

#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "console/palette.h"
#include "host/record/script_runtime.h"
#include "session/game.h"
#include "session/game_choice.h"
#include "session/main_loop.h"
#include "session/main_window.h"
#include "session/wtt_file.h"

#include "real_window.h"

namespace {

namespace fs = std::filesystem;

/// The window as it looks at the first pause of the game, which comes while the notice is shown.
class NoticeCatcher : public wm::QtHost {
  public:
    void sleepMs(int milliseconds) override {
        if (shot.isNull()) {
            QApplication::processEvents();
            shot = grab().toImage();
        }
        QtHost::sleepMs(milliseconds);
    }
    QImage shot;
};

template <typename Test>
int pixelsWhere(const QImage& image, QRect area, Test test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y));
    return count;
}

QColor qt(wm::Colour colour) {
    return QColor(colour.r, colour.g, colour.b);
}

TEST(QtWttNotice, TheWrittenFileIsAnnouncedInWhiteOnBrown) {
    NoticeCatcher host;
    wm::ScriptRuntime script; // dialogs answered and time virtual, as the driver plays the window
    host.driveBy(&script);
    auto game = std::make_unique<wm::Game>(host);
    wm::TForm1 window(*game);
    host.setEventHandler(&window);
    ASSERT_TRUE(window.FormCreate()) << "font or help file missing beside " << host.executableFolder();
    host.show();
    host.ensureActivated();
    QApplication::processEvents();

    const fs::path folder = fs::temp_directory_path() / ("wm58-wtt-notice-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    // What Start New Game does for a Moderate Weekday before it offers the file.
    wm::ApplyGameChoice(game->state, {2, 0});
    game->state.clock = game->state.shiftStart;
    wm::SetUpNewGame(*game);
    script.queueAnswer("file:" + (folder / "WM58WTT.txt").string());
    wm::CreateWttFile(*game);
    EXPECT_TRUE(fs::exists(folder / "WM58WTT.txt"));
    fs::remove_all(folder);

    ASSERT_FALSE(host.shot.isNull());
    EXPECT_TRUE(host.shot.save(wm::testing::screenshotPath("wtt-notice.png")));
    const wm::Console& c = game->console;
    const std::string notice = "Print file " + (folder / "WM58WTT.txt").string() + " created as requested";
    const QPoint canvas = host.canvasWidget()->mapTo(&host, QPoint(0, 0));
    const QRect line(canvas.x(), canvas.y() + c.topOffset() + 30 * c.cellHeight(),
                     static_cast<int>(notice.size()) * c.cellWidth(), c.cellHeight() - 1);
    const int area = line.width() * line.height();
    // Mostly the Brown panel, with the letters in White (their edges blend into the Brown).
    EXPECT_GT(pixelsWhere(host.shot, line, [](QColor c) { return c == qt(wm::palette::Brown); }), area / 2);
    const auto whitish = [](QColor c) { return c.red() > 200 && c.green() > 200 && c.blue() > 200; };
    EXPECT_GT(pixelsWhere(host.shot, line, whitish), static_cast<int>(notice.size()) * 3);
    EXPECT_EQ(pixelsWhere(host.shot, line, [](QColor c) { return c == qt(wm::palette::Black); }), 0);

    window.FormDestroy();
    host.driveBy(nullptr);
    host.setEventHandler(nullptr);
}

} // namespace
