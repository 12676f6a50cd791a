// The human learning a spell: the wizard in his laboratory, then the big book opened at the new
// spell whose entry is revealed; without spell animations a notice names the spell.
#pragma once

#include <cstdint>

// Shows the learning of spell_idx (already known); was_researched 1 when it was the research spell,
// and the book then turns to the research spread when candidates remain.
void Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched);
// The laboratory's pictures, and the room drawn to the back page.
void Learn_Spell_Animation_Load(void);
// One laboratory frame.
void Learn_Spell_Animation_Draw(void);
// One frame of the reveal at g_spellbook_anim_stage.
void Learn_Spell_Animation_Decode_Draw(void);
// The whole screen in colour 1.
void Fill_Black_Draw(void);
