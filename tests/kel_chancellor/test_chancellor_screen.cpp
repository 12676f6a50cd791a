// The chancellor's scroll: its text rows for each queue, its heights and arrows, and its input loop
// closing on a click or Escape while the up and down keys leave it open and the text in place.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "Fields.h"
#include "Help.h"
#include "Input.h"
#include "Mouse.h"
#include "Poll_Script.h"
#include "Screen_Fixture.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "sdl2_PFL.h"
#include "shell/Screen_Control.h"
#include "turn/Chancellor_Report.h"
#include "turn/Report_Queues.h"
#include "turn/screens/Chancellor_Screen.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Events_Record.h"
#include "world/Item_Record.h"
#include "world/Map_Square_Record.h"
#include "world/Spell_Data_Record.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

class EndOfTurn_Chancellor : public Screen_Test {
protected:
    void SetUp() override
    {
        Screen_Test::SetUp();
        for (int i = 0; i < NUM_PLANES * WORLD_SIZE; ++i) {
            _world_maps[i] = tt_Grasslands;
            _square_explored[i] = 1;
        }
        _current_player_idx = 0;
        _cities = 3;
        const char *names[3] = {"Tessa", "Orlin", "Vask"};
        for (int c = 0; c < 3; ++c) {
            City_Record &city = _CITIES[c];
            std::memset(&city, 0, sizeof city);
            std::strcpy(city.name, names[c]);
            city.wx = (uint8_t)(10 + 5 * c);
            city.wy = 20;
            city.population = (uint8_t)(4 + c);
            std::memset(city.bldg_status, -1, sizeof city.bldg_status);
        }
        saved = {bldg_data_table, spell_data_table, hero_names_table};
        std::memset(buildings, 0, sizeof buildings);
        std::memset(spells, 0, sizeof spells);
        std::memset(heroes, 0, sizeof heroes);
        std::strcpy(buildings[3].name, "Smithy");
        std::memcpy(spells[5].name, "Cracks Call", 11);
        std::strcpy(heroes[2].name, "Brax");
        bldg_data_table = buildings;
        spell_data_table = spells;
        hero_names_table = heroes;
        Initialize_Reports();
        quit_game_flag = 0;
    }
    void TearDown() override
    {
        bldg_data_table = saved.buildings;
        spell_data_table = saved.spells;
        hero_names_table = saved.heroes;
        Platform_Register_Frame_Callback(nullptr);
        Script() = Poll_Script{};
        Platform_Set_Synthetic_Mouse_Button(0);
        Platform_Keyboard_Buffer_Clear();
        Initialize_Reports();
        quit_game_flag = 0;
        World_Test::TearDown();
    }
    struct Saved_Tables {
        Building_Data_Record *buildings;
        Spell_Data_Record *spells;
        Hero_Name_Record *heroes;
    } saved{};
    static inline Building_Data_Record buildings[NUM_BUILDING_TYPES];
    static inline Spell_Data_Record spells[NUM_SPELLS];
    static inline Hero_Name_Record heroes[NUM_HERO_TYPES];
    static void Then(std::function<void()> step) { Script().steps.push_back(std::move(step)); }
    static void Press(char c)
    {
        Then([c] { Platform_Keyboard_Buffer_Add_Key_Press(c, 0, c); });
        Then([] {});
    }
    static void Click_At(int16_t x, int16_t y)
    {
        Then([x, y] {
            Set_Pointer_Position(x, y);
            Platform_Set_Synthetic_Mouse_Button(1);
            int wx = 0, wy = 0;
            Platform_Game_To_Window(x, y, &wx, &wy);
            User_Mouse_Handler(1, (int16_t)wx, (int16_t)wy);
        });
        Then([] {});
        Then([] { Platform_Set_Synthetic_Mouse_Button(0); });
        Then([] {});
    }
    // The rows as text: heading rows as "#x@row text", body rows as "x@row text", pieces joined by '|'.
    static std::vector<std::string> Rows(int16_t from_advisor)
    {
        static Chancellor_Text_Row rows[CHANCELLOR_TEXT_ROWS_MAX];
        int16_t n = Chancellor_Report_Text(from_advisor, rows);
        std::vector<std::string> out;
        for (int16_t i = 0; i < n; ++i) {
            std::string text = rows[i].text;
            for (char &ch : text)
                if (ch == '\t') ch = '|';
            out.push_back((rows[i].kind == crk_Heading ? "#" : "") + std::to_string(rows[i].x) + "@" +
                          std::to_string(rows[i].row) + " " + text);
        }
        return out;
    }
    static std::string Unit_Name(int type) { return _unit_type_table[type].name; }
};

