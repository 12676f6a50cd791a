// Spells and spell books that a wizard gains from treasure.
#pragma once

#include <cstdint>

// A spell of the rarity band (1 common .. 4 very rare) that the wizard does not know; 0 when none.
int16_t WIZ_RollSpellReward(int16_t player_idx, int16_t rarity);
// One more book of the colour realm (0..4): new spells become researchable by the grant table and
// the research candidates are refilled.
void WIZ_AddSpellRank__WIP(int16_t player_idx, int16_t realm);

// The city owner's regard for the caster falls after a hostile city spell.
void Change_Relations_For_Bad_City_Spell(int16_t caster_idx, int16_t spell_idx, int16_t city_idx);
// How much a wizard's regard for the caster of the spell changes (already divided), with the
// reason; 0 with no change to make (the spell moves nobody, or not that wizard). An amount of 0
// that is still to be made is reported by *applies.
int16_t Enchantment_Relation_Change(int16_t spell_idx, int16_t wizard_idx, int16_t divisor, int16_t *reason,
                                    int16_t *applies);
