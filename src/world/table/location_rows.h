#pragma once
// The places of the layout, ids 1..194, in id order. Ids 195..401 are fillers made by the builder.
// Codes are exactly three characters; "aaa" is a place the player cannot name.

#include "world/records.h"

#include <array>
#include <string_view>

namespace wm::table {

struct LocationRow {
    int id;
    std::string_view code;
    LocationKind kind;
    int length; // size figure of the layout; no rule reads it
};

inline constexpr int lastLayoutPlace = 194;

inline constexpr std::array<LocationRow, lastLayoutPlace> locationRows{{
    {1, "MUH", kindServicePoint, 0},      {2, "MUL", kindSiding, 10},
    {3, "MUD", kindSiding, 10},           {4, "MUA", kindSiding, 10},
    {5, "aaa", kindRunningSection, 14},   {6, "MUX", kindSiding, 10},
    {7, "aaa", kindRunningSection, 14},   {8, "SCN", kindSiding, 10},
    {9, "SSD", kindSiding, 10},           {10, "SSA", kindSiding, 10},
    {11, "ICD", kindSiding, 10},          {12, "ICA", kindSiding, 10},
    {13, "MAD", kindSiding, 10},          {14, "MAA", kindSiding, 10},
    {15, "aaa", kindSiding, 12},          {16, "SCS", kindSiding, 10},
    {17, "SC3", kindSiding, 10},          {18, "SC2", kindSiding, 10},
    {19, "SC1", kindSiding, 10},          {20, "SCE", kindThroughRoad, 10},
    {21, "SCL", kindThroughRoad, 10},     {22, "SCU", kindThroughRoad, 10},
    {23, "SCD", kindThroughRoad, 10},     {24, "aaa", kindPlatform, 14},
    {25, "SCM", kindRunningSection, 10},  {26, "DRJ", kindRunningSection, 10},
    {27, "aaa", kindPlatform, 14},        {28, "LTT", kindTurntable, 0},
    {29, "aaa", kindSiding, 4},           {30, "LC3", kindSiding, 10},
    {31, "LC2", kindSiding, 10},          {32, "LC1", kindSiding, 10},
    {33, "LLC", kindSiding, 10},          {34, "LAP", kindServicePoint, 0},
    {35, "LS5", kindServicePoint, 0},     {36, "aaa", kindSiding, 10},
    {37, "LCO", kindServicePoint, 0},     {38, "aaa", kindSiding, 4},
    {39, "aaa", kindSiding, 4},           {40, "LS4", kindShedRoad, 0},
    {41, "LL6", kindShedRoad, 0},         {42, "LL5", kindShedRoad, 0},
    {43, "LL4", kindShedRoad, 0},         {44, "LL3", kindShedRoad, 0},
    {45, "LL2", kindShedRoad, 0},         {46, "LL1", kindShedRoad, 0},
    {47, "LS3", kindSiding, 10},          {48, "LS2", kindSiding, 10},
    {49, "LS1", kindSiding, 10},          {50, "aaa", kindSiding, 8},
    {51, "CUF", kindEntryPoint, 14},      {52, "CDF", kindExitPoint, 14},
    {53, "CUS", kindEntryPoint, 14},      {54, "CDS", kindExitPoint, 14},
    {55, "WN ", kindEntryPoint, 14},      {56, "wn ", kindExitPoint, 14},
    {57, "UF1", kindRunningSection, 14},  {58, "DF1", kindRunningSection, 14},
    {59, "US1", kindRunningSection, 14},  {60, "DS1", kindRunningSection, 14},
    {61, "UW1", kindRunningSection, 14},  {62, "DW1", kindRunningSection, 14},
    {63, "aaa", kindSiding, 8},           {64, "DL2", kindThroughRoad, 10},
    {65, "DL1", kindThroughRoad, 10},     {66, "GNU", kindThroughRoad, 10},
    {67, "UW2", kindRunningSection, 14},  {68, "DW2", kindRunningSection, 14},
    {69, "BSD", kindSiding, 10},          {70, "BSA", kindSiding, 10},
    {71, "WPS", kindSiding, 10},          {72, "WC1", kindSiding, 10},
    {73, "WC2", kindSiding, 10},          {74, "aaa", kindSiding, 10},
    {75, "GWN", kindSiding, 10},          {76, "GWL", kindSiding, 10},
    {77, "DR1", kindSiding, 10},          {78, "DR2", kindSiding, 10},
    {79, "GND", kindThroughRoad, 11},     {80, "GNS", kindRunningSection, 10},
    {81, "VTY", kindSiding, 10},          {82, "UF2", kindRunningSection, 14},
    {83, "DF2", kindRunningSection, 14},  {84, "US2", kindRunningSection, 14},
    {85, "DS2", kindRunningSection, 14},  {86, "aaa", kindThroughRoad, 14},
    {87, "GW1", kindSiding, 10},          {88, "GW2", kindSiding, 11},
    {89, "GW3", kindSiding, 11},          {90, "BSH", kindSiding, 4},
    {91, "LLL", kindSiding, 8},           {92, "aaa", kindRunningSection, 14},
    {93, "WAL", kindSiding, 6},           {94, "GNB", kindSiding, 6},
    {95, "PL1", kindPlatform, 14},        {96, "UFM", kindThroughRoad, 14},
    {97, "DFM", kindThroughRoad, 14},     {98, "PL3", kindPlatform, 14},
    {99, "PL4", kindPlatform, 6},         {100, "P6N", kindPlatform, 6},
    {101, "USN", kindThroughRoad, 6},     {102, "DSL", kindThroughRoad, 14},
    {103, "LSR", kindThroughRoad, 14},    {104, "P6S", kindPlatform, 6},
    {105, "USS", kindThroughRoad, 6},     {106, "LSH", kindServicePoint, 0},
    {107, "ULD", kindSiding, 6},          {108, "PL2", kindPlatform, 6},
    {109, "PL5", kindPlatform, 6},        {110, "BAY", kindSiding, 6},
    {111, "aaa", kindSiding, 10},         {112, "UH2", kindSiding, 10},
    {113, "UTT", kindTurntable, 0},       {114, "NUH", kindSiding, 10},
    {115, "aaa", kindSiding, 12},         {116, "aaa", kindSiding, 10},
    {117, "DH1", kindSiding, 10},         {118, "DH2", kindSiding, 10},
    {119, "DH3", kindSiding, 10},         {120, "aaa", kindThroughRoad, 10},
    {121, "UY5", kindSiding, 10},         {122, "UY4", kindSiding, 10},
    {123, "UY3", kindSiding, 10},         {124, "UY2", kindSiding, 14},
    {125, "UY1", kindSiding, 10},         {126, "aaa", kindRunningSection, 10},
    {127, "GSO", kindSiding, 10},         {128, "GSG", kindSiding, 10},
    {129, "GS2", kindSiding, 10},         {130, "GS1", kindSiding, 10},
    {131, "UG6", kindSiding, 10},         {132, "UG5", kindSiding, 10},
    {133, "UG4", kindSiding, 10},         {134, "UG3", kindSiding, 10},
    {135, "UG2", kindSiding, 10},         {136, "UG1", kindSiding, 10},
    {137, "UGL", kindThroughRoad, 10},    {138, "UF3", kindRunningSection, 14},
    {139, "DF3", kindRunningSection, 14}, {140, "US3", kindRunningSection, 14},
    {141, "DS3", kindRunningSection, 14}, {142, "DT1", kindThroughRoad, 14},
    {143, "DT2", kindThroughRoad, 14},    {144, "DG1", kindSiding, 10},
    {145, "DG2", kindSiding, 10},         {146, "DG3", kindSiding, 10},
    {147, "DG4", kindSiding, 10},         {148, "DG5", kindSiding, 10},
    {149, "DG6", kindSiding, 10},         {150, "DG7", kindSiding, 10},
    {151, "DG8", kindSiding, 10},         {152, "aaa", kindExitPoint, 14},
    {153, "UGH", kindSiding, 14},         {154, "UGA", kindRunningSection, 14},
    {155, "UF4", kindRunningSection, 14}, {156, "DF4", kindRunningSection, 14},
    {157, "US4", kindRunningSection, 14}, {158, "DS4", kindRunningSection, 14},
    {159, "aaa", kindSiding, 14},         {160, "WS3", kindSiding, 14},
    {161, "WS2", kindSiding, 14},         {162, "WS1", kindSiding, 14},
    {163, "aaa", kindSiding, 8},          {164, "EEH", kindSiding, 10},
    {165, "UGC", kindSiding, 10},         {166, "US5", kindRunningSection, 14},
    {167, "UF5", kindRunningSection, 14}, {168, "DF5", kindRunningSection, 14},
    {169, "DS5", kindRunningSection, 14}, {170, "UBG", kindRunningSection, 14},
    {171, "UBM", kindRunningSection, 14}, {172, "DBM", kindRunningSection, 14},
    {173, "aaa", kindSiding, 10},         {174, "EES", kindSiding, 10},
    {175, "EEL", kindSiding, 10},         {176, "UGD", kindSiding, 10},
    {177, "aaa", kindSiding, 10},         {178, "aaa", kindSiding, 10},
    {179, "BB ", kindEntryPoint, 14},     {180, "bb ", kindExitPoint, 14},
    {181, "EED", kindSiding, 10},         {182, "EEA", kindSiding, 10},
    {183, "UGE", kindSiding, 10},         {184, "US6", kindRunningSection, 14},
    {185, "UF6", kindRunningSection, 14}, {186, "DF6", kindRunningSection, 14},
    {187, "DS6", kindRunningSection, 14}, {188, "aaa", kindSiding, 11},
    {189, "RDF", kindEntryPoint, 11},     {190, "RUF", kindExitPoint, 4},
    {191, "RDS", kindEntryPoint, 8},      {192, "RUS", kindExitPoint, 14},
    {193, "DGA", kindSiding, 10},         {194, "DGB", kindSiding, 10},
}};

// Engine places: four everywhere except these.
struct LocoSlotsRow {
    int id;
    int locoSlots;
};

inline constexpr std::array<LocoSlotsRow, 8> locoSlotExceptions{{
    {1, 1},   // MUH service point
    {28, 1},  // LTT turntable
    {34, 1},  // LAP service point
    {35, 1},  // LS5 service point
    {37, 1},  // LCO coaling point
    {40, 3},  // LS4 shed road
    {106, 1}, // LSH service point
    {113, 1}, // UTT turntable
}};

// Screen of each id range; ids in no range are on the North Junction screen.
struct ScreenRange {
    int first;
    int last;
    Screen screen;
};

inline constexpr std::array<ScreenRange, 10> screenRanges{{
    {1, 25, commonScreen},
    {27, 49, shedScreen},
    {95, 96, yardsScreen},
    {104, 153, yardsScreen},
    {154, 155, southJunctionScreen},
    {156, 156, yardsScreen},
    {157, 157, southJunctionScreen},
    {158, 158, yardsScreen},
    {160, 192, southJunctionScreen},
    {193, 194, yardsScreen},
}};

inline constexpr Screen defaultScreen = northJunctionScreen;

// Route group of each id range; ids in no range have no group (0).
struct GroupRange {
    int first;
    int last;
    int group; // route code
};

inline constexpr std::array<GroupRange, 18> groupRanges{{
    {2, 4, 5},      // MU
    {9, 10, 23},    // BU
    {11, 12, 6},    // IC
    {13, 14, 24},   // MA
    {16, 23, 9},    // SC
    {28, 49, 14},   // the shed
    {64, 65, 11},   // DR
    {77, 78, 11},   // DR
    {69, 70, 4},    // BA
    {71, 73, 15},   // the station
    {93, 110, 15},  // the station: platforms and the roads beside them
    {81, 81, 12},   // VE
    {87, 89, 10},   // GW
    {91, 91, 13},   // LI
    {121, 137, 16}, // up yard
    {142, 151, 17}, // down yard
    {160, 162, 18}, // wagon shop
    {181, 182, 19}, // EE
}};

} // namespace wm::table
