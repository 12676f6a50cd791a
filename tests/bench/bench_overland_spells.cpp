// The overland spells' per-turn effects and Death Wish on a world of 100 cities and 1,000 units
// (heroes among them) of five wizards and the neutral player, every city holding Consecration,
// Chaos Rift, Gaia's Blessing and Nightshade, with Great Wasting, Meteor Storm and Armageddon held
// by three wizards. Each round times one pass of the city changes with the global enchantments'
// turn, one Death Wish, and as the reference the loading of every unit once into a battle unit,
// each on the world as made and one right after the other, so that all meet the same load of a
// shared machine. The ratios of the medians are printed with their goals.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Init_Drivers.h"
#include "LBX_Load.h"
#include "STU_GRAF.h"
#include "Test_Temp_Dir.h"
#include "magic/Damage_Spells.h"
#include "overland/Game_Resources.h"
#include "turn/City_Changes.h"
#include "turn/City_Recalculation.h"
#include "turn/End_Of_Turn.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/City_Area.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Economy.h"

namespace {

constexpr int BENCH_CITIES = 100;
constexpr int BENCH_UNITS = 1000;
constexpr int BENCH_WIZARDS = 5;
constexpr int16_t BENCH_TURN = 124;
constexpr int UNITS_PER_STACK = 8;
constexpr uint8_t HEALER_TYPE = 45;  // the first people's priests
constexpr uint8_t FIRST_CREATURE_TYPE = 154;

std::vector<uint8_t> m_world;

// Owner of city c: the five wizards and the neutral player in turn.
int8_t City_Owner(int c) { return (int8_t)(c % (BENCH_WIZARDS + 1)); }

void Make_Map(void)
{
    for (int square = 0; square < NUM_PLANES * WORLD_SIZE; square++) {
        int x = square % WORLD_WIDTH;
        int y = (square / WORLD_WIDTH) % WORLD_HEIGHT;
        int16_t terrain = (x + y) % 7 == 0 ? tt_Forest : (x * y) % 11 == 0 ? tt_Hills : tt_Grasslands;
        if ((x * 31 + y * 17) % 401 == 0) terrain = tt_Volcano;
        _world_maps[square] = terrain;
        _map_square_terrain_specials[square] =
            (x * 7 + y) % 23 == 0 ? (uint8_t)(1 + x % 9) : (y % 5 == 0 ? ts_Wild_Game : 0);
        _map_square_flags[square] = (x * 13 + y) % 97 == 0 ? sf_Corruption : 0;
        _square_explored[square] = 1;
    }
}

void Make_Wizards(void)
{
    _num_players = BENCH_WIZARDS;
    _difficulty = 3;
    _turn = BENCH_TURN;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        Player_Record &wizard = _players[p];
        snprintf(wizard.name, sizeof(wizard.name), "Wizard %d", p);
        wizard.capital_race = (uint8_t)p;
        wizard.tax_rate = 3;
        wizard.gold_reserve = (int16_t)(400 + 150 * p);
        wizard.mana_reserve = (int16_t)(300 + 100 * p);
        wizard.fame = (int16_t)(5 * p);
        wizard.research_ratio = 40;
        wizard.mana_ratio = 30;
        wizard.skill_ratio = 30;
        wizard.spell_casting_skill = 120;
        wizard.Nominal_Skill = 12;
        wizard.average_unit_cost = 30;
        wizard.spellranks[p % 5] = 6;
        wizard.spellranks[(p + 2) % 5] = 3;
        for (int s = 0; s < NUM_SPELLS_STATUS; s++) wizard.spells_list[s] = (uint8_t)(s % 9 == p ? 1 : 0);
        wizard.researching_spell_idx = 0;
        wizard.research_cost_remaining = 0;
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            wizard.Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) wizard.Heroes[k].Items[i] = -1;
        }
        for (int i = 0; i < 4; i++) wizard.Vault_Items[i] = -1;
        // The human has met nobody, so no audience (a screen waiting on the player) opens in the turn;
        // the computer wizards still treat among themselves.
        for (int q = 0; q < NUM_PLAYERS; q++) wizard.Dipl_Contacted[q] = (uint8_t)(p != 0 && q != 0 ? 1 : 0);
    }
    _players[1].Globals[ge_Great_Wasting] = 2;
    _players[2].Globals[ge_Meteor_Storm] = 3;
    _players[3].Globals[ge_Armageddon] = 4;
    for (int p = 0; p < BENCH_WIZARDS; p++) {
        _FORTRESSES[p] = {(uint8_t)_CITIES[p].wx, (uint8_t)_CITIES[p].wy, 0, 1};
        _players[p].summon_wx = _CITIES[p].wx;
        _players[p].summon_wy = _CITIES[p].wy;
    }
}

