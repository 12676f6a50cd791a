// The single road by which a spell is cast in battle: by the human wizard, a unit of either side or a
// computer wizard; and the demon a summoner calls.
#pragma once

#include <cstdint>

// Caster codes below this are battle-unit indices; from it on 20 + player is that wizard himself.
constexpr int16_t COMBAT_CASTER_WIZARD = 20;

// The whole casting sequence. 0 when the caster has nothing to cast, 1 when nothing was spent, 2 when a
// spell went off or was countered.
int16_t Combat_Cast_Spell(int16_t caster, int16_t wx, int16_t wy, int16_t wp);
// The summoning battle unit spends one summoning and brings a demon onto the battlefield.
void Summon_Demon(int16_t battle_unit_idx);
