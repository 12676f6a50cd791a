#include "combat/End_Of_Combat.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "STU_Log.h"
#include "cities/City_Records.h"
#include "combat/City_Aftermath.h"
#include "combat/Combat_AI_Measures.h"
#include "combat/Combat_Entry.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Tables.h"
#include "combat/Retreat.h"
#include "combat/Strategic_Combat.h"
#include "random.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/End_Of_Turn.h"
#include "turn/Relations.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/Items.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr uint8_t REALM_RACE = 20;
constexpr uint8_t ORDINARY_RACES = 15;
constexpr int16_t EXPERIENCED_TYPE = 34;
constexpr int16_t BIG_KILL_COST = 600;
constexpr int16_t GUARD_TYPE_NONE = 156;
constexpr int16_t GUARD_TYPE_UNDEAD_FLOOR = 153;
constexpr uint8_t LAIR_COUNT_MASK = 0x0F;
constexpr uint16_t RAMPAGE_MARK = 0x0001;
constexpr int16_t REASON_CITY_ATTACKED = 8;
constexpr int CITY_BUILDING_CHANCE_MAX = 75;
constexpr int CITY_POPULATION_CHANCE_MAX = 50;
constexpr uint16_t FAME_MAX = 65535;

bool Is_Wizard(int16_t p) { return p >= 0 && p < _num_players && p < NUM_PLAYERS; }
bool Is_Player(int16_t p) { return p >= 0 && p < NUM_PLAYERS; }
bool Unit_Index_Valid(int16_t u) { return u >= 0 && u < _units && u < UNIT_TABLE_CAPACITY; }

// Fame is an unsigned word: it stops at 0 and at its top.
void Fame_Change(int16_t player, int delta)
{
    if (!Is_Player(player)) return;
    int fame = (uint16_t)_players[player].fame;
    fame += delta;
    fame = fame < 0 ? 0 : fame > FAME_MAX ? FAME_MAX : fame;
    _players[player].fame = (int16_t)(uint16_t)fame;
    if (player == HUMAN_PLAYER_IDX) {
        const int shown = GUI_Multipurpose_Int + delta;
        GUI_Multipurpose_Int = (int16_t)(shown > 32767 ? 32767 : shown < -32768 ? -32768 : shown);
    }
}

void Gold_Fall(int16_t player, int16_t amount)
{
    if (!Is_Player(player) || amount <= 0) return;
    const int gold = _players[player].gold_reserve - amount;
    _players[player].gold_reserve = (int16_t)(gold < 0 ? 0 : gold);
}

