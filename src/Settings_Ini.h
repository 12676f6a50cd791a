// Tolva.ini: found or created at the very start of the process, completed with settings it
// lacks, and its companion Tolva_example.ini kept up to date.
#pragma once

#include <cstdint>

#include "STU_INI.h"

constexpr int SETTINGS_SCHEMA_ROWS = 4;
extern const Settings_Schema g_settings_schema[SETTINGS_SCHEMA_ROWS];
extern const char *const g_settings_header;
extern const char *const g_settings_example_header;

struct Settings_Ini_Location {
    char path[1024];
    int32_t exists;
    int32_t add_result;
    int32_t added_count;
    char backup_path[1024];
    char example_path[1024];
    int32_t example_result;
};

extern Settings_Ini_Location g_settings_program;
extern Settings_Ini_Location g_settings_config;

// Runs before the log is open; its messages wait for Settings_Ini_Log.
const char *Settings_Ini_Startup(void);
const char *Settings_Ini_Path(void);
// The file Settings_Ini_Startup would choose among those that exist now, without creating or
// changing any; for tools that must see what the program sees.
const char *Settings_Ini_Find(void);
void Settings_Ini_Log(void);
