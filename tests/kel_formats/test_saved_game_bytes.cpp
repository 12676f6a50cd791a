// A saved game typed byte by byte from the file's documented layout (literal offsets, hand-written
// little-endian bytes), so that the reader is checked against the format itself rather than against
// our own writer.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "World_Fixture.h"
#include "world/Spell_Ids.h"

// The records are packed, and EXPECT_EQ binds its arguments to references: fields are
// compared as +(field) copies so that no reference to a misaligned field is made.
namespace {

using Image = std::vector<uint8_t>;

void Poke(Image &image, size_t offset, std::initializer_list<uint8_t> bytes)
{
    for (uint8_t b : bytes) image.at(offset++) = b;
}

void Poke_Text(Image &image, size_t offset, const char *text)
{
    while (*text != '\0') image.at(offset++) = (uint8_t)*text++;
    image.at(offset) = 0;
}

constexpr size_t PLAYERS = 2536;
constexpr size_t PLAYER_SIZE = 1224;

// A three-wizard game at turn 300 with one unit, one city, one item and a few map features.
Image Hand_Made_Save(void)
{
    Image image(123300, 0);
    // Hero records of player 1, hero type 4: in service, ability 0x1000, skill 5, four spells.
    Poke(image, 420 + 4 * 12, {0xEC, 0xFF, 0x00, 0x10, 0x00, 0x00, 0x05, 0x0A, 0x14, 0x1E, 0x28, 0x00});
    // _num_players 3, _landsize 2, _magic 1, _difficulty 4, _cities 1, _units 1, _turn 300, _unit 0
    Poke(image, 2520, {0x03, 0x00, 0x02, 0x00, 0x01, 0x00, 0x04, 0x00, 0x01, 0x00, 0x01, 0x00, 0x2C, 0x01, 0x00, 0x00});

    // Player 0
    size_t p0 = PLAYERS;
    Poke(image, p0 + 0, {0x03});
    Poke_Text(image, p0 + 1, "Merrow");
    Poke(image, p0 + 22, {0x01});
    Poke(image, p0 + 24, {0x05, 0x00});                       // personality: Peaceful
    Poke(image, p0 + 90, {0x06, 0x00});                       // Nature books
    Poke(image, p0 + 96, {0x05, 0x00});                       // Life books
    Poke(image, p0 + 116, {0x01});                            // Charismatic
    Poke(image, p0 + 118, {0xFF, 0xFF});                      // hero slot 0 empty
    Poke(image, p0 + 288, {0xFF, 0xFF, 0x07, 0x00});          // vault: empty, item 7
    Poke(image, p0 + 338 + 1, {0xE7});                        // relation toward player 1: -25
    Poke(image, p0 + 344 + 1, {0x03});                        // treaty with player 1: war
    Poke(image, p0 + 464 + 2 * 6 * 2 + 2 * 5, {0x2A, 0x00});  // exchange spell row 2, column 5: 42
    Poke(image, p0 + 604, {0x10, 0x27});                      // mana 10,000
    Poke(image, p0 + 606, {0x40, 0xE2, 0x01, 0x00});          // skill points 123,456
    Poke(image, p0 + 610, {0x0C, 0x00});                      // researching spell 12
    Poke(image, p0 + 824, {0x03});                            // Spell of Mastery on the research list
    Poke(image, p0 + 854, {0x30, 0x75});                      // gold 30,000
    Poke(image, p0 + 864, {0xA0, 0x86});                      // population figure 34,464 (unsigned)
    Poke(image, p0 + 1154 + 6, {0x01});                       // Time Stop
    Poke(image, p0 + 1200 + 1, {0xFF});                       // peace countdown -1
    Poke(image, p0 + 1220, {0x03, 0x00, 0x04, 0x00});         // realms: Life, Death
    // The neutral record: settler target [1][0] and the summoning countdown of player 3.
    size_t p5 = PLAYERS + 5 * PLAYER_SIZE;
    Poke(image, p5 + 752, {0x5A});
    Poke(image, p5 + 836 + 2 * 3, {0xD2, 0x04});

    // Square (23, 17) of plane 1 is index 3443 in every per-square array.
    Poke(image, 9880 + 2 * 3443, {0x01, 0x03});  // terrain 769
    Poke(image, 19480, {0x0F});                  // land grid, first byte
    Poke(image, 19672 + 191, {0x03});            // sea grid, last byte
    Poke(image, 19864 + 3443, {0x07});           // landmass 7
    Poke(image, 79188 + 3443, {0x84});           // gold ore and nightshade
    Poke(image, 83988 + 3443, {0x0F});           // explored
    Poke(image, 117688 + 3443, {0x08});          // road
    Poke(image, 88788 + 28799, {0xFF});          // last movement cost byte

    // Node 0: (12, 9) on plane 0, unowned, five aura squares, chaos, warped and guarded.
    Poke(image, 24664, {12, 9, 0, 0xFF, 5, 12, 13, 11, 12, 12});
    Poke(image, 24664 + 25, {9, 9, 9, 8, 10});
    Poke(image, 24664 + 45, {0x02, 0x03});
    Poke(image, 24664 + 29 * 48, {40, 30, 1, 2, 10});  // node 29, owned by player 2
    Poke(image, 26104 + 2 * 4, {40, 25, 0, 1});        // fortress of player 2
    Poke(image, 26128 + 5 * 4, {44, 30, 0xFF, 0});     // tower 5, unowned
    // Lair 42: a monster lair with two guardian groups, gold, mana, a spell book, a prisoner, two items.
    Poke(image, 26152 + 42 * 24, {31,   22,   1,    1,    8,    0x9A, 0x33, 0xA0, 0x22, 0x00, 0x5E, 0x01,
                                  0x64, 0x00, 0x05, 0x01, 0x02, 0x00, 0xB0, 0x04, 0x58, 0x02, 0x00, 0x00});

    // Item 0: a sword of 1,000 gold, +3 attack, -1 defence, +2 moves, two charges of spell 41, flight.
    Poke_Text(image, 28600, "Frostbrand");
    Poke(image, 28600 + 30, {0x0C, 0x00, 0x01, 0x00, 0xE8, 0x03, 0x03, 0x01, 0xFF, 0x02,
                             0x00, 0x00, 0x00, 0x29, 0x02, 0x00, 0x00, 0x00, 0x02, 0x00});

    // City 0
    size_t city = 35500;
    Poke_Text(image, city, "Ossary");
    Poke(image, city + 14, {7, 23, 17, 1, 2, 3, 8, 4, 0, 0});
    Poke(image, city + 24, {0x2D, 0x00, 0x05, 0x00, 0x6E, 0x00, 0x02});  // 45 tens, known by 0 and 2, unit 10
    for (size_t b = 0; b < 36; b++) image[city + 31 + b] = 0xFF;
    Poke(image, city + 31 + 1, {0x01});
    Poke(image, city + 31 + 5, {0x00});
    Poke(image, city + 67 + 24, {0x03});                            // Altar of Battle
    Poke(image, city + 93, {12, 0x2C, 0x01, 9, 2, 1, 4, 6, 0x02});  // yields; joined to city 1

    // Unit 0: undead magic-weapon unit 104 of player 2 in a tower, going to (30, 12), 300 experience.
    Poke(image, 46900, {23, 17, 1, 2, 4,    104,  0xFF, 1,    3,    30,   12,   3,    2,    0, 0x2C, 0x01,
                        0,  5,  1, 0, 0x01, 0x00, 2,    0x21, 0x01, 0x00, 0x02, 0x00, 0xFF, 0, 0,    0});
    Poke(image, 46900 + 1008 * 32, {59});  // the last of the 1,009 stored units

    Poke(image, 117588, {0x2A, 0x01});  // events: last event on turn 298
    Poke(image, 122488, {0x01, 0x00});  // grand vizier on
    Poke(image, 122490 + 249, {0x01});  // last prefab item
    Poke_Text(image, 122740 + 34 * 16, "Zaldor");
    Poke(image, 122740 + 34 * 16 + 14, {0x58, 0x02});
    return image;
}

}  // namespace

