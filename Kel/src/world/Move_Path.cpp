#include "world/Move_Path.h"

#include <cstring>

#include "world/Map_Square_Record.h"
#include "world/Move_Path_Cache.h"
#include "world/Movement_Modes.h"
#include "world/Player_Record.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

static_assert(MOVEPATH_COST_MAP_SIZE == 10112);

namespace {

constexpr int HOSTILE_RELATION = -41;

// Per-square unit counts of the plane being blocked.
uint16_t m_units_of[NUM_PLAYERS][WORLD_SIZE];
uint16_t m_units_needing_boat[WORLD_SIZE];

inline bool Same_Square(int x1, int y1, int x2, int y2) { return x1 == x2 && y1 == y2; }

bool Unit_Is_Alive(const Unit_Record &unit) { return unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS; }

bool Unit_Needs_Boat(int16_t unit_idx)
{
    if (_UNITS[unit_idx].Hero_Slot >= 0) {
        return false;
    }
    return !Unit_Has_AirTravel_Item(unit_idx) && !Unit_Has_WaterTravel_Item(unit_idx) && !Unit_Has_Swimming(unit_idx) &&
           !Unit_Has_WindWalking(unit_idx) && !Unit_Has_AirTravel(unit_idx);
}

int Units_In_Use(void) { return _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units; }

// Follows the predecessors from the destination back to the origin and writes the first steps.
int16_t Move_Path_Read_Back(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, uint8_t *out_x, uint8_t *out_y,
                            uint8_t *out_cost, int room)
{
    const int16_t *from = Move_Path_Predecessors(movepath_cost_map);
    const uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    const int origin = from_y * WORLD_WIDTH + from_x;
    const int destination = to_y * WORLD_WIDTH + to_x;
    int length = 0;
    int square = destination;
    while (from[square] != square) {
        if (++length > WORLD_SIZE) {
            return 0;
        }
        square = from[square];
    }
    if (square != origin || length == 0) {
        return 0;
    }
    int count = length;
    if (count > room) {
        count = room;
    }
    if (count > MOVEPATH_BACKTRACK_ROOM) {
        count = MOVEPATH_BACKTRACK_ROOM;
    }
    // The first steps are the last ones met walking back; the rest of the route is dropped.
    square = destination;
    for (int i = length; i > count; i--) {
        square = from[square];
    }
    int16_t *backtrack = reinterpret_cast<int16_t *>(movepath_cost_map + MOVEPATH_BACKTRACK_OFS);
    for (int i = count - 1; i >= 0; i--) {
        backtrack[i] = (int16_t)square;
        square = from[square];
    }
    for (int i = 0; i < count; i++) {
        out_x[i] = (uint8_t)(backtrack[i] % WORLD_WIDTH);
        out_y[i] = (uint8_t)(backtrack[i] / WORLD_WIDTH);
        out_cost[i] = costs[backtrack[i]];
    }
    return (int16_t)count;
}

void Block_Outside_Box(int16_t x1, int16_t y1, int16_t x2, int16_t y2)
{
    uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    for (int y = 0; y < WORLD_HEIGHT; y++) {
        uint8_t *row = costs + y * WORLD_WIDTH;
        if (y < y1 || y > y2) {
            memset(row, PATH_IMPASSABLE, WORLD_WIDTH);
            continue;
        }
        for (int x = 0; x < WORLD_WIDTH; x++) {
            const bool outside = x1 < x2 ? (x < x1 || x > x2) : (x > x2 && x < x1);
            if (outside) {
                row[x] = PATH_IMPASSABLE;
            }
        }
    }
}

}  // namespace

