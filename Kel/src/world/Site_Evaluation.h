// What a city site, or an existing city, would draw from its squares; and the mercenary offers.
#pragma once

#include <cstdint>

struct Site_Values {
    int16_t food;
    int16_t production_bonus;
    int16_t gold_bonus;
    int16_t unit_cost_reduction;
    int16_t gold_income;
    int16_t power;
    int16_t special;
    int16_t mithril;
    int16_t adamantium;
    int16_t coastal;
    int16_t unexplored;
};

void Compute_Base_Values_For_Map_Square(int16_t wx, int16_t wy, int16_t wp, int16_t *food, int16_t *production_bonus,
                                        int16_t *gold_bonus, int16_t *unit_cost_reduction, int16_t *gold_income,
                                        int16_t *power, int16_t *special, int16_t *mithril, int16_t *adamantium,
                                        int16_t *coastal, int16_t *unexplored);
// The same, gathered in one record.
Site_Values Site_Evaluate(int16_t wx, int16_t wy, int16_t wp);

// An offer of mercenaries to the player; count 0 means no offer. Draws random numbers.
void Generate_Mercenaries(int16_t player_idx, int16_t *count, int16_t *unit_type, int16_t *cost, int16_t *level);
