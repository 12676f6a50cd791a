#include "cities/Cityscape_Layout.h"

#include <cstring>
#include <initializer_list>

#include "ORV2.h"

#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Record.h"
#include "world/Map_Feature_Records.h"
#include "world/Player_Record.h"
#include "world/Race_Type_Table.h"
#include "world/Square_Queries.h"

int16_t *cityscape_bldg_array = nullptr;

namespace {

constexpr int MAX_PLACES = 64;

struct Footprint {
    int width;
    int depth;
    int max_column;
    int max_row;
};
// clang-format off
constexpr Footprint FOOTPRINTS[CITYSCAPE_FOOTPRINT_CLASSES] = {
    {2, 2, 20, 12},
    {3, 2, 19, 12},
    {2, 3, 20, 11},
    {3, 3, 19, 11},
};
// clang-format on

struct Place {
    int16_t row;
    int16_t column;
};

struct Layout_State {
    int16_t needed[CITYSCAPE_FOOTPRINT_CLASSES];
    int16_t found[CITYSCAPE_FOOTPRINT_CLASSES];
    Place places[CITYSCAPE_FOOTPRINT_CLASSES][MAX_PLACES];
    int16_t next[CITYSCAPE_FOOTPRINT_CLASSES];
};
Layout_State m_layout;

// Everything a layout is drawn from. Screens rebuild the scene of the same city every frame, and
// a city that lost places draws thousands of numbers: the last layout is kept with the generator's
// state after it and the number of draws it took, and given again for the same inputs.
struct Layout_Key {
    uint32_t seed;
    int16_t placed;
    int16_t fortress;
    int16_t summon;
    int16_t forest_or_trees;
    int16_t mountain_or_hills;
    uint8_t population;
    uint8_t size;
    int16_t enchantments[6];
    int8_t bldg_status[NUM_BUILDINGS];
    int16_t footprint[NUM_BUILDINGS];
};
struct Layout_Memo {
    bool valid;
    Layout_Key key;
    int16_t grid[CITYSCAPE_CELLS];
    uint32_t seed_after;
    uint64_t draws;
};
Layout_Memo m_memo;

void Set_Cell(int row, int column, int16_t value) { Cityscape_Cell_At(row, column) = value; }

void Fill_Rows(int column, int first_row, int last_row, int16_t value)
{
    for (int r = first_row; r <= last_row; ++r) Set_Cell(r, column, value);
}

void Fill_Columns(int row, int first_column, int last_column, int16_t value)
{
    for (int c = first_column; c <= last_column; ++c) Set_Cell(row, c, value);
}

int16_t Footprint_Class(int bldg_idx)
{
    if (bldg_data_table == nullptr) return -1;
    int16_t cls = bldg_data_table[bldg_idx].G_Animation;
    return (cls >= 0 && cls < CITYSCAPE_FOOTPRINT_CLASSES) ? cls : (int16_t)-1;
}

bool Has_Enchantment(const City_Record &city, int ench, int16_t placed, int16_t building)
{
    return city.enchantments[ench] != 0 || placed == building;
}

// A point spread around the centre of the grid, wider as s grows.
void Spread_Point(int16_t s, int *row, int *column)
{
    *column = 10 + RANDOM((int16_t)(s + 1)) - s / 2;
    *row = 6 + RANDOM((int16_t)(s + 1)) - s / 2;
}

bool Footprint_Free(int row, int column, const Footprint &f)
{
    for (int r = row; r < row + f.depth; ++r)
        for (int c = column; c < column + f.width; ++c)
            if (Cityscape_Cell_At(r, c) != csc_Free) return false;
    return true;
}

// Finds the class's places; a class that misses 500 counted attempts in a row needs one fewer.
void Find_Places(int cls)
{
    const Footprint &f = FOOTPRINTS[cls];
    int16_t s = 3;
    int attempts = 0;
    while (m_layout.found[cls] < m_layout.needed[cls]) {
        int row, column;
        Spread_Point(s, &row, &column);
        if (column >= 0 && column <= f.max_column && row >= 0 && row <= f.max_row) {
            ++attempts;
            if (Footprint_Free(row, column, f)) {
                for (int r = row; r < row + f.depth; ++r)
                    for (int c = column; c < column + f.width; ++c) Set_Cell(r, c, csc_Footprint);
                m_layout.places[cls][m_layout.found[cls]++] = {(int16_t)row, (int16_t)column};
                attempts = 0;
            } else if (attempts > CITYSCAPE_PLACE_ATTEMPTS) {
                attempts = 0;
                --m_layout.needed[cls];
            }
        }
        if (s < 30 && (cls == 3 || RANDOM(3) == 1)) ++s;
    }
}

// Scatters count things of one kind over free cells. After a miss the spread may grow; a house is
// tried again unless R(4) is 1, a tree or rock only when R(2) is 1.
void Scatter(int count, int16_t value, int16_t s, bool house)
{
    for (int i = 0; i < count; ++i) {
        for (;;) {
            int row, column;
            Spread_Point(s, &row, &column);
            if (row >= 0 && row < CITYSCAPE_ROWS && column >= 0 && column < CITYSCAPE_COLUMNS &&
                Cityscape_Cell_At(row, column) == csc_Free) {
                Set_Cell(row, column, value);
                break;
            }
            if (s < 30 && RANDOM(4) == 1) ++s;
            bool again = house ? RANDOM(4) != 1 : RANDOM(2) == 1;
            if (!again) break;
        }
    }
}

// The next place of a class, with the value set at the front-left cell of its footprint.
bool Assign_Place(int cls, int16_t value)
{
    if (m_layout.next[cls] >= m_layout.found[cls]) return false;
    const Place &p = m_layout.places[cls][m_layout.next[cls]++];
    int front = p.row + (cls <= 1 ? 1 : 2);
    Set_Cell(front, p.column, value);
    return true;
}

void Need_Place(int cls)
{
    if (m_layout.needed[cls] < MAX_PLACES) ++m_layout.needed[cls];
}

}  // namespace

