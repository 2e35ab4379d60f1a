#pragma once
// The one place where the game reacts to what a tick completed: the approach queues move on, engines are
// booked back, a train at a stand settles, coaling starts, a watered engine may let its departure be ready
// and finished work is announced.

#include "world/completion.h"

namespace wm {

struct Game;

/// Everything that follows from one completed move or piece of work.
void reactToCompletion(Game& g, const Completion& done);

/// Counts down every place's busyTicks, completes each that reaches zero and reacts to it.
void advancePlaces(Game& g);

/// Puts lone traffic to work in its siding and runs down the work of the traffic being worked.
void advanceTraffic(Game& g);

/// The minute's work at the six exchange sidings, and the approach queue of a line whose outward traffic
/// has come out there.
void serveExchanges(Game& g);

/// Runs down the engines' watering, coaling and servicing and reacts to what finished.
void advanceEngines(Game& g);

} // namespace wm
