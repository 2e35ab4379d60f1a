// The options survive between runs in "TAVO.INI"; whatever is wrong with that file, the game starts with
// defaults for what it cannot read.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "console/settings.h"
#include "host/qt/qt_host.h"

namespace {

constexpr int CurrentFont = 12;

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

wm::ConsoleOptions readFrom(const QString& folder) {
    wm::QtHost host;
    host.setSettingsFolder(folder.toStdString());
    return wm::ReadSettings(host, CurrentFont);
}

void expectDefaults(const wm::ConsoleOptions& o) {
    EXPECT_EQ(o.speed, 5);
    EXPECT_EQ(o.fontSize, CurrentFont);
    EXPECT_FALSE(o.scoreLogging);
    EXPECT_TRUE(o.sound);
    EXPECT_FALSE(o.waitOnError);
    EXPECT_TRUE(o.clockRunning);
    EXPECT_FALSE(o.autoSave);
    EXPECT_FALSE(o.hideLocoData);
}

TEST(SettingsFile, EveryKeyRoundTripsThroughTheFile) {
    QTemporaryDir folder;
    wm::ConsoleOptions written;
    written.speed = 2;
    written.fontSize = 19;
    written.scoreLogging = true;
    written.sound = false;
    written.waitOnError = true;
    written.clockRunning = false;
    written.autoSave = true;
    written.hideLocoData = true;
    {
        wm::QtHost host;
        host.setSettingsFolder(folder.path().toStdString());
        ASSERT_TRUE(wm::WriteSettings(host, written));
    }
    QFile file(QDir(folder.path()).filePath("TAVO.INI"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("[WM58]")) << text.constData();
    for (const char* key :
         {"Speed=2", "Font=19", "Log=1", "Sound=0", "Wait=1", "Clock=0", "AutoSave=1", "HideLoco=1"})
        EXPECT_TRUE(text.contains(key)) << key;

    const wm::ConsoleOptions read = readFrom(folder.path());
    EXPECT_EQ(read.speed, 2);
    EXPECT_EQ(read.fontSize, 19);
    EXPECT_TRUE(read.scoreLogging);
    EXPECT_FALSE(read.sound);
    EXPECT_TRUE(read.waitOnError);
    EXPECT_FALSE(read.clockRunning);
    EXPECT_TRUE(read.autoSave);
    EXPECT_TRUE(read.hideLocoData);
}

TEST(SettingsFile, AMissingFileGivesTheDefaults) {
    QTemporaryDir folder;
    expectDefaults(readFrom(folder.path()));
}

TEST(SettingsFile, GarbageGivesTheDefaults) {
    QTemporaryDir folder;
    const QString ini = QDir(folder.path()).filePath("TAVO.INI");
    writeFile(ini, QByteArray("\x01\x7f\xfe binary junk\n=\n[", 19));
    expectDefaults(readFrom(folder.path()));

    writeFile(ini, "[WM58]\nSpeed=fast\nFont=12pt\nLog=perhaps\nSound=\nWait=2\nClock=-1\nAutoSave=yes\n"
                   "HideLoco=1 0\n");
    expectDefaults(readFrom(folder.path()));
}

TEST(SettingsFile, AMissingKeyGivesItsDefaultAndTheOthersTheirValues) {
    QTemporaryDir folder;
    writeFile(QDir(folder.path()).filePath("TAVO.INI"), "[WM58]\nSpeed=7\nSound=0\n[Other]\nFont=20\n");
    const wm::ConsoleOptions o = readFrom(folder.path());
    EXPECT_EQ(o.speed, 7);
    EXPECT_FALSE(o.sound);
    EXPECT_EQ(o.fontSize, CurrentFont); // the key of another section does not count
    EXPECT_TRUE(o.clockRunning);
}

TEST(SettingsFile, AFolderThatCannotBeWrittenSendsTheFileToTheUsersConfigurationFolder) {
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    {
        wm::QtHost host;
        host.setSettingsFolder((config.path() + "/no/such/folder").toStdString());
        wm::ConsoleOptions o;
        o.speed = 3;
        ASSERT_TRUE(wm::WriteSettings(host, o));
    }
    if (saved.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    const QString expected = QDir(config.path()).filePath(QCoreApplication::applicationName() + "/TAVO.INI");
    EXPECT_TRUE(QFile::exists(expected)) << expected.toStdString();
    EXPECT_FALSE(QDir(config.path() + "/no").exists());
}

TEST(WhereFilesGo, AFolderThatCannotBeWrittenGivesWayToTheUsersDataFolder) {
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    std::string chosen;
    std::string kept;
    {
        wm::QtHost host;
        chosen = host.writableFolder((data.path() + "/no/such/folder/").toStdString());
        kept = host.writableFolder((data.path() + "/").toStdString());
    }
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
    const QString user = QDir(data.path()).filePath(QCoreApplication::applicationName()) + "/";
    EXPECT_EQ(chosen, user.toStdString());
    EXPECT_TRUE(QDir(user).exists());
    EXPECT_EQ(kept, (data.path() + "/").toStdString());
}

TEST(WhereFilesGo, TheProgramsFilesStandBesideItInTheBuildFolder) {
    wm::QtHost host;
    EXPECT_EQ(host.programFilesFolder(), host.executableFolder());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(host.programFilesFolder()) + "data/engines.txt"));
}

} // namespace
