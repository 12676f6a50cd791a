#include "world/Units_By_Square.h"

#include <cstring>

#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Player_Record.h"

namespace {

bool On_Map(int wx, int wy, int wp)
{
    return wx >= 0 && wx < WORLD_WIDTH && wy >= 0 && wy < WORLD_HEIGHT && wp >= 0 && wp < NUM_PLANES;
}

// The same end as the scans: the table's count within its capacity.
int Unit_Scan_End(void) { return _units < 0 ? 0 : _units > UNIT_TABLE_CAPACITY ? UNIT_TABLE_CAPACITY : _units; }

}  // namespace

void Units_By_Square_Build(Units_By_Square *index)
{
    std::memset(index->first, 0xFF, sizeof(index->first));
    // From the last unit back, so that every square's list runs in unit order.
    for (int u = Unit_Scan_End() - 1; u >= 0; u--) {
        const Unit_Record &unit = _UNITS[u];
        if (!On_Map(unit.wx, unit.wy, unit.wp)) continue;
        int16_t &first = index->first[World_Square_Index(unit.wx, unit.wy, unit.wp)];
        index->next[u] = first;
        first = (int16_t)u;
    }
}

void Army_At_City_By_Square(const Units_By_Square *index, int16_t city_idx, int16_t *count, int16_t *list)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES ||
        !On_Map(_CITIES[city_idx].wx, _CITIES[city_idx].wy, _CITIES[city_idx].wp)) {
        Army_At_City(city_idx, count, list);
        return;
    }
    const City_Record &city = _CITIES[city_idx];
    int square = World_Square_Index(city.wx, city.wy, city.wp);
    int n = 0;
    for (int u = index->first[square]; u >= 0 && n < ARMY_LIST_STACK_MAX; u = index->next[u]) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.owner_idx == city.owner_idx && unit.wx == city.wx && unit.wy == city.wy && unit.wp == city.wp) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}

void Army_At_Square_1_By_Square(const Units_By_Square *index, int16_t wx, int16_t wy, int16_t wp, int16_t *count,
                                int16_t *list)
{
    if (!On_Map(wx, wy, wp)) {
        Army_At_Square_1(wx, wy, wp, count, list);
        return;
    }
    int square = World_Square_Index(wx, wy, wp);
    int n = 0;
    for (int u = index->first[square]; u >= 0 && n < ARMY_AT_SQUARE_MAX; u = index->next[u]) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx == wx && unit.wy == wy && unit.wp == wp && unit.owner_idx >= 0 && unit.owner_idx < NUM_PLAYERS) {
            list[n++] = (int16_t)u;
        }
    }
    *count = (int16_t)n;
}
