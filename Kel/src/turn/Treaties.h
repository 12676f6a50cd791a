// Changes of the treaty between two wizards. Each writes both records of the pair, so the
// treaty, relation and hostility of a pair always agree.
#pragma once

#include <cstdint>

// Both treaty entries become status and both hostilities 0; when either is the current player,
// the standing orders of a's and then b's units are dropped.
void Set_Treaty(int16_t a, int16_t b, uint8_t status);
// a breaks its pact or alliance with b: goodwill, default relation and patience suffer. A pair at
// war, or an index above 5, is left alone.
void Break_Treaties(int16_t a, int16_t b);
// a and b go to war; a pair already at war is left alone.
void Declare_War(int16_t a, int16_t b);
// A war between a and b ends: a truce toward the human, and each side's enchantments on the
// other's cities fade.
void Declare_Peace(int16_t a, int16_t b);
// In every city of a or b, each enchantment cast by the other of the two ends.
void Remove_Enemy_City_Enchantments(int16_t a, int16_t b);
// A computer wizard allied to both sides of a war breaks both alliances.
void G_DIPL_PickSides(void);
