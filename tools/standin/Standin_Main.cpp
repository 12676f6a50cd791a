// tolva_standin FOLDER: writes the stand-in installation into FOLDER (created if needed).
#include <sys/stat.h>

#include <cstdio>

#include "STU_GRAF.h"
#include "Standin.h"
#include "Standin_Overland.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: tolva_standin FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    STU_GRAF_Make_Path(folder.c_str());
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) Standin_Fail("cannot create " + folder);

    // One line per archive or user file.
    Write_FONTS_LBX(folder);
    Write_MAINSCRN_LBX(folder);
    Write_WIZARDS_LBX(folder);
    Write_SPELLDAT_LBX(folder);
    Write_DESC_LBX(folder);
    Write_BOOK_LBX(folder);
    Write_SPECFX_LBX(folder);
    Write_BUILDDAT_LBX(folder);
    Write_TERRSTAT_LBX(folder);
    Write_TERRTYPE_LBX(folder);
    Write_CITYNAME_LBX(folder);
    Write_CONFIG_KEL(folder);
    Write_SOUNDFX_LBX(folder);
    Write_MUSIC_LBX(folder);
    Write_VORTEX_LBX(folder);
    Write_LOAD_LBX(folder);
    Write_RESOURCE_LBX(folder);
    Write_HELP_LBX(folder);
    Write_HLPENTRY_LBX(folder);
    Write_LISTDAT_LBX(folder);
    Write_BUILDESC_LBX(folder);
    Write_EVENTS_LBX(folder);
    Write_EVENTMSG_LBX(folder);
    Write_MESSAGE_LBX(folder);
    Write_RELOAD_LBX(folder);
    Write_ARMYLIST_LBX(folder);
    Write_HIRE_LBX(folder);
    Write_ITEMPOW_LBX(folder);
    Write_ITEMDATA_LBX(folder);
    Write_NAMES_LBX(folder);
    Write_RAROZ_LBX(folder);
    Write_LILWIZ_LBX(folder);
    Write_SPELLSCR_LBX(folder);
    Write_HALOFAM_LBX(folder);
    Write_WIZLAB_LBX(folder);
    Write_CONQUEST_LBX(folder);
    Write_LOSE_LBX(folder);
    Write_WIN_LBX(folder);
    Write_SPLMASTR_LBX(folder);
    Write_SPELLOSE_LBX(folder);
    Write_CMBTFX_LBX(folder);
    Write_MONSTER_LBX(folder);
    Write_SCROLL_LBX(folder);
    Write_COMPIX_LBX(folder);
    Write_CMBMAGIC_LBX(folder);
    Write_CMBTCITY_LBX(folder);
    Write_CHRIVER_LBX(folder);
    Write_CITYWALL_LBX(folder);
    Write_Combat_Terrain_LBX(folder);
    Write_Combat_Sounds_LBX(folder);
    Write_DIPLOMSG_LBX(folder);
    Write_DIPLOMAC_LBX(folder);
    Write_TERRAIN_LBX(folder);
    Write_MAPBACK_LBX(folder);
    Write_MAIN_LBX(folder);
    Write_BACKGRND_LBX(folder);
    Write_UNITS_LBX(folder);
    Write_ITEMS_LBX(folder);
    Write_CITYSCAP_LBX(folder);
    Write_UNITVIEW_LBX(folder);
    Write_SPECIAL_LBX(folder);
    Write_PORTRAIT_LBX(folder);
    Write_FIGURES_LBX(folder);
    Write_INTRO_LBX(folder);
    Write_NEWGAME_LBX(folder);
    Write_Saved_Games(folder);
    return 0;
}
