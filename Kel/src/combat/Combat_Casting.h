// The single road by which a spell is cast in battle: by the human wizard, a unit of either side or a
// computer wizard; and the demon a summoner calls.
#pragma once

#include <cstdint>

// Caster codes below this are battle-unit indices; from it on 20 + player is that wizard himself.
constexpr int16_t COMBAT_CASTER_WIZARD = 20;
// The highest caster code: the last computer wizard.
constexpr int16_t COMBAT_CASTER_LAST = 24;

// The caster of the spell being cast, for the screens that draw it.
extern int16_t _combat_caster_idx;

// The whole casting sequence. 0 when the caster has nothing to cast, 1 when nothing was spent, 2 when a
// spell went off or was countered.
int16_t Combat_Cast_Spell(int16_t caster, int16_t wx, int16_t wy, int16_t wp);
// 0 when the human may cast the spell now; 1 after telling why not.
int16_t Do_Legal_Spell_Check(int16_t spell);
// The summoning battle unit spends one summoning and brings a demon onto the battlefield; nothing
// happens without a summoning left, a free cell or room for the demon.
void Summon_Demon(int16_t battle_unit_idx);
// The banner naming the caster and the spell (0 the demon) into buffer.
void Combat_Cast_Spell_Message_Text(char *buffer, int size, int16_t caster, int16_t spell);
