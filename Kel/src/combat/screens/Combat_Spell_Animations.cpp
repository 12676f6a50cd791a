#include "combat/screens/Combat_Spell_Animations.h"

#include <cstdlib>

#include "Dialog_Boxes.h"
#include "Fields.h"
#include "GENDRAW.h"
#include "Input.h"
#include "Mouse.h"
#include "Palette.h"
#include "Video.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Map_Generation.h"
#include "combat/Combat_Raise_Summon.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Combat_Tables.h"
#include "combat/Magic_Vortex.h"
#include "combat/screens/Combat_Screen.h"
#include "random.h"
#include "shell/Screen_Control.h"
#include "shell/Screen_Loop.h"
#include "world/Game_Settings.h"
#include "world/Spell_Data_Record.h"

namespace {

// The spells' own pictures come with the overland spell scenes; until then each effect is drawn as a
// marker in its realm's colour, so that what happens where stays visible.
constexpr int16_t INSTANT_FRAMES = 8;
constexpr int16_t MARKER_SIZE = 10;
constexpr uint8_t REALM_COLOURS[6] = {121, 171, 201, 15, 1, 198};
constexpr uint8_t CHAOS_COLOURS[NUM_CALL_CHAOS_EFFECTS] = {24, 121, 201, 202, 203, 204, 205, 1};
constexpr int16_t GRID_BOTTOM = 168;
constexpr int16_t CURSOR_PLAIN = 3;
constexpr int16_t CURSOR_TARGET = 7;

bool Showing(void) { return Window_Shown() != 0; }

void Draw_Battle(void)
{
    Set_Page_Off();
    Combat_Screen_Draw();
}

void Show(int16_t ticks)
{
    Toggle_Pages();
    if (ticks > 0) Release_Time(ticks);
}

void Cell_Centre(int16_t x, int16_t y, int16_t *sx, int16_t *sy) { Combat_Grid_Screen_Coordinates(x, y, 4, 4, sx, sy); }

uint8_t Spell_Colour(int16_t spell)
{
    const int realm = spell >= 0 && spell < NUM_SPELLS ? spell_data_table[spell].magic_realm : 5;
    return REALM_COLOURS[realm >= 0 && realm < 6 ? realm : 5];
}

void Marker(int16_t x, int16_t y, int16_t size, uint8_t colour)
{
    const int16_t x2 = (int16_t)(x + size - 1);
    const int16_t y2 = (int16_t)(y + size - 1);
    if (x < 0 || y < 0 || x2 > 319 || y2 > 199) return;
    Fill(x, y, x2, y2, colour);
}

void Flash(int16_t spell)
{
    static constexpr int16_t COLOURS[6][3] = {{0, 63, 0},   {0, 0, 63}, {63, 0, 0},
                                              {63, 63, 63}, {0, 0, 0},  {63, 63, 63}};
    const int realm = spell >= 0 && spell < NUM_SPELLS ? spell_data_table[spell].magic_realm : 5;
    const int16_t *c = COLOURS[realm >= 0 && realm < 6 ? realm : 5];
    Draw_Battle();
    Show(0);
    Set_Palette_Changes(0, 255);
    for (int16_t percent = 0; percent <= 38; percent = (int16_t)(percent + 2)) Tint_Palette(percent, c[0], c[1], c[2]);
    for (int16_t percent = 40; percent >= 0; percent = (int16_t)(percent - 2)) Tint_Palette(percent, c[0], c[1], c[2]);
}

// Frames 0 to frames + 3 with the units' markers staggered by their delays; apply at the middle.
void Staggered(const int16_t *delays, const uint8_t *colours, int16_t dx, int16_t dy, void (*apply)(void))
{
    const int16_t last = INSTANT_FRAMES + 3;
    for (int16_t frame = 0; frame <= last; frame++) {
        Mark_Time();
        if (frame == (INSTANT_FRAMES + 4) / 2) apply();
        Draw_Battle();
        for (int i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) {
            const int16_t shown = (int16_t)(frame - delays[i]);
            if (delays[i] < 0 || shown < 0 || shown >= INSTANT_FRAMES) continue;
            int16_t sx = 0, sy = 0;
            Cell_Centre(battle_units[i].Grid_X, battle_units[i].Grid_Y, &sx, &sy);
            Marker((int16_t)(sx + dx + 14), (int16_t)(sy + dy + 21 - shown), (int16_t)(MARKER_SIZE - shown / 2),
                   colours[i]);
        }
        Show(2);
    }
}

void Hook_Battlefield_Instant(int16_t spell, int16_t caster, const int16_t *delays, void (*apply)(void))
{
    if (!Showing()) {
        apply();
        return;
    }
    uint8_t colours[MAX_BATTLE_UNITS];
    for (uint8_t &c : colours) c = Spell_Colour(spell);
    Staggered(delays, colours, -14, -21, apply);
    Draw_Battle();
    Show(0);
}

void Hook_Call_Chaos(int16_t caster, const int16_t *delays, const int16_t *effects, void (*apply)(void))
{
    if (!Showing()) {
        apply();
        return;
    }
    uint8_t colours[MAX_BATTLE_UNITS];
    for (int i = 0; i < MAX_BATTLE_UNITS; i++) {
        const int16_t e = effects[i];
        colours[i] = CHAOS_COLOURS[e >= 0 && e < NUM_CALL_CHAOS_EFFECTS ? e : 0];
    }
    Staggered(delays, colours, -14, -27, apply);
    Draw_Battle();
    Show(0);
}

void Hook_Wrack(const int16_t *listed, int16_t count, void (*apply)(void))
{
    if (!Showing()) {
        apply();
        return;
    }
    const int16_t last = (int16_t)(INSTANT_FRAMES + count - 1);
    for (int16_t frame = 0; frame <= last; frame++) {
        Mark_Time();
        if (frame == (INSTANT_FRAMES + count) / 2) apply();
        Draw_Battle();
        for (int16_t n = 0; n < count; n++) {
            if (frame < n || frame > n + INSTANT_FRAMES) continue;
            int16_t sx = 0, sy = 0;
            Cell_Centre(battle_units[listed[n]].Grid_X, battle_units[listed[n]].Grid_Y, &sx, &sy);
            Marker((int16_t)(sx - 4), (int16_t)(sy - 10 - (frame - n)), 6, REALM_COLOURS[REALM_DEATH]);
        }
        Show(2);
    }
    if (count == 0) apply();
}

void Hook_Spell_Animation(int16_t x, int16_t y, int16_t spell, int16_t player, int16_t caster)
{
    if (!Showing() || spell < 0 || spell >= NUM_SPELLS) return;
    const uint8_t type = spell_data_table[spell].type;
    if (type == 10 || type == 21 || type == 19 || spell == SPELL_RAISE_DEAD || spell == SPELL_ANIMATE_DEAD) {
        Flash(spell);
        return;
    }
    switch (spell) {
    case 13:
    case SPELL_DOOM_BOLT:
    case 96:
    case SPELL_FIREBALL: Combat_Spell_Animation_Bolt(x, y, spell, caster); break;
    case SPELL_WARP_LIGHTNING: Animate_Lightning_Bolt(x, y, caster); break;
    case SPELL_CRACKS_CALL: Animate_Cracks_Call(x, y, caster); break;
    default: Combat_Spell_Animation_Default(x, y, 0, caster, spell); break;
    }
}

void Hook_Lightning(int16_t x, int16_t y, int16_t caster)
{
    if (Showing()) Animate_Lightning_Bolt(x, y, caster);
}

void Hook_Pause(int16_t ticks)
{
    if (!Showing()) return;
    Mark_Time();
    Release_Time(ticks);
}

void Hook_Wall_Rise(int16_t kind, int16_t spell, int16_t caster)
{
    if (!Showing()) return;
    const int16_t frames = kind == 1 ? 8 : 10;
    for (_wall_rise_frame = 0; _wall_rise_frame < frames; _wall_rise_frame++) {
        Draw_Battle();
        Show(0);
    }
}

void Hook_Summon_Appearance(int16_t idx, int16_t x, int16_t y, int16_t spell, int16_t caster)
{
    if (!Showing()) return;
    int16_t sx = 0, sy = 0;
    Cell_Centre(x, y, &sx, &sy);
    const int16_t ox = (int16_t)(sx - 13);
    const int16_t oy = (int16_t)(sy - 27);
    for (int16_t i = 0; i < 16; i++) {
        Mark_Time();
        if (i == 14) battle_units[idx].Status = bus_Fighting;
        Draw_Battle();
        if (i >= 7 && i <= 13) Marker((int16_t)(ox + 13), (int16_t)(oy - 3 * i + 39 + 20), 8, Spell_Colour(spell));
        Show(2);
    }
    Draw_Battle();
    Show(0);
}

void Hook_Instant_Move(Battle_Unit_Record *bu, int16_t x, int16_t y, int16_t tunnel)
{
    if (!Showing()) return;
    const int16_t step = magic_set.movement_animations ? 20 : 50;
    int16_t old_x = 0, old_y = 0, new_x = 0, new_y = 0;
    Cell_Centre(bu->Grid_X, bu->Grid_Y, &old_x, &old_y);
    Cell_Centre(x, y, &new_x, &new_y);
    for (int16_t h = 150; h >= 0; h = (int16_t)(h - step)) {
        Mark_Time();
        Draw_Battle();
        const int16_t size = tunnel ? 6 : 8;
        if (h > 50) Marker((int16_t)(old_x - 4), (int16_t)(old_y - 12 + (tunnel ? (150 - h) / 20 : 0)), size, 15);
        if (h <= 100) Marker((int16_t)(new_x - 4), (int16_t)(new_y - 12 + (tunnel ? h / 20 : 0)), size, 15);
        Show(2);
    }
}

int16_t Hook_Select_Unit(const char *title, const char *const *names, int16_t count)
{
    if (g_headless_unattended || !Showing()) return 0;
    return Selection_Box(count < 6 ? count : 6, names, 0, title);
}

}  // namespace

