// What the overland spell effects share: the items of heroes they kill, the reports of the
// human's losses, and the 5 by 5 area of a city.
#pragma once

#include <cstdint>

// Room of a found-items list: the items of the six heroes of one wizard.
constexpr int SPELL_FOUND_ITEMS_MAX = 18;
constexpr int16_t NO_CITY_REPORTED = -1;

// Kills the unit; a hero's items go to the list first (an item beyond its room is destroyed).
void Spell_Kill_Unit(int16_t unit_idx, int16_t *item_count, int16_t *items);
// The player takes the items found on the square through the item pool; the neutral player and
// any index outside the wizards lose them. The count is emptied.
void Spell_Hand_Out_Items(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp, int16_t *item_count, int16_t *items);
// Counts the buildings Apply_Damage_To_City destroyed (the positive entries of its list) and
// reports each one of a city of the human.
int16_t Spell_Report_Buildings_Lost(int16_t city_idx, int16_t owner_idx, const int16_t *list);
// Reports a unit of the human killed by the spell (city NO_CITY_REPORTED outside cities).
void Spell_Report_Unit_Killed(int16_t owner_idx, int16_t unit_type, int16_t city_idx, int16_t spell_idx);
// Calls visit for the squares of the city's 5 by 5 area, column by column, x wrapping east-west and
// rows off the map skipped.
template <typename Visit> void Spell_For_Area(int16_t cx, int16_t cy, Visit visit)
{
    for (int dx = -2; dx <= 2; dx++) {
        const int16_t wx = (int16_t)((cx + dx + 60) % 60);
        for (int dy = -2; dy <= 2; dy++) {
            const int wy = cy + dy;
            if (wy < 0 || wy >= 40) continue;
            visit(wx, (int16_t)wy);
        }
    }
}

// Words of the settings the spell scenes read.
constexpr int SPELL_SETTING_ENEMY_SPELLS = 13;
constexpr int SPELL_SETTING_SPELL_ANIMATIONS = 15;
// The human watches a rival's spell on the square: "Enemy Spells" on, the human holds the
// enchantment that shows rival spells, and the square is explored by the human.
bool Spell_Watched(int16_t wx, int16_t wy, int16_t wp);
bool Spell_Animations_On(void);
// The overland unit limit of a spell: 980 units, 950 for a computer caster.
bool Spell_Unit_Limit_Reached(int16_t caster_idx);
