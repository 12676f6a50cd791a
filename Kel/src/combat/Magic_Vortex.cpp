#include "combat/Magic_Vortex.h"

#include <cstdlib>

#include "STU_Log.h"
#include "combat/Battle_Unit_Damage.h"
#include "combat/Combat_Hooks.h"
#include "combat/Combat_Results.h"
#include "combat/Combat_Spell_Effects.h"
#include "combat/Combat_Tables.h"
#include "random.h"
#include "world/Player_Record.h"
#include "world/Unit_Type_Record.h"

namespace {

constexpr int VORTEX_STEPS_PER_TURN = 3;
constexpr int VORTEX_ANIMATION_STEPS = 8;
constexpr int VORTEX_STEP_TRIES = 200;
constexpr int VORTEX_BACKTRACK_TRIES = 50;
constexpr int16_t VORTEX_CITY_DAMAGE = 5;
constexpr int16_t VORTEX_CELL_DAMAGE = 5;
constexpr int16_t VORTEX_SOUND_ENTRY = 7;

int Vortex_Count(void) { return _vortex_count < 0 ? 0 : _vortex_count > MAX_VORTEXES ? MAX_VORTEXES : _vortex_count; }

bool Passable(int16_t x, int16_t y)
{
    return Combat_Cell_On_Grid(x, y) && battlefield->costs[ccg_Air][Combat_Cell(x, y)] != COMBAT_COST_BLOCKED;
}

// Draws candidate cells around the vortex until one is taken; 0 when none is found.
int16_t Vortex_Draw_Step(const Combat_Vortex &v, int16_t *x, int16_t *y)
{
    for (int k = 0; k < VORTEX_STEP_TRIES; k++) {
        const int16_t cx = (int16_t)(v.x + RANDOM(3) - 2);
        const int16_t cy = (int16_t)(v.y + RANDOM(3) - 2);
        if (!Passable(cx, cy) || (cx == v.x && cy == v.y)) continue;
        if (abs(cx - v.other_x) + abs(cy - v.other_y) >= 2 || k >= VORTEX_BACKTRACK_TRIES) {
            *x = cx;
            *y = cy;
            return 1;
        }
    }
    return 0;
}

}  // namespace

void Magic_Vortex_Create(int16_t owner, int16_t x, int16_t y)
{
    if (_vortex_count < 0) _vortex_count = 0;
    if (_vortex_count >= MAX_VORTEXES) {
        STU_LOG(SEV_INFO, LC_COMBAT, "Magic_Vortex_Create: the list of %d vortices is full", MAX_VORTEXES);
        return;
    }
    _vortexes[_vortex_count++] = {x, y, x, y, 0, owner};
}

void Magic_Vortex_Delete(int16_t vortex)
{
    const int count = Vortex_Count();
    if (vortex < 0 || vortex >= count) return;
    for (int i = vortex; i + 1 < count; i++) _vortexes[i] = _vortexes[i + 1];
    _vortex_count = (int16_t)(count - 1);
}

int16_t Vortex_Step_Is_Valid(int16_t vortex, int16_t x, int16_t y)
{
    if (vortex < 0 || vortex >= Vortex_Count()) return 0;
    const Combat_Vortex &v = _vortexes[vortex];
    if (x == v.x && y == v.y) return 0;
    if (abs(x - v.x) > 1 || abs(y - v.y) > 1) return 0;
    return Passable(x, y) ? 1 : 0;
}

void Vortex_Combat_Round(void)
{
    for (int n = 0; n < Vortex_Count(); n++) {
        for (int s = 0; s < VORTEX_STEPS_PER_TURN; s++) {
            int16_t x = 0, y = 0;
            if (!Vortex_Draw_Step(_vortexes[n], &x, &y)) {
                STU_LOG(SEV_INFO, LC_COMBAT, "Vortex_Combat_Round: vortex %d at (%d, %d) has no step; it stays", n,
                        _vortexes[n].x, _vortexes[n].y);
                break;
            }
            Vortex_Move_And_Attack((int16_t)n, x, y);
        }
        Combat_Vortex &v = _vortexes[n];
        v.other_x = v.x;
        v.other_y = v.y;
        if (v.owner == HUMAN_PLAYER_IDX && !_auto_combat_flag && Combat_Hooks().vortex_steer) {
            int16_t x = 0, y = 0;
            if (Combat_Hooks().vortex_steer((int16_t)n, &x, &y) && Vortex_Step_Is_Valid((int16_t)n, x, y)) {
                Vortex_Move_And_Attack((int16_t)n, x, y);
            }
        }
    }
}

void Vortex_Move_And_Attack(int16_t vortex, int16_t x, int16_t y)
{
    if (vortex < 0 || vortex >= Vortex_Count()) return;
    Combat_Vortex &v = _vortexes[vortex];
    const int16_t old_x = v.x;
    const int16_t old_y = v.y;
    v.other_x = x;
    v.other_y = y;
    Combat_Play_Sound_Effect(VORTEX_SOUND_ENTRY);
    for (int16_t step = 0; step < VORTEX_ANIMATION_STEPS; step++) {
        v.step = step;
        Combat_Redraw();
    }
    v.x = x;
    v.y = y;
    if (Combat_Cell_In_City(x, y)) _combat_city_damage = (int16_t)(_combat_city_damage + VORTEX_CITY_DAMAGE);
    v.other_x = old_x;
    v.other_y = old_y;
    v.step = 0;
    for (int i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        if (bu.Grid_X != x || bu.Grid_Y != y) continue;
        if ((bu.Attribs_1 & UI_MAGIC_IMMUNITY) || (Battle_Unit_Enchantments(&bu) & UE_RIGHTEOUSNESS)) continue;
        int16_t damage[NUM_DAMAGE_KINDS] = {VORTEX_CELL_DAMAGE, 0, 0};
        Battle_Unit_Commit_Damage(&bu, damage);
    }
    for (int i = 0; i < _combat_total_unit_count && i < MAX_BATTLE_UNITS; i++) {
        Battle_Unit_Record &bu = battle_units[i];
        const int dx = abs(bu.Grid_X - x);
        const int dy = abs(bu.Grid_Y - y);
        if (dx > 1 || dy > 1 || (dx == 0 && dy == 0)) continue;
        if (RANDOM(3) != 1) continue;
        int16_t damage[NUM_DAMAGE_KINDS] = {};
        Compute_Battle_Unit_Damage_From_Spell(SPELL_WARP_LIGHTNING, &bu, damage, 0);
        Battle_Unit_Commit_Damage(&bu, damage);
    }
}