void Init_MovePathMap(const int16_t *modes, int16_t plane)
{
    uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    if (plane < 0 || plane >= NUM_PLANES) {
        memset(costs, PATH_IMPASSABLE, WORLD_SIZE);
        return;
    }
    auto copy = [&](int map) { memcpy(costs, Movement_Cost_Map_Of(plane, map), WORLD_SIZE); };
    // 255 read as a signed byte is the smallest, so a square impassable in either map stays so.
    auto signed_min = [&](int map) {
        const uint8_t *other = Movement_Cost_Map_Of(plane, map);
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            if ((int8_t)other[sq] < (int8_t)costs[sq]) {
                costs[sq] = other[sq];
            }
        }
    };
    const bool forester = modes[mm_Forester] != 0;
    const bool mountaineer = modes[mm_Mountaineer] != 0;
    const bool swimming = modes[mm_Swimming] != 0;
    if (modes[mm_Flying]) {
        const uint8_t *flags = _map_square_flags + plane * WORLD_SIZE;
        for (int sq = 0; sq < WORLD_SIZE; sq++) {
            costs[sq] = (flags[sq] & (sf_Road | sf_Enchanted_Road)) ? 0 : 2;
        }
    } else if (modes[mm_Sailing]) {
        copy(mcm_Sailing);
    } else if (forester && mountaineer) {
        if (swimming) {
            memset(costs, 1, WORLD_SIZE);
        } else {
            const uint8_t *walking = Movement_Cost_Map_Of(plane, mcm_Walking);
            for (int sq = 0; sq < WORLD_SIZE; sq++) {
                costs[sq] = (walking[sq] == 0 || walking[sq] == PATH_IMPASSABLE) ? walking[sq] : 1;
            }
        }
    } else if (forester) {
        copy(mcm_Forester);
        if (swimming) {
            signed_min(mcm_Swimming);
        }
        if (mountaineer) {
            signed_min(mcm_Mountaineer);
        }
    } else if (mountaineer) {
        copy(mcm_Mountaineer);
        if (swimming) {
            signed_min(mcm_Swimming);
        }
    } else if (swimming) {
        copy(mcm_Swimming);
    } else {
        copy(mcm_Walking);
    }
}

void Update_MovePathMap(uint8_t *cost_map, int16_t stack_count, int16_t plane, int16_t player_idx, int16_t to_x,
                        int16_t to_y, int16_t from_x, int16_t from_y)
{
    const int units = Units_In_Use();
    const int destination = to_y * WORLD_WIDTH + to_x;
    const int origin = from_y * WORLD_WIDTH + from_x;
    memset(m_units_of, 0, sizeof(m_units_of));
    memset(m_units_needing_boat, 0, sizeof(m_units_needing_boat));
    int transport_at_destination = 0;
    for (int i = 0; i < units; i++) {
        const Unit_Record &unit = _UNITS[i];
        if (!Unit_Is_Alive(unit) || unit.wp != plane || unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT) {
            continue;
        }
        const int sq = unit.wy * WORLD_WIDTH + unit.wx;
        m_units_of[unit.owner_idx][sq]++;
        if (Unit_Needs_Boat((int16_t)i)) {
            m_units_needing_boat[sq]++;
        }
        if (unit.owner_idx == player_idx && sq == destination) {
            transport_at_destination += _unit_type_table[unit.type].Transport;
        }
    }
    const bool destination_is_water = _landmasses[plane * WORLD_SIZE + destination] == 0;

    for (int i = 0; i < units; i++) {
        const Unit_Record &unit = _UNITS[i];
        if (!Unit_Is_Alive(unit) || unit.wp != plane || unit.wx >= WORLD_WIDTH || unit.wy >= WORLD_HEIGHT) {
            continue;
        }
        const int sq = unit.wy * WORLD_WIDTH + unit.wx;
        const int owner = unit.owner_idx;
        if (owner == NEUTRAL_PLAYER_IDX) {
            const bool open = player_idx != NEUTRAL_PLAYER_IDX ? sq == destination : sq == origin;
            if (!open) {
                cost_map[sq] = PATH_IMPASSABLE;
            }
        } else if (owner == player_idx) {
            const int k = sq == origin ? 0 : m_units_of[owner][sq];
            if (k + stack_count > MAX_STACK) {
                cost_map[sq] = PATH_IMPASSABLE;
            } else if (destination_is_water && transport_at_destination > 0) {
                const int m = m_units_needing_boat[sq];
                if (transport_at_destination >= m - 1 && m <= MAX_STACK) {
                    cost_map[sq] = 2;
                }
            }
        } else {
            if (sq == destination || cost_map[sq] == PATH_IMPASSABLE) {
                continue;
            }
            const bool hostile = player_idx >= 0 && player_idx < NUM_PLAYERS &&
                                 _players[owner].Dipl_Relation[player_idx] <= HOSTILE_RELATION;
            if (!(hostile && stack_count >= m_units_of[owner][sq])) {
                cost_map[sq] = PATH_IMPASSABLE;
            }
        }
    }

    for (int i = 0; i < NUM_LAIRS; i++) {
        const Lair_Record &lair = _LAIRS[i];
        if (lair.wp != plane || lair.Intact != 1 || lair.wx >= WORLD_WIDTH || lair.wy >= WORLD_HEIGHT) {
            continue;
        }
        if (!Same_Square(lair.wx, lair.wy, to_x, to_y)) {
            cost_map[lair.wy * WORLD_WIDTH + lair.wx] = PATH_IMPASSABLE;
        }
    }
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int i = 0; i < cities; i++) {
        const City_Record &city = _CITIES[i];
        if (city.wp != plane || city.owner_idx == player_idx || city.wx >= WORLD_WIDTH || city.wy >= WORLD_HEIGHT) {
            continue;
        }
        if (!Same_Square(city.wx, city.wy, to_x, to_y)) {
            cost_map[city.wy * WORLD_WIDTH + city.wx] = PATH_IMPASSABLE;
        }
    }
}

