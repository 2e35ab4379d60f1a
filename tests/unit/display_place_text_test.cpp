// Location lines, compact lines, engine tokens, turntables, status codes and approach labels drawn from
// hand-made states and read back cell by cell from the recording host.

#include "display/compact_line.h"
#include "display/engine_token.h"
#include "display/location_line.h"
#include "display/status_code.h"
#include "display/text_tables.h"
#include "place_text_fixture.h"

namespace wm::testing {
namespace {

constexpr LocationId SC1 = 19;  // carriage siding, group 9
constexpr LocationId LTT = 28;  // shed turntable
constexpr LocationId CUF = 51;  // entry of lines 2 and 3
constexpr LocationId CDF = 52;  // exit reached from DF1
constexpr LocationId CDS = 54;  // exit not reached from DF1
constexpr LocationId UF1 = 57;  // up fast running section
constexpr LocationId DF1 = 58;  // down fast running section
constexpr LocationId PL1 = 95;  // platform road, station group
constexpr LocationId UY5 = 121; // up yard road

constexpr int col = 10;
constexpr int row = 5;

class LocationLine : public PlaceTextTest {
  protected:
    void draw(LocationId id, int section = 0) {
        DrawLocationLine(console, state(), view, id, col, row, section);
    }
    // Cell k (1..17) of the line.
    const RecordedCell& at(int k) const { return cell(col + k - 1, row); }
    PlaceView view;
};

TEST_F(LocationLine, AnEmptySidingIsSeventeenBlanksWithTrackAcrossInTheSectionColour) {
    draw(SC1, 42);
    EXPECT_EQ(text(col, row, 17), std::string(17, '-'));
    for (int k = 1; k <= 17; ++k) {
        EXPECT_EQ(at(k).ch, ' ');
        EXPECT_EQ(at(k).lineColour, palette::Yellow) << k;
    }
    EXPECT_EQ(cell(col + 17, row).line, 0) << "the track stops at the line's end";

    state().sectionTimer[42] = 3;
    draw(SC1, 42);
    EXPECT_EQ(at(1).lineColour, palette::Red);
    EXPECT_EQ(at(17).lineColour, palette::Red);
}

TEST_F(LocationLine, OneEngineAtTheLeftEndShowsInPlaceOneAndTheRestStaysEmpty) {
    putEngine(SC1, 1, newEngine("45001"));
    draw(SC1);
    const std::string expected = std::string(" ") + glyphFacing0 + " " + glyphEmptyPlace + " " +
                                 std::string(7, '-') + " " + glyphEmptyPlace + " " + glyphEmptyPlace + " ";
    EXPECT_EQ(text(col, row, 17), expected);
    EXPECT_EQ(at(2).text, palette::Cyan);
    for (int k : {4, 14, 16}) EXPECT_EQ(at(k).text, palette::Black) << k;
    EXPECT_EQ(at(9).lineColour, palette::Yellow);

    state().locos[1].facing = 1;
    draw(SC1);
    EXPECT_EQ(at(2).ch, glyphFacing1);
}

TEST_F(LocationLine, ARakeOfWagonsShowsYellowInnerPlacesAndItsTraffic) {
    const PortionIndex p = newPortion(portionDetached, 0, newTraffic(3, 9, -1));
    const PortionIndex q = newPortion(portionDetached, 0, newTraffic(3, 9, -1));
    appendPortion(state(), p, q, true);
    place(SC1).occState = occStock;
    place(SC1).occupant = p;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "Genl   ");
    EXPECT_EQ(at(4).ch, glyphEmptyPlace);
    EXPECT_EQ(at(4).text, palette::Yellow);
    EXPECT_EQ(at(14).text, palette::Yellow);
    EXPECT_EQ(at(2).text, palette::Black);
    EXPECT_EQ(at(16).text, palette::Black);

    // Traffic being worked shows the minutes it still needs: 4 ticks round up to 2 minutes.
    state().traffic[1].readyAt = 4;
    state().portions[p].portionState = portionBeingWorked;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "Genl  2");
}

