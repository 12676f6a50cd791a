// Stand-ins of the magic screens.
#include <cstdio>
#include <cstring>

#include "STU_Log.h"
#include "combat/Combat_Results.h"
#include "info/Game_End_Scenes.h"
#include "magic/City_Node_Spells.h"
#include "magic/City_Spell_Effects.h"
#include "magic/Conquest_Spells.h"
#include "magic/Damage_Spells.h"
#include "magic/Enchantment_Effects.h"
#include "magic/Fortress_Spells.h"
#include "magic/Global_Enchantment_Screen.h"
#include "magic/Hero_Spells.h"
#include "magic/Magic_Services.h"
#include "magic/Overland_Casting.h"
#include "magic/Overland_Dispel.h"
#include "magic/Spell_Animations.h"
#include "magic/Spell_Casting_Screen.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Rewards.h"
#include "magic/Spell_Values.h"
#include "magic/Spellbook_Screen.h"
#include "magic/Terrain_Spells.h"
#include "magic/Unit_Spells.h"
#include "magic/Wizard_Spells.h"
#include "stubs/STUB_HIT.h"
#include "stubs/Stub_Screens.h"
#include "world/ALLOC.h"
#include "world/Spell_Data_Record.h"
#include "world/Spell_Ids.h"

// ---- the casting's scenes, targets, dispels and notices, until they are built ----

void Summon_Animation(int16_t subject, int16_t music_offset, int16_t caster_idx) { STUB_HIT(); }
void City_Enchantment_Anim_1__WIP(int16_t city_idx, int16_t spell_idx, int16_t caster_idx) { STUB_HIT(); }
void City_Enchantment_Anim_2__WIP(int16_t city_idx, int16_t spell_idx) { STUB_HIT(); }
void WIZ_GlobalSpellAnim(int16_t caster_idx, int16_t spell_idx) { STUB_HIT(); }
