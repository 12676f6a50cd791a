#include "ai/AI_City_Square_Targets.h"

#include <initializer_list>

#include "Memory_Util.h"
#include "ai/AI_Data.h"
#include "ai/AI_Unit_Wizard_Targets.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Square_Queries.h"
#include "world/Unit_Record.h"

namespace {

constexpr int REALM_NATURE = 0;
constexpr int REALM_SORCERY = 1;
constexpr int REALM_CHAOS = 2;
constexpr int REALM_LIFE = 3;
constexpr int REALM_DEATH = 4;
constexpr int FLOATING_ISLAND_DRAWS = 200;
constexpr int ATTACK_TERRAIN_TRIES = 25;
constexpr uint8_t SQUARE_FLAG_ROAD = 0x08;
constexpr uint8_t SQUARE_FLAG_ENCHANTED_ROAD = 0x10;

bool Known_By(const City_Record &city, int16_t player_idx)
{
    return player_idx >= 0 && player_idx < 16 && Test_Bit_Field(player_idx, (const uint8_t *)&city.contacts) != 0;
}

bool Human_Realm_Is(int realm_a, int realm_b)
{
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    return human.Prim_Realm == realm_a || human.Prim_Realm == realm_b || human.Sec_Realm == realm_a ||
           human.Sec_Realm == realm_b;
}

// Best-city rule: cities in index order, a running best from 0, taken only when strictly greater.
template <typename Predicate> int16_t Best_Own_City(int16_t player_idx, int16_t *city_idx, Predicate qualifies)
{
    int16_t best_value = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != player_idx || _ai_all_own_city_values[c] <= best_value || !qualifies(city)) continue;
        best_value = _ai_all_own_city_values[c];
        *city_idx = c;
        found = 1;
    }
    return found;
}

int16_t Best_Own_City_Without(int16_t player_idx, int16_t *city_idx, int entry)
{
    return Best_Own_City(player_idx, city_idx,
                         [entry](const City_Record &city) { return city.enchantments[entry] == 0; });
}

// The city on the wizard's fortress square, or -1.
int16_t Fortress_City(int16_t player_idx)
{
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wx == fortress.wx && city.wy == fortress.wy && city.wp == fortress.wp) return c;
    }
    return -1;
}

int16_t Curse_Target(int16_t spell_idx, int16_t player_idx, int16_t *city_idx)
{
    int curse_class = 0;
    int present_entry = -1;
    switch (spell_idx) {
    case 26: break;
    case 110: present_entry = ce_Chaos_Rift; break;
    case 119: break;
    case 183:
        curse_class = 1;
        present_entry = ce_Evil_Presence;
        break;
    case 189:
        curse_class = 1;
        present_entry = ce_Famine;
        break;
    case 190:
        curse_class = 1;
        present_entry = ce_Cursed_Lands;
        break;
    case 196:
        curse_class = 1;
        present_entry = ce_Pestilence;
        break;
    default: Cast_Spell_Target_Error(spell_idx); return 0;
    }
    int16_t best_value = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (_ai_all_enemy_city_values[c] <= best_value || city.owner_idx == NEUTRAL_PLAYER_IDX) continue;
        if (city.enchantments[ce_Consecration] != 0) continue;
        if (city.enchantments[curse_class == 0 ? ce_Chaos_Ward : ce_Death_Ward] != 0) continue;
        if (!Known_By(city, player_idx)) continue;
        if (spell_idx == 183 && (city.owner_idx < 0 || city.owner_idx >= NUM_PLAYERS ||
                                 _players[city.owner_idx].spellranks[REALM_DEATH] < 1)) {
            continue;
        }
        if (present_entry >= 0 && city.enchantments[present_entry] != 0) continue;
        best_value = _ai_all_enemy_city_values[c];
        *city_idx = c;
        found = 1;
    }
    return found;
}

