#pragma once
// What the move rules know about the move they judge, and the ways they refuse it. Shared by the pieces
// of the rules; the command side sees only validateMove.

#include <initializer_list>
#include <string>
#include <string_view>

#include "movement/move_world.h"
#include "world/capacities.h"
#include "world/one_of.h"

namespace wm {

struct GameState;
struct Location;

/// What the engine takes with it, as the rules class it.
enum class Moving {
    light,     // the engine moves alone, or a light-engine arrival that becomes just an engine
    arrival,   // a timetabled train still carrying its arrival identity
    departure, // a departure, or a rake taken as the departure it forms
    rake,      // stock
    traffic,   // traffic being worked
};

struct RuleSubject {
    Moving kind = Moving::light;
    int occupant = 0;          // the arrival, departure, first portion or traffic block
    int trainType = -1;        // of the arrival or departure; -1 for stock, traffic and engines
    int enginePlace = 0;       // the moving engine's place at the from-location, 1..4
    bool sharedPlace = false;  // a second train or rake shares the from-location
    PortionIndex rakeHead = 0; // a rake taken as its departure: the rake as it stands
    bool lostIdentity = false; // a light-engine arrival moved into its own group
};

/// One judgement of one move.
struct MoveRules {
    MoveWorld& world;
    LocationId from;
    LocationId to;
    RuleSubject what;

    GameState& state() const { return world.state; }
    MoveContext& move() const { return world.move; }
    const Location& fromPlace() const;
    const Location& toPlace() const;
    bool up() const { return world.move.moveUp; }
    /// The engine is at the rear for the direction of the move: it would push.
    bool engineAtRear() const;
    /// The end away from the engine has its coupling set or changing: an engine is attached there too.
    bool otherEndAttached() const;

    // Each refusal returns false so that a rule can end with `return refuse(...)`.
    bool refuse(std::string_view message) const; // the message with the error cue
    bool penalty(std::string_view reason) const; // one point lost for the reason
    bool notPossible() const;                    // "That isn't possible"
    bool notClear() const;                       // one point lost: the route is not clear
    bool ask(const std::string& question) const; // Yes goes on
};

/// An engine stands in the engine place (1..4).
bool placeTaken(const Location& place, int enginePlace);

// The pieces of the rules, each true when the move passes them.
bool classifyMove(MoveRules& rules);         // what moves, and the three special cases
bool arrivalRulesPass(MoveRules& rules);     // an arrival moved with its train
bool departureRulesPass(MoveRules& rules);   // a departure moved with its train
bool stockRulesPass(MoveRules& rules);       // a rake, or traffic being worked
bool engineRulesPass(MoveRules& rules);      // a light engine passing what stands there; propelling
bool destinationRulesPass(MoveRules& rules); // the to-location: room, coupling, platform 6

} // namespace wm
