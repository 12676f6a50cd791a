#include "combat/Combat_Tables.h"

#include <cstring>

#include "world/ALLOC.h"
#include "world/Unit_Record.h"

namespace {

Battlefield_Record m_battlefield;
Battle_Unit_Record m_battle_units[MAX_BATTLE_UNITS];

}  // namespace

Battlefield_Record *battlefield = &m_battlefield;
Battle_Unit_Record *battle_units = m_battle_units;
int16_t _combat_total_unit_count = 0;

uint8_t _cmbt_movepath_cost_map[COMBAT_GRID_CELLS];
int16_t _cmbt_mvpth_c[COMBAT_GRID_CELLS];
int16_t _cmbt_path_data[COMBAT_GRID_CELLS];
int16_t _cmbt_mvpth_x[COMBAT_PATH_MAX];
int16_t _cmbt_mvpth_y[COMBAT_PATH_MAX];
int16_t movement_path_grid_cell_count = 0;
uint8_t g_combat_grid_action_map[COMBAT_GRID_HEIGHT][COMBAT_GRID_WIDTH];

Combat_Vortex _vortexes[MAX_VORTEXES];
int16_t _vortex_count = 0;

int16_t _combat_structure = 0;
int16_t _combat_battlefield_terrain = 0;
int16_t _combat_winner = -1;
int16_t _active_battle_unit = 0;
int16_t _combat_turn = 0;
int16_t _combat_ai_player = COMBAT_NO_SIDE;
int16_t _combat_local_player = 0;
int16_t _combat_remote_player = COMBAT_NO_SIDE;
int16_t _combat_skip_map_generation = 0;
int16_t _combat_wall_sprite_bank = 0;
int16_t _wall_rise_on = 0;
int16_t attacker_on_floating_island = 0;
int16_t defender_on_floating_island = 0;
int16_t _attacker_sees_illusions = 0;
int16_t _defender_sees_illusions = 0;
int16_t _auto_combat_flag = 0;
int16_t _ai_battlefield_city_walls = 0;
int16_t CMB_Enchanted_Roads = 0;

uint32_t Battle_Unit_Enchantments(const Battle_Unit_Record *bu)
{
    uint32_t words = bu->Combat_Enchantments | bu->Item_Enchantments;
    if (bu->unit_idx >= 0 && bu->unit_idx < _units && bu->unit_idx < UNIT_TABLE_CAPACITY) {
        words |= _UNITS[bu->unit_idx].enchantments;
    }
    return words;
}

int16_t Battle_Unit_Is_Within_City(const Battle_Unit_Record *bu)
{
    return Combat_Cell_In_City(bu->Grid_X, bu->Grid_Y) ? 1 : 0;
}

void Combat_Tables_Reset(void)
{
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
        memset(&battle_units[i], 0, sizeof(Battle_Unit_Record));
        battle_units[i].Status = bus_Destroyed;
        battle_units[i].Figure_Set = -1;
        battle_units[i].unit_idx = -1;
    }
    _combat_total_unit_count = 0;
    _vortex_count = 0;
    _combat_winner = -1;
    _active_battle_unit = 0;
    _combat_turn = 0;
    attacker_on_floating_island = 0;
    defender_on_floating_island = 0;
}