void Combat_Spell_Animation_Bolt(int16_t x, int16_t y, int16_t spell, int16_t caster)
{
    struct Path {
        int16_t spell, start_x, start_y, step_x, step_y, frames, end_x, end_y;
    };
    static constexpr Path PATHS[] = {
        {13, 93, -130, -10, 10, 11, -17, -20},
        {SPELL_DOOM_BOLT, 94, -86, -10, 6, 11, -16, -20},
        {96, 96, -87, -10, 6, 16, -14, -21},
        {SPELL_FIREBALL, -14, -97, 0, 6, 13, -14, -25},
    };
    const Path *path = &PATHS[0];
    for (const Path &p : PATHS) {
        if (p.spell == spell) path = &p;
    }
    int16_t sx = 0, sy = 0;
    Cell_Centre(x, y, &sx, &sy);
    for (int16_t i = 0; i < path->frames; i++) {
        Mark_Time();
        Draw_Battle();
        if (i <= 10) {
            Marker((int16_t)(sx + path->start_x + i * path->step_x + 14),
                   (int16_t)(sy + path->start_y + i * path->step_y + 20), 6, Spell_Colour(spell));
            Show(1);
        } else {
            Marker((int16_t)(sx + path->end_x + 14), (int16_t)(sy + path->end_y + 20), 8, Spell_Colour(spell));
            Show(2);
        }
    }
    Draw_Battle();
    Show(0);
}

