#include "ai/screens/AI_Screen_Services.h"

#include "ai/AI_Services.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"

static void Get_Map_View(int16_t *map_x, int16_t *map_y, int16_t *map_plane)
{
    *map_x = _map_x;
    *map_y = _map_y;
    *map_plane = _map_plane;
}

static void Set_Map_View(int16_t map_x, int16_t map_y, int16_t map_plane)
{
    _map_x = map_x;
    _map_y = map_y;
    _map_plane = map_plane;
    _prev_world_x = map_x;
    _prev_world_y = map_y;
}

static void Refresh_Reduced_Map(void)
{
    Allocate_Reduced_Map();
    MainScr_Create_Reduced_Map_Picture();
}

void AI_Install_Screen_Services(void)
{
    AI_Services services = {};
    services.get_map_view = Get_Map_View;
    services.set_map_view = Set_Map_View;
    services.refresh_reduced_map = Refresh_Reduced_Map;
    AI_Set_Services(services);
}
