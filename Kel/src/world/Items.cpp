#include "world/Items.h"

#include "world/ALLOC.h"

void Remove_Item(int16_t item_idx)
{
    if (item_idx >= 0 && item_idx < NUM_ITEMS && _ITEMS != nullptr) {
        _ITEMS[item_idx].cost = 0;
    }
}
