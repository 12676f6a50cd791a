// Fortresses, capitals and their garrisons; the city area, food rating, units and names of a new game.
#include "worldgen/Home_Cities.h"

#include <cstring>

#include "Geometry.h"
#include "STU_Log.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Building_Data_Record.h"
#include "world/City_Names.h"
#include "world/Map_Square_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Presets.h"
#include "worldgen/Landmasses.h"

namespace {

const int16_t m_race_spearmen[NUM_RACES] = {39, 46, 57, 66, 0, 83, 89, 95, 104, 114, 120, 127, 137, 147};
const int16_t m_race_swordsmen[NUM_RACES] = {40, 47, 58, 67, 76, 84, 90, 96, 105, 115, 121, 128, 138, 148};

const int16_t m_myrran_races[5] = {rt_Beastmen, rt_Dark_Elf, rt_Draconian, rt_Dwarven, rt_Troll};
const int16_t m_arcanian_races[9] = {rt_Barbarian, rt_Gnoll,     rt_Halfling, rt_High_Elf, rt_High_Men,
                                     rt_Klackon,   rt_Lizardman, rt_Nomad,    rt_Orc};
const int16_t m_hard_races[5] = {rt_Klackon, rt_High_Elf, rt_Halfling, rt_High_Men, rt_Nomad};

bool Fortress_Site_Is_Bad(int fortress, int wx, int wy, int wp, int fortress_spacing, int site_spacing)
{
    if (_world_maps[World_Square_Index(wx, wy, wp)] == 0) {
        return true;
    }
    for (int f = 0; f < fortress; f++) {
        const Fortress_Record &other = _FORTRESSES[f];
        if (other.wp == wp && Delta_XY_With_Wrap(other.wx, other.wy, wx, wy, WORLD_WIDTH) < fortress_spacing) {
            return true;
        }
    }
    int half = site_spacing / 2;
    for (int n = 0; n < NUM_NODES; n++) {
        const Node_Record &node = _NODES[n];
        if (node.wp == wp && Delta_XY_With_Wrap(node.wx, node.wy, wx, wy, WORLD_WIDTH) < half) {
            return true;
        }
    }
    for (int t = 0; t < NUM_TOWERS; t++) {
        if (Range(_TOWERS[t].wx, _TOWERS[t].wy, wx, wy) < half) {
            return true;
        }
    }
    for (int l = 0; l < NUM_LAIRS; l++) {
        const Lair_Record &lair = _LAIRS[l];
        if (lair.wp == wp && Delta_XY_With_Wrap(lair.wx, lair.wy, wx, wy, WORLD_WIDTH) < half) {
            return true;
        }
    }
    return false;
}

// One placement pass; true when all six fortresses stand. With any_land set (the last resort after
// FORTRESS_PLACEMENT_PASSES) every land square is taken.
bool Place_Fortresses(int fortress_spacing, int site_spacing, bool any_land)
{
    int tries = 0;
    int poor_sites = 0;
    int fortress = 0;
    while (fortress < NUM_FORTRESSES && tries < FORTRESS_SITE_TRIES) {
        int wp = _players[fortress].retorts[rtr_Myrran] ? 1 : 0;
        int wx = 0;
        int wy = 0;
        bool good = false;
        while (!good && tries < FORTRESS_SITE_TRIES) {
            tries++;
            wx = RANDOM(54) + 2;
            wy = RANDOM(34) + 2;
            if (any_land) {
                good = _world_maps[World_Square_Index(wx, wy, wp)] != 0;
                continue;
            }
            if (Fortress_Site_Is_Bad(fortress, wx, wy, wp, fortress_spacing, site_spacing)) {
                continue;
            }
            if (City_Maximum_Size_NewGame((int16_t)wx, (int16_t)wy, (int16_t)wp) >= 8 - fortress / 3) {
                good = true;
                continue;
            }
            poor_sites++;
            if (poor_sites > FORTRESS_POOR_SITES) {
                break;  // placement starts again at fortress 0
            }
        }
        if (!good) {
            if (tries < FORTRESS_SITE_TRIES) {
                fortress = 0;
            }
            continue;
        }
        Fortress_Record &record = _FORTRESSES[fortress];
        record.wx = (uint8_t)wx;
        record.wy = (uint8_t)wy;
        record.wp = (uint8_t)wp;
        record.active = 1;
        fortress++;
    }
    return fortress == NUM_FORTRESSES;
}

void Generate_Fortresses(void)
{
    int fortress_spacing = 16;
    int site_spacing = 8;
    for (int pass = 0; pass < FORTRESS_PLACEMENT_PASSES; pass++) {
        fortress_spacing = fortress_spacing - 1 < 10 ? 10 : fortress_spacing - 1;
        site_spacing = site_spacing - 1 < 1 ? 1 : site_spacing - 1;
        if (Place_Fortresses(fortress_spacing, site_spacing, false)) {
            return;
        }
    }
    STU_LOG(SEV_WARN, LC_GENERAL, "Generate_Home_Cities: no room for six fortresses after %d passes; any land serves",
            FORTRESS_PLACEMENT_PASSES);
    if (Place_Fortresses(fortress_spacing, site_spacing, true)) {
        return;
    }
    // Not a single land square drawn in 1,000 tries: the fortresses left stand where the draws fall.
    STU_LOG(SEV_WARN, LC_GENERAL, "Generate_Home_Cities: no land for the fortresses; placed on any square");
    for (int fortress = 0; fortress < NUM_FORTRESSES; fortress++) {
        Fortress_Record &record = _FORTRESSES[fortress];
        if (record.active == 1) {
            continue;
        }
        record.wx = (uint8_t)(RANDOM(54) + 2);
        record.wy = (uint8_t)(RANDOM(34) + 2);
        record.wp = (uint8_t)(_players[fortress].retorts[rtr_Myrran] ? 1 : 0);
        record.active = 1;
    }
}

int16_t Draw_Computer_Capital_Race(int player_idx)
{
    if (_players[player_idx].retorts[rtr_Myrran]) {
        return m_myrran_races[RANDOM(5) - 1];
    }
    if (_difficulty < 3) {
        return m_arcanian_races[RANDOM(9) - 1];
    }
    return m_hard_races[RANDOM(5) - 1];
}

// High Elves found their capital only in forest: a computer wizard drawn High Elf whose fortress
// square is not forest draws again.
int16_t Capital_Race(int player_idx)
{
    if (player_idx == 0) {
        return NEWG_Clicked_Race;
    }
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    int16_t race = Draw_Computer_Capital_Race(player_idx);
    for (int redraw = 0; race == rt_High_Elf && !Square_Is_Forest_NewGame(fortress.wx, fortress.wy, fortress.wp);
         redraw++) {
        if (redraw == CAPITAL_RACE_REDRAWS) {
            STU_LOG(SEV_WARN, LC_GENERAL, "Generate_Home_Cities: player %d stays High Elf after %d redraws", player_idx,
                    CAPITAL_RACE_REDRAWS);
            break;
        }
        race = Draw_Computer_Capital_Race(player_idx);
    }
    return race;
}

void Found_Capital(int player_idx)
{
    const Fortress_Record &fortress = _FORTRESSES[player_idx];
    int16_t race = Capital_Race(player_idx);
    City_Record &city = _CITIES[player_idx];
    memset(&city, 0, sizeof(city));
    city.race = (uint8_t)race;
    city.wx = fortress.wx;
    city.wy = fortress.wy;
    city.wp = fortress.wp;
    city.owner_idx = (int8_t)player_idx;
    city.size = 1;
    city.population = 4;
    city.farmer_count = 3;
    city.construction = player_idx == 0 ? bt_Housing : -4;
    memset(city.bldg_status, -1, sizeof(city.bldg_status));
    city.bldg_status[bt_None] = 0;
    city.bldg_status[bt_Garrison] = 1;
    city.bldg_status[bt_Capital_Hall] = 1;
    city.bldg_status[bt_Builders_Lodge] = 1;
    Random_City_Name_By_Race_NewGame(race, (int16_t)player_idx);
    _cities++;
}

int16_t Bounded_Race(int race) { return (int16_t)(race >= 0 && race < NUM_RACES ? race : 0); }

}  // namespace

