// The stand-in saved games: SAVE1.GAM (a small early game) and SAVE9.GAM (the continue game),
// and the fixture games of the end-to-end tests in fixtures/ (the game never reads that folder):
// CAPITAL_UNITS.GAM (the continue game with units), TWENTY_CITIES.GAM and TWENTY_CITIES_TURN0.GAM
// (twenty cities of the human's and a settler). All are composed in the world records from the
// description below and checked with the program's own saved-game checks before they are written.
#include <cstdio>
#include <cstring>

#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Standin.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"
#include "world/Map_Square_Record.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"
#include "world/Square_Queries.h"
#include "world/Unit_Type_Ids.h"
#include "world/Unit_Type_Record.h"
#include "worldgen/Connectivity_Grids.h"
#include "worldgen/Movement_Cost_Maps.h"

namespace {

struct Standin_City {
    const char *name;
    int8_t owner;
    uint8_t race, wx, wy, wp, population, size;
};
// Avaran (the human's capital, on a river beside a lake) and Tolmir share squares; Kessick and
// Ursath are computer wizards' capitals, Brennow and Holt neutral towns. Farrow, the human's
// outpost, and Dravenmoor, a town of Vessa's, lie in the land the human has explored, out of sight
// of his cities and units.
const Standin_City m_cities[] = {
    {"Avaran", 0, rt_High_Men, 20, 15, 0, 4, 2},   {"Tolmir", 0, rt_High_Men, 23, 17, 0, 2, 1},
    {"Kessick", 1, rt_Barbarian, 40, 25, 0, 4, 2}, {"Ursath", 2, rt_Orc, 30, 20, 1, 4, 2},
    {"Brennow", 5, rt_Halfling, 15, 28, 0, 3, 1},  {"Holt", 5, rt_Draconian, 45, 10, 1, 2, 1},
    {"Farrow", 0, rt_High_Men, 14, 19, 0, 0, 0},   {"Dravenmoor", 1, rt_Barbarian, 30, 9, 0, 3, 1},
};
constexpr int16_t OUTPOST_HOUSES = 3;
// Buildings that stand in each city (capitals start with three); the numbers of m_cities.
const int m_city_buildings[][5] = {
    {bt_Garrison, bt_Capital_Hall, bt_Builders_Lodge, bt_Shrine, -1},
    {bt_Garrison, -1},
    {bt_Garrison, bt_Capital_Hall, bt_Builders_Lodge, -1},
    {bt_Garrison, bt_Capital_Hall, bt_Builders_Lodge, -1},
    {bt_Garrison, bt_Granary, -1},
    {bt_Garrison, -1},
    {-1},
    {bt_Garrison, -1},
};
struct Standin_Square {
    uint8_t wx, wy, wp;
    int16_t terrain;  // -1 keeps the terrain
    uint8_t specials, flags;
};
// Squares that give the cities' areas something to yield: minerals, wild game, nightshade, a lake
// beside Avaran's river, a corrupted square.
const Standin_Square m_squares[] = {
    {20, 15, 0, 186, 0, 0},
    {19, 14, 0, tt_Ocean_Edge, 0, 0},
    {21, 16, 0, -1, ts_Gold, 0},
    {22, 15, 0, -1, ts_Wild_Game, 0},
    {19, 17, 0, -1, ts_Mithril, 0},
    {18, 15, 0, -1, 0, sf_Corruption},
    {21, 13, 0, -1, ts_Iron_Ore | ts_Nightshade, 0},
    {24, 18, 0, -1, ts_Wild_Game | ts_Coal, 0},
    {41, 26, 0, -1, ts_Gems, 0},
    {31, 21, 1, -1, ts_Adamantium, 0},
    {16, 29, 0, -1, ts_Wild_Game, 0},
    {44, 11, 1, -1, ts_Crysx, 0},
    {42, 24, 0, tt_Mountain, 0, 0},
    {43, 24, 0, tt_Mountain, 0, 0},
};
constexpr int NUM_STANDIN_WIZARDS = 3;
const char *const m_wizard_names[NUM_STANDIN_WIZARDS] = {"Aldren", "Vessa", "Korvath"};

void Put_Text(char *field, size_t width, const char *text)
{
    memset(field, 0, width);
    size_t length = strlen(text);
    memcpy(field, text, length < width ? length : width - 1);
}

void Make_Map(void)
{
    for (int wp = 0; wp < NUM_PLANES; wp++) {
        for (int wy = 0; wy < WORLD_HEIGHT; wy++) {
            for (int wx = 0; wx < WORLD_WIDTH; wx++) {
                int square = World_Square_Index(wx, wy, wp);
                bool land = wx >= 10 && wx < 50 && wy >= 4 && wy < 36;
                int16_t terrain = tt_Ocean;
                if (land) {
                    terrain = ((wx + wy) % 7 == 0) ? tt_Forest : ((wx * wy) % 11 == 0) ? tt_Hills : tt_Grasslands;
                }
                _world_maps[square] = terrain;
                _landmasses[square] = land ? (uint8_t)(1 + wp) : 0;
                _square_explored[square] = (wp == 0 && wx >= 12 && wx < 32 && wy >= 8 && wy < 24) ? 15 : 0;
                _map_square_terrain_specials[square] = (land && (wx * 7 + wy) % 23 == 0) ? (uint8_t)(1 + (wx % 9)) : 0;
                _map_square_flags[square] = 0;
            }
        }
    }
    for (const Standin_Square &q : m_squares) {
        int square = World_Square_Index(q.wx, q.wy, q.wp);
        if (q.terrain >= 0) _world_maps[square] = q.terrain;
        if (q.terrain == tt_Ocean_Edge) _landmasses[square] = 0;
        _map_square_terrain_specials[square] = q.specials;
        _map_square_flags[square] = q.flags;
    }
    // Movement costs and grids as a new game builds them, from the stand-in TERRSTAT.
    Movement_Mode_Cost_Maps(0);
    Movement_Mode_Cost_Maps(1);
    Build_Connectivity_Graphs(0);
    Build_Connectivity_Graphs(1);
}

// A road from Avaran to Tolmir, both cities' squares included: the two trade.
void Make_Roads(void)
{
    static const uint8_t road[][2] = {{20, 15}, {21, 16}, {22, 17}, {23, 17}};
    for (const auto &square : road) Make_Road(square[0], square[1], 0);
}

void Make_Players(int16_t turn)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        Player_Record &player = _players[p];
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            player.Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) {
                player.Heroes[k].Items[i] = -1;
                player.Heroes[k].Item_Slots[i] = (int16_t)(1 + i);
            }
        }
        for (int i = 0; i < 4; i++) {
            player.Vault_Items[i] = -1;
        }
        player.banner_id = (uint8_t)p;
        player.Target_Wizard = player.Primary_Target = player.Spell_Group_Target = player.Secondary_Target = -1;
        if (p >= NUM_STANDIN_WIZARDS) {
            continue;
        }
        player.wizard_id = (uint8_t)p;
        Put_Text(player.name, sizeof(player.name), m_wizard_names[p]);
        player.capital_race = m_cities[p == 0 ? 0 : p + 1].race;
        player.gold_reserve = (int16_t)(100 + 10 * turn);
        player.mana_reserve = (int16_t)(50 + 5 * turn);
        player.spell_casting_skill = 20 + turn;
        player.Nominal_Skill = Player_Base_Casting_Skill((int16_t)p);
        player.Skill_Left = player.Nominal_Skill;
        player.tax_rate = 2;
        player.research_ratio = 40;
        player.mana_ratio = 30;
        player.skill_ratio = 30;
        player.spellranks[p % 5] = 6;
        player.spellranks[(p + 2) % 5] = 5;
        player.Prim_Realm = (int16_t)(p % 5);
        player.Sec_Realm = (int16_t)((p + 2) % 5);
        player.fame = (int16_t)turn;
        player.som_research_cost = 3000;
        for (int s = 1; s <= 10; s++) {
            player.spells_list[(p % 5) * 40 + s - 1] = (s <= 3) ? 2 : 1;
        }
        player.researching_spell_idx = (int16_t)((p % 5) * 40 + 4);
        // The human's research outlasts every scripted run; the candidate is on the research list.
        player.research_cost_remaining = p == HUMAN_PLAYER_IDX ? (int16_t)20000 : (int16_t)60;
        player.research_spells[0] = player.researching_spell_idx;
        player.spells_list[player.researching_spell_idx - 1] = 3;
        for (int j = 0; j < NUM_STANDIN_WIZARDS; j++) {
            player.Dipl_Contacted[j] = (j == p || turn > 10) ? 1 : 0;
            player.peace_duration[j] = 0;
        }
        player.Personality = (int16_t)(p + 1);
        player.Objective = (int16_t)p;
    }
    for (int i = 0; i < NUM_FORTRESSES; i++) {
        _FORTRESSES[i] = Fortress_Record{0, 0, 0, 0};
    }
    for (int p = 0; p < NUM_STANDIN_WIZARDS; p++) {
        const Standin_City &capital = m_cities[p == 0 ? 0 : p + 1];
        _FORTRESSES[p] = Fortress_Record{capital.wx, capital.wy, capital.wp, 1};
        _players[p].summon_wx = capital.wx;
        _players[p].summon_wy = capital.wy;
        _players[p].summon_wp = capital.wp;
    }
}

