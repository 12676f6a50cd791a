// A spell's picture played over a map square, with its sound and the closing sound.
#include "Allocate.h"
#include "Animation.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "LBX_Load.h"
#include "LBX_Pictures.h"
#include "Pictures.h"
#include "SOUND.h"
#include "Video.h"
#include "magic/Spell_Animations.h"
#include "magic/Spell_Casting_Screen.h"
#include "overland/Stack_Selection.h"
#include "shell/Main_Screen_Draw.h"
#include "shell/Map_Window.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/ALLOC.h"
#include "world/Game_Settings.h"

namespace {

constexpr uint16_t RESERVED_PARAGRAPHS = 1010;
constexpr int16_t CLOSING_SOUND = 106;
constexpr int16_t PICTURE_FROM_PASS = 3;
constexpr int16_t TAIL_TICKS = 5;

uint8_t *spell_animation_seg = nullptr;
uint8_t *SND_SpellCast = nullptr;
int32_t SND_SpellCast_size = -1;

int16_t Frame_Count(const uint8_t *picture)
{
    return picture != nullptr ? (int16_t)(picture[FLIC_FRAME_COUNT] | (picture[FLIC_FRAME_COUNT + 1] << 8)) : 0;
}

}  // namespace

int16_t Spell_Animation_Load_Graphics(int16_t spell_idx)
{
    const Spell_Picture_Source source = Spell_Animation_Picture(spell_idx);
    Allocate_First_Block(_screen_seg, RESERVED_PARAGRAPHS);
    spell_animation_seg = LBX_Reload_Next_Picture(source.archive, source.entry, _screen_seg);
    return source.large;
}

void Spell_Animation_Load_Sound_Effect__WIP(int16_t spell_idx)
{
    SND_SpellCast = nullptr;
    SND_SpellCast_size = -1;
    if (Game_Settings_Word(GS_SOUND_EFFECTS) == 0) return;
    const char *archive = nullptr;
    const int16_t entry = Spell_Sound_Source(spell_idx, &archive);
    if (entry < 0) return;
    SND_SpellCast = LBX_Reload_Next(archive, entry, _screen_seg);
    SND_SpellCast_size = SND_SpellCast != nullptr ? (int32_t)lbxload_entry_length : -1;
}

void Spell_Animation_Screen__WIP(int16_t wx, int16_t wy, int16_t wp)
{
    uint8_t *closing = LBX_Reload_Next("SOUNDFX", CLOSING_SOUND, _screen_seg);
    const uint32_t closing_size = lbxload_entry_length;
    const int16_t passes = Spell_Square_Scene_Passes(Frame_Count(spell_animation_seg));
    const int16_t saved_x = _map_x, saved_y = _map_y, saved_plane = _map_plane;
    Bring_Square_Into_View(&_map_x, &_map_y, wx, wy, wp);
    _map_plane = wp;
    _prev_world_x = _map_x;
    _prev_world_y = _map_y;
    Reset_Map_Draw();
    int16_t sx = wx, sy = wy;
    World_To_Screen(_map_x, _map_y, &sx, &sy);
    if (SND_SpellCast != nullptr && SND_SpellCast_size > 0) Play_Sound(SND_SpellCast, (uint32_t)SND_SpellCast_size);
    Clear_Fields();
    int frames = 0;
    for (int16_t pass = 0; pass < passes; pass++) {
        Mark_Time();
        Main_Screen_Draw();
        if (pass >= PICTURE_FROM_PASS && spell_animation_seg != nullptr) {
            Clipped_Draw((int16_t)(sx - 20), (int16_t)(sy - 18), spell_animation_seg);
        }
        PageFlip_FX();
        Release_Time(2);
        if (quit_game_flag || Unattended_Frame_Done(&frames)) break;
    }
    Mark_Time();
    Release_Time(TAIL_TICKS);
    if (closing != nullptr) Play_Sound(closing, closing_size);
    _map_x = saved_x;
    _map_y = saved_y;
    _map_plane = saved_plane;
    _prev_world_x = _map_x;
    _prev_world_y = _map_y;
    Reset_Map_Draw();
}
