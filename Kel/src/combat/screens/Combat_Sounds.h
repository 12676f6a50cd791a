// The combat screen's music and the sounds of walking units. The sounds are loaded into a block of
// their own, never into the world records, so nothing a battle plays can overwrite the world.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

// The music entry of a battle against the computer side: 102 or 103 against the neutral player,
// else 71 or 72 plus twice the wizard's portrait; variation is the random 1 or 2.
int16_t Combat_Music_Entry(int16_t computer_player, int16_t variation);
// Loads the silent sound and starts the battle's music when the music setting is on.
void Combat_Start_Music(void);
// The archive entry of a unit type's movement sound ("SOUNDFX" or "NEWSOUND").
void Combat_Move_Sound_Entry(int16_t unit_type, const char **archive, int16_t *entry);
// Plays a walking unit's sound, and silences it, when the sound effects setting is on.
void Combat_Move_Sound_Start(Battle_Unit_Record *bu);
void Combat_Move_Sound_Stop(void);
