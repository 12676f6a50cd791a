// Targets of a computer wizard's city spells and of its spells aimed at a map square. Each picker
// returns 1 with its target, or 0 when there is none.
#pragma once

#include <cstdint>

// Kind 5: the caster's own-city spells; kind 6: curses on foreign cities.
int16_t AITP_City_Enchantment(int16_t kind, int16_t *city_idx, int16_t spell_idx, int16_t player_idx);

int16_t AITP_Wall_Of_Stone(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Move_Fortress(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Gaias_Blessing(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Earth_Gate(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Flying_Fortress(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Wall_Of_Fire(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Heavenly_Light(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Prosperity(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Altar_Of_Battle(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Stream_Of_Life(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Inspirations(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Astral_Gate(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Consecration(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Dark_Rituals(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Wall_Of_Darkness(int16_t player_idx, int16_t *city_idx);
int16_t AITP_Cloud_Of_Shadow(int16_t player_idx, int16_t *city_idx);
// A computer wizard's summoning circle never finds a city.
int16_t AITP_Summoning_Circle(int16_t player_idx, int16_t *city_idx);
// ward: the realm of the ward, 0 Nature .. 4 Death.
int16_t AITP_Spell_Ward(int16_t player_idx, int16_t *city_idx, int16_t *ward);
int16_t AITP_Spell_Ward_Wrapper(int16_t *city_idx, int16_t *ward, int16_t player_idx);

// The first argument plays no part in the choice.
int16_t Get_Map_Square_Target_For_Spell(int16_t screen_kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx,
                                        int16_t player_idx);
int16_t AITP_Change_Terrain(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Transmute(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Natures_Cures(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Floating_Island(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Enchant_Road(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp);
int16_t AITP_Attack_Terrain(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx);
int16_t Square_Is_Legal_For_Floating_Island(int16_t wx, int16_t wy, int16_t wp);
