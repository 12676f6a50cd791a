// The main screen's drawing on the stand-in installation: the moves text, the unit window's
// medals, damage bar and weapon, the figure's order letters, patrol grey and enchantment outline
// colours, the summary's help records, the hand-over drawing of the next-turn button, and the
// help rectangles that leave the map window to the map.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Allocate.h"
#include "Animation.h"
#include "Help.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Test_Page_Png.h"
#include "World_Fixture.h"
#include "overland/Game_Resources.h"
#include "overland/Main_Screen.h"
#include "overland/Unit_Figure.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Events_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t SPEARMEN_LIKE_TYPE = 40;

class MainScreenDraw : public ::testing::Test {
protected:
    Test_Temp_Dir user;

    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        STU_GRAF_Set_User_Data_Dir(user.path.c_str());
        World_Clear();
        Load_VEZ_Resources_Once();
        Main_Screen_Load_Pictures();
        Cache_Graphics_Overland();
        _unit_stack_count = 0;
        all_units_moved = 0;
        special_action_flag = -1;
        current_screen = scr_Main_Screen;
    }
    void TearDown() override { STU_GRAF_Set_User_Data_Dir(nullptr); }

    // A unit of the player on (10, 10) of plane 0; its index.
    int16_t Add_Unit(int8_t owner, int16_t type = SPEARMEN_LIKE_TYPE)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        std::memset(&unit, 0, sizeof unit);
        unit.owner_idx = owner;
        unit.type = (uint8_t)type;
        unit.wx = 10;
        unit.wy = 10;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
    static std::vector<uint8_t> Region(Test_Page &page, int x1, int y1, int x2, int y2)
    {
        std::vector<uint8_t> pixels;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) pixels.push_back(page.At(x, y));
        return pixels;
    }
};

TEST_F(MainScreenDraw, Moves_Text_Shows_Whole_Moves_And_A_Half)
{
    struct Case {
        int16_t half_moves;
        const char *text;
    };
    const Case cases[] = {{3, "1.5"}, {1, ".5"}, {0, ""}, {-1, ""}, {-4, ""}, {2, "1"}, {4, "2"}, {25, "12.5"}};
    for (const Case &c : cases) {
        char text[16];
        Moves_String(text, c.half_moves);
        EXPECT_STREQ(text, c.text) << "half-moves " << c.half_moves;
    }
}

TEST_F(MainScreenDraw, Medals_Count_And_Colour_Follow_The_Level)
{
    struct Case {
        int8_t level;
        int medals;
        uint8_t colour;
    };
    // Stand-in medals: white 15, gold 14, red 12, four pixels apart from x + 2 at y + 21.
    const Case cases[] = {{0, 0, 0}, {1, 1, 15}, {3, 3, 15}, {4, 1, 14}, {6, 3, 14}, {7, 1, 12}, {8, 2, 12}};
    for (const Case &c : cases) {
        Test_Page page;
        int16_t unit = Add_Unit(0);
        _UNITS[unit].Level = c.level;
        Unit_Window_Draw_Unit_Attributes(100, 100, unit);
        for (int n = 0; n < 4; ++n) {
            uint8_t expected = n < c.medals ? c.colour : 0;
            EXPECT_EQ(page.At(100 + 2 + 4 * n + 1, 100 + 21 + 2), expected)
                << "level " << (int)c.level << " medal " << n;
        }
    }
}

TEST_F(MainScreenDraw, Damage_Bar_Length_And_Colour)
{
    struct Case {
        int16_t full;
        int16_t damage;
        int16_t length;
    };
    // A bar of length -1 (less than a tenth left) draws nothing, as does no damage or nothing left.
    const Case cases[] = {{10, 0, -1}, {10, 10, -1}, {10, 12, -1}, {10, 1, 8}, {10, 9, 0}, {30, 28, -1}, {0, 1, -1}};
    for (const Case &c : cases)
        EXPECT_EQ(Unit_Damage_Bar_Length(c.full, c.damage), c.length) << c.full << " " << c.damage;

    int16_t unit = Add_Unit(0);
    int16_t full = (int16_t)(_unit_type_table[SPEARMEN_LIKE_TYPE].Hits * _unit_type_table[SPEARMEN_LIKE_TYPE].Figures);
    ASSERT_GE(full, 4);
    _UNITS[unit].Damage = 1;
    int16_t length = Unit_Damage_Bar_Length(full, 1);
    Test_Page page;
    Unit_Window_Draw_Unit_Attributes(100, 100, unit);
    uint8_t colour = length >= 6 ? 217 : (length >= 3 ? 211 : 202);
    for (int x = 0; x <= length; ++x) EXPECT_EQ(page.At(105 + x, 119), colour) << x;
    EXPECT_EQ(page.At(105 + length + 1, 119), 0);
}

