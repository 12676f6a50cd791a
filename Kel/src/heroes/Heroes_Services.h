// What the heroes and items rules show the human or ask of it: the Items screen over a pool, the
// lair boxes, the offers and the level-up pop-up. The screens side installs them
// (Heroes_Set_Services). With nothing installed every question takes its declining answer and
// every picture is skipped, so an unattended run never waits: a pool is placed in the vault (or
// broken for mana when the vault is full), a guarded lair is not entered, every offer is rejected.
#pragma once

#include <cstdint>

struct Heroes_Services {
    // The notice before a pool reaches the human (record 67 of the messages).
    void (*pool_notice)(void);
    // Runs the Items screen until the pool set up in the pool globals has been placed.
    void (*items_screen_pool)(void);
    // The lair's entry box; 1 to enter. buttons 0: a notice that closes on any click.
    int16_t (*lair_confirm)(int16_t lair_idx, const char *text, int16_t buttons);
    // The treasure message of a taken lair, at the row.
    void (*lair_treasure)(int16_t lair_idx, const char *text, int16_t row);
    // The merchant's offer of the item at the price; 1 to buy.
    int16_t (*merchant_offer)(int16_t item_idx, int16_t price);
    // The offer of the newest unit, a hero of the kind, at the price; 1 to take it. When taken the
    // service may rename the hero slot.
    int16_t (*hero_offer)(int16_t slot_idx, int16_t kind, int16_t price);
    // The offer of the newest unit as a band of count mercenaries at the price; 1 to hire.
    int16_t (*merc_offer)(int16_t count, int16_t price);
    // Shows the hero's new level (already raised).
    void (*level_up)(int16_t unit_idx);
    // A warning box over the current screen.
    void (*warn)(const char *text);
    // A yes/no box; 1 for yes.
    int16_t (*confirm)(const char *text);
};

extern Heroes_Services heroes_services;

void Heroes_Set_Services(const Heroes_Services &services);

inline void Heroes_Pool_Notice(void)
{
    if (heroes_services.pool_notice) heroes_services.pool_notice();
}
// Places the pool without a screen.
void Heroes_Place_Pool_Unattended(void);
inline void Heroes_Items_Screen_Pool(void)
{
    if (heroes_services.items_screen_pool) {
        heroes_services.items_screen_pool();
    } else {
        Heroes_Place_Pool_Unattended();
    }
}
inline int16_t Heroes_Lair_Confirm(int16_t lair_idx, const char *text, int16_t buttons)
{
    return heroes_services.lair_confirm ? heroes_services.lair_confirm(lair_idx, text, buttons)
                                        : (int16_t)(buttons ? 0 : 1);
}
inline void Heroes_Lair_Treasure(int16_t lair_idx, const char *text, int16_t row)
{
    if (heroes_services.lair_treasure) heroes_services.lair_treasure(lair_idx, text, row);
}
inline int16_t Heroes_Merchant_Offer(int16_t item_idx, int16_t price)
{
    return heroes_services.merchant_offer ? heroes_services.merchant_offer(item_idx, price) : (int16_t)0;
}
inline int16_t Heroes_Hero_Offer(int16_t slot_idx, int16_t kind, int16_t price)
{
    return heroes_services.hero_offer ? heroes_services.hero_offer(slot_idx, kind, price) : (int16_t)0;
}
inline int16_t Heroes_Merc_Offer(int16_t count, int16_t price)
{
    return heroes_services.merc_offer ? heroes_services.merc_offer(count, price) : (int16_t)0;
}
inline void Heroes_Level_Up(int16_t unit_idx)
{
    if (heroes_services.level_up) heroes_services.level_up(unit_idx);
}
inline void Heroes_Warn(const char *text)
{
    if (heroes_services.warn) heroes_services.warn(text);
}
inline int16_t Heroes_Confirm(const char *text)
{
    return heroes_services.confirm ? heroes_services.confirm(text) : (int16_t)0;
}
