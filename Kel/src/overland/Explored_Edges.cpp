#include "overland/Explored_Edges.h"

#include "Geometry.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Scouting.h"

namespace {

enum Edge_Direction : uint8_t { ed_East = 0, ed_South = 1, ed_West = 2 };

struct Explored_Edge_Rule {
    uint8_t square;
    uint8_t neighbour;
    uint8_t add_square;
    uint8_t add_neighbour;
    uint8_t direction;
};

// clang-format off
const Explored_Edge_Rule m_edge_rules[] = {
    { 1,  8,  9,  9, ed_East},  {11, 13, 15, 15, ed_East},  { 7, 14, 15, 15, ed_East},  { 2, 12,  6, 15, ed_East},
    { 7, 11, 15, 15, ed_South}, { 2,  9,  3, 11, ed_South}, { 6,  9, 15, 15, ed_South}, {15, 13, 15, 15, ed_South},
    { 3,  8, 11,  9, ed_East},  { 2,  8,  6,  9, ed_East},  { 7,  3, 15,  3, ed_East},  {15, 14, 15, 15, ed_East},
    {15, 13, 15, 15, ed_East},  {11, 11, 11, 15, ed_South}, { 9, 13,  9, 15, ed_South}, { 3, 15, 15, 15, ed_East},
    { 4,  9, 15, 15, ed_South}, {15,  7, 15, 15, ed_West},  {15, 13, 15, 15, ed_South}, {15, 11, 15, 15, ed_West},
    {15,  3, 15, 15, ed_West},  {14, 15, 15, 15, ed_South}, { 7, 15, 15, 15, ed_South}, { 2,  1,  3,  3, ed_South},
    { 6,  1, 15,  3, ed_South}, {11,  3, 15,  3, ed_East},  { 2,  4,  6,  6, ed_East},  { 6,  8, 14, 12, ed_South},
    { 4,  8, 12, 12, ed_South}, {12, 14, 12, 15, ed_East},  {12, 13, 12, 15, ed_East},  { 3,  4,  7,  6, ed_East},
    { 1, 12,  9, 14, ed_East},  { 6, 15, 15, 15, ed_South}, { 9, 12,  9, 15, ed_South}, {15, 12, 15, 15, ed_South},
    {15,  2, 15,  6, ed_South}, {15,  5, 15, 15, ed_South},
};
// clang-format on
static_assert(sizeof(m_edge_rules) / sizeof(m_edge_rules[0]) == 38);

// Values with no whole side unexplored.
const uint8_t m_no_side_explores[] = {5, 7, 10, 11, 13, 14};

constexpr uint8_t CORNER_BOTTOM_LEFT = 1;
constexpr uint8_t CORNER_TOP_LEFT = 2;
constexpr uint8_t CORNER_TOP_RIGHT = 4;
constexpr uint8_t CORNER_BOTTOM_RIGHT = 8;
constexpr int16_t CITY_KNOWN_RANGE = 3;

int Wrap_X(int wx) { return ((wx % WORLD_WIDTH) + WORLD_WIDTH) % WORLD_WIDTH; }

uint8_t &Explored(int wx, int wy, int wp) { return _square_explored[World_Square_Index(Wrap_X(wx), wy, wp)]; }

bool No_Side_Unexplored(uint8_t value)
{
    for (uint8_t v : m_no_side_explores) {
        if (v == value) return true;
    }
    return false;
}

bool On_Map(int16_t wx, int16_t wy, int16_t wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

}  // namespace

void Set_Square_Explored_Flags_Fix(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    int row = wy - 2 < 1 ? 1 : wy - 2;
    for (int r = 0; r < 5; r++) {
        for (int dx = -2; dx <= 2; dx++) {
            const int x = Wrap_X(wx + dx);
            uint8_t &square = Explored(x, row, wp);
            const uint8_t v = square;
            for (const Explored_Edge_Rule &rule : m_edge_rules) {
                if (rule.square != v) {
                    continue;
                }
                uint8_t *neighbour;
                if (rule.direction == ed_East) {
                    neighbour = &Explored(x + 1, row, wp);
                } else if (rule.direction == ed_West) {
                    neighbour = &Explored(x - 1, row, wp);
                } else {
                    neighbour = &Explored(x, row + 1 < WORLD_HEIGHT ? row + 1 : WORLD_HEIGHT - 1, wp);
                }
                const uint8_t u = *neighbour;
                if (u == rule.neighbour) {
                    square = (uint8_t)(v | rule.add_square);
                    *neighbour = (uint8_t)(u | rule.add_neighbour);
                }
            }
        }
        if (row < WORLD_HEIGHT - 1) row++;
    }
}

void Set_Square_Explored_Flags_Bottom_Right_Corner(int16_t wx, int16_t wy, int16_t wp)
{
    if (wy < 0 || wy + 1 >= WORLD_HEIGHT || wp < 0 || wp >= NUM_PLANES) {
        return;
    }
    uint8_t &top_left = Explored(wx, wy, wp);
    uint8_t &top_right = Explored(wx + 1, wy, wp);
    uint8_t &bottom_left = Explored(wx, wy + 1, wp);
    uint8_t &bottom_right = Explored(wx + 1, wy + 1, wp);
    if (No_Side_Unexplored(top_left) && No_Side_Unexplored(top_right) && No_Side_Unexplored(bottom_left) &&
        No_Side_Unexplored(bottom_right)) {
        top_left |= CORNER_BOTTOM_RIGHT;
        top_right |= CORNER_BOTTOM_LEFT;
        bottom_left |= CORNER_TOP_RIGHT;
        bottom_right |= CORNER_TOP_LEFT;
    }
}

void Set_Square_Explored_Flags(int16_t wx, int16_t wy, int16_t wp)
{
    if (!On_Map(wx, wy, wp)) {
        return;
    }
    if (wy == 0) {
        Explored(wx, wy, wp) = SQUARE_FULLY_EXPLORED;
        return;
    }
    const int a = wy - 1;
    const int b = wy == WORLD_HEIGHT - 1 ? wy : wy + 1;
    Explored(wx - 1, a, wp) |= CORNER_BOTTOM_RIGHT;
    Explored(wx, a, wp) |= CORNER_BOTTOM_RIGHT | CORNER_BOTTOM_LEFT;
    Explored(wx + 1, a, wp) |= CORNER_BOTTOM_LEFT;
    Explored(wx - 1, wy, wp) |= CORNER_BOTTOM_RIGHT | CORNER_TOP_RIGHT;
    Explored(wx, wy, wp) |= SQUARE_FULLY_EXPLORED;
    Explored(wx + 1, wy, wp) |= CORNER_BOTTOM_LEFT | CORNER_TOP_LEFT;
    Explored(wx - 1, b, wp) |= CORNER_TOP_RIGHT;
    Explored(wx, b, wp) |= CORNER_TOP_RIGHT | CORNER_TOP_LEFT;
    Explored(wx + 1, b, wp) |= CORNER_TOP_LEFT;
    Set_Square_Explored_Flags_Fix(wx, wy, wp);
    const int16_t top = (int16_t)(wy - 2 < 0 ? 0 : wy - 2);
    for (int dx = -2; dx <= 1; dx++) {
        Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx + dx), top, wp);
    }
    Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx + 1), (int16_t)(wy - 1), wp);
    Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx + 1), wy, wp);
    for (int dx = -2; dx <= 1; dx++) {
        Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx + dx), (int16_t)b, wp);
    }
    Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx - 2), (int16_t)(wy - 1), wp);
    Set_Square_Explored_Flags_Bottom_Right_Corner((int16_t)Wrap_X(wx - 2), wy, wp);
    Set_Square_Explored_Flags_Fix(wx, wy, wp);
}

