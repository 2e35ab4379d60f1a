#pragma once
// How the messages name a departure: its booked time and destination.

#include <string>

namespace wm {

struct Departure;

/// "HH.MM destination" (at most 17 characters).
std::string trainWords(const Departure& departure);

} // namespace wm
