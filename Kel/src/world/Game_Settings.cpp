#include "world/Game_Settings.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/stat.h>
#include <vector>

#include "STU_File.h"
#include "STU_GRAF.h"
#include "STU_LE.h"
#include "STU_Log.h"
#include "STU_Wrappers.h"

Game_Settings magic_set;
Game_Settings *magic_set_ptr = nullptr;

namespace {

void Cut_Name(char *name, size_t size) { name[size - 1] = '\0'; }

void Clear_Hall_Of_Fame(Game_Settings *settings)
{
    memset(settings->hall_names, 0, sizeof settings->hall_names);
    memset(settings->hall_scores, 0, sizeof settings->hall_scores);
    memset(settings->hall_races, 0, sizeof settings->hall_races);
}

// 1 with the record adopted when the stream holds exactly 466 bytes; else magic_set unchanged.
int Adopt_Stream(FILE *file, const char *where)
{
    std::vector<unsigned char> bytes;
    if (!STU_Read_Stream(file, bytes)) {
        STU_LOG(SEV_WARN, LC_LOADSAVE, "could not read the game settings from %s", where);
        return 0;
    }
    if (bytes.size() != GAME_SETTINGS_SIZE) {
        STU_LOG(SEV_WARN, LC_LOADSAVE, "the game settings in %s are %zu bytes, not %d; not taken", where, bytes.size(),
                GAME_SETTINGS_SIZE);
        return 0;
    }
    Game_Settings_From_Bytes(&magic_set, bytes.data());
    return 1;
}

// Renames the user's RAROZ.SET to "RAROZ.SET.bad-<date>-<time>" (with "-2" and on when that
// name is taken). True with the new path in aside when it was moved; else why in aside.
bool Move_Aside(char *aside, size_t size)
{
    char path[GRAF_PATH_MAX];
    STU_GRAF_User_Path("RAROZ.SET", path, sizeof path);
    char stamp[32];
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) == nullptr || strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local) == 0)
        snprintf(stamp, sizeof stamp, "%lld", (long long)now);
    bool free_name = false;
    for (int n = 1; n <= 99 && !free_name; n++) {
        if (n == 1)
            snprintf(aside, size, "%s.bad-%s", path, stamp);
        else
            snprintf(aside, size, "%s.bad-%s-%d", path, stamp, n);
        struct stat info;
        free_name = stat(aside, &info) != 0;
    }
    if (!free_name) {
        snprintf(aside, size, "no free name");
        return false;
    }
    if (rename(path, aside) == 0) return true;
    snprintf(aside, size, "%s", strerror(errno));
    return false;
}

bool Set_Aside_Damaged_File(size_t size)
{
    char aside[GRAF_PATH_MAX + 64];
    if (Move_Aside(aside, sizeof aside)) {
        STU_LOG(SEV_WARN, LC_LOADSAVE,
                "RAROZ.SET is %zu bytes, not %d: moved aside to \"%s\"; the settings are back to their defaults", size,
                GAME_SETTINGS_SIZE, aside);
        return true;
    }
    STU_LOG(SEV_ERROR, LC_LOADSAVE,
            "RAROZ.SET is %zu bytes, not %d, and could not be moved aside (%s); the default settings are used and the "
            "file is left as it is",
            size, GAME_SETTINGS_SIZE, aside);
    return false;
}

// Names the parts of the record whose bytes differ between the file and the repaired record
// ("word 7, word 112, hall of fame"); empty when they are the same.
void Repaired_Parts(const uint8_t *file, const uint8_t *repaired, char *out, size_t size)
{
    out[0] = '\0';
    auto add = [&](const char *what, int n) {
        size_t used = strlen(out);
        snprintf(out + used, size - used, "%s%s", used > 0 ? ", " : "", what);
        used = strlen(out);
        if (n >= 0) snprintf(out + used, size - used, " %d", n);
    };
    for (int n = 0; n < 32; n++)
        if (memcmp(file + 2 * n, repaired + 2 * n, 2) != 0) add("word", n);
    for (int k = 0; k < 8; k++) {
        int at = 64 + k * SAVE_SLOT_NAME_SIZE;
        if (memcmp(file + at, repaired + at, SAVE_SLOT_NAME_SIZE) != 0) add("name of save slot", k + 1);
    }
    if (memcmp(file + 224, repaired + 224, 2) != 0) add("word", GS_MOVEMENT_ANIMATIONS);
    if (memcmp(file + 226, repaired + 226, GAME_SETTINGS_SIZE - 226) != 0) add("hall of fame", -1);
}

}  // namespace