TEST_F(LocationLine, TwoOccupantsShareTheLineAroundAColon) {
    const PortionIndex p = newPortion(portionDetached, 0, newTraffic(3, 9, -1));
    place(SC1).occState = occStock;
    place(SC1).occupant = p;
    place(SC1).occState2 = occTraffic;
    place(SC1).occupant2 = newTraffic(5, 9, -1);
    draw(SC1);
    EXPECT_EQ(text(col + 1, row, 15), "Genl   :Coal   ");
    EXPECT_EQ(at(1).ch, glyphEmptyPlace);
    EXPECT_EQ(at(17).ch, glyphEmptyPlace);
}

class DepartureAtPlatform : public LocationLine {
  protected:
    void SetUp() override {
        LocationLine::SetUp();
        // 8.10 passenger to line 5: it runs down and leaves by the low end. (Trains for the main lines
        // down may not start from PL1.)
        d = newDeparture(8 * 60 + 10, 5, 15, 4);
        engine = newEngine("46100");
        state().departures[d].loco = engine;
        place(PL1).occState = occDeparture;
        place(PL1).occupant = d;
        state().departures[d].location = PL1;
    }
    Colour timeColourAt(int clock) {
        state().clock = clock;
        draw(PL1);
        return at(7).text;
    }
    DepartureIndex d = 0;
    LocoIndex engine = 0;
};

TEST_F(DepartureAtPlatform, WithoutAnEngineTheLeavingEndAsksForOneAndTheTimeWarnsAsItNears) {
    putEngine(SC1, 1, engine); // the booked engine is fit and on the layout
    state().clock = 8 * 60;
    draw(PL1);
    EXPECT_EQ(text(col + 5, row, 7), "  8.10 ");
    EXPECT_EQ(at(4).ch, glyphFacing1) << "an engine for a train running down";
    EXPECT_EQ(at(4).text, palette::Green);
    EXPECT_EQ(at(14).text, palette::Black);

    state().locos[engine].condition = conditionNeedsCoal;
    draw(PL1);
    EXPECT_EQ(at(4).text, palette::Red);

    EXPECT_EQ(timeColourAt(7 * 60 + 40), palette::Silver) << "20 minutes or more ahead";
    EXPECT_EQ(timeColourAt(8 * 60), palette::Yellow);
    EXPECT_EQ(timeColourAt(8 * 60 + 1), palette::Magenta) << "a passenger train less than 10 minutes away";
    place(PL1).busyTicks = 2;
    EXPECT_EQ(timeColourAt(8 * 60 + 1), palette::Silver) << "a move is under way";
}

TEST_F(DepartureAtPlatform, CoupledAtItsLeavingEndItIsReadyAndItsTimeCountsDown) {
    putEngine(PL1, 2, engine);
    place(PL1).endFlag[lowEnd] = 1;
    state().clock = 8 * 60;
    draw(PL1);
    EXPECT_EQ(text(col + 4, row, 8), "+( 8.10 ");
    EXPECT_EQ(at(4).text, palette::Red) << "an engine coupled to its train";

    EXPECT_EQ(timeColourAt(8 * 60 + 1), palette::Magenta) << "not yet due within 5 minutes";
    EXPECT_EQ(timeColourAt(8 * 60 + 5), palette::Silver);
    EXPECT_EQ(timeColourAt(8 * 60 + 9), palette::Yellow);
    EXPECT_EQ(timeColourAt(8 * 60 + 10), palette::Green);
    EXPECT_EQ(timeColourAt(8 * 60 + 11), palette::Red);
    state().departures[d].state = departureOnWayOut;
    EXPECT_EQ(timeColourAt(8 * 60 + 11), palette::Cyan);
    state().departures[d].state = departureGone;
    EXPECT_EQ(timeColourAt(8 * 60 + 11), palette::Red) << "a passenger train gone from a platform";

    place(PL1).endFlag[highEnd] = 1;
    draw(PL1);
    EXPECT_EQ(text(col + 5, row, 7), "( 8.10)");
}

