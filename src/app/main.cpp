// Wendmoor, Summer 1958: the desktop game.

#include <QApplication>
#include <memory>

#include "app/run_game.h"
#include "host/qt/qt_host.h"
#include "session/game.h"
#include "session/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("wendmoor");

    wm::QtHost host;
    auto game = std::make_unique<wm::Game>(host);
    wm::TForm1 window(*game);
    return wm::runDesktopGame(host, window);
}
