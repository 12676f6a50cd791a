#include "Standin.h"

// The breakdown labels: one record table of 75 records of 200 bytes, 15 per resource (food,
// production, gold, power, research), label i naming line i. The last food label runs past the
// 49 characters a label keeps, so a reader that does not cut it shows.
void Write_LISTDAT_LBX(const std::string &folder)
{
    // clang-format off
    static const char *const labels[75] = {
        "Farmers", "Extra farming", "Grain store", "Farm stalls", "Wood crafts",
        "Wild game", "Blessed land", "Famine", "", "", "", "", "", "",
        "A label that runs on well past the room of a label in the pop-up",
        "Workers", "Farmers", "Terrain", "Saws", "Wood crafts",
        "Mines", "Machines", "Inspiration", "Curse", "", "", "", "", "", "",
        "Taxes", "Trade goods", "Silver", "Gold ore", "Gems",
        "Mining", "Roads and rivers", "Market", "Counting", "Guild",
        "Prosperity", "", "", "", "",
        "Fortress", "Townsfolk", "Shrine", "Temple", "Great temple",
        "Sanctum", "Forge", "Mage guild", "Mithril", "Adamantium",
        "Quork", "Crysx", "Nodes", "Rituals", "Evil presence",
        "Study hall", "Lore hall", "Academy", "Mage guild", "",
        "", "", "", "", "", "", "", "", "", "",
    };
    // clang-format on
    Bytes records(75 * 200, 0);
    for (size_t i = 0; i < 75; ++i) {
        std::string text = labels[i];
        for (size_t c = 0; c < text.size() && c < 199; ++c) records[i * 200 + c] = (uint8_t)text[c];
    }
    Standin_Archive archive{"LISTDAT", {}, {}};
    archive.Add_Record_Table(75, 200, records);
    Standin_Write_Archive(folder, archive);
}
