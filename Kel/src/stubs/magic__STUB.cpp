// Stand-ins of the magic screens.
#include "magic/Conquest_Spells.h"
#include "magic/Magic_Screen.h"
#include "magic/Spell_Research.h"
#include "magic/Spellbook_Screen.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"

void Magic_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Magic_Screen");
}

void Spellbook_Screen(void)
{
    STUB_HIT();
    Stub_Return_To_Main_Screen("Spellbook_Screen");
}

int16_t skill_staff_locked = 0;
int16_t mana_staff_locked = 0;
int16_t research_staff_locked = 0;

// The research candidates stay as the saved game holds them.
int16_t Player_Research_Spells(int16_t player_idx)
{
    STUB_HIT();
    return 0;
}

// Nothing is taken from the ruins until the spell trades exist.
void Conquest_Spells(int16_t victor_idx, int16_t loser_idx) { STUB_HIT(); }
