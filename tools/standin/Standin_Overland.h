// Writers of the archives that the game proper reads when it is first entered (terrain, map
// overlays, the main screen's pictures) and that the shared graphics caches read.
#pragma once

#include <string>

void Write_TERRAIN_LBX(const std::string &folder);
void Write_MAPBACK_LBX(const std::string &folder);
void Write_MAIN_LBX(const std::string &folder);
void Write_BACKGRND_LBX(const std::string &folder);
void Write_UNITS_LBX(const std::string &folder);
void Write_ITEMS_LBX(const std::string &folder);
void Write_CITYSCAP_LBX(const std::string &folder);
void Write_UNITVIEW_LBX(const std::string &folder);
void Write_SPECIAL_LBX(const std::string &folder);
void Write_PORTRAIT_LBX(const std::string &folder);
void Write_FIGURES_LBX(const std::string &folder);
void Write_INTRO_LBX(const std::string &folder);
