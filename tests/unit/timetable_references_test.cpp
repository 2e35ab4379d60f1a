// Every code a day's timetable names must exist in that day, because the builders drop a name that
// matches nothing without a word.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "world/timetable_data.h"

namespace wm {
namespace {

bool none(const std::string& code) {
    return code.empty() || code == "-" || code.find_first_not_of(' ') == std::string::npos;
}

TEST(TimetableReferences, EveryPortionTrafficAndReturnCodeNamesAnEntryOfItsDay) {
    for (const char* day : {"weekday", "saturday", "sunday"}) {
        const DayTimetable& t = loadedDayTimetable(day);
        std::set<std::string> departures, arrivals, traffic;
        for (const DepartureRow& d : t.departures) departures.insert(d.code);
        for (const ArrivalRow& a : t.arrivals) arrivals.insert(a.code);
        for (const TrafficRow& r : t.traffic) traffic.insert(r.name);

        const auto portionExists = [&](const std::string& name) {
            // A portion is a departure's coaches (its code starts with a digit) or a block of traffic.
            return std::isdigit(static_cast<unsigned char>(name[0])) ? departures.count(name) > 0
                                                                     : traffic.count(name) > 0;
        };
        for (const ArrivalRow& a : t.arrivals) {
            if (!none(a.firstPortion)) {
                EXPECT_TRUE(portionExists(a.firstPortion))
                    << day << " " << a.code << " brings " << a.firstPortion;
            }
            for (const PortionRow& p : a.portions)
                EXPECT_TRUE(portionExists(p.name)) << day << " " << a.code << " brings " << p.name;
        }
        for (const TrafficRow& r : t.traffic) {
            if (!none(r.departure)) {
                EXPECT_TRUE(departures.count(r.departure))
                    << day << " " << r.name << " goes on " << r.departure;
            }
        }
        for (const DepartureRow& d : t.departures) {
            if (!none(d.returnCode)) {
                EXPECT_TRUE(arrivals.count(d.returnCode))
                    << day << " " << d.code << " returns on " << d.returnCode;
            }
        }
        for (const NamedTrainRow& n : t.namedTrains) EXPECT_LE(n.from, n.to) << day << " " << n.name;
    }
}

TEST(TimetableReferences, CodesAreUniqueWithinADay) {
    for (const char* day : {"weekday", "saturday", "sunday"}) {
        const DayTimetable& t = loadedDayTimetable(day);
        std::set<std::string> seen;
        for (const DepartureRow& d : t.departures)
            EXPECT_TRUE(seen.insert("D" + d.code).second) << day << " " << d.code;
        for (const ArrivalRow& a : t.arrivals)
            EXPECT_TRUE(seen.insert("A" + a.code).second) << day << " " << a.code;
        for (const TrafficRow& r : t.traffic)
            EXPECT_TRUE(seen.insert("T" + r.name).second) << day << " " << r.name;
    }
}

} // namespace
} // namespace wm
