#include "magic/Terrain_Spells.h"

#include "ai/AI_City_Square_Targets.h"
#include "ai/AI_Data.h"
#include "cities/City_Records.h"
#include "magic/Magic_Services.h"
#include "magic/Spell_Counters.h"
#include "magic/Spell_Effect_Support.h"
#include "magic/Spell_Rewards.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Army_Services.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Scouting.h"
#include "world/Spell_Data_Record.h"
#include "world/Square_Queries.h"
#include "world/Terrain_Changes.h"
#include "world/Unit_Record.h"

namespace {

constexpr int16_t TARGET_SQUARE = 4;
constexpr int16_t SPELL_EARTH_LORE = 10;
constexpr int16_t SPELL_CHANGE_TERRAIN = 15;
constexpr int16_t SPELL_TRANSMUTE = 18;
constexpr int16_t SPELL_FLOATING_ISLAND = 43;
constexpr int16_t SPELL_ENCHANT_ROAD = 55;
constexpr int16_t SPELL_CORRUPTION = 85;
constexpr int16_t SPELL_RAISE_VOLCANO = 98;
constexpr int EARTH_LORE_COLUMNS = 12;
constexpr int EARTH_LORE_ROWS = 10;
constexpr int CHANGE_TERRAIN_FRAMES = 12;

// Asks the human for a square until refusal names no message; the computer's picker otherwise.
// refusal returns 0 for a valid square, else shows its messages and returns 1.
template <typename Refusal>
int16_t Square_Target(int16_t caster_idx, int16_t spell_idx, int16_t *wx, int16_t *wy, int16_t *wp, Refusal refusal)
{
    if (caster_idx != HUMAN_PLAYER_IDX) {
        return Get_Map_Square_Target_For_Spell(TARGET_SQUARE, wx, wy, wp, spell_idx, caster_idx);
    }
    for (;;) {
        const int16_t result = Magic_Spell_Target(TARGET_SQUARE, wx, wy, wp, spell_idx);
        if (result != 1) return result;
        if (*wx < 0 || *wx >= WORLD_WIDTH || *wy < 0 || *wy >= WORLD_HEIGHT || *wp < 0 || *wp >= NUM_PLANES) return 0;
        if (!refusal(*wx, *wy, *wp)) return 1;
    }
}

bool Human_City_Near(int16_t wx, int16_t wy, int16_t wp)
{
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != HUMAN_PLAYER_IDX || city.wp != wp) continue;
        const int dx = city.wx > wx ? city.wx - wx : wx - city.wx;
        const int dy = city.wy > wy ? city.wy - wy : wy - city.wy;
        if ((dx <= 2 || dx >= WORLD_WIDTH - 2) && dy <= 2) return true;
    }
    return false;
}

// The survey of Raise Volcano and Corruption: the first two cities within 2 squares, and the
// counters of a city on the square itself. False when a counter stopped the spell.
struct City_Survey {
    int16_t cities[2] = {-1, -1};
    int16_t on_square = -1;
};
City_Survey Survey_Cities(int16_t wx, int16_t wy, int16_t wp)
{
    City_Survey survey;
    int found = 0;
    for (int16_t c = 0; c < _cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wp != wp) continue;
        const int dx = city.wx > wx ? city.wx - wx : wx - city.wx;
        const int dy = city.wy > wy ? city.wy - wy : wy - city.wy;
        if (!((dx <= 2 || dx >= WORLD_WIDTH - 2) && dy <= 2)) continue;
        if (found < 2) survey.cities[found++] = c;
        if (city.wx == wx && city.wy == wy) survey.on_square = c;
    }
    return survey;
}

bool Counters_Stop(int16_t spell_idx, int16_t city_idx, int16_t caster_idx)
{
    if (city_idx < 0) return false;
    const int16_t messages = !(caster_idx != HUMAN_PLAYER_IDX && _CITIES[city_idx].owner_idx != HUMAN_PLAYER_IDX);
    return Apply_Automatic_Spell_Counters(spell_idx, city_idx, caster_idx, messages) == 0;
}

bool Terrain_Changeable(int16_t wx, int16_t wy, int16_t wp)
{
    return Square_Is_Grasslands(wx, wy, wp) || Square_Is_Forest(wx, wy, wp) || Square_Is_Desert(wx, wy, wp) ||
           Square_Is_Volcano(wx, wy, wp) || Square_Is_Hills(wx, wy, wp) || Square_Is_Mountain(wx, wy, wp) ||
           Square_Is_Swamp(wx, wy, wp);
}

uint8_t &Square_Flags(int16_t wx, int16_t wy, int16_t wp) { return _map_square_flags[World_Square_Index(wx, wy, wp)]; }

}  // namespace