void Animate_Lightning_Bolt(int16_t x, int16_t y, int16_t caster)
{
    int16_t sx = 0, sy = 0;
    Cell_Centre(x, y, &sx, &sy);
    for (int frame = 0; frame < 12; frame++) {
        Draw_Battle();
        if (frame == 5 || frame == 6) {
            const int16_t wobble = (int16_t)(RANDOM(4) - 1);
            for (int16_t yy = 0; yy + 8 <= sy && yy < GRID_BOTTOM; yy = (int16_t)(yy + 8)) {
                Line((int16_t)(sx + ((yy / 8 + wobble) % 3) - 1), yy, (int16_t)(sx + ((yy / 8 + wobble + 1) % 3) - 1),
                     (int16_t)(yy + 8), 15);
            }
        }
        Show(0);
    }
    Draw_Battle();
    Show(0);
}

void Animate_Cracks_Call(int16_t x, int16_t y, int16_t caster)
{
    int16_t sx = 0, sy = 0;
    Cell_Centre(x, y, &sx, &sy);
    for (int16_t frame = 0; frame < 7 * 4; frame++) {
        Draw_Battle();
        const int16_t reach = (int16_t)(frame / 4 + 2);
        Line((int16_t)(sx - reach), sy, (int16_t)(sx + reach), (int16_t)(sy + 1), 1);
        Line(sx, (int16_t)(sy - reach / 2), (int16_t)(sx + 1), (int16_t)(sy + reach / 2), 1);
        Show(0);
    }
}