// The first square within two of the best own city that qualifies.
template <typename Predicate>
int16_t Best_City_Area_Square(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp, Predicate qualifies)
{
    int16_t best_value = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != player_idx || _ai_all_own_city_values[c] <= best_value) continue;
        bool taken = false;
        for (int y = city.wy - 2; y <= city.wy + 2 && !taken; y++) {
            if (y < 0 || y >= WORLD_HEIGHT) continue;
            for (int dx = -2; dx <= 2 && !taken; dx++) {
                int x = (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
                if (qualifies((int16_t)x, (int16_t)y, (int16_t)city.wp)) {
                    *wx = (int16_t)x;
                    *wy = (int16_t)y;
                    *wp = city.wp;
                    taken = true;
                }
            }
        }
        if (taken) {
            best_value = _ai_all_own_city_values[c];
            found = 1;
        }
    }
    return found;
}

}  // namespace

int16_t AITP_Wall_Of_Stone(int16_t player_idx, int16_t *city_idx)
{
    return Best_Own_City(player_idx, city_idx,
                         [](const City_Record &city) { return city.bldg_status[bt_City_Walls] == -1; });
}

int16_t AITP_Move_Fortress(int16_t player_idx, int16_t *city_idx)
{
    int16_t fortress_city = Fortress_City(player_idx);
    if (fortress_city < 0) return 0;
    int16_t best = _ai_all_own_garrison_strengths[fortress_city];
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        if (c == fortress_city || _CITIES[c].owner_idx != player_idx) continue;
        if (_ai_all_own_garrison_strengths[c] > best) {
            best = _ai_all_own_garrison_strengths[c];
            *city_idx = c;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Flying_Fortress(int16_t player_idx, int16_t *city_idx)
{
    int16_t fortress_city = Fortress_City(player_idx);
    if (fortress_city < 0 || _CITIES[fortress_city].enchantments[ce_Flying_Fortress] != 0) return 0;
    *city_idx = fortress_city;
    return 1;
}

int16_t AITP_Gaias_Blessing(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Gaias_Blessing); }
int16_t AITP_Earth_Gate(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Earth_Gate); }
int16_t AITP_Wall_Of_Fire(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Wall_of_Fire); }
int16_t AITP_Heavenly_Light(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Heavenly_Light); }
int16_t AITP_Prosperity(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Prosperity); }
int16_t AITP_Altar_Of_Battle(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Altar_of_Battle); }
int16_t AITP_Stream_Of_Life(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Stream_of_Life); }
int16_t AITP_Inspirations(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Inspirations); }
int16_t AITP_Astral_Gate(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Astral_Gate); }
int16_t AITP_Wall_Of_Darkness(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Wall_of_Darkness); }
int16_t AITP_Cloud_Of_Shadow(int16_t p, int16_t *c) { return Best_Own_City_Without(p, c, ce_Cloud_of_Shadow); }

int16_t AITP_Consecration(int16_t player_idx, int16_t *city_idx)
{
    if (!Human_Realm_Is(REALM_DEATH, REALM_CHAOS) && RANDOM(10) != 1) return 0;
    return Best_Own_City_Without(player_idx, city_idx, ce_Consecration);
}

int16_t AITP_Dark_Rituals(int16_t player_idx, int16_t *city_idx)
{
    return Best_Own_City(player_idx, city_idx, [](const City_Record &city) {
        return city.enchantments[ce_Dark_Rituals] == 0 && City_Building_Stands(city, bt_Temple);
    });
}

int16_t AITP_Summoning_Circle(int16_t player_idx, int16_t *city_idx) { return 0; }

