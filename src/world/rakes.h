#pragma once

#include "world/capacities.h"

namespace wm {

struct GameState;

// A rake is a chain of portions linked by next/prev, in the order they stand; a departure's list is a
// chain linked by depNext/depPrev starting at its firstPortion. Both end in 0.

// Number of portions from this one to the tail of its rake; 0 for portion 0.
int rakeLength(const GameState& state, PortionIndex portion);

// The last portion reached from this one by following next; 0 for portion 0.
PortionIndex rakeTail(const GameState& state, PortionIndex portion);

// Every portion from this one on, except the tail, is coupled to the next.
bool rakeFullyCoupled(const GameState& state, PortionIndex portion);

// Every portion of the departure's list stands ready or better (portionState above 2).
bool allReady(const GameState& state, DepartureIndex departure);

// Number of portions in the departure's list, counted by walking it (pseudo-departures included).
int departureListLength(const GameState& state, DepartureIndex departure);

// Writes the location into every portion of the rake from this one on; a rake moves as a whole.
void setRakeLocation(GameState& state, PortionIndex portion, LocationId location);

// Appends a loose portion (one in no rake) at the tail of the rake that starts at rakeHead and returns the
// rake's first portion (the portion itself when rakeHead is 0). The former tail is coupled to it or not as
// coupleToPrevious says; the new tail is not coupled onwards.
PortionIndex appendPortion(GameState& state, PortionIndex rakeHead, PortionIndex portion,
                           bool coupleToPrevious);

// Appends a loose portion to the rake the arrival brings and records the arrival in the portion.
void appendToRake(GameState& state, ArrivalIndex arrival, PortionIndex portion, bool coupleToPrevious);

// Takes the portion out of its departure's list, if it is in one, and clears its departure.
void detachFromDeparture(GameState& state, PortionIndex portion);

// Makes the portion part of the departure, at the tail of its list, leaving any list it was in before.
// A pseudo-departure takes it without counting it; a departure that thereby gets its second counted
// portion has portions to gather (state 0), unless it has already gone or been cancelled.
void attachToDeparture(GameState& state, DepartureIndex departure, PortionIndex portion);

// Through pairing: an arrival whose rake is a single portion runs on as that portion's departure when the
// departure has exactly that one portion. Each gives the partner, or 0 when there is none.
DepartureIndex throughDeparture(const GameState& state, ArrivalIndex arrival);
ArrivalIndex throughArrival(const GameState& state, DepartureIndex departure);

// The departure an arrival's train goes forward as: its through partner, else the departure of its first
// portion; 0 when it forms none.
DepartureIndex departureFormedBy(const GameState& state, ArrivalIndex arrival);

} // namespace wm
