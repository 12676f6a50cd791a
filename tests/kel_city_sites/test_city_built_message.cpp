// The notice of a completed building: its composed text, the walls read as one wall.
#include <cstring>

#include "../kel_city_screens/City_Screens_Fixture.h"
#include "cities/screens/City_Built_Message.h"

namespace {

class Building_Message_Test : public City_Screens_Test {
protected:
    Building_Data_Record buildings[NUM_BUILDINGS] = {};
    Building_Data_Record *saved = nullptr;
    void SetUp() override
    {
        City_Screens_Test::SetUp();
        saved = bldg_data_table;
        bldg_data_table = buildings;
        std::strcpy(City().name, "Avaran");
        City().size = 2;
    }
    void TearDown() override
    {
        bldg_data_table = saved;
        City_Screens_Test::TearDown();
    }
};

TEST_F(Building_Message_Test, Building_Message_TextNamesTheCityAndTheBuilding)
{
    std::strcpy(buildings[10].name, "Kiln");
    std::strcpy(buildings[12].name, "Alchemists Guild");
    std::strcpy(buildings[BLDG_CITY_WALLS].name, "City Walls");
    struct Case {
        int16_t building;
        const char *text;
    } cases[] = {
        {10, "The Village of Avaran has completed the construction of a Kiln."},
        {12, "The Village of Avaran has completed the construction of an Alchemists Guild."},
        {BLDG_CITY_WALLS, "The Village of Avaran has completed the construction of a City Wall."},
    };
    for (const Case &c : cases) {
        char text[200];
        City_Built_Building_Text(0, c.building, text, sizeof text);
        EXPECT_STREQ(text, c.text) << c.building;
    }
}

TEST_F(Building_Message_Test, Building_Message_EmptyWallsNameDoesNotUnderflow)
{
    char text[200];
    City_Built_Building_Text(0, BLDG_CITY_WALLS, text, sizeof text);
    EXPECT_STREQ(text, "The Village of Avaran has completed the construction of a .");
    char small[10];
    std::strcpy(buildings[10].name, "Kiln");
    City_Built_Building_Text(0, 10, small, sizeof small);
    EXPECT_STREQ(small, "The Villa");
}

}  // namespace
