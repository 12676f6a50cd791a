// Basic operations on the item records.
#pragma once

#include <cstdint>

// Frees an item record (its cost becomes 0); an index off the table is left alone.
void Remove_Item(int16_t item_idx);
