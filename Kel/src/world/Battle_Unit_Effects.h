// What enchantments, mutations and the battlefield do to a composed battle unit.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The effects of the unit-enchantment bits and of the mutation byte, in their fixed order.
void Apply_Enchantment_And_Mutation_Effects(Battle_Unit_Record *bu, uint32_t enchantments, uint8_t mutations);

// The battlefield's effects (node, side bonuses, battle-wide enchantments, curses), applied by combat
// after Load_Battle_Unit. Reads the setting in world/Battlefield.h.
void Battle_Unit_Special_Stats(Battle_Unit_Record *bu);
