// Stand-ins of the turn cycle's screens.
#include "stubs/STUB_HIT.h"
#include "turn/Proposals_Answers.h"

// The human says nothing: the menu closes at once and a proposal goes unanswered.
void Diplomacy_Human_Menu(void) { STUB_HIT(); }
void Npc_Proposal__WIP(int16_t proposal)
{
    STUB_HIT();
    (void)proposal;
}
