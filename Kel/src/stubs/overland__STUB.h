// Stand-ins for the screens and globals that later modules own, so that every screen number
// leads somewhere and nothing hangs. Each owner deletes its stand-in when the real one lands.
#pragma once

#include <cstdint>

// ---- globals of other modules ----
extern int16_t _current_player_idx;
extern int16_t magic_master_idx;
extern int16_t g_conquest_winner_idx;
extern int16_t m_magic_winner_idx;
extern int16_t _given_chance_to_rename_home_city;
extern int16_t destroy_combat_city;
extern int16_t g_spellbook_last_left_page;
extern int16_t g_combat_spellbook_left_page;
extern int16_t g_first_research_page;

// ---- the continue path's pieces ----
// The game proper's resources; the stand-in installation carries only the front end's archives.
void Load_VEZ_Resources_Once__STUB(void);
void Loaded_Game_Update(void);

// ---- screens ----
int16_t Newgame_Control(void);
void Hall_Of_Fame_Screen(void);
void Load_Screen(void);
void Main_Screen(void);
void City_Screen(void);
void ArmyList_Screen(void);
void CityList_Screen(void);
void Magic_Screen(void);
void Road_Build_Screen(void);
void Production_Screen(void);
void Item_Screen(void);
void Next_Turn_Proc(void);
void Spellbook_Screen(void);
void Advisor_Screen(int16_t advisor);
void Diplomacy_Screen__WIP(void);