int16_t Race_Spearmen_Type_NewGame(int16_t race) { return m_race_spearmen[Bounded_Race(race)]; }
int16_t Race_Swordsmen_Type_NewGame(int16_t race) { return m_race_swordsmen[Bounded_Race(race)]; }

void Generate_Home_Cities(void)
{
    for (int fortress = 0; fortress < NUM_FORTRESSES; fortress++) {
        _FORTRESSES[fortress].active = 0;
    }
    Generate_Fortresses();

    _cities = 0;
    int players = _num_players < NEUTRAL_PLAYER_IDX ? _num_players : NEUTRAL_PLAYER_IDX;
    for (int p = 0; p < players; p++) {
        Found_Capital(p);
    }
    STU_LOG(SEV_INFO, LC_GENERAL, "Done_Done:");

    for (int p = 0; p < players; p++) {
        const City_Record &city = _CITIES[p];
        if (city.race != rt_Dwarven) {
            Create_Unit_NewGame(Race_Spearmen_Type_NewGame(city.race), (int16_t)p, city.wx, city.wy, city.wp,
                                (int16_t)p);
        }
    }
    for (int p = 0; p < players; p++) {
        const City_Record &city = _CITIES[p];
        if (city.race == rt_Dwarven) {
            Create_Unit_NewGame(Race_Swordsmen_Type_NewGame(rt_Dwarven), (int16_t)p, city.wx, city.wy, city.wp,
                                (int16_t)p);
        }
        Create_Unit_NewGame(Race_Swordsmen_Type_NewGame(city.race), (int16_t)p, city.wx, city.wy, city.wp, (int16_t)p);
    }
}

