// What an arriving engine will need, drawn as its train is brought into its group.

#include "movement_fixture.h"

#include "movement/engine_needs.h"

namespace wm {
namespace {

class EngineNeeds : public MoveFixture {
  protected:
    /// The condition the engine of an arrival with the code is left in after one draw of `draw`.
    int needAfter(int condCode, int draw, EngineCondition before = conditionAvailable, LocoIndex engine = 1) {
        services.messages.clear();
        s().locos[1].condition = before;
        const ArrivalIndex a = addArrival(2, 15, 600, 4, engine);
        s().arrivals[a].condCode = condCode;
        services.draws = {draw, 7};
        drawEngineNeed(s(), services, a);
        return s().locos[1].condition;
    }
};

TEST_F(EngineNeeds, TheCodeAndOneDrawGiveNoneWaterCoalOrServicing) {
    for (int settled : {condFacingFromLine, condNeedsWater, condAvailable})
        EXPECT_EQ(needAfter(settled, 98), conditionAvailable);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(needAfter(condNeedsWaterToo, 0), conditionNeedsWater);
    EXPECT_EQ(needAfter(50, 51), conditionNeedsCoal);
    EXPECT_EQ(needAfter(50, 50), conditionNeedsWater);
    EXPECT_EQ(services.messages.back(), "Loco 44001 will need water on arrival at Wendmoor Stn");
    s().difficulty = 20;
    EXPECT_EQ(needAfter(condNeedsServicing, 0), conditionNeedsServicing);
    EXPECT_EQ(s().locos[1].workTime, 3 * 7 + 360);
    EXPECT_EQ(services.messages.back(), "Loco 44001 will need servicing on arrival at Wendmoor Stn");
}

TEST_F(EngineNeeds, AWorseConditionIsKeptAndAnnouncedAndNoEngineDrawsNothing) {
    s().locos[1].workTime = 0;
    EXPECT_EQ(needAfter(50, 99, conditionNeedsRepair), conditionNeedsRepair);
    EXPECT_EQ(services.messages.back(), "Loco 44001 will need repairs on arrival at Wendmoor Stn");
    EXPECT_EQ(s().locos[1].workTime, 0) << "only servicing sets the work time here";
    needAfter(condNeedsServicing, 0, conditionAvailable, noEngine);
    EXPECT_EQ(services.draws.size(), 2u);
    EXPECT_TRUE(services.messages.empty());
}

} // namespace
} // namespace wm
