#include "display/text_tables.h"

#include <array>

namespace wm {

namespace {

constexpr std::array<char, 13> typeLetters{
    'A', // 0 express passenger
    'T', // 1 troop train
    'X', // 2 excursion
    'R', // 3 relief passenger
    'B', // 4 passenger
    'P', // 5 parcels
    'M', // 6 milk
    'E', // 7 empty stock
    'L', // 8 light engine
    'F', // 9 fast freight
    'K', // 10 stopping freight
    'W', // 11 work train
    'S', // 12 slow freight
};

constexpr std::array<std::string_view, 14> trafficShorts{
    "Emty", // 0 empty stock
    "Pcls", // 1 parcels
    "Milk", // 2 milk
    "Genl", // 3 general
    "Vans", // 4 vans
    "Coal", // 5 coal
    "Loco", // 6 loco coal
    "Catl", // 7 cattle
    "Timb", // 8 timber
    "Engr", // 9 engineers
    "Repr", // 10 wagons for repair
    "Ball", // 11 ballast
    "Oil ", // 12 oil
    "Salt", // 13 salt
};

} // namespace

char typeLetter(int trainType) {
    if (trainType < 0 || trainType >= static_cast<int>(typeLetters.size())) return '?';
    return typeLetters[static_cast<std::size_t>(trainType)];
}

std::string_view trafficShort(int trafficType) {
    if (trafficType < 0 || trafficType >= static_cast<int>(trafficShorts.size())) return "    ";
    return trafficShorts[static_cast<std::size_t>(trafficType)];
}

} // namespace wm
