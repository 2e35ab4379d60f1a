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

} // namespace wm
