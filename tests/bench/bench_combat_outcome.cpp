// The automatic resolution of a battle (Strategic_Combat) of nine units against nine, both sides'
// wizards casting, the losses spread and the outcome written to the world, beside the same eighteen
// units loaded and summed into their effective hits, ranged and melee strengths alone. The world is
// built in code and put back outside the timed part before every battle.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Bench_Times.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Tables.h"
#include "combat/Strategic_Combat.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battle_Unit.h"
#include "world/Battlefield.h"
#include "world/Map_Feature_Records.h"
#include "world/Map_Square_Record.h"
#include "world/Player_Record.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Record.h"
#include "world/Unit_Type_Record.h"
#include "world/World_Blocks.h"

namespace {

constexpr int SIDE_UNITS = 9;
constexpr int16_t WX = 20, WY = 20, WP = 0;
constexpr int16_t ATTACKER = 1, DEFENDER = 2;

int16_t m_troops[SIDE_UNITS];
std::vector<std::vector<uint8_t>> m_world;  // each world block as built

int16_t Add_Unit(int16_t owner, int16_t type, int16_t wx)
{
    const int16_t idx = _units++;
    Unit_Record &unit = _UNITS[idx];
    std::memset(&unit, 0, sizeof unit);
    unit.type = (uint8_t)type;
    unit.owner_idx = (int8_t)owner;
    unit.wx = (uint8_t)wx, unit.wy = (uint8_t)WY, unit.wp = (uint8_t)WP;
    unit.Hero_Slot = -1;
    unit.Rd_Constr_Left = -1;
    return idx;
}

// Two wizards with books in several realms and mana to spend; the attacker's nine units stand west
// of the defender's nine, a mix of the built-in fighting types.
void Build_World(void)
{
    Allocate_Data_Space(6100);
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        std::memset(World_Block_Data((World_Block_Id)id), 0, World_Block_Area_Bytes(id));
    }
    Unit_Type_Table_Reset();
    Combat_Tables_Reset();
    _num_players = 3;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        Player_Record &wizard = _players[p];
        for (auto &hero : wizard.Heroes) {
            hero.unit_idx = -1;
            for (int16_t &item : hero.Items) item = -1;
        }
        for (int16_t &item : wizard.Vault_Items) item = -1;
        snprintf(wizard.name, sizeof wizard.name, "Wizard%d", p);
        wizard.mana_reserve = 2000;
        wizard.Nominal_Skill = 90;
        wizard.spellranks[p % 5] = 6;
        wizard.spellranks[(p + 2) % 5] = 3;
    }
    for (int16_t wx : {(int16_t)(WX - 1), WX}) _world_maps[World_Square_Index(wx, WY, WP)] = tt_Grasslands;
    for (int p = 0; p < NUM_PLAYERS; p++) _FORTRESSES[p] = {(uint8_t)(10 + p), 10, 0, 1};
    _units = 0;
    const int16_t types[SIDE_UNITS] = {40, 41, 44, 46, 50, 53, 60, 66, 70};
    for (int k = 0; k < SIDE_UNITS; k++) m_troops[k] = Add_Unit(ATTACKER, types[k], WX - 1);
    for (int k = 0; k < SIDE_UNITS; k++) Add_Unit(DEFENDER, types[SIDE_UNITS - 1 - k], WX);
    _combat_attacker_wx = WX - 1;
    _combat_attacker_wy = WY;
    m_world.clear();
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        const auto *data = static_cast<const uint8_t *>(World_Block_Data((World_Block_Id)id));
        m_world.emplace_back(data, data + World_Block_Area_Bytes(id));
    }
}

void Restore_World(void)
{
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        std::memcpy(World_Block_Data((World_Block_Id)id), m_world[(size_t)id].data(), m_world[(size_t)id].size());
    }
    Set_Random_Seed(2024);
}

int16_t Battle(void)
{
    int16_t items[COMBAT_ITEM_LIST_MAX];
    int16_t item_count = 0;
    return Strategic_Combat(m_troops, SIDE_UNITS, WX, WY, WP, &item_count, items);
}

// The eighteen units' effective sums, as the resolution forms them before its exchanges.
int32_t Sums(void)
{
    int32_t total = 0;
    Battle_Unit_Record bu;
    for (int16_t u = 0; u < 2 * SIDE_UNITS; u++) {
        Load_Battle_Unit(u, &bu);
        total += Get_Effective_Hits((int16_t)(bu.Hits * bu.Cur_Figures), bu.Defense);
        if (Battle_Unit_Has_Ranged_Attack(&bu)) {
            total += Get_Effective_Ranged_Strength(bu.Ranged, bu.Cur_Figures, bu.Attack_Flags);
        }
        const int16_t kind = Battle_Unit_Ranged_Kind(&bu);
        total +=
            Get_Effective_Melee_Strength(bu.Melee, kind >= 100 ? bu.Ranged : 0, bu.Cur_Figures, bu.Attack_Flags, kind);
    }
    return total;
}

}  // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    Build_World();
    Restore_World();
    const int16_t won = Battle();
    int survivors = 0;
    for (int16_t u = 0; u < 2 * SIDE_UNITS; u++)
        survivors += _UNITS[u].owner_idx == ATTACKER || _UNITS[u].owner_idx == DEFENDER;
    printf("first battle: attacker %s, %d of %d units left, mana %d and %d\n", won ? "won" : "lost", survivors,
           2 * SIDE_UNITS, _players[ATTACKER].mana_reserve, _players[DEFENDER].mana_reserve);
    if (survivors == 0 || survivors == 2 * SIDE_UNITS) {
        fprintf(stderr, "bench_combat_outcome: the battle changed nothing or left nobody\n");
        return 1;
    }

    benchmark::RegisterBenchmark("Strategic_Combat/9_vs_9", [](benchmark::State &s) {
        for (auto _ : s) {
            s.PauseTiming();
            Restore_World();
            s.ResumeTiming();
            benchmark::DoNotOptimize(Battle());
        }
    });
    benchmark::RegisterBenchmark("Effective_Sums/18_units", [](benchmark::State &s) {
        Restore_World();  // the sums leave the world as it is
        for (auto _ : s) benchmark::DoNotOptimize(Sums());
    });
    Bench_Times reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double battle = reporter.Cpu("Strategic_Combat/9_vs_9");
    const double sums = reporter.Cpu("Effective_Sums/18_units");
    if (sums > 0) printf("ratio automatic battle / sums: %.1f (goal <= 20)\n", battle / sums);
    benchmark::Shutdown();
    return 0;
}
