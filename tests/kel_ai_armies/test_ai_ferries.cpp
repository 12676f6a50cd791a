// Ferry meeting points, units at sea and the re-rating of a landmass.
#include <gtest/gtest.h>

#include "Army_Fixture.h"
#include "ai/AI_Army_Planning.h"
#include "ai/AI_Ferries.h"

namespace {

class AiFerry : public Army_Test {
protected:
    void SetUp() override
    {
        Army_Test::SetUp();
        _ai_ferry_count = 0;
        Point_At(1);
    }
};

constexpr int16_t GALLEY = 36;

TEST_F(AiFerry, TheSixteenthPointAndARepeatedPointAreRefused)
{
    AI_Stacks_Ferry_Add_Location(3, 4, 0);
    AI_Stacks_Ferry_Add_Location(3, 4, 0);
    EXPECT_EQ(_ai_ferry_count, 1);
    AI_Stacks_Ferry_Add_Location(3, 4, 1);  // the same square on the other plane is another point
    EXPECT_EQ(_ai_ferry_count, 2);
    for (int16_t i = 0; i < 20; i++) AI_Stacks_Ferry_Add_Location(i, 30, 0);
    EXPECT_EQ(_ai_ferry_count, 15);
    EXPECT_EQ(_ai_ferry_wx_array[14], 12);
}

TEST_F(AiFerry, TwoGalleysSailingToAPointFillIt)
{
    Type_Patch galley(GALLEY);
    galley->Transport = 5;
    AI_Stacks_Ferry_Add_Location(20, 20, 0);
    AI_Stacks_Ferry_Add_Location(30, 30, 0);
    for (int i = 0; i < 2; i++) {
        const int16_t k = Add_Unit(GALLEY, 1, (int16_t)(22 + i), 22);
        _UNITS[k].Status = us_GOTO;
        _UNITS[k].dst_wx = 20;
        _UNITS[k].dst_wy = 20;
    }
    // An empty galley at sea goes to the nearest point still offered.
    const int16_t empty = Add_Unit(GALLEY, 1, 21, 21);
    AI_Stacks_Ocean_Landmass_Orders(1, 0);
    EXPECT_EQ(_ai_ferry_wp_array[0], -1);  // 2 x (1 + 5) = 12 of 9
    EXPECT_EQ(_UNITS[empty].Status, us_GOTO);
    EXPECT_EQ(_UNITS[empty].dst_wx, 30);
}

TEST_F(AiFerry, StrandedUnitsAreRemovedOnlyWithAWarLandmassAndNeverBesideASwimmer)
{
    Land(40, 5, 50, 15, 2);
    const int16_t foot = Foot_Type();
    const int16_t swimmer =
        Find_Type([](const Unit_Type_Record &r) { return r.Transport == 0 && r.Melee > 0 && r.Construction == 0; },
                  (int16_t)(foot + 1));
    ASSERT_GT(swimmer, foot);
    Type_Patch patch(swimmer);
    patch->Move_Flags = MV_SWIMMING;
    patch->Abilities = 0;
    const int16_t lost = Add_Unit(foot, 1, 10, 30);
    const int16_t carried = Add_Unit(foot, 1, 12, 30);
    const int16_t with_swimmer = Add_Unit(swimmer, 1, 12, 30);
    const int16_t aboard = Add_Unit(foot, 1, 14, 30);
    const int16_t ship = Add_Unit(GALLEY, 1, 14, 30);
    AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(1, 0);
    EXPECT_EQ(_UNITS[lost].owner_idx, 1);  // no war landmass: left alone

    AI_Set_Landmass_War_Target(0, 1, 2);
    _ai_continents.wx[0][1][2] = 45;
    _ai_continents.wy[0][1][2] = 10;
    AI_Stacks_Wartime_Ocean_Movement_And_Cleanup(1, 0);
    EXPECT_EQ(_UNITS[lost].owner_idx, -1);
    EXPECT_EQ(_UNITS[carried].owner_idx, 1);
    EXPECT_EQ(_UNITS[with_swimmer].owner_idx, 1);
    EXPECT_EQ(_UNITS[with_swimmer].Status, us_GOTO);  // a swimmer at sea heads for the war landmass
    EXPECT_EQ(_UNITS[with_swimmer].dst_wx, 45);
    EXPECT_EQ(_UNITS[aboard].owner_idx, 1);
    EXPECT_EQ(_UNITS[ship].owner_idx, 1);
    EXPECT_EQ(_UNITS[ship].Status, us_Ready);
}

TEST_F(AiFerry, ReEvaluationRatesTheLandmassByCitiesAndStrength)
{
    Land(5, 5, 15, 15, 3);
    const int16_t foot = Foot_Type();
    struct Case {
        int own_cities;
        int own_units;
        int enemy_units;
        bool allied_city;
        uint8_t type;
    };
    const Case cases[] = {
        {1, 1, 0, false, ait_Held},       // no foreign strength
        {1, 9, 1, false, ait_Contested},  // 10 x 1 is not below 9
        {1, 11, 1, false, ait_Held},     {0, 3, 0, false, ait_No_Own_City}, {0, 0, 0, true, ait_Unusable},
    };
    for (const Case &c : cases) {
        SetUp();
        Land(5, 5, 15, 15, 3);
        if (c.own_cities) Add_City(1, 8, 8);
        if (c.allied_city) {
            Add_City(2, 12, 12);
            _players[1].Dipl_Treaty[2] = 2;
        }
        for (int i = 0; i < c.own_units; i++) Add_Unit(foot, 1, 10, 10);
        for (int i = 0; i < c.enemy_units; i++) Add_Unit(foot, 3, 6, 14);
        AI_Reevaluate_Continent(1, 3, 0);
        EXPECT_EQ(_ai_continents.type[0][1][3], c.type) << c.own_cities << c.own_units << c.enemy_units;
        EXPECT_EQ(_ai_continents.type[0][1][0], ait_Unusable);
        if (c.type != ait_Unusable) {
            const int at = World_Square_Index(_ai_continents.wx[0][1][3], _ai_continents.wy[0][1][3], 0);
            EXPECT_EQ(_landmasses[at], 3);  // the gathering square lies on the landmass
        }
    }
}

TEST_F(AiFerry, ALoadedShipBesideAnEmptyLandmassPutsItsArmyAshore)
{
    Land(20, 10, 25, 15, 4);
    _ai_continents.type[0][1][4] = ait_No_Target;
    const int16_t ship = Add_Unit(GALLEY, 1, 19, 12);
    const int16_t soldier = Add_Unit(Foot_Type(), 1, 19, 12);
    AI_Stacks_Ocean_Landmass_Orders(1, 0);
    EXPECT_EQ(_UNITS[soldier].Status, us_GOTO);
    EXPECT_EQ(_UNITS[soldier].dst_wx, 20);
    EXPECT_EQ(_UNITS[soldier].dst_wy, 13);
    EXPECT_EQ(_UNITS[ship].Status, us_SeekTransport);

    // A landmass with one of the player's cities is home: without a war landmass nobody lands.
    SetUp();
    Land(20, 10, 25, 15, 4);
    Add_City(1, 23, 12);
    const int16_t ship2 = Add_Unit(GALLEY, 1, 19, 12);
    const int16_t soldier2 = Add_Unit(Foot_Type(), 1, 19, 12);
    AI_Stacks_Ocean_Landmass_Orders(1, 0);
    EXPECT_EQ(_UNITS[soldier2].Status, us_Ready);
    EXPECT_EQ(_UNITS[ship2].Status, us_Ready);
}

}  // namespace
