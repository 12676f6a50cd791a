#include "world/Scouting.h"

#include <cstring>

#include "Memory_Util.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Movement_Modes.h"

namespace {

constexpr int SCOUTED_MAP_BYTES = WORLD_SIZE / 8;  // 300
constexpr int CITY_SCOUTING_RANGE = 2;
constexpr int CITY_SCOUTING_RANGE_OBSERVATORY = 3;
constexpr int CITY_SCOUTING_RANGE_NATURES_EYE = 5;
constexpr int CITY_SCOUTING_RANGE_ORACLE = 4;
constexpr int BUILDING_OBSERVATORY = 35;
constexpr int BUILDING_ORACLE = 18;
constexpr int UNIT_SCOUTING_RANGE_AIRBORNE = 2;

uint8_t *Scouted_Map(int16_t wp) { return wp == 0 ? square_scouted_p0 : square_scouted_p1; }

bool On_Map(int16_t wx, int16_t wy, int16_t wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

bool Valid_Player(int p) { return p >= 0 && p < NUM_PLAYERS; }

int16_t Unit_Scouting_Range(int16_t unit_idx)
{
    const Unit_Record &unit = _UNITS[unit_idx];
    int range = unit.Sight_Range;
    if (Unit_Has_AirTravel(unit_idx) || Unit_Has_WindWalking(unit_idx) || Unit_Has_WindWalkingItem(unit_idx) ||
        Unit_Has_AirTravel_Item(unit_idx)) {
        if (range < UNIT_SCOUTING_RANGE_AIRBORNE) {
            range = UNIT_SCOUTING_RANGE_AIRBORNE;
        }
    } else if (unit.Status == us_Patrol) {
        range++;
    }
    return (int16_t)range;
}

int16_t City_Scouting_Range(const City_Record &city)
{
    int16_t range = CITY_SCOUTING_RANGE;
    if (city.bldg_status[BUILDING_OBSERVATORY] != -1) range = CITY_SCOUTING_RANGE_OBSERVATORY;
    if (city.enchantments[ce_Natures_Eye] != 0) range = CITY_SCOUTING_RANGE_NATURES_EYE;
    if (city.bldg_status[BUILDING_ORACLE] != -1) range = CITY_SCOUTING_RANGE_ORACLE;
    return range;
}

void Update_Plane(int16_t wp)
{
    Clear_Square_Scouted_Flags(wp);
    const int16_t me = _current_player_idx;
    const int players = _num_players < 0 ? 0 : _num_players > NUM_PLAYERS ? NUM_PLAYERS : _num_players;
    if (Valid_Player(me) && _players[me].Globals[ge_Natures_Awareness] != 0) {
        for (int16_t y = 0; y < WORLD_HEIGHT; y++) {
            for (int16_t x = 0; x < WORLD_WIDTH; x++) {
                if (Check_Square_Explored(x, y, wp)) Set_Square_Scouted(x, y, wp);
            }
        }
        for (int j = 0; j < players; j++) {
            Set_Players_Contacted(me, (int16_t)j);
        }
        return;
    }
    const int units = _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units;
    for (int u = 0; u < units; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx == me && Unit_On_Plane((int16_t)u, wp)) {
            Set_Square_Scouted_Flags(unit.wx, unit.wy, wp, Unit_Scouting_Range((int16_t)u));
        }
    }
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx == me && city.wp == wp) {
            Set_Square_Scouted_Flags(city.wx, city.wy, wp, City_Scouting_Range(city));
        }
    }
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.owner_idx != me && city.owner_idx != NEUTRAL_PLAYER_IDX && city.wp == wp &&
            Check_Square_Scouted(city.wx, city.wy, wp) && city.owner_idx < NEUTRAL_PLAYER_IDX) {
            Set_Players_Contacted(me, city.owner_idx);
        }
    }
    for (int u = 0; u < units; u++) {
        Contact_Other_Player((int16_t)u, wp);
    }
}

}  // namespace

void Set_Players_Contacted(int16_t player_a, int16_t player_b)
{
    if (!Valid_Player(player_a) || !Valid_Player(player_b)) {
        return;
    }
    _players[player_a].Dipl_Contacted[player_b] = 1;
    _players[player_b].Dipl_Contacted[player_a] = 1;
}

void Clear_Square_Scouted_Flags(int16_t wp) { memset(Scouted_Map(wp), 0, SCOUTED_MAP_BYTES); }

int16_t Check_Square_Explored(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return 0;
    }
    return _square_explored[World_Square_Index(wx, wy, wp)] != 0 ? 1 : 0;
}

int16_t Check_Square_Scouted(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return 0;
    }
    return Test_Bit_Field((int16_t)(wy * WORLD_WIDTH + wx), Scouted_Map(wp)) && Check_Square_Explored(wx, wy, wp) ? 1
                                                                                                                  : 0;
}

void Set_Square_Scouted(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    Set_Bit_Field((int16_t)(wy * WORLD_WIDTH + wx), Scouted_Map(wp));
}

void Set_Square_Scouted_Flags(int16_t wx, int16_t wy, int16_t wp, int16_t range)
{
    if (range <= 0 || wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    const int side = 2 * range + 1;
    int top = wy - range;
    if (top < 0) {
        top = 0;
    }
    const int left = ((wx - range) % WORLD_WIDTH + WORLD_WIDTH) % WORLD_WIDTH;
    for (int y = top; y < top + side && y < WORLD_HEIGHT; y++) {
        for (int i = 0; i < side; i++) {
            const int16_t x = (int16_t)((left + i) % WORLD_WIDTH);
            if (Check_Square_Explored(x, (int16_t)y, wp)) Set_Square_Scouted(x, (int16_t)y, wp);
        }
    }
}

void Update_Scouted_And_Contacted(void)
{
    Update_Plane(0);
    Update_Plane(1);
}

void Contact_Other_Player(int16_t unit_idx, int16_t wp)
{
    if (unit_idx < 0 || unit_idx >= UNIT_TABLE_CAPACITY) {
        return;
    }
    const Unit_Record &unit = _UNITS[unit_idx];
    const int16_t owner = unit.owner_idx;
    if (owner == _current_player_idx || owner == -1 || owner == NEUTRAL_PLAYER_IDX || !Valid_Player(owner)) {
        return;
    }
    if (!Unit_On_Plane(unit_idx, wp) || (unit.enchantments & UE_INVISIBILITY)) {
        return;
    }
    if (!Check_Square_Scouted(unit.wx, unit.wy, wp)) {
        return;
    }
    Set_Players_Contacted(_current_player_idx, owner);
}