void Move_Path_Search_Box(int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t *x1, int16_t *y1,
                          int16_t *x2, int16_t *y2)
{
    const int dy = from_y > to_y ? from_y - to_y : to_y - from_y;
    int top = (from_y < to_y ? from_y : to_y) - dy / 4;
    const int bottom = (from_y > to_y ? from_y : to_y) + dy / 4;
    if (top < 0) {
        top = 0;
    }
    if (top > WORLD_HEIGHT - 1) {
        top = WORLD_HEIGHT - 1;
    }
    const int dx = from_x > to_x ? from_x - to_x : to_x - from_x;
    const int lo = from_x < to_x ? from_x : to_x;
    const int hi = from_x > to_x ? from_x : to_x;
    int left, right;
    if (dx <= WORLD_WIDTH / 2) {
        left = lo - dx / 4;
        right = hi + dx / 4;
    } else {
        // Closer across the seam.
        left = hi - 5;
        right = lo + 5;
    }
    if (left < 0) {
        left += WORLD_WIDTH;
    }
    if (right >= WORLD_WIDTH) {
        right -= WORLD_WIDTH;
    }
    *x1 = (int16_t)left;
    *y1 = (int16_t)top;
    *x2 = (int16_t)right;
    *y2 = (int16_t)bottom;
}

int16_t Make_Move_Path(const int16_t *modes, int16_t from_x, int16_t from_y, int16_t to_x, int16_t to_y, int16_t plane,
                       uint8_t *out_x, uint8_t *out_y, uint8_t *out_cost, int16_t room, int16_t stack_count,
                       int16_t player_idx)
{
    _ai_move_path_idx = -1;
    if (from_x < 0 || from_x >= WORLD_WIDTH || from_y < 0 || from_y >= WORLD_HEIGHT || to_x < 0 ||
        to_x >= WORLD_WIDTH || to_y < 0 || to_y >= WORLD_HEIGHT || plane < 0 || plane >= NUM_PLANES || room <= 0) {
        return 0;
    }
    bool box_search = false;
    if (player_idx != 0) {
        const int16_t hit = AI_Move_Path_Lookup(from_x, from_y, to_x, to_y, plane);
        if (hit >= 0) {
            const AI_Move_Path_Record &e = AI_Move_Path_Entries()[hit];
            int count = e.count < 0 ? 0 : e.count > AI_MOVE_PATH_STEPS ? AI_MOVE_PATH_STEPS : e.count;
            if (count > room) {
                count = room;
            }
            for (int i = 0; i < count; i++) {
                out_x[i] = e.x[i];
                out_y[i] = e.y[i];
                out_cost[i] = e.cost[i];
            }
            return (int16_t)count;
        }
        box_search = true;
    }

    uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    const int destination = to_y * WORLD_WIDTH + to_x;
    Init_MovePathMap(modes, plane);
    Update_MovePathMap(costs, stack_count, plane, player_idx, to_x, to_y, from_x, from_y);
    if (costs[destination] == PATH_IMPASSABLE) {
        return 0;
    }
    if (box_search) {
        int16_t x1, y1, x2, y2;
        Move_Path_Search_Box(from_x, from_y, to_x, to_y, &x1, &y1, &x2, &y2);
        Block_Outside_Box(x1, y1, x2, y2);
        Move_Path_Find(from_x, from_y, movepath_cost_map);
        const int16_t count = Move_Path_Read_Back(from_x, from_y, to_x, to_y, out_x, out_y, out_cost, room);
        if (count > 0) {
            return count;
        }
        Init_MovePathMap(modes, plane);
        Update_MovePathMap(costs, stack_count, plane, player_idx, to_x, to_y, from_x, from_y);
    }
    Move_Path_Find(from_x, from_y, movepath_cost_map);
    return Move_Path_Read_Back(from_x, from_y, to_x, to_y, out_x, out_y, out_cost, room);
}
