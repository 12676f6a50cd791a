// The combat screen: the battle fought by the human on the battlefield.
#pragma once

#include <cstdint>

// Fights the battle; 1 when the attacker won. The items of fallen heroes go to item_list.
int16_t Combat_Screen(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count, int16_t wx,
                      int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list);
