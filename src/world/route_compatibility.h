#pragma once

namespace wm {

// Whether stock or traffic for route group a may stand in a place of group b: the same group; the shed,
// station and yards (14..17) take the shed, station, yard, wagon-shop and exchange groups (14..19) and 4;
// 11 takes 10..13; the four lines 2, 3, 7, 8 take one another, as do 21 and 22; 9 takes 5, 6, 9, 24, 25.
// Not symmetric.
bool routesCompatible(int a, int b);

} // namespace wm
