// What the human may aim a combat spell at: the target kind of each spell, whether the pointer over a
// cell promises an accepted click, and whether a click is accepted or refused with a warning.
#pragma once

#include <cstdint>

enum Combat_Target_Kind : int16_t {
    ctk_Empty_Cell = 1,
    ctk_Any_Cell = 2,
    ctk_Wall_Cell = 3,
    ctk_Attacker_Half = 4,  // empty cell, columns 11 and up
    ctk_Defender_Half = 5,  // empty cell, columns 10 and down
    ctk_Enemy = 10,
    ctk_Enemy_Normal = 11,
    ctk_Own = 20,
    ctk_Own_Normal = 21,
    ctk_Own_Hero = 23,
    ctk_Unit_Or_Vortex = 30,
};

// The result of a click that names a cell but no unit, and of a cancel.
constexpr int16_t COMBAT_TARGET_CELL = 99;
constexpr int16_t COMBAT_TARGET_CANCEL = 999;
// The warnings of a refused click.
constexpr int16_t TARGET_WARN_NORMAL_UNIT = 69;  // followed by the spell's name
constexpr int16_t TARGET_WARN_NOT_CHAOS_DEATH = 70;
constexpr int16_t TARGET_WARN_NON_CORPOREAL = 71;
constexpr int16_t TARGET_WARN_NOT_MISSILE = 72;
constexpr int16_t TARGET_WARN_ILLUSIONS_IMMUNE = 73;
constexpr int16_t TARGET_WARN_UNDEAD = 74;
constexpr int16_t TARGET_WARN_OCCUPIED = 88;
constexpr int16_t TARGET_WARN_NATIVE = 90;

// The kind of the spell being aimed, kept for the pointer between calls.
extern int16_t _combat_spell_target_type;

// The target kind of the spell (spell 0: an empty cell).
int16_t Combat_Spell_Target_Kind(int16_t spell);
// 1 when the pointer over the cell shows the target picture for the kind, 0 the refusal picture.
int16_t Combat_Target_Cell_Allowed(int16_t kind, int16_t x, int16_t y);

struct Combat_Target_Verdict {
    int16_t result;   // battle-unit index, COMBAT_TARGET_CELL, or -1 refused
    int16_t warning;  // a message record, 0 none or a composed text in text
    char text[160];   // the warning's text when composed here (empty otherwise)
};
// Judges a click on the cell for the spell of the kind.
Combat_Target_Verdict Combat_Spell_Target_Check(int16_t spell, int16_t kind, int16_t x, int16_t y);
// "Select a target for a {name} spell."
void Combat_Spell_Target_Prompt(int16_t spell, char *text, int size);
