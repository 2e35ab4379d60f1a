#pragma once
// The life of one run: where the window is in its start-up, game and close, and how the clock is paced.

#include <array>
#include <string>

namespace wm {

struct SessionFlags {
    bool gameRunning = false;    // a game is in progress and takes input
    bool gameOver = false;       // the session has ended
    bool modalOpen = true;       // a game dialog is up; window events are ignored (true until first shown)
    bool windowActive = false;   // no command cycle starts while the window is inactive
    bool firstActivation = true; // the first activation runs the start-up set-up
    bool atStartScreen = false;  // from start-up until a game starts
    bool drawingEnabled = false;
    bool fullRedraw = false;     // the next paint clears and redraws everything
    bool quitConfirmed = false;  // the player confirmed an early quit
    bool fontChangeLock = false; // a font change is being applied
};

struct ClockState {
    int tickPhase = 3;  // ticks left in this minute: 3, 2, 1
    int speedIndex = 5; // 1 fastest .. 8 slowest
    bool speededUp = false;
    int quietTicks = 15; // ticks left before the clock races
    bool singleStepRequested = false;
    bool cycleDone = false;
    bool endRequested = false;
    bool skipTick = false;
};

/// What the window shows and what help is at hand.
struct DisplayState {
    int currentScreen = 3; // Yards screen
    int displayMode = 0;   // 0 layout screen, 1 arrivals board, 2 departures board, 3 report
    int lastDrawnScreen = 2;
    int helpContext = 0;
    std::array<int, 5>
        alertLevel{}; // per layout screen 0..4, raised by the attention scan; colours its button
};

/// What the attention scan asks of the main loop: cues to sound, and the place it last rated with an alert.
struct AlertState {
    bool ready = false; // something may be dealt with now (cue 2)
    bool soon = false;  // action is needed soon (cue 13)
    bool late = false;  // action is overdue (cue 15)
    int lastLocation = 0;
};

/// Names and places of the run.
struct SessionText {
    std::string simulationName = "Wendmoor Summer 1958";
    std::string programPrefix = "WM58";
    std::string savedGameName; // at most 255 characters
    std::string workingFolder; // at most 63 characters
    std::string wttFileName;   // the timetable file last written; at most 255 characters
    std::string executableFolder;
    std::string executableDate; // at most 12 characters
};

} // namespace wm
