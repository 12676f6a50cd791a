// The results scroll's lines for the outcomes of a battle, read from the stand-in installation's
// messages; and that an unattended run passes the scroll and the raze prompt without waiting.
#include <string>
#include <vector>

#include "../kel_combat_outcome_rules/Outcome_Fixture.h"
#include "Standin_Data.h"
#include "combat/Combat_Entry.h"
#include "combat/screens/Combat_Results_Scroll.h"
#include "turn/Next_Turn.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"

namespace {

class CombatResults : public Outcome_Test {
protected:
    void SetUp() override
    {
        Outcome_Test::SetUp();
        Test_Search_Standin_Data();
        GUI_Multipurpose_Int = 0;
        destroy_combat_city = 0;
        _active_battle_unit = -1;
    }
    void TearDown() override
    {
        destroy_combat_city = 0;
        Outcome_Test::TearDown();
    }
    static std::vector<std::string> Lines(int16_t city)
    {
        static Combat_Results_Line lines[COMBAT_RESULTS_LINES_MAX];
        const int n = Combat_Results_Scroll_Lines(city, lines);
        std::vector<std::string> out;
        for (int i = 0; i < n; i++) out.push_back(std::to_string(lines[i].kind) + ":" + lines[i].text);
        return out;
    }
};

TEST_F(CombatResults, ARazedCityShowsItsDestructionAndNoLosses)
{
    const int16_t city = City(1, 8, 2);
    combat_results_scroll_message = crc_Won;
    GUI_Multipurpose_Int = -3;
    combat_results_gold = 120;
    combat_results_population_lost = 2;
    combat_results_buildings_lost = 1;
    combat_results_lost_buildings[0] = 5;
    destroy_combat_city = 1;
    const std::vector<std::string> expected = {
        "0:You Are Victorious",
        "3:You have lost 3 fame.",
        "3:120 gold pieces were looted.",
        "3:The city has been completly destroyed.",
    };
    EXPECT_EQ(Lines(city), expected);
}

TEST_F(CombatResults, EachOutcomeHasItsHeadlineAndACityItsLosses)
{
    const int16_t city = City(0, 8, 2);
    static Building_Data_Record buildings[NUM_BUILDINGS] = {};
    Building_Data_Record *const loaded = bldg_data_table;
    bldg_data_table = buildings;
    snprintf(bldg_data_table[5].name, sizeof bldg_data_table[5].name, "Smithy");
    snprintf(bldg_data_table[7].name, sizeof bldg_data_table[7].name, "Barracks");
    snprintf(GUI_NearMsgString, GUI_NEAR_MSG_SIZE, "While fleeing you lost:1 Spearmen.");
    struct Case {
        int16_t code, city, rampage;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {crc_Auto_Lost, -1, -1, {"0:You Have Been Defeated"}},
        {crc_Fled, -1, -1, {"0:Your Forces Retreat", "1:While fleeing you lost:1 Spearmen."}},
        {crc_Turn_Limit, -1, -1, {"0:The Battle Ends Undecided"}},
        {crc_Computer_Fled, -1, -1, {"0:Your Enemy Has Fled"}},
        {crc_City_Conquered, city, RAMPAGE_RAIDERS, {"0:Town0 has been conquered", "2:Town0 has fallen to raiders"}},
        {crc_Auto_Lost, city, RAMPAGE_RUINS, {"0:You Have Been Defeated", "2:Town0 has been reduced to ruins"}},
        {crc_Auto_Lost, city, RAMPAGE_NONE, {"0:You Have Been Defeated", "2:Monsters rampage through the city."}},
    };
    for (const Case &c : cases) {
        combat_results_scroll_message = c.code;
        _active_battle_unit = c.rampage;
        EXPECT_EQ(Lines(c.city), c.lines) << "outcome " << c.code;
    }
    combat_results_scroll_message = crc_Auto_Lost;
    _active_battle_unit = -1;
    GUI_Multipurpose_Int = 2;
    combat_results_population_lost = 3;
    combat_results_buildings_lost = 2;
    combat_results_lost_buildings[0] = 5;
    combat_results_lost_buildings[1] = 7;
    const std::vector<std::string> expected = {
        "0:You Have Been Defeated",
        "3:You have gained 2 fame.",
        "3:3 thousand inhabitants killed.",
        "4:Destroyed Buildings",
        "5:Smithy",
        "6:Barracks",
    };
    EXPECT_EQ(Lines(city), expected);
    bldg_data_table = loaded;
}

TEST_F(CombatResults, AnUnattendedRunPassesTheScrollAndKeepsTheCity)
{
    combat_results_scroll_message = crc_Won;
    Combat_Results_Scroll();  // no window: logged, returns at once
    EXPECT_EQ(Raze_City_Prompt("Do you wish to completely destroy this city?"), 1);
    EXPECT_EQ(destroy_combat_city, 0);
}

}  // namespace
