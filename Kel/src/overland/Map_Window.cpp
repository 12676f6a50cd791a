#include "overland/Map_Window.h"

int16_t _map_x;
int16_t _map_y;
int16_t _map_plane;
