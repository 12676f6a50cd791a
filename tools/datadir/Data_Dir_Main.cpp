// tolva_data_dir: prints the folder tolva takes its game data from (the first folder of its
// search path that holds FONTS.LBX), found by the program's own settings-file choice and search
// path; exits 1, printing nothing, when there is none. run.sh asks it instead of searching itself.
#include <cstdio>

#include "STU_GRAF.h"
#include "Settings_Ini.h"

int main(void)
{
    STU_GRAF_Set_Settings_Ini(Settings_Ini_Find());
    STU_GRAF_Init(GRAF_PROFILE_PLAYER);
    for (int i = 0; i < STU_GRAF_Search_Dir_Count(); i++) {
        const char *folder[2] = {STU_GRAF_Search_Dir(i), nullptr};
        if (STU_GRAF_First_Game_Data_Dir(folder) != nullptr) {
            printf("%s\n", folder[0]);
            return 0;
        }
    }
    return 1;
}
