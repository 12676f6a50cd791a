// What the magic rules ask of the screens: the human's research choice on the big book and the
// scene of a learned spell. The magic screens install them at start-up (Magic_Install_Screens).
// Until then, as in an unattended run, the choice takes the first candidate and the scene is skipped.
#pragma once

#include <cstdint>

struct Magic_Services {
    // The human picks one of his research candidates; the candidate's slot 0-7, or -1 for none.
    int16_t (*research_choice)(void);
    // Shows the human learning spell_idx (already known); was_researched 1 for the research spell.
    void (*learn_spell_scene)(int16_t spell_idx, int16_t was_researched);
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
inline void Magic_Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    if (magic_services.learn_spell_scene) magic_services.learn_spell_scene(spell_idx, was_researched);
}