TEST_F(DepartureAtPlatform, AnEngineBeingCoupledShowsItsEndInMagenta) {
    putEngine(PL1, 2, engine);
    place(PL1).endFlag[lowEnd] = 1;
    place(PL1).couplingTicks[lowEnd] = 2;
    draw(PL1);
    EXPECT_EQ(at(2).text, palette::Magenta);
    EXPECT_EQ(at(4).text, palette::Magenta);
    EXPECT_EQ(at(5).ch, '+');
    EXPECT_EQ(at(5).text, palette::Magenta);
    EXPECT_EQ(at(14).text, palette::Black);
}

TEST_F(LocationLine, MovementsShowWhatIsUnderWay) {
    place(SC1).occState = occComingIn;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "coming ");
    EXPECT_EQ(at(6).text, palette::HighlightText);
    place(SC1).occState = occPassingThrough;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "through");
    place(SC1).occState = occLeavingLight;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "moving ");
    place(SC1).occState = occWorkInProgress;
    draw(SC1);
    EXPECT_EQ(text(col + 5, row, 7), "oddity ");
}

TEST_F(LocationLine, AnArrivalCallingHereIsBracketed) {
    const ArrivalIndex a = newArrival(9 * 60 + 30, 20, 15, 0);
    const DepartureIndex d = newDeparture(9 * 60 + 30, 2, 15, 0);
    const PortionIndex p = newPortion(portionOnTrain, d);
    appendToRake(state(), a, p, true);
    place(PL1).occState = occArrival;
    place(PL1).occupant = a;
    draw(PL1);
    EXPECT_EQ(text(col + 5, row, 7), "( 9.30)");
    EXPECT_EQ(at(7).text, palette::Red);
    state().departures[d].time += 5;
    draw(PL1);
    EXPECT_EQ(text(col + 5, row, 7), "  9.30 ");
}

TEST_F(LocationLine, ALabelIsBlueWhenTheSelectedPlaceCanReachIt) {
    view.selected = DF1;
    DrawLocationLabel(console, state(), view, CDF, col, row);
    EXPECT_EQ(text(col, row, 3), "CDF");
    EXPECT_EQ(cell(col, row).text, palette::Green);
    EXPECT_EQ(cell(col, row).background, palette::Blue);
    DrawLocationLabel(console, state(), view, CDS, col, row);
    EXPECT_EQ(cell(col, row).background, palette::Black);
    view.selected = 0;
    DrawLocationLabel(console, state(), view, CDF, col, row);
    EXPECT_EQ(cell(col, row).background, palette::Black);

    DrawLabelledLine(console, state(), view, SC1, col, row, 0);
    EXPECT_EQ(text(col, row, 4), "SC1-");
}

class CompactLine : public PlaceTextTest {
  protected:
    void draw(LocationId id, CompactStyle style) {
        DrawCompactLine(console, state(), view, id, col, row, 0, style);
    }
    PlaceView view;
    const CompactStyle down{directionDown, LabelSide::ByDirection};
    const CompactStyle up{directionUp, LabelSide::ByDirection};
};

TEST_F(CompactLine, AnEmptyRunningLineIsTrackWithItsCodeOnTheSideItRunsTo) {
    draw(DF1, down);
    EXPECT_EQ(text(col, row, 10), "DF1-------");
    EXPECT_EQ(cell(col + 3, row).lineColour, palette::Yellow);
    draw(UF1, up);
    EXPECT_EQ(text(col, row, 10), "-------UF1");
}

TEST_F(CompactLine, TrainsPassingShowTheirDirection) {
    place(DF1).occState = occPassingThrough;
    place(DF1 + 200).occState = occDeparture;
    place(DF1 + 200).occupant = newDeparture(600, 2, 15, 0); // runs down
    draw(DF1, down);
    EXPECT_EQ(text(col, row, 10), "DF1--<<---");
    EXPECT_EQ(cell(col + 3, row).lineColour, palette::Red);

    place(UF1).occState = occPassingThrough;
    place(UF1 + 200).occState = occDeparture;
    place(UF1 + 200).occupant = newDeparture(600, 20, 15, 0); // runs up
    draw(UF1, up);
    EXPECT_EQ(text(col, row, 10), "--->>--UF1");

    // A train passing a yard road that runs neither way is shunting; its code stays on the right.
    place(UY5).occState = occPassingThrough;
    place(UY5 + 200).occState = occStock;
    place(UY5 + 200).occupant = newPortion(portionStanding);
    draw(UY5, {directionNone, LabelSide::Right});
    EXPECT_EQ(text(col + 1, row, 5), "shunt");
    EXPECT_EQ(text(col + 7, row, 3), "UY5");
}

