#include "turn/Wizard_Conquest.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ai/AI_Services.h"
#include "cities/City_Records.h"
#include "info/Game_End_Scenes.h"
#include "magic/Conquest_Spells.h"
#include "turn/End_Of_Turn.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Relations.h"
#include "turn/Turn_Services.h"
#include "world/ALLOC.h"
#include "world/Spell_Ids.h"
#include "world/Unit_Death.h"
#include "world/Unit_Type_Record.h"

namespace {

bool Is_Player(int16_t player_idx) { return player_idx >= 0 && player_idx < NUM_PLAYERS; }

int16_t Wizard_Count(void) { return static_cast<int16_t>(std::clamp<int>(_num_players, 0, NUM_PLAYERS)); }

int16_t City_Count(void) { return static_cast<int16_t>(std::clamp<int>(_cities, 0, NUM_CITIES)); }

int16_t Unit_Count(void) { return static_cast<int16_t>(std::clamp<int>(_units, 0, UNIT_TABLE_CAPACITY)); }

// The human's wizard while a person plays it. In a test run where the computer plays every wizard,
// the human's wizard falls as a computer wizard does and the game goes on without it.
bool Person_Plays(int16_t player_idx) { return player_idx == 0 && !AI_Computer_Plays_Human(); }

void Add_Fame(int16_t player_idx, int32_t amount)
{
    int16_t &fame = _players[player_idx].fame;
    fame = static_cast<int16_t>(std::clamp<int32_t>(fame + amount, INT16_MIN, INT16_MAX));
}

// Each unit of the loser in one of his cities: summoned creatures and heroes die, the rest join the
// neutral player; the city too, unless the loser is the human played by a person.
void Release_Cities(int16_t loser_idx)
{
    for (int16_t c = 0; c < City_Count(); c++) {
        City_Record &city = _CITIES[c];
        if (city.owner_idx != loser_idx) {
            continue;
        }
        for (int16_t u = 0; u < Unit_Count(); u++) {
            Unit_Record &unit = _UNITS[u];
            if (unit.owner_idx != loser_idx || unit.wx != city.wx || unit.wy != city.wy || unit.wp != city.wp) {
                continue;
            }
            bool summoned = (_unit_type_table[unit.type].Abilities & UA_FANTASTIC) != 0;
            if (summoned || unit.Hero_Slot != -1) {
                Kill_Unit(u, kum_Destroyed);
            } else {
                unit.owner_idx = NEUTRAL_PLAYER_IDX;
            }
        }
        if (!Person_Plays(loser_idx)) {
            city.owner_idx = NEUTRAL_PLAYER_IDX;
        }
    }
}

void Eliminate_Wizard(int16_t loser_idx, int16_t victor_idx, int16_t city_idx, int16_t banish_result)
{
    Player_Record &loser = _players[loser_idx];
    if (city_idx >= 0 && city_idx < City_Count()) {
        _CITIES[city_idx].owner_idx = static_cast<int8_t>(victor_idx);
    }
    _FORTRESSES[loser_idx].active = 0;
    Add_Fame(victor_idx, 5);
    for (int16_t c = 0; c < City_Count(); c++) {
        for (uint8_t &enchantment : _CITIES[c].enchantments) {
            if (enchantment == loser_idx + 1) {
                enchantment = 0;
            }
        }
    }
    Release_Cities(loser_idx);
    for (int16_t n = 0; n < NUM_NODES; n++) {
        if (_NODES[n].owner_idx == loser_idx) {
            _NODES[n].owner_idx = -1;
            _NODES[n].flags = 0;
        }
    }
    Player_Add_Gold(victor_idx, loser.gold_reserve / 2);
    Player_Add_Mana(victor_idx, loser.mana_reserve / 2);
    for (int16_t u = 0; u < Unit_Count(); u++) {
        if (_UNITS[u].owner_idx == loser_idx) {
            Kill_Unit(u, kum_Destroyed);
        }
    }
    memset(loser.Globals, 0, sizeof(loser.Globals));
    if (banish_result != br_Resigned) {
        Conquest_Animation(loser_idx, victor_idx);
    }
    for (int16_t w = 0; w < Wizard_Count(); w++) {
        _players[w].Dipl_Treaty[loser_idx] = 0;
        loser.Dipl_Treaty[w] = 0;
        _players[w].Dipl_Contacted[loser_idx] = 0;
        loser.Dipl_Contacted[w] = 0;
        if (w != loser_idx && w != victor_idx) {
            Change_Relations(-40, victor_idx, w, 7, 0, 0);
        }
    }
    Conquest_Spells(victor_idx, loser_idx);

    int16_t winner;
    if (Person_Plays(loser_idx)) {
        Lose_Animation(0);
        winner = victor_idx;
    } else if (CP_Is_Dead() == 1) {
        Win_Animation(0);
        winner = 0;
    } else {
        return;
    }
    End_Of_Game_Score();
    g_conquest_winner_idx = winner;
}

}  // namespace

