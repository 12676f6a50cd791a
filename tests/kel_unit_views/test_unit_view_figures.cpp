// Figure archives, the formation of figures with banner colours and shading, and the production
// screen's battle unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "LBX_Load.h"
#include "Pictures.h"
#include "STU_GRAF.h"
#include "Standin_Data.h"
#include "Test_Engine.h"
#include "Video.h"
#include "World_Fixture.h"
#include "overland/Unit_View_Figures.h"
#include "world/ALLOC.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

namespace {

constexpr int16_t FIGURE_TYPE = 60;

class Unit_View_Figures : public World_Test {
protected:
    static void SetUpTestSuite()
    {
        Test_Engine_Start();
        World_Clear();
        Test_Search_Standin_Data();
    }
    void SetUp() override
    {
        World_Test::SetUp();
        Unit_Type_Table_Reset();
        Mark_Block(_screen_seg);
        memset(current_video_page, 0, SCREEN_SIZE);
        _current_player_idx = 0;
    }
    void TearDown() override
    {
        Release_Block(_screen_seg);
        unit_figure_seg = nullptr;
        Unit_Type_Table_Reset();
        World_Test::TearDown();
    }
    static int Pixels(uint8_t colour)
    {
        return (int)std::count(current_video_page, current_video_page + SCREEN_SIZE, colour);
    }
    static int Drawn() { return SCREEN_SIZE - Pixels(0); }
};

TEST_F(Unit_View_Figures, ArchiveAndEntryOfEachType)
{
    struct Case {
        int16_t type;
        const char *name;
        int16_t entry;
    } cases[] = {{0, "FIGURES1.LBX", 2},     {14, "FIGURES1.LBX", 114}, {15, "FIGURES2.LBX", 2},
                 {134, "FIGURES9.LBX", 114}, {135, "FIGURE10.LBX", 2},  {197, "FIGURE14.LBX", 18}};
    for (const Case &c : cases) {
        char name[16] = "";
        int16_t entry = -1;
        ASSERT_EQ(Unit_Figure_Archive(c.type, name, &entry), 1) << c.type;
        EXPECT_STREQ(name, c.name);
        EXPECT_EQ(entry, c.entry);
    }
    char name[16];
    int16_t entry;
    EXPECT_EQ(Unit_Figure_Archive(198, name, &entry), 0);
    EXPECT_EQ(Unit_Figure_Archive(-1, name, &entry), 0);
}

TEST_F(Unit_View_Figures, LoadsFromTheStandInArchivesAndNothingOutsideTheTable)
{
    for (int16_t type : {0, 134, 135, 197}) {
        Load_Unit_Figure(type, 1);
        ASSERT_NE(unit_figure_seg, nullptr) << type;
        EXPECT_GE(FLIC_Get_FrameCount(unit_figure_seg), 3);
        EXPECT_LE(FLIC_Get_Width(unit_figure_seg) * FLIC_Get_Height(unit_figure_seg) + PICTURE_BITMAP_HEADER,
                  UNIT_FIGURE_WORK_BYTES);
    }
    Load_Unit_Figure(198, 1);
    EXPECT_EQ(unit_figure_seg, nullptr);
    _units = 1;
    _UNITS[0] = Unit_Record{};
    _UNITS[0].type = 230;
    Load_Unit_Figure(0, 0);
    EXPECT_EQ(unit_figure_seg, nullptr);
    Draw_Unit_Figure(100, 100, 0, 0);
    EXPECT_EQ(Drawn(), 0);
}

TEST_F(Unit_View_Figures, TypeFiguresWearTheCurrentPlayersBanner)
{
    _unit_type_table[FIGURE_TYPE].Figures = 1;
    _unit_type_table[FIGURE_TYPE].Abilities = 0;
    _players[0].banner_id = 5;
    Load_Unit_Figure(FIGURE_TYPE, 1);
    Draw_Unit_Figure(100, 100, FIGURE_TYPE, 0);
    int one = Drawn();
    ASSERT_GT(one, 0);
    for (int c = 0; c < 5; ++c) {
        EXPECT_GT(Pixels((uint8_t)(48 + c)), 0) << c;
        EXPECT_EQ(Pixels((uint8_t)(214 + c)), 0) << c;
    }
    memset(current_video_page, 0, SCREEN_SIZE);
    _unit_type_table[FIGURE_TYPE].Figures = 2;
    Draw_Unit_Figure(100, 100, FIGURE_TYPE, 0);
    EXPECT_EQ(Drawn(), 2 * one);

    memset(current_video_page, 0, SCREEN_SIZE);
    _unit_type_table[FIGURE_TYPE].Abilities = UA_INVISIBILITY;
    Draw_Unit_Figure(100, 100, FIGURE_TYPE, 0);
    EXPECT_EQ(Pixels(FIGURE_INVISIBLE_COLOUR), 2 * one);
}

TEST_F(Unit_View_Figures, UnitFiguresFromTheBattleUnit)
{
    ASSERT_NE(spell_data_table, nullptr);
    _units = 1;
    _UNITS[0] = Unit_Record{};
    _UNITS[0].type = FIGURE_TYPE;
    _UNITS[0].owner_idx = 1;
    _UNITS[0].Hero_Slot = -1;
    _players[1].banner_id = 2;
    spell_data_table[SPELL_SINGLE_FIGURE_TYPE].Param_Words[0] = 0;
    memset(global_battle_unit, 0, sizeof *global_battle_unit);
    Load_Unit_Figure(0, 0);
    Draw_Unit_Figure(100, 100, 0, 1);
    EXPECT_EQ(Drawn(), 0);  // no figures left

    global_battle_unit->Cur_Figures = 1;
    Draw_Unit_Figure(100, 100, 0, 1);
    int one = Drawn();
    EXPECT_GT(Pixels(121), 0);
    memset(current_video_page, 0, SCREEN_SIZE);
    global_battle_unit->Cur_Figures = 4;
    Draw_Unit_Figure(100, 100, 0, 1);
    EXPECT_GT(Drawn(), one);

    memset(current_video_page, 0, SCREEN_SIZE);
    spell_data_table[SPELL_SINGLE_FIGURE_TYPE].Param_Words[0] = FIGURE_TYPE;
    Draw_Unit_Figure(100, 100, 0, 1);
    EXPECT_EQ(Drawn(), one);

    memset(current_video_page, 0, SCREEN_SIZE);
    _UNITS[0].enchantments = UE_INVISIBILITY;
    Draw_Unit_Figure(100, 100, 0, 1);
    EXPECT_EQ(Pixels(FIGURE_INVISIBLE_COLOUR), one);
}

TEST_F(Unit_View_Figures, FramesTooLargeForTheWorkBitmapAreNotRendered)
{
    uint8_t header[64] = {};
    header[0] = 40;  // 40 x 30 pixels: 1,216 bytes with the header
    header[2] = 30;
    header[6] = 3;
    unit_figure_seg = header;
    _unit_type_table[FIGURE_TYPE].Figures = 1;
    Draw_Unit_Figure(100, 100, FIGURE_TYPE, 0);
    EXPECT_EQ(Drawn(), 0);
}

TEST_F(Unit_View_Figures, FormationOffsets)
{
    struct Case {
        int16_t count, i, dx, dy;
    } cases[] = {{1, 0, 1, 8},  {2, 1, 8, 9},  {3, 0, 0, 4}, {4, 3, 1, 13}, {6, 3, 10, 10}, {7, 6, 1, 14},
                 {8, 2, -2, 7}, {8, 7, 1, 14}, {0, 0, 0, 0}, {9, 0, 0, 0},  {3, 5, 0, 0}};
    for (const Case &c : cases) {
        int16_t dx = 99, dy = 99;
        Unit_Figure_Position(c.count, c.i, &dx, &dy);
        EXPECT_EQ(dx, c.dx) << c.count << "," << c.i;
        EXPECT_EQ(dy, c.dy) << c.count << "," << c.i;
    }
}

TEST_F(Unit_View_Figures, ProductionBattleUnitFromTheType)
{
    Unit_Type_Record &type = _unit_type_table[FIGURE_TYPE];
    type.Spec_Att_Attr = 6;
    type.Attack_Flags = UAF_POISON;
    Battle_Unit_Record bu;
    memset(&bu, 0x7F, sizeof bu);
    Prod_Load_Battle_Unit(FIGURE_TYPE, &bu);
    EXPECT_EQ(bu.Melee, type.Melee);
    EXPECT_EQ(bu.Defense, type.Defense);
    EXPECT_EQ(bu.Hits, type.Hits);
    EXPECT_EQ(bu.Max_Figures, type.Figures);
    EXPECT_EQ(bu.Move_Flags, type.Move_Flags);
    EXPECT_EQ(bu.Abilities, type.Abilities);
    EXPECT_EQ(bu.Attack_Flags, type.Attack_Flags);
    EXPECT_EQ(bu.Kept_Spec_Att_Attr, 6);
    EXPECT_EQ(bu.Damage, 0);
    EXPECT_EQ(bu.Weapon_Quality, 0);
    EXPECT_EQ(bu.Shown_Melee_Bonus, 0);
    EXPECT_EQ(bu.Shown_Resist_Penalty, 0);
}

}  // namespace

namespace {

TEST_F(Unit_View_Figures, StandInSpell111NamesASummonedCreature)
{
    uint8_t record[36];
    LBX_Load_Data_Static("SPELLDAT", 0, record, SPELL_SINGLE_FIGURE_TYPE, 1, 36);
    int16_t type = (int16_t)(record[32] | record[33] << 8);
    EXPECT_GE(type, NUM_SUMMONED_TYPE_FIRST);
    EXPECT_LT(type, NUM_UNIT_TYPES);
}

}  // namespace
