#include "STU_LE.h"
#include "Standin.h"

// 36 invented buildings of 52 bytes. Each building from 3 on needs the one three places
// before it, so the table forms three chains; 35 is the city walls.
namespace {

const char *const Building_Names[36] = {
    "",          "Trade Goods",  "Housing",    "Drill Yard", "Kiln",     "Seed Store", "Scribe Hall", "Shrine",
    "Weir",      "Fencing Hall", "Smelter",    "Grain Loft", "Archive",  "Chapel",     "Mill Race",   "Lance Yard",
    "Forge",     "Market Row",   "Lore Tower", "Abbey",      "Dockside", "War Court",  "Foundry",     "Counting Hall",
    "Star Dome", "Cloister",     "Slipway",    "Beast Pens", "Quarry",   "Exchange",   "Sage Hall",   "High Temple",
    "Shipyard",  "Iron Works",   "Gate House", "City Walls"};

Bytes Building_Record(int index)
{
    Bytes r(52, 0);
    Put_Name(r, 0, 20, Building_Names[index]);
    int16_t prerequisite = (index >= 6 && index < 35) ? (int16_t)(index - 3) : 0;
    LE_Put_I16(r.data() + 20, prerequisite);
    LE_Put_I16(r.data() + 22, index == 35 ? 3 : 0);
    LE_Put_I16(r.data() + 24, index == 19 ? 13 : -1);
    LE_Put_I16(r.data() + 32, (int16_t)(index < 3 ? 0 : 1 + index / 8));
    LE_Put_I16(r.data() + 44, (int16_t)(index < 3 ? 0 : 30 + index * 15));
    LE_Put_I16(r.data() + 48, (int16_t)(index % 4));
    LE_Put_I16(r.data() + 50, (int16_t)(index % 10));
    return r;
}

}  // namespace

void Write_BUILDDAT_LBX(const std::string &folder)
{
    Standin_Archive archive{"BUILDDAT", {}, {}};
    Bytes records;
    for (int i = 0; i < 36; ++i) {
        Bytes r = Building_Record(i);
        records.insert(records.end(), r.begin(), r.end());
    }
    archive.Add_Record_Table(36, 52, records);
    Standin_Write_Archive(folder, archive);
}