int16_t AITP_Spell_Ward(int16_t player_idx, int16_t *city_idx, int16_t *ward)
{
    // Realm order of the tests, and the city enchantment of each realm's ward.
    static const int REALM_ORDER[5] = {REALM_NATURE, REALM_CHAOS, REALM_SORCERY, REALM_DEATH, REALM_LIFE};
    const Player_Record &human = _players[HUMAN_PLAYER_IDX];
    int16_t best_value = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != player_idx || _ai_all_own_city_values[c] <= best_value) continue;
        int taken_ward = -1;
        for (int16_t realm : {human.Prim_Realm, human.Sec_Realm}) {
            for (int r : REALM_ORDER) {
                if (taken_ward < 0 && realm == r && city.enchantments[ce_Nature_Ward + r] == 0) taken_ward = r;
            }
        }
        if (taken_ward < 0 && RANDOM(10) == 1) taken_ward = RANDOM(5) - 1;
        if (taken_ward >= 0) {
            best_value = _ai_all_own_city_values[c];
            *city_idx = c;
            *ward = (int16_t)taken_ward;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Spell_Ward_Wrapper(int16_t *city_idx, int16_t *ward, int16_t player_idx)
{
    return AITP_Spell_Ward(player_idx, city_idx, ward);
}

int16_t AITP_City_Enchantment(int16_t kind, int16_t *city_idx, int16_t spell_idx, int16_t player_idx)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS) return 0;
    if (kind == 6) return Curse_Target(spell_idx, player_idx, city_idx);
    if (kind != 5) {
        Cast_Spell_Target_Error(spell_idx);
        return 0;
    }
    switch (spell_idx) {
    case 3: return AITP_Wall_Of_Stone(player_idx, city_idx);
    case 28: return AITP_Move_Fortress(player_idx, city_idx);
    case 29: return AITP_Gaias_Blessing(player_idx, city_idx);
    case 37: return AITP_Earth_Gate(player_idx, city_idx);
    case 77: return AITP_Flying_Fortress(player_idx, city_idx);
    case 87: return AITP_Wall_Of_Fire(player_idx, city_idx);
    case 139: return AITP_Heavenly_Light(player_idx, city_idx);
    case 145: return AITP_Prosperity(player_idx, city_idx);
    case 146: return AITP_Altar_Of_Battle(player_idx, city_idx);
    case 148: return AITP_Stream_Of_Life(player_idx, city_idx);
    case 152: return AITP_Inspirations(player_idx, city_idx);
    case 153: return AITP_Astral_Gate(player_idx, city_idx);
    case 155: return AITP_Consecration(player_idx, city_idx);
    case 163: return AITP_Dark_Rituals(player_idx, city_idx);
    case 178: return AITP_Wall_Of_Darkness(player_idx, city_idx);
    case 185: return AITP_Cloud_Of_Shadow(player_idx, city_idx);
    case 203: return AITP_Summoning_Circle(player_idx, city_idx);
    default: Cast_Spell_Target_Error(spell_idx); return 0;
    }
}

int16_t AITP_Transmute(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    return Best_City_Area_Square(player_idx, wx, wy, wp, [](int16_t x, int16_t y, int16_t p) {
        return (_map_square_terrain_specials[World_Square_Index(x, y, p)] & 0x03) != 0;
    });
}

int16_t AITP_Change_Terrain(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    return Best_City_Area_Square(player_idx, wx, wy, wp, [](int16_t x, int16_t y, int16_t p) {
        return Square_Is_Desert(x, y, p) != 0 || Square_Is_Swamp(x, y, p) != 0;
    });
}

int16_t AITP_Natures_Cures(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    int best = 0;
    int16_t found = 0;
    for (int16_t u = 0; u < _units; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx != player_idx || unit.Damage <= best) continue;
        best = unit.Damage;
        *wx = unit.wx;
        *wy = unit.wy;
        *wp = unit.wp;
        found = 1;
    }
    return found;
}

int16_t Square_Is_Legal_For_Floating_Island(int16_t wx, int16_t wy, int16_t wp)
{
    if (wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp > 1) return 0;
    int16_t t = Terrain_Class(_world_maps[World_Square_Index(wx, wy, wp)]);
    bool legal =
        (t > 472 && t < 602) || (t > 451 && t <= 467) || (t > 200 && t <= 232) || (t <= 161 && t != 1 && t != 18);
    return legal ? 1 : 0;
}

