#pragma once
// What the window's key and mouse handlers leave for the game's loops to read. The handlers only set
// these; the loops act on them.

#include <string>

namespace wm {

/// Command codes a key or menu action leaves pending.
enum CommandCode : int {
    CmdNone = 0,            // wake up only
    CmdDeparturesBoard = 1, // "D"
    CmdArrivalsBoard = 2,   // "A"
    CmdReport = 3,          // "R"
    CmdRecentMessages = 4,  // "M"
    CmdDetails = 5,         // "Z": help on the current screen
    CmdQuit = 6,            // "Q", the Quit item, closing the window
    CmdKeyboardMove = 7,    // Space: a move with typed locations
    CmdSlower = 8,          // "-"
    CmdFaster = 9,          // "+", or one step in single-step mode
    CmdNoEffect = 10,       // "X"
    CmdShowScreen0 = 11,    // 11..15 show screen 0..4
};

struct InputState {
    bool clicked = false;
    int clickColumn = 0;
    int clickRow = 0;
    bool rightButton = false;
    int clickScreenX = 0;
    int clickScreenY = 0;
    bool keyPressed = false;
    bool commandPending = false;
    int commandCode = CmdNone;
    bool keyboardMove = false;
    int pagingKey = 0;
    bool waiting = false;
    bool quitWhileOver = false;
    char lastKey = 0;
    bool timerFired = false;
    /// A pending 'to' from the right-click menu (621..626), 0 when none.
    int pendingTo = 0;

    void clearAll() { *this = InputState{}; }
};

/// The command a typed key stands for, outside waits.
int commandForKey(char upperCased);

} // namespace wm
