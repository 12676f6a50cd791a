// What city and global enchantments do each turn, and how the other wizards take a global
// enchantment or the Spell of Mastery.
#pragma once

#include <cstdint>

// City enchantments, on one city.
void Apply_Consecration(int16_t city_idx);
void Apply_Stream_Of_Life(int16_t city_idx);
void Apply_Chaos_Rift(int16_t city_idx);
void Apply_Gaias_Blessing(int16_t city_idx);
void Apply_Nightshade_Dispel(int16_t city_idx);

// Global enchantments of one wizard.
void Apply_Great_Wasting(int16_t player_idx);
void Apply_Meteor_Storm(int16_t player_idx);
void Apply_Armageddon(int16_t player_idx);

// The other wizards' regard for the caster changes by the spell's amounts, each divided by amount
// (towards zero).
void Change_Relations_For_Enchantments(int16_t player_idx, int16_t spell_idx, int16_t amount);

// Nature's Wrath answers a Chaos or Death spell of the caster: its cities shake.
void Call_Forth_The_Force_Of_Nature(int16_t caster_idx);