void Make_Cities(void)
{
    _cities = (int16_t)(sizeof(m_cities) / sizeof(m_cities[0]));
    for (int i = 0; i < _cities; i++) {
        const Standin_City &source = m_cities[i];
        City_Record &city = _CITIES[i];
        memset(&city, 0, sizeof(city));
        Put_Text(city.name, sizeof(city.name), source.name);
        city.race = source.race;
        city.wx = source.wx;
        city.wy = source.wy;
        city.wp = source.wp;
        city.owner_idx = source.owner;
        city.size = source.size;
        city.population = source.population;
        city.farmer_count = (uint8_t)(source.population / 2);
        city.contacts = (uint16_t)(1u << (source.owner == 5 ? 0 : source.owner));
        city.construction = bt_Trade_Goods;
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        city.bldg_status[bt_None] = 0;
        city.bldg_cnt = 0;
        for (int b : m_city_buildings[i]) {
            if (b < 0) break;
            city.bldg_status[b] = 1;
            city.bldg_cnt++;
        }
        city.Pop_10s = 20;
        if (city.size == 0) {
            city.construction = bt_Housing;
            city.Pop_10s = OUTPOST_HOUSES;
        }
    }
}

// Farmers at least the least that feeds the city, farmers and rebels within the population, and the
// six yields as the rules give them, the road between Avaran and Tolmir counted.
void Settle_Cities(void)
{
    Reset_City_Area_Bitfields();
    Reset_City_Road_Connection_Bitfields();
    for (int16_t i = 0; i < _cities; i++) {
        City_Record &city = _CITIES[i];
        int16_t least = City_Minimum_Farmers(i);
        if (city.farmer_count < least) city.farmer_count = (uint8_t)least;
        int16_t rebels = City_Rebel_Count(i);
        if (city.farmer_count < City_Minimum_Farmers(i) || city.farmer_count + rebels > city.population)
            Standin_Fail(std::string("stand-in city ") + city.name + " cannot feed itself in order");
        Do_City_Calculations(i);
    }
}