int16_t Other_Side(int16_t owner)
{
    return owner == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

int Overland_Hero_Slot(const Battle_Unit_Record &bu)
{
    return Unit_Index_Valid(bu.unit_idx) ? _UNITS[bu.unit_idx].Hero_Slot : -1;
}

void Move_To_Battle_Square(Unit_Record &unit)
{
    unit.wx = (uint8_t)_combat_wx;
    unit.wy = (uint8_t)_combat_wy;
    unit.wp = (uint8_t)_combat_wp;
}

// The dead of other sides rise as undead, and with Zombie Mastery the ordinary dead as zombies, while
// the winner's army has room.
void Raise_The_Dead(int16_t winner, int &army, int &pool, int &risen, int &zombies)
{
    if (!Is_Player(winner)) return;
    const bool mastery = Is_Wizard(winner) && _players[winner].Globals[ge_Zombie_Mastery] != 0;
    for (int i = 0; i < _combat_total_unit_count && army < COMBAT_ARMY_MAX; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (!Unit_Index_Valid(bu.unit_idx)) continue;
        Unit_Record &unit = _UNITS[bu.unit_idx];
        const int slot = Overland_Hero_Slot(bu);
        if (bu.owner_idx != winner && bu.Status == bus_Drained && bu.race != REALM_RACE && slot == -1) {
            bu.Cur_Figures = bu.Max_Figures;
            bu.Front_Figure_Damage = 0;
            Move_To_Battle_Square(unit);
            unit.owner_idx = (int8_t)winner;
            unit.mutations |= UM_UNDEAD;
            bu.owner_idx = (int8_t)winner;
            bu.Status = bus_Fighting;
            risen++, army++, pool += 2;
        } else if (mastery && bu.Status == bus_Dead && bu.race < ORDINARY_RACES && slot == -1) {
            const bool own = bu.owner_idx == winner;
            unit.type = (uint8_t)ZOMBIE_UNIT_TYPE;
            unit.XP = 0;
            unit.Level = 0;
            unit.Damage = 0;
            unit.owner_idx = (int8_t)winner;
            Move_To_Battle_Square(unit);
            Load_Battle_Unit(bu.unit_idx, &bu);
            bu.Cur_Figures = bu.Max_Figures = _unit_type_table[ZOMBIE_UNIT_TYPE].Figures;
            bu.Front_Figure_Damage = 0;
            bu.owner_idx = (int8_t)winner;
            bu.Status = bus_Fighting;
            zombies++, army++;
            if (!own) pool += 2;
        }
    }
}

// The captured city: destroyed or kept, its gold and fame. Only when the attacker won it.
void City_Taken(int16_t winner, int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    const int16_t defender = _combat_defender_player;
    if (Is_Wizard(defender) && defender != NEUTRAL_PLAYER_IDX) Fame_Change(defender, -city.size);
    if (city.population == 0) {
        destroy_combat_city = 1;
    } else if (winner == HUMAN_PLAYER_IDX) {
        if (magic_set.words[GS_RAZE_CITY] != 0 &&
            Combat_Raze_City_Prompt("Do you wish to completely destroy this city?") == 0) {
            destroy_combat_city = 1;
        }
    } else if (winner >= 1 && winner < _num_players && winner < NUM_PLAYERS) {
        destroy_combat_city = Raze_Check(winner, city_idx);
    }
    const int16_t owner = city.owner_idx;
    if (destroy_combat_city == 0) {
        const int gain = city.size - 2;
        if (gain > 0) Fame_Change(winner, gain);
        combat_results_gold = City_Gold(city_idx);
        if (Is_Wizard(winner)) Player_Add_Gold(winner, combat_results_gold);
        if (Is_Wizard(owner)) Gold_Fall(defender, combat_results_gold);
    } else {
        Fame_Change(winner, -city.size);
        combat_results_gold = City_Gold(city_idx);
        if (Is_Wizard(owner)) Gold_Fall(defender, combat_results_gold);
        const int total = combat_results_gold + City_Building_Value(city_idx);
        combat_results_gold = (int16_t)(total > 32767 ? 32767 : total);
        if (Is_Wizard(winner)) Player_Add_Gold(winner, combat_results_gold);
    }
}

// People and buildings the battle cost the city.
void City_Losses(int16_t winner, int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    const int16_t attacker = _combat_attacker_player;
    const bool attacker_won = winner == attacker && winner != COMBAT_NOBODY;
    int chance = 2 * _combat_city_damage;
    if (attacker_won) {
        if (attacker == NEUTRAL_PLAYER_IDX) {
            int first = -1;
            for (int i = 0; i < _combat_total_unit_count; i++) {
                if (battle_units[i].owner_idx == NEUTRAL_PLAYER_IDX) {
                    first = i;
                    break;
                }
            }
            if (first >= 0 && (battle_units[first].Abilities & RAMPAGE_MARK) != 0) {
                chance += 50;
                _active_battle_unit = Rampage_Combat_City();
            } else {
                _active_battle_unit = RAMPAGE_RAIDERS;
            }
        } else {
            chance += 10;
        }
    }
    if (chance > CITY_POPULATION_CHANCE_MAX) chance = CITY_POPULATION_CHANCE_MAX;
    int lost = 0;
    for (int k = 0; k < city.population - 1; k++) {
        if (RANDOM(100) <= chance) lost++;
    }
    int building_chance = _combat_city_damage;
    if (attacker_won) building_chance += attacker == NEUTRAL_PLAYER_IDX ? 50 : 10;
    if (building_chance > CITY_BUILDING_CHANCE_MAX) building_chance = CITY_BUILDING_CHANCE_MAX;
    memset(combat_results_lost_buildings, 0, sizeof(combat_results_lost_buildings));
    if (_active_battle_unit != RAMPAGE_RUINS) {
        Apply_Damage_To_City(city_idx, (int16_t)lost, (int16_t)building_chance, combat_results_lost_buildings);
    }
    if (winner != _combat_defender_player) City_Delete_Building_Complete_Messages(city_idx);
    int16_t buildings = 0;
    for (int16_t b : combat_results_lost_buildings) buildings += b > 0 ? 1 : 0;
    combat_results_buildings_lost = buildings;
    combat_results_population_lost = (int16_t)lost;
}

// A gone unit: experience, anger, its hero's items and fame, then the unit itself.
void Unit_Gone(Battle_Unit_Record &bu, int16_t winner, int16_t *item_count, int16_t *item_list, int &pool,
               int &big_kill, int &anger)
{
    if (!Unit_Index_Valid(bu.unit_idx)) return;
    Unit_Record &unit = _UNITS[bu.unit_idx];
    const int16_t owner = unit.owner_idx;
    if (bu.owner_idx != winner) {
        pool += 2;
        if (_unit_type_table[unit.type].cost >= BIG_KILL_COST) big_kill = 1;
    }
    const bool hero = unit.Hero_Slot >= 0 && unit.Hero_Slot < NUM_HERO_SLOTS && Is_Player(owner);
    if (bu.owner_idx == _combat_defender_player && unit.wp != COMBAT_GONE_PLANE) {
        anger += hero ? 20 : RANDOM(20);
        if (bu.Construction > 0 || (bu.Abilities & UA_CREATEOUTPOST) != 0) anger += RANDOM(10);
    }
    if (hero) {
        Hero_Slot_Record &slot = _players[owner].Heroes[unit.Hero_Slot];
        for (int16_t &item : slot.Items) {
            if (item < 0) continue;
            if (bu.Status == bus_Destroyed || *item_count >= COMBAT_ITEM_LIST_MAX) {
                Remove_Item(item);
            } else {
                item_list[(*item_count)++] = item;
            }
            item = -1;
        }
        if (bu.owner_idx != winner) Fame_Change(owner, -((unit.Level + 1) / 2));
    }
    const bool undead = (unit.mutations & UM_UNDEAD) != 0;
    Kill_Unit(bu.unit_idx, (bu.Status == bus_Destroyed || undead) ? kum_Hero_Leaves : kum_Plain);
}

// A survivor carries its damage home and has no moves left.
void Unit_Survives(Battle_Unit_Record &bu)
{
    if (!Unit_Index_Valid(bu.unit_idx)) return;
    bu.Extra_Hits = 0;
    bu.Combat_Enchantments = 0;
    const int h = Battle_Unit_Hit_Points(&bu);
    int top = bu.Front_Figure_Damage - (bu.Hits - h);
    if (top < 0) top = 0;
    bu.Front_Figure_Damage = (uint8_t)top;
    Unit_Record &unit = _UNITS[bu.unit_idx];
    const int damage = (bu.Max_Figures - bu.Cur_Figures) * h + top;
    unit.Damage = (int8_t)(damage > 127 ? 127 : damage < 0 ? 0 : damage);
    unit.moves2 = 0;
}

void Undead_Messages(int16_t winner, int risen, int zombies)
{
    if (zombies > 0) {
        snprintf(GUI_NearMsgString, sizeof GUI_NearMsgString, "%d%s been transformed into zombies.", zombies,
                 zombies == 1 ? " unit has" : " units have");
        STU_LOG(SEV_INFO, LC_COMBAT, "%s", GUI_NearMsgString);
        Combat_Undead_Animation(ZOMBIE_UNIT_TYPE);
    }
    if (risen > 0) {
        const char *serve = risen == 1 ? " unit rises from the dead to serve " : " units rise from the dead to serve ";
        char whom[40];
        if (winner == HUMAN_PLAYER_IDX) {
            snprintf(whom, sizeof whom, "you.");
        } else if (winner == NEUTRAL_PLAYER_IDX || !Is_Player(winner)) {
            snprintf(whom, sizeof whom, "%s", risen == 1 ? " its creator." : " their creator.");
        } else {
            snprintf(whom, sizeof whom, "%.20s.", _players[winner].name);
        }
        snprintf(GUI_NearMsgString, sizeof GUI_NearMsgString, "%d%s%s", risen, serve, whom);
        STU_LOG(SEV_INFO, LC_COMBAT, "%s", GUI_NearMsgString);
        Combat_Undead_Animation(Find_Undead_Creator_Type(winner));
    }
}

}  // namespace

