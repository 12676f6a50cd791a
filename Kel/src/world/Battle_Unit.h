// Composing a unit's fighting values into a battle-unit record. The steps run in a fixed order:
// later steps read what earlier ones set (weapon quality, race, abilities, caster mana).
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// Composes bu for the unit: type, level, hero skills, items, enchantments and mutations.
void Load_Battle_Unit(int16_t unit_idx, Battle_Unit_Record *bu);

// The steps of the composition, for the unit bu->unit_idx.
void Battle_Unit_Regular_Stats(Battle_Unit_Record *bu);
void Battle_Unit_Level_Stats(int16_t unit_idx, Battle_Unit_Record *bu);
void Battle_Unit_Hero_Skill_Stats(int16_t unit_idx, Battle_Unit_Record *bu);
// Returns the unit-enchantment bits that the hero's items give (0 for a unit that is no hero).
uint32_t Battle_Unit_Item_Stats(int16_t unit_idx, Battle_Unit_Record *bu);

// ORs the unit-enchantment bits of the item's powers into bu's item enchantments.
void Item_Powers_To_Unit_Enchantments(int16_t item_idx, Battle_Unit_Record *bu);
// ORs the attack flags of the item's powers into *flags.
void Item_Powers_To_Attack_Attributes(uint16_t *flags, int16_t item_idx);

// Hits per figure of an overland unit, and of a battle unit with its battle effects and extra hits.
int16_t Unit_Hit_Points(int16_t unit_idx);
int16_t Battle_Unit_Hit_Points(Battle_Unit_Record *bu);

// The item index in the hero's item place (0..2), or -1: no hero, no owner, an empty place, or an
// index outside the item table.
int16_t Battle_Unit_Hero_Item(int16_t unit_idx, int place);

// Battle values are signed and unsigned bytes; a sum beyond a byte's range stops at its end instead
// of wrapping round.
inline void Battle_Unit_Add(int8_t &field, int delta)
{
    int value = field + delta;
    field = (int8_t)(value > 127 ? 127 : value < -128 ? -128 : value);
}
inline void Battle_Unit_Add(uint8_t &field, int delta)
{
    int value = field + delta;
    field = (uint8_t)(value > 255 ? 255 : value < 0 ? 0 : value);
}
