#include "World_Fixture.h"

#include <cstring>

void World_Clear(void)
{
    static bool allocated = false;
    if (!allocated) {
        Allocate_Data_Space(6100);
        allocated = true;
    }
    for (int id = 0; id < NUM_WORLD_BLOCKS; id++) {
        memset(World_Block_Data((World_Block_Id)id), 0, World_Block_Area_Bytes(id));
    }
    _num_players = 2;
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
}

std::vector<uint8_t> World_Image(void)
{
    std::vector<uint8_t> image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    return image;
}

void World_Test::SetUp()
{
    World_Clear();
    STU_GRAF_Set_User_Data_Dir(user.path.c_str());
    memset(&magic_set, 0, sizeof(magic_set));
}

void World_Test::TearDown() { STU_GRAF_Set_User_Data_Dir(nullptr); }
