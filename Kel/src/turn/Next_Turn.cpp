#include "turn/Next_Turn.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <vector>

#include "Dialog_Boxes.h"
#include "Mouse.h"
#include "STU_Log.h"
#include "ai/AI_City_Production.h"
#include "ai/AI_Next_Turn.h"
#include "cities/City_Records.h"
#include "cities/screens/City_Built_Message.h"
#include "cities/screens/City_Screen.h"
#include "dev/Integrity_Check.h"
#include "dev/STU_TST.h"
#include "magic/Overland_Casting.h"
#include "overland/Main_Screen.h"
#include "random.h"
#include "shell/Background_Music.h"
#include "shell/Graphics_Cache.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "shell/Screen_Control.h"
#include "turn/Building_Complete_Messages.h"
#include "turn/City_Changes.h"
#include "turn/City_Recalculation.h"
#include "turn/Computer_Diplomacy.h"
#include "turn/End_Of_Turn.h"
#include "turn/Experience_Healing.h"
#include "turn/Magic_Power_Research.h"
#include "turn/Offers.h"
#include "turn/Random_Events.h"
#include "turn/Relations.h"
#include "turn/Report_Queues.h"
#include "turn/Treasury_Upkeep.h"
#include "turn/Unit_Strength.h"
#include "turn/Unit_Turn_Refresh.h"
#include "turn/screens/Chancellor_Screen.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Building_Data_Record.h"
#include "world/City_Growth.h"
#include "world/City_Record.h"
#include "world/Game_Settings.h"
#include "world/LOADSAVE.h"
#include "world/Plane_Shift.h"
#include "world/Square_Queries.h"
#include "world/Stack_Movement.h"
#include "world/Stack_Orders.h"
#include "world/Terrain_Changes.h"
#include "world/Unit_Death.h"
#include "world/Unit_Record.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"
#include "world/Unit_Type_Record.h"
#include "world/Units_By_Square.h"
#include "world/Wizard_Economy.h"
#include "world/Wizard_History.h"

uint32_t RNG_AI_Turn_Seed = RNG_AI_TURN_SEED_START;
int16_t IDK_autosave = 0;

namespace {

constexpr int GS_END_OF_TURN_SUMMARY = 6;
constexpr int16_t CURSOR_HOURGLASS = 6;
constexpr int16_t TIME_STOP_MANA = 200;
constexpr int16_t LAME_UNITS_FIRST_TURN = 100;
constexpr int16_t GARRISON_PURGE_PERIOD = 25;
constexpr int16_t LAST_PLAIN_UNIT_TYPE = 35;
constexpr int16_t AUTOSAVE_PERIOD = 4;
constexpr int16_t AUTOSAVE_SLOT = 8;
constexpr int16_t UNIT_PRODUCT_FIRST = 100;
constexpr uint8_t MESSAGE_DONE = 0xFF;

Mouse_List_Entry mouse_list_hourglass[1] = {{CURSOR_HOURGLASS, 0, 0, 0, 319, 199}};

void Show_Hourglass(void) { Set_Mouse_List(1, mouse_list_hourglass); }

void Refresh_Map_Entities(void)
{
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(_map_x, _map_y, _map_plane);
}

void Log_Human_Gold(const char *when, const char *step)
{
    STU_LOG(SEV_INFO, LC_NEXTTURN, "[GOLD] %s %s: gold_reserve=%d", when, step, _players[0].gold_reserve);
}

// Time Stop costs its caster mana every turn and ends when the mana runs out.
void Time_Stop_Upkeep(void)
{
    int16_t caster = (int16_t)(g_timestop_player_num - 1);
    if (caster < 0 || caster >= NUM_PLAYERS) {
        g_timestop_player_num = 0;
        return;
    }
    Player_Record &player = _players[caster];
    player.mana_reserve = (int16_t)(player.mana_reserve - TIME_STOP_MANA);
    if (player.mana_reserve < 0) {
        player.mana_reserve = 0;
        player.Globals[ge_Time_Stop] = 0;
        if (caster == 0) MSG_GEs_Lost = 1;
        g_timestop_player_num = 0;
    }
}

void Grand_Vizier_Production(void)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        const City_Record &city = _CITIES[city_idx];
        if (city.owner_idx != 0) continue;
        if (city.construction == PRODUCT_CANCELLED) {
            Player_Colony_Autobuild_HP(city_idx);
        } else if (city.construction == 1 || city.construction == bt_Housing) {
            if (Random(4) == 1) Player_Colony_Autobuild_HP(city_idx);
        }
    }
}