// The building, terrain and unrest tables the city and movement rules read, from the archives
// already written.
void Load_City_Rule_Tables(const std::string &folder)
{
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(folder.c_str());
    LBX_Close();
    Load_BUILDDAT();
    Load_TERRSTAT();
    uint8_t *unrest = Load_Rule_Table("TERRSTAT", 1, 1, NUM_UNREST_RACES * NUM_UNREST_RACES);
    for (int row = 0; row < NUM_UNREST_RACES; row++) {
        TBL_Unrest[row] = reinterpret_cast<int8_t *>(unrest + NUM_UNREST_RACES * row);
    }
    LBX_Close();
    STU_GRAF_Reset();
}

void Add_Unit(int16_t type, int16_t owner, int16_t wx, int16_t wy, int16_t wp)
{
    if (!Create_Unit(type, owner, wx, wy, wp, UNIT_SOURCE_UNCAPPED)) Standin_Fail("unit refused");
}

void Make_Units(int16_t turn)
{
    // In the early game the capital's two units are cavalry on a go-to order (Start_Human_Turn).
    Add_Unit(turn == 1 ? ut_Barbarian_Cavalry : ut_Barbarian_Spearmen, 0, 20, 15, 0);  // spearmen in the capital
    Add_Unit(turn == 1 ? ut_Barbarian_Cavalry : ut_Barbarian_Swordsmen, 0, 20, 15, 0);
    // Settlers; in the continue game the square east of the capital stays open for its first stack.
    Add_Unit(ut_Barbarian_Settlers, 0, 21, turn == 1 ? 15 : 16, 0);
    Add_Unit(ht_Hero_4, 0, 22, 16, 0);  // a hero
    int16_t hero = (int16_t)(_units - 1);
    _UNITS[hero].Hero_Slot = 0;
    Player_Record &human = _players[HUMAN_PLAYER_IDX];
    human.Heroes[0].unit_idx = hero;
    Put_Text(human.Heroes[0].name, sizeof(human.Heroes[0].name), "Brax");
    human.Heroes[0].Items[0] = 0;
    human.Heroes[0].Items[1] = 1;
    human.Vault_Items[0] = 2;
    _HEROES2[0][ht_Hero_4].Level = -20;
    Add_Unit(ut_Trireme, 0, 9, 15, 0);  // a trireme at sea
    Add_Unit(ut_Beastmen_Spearmen, 1, 40, 25, 0);
    Add_Unit(ut_Beastmen_Settlers, 1, 41, 25, 0);
    Add_Unit(ut_Dark_Elf_Spearmen, 2, 30, 20, 1);
    Add_Unit(ut_Dark_Elf_Settlers, 2, 31, 21, 1);
    Add_Unit(ut_Nature_Creature_1, 5, 33, 30, 0);  // neutral creatures
    Add_Unit(ut_Sorcery_Creature_2, 5, 33, 30, 0);
    Add_Unit(ut_Draconian_Spearmen, 5, 15, 28, 0);  // neutral garrison
    if (turn > 10) {
        Add_Unit(ut_Barbarian_Cavalry, 0, 23, 17, 0);
        Add_Unit(ut_Beastmen_Swordsmen, 1, 38, 24, 0);
        Add_Unit(ut_Dark_Elf_Bowmen, 2, 29, 20, 1);
    }
    _unit = 0;
}