TEST_F(World_Test, HandTypedSaveReadsIntoTheNamedFieldsAndWritesBackUnchanged)
{
    Image image = Hand_Made_Save();
    char why[256] = "";
    ASSERT_TRUE(Save_Game_Check_Image(image.data(), image.size(), why, sizeof(why))) << why;
    Save_Game_Read_Image(image.data(), image.size());

    EXPECT_EQ(+(_HEROES2[1][4].Level), -20);
    EXPECT_EQ(+(_HEROES2[1][4].abilities), 0x1000u);
    EXPECT_EQ(+(_HEROES2[1][4].Casting_Skill), 5);
    EXPECT_EQ(+(_HEROES2[1][4].Spells[3]), 40);
    EXPECT_EQ(_num_players, 3);
    EXPECT_EQ(_landsize, 2);
    EXPECT_EQ(_magic, 1);
    EXPECT_EQ(_difficulty, 4);
    EXPECT_EQ(_turn, 300);

    const Player_Record &human = _players[0];
    EXPECT_EQ(+(human.wizard_id), 3);
    EXPECT_STREQ(human.name, "Merrow");
    EXPECT_EQ(+(human.banner_id), 1);
    EXPECT_EQ(+(human.Personality), 5);
    EXPECT_EQ(+(human.spellranks[0]), 6);
    EXPECT_EQ(+(human.spellranks[3]), 5);
    EXPECT_EQ(+(human.retorts[rtr_Charismatic]), 1);
    EXPECT_EQ(+(human.Heroes[0].unit_idx), -1);
    EXPECT_EQ(+(human.Vault_Items[1]), 7);
    EXPECT_EQ(+(human.Dipl_Relation[1]), -25);
    EXPECT_EQ(+(human.Dipl_Treaty[1]), 3);
    EXPECT_EQ(+(human.Dipl_Exchange_Spells[2][5]), 42);
    EXPECT_EQ(+(human.mana_reserve), 10000);
    EXPECT_EQ(+(human.spell_casting_skill), 123456);
    EXPECT_EQ(+(human.researching_spell_idx), 12);
    EXPECT_EQ(Player_Spell_Status(0, spl_Spell_Of_Mastery), SS_RESEARCH_LIST);
    EXPECT_EQ(+(human.gold_reserve), 30000);
    EXPECT_EQ(+(human.Pop_Div_10k), 34464);
    EXPECT_EQ(+(human.Globals[6]), 1);
    EXPECT_EQ(+(human.peace_duration[1]), -1);
    EXPECT_EQ(+(human.Prim_Realm), 3);
    EXPECT_EQ(+(human.Sec_Realm), 4);
    EXPECT_EQ(AI_Landmass_Settler_Target(1, 0), 0x5A);
    EXPECT_EQ(AI_Reevaluate_Summoning_Circle_Countdown(3), 1234);

    int square = World_Square_Index(23, 17, 1);
    EXPECT_EQ(square, 3443);
    EXPECT_EQ(_world_maps[square], 769);
    EXPECT_EQ(connectivity_grid_land[0], 0x0F);
    EXPECT_EQ(connectivity_grid_sea[191], 0x03);
    EXPECT_EQ(_landmasses[square], 7);
    EXPECT_EQ(_map_square_terrain_specials[square], 0x84);
    EXPECT_EQ(_square_explored[square], 15);
    EXPECT_EQ(_map_square_flags[square], 0x08);
    EXPECT_EQ(movement_mode_cost_maps[MOVEMENT_COST_MAPS_SIZE - 1], 0xFF);

    EXPECT_EQ(+(_NODES[0].owner_idx), -1);
    EXPECT_EQ(+(_NODES[0].power), 5);
    EXPECT_EQ(+(_NODES[0].Aura_Xs[1]), 13);
    EXPECT_EQ(+(_NODES[0].Aura_Ys[3]), 8);
    EXPECT_EQ(+(_NODES[0].type), 2);
    EXPECT_EQ(+(_NODES[0].flags), 3);
    EXPECT_EQ(+(_NODES[29].wp), 1);
    EXPECT_EQ(+(_NODES[29].owner_idx), 2);
    EXPECT_EQ(+(_FORTRESSES[2].wx), 40);
    EXPECT_EQ(+(_FORTRESSES[2].active), 1);
    EXPECT_EQ(+(_TOWERS[5].wx), 44);
    EXPECT_EQ(+(_TOWERS[5].owner_idx), -1);
    const Lair_Record &lair = _LAIRS[42];
    EXPECT_EQ(+(lair.wp), 1);
    EXPECT_EQ(+(lair.Intact), 1);
    EXPECT_STREQ(TBL_EZ_Names[lair.type], "monster lair");
    EXPECT_EQ(+(lair.guard1_unit_type), 154);
    EXPECT_EQ(+(lair.guard1_count & 0x0F), 3);
    EXPECT_EQ(+(lair.guard2_count >> 4), 2);
    EXPECT_EQ(+(lair.Loot_Gold), 350);
    EXPECT_EQ(+(lair.Loot_Mana), 100);
    EXPECT_EQ(+(lair.Spell_n_Special), 5);
    EXPECT_EQ(+(lair.Misc_Flags), 1);
    EXPECT_EQ(+(lair.Item_Count), 2);
    EXPECT_EQ(+(lair.Item_Values[0]), 1200);
    EXPECT_EQ(+(lair.Item_Values[1]), 600);

    const Item_Record &item = _ITEMS[0];
    EXPECT_STREQ(item.name, "Frostbrand");
    EXPECT_EQ(+(item.icon_idx), 12);
    EXPECT_EQ(+(item.Slot_Type), 1);
    EXPECT_EQ(+(item.cost), 1000);
    EXPECT_EQ(+(item.attack), 3);
    EXPECT_EQ(+(item.defense), -1);
    EXPECT_EQ(+(item.moves2), 2);
    EXPECT_EQ(+(item.Spell), 41);
    EXPECT_EQ(+(item.charges), 2);
    EXPECT_EQ(+(item.Powers), 0x20000u);

    const City_Record &town = _CITIES[0];
    EXPECT_STREQ(town.name, "Ossary");
    EXPECT_EQ(+(town.race), 7);
    EXPECT_EQ(+(town.owner_idx), 2);
    EXPECT_EQ(+(town.size), 3);
    EXPECT_EQ(+(town.population), 8);
    EXPECT_EQ(+(town.Pop_10s), 45);
    EXPECT_EQ(+(town.contacts), 0x0005);
    EXPECT_EQ(+(town.construction), 110);
    EXPECT_EQ(+(town.bldg_cnt), 2);
    EXPECT_EQ(+(town.bldg_status[0]), -1);
    EXPECT_TRUE(City_Building_Stands(town, 1));
    EXPECT_TRUE(City_Building_Stands(town, 5));
    EXPECT_FALSE(City_Building_Stands(town, 35));
    EXPECT_NE(town.enchantments[CITY_ENCH_ALTAR_OF_BATTLE], 0);
    EXPECT_EQ(+(town.production_units), 12);
    EXPECT_EQ(+(town.Prod_Accu), 300);
    EXPECT_EQ(+(town.gold_units), 9);
    EXPECT_EQ(+(town.building_maintenance), 2);
    EXPECT_EQ(+(town.food_units), 6);
    EXPECT_EQ(+(town.road_connections[0]), 0x02);

    const Unit_Record &unit = _UNITS[0];
    EXPECT_EQ(+(unit.wx), 23);
    EXPECT_EQ(+(unit.wy), 17);
    EXPECT_EQ(+(unit.wp), 1);
    EXPECT_EQ(+(unit.owner_idx), 2);
    EXPECT_EQ(+(unit.moves2_max), 4);
    EXPECT_EQ(+(unit.type), 104);
    EXPECT_EQ(+(unit.Hero_Slot), -1);
    EXPECT_EQ(+(unit.moves2), 3);
    EXPECT_EQ(+(unit.dst_wx), 30);
    EXPECT_EQ(+(unit.Status), us_GOTO);
    EXPECT_EQ(+(unit.Level), 2);
    EXPECT_EQ(+(unit.XP), 300);
    EXPECT_EQ(+(unit.Damage), 5);
    EXPECT_EQ(+(unit.in_tower), 1);
    EXPECT_EQ(+(unit.Sight_Range), 2);
    EXPECT_EQ(+(unit.mutations & UM_WEAPON_MASK), 1);
    EXPECT_NE(unit.mutations & UM_UNDEAD, 0);
    EXPECT_EQ(+(unit.enchantments), UE_IMMOLATION | UE_FLIGHT);
    EXPECT_EQ(+(unit.Rd_Constr_Left), -1);
    EXPECT_EQ(+(_UNITS[1008].wx), 59);

    EXPECT_EQ(reinterpret_cast<const int16_t *>(events_table)[0], 298);
    EXPECT_EQ(grand_vizier, 1);
    EXPECT_EQ(_prefab_item_table[249], 1);
    EXPECT_STREQ(hero_names_table[34].name, "Zaldor");
    EXPECT_EQ(+(hero_names_table[34].experience), 600);

    EXPECT_EQ(World_Image(), image);
}

TEST_F(World_Test, HeroSlotItemsCountOnlyWhileTheSlotHoldsAHero)
{
    struct Slot_Case {
        const char *name;
        uint8_t unit_lo, unit_hi;
        bool accepted;
    };
    const Slot_Case cases[] = {
        {"empty slot with stale item bytes", 0xFF, 0xFF, true},
        {"hero in the slot with item 500", 0x00, 0x00, false},
        {"slot holding unit -2", 0xFE, 0xFF, false},
    };
    for (const Slot_Case &c : cases) {
        Image image = Hand_Made_Save();
        // Player 0, hero slot 3: unit index, then item places 500, -1, 137.
        Poke(image, PLAYERS + 118 + 3 * 28, {c.unit_lo, c.unit_hi});
        Poke(image, PLAYERS + 118 + 3 * 28 + 16, {0xF4, 0x01, 0xFF, 0xFF, 0x89, 0x00});
        char why[256] = "";
        EXPECT_EQ(+(Save_Game_Check_Image(image.data(), image.size(), why, sizeof(why)) != 0), c.accepted)
            << c.name << ": " << why;
    }
}
