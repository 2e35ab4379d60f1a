// Compiles: the display layer sees the layers below it.
#include "display/screens.h"
#include "world/game_state.h"
