#include "world/ALLOC.h"

#include <cstdlib>
#include <cstring>

#include "Allocate.h"
#include "EMM.h"
#include "STU_Log.h"
#include "world/LOADER.h"
#include "world/World_Blocks.h"

uint8_t *EmmHndl_FIGUREX;
uint8_t *EmmHndl_TILEXXX;
uint8_t *EmmHndl_CONTXXX;
uint8_t *scratch_bitmap_seg;
uint8_t *g_graphics_cache_seg;
uint8_t *World_Data;
uint16_t tmp_World_Data_Paras = WORLD_DATA_PARAS;
uint8_t *World_Data_Extra;
uint8_t *movepath_cost_map;
uint8_t *city_area_shared_bits;
uint8_t *city_area_bits;
uint8_t *_ai_move_path_table;
uint8_t *UnitDraw_WorkArea;
uint8_t *SND_Music_Segment;

City_Record *_CITIES;
int16_t *_world_maps;
int16_t *p_world_map;
uint8_t *connectivity_grid_land;
uint8_t *connectivity_grid_sea;
uint8_t *_landmasses;
uint8_t *_map_square_terrain_specials;
uint8_t *_map_square_flags;
uint8_t *_square_explored;
uint8_t *square_scouted_p0;
uint8_t *square_scouted_p1;
uint8_t *movement_mode_cost_maps;
Hero_Record *_HEROES2[NUM_PLAYERS];
Unit_Record *_UNITS;
Battle_Unit_Record *global_battle_unit;
Node_Record *_NODES;
Fortress_Record *_FORTRESSES;
Tower_Record *_TOWERS;
Lair_Record *_LAIRS;
Events_Record *events_table;
Hero_Name_Record *hero_names_table;
Item_Record *_ITEMS;
uint8_t *_prefab_item_table;

int16_t _num_players;
int16_t _landsize;
int16_t _magic;
int16_t _difficulty;
int16_t _cities;
int16_t _units;
int16_t _turn;
int16_t _unit;
int16_t _current_player_idx = 0;
int16_t grand_vizier;

static SAMB_ptr Carve_Block(uint16_t nparas, const char *file, int line)
{
    Pool_Note_Carve_Site(file, line);
    return Allocate_Space(nparas);
}

// A world table: the data of a fresh block (paragraph 1 on), cleared. The pool fills new memory
// with 0xCC, but every world table must begin as zero bytes until a new or loaded game fills it.
static uint8_t *Carve_Table(uint16_t nparas, const char *file, int line)
{
    uint8_t *data = SAMB_Paragraph(Carve_Block(nparas, file, line), 1);
    memset(data, 0, (size_t)nparas * 16);
    return data;
}
#define CARVE_BLOCK(nparas) Carve_Block((nparas), "Kel/src/ALLOC", __LINE__)
#define CARVE(nparas) Carve_Table((nparas), "Kel/src/ALLOC", __LINE__)

// A sub-block of the world block, cleared like the other world tables.
static uint8_t *World_Sub_Block(int first, uint16_t nparas)
{
    uint8_t *data = first ? Allocate_First_Block(World_Data, nparas) : Allocate_Next_Block(World_Data, nparas);
    memset(data, 0, (size_t)nparas * 16);
    return data;
}

// Paragraphs of a saved world table, as the world-block list names them.
static uint16_t Paras(int id) { return WORLD_BLOCK_LAYOUTS[id].paras; }

static uint8_t *Carve_Heap(uint32_t bytes)
{
    // Plain heap areas of the DOS game; zeroed like the arena's world tables, never freed.
    return static_cast<uint8_t *>(calloc(bytes, 1));
}

static void Point_AI_Arrays_Into_Neutral_Record(void)
{
    uint8_t *base = reinterpret_cast<uint8_t *>(&_players[NEUTRAL_PLAYER_IDX]) + AI_ARRAYS_OFFSET;
    _ai_landmass_war_targets[0] = reinterpret_cast<int16_t *>(base + 0);
    _ai_landmass_war_targets[1] = reinterpret_cast<int16_t *>(base + 12);
    _ai_reevaluate_continents_countdown = reinterpret_cast<int16_t *>(base + 24);
    Wiz5_Spell_28h = base + 40;
    Wiz5_Spell_3Ch = base + 60;
    Wiz5_Spell_50h = base + 80;
    Wiz5_Spell_64h = base + 100;
    _ai_landmass_settler_targets[0] = reinterpret_cast<int16_t *>(base + 120);
    _ai_landmass_settler_targets[1] = reinterpret_cast<int16_t *>(base + 140);
    _ai_landmass_settler_targets_wx_array[0] = reinterpret_cast<int16_t *>(base + 160);
    _ai_landmass_settler_targets_wx_array[1] = reinterpret_cast<int16_t *>(base + 180);
    // 12 bytes apart where the other pairs lie 12 or 20 apart: the second wy array overlaps
    // the first's tail as the DOS layout has it.
    _ai_landmass_settler_targets_wy_array[0] = reinterpret_cast<int16_t *>(base + 200);
    _ai_landmass_settler_targets_wy_array[1] = reinterpret_cast<int16_t *>(base + 212);
    _ai_reevaluate_summoning_circle_countdown = reinterpret_cast<int16_t *>(base + 224);
}