int16_t Cityscape_Is_Fortress_City(int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    for (int p = 0; p < _num_players && p < NUM_FORTRESSES; ++p) {
        const Fortress_Record &f = _FORTRESSES[p];
        if (f.active == 1 && f.wx == city.wx && f.wy == city.wy && f.wp == city.wp) return 1;
    }
    return 0;
}

int16_t Cityscape_Is_Summon_City(int16_t city_idx)
{
    const City_Record &city = _CITIES[city_idx];
    for (int p = 0; p < _num_players && p < NUM_FORTRESSES; ++p) {
        if (_FORTRESSES[p].active != 1) continue;
        const Player_Record &player = _players[p];
        if (player.summon_wx == city.wx && player.summon_wy == city.wy && player.summon_wp == city.wp) return 1;
    }
    return 0;
}

namespace {

bool Forest_Or_Trees(const City_Record &city)
{
    int16_t race = city.race < NUM_RACES ? city.race : 0;
    return Square_Is_Forest(city.wx, city.wy, city.wp) || _race_type_table[race].house_kind == 1;
}

bool Mountain_Or_Hills(const City_Record &city)
{
    return Square_Is_Mountain(city.wx, city.wy, city.wp) || Square_Is_Hills(city.wx, city.wy, city.wp);
}

Layout_Key Key_Of(const City_Record &city, int16_t placed, bool fortress, bool summon)
{
    Layout_Key key;
    memset(&key, 0, sizeof(key));
    key.seed = random_seed;
    key.placed = placed;
    key.fortress = fortress;
    key.summon = summon;
    key.forest_or_trees = Forest_Or_Trees(city);
    key.mountain_or_hills = Mountain_Or_Hills(city);
    key.population = city.population;
    key.size = city.size;
    static const int shown[6] = {ce_Dark_Rituals, ce_Earth_Gate,      ce_Stream_of_Life,
                                 ce_Astral_Gate,  ce_Altar_of_Battle, 0};
    for (int i = 0; i < 5; ++i) key.enchantments[i] = city.enchantments[shown[i]] != 0;
    memcpy(key.bldg_status, city.bldg_status, sizeof(key.bldg_status));
    for (int b = 0; b < NUM_BUILDINGS; ++b) key.footprint[b] = Footprint_Class(b);
    return key;
}

void Build_Grid(const City_Record &city, int16_t placed, bool fortress, bool summon);

}  // namespace

void Cityscape_Layout_Forget(void) { m_memo.valid = false; }

void Cityscape_Make_Buildings_Array(int16_t city_idx, int16_t placed)
{
    const City_Record &city = _CITIES[city_idx];
    bool fortress = Cityscape_Is_Fortress_City(city_idx) != 0;
    bool summon = Cityscape_Is_Summon_City(city_idx) != 0;
    Layout_Key key = Key_Of(city, placed, fortress, summon);
    // With a seed given on the command line every draw is traced, so nothing is taken from memory.
    bool traced = _cmd_line_seed != 0;
    if (!traced && m_memo.valid && memcmp(&key, &m_memo.key, sizeof(key)) == 0) {
        memcpy(cityscape_bldg_array, m_memo.grid, sizeof(m_memo.grid));
        random_seed = m_memo.seed_after;
        g_random_call_count += m_memo.draws;
        g_rng_seg_idx += m_memo.draws;
        return;
    }
    uint64_t calls = g_random_call_count;
    Build_Grid(city, placed, fortress, summon);
    m_memo.valid = true;
    memcpy(&m_memo.key, &key, sizeof(key));
    memcpy(m_memo.grid, cityscape_bldg_array, sizeof(m_memo.grid));
    m_memo.seed_after = random_seed;
    m_memo.draws = g_random_call_count - calls;
}

