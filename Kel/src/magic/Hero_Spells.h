// Bringing a hero into a wizard's service.
#pragma once

#include <cstdint>

constexpr int NAMES_RECORDS = 210;  // 35 hero types for each of six players
constexpr int NAMES_RECORD_SIZE = 13;

// Creates the hero unit at the wizard's fortress in the hero slot (mode 1 restores a dead hero's
// level); 1 when made, 0 when the unit or the slot could not be had.
int16_t Hire_Hero(int16_t player_idx, int16_t hero_type, int16_t slot_idx, int16_t mode);
// The three item-slot kinds of a hero type.
void Hero_Slot_Types(int16_t hero_type, int16_t slot_kinds[3]);

// The hero spells; each returns 1 when a hero joined (or was offered to the human), else 0.
// kind 1 an ordinary hero, 2 a champion.
int16_t Cast_Summon_Hero(int16_t caster_idx, int16_t kind);
int16_t Cast_Incarnation(int16_t caster_idx);
int16_t Cast_Resurrection(int16_t caster_idx);