TEST_F(CompactLine, LightEnginesAreCounted) {
    putEngine(DF1, 2, newEngine("44001"));
    draw(DF1, down);
    EXPECT_EQ(text(col + 4, row, 5), " LE  ");
    EXPECT_EQ(cell(col + 3, row).ch, glyphFacing0);
    EXPECT_EQ(cell(col + 3, row).text, palette::Cyan);
    putEngine(DF1, 1, newEngine("44002"));
    draw(DF1, down);
    EXPECT_EQ(text(col + 4, row, 5), " LE2 ");
}

TEST_F(CompactLine, TwoOccupantsAreSplitByAColon) {
    place(UY5).occState = occStock;
    place(UY5).occupant = newPortion(portionDetached, 0, newTraffic(3, 16, -1));
    place(UY5).occState2 = occTraffic;
    place(UY5).occupant2 = newTraffic(5, 16, -1);
    draw(UY5, {directionNone, LabelSide::Right});
    EXPECT_EQ(text(col + 1, row, 5), "Ge:Co");
    EXPECT_EQ(cell(col + 1, row).text, palette::Silver);
    EXPECT_EQ(cell(col, row).text, palette::Yellow) << "the inner place beside stock";
}

TEST_F(CompactLine, AnArrivalStandsInTheTrainsOwnDirection) {
    const ArrivalIndex a = newArrival(10 * 60, 20, 15, 4); // runs down
    place(UF1).occState = occArrival;
    place(UF1).occupant = a;
    draw(UF1, up);
    EXPECT_EQ(text(col, row, 3), "UF1") << "the code follows the train";
    EXPECT_EQ(text(col + 4, row, 5), "10.00");
    EXPECT_EQ(cell(col + 4, row).text, palette::Red) << "a passenger train outside its group";
}

TEST_F(PlaceTextTest, EngineTokenShowsFacingNumberAndConditionLetterInItsColour) {
    const LocoIndex e = newEngine("45123", 11, conditionAvailable);
    auto token = [&] {
        console.GotoCell(col, row);
        DrawEngineToken(console, state(), e);
        return text(col, row, 7);
    };
    EXPECT_EQ(token(), std::string(1, glyphFacing0) + "45123a");
    EXPECT_EQ(cell(col, row).background, palette::Navy);
    EXPECT_EQ(cell(col + 1, row).text, palette::White);
    EXPECT_EQ(cell(col + 6, row).text, palette::Green);

    const std::pair<EngineCondition, Colour> cases[] = {
        {conditionNeedsServicing, palette::Red},
        {conditionNeedsRepair, palette::Red},
        {conditionOutOfUse, palette::Red},
        {conditionNeedsWater, palette::Yellow},
    };
    for (const auto& [condition, colour] : cases) {
        state().locos[e].condition = condition;
        token();
        EXPECT_EQ(cell(col + 6, row).text, colour) << condition;
    }
    state().locos[e].condition = conditionNeedsCoal;
    state().locos[e].workTime = 5;
    EXPECT_EQ(token(), std::string(1, glyphFacing0) + "45123c");
    EXPECT_EQ(cell(col + 6, row).text, palette::Magenta) << "coaling under way";

    state().locos[e].classIndex = 3; // a tank engine shows no facing
    EXPECT_EQ(token(), " 45123c");

    console.GotoCell(col, row);
    DrawEngineToken(console, state(), noEngine);
    EXPECT_EQ(text(col, row, 7), "       ");
}