int16_t AITP_Floating_Island(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    // Random(0) would name slot 0 of no cities: without cities there is no target.
    if (_cities <= 0) return 0;
    int16_t city_idx = -1;
    for (int draw = 0; draw < FLOATING_ISLAND_DRAWS && city_idx < 0; draw++) {
        int16_t c = (int16_t)(RANDOM(_cities) - 1);
        if (_CITIES[c].owner_idx == player_idx) city_idx = c;
    }
    if (city_idx < 0) return 0;
    const City_Record &city = _CITIES[city_idx];
    auto take = [&](int x, int y) {
        if (Square_Is_Legal_For_Floating_Island((int16_t)x, (int16_t)y, city.wp) == 0) return false;
        *wx = (int16_t)x;
        *wy = (int16_t)y;
        *wp = city.wp;
        return true;
    };
    if (take(city.wx, city.wy) || take(city.wx, city.wy)) return 1;
    for (int r = 1; r <= 9; r++) {
        if (take(city.wx + r, city.wy) || take(city.wx, city.wy + r) || take(city.wx - r, city.wy) ||
            take(city.wx, city.wy - r)) {
            return 1;
        }
    }
    return 0;
}

int16_t AITP_Enchant_Road(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp)
{
    int16_t best = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (_ai_all_own_garrison_strengths[c] <= best) continue;
        bool road = false;
        bool enchanted = false;
        for (int y = city.wy - 2; y <= city.wy + 2; y++) {
            if (y < 0 || y >= WORLD_HEIGHT) continue;
            for (int dx = -2; dx <= 2; dx++) {
                if (dx == 0 && y == city.wy) continue;
                int x = (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
                uint8_t flags = _map_square_flags[World_Square_Index(x, y, city.wp)];
                if ((flags & SQUARE_FLAG_ROAD) != 0) {
                    road = true;
                    if ((flags & SQUARE_FLAG_ENCHANTED_ROAD) != 0) enchanted = true;
                }
            }
        }
        if (road && !enchanted) {
            best = _ai_all_own_garrison_strengths[c];
            *wx = city.wx;
            *wy = city.wy;
            *wp = city.wp;
            found = 1;
        }
    }
    return found;
}

int16_t AITP_Attack_Terrain(int16_t player_idx, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx)
{
    int16_t best = 0;
    int16_t found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx == player_idx || city.owner_idx == NEUTRAL_PLAYER_IDX || !Known_By(city, player_idx) ||
            _ai_all_enemy_city_values[c] <= best) {
            continue;
        }
        for (int attempt = 0; attempt < ATTACK_TERRAIN_TRIES; attempt++) {
            int dx = RANDOM(5);
            int dy = RANDOM(5);
            if ((dx == 1 || dx == 5) && (dy == 1 || dy == 5)) continue;
            int16_t x = (int16_t)(city.wx + dx - 3);
            int16_t y = (int16_t)(city.wy + dy - 3);
            int16_t p = city.wp;
            if (x < 1 || x > 59 || y < 1 || y > 39) continue;
            if (!Square_Is_Land(x, y, p) || Square_Is_Volcano(x, y, p) || Square_Has_Corruption(x, y, p)) continue;
            if (spell_idx == 98 && (Square_Is_Mountain(x, y, p) || Square_Is_Hills(x, y, p) ||
                                    Square_Is_River(x, y, p) || Square_Is_Node(x, y, p))) {
                continue;
            }
            best = _ai_all_enemy_city_values[c];
            *wx = x;
            *wy = y;
            *wp = p;
            found = 1;
            break;
        }
    }
    return found;
}

int16_t Get_Map_Square_Target_For_Spell(int16_t screen_kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx,
                                        int16_t player_idx)
{
    switch (spell_idx) {
    case 15: return AITP_Change_Terrain(player_idx, wx, wy, wp);
    case 18: return AITP_Transmute(player_idx, wx, wy, wp);
    case 19: return AITP_Natures_Cures(player_idx, wx, wy, wp);
    case 25:
    case 68:
    case 107:
    case 187: return AITP_Attack_Stack(player_idx, wx, wy, wp);
    case 43: return AITP_Floating_Island(player_idx, wx, wy, wp);
    case 52:
    case 204: return AITP_Disenchant(player_idx, wx, wy, wp);
    case 55: return AITP_Enchant_Road(player_idx, wx, wy, wp);
    case 85:
    case 98: return AITP_Attack_Terrain(player_idx, wx, wy, wp, spell_idx);
    case 132: return AITP_Plane_Shift(player_idx, wx, wy, wp);
    default: Cast_Spell_Target_Error(spell_idx); return 0;
    }
}
