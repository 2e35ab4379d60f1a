#pragma once
// The real desktop window with the game's own window logic, started offscreen as the program starts it.

#include <QApplication>
#include <QDir>
#include <QString>
#include <memory>

#include "host/qt/qt_host.h"
#include "session/game.h"
#include "session/main_window.h"

namespace wm::testing {

struct RealWindow {
    QtHost host;
    std::unique_ptr<Game> game = std::make_unique<Game>(host);
    TForm1 window{*game};

    /// False when the font or the help file is missing beside the executable.
    bool start() {
        host.setEventHandler(&window);
        if (!window.FormCreate()) return false;
        host.show();
        host.ensureActivated();
        QApplication::processEvents();
        return true;
    }
    ~RealWindow() {
        window.FormDestroy();
        host.setEventHandler(nullptr);
    }
};

/// Where the tests leave their pictures: build/screenshots/NAME, the folder made if needed.
inline QString screenshotPath(const QString& name) {
    const QString folder = QString(WENDMOOR_BUILD_DIR) + "/screenshots";
    QDir().mkpath(folder);
    return folder + "/" + name;
}

} // namespace wm::testing
