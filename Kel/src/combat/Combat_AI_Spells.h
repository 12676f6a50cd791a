// The computer's choice of a combat spell and of where it goes: the castable list, the balance of the
// battle, the score of each spell, the realms each side threatens, and the target pickers.
#pragma once

#include <cstdint>

constexpr int AI_CASTABLE_LIST_MAX = 240;
constexpr int AI_UNIT_REALMS = 5;
// What a target picker answers beside a battle-unit index.
constexpr int16_t AITP_NO_UNIT = 99;
constexpr int16_t AITP_NONE = -1;

// Bit r set when that side's wizard can cast a harmful combat spell of realm r; rebuilt, not added to,
// by AI_Prepare_Combat_Realm_Threats.
extern int16_t g_ai_combat_attacker_realm_flags;
extern int16_t g_ai_combat_defender_realm_flags;
// Per realm 0..4, the percentage of that side's army's threat bound to the realm.
extern int16_t g_ai_combat_attacker_unit_realms[AI_UNIT_REALMS];
extern int16_t g_ai_combat_defender_unit_realms[AI_UNIT_REALMS];

// The spell the caster casts now, 0 none. Casters below 20 are battle units, 20 + n wizard n.
int16_t AI_Select_Combat_Spell(int16_t caster);
// Fills list with the combat spells the caster can pay for; returns the count (also GUI_Multipurpose_Int).
int16_t AI_Build_Castable_Combat_Spell_List(int16_t caster, int16_t *list, int16_t cost_multiplier);
// The worth of casting the spell now for the player in the mode; -1 no target, -100 no enemy left.
int16_t AI_Score_Combat_Spell(int16_t player, int16_t spell, int16_t mode);
// At the start of a battle: each side's threatened realms and its army's realm percentages.
void AI_Prepare_Combat_Realm_Threats(void);
void AI_Build_Unit_Realm_Threat_Percentages(int16_t player, int16_t percentages[AI_UNIT_REALMS]);

// Where the computer aims the spell: a battle-unit index, AITP_NO_UNIT (a summons also sets the cell)
// or AITP_NONE (not worth casting).
int16_t AITP_Combat_Spell(int16_t spell, int16_t player, int16_t *grid_x, int16_t *grid_y);
int16_t AITP_DarknessLight(int16_t spell);
int16_t AITP_HolyWord(int16_t player);
int16_t AITP_Healing(int16_t player);
int16_t AITP_WarpWood(int16_t player);
int16_t AITP_WarpCreature(int16_t player);
int16_t AITP_DispelMagic(int16_t player);
int16_t AITP_EarthToMud(int16_t player, int16_t *grid_x, int16_t *grid_y);
int16_t AITP_Disrupt(int16_t player, int16_t *grid_x, int16_t *grid_y);
int16_t AITP_CracksCall(int16_t player, int16_t *grid_x, int16_t *grid_y);
int16_t AITP_RecallHero(int16_t player);