TEST_F(MainScreenDraw, Weapon_Icon_By_The_Low_Two_Bits)
{
    uint8_t *icons[4] = {nullptr, main_magic_weapon_icon, main_mithril_weapon_icon, main_adamantium_weapon_icon};
    for (uint8_t weapon = 0; weapon < 4; ++weapon) {
        std::vector<uint8_t> expected;
        {
            Test_Page page;
            if (icons[weapon] != nullptr) {
                Set_Animation_Frame(icons[weapon], 0);
                FLIC_Draw(113, 119, icons[weapon]);
            }
            expected = Region(page, 113, 119, 125, 128);
        }
        Test_Page page;
        int16_t unit = Add_Unit(0);
        _UNITS[unit].mutations = (uint8_t)(weapon | UM_UNDEAD);
        unit_weapon_type_animation_count = 0;
        Unit_Window_Draw_Unit_Attributes(100, 100, unit);
        EXPECT_EQ(Region(page, 113, 119, 125, 128), expected) << "weapon " << (int)weapon;
        EXPECT_EQ(expected == std::vector<uint8_t>(expected.size(), 0), weapon == 0) << "weapon " << (int)weapon;
    }
}

TEST_F(MainScreenDraw, Outline_Set_Takes_The_First_Bit_In_Order)
{
    struct Case {
        uint32_t bits;
        int16_t set;
    };
    const Case cases[] = {
        {0, -1},
        {UE_INVISIBILITY, -1},
        {UE_IMMOLATION, 0},
        {UE_REGENERATE | UE_RESISTMAGIC, 3},      // bit 6 comes before bit 18
        {UE_RESISTMAGIC | UE_IMMOLATION, 4},      // bit 18 before bit 0
        {UE_RESISTELEMENTS, 3},                   // bit 9, last in the order
        {UE_INVULNERABILITY | UE_WRAITHFORM, 2},  // bit 31 before bit 5
        {UE_WRAITHFORM | UE_IMMOLATION, 1},
    };
    for (const Case &c : cases) EXPECT_EQ(Unit_Enchantment_Outline_Set(c.bits), c.set) << std::hex << c.bits;

    const uint8_t frame1_of_set0[8] = {44, 43, 42, 41, 42, 43, 44, 45};
    EXPECT_EQ(0, std::memcmp(enchantment_outline_colors[0][1], frame1_of_set0, 8));
    const uint8_t frame7_of_set4[8] = {99, 100, 99, 98, 97, 96, 97, 98};
    EXPECT_EQ(0, std::memcmp(enchantment_outline_colors[4][7], frame7_of_set4, 8));
}

TEST_F(MainScreenDraw, Order_Letters_Patrol_Grey_And_Modes)
{
    int16_t unit = Add_Unit(0);
    auto draw = [&](uint8_t status, int8_t road_turns, int16_t mode, int8_t owner = 0) {
        Test_Page page;
        _UNITS[unit].Status = status;
        _UNITS[unit].Rd_Constr_Left = road_turns;
        _UNITS[unit].owner_idx = owner;
        Draw_Unit_StatFig(100, 100, unit, mode);
        return Region(page, 100, 100, 122, 128);
    };
    std::vector<uint8_t> ready = draw(us_Ready, -1, 1);
    std::vector<uint8_t> building = draw(us_BuildRoad, -1, 1);
    std::vector<uint8_t> road_goto = draw(us_GOTO, 3, 1);
    std::vector<uint8_t> plain_goto = draw(us_GOTO, -1, 1);
    EXPECT_NE(ready, building) << "a road builder shows its letter";
    EXPECT_EQ(building, road_goto) << "a go-to with road-building turns shows B";
    EXPECT_NE(plain_goto, building) << "a plain go-to shows G";
    EXPECT_EQ(draw(us_GOTO, -1, 2), draw(us_Ready, -1, 2)) << "no letters on the map";
    EXPECT_EQ(draw(us_GOTO, -1, 1, 1), draw(us_Ready, -1, 1, 1)) << "no letters on another player's units";

    std::vector<uint8_t> patrol = draw(us_Patrol, -1, 2);
    EXPECT_NE(patrol, draw(us_Ready, -1, 2)) << "the human's patrol is grey";
    EXPECT_EQ(draw(us_Patrol, -1, 3), draw(us_Ready, -1, 3)) << "mode 3 keeps the colours";
    EXPECT_EQ(draw(us_Patrol, -1, 2, 1), draw(us_Ready, -1, 2, 1)) << "other players' patrols keep their colours";
}

TEST_F(MainScreenDraw, Banished_Warning_Counts_Turns)
{
    EXPECT_EQ(Main_Screen_Banished_Turns(100, 30), 3);
    EXPECT_EQ(Main_Screen_Banished_Turns(90, 30), 3);
    EXPECT_EQ(Main_Screen_Banished_Turns(100, 0), 100) << "at skill 0 the cost left";
}

