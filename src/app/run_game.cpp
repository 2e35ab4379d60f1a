#include "app/run_game.h"

#include <QApplication>
#include <QTimer>

#include "host/qt/qt_host.h"
#include "session/main_window.h"

namespace wm {

int runDesktopGame(QtHost& host, TForm1& window) {
    host.setEventHandler(&window);
    if (!window.FormCreate()) {
        host.setEventHandler(nullptr);
        return 1;
    }
    host.show();
    // Some platforms never send an activation to a window nobody clicked: start up anyway.
    QTimer::singleShot(200, &host, [&host] { host.ensureActivated(); });
    const int status = host.terminated() ? 1 : QApplication::exec();
    window.FormDestroy();
    host.setEventHandler(nullptr);
    return status;
}

} // namespace wm
