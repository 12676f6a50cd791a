#include "combat/Combat_Entry.h"

#include <cstdio>

#include "STU_Log.h"
#include "cities/City_Records.h"
#include "combat/City_Aftermath.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Tables.h"
#include "combat/End_Of_Combat.h"
#include "combat/Strategic_Combat.h"
#include "heroes/Item_Making.h"
#include "random.h"
#include "turn/End_Of_Turn.h"
#include "turn/Relations.h"
#include "turn/Treaties.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/City_Record.h"
#include "world/City_Record_Operations.h"
#include "world/Game_Settings.h"
#include "world/Items.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

int16_t destroy_combat_city = 0;

namespace {

constexpr int GUARDIANS_MAX = 9;
constexpr int16_t PLAIN_UNIT = 2000;
constexpr int16_t GUARD_MUTATION_TYPE_LIMIT = 154;
constexpr int GS_STRATEGIC_COMBAT_ONLY = 10;
constexpr uint8_t TREATY_PACT = 1;
constexpr uint8_t TREATY_ALLIANCE = 2;
constexpr int16_t REASON_TREATY_BROKEN = 5;
constexpr int16_t REASON_CITY = 9;
constexpr int16_t PRODUCTION_CHOOSE_AGAIN = -4;
constexpr uint8_t LAIR_COUNT_MASK = 0x0F;

bool Is_Wizard(int16_t p) { return p >= 0 && p < _num_players && p < NUM_PLAYERS; }
bool Is_Player(int16_t p) { return p >= 0 && p < NUM_PLAYERS; }
bool Unit_Index_Valid(int16_t u) { return u >= 0 && u < _units && u < UNIT_TABLE_CAPACITY; }
bool City_Index_Valid(int16_t c) { return c >= 0 && c < _cities && c < NUM_CITIES; }

void Clear_Battle_Globals(void)
{
    _combat_environ = -1;
    _combat_environ_idx = -1;
}

void Orders_Off(int16_t count, const int16_t *units)
{
    for (int i = 0; i < count; i++) {
        if (Unit_Index_Valid(units[i])) _UNITS[units[i]].Status = 0;
    }
}

bool Fantastic(int16_t unit_idx)
{
    return Unit_Index_Valid(unit_idx) && (_unit_type_table[_UNITS[unit_idx].type].Abilities & UA_FANTASTIC) != 0;
}

void Fame_Change(int16_t player, int delta)
{
    if (!Is_Player(player)) return;
    int fame = (uint16_t)_players[player].fame + delta;
    fame = fame < 0 ? 0 : fame > 65535 ? 65535 : fame;
    _players[player].fame = (int16_t)(uint16_t)fame;
    if (player == HUMAN_PLAYER_IDX) GUI_Multipurpose_Int = (int16_t)(GUI_Multipurpose_Int + delta);
}

void Gold_Fall(int16_t player, int16_t amount)
{
    if (!Is_Player(player) || amount <= 0) return;
    const int gold = _players[player].gold_reserve - amount;
    _players[player].gold_reserve = (int16_t)(gold < 0 ? 0 : gold);
}

int16_t Battle_Resolution(int16_t attacker_idx, int16_t defender, int16_t *units, int16_t count, int16_t *item_count,
                          int16_t *items)
{
    const bool human = attacker_idx == HUMAN_PLAYER_IDX || defender == HUMAN_PLAYER_IDX;
    if (human && magic_set.words[GS_STRATEGIC_COMBAT_ONLY] == 0 && Combat_Hooks().combat_screen != nullptr) {
        return Combat_Hooks().combat_screen(attacker_idx, defender, units, count, _combat_wx, _combat_wy, _combat_wp,
                                            item_count, items);
    }
    const int16_t result = Strategic_Combat(units, count, _combat_wx, _combat_wy, _combat_wp, item_count, items);
    // Items of heroes fallen in an automatic battle are lost; none stays allocated without an owner.
    for (int i = 0; i < *item_count; i++) Remove_Item(items[i]);
    *item_count = 0;
    return result;
}

void Hand_Out_Items(int16_t player, int16_t item_count, int16_t *items, bool at_battle_square)
{
    item_pool_in_process = 1;
    if (at_battle_square) {
        item_pool_wx = _combat_wx;
        item_pool_wy = _combat_wy;
        item_pool_wp = _combat_wp;
    }
    if (Is_Player(player)) {
        Player_Process_Item_Pool(player, item_count, items);
    } else {
        for (int i = 0; i < item_count; i++) Remove_Item(items[i]);
    }
    item_pool_in_process = 0;
}

}  // namespace