// The part of the world turn that Time Stop suspends. 0 when somebody has won and the turn ends.
int16_t Economy_Block(void)
{
    Decrease_Peace_Duration();
    Log_Human_Gold("BEFORE", "Update_Players_Gold_Reserve");
    Update_Players_Gold_Reserve();
    Log_Human_Gold("AFTER ", "Update_Players_Gold_Reserve");
    Players_Update_Magic_Power();
    Players_Apply_Magic_Power();
    Players_Check_Spell_Research();
    Main_Screen_Disable_Income_Warning();
    if (DBG_Alt_A_State == 0 && magic_set.words[GS_RANDOM_EVENTS] == 1) Determine_Event();
    Event_Twiddle();
    if (magic_master_idx != -1) return 0;
    Log_Human_Gold("BEFORE", "Players_Apply_Upkeeps");
    Players_Apply_Upkeeps__WIP();
    Log_Human_Gold("AFTER ", "Players_Apply_Upkeeps");
    All_Outpost_Population_Growth();
    Apply_City_Changes();
    Diplomacy_Growth_For_Enchantments();
    if (grand_vizier == 1) Grand_Vizier_Production();
    Determine_Offer();
    Show_Hourglass();
    All_City_Nightshade_Count();
    Diplomacy_Growth();
    Determine_First_Contacts();
    Show_Hourglass();
    NPC_To_NPC_Treaty_Negotiations();
    Show_Hourglass();
    NPC_To_Human_Diplomacy();
    Resolve_Delayed_Diplomacy_Orders();
    Show_Hourglass();
    End_Of_Turn_Diplomacy_Adjustments();
    Modifier_Diplomacy_Adjustments();
    Cool_Off_Volcanoes();
    return 1;
}

// Everything of the world turn between installing its random stream and storing it back.
void World_Turn_Steps(void)
{
    All_City_Calculations();
    AI_Kill_Lame_Units();
    AI_Next_Turn();
    Next_Turn_Process_Purify();
    Initialize_Reports();
    if (g_timestop_player_num != 0) {
        Time_Stop_Upkeep();
    } else if (Economy_Block() == 0) {
        return;
    }
    All_Players_Apply_Spell_Casting();
    Delete_Dead_Units();
    Refresh_Map_Entities();
    All_City_Removed_Buildings();
    Do_All_Units_XP_Check();
    Heal_All_Units();
    Record_History();
    Increment_Background_Music();
    _turn++;
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        Player_Record &player = _players[player_idx];
        if (player.gold_reserve > RESERVE_CAP) player.gold_reserve = RESERVE_CAP;
        if (player.mana_reserve > RESERVE_CAP) player.mana_reserve = RESERVE_CAP;
    }
    Main_Screen_Enable_Income_Warning();
    Do_Autosave();
    All_City_Calculations();
}

