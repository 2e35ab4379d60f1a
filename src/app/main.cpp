// Wendmoor, Summer 1958: the desktop game.

#include <QApplication>
#include <QTimer>
#include <memory>

#include "host/qt/qt_host.h"
#include "session/game.h"
#include "session/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("wendmoor");
    QApplication::setApplicationDisplayName("Wendmoor, Summer 1958");

    wm::QtHost host;
    auto game = std::make_unique<wm::Game>(host);
    wm::TForm1 window(*game);
    host.setEventHandler(&window);
    if (!window.FormCreate()) return 1;
    host.show();
    // Some platforms never send an activation to a window nobody clicked: start up anyway.
    QTimer::singleShot(200, &host, [&host] { host.ensureActivated(); });
    const int status = host.terminated() ? 1 : app.exec();
    window.FormDestroy();
    host.setEventHandler(nullptr);
    return status;
}
