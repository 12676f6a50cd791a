// What the combat rules must show, load, play or ask goes through these hooks, which the combat
// screens install. With none installed nothing is drawn, loaded or played, every question takes its
// default answer and every battle is resolved automatically: what an unattended run needs.
#pragma once

#include <cstdint>

#include "world/Battle_Unit_Record.h"

struct Combat_Rule_Hooks {
    // Loads the terrain, tree and rock pictures of a battlefield terrain and plane.
    void (*load_terrain_pictures)(int16_t terrain, int16_t plane);
    // Composes the battlefield's backdrop.
    void (*compose_background)(void);
    // Loads a unit type's figures into a figure set.
    void (*figure_load)(int16_t unit_type, int16_t figure_set);
    // Starts and stops a walking unit's movement sound.
    void (*move_sound_start)(Battle_Unit_Record *bu);
    void (*move_sound_stop)(void);
    // Draws the frames of one step of a walking unit (Move_Step already set).
    void (*draw_move_step)(Battle_Unit_Record *bu);
    // Shows a teleporting or tunnelling unit's instant move; the rules then place it.
    void (*instant_move)(Battle_Unit_Record *bu, int16_t x, int16_t y, int16_t tunnel);
    // Asks the human whether to attack a wizard it holds a treaty with; 1 yes.
    int16_t (*treaty_question)(const char *text);
    // Asks the human captor whether to destroy the city; 0 raze, 1 keep.
    int16_t (*raze_city_prompt)(const char *text);
    // Shows the outcome of a battle the human took part in (the results state), and may raze.
    void (*results_scroll)(void);
    // Shows the rising of the undead or the zombies with the text of GUI_NearMsgString.
    void (*undead_animation)(int16_t creature_type);
    // Fights a battle the human takes part in on the combat screen; the result as Strategic_Combat's.
    int16_t (*combat_screen)(int16_t attacker_idx, int16_t defender_idx, int16_t *troops, int16_t troop_count,
                             int16_t wx, int16_t wy, int16_t wp, int16_t *item_count, int16_t *item_list);
    // Draws the main screen on the hidden page and copies it behind the battle's pop-ups.
    void (*main_screen_backdrop)(void);
    // Rebuilds the reduced map and, when the human took part, the map window and the main screen.
    void (*world_view_refresh)(int16_t human_took_part);
    // Shows the busy mouse image while the computer goes on.
    void (*busy_mouse)(void);
    // Tells the human why a shot was refused: record 3 (unseen target) or 4 (Wall of Darkness) of the
    // message archive.
    void (*attack_refused)(int16_t message_record);
    // Shows a volley flying from the attacker to the cell, with the total damage it did.
    void (*ranged_animation)(Battle_Unit_Record *attacker, Battle_Unit_Record *target, int16_t damage, int16_t x,
                             int16_t y);
    // Shows a melee clash at the cell with the totals each side suffered.
    void (*melee_animation)(Battle_Unit_Record *attacker, Battle_Unit_Record *target, int16_t attacker_damage,
                            int16_t target_damage, int16_t x, int16_t y);
    // Draws the battle as it stands now and shows it.
    void (*redraw)(void);
    // Rebuilds the enchantment icons of both sides after the battle-wide enchantments changed.
    void (*refresh_enchantment_icons)(void);

    // The combat spells' pictures. Each is skipped when nothing is installed; where the rules hand an
    // apply function, the animation calls it once at its middle frame and the default calls it at once.
    // The spell's flash, bolt, lightning, Cracks Call or own animation over the target cell.
    void (*spell_animation)(int16_t x, int16_t y, int16_t spell, int16_t player, int16_t caster);
    // The staggered effect of an instant battlefield spell over the units with a delay of 0 or more.
    void (*battlefield_instant)(int16_t spell, int16_t caster, const int16_t *delays, void (*apply)(void));
    // Call Chaos: each unit with a delay of 0 or more shows its drawn effect.
    void (*call_chaos)(int16_t caster, const int16_t *delays, const int16_t *effects, void (*apply)(void));
    // One lightning strike on the cell; a negative caster shows no banner.
    void (*lightning_bolt)(int16_t x, int16_t y, int16_t caster);
    // Wrack: the listed failures, one battle unit each, show the spell's animation staggered.
    void (*wrack)(const int16_t *listed, int16_t count, void (*apply)(void));
    // The rising frames of a wall (kind 0 stone, 1 fire, 2 darkness) with _wall_rise_on set.
    void (*wall_rise)(int16_t kind, int16_t spell, int16_t caster);
    // A battle unit (status 4 meanwhile) appearing at the cell.
    void (*summon_appearance)(int16_t battle_unit_idx, int16_t x, int16_t y, int16_t spell, int16_t caster);
    // Waits the number of timer ticks while the battle is shown.
    void (*pause)(int16_t ticks);
    // Plays the entry of the sound-effect archive when sound effects are on.
    void (*play_sound_effect)(int16_t entry);
    // Lets the human steer the vortex one cell; 1 with the chosen cell, 0 when none is chosen.
    int16_t (*vortex_steer)(int16_t vortex, int16_t *x, int16_t *y);
    // Asks the human to choose one of the names; the index, or -1 for none.
    int16_t (*select_unit)(const char *title, const char *const *names, int16_t count);
    // Runs the combat spellbook for the caster: the chosen spell (0 closed) and its slot (0-11).
    int16_t (*spellbook_screen)(int16_t caster, int16_t *slot);
    // Tells the human why the spell may not be cast now: a record of the message archive.
    void (*spell_refused)(int16_t message_record);
    // Asks how much mana to put into a variable-cost spell; the strength.
    int16_t (*mana_adder)(int16_t spell, int16_t slot, int16_t caster);
    // Lets the human aim a spell: a battle unit, 99 a cell without one, 999 cancelled.
    int16_t (*spell_target)(int16_t spell, int16_t *x, int16_t *y);
    // Tells that a spell fizzled, with the composed text.
    void (*spell_countered)(const char *text);
    // A dispel notice at the screen position with a picture of the effects archive: the text, or when
    // it is null the message record.
    void (*dispel_notice)(const char *text, int16_t message_record, int16_t x, int16_t y, int16_t picture);
};

