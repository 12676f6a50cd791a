#include <cstdio>
#include <cstring>
#include <ctime>

#include "Dialog_Boxes.h"
#include "EMM.h"
#include "Expanding_Box.h"
#include "GENDRAW.h"
#include "Game_Services.h"
#include "Init_Drivers.h"
#include "Input.h"
#include "LBX_Load.h"
#include "Palette.h"
#include "Platform.h"
#include "Release.h"
#include "STU_Compat.h"
#include "STU_GRAF.h"
#include "STU_Log.h"
#include "Tolva.h"
#include "Video.h"
#include "overland/Game_Resources.h"
#include "shell/Screen_Control.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"
#include "world/LOADER.h"
#include "world/Player_Record.h"

uint16_t config_kel[10];

namespace {

const char *const m_indispensable[] = {"FONTS.LBX", "MAINSCRN.LBX", "WIZARDS.LBX", "SPELLDAT.LBX"};

// Archives that start-up loads before the main menu besides the indispensable ones: without
// them the run would end later in a fatal load error, so they are reported the same way.
const char *const m_before_main_menu[] = {"VORTEX.LBX", "TERRSTAT.LBX", "MUSIC.LBX"};

const char *const m_user_files[11] = {"CONFIG.KEL", "RAROZ.SET", "SAVE1.GAM", "SAVE2.GAM", "SAVE3.GAM", "SAVE4.GAM",
                                      "SAVE5.GAM",  "SAVE6.GAM", "SAVE7.GAM", "SAVE8.GAM", "SAVE9.GAM"};

bool Asset_Opens(const char *name)
{
    FILE *file = STU_GRAF_Open_Asset(name, "rb");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

int Driver_Number(uint16_t code)
{
    switch (code) {
    case 0: return 0;
    case 1: return 1;
    case 16: return 2;
    case 18: return 3;
    case 24: return 4;
    case 25: return 6;
    case 32: return 5;
    case 33: return 7;
    case 34: return 8;
    case 48:
    case 56: return 10;
    case 49: return 9;
    default: return 0;
    }
}

bool Driver_Known(uint16_t code) { return code == 0 || Driver_Number(code) != 0; }

}  // namespace

int Tolva_Preflight_Game_Data(void)
{
    char missing[512] = "";
    auto add_missing = [&missing](const char *name) {
        if (missing[0] != '\0') strncat(missing, ", ", sizeof missing - strlen(missing) - 1);
        strncat(missing, name, sizeof missing - strlen(missing) - 1);
    };
    for (const char *name : m_indispensable)
        if (!Asset_Opens(name)) add_missing(name);
    for (const char *name : m_before_main_menu)
        if (!Asset_Opens(name)) add_missing(name);
    if (missing[0] == '\0') return 0;

    STU_LOG(SEV_ERROR, LC_GENERAL, "Preflight: missing game data: %s", missing);
    char text[768];
    snprintf(text, sizeof text,
             "Tolva could not find your Velmora game data.\n\nMissing: %s\n\nCopy every .LBX file from your original\n"
             "Velmora v1.31 installation into the same folder as\nthe Tolva executable (or set the TOLVA_DATA_DIR "
             "environment\nvariable to point at them).\n\nSee PLAYING.md for details.",
             missing);
    Platform_Show_Error("Tolva - Missing Game Data", text);
    return 1;
}

void Tolva_Seed_User_Files(void)
{
    char unreadable[256] = "";
    for (const char *name : m_user_files) {
        if (STU_GRAF_Seed_User_File(name) != STU_GRAF_SEED_UNREADABLE) continue;
        size_t used = strlen(unreadable);
        snprintf(unreadable + used, sizeof unreadable - used, "%s%s", used > 0 ? ", " : "", name);
    }
    if (unreadable[0] == '\0') return;
    char folder[GRAF_PATH_MAX] = "";
    STU_GRAF_User_Data_Dir(folder, sizeof folder);
    char text[GRAF_PATH_MAX + 512];
    snprintf(text, sizeof text,
             "These files in your Tolva data folder exist but cannot be read:\n\n%s\n\nin '%s'.\n\nThey are left "
             "as they are, and the game goes on without them.\nCheck their permissions (see the log for details).",
             unreadable, folder);
    Platform_Show_Error("Tolva - Unreadable Files", text);
}

void Tolva_Reseed_User_Files(void)
{
    char backup[64];
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local) == nullptr || strftime(backup, sizeof backup, "backup-%Y%m%d-%H%M%S", &local) == 0)
        snprintf(backup, sizeof backup, "backup");
    int count = 0;
    for (const char *name : m_user_files)
        if (STU_GRAF_Backup_And_Reseed_User_File(name, backup)) count++;
    STU_LOG(SEV_INFO, LC_GENERAL, "--orig-files: re-copied %d file(s) from originals (prior copies backed up to %s/)",
            count, backup);
    fprintf(stderr,
            "Tolva: --orig-files re-copied %d file(s) from your original Velmora\n       data; any existing copies "
            "were backed up to '%s/' in your Tolva\n       data folder.\n",
            count, backup);
}