void Make_Features(void)
{
    for (int i = 0; i < NUM_NODES; i++) {
        Node_Record &node = _NODES[i];
        memset(&node, 0, sizeof(node));
        node.wp = (uint8_t)(i >= 16);
        int k = node.wp ? i - 16 : i;
        node.wx = (uint8_t)(12 + (k % 6) * 6);
        node.wy = (uint8_t)(6 + (k / 6) * 9);
        node.owner_idx = -1;
        node.power = (uint8_t)(node.wp ? 10 : 5);
        node.type = (uint8_t)(i % 3);
        for (int a = 0; a < node.power; a++) {
            node.Aura_Xs[a] = (uint8_t)(node.wx + (a % 3) - (a ? 1 : 0));
            node.Aura_Ys[a] = (uint8_t)(node.wy + (a / 3));
        }
    }
    for (int i = 0; i < NUM_TOWERS; i++) {
        _TOWERS[i] = Tower_Record{(uint8_t)(14 + 6 * i), 32, -1, 0};
    }
    static const uint8_t node_lair_type[3] = {3, 2, 1};  // sorcery, nature, chaos node
    for (int i = 0; i < NUM_LAIRS; i++) {
        Lair_Record &lair = _LAIRS[i];
        memset(&lair, 0, sizeof(lair));
        if (i < 12) {
            const Tower_Record &tower = _TOWERS[i % 6];
            lair.wx = tower.wx;
            lair.wy = tower.wy;
            lair.wp = (uint8_t)(i / 6);
            lair.type = 0;
        } else if (i < 42) {
            const Node_Record &node = _NODES[i - 12];
            lair.wx = node.wx;
            lair.wy = node.wy;
            lair.wp = node.wp;
            lair.type = node_lair_type[node.type];
        } else if (i < 99) {
            lair.wx = (uint8_t)(11 + (i * 7) % 38);
            lair.wy = (uint8_t)(5 + (i * 5) % 30);
            lair.wp = (uint8_t)(i % 2);
            lair.type = (uint8_t)(4 + i % 7);
        } else {
            continue;
        }
        lair.Intact = 1;
        lair.guard1_unit_type = (uint8_t)(ut_Nature_Creature_1 + i % 40);
        lair.guard1_count = (uint8_t)(17 * (1 + i % 3));
        lair.Loot_Gold = (int16_t)(50 + 10 * (i % 10));
        lair.Loot_Mana = (int16_t)(20 * (i % 5));
        lair.Item_Count = (int8_t)(i % 2);
        lair.Item_Values[0] = lair.Item_Count ? 300 : 0;
    }
}

