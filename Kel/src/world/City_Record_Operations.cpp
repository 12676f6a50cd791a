#include "world/City_Record_Operations.h"

#include "Memory_Util.h"
#include "STU_Log.h"
#include "world/ALLOC.h"
#include "world/Army_Services.h"
#include "world/City_Area.h"
#include "world/Events_Record.h"
#include "world/Road_Connections.h"
#include "world/Roads.h"

// A city-bound event names its city by index: it ends with its city and follows later cities down.
static void Events_City_Removed(int16_t city_idx, int state_word, int city_word)
{
    if (events_table == nullptr) {
        return;
    }
    int16_t *words = events_table->words;
    bool running = words[state_word] == 1 || words[state_word] == EVENT_STATE_LASTING;
    if (running && words[city_word] == city_idx) {
        words[state_word] = 0;
    } else if (words[city_word] > city_idx) {
        words[city_word]--;
    }
}

void Destroy_City(int16_t city_idx)
{
    if (city_idx < 0 || city_idx >= _cities || _cities > NUM_CITIES) {
        STU_LOG(SEV_WARN, LC_GENERAL, "Destroy_City: city %d is not in the table of %d", city_idx, _cities);
        return;
    }
    const City_Record &city = _CITIES[city_idx];
    City_Remove_Road(city.wx, city.wy, city.wp);
    Delete_Structure(city_idx, _CITIES, (int16_t)sizeof(City_Record), _cities);
    Events_City_Removed(city_idx, ev_Plague_State, ev_Plague_City);
    Events_City_Removed(city_idx, ev_Population_Boom_State, ev_Population_Boom_City);
    Army_City_Removed(city_idx);
    _cities--;
    Reset_City_Area_Bitfields();
    Reset_City_Road_Connection_Bitfields();
}
