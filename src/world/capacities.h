#pragma once

#include <limits>

namespace wm {

// Table sizes. Every table is indexed from 1 and index 0 means none, so each array holds capacity + 1
// records. No builder checks these at run time: the largest day fits.
inline constexpr int locationCapacity = 401;
inline constexpr int locoCapacity = 350;
inline constexpr int departureCapacity = 600;
inline constexpr int arrivalCapacity = 600;
inline constexpr int trafficCapacity = 200;
inline constexpr int portionCapacity = 2000;
inline constexpr int lightEngineMoveCapacity = 20;
inline constexpr int lineCapacity = 25; // one per route code
inline constexpr int watchListCapacity = 20;
inline constexpr int sectionCount = 520; // route sections, each a timer

// Places of the layout are ids 1..200; id + 200 is the second berth of the same place.
inline constexpr int placeCount = 200;
inline constexpr int secondBerthOffset = 200;

// Engine index in an engine field that stands for "no real engine".
inline constexpr int noEngine = 999;

// An engine field that names an engine: neither empty (0) nor noEngine.
constexpr bool isRealEngine(int engine) {
    return engine > 0 && engine != noEngine;
}

// Departure time of a pseudo-departure: one that exists only as a destination for portions and traffic.
inline constexpr int notRunningTime = 2880;

// Encodings of Loco::where beyond the place ids; saved games store them. The two arrival ranges are 500
// apart, so no day may have more arrivals than that (the busiest has 371).
inline constexpr int whereOnArrival = 2000;             // + n: train engine of arrival n
inline constexpr int whereSecondEngineOnArrival = 2500; // + n: second engine of arrival n
inline constexpr int maxArrivalsInADay = 500;
inline constexpr int whereLeftWithDeparture = 5000; // + n: has left the layout with departure n

// Index types of the tables; named so that a field says what it refers to.
using LocationId = int;
using LocoIndex = int;
using DepartureIndex = int;
using ArrivalIndex = int;
using TrafficIndex = int;
using PortionIndex = int;

template <typename Index>
constexpr bool fits(long long largest) {
    return largest <= static_cast<long long>(std::numeric_limits<Index>::max());
}

static_assert(fits<LocationId>(locationCapacity));
static_assert(fits<LocoIndex>(locoCapacity) && fits<LocoIndex>(noEngine));
static_assert(fits<DepartureIndex>(departureCapacity));
static_assert(fits<ArrivalIndex>(arrivalCapacity));
static_assert(fits<TrafficIndex>(trafficCapacity));
static_assert(fits<PortionIndex>(portionCapacity));
static_assert(fits<int>(whereLeftWithDeparture + departureCapacity), "every where value fits");
static_assert(whereOnArrival + maxArrivalsInADay <= whereSecondEngineOnArrival,
              "arrival ranges of where overlap");
static_assert(whereSecondEngineOnArrival + arrivalCapacity <= whereLeftWithDeparture, "where ranges overlap");
static_assert(placeCount + secondBerthOffset < locationCapacity, "every place has a second berth");
static_assert(noEngine > locoCapacity, "the no-engine value is no engine index");

} // namespace wm
