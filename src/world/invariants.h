#pragma once
// Rules the whole game state keeps between any two steps of play, whatever the player has done: checked
// by tests and by the soak player after every command and tick, so a state that no single test builds
// is caught where it first goes wrong.

#include <optional>
#include <string>
#include <vector>

namespace wm {

struct GameState;

/// The invariants by name; each broken one is reported under one of these.
namespace invariant {
inline constexpr const char* capacity = "capacity";        // every count within its table
inline constexpr const char* reference = "reference";      // every index field in its table, or 0
inline constexpr const char* timer = "timer";              // every countdown at or above its floor
inline constexpr const char* enginePlace = "engine-place"; // engines and the places that hold them agree
inline constexpr const char* rakeLinks = "rake-links";     // rake and departure lists doubly linked, no cycle
inline constexpr const char* rakeLocation = "rake-location"; // a standing rake's portions name its place
inline constexpr const char* occupant = "occupant"; // state and occupant agree; a train or rake in one place
inline constexpr const char* berthMerged = "berth-merged"; // a place at rest has merged its incoming berth
inline constexpr const char* score = "score";              // the score is the sum of the scored changes
} // namespace invariant

struct BrokenInvariant {
    std::string name;   // one of the invariant names
    std::string detail; // which record, and what it holds
};

struct InvariantInputs {
    /// The sum of every change made through the score operations since the game began, when the caller
    /// has kept it; the score must equal it.
    std::optional<int> scoreFromEvents;
};

/// Every broken invariant of the state, in a fixed order; empty when all hold. Reports at most a few of
/// each kind, so a badly damaged state still gives a short list.
std::vector<BrokenInvariant> findBrokenInvariants(const GameState& state, const InvariantInputs& inputs = {});

} // namespace wm
