// What the human says in an audience and what the other wizard answers: the human's menu and its
// four dialogues (treaties, threats, tribute, spell exchange), the test by which the wizard
// accepts, the price it may ask on top, and the human's answer to a computer wizard's proposal.
// The wizard spoken to is the one on the diplomacy screen (Diplomacy_Wizard_On_Screen).
#pragma once

#include <cstdint>

// Acceptance tiers of Diplomacy_Test: 3 accepts, 0..2 refuse (1 and 2 may be bought).
constexpr int16_t DIPL_TIER_FLAT_NO = 0;
constexpr int16_t DIPL_TIER_ASK_SPELL = 1;
constexpr int16_t DIPL_TIER_ASK_GOLD = 2;
constexpr int16_t DIPL_TIER_ACCEPT = 3;

// Results of Diplomacy_Ask_For_Sweetener.
constexpr int16_t DIPL_SWEETENER_NONE = 0;
constexpr int16_t DIPL_SWEETENER_DECLINED = 1;
constexpr int16_t DIPL_SWEETENER_PAID = 3;

// The lists of Choose_Other_Wizard.
constexpr int16_t DIPL_CHOOSE_WAR_TARGET = 0;
constexpr int16_t DIPL_CHOOSE_ALLIANCE_TO_BREAK = 1;

// A menu of the audience: lines beginning "[ ", each enabled or not, under a message (or under
// the statement being shown).
constexpr int DIPL_MENU_MAX_LINES = 8;
constexpr int DIPL_MENU_LINE_SIZE = 100;
constexpr int DIPL_MENU_MESSAGE_SIZE = 220;
struct Diplomacy_Menu {
    char message[DIPL_MENU_MESSAGE_SIZE];
    // The list opens below the message (else at the usual place, over the message's first line).
    bool below_message;
    // Shown under the statement of the audience, below it, instead of under the message.
    bool under_statement;
    int16_t count;
    char lines[DIPL_MENU_MAX_LINES + 1][DIPL_MENU_LINE_SIZE];  // ended by an empty line
    int16_t enabled[DIPL_MENU_MAX_LINES];
};
// A menu is answered and a response shown through the turn's services (Turn_Diplomacy_Pick,
// Turn_Diplomacy_Respond): on the screen the engine's list picker over the audience and
// Diplomacy_Display_Response.

// The human's menu: repeats until "Good Bye", a cancel, or a wizard out of patience; the
// screen's draw function is installed again on leaving.
void Diplomacy_Human_Menu(void);
void Diplomacy_Propose_Treaty__WIP(void);
void Diplomacy_Break_Treaty(void);
// Returns the statement shown at its end (71 when the wizard lacks nothing the human offers),
// or 0 when nothing was offered.
int16_t Diplomacy_Offer_Tribute(void);
void Diplomacy_Exchange_Spell__WIP(void);

// How willing the wizard on screen is to accept a proposal that needs bar: tier 0..3. Lowers the
// human's patience counters toward it. kind is always 0.
int16_t Diplomacy_Test(int16_t bar, int16_t kind);
// The value of the last Diplomacy_Test.
int16_t Diplomacy_Test_Value(void);
// After a refusal of tier 1 or 2 the wizard may name its price (a spell or gold): returns
// DIPL_SWEETENER_PAID when the human pays, _DECLINED when not, _NONE when nothing is asked.
int16_t Diplomacy_Ask_For_Sweetener(int16_t tier);
// The human picks a third wizard: list 0 the wizards the one on screen could go to war with,
// list 1 those it is allied to. Returns the wizard, or 0 for none or "Forget It".
int16_t Choose_Other_Wizard(int16_t list);

// The human's answer to a computer wizard's proposal (the audience of an order 45..50 or 2, after
// the first click). proposal is the order that opened the audience; the statement shown is set
// through the screen as the answer goes on.
void Npc_Proposal__WIP(int16_t proposal);
// The answer lines for statement shown under it. Proposals 45, 46, 49 (Accept/Reject) and 47
// (Agree/Forget It): the line chosen, 0 or 1, a cancel counting as 1. Exchange offer 48: the
// slot of the offered spell chosen, or -1 for "Forget It" or a cancel. Others: -1.
int16_t Diplomacy_Compose_Answer_Options(int16_t statement);
