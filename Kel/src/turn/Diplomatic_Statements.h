// What a wizard says in an audience: numbered statements whose texts live in DIPLOMSG, one
// variant drawn, names and numbers filled in, and the mood (portrait and music) they set.
#pragma once

#include <cstdint>

// The statement being shown in the audience (also the proposal an answer menu answers).
extern int16_t m_IDK_diplomatic_order;

// DIPLOMSG entry 0: one 6-byte record per statement {i16 music, i16 mood group, i16 variants}.
constexpr int DIPLOMSG_NUM_STATEMENTS = 74;
constexpr int DIPLOMSG_STATEMENT_RECORD_SIZE = 6;
// DIPLOMSG entry 1: 200-byte texts, variant v of statement s at record s x 15 + v.
constexpr int DIPLOMSG_MAX_VARIANTS = 15;
constexpr int DIPLOMSG_TEXT_SIZE = 200;
constexpr int DIPLOMSG_NUM_TEXTS = DIPLOMSG_NUM_STATEMENTS * DIPLOMSG_MAX_VARIANTS;
// Text bytes 0x80 + c with c in 0..20 are substitution codes.
constexpr uint8_t DIPLOMSG_CODE_FIRST = 0x80;
constexpr int DIPLOMSG_NUM_CODES = 21;
constexpr int DIPL_NUM_MOOD_GROUPS = 8;
// The composed statement, always NUL-terminated within this size.
constexpr int DIPL_MESSAGE_SIZE = 220;

// Statement numbers; each is also the order a computer wizard holds for the human and the reason
// of a change of relations.
enum Diplomacy_Order : int16_t {
    do_None = 0,
    do_Tribute_Thanks = 1,
    do_Treaty_Broken = 5,
    do_Army_Fear = 7,
    do_Unit_Attacked = 8,
    do_City_Attacked = 9,
    do_Spell_Of_Mastery = 10,
    do_Overland_Spell = 12,
    do_City_Spell = 13,
    do_Expansion = 14,
    do_Greeting_First = 15,  // 15 + personality
    do_Break_Treaty = 30,
    do_War_Hostile = 39,
    do_War_Surprise = 40,
    do_War_Declared = 41,
    do_Greeting_Fair = 42,
    do_Greeting_Poor = 43,
    do_Refuse_Talk = 44,
    do_Propose_Pact = 45,
    do_Propose_Alliance = 46,
    do_Request_About_Wizard = 47,
    do_Offer_Exchange = 48,
    do_Offer_Peace = 49,
    do_Answer_Pact = 51,
    do_Answer_Alliance = 52,
    do_Answer_Peace = 53,
    do_Answer_Break_Alliance = 55,
    do_Answer_War = 56,
    do_Refusal = 57,
    do_Refusal_Broken_Treaty = 58,
    do_Threat_Unmoved = 67,
    do_Threat_Pays_Gold = 69,
    do_Threat_Gives_Spell = 70,
    do_Refuse_Listen = 71,
    do_Nothing_To_Exchange = 72,
    do_Border_Warning = 73,
};

// The spell and wizard that an answer or proposal names (codes 17 and 18).
extern int16_t Spell_Index;
extern int16_t Target_Player;

// Composes statement as wizard w says it to the human. The first call after a reset draws the
// variant and fills in the codes; later calls keep the same words. An unknown statement or
// wizard says nothing and draws nothing.
void Get_Diplomacy_Statement(int16_t statement, int16_t w);
// The next statement draws its variant afresh.
void Diplomacy_Statement_Reset(void);
// The statement being shown.
const char *Diplomacy_Message(void);
// The mood group (0..7) of the last composed statement.
int16_t Diplomacy_Statement_Mood_Group(void);
// The audience's portrait moves a talking group on to a silent one once the words are said.
void Diplomacy_Set_Statement_Mood_Group(int16_t group);
// The wizard named by code 19 and the gold named by code 20.
void Diplomacy_Set_Break_Treaty_Player(int16_t player_idx);
int16_t Diplomacy_Break_Treaty_Player(void);
void Diplomacy_Set_Threat_Gold(int16_t gold);
// When gold is not 0, adds the spell's name and " spell" (spell not 0) or the gold and " gold".
void Diplomacy_Add_Incentive_To_Message(int16_t spell, int16_t gold);
