#include "world/Player_Record.h"

#include <cstring>

#include "world/ALLOC.h"

Player_Record _players[NUM_PLAYERS];

int16_t *_ai_landmass_war_targets[2];
int16_t *_ai_reevaluate_continents_countdown;
uint8_t *Wiz5_Spell_28h;
uint8_t *Wiz5_Spell_3Ch;
uint8_t *Wiz5_Spell_50h;
uint8_t *Wiz5_Spell_64h;
int16_t *_ai_landmass_settler_targets[2];
int16_t *_ai_landmass_settler_targets_wx_array[2];
int16_t *_ai_landmass_settler_targets_wy_array[2];
int16_t *_ai_reevaluate_summoning_circle_countdown;

// The arrays lie inside a packed record: words are copied, never dereferenced in place.
static int16_t *AI_Word(int16_t *array, int index, int length)
{
    return (array != nullptr && index >= 0 && index < length) ? array + index : nullptr;
}
static int16_t *AI_Plane_Word(int16_t *const *arrays, int plane, int index, int length)
{
    return (plane < 0 || plane > 1) ? nullptr : AI_Word(arrays[plane], index, length);
}
static int16_t Read_Word(const int16_t *p)
{
    int16_t value = 0;
    if (p != nullptr) std::memcpy(&value, p, sizeof value);
    return value;
}
static void Write_Word(int16_t *p, int16_t value)
{
    if (p != nullptr) std::memcpy(p, &value, sizeof value);
}

int16_t AI_Landmass_War_Target(int plane, int index)
{
    return Read_Word(AI_Plane_Word(_ai_landmass_war_targets, plane, index, AI_WAR_TARGETS_LEN));
}
void AI_Set_Landmass_War_Target(int plane, int index, int16_t value)
{
    Write_Word(AI_Plane_Word(_ai_landmass_war_targets, plane, index, AI_WAR_TARGETS_LEN), value);
}
int16_t AI_Landmass_Settler_Target(int plane, int index)
{
    return Read_Word(AI_Plane_Word(_ai_landmass_settler_targets, plane, index, AI_SETTLER_TARGETS_LEN));
}
void AI_Set_Landmass_Settler_Target(int plane, int index, int16_t value)
{
    Write_Word(AI_Plane_Word(_ai_landmass_settler_targets, plane, index, AI_SETTLER_TARGETS_LEN), value);
}
int16_t AI_Landmass_Settler_Target_WX(int plane, int index)
{
    return Read_Word(AI_Plane_Word(_ai_landmass_settler_targets_wx_array, plane, index, AI_SETTLER_TARGETS_LEN));
}
void AI_Set_Landmass_Settler_Target_WX(int plane, int index, int16_t value)
{
    Write_Word(AI_Plane_Word(_ai_landmass_settler_targets_wx_array, plane, index, AI_SETTLER_TARGETS_LEN), value);
}
int16_t AI_Landmass_Settler_Target_WY(int plane, int index)
{
    return Read_Word(AI_Plane_Word(_ai_landmass_settler_targets_wy_array, plane, index, AI_SETTLER_TARGETS_WY_LEN));
}
void AI_Set_Landmass_Settler_Target_WY(int plane, int index, int16_t value)
{
    Write_Word(AI_Plane_Word(_ai_landmass_settler_targets_wy_array, plane, index, AI_SETTLER_TARGETS_WY_LEN), value);
}

int16_t AI_Reevaluate_Continents_Countdown(int player_idx)
{
    return Read_Word(AI_Word(_ai_reevaluate_continents_countdown, player_idx, AI_CONTINENTS_COUNTDOWN_LEN));
}
void AI_Set_Reevaluate_Continents_Countdown(int player_idx, int16_t value)
{
    Write_Word(AI_Word(_ai_reevaluate_continents_countdown, player_idx, AI_CONTINENTS_COUNTDOWN_LEN), value);
}
int16_t AI_Reevaluate_Summoning_Circle_Countdown(int player_idx)
{
    return Read_Word(AI_Word(_ai_reevaluate_summoning_circle_countdown, player_idx, AI_SUMMONING_COUNTDOWN_LEN));
}
void AI_Set_Reevaluate_Summoning_Circle_Countdown(int player_idx, int16_t value)
{
    Write_Word(AI_Word(_ai_reevaluate_summoning_circle_countdown, player_idx, AI_SUMMONING_COUNTDOWN_LEN), value);
}

static int Wizard_Spell_Index_Valid(int player_idx, int spell_idx)
{
    return player_idx >= 0 && player_idx < _num_players && player_idx < NEUTRAL_PLAYER_IDX && spell_idx >= 1 &&
           spell_idx <= NUM_SPELLS_STATUS;
}

uint8_t Player_Spell_Status(int player_idx, int spell_idx)
{
    return Wizard_Spell_Index_Valid(player_idx, spell_idx) ? _players[player_idx].spells_list[spell_idx - 1] : 0;
}

void Player_Set_Spell_Status(int player_idx, int spell_idx, uint8_t status)
{
    if (Wizard_Spell_Index_Valid(player_idx, spell_idx)) {
        _players[player_idx].spells_list[spell_idx - 1] = status;
    }
}

int16_t Player_Base_Casting_Skill(int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) {
        return 0;
    }
    int32_t points = _players[player_idx].spell_casting_skill;
    int32_t n = 0;
    while (n * (n + 1) < points) {
        n++;
    }
    if (_players[player_idx].retorts[rtr_Archmage]) {
        n += 10;
    }
    return (int16_t)(n > 32767 ? 32767 : n);
}