// The order of the carves is the start-up's own; the saved tables take their sizes from the
// world-block list.
uint8_t *Allocate_Data_Space(int16_t gfx_buff_nparas)
{
    EmmHndl_FIGUREX = Carve_Heap(EMM_FIGUREX_BYTES);
    EmmHndl_TILEXXX = Carve_Heap(EMM_TILEXXX_BYTES);
    _screen_seg = CARVE_BLOCK((uint16_t)(gfx_buff_nparas + SCREEN_SEG_EXTRA_PARAS));
    scratch_bitmap_seg = Carve_Heap(SCRATCH_BITMAP_BYTES);
    g_graphics_cache_seg = CARVE_BLOCK(GRAPHICS_CACHE_PARAS);

    Pool_Note_Carve_Site("Kel/src/ALLOC", __LINE__);
    World_Data = Allocate_Space(tmp_World_Data_Paras);
    _CITIES = reinterpret_cast<City_Record *>(World_Sub_Block(1, Paras(WB_CITIES)));
    _world_maps = reinterpret_cast<int16_t *>(World_Sub_Block(0, Paras(WB_WORLD_MAPS)));
    p_world_map = _world_maps;
    connectivity_grid_land = World_Sub_Block(0, Paras(WB_GRID_LAND));
    connectivity_grid_sea = World_Sub_Block(0, Paras(WB_GRID_SEA));
    STU_LOG(SEV_INFO, LC_GENERAL,
            "[connectivity_grids] event=allocate  connectivity_grid_land=%p connectivity_grid_sea=%p  "
            "size_used=%d bytes each (224 allocated)",
            (void *)connectivity_grid_land, (void *)connectivity_grid_sea, CONNECTIVITY_GRID_SIZE);
    _landmasses = World_Sub_Block(0, Paras(WB_LANDMASSES));
    _map_square_terrain_specials = World_Sub_Block(0, Paras(WB_TERRAIN_SPECIALS));
    _map_square_flags = World_Sub_Block(0, Paras(WB_SQUARE_FLAGS));
    _square_explored = World_Sub_Block(0, Paras(WB_SQUARE_EXPLORED));
    square_scouted_p0 = World_Sub_Block(0, 19);
    square_scouted_p1 = World_Sub_Block(0, 19);
    World_Data_Extra = World_Sub_Block(0, (uint16_t)(Get_Free_Blocks(World_Data) - 1));

    movepath_cost_map = CARVE(632);
    movement_mode_cost_maps = CARVE(Paras(WB_MOVEMENT_MAPS));
    city_area_shared_bits = CARVE(301);
    city_area_bits = CARVE(301);
    _ai_move_path_table = CARVE(1033);
    for (int player_idx = 0; player_idx < NUM_PLAYERS; player_idx++) {
        _HEROES2[player_idx] = reinterpret_cast<Hero_Record *>(CARVE(Paras(WB_HEROES_0 + player_idx)));
    }
    _UNITS = reinterpret_cast<Unit_Record *>(CARVE(Paras(WB_UNITS)));
    global_battle_unit = reinterpret_cast<Battle_Unit_Record *>(CARVE(8));
    _NODES = reinterpret_cast<Node_Record *>(CARVE(Paras(WB_NODES)));
    _FORTRESSES = reinterpret_cast<Fortress_Record *>(CARVE(Paras(WB_FORTRESSES)));
    _TOWERS = reinterpret_cast<Tower_Record *>(CARVE(Paras(WB_TOWERS)));
    _LAIRS = reinterpret_cast<Lair_Record *>(CARVE(Paras(WB_LAIRS)));
    events_table = reinterpret_cast<Events_Record *>(CARVE(Paras(WB_EVENTS)));
    hero_names_table = reinterpret_cast<Hero_Name_Record *>(CARVE(Paras(WB_HERO_NAMES)));
    _ITEMS = reinterpret_cast<Item_Record *>(CARVE(Paras(WB_ITEMS)));
    _prefab_item_table = CARVE(Paras(WB_PREFAB_ITEMS));
    spell_data_table = reinterpret_cast<Spell_Data_Record *>(CARVE(485));
    UnitDraw_WorkArea = CARVE(60);
    SND_Music_Segment = CARVE_BLOCK(350);
    Point_AI_Arrays_Into_Neutral_Record();
    EmmHndl_CONTXXX = CARVE_BLOCK(4096);
    return EmmHndl_CONTXXX;
}
