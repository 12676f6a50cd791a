#include "combat/Combat_Turn.h"

#include "combat/Battle_Unit_Damage.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_AI.h"
#include "combat/Combat_Casting.h"
#include "combat/Combat_Checks.h"
#include "combat/Combat_Deploy.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Movement.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Combat_Tables.h"
#include "combat/End_Of_Combat.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battle_Unit_Effects.h"
#include "world/Battlefield.h"
#include "world/Player_Record.h"
#include "world/Spell_Data_Record.h"

int16_t _ai_immobile_counter = 0;
int16_t _ai_stay_in_city = 1;
int16_t _ai_disable_hero_melee_safety_check = 0;
int16_t m_wizard_cast_available = 1;
int16_t m_cp_took_turn = 0;
int16_t m_turn_is_local = 1;
int16_t _human_out_of_moves = 0;
int16_t _human_handle_immobile = 0;
int16_t _human_fled = 0;
int16_t _computer_player_did_flee = 0;
int16_t _computer_player_city_seige = 0;
int16_t _scanned_battle_unit = -1;

namespace {

// Battle-wide enchantment entries, attacker's side first.
constexpr int CE_WRACK = 8;
constexpr int CE_BLACK_PRAYER_PAIR = 16;  // pair 8: every enemy unit must resist or lose its turn
constexpr int CE_CALL_LIGHTNING = 18;
constexpr int CE_SLOWING_PAIR = 24;  // pair 12: enemy units lose a move
constexpr int16_t SPELL_OF_THE_RESISTANCE_CHECK = 168;
constexpr int CONFUSED_WANDER_TRIES = 600;

bool Attackers(const Battle_Unit_Record &bu) { return bu.owner_idx == _combat_attacker_player; }

// The entry of a pair that the side opposing the unit holds.
bool Enemy_Holds(const Battle_Unit_Record &bu, int pair_entry)
{
    return combat_enchantments[pair_entry + (Attackers(bu) ? 1 : 0)] > 0;
}

int16_t Other_Side(int16_t owner)
{
    return owner == _combat_attacker_player ? _combat_defender_player : _combat_attacker_player;
}

void Cannot_Act(Battle_Unit_Record &bu)
{
    bu.Action = BUA_DONE;
    bu.Move_Halves = 0;
}

int Web_Pull(const Battle_Unit_Record &bu)
{
    const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
    if (kind >= 20 && kind <= 29) return bu.Melee > bu.Ranged ? bu.Melee : bu.Ranged;
    if (kind > 100) return bu.Melee + bu.Ranged;
    return bu.Melee;
}

void Start_Unit_Turn(Battle_Unit_Record &bu)
{
    Battle_Unit_Regular_Stats(&bu);
    Battle_Unit_Special_Stats(&bu);
    bu.Move_Halves = (uint8_t)Battle_Unit_Moves2(&bu);
    bu.Action = BUA_MAY_ACT;
    if (Enemy_Holds(bu, CE_BLACK_PRAYER_PAIR)) {
        const int16_t owner = bu.owner_idx >= 0 && bu.owner_idx < NUM_BATTLEFIELD_PLAYERS ? bu.owner_idx : 0;
        const int16_t realm = spell_data_table[SPELL_OF_THE_RESISTANCE_CHECK].magic_realm;
        if (Combat_Resistance_Check((int16_t)(_battlefield_resistall[owner] + 1), realm, &bu) > 0) Cannot_Act(bu);
    }
    if (Enemy_Holds(bu, CE_SLOWING_PAIR)) {
        const int moves = (int8_t)bu.Move_Halves - 2;
        bu.Move_Halves = (uint8_t)(moves < 0 ? 0 : moves);
    }
    if (bu.Web_Strength > 0) {
        const int left = bu.Web_Strength - Web_Pull(bu);
        if (left > 0) {
            bu.Web_Strength = (uint8_t)left;
            Cannot_Act(bu);
        } else {
            bu.Web_Strength = 0;
        }
    }
    if (bu.Curses & BUC_BLACK_SLEEP) Cannot_Act(bu);
    // A unit that served the other side last turn is its own side's again before it draws anew.
    if (bu.Confusion_State == 2) bu.owner_idx = (int8_t)Other_Side(bu.owner_idx);
    bu.Confusion_State = 0;
    if (bu.Curses & BUC_CONFUSION) {
        switch (Random(4)) {
        case 1: Cannot_Act(bu); break;
        case 2: bu.Confusion_State = 1; break;
        case 3:
            bu.Confusion_State = 2;
            bu.owner_idx = (int8_t)Other_Side(bu.owner_idx);
            break;
        default: break;
        }
    }
    if ((Battle_Unit_Enchantments(&bu) & UE_REGENERATE) || (bu.Abilities & UA_REGENERATION)) {
        Battle_Unit_Heal(&bu, 1, 0);
    }
}

}  // namespace

