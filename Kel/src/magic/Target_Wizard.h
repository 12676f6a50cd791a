// What a spell aimed at another wizard does to the one the human chose, and how it is reported.
#pragma once

#include <cstddef>
#include <cstdint>

// Effects by the spell's subtype (low byte of its parameter).
enum Wizard_Spell_Subtype : int16_t {
    wss_Spell_Blast = 0,
    wss_Cruel_Unminding = 1,
    wss_Drain_Power = 2,
    wss_Subversion = 3,
};

// 1 when gem slot k (0-3, wizard k + 1) can be chosen: the human knows the wizard and its fortress stands.
int16_t Target_Wizard_Slot_Live(int16_t slot);
// What the target has already put into its spell in progress (never below 0).
int16_t Target_Wizard_Spell_Paid(int16_t target_idx);
// Applies the spell's effect to the target; the amount to report for subtypes 1 and 2.
int16_t Target_Wizard_Apply(int16_t spell_idx, int16_t target_idx);
// "<name> has been spell blasted" and the other results; "Choose target for a <spell> spell" while
// the target is still wanted (target 0).
void Target_Wizard_Caption(char *text, size_t size, int16_t spell_idx, int16_t target_idx, int16_t amount);