void Make_Items_And_Heroes(void)
{
    static const struct {
        const char *name;
        uint8_t type, slot;
        int8_t attack, defense, moves2;
    } items[3] = {{"Dawnblade", 0, 1, 2, 0, 0}, {"Ring of Haste", 6, 5, 0, 1, 2}, {"Oakshield", 7, 4, 0, 3, 0}};
    for (int i = 0; i < 3; i++) {
        Item_Record &item = _ITEMS[i];
        Put_Text(item.name, sizeof(item.name), items[i].name);
        item.icon_idx = (int16_t)(i * 5);
        item.type = items[i].type;
        item.Slot_Type = items[i].slot;
        item.cost = (int16_t)(200 + 100 * i);
        item.attack = items[i].attack;
        item.defense = items[i].defense;
        item.moves2 = items[i].moves2;
    }
    for (int t = 0; t < NUM_HERO_TYPES; t++) {
        char name[14];
        snprintf(name, sizeof(name), "Hero %d", t);
        Put_Text(hero_names_table[t].name, sizeof(hero_names_table[t].name), name);
        hero_names_table[t].experience = (int16_t)(t == 3 ? 20 : 0);
    }
    int16_t *events = reinterpret_cast<int16_t *>(events_table);
    events[0] = 50;
}

// The game stands at the start of the human's turn: every unit has its moves, nothing is finished,
// and the human's units are ready unless ordered. In the early game the stack on his fortress
// (two cavalry) goes north out of the explored land along a route without lairs; two squares on,
// where this turn's moves end, stand two units of Vessa, whom he has not met and whom no city or
// unit of his sees yet.
void Start_Human_Turn(int16_t turn)
{
    for (int16_t i = 0; i < _units; i++) {
        Unit_Record &unit = _UNITS[i];
        unit.moves2 = (uint8_t)Unit_Moves2(i);
        unit.Finished = 0;
        unit.Status = us_Ready;
        unit.dst_wx = unit.dst_wy = 0;
        unit.Rd_Constr_Left = -1;
    }
    if (turn != 1) return;
    for (int16_t i = 0; i < 2; i++) {
        _UNITS[i].Status = us_GOTO;
        _UNITS[i].dst_wx = 20;
        _UNITS[i].dst_wy = 5;
    }
    Add_Unit(46, 1, 19, 12, 0);
    Add_Unit(46, 1, 21, 12, 0);
    for (int16_t i = (int16_t)(_units - 2); i < _units; i++) _UNITS[i].moves2 = (uint8_t)Unit_Moves2(i);
}