void Combat_Turn_State_Reset(void)
{
    _ai_immobile_counter = 0;
    _ai_stay_in_city = 1;
    _ai_disable_hero_melee_safety_check = 0;
    m_wizard_cast_available = 1;
    m_cp_took_turn = 0;
    m_turn_is_local = 1;
    _human_out_of_moves = 0;
    _human_handle_immobile = 0;
    _human_fled = 0;
    _computer_player_did_flee = 0;
    _scanned_battle_unit = -1;
    _combat_turn = 0;
    _combat_winner = -1;
}

void Begin_Combat_Turn(void)
{
    _human_handle_immobile = 1;
    _ai_immobile_counter++;
    _combat_turn++;
    m_wizard_cast_available = 1;
    _scanned_battle_unit = -1;
    m_cp_took_turn = 0;
    Apply_Mana_Leak();
    for (int side = 0; side < 2; side++) {
        const int16_t player = side == 0 ? _combat_attacker_player : _combat_defender_player;
        if (combat_enchantments[CE_CALL_LIGHTNING + side] > 0) Apply_Call_Lightning(player);
    }
    for (int side = 0; side < 2; side++) {
        const int16_t player = side == 0 ? _combat_attacker_player : _combat_defender_player;
        if (combat_enchantments[CE_WRACK + side] > 0) Apply_Wrack(player);
    }
    const int16_t active = _active_battle_unit;
    Vortex_Combat_Round();
    _active_battle_unit = active;
    Calc_Battlefield_Bonuses(_combat_structure);
    Add_City_Damage_From_Battle_Units_Within();
    for (int i = 0; i < _combat_total_unit_count; i++) battle_units[i].Times_Attacked = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        if (battle_units[i].Status == bus_Fighting) Start_Unit_Turn(battle_units[i]);
    }
}

int16_t Check_For_Winner(void)
{
    int attackers = 0;
    int defenders = 0;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        if (bu.Status != bus_Fighting) continue;
        // A unit serving the other side this turn still counts for its own.
        const int16_t side = bu.Confusion_State == 2 ? Other_Side(bu.owner_idx) : bu.owner_idx;
        if (side == _combat_attacker_player) attackers++;
        if (side == _combat_defender_player) defenders++;
    }
    if (attackers == 0) return _combat_defender_player;
    if (defenders == 0) return _combat_attacker_player;
    if (_combat_turn >= COMBAT_TURN_LIMIT) return _combat_defender_player;
    const int16_t remote = _combat_remote_player;
    if (remote != NEUTRAL_PLAYER_IDX && remote != COMBAT_NO_SIDE && remote != HUMAN_PLAYER_IDX &&
        _computer_player_city_seige == 0 && _combat_turn >= 2 && AI_Retreat_Check(remote) == 1) {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            Battle_Unit_Record &bu = battle_units[i];
            if (bu.owner_idx != remote) continue;
            bu.Action = BUA_FLED;
            if (bu.Status == bus_Fighting) bu.Status = bus_Fled;
        }
        _computer_player_did_flee = 1;
        return _combat_local_player;
    }
    return -1;
}

void Move_Confused(Battle_Unit_Record *bu)
{
    for (int attempt = 0; attempt < CONFUSED_WANDER_TRIES; attempt++) {
        const int16_t x = (int16_t)(Random(COMBAT_GRID_WIDTH) - 1);
        const int16_t y = (int16_t)(Random(COMBAT_GRID_HEIGHT) - 1);
        if (g_combat_grid_action_map[y][x] == ACTION_MAP_MOVE) {
            Move_Battle_Unit(bu, x, y);
            break;
        }
    }
    Cannot_Act(*bu);
}

void Battle_Unit_Set_Invisibility_Effect(Battle_Unit_Record *bu)
{
    if (!(Battle_Unit_Enchantments(bu) & UE_INVISIBILITY) && !(bu->Abilities & UA_INVISIBILITY)) return;
    if ((bu->owner_idx == _combat_defender_player && _attacker_sees_illusions) ||
        (bu->owner_idx == _combat_attacker_player && _defender_sees_illusions) || bu->owner_idx == HUMAN_PLAYER_IDX) {
        bu->Display_State = 4;
        return;
    }
    bu->Display_State = 5;
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &other = battle_units[i];
        if (other.Status == bus_Fighting && other.owner_idx != bu->owner_idx && Range_To_Battle_Unit(bu, &other) < 2) {
            bu->Display_State = 4;
            return;
        }
    }
}