using Rows_T = std::vector<std::string>;

TEST_F(EndOfTurn_Chancellor, EachQueueHasItsHeadingAndLines)
{
    const int16_t spearmen = 35;
    std::string unit = Unit_Name(spearmen);
    std::string killer = "Cracks Call";
    std::string bldg = "Smithy";
    struct Case {
        const char *name;
        std::function<void()> fill;
        Rows_T rows;
    } cases[] = {
        {"disbanded, every reason and one past the last",
         [&] {
             for (int r = 0; r < 6; ++r) msg_unit_lost[r] = {spearmen, (int16_t)r};
             msg_unit_lost_ctr = 6;
         },
         {"#165@0 UNITS DISBANDED", "70@11 " + unit + " - deserted: lack of food.",
          "70@18 " + unit + " - deserted: lack of gold.", "70@25 " + unit + " - dispelled: lack of mana.",
          "70@32 " + unit + " deserted to make room for new units",
          "70@39 " + unit + " drowned because unit carrying it was destroyed.", "70@46 " + unit}},
        {"killed: a hero by name, a city only when given",
         [&] {
             MSG_UnitKilled_Array[0] = {2, 1, 5};
             MSG_UnitKilled_Array[1] = {spearmen, -1, 5};
             MSG_UnitKilled_Count = 2;
         },
         {"#165@0 UNITS KILLED", "70@11 Brax killed by " + killer + " in Orlin",
          "70@18 " + unit + " killed by " + killer}},
        {"growth and deaths with the population",
         [] {
             Report_City_Growth(0);
             Report_City_Death(2);
         },
         {"#158@0 CITY GROWTH", "70@11 Tessa| has grown to a population of |4", "#158@20 CITY DEATHS",
          "70@31 Vask| now has a population of |6"}},
        {"buildings",
         [] {
             MSG_BldLost_Array[0] = {1, 3};
             MSG_BldLost_Count = 1;
         },
         {"#158@0 Destroyed Buildings", "70@11 Orlin has lost its " + bldg}},
        {"spells dissipated",
         [] {
             MSG_UEsLost_Array[0] = (uint8_t)spearmen;
             MSG_UEsLost_Count = 1;
             MSG_CEsLost_Array[0] = 2;
             MSG_CEsLost_Count = 1;
             MSG_GEs_Lost = 1;
         },
         {"#158@0 UNIT SPELLS DISSIPATED", "70@11 " + unit, "#158@20 CITY SPELLS DISSIPATED", "70@31 Vask",
          "#158@40 GLOBAL SPELLS DISSIPATED"}},
    };
    for (const Case &c : cases) {
        Initialize_Reports();
        c.fill();
        EXPECT_EQ(Rows(0), c.rows) << c.name;
    }
}

TEST_F(EndOfTurn_Chancellor, EventsAreListedFromTheAdvisorOnlyAndAnEmptyMonthSaysSo)
{
    EXPECT_TRUE(Rows(0).empty());
    EXPECT_EQ(Rows(1), (Rows_T{"#158@0 NO EVENTS THIS MONTH"}));

    events_table->words[ev_Mana_Short_State] = EVENT_STATE_LASTING;
    events_table->words[ev_Plague_State] = EVENT_STATE_LASTING;
    events_table->words[ev_Plague_Player] = 0;
    events_table->words[ev_Plague_City] = 1;
    events_table->words[ev_Population_Boom_State] = EVENT_STATE_LASTING;
    events_table->words[ev_Population_Boom_Player] = 3;  // not the human's: not listed
    events_table->words[ev_Population_Boom_City] = 2;
    events_table->words[ev_Good_Moon_State] = 1;  // announced, not yet in force
    EXPECT_TRUE(Rows(0).empty());
    EXPECT_EQ(Rows(1), (Rows_T{"#165@0 RANDOM EVENTS", "70@11 Plague in Orlin", "70@18 Mana Short"}));

    // A city that grew and lost people in the same turn is told only as grown.
    Report_City_Growth(0);
    Report_City_Death(0);
    Chancellor_Report_Measure(0, nullptr);
    EXPECT_EQ(Rows(0), (Rows_T{"#158@0 CITY GROWTH", "70@11 Tessa| has grown to a population of |4"}));
}

TEST_F(EndOfTurn_Chancellor, AReportWithoutLinesAfterTheTurnReturnsAtOnce)
{
    Chancellor_Screen__WIP(0);
    EXPECT_EQ(Script().polls, 0);
    EXPECT_FALSE(Script().ran_out);
}

