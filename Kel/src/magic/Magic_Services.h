// What the magic rules ask of the screens: the human's research choice on the big book, the scene
// of a learned spell, questions, notes and the mana adder. The magic screens install them at
// start-up (Magic_Install_Screens). Until then, as in an unattended run, the choice takes the first
// candidate, a question its default answer, a scene or note is skipped, and a variable-cost spell
// gets no extra mana.
#pragma once

#include <cstdint>

struct Magic_Services {
    // The human picks one of his research candidates; the candidate's slot 0-7, or -1 for none.
    int16_t (*research_choice)(void);
    // Shows the human learning spell_idx (already known); was_researched 1 for the research spell.
    void (*learn_spell_scene)(int16_t spell_idx, int16_t was_researched);
    // A question to the human; 1 yes, 0 no.
    int16_t (*confirm)(const char *text);
    // A warning the human acknowledges.
    void (*warn)(const char *text);
    // A note over the main screen centred at x 160, top y, with a picture of the archive's entry.
    void (*notify)(int16_t y, const char *text, const char *archive, int16_t entry);
    // The human raises the strength of the variable-cost spell on the book's line (0-11) with extra
    // mana, setting his casting_cost_original and cost left.
    void (*mana_adder)(int16_t spell_idx, int16_t line);
    // The main screen shown again with the dissolve.
    void (*dissolve_main_screen)(void);
    // The notice of a fizzled spell with its composed text.
    void (*fizzle_scene)(const char *text);
};

extern Magic_Services magic_services;
// 1 while the choice is asked for by a screen that fades out around it.
extern int16_t magic_research_fade;

void Magic_Set_Services(const Magic_Services &services);

// The slot of the first non-zero research candidate of the human, or -1.
int16_t Magic_First_Candidate_Slot(void);

inline int16_t Magic_Research_Choice(void)
{
    return magic_services.research_choice ? magic_services.research_choice() : Magic_First_Candidate_Slot();
}
// Sets the human's strength (the base cost) and cost left as the mana adder does with no extra mana.
void Magic_No_Extra_Mana(int16_t spell_idx);

inline int16_t Magic_Confirm(const char *text, int16_t default_answer)
{
    return magic_services.confirm ? magic_services.confirm(text) : default_answer;
}
inline void Magic_Warn(const char *text)
{
    if (magic_services.warn) magic_services.warn(text);
}
inline void Magic_Notify(int16_t y, const char *text, const char *archive, int16_t entry)
{
    if (magic_services.notify) magic_services.notify(y, text, archive, entry);
}
inline void Magic_Mana_Adder(int16_t spell_idx, int16_t line)
{
    if (magic_services.mana_adder) {
        magic_services.mana_adder(spell_idx, line);
    } else {
        Magic_No_Extra_Mana(spell_idx);
    }
}
inline void Magic_Dissolve_Main_Screen(void)
{
    if (magic_services.dissolve_main_screen) magic_services.dissolve_main_screen();
}
inline void Magic_Fizzle_Scene(const char *text)
{
    if (magic_services.fizzle_scene) magic_services.fizzle_scene(text);
}
inline void Magic_Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    if (magic_services.learn_spell_scene) magic_services.learn_spell_scene(spell_idx, was_researched);
}