int16_t Starts_With_Vowel(const char *name)
{
    int c = toupper((unsigned char)name[0]);
    return (c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U') ? 1 : 0;
}

// The warning that a city can no longer build its product; a cancelled product falls back to
// housing without a word.
void Cannot_Produce_Warning(int16_t city_idx)
{
    City_Record &city = _CITIES[city_idx];
    if (city.construction == PRODUCT_CANCELLED) {
        city.construction = bt_Housing;
        return;
    }
    int16_t product = city.construction;
    char product_name[48] = "";
    if (product >= 0 && product < UNIT_PRODUCT_FIRST) {
        const char *name = (bldg_data_table != nullptr && product < NUM_BUILDINGS) ? bldg_data_table[product].name : "";
        snprintf(product_name, sizeof(product_name), "%s %.20s", Starts_With_Vowel(name) ? "an" : "a", name);
    } else if (product >= UNIT_PRODUCT_FIRST && product - UNIT_PRODUCT_FIRST < NUM_UNIT_TYPES) {
        const char *name = _unit_type_table[product - UNIT_PRODUCT_FIRST].name;
        snprintf(product_name, sizeof(product_name), "%.30s", name != nullptr ? name : "");
    }
    int size = city.size < NUM_CITY_SIZES ? city.size : NUM_CITY_SIZES - 1;
    char text[160];
    snprintf(text, sizeof(text), "The %s of %.14s can no longer produce %s.", _city_size_names[size], city.name,
             product_name);
    Warn(text);
}

void Building_Complete_Notices(void)
{
    int16_t count = g_bldg_msg_ctr;
    if (count > MSG_BUILDING_COMPLETE_MAX) count = MSG_BUILDING_COMPLETE_MAX;
    for (int16_t msg_idx = 0; msg_idx < count; msg_idx++) {
        Msg_Building_Complete &msg = MSG_Building_Complete[msg_idx];
        if (msg.city_idx == MESSAGE_DONE) continue;
        int16_t city_idx = msg.city_idx;
        if (city_idx >= _cities) {
            msg.city_idx = MESSAGE_DONE;
            continue;
        }
        const City_Record &city = _CITIES[city_idx];
        _city_idx = city_idx;
        int16_t old_plane = _map_plane;
        _map_plane = city.wp;
        if (msg.bldg_idx < 0) {
            Cannot_Produce_Warning(city_idx);
        } else {
            Center_Map(&_map_x, &_map_y, city.wx, city.wy, city.wp);
            City_Built_Building_Message(5, 101, city_idx, msg.bldg_idx);
        }
        current_screen = scr_City_Screen;
        City_Screen();
        Reset_Draw_Active_Stack();
        _map_plane = old_plane;
        msg.city_idx = MESSAGE_DONE;
    }
    g_bldg_msg_ctr = 0;
}

}  // namespace

// The soak test's line for each world turn; a win ends the run.
static void Soak_Report(int32_t ms)
{
    Integrity_Checkpoint("soak");
    char line[96];
    snprintf(line, sizeof line, "[SOAK] turn=%d units=%d cities=%d ms=%d", (int)_turn, (int)_units, (int)_cities,
             (int)ms);
    STU_LOG(SEV_INFO, LC_GENERAL, "%s", line);
    printf("%s\n", line);
    if (magic_master_idx != -1) {
        snprintf(line, sizeof line, "[SOAK] game end: winner %d at turn %d", (int)magic_master_idx, (int)_turn);
        STU_LOG(SEV_INFO, LC_GENERAL, "%s", line);
        printf("%s\n", line);
    }
    fflush(stdout);
}

void Next_Turn_Proc(void)
{
    const int16_t soak = TST_AI_Soak();
    Delete_Dead_Units();
    All_Units_In_Towers();
    Refresh_Map_Entities();
    Reset_Map_Draw();
    const auto started = std::chrono::steady_clock::now();
    Next_Turn_Calc();
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    Cache_Graphics_Overland();
    Delete_Dead_Units();
    All_Units_In_Towers();
    if (!soak && magic_set.words[GS_END_OF_TURN_SUMMARY] == 1) Chancellor_Screen__WIP(0);
    if (!soak) Building_Complete_Notices();
    Update_Units_MvsSts();
    Player_Record &player = _players[_current_player_idx];
    // In the soak the computer turn completes the human's spell as well.
    if (!soak && player.casting_cost_remaining == 0 && player.casting_spell_idx != 0) {
        Cast_Spell_Overland(_current_player_idx);
        magic_master_idx = Get_Winner();
    }
    if (soak) {
        Soak_Report((int32_t)ms);
        if (magic_master_idx != -1) {
            current_screen = scr_Quit_To_DOS;
            return;
        }
    }
    current_screen = magic_master_idx == -1 ? scr_Main_Screen : scr_Main_Menu_Screen;
    all_units_moved = 0;
    WIZ_NextIdleStack(_current_player_idx, &_map_x, &_map_y, &_map_plane);
    Reset_Draw_Active_Stack();
}

void Next_Turn_Calc(void)
{
    Set_Random_Seed(RNG_AI_Turn_Seed);
    Show_Hourglass();
    World_Turn_Steps();
    // Also when a winner has stopped the turn early: the stream and the pointer stay consistent.
    RNG_AI_Turn_Seed = Get_Random_Seed();
    Set_Mouse_List_Default();
}