int16_t Player_City_At_Square(int16_t wx, int16_t wy, int16_t wp, int16_t player_idx)
{
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == wx && city.wy == wy && city.wp == wp && city.owner_idx == player_idx) {
            return (int16_t)c;
        }
    }
    return -1;
}

void Update_Defender_Hostility(int16_t attacker_idx, int16_t defender_idx)
{
    if (!Is_Player(attacker_idx) || !Is_Player(defender_idx)) return;
    Player_Record &defender = _players[defender_idx];
    const uint8_t treaty = defender.Dipl_Treaty[attacker_idx];
    defender.Hostility[attacker_idx] = treaty > TREATY_ALLIANCE ? 3 : treaty == TREATY_ALLIANCE ? 0 : 2;
    defender.Reevaluate_Hostility_Countdown = (int16_t)(15 + RANDOM(10));
}

void Lair_Make_Guardians(int16_t lair_idx)
{
    if (_LAIRS == nullptr || lair_idx < 0 || lair_idx >= NUM_LAIRS) return;
    const Lair_Record &lair = _LAIRS[lair_idx];
    int made = 0;
    const uint8_t types[2] = {lair.guard1_unit_type, lair.guard2_unit_type};
    const int counts[2] = {lair.guard1_count & LAIR_COUNT_MASK, lair.guard2_count & LAIR_COUNT_MASK};
    for (int g = 0; g < 2; g++) {
        for (int k = 0; k < counts[g] && made < GUARDIANS_MAX; k++) {
            if (!Create_Unit(types[g], NEUTRAL_PLAYER_IDX, lair.wx, lair.wy, lair.wp, PLAIN_UNIT)) continue;
            made++;
            if (types[g] < GUARD_MUTATION_TYPE_LIMIT) _UNITS[_units - 1].mutations |= UM_UNDEAD;
        }
    }
}

int16_t Lair_Combat_Do(int16_t lair_idx, int16_t player_idx)
{
    static int16_t army[ARMY_SQUARE_ROOM];
    int16_t count = 0;
    if (_LAIRS == nullptr || lair_idx < 0 || lair_idx >= NUM_LAIRS) return 0;
    const Lair_Record &lair = _LAIRS[lair_idx];
    Player_Army_At_Square(lair.wx, lair.wy, lair.wp, player_idx, &count, army);
    return Combat(player_idx, NEUTRAL_PLAYER_IDX, count, army);
}

void Combat_City_Capture(int16_t count, int16_t *units)
{
    const int16_t city_idx = _combat_environ_idx;
    if (count < 1 || !Unit_Index_Valid(units[0]) || !City_Index_Valid(city_idx)) return;
    City_Record &city = _CITIES[city_idx];
    const int16_t attacker = _UNITS[units[0]].owner_idx;
    const int16_t defender = city.owner_idx;
    Combat_Main_Screen_Backdrop();
    GUI_Multipurpose_Int = 0;
    if (Is_Wizard(defender)) Fame_Change(defender, -city.size);
    destroy_combat_city = 0;
    if (city.population == 0) {
        destroy_combat_city = 1;
    } else if (attacker == HUMAN_PLAYER_IDX) {
        if (magic_set.words[GS_RAZE_CITY] != 0 &&
            Combat_Raze_City_Prompt("Do you wish to completely destroy this city?") == 0) {
            destroy_combat_city = 1;
        }
    } else if (Is_Wizard(attacker)) {
        destroy_combat_city = Raze_Check(attacker, city_idx);
    }
    if (destroy_combat_city == 0) {
        if (Is_Wizard(attacker) && city.size > 2) Fame_Change(attacker, city.size - 2);
        combat_results_gold = City_Gold(city_idx);
        if (Is_Wizard(attacker)) Player_Add_Gold(attacker, combat_results_gold);
        if (Is_Wizard(defender)) Gold_Fall(defender, combat_results_gold);
    } else {
        if (Is_Wizard(attacker)) Fame_Change(attacker, -city.size);
        combat_results_gold = City_Gold(city_idx);
        if (Is_Wizard(defender)) Gold_Fall(defender, combat_results_gold);
        const int total = combat_results_gold + City_Building_Value(city_idx);
        combat_results_gold = (int16_t)(total > 32767 ? 32767 : total);
        if (Is_Wizard(attacker)) Player_Add_Gold(attacker, combat_results_gold);
    }
    Combat_Tables_Reset();
    _active_battle_unit = -1;
    if (attacker == NEUTRAL_PLAYER_IDX && Fantastic(units[0])) {
        int16_t n = 0;
        for (int i = 0; i < count && n < MAX_BATTLE_UNITS; i++) {
            if (!Unit_Index_Valid(units[i])) continue;
            Battle_Unit_Record &bu = battle_units[n++];
            Load_Battle_Unit(units[i], &bu);
            bu.owner_idx = NEUTRAL_PLAYER_IDX;
            bu.Status = bus_Fighting;
            bu.unit_idx = units[i];
        }
        _combat_total_unit_count = n;
        _active_battle_unit = Rampage_Combat_City();
        for (int i = 0; i < count; i++) Kill_Unit(units[i], kum_Plain);
    }
    if (attacker == HUMAN_PLAYER_IDX) combat_results_scroll_message = crc_Won;
    if (defender == HUMAN_PLAYER_IDX) combat_results_scroll_message = crc_City_Conquered;
    combat_results_population_lost = 0;
    combat_results_buildings_lost = 0;
    if (attacker == HUMAN_PLAYER_IDX || defender == HUMAN_PLAYER_IDX) Combat_Show_Results();
}

