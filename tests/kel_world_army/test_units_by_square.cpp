// The gathered squares answer exactly as the plain scans: same units, same order, same limits,
// also after units were killed since the gathering.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "World_Fixture.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/City_Record.h"
#include "world/Unit_Death.h"
#include "world/Units_By_Square.h"

namespace {

class UnitsBySquare : public World_Test {
protected:
    // A crowded corner of both planes: one square with more units than any list takes, owners of
    // every kind (dead ones included), units off the map, cities with and without an owner.
    void SetUp() override
    {
        World_Test::SetUp();
        uint32_t state = 12345;
        auto next = [&state](int n) {
            state = state * 1103515245u + 12345u;
            return (int)((state >> 16) % (uint32_t)n);
        };
        const int8_t owners[] = {0, 1, 2, 5, -1, 7};
        _units = 0;
        for (int u = 0; u < 700; u++) {
            Unit_Record &unit = _UNITS[_units++];
            std::memset(&unit, 0, sizeof unit);
            unit.owner_idx = owners[next(6)];
            if (u < 130) {
                unit.wx = 3, unit.wy = 3, unit.wp = 0;
            } else if (u % 97 == 0) {
                unit.wx = 200, unit.wy = 3, unit.wp = 0xFF;
            } else {
                unit.wx = (uint8_t)(2 + next(4)), unit.wy = (uint8_t)(2 + next(3)), unit.wp = (uint8_t)next(2);
            }
            unit.Hero_Slot = -1;
        }
        _cities = 0;
        for (int wp = 0; wp < NUM_PLANES; wp++)
            for (int wy = 2; wy < 5; wy++)
                for (int wx = 2; wx < 6; wx++) Add_City(wx, wy, wp, owners[next(6)]);
        Add_City(3, 3, 0, -1);
        Add_City(250, 3, 0, 1);
    }

    static void Add_City(int wx, int wy, int wp, int8_t owner)
    {
        City_Record &city = _CITIES[_cities++];
        std::memset(&city, 0, sizeof city);
        city.wx = (uint8_t)wx, city.wy = (uint8_t)wy, city.wp = (uint8_t)wp;
        city.owner_idx = owner;
    }

    static void Expect_Same_Answers(const Units_By_Square *index, const char *when)
    {
        int16_t count = 0, list[ARMY_AT_SQUARE_MAX];
        int16_t indexed_count = 0, indexed_list[ARMY_AT_SQUARE_MAX];
        for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
            Army_At_City(city_idx, &count, list);
            Army_At_City_By_Square(index, city_idx, &indexed_count, indexed_list);
            EXPECT_EQ(std::vector<int16_t>(list, list + count),
                      std::vector<int16_t>(indexed_list, indexed_list + indexed_count))
                << when << ", city " << city_idx;
        }
        struct Square {
            int16_t wx, wy, wp;
        };
        std::vector<Square> squares = {{-1, 3, 0}, {60, 3, 0}, {3, 40, 0}, {3, 3, 2}, {200, 3, 255}};
        for (int16_t wp = 0; wp < NUM_PLANES; wp++)
            for (int16_t wy = 1; wy < 6; wy++)
                for (int16_t wx = 1; wx < 7; wx++) squares.push_back({wx, wy, wp});
        for (const Square &s : squares) {
            Army_At_Square_1(s.wx, s.wy, s.wp, &count, list);
            Army_At_Square_1_By_Square(index, s.wx, s.wy, s.wp, &indexed_count, indexed_list);
            EXPECT_EQ(std::vector<int16_t>(list, list + count),
                      std::vector<int16_t>(indexed_list, indexed_list + indexed_count))
                << when << ", square " << s.wx << "," << s.wy << "," << s.wp;
        }
    }
};

TEST_F(UnitsBySquare, AnswersAsTheScansBeforeAndAfterKillings)
{
    static Units_By_Square index;
    Units_By_Square_Build(&index);
    int16_t count = 0, list[ARMY_AT_SQUARE_MAX];
    Army_At_Square_1_By_Square(&index, 3, 3, 0, &count, list);
    ASSERT_EQ(count, ARMY_AT_SQUARE_MAX) << "the crowded square fills a whole list";
    Expect_Same_Answers(&index, "as gathered");

    for (int16_t u = 0; u < _units; u += 3) Kill_Unit(u, kum_Plain);
    Expect_Same_Answers(&index, "after killings");
}

}  // namespace
