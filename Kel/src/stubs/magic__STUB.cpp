// Stand-ins of the magic screens.
#include "magic/Enchantment_Effects.h"
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

// Enchantments take no effect at the end of a turn yet, and leave relations as they are.
void Apply_Consecration(int16_t city_idx) { STUB_HIT(); }
void Apply_Stream_Of_Life(int16_t city_idx) { STUB_HIT(); }
void Apply_Chaos_Rift(int16_t city_idx) { STUB_HIT(); }
void Apply_Gaias_Blessing(int16_t city_idx) { STUB_HIT(); }
void Apply_Nightshade_Dispel(int16_t city_idx) { STUB_HIT(); }
void Apply_Great_Wasting(int16_t player_idx) { STUB_HIT(); }
void Apply_Meteor_Storm(int16_t player_idx) { STUB_HIT(); }
void Apply_Armageddon(int16_t player_idx) { STUB_HIT(); }
void Change_Relations_For_Enchantments(int16_t player_idx, int16_t spell_idx, int16_t amount) { STUB_HIT(); }
