// The itemised resources of a city: food with its cap on the farmers' yield, production, gold,
// power and research lines, the upkeep list, the label reader and the icon row measure, and the
// pop-up's paging through a long upkeep list.
#include <cstring>
#include <vector>

#include "City_Screens_Fixture.h"
#include "Video.h"
#include "cities/screens/Resource_Breakdown.h"
#include "world/Building_Data_Record.h"
#include "world/Events_Record.h"
#include "world/Map_Feature_Records.h"

namespace {

class Resource_Breakdown_Test : public City_Screens_Test {
protected:
    int16_t lines[RESOURCE_BREAKDOWN_LINES] = {};
    void Build(int16_t b) { City().bldg_status[b] = 1; }
};

TEST_F(Resource_Breakdown_Test, FoodLinesCapTheFarmersYieldAboveTheTerrain)
{
    struct Case {
        const char *name;
        int grass, forest, terrain;
        uint8_t race, farmers;
        int16_t building;
        int16_t line0, line1, line4;
    } cases[] = {
        {"halfling farmers", 13, 1, 20, rt_Halfling, 4, -1, 12, 0, 0},
        {"halfling with the grove", 13, 1, 20, rt_Halfling, 4, bt_Healers_Grove, 12, 0, 0},
        {"grove gives a third farming share", 13, 1, 20, rt_High_Men, 4, bt_Healers_Grove, 8, 4, 0},
        {"14 over 10 keeps half the excess", 6, 2, 10, rt_High_Men, 7, -1, 12, 0, 0},
        {"woodcraft over the cap gives 1", 6, 2, 10, rt_High_Men, 6, bt_Woodcraft_Guild, 11, 0, 1},
        {"woodcraft under the cap gives 2", 13, 1, 20, rt_High_Men, 6, bt_Woodcraft_Guild, 12, 0, 2},
    };
    for (const Case &c : cases) {
        std::memset(City().bldg_status + 1, -1, NUM_BUILDINGS - 1);
        Set_Area(c.grass, c.forest);
        ASSERT_EQ(City_Food_Terrain(0), c.terrain) << c.name;
        City().race = c.race;
        City().population = 8;
        City().farmer_count = c.farmers;
        if (c.building >= 0) Build(c.building);
        City_Food_Breakdown(0, lines);
        EXPECT_EQ(lines[0], c.line0) << c.name;
        EXPECT_EQ(lines[1], c.line1) << c.name;
        EXPECT_EQ(lines[4], c.line4) << c.name;
    }
}

TEST_F(Resource_Breakdown_Test, FoodBuildingsFamineAndPopulationZero)
{
    Set_Area(13, 1);
    City().population = 6;
    City().farmer_count = 9;  // more than the people: cut back in the record
    Build(bt_Granary);
    Build(bt_Farm_Market);
    City().bldg_status[bt_Farm_Market] = 0;  // replaced still counts
    City().enchantments[ce_Famine] = 2;
    City_Food_Breakdown(0, lines);
    EXPECT_EQ(City().farmer_count, 6);
    EXPECT_EQ(lines[0], 12);
    EXPECT_EQ(lines[2], 2);
    EXPECT_EQ(lines[3], 3);
    EXPECT_EQ(lines[7], 6);

    City().population = 0;
    City_Food_Breakdown(0, lines);
    for (int16_t v : lines) EXPECT_EQ(v, 0);
}

TEST_F(Resource_Breakdown_Test, ProductionWorkersFarmersAndBuildings)
{
    City().race = rt_Dwarven;
    City().population = 5;
    City().farmer_count = 1;
    _players[0].tax_rate = 0;
    Build(bt_Sawmill);
    Build(bt_Miners_Guild);
    City().enchantments[ce_Inspirations] = 1;
    City().enchantments[ce_Cursed_Lands] = 3;
    int16_t rebels = City_Rebel_Count(0);
    int w = 5 - 1 - rebels;
    int p = (w * 6 + 1 + 1) / 2;
    City_Production_Breakdown(0, lines);
    EXPECT_EQ(lines[0], w * 6 / 2);
    EXPECT_EQ(lines[1], p - w * 6 / 2);
    EXPECT_EQ(lines[3], p * 25 / 100);
    EXPECT_EQ(lines[5], p * 50 / 100);
    EXPECT_EQ(lines[8], lines[0] + lines[1]);
    int sum = 0;
    for (int i = 0; i <= 8; ++i) sum += lines[i];
    EXPECT_EQ(lines[9], sum / 2);
}

TEST_F(Resource_Breakdown_Test, GoldTaxesTradeGoodsAndBuildings)
{
    City().population = 6;
    _players[0].tax_rate = 4;
    int16_t people = (int16_t)(6 - City_Rebel_Count(0));
    City().construction = bt_Trade_Goods;
    City().production_units = 9;
    Build(bt_Trade_Guild);
    City_Gold_Breakdown(0, lines);
    EXPECT_EQ(lines[0], people * 4 / 2);
    EXPECT_EQ(lines[1], 4);
    EXPECT_EQ(lines[9], lines[0]);

    City().race = rt_Dwarven;
    City_Gold_Breakdown(0, lines);
    EXPECT_EQ(lines[0], 2 * (people * 4 / 2)) << "dwarves double the taxes line";
}

TEST_F(Resource_Breakdown_Test, NeutralCityHasNoPowerNoResearchAndTaxesItsPeople)
{
    City().owner_idx = CITY_OWNER_NEUTRAL;
    City().population = 7;
    Build(bt_Shrine);
    Build(bt_Study_Hall);
    int16_t people = (int16_t)(7 - City_Rebel_Count(0));
    City_Power_Breakdown(0, lines);
    for (int16_t v : lines) EXPECT_EQ(v, 0);
    City_Research_Breakdown(0, lines);
    for (int16_t v : lines) EXPECT_EQ(v, 0);
    City_Gold_Breakdown(0, lines);
    EXPECT_EQ(lines[0], people);
}

TEST_F(Resource_Breakdown_Test, PowerReligionRetortsMoonsAndFortress)
{
    City().population = 6;
    City().race = rt_Dark_Elf;
    Build(bt_Shrine);
    Build(bt_Temple);
    Build(bt_Sanctum);
    Build(bt_Mage_Guild);
    City().enchantments[ce_Dark_Rituals] = 1;
    _players[0].retorts[rtr_Divine_Power] = 1;
    _players[0].spellranks[3] = 4;  // life
    _players[0].spellranks[0] = 2;
    _FORTRESSES[0] = Fortress_Record{20, 20, 0, 1};
    City_Power_Breakdown(0, lines);
    EXPECT_EQ(lines[0], 6) << "books on the fortress square";
    EXPECT_EQ(lines[1], 6) << "dark elves give their population";
    EXPECT_EQ(lines[2], 1);
    EXPECT_EQ(lines[3], 3);
    EXPECT_EQ(lines[5], 6);
    EXPECT_EQ(lines[7], 3);
    EXPECT_EQ(lines[13], 7 * 150 / 100);

    events_table->words[ev_Good_Moon_State] = EVENT_STATE_LASTING;
    City_Power_Breakdown(0, lines);
    EXPECT_EQ(lines[2], 2);
    EXPECT_EQ(lines[3], 6);
    EXPECT_EQ(lines[13], 2 * (7 * 150 / 100));

    _players[0].spellranks[4] = 1;  // death as well: halved, then doubled
    City_Power_Breakdown(0, lines);
    EXPECT_EQ(lines[3], 4);

    events_table->words[ev_Mana_Short_State] = EVENT_STATE_LASTING;
    City_Power_Breakdown(0, lines);
    for (int16_t v : lines) EXPECT_EQ(v, 0);
}

TEST_F(Resource_Breakdown_Test, ResearchBuildingsAndUpkeepList)
{
    Build(bt_Study_Hall);
    Build(bt_Academy);
    Build(bt_Mage_Guild);
    City().bldg_status[bt_Lore_Hall] = 2;  // removed this turn
    City_Research_Breakdown(0, lines);
    EXPECT_EQ(lines[0], 2);
    EXPECT_EQ(lines[1], 0);
    EXPECT_EQ(lines[2], 5);
    EXPECT_EQ(lines[3], 8);

    int16_t list[RESOURCE_BREAKDOWN_LIST_MAX] = {};
    City().bldg_status[bt_Study_Hall] = 0;
    ASSERT_EQ(City_Maintenance_List(0, list), 3);
    EXPECT_EQ(list[0], bt_Study_Hall);
    EXPECT_EQ(list[1], bt_Academy);
    EXPECT_EQ(list[2], bt_Mage_Guild);
}

TEST_F(Resource_Breakdown_Test, LabelsAreCutAndTerminated)
{
    uint8_t record[RESOURCE_LABEL_RECORD_SIZE];
    std::memset(record, 'x', sizeof record);
    char label[RESOURCE_LABEL_SIZE + 8];
    std::memset(label, '#', sizeof label);
    Resource_Label_From_Record(record, label);
    EXPECT_EQ(std::strlen(label), (size_t)RESOURCE_LABEL_SIZE - 1);
    EXPECT_EQ(label[RESOURCE_LABEL_SIZE], '#') << "nothing written past the label";
    std::memcpy(record, "Farmers\0", 8);
    Resource_Label_From_Record(record, label);
    EXPECT_STREQ(label, "Farmers");
}

TEST_F(Resource_Breakdown_Test, StatIconsMeasure)
{
    struct Case {
        int16_t n, end;
    } cases[] = {{0, 100}, {3, 100 + 3 * 8 + 4}, {7, 100 + 7 * 6 + 4}, {10, 100 + 14}, {23, 100 + 22 + 3 * 8 + 4}};
    for (const Case &c : cases) EXPECT_EQ(Draw_Stat_Icons_10_And_1(100, 50, c.n, nullptr, nullptr), c.end) << c.n;
}

TEST_F(Resource_Breakdown_Test, UpkeepListPagesWithMoreAndEndsOnAClick)
{
    for (int b = 3; b <= 22; ++b) Build((int16_t)b);
    int16_t first = -1, count = -1;
    std::vector<int16_t> firsts;
    auto note = [&] {
        Resource_Breakdown_Shown(&first, &count);
        firsts.push_back(first);
    };
    Then([] {});
    Then([&] {
        note();
        Key('m', 'm');
    });
    Then([] {});
    Then([&] {
        note();
        Key('m', 'm');
    });
    Then([] {});
    Then([&] {
        note();
        Click(10, 10);
    });
    for (int i = 0; i < 8; ++i) Then([] { Release(); });
    Resource_Breakdown(rr_Gold_Upkeep);
    EXPECT_EQ(count, 20);
    ASSERT_EQ(firsts.size(), 3u);
    EXPECT_EQ(firsts[0], 0);
    EXPECT_EQ(firsts[1], RESOURCE_MAINTENANCE_PAGE);
    EXPECT_EQ(firsts[2], 0);
    EXPECT_EQ(fields_count, 1) << "the pop-up clears its fields";
}

}  // namespace
