// The combat spells that strike many units at once or act in ways of their own: the instant battlefield
// spells, Call Chaos, Cracks Call, Warp Creature, Life Drain, and the two battle-wide enchantments that
// act at the start of every combat turn, Call Lightning and Wrack. Also the spell's animation choice.
#pragma once

#include <cstdint>

#include "combat/Battle_Unit_Damage.h"
#include "combat/Magic_Vortex.h"

// Spells of the designed table these effects name.
constexpr int16_t SPELL_EARTH_TO_MUD = 1;
constexpr int16_t SPELL_WALL_OF_STONE = 3;
constexpr int16_t SPELL_CRACKS_CALL = 11;
constexpr int16_t SPELL_CALL_LIGHTNING = 35;
// A Call Lightning strike rolls the damage of this spell record.
constexpr int16_t CALL_LIGHTNING_DAMAGE_SPELL = 3;
constexpr int16_t SPELL_DISRUPT = 82;
constexpr int16_t SPELL_DOOM_BOLT = 83;
constexpr int16_t SPELL_WALL_OF_FIRE = 87;
constexpr int16_t SPELL_WARP_CREATURE = 89;
constexpr int16_t SPELL_SUMMON_APPEARANCE = 90;
constexpr int16_t SPELL_WARP_LIGHTNING = 91;
constexpr int16_t SPELL_FIRE_BOLT = 101;
constexpr int16_t SPELL_FIREBALL = 104;
constexpr int16_t SPELL_MAGIC_VORTEX = 105;
constexpr int16_t SPELL_FLAME_STRIKE = 109;
constexpr int16_t SPELL_CALL_CHAOS = 115;
constexpr int16_t SPELL_RAISE_DEAD = 137;
constexpr int16_t SPELL_MASS_HEALING = 149;
constexpr int16_t SPELL_HOLY_WORD = 150;
constexpr int16_t SPELL_LIFE_DRAIN = 167;
constexpr int16_t SPELL_WRACK = 182;
constexpr int16_t SPELL_DEATH_SPELL = 194;
constexpr int16_t SPELL_ANIMATE_DEAD = 195;

// Effects Call Chaos may draw for a unit, 0..7.
constexpr int NUM_CALL_CHAOS_EFFECTS = 8;

// Shows the spell on the battlefield before it takes effect; the instant battlefield spells (Flame
// Strike, Call Chaos, the mass healing, Holy Word, Death Spell) take effect within it.
void Combat_Spell_Animation(int16_t x, int16_t y, int16_t spell, int16_t player, int16_t caster);
// 1 for the spells whose effect Combat_Spell_Animation carries out over the whole battlefield.
int16_t Combat_Spell_Is_Battlefield_Instant(int16_t spell);

// Runs Death Spell, Holy Word, Flame Strike or the mass healing of the player, and hands Call Chaos on.
void Combat_Battlefield_Instant(int16_t player, int16_t spell, int16_t caster);
// Every fighting enemy rolls once per starting figure against Death at -2; a failure kills a figure.
void Apply_Death_Spell(int16_t player);
// Every fighting fantastic enemy without Spell Lock rolls per figure against Life at -2 (-7 undead).
void Apply_Holy_Word(int16_t player);
// The damage roll of Flame Strike on every fighting enemy.
void Apply_Flame_Strike(int16_t player);
// Heals 5 on every fighting unit of the player that is not a Death creature.
void Apply_Mass_Healing(int16_t player);
// Draws one chaos effect per enemy, shows them and applies them.
void Cast_Call_Chaos(int16_t caster);
// Applies the drawn effect (0..7) of every fighting unit of another player.
void Apply_Call_Chaos(int16_t player, const int16_t effects[]);
// May destroy the walking units on the cell and breaks a wall section there.
void Apply_Cracks_Call(int16_t x, int16_t y);
// Gives the battle unit one of the three Warp Creature effects it lacks; nothing when it has all three.
void Apply_Warp_Creature(int16_t battle_unit_idx);
// Drains the target: its failure margin becomes damage of the second kind (the caller commits it) and
// feeds the caster (a unit heals, a wizard gains casting skill).
void Apply_Life_Drain(int16_t target, int16_t damage[NUM_DAMAGE_KINDS], int16_t caster, int16_t strength);
// Call Lightning of the player strikes enemy units.
void Apply_Call_Lightning(int16_t player);
// Wrack of the player hurts every enemy unit that fails to resist.
void Apply_Wrack(int16_t player);

// Puts a battle-wide enchantment in force for the player's side: the slot is the spell's parameter (the
// attacker's entry), plus 1 for the defender; stores value. A slot outside the 30 entries (the table
// comes from the installation) changes nothing.
void Combat_Set_Battle_Enchantment(int16_t parameter, int16_t player, int16_t value);
// Breaks the city-wall section on the cell; a cell outside the city block changes nothing.
void Apply_Disrupt(int16_t x, int16_t y);
