// Must not compile: the display layer cannot see the session layer above it.
#include "session/game.h"
