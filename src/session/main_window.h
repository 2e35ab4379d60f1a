#pragma once
// The main window's behaviour: start-up checks, the start screen, menus and their enabling, the close
// rules and the handlers that turn window events into flags for the game's loops. The platform's window
// only forwards its events here.

#include <string>
#include <string_view>

#include "host/host.h"
#include "session/game.h"

namespace wm {

class TForm1 : public WindowEvents {
  public:
    explicit TForm1(Game& game);

    /// Start-up file checks and font registration; false when the program must end.
    bool FormCreate();
    void FormDestroy();

    // WindowEvents
    void FormActivate() override;
    void FormDeactivate() override;
    void FormPaint() override;
    bool FormCloseQuery() override;
    void FormHide() override;
    void FormClick() override;
    void FormKeyPress(char upperCased) override;
    void FormKeyDown(int key, bool shiftState) override;
    void FormMouseDown(bool rightButton, int x, int y, int screenX, int screenY) override;
    void Timer1Timer() override;
    void ComponentClick(std::string_view component) override;
    void InfoMouseDown(int x, int y) override;
    void InfoClose() override;

    void FormClose() override;
    void NewClick();
    void ResumeClick();
    void RestartClick();
    void Save1Click();
    void SaveAs1Click();
    void Pause1Click();
    void OptionsClick();
    void About1Click();
    void Button1Click();
    void Button2Click();
    void HelpClick(int context);

    /// The first activation's set-up: console size and font, start screen, tables that do not depend on
    /// the day.
    void StartUpSetup();

    static FileDialogOptions savedGameOpenDialog(const std::string& folder);
    static FileDialogOptions savedGameSaveDialog(const std::string& folder);
    static FileDialogOptions timetableSaveDialog(const std::string& folder);
    /// The folder part of a chosen file's path, with its trailing '/'.
    static std::string folderOf(const std::string& path);

  private:
    void startGame();

    Game& game_;
};

} // namespace wm
