#include "world/line_tables.h"

#include "world/capacities.h"

#include <array>

namespace wm {

namespace {

// One row per line. A train received in the up or down yard has its speed class added to the running time
// (yardAdjust +1), taken off it (-1), or neither (0).
struct LineRow {
    int entryPlace;
    int signalIndex;
    std::array<int, 3> runningTime;  // minutes, speed classes 1..3
    std::array<int, 3> headwayValue; // headway minus 1, speed classes 1..3
    int yardAdjust;
};

constexpr LineRow otherLine{1, 1, {1, 1, 1}, {1, 1, 1}, 0};

constexpr std::array<LineRow, lineCapacity + 1> lineRows{{
    otherLine,                              // 0: unused
    {55, 169, {7, 10, 13}, {4, 6, 8}, 1},   // 1 WN
    {51, 139, {4, 7, 10}, {1, 2, 3}, 1},    // 2 CF
    {51, 139, {4, 7, 10}, {1, 2, 3}, 1},    // 3 SF
    otherLine,                              // 4 BA
    otherLine,                              // 5 MU
    otherLine,                              // 6 IC
    {53, 141, {4, 7, 10}, {1, 2, 3}, 1},    // 7 CS
    {53, 141, {4, 7, 10}, {1, 2, 3}, 1},    // 8 SS
    otherLine,                              // 9 SC
    otherLine,                              // 10 GW
    otherLine,                              // 11 DR
    otherLine,                              // 12 VE
    otherLine,                              // 13 LI
    otherLine,                              // 14 SH
    otherLine,                              // 15 ST
    otherLine,                              // 16 UY
    otherLine,                              // 17 DY
    otherLine,                              // 18 WS
    otherLine,                              // 19 EE
    {179, 457, {5, 7, 10}, {2, 2, 3}, -1},  // 20 BB
    {189, 501, {7, 10, 14}, {2, 2, 3}, -1}, // 21 RF
    {191, 502, {7, 10, 14}, {2, 2, 3}, -1}, // 22 RS
    {191, 502, {7, 10, 14}, {2, 2, 3}, 0},  // 23 BU
    otherLine,                              // 24 MA
    otherLine,                              // 25 SA
}};

constexpr int upYardGroup = 16;
constexpr int downYardGroup = 17;

const LineRow& rowOf(int line) {
    return line >= 1 && line <= lineCapacity ? lineRows[line] : otherLine;
}

int classSlot(int speedClass) {
    return speedClass < 1 ? 0 : speedClass > 3 ? 2 : speedClass - 1;
}

} // namespace

LineEntry lineEntry(int line) {
    const LineRow& row = rowOf(line);
    return {row.entryPlace, row.signalIndex};
}

int speedClass(int trainType) {
    if (trainType == 8 || trainType == 9) return 2;
    if (trainType >= 10 && trainType <= 12) return 3;
    return 1;
}

int lineRunningTime(int line, int speedClass) {
    return rowOf(line).runningTime[classSlot(speedClass)];
}

int lineHeadway(int line, int speedClass) {
    return rowOf(line).headwayValue[classSlot(speedClass)] + 1;
}

int arrivalRunningTime(int line, int group, int trainType) {
    const int band = speedClass(trainType);
    const int minutes = lineRunningTime(line, band);
    if (group != upYardGroup && group != downYardGroup) return minutes;
    return minutes + rowOf(line).yardAdjust * band;
}

} // namespace wm
