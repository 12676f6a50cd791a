// The battlefield's setting that the battle-unit rules read. Tactical combat sets it when a battle
// begins and clears it when the battle ends; outside a battle it holds no node, no battle-wide
// enchantment and no side bonus, so a unit composed overland gains nothing from it.
#pragma once

#include <cstdint>

// Battle-wide enchantments in pairs: entry 2k belongs to the attacking side, 2k + 1 to the defending
// side; above 0 while in force for that side.
constexpr int NUM_COMBAT_ENCHANTMENTS = 30;
// Side bonuses are kept per player index 0..6; combat gives a battle unit without an owner owner 6.
constexpr int NUM_BATTLEFIELD_PLAYERS = 7;
constexpr int16_t COMBAT_NO_NODE = -1;
constexpr int16_t COMBAT_NO_PLAYER = -1;

// Realm of the node the battle is fought on (0 sorcery, 1 nature, 2 chaos), COMBAT_NO_NODE when none.
extern int16_t _combat_node_type;
extern int8_t combat_enchantments[NUM_COMBAT_ENCHANTMENTS];
extern int16_t _battlefield_leadership[NUM_BATTLEFIELD_PLAYERS];
extern int16_t _battlefield_holybonus[NUM_BATTLEFIELD_PLAYERS];
extern int16_t _battlefield_resistall[NUM_BATTLEFIELD_PLAYERS];
extern int16_t _combat_attacker_player;
extern int16_t _combat_defender_player;
// The map square of the battle being fought; -1 outside a battle.
extern int16_t _combat_wx;
extern int16_t _combat_wy;
extern int16_t _combat_wp;

// No node, no enchantment, no side bonus, no sides.
void Battlefield_Clear(void);
