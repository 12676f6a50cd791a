// tolva_worldgen --seed N --landsize L --magic M --difficulty D --opponents O --wizard W --race R
//                --banner B --out FILE
// Makes a new game as the new-game screens would leave it (the human a preset wizard), runs the
// world generator once and writes the 123,300-byte saved game to FILE through a temporary file
// and a rename. Game data come from the game's own search path (TOLVA_DATA_DIR); the log is the
// game's tolva_log_new.txt. A test tool, not part of the game.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Settings_Ini.h"
#include "random.h"
#include "world/ALLOC.h"
#include "world/Events_Record.h"
#include "world/LOADER.h"
#include "world/LOADSAVE.h"
#include "world/Unit_Type_Record.h"
#include "world/Wizard_Presets.h"
#include "world/World_Blocks.h"
#include "worldgen/World_Generation.h"

namespace {

struct Option {
    const char *name;
    long low;
    long high;
    long value;
    bool given;
};

// Common, uncommon and rare start spells of a realm of b books (b = 1..10), as the wizard screens
// fill them for a preset wizard.
const int m_select_count_common[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
const int m_select_count_uncommon[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 2};
const int m_select_count_rare[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

int Usage(const char *why)
{
    fprintf(stderr,
            "tolva_worldgen: %s\nusage: tolva_worldgen --seed N --landsize 0..2 --magic 0..2 --difficulty 0..4 "
            "--opponents 1..4 --wizard 0..13 --race 0..13 --banner 0..4 --out FILE\n",
            why);
    return 2;
}

void Start_Log(void)
{
    char folder[GRAF_PATH_MAX] = "";
    if (!STU_GRAF_User_State_Dir(folder, sizeof folder)) folder[0] = '\0';
    STU_Log_Set_Base_Dir(folder[0] ? folder : nullptr);
    STU_Log_Startup(Settings_Ini_Find());
}

// The world records as the main menu leaves them before a new game.
void Reset_Game_Records(void)
{
    _turn = 0;
    World_Block_Fill(WB_PLAYERS, 0);
    for (World_Block_Id id : {WB_UNITS, WB_ITEMS, WB_CITIES, WB_LAIRS}) World_Block_Fill(id, 0xCC);
}

// The human as the wizard screens leave a preset wizard, with the race and banner screens' choices.
void Human_Preset_Wizard(int16_t preset, int16_t race, int16_t banner)
{
    const Wizard_Preset_Record &record = _wizard_presets_table[preset];
    Player_Record &human = _players[0];
    human.wizard_id = (uint8_t)preset;
    snprintf(human.name, sizeof human.name, "%.*s", WIZARD_PRESET_NAME_SIZE, record.name);
    const int16_t books[NUM_REALMS] = {record.Nature, record.Sorcery, record.Chaos, record.Life, record.Death};
    memset(human.retorts, 0, sizeof human.retorts);
    if (record.retort >= 0 && record.retort < NUM_RETORTS) human.retorts[record.retort] = 1;
    int16_t *spells = _player_start_spells[0];
    memset(spells, 0, sizeof(int16_t) * NUM_START_SPELLS);
    for (int realm = 0; realm < NUM_REALMS; realm++) {
        human.spellranks[realm] = books[realm];
        int b = books[realm] > 10 ? 10 : books[realm];
        if (b <= 1) continue;
        int base = realm * START_SPELLS_PER_REALM;
        for (int k = 0; k < m_select_count_common[b - 1]; k++) spells[base + k] = _default_spells[base + k];
        for (int k = 0; k < m_select_count_uncommon[b - 1]; k++) spells[base + 10 + k] = _default_spells[base + 10 + k];
        if (m_select_count_rare[b - 1] > 0) spells[base + 12] = _default_spells[base + 12];
    }
    human.banner_id = (uint8_t)banner;
    NEWG_Clicked_Race = race;
}

// Hero slots, vault and item places empty; the first random event no earlier than turn 50.
void Finish_New_Game(void)
{
    for (int p = 0; p < NUM_PLAYERS; p++) {
        for (int k = 0; k < NUM_HERO_SLOTS; k++) {
            _players[p].Heroes[k].unit_idx = -1;
            for (int i = 0; i < 3; i++) _players[p].Heroes[k].Items[i] = -1;
        }
        for (int i = 0; i < 4; i++) _players[p].Vault_Items[i] = -1;
    }
    events_table->words[ev_Last_Event_Turn] = 50;
}

int Write_Image(const char *path)
{
    std::vector<uint8_t> image(SAVE_GAM_SIZE);
    Save_Game_Write_Image(image.data());
    std::vector<char> temporary(strlen(path) + 8);
    snprintf(temporary.data(), temporary.size(), "%s.tmp", path);
    FILE *stream = fopen(temporary.data(), "wb");
    if (stream == nullptr) {
        fprintf(stderr, "tolva_worldgen: cannot write %s: %s\n", temporary.data(), strerror(errno));
        return 0;
    }
    bool ok = fwrite(image.data(), 1, image.size(), stream) == image.size();
    ok = (fclose(stream) == 0) && ok;
    if (!ok || rename(temporary.data(), path) != 0) {
        fprintf(stderr, "tolva_worldgen: cannot write %s: %s\n", path, strerror(errno));
        remove(temporary.data());
        return 0;
    }
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    Option options[] = {
        {"--seed", 1, 0x7FFFFFFFL, 0, false}, {"--landsize", 0, 2, 0, false},  {"--magic", 0, 2, 0, false},
        {"--difficulty", 0, 4, 0, false},     {"--opponents", 1, 4, 0, false}, {"--wizard", 0, 13, 0, false},
        {"--race", 0, 13, 0, false},          {"--banner", 0, 4, 0, false},
    };
    const char *out = nullptr;
    for (int i = 1; i < argc; i++) {
        if (i + 1 >= argc) return Usage("an option lacks its value");
        if (strcmp(argv[i], "--out") == 0) {
            out = argv[++i];
            continue;
        }
        bool known = false;
        for (Option &option : options) {
            if (strcmp(argv[i], option.name) != 0) continue;
            char *end = nullptr;
            errno = 0;
            long value = strtol(argv[i + 1], &end, 10);
            if (errno != 0 || end == argv[i + 1] || *end != '\0' || value < option.low || value > option.high) {
                return Usage("a value is out of range");
            }
            option.value = value;
            option.given = true;
            known = true;
            i++;
            break;
        }
        if (!known) return Usage("unknown option");
    }
    for (const Option &option : options) {
        if (!option.given) return Usage("every option is needed");
    }
    if (out == nullptr) return Usage("--out is needed");

    STU_GRAF_Set_Settings_Ini(Settings_Ini_Find());
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    Start_Log();
    STU_LOG(SEV_INFO, LC_TOLVA, "tolva_worldgen: seed %ld land size %ld magic %ld difficulty %ld opponents %ld",
            options[0].value, options[1].value, options[2].value, options[3].value, options[4].value);

    Allocate_Data_Space(6100);
    Unit_Type_Table_Reset();
    Load_TERRSTAT();
    Load_SPELLDAT();
    Units_Upkeeps();

    Reset_Game_Records();
    _landsize = (int16_t)options[1].value;
    _magic = (int16_t)options[2].value;
    _difficulty = (int16_t)options[3].value;
    _num_players = (int16_t)(options[4].value + 1);
    Human_Preset_Wizard((int16_t)options[5].value, (int16_t)options[6].value, (int16_t)options[7].value);
    Set_Random_Seed((uint32_t)options[0].value);
    Init_New_Game();
    Finish_New_Game();

    int written = Write_Image(out);
    STU_LOG(written ? SEV_INFO : SEV_ERROR, LC_TOLVA, "tolva_worldgen: %s %s", written ? "wrote" : "could not write",
            out);
    STU_Log_Shutdown();
    return written ? 0 : 1;
}