void Combat_Spell_Animation_Default(int16_t x, int16_t y, int16_t large, int16_t caster, int16_t spell)
{
    int16_t sx = 0, sy = 0;
    Cell_Centre(x, y, &sx, &sy);
    const int16_t size = large ? 16 : MARKER_SIZE;
    for (int16_t frame = 0; frame < INSTANT_FRAMES; frame++) {
        Mark_Time();
        Draw_Battle();
        Marker((int16_t)(sx - size / 2), (int16_t)(sy - size - frame), size, Spell_Colour(spell));
        Show(2);
    }
    Draw_Battle();
    Show(0);
}

int16_t Vortex_Move_Screen(int16_t vortex, int16_t *x, int16_t *y)
{
    if (!Showing() || vortex < 0 || vortex >= _vortex_count || _vortexes[vortex].owner != 0 || _auto_combat_flag) {
        return 0;
    }
    Clear_Fields();
    int16_t column = 0, row = 0;
    const int16_t grid = Add_Grid_Field(0, 0, 1, 1, 320, GRID_BOTTOM + 1, &column, &row, -1);
    int idle = 0;
    int16_t chosen = 0;
    for (;;) {
        Mark_Time();
        const int16_t input = Get_Input();
        if (input == grid) {
            int16_t cx = 0, cy = 0;
            Combat_Mouse_Cell(column, row, &cx, &cy);
            if (Vortex_Step_Is_Valid(vortex, cx, cy)) {
                *x = cx;
                *y = cy;
                chosen = 1;
                break;
            }
        }
        if (Unattended_Frame_Done(&idle)) break;
        Draw_Battle();
        int16_t px = 0, py = 0;
        Combat_Mouse_Cell(Pointer_X(), Pointer_Y(), &px, &py);
        const bool target = Pointer_Y() + 4 <= 172 && Vortex_Step_Is_Valid(vortex, px, py);
        static Mouse_List_Entry cursor = {CURSOR_PLAIN, 2, 0, 0, 319, 199};
        cursor.image_num = target ? CURSOR_TARGET : CURSOR_PLAIN;
        Set_Mouse_List(1, &cursor);
        Show(2);
    }
    Clear_Fields();
    return chosen;
}

void Combat_Spell_Animations_Install(void)
{
    Combat_Rule_Hooks hooks = Combat_Hooks();
    hooks.spell_animation = Hook_Spell_Animation;
    hooks.battlefield_instant = Hook_Battlefield_Instant;
    hooks.call_chaos = Hook_Call_Chaos;
    hooks.lightning_bolt = Hook_Lightning;
    hooks.wrack = Hook_Wrack;
    hooks.wall_rise = Hook_Wall_Rise;
    hooks.summon_appearance = Hook_Summon_Appearance;
    hooks.instant_move = Hook_Instant_Move;
    hooks.pause = Hook_Pause;
    hooks.vortex_steer = Vortex_Move_Screen;
    hooks.select_unit = Hook_Select_Unit;
    Combat_Set_Rule_Hooks(&hooks);
}