TEST_F(MainScreenDraw, Unit_Window_Boxes_Three_By_Three)
{
    int16_t x1, y1, x2, y2;
    Unit_Window_Picture_Coords(4, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 247 + 23);
    EXPECT_EQ(y1, 79 + 29);
    EXPECT_EQ(x2, x1 + 22);
    EXPECT_EQ(y2, y1 + 28);
    Unit_Window_Picture_Coords(8, &x1, &y1, &x2, &y2);
    EXPECT_EQ(x1, 247 + 46);
    EXPECT_EQ(y1, 79 + 58);
}

TEST_F(MainScreenDraw, Summary_Help_And_Lasting_Events)
{
    Set_Main_Screen_Help_List();
    events_table->words[ev_Good_Moon_State] = EVENT_STATE_LASTING;
    Test_Page page;
    Main_Screen_Draw_Do_Draw(&_map_x, &_map_y, 0, 0, 0, 0);
    EXPECT_EQ(_help_entries[15].help_idx, 233);
    EXPECT_EQ(_help_entries[16].help_idx, 234);
    EXPECT_EQ(_help_entries[24].help_idx, 235);
    for (int r : {7, 8, 9, 10, 11, 18, 19, 20, 21, 23}) EXPECT_EQ(_help_entries[r].help_idx, -1) << r;
    EXPECT_EQ(_help_entries[22].help_idx, 774);
    EXPECT_EQ(_help_entries[22].x1, 260);
    EXPECT_EQ(_help_entries[22].y2, 163);
    events_table->words[ev_Good_Moon_State] = 0;
}

TEST_F(MainScreenDraw, Pressed_Next_Turn_Only_In_The_Hand_Over)
{
    all_units_moved = 1;
    // The stand-in pressed button is colour 58 inside its border; the background at that place is not.
    auto pressed_pixel = [&](int16_t screen) {
        current_screen = screen;
        Test_Page page;
        Main_Screen_Draw_Do_Draw(&_map_x, &_map_y, 0, 0, 0, 0);
        return page.At(246 + 3, 178 + 3);
    };
    EXPECT_EQ(pressed_pixel(-1), 58);
    EXPECT_NE(pressed_pixel(scr_Main_Screen), 58);
    all_units_moved = 0;
    EXPECT_NE(pressed_pixel(-1), 58) << "no next-turn button while stacks wait";
}

TEST_F(MainScreenDraw, Frame_Picture_Drawn_As_The_Picture_Itself)
{
    std::vector<uint8_t> direct;
    {
        Test_Page page;
        Set_Animation_Frame(main_background_seg, 0);
        FLIC_Draw(0, 0, main_background_seg);
        direct.assign(page.Pixels(), page.Pixels() + SCREEN_SIZE);
    }
    Test_Page page;
    Main_Screen_Draw_Do_Draw(&_map_x, &_map_y, 0, 0, 0, 0);
    // Rows above the game buttons and the panel between the reduced map and the status line hold
    // only the frame.
    for (int y : {0, 1, 2, 3, 52, 55, 58})
        for (int x = 0; x < SCREEN_WIDTH; ++x)
            if (y < 4 || x >= 240) {
                EXPECT_EQ(page.At(x, y), direct[(size_t)(y * SCREEN_WIDTH + x)]) << x << "," << y;
            }
    for (int y = 21; y < 200; ++y) EXPECT_EQ(page.At(100, y), direct[(size_t)(y * SCREEN_WIDTH + 100)]) << y;
}

TEST_F(MainScreenDraw, Help_Rectangles_Leave_The_Map_Window_To_The_Map)
{
    Set_Main_Screen_Help_List();
    for (int r = 0; r < 25; ++r) {
        const Help_Entry &e = _help_entries[r];
        bool overlaps = e.x1 <= 239 && e.x2 >= 0 && e.y1 <= 199 && e.y2 >= 20;
        EXPECT_FALSE(overlaps) << "record " << r << " (" << e.x1 << "," << e.y1 << ")-(" << e.x2 << "," << e.y2 << ")";
    }
}

TEST_F(MainScreenDraw, Full_Frame_Keeps_The_Page_Bounds)
{
    int16_t first = Add_Unit(0);
    int16_t second = Add_Unit(0);
    _UNITS[second].Level = 8;
    _UNITS[second].Damage = 2;
    _UNITS[second].enchantments = UE_HOLYARMOR;
    _unit_stack_count = 2;
    _unit_stack[0] = {first, 1};
    _unit_stack[1] = {second, 0};
    _unit = first;
    _players[0].gold_reserve = 12000;
    Test_Page page;
    for (int frame = 0; frame < 20; ++frame) Main_Screen_Draw_Do_Draw(&_map_x, &_map_y, 0, 0, 0, 0);
    EXPECT_TRUE(page.Guards_Intact());
    EXPECT_NE(page.At(247 + 23 + 2 + 1, 79 + 21 + 2), 0) << "medals of the second unit";
}

}  // namespace
