// The audience with another wizard: screen 115, opened from the magic screen, and the audience the
// end of turn holds for each computer wizard with an order for the human. The wizard on screen is
// Diplomacy_Wizard_On_Screen (Relations.h); the human is player 0.
#pragma once

#include <cstdint>

// The mode of the audience's loop.
enum Diplomacy_Mode : int16_t {
    dm_Greeting_Menu = 0,  // a greeting; a click opens the human's menu
    dm_Refuse_Talk = 1,    // the wizard will not talk; a click leaves
    dm_Proposal = 2,       // the wizard's own proposal; a click asks for the human's answer
    dm_Statement = 6,      // one statement, shown until a click
};

// The proposal kept while a preceding question is asked (the statement shown is m_IDK_diplomatic_order).
extern int16_t m_IDK_old_diplomatic_order;
// The loop's mode (Diplomacy_Mode).
extern int16_t m_IDK_diplomatic_flag;

// Runs screen 115 for the wizard the magic screen set and leaves current_screen at the magic screen.
void Diplomacy_Screen__WIP(void);
// The audience for the order the wizard on screen holds for the human; returns to the caller.
void Npc_Diplomacy_Screen(void);
// Shows one statement until any input; tier is the acceptance 0..3 (3 accepted). A refusal says
// 57 or, recalling a broken treaty, 58; an acceptance may instead thank for a tributed spell (45).
// Answers to the human's proposals (51..66) are shown as given.
void Diplomacy_Display_Response(int16_t statement, int16_t tier);

// Draw functions of the audience: the screen, the screen under an open menu (printing the
// message set by Diplomacy_Set_Menu_Message), and a response.
void Diplomacy_Screen_Draw(void);
void Diplomacy_Menu_Draw(void);
void Diplomacy_Response_Draw(void);
// The text a menu shows above its lines, kept within the audience's 220-byte message.
void Diplomacy_Set_Menu_Message(const char *text);
const char *Diplomacy_Menu_Message(void);

// Plays the wizard's mood tune of a statement: music 0 and 1 the first, 2 the second, others none.
void Diplomacy_Play_Mood_Music(int16_t music);

// Greeting of an audience without an order: mode 0 with statement 42 (or 43 in a poor mood), or
// mode 1 with statement 44 when patience and goodwill are exhausted.
void Diplomacy_Choose_Greeting(void);
// The band 0..10 of the human's relation with the wizard on screen, which picks both eyes.
int16_t Diplomacy_Eyes_Band(void);
