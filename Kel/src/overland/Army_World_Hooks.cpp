#include "overland/Army_World_Hooks.h"

#include "cities/Outposts.h"
#include "cities/screens/Outpost_Screen.h"
#include "combat/Combat_Entry.h"
#include "heroes/Lairs.h"
#include "overland/Explored_Edges.h"
#include "shell/Map_Window.h"
#include "shell/Reduced_Map.h"
#include "world/Army_Services.h"

namespace {

void Army_Center_Map_View(int16_t wx, int16_t wy, int16_t wp)
{
    _map_plane = wp;
    Center_Map(&_map_x, &_map_y, wx, wy, _map_plane);
}

}  // namespace

void Army_Install_World_Hooks(void)
{
    Army_World_Services services = army_world_services;
    services.square_has_lair = Square_Has_Lair;
    services.player_city_at_square = Player_City_At_Square;
    services.map_square_survey = Map_Square_Survey;
    services.create_outpost = Create_Outpost;
    services.set_square_explored_flags = Set_Square_Explored_Flags;
    services.reset_map_draw = Reset_Map_Draw;
    services.new_outpost_scene = New_Outpost_Scene;
    services.center_map = Army_Center_Map_View;
    Army_Set_World_Services(services);
}