void Make_Cities(void)
{
    _cities = BENCH_CITIES;
    for (int c = 0; c < BENCH_CITIES; c++) {
        City_Record &city = _CITIES[c];
        memset(&city, 0, sizeof(city));
        snprintf(city.name, sizeof(city.name), "City %d", c);
        city.wx = (uint8_t)(3 + (c % 10) * 5 + (c / 10) % 2);
        city.wy = (uint8_t)(2 + (c / 10) * 4);
        city.owner_idx = City_Owner(c);
        city.race = (uint8_t)(c % 14);
        city.population = (uint8_t)(1 + c % 15);
        city.size = (uint8_t)(city.population / 4 + 1);
        city.farmer_count = (uint8_t)((city.population + 1) / 2);
        city.Pop_10s = (int16_t)(c * 7 % 90);
        memset(city.bldg_status, -1, sizeof(city.bldg_status));
        city.bldg_status[0] = 0;
        for (int b = 3; b < NUM_BUILDINGS; b += 3 + c % 4) city.bldg_status[b] = 1;
        // Housing, trade goods and units of the city's people, some close to done.
        city.construction = (int16_t)(c % 3 == 0 ? 1 : c % 3 == 1 ? bt_Housing : PRODUCT_UNIT_BASE + 39 + c % 8);
        city.Prod_Accu = (int16_t)(c * 13 % 70);
        // Every city holds the four enchantments that act each turn, cast by the next wizard.
        uint8_t caster = (uint8_t)((c + 1) % BENCH_WIZARDS + 1);
        city.enchantments[ce_Consecration] = caster;
        city.enchantments[ce_Chaos_Rift] = caster;
        city.enchantments[ce_Gaias_Blessing] = caster;
        city.enchantments[ce_Nightshade] = (uint8_t)(1 + c % 3);
    }
}

// Stacks of eight: the first hundred stand in the cities, the rest beside them.
void Make_Units(void)
{
    _units = BENCH_UNITS;
    int8_t hero_slots_used[NUM_PLAYERS] = {};
    for (int u = 0; u < BENCH_UNITS; u++) {
        Unit_Record &unit = _UNITS[u];
        memset(&unit, 0, sizeof(unit));
        int stack = u / UNITS_PER_STACK;
        const City_Record &city = _CITIES[stack % BENCH_CITIES];
        unit.wx = (uint8_t)(city.wx + (stack >= BENCH_CITIES ? 2 : 0));
        unit.wy = city.wy;
        unit.wp = 0;
        unit.owner_idx = city.owner_idx;
        unit.type = (uint8_t)(39 + u % 100);
        unit.Hero_Slot = -1;
        unit.Rd_Constr_Left = -1;
        unit.Sight_Range = 1;
        unit.XP = (int16_t)(u * 3 % 130);
        unit.Level = (int8_t)(unit.XP >= 120 ? 3 : unit.XP >= 60 ? 2 : unit.XP >= 20 ? 1 : 0);
        unit.moves2_max = 2;
        unit.Status = (uint8_t)(u % 5 == 0 ? us_Patrol : us_Ready);
        int slot = u % UNITS_PER_STACK;
        int8_t owner = unit.owner_idx;
        if (slot == 0 && owner >= 0 && owner < BENCH_WIZARDS && hero_slots_used[owner] < NUM_HERO_SLOTS) {
            int k = hero_slots_used[owner]++;
            unit.type = (uint8_t)((owner * NUM_HERO_SLOTS + k) % NUM_HERO_TYPES);
            unit.Hero_Slot = (int8_t)k;
            _players[owner].Heroes[k].unit_idx = (int16_t)u;
            _HEROES2[owner][unit.type].Level = -20;
            _HEROES2[owner][unit.type].abilities = (k % 2 == 0) ? 0x20000000u : 0x1u;
        } else if (slot == 1) {
            unit.type = HEALER_TYPE;
        } else if (slot == 2 && owner != NEUTRAL_PLAYER_IDX) {
            unit.type = (uint8_t)(FIRST_CREATURE_TYPE + u % 40);
        }
        if (u % 3 == 0) unit.Damage = (int8_t)(1 + u % 4);
        if (u % 50 == 7) unit.owner_idx = -1;  // killed during the turn, still in the table
    }
}

