#include "world/reference_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace wm {
namespace {

TEST(WorldReferenceTables, EveryLocoClassNameIsFiveCharacters) {
    for (int i = 0; i < locoClassCount; ++i) EXPECT_EQ(locoClass(i).name.size(), 5u) << "class " << i;
    EXPECT_EQ(locoClass(26).name, " St 2");
    EXPECT_EQ(locoClass(0).name, "Any  ");
}

TEST(WorldReferenceTables, FreightOnlyClassesHaveNoPassengerPower) {
    for (int i : {2, 10, 20, 21, 27, 28}) {
        EXPECT_EQ(locoClass(i).passengerPower, 0) << locoClass(i).name;
        EXPECT_GT(locoClass(i).freightPower, 0) << locoClass(i).name;
    }
    EXPECT_EQ(locoClass(99).name, "Any  "); // out of range falls back to the wildcard
}

TEST(WorldReferenceTables, OnlyTheTankAndUnitClassesAreFacingExempt) {
    for (int i = 0; i <= 6; ++i) EXPECT_TRUE(facingExempt(i)) << locoClass(i).name;
    for (int i = 7; i < locoClassCount; ++i) EXPECT_FALSE(facingExempt(i)) << locoClass(i).name;
}

TEST(WorldReferenceTables, RouteCodesAreDistinctTwoLetterCodes) {
    std::set<std::string> seen;
    for (int i = 1; i <= routeCodeCount; ++i) {
        EXPECT_EQ(routeCode(i).size(), 2u) << i;
        seen.insert(std::string(routeCode(i)));
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(routeCodeCount));
    EXPECT_EQ(routeCode(1), "WN");
    EXPECT_EQ(routeCode(15), "ST");
    EXPECT_EQ(routeCode(25), "SA");
    EXPECT_TRUE(routeCode(0).empty());
    EXPECT_TRUE(routeCode(26).empty());
}

TEST(WorldReferenceTables, TrainTypeFamilies) {
    int passenger = 0, traffic = 0, freightFamily = 0;
    for (int t = 0; t < trainTypeCount; ++t) {
        passenger += isPassengerTrain(t);
        traffic += isTrafficTrain(t);
        freightFamily += isFreightFamily(t);
        EXPECT_FALSE(trainTypeName(t).empty()) << t;
    }
    EXPECT_EQ(passenger, 5);
    EXPECT_EQ(traffic, 4);
    EXPECT_EQ(freightFamily, 5);
    EXPECT_FALSE(isPassengerTrain(5));
    EXPECT_TRUE(isLightEngine(8));
    EXPECT_FALSE(isTrafficTrain(8));
    EXPECT_TRUE(isFreightFamily(8));
    EXPECT_TRUE(isFullyFitted(9));
    EXPECT_TRUE(isUnbraked(12));
    EXPECT_TRUE(takesNoTraffic(6));
    EXPECT_TRUE(takesNoTraffic(11));
    EXPECT_FALSE(takesNoTraffic(12));
    EXPECT_EQ(trainTypeName(10), "Stopping frt");
    EXPECT_TRUE(trainTypeName(13).empty());
}

TEST(WorldReferenceTables, PassengerAndParcelsTrainsCallOnTheWayAndNoOthers) {
    for (int t = 0; t < trainTypeCount; ++t)
        EXPECT_EQ(isCallingTrain(t), isPassengerTrain(t) || trainTypeName(t) == "Parcels") << t;
}

TEST(WorldReferenceTables, ConditionLetters) {
    std::string letters;
    for (int c = 0; c < conditionCount; ++c) letters += conditionLetter(static_cast<EngineCondition>(c));
    EXPECT_EQ(letters, "awcsro");
    EXPECT_TRUE(conditionLetter(static_cast<EngineCondition>(6)).empty());
}

TEST(WorldReferenceTables, DayNamesFitTheirFieldAndUnknownCodesSayError) {
    EXPECT_EQ(dayNameFor(5), "Weekday");
    EXPECT_EQ(dayNameFor(6), "Saturday");
    EXPECT_EQ(dayNameFor(7), "Sunday");
    for (int code : {0, 1, 4, 8, -1}) EXPECT_EQ(dayNameFor(code), "error") << code;
    for (int code = 5; code <= 7; ++code) EXPECT_LE(dayNameFor(code).size(), 8u);
}

} // namespace
} // namespace wm
