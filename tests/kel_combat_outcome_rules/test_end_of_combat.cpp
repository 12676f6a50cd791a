// The end of combat and flight: items of fallen heroes, the undead, experience and fame, and the
// fleeing units with their loss message.
#include "Outcome_Fixture.h"
#include "combat/End_Of_Combat.h"
#include "combat/Retreat.h"
#include "combat/Strategic_Combat.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"

namespace {

class EndOfCombat : public Outcome_Test {};
class Retreat : public Outcome_Test {};

TEST_F(EndOfCombat, TheNineteenthItemOfFallenHeroesIsDestroyed)
{
    int16_t next_item = 1;
    std::vector<int16_t> heroes;
    for (int k = 0; k < 7; k++) {
        int16_t u = 0;
        const int owner = k < 6 ? 0 : 1;
        Battle_Unit_Record &bu = Loaded(owner, &u);
        bu.Status = bus_Dead;
        Make_Hero(u, owner, k < 6 ? k : 0, next_item);
        heroes.push_back(u);
    }
    int16_t items[COMBAT_ITEM_LIST_MAX + 4];
    for (int16_t &i : items) i = -7;
    int16_t count = 0;
    End_Of_Combat(COMBAT_NOBODY, &count, items, crc_Auto_Lost);
    EXPECT_EQ(count, COMBAT_ITEM_LIST_MAX);
    EXPECT_EQ(items[COMBAT_ITEM_LIST_MAX], -7);  // nothing written past the list
    for (int i = 0; i < COMBAT_ITEM_LIST_MAX; i++) EXPECT_EQ(items[i], i + 1);
    for (int i = 19; i <= 21; i++) EXPECT_EQ(_ITEMS[i].cost, 0) << "item " << i;
    for (int i = 1; i <= 18; i++) EXPECT_EQ(_ITEMS[i].cost, 100) << "item " << i;
    for (int16_t u : heroes) EXPECT_EQ(_UNITS[u].owner_idx, -1);
}

TEST_F(EndOfCombat, NobodyWinningMakesNoZombiesNoFameNoExperience)
{
    _players[0].Globals[ge_Zombie_Mastery] = 1;
    _players[0].fame = 30;
    _players[1].fame = 30;
    for (int k = 0; k < 6; k++) Loaded(k % 2).Status = bus_Dead;
    Battle_Unit_Record &drained = Loaded(1);
    drained.Status = bus_Drained;
    int16_t items[COMBAT_ITEM_LIST_MAX], count = 0;
    End_Of_Combat(COMBAT_NOBODY, &count, items, crc_Auto_Lost);
    for (int i = 0; i < _combat_total_unit_count; i++) {
        EXPECT_EQ(_UNITS[battle_units[i].unit_idx].owner_idx, -1) << "unit " << i;
    }
    EXPECT_EQ(_players[0].fame, 30);
    EXPECT_EQ(_players[1].fame, 30);
}

TEST_F(EndOfCombat, TheUndeadRiseOnlyUntilTheWinnersArmyHoldsNine)
{
    for (int k = 0; k < 5; k++) Loaded(0);
    std::vector<int16_t> fallen;
    for (int k = 0; k < 6; k++) {
        int16_t u = 0;
        Loaded(1, &u).Status = bus_Drained;
        fallen.push_back(u);
    }
    int16_t items[COMBAT_ITEM_LIST_MAX], count = 0;
    End_Of_Combat(0, &count, items, crc_Auto_Won);
    int risen = 0, gone = 0;
    for (int16_t u : fallen) {
        if (_UNITS[u].owner_idx == 0) {
            risen++;
            EXPECT_NE(_UNITS[u].mutations & UM_UNDEAD, 0);
            EXPECT_EQ(_UNITS[u].wx, _combat_wx);
        } else {
            gone++;
        }
    }
    EXPECT_EQ(risen, 4);
    EXPECT_EQ(gone, 2);
    EXPECT_STREQ(GUI_NearMsgString, "4 units rise from the dead to serve you.");
}

TEST_F(EndOfCombat, SurvivorsGainTwoExperiencePerFallenEnemyAndCarryTheirDamage)
{
    int16_t a = 0, b = 0;
    Battle_Unit_Record &hurt = Loaded(0, &a);
    hurt.Cur_Figures = (uint8_t)(hurt.Max_Figures - 1);
    hurt.Front_Figure_Damage = 0;
    Loaded(0, &b);
    for (int k = 0; k < 5; k++) Loaded(1).Status = bus_Dead;
    _players[0].fame = 10;
    int16_t items[COMBAT_ITEM_LIST_MAX], count = 0;
    End_Of_Combat(0, &count, items, crc_Auto_Won);
    EXPECT_EQ(_UNITS[a].XP, 10);
    EXPECT_EQ(_UNITS[b].XP, 10);
    EXPECT_EQ(_UNITS[a].Damage, Battle_Unit_Hit_Points(&hurt));
    EXPECT_EQ(_UNITS[b].Damage, 0);
    EXPECT_EQ(_players[0].fame, 11);  // a pool above 7 is worth a point of fame
}

TEST_F(EndOfCombat, ARegeneratingLoserStaysDeadWithItsFiguresBack)
{
    Loaded(0);
    int16_t u = 0;
    Battle_Unit_Record &troll = Loaded(1, &u);
    troll.Abilities |= UA_REGENERATION;
    troll.Status = bus_Dead;
    troll.Cur_Figures = 0;
    int16_t items[COMBAT_ITEM_LIST_MAX], count = 0;
    End_Of_Combat(0, &count, items, crc_Auto_Won);
    EXPECT_EQ(_UNITS[u].owner_idx, -1);
    EXPECT_EQ(troll.Cur_Figures, troll.Max_Figures);
}

TEST_F(EndOfCombat, ManaLeakDrainsTheVictimSideAndItsWizard)
{
    Battle_Unit_Record &ours = Loaded(0);
    Battle_Unit_Record &theirs = Loaded(1);
    ours.Mana_Left = theirs.Mana_Left = 7;
    _players[0].mana_reserve = 3;
    _players[1].mana_reserve = 20;
    combat_enchantments[26] = 1;  // on the defender's side
    Apply_Mana_Leak();
    EXPECT_EQ(ours.Mana_Left, 7);
    EXPECT_EQ(theirs.Mana_Left, 2);
    EXPECT_EQ(_players[0].mana_reserve, 3);
    EXPECT_EQ(_players[1].mana_reserve, 15);
}

TEST_F(Retreat, TheLossMessageCountsTypesInOrderOfFirstAppearance)
{
    _unit_type_names[50] = "Spearmen";
    _unit_type_names[51] = "Halberdiers";
    _unit_type_names[8] = "Priests";
    struct Case {
        std::vector<int16_t> types;
        const char *text;
    };
    const Case cases[] = {
        {{50, 50, 51}, "While fleeing you lost:2 Spearmen and 1 Halberdier."},
        {{51, 50, 8}, "While fleeing you lost:1 Halberdier, 1 Spearmen and 1 Priests."},
        {{}, ""},
    };
    for (const Case &c : cases) {
        Build_Flee_Loss_Message((int16_t)c.types.size(), c.types.data());
        EXPECT_STREQ(GUI_NearMsgString, c.text);
    }
}

TEST_F(Retreat, AnEasyHumanAttackerKeepsItsFleeingUnitsButNotTheSleepers)
{
    _difficulty = 1;
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    Loaded(1);
    std::vector<int16_t> fleeing;
    for (int k = 0; k < 4; k++) {
        int16_t u = 0;
        Loaded(0, &u).Status = bus_Fled;
        fleeing.push_back(u);
    }
    battle_units[4].Curses = BUC_BLACK_SLEEP;
    _unit_type_names[FOOT_TYPE] = "Swordsmen";
    Retreat_From_Combat(1);
    for (int k = 1; k <= 3; k++) EXPECT_EQ(battle_units[k].Status, bus_Fighting) << k;
    EXPECT_EQ(battle_units[4].Status, bus_Fled);
    EXPECT_STREQ(GUI_NearMsgString, "While fleeing you lost:1 Swordsmen.");
}

TEST_F(Retreat, ADefenderWithNowhereToGoLosesEveryFleeingUnit)
{
    _difficulty = 3;
    _combat_attacker_player = 0;
    _combat_defender_player = 1;
    Loaded(0);
    for (int k = 0; k < 3; k++) Loaded(1).Status = bus_Fled;
    // Every square around the battle holds a unit of the attacker.
    for (int dy = -1; dy <= 1; dy++) {
        for (int dx = -1; dx <= 1; dx++) {
            if (dx == 0 && dy == 0) continue;
            const int16_t u = Overland_Unit(0);
            _UNITS[u].wx = (uint8_t)(_combat_wx + dx);
            _UNITS[u].wy = (uint8_t)(_combat_wy + dy);
        }
    }
    Retreat_From_Combat(0);
    for (int k = 1; k <= 3; k++) EXPECT_EQ(battle_units[k].Status, bus_Dead) << k;
    EXPECT_EQ(strncmp(GUI_NearMsgString, "While fleeing you lost:3 ", 25), 0) << GUI_NearMsgString;
}

}  // namespace
