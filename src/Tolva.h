// Process entry: start-up in its fixed order, the option loop, the game's main function,
// and shutdown.
#pragma once

#include <cstdint>
#include <cstdio>

extern char tolva_load_file[260];
extern int32_t tolva_load_flag;
extern int32_t continue_flag;
extern const char *g_tst_patch_scenario;
extern const char *g_load_save_gam_name_override;
extern uint16_t config_kel[10];

int Tolva_Main(int argc, char **argv);
int KEL_main(int argc, char **argv);
void Field_Log_Callback(FILE *stream, int x, int y);

// Start-up steps of Tolva_Init.cpp.
void Tolva_Init_Engine(void);
// The first 18 bytes of CONFIG.KEL in the user folder as nine little-endian words; no file: zeros.
void Read_CONFIG_KEL(void);
int Tolva_Preflight_Game_Data(void);
void Tolva_Seed_User_Files(void);
void Tolva_Reseed_User_Files(void);
void Tolva_Check_Data_Compat(void);
// The [Paths] save_dir of the settings file: 1 and the folder when set; a relative one is taken
// relative to the settings file's folder.
int Tolva_Save_Dir_From_Ini(const char *settings, char *out, int size);
// 1 when this run was asked to be headless (--headless or --offscreen).
int Tolva_Headless(void);