// The fixture game for the unit views and road building: the continue game with, in the explored
// land by the capital, an Engineers unit, a spearmen kept on the lake by Water Walking, one under
// the same spell on land, a spare spearmen and one of Vessa's units beside it, each alone on its
// square.
void Add_Capital_Fixture_Units(void)
{
    constexpr int16_t HIGH_MEN_SPEARMEN = 104, HIGH_MEN_ENGINEERS = 108, BARBARIAN_SPEARMEN = 39;
    Add_Unit(HIGH_MEN_ENGINEERS, 0, 22, 13, 0);
    Add_Unit(HIGH_MEN_SPEARMEN, 0, 19, 14, 0);  // on the lake
    _UNITS[_units - 1].enchantments = UE_WATERWALKING;
    Add_Unit(HIGH_MEN_SPEARMEN, 0, 21, 14, 0);
    _UNITS[_units - 1].enchantments = UE_WATERWALKING;
    Add_Unit(HIGH_MEN_SPEARMEN, 0, 22, 14, 0);
    Add_Unit(BARBARIAN_SPEARMEN, 1, 23, 14, 0);
    for (int16_t i = (int16_t)(_units - 5); i < _units; i++) {
        _UNITS[i].moves2 = (uint8_t)Unit_Moves2(i);
        _UNITS[i].Rd_Constr_Left = -1;
    }
}

// The fixture game for the city screen: the continue game with the capital producing housing,
// nothing accumulated, no buildings, 20,000 gold in the treasury, the human's Wall of Fire and the
// nightshade of its area on it.
void Make_Capital_Housing_Fixture(void)
{
    City_Record &capital = _CITIES[0];
    capital.construction = bt_Housing;
    capital.Prod_Accu = 0;
    memset(capital.bldg_status, -1, sizeof(capital.bldg_status));
    capital.bldg_status[bt_None] = 0;
    capital.bldg_cnt = 0;
    capital.enchantments[ce_Wall_of_Fire] = 1;  // the human's, caster + 1
    capital.enchantments[ce_Nightshade] = 1;
    _players[0].gold_reserve = 20000;
    Settle_Cities();
}

// The fixture game for the city list and settling: the continue game (or the same at turn 0) with
// seventeen more cities of the human's in the north-east, so that with his outpost he has twenty,
// a city of Vessa's in the explored land beside the capital, and the human's settlers moved to
// 16,13, four squares from the capital and farther from every other city. The settlers are the one
// human unit left to act this turn. Among the human's cities, the fifth is producing nothing
// (product 0); the twelfth and the twentieth are producing trade goods.
void Add_Twenty_Cities_Fixture(void)
{
    static const struct {
        const char *name;
        uint8_t wx, wy;
    } added[17] = {
        {"Ashwell", 28, 6},    {"Brightmoor", 32, 6}, {"Cinderfold", 37, 6}, {"Dunmere", 40, 6},
        {"Eastgrove", 45, 6},  {"Fallowmere", 48, 6}, {"Harrowby", 36, 10},  {"Ironvale", 40, 10},
        {"Juniper", 45, 10},   {"Kestral", 48, 10},   {"Lowmarch", 29, 14},  {"Millbrook", 32, 14},
        {"Northcote", 36, 14}, {"Oakhollow", 40, 14}, {"Pinecrest", 45, 14}, {"Queensford", 48, 14},
        {"Redfield", 28, 18},
    };
    constexpr uint8_t VESSA = 1, SETTLER_X = 16, SETTLER_Y = 13, SETTLERS = 42;  // the settlers of the base game
    auto found = [](const char *name, int8_t owner, uint8_t race, uint8_t wx, uint8_t wy) {
        City_Record &city = _CITIES[_cities++];
        memset(&city, 0, sizeof(city));
        Put_Text(city.name, sizeof(city.name), name);
        city.race = race;
        city.wx = wx;
        city.wy = wy;
        city.owner_idx = owner;
        city.size = 1;
        city.population = 2;
        city.farmer_count = 1;
        city.contacts = (uint16_t)(1u << owner);
        city.construction = bt_Housing;
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        city.bldg_status[bt_None] = 0;
        city.Pop_10s = 20;
    };
    for (const auto &c : added) found(c.name, 0, rt_High_Men, c.wx, c.wy);
    found("Veyrholt", (int8_t)VESSA, rt_Barbarian, 25, 12);
    int human = 0;
    for (int16_t i = 0; i < _cities; i++) {
        if (_CITIES[i].owner_idx != 0) continue;
        ++human;
        if (human == 5) _CITIES[i].construction = 0;
        if (human == 12 || human == 20) _CITIES[i].construction = bt_Trade_Goods;
    }
    Settle_Cities();
    _players[0].Dipl_Contacted[VESSA] = 1;
    _players[VESSA].Dipl_Contacted[0] = 1;
    for (int16_t i = 0; i < _units; i++) {
        Unit_Record &unit = _UNITS[i];
        if (unit.owner_idx != 0) continue;
        if (unit.type == SETTLERS) {
            unit.wx = SETTLER_X;
            unit.wy = SETTLER_Y;
        } else {
            unit.Finished = 1;
        }
    }
}

