// The Qt tests need one QApplication for the whole run.

#include <QApplication>
#include <gtest/gtest.h>

#include "world/data_file.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // For tests that build tables without starting the program.
    wm::setProgramDataFolder(WENDMOOR_BUILD_DIR "/data");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
