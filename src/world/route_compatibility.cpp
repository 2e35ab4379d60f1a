#include "world/route_compatibility.h"

namespace wm {

namespace {

bool within(int value, int first, int last) {
    return value >= first && value <= last;
}

bool amongJunctionLines(int code) {
    return code == 2 || code == 3 || code == 7 || code == 8;
}

} // namespace

bool routesCompatible(int a, int b) {
    if (a == b) return true;
    if (within(a, 14, 17) && (b == 4 || within(b, 14, 19))) return true;
    if (a == 11 && within(b, 10, 13)) return true;
    if (amongJunctionLines(a) && amongJunctionLines(b)) return true;
    if (within(a, 21, 22) && within(b, 21, 22)) return true;
    return a == 9 && (b == 5 || b == 6 || b == 9 || b == 24 || b == 25);
}

} // namespace wm
