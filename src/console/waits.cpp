#include "console/waits.h"

namespace wm {

void ClearClick(InputState& input) {
    input.clicked = false;
}

void WaitForClickOrKey(Host& host, InputState& input) {
    input.waiting = true;
    // A key without a character (an arrow, a function key) pressed before the wait began would otherwise
    // end it at once, and the screen that waits would vanish as soon as it was drawn.
    input.keyPressed = false;
    do {
        host.processEvents(true);
        host.sleepMs(100);
    } while (!input.clicked && !input.quitWhileOver && !input.keyPressed &&
             !(input.commandPending && input.commandCode == CmdQuit));
    if (input.keyPressed) {
        input.clickColumn = KeyClickColumn;
        input.clickRow = KeyClickRow;
        input.keyPressed = false;
    }
    input.waiting = false;
}

} // namespace wm
