#include "overland/Resume_Game.h"

#include "ORV2.h"
#include "STU_Log.h"
#include "Video.h"
#include "ai/AI_Landmass_Lists.h"
#include "combat/Combat_Entry.h"
#include "dev/STU_TST.h"
#include "magic/Magic_Screen.h"
#include "magic/Spell_Research.h"
#include "magic/Spellbook_Pages.h"
#include "overland/Main_Screen.h"
#include "random.h"
#include "shell/Background_Music.h"
#include "shell/Graphics_Cache.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "turn/City_Recalculation.h"
#include "turn/Unit_Turn_Refresh.h"
#include "turn/Unit_Type_Patch.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/City_Area.h"
#include "world/Game_Settings.h"
#include "world/Move_Path_Cache.h"
#include "world/Road_Connections.h"
#include "world/Scouting.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Wizard_Economy.h"
#include "world/Wizard_History.h"

namespace {

constexpr int16_t UNIT_WINDOW_X = 247;
constexpr int16_t UNIT_WINDOW_Y = 79;

void Assign_Unit(int16_t unit_idx)
{
    STU_LOG(SEV_INFO, LC_GENERAL, "[_unit ASSIGN] %d -> %d", _unit, unit_idx);
    _unit = unit_idx;
}

}  // namespace

void PreInit_Overland(void)
{
    Randomize();
    if (_cmd_line_seed2 != 0) Set_Random_Seed((uint32_t)_cmd_line_seed2);
    if (_cmd_line_seed != 0) Set_Random_Seed((uint32_t)_cmd_line_seed);

    all_units_moved = 0;
    reset_active_stack = 1;
    Reset_Draw_Active_Stack();
    _map_plane = 0;

    All_City_Calculations();
    Players_Update_Magic_Power();
    g_spellbook_last_left_page = 0;
    g_combat_spellbook_left_page = 0;
    g_first_research_page = 0;
    for (int16_t player_idx = 0; player_idx < _num_players; player_idx++) Player_Research_Spells(player_idx);
}

void Init_Overland(void)
{
    PreInit_Overland();

    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) _CITIES[city_idx].bldg_status[0] = 0;
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        if (unit.wp == 2) unit.wp = 0;
        unit.in_tower = IsPassableTower(unit.wx, unit.wy) ? 1 : 0;
    }

    skill_staff_locked = 0;
    mana_staff_locked = 0;
    research_staff_locked = 0;
    _players[HUMAN_PLAYER_IDX].Nominal_Skill = Player_Base_Casting_Skill(HUMAN_PLAYER_IDX);

    _map_x = 0;
    _map_y = 0;
    _prev_world_x = 0;
    _prev_world_y = 0;
    Assign_Unit(0);

    const Fortress_Record &fortress = _FORTRESSES[HUMAN_PLAYER_IDX];
    _active_world_x = fortress.wx;
    _active_world_y = fortress.wy;
    _unit_window_start_x = UNIT_WINDOW_X;
    _unit_window_start_y = UNIT_WINDOW_Y;
    _map_plane = fortress.wp;

    All_AI_Players_Contacted();
    Allocate_Reduced_Map();
    Center_Map(&_map_x, &_map_y, fortress.wx, fortress.wy, _map_plane);
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
    Cache_Graphics_Overland();
    WIZ_NextIdleStack(HUMAN_PLAYER_IDX, &_map_x, &_map_y, &_map_plane);
    All_City_Calculations();
}

void GAME_NextHumanStack(void)
{
    _unit_window_start_x = UNIT_WINDOW_X;
    _unit_window_start_y = UNIT_WINDOW_Y;
    _combat_wx = -1;
    _combat_wy = -1;
    Update_Scouted_And_Contacted();
    WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
    Update_Scouted_And_Contacted();
}

void Loaded_Game_Update(void)
{
    destroy_combat_city = 0;
    _current_player_idx = HUMAN_PLAYER_IDX;
    _page_flip_effect = 0;

    // The saved game keeps no area bits: they are built from the cities, never merely cleared.
    Reset_City_Area_Bitfields();
    Init_Overland();

    Patch_Units_Upkeep_And_Sound();
    Record_Unknown_40H_Squares();
    All_Colony_Calculations();

    _unit_stack_count = 0;
    Play_Background_Music();
    Cache_Graphics_Overland();
    // Cleared bits would drop every road's trade until the next change of a city: rebuilt.
    Reset_City_Road_Connection_Bitfields();
    Delete_Dead_Units();
    All_AI_Refresh_Units_Movement();

    for (int player_idx = 1; player_idx < NUM_PLAYERS; player_idx++) _players[player_idx].average_unit_cost = 0;

    GAME_NextHumanStack();

    if (_difficulty == 0) magic_set.words[GS_RANDOM_EVENTS] = 0;

    Free_AI_Move_Path_Entries();
    Build_Land_Linked_List();
    Build_Dock_Linked_List();
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++)
        AI_Set_Reevaluate_Continents_Countdown(player_idx, 0);

    g_timestop_player_num = 0;
    for (int16_t player_idx = 0; player_idx < _num_players && player_idx < NUM_PLAYERS; player_idx++) {
        if (_players[player_idx].Globals[ge_Time_Stop] != 0) g_timestop_player_num = (int16_t)(player_idx + 1);
    }

    TST_Patch_Game_Data();
}