int16_t Banish_Wizard(int16_t loser_idx, int16_t victor_idx)
{
    if (!Is_Player(loser_idx) || !Is_Player(victor_idx)) {
        return br_Banished;
    }
    Player_Record &loser = _players[loser_idx];
    int16_t cost = Casting_Cost(loser_idx, spl_Spell_Of_Return, 0);
    loser.casting_spell_idx = spl_Spell_Of_Return;
    loser.casting_cost_remaining = cost;
    loser.casting_cost_original = cost;
    // A casting skill of 0 counts as 1, so the question always has a number to show.
    uint32_t turns = static_cast<uint16_t>(loser.casting_cost_remaining) /
                     std::max<uint32_t>(1, static_cast<uint16_t>(loser.Nominal_Skill));

    if (!Person_Plays(loser_idx)) {
        int32_t skill = Player_Base_Casting_Skill(loser_idx) + Player_Hero_Casting_Skill(loser_idx);
        if (skill < 40 || loser.mana_reserve < 1) {
            return br_Too_Weak;
        }
    }
    _FORTRESSES[loser_idx].active = 0;
    Add_Fame(victor_idx, 5);
    loser.mana_reserve = static_cast<int16_t>(loser.mana_reserve / 2);
    Player_Add_Mana(victor_idx, loser.mana_reserve);
    Conquest_Animation(loser_idx, victor_idx);
    for (int16_t w = 0; w < Wizard_Count(); w++) {
        if (w != loser_idx && w != victor_idx) {
            Change_Relations(-20, victor_idx, w, 7, 0, 0);
        }
    }

    Turn_Conquest_Redraw();
    if (Person_Plays(loser_idx)) {
        char question[160];
        snprintf(question, sizeof(question),
                 "There are at least %u turns remaining until you may return. Do you wish to resign?",
                 static_cast<unsigned>(turns));
        return Turn_Conquest_Ask(question) == 1 ? br_Resigned : br_Banished;
    }
    if (loser_idx != NEUTRAL_PLAYER_IDX) {
        Return_Animation(loser_idx);
        Conquest_Spells(victor_idx, loser_idx);
    }
    return br_Banished;
}

void Resolve_Wizard_Conquest(int16_t loser_idx, int16_t victor_idx, int16_t city_idx)
{
    if (magic_master_idx != -1) {
        return;
    }
    if (!Is_Player(loser_idx) || loser_idx == NEUTRAL_PLAYER_IDX || !Is_Player(victor_idx)) {
        return;
    }
    int16_t cities = 0;
    for (int16_t c = 0; c < City_Count() && cities < 2; c++) {
        if (_CITIES[c].owner_idx == loser_idx) {
            cities++;
        }
    }
    int16_t result = br_Banished;
    if (cities >= 2) {
        result = Banish_Wizard(loser_idx, victor_idx);
        if (result <= 0) {
            return;
        }
    }
    Eliminate_Wizard(loser_idx, victor_idx, city_idx, result);
}