void Change_Terrain_Square(int16_t wx, int16_t wy, int16_t wp)
{
    g_ai_recompute_needed = 1;
    if (Square_Is_Grasslands(wx, wy, wp)) {
        Set_Terrain_Type_Forest(wx, wy, wp);
    } else if (Square_Is_Swamp(wx, wy, wp) || Square_Is_Forest(wx, wy, wp) || Square_Is_Desert(wx, wy, wp) ||
               Square_Is_Hills(wx, wy, wp)) {
        Set_Terrain_Type_Grasslands(wx, wy, wp);
    }
    if (Square_Is_Volcano(wx, wy, wp) && !Square_Is_Node(wx, wy, wp)) {
        Set_Terrain_Type_Mountain(wx, wy, wp);
        Volcano_Counts();
    } else if (Square_Is_Mountain(wx, wy, wp)) {
        Set_Terrain_Type_Hills(wx, wy, wp);
    }
}

void Transmute_Square(int16_t wx, int16_t wy, int16_t wp)
{
    static const uint8_t swaps[7] = {0, 4, 5, 6, 1, 2, 3};
    uint8_t &specials = _map_square_terrain_specials[World_Square_Index(wx, wy, wp)];
    if (specials >= 1 && specials <= 6) specials = swaps[specials];
    g_ai_recompute_needed = 1;
}

int16_t Cast_Earth_Lore(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_EARTH_LORE, &wx, &wy, &wp, [](int16_t, int16_t, int16_t) { return false; });
    if (result != 1) return result;
    if (caster_idx != HUMAN_PLAYER_IDX) return 1;
    Magic_Square_Scene(SPELL_EARTH_LORE, wx, wy, wp, 0, nullptr);
    // The map window is placed around the pick.
    const int left = wx - EARTH_LORE_COLUMNS / 2;
    const int top = wy - EARTH_LORE_ROWS / 2 < 0 ? 0 : wy - EARTH_LORE_ROWS / 2;
    for (int column = 0; column < EARTH_LORE_COLUMNS; column++) {
        const int16_t x = (int16_t)(((left + column) % WORLD_WIDTH + WORLD_WIDTH) % WORLD_WIDTH);
        for (int row = 0; row < EARTH_LORE_ROWS && top + row < WORLD_HEIGHT; row++) {
            Army_Set_Square_Explored_Flags(x, (int16_t)(top + row), wp);
        }
    }
    Magic_Redraw_Main(-1, -1, -1);
    return 1;
}

int16_t Cast_Change_Terrain(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_CHANGE_TERRAIN, &wx, &wy, &wp, [](int16_t x, int16_t y, int16_t p) {
            bool refused = false;
            if (!Terrain_Changeable(x, y, p)) {
                Magic_Message_Record(35);
                refused = true;
            }
            if (Square_Is_Node(x, y, p)) {
                Magic_Message_Record(34);
                refused = true;
            }
            return refused;
        });
    if (result != 1) return result;
    if (Spell_Animations_On() && (caster_idx == HUMAN_PLAYER_IDX || Check_Square_Explored(wx, wy, wp))) {
        Magic_Square_Scene(SPELL_CHANGE_TERRAIN, wx, wy, wp, CHANGE_TERRAIN_FRAMES, nullptr);
    }
    Change_Terrain_Square(wx, wy, wp);
    Magic_Redraw_Main(-1, -1, -1);
    return 1;
}

int16_t Cast_Raise_Volcano(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_RAISE_VOLCANO, &wx, &wy, &wp, [](int16_t x, int16_t y, int16_t p) {
            bool refused = false;
            const struct {
                bool fails;
                int16_t record;
            } tests[] = {{Square_Is_Sailable(x, y, p) != 0, 36},
                         {Square_Is_Mountain(x, y, p) != 0, 37},
                         {Square_Is_Hills(x, y, p) != 0, 38},
                         {Square_Is_River(x, y, p) != 0, 86},
                         {Square_Is_Node(x, y, p) != 0, 39}};
            for (const auto &test : tests) {
                if (!test.fails) continue;
                Magic_Message_Record(test.record);
                refused = true;
            }
            return refused;
        });
    if (result != 1) return result;
    const City_Survey survey = Survey_Cities(wx, wy, wp);
    if (Counters_Stop(SPELL_RAISE_VOLCANO, survey.on_square, caster_idx)) return 1;
    g_ai_recompute_needed = 1;
    if (caster_idx == HUMAN_PLAYER_IDX || Human_City_Near(wx, wy, wp) || Check_Square_Explored(wx, wy, wp)) {
        Magic_Square_Scene(SPELL_RAISE_VOLCANO, wx, wy, wp, 0, nullptr);
    }
    if (survey.on_square >= 0) {
        const int16_t owner = _CITIES[survey.on_square].owner_idx;
        int16_t lost[CITY_DAMAGE_LIST_SIZE] = {};
        Apply_Damage_To_City(survey.on_square, 0, 15, lost);
        Spell_Report_Buildings_Lost(survey.on_square, owner, lost);
    }
    Set_Terrain_Type_Volcano_With_Owner(wx, wy, wp, caster_idx);
    _players[caster_idx].volcanoes++;
    Volcano_Counts();
    for (int16_t city : survey.cities) {
        if (city >= 0) Change_Relations_For_Bad_City_Spell(caster_idx, SPELL_RAISE_VOLCANO, city);
    }
    return 1;
}

