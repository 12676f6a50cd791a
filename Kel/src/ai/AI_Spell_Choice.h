// A computer wizard's choice of the next overland spell: the spell group by weighted chance, the
// known spell kinds it reads, and the tests it shares with the group selectors.
#pragma once

#include <cstdint>

#include "world/Player_Record.h"

// Spell groups of the choice.
enum AI_Spell_Group : int16_t {
    asg_None = 0,
    asg_Summon = 1,
    asg_Unit_Enchantment = 2,
    asg_City_Enchantment = 3,
    asg_Disenchant = 4,
    asg_Disjunction = 5,
    asg_Summoning_Circle = 6,
    asg_Attack = 7,
    asg_Suppression = 8,
    asg_Global = 9,
    asg_Spell_Of_Mastery = 10,
};
constexpr int AI_SPELL_GROUPS = 11;

// 1 when the caster has no melder on its summoning plane and a node there belongs to someone else.
extern int16_t AI_NodeOpportunity;

inline bool AI_Knows_Spell(int16_t player_idx, int spell_idx)
{
    return Player_Spell_Status(player_idx, spell_idx) == SS_KNOWN;
}
inline bool AI_Holds_Enchantment(int16_t player_idx, int slot)
{
    return player_idx >= 0 && player_idx < NUM_PLAYERS && _players[player_idx].Globals[slot] != 0;
}

// Chooses a spell and starts casting it; returns what starting the cast returns.
int16_t AI_Spell_Select(int16_t player_idx);
// Fills g_ai_spell_group_flags for the wizard.
void AI_Compute_Spells_Info(int16_t player_idx);
// The eleven group weights, each 0..32,767; also sets AI_NodeOpportunity and the wizard's
// spell-target opponent (Target_Wizard, -1 for none).
void AI_Spell_Group_Weights(int16_t player_idx, int32_t *weights);
// The group 0..10 drawn by those weights; kept in the wizard's Spell_Group_Target.
int16_t AI_Select_Spell_Group(int16_t player_idx);
// 1 when one city stands on both the wizard's fortress square and its summoning point.
int16_t Player_Summon_City_Is_Fortress_City(int16_t player_idx);
// 1 when the wizard owns more cities on plane 1 than the human does.
int16_t AI_Has_More_Dudaze_Cities(int16_t player_idx);
// Whether a rival's enchantment weakens the spells of a realm.
int16_t SPL_IsLifeSupressed(void);
int16_t CRP_SPL_IsNatSuppressed(void);
int16_t SPL_IsDthSuppressed(void);
int16_t SPL_IsChsSuppressed(void);
// 1 when the wizard knows at least one city.
int16_t AI_Has_Targetable_City(int16_t player_idx);
