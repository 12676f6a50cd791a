// Stand-ins for the generation steps other parts of the map generator will provide. Each does
// nothing; a river stand-in reports its river as laid so the driver does not retry it.
#include "stubs/STUB_HIT.h"
#include "worldgen/Connectivity_Grids.h"
#include "worldgen/Explored_Start.h"
#include "worldgen/Movement_Cost_Maps.h"
#include "worldgen/Rivers.h"
#include "worldgen/Terrain_Tiling.h"

void Korvad_Autotiling(void) { STUB_HIT(); }
void Desert_Autotile(void) { STUB_HIT(); }
void Shuffle_Terrains(void) { STUB_HIT(); }
int16_t Generate_River(int16_t wp)
{
    STUB_HIT();
    return 1;
}
void River_Autotile(int16_t wp) { STUB_HIT(); }
void Movement_Mode_Cost_Maps(int16_t wp) { STUB_HIT(); }
void Build_Connectivity_Graphs(int16_t wp) { STUB_HIT(); }
void Init_Square_Explored(void) { STUB_HIT(); }
void Animate_Oceans(void) { STUB_HIT(); }
