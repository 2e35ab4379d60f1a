#include "console/time_format.h"

namespace wm {

std::string TwoDigits(int value) {
    std::string s(2, '0');
    s[0] = static_cast<char>('0' + (value / 10) % 10);
    s[1] = static_cast<char>('0' + value % 10);
    return s;
}

std::string FormatTime(int minutes) {
    // Floor division, so that times before midnight read as the evening before (-30 is 11p30), however
    // far back they go.
    int hours = minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60);
    const int mins = minutes - hours * 60;
    char mark = 'p';
    if (hours >= 24) {
        hours -= 24;
        mark = '*';
    } else if (hours < 0) {
        hours = (hours % 24 + 24) % 24;
        if (hours < 12) mark = '.';
    } else if (hours < 12) {
        mark = '.';
    }
    if (hours > 12) hours -= 12;
    std::string h = TwoDigits(hours);
    if (h[0] == '0') h[0] = ' ';
    return h + mark + TwoDigits(mins);
}

std::string FormatClock(int minutes) {
    const int floorHours = minutes >= 0 ? minutes / 60 : -((-minutes + 59) / 60);
    const int mins = minutes - floorHours * 60;
    int hours = (floorHours % 24 + 24) % 24;
    const char separator = hours <= 11 ? '.' : 'p';
    if (hours > 12) hours -= 12;
    return TwoDigits(hours) + separator + TwoDigits(mins);
}

} // namespace wm
