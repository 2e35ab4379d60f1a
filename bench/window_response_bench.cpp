// How soon the real window answers a click: a click on a train standing in a siding arrives while the
// game waits for the player, and the time runs until the 'to' prompt is drawn on the message line.
// Offscreen; each repetition is one click, so the median over the repetitions is the figure to read.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "host/qt/qt_host.h"
#include "session/game.h"
#include "session/game_choice.h"
#include "session/main_loop.h"
#include "session/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Clicks = 40;
// DG2 on the Yards screen, where a Weekday starts with a departure standing ready.
constexpr int ClickColumn = 60;
constexpr int ClickRow = 20;

/// The window, noting when the prompt is drawn.
class ProbeHost : public wm::QtHost {
  public:
    bool armed = false;
    Clock::time_point promptDrawn;
    void drawText(int x, int y, std::string_view text, wm::Colour textColour,
                  wm::Colour background) override {
        QtHost::drawText(x, y, text, textColour, background);
        if (armed && text.find("Click on location to move to") != std::string_view::npos) {
            armed = false;
            promptDrawn = Clock::now();
        }
    }
};

struct Session {
    ProbeHost host;
    std::unique_ptr<wm::Game> game = std::make_unique<wm::Game>(host);
    wm::TForm1 window{*game};
    std::vector<double> seconds;
    Clock::time_point clicked;

    /// Runs from a timer, so it arrives while the game waits, as a player's click does; the button is
    /// released a millisecond after it was pressed.
    void postClick() {
        const wm::Console& c = game->console;
        const QPointF at((ClickColumn - 1) * c.cellWidth() + c.cellWidth() / 2,
                         c.topOffset() + (ClickRow - 1) * c.cellHeight() + c.cellHeight() / 2);
        QWidget* canvas = host.centralWidget();
        const QPointF global = canvas->mapToGlobal(at);
        host.armed = true;
        clicked = Clock::now();
        QTimer::singleShot(1, &host, [canvas, at, global] {
            QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            QApplication::sendEvent(canvas, &release);
        });
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
        QTimer::singleShot(5, &host, [this] { awaitPrompt(); });
    }

    void awaitPrompt() {
        if (host.armed) {
            QTimer::singleShot(5, &host, [this] { awaitPrompt(); });
            return;
        }
        seconds.push_back(std::chrono::duration<double>(host.promptDrawn - clicked).count());
        // An arrow key cancels the move; then the next click.
        QApplication::postEvent(&host, new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
        if (static_cast<int>(seconds.size()) < Clicks) {
            QTimer::singleShot(150, &host, [this] { postClick(); });
        } else {
            // The end of the shift ends the loop without a question.
            game->state.clock = game->state.shiftEnd;
            game->clock.endRequested = true;
        }
    }

    void run() {
        host.setEventHandler(&window);
        if (!window.FormCreate()) return;
        host.show();
        host.ensureActivated();
        QTimer::singleShot(0, &host, [this] {
            wm::Game& g = *game;
            g.hasFixedSeed = true;
            g.fixedSeed = 1;
            wm::ApplyGameChoice(g.state, wm::GameChoice{0, 0}); // Very easy, Weekday
            g.state.clock = g.state.shiftStart;
            wm::SetUpNewGame(g);
            QTimer::singleShot(300, &host, [this] { postClick(); });
            wm::MainLoop(g);
            QCoreApplication::exit(0);
        });
        QApplication::exec();
        window.FormDestroy();
        host.setEventHandler(nullptr);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    Session session;
    session.run();
    if (session.seconds.empty()) {
        std::fprintf(stderr, "no click was answered\n");
        return 1;
    }
    const std::vector<double> samples = session.seconds;
    benchmark::RegisterBenchmark("ClickToToPrompt",
                                 [samples](benchmark::State& state) {
                                     static std::size_t next = 0;
                                     for (auto _ : state)
                                         state.SetIterationTime(samples[next++ % samples.size()]);
                                 })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(static_cast<int>(samples.size()))
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
