// The human's choices that completing a spell asks over the main screen: which dead hero a
// resurrection brings back, and a pick among named lines.
#include "magic/screens/Magic_Choices.h"

#include <cstdio>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "Video.h"
#include "magic/Resurrection_Choice.h"
#include "shell/Main_Screen_Draw.h"
#include "world/ALLOC.h"
#include "world/Item_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int16_t LINE_BYTES = 40;
constexpr int16_t VISIBLE_LINES = 6;
constexpr int16_t LINES_MAX = 40;

void Main_Screen_Again(void)
{
    Clear_Fields();
    Allocate_Reduced_Map();
    Main_Screen_Draw();
    PageFlip_FX();
    Assign_Auto_Function(Main_Screen_Draw, 1);
}

int16_t Selection(int16_t count, const char *const *texts, const char *title)
{
    if (count <= 0) return -1;
    if (count > LINES_MAX) count = LINES_MAX;
    const char *list[LINES_MAX + 1];
    for (int16_t i = 0; i < count; i++) list[i] = texts[i] != nullptr ? texts[i] : "";
    list[count] = "";
    const int16_t choice =
        Selection_Box(count < VISIBLE_LINES ? count : VISIBLE_LINES, list, count > VISIBLE_LINES ? 1 : 0, title);
    Main_Screen_Again();
    return choice >= 0 && choice < count ? choice : (int16_t)-1;
}

}  // namespace

int16_t Select_Hero_To_Ressurect(int16_t count, const int16_t *hero_types)
{
    if (count <= 0) return -1;
    if (count > LINES_MAX) count = LINES_MAX;
    static char lines[LINES_MAX][LINE_BYTES];
    const char *list[LINES_MAX];
    for (int16_t i = 0; i < count; i++) {
        const int16_t type = hero_types[i];
        const bool known = type >= 0 && type < NUM_HERO_TYPES;
        snprintf(lines[i], LINE_BYTES, "%.13s the %s",
                 known && hero_names_table != nullptr ? hero_names_table[type].name : "",
                 known && _unit_type_names[type] != nullptr ? _unit_type_names[type] : "");
        list[i] = lines[i];
    }
    return Selection(count, list, "Select a hero to Ressurect");
}

void Magic_Install_Choices(Magic_Services &services)
{
    services.resurrection_choice = Select_Hero_To_Ressurect;
    services.selection = Selection;
}