// The fixture game of the enchantments that act each turn: the first game (turn 1) with every human unit
// on patrol and finished but the last, which stands one square east of the capital, outside every
// city; every rival's unit on its wizard's fortress; every city of 10 people or more, all farmers,
// with a granary and a farm market, so that no unit starves. The human's first city holds
// Consecration (his) and Vessa's Chaos Rift, Evil Presence, Cursed Lands and Pestilence, with three
// land squares of its area corrupted; Vessa
// holds Great Wasting, Meteor Storm and Armageddon and 10,000 mana.
void Make_Per_Turn_Enchantments_Fixture(void)
{
    constexpr uint8_t VESSA = 1;
    constexpr uint8_t CURSES[4] = {1, 3, 4, 5};  // Chaos Rift, Evil Presence, Cursed Lands, Pestilence
    constexpr uint8_t CONSECRATION = 22, PATROL = 1;
    constexpr int GREAT_WASTING = 12, ARMAGEDDON = 14;
    for (int16_t c = 0; c < _cities; c++) {
        City_Record &fed = _CITIES[c];
        if (fed.population < 10) fed.population = 10;
        fed.farmer_count = fed.population;
        fed.bldg_status[bt_Granary] = 1;
        fed.bldg_status[bt_Farm_Market] = 1;
    }
    int16_t first = -1;
    for (int16_t c = 0; c < _cities && first < 0; c++)
        if (_CITIES[c].owner_idx == 0) first = c;
    if (first < 0) Standin_Fail("the per-turn enchantments fixture has no city of the human");
    City_Record &city = _CITIES[first];
    city.enchantments[CONSECRATION] = 1;
    for (uint8_t curse : CURSES) city.enchantments[curse] = VESSA + 1;
    for (int dy = -2; dy <= 2; dy++) {
        for (int dx = -2; dx <= 2; dx++) {
            int wx = (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH, wy = city.wy + dy;
            if (wy >= 0 && wy < WORLD_HEIGHT) _map_square_flags[city.wp * WORLD_SIZE + wy * WORLD_WIDTH + wx] &= ~0x20;
        }
    }
    int corrupted = 0;
    for (int dy = -2; dy <= 2 && corrupted < 3; dy++) {
        for (int dx = -2; dx <= 2 && corrupted < 3; dx++) {
            int wx = (city.wx + dx + WORLD_WIDTH) % WORLD_WIDTH, wy = city.wy + dy;
            if ((dx == 0 && dy == 0) || wy < 0 || wy >= WORLD_HEIGHT) continue;
            if (Square_Is_Sailable((int16_t)wx, (int16_t)wy, city.wp)) continue;
            _map_square_flags[city.wp * WORLD_SIZE + wy * WORLD_WIDTH + wx] |= 0x20;
            corrupted++;
        }
    }
    int16_t last_human = -1;
    for (int16_t i = 0; i < _units; i++) {
        Unit_Record &unit = _UNITS[i];
        if (unit.owner_idx == 0) {
            unit.Finished = 1;
            unit.moves2 = 0;
            unit.Status = PATROL;
            last_human = i;
        } else if (unit.owner_idx > 0 && unit.owner_idx < NUM_PLAYERS) {
            const Fortress_Record &fortress = _FORTRESSES[unit.owner_idx];
            unit.wx = fortress.wx;
            unit.wy = fortress.wy;
            unit.wp = fortress.wp;
        }
    }
    if (last_human >= 0) {
        Unit_Record &unit = _UNITS[last_human];
        unit.wx = (uint8_t)((_FORTRESSES[0].wx + 1) % WORLD_WIDTH);
        unit.wy = _FORTRESSES[0].wy;
        unit.wp = _FORTRESSES[0].wp;
    }
    for (int slot = GREAT_WASTING; slot <= ARMAGEDDON; slot++) _players[VESSA].Globals[slot] = VESSA + 1;
    _players[VESSA].mana_reserve = 10000;
}

void Write_One_Save(const std::string &folder, const char *file_name, int16_t turn, void (*fixture)(void) = nullptr)
{
    memset(_players, 0, sizeof(_players));
    _num_players = NUM_STANDIN_WIZARDS;
    _landsize = 1;
    _magic = 1;
    _difficulty = 2;
    _turn = turn;
    _units = 0;
    memset(_UNITS, 0, UNIT_TABLE_CAPACITY * sizeof(Unit_Record));
    Make_Map();
    Make_Roads();
    Make_Players(turn);
    Make_Cities();
    Make_Units(turn);
    Make_Features();
    memset(events_table, 0, EVENTS_RECORD_SIZE);
    Settle_Cities();
    Make_Items_And_Heroes();
    Start_Human_Turn(turn);
    if (fixture != nullptr) fixture();

    Bytes image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    char why[256];
    if (!Save_Game_Check_Image(image.data(), image.size(), why, (int)sizeof(why))) {
        Standin_Fail(std::string(file_name) + " refused by the saved-game checks: " + why);
    }
    Save_Game_Read_Image(image.data(), image.size());
    Bytes again(SAVE_GAM_SIZE);
    Save_Game_Write_Image(again.data());
    if (again != image) Standin_Fail(std::string(file_name) + " does not survive a load and save");
    Standin_Write_File(folder, file_name, image);
}

}  // namespace

void Write_Saved_Games(const std::string &folder)
{
    Allocate_Data_Space(6100);
    Load_City_Rule_Tables(folder);
    Write_One_Save(folder, "SAVE1.GAM", 1);
    Write_One_Save(folder, "SAVE9.GAM", 40);
    std::string fixtures = folder + "/fixtures";
    STU_GRAF_Make_Path(fixtures.c_str());
    Write_One_Save(fixtures, "CAPITAL_UNITS.GAM", 40, Add_Capital_Fixture_Units);
    Write_One_Save(fixtures, "CAPITAL_HOUSING.GAM", 40, Make_Capital_Housing_Fixture);
    Write_One_Save(fixtures, "TWENTY_CITIES.GAM", 40, Add_Twenty_Cities_Fixture);
    Write_One_Save(fixtures, "TWENTY_CITIES_TURN0.GAM", 0, Add_Twenty_Cities_Fixture);
    Write_One_Save(fixtures, "PER_TURN_ENCHANTMENTS.GAM", 1, Make_Per_Turn_Enchantments_Fixture);
}
