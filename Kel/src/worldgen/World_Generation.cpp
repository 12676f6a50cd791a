#include "worldgen/World_Generation.h"

#include "STU_Log.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/LOADER.h"
#include "worldgen/Computer_Wizards.h"
#include "worldgen/Connectivity_Grids.h"
#include "worldgen/Explored_Start.h"
#include "worldgen/Home_Cities.h"
#include "worldgen/Lairs.h"
#include "worldgen/Landmasses.h"
#include "worldgen/Movement_Cost_Maps.h"
#include "worldgen/Neutral_Cities.h"
#include "worldgen/Nodes_Towers.h"
#include "worldgen/Rivers.h"
#include "worldgen/Terrain_Specials_Roads.h"
#include "worldgen/Terrain_Tiling.h"

void Draw_Building_The_Worlds(int16_t percent) { Army_Building_Worlds_Progress(percent); }

void o51p54_empty_function(void) {}

void Init_New_Game(void)
{
    Load_BUILDDAT();
    Army_Building_Worlds_Panel();
    Init_Computer_Players();

    Draw_Building_The_Worlds(5);
    Init_Landmasses(0);
    Draw_Building_The_Worlds(10);
    Init_Landmasses(1);
    Draw_Building_The_Worlds(15);
    Generate_Landmasses(0);
    Draw_Building_The_Worlds(20);
    Generate_Landmasses(1);
    Draw_Building_The_Worlds(25);
    Translate_Heightmap_To_Base_Terrain_Types(0);
    Draw_Building_The_Worlds(30);
    Translate_Heightmap_To_Base_Terrain_Types(1);
    Draw_Building_The_Worlds(35);
    Generate_Climate_Terrain_Types(0);
    Draw_Building_The_Worlds(40);
    Generate_Climate_Terrain_Types(1);
    Draw_Building_The_Worlds(45);
    Generate_Nodes();
    Draw_Building_The_Worlds(50);
    Rebalance_Node_Types(0);
    Rebalance_Node_Types(1);
    Draw_Building_The_Worlds(55);
    Generate_Towers();
    Draw_Building_The_Worlds(60);
    Extend_Islands(0);
    Extend_Islands(1);
    Generate_Lairs();
    Draw_Building_The_Worlds(65);
    _units = 0;
    Generate_Home_Cities();
    Draw_Building_The_Worlds(70);
    Generate_Neutral_Cities(0);
    Generate_Neutral_Cities(1);
    Draw_Building_The_Worlds(75);
    Generate_Terrain_Specials(0);
    Generate_Terrain_Specials(1);
    Generate_Roads(0);
    Generate_Roads(1);
    Draw_Building_The_Worlds(80);
    Korvad_Autotiling();
    Draw_Building_The_Worlds(85);
    // Each river is retried until laid; one that fails this often in a row is given up.
    for (int round = 0; round < RIVER_ROUNDS; round++) {
        for (int16_t plane = 0; plane < NUM_PLANES; plane++) {
            int failures = 0;
            while (Generate_River(plane) == 0 && ++failures < RIVER_FAILURE_LIMIT) {
            }
        }
    }
    River_Autotile(0);
    River_Autotile(1);
    Desert_Autotile();
    Draw_Building_The_Worlds(85);
    Shuffle_Terrains();
    Movement_Mode_Cost_Maps(0);
    Movement_Mode_Cost_Maps(1);
    Draw_Building_The_Worlds(90);
    Build_Connectivity_Graphs(0);
    Build_Connectivity_Graphs(1);
    STU_LOG(SEV_INFO, LC_GENERAL, "[connectivity_grids] event=calc  (after Build_Connectivity_Graphs for both planes)");
    Draw_Building_The_Worlds(95);
    Init_Square_Explored();
    Animate_Oceans();
    Set_Upper_Lair_Guardian_Count();
}
