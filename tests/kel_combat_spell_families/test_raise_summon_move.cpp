#include "../kel_combat_turn/Turn_Fixture.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Moving_Spells.h"
#include "combat/Combat_Raise_Summon.h"
#include "combat/Combat_Spell_Effects.h"

using RaiseSummonMove = Turn_Test;

namespace {

constexpr int OTHER_TYPE = 41;

}  // namespace

TEST_F(RaiseSummonMove, RaiseDeadBringsBackHalfTheFiguresOrOneHalfHurtFigure)
{
    struct Case {
        uint8_t figures;
        uint8_t hits;
        int figures_back;
        int front_damage;
    } cases[] = {{1, 4, 1, 2}, {6, 2, 3, 0}, {5, 3, 2, 0}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &dead = Fighter(0, 0, 12, 10);
        _unit_type_table[FOOT_TYPE].Figures = c.figures;
        _unit_type_table[FOOT_TYPE].Hits = c.hits;
        dead.Hits = c.hits;
        dead.Status = bus_Dead;
        dead.Cur_Figures = 0;
        dead.Curses = BUC_WEB;
        dead.Combat_Enchantments = UE_FLIGHT;
        Cast_Raise_Dead(0, COMBAT_CASTER_WIZARD, 12, 11);
        EXPECT_EQ(dead.Status, bus_Fighting);
        EXPECT_EQ(dead.Cur_Figures, c.figures_back) << (int)c.figures << " figures";
        EXPECT_EQ(dead.Front_Figure_Damage, c.front_damage) << (int)c.figures << " figures";
        EXPECT_EQ(dead.Curses, 0);
        EXPECT_EQ(dead.Combat_Enchantments, 0u);
        EXPECT_EQ(dead.Grid_X, 12);
        EXPECT_EQ(dead.Grid_Y, 11);
    }
}

TEST_F(RaiseSummonMove, AnimateDeadTakesNoHeroNoDeathCreatureAndAnImmuneEnemyOnlyIfItWasTheCasters)
{
    struct Case {
        const char *what;
        int owner;
        bool hero;
        uint8_t race;
        uint16_t immunities;
        bool taken;
    } cases[] = {
        {"enemy", 1, false, 0, 0, true},
        {"hero", 1, true, 0, 0, false},
        {"Death creature", 1, false, 20, 0, false},
        {"immune enemy", 1, false, 0, UI_MAGIC_IMMUNITY, false},
        {"immune own", 0, false, 0, UI_MAGIC_IMMUNITY, true},
    };
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &dead = Fighter(0, c.owner, 5, 5);
        if (c.hero) _UNITS[dead.unit_idx].Hero_Slot = 0;
        dead.race = c.race;
        dead.Attribs_1 = c.immunities;
        dead.Status = bus_Dead;
        dead.Cur_Figures = 0;
        Cast_Animate_Dead(0, COMBAT_CASTER_WIZARD);
        EXPECT_EQ(dead.Status == bus_Fighting, c.taken) << c.what;
        if (c.taken) {
            EXPECT_EQ(dead.owner_idx, 0) << c.what;
            EXPECT_EQ(dead.Cur_Figures, 4) << c.what;
            EXPECT_NE(_UNITS[dead.unit_idx].mutations & UM_UNDEAD, 0) << c.what;
            EXPECT_GE(dead.Grid_X, 11) << c.what;  // the caster attacks
            EXPECT_LE(dead.Grid_X, 13) << c.what;
        }
    }
}

TEST_F(RaiseSummonMove, ASummonsWithThirtySixBattleUnitsLeavesNoStrayUnit)
{
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) Fighter(i, i % 2, i % 20, i / 20);
    const int16_t units = _units;
    EXPECT_EQ(Combat_Summon_Creature(OTHER_TYPE, 0, 12, 10, 30, COMBAT_CASTER_WIZARD), -1);
    EXPECT_EQ(_units, units);
    // A conjured creature that is gone frees its slot.
    Battle_Unit_Record &gone = battle_units[7];
    gone.Status = bus_Dead;
    _UNITS[gone.unit_idx].wp = (uint8_t)COMBAT_GONE_PLANE;
    EXPECT_EQ(Combat_Summon_Creature(OTHER_TYPE, 0, 12, 10, 30, COMBAT_CASTER_WIZARD), 7);
    EXPECT_EQ(_units, units + 1);
    EXPECT_EQ(battle_units[7].Status, bus_Fighting);
    EXPECT_EQ(battle_units[7].unit_idx, units);
}

TEST_F(RaiseSummonMove, DefenderSummonsLandInColumnsEightToTenRowsNineToEleven)
{
    struct Case {
        int16_t player;
        int16_t first_x;
    } cases[] = {{1, 8}, {0, 11}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        for (int i = 0; i < 50; i++) {
            int16_t x = -1, y = -1;
            ASSERT_EQ(Combat_Free_Summon_Cell(c.player, &x, &y), 1);
            EXPECT_GE(x, c.first_x);
            EXPECT_LE(x, c.first_x + 2);
            EXPECT_GE(y, 9);
            EXPECT_LE(y, 11);
        }
        // Eight of the nine cells taken: the free one is found; all nine: none.
        int slot = 0;
        for (int16_t y = 9; y <= 11; y++) {
            for (int16_t x = c.first_x; x < c.first_x + 3; x++) {
                if (x == c.first_x + 2 && y == 11) continue;
                Battle_Unit_Record &bu = Unit(slot++, c.player);
                bu.Grid_X = x, bu.Grid_Y = y;
            }
        }
        int16_t x = -1, y = -1;
        ASSERT_EQ(Combat_Free_Summon_Cell(c.player, &x, &y), 1);
        EXPECT_EQ(x, c.first_x + 2);
        EXPECT_EQ(y, 11);
        Battle_Unit_Record &last = Unit(slot, c.player);
        last.Grid_X = x, last.Grid_Y = y;
        EXPECT_EQ(Combat_Free_Summon_Cell(c.player, &x, &y), 0);
    }
}

TEST_F(RaiseSummonMove, TeleportAndTunnelMoveTheUnitAndItsFacingCellAlike)
{
    for (int tunnel = 0; tunnel < 2; tunnel++) {
        Combat_Tables_Reset();
        Battle_Unit_Record &bu = Unit(0, 0);
        bu.Grid_X = 10, bu.Grid_Y = 10;
        bu.Target_X = 9, bu.Target_Y = 11;
        if (tunnel) {
            Battle_Unit_Tunnel(&bu, 13, 8);
        } else {
            Battle_Unit_Teleport(&bu, 13, 8);
        }
        EXPECT_EQ(bu.Grid_X, 13);
        EXPECT_EQ(bu.Grid_Y, 8);
        EXPECT_EQ(bu.Target_X, 12);
        EXPECT_EQ(bu.Target_Y, 9);
        EXPECT_EQ(bu.Status, bus_Fighting);
    }
}

TEST_F(RaiseSummonMove, WallOfStoneRaisesEverySection)
{
    Wall_Rise(SPELL_WALL_OF_STONE, COMBAT_CASTER_WIZARD);
    EXPECT_EQ(battlefield->walls, 1);
    for (auto &row : battlefield->wall_sections) {
        for (int16_t s : row) EXPECT_EQ(s, WALL_SECTION_STANDING);
    }
    Wall_Rise(SPELL_WALL_OF_FIRE, COMBAT_CASTER_WIZARD);
    EXPECT_EQ(battlefield->wall_of_fire, 1);
    EXPECT_EQ(battlefield->wall_of_darkness, 0);
    EXPECT_EQ(_wall_rise_on, 0);
}
