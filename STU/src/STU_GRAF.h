// Where things live: the game-data search path, the per-user folders, the
// case-insensitive open, and seeding the user's writable copies from the installation.
#pragma once

#include <cstdio>

#include "STU_Compat.h"

constexpr int GRAF_PROFILE_PLAYER = 0;
constexpr int GRAF_PROFILE_WINDOWLESS = 1;
constexpr int GRAF_MAX_SEARCH_DIRS = 8;
constexpr int GRAF_PATH_MAX = 1024;

void STU_GRAF_Init(int profile);
void STU_GRAF_Reset(void);
void STU_GRAF_Add_Search_Dir(const char *folder);
int STU_GRAF_Search_Dir_Count(void);
const char *STU_GRAF_Search_Dir(int index);
void STU_GRAF_Set_Settings_Ini(const char *path);

FILE *STU_GRAF_Open_Asset(const char *name, const char *mode);

void STU_GRAF_Set_User_Data_Dir(const char *folder);
int STU_GRAF_User_Data_Dir(char *buffer, int size);
int STU_GRAF_User_Config_Dir(char *buffer, int size);
int STU_GRAF_User_Cache_Dir(char *buffer, int size);
int STU_GRAF_User_State_Dir(char *buffer, int size);
int STU_GRAF_Executable_Dir(char *buffer, int size);
int STU_GRAF_Make_Path(const char *folder);

FILE *STU_GRAF_Open_User(const char *name, const char *mode);
int STU_GRAF_User_DIR(const char *name, char *found_name);
long STU_GRAF_User_LOF(const char *name);
// Full path of a user file (user-data folder + name, or the bare name); 1 when a folder is known.
int STU_GRAF_User_Path(const char *name, char *buffer, int size);

// The user's copy of a file (any case): 1 when it opens for reading, 0 when there is none, -1 when
// it exists but cannot be read (why, in reason).
int STU_GRAF_User_File_State(const char *name, char *reason, int size);

// 1 when the user's copy is there or was copied from the installation; 0 when it could not be;
// STU_GRAF_SEED_UNREADABLE (logged) when the user's copy exists but cannot be read: it is left alone.
constexpr int STU_GRAF_SEED_UNREADABLE = -1;
int STU_GRAF_Seed_User_File(const char *name);
int STU_GRAF_Backup_And_Reseed_User_File(const char *name, const char *backup_name);

int STU_GRAF_Read_Game_Data_From_Ini(const char *path, char *buffer, int size);
const char *STU_GRAF_First_Game_Data_Dir(const char *const *list);

// Joins folder and name with one '/', cut to size - 1 characters.
void STU_GRAF_Join(char *out, int size, const char *folder, const char *name);
// The application folder name: "Tolva" or an accepted TOLVA_APP_DIR.
const char *STU_GRAF_App_Dir_Name(void);