uint16_t Game_Settings_Word(int n)
{
    if (n >= 0 && n < 32) return magic_set.words[n];
    if (n == GS_MOVEMENT_ANIMATIONS) return magic_set.movement_animations;
    return 0;
}

void Set_Game_Settings_Word(int n, uint16_t value)
{
    if (n >= 0 && n < 32) magic_set.words[n] = value;
    if (n == GS_MOVEMENT_ANIMATIONS) magic_set.movement_animations = value;
}

void Game_Settings_From_Bytes(Game_Settings *settings, const uint8_t *bytes)
{
    for (int i = 0; i < 32; i++) settings->words[i] = LE_U16(bytes + 2 * i);
    memcpy(settings->save_names, bytes + 64, sizeof settings->save_names);
    settings->movement_animations = LE_U16(bytes + 224);
    memcpy(settings->hall_names, bytes + 226, sizeof settings->hall_names);
    for (int i = 0; i < HALL_OF_FAME_ENTRIES; i++) {
        settings->hall_scores[i] = LE_U16(bytes + 426 + 2 * i);
        settings->hall_races[i] = LE_U16(bytes + 446 + 2 * i);
    }
    // Names are at most 19 characters and a terminator, whatever the file holds.
    for (auto &name : settings->save_names) Cut_Name(name, sizeof name);
    for (auto &name : settings->hall_names) Cut_Name(name, sizeof name);
}

void Game_Settings_To_Bytes(const Game_Settings *settings, uint8_t *bytes)
{
    for (int i = 0; i < 32; i++) LE_Put_U16(bytes + 2 * i, settings->words[i]);
    memcpy(bytes + 64, settings->save_names, sizeof settings->save_names);
    LE_Put_U16(bytes + 224, settings->movement_animations);
    memcpy(bytes + 226, settings->hall_names, sizeof settings->hall_names);
    for (int i = 0; i < HALL_OF_FAME_ENTRIES; i++) {
        LE_Put_U16(bytes + 426 + 2 * i, settings->hall_scores[i]);
        LE_Put_U16(bytes + 446 + 2 * i, settings->hall_races[i]);
    }
}

void Set_Default_Game_Settings(void)
{
    STU_LOG(SEV_INFO, LC_NEWGAME, "BEGIN: Set_Default_Game_Settings()");
    for (int i = 0; i <= 9; i++) magic_set.words[i] = 1;
    magic_set.words[10] = 0;
    for (int i = 11; i <= 17; i++) magic_set.words[i] = 1;
    magic_set.words[18] = 2;
    magic_set.words[19] = 1;
    magic_set.words[20] = 0;
    magic_set.words[21] = 4;
    magic_set.words[22] = 1;
    magic_set.words[23] = 1;
    for (int i = 24; i <= 31; i++) magic_set.words[i] = 0;
    magic_set.movement_animations = 1;
    Clear_Hall_Of_Fame(&magic_set);
}

int Write_MAGIC_SET_User(void)
{
    char path[GRAF_PATH_MAX];
    STU_GRAF_User_Path("RAROZ.SET", path, sizeof path);
    char folder[GRAF_PATH_MAX];
    if (STU_GRAF_User_Data_Dir(folder, sizeof folder)) STU_GRAF_Make_Path(folder);
    char reason[256];
    if (STU_GRAF_User_File_State("RAROZ.SET", reason, sizeof reason) == -1) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "\"%s\" exists but cannot be read (%s); it is not written over", path, reason);
        return 0;
    }
    uint8_t bytes[GAME_SETTINGS_SIZE];
    Game_Settings_To_Bytes(&magic_set, bytes);
    if (!STU_Write_File_Atomic(path, bytes, sizeof bytes)) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "could not write the game settings to \"%s\"", path);
        return 0;
    }
    return 1;
}