int16_t Battle_Unit_Has_Spell_Ability(const Battle_Unit_Record *bu)
{
    constexpr uint8_t SPELL_ATTRIBUTES = 0x01 | 0x02 | 0x04 | 0x10;
    constexpr uint16_t CASTER_ATTRIBUTES = 0x0800 | 0x1000 | 0x4000;
    return ((bu->Attribs_2 & SPELL_ATTRIBUTES) || (bu->Attribs_1 & CASTER_ATTRIBUTES)) ? 1 : 0;
}

int16_t Battle_Unit_Can_Cast(const Battle_Unit_Record *bu)
{
    if ((int8_t)bu->Move_Halves <= 0) return 0;
    return (bu->Mana_Left >= 3 || Battle_Unit_Has_Spell_Ability(bu) || bu->Item_Charges > 0) ? 1 : 0;
}

void Auto_Cast_Spell_And_Do_Combat_Turn(int16_t player)
{
    if (player != HUMAN_PLAYER_IDX) {
        Combat_Cast_Spell((int16_t)(COMBAT_CASTER_WIZARD + player), _combat_wx, _combat_wy, _combat_wp);
    }
    _combat_winner = Check_For_Winner();
    if (_combat_winner != -1) return;
    Combat_Refresh_Enchantment_Icons();
    Auto_Do_Combat_Turn(player);
}

void Combat_Next_Turn(void)
{
    _scanned_battle_unit = -1;
    m_turn_is_local = 0;
    if (!m_cp_took_turn) Auto_Cast_Spell_And_Do_Combat_Turn(_combat_remote_player);
    _combat_winner = Check_For_Winner();
    if (_combat_winner != -1) return;
    Begin_Combat_Turn();
    _combat_winner = Check_For_Winner();
    if (_combat_winner != -1) return;
    if (_combat_defender_player == _combat_remote_player) {
        Auto_Cast_Spell_And_Do_Combat_Turn(_combat_defender_player);
        m_cp_took_turn = 1;
        _combat_winner = Check_For_Winner();
        if (_combat_winner != -1) return;
    }
    m_turn_is_local = 1;
    if (_auto_combat_flag) {
        Auto_Cast_Spell_And_Do_Combat_Turn(_combat_local_player);
        _combat_winner = Check_For_Winner();
    }
}

void Next_Battle_Unit(int16_t player)
{
    if (Next_Battle_Unit_Nearest_Available(player) == 1) {
        _human_out_of_moves = 1;
    } else {
        _human_handle_immobile = 0;
    }
    const bool active_valid = _active_battle_unit >= 0 && _active_battle_unit < _combat_total_unit_count;
    if (!active_valid || battle_units[_active_battle_unit].owner_idx != _combat_local_player) {
        for (int i = 0; i < _combat_total_unit_count; i++) {
            if (battle_units[i].owner_idx == _combat_attacker_player) {
                Switch_Active_Battle_Unit((int16_t)i);
                break;
            }
        }
    }
}

void Combat_Close_Battle_Unit(Battle_Unit_Record *bu)
{
    bu->Switch_Word = 0;
    bu->Move_Halves = 0;
    bu->Action = BUA_DONE;
    if ((bu->Curses & BUC_CONFUSION) && bu->Confusion_State == 2) {
        bu->owner_idx = (int8_t)Other_Side(bu->owner_idx);
        bu->Confusion_State = 0;
    }
}

void Combat_Human_Flees(void)
{
    for (int i = 0; i < _combat_total_unit_count; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.owner_idx != _combat_local_player) continue;
        bu.Action = BUA_FLED;
        if (bu.Status == bus_Fighting || bu.Status == bus_Not_Deployed) bu.Status = bus_Fled;
    }
    _human_fled = 1;
    _combat_winner = _combat_remote_player;
}

int16_t Combat_End_Code(int16_t winner)
{
    if (_computer_player_did_flee) return crc_Computer_Fled;
    if (winner == _combat_local_player) return crc_Won;
    if (_human_fled) return crc_Fled;
    if (_combat_turn < COMBAT_TURN_LIMIT) return crc_Lost;
    return crc_Turn_Limit;
}
