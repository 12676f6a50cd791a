#include "Settings_Ini.h"

#include <cstdlib>
#include <cstring>

#include "STU_GRAF.h"
#include "STU_INI.h"
#include "STU_Log.h"

const Settings_Schema g_settings_schema[SETTINGS_SCHEMA_ROWS] = {
    {"Paths", "game_data", "/home/you/Games/Velmora",
     "game_data: the folder with your Velmora files (FONTS.LBX and the other .LBX files).\n"
     "Only needed if Tolva didn't find them by itself.",
     1},
    {"Video", "startup_window", "fullscreen",
     "startup_window: how Tolva starts.  fullscreen | windowed  (default: fullscreen)\n"
     "  fullscreen  covers the whole screen, without changing its resolution.\n"
     "  windowed    a normal window you can move and resize.\n"
     "Alt+Enter switches between them while you play.",
     0},
    {"Video", "scale_mode", "integer",
     "scale_mode: how the picture is enlarged.  integer | fit_nearest | fit_sharp_bilinear  (default: integer)\n"
     "  integer             the sharpest: every pixel the same size, with black bars around the picture.\n"
     "  fit_nearest         as big as the screen allows, hard-edged pixels, some a little wider than others.\n"
     "  fit_sharp_bilinear  as big as the screen allows, every pixel the same size, edges very slightly soft.",
     0},
    {"Video", "aspect_ratio", "16:10",
     "aspect_ratio: the picture's shape.  16:10 | 4:3  (default: 16:10)\n"
     "  16:10  square pixels.\n"
     "  4:3    the shape it had on a 1994 monitor: each pixel a little taller than wide.",
     0},
};

const char *const g_settings_header =
    "Tolva settings.\n\nTo change a setting, remove the ; at the start of its line and edit the value.\n"
    "Tolva_example.ini, next to this file, shows every setting at its default.\n"
    "A setting Tolva doesn't understand is ignored, and the default is used.\n\n"
    "When a new version of Tolva adds settings, they are added to this file, commented out,\n"
    "and a copy of the file as it was is kept as Tolva_backup_<date and time>.ini.";

const char *const g_settings_example_header =
    "Tolva_example.ini: every Tolva setting at its default.\n\n"
    "Tolva never reads this file, and replaces it with each new version.\n"
    "Your settings are in Tolva.ini, next to this file.  To change one, edit it there.";

Settings_Ini_Location g_settings_program;
Settings_Ini_Location g_settings_config;

namespace {

int m_program_from_env = 0;
int m_config_created = 0;
int m_config_create_failed = 0;
const char *m_chosen = nullptr;

void Clear_Location(Settings_Ini_Location *location) { memset(location, 0, sizeof *location); }

void Update_Location(Settings_Ini_Location *location)
{
    location->add_result =
        STU_INI_Add_Missing(location->path, g_settings_schema, SETTINGS_SCHEMA_ROWS, location->backup_path,
                            sizeof location->backup_path, &location->added_count);
    const char *slash = strrchr(location->path, '/');
    size_t folder_length = slash ? (size_t)(slash - location->path) + 1 : 0;
    snprintf(location->example_path, sizeof location->example_path, "%.*sTolva_example.ini", (int)folder_length,
             location->path);
    char *example =
        STU_INI_Compose(g_settings_example_header, g_settings_schema, SETTINGS_SCHEMA_ROWS, 0, STU_INI_Native_Eol());
    location->example_result = example ? STU_INI_Write_If_Different(location->example_path, example) : -1;
    free(example);
}

void Log_Location_Results(const Settings_Ini_Location *location)
{
    if (location->add_result == 1)
        STU_LOG(SEV_INFO, LC_TOLVA, "settings: added %d new setting(s) to %s, commented out; the file as it was is %s",
                location->added_count, location->path, location->backup_path);
    else if (location->add_result == -1)
        STU_LOG(SEV_WARN, LC_TOLVA,
                "settings: could not add the new settings to %s (could not read it, back it up, or write it); it is "
                "unchanged",
                location->path);
    if (location->example_result == 1)
        STU_LOG(SEV_INFO, LC_TOLVA, "settings: wrote %s", location->example_path);
    else if (location->example_result == -1)
        STU_LOG(SEV_WARN, LC_TOLVA, "settings: could not write %s", location->example_path);
}

// The two locations, their paths and whether their files exist; nothing is written.
void Find_Locations(char *config_folder, int config_folder_size)
{
    Clear_Location(&g_settings_program);
    Clear_Location(&g_settings_config);
    m_program_from_env = 0;
    m_config_created = 0;
    m_config_create_failed = 0;
    m_chosen = nullptr;

    char folder[GRAF_PATH_MAX];
    const char *env_program = getenv("TOLVA_PROGRAM_DIR");
    bool have_program = false;
    if (env_program != nullptr && env_program[0] != '\0') {
        size_t length = strlen(env_program);
        bool ends = env_program[length - 1] == '/' || env_program[length - 1] == '\\';
        snprintf(folder, sizeof folder, "%s%s", env_program, ends ? "" : "/");
        m_program_from_env = 1;
        have_program = true;
    } else {
        have_program = STU_GRAF_Executable_Dir(folder, sizeof folder) == 1;
    }
    if (have_program) {
        STU_GRAF_Join(g_settings_program.path, sizeof g_settings_program.path, folder, "Tolva.ini");
        g_settings_program.exists = STU_INI_File_Exists(g_settings_program.path);
    }

    config_folder[0] = '\0';
    if (STU_GRAF_User_Config_Dir(config_folder, config_folder_size)) {
        STU_GRAF_Join(g_settings_config.path, sizeof g_settings_config.path, config_folder, "Tolva.ini");
        if (strcmp(g_settings_config.path, g_settings_program.path) == 0)
            Clear_Location(&g_settings_config);
        else
            g_settings_config.exists = STU_INI_File_Exists(g_settings_config.path);
    }
}

const char *Choose_Location(void)
{
    if (g_settings_program.exists)
        m_chosen = g_settings_program.path;
    else if (g_settings_config.exists)
        m_chosen = g_settings_config.path;
    else
        m_chosen = nullptr;
    return m_chosen;
}

}  // namespace

