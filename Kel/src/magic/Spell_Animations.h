// The overland spell scenes: a spell over a square, a summoning, a city spell, a global enchantment.
#pragma once

#include <cstdint>

// Loads the spell's picture; 1 for the large pictures.
int16_t Spell_Animation_Load_Graphics(int16_t spell_idx);
// Loads the spell's sound, or none when sound effects are off.
void Spell_Animation_Load_Sound_Effect__WIP(int16_t spell_idx);
// Plays the loaded picture and sound over the world square.
void Spell_Animation_Screen__WIP(int16_t wx, int16_t wy, int16_t wp);
// Subject: a unit type (above 0), -1 an item, -2 and -3 a hero, -20 and -30 a champion.
void Summon_Animation(int16_t subject, int16_t music_offset, int16_t caster_idx);
void City_Enchantment_Anim_1__WIP(int16_t city_idx, int16_t spell_idx, int16_t caster_idx);
void City_Enchantment_Anim_2__WIP(int16_t city_idx, int16_t spell_idx);
void WIZ_GlobalSpellAnim(int16_t caster_idx, int16_t spell_idx);

// Where a spell's picture comes from: the archive and entry, and 1 for the large pictures (the
// realm pictures and spells 1 and 187).
struct Spell_Picture_Source {
    const char *archive;
    int16_t entry;
    int16_t large;
};
Spell_Picture_Source Spell_Animation_Picture(int16_t spell_idx);
// Where a spell's sound comes from: the low byte of its record's sound field, signed; a negative n
// is entry -n of NEWSOUND, else that entry of SOUNDFX. The entry, or -1 for a spell outside the table.
int16_t Spell_Sound_Source(int16_t spell_idx, const char **archive);
// The square scene's passes for a picture of frames frames: at least 12 frames, plus 3.
int16_t Spell_Square_Scene_Passes(int16_t frames);
