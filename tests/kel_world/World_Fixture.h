// One world allocation per test process, cleared between tests, and a temporary user folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "dev/Integrity_Check.h"
#include "world/Unit_Death.h"
#include "world/Unit_Levels.h"
#include "world/LOADSAVE.h"
#include "STU_GRAF.h"
#include "dev/STU_TST.h"
#include "world/Unit_Type_Record.h"

inline void World_Clear(void)
{
    static bool allocated = false;
    if (!allocated) {
        Allocate_Data_Space(6100);
        allocated = true;
    }
    for (int p = 0; p < NUM_PLAYERS; p++) {
        memset(_HEROES2[p], 0, NUM_HERO_TYPES * sizeof(Hero_Record));
    }
    memset(_players, 0, sizeof(_players));
    memset(_world_maps, 0, NUM_PLANES * WORLD_SIZE * 2);
    memset(connectivity_grid_land, 0, CONNECTIVITY_GRID_SIZE);
    memset(connectivity_grid_sea, 0, CONNECTIVITY_GRID_SIZE);
    memset(_landmasses, 0, NUM_PLANES * WORLD_SIZE);
    memset(_NODES, 0, NUM_NODES * sizeof(Node_Record));
    memset(_FORTRESSES, 0, NUM_FORTRESSES * sizeof(Fortress_Record));
    memset(_TOWERS, 0, NUM_TOWERS * sizeof(Tower_Record));
    memset(_LAIRS, 0, NUM_LAIRS * sizeof(Lair_Record));
    memset(_ITEMS, 0, NUM_ITEMS * sizeof(Item_Record));
    memset(_CITIES, 0, NUM_CITIES * sizeof(City_Record));
    memset(_UNITS, 0, UNIT_TABLE_CAPACITY * sizeof(Unit_Record));
    memset(_map_square_terrain_specials, 0, NUM_PLANES * WORLD_SIZE);
    memset(_square_explored, 0, NUM_PLANES * WORLD_SIZE);
    memset(movement_mode_cost_maps, 0, MOVEMENT_COST_MAPS_SIZE);
    memset(events_table, 0, EVENTS_RECORD_SIZE);
    memset(_map_square_flags, 0, NUM_PLANES * WORLD_SIZE);
    memset(_prefab_item_table, 0, NUM_PREFAB_ITEMS);
    memset(hero_names_table, 0, NUM_HERO_TYPES * sizeof(Hero_Name_Record));
    _num_players = 2;
    _landsize = _magic = _difficulty = _cities = _units = _turn = _unit = grand_vizier = 0;
    for (int p = 0; p < NUM_PLAYERS; p++) {
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            _players[p].Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) {
                _players[p].Heroes[k].Items[i] = -1;
            }
        }
        for (int i = 0; i < 4; i++) {
            _players[p].Vault_Items[i] = -1;
        }
    }
    Unit_Type_Table_Reset();
    g_load_save_gam_name_override = nullptr;
    g_tst_patch_scenario = nullptr;
}

inline std::vector<uint8_t> World_Image(void)
{
    std::vector<uint8_t> image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    return image;
}

class World_Test : public ::testing::Test {
protected:
    std::string user_dir;

    void SetUp() override
    {
        World_Clear();
        char pattern[] = "/tmp/tolva_kel_world_XXXXXX";
        user_dir = mkdtemp(pattern);
        STU_GRAF_Set_User_Data_Dir(user_dir.c_str());
        memset(&magic_set, 0, sizeof(magic_set));
    }
    void TearDown() override
    {
        std::string command = "rm -rf '" + user_dir + "'";
        (void)system(command.c_str());
        STU_GRAF_Set_User_Data_Dir(nullptr);
    }
    std::string User_Path(const char *name) const { return user_dir + "/" + name; }
};
