#include "overland/Plane_Button.h"

#include "Dialog_Boxes.h"
#include "overland/Stack_Selection.h"
#include "shell/Map_Window.h"
#include "world/ALLOC.h"
#include "world/Plane_Shift.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Stack.h"
#include "world/Unit_Stacks.h"

namespace {

bool First_Unit_On_Tower(void)
{
    const int16_t u = _unit_stack[0].unit_idx;
    return u >= 0 && u < UNIT_TABLE_CAPACITY && Square_Is_Tower(_UNITS[u].wx, _UNITS[u].wy);
}

}  // namespace

void Do_Plane_Button__WIP(int16_t player_idx, int16_t *map_x, int16_t *map_y, int16_t *map_plane)
{
    _active_stack_has_path = 0;
    const int16_t old_plane = *map_plane;
    *map_plane = (int16_t)((*map_plane + 1) % NUM_PLANES);
    const bool stack_selected = _unit_stack_count > 0;
    if (all_units_moved == 0 && stack_selected && Stack_Has_PlanarTravel()) {
        if (Check_Planar_Seal()) {
            Warn0("Planar Seal prevents your units from changing planes.");
            *map_plane = old_plane;
        } else {
            if (Check_Stack_Plane_Shift(_unit_stack[0].unit_idx, *map_plane) == PLANE_SHIFT_REFUSED) {
                *map_plane = old_plane;
                Warn0("The selected units cannot Planar Travel at this location.");
            } else {
                Active_Stack_Take_Plane(*map_plane);
            }
            Reset_Map_Draw();
        }
    } else if (stack_selected && Check_Planar_Seal() && First_Unit_On_Tower()) {
        *map_plane = old_plane;
        Warn0("Planar Seal prevents your units from changing planes.");
    }
    Set_Unit_Draw_Priority();
    Reset_Stack_Draw_Priority();
    Set_Entities_On_Map_Window(*map_x, *map_y, *map_plane);
}
