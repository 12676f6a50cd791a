// What the magic rules ask of the screens: the human's research choice on the big book, the scene of
// a learned spell, and for the overland spells the human's target, the numbered messages, the ward
// choice and the spell scenes. The magic screens install them at start-up (Magic_Install_Screens).
// Until then, as in an unattended run, the choice takes the first candidate, no target is picked
// (the spell is spent without effect), a message goes to the log, the first ward is taken and every
// scene is skipped.
#pragma once

#include <cstdint>

// One numbered message of MESSAGE entry 0.
constexpr int MAGIC_MESSAGE_RECORD_SIZE = 150;

struct Magic_Services {
    // The human picks one of his research candidates; the candidate's slot 0-7, or -1 for none.
    int16_t (*research_choice)(void);
    // Shows the human learning spell_idx (already known); was_researched 1 for the research spell.
    void (*learn_spell_scene)(int16_t spell_idx, int16_t was_researched);

    // The human picks a target of the kind (0 unit, 1 own stack, 3 enemy stack, 4 square, 5 own
    // city, 6 enemy city, 7 node) for the spell: 1 and the unit, city or node index in *wx (*wy and
    // *wp -1), or the square in all three; 0 when cancelled.
    int16_t (*spell_target)(int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx);
    // Shows message record (MESSAGE entry 0) over the main screen and waits for the player.
    void (*message_record)(int16_t record);
    // The human picks one of count texts under the title; the index, or -1 when cancelled.
    int16_t (*selection)(int16_t count, const char *const *texts, const char *title);
    // The spell's scene on a map square (frames: the most frames shown, 0 for the scene's own;
    // at_frame is called with each frame number drawn so that a change can be made in the middle).
    void (*square_scene)(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp, int16_t frames,
                         void (*at_frame)(int16_t frame));
    // The two halves of a city spell's scene: before the change (half 1) and after it (half 2).
    void (*city_scene)(int16_t half, int16_t city_idx, int16_t spell_idx, int16_t caster_idx);
    // A world-wide spell's scene, and a summoning's (picture code, hero type, caster).
    void (*global_scene)(int16_t caster_idx, int16_t spell_idx);
    void (*summon_scene)(int16_t picture, int16_t unit_type, int16_t caster_idx);
    // Nature's Wrath answering a spell of the caster: music, picture, caption and the shaking screen.
    void (*natures_wrath_scene)(int16_t caster_idx);
    // A stack fading towards the other plane and back (a refused Plane Shift), or across (done).
    void (*plane_shift_scene)(int16_t wx, int16_t wy, int16_t wp, int16_t crossed);
    // The main screen is drawn again, centred on the square when wx >= 0.
    void (*redraw_main)(int16_t wx, int16_t wy, int16_t wp);
};

extern Magic_Services magic_services;
// 1 while the choice is asked for by a screen that fades out around it.
extern int16_t magic_research_fade;

void Magic_Set_Services(const Magic_Services &services);

// The slot of the first non-zero research candidate of the human, or -1.
int16_t Magic_First_Candidate_Slot(void);

inline int16_t Magic_Research_Choice(void)
{
    return magic_services.research_choice ? magic_services.research_choice() : Magic_First_Candidate_Slot();
}
// Logs the record's text when no screen shows it.
void Magic_Log_Message_Record(int16_t record);

inline int16_t Magic_Spell_Target(int16_t kind, int16_t *wx, int16_t *wy, int16_t *wp, int16_t spell_idx)
{
    *wx = *wy = *wp = -1;
    return magic_services.spell_target ? magic_services.spell_target(kind, wx, wy, wp, spell_idx) : 0;
}
inline void Magic_Message_Record(int16_t record)
{
    if (magic_services.message_record) {
        magic_services.message_record(record);
    } else {
        Magic_Log_Message_Record(record);
    }
}
inline int16_t Magic_Selection(int16_t count, const char *const *texts, const char *title)
{
    if (magic_services.selection) return magic_services.selection(count, texts, title);
    return count > 0 ? 0 : -1;
}
// Without a scene the change is made at once.
inline void Magic_Square_Scene(int16_t spell_idx, int16_t wx, int16_t wy, int16_t wp, int16_t frames,
                               void (*at_frame)(int16_t frame))
{
    if (magic_services.square_scene) magic_services.square_scene(spell_idx, wx, wy, wp, frames, at_frame);
}
inline void Magic_City_Scene(int16_t half, int16_t city_idx, int16_t spell_idx, int16_t caster_idx)
{
    if (magic_services.city_scene) magic_services.city_scene(half, city_idx, spell_idx, caster_idx);
}
inline void Magic_Global_Scene(int16_t caster_idx, int16_t spell_idx)
{
    if (magic_services.global_scene) magic_services.global_scene(caster_idx, spell_idx);
}
inline void Magic_Summon_Scene(int16_t picture, int16_t unit_type, int16_t caster_idx)
{
    if (magic_services.summon_scene) magic_services.summon_scene(picture, unit_type, caster_idx);
}
inline void Magic_Natures_Wrath_Scene(int16_t caster_idx)
{
    if (magic_services.natures_wrath_scene) magic_services.natures_wrath_scene(caster_idx);
}
inline void Magic_Plane_Shift_Scene(int16_t wx, int16_t wy, int16_t wp, int16_t crossed)
{
    if (magic_services.plane_shift_scene) magic_services.plane_shift_scene(wx, wy, wp, crossed);
}
inline void Magic_Redraw_Main(int16_t wx, int16_t wy, int16_t wp)
{
    if (magic_services.redraw_main) magic_services.redraw_main(wx, wy, wp);
}
inline void Magic_Learn_Spell_Scene(int16_t spell_idx, int16_t was_researched)
{
    if (magic_services.learn_spell_scene) magic_services.learn_spell_scene(spell_idx, was_researched);
}
