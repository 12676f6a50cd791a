// The automatic resolution of a battle: both armies reduced to a few sums, the wizards' spells in the
// abstract, up to three exchanges of missiles, then melee until one side is spent, the winner's losses
// spread over its units, and the outcome handed to the end of combat.
#pragma once

#include <cstdint>

// Battle items found on fallen heroes: at most this many per battle.
constexpr int COMBAT_ITEM_LIST_MAX = 18;

// 1 when the attacker (owner of the first troop) wins, else 0. item_count and item_list receive the
// items of fallen heroes (the list holds COMBAT_ITEM_LIST_MAX).
int16_t Strategic_Combat(int16_t *troops, int16_t troop_count, int16_t wx, int16_t wy, int16_t wp, int16_t *item_count,
                         int16_t *item_list);

// The sums of one side, exposed for the checks of the resolution.
struct Strategic_Side {
    int32_t hits;        // effective hits
    int32_t hits_start;  // before the first exchange
    int32_t ranged;      // ranged strength
    int32_t melee;       // melee strength
    int32_t hit_points;  // remaining hit points
    int16_t budget;      // mana the wizard may spend (0: no wizard)
    int16_t spend;       // spend per exchange
    int16_t damage;      // direct-damage coefficient
    int16_t boost;       // ranged-boost coefficient
    int16_t heal;        // healing coefficient
};

// Fills a side's budget, spend and coefficients from its wizard (player below _num_players), the
// attacker's books silenced by the battlefield structure.
void Strategic_Combat_Spell_Coefficients(int16_t player_idx, int16_t attacker, int16_t structure, Strategic_Side *side);
// 1 when the side's player gets the computer players' bonus in a battle of the two players: neither
// side is the human and the side is not the neutral player.
int16_t Strategic_Combat_Bonus_Applies(int16_t side_idx, int16_t attacker_idx, int16_t defender_idx);
// Adds half to every sum and coefficient (the computer players' bonus).
void Strategic_Combat_Bonus(Strategic_Side *side);
// Plays the exchanges: up to 3 of missiles, then melee. Returns 0 attacker won, 1 defender won, -1
// nobody. Spends the wizards' mana (player indices for the casting multipliers; -1 none).
int16_t Strategic_Combat_Exchanges(Strategic_Side *attacker, Strategic_Side *defender, int16_t attacker_idx,
                                   int16_t defender_idx, int16_t *ranged_exchanges);