// Installs the hooks (nullptr removes them all).
void Combat_Set_Rule_Hooks(const Combat_Rule_Hooks *hooks);
// The installed hooks; every member may be null.
const Combat_Rule_Hooks &Combat_Hooks(void);

// Callers that fall back to the unattended answer when nothing is installed.
inline int16_t Combat_Treaty_Question(const char *text)
{
    return Combat_Hooks().treaty_question ? Combat_Hooks().treaty_question(text) : (int16_t)0;
}
inline int16_t Combat_Raze_City_Prompt(const char *text)
{
    return Combat_Hooks().raze_city_prompt ? Combat_Hooks().raze_city_prompt(text) : (int16_t)1;
}
inline void Combat_Show_Results(void)
{
    if (Combat_Hooks().results_scroll) Combat_Hooks().results_scroll();
}
inline void Combat_Undead_Animation(int16_t creature_type)
{
    if (Combat_Hooks().undead_animation) Combat_Hooks().undead_animation(creature_type);
}
inline void Combat_Main_Screen_Backdrop(void)
{
    if (Combat_Hooks().main_screen_backdrop) Combat_Hooks().main_screen_backdrop();
}
inline void Combat_World_View_Refresh(int16_t human_took_part)
{
    if (Combat_Hooks().world_view_refresh) Combat_Hooks().world_view_refresh(human_took_part);
}
inline void Combat_Attack_Refused(int16_t message_record)
{
    if (Combat_Hooks().attack_refused) Combat_Hooks().attack_refused(message_record);
}
inline void Combat_Redraw(void)
{
    if (Combat_Hooks().redraw) Combat_Hooks().redraw();
}
inline void Combat_Refresh_Enchantment_Icons(void)
{
    if (Combat_Hooks().refresh_enchantment_icons) Combat_Hooks().refresh_enchantment_icons();
}
inline void Combat_Pause(int16_t ticks)
{
    if (Combat_Hooks().pause) Combat_Hooks().pause(ticks);
}
inline void Combat_Play_Sound_Effect(int16_t entry)
{
    if (Combat_Hooks().play_sound_effect) Combat_Hooks().play_sound_effect(entry);
}
// Without a screen the first name is taken, as a computer caster does.
inline int16_t Combat_Select_Unit(const char *title, const char *const *names, int16_t count)
{
    if (count <= 0) return -1;
    return Combat_Hooks().select_unit ? Combat_Hooks().select_unit(title, names, count) : (int16_t)0;
}
// Unattended: the book is closed, the legality refusal logged, the base price taken, the target
// screen cancelled, and the fizzle and dispel notices logged.
inline int16_t Combat_Spellbook_Choice(int16_t caster, int16_t *slot)
{
    *slot = 0;
    return Combat_Hooks().spellbook_screen ? Combat_Hooks().spellbook_screen(caster, slot) : (int16_t)0;
}
void Combat_Log_Message_Record(const char *what, int16_t message_record);
inline void Combat_Spell_Refused(int16_t message_record)
{
    if (Combat_Hooks().spell_refused) {
        Combat_Hooks().spell_refused(message_record);
    } else {
        Combat_Log_Message_Record("refused", message_record);
    }
}
inline int16_t Combat_Mana_Adder(int16_t spell, int16_t slot, int16_t caster, int16_t base_price)
{
    return Combat_Hooks().mana_adder ? Combat_Hooks().mana_adder(spell, slot, caster) : base_price;
}
inline int16_t Combat_Spell_Target(int16_t spell, int16_t *x, int16_t *y)
{
    return Combat_Hooks().spell_target ? Combat_Hooks().spell_target(spell, x, y) : (int16_t)999;
}
void Combat_Log_Text(const char *what, const char *text);
inline void Combat_Show_Spell_Countered(const char *text)
{
    if (Combat_Hooks().spell_countered) {
        Combat_Hooks().spell_countered(text);
    } else {
        Combat_Log_Text("fizzle", text);
    }
}
inline void Combat_Dispel_Notice(const char *text, int16_t message_record, int16_t x, int16_t y, int16_t picture)
{
    if (Combat_Hooks().dispel_notice) {
        Combat_Hooks().dispel_notice(text, message_record, x, y, picture);
    } else if (text != nullptr) {
        Combat_Log_Text("dispel", text);
    } else {
        Combat_Log_Message_Record("dispel", message_record);
    }
}
inline void Combat_Busy_Mouse(void)
{
    if (Combat_Hooks().busy_mouse) Combat_Hooks().busy_mouse();
}