// A hash of the shown text rows as the scroll's own drawing leaves them.
uint32_t Text_Rows_Hash(void)
{
    Chancellor_Screen_Draw();
    uint32_t hash = 2166136261u;
    for (int y = _scroll_start_x; y < _scroll_start_x + _scroll_text_height; ++y)
        for (int x = 64; x < 256; ++x) hash = (hash ^ draw_page[y * SCREEN_WIDTH + x]) * 16777619u;
    return hash;
}

// Whether the scroll's drawing puts an arrow at (156, y) over the kept picture (the back page).
bool Arrow_Drawn(int y)
{
    Chancellor_Screen_Draw();
    for (int dy = 0; dy < 9; ++dy)
        for (int x = 156; x < 166; ++x)
            if (draw_page[(y + dy) * SCREEN_WIDTH + x] != video_page_buffer[2][(y + dy) * SCREEN_WIDTH + x])
                return true;
    return false;
}

TEST_F(EndOfTurn_Chancellor, TheScrollClosesOnAClickOrEscapeAndTheArrowKeysMoveTheTextWithinItsEnds)
{
    // 25 lines in two groups: 199 rows, taller than the 127 shown, so the text top runs from -72 to 0.
    msg_unit_lost_ctr = 20;
    for (int i = 0; i < 20; ++i) msg_unit_lost[i] = {35, 0};
    for (int c = 0; c < 5; ++c) MSG_CityGrowth_Array[c] = (uint8_t)(c % 3);
    MSG_CityGrowth_Count = 5;
    struct Case {
        const char *name;
        std::function<void()> close;
    } cases[] = {
        {"a click anywhere", [] { Click_At(300, 5); }},
        {"Escape", [] { Press(27); }},
    };
    const struct {
        char key;
        int16_t top;
        bool up_arrow, down_arrow;
    } steps[] = {
        {'u', 0, false, true},   {'d', -7, true, true},  {'d', -14, true, true}, {'d', -21, true, true},
        {'d', -28, true, true},  {'d', -35, true, true}, {'d', -42, true, true}, {'d', -49, true, true},
        {'d', -56, true, true},  {'d', -63, true, true}, {'d', -70, true, true}, {'d', -72, true, false},
        {'d', -72, true, false}, {'u', -65, true, true},
    };
    for (const Case &c : cases) {
        Script() = Poll_Script{};
        std::vector<int16_t> tops;
        std::vector<bool> ups, downs;
        std::vector<uint32_t> hashes;
        Then([] {});
        Then([&] { hashes.push_back(Text_Rows_Hash()); });
        for (const auto &step : steps) {
            Press(step.key);
            Then([&] {
                tops.push_back(_scroll_text_top);
                ups.push_back(Arrow_Drawn(13));
                downs.push_back(Arrow_Drawn(172));
                hashes.push_back(Text_Rows_Hash());
            });
        }
        c.close();
        Chancellor_Screen__WIP(0);
        EXPECT_FALSE(Script().ran_out) << c.name;
        EXPECT_EQ(quit_game_flag, 0) << c.name;
        ASSERT_EQ(tops.size(), std::size(steps)) << c.name;
        for (size_t i = 0; i < tops.size(); ++i) {
            EXPECT_EQ(tops[i], steps[i].top) << c.name << ", step " << i;
            EXPECT_EQ(ups[i], steps[i].up_arrow) << c.name << ", step " << i;
            EXPECT_EQ(downs[i], steps[i].down_arrow) << c.name << ", step " << i;
        }
        EXPECT_EQ(hashes[1], hashes[0]) << "the first 'u' leaves the text where it is";
        EXPECT_NE(hashes[2], hashes[1]) << "'d' moves the text";
        EXPECT_EQ(hashes[13], hashes[12]) << "the last row is already shown";
        EXPECT_EQ(m_report_scroll_text_height, 25 * 7 + 2 * 12) << c.name;
        EXPECT_EQ(_scroll_text_height, 127) << c.name;
        EXPECT_EQ(_scroll_start_x, 99 - 63 + 2) << c.name;
    }
}

TEST_F(EndOfTurn_Chancellor, AShortReportHasNoArrowsAndClosesFromTheAdvisor)
{
    Report_City_Growth(1);
    bool arrow_drawn = false;
    Then([] {});
    Then([&] { arrow_drawn = Arrow_Drawn(13) || Arrow_Drawn(172); });
    Press(27);
    Chancellor_Screen__WIP(1);
    EXPECT_FALSE(Script().ran_out);
    EXPECT_FALSE(arrow_drawn);
    EXPECT_EQ(m_report_scroll_text_height, 7 + 12);
}

}  // namespace