const char *Settings_Ini_Find(void)
{
    char config_folder[GRAF_PATH_MAX];
    Find_Locations(config_folder, sizeof config_folder);
    return Choose_Location();
}

const char *Settings_Ini_Startup(void)
{
    char config_folder[GRAF_PATH_MAX];
    Find_Locations(config_folder, sizeof config_folder);

    if (!g_settings_program.exists && !g_settings_config.exists && g_settings_config.path[0] != '\0') {
        char *text = STU_INI_Compose(g_settings_header, g_settings_schema, SETTINGS_SCHEMA_ROWS, 1, "\n");
        STU_GRAF_Make_Path(config_folder);
        if (text != nullptr && STU_INI_Write_If_Different(g_settings_config.path, text) == 1) {
            g_settings_config.exists = 1;
            m_config_created = 1;
        } else {
            m_config_create_failed = 1;
        }
        free(text);
    }

    if (g_settings_program.exists) Update_Location(&g_settings_program);
    if (g_settings_config.exists) Update_Location(&g_settings_config);
    return Choose_Location();
}

const char *Settings_Ini_Path(void) { return m_chosen; }

void Settings_Ini_Log(void)
{
    if (m_chosen == nullptr) {
        STU_LOG(SEV_WARN, LC_TOLVA,
                "settings: no Tolva.ini (looked for %s and %s, and could not create the second) -- using the defaults",
                g_settings_program.path[0] ? g_settings_program.path : "(program folder unknown)",
                g_settings_config.path[0] ? g_settings_config.path : "(config folder unknown)");
    } else if (m_chosen == g_settings_program.path) {
        STU_LOG(SEV_INFO, LC_TOLVA, "settings: using %s (%s)", g_settings_program.path,
                m_program_from_env ? "next to the program, TOLVA_PROGRAM_DIR" : "next to the program");
        if (g_settings_config.exists)
            STU_LOG(SEV_INFO, LC_TOLVA, "settings: %s is not used while %s exists", g_settings_config.path,
                    g_settings_program.path);
    } else if (m_config_created) {
        STU_LOG(SEV_INFO, LC_TOLVA, "settings: using %s (config folder; created, every setting at its default)",
                g_settings_config.path);
    } else {
        STU_LOG(SEV_INFO, LC_TOLVA, "settings: using %s (config folder; there is no %s)", g_settings_config.path,
                g_settings_program.path[0] ? g_settings_program.path : "Tolva.ini next to the program");
    }
    if (g_settings_program.exists) Log_Location_Results(&g_settings_program);
    if (g_settings_config.exists) Log_Location_Results(&g_settings_config);
}