int16_t Combat(int16_t attacker_idx, int16_t defender, int16_t count, int16_t *units)
{
    destroy_combat_city = 0;
    _unit_stack_count = 0;
    for (int i = 0; i < count; i++) {
        if (!Unit_Index_Valid(units[i])) continue;
        _UNITS[units[i]].wx = (uint8_t)_combat_attacker_wx;
        _UNITS[units[i]].wy = (uint8_t)_combat_attacker_wy;
    }
    const int16_t environ = _combat_environ;
    const int16_t environ_idx = _combat_environ_idx;
    if (attacker_idx == NEUTRAL_PLAYER_IDX) {
        const bool neutral_target =
            (environ == cenv_Open && Unit_Index_Valid(defender) && _UNITS[defender].owner_idx == NEUTRAL_PLAYER_IDX) ||
            (environ == cenv_City && City_Index_Valid(environ_idx) &&
             _CITIES[environ_idx].owner_idx == NEUTRAL_PLAYER_IDX) ||
            environ == cenv_Lair;
        if (neutral_target) {
            Orders_Off(count, units);
            Clear_Battle_Globals();
            return 0;
        }
    }
    int16_t defenders = 0;
    if (environ == cenv_Open) {
        if (!Unit_Index_Valid(defender)) {
            Clear_Battle_Globals();
            return 0;
        }
        const Unit_Record &target = _UNITS[defender];
        _combat_wx = target.wx, _combat_wy = target.wy, _combat_wp = target.wp;
        defender = target.owner_idx;
        defenders = 1;
    } else if (environ == cenv_City && City_Index_Valid(environ_idx)) {
        _players[NEUTRAL_PLAYER_IDX].banner_id = NEUTRAL_PLAYER_IDX;
        const City_Record &city = _CITIES[environ_idx];
        _combat_wx = city.wx, _combat_wy = city.wy, _combat_wp = city.wp;
        for (int u = 0; u < _units && u < UNIT_TABLE_CAPACITY; u++) {
            const Unit_Record &unit = _UNITS[u];
            if (unit.wx == city.wx && unit.wy == city.wy && unit.wp == city.wp && unit.owner_idx == defender)
                defenders++;
        }
    } else if (environ == cenv_Lair && _LAIRS != nullptr && environ_idx >= 0 && environ_idx < NUM_LAIRS) {
        _players[NEUTRAL_PLAYER_IDX].banner_id = NEUTRAL_PLAYER_IDX;
        Lair_Make_Guardians(environ_idx);
        const Lair_Record &lair = _LAIRS[environ_idx];
        _combat_wx = lair.wx, _combat_wy = lair.wy, _combat_wp = lair.wp;
        defenders = 1;
    } else {
        STU_LOG(SEV_WARN, LC_COMBAT, "Combat: no battle at setting %d, index %d", environ, environ_idx);
        Clear_Battle_Globals();
        return 0;
    }
    const bool wizards =
        attacker_idx >= 0 && attacker_idx < NEUTRAL_PLAYER_IDX && defender >= 0 && defender < NEUTRAL_PLAYER_IDX;
    if (wizards && environ != cenv_Lair) {
        const uint8_t treaty = _players[defender].Dipl_Treaty[attacker_idx];
        if (treaty == TREATY_PACT || treaty == TREATY_ALLIANCE) {
            if (attacker_idx != HUMAN_PLAYER_IDX) {
                Orders_Off(count, units);
                Clear_Battle_Globals();
                return 0;
            }
            char text[120];
            snprintf(text, sizeof text, "You have a treaty with %.20s.  Do you still wish to attack?",
                     _players[defender].name);
            if (Combat_Treaty_Question(text) == 0) {
                Clear_Battle_Globals();
                return 0;
            }
            Change_Relations(-40, attacker_idx, defender, REASON_TREATY_BROKEN, 0, 0);
            Break_Treaties(defender, attacker_idx);
        }
    }

    static int16_t items[COMBAT_ITEM_LIST_MAX];
    int16_t item_count = 0;
    for (int16_t &item : items) item = 0;
    int16_t result;
    if (environ == cenv_City && defenders == 0) {
        result = 1;
        Combat_City_Capture(count, units);
    } else {
        result = Battle_Resolution(attacker_idx, defender, units, count, &item_count, items);
    }

    const bool city_battle = environ == cenv_City && City_Index_Valid(environ_idx);
    bool destroy = false;
    const bool neutral_creatures = attacker_idx == NEUTRAL_PLAYER_IDX && count > 0 && Fantastic(units[0]);
    if (result == 1) {
        for (int i = 0; i < count; i++) {
            if (!Unit_Index_Valid(units[i])) continue;
            Unit_Record &unit = _UNITS[units[i]];
            if (unit.owner_idx == COMBAT_OWNER_AT_SUMMONING_SQUARE) {
                unit.owner_idx = (int8_t)attacker_idx;
                unit.Finished = 1;
            } else if (Is_Player(unit.owner_idx)) {
                unit.wx = (uint8_t)_combat_wx, unit.wy = (uint8_t)_combat_wy, unit.wp = (uint8_t)_combat_wp;
            }
        }
        Hand_Out_Items(attacker_idx, item_count, items, true);
        if (city_battle && _CITIES[environ_idx].owner_idx != attacker_idx) {
            if (_CITIES[environ_idx].size == 0) {
                destroy = !neutral_creatures;
            } else {
                if (Is_Player(attacker_idx) && Is_Player(defender)) {
                    Change_Relations(-40, attacker_idx, defender, REASON_CITY, environ_idx, 0);
                }
                if (!neutral_creatures) {
                    if (Is_Player(attacker_idx) && Is_Player(defender)) Declare_War(attacker_idx, defender);
                    if (destroy_combat_city == 0) {
                        Change_City_Ownership(environ_idx, attacker_idx);
                        if (attacker_idx != HUMAN_PLAYER_IDX)
                            _CITIES[environ_idx].construction = PRODUCTION_CHOOSE_AGAIN;
                    }
                }
            }
        }
    } else {
        Hand_Out_Items(defender, item_count, items, false);
        if (city_battle) {
            City_Record &city = _CITIES[environ_idx];
            if (city.owner_idx == defender) {
                if (Is_Player(attacker_idx) && Is_Player(defender) && city.size != 0) {
                    const int16_t amount = Player_Fortress_City(defender) == environ_idx ? -60 : -20;
                    Change_Relations(amount, attacker_idx, defender, REASON_CITY, environ_idx, 0);
                }
            } else if (city.size == 0) {
                destroy = true;
            } else if (destroy_combat_city == 0 && Is_Player(defender)) {
                Change_City_Ownership(environ_idx, defender);
            }
        }
    }
    Update_Defender_Hostility(attacker_idx, defender);
    if (city_battle && (destroy || destroy_combat_city == 1)) {
        if (Is_Player(attacker_idx)) Change_City_Ownership(environ_idx, attacker_idx);
        Destroy_City(environ_idx);
        destroy_combat_city = 0;
    }
    destroy_combat_city = 0;
    Clear_Battle_Globals();
    const bool human = attacker_idx == HUMAN_PLAYER_IDX || defender == HUMAN_PLAYER_IDX;
    Combat_World_View_Refresh(human ? 1 : 0);
    STU_LOG(SEV_INFO, LC_COMBAT, "Combat: player %d against %d at (%d, %d, %d): %s", attacker_idx, defender, _combat_wx,
            _combat_wy, _combat_wp, result == 1 ? "won" : "lost");
    return result;
}
