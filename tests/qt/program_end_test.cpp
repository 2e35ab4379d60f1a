// The desktop program really ends: the close box and Quit at the start screen, and a confirmed quit
// during a game, return from the event loop as main() runs it, with the settings written.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/run_game.h"
#include "host/qt/qt_host.h"
#include "modal_answerer.h"
#include "session/game.h"
#include "session/main_window.h"

namespace {

constexpr int TimeLimitMs = 30000;

struct Program {
    wm::QtHost host;
    std::unique_ptr<wm::Game> game = std::make_unique<wm::Game>(host);
    wm::TForm1 window{*game};
    wm::testing::ModalAnswerer answerer;
    bool timedOut = false;

    /// Runs the program as main() does; `act` runs once the start screen is up. False when the event
    /// loop had to be stopped by the time limit.
    bool run(const std::function<void()>& act) {
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [this] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        limit.start(TimeLimitMs);
        QTimer::singleShot(300, &host, act);
        wm::runDesktopGame(host, window);
        return !timedOut;
    }

    void press(Qt::Key key, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&host, &event);
    }
};

TEST(ProgramEnd, TheCloseBoxAtTheStartScreenEndsTheProgram) {
    Program p;
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(p.run([&p] { p.host.close(); })) << "the event loop did not end";
    EXPECT_TRUE(p.host.terminated());
    EXPECT_TRUE(p.game->flags.atStartScreen);
}

TEST(ProgramEnd, QuitAtTheStartScreenEndsTheProgram) {
    Program p;
    ASSERT_TRUE(p.run([&p] { p.host.action("Quit1")->trigger(); })) << "the event loop did not end";
    EXPECT_TRUE(p.host.terminated());
}

TEST(ProgramEnd, QuittingAGameAndAnsweringYesEndsTheProgramWithTheSettingsWritten) {
    const QString settings = QDir(QCoreApplication::applicationDirPath()).filePath("TAVO.INI");
    // The game's own settings beside the build are put back afterwards, so a run of the tests does not
    // change the font size the game next starts with.
    QFile kept(settings);
    const QByteArray before = kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray();
    const bool existed = kept.exists();
    kept.close();
    QFile::remove(settings);
    Program p;
    bool quitAsked = false;
    ASSERT_TRUE(p.run([&] {
        // The game runs inside the button's press; the key comes once its loop waits for the player.
        QTimer::singleShot(500, &p.host, [&] {
            quitAsked = p.game->flags.gameRunning;
            p.press(Qt::Key_Q, "q");
        });
        p.host.button(wm::Widget::New)->click();
    })) << "the event loop did not end; dialogs answered: "
        << p.answerer.seen.join(", ").toStdString();
    EXPECT_TRUE(quitAsked) << "the game was not running when Q was pressed";
    EXPECT_TRUE(p.game->flags.gameOver);
    EXPECT_TRUE(p.host.terminated());
    EXPECT_TRUE(QFileInfo::exists(settings));
    bool sawQuestion = false;
    for (const QString& s : p.answerer.seen) sawQuestion = sawQuestion || s.contains("QMessageBox");
    EXPECT_TRUE(sawQuestion) << p.answerer.seen.join(", ").toStdString();
    // The rating comes in the end-of-session dialog, closed with its OK button before the program ends.
    EXPECT_TRUE(p.answerer.seen.join(", ").contains("TAVO end of session: wm::EndDialog"))
        << p.answerer.seen.join(", ").toStdString();
    QFile::remove(settings);
    if (existed) {
        QFile restore(settings);
        if (restore.open(QIODevice::WriteOnly)) restore.write(before);
    }
}

} // namespace
