// tolva_battlefield --load SAVE --x X --y Y --plane P [--attacker UNIT ...] --out FILE
// Loads the saved game, builds the battlefield of the square and the battle units of the listed
// attacking units against the square's units, and writes them as text to FILE through a temporary
// file and a rename. Game data come from the game's own search path (TOLVA_DATA_DIR). A test tool,
// not part of the game.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Settings_Ini.h"
#include "combat/Combat_Setup.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Battlefield.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"
#include "world/Stack_Movement.h"
#include "world/Unit_Type_Record.h"

namespace {

int Usage(const char *why)
{
    fprintf(stderr,
            "tolva_battlefield: %s\nusage: tolva_battlefield --load SAVE --x 0..59 --y 0..39 --plane 0..1 "
            "[--attacker UNIT ...] --out FILE\n",
            why);
    return 2;
}

bool Number(const char *text, long low, long high, long *value)
{
    char *end = nullptr;
    errno = 0;
    *value = strtol(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && *value >= low && *value <= high;
}

void Start_Log(void)
{
    char folder[GRAF_PATH_MAX] = "";
    if (!STU_GRAF_User_State_Dir(folder, sizeof folder)) folder[0] = '\0';
    STU_Log_Set_Base_Dir(folder[0] ? folder : nullptr);
    STU_Log_Startup(Settings_Ini_Find());
}

bool Load_Save(const char *path)
{
    std::vector<unsigned char> image;
    FILE *stream = fopen(path, "rb");
    const int read = stream ? STU_Read_Stream_At_Most(stream, image, SAVE_GAM_SIZE + 1) : 0;
    if (stream) fclose(stream);
    if (!read) {
        fprintf(stderr, "tolva_battlefield: cannot read %s\n", path);
        return false;
    }
    char reason[256];
    if (!Save_Game_Check_Image(image.data(), image.size(), reason, sizeof reason)) {
        fprintf(stderr, "tolva_battlefield: %s refused: %s\n", path, reason);
        return false;
    }
    Save_Game_Read_Image(image.data(), image.size());
    return true;
}

void Add_Line(std::string &out, const char *name, const std::vector<int> &values)
{
    out += name;
    for (int v : values) out += " " + std::to_string(v);
    out += "\n";
}

template <typename T> std::vector<int> Cells(const T *grid) { return std::vector<int>(grid, grid + COMBAT_GRID_CELLS); }

}  // namespace

int main(int argc, char **argv)
{
    const char *save = nullptr;
    const char *out_path = nullptr;
    long x = -1, y = -1, plane = -1;
    std::vector<int16_t> attackers;
    for (int i = 1; i < argc; i++) {
        if (i + 1 >= argc) return Usage("an option lacks its value");
        const char *option = argv[i];
        const char *value = argv[++i];
        long number = 0;
        if (strcmp(option, "--load") == 0) {
            save = value;
        } else if (strcmp(option, "--out") == 0) {
            out_path = value;
        } else if (strcmp(option, "--x") == 0 && Number(value, 0, WORLD_WIDTH - 1, &number)) {
            x = number;
        } else if (strcmp(option, "--y") == 0 && Number(value, 0, WORLD_HEIGHT - 1, &number)) {
            y = number;
        } else if (strcmp(option, "--plane") == 0 && Number(value, 0, NUM_PLANES - 1, &number)) {
            plane = number;
        } else if (strcmp(option, "--attacker") == 0 && Number(value, 0, UNIT_TABLE_CAPACITY - 1, &number)) {
            attackers.push_back((int16_t)number);
        } else {
            return Usage("unknown option or a value out of range");
        }
    }
    if (!save || !out_path || x < 0 || y < 0 || plane < 0)
        return Usage("--load, --x, --y, --plane and --out are needed");
    STU_GRAF_Set_Settings_Ini(Settings_Ini_Find());
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    Start_Log();
    Allocate_Data_Space(6100);
    Unit_Type_Table_Reset();
    Load_TERRSTAT();
    Load_SPELLDAT();
    if (!Load_Save(save)) {
        STU_Log_Shutdown();
        return 1;
    }
    for (int16_t unit : attackers) {
        if (unit >= _units) {
            fprintf(stderr, "tolva_battlefield: unit %d is not in the saved game (%d units)\n", unit, _units);
            STU_Log_Shutdown();
            return 1;
        }
    }
    Battlefield_Clear();
    _combat_wx = (int16_t)x, _combat_wy = (int16_t)y, _combat_wp = (int16_t)plane;
    const int16_t city = Combat_City_At(_combat_wx, _combat_wy, _combat_wp);
    _combat_environ = city >= 0 ? 1 : 0;
    _combat_environ_idx = city;
    _combat_attacker_player = attackers.empty() ? (int16_t)0 : (int16_t)_UNITS[attackers[0]].owner_idx;
    _combat_defender_player = city >= 0 ? (int16_t)_CITIES[city].owner_idx : (int16_t)-1;
    for (int u = 0; u < _units && _combat_defender_player < 0; u++) {
        const Unit_Record &unit = _UNITS[u];
        if (unit.wx == x && unit.wy == y && unit.wp == plane && unit.owner_idx != _combat_attacker_player) {
            _combat_defender_player = unit.owner_idx;
        }
    }
    attacker_on_floating_island = defender_on_floating_island = 0;
    const uint32_t seed_before = Get_Random_Seed();
    Build_Battlefield(_combat_wx, _combat_wy, _combat_wp);
    Prepare_All_Battle_Units((int16_t)attackers.size(), attackers.data());
    const uint32_t seed_after = Get_Random_Seed();

    const Battlefield_Record &bf = *battlefield;
    std::string text;
    text += "centre " + std::to_string(bf.centre_code) + " terrain " + std::to_string(_combat_battlefield_terrain) +
            " walls " + std::to_string(bf.walls) + " fire " + std::to_string(bf.wall_of_fire) + " dark " +
            std::to_string(bf.wall_of_darkness) + " seed_before " + std::to_string(seed_before) + " seed_after " +
            std::to_string(seed_after) + "\n";
    Add_Line(text, "kind", Cells(bf.terrain_kinds));
    Add_Line(text, "tile", Cells(bf.tiles));
    Add_Line(text, "road", Cells(bf.roads));
    for (int g = 0; g < NUM_COMBAT_COST_GRIDS; g++)
        Add_Line(text, ("cost" + std::to_string(g)).c_str(), Cells(bf.costs[g]));
    Add_Line(text, "mud", Cells(bf.mud));
    std::vector<int> trees{bf.tree_count};
    for (int t = 0; t < bf.tree_count; t++) trees.push_back(bf.tree_x[t]), trees.push_back(bf.tree_y[t]);
    Add_Line(text, "trees", trees);
    std::vector<int> rocks{bf.rock_count};
    for (int r = 0; r < bf.rock_count; r++) rocks.push_back(bf.rock_x[r]), rocks.push_back(bf.rock_y[r]);
    Add_Line(text, "rocks", rocks);
    std::vector<int> houses{bf.house_count};
    for (int h = 0; h < bf.house_count && h < BATTLEFIELD_MAX_HOUSES; h++)
        houses.push_back(bf.house_x[h]), houses.push_back(bf.house_y[h]);
    Add_Line(text, "houses", houses);
    std::vector<int> sections;
    for (const auto &row : bf.wall_sections)
        for (int16_t s : row) sections.push_back(s);
    Add_Line(text, "sections", sections);
    for (int i = 0; i < _combat_total_unit_count; i++) {
        const Battle_Unit_Record &bu = battle_units[i];
        text += "unit " + std::to_string(i) + " owner " + std::to_string(bu.owner_idx) + " cell " +
                std::to_string(bu.Grid_X) + " " + std::to_string(bu.Grid_Y) + " status " + std::to_string(bu.Status) +
                "\n";
    }
    const int written = STU_Write_File_Atomic(out_path, text.data(), text.size());
    if (!written) fprintf(stderr, "tolva_battlefield: cannot write %s\n", out_path);
    STU_LOG(written ? SEV_INFO : SEV_ERROR, LC_TOLVA, "tolva_battlefield: %s %s", written ? "wrote" : "could not write",
            out_path);
    STU_Log_Shutdown();
    return written ? 0 : 1;
}
