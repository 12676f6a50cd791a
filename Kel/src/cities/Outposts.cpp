#include "cities/Outposts.h"

#include "Geometry.h"
#include "heroes/Lairs.h"
#include "world/ALLOC.h"
#include "world/Army_Queries.h"
#include "world/Plane_Shift.h"
#include "world/Square_Queries.h"

int16_t Map_Square_Survey(int16_t wx, int16_t wy, int16_t wp)
{
    if (Square_Is_Sailable(wx, wy, wp)) {
        return sts_Water;
    }
    if (Square_Is_Tower(wx, wy)) {
        return sts_Tower;
    }
    if (Get_Map_Square_Magic_Node(wx, wy, wp) != -1) {
        return sts_Node;
    }
    if (Square_Has_Lair(wx, wy, wp) != -1) {
        return sts_Lair;
    }
    const int cities = _cities < 0 ? 0 : _cities > NUM_CITIES ? NUM_CITIES : _cities;
    for (int c = 0; c < cities; c++) {
        const City_Record &city = _CITIES[c];
        if (city.wp == wp && Delta_XY_With_Wrap(wx, wy, city.wx, city.wy, WORLD_WIDTH) <= SETTLING_MIN_CITY_DISTANCE) {
            return sts_City_Near;
        }
    }
    return sts_Free;
}