void Tolva_Check_Data_Compat(void)
{
    Compat_Result result;
    STU_GRAF_Check_Data_Compat(&result);
    if (!result.manifest_present || result.problems == 0) return;
    STU_LOG(SEV_WARN, LC_GENERAL, "Data compatibility: %d file(s) flagged: %s", result.problems, result.flagged);
    char text[1024];
    snprintf(text, sizeof text,
             "Tolva is built for Velmora v1.31, but some of your game\ndata files don't match a recognized v1.31 "
             "distribution:\n\n%s\n\nThe game will still start, but may behave unexpectedly.\nSee PLAYING.md for the "
             "supported versions.",
             result.flagged);
    Platform_Show_Error("Tolva - Data Compatibility", text);
}

void Read_CONFIG_KEL(void)
{
    memset(config_kel, 0, sizeof config_kel);
    FILE *config = STU_GRAF_Open_User("CONFIG.KEL", "rb");
    if (config == nullptr) return;
    // A short file fills what it holds, an odd last byte included; the rest stays zero.
    uint8_t bytes[18] = {};
    size_t got = fread(bytes, 1, sizeof bytes, config);
    fclose(config);
    for (size_t i = 0; i < got; i += 2) config_kel[i / 2] = (uint16_t)(bytes[i] | (bytes[i + 1] << 8));

    // A damaged file is still taken as it is; what the start-up makes of it is said here.
    if (got < sizeof bytes)
        STU_LOG(SEV_INFO, LC_GENERAL, "CONFIG.KEL holds %zu of its %zu bytes; the missing words are taken as 0", got,
                sizeof bytes);
    const struct {
        int word;
        const char *what;
    } drivers[] = {{1, "MIDI"}, {4, "digital sound"}};
    for (const auto &driver : drivers) {
        uint16_t code = config_kel[driver.word];
        if (Driver_Known(code)) continue;
        STU_LOG(SEV_INFO, LC_GENERAL,
                "CONFIG.KEL: the %s driver code (word %d) is %u, not one the game knows; driver 0 is used instead",
                driver.what, driver.word, (unsigned)code);
    }
}

void Tolva_Init_Engine(void)
{
    EMM_Pages_Reserved = 158;

    Read_CONFIG_KEL();
    Load_MAGIC_SET();

    int midi_driver = Driver_Number(config_kel[1]);
    (void)Driver_Number(config_kel[4]);
    if (midi_driver == 9) {
        Mark_Time();
        Release_Time(2);
    }

    if (magic_set.words[GS_SOUND_CONFIG_A] > 2) magic_set.words[GS_SOUND_CONFIG_A] = 0;
    magic_set.words[GS_SOUND_CONFIG_B] = 1;

    bool rewrite = false;
    for (int slot = 1; slot <= 8; slot++) {
        uint16_t &mark = magic_set.words[GS_SLOT_MARK_FIRST + slot - 1];
        if (mark == 0) continue;
        char name[16], found[64];
        snprintf(name, sizeof name, "SAVE%d.GAM", slot);
        // A saved game that is there but cannot be read keeps its mark and name.
        if (STU_GRAF_User_DIR(name, found) != 0 || STU_GRAF_User_File_State(name, nullptr, 0) == -1) continue;
        mark = 0;
        memset(magic_set.save_names[slot - 1], 0, SAVE_SLOT_NAME_SIZE);
        rewrite = true;
    }
    if (rewrite) Write_MAGIC_SET_User();

    EMM_Set_Minimum(2700);
    RAM_Set_Minimum(583);

    magic_set.words[GS_SOUND_CONFIG_B] = 1;
    magic_set.words[GS_SOUND_CONFIG_A] = 2;
    Init_Drivers((int16_t)magic_set.words[GS_SOUND_CONFIG_B], (int16_t)magic_set.words[GS_SOUND_CONFIG_A], "FONTS.LBX");

    Release_Version();
    Allocate_Data_Space(6100);
    Install_Game_Services();
    // The engine's boxes read the human's books by realm, the front-end flag and the
    // "Expanding Help" word through these.
    const uint8_t *human_record = reinterpret_cast<const uint8_t *>(&_players[0]);
    Dialog_Boxes_Register_Game_Data(human_record + offsetof(Player_Record, spellranks), &g_magic_exe_context);
    Expanding_Box_Register_Setting(&magic_set.words[GS_EXPANDING_HELP]);
    Enable_Cancel();

    Load_Palette(0, -1, 0);
    Apply_Palette();

    Load_DOD_Resources();
    Load_TERRSTAT();
    Load_SPELLDAT();
}