int16_t Contact_Players_In_Scouting_Range(int16_t player_idx, int16_t wx, int16_t wy, int16_t wp, int16_t range)
{
    if (range <= 0) {
        return -1;
    }
    int16_t found = -1;
    const int units = _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units;
    for (int u = 0; u < units; u++) {
        const Unit_Record &unit = _UNITS[u];
        const int16_t owner = unit.owner_idx;
        if (owner == player_idx || owner == -1 || owner == NEUTRAL_PLAYER_IDX || !Unit_On_Plane((int16_t)u, wp) ||
            Delta_XY_With_Wrap(wx, wy, unit.wx, unit.wy, WORLD_WIDTH) > range) {
            continue;
        }
        found = (int16_t)u;
        if (player_idx != HUMAN_PLAYER_IDX && owner != HUMAN_PLAYER_IDX) {
            Set_Players_Contacted(player_idx, owner);
        }
    }
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        City_Record &city = _CITIES[c];
        const int16_t owner = city.owner_idx;
        if (owner == player_idx || owner == NEUTRAL_PLAYER_IDX || city.wp != wp) {
            continue;
        }
        const int16_t distance = Delta_XY_With_Wrap(wx, wy, city.wx, city.wy, WORLD_WIDTH);
        if (distance > range && distance > CITY_KNOWN_RANGE) {
            continue;
        }
        if (player_idx >= 0 && player_idx < NUM_PLAYERS) {
            city.contacts = (uint16_t)(city.contacts | (1u << player_idx));
        }
        if (player_idx != HUMAN_PLAYER_IDX && owner != HUMAN_PLAYER_IDX) {
            Set_Players_Contacted(player_idx, owner);
        }
    }
    return found;
}
