#pragma once

namespace wm {

// Where a line's arriving trains are held, and the signal that admits them.
struct LineEntry {
    int entryPlace;  // location id
    int signalIndex; // into the movement code's signal table
};

// Starting entry place and signal of a line (route code 1..25); lines without an approach get (1, 1).
LineEntry lineEntry(int line);

// Speed class of a train type: 1 for types 0..7, 2 for 8 and 9, 3 for 10..12.
int speedClass(int trainType);

// Minutes a train of the speed class takes from the line's edge to the layout, before any adjustment.
int lineRunningTime(int line, int speedClass);

// Minimum minutes between two arrivals of the speed class on the line.
int lineHeadway(int line, int speedClass);

// Running time of an arrival of the train type on the line, received in the group: a train for the up or
// down yard takes longer on some lines and less on others.
int arrivalRunningTime(int line, int group, int trainType);

// Minutes a departure of the train type takes from the layout to the line's edge; no group adjusts it.
inline int departureRunningTime(int line, int trainType) {
    return lineRunningTime(line, speedClass(trainType));
}

// The nine signalled main lines, where a train's direction sets its engine's facing and lateness counts.
constexpr bool isMainLine(int line) {
    return line == 1 || line == 2 || line == 3 || line == 7 || line == 8 || (line >= 20 && line <= 23);
}
// The local lines between the yards, the sidings and the shed.
constexpr bool isLocalLine(int line) {
    return line == 9 || line == 11 || (line >= 14 && line <= 17);
}

// The movement code's names for the same tables. The speed band is the speed class.
inline int speedBand(int trainType) {
    return speedClass(trainType);
}
// Minutes from the outer approach point to the edge of the layout for a train received in the group.
inline int approachTime(int group, int line, int trainType) {
    return arrivalRunningTime(line, group, trainType);
}
// Minutes from the layout's edge to its first place (or from the last place out), before the +1 of edgeTime.
inline int edgeMinutes(int line, int band) {
    return lineHeadway(line, band) - 1;
}
inline int edgeTime(int line, int trainType) {
    return lineHeadway(line, speedBand(trainType));
}

} // namespace wm