int16_t Cast_Transmute(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_TRANSMUTE, &wx, &wy, &wp, [](int16_t x, int16_t y, int16_t p) {
            const uint8_t mineral = _map_square_terrain_specials[World_Square_Index(x, y, p)];
            if (mineral >= 1 && mineral <= 6) return false;
            Magic_Message_Record(40);
            return true;
        });
    if (result != 1) return result;
    if (caster_idx == HUMAN_PLAYER_IDX || (Spell_Watched(wx, wy, wp) && Spell_Animations_On())) {
        Magic_Square_Scene(SPELL_CHANGE_TERRAIN, wx, wy, wp, 0, nullptr);
    }
    Transmute_Square(wx, wy, wp);
    return 1;
}

int16_t Cast_Corruption(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_CORRUPTION, &wx, &wy, &wp, [](int16_t x, int16_t y, int16_t p) {
            bool refused = false;
            if (Square_Is_Node(x, y, p)) {
                Magic_Message_Record(41);
                refused = true;
            }
            if (Square_Has_Corruption(x, y, p)) {
                Magic_Message_Record(42);
                refused = true;
            }
            if (Square_Is_Sailable(x, y, p)) {
                Magic_Message_Record(43);
                refused = true;
            }
            return refused;
        });
    if (result != 1) return result;
    const City_Survey survey = Survey_Cities(wx, wy, wp);
    if (Counters_Stop(SPELL_CORRUPTION, survey.on_square, caster_idx)) return 1;
    g_ai_recompute_needed = 1;
    if (caster_idx == HUMAN_PLAYER_IDX || Human_City_Near(wx, wy, wp) || Spell_Watched(wx, wy, wp)) {
        Magic_Square_Scene(SPELL_CORRUPTION, wx, wy, wp, CHANGE_TERRAIN_FRAMES, nullptr);
    }
    const bool had_road = (Square_Flags(wx, wy, wp) & sf_Road) != 0;
    if (had_road) City_Remove_Road(wx, wy, wp);
    Square_Flags(wx, wy, wp) = sf_Corruption;
    if (had_road) Reset_City_Road_Connection_Bitfields();
    for (int16_t city : survey.cities) {
        if (city >= 0) Change_Relations_For_Bad_City_Spell(caster_idx, SPELL_CORRUPTION, city);
    }
    Magic_Redraw_Main(-1, -1, -1);
    return 1;
}

int16_t Cast_Enchant_Road(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_ENCHANT_ROAD, &wx, &wy, &wp, [](int16_t, int16_t, int16_t) { return false; });
    if (result != 1) return result;
    if (caster_idx == HUMAN_PLAYER_IDX ||
        (Game_Settings_Word(SPELL_SETTING_ENEMY_SPELLS) != 0 && Check_Square_Explored(wx, wy, wp))) {
        Magic_Square_Scene(SPELL_ENCHANT_ROAD, wx, wy, wp, 0, nullptr);
    }
    Spell_For_Area(wx, wy, [wp](int16_t x, int16_t y) { Make_Road_Enchanted(x, y, wp); });
    g_ai_recompute_needed = 1;
    return 1;
}

int16_t Cast_Floating_Island(int16_t caster_idx)
{
    int16_t wx, wy, wp;
    const int16_t result =
        Square_Target(caster_idx, SPELL_FLOATING_ISLAND, &wx, &wy, &wp, [](int16_t x, int16_t y, int16_t p) {
            if (!Square_Is_Sailable(x, y, p)) {
                Magic_Message_Record(58);
                return true;
            }
            int16_t count = 0;
            int16_t list[ARMY_AT_SQUARE_MAX];
            Army_At_Square_1(x, y, p, &count, list);
            if (count > 0 && _UNITS[list[0]].owner_idx != HUMAN_PLAYER_IDX) {
                Magic_Message_Record(59);
                return true;
            }
            if (count >= ARMY_LIST_STACK_MAX) {
                Magic_Message_Record(60);
                return true;
            }
            return false;
        });
    if (result != 1) return result;
    if (Spell_Animations_On() && (caster_idx == HUMAN_PLAYER_IDX || Check_Square_Scouted(wx, wy, wp))) {
        Magic_Square_Scene(SPELL_FLOATING_ISLAND, wx, wy, wp, 0, nullptr);
    }
    const int16_t type = spell_data_table != nullptr ? spell_data_table[SPELL_FLOATING_ISLAND].Param_Bytes[0] : 0;
    Create_Unit(type, caster_idx, wx, wy, wp, -1);
    g_ai_recompute_needed = 1;
    return 1;
}