// Everything the world turn reads besides the saved world is put back as well.
void Restore_World(void)
{
    Save_Game_Read_Image(m_world.data(), m_world.size());
    g_timestop_player_num = 0;
    magic_master_idx = -1;
    m_magic_winner_idx = -1;
    g_conquest_winner_idx = -1;
    Reset_City_Area_Bitfields();
}

bool Make_World(void)
{
    static int made = -1;
    if (made >= 0) return made == 1;
    static Test_Temp_Dir user;
    SDL_Init(SDL_INIT_EVENTS);
    Init_Drivers(-1, 0, nullptr);
    Allocate_Data_Space(6100);
    STU_GRAF_Reset();
    STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
    STU_GRAF_Set_User_Data_Dir(user.path.c_str());
    LBX_Close();
    Load_VEZ_Resources_Once();
    Load_TERRSTAT();
    magic_set.words[GS_RANDOM_EVENTS] = 0;
    magic_set.words[GS_BACKGROUND_MUSIC] = 0;
    grand_vizier = 0;
    Make_Map();
    Make_Cities();
    Make_Wizards();
    Make_Units();
    Reset_City_Area_Bitfields();
    All_City_Calculations();
    m_world.resize(SAVE_GAM_SIZE);
    Save_Game_Write_Image(m_world.data());
    made = 1;
    return true;
}

// Median of the timings taken.
double Median(std::vector<double> times)
{
    if (times.empty()) return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::vector<double> m_unit_loads_ns;
std::vector<double> m_turn_effects_ns;
std::vector<double> m_death_wish_ns;

double Nanoseconds_Since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

void Bench_Overland_Spells(benchmark::State &state)
{
    if (!Make_World()) {
        state.SkipWithError("no world");
        return;
    }
    static Battle_Unit_Record battle_unit;
    for (auto _ : state) {
        Restore_World();
        auto start = std::chrono::steady_clock::now();
        for (int16_t u = 0; u < _units; u++) Load_Battle_Unit(u, &battle_unit);
        benchmark::ClobberMemory();
        m_unit_loads_ns.push_back(Nanoseconds_Since(start));
        Restore_World();
        start = std::chrono::steady_clock::now();
        Apply_City_Changes();
        Diplomacy_Growth_For_Enchantments();
        benchmark::ClobberMemory();
        double turn_ns = Nanoseconds_Since(start);
        m_turn_effects_ns.push_back(turn_ns);
        state.SetIterationTime(turn_ns / 1e9);
        Restore_World();
        start = std::chrono::steady_clock::now();
        Cast_Death_Wish(1);
        benchmark::ClobberMemory();
        m_death_wish_ns.push_back(Nanoseconds_Since(start));
    }
    state.counters["unit_loads_ns"] = Median(m_unit_loads_ns);
    state.counters["death_wish_ns"] = Median(m_death_wish_ns);
    state.counters["units"] = _units;
}
BENCHMARK(Bench_Overland_Spells)->UseManualTime();

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    double loads = Median(m_unit_loads_ns);
    if (loads > 0) {
        double turn = Median(m_turn_effects_ns);
        double death_wish = Median(m_death_wish_ns);
        printf("ratio turn effects / unit loads: %.1f (goal <= 4)\n", turn / loads);
        printf("ratio death wish / unit loads: %.1f (goal <= 2)\n", death_wish / loads);
        printf("turn effects %.3f ms, death wish %.3f ms, unit loads %.3f ms\n", turn / 1e6, death_wish / 1e6,
               loads / 1e6);
    }
    benchmark::Shutdown();
    return 0;
}