TEST_F(PlaceTextTest, TurntableIndicatorFollowsTheEngineOnIt) {
    auto indicator = [&] {
        DrawTurntable(console, state(), LTT, col, row);
        return text(col, row, 3);
    };
    EXPECT_EQ(indicator(), "   ");
    const LocoIndex e = newEngine("45500", 11);
    putEngine(LTT, 1, e);
    EXPECT_EQ(indicator(), "<--");
    state().locos[e].facing = 1;
    EXPECT_EQ(indicator(), "-->");
    place(LTT).occState = occWorkInProgress;
    place(LTT).busyTicks = 6;
    EXPECT_EQ(indicator(), "<->");
    EXPECT_EQ(cell(col, row).text, palette::Magenta);

    // The engine's token shows it turning too.
    DrawBoxedEngines(console, state(), LTT, col, row);
    EXPECT_EQ(text(col, row, 9), std::string(" ") + glyphFacing1 + "45500a ");
    EXPECT_EQ(cell(col + 1, row).text, palette::Magenta);

    state().locos[e].classIndex = 5;
    EXPECT_EQ(indicator(), "---");
}

TEST_F(PlaceTextTest, EngineListPadsEmptyPlaces) {
    constexpr LocationId LS4 = 40; // three places
    putEngine(LS4, 2, newEngine("47001", 2));
    DrawEngineList(console, state(), LS4, col, row);
    EXPECT_EQ(text(col, row, 24), std::string(8, ' ') + " 47001a " + std::string(8, ' '));
    EXPECT_EQ(cell(col + 25, row).background, palette::Black);
}

TEST_F(PlaceTextTest, StatusCodeColoursFollowThePlace) {
    auto colour = [&](LocationId id) {
        DrawStatusCode(console, state(), id, col, row, "SC1", 30, 31);
        return cell(col, row).text;
    };
    EXPECT_EQ(colour(SC1), palette::Green);
    putEngine(SC1, 3, newEngine("40001"));
    EXPECT_EQ(colour(SC1), palette::HighlightText);
    state().sectionTimer[30] = 1;
    EXPECT_EQ(colour(SC1), palette::HighlightText) << "one section busy is not enough";
    state().sectionTimer[31] = 1;
    EXPECT_EQ(colour(SC1), palette::Red);
    state().locos[1].condition = conditionNeedsServicing;
    putEngine(SC1, 1, 1);
    EXPECT_EQ(colour(SC1), palette::Magenta);

    place(PL1).occState = occArrival;
    place(PL1).occupant = newArrival(600, 2, 15, 4);
    EXPECT_EQ(colour(PL1), palette::Red);
    EXPECT_EQ(text(col, row, 3), "SC1");
}

TEST_F(PlaceTextTest, ApproachLabelWarnsAsTheNextTrainNears) {
    // Line 2 into the station: 4 minutes from the approach for a passenger train.
    const ArrivalIndex a = newArrival(8 * 60 + 10, 2, 15, 4);
    place(CUF).occState = occArrival;
    place(CUF).occupant = a;
    auto label = [&] {
        DrawApproachLabel(console, state(), CUF, 1, 14, "CUF>");
        return std::pair{cell(1, 14).text, cell(1, 14).background};
    };
    EXPECT_EQ(label(), std::pair(palette::Silver, palette::Black));
    state().arrivals[a].time = 8 * 60 + 5;
    EXPECT_EQ(label(), std::pair(palette::Black, palette::Magenta));
    state().arrivals[a].trainType = 10;
    EXPECT_EQ(label(), std::pair(palette::Black, palette::Red)) << "a slow freight needs longer to come in";
    state().arrivals[a].trainType = 4;
    state().arrivals[a].late = -2;
    EXPECT_EQ(label(), std::pair(palette::Black, palette::Red));
    place(CUF).busyTicks = 3;
    EXPECT_EQ(label(), std::pair(palette::Silver, palette::Black)) << "already being signalled in";
    EXPECT_EQ(text(1, 14, 4), "CUF>");
}

} // namespace
} // namespace wm::testing
