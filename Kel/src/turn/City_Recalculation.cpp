#include "turn/City_Recalculation.h"

#include "world/ALLOC.h"
#include "world/City_Area.h"
#include "world/City_Economy.h"

void All_City_Calculations(void)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) Do_City_Calculations(city_idx);
}

void All_Colony_Calculations(void)
{
    for (int16_t city_idx = 0; city_idx < _cities; city_idx++) {
        Do_City_Calculations(city_idx);
        int16_t minimum = City_Minimum_Farmers(city_idx);
        if (_CITIES[city_idx].farmer_count < minimum) _CITIES[city_idx].farmer_count = (uint8_t)minimum;
        City_Rebel_Count(city_idx);
    }
}