void End_Of_Combat(int16_t winner, int16_t *item_count, int16_t *item_list, int16_t code)
{
    combat_results_scroll_message = code;
    combat_results_population_lost = 0;
    combat_results_buildings_lost = 0;
    combat_results_gold = 0;
    *item_count = 0;
    const int16_t attacker = _combat_attacker_player;
    const int16_t defender = _combat_defender_player;
    const bool human = attacker == HUMAN_PLAYER_IDX || defender == HUMAN_PLAYER_IDX;
    Lair_Record *lair = (_combat_environ == cenv_Lair && _LAIRS != nullptr && _combat_environ_idx >= 0 &&
                         _combat_environ_idx < NUM_LAIRS)
                            ? &_LAIRS[_combat_environ_idx]
                            : nullptr;
    const bool city_battle = _combat_environ == cenv_City && _combat_environ_idx >= 0 &&
                             _combat_environ_idx < _cities && _combat_environ_idx < NUM_CITIES;
    bool guard2_was_empty = false;
    if (lair != nullptr) {
        guard2_was_empty = (lair->guard2_count & LAIR_COUNT_MASK) == 0;
        lair->guard1_count &= (uint8_t)~LAIR_COUNT_MASK;
        lair->guard2_count &= (uint8_t)~LAIR_COUNT_MASK;
    }

    int army = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        const bool valid = Unit_Index_Valid(bu.unit_idx);
        if ((bu.Curses & BUC_CONFUSION) != 0) {
            if (valid && _UNITS[bu.unit_idx].owner_idx == winner) {
                bu.owner_idx = (int8_t)winner;
            } else {
                bu.Status = bus_Dead;
            }
        }
        if (bu.Status == bus_Not_Deployed) bu.Status = bu.owner_idx == winner ? bus_Fighting : bus_Dead;
        if ((bu.Curses & (BUC_CREATURE_BINDING | BUC_POSESSION)) != 0) {
            if (bu.owner_idx == winner) {
                bu.Status = bus_Destroyed;
            } else {
                bu.owner_idx = (int8_t)Other_Side(bu.owner_idx);
            }
        }
        const bool regenerates =
            (bu.Abilities & UA_REGENERATION) != 0 || (Battle_Unit_Enchantments(&bu) & UE_REGENERATE) != 0;
        if (regenerates && bu.Status < bus_Drained) {
            if (bu.owner_idx == winner) bu.Status = bus_Fighting;
            bu.Cur_Figures = bu.Max_Figures;
            bu.Front_Figure_Damage = 0;
        }
        if (bu.Status == bus_Recalled && valid) {
            Unit_Record &unit = _UNITS[bu.unit_idx];
            const int16_t owner = unit.owner_idx;
            if (Is_Player(owner)) {
                unit.wx = (uint8_t)_players[owner].summon_wx;
                unit.wy = (uint8_t)_players[owner].summon_wy;
                unit.wp = (uint8_t)_players[owner].summon_wp;
            }
            unit.Finished = 1;
            Evict_Weakest_Unit(bu.unit_idx);
            bu.Status = bus_Fighting;
            if (owner == winner && owner == attacker) unit.owner_idx = COMBAT_OWNER_AT_SUMMONING_SQUARE;
        }
        if (bu.owner_idx == winner && bu.Status == bus_Fighting) army++;
    }

    Retreat_From_Combat(winner);
    GUI_Multipurpose_Int = 0;

    int pool = 0, risen = 0, zombies = 0, big_kill = 0, anger = 0;
    Raise_The_Dead(winner, army, pool, risen, zombies);

    if (city_battle) {
        const int16_t city_idx = _combat_environ_idx;
        if (winner == attacker && winner != COMBAT_NOBODY) City_Taken(winner, city_idx);
        if (_CITIES[city_idx].population > 0) City_Losses(winner, city_idx);
    }

    bool guard2_filled = false;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (lair != nullptr && winner == NEUTRAL_PLAYER_IDX && bu.owner_idx == NEUTRAL_PLAYER_IDX &&
            bu.Status == bus_Fighting && Unit_Index_Valid(bu.unit_idx)) {
            const uint8_t type = _UNITS[bu.unit_idx].type;
            if (type == lair->guard1_unit_type) {
                lair->guard1_count = (uint8_t)((lair->guard1_count & ~LAIR_COUNT_MASK) |
                                               (((lair->guard1_count & LAIR_COUNT_MASK) + 1) & LAIR_COUNT_MASK));
            } else if (type == lair->guard2_unit_type) {
                lair->guard2_count = (uint8_t)((lair->guard2_count & ~LAIR_COUNT_MASK) |
                                               (((lair->guard2_count & LAIR_COUNT_MASK) + 1) & LAIR_COUNT_MASK));
            } else if (guard2_was_empty && !guard2_filled) {
                guard2_filled = true;
                lair->guard2_unit_type = type;
                lair->guard2_count = (uint8_t)(lair->guard2_count + 17);
            }
            bu.Status = bus_Dead;
        }
        const bool on_gone_plane = Unit_Index_Valid(bu.unit_idx) && _UNITS[bu.unit_idx].wp == COMBAT_GONE_PLANE;
        const bool neutral_away =
            bu.owner_idx == NEUTRAL_PLAYER_IDX &&
            (_combat_environ == cenv_Lair || (_combat_environ == cenv_City && (bu.Abilities & RAMPAGE_MARK) != 0));
        if (bu.Status > bus_Fighting || on_gone_plane || neutral_away) {
            Unit_Gone(bu, winner, item_count, item_list, pool, big_kill, anger);
        } else {
            Unit_Survives(bu);
        }
    }

    if (Is_Wizard(defender) && defender != HUMAN_PLAYER_IDX && defender != NEUTRAL_PLAYER_IDX && Is_Player(attacker) &&
        attacker != NEUTRAL_PLAYER_IDX && anger != 0) {
        Change_Relations((int16_t) - (anger > 32767 ? 32767 : anger), attacker, defender, REASON_CITY_ATTACKED, 0, 0);
    }
    if (lair != nullptr && winner == NEUTRAL_PLAYER_IDX) {
        if ((lair->guard1_count & LAIR_COUNT_MASK) == 0 && (lair->guard2_count & LAIR_COUNT_MASK) != 0) {
            lair->guard1_unit_type = lair->guard2_unit_type;
            lair->guard1_count = lair->guard2_count;
            lair->guard2_unit_type = (uint8_t)GUARD_TYPE_NONE;
            lair->guard2_count = 0;
        }
        if (risen > 0 && lair->guard1_unit_type > GUARD_TYPE_UNDEAD_FLOOR &&
            lair->guard2_unit_type > GUARD_TYPE_UNDEAD_FLOOR) {
            risen = 0;
        }
    }
    if (winner != NEUTRAL_PLAYER_IDX && Is_Player(winner)) {
        if (pool > COMBAT_FAME_POOL_FLOOR) {
            if (winner < NEUTRAL_PLAYER_IDX) Fame_Change(winner, 1);
            const int16_t loser = winner == attacker ? defender : attacker;
            if (loser >= 0 && loser < NEUTRAL_PLAYER_IDX && (uint16_t)_players[loser].fame >= 21)
                Fame_Change(loser, -1);
        }
        if (big_kill) Fame_Change(winner, big_kill);
    }
    if (human) Combat_Show_Results();
    if (Is_Player(winner)) {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            const Battle_Unit_Record &bu = battle_units[i];
            if (bu.owner_idx != winner || bu.Status != bus_Fighting || !Unit_Index_Valid(bu.unit_idx)) continue;
            Unit_Record &unit = _UNITS[bu.unit_idx];
            if (bu.race < ORDINARY_RACES || unit.type == EXPERIENCED_TYPE) {
                const int xp = unit.XP + pool;
                unit.XP = (int16_t)(xp > 32767 ? 32767 : xp);
            }
        }
    }
    if (human) Undead_Messages(winner, risen, zombies);
    if (attacker != HUMAN_PLAYER_IDX) Combat_Busy_Mouse();
}

