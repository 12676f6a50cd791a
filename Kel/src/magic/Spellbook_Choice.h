// What the human's pick in the overland spellbook does: the opening page, the abort questions and
// the warnings against a spell that looks useless.
#pragma once

#include <cstdint>

// Message records of the warnings, in the order they are asked.
constexpr int16_t QUESTIONABLE_RECORDS_MAX = 6;

// What a pick in the book leads to.
enum Spellbook_Pick_Result : int16_t {
    sbp_Stay = 0,     // the book stays open, nothing chosen
    sbp_Aborted = 1,  // the spell in progress was aborted; the book closes
    sbp_Cast = 2,     // the spell is chosen; the book closes with a cast
};

// The even left page of the pair that holds the spell being cast, else the last left page.
int16_t Spellbook_Opening_Page(int16_t spell_being_cast, int16_t last_left_page);
// The warning records that apply to the human casting the spell, in asking order; how many.
int16_t Questionable_Spell_Records(int16_t spell_idx, int16_t *records);
// Asks the human about a spell that looks useless; leaves 1 (go ahead) or 0 in *answer.
void Questionable_Spell_Cast(int16_t spell_idx, int16_t *answer);
// The human picked the spell in his book: the abort questions, then the warnings.
int16_t Spellbook_Pick_Spell(int16_t spell_idx);
