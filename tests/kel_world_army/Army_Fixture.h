// A land world of grassland on both planes with a few made-up unit kinds, the army rules' services
// replaced by recorders (lairs and cities listed by the test, every survey free, outposts counted),
// and helpers that place units and cities.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "World_Fixture.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/Map_Square_Record.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"

namespace army_test {

constexpr int WALKER = 100;
constexpr int FLYER = 101;
constexpr int SHIP = 102;
constexpr int SETTLER = 103;
constexpr int SWIMMER = 104;

using Square = std::tuple<int, int, int>;

struct Recorder {
    std::vector<Square> lairs;
    std::vector<std::tuple<int, int, int, int>> own_cities;  // x, y, plane, owner
    int16_t survey = 0;
    int16_t outpost_answer = 1;
    std::vector<std::tuple<int, int, int, int, int, int>> outposts;
    std::vector<Square> explored;
    int redraws = 0;
};
inline Recorder m_recorder;

inline void Install_Recorders(void)
{
    m_recorder = Recorder{};
    Army_World_Services services = {};
    services.square_has_lair = [](int16_t x, int16_t y, int16_t p) -> int16_t {
        for (size_t i = 0; i < m_recorder.lairs.size(); i++)
            if (m_recorder.lairs[i] == Square{x, y, p}) return (int16_t)i;
        return -1;
    };
    services.player_city_at_square = [](int16_t x, int16_t y, int16_t p, int16_t owner) -> int16_t {
        for (size_t i = 0; i < m_recorder.own_cities.size(); i++)
            if (m_recorder.own_cities[i] == std::tuple<int, int, int, int>{x, y, p, owner}) return (int16_t)i;
        return -1;
    };
    services.map_square_survey = [](int16_t, int16_t, int16_t) -> int16_t { return m_recorder.survey; };
    services.create_outpost = [](int16_t x, int16_t y, int16_t p, int16_t race, int16_t owner,
                                 int16_t unit) -> int16_t {
        m_recorder.outposts.push_back({x, y, p, race, owner, unit});
        return m_recorder.outpost_answer;
    };
    services.set_square_explored_flags = [](int16_t x, int16_t y, int16_t p) {
        m_recorder.explored.push_back({x, y, p});
        _square_explored[World_Square_Index(x, y, p)] = 15;
    };
    services.reset_map_draw = [] { m_recorder.redraws++; };
    Army_Set_World_Services(services);
}

class Army_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        for (int sq = 0; sq < NUM_PLANES * WORLD_SIZE; sq++) {
            _world_maps[sq] = tt_Grasslands;
            _landmasses[sq] = 1;
        }
        for (int t = 0; t < NUM_TOWERS; t++) _TOWERS[t] = Tower_Record{(uint8_t)(50 + t), 30, -1, 0};
        for (int n = 0; n < NUM_NODES; n++) _NODES[n].wy = 39, _NODES[n].wx = 59, _NODES[n].wp = 1;
        Unit_Type_Record *types = _unit_type_table;
        types[WALKER] = Unit_Type_Record{};
        types[WALKER].Move_Flags = MV_FOOT;
        types[FLYER] = types[WALKER];
        types[FLYER].Move_Flags = MV_FLYING;
        types[SHIP] = types[WALKER];
        types[SHIP].Move_Flags = MV_SAILING;
        types[SETTLER] = types[WALKER];
        types[SETTLER].Abilities = UA_CREATEOUTPOST;
        types[SETTLER].race = rt_Dwarven;
        types[SWIMMER] = types[WALKER];
        types[SWIMMER].Move_Flags = MV_SWIMMING;
        _unit_stack_count = 0;
        _current_player_idx = 0;
        Install_Recorders();
    }
    void TearDown() override
    {
        Army_Set_World_Services(Army_World_Services{});
        World_Test::TearDown();
    }

    static int16_t Add_Unit(int type, int owner, int wx, int wy, int wp)
    {
        int16_t idx = _units++;
        Unit_Record &unit = _UNITS[idx];
        unit = Unit_Record{};
        unit.type = (uint8_t)type;
        unit.owner_idx = (int8_t)owner;
        unit.wx = (uint8_t)wx;
        unit.wy = (uint8_t)wy;
        unit.wp = (uint8_t)wp;
        unit.moves2 = unit.moves2_max = 2;
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        return idx;
    }
    static void Add_Units(int n, int type, int owner, int wx, int wy, int wp)
    {
        for (int i = 0; i < n; i++) Add_Unit(type, owner, wx, wy, wp);
    }
    static int16_t Add_City(int owner, int wx, int wy, int wp)
    {
        int16_t idx = _cities++;
        City_Record &city = _CITIES[idx];
        city = City_Record{};
        city.owner_idx = (int8_t)owner;
        city.wx = (uint8_t)wx;
        city.wy = (uint8_t)wy;
        city.wp = (uint8_t)wp;
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        return idx;
    }
    static void Water(int wx, int wy, int wp) { _world_maps[World_Square_Index(wx, wy, wp)] = tt_Ocean; }
    static void Select_Stack(std::initializer_list<int16_t> units, bool selected = true)
    {
        _unit_stack_count = 0;
        for (int16_t u : units) _unit_stack[_unit_stack_count++] = Unit_Stack_Entry{u, (int16_t)(selected ? 1 : 0)};
    }
};

}  // namespace army_test