int16_t Square_Food2_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int tile = _world_maps[World_Square_Index(wx, wy, wp)];
    if (tile <= 0 || tile > 600) {
        return 0;
    }
    if (tile == 1 || tile == 162 || tile == 172 || tile == 173 || tile == 180) {
        return 3;
    }
    if ((tile >= 164 && tile <= 167) || tile == 170 || (tile >= 174 && tile <= 179) || tile == 181 || tile == 182 ||
        (tile >= 259 && tile <= 274) || (tile >= 292 && tile <= 451)) {
        return 0;
    }
    if (tile == 168 || tile == 169 || (tile >= 185 && tile <= 258) || (tile >= 468 && tile <= 472)) {
        return 4;
    }
    return 1;
}

int16_t Get_Useable_City_Area_NewGame(int16_t wx, int16_t wy, int16_t wp, int16_t *xs, int16_t *ys)
{
    (void)wp;
    int count = 0;
    for (int dy = -2; dy <= 2; dy++) {
        int row = wy + dy;
        if (row < 0 || row >= WORLD_HEIGHT) {
            continue;
        }
        int reach = (dy == -2 || dy == 2) ? 1 : 2;
        for (int dx = -reach; dx <= reach; dx++) {
            xs[count] = (int16_t)((wx + dx + WORLD_WIDTH) % WORLD_WIDTH);
            ys[count] = (int16_t)row;
            count++;
        }
    }
    return (int16_t)count;
}

int16_t City_Maximum_Size_NewGame(int16_t wx, int16_t wy, int16_t wp)
{
    int16_t xs[NEWGAME_CITY_AREA_SQUARES];
    int16_t ys[NEWGAME_CITY_AREA_SQUARES];
    int count = Get_Useable_City_Area_NewGame(wx, wy, wp, xs, ys);
    int food2 = 0;
    for (int k = 0; k < count; k++) {
        food2 += Square_Food2_NewGame(xs[k], ys[k], wp);
    }
    return (int16_t)(food2 / 2);
}

void Random_City_Name_By_Race_NewGame(int16_t race, int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= NUM_CITIES) {
        return;
    }
    Random_City_Name_By_Race(race, _CITIES[city_idx].name);
}

void Create_Unit_NewGame(int16_t unit_type, int16_t owner_idx, int16_t wx, int16_t wy, int16_t wp, int16_t city_idx)
{
    if (unit_type <= 0 || unit_type >= NUM_UNIT_TYPES) {
        return;
    }
    if (_units < 0 || _units >= UNIT_MAX_IN_USE || owner_idx < 0 || owner_idx >= NUM_PLAYERS) {
        STU_LOG(SEV_WARN, LC_GENERAL, "Create_Unit_NewGame: unit %d of type %d for player %d refused", _units,
                unit_type, owner_idx);
        return;
    }
    const Unit_Type_Record &type = _unit_type_table[unit_type];
    Unit_Record &unit = _UNITS[_units];
    memset(&unit, 0, sizeof(unit));
    unit.wx = (uint8_t)wx;
    unit.wy = (uint8_t)wy;
    unit.wp = (uint8_t)wp;
    unit.owner_idx = (int8_t)owner_idx;
    unit.type = (uint8_t)unit_type;
    unit.moves2_max = type.Move_Halves;
    unit.moves2 = type.Move_Halves;
    unit.Hero_Slot = -1;
    unit.Sight_Range = type.Sight;
    unit.mutations = _players[owner_idx].retorts[rtr_Alchemy] ? 1 : 0;
    unit.Rd_Constr_Left = -1;
    if (city_idx >= 0 && city_idx < NUM_CITIES) {
        const City_Record &city = _CITIES[city_idx];
        if (city.bldg_status[bt_Training_Yard] == 1) {
            unit.XP = TBL_Experience[1];
            unit.Level = 1;
        }
        if (city.bldg_status[bt_War_Academy] == 1) {
            unit.XP = TBL_Experience[2];
            unit.Level = 2;
        }
        if (_players[owner_idx].retorts[rtr_Warlord]) {
            unit.Level++;
        }
    }
    _units++;
}
