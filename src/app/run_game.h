#pragma once
// The life of the desktop program from the window's creation to its end, shared by main() and the tests
// that check the program really ends.

namespace wm {

class QtHost;
class TForm1;

/// Creates the window, runs the event loop until the game ends the program, then removes the font.
/// Returns the exit status.
int runDesktopGame(QtHost& host, TForm1& window);

} // namespace wm
