#include "console/input_state.h"

namespace wm {

int commandForKey(char upperCased) {
    switch (upperCased) {
    case ' ':
        return CmdKeyboardMove;
    case '+':
        return CmdFaster;
    case '-':
        return CmdSlower;
    case 'A':
        return CmdArrivalsBoard;
    case 'D':
        return CmdDeparturesBoard;
    case 'M':
        return CmdRecentMessages;
    case 'Q':
        return CmdQuit;
    case 'R':
        return CmdReport;
    case 'X':
        return CmdNoEffect;
    case 'Z':
        return CmdDetails;
    default:
        return CmdNone;
    }
}

} // namespace wm
