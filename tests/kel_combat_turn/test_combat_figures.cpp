#include <string>
#include <vector>

#include "Turn_Fixture.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/screens/Combat_Figures.h"

using CombatDraw = Turn_Test;
using CombatEntities = Turn_Test;
using CombatWindows = Turn_Test;
using AttackAnimation = Turn_Test;

TEST_F(CombatDraw, AUnitWithTwoOfEightFiguresLeftDrawsTheFirstTwoPlacesOfTheEightFigureLayout)
{
    int16_t x = 0, y = 0;
    Combat_Map_Figure_Offset(8, 0, &x, &y);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 4);
    Combat_Map_Figure_Offset(8, 1, &x, &y);
    EXPECT_EQ(x, 6);
    EXPECT_EQ(y, 6);
    Combat_Map_Figure_Offset(2, 1, &x, &y);
    EXPECT_EQ(x, 7) << "the two-figure layout differs";
    struct Case {
        int16_t n, k, x, y;
    } cases[] = {{0, 0, 0, 0}, {9, 3, 0, 0}, {1, 5, 1, 8}, {8, 7, 3, 9}, {4, 3, -7, 8}};
    for (const Case &c : cases) {
        Battle_Unit_Figure_Position(c.n, c.k, &x, &y);
        EXPECT_EQ(x, c.x) << c.n << "/" << c.k;
        EXPECT_EQ(y, c.y) << c.n << "/" << c.k;
    }
}

TEST_F(CombatDraw, AFigureFacesItsTargetCellAndAnInvisibleUnitHasNoOutline)
{
    struct Case {
        int16_t tx, ty, facing;
    } cases[] = {{4, 4, 0}, {5, 4, 1}, {6, 4, 2}, {6, 5, 3}, {6, 6, 4}, {5, 6, 5}, {4, 6, 6}, {4, 5, 7}, {5, 5, 2}};
    for (const Case &c : cases) EXPECT_EQ(Combat_Figure_Facing(5, 5, c.tx, c.ty), c.facing) << c.tx << "," << c.ty;
    Battle_Unit_Record &bu = Unit(0, 0);
    bu.Combat_Enchantments = UE_FLIGHT | UE_REGENERATE;
    EXPECT_EQ(Set_Combat_Enchantment_Outline(&bu), 3) << "Regenerate comes first";
    bu.Abilities = UA_INVISIBILITY;
    EXPECT_EQ(Set_Combat_Enchantment_Outline(&bu), -1);
}

TEST_F(CombatEntities, EntitiesAreDrawnByDepthAndEqualKeysInTheOrderTheyWereMade)
{
    Clear_Combat_Grid_Entities();
    int16_t x = 0, y = 0;
    Combat_Grid_Screen_Coordinates(10, 10, 0, 0, &x, &y);
    int16_t nx = 0, ny = 0;
    Combat_Grid_Screen_Coordinates(3, 3, 0, 0, &nx, &ny);
    Combat_Grid_Entity_Create(x, y, 100, 0, 0, 0, cek_Picture, nullptr);
    Combat_Grid_Entity_Create(x, y, 101, 0, 0, 0, cek_Picture, nullptr);
    Combat_Grid_Entity_Create(nx, ny, 102, 0, 0, 0, cek_Picture, nullptr);
    Combat_Grid_Entity_Create(x, y, 103, 0, 0, 0, cek_Picture, nullptr);
    std::vector<int16_t> order;
    for (int i = 0; i < combat_grid_entity_count; i++)
        order.push_back(combat_grid_entities[combat_grid_entities_draw_order[i]].picture);
    EXPECT_EQ(order, (std::vector<int16_t>{102, 100, 101, 103}));
    EXPECT_EQ(Combat_Entity_Depth_Key(x, y), 10u * 8000 + 10u * 320);
}

TEST_F(CombatEntities, TheEntityPastTheLastPlaceIsDroppedAndTheFrameGoesOn)
{
    Clear_Combat_Grid_Entities();
    for (int i = 0; i < COMBAT_ENTITIES_MAX; i++)
        Combat_Grid_Entity_Create(160, 60, (int16_t)i, 0, 0, 0, cek_Picture, nullptr);
    EXPECT_EQ(Combat_Grid_Entity_Create(160, 60, 999, 0, 0, 0, cek_Picture, nullptr), COMBAT_ENTITIES_MAX);
    EXPECT_EQ(combat_grid_entities[combat_grid_entities_draw_order[COMBAT_ENTITIES_MAX - 1]].picture,
              COMBAT_ENTITIES_MAX - 1);
}

TEST_F(CombatWindows, TheStrengthBarAndTheRangeOfTheWizardsCasting)
{
    Battle_Unit_Record &bu = Unit(0, 0, 3, 2, 2, 8);
    bu.Cur_Figures = 4;
    EXPECT_EQ(Combat_Damage_Bar_Length(&bu), 9) << "4 of 8 figures at full health";
    bu.Cur_Figures = 8;
    EXPECT_EQ(Combat_Damage_Bar_Length(&bu), 19);
    bu.Cur_Figures = 0;
    EXPECT_EQ(Combat_Damage_Bar_Length(&bu), -1);
    struct Case {
        int16_t tenths;
        const char *text;
    } cases[] = {{5, "0.5x"}, {10, "1x"}, {15, "1.5x"}, {20, "2x"}, {35, "3.5x"}};
    for (const Case &c : cases) {
        char text[12];
        Combat_Multiplier_Text(c.tenths, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
}

TEST_F(AttackAnimation, LossesShownFollowTheDamageAndTheFiguresLeft)
{
    struct Case {
        int figures, hits, damage;
        int16_t level, hit_figures;
    } cases[] = {{4, 3, 7, 1, 3}, {0, 3, 5, 3, 0}, {4, 3, 0, 0, 0}, {2, 1, 50, 5, 2}, {8, 2, 1, 1, 1}};
    for (const Case &c : cases) {
        Unit(0, 0, 3, 2, c.hits, c.figures).Cur_Figures = (uint8_t)c.figures;
        Set_Gibs(0, (int16_t)c.damage);
        EXPECT_EQ(combat_unit_animation[0].loss_level, c.level) << c.figures << " figures, " << c.damage << " damage";
        EXPECT_EQ(combat_unit_animation[0].hit_figures, c.hit_figures) << c.figures << " figures, " << c.damage;
        for (int16_t frame : m_gibs_frames) EXPECT_TRUE(frame >= 0 && frame <= 3);
    }
    Clear_Gibs(0);
    EXPECT_EQ(combat_unit_animation[0].loss_level, 0);
}

TEST_F(AttackAnimation, MissilesFlyInEightDirectionsAndShareTheTargetsFigures)
{
    struct Case {
        int16_t angle, direction;
    } cases[] = {{0, 2},   {21, 2},  {22, 3},  {68, 3},  {69, 4},  {111, 4}, {112, 5}, {157, 5}, {158, 6},
                 {201, 6}, {202, 7}, {247, 7}, {248, 0}, {291, 0}, {292, 1}, {337, 1}, {338, 2}};
    for (const Case &c : cases) EXPECT_EQ(Combat_Missile_Direction(c.angle), c.direction) << c.angle;
    Make_Missiles(6, 2, 3, 3, 8, 8, 1);
    ASSERT_EQ(m_missile_count, 6);
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(_missiles[i].to_x, _missiles[i % 2].to_x) << "figure " << i;
        EXPECT_EQ(_missiles[i].progress, 10);
    }
    EXPECT_NE(_missiles[0].to_x, _missiles[1].to_x);
}
