// Dispelling or binding a rival wizard's global enchantment.
#pragma once

#include <cstdint>

// The human's disjunction (or, for Spell Binding, binding) of a rival's global enchantment of his
// choice; a warning when no rival holds one. Returns 1.
int16_t Global_Enchantment_Screen(int16_t spell_idx, int16_t caster_idx);
// One attempt on the target's enchantment of the slot with the strength, weighed against the
// enchantment's dispel difficulty. On success the target loses the slot and, for a binding, the
// caster holds it. 1 on success.
int16_t Global_Enchantment_Attempt(int32_t strength, int16_t caster_idx, int16_t target_idx, int16_t slot,
                                   int16_t bind);
