#include "world/Road_Connections.h"

#include <cstring>

#include "world/ALLOC.h"
#include "world/Map_Square_Record.h"
#include "world/Path_Finder.h"

// A city reaches a partner when the path finder, started on the city's square over a map where only
// the road squares of the city's landmass are passable, reaches the partner's square. With every
// step costing 1 that is plain connectivity, so the road squares are grouped once per plane into
// connected groups (eight neighbours, columns wrapping, one landmass) and a city reaches the groups
// of its own and its neighbour squares. The path finder enters rows 0 and 39 only from a start on
// that same row: the groups leave those rows out, and a city standing on them runs the path finder.
// Nor does it leave a start row that holds no passable square: such a city reaches nothing.

namespace {

constexpr uint8_t ROAD_COST = 1;
constexpr uint8_t OPEN_LAND_COST = 2;
constexpr int16_t NO_GROUP = -1;

int16_t m_group[NUM_PLANES][WORLD_SIZE];
bool m_groups_ready[NUM_PLANES];
int16_t m_queue[WORLD_SIZE];

bool Road_Square(int wp, int sq) { return (_map_square_flags[wp * WORLD_SIZE + sq] & sf_Road) != 0; }
uint8_t Landmass(int wp, int sq) { return _landmasses[wp * WORLD_SIZE + sq]; }

void Build_Groups(int wp)
{
    int16_t *group = m_group[wp];
    for (int sq = 0; sq < WORLD_SIZE; sq++) group[sq] = NO_GROUP;
    int16_t next = 0;
    for (int start = WORLD_WIDTH; start < WORLD_SIZE - WORLD_WIDTH; start++) {
        if (group[start] != NO_GROUP || !Road_Square(wp, start)) {
            continue;
        }
        const uint8_t land = Landmass(wp, start);
        int head = 0, tail = 0;
        group[start] = next;
        m_queue[tail++] = (int16_t)start;
        while (head < tail) {
            const int sq = m_queue[head++];
            const int x = sq % WORLD_WIDTH;
            const int y = sq / WORLD_WIDTH;
            for (int dy = -1; dy <= 1; dy++) {
                const int ny = y + dy;
                if (ny < 1 || ny > WORLD_HEIGHT - 2) {
                    continue;
                }
                for (int dx = -1; dx <= 1; dx++) {
                    const int n = ny * WORLD_WIDTH + (x + dx + WORLD_WIDTH) % WORLD_WIDTH;
                    if (group[n] == NO_GROUP && Road_Square(wp, n) && Landmass(wp, n) == land) {
                        group[n] = next;
                        m_queue[tail++] = (int16_t)n;
                    }
                }
            }
        }
        next++;
    }
    m_groups_ready[wp] = true;
}

void Join(int a, int b)
{
    _CITIES[a].road_connections[b / 8] |= (uint8_t)(1u << (b % 8));
    _CITIES[b].road_connections[a / 8] |= (uint8_t)(1u << (a % 8));
}

bool Next_To_Road(const City_Record &city)
{
    for (int dy = -1; dy <= 1; dy++) {
        const int y = city.wy + dy;
        if (y < 0 || y >= WORLD_HEIGHT) {
            continue;
        }
        for (int dx = -1; dx <= 1; dx++) {
            if (dx == 0 && dy == 0) {
                continue;
            }
            if (Road_Square(city.wp, y * WORLD_WIDTH + (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH)) {
                return true;
            }
        }
    }
    return false;
}

bool City_On_Map(const City_Record &city)
{
    return city.wx < WORLD_WIDTH && city.wy < WORLD_HEIGHT && city.wp < NUM_PLANES;
}

int City_Count(void) { return _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities; }

bool Is_Partner(const City_Record &city, const City_Record &other, uint8_t land)
{
    return City_On_Map(other) && other.wp == city.wp && Landmass(other.wp, other.wy * WORLD_WIDTH + other.wx) == land;
}

// The path finder itself, for a city on the top or bottom row.
void Join_By_Path_Find(int c, uint8_t land)
{
    const City_Record &city = _CITIES[c];
    uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    for (int sq = 0; sq < WORLD_SIZE; sq++) {
        costs[sq] = (Road_Square(city.wp, sq) && Landmass(city.wp, sq) == land) ? ROAD_COST : PATH_IMPASSABLE;
    }
    Move_Path_Find(city.wx, city.wy, movepath_cost_map);
    const int16_t *from = Move_Path_Predecessors(movepath_cost_map);
    for (int p = c + 1; p < City_Count(); p++) {
        const City_Record &other = _CITIES[p];
        if (!Is_Partner(city, other, land)) {
            continue;
        }
        const int sq = other.wy * WORLD_WIDTH + other.wx;
        if (from[sq] != sq) Join(c, p);
    }
}

void Join_City(int c)
{
    const City_Record &city = _CITIES[c];
    if (!City_On_Map(city) || !Next_To_Road(city)) {
        return;
    }
    const int own = city.wy * WORLD_WIDTH + city.wx;
    const uint8_t land = Landmass(city.wp, own);
    bool partners = false;
    for (int p = c + 1; p < City_Count() && !partners; p++) {
        partners = Is_Partner(city, _CITIES[p], land);
    }
    if (!partners) {
        return;
    }
    if (city.wy == 0 || city.wy == WORLD_HEIGHT - 1) {
        Join_By_Path_Find(c, land);
        return;
    }
    bool row_passable = false;
    for (int x = 0; x < WORLD_WIDTH && !row_passable; x++) {
        const int sq = city.wy * WORLD_WIDTH + x;
        row_passable = Road_Square(city.wp, sq) && Landmass(city.wp, sq) == land;
    }
    if (!row_passable) {
        return;
    }
    if (!m_groups_ready[city.wp]) Build_Groups(city.wp);
    const int16_t *group = m_group[city.wp];
    int16_t reached[9];
    int reached_count = 0;
    for (int dy = -1; dy <= 1; dy++) {
        const int y = city.wy + dy;
        if (y < 1 || y > WORLD_HEIGHT - 2) {
            continue;
        }
        for (int dx = -1; dx <= 1; dx++) {
            const int sq = y * WORLD_WIDTH + (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH;
            if (group[sq] != NO_GROUP && Landmass(city.wp, sq) == land) reached[reached_count++] = group[sq];
        }
    }
    for (int p = c + 1; p < City_Count(); p++) {
        const City_Record &other = _CITIES[p];
        if (!Is_Partner(city, other, land)) {
            continue;
        }
        const int sq = other.wy * WORLD_WIDTH + other.wx;
        if (sq == own || group[sq] == NO_GROUP) {
            continue;
        }
        for (int k = 0; k < reached_count; k++) {
            if (reached[k] == group[sq]) {
                Join(c, p);
                break;
            }
        }
    }
}

}  // namespace

void Reset_City_Road_Connection_Bitfields(void)
{
    m_groups_ready[0] = m_groups_ready[1] = false;
    for (int c = 0; c < City_Count(); c++) {
        memset(_CITIES[c].road_connections, 0, sizeof(_CITIES[c].road_connections));
    }
    for (int c = 0; c < City_Count(); c++) {
        Join_City(c);
    }
}

void Reset_Landmass_Road_Connection_Bitfields(int16_t wx, int16_t wy, int16_t wp)
{
    if (wx < 0 || wx >= WORLD_WIDTH || wy < 0 || wy >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    m_groups_ready[0] = m_groups_ready[1] = false;
    const uint8_t land = Landmass(wp, wy * WORLD_WIDTH + wx);
    bool member[NUM_CITIES] = {};
    for (int c = 0; c < City_Count(); c++) {
        const City_Record &city = _CITIES[c];
        if (City_On_Map(city) && Landmass(city.wp, city.wy * WORLD_WIDTH + city.wx) == land) {
            member[c] = true;
            memset(_CITIES[c].road_connections, 0, sizeof(_CITIES[c].road_connections));
        }
    }
    for (int c = 0; c < City_Count(); c++) {
        if (member[c]) Join_City(c);
    }
}

int16_t OVL_GetRoadPath(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t wp, int8_t *xs, int8_t *ys)
{
    if (x1 < 0 || x1 >= WORLD_WIDTH || y1 < 0 || y1 >= WORLD_HEIGHT || x2 < 0 || x2 >= WORLD_WIDTH || y2 < 0 ||
        y2 >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return 0;
    }
    const uint8_t land = Landmass(wp, y1 * WORLD_WIDTH + x1);
    if (land == 0 || Landmass(wp, y2 * WORLD_WIDTH + x2) != land) {
        return 0;
    }
    uint8_t *costs = movepath_cost_map + MOVEPATH_COSTS_OFS;
    for (int sq = 0; sq < WORLD_SIZE; sq++) {
        costs[sq] = Landmass(wp, sq) != land ? PATH_IMPASSABLE : Road_Square(wp, sq) ? ROAD_COST : OPEN_LAND_COST;
    }
    Move_Path_Find(x1, y1, movepath_cost_map);
    const int16_t *from = Move_Path_Predecessors(movepath_cost_map);
    // Back from the goal; a square that is its own predecessor is the start or unreached.
    int16_t back[WORLD_SIZE];
    int steps = 0;
    for (int sq = y2 * WORLD_WIDTH + x2; from[sq] != sq && steps < WORLD_SIZE; sq = from[sq]) {
        back[steps++] = (int16_t)sq;
    }
    const int written = steps < ROAD_PATH_MAX_STEPS ? steps : ROAD_PATH_MAX_STEPS;
    for (int i = 0; i < written; i++) {
        const int sq = back[steps - 1 - i];
        xs[i] = (int8_t)(sq % WORLD_WIDTH);
        ys[i] = (int8_t)(sq / WORLD_WIDTH);
    }
    return (int16_t)written;
}
