#pragma once
// The minute's work at the exchange sidings: traffic left there for the line beyond is taken away, traffic
// left there by mistake comes back, and the line's outward traffic is put out for the yard.

#include "world/completion.h"
#include "world/game_services.h"

namespace wm {

class Console;
struct GameState;

/// Serves the six exchange sidings in their fixed order. Placing a line's outward trip is reported
/// (Completed::outwardTrafficPlaced with the place and the arrival) so that the line's freight queue can
/// move on; the queue itself is not touched here.
void serveExchangeSidings(GameState& state, Console& console, GameServices& services,
                          const CompletionSink& report);

} // namespace wm