int Read_MAGIC_SET_User(void)
{
    char found[GRAF_PATH_MAX];
    if (STU_GRAF_User_DIR("RAROZ.SET", found) == 0) return 0;
    FILE *file = STU_GRAF_Open_User("RAROZ.SET", "rb");
    if (file == nullptr) return 0;
    int taken = Adopt_Stream(file, "the user folder's RAROZ.SET");
    fclose(file);
    return taken;
}

int Read_MAGIC_SET(void)
{
    FILE *file = stu_fopen_ci("RAROZ.SET", "rb");
    if (file == nullptr) return 0;
    int taken = Adopt_Stream(file, "RAROZ.SET of the current folder");
    fclose(file);
    return taken;
}

int Write_MAGIC_SET(void)
{
    uint8_t bytes[GAME_SETTINGS_SIZE];
    Game_Settings_To_Bytes(&magic_set, bytes);
    if (!STU_Write_File_Atomic("RAROZ.SET", bytes, sizeof bytes)) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE, "could not write the game settings to \"RAROZ.SET\" in the current folder");
        return 0;
    }
    return 1;
}

void Load_MAGIC_SET(void)
{
    bool loaded = false;
    bool write_back = true;
    std::vector<unsigned char> file_bytes;
    char reason[256];
    int state = STU_GRAF_User_File_State("RAROZ.SET", reason, sizeof reason);
    FILE *file = state == 1 ? STU_GRAF_Open_User("RAROZ.SET", "rb") : nullptr;
    if (state == -1) {
        STU_LOG(SEV_ERROR, LC_LOADSAVE,
                "RAROZ.SET exists but cannot be read (%s); the default settings are used and the file is left as it is",
                reason);
        write_back = false;
    }
    if (file != nullptr) {
        std::vector<unsigned char> bytes;
        bool read = STU_Read_Stream(file, bytes) != 0;
        fclose(file);
        if (!read) {
            // Unreadable is not the same as damaged: keep whatever is there.
            STU_LOG(SEV_ERROR, LC_LOADSAVE,
                    "could not read RAROZ.SET; the default settings are used and the file is left as it is");
            write_back = false;
        } else if (bytes.size() == GAME_SETTINGS_SIZE) {
            Game_Settings_From_Bytes(&magic_set, bytes.data());
            loaded = true;
            file_bytes = std::move(bytes);
        } else {
            // Any other length is replaced by the defaults, but the old file (slot names, hall of
            // fame) is kept aside under a name of its own first.
            write_back = Set_Aside_Damaged_File(bytes.size());
        }
    }
    if (!loaded) Set_Default_Game_Settings();
    if (magic_set.movement_animations != 0) magic_set.movement_animations = 1;
    if (magic_set.words[GS_RAZE_CITY] != 0) magic_set.words[GS_RAZE_CITY] = 1;
    if (magic_set.hall_scores[0] == 0) Clear_Hall_Of_Fame(&magic_set);
    if (loaded) {
        // A repair changes the user's file: the file as it was is kept aside first.
        uint8_t repaired[GAME_SETTINGS_SIZE];
        Game_Settings_To_Bytes(&magic_set, repaired);
        char parts[512];
        Repaired_Parts(file_bytes.data(), repaired, parts, sizeof parts);
        if (parts[0] != '\0') {
            char aside[GRAF_PATH_MAX + 64];
            if (Move_Aside(aside, sizeof aside)) {
                STU_LOG(SEV_WARN, LC_LOADSAVE,
                        "RAROZ.SET held values out of range, repaired: %s; moved aside to \"%s\"", parts, aside);
            } else {
                STU_LOG(SEV_ERROR, LC_LOADSAVE,
                        "RAROZ.SET held values out of range, repaired in memory: %s; it could not be moved aside (%s) "
                        "and is left as it is",
                        parts, aside);
                write_back = false;
            }
        }
    }
    if (write_back) Write_MAGIC_SET_User();
}
