// Targets of a computer wizard's unit, stack, node, wizard and disjunction spells; the report of a
// spell without a picker; the per-turn check of its overland enchantments.
#pragma once

#include <cstdint>

// Kind 0 only.
int16_t AITP_Unit_Enchantment(int16_t kind, int16_t *unit_idx, int16_t spell_idx, int16_t player_idx);
// The unit of greatest upkeep in the caster's strongest stack outside its cities (or on its
// fortress) that lacks every bit of the mask and passes the options.
int16_t Select_Unit_For_Enchantment(int16_t player_idx, uint32_t enchantment_mask, int16_t *unit_idx,
                                    int16_t regular_only, int16_t creatures_only, int16_t above_type_40_only,
                                    int16_t mobility_mode);
int16_t AITP_Attack_Stack(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Disenchant(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Plane_Shift(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
// Reads the hostile opponents of the wizard last evaluated.
int16_t AITP_Node(int16_t *node_idx, int16_t spell_idx);
int16_t AITP_Attack_Wizard(int16_t *wizard_idx, int16_t spell_idx, int16_t caster_idx);
int16_t AITP_Disjunction(int16_t *wizard_idx, int16_t *slot, int16_t spell_idx, int16_t caster_idx);
// With the release flag set: an ERROR log line; without it the program ends with the same text.
void Cast_Spell_Target_Error(int16_t spell_idx);
// Drops the wizard's overland enchantments that do not suit its realms; all of them without mana.
void AI_Sanity_Check_Overland_Enchantments(int16_t player_idx);