void Update_Units_MvsSts(void)
{
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        Unit_Record &unit = _UNITS[unit_idx];
        unit.Finished = 0;
        if (unit.Status == us_Patrol || unit.Status == us_BuildRoad || unit.Status == us_Casting) unit.Finished = 1;
        if (unit.Status == us_ReachedDest || unit.Status == us_Wait) unit.Status = us_Ready;
        unit.moves2_max = (uint8_t)Unit_Moves2(unit_idx);
        unit.moves2 = unit.moves2_max;
    }
    All_AI_Players_Contacted();
}

void AI_Kill_Lame_Units(void)
{
    GUI_Multipurpose_Int = 0;
    if (_turn < LAME_UNITS_FIRST_TURN || _units <= 0) return;
    std::vector<uint8_t> protected_units((size_t)_units, 0);
    int16_t purge_garrisons = (_turn % GARRISON_PURGE_PERIOD == 0) ? 1 : 0;
    if (purge_garrisons) AI_Calculate_Average_Unit_Cost();
    // Units are only killed here, never moved onto a square, so the squares are gathered once.
    static Units_By_Square units_by_square;
    Units_By_Square_Build(&units_by_square);
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        int16_t owner = _CITIES[city_idx].owner_idx;
        if (owner < 1 || owner >= NEUTRAL_PLAYER_IDX) continue;
        int16_t count = 0;
        int16_t list[ARMY_AT_SQUARE_MAX];
        Army_At_City_By_Square(&units_by_square, city_idx, &count, list);
        int16_t killed = 0;
        for (int16_t i = 0; i < count; i++) {
            int16_t unit_idx = list[i];
            if (unit_idx < 0 || unit_idx >= _units) continue;
            protected_units[(size_t)unit_idx] = 1;
            if (!purge_garrisons || killed) continue;
            const Unit_Record &unit = _UNITS[unit_idx];
            if (_unit_type_table[unit.type].cost < _players[owner].average_unit_cost / 2) {
                Kill_Unit(unit_idx, kum_Plain);
                killed = 1;
            }
        }
    }
    for (int16_t unit_idx = 0; unit_idx < _units; unit_idx++) {
        if (protected_units[(size_t)unit_idx]) continue;
        const Unit_Record &unit = _UNITS[unit_idx];
        int16_t owner = unit.owner_idx;
        if (owner < 1 || owner >= NEUTRAL_PLAYER_IDX) continue;
        if (unit.type <= LAST_PLAIN_UNIT_TYPE || unit.type >= NUM_UNIT_TYPES) continue;
        const Unit_Type_Record &type = _unit_type_table[unit.type];
        if (type.Abilities & (UA_CREATEOUTPOST | UA_MELD)) continue;
        if (type.Construction > 0 || type.Transport > 0) continue;
        if (type.cost < _players[owner].average_unit_cost / 2) {
            Kill_Unit(unit_idx, kum_Plain);
            GUI_Multipurpose_Int++;
        }
    }
}

void Cool_Off_Volcanoes(void)
{
    for (int16_t wp = 0; wp < NUM_PLANES; wp++) {
        for (int16_t wx = 0; wx < WORLD_WIDTH; wx++) {
            for (int16_t wy = 0; wy < WORLD_HEIGHT; wy++) {
                if (Terrain_Class(_world_maps[World_Square_Index(wx, wy, wp)]) != tt_Volcano) continue;
                if (Random(100) < 3) Set_Terrain_Type_Mountain(wx, wy, wp);
            }
        }
    }
    Volcano_Counts();
}

void Do_Autosave(void)
{
    if (_turn % AUTOSAVE_PERIOD != 0) return;
    // A quit asked for during the turn saves nothing the player did not save.
    if (quit_game_flag) {
        STU_LOG(SEV_INFO, LC_NEXTTURN, "Do_Autosave: quit requested; the game of turn %d is not saved", _turn);
        return;
    }
    Show_Hourglass();
    // A failed write has already been shown to the player by the save itself; one box is enough.
    if (Save_SAVE_GAM(AUTOSAVE_SLOT) == 0) {
        STU_LOG(SEV_ERROR, LC_NEXTTURN, "Do_Autosave: the game of turn %d was not saved", _turn);
    }
    Set_Mouse_List_Default();
    IDK_autosave = 0;
}