void Apply_Mana_Leak(void)
{
    const bool on_defender = combat_enchantments[26] > 0;
    const bool on_attacker = combat_enchantments[27] > 0;
    if (!on_defender && !on_attacker) return;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) continue;
        const bool victim = (on_defender && bu.owner_idx == _combat_defender_player) ||
                            (on_attacker && bu.owner_idx == _combat_attacker_player);
        if (!victim) continue;
        bu.Mana_Left = (uint8_t)(bu.Mana_Left > 4 ? bu.Mana_Left - 5 : 0);
        const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
        if (kind >= 30 && kind < 40) {
            if (bu.Ammo > 0) bu.Ammo--;
            if (bu.Ammo == 0 && bu.Mana_Left < 3) {
                bu.Ranged_Type = (uint8_t)rk_None;
                bu.Ranged = 0;
            }
        }
    }
    for (int16_t p :
         {on_defender ? _combat_defender_player : (int16_t)-1, on_attacker ? _combat_attacker_player : (int16_t)-1}) {
        if (!Is_Wizard(p) || p == NEUTRAL_PLAYER_IDX) continue;
        const int mana = _players[p].mana_reserve - 5;
        _players[p].mana_reserve = (int16_t)(mana < 0 ? 0 : mana);
    }
}

void Add_City_Damage_From_Battle_Units_Within(void)
{
    if (_combat_environ != cenv_City) return;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status == bus_Fighting && bu.owner_idx == _combat_attacker_player && Battle_Unit_Is_Within_City(&bu)) {
            if (_combat_city_damage < 32767) _combat_city_damage++;
        }
    }
}