namespace {

void Build_Grid(const City_Record &city, int16_t placed, bool fortress, bool summon)
{
    m_layout = {};

    // Row 0 is written whole below.
    for (int r = 1; r < CITYSCAPE_ROWS; ++r) Fill_Columns(r, 0, CITYSCAPE_COLUMNS - 1, csc_Free);
    Fill_Rows(0, 4, 14, csc_Blocked);
    Fill_Rows(1, 7, 14, csc_Blocked);
    Fill_Rows(2, 10, 14, csc_Blocked);
    Fill_Rows(3, 12, 14, csc_Blocked);
    for (int c = 19; c <= 22; ++c) Fill_Rows(c, 0, 4, csc_Blocked);
    Set_Cell(6, 21, csc_Blocked);
    Set_Cell(6, 22, csc_Blocked);
    Set_Cell(7, 22, csc_Blocked);
    Set_Cell(0, 18, csc_Blocked);
    if (fortress || placed == mb_Fortress) {
        for (int r = 6; r <= 8; ++r) Fill_Columns(r, 10, 12, csc_Footprint);
        Set_Cell(1, 7, csc_Blocked);
        Set_Cell(2, 7, csc_Blocked);
        Set_Cell(1, 8, csc_Blocked);
        Set_Cell(2, 8, csc_Blocked);
        Set_Cell(3, 10, csc_Blocked);
        Set_Cell(4, 10, csc_Blocked);
    }
    Set_Cell(7, 22, csc_Blocked);
    Set_Cell(8, 22, csc_Blocked);
    Set_Cell(7, 21, csc_Blocked);
    Set_Cell(8, 21, csc_Blocked);
    Fill_Columns(0, 0, 17, csc_Road);
    Fill_Columns(5, 1, 22, csc_Road);
    Fill_Columns(9, 3, 22, csc_Road);
    Fill_Columns(14, 4, 22, csc_Road);
    for (int c : {4, 9, 13}) Fill_Rows(c, 0, 14, csc_Road);
    Fill_Rows(18, 1, 14, csc_Road);

    for (int b = 3; b <= 34; ++b) {
        if (b >= bt_Boat_Builder && b <= bt_Harbour) continue;
        int16_t cls = Footprint_Class(b);
        if (cls >= 0 && (city.bldg_status[b] >= 1 || placed == b)) Need_Place(cls);
    }
    if (summon || placed == mb_Summoning_Circle) Need_Place(1);
    if (Has_Enchantment(city, ce_Dark_Rituals, placed, mb_Dark_Rituals)) Need_Place(1);
    if (Has_Enchantment(city, ce_Altar_of_Battle, placed, mb_Altar_Of_Battle)) Need_Place(1);
    if (Has_Enchantment(city, ce_Earth_Gate, placed, mb_Earth_Gate)) Need_Place(0);
    if (Has_Enchantment(city, ce_Stream_of_Life, placed, mb_Stream_Of_Life)) Need_Place(0);
    if (Has_Enchantment(city, ce_Astral_Gate, placed, mb_Astral_Gate)) Need_Place(0);

    int16_t ship = 0;
    for (int b = bt_Boat_Builder; b <= bt_Harbour; ++b)
        if (city.bldg_status[b] >= 1 || placed == b) ship = (int16_t)b;
    if (ship != 0)
        for (int r = 6; r <= 8; ++r) Fill_Columns(r, 2, 3, csc_Footprint);

    for (int cls : {3, 1, 2, 0}) Find_Places(cls);

    int houses = city.population * 8;
    if (city.size == 0 || city.population == 0) houses = 1;
    Scatter(houses, csc_House, 3, true);

    int trees = Forest_Or_Trees(city) ? RANDOM(20) + 80 : RANDOM(8) + 5 + RANDOM(8);
    Scatter(trees, csc_Tree, 6, false);
    int rocks = Mountain_Or_Hills(city) ? RANDOM(10) + 20 : RANDOM(8) + RANDOM(8);
    Scatter(rocks, csc_Rock, 6, false);

    if (summon || placed == mb_Summoning_Circle) Assign_Place(1, mb_Summoning_Circle);
    if (Has_Enchantment(city, ce_Earth_Gate, placed, mb_Earth_Gate)) Assign_Place(0, mb_Earth_Gate);
    if (Has_Enchantment(city, ce_Stream_of_Life, placed, mb_Stream_Of_Life)) Assign_Place(0, mb_Stream_Of_Life);
    if (Has_Enchantment(city, ce_Astral_Gate, placed, mb_Astral_Gate)) Assign_Place(0, mb_Astral_Gate);
    if (Has_Enchantment(city, ce_Altar_of_Battle, placed, mb_Altar_Of_Battle)) Assign_Place(1, mb_Altar_Of_Battle);
    if (Has_Enchantment(city, ce_Dark_Rituals, placed, mb_Dark_Rituals)) Assign_Place(1, mb_Dark_Rituals);
    for (int b = 3; b <= 34; ++b) {
        if (b >= bt_Boat_Builder && b <= bt_Harbour) continue;
        int16_t cls = Footprint_Class(b);
        if (cls >= 0 && city.bldg_status[b] >= 1) Assign_Place(cls, (int16_t)b);
    }
    if (fortress) Set_Cell(8, 10, mb_Fortress);
    if (ship != 0) Set_Cell(8, 2, ship);
}

}  // namespace
