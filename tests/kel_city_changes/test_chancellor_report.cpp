// The size of the chancellor's report from the queues and the events in force.
#include <gtest/gtest.h>

#include "World_Fixture.h"
#include "turn/Chancellor_Report.h"
#include "turn/Report_Queues.h"
#include "world/Events_Record.h"
#include "world/Unit_Death.h"

namespace {

class EndOfTurn_Chancellor : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        Initialize_Reports();
    }
    void TearDown() override
    {
        Initialize_Reports();
        World_Test::TearDown();
    }
};

}  // namespace

TEST_F(EndOfTurn_Chancellor, NothingToReportShowsNoScrollAfterTheTurnButTheAdvisorSaysSo)
{
    Chancellor_Report_Size size = {};
    EXPECT_EQ(Chancellor_Report_Measure(0, &size), 0);
    ASSERT_EQ(Chancellor_Report_Measure(1, &size), 1);
    EXPECT_EQ(size.lines, 0);
    EXPECT_EQ(size.groups, 1);
    EXPECT_EQ(size.full_height, 12);
    EXPECT_EQ(size.text_top_row, 99 - 6 + 2);
}

TEST_F(EndOfTurn_Chancellor, ACityThatGrewIsNotListedAmongTheDeaths)
{
    Report_City_Growth(3);
    Report_City_Death(1);
    Report_City_Death(3);
    Report_City_Death(4);
    Chancellor_Report_Size size = {};
    ASSERT_EQ(Chancellor_Report_Measure(0, &size), 1);
    ASSERT_EQ(MSG_CityDeath_Count, 2);
    EXPECT_EQ(MSG_CityDeath_Array[0], 1);
    EXPECT_EQ(MSG_CityDeath_Array[1], 4);
    EXPECT_EQ(size.lines, 3);
    EXPECT_EQ(size.groups, 2);
    EXPECT_EQ(size.full_height, 3 * 7 + 2 * 12);
}

TEST_F(EndOfTurn_Chancellor, ATallReportIsShownAt127RowsAndEventsCountOnlyFromTheAdvisor)
{
    msg_unit_lost_ctr = 20;
    for (int c = 0; c < 5; c++) Report_City_Growth((int16_t)c);
    MSG_GEs_Lost = 1;
    events_table->words[ev_Mana_Short_State] = EVENT_STATE_LASTING;
    events_table->words[ev_Plague_State] = EVENT_STATE_LASTING;
    events_table->words[ev_Plague_Player] = 2;  // a rival's city: not in the human's report
    Chancellor_Report_Size size = {};
    ASSERT_EQ(Chancellor_Report_Measure(0, &size), 1);
    EXPECT_EQ(size.lines, 26);
    EXPECT_EQ(size.groups, 3);
    EXPECT_EQ(size.full_height, 26 * 7 + 3 * 12);
    EXPECT_EQ(size.shown_height, 127);
    EXPECT_EQ(size.text_top_row, 99 - 63 + 2);
    ASSERT_EQ(Chancellor_Report_Measure(1, &size), 1);
    EXPECT_EQ(size.lines, 27) << "the mana shortage in force";
    EXPECT_EQ(size.groups, 4);
    events_table->words[ev_Mana_Short_State] = 0;
    events_table->words[ev_Plague_State] = 0;
}
