#include "magic/Alchemy.h"

#include "cities/City_Records.h"
#include "world/Player_Record.h"

int16_t m_alchemy_conversion_direction = 1;

int16_t Alchemy_Amount(int16_t source, int16_t bar)
{
    if (source <= 0 || bar <= ALCHEMY_BAR_START) return 0;
    if (bar > ALCHEMY_BAR_END) bar = ALCHEMY_BAR_END;
    int32_t divisor = source >= 1000 ? (int32_t)source * 50 / 999 : 50;
    int32_t amount = (int32_t)source * (bar - ALCHEMY_BAR_START) / divisor;
    if (amount > source) amount = source;
    return (int16_t)(amount > ALCHEMY_AMOUNT_MAX ? ALCHEMY_AMOUNT_MAX : amount);
}

int16_t Alchemy_Divisor(int16_t player_idx) { return _players[player_idx].retorts[rtr_Alchemy] != 0 ? 1 : 2; }

void Alchemy_Convert(int16_t player_idx, int16_t direction, int16_t amount)
{
    if (player_idx < 0 || player_idx >= NUM_PLAYERS || amount <= 0) return;
    Player_Record &wizard = _players[player_idx];
    int16_t gained = (int16_t)(amount / Alchemy_Divisor(player_idx));
    if (direction == 1) {
        if (amount > wizard.gold_reserve) return;
        wizard.gold_reserve = (int16_t)(wizard.gold_reserve - amount);
        Player_Add_Mana(player_idx, gained);
    } else {
        if (amount > wizard.mana_reserve) return;
        Player_Add_Gold(player_idx, gained);
        wizard.mana_reserve = (int16_t)(wizard.mana_reserve - amount);
    }
}
