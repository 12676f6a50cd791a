// The advisor list, the tax collector's rows, the grand vizier, the historian's figures and the
// cartographer's markers.
#include <string>

#include "World_Fixture.h"
#include "info/Advisors.h"
#include "world/City_Record.h"
#include "world/Scouting.h"
#include "world/Unit_Record.h"

namespace {

std::string Shown(const char *entry)
{
    std::string text;
    for (const char *c = entry; *c != '\0'; ++c) {
        if (*c == ADVISOR_TEXT_TAB && c[1] != '\0') {
            text += "<tab " + std::to_string((unsigned char)c[1]) + ">";
            ++c;
        } else {
            text += *c;
        }
    }
    return text;
}

}  // namespace

class Advisors : public World_Test {};

TEST_F(Advisors, ListTextsAndTheVizierMark)
{
    grand_vizier = 0;
    char entries[ADVISOR_COUNT + 1][ADVISOR_ENTRY_SIZE];
    Advisor_List_Entries(entries);
    EXPECT_EQ(Shown(entries[0]), "Surveyor<tab 81> (F1)");
    EXPECT_EQ(Shown(entries[7]), "Grand Vizier<tab 81> (F8)");
    EXPECT_EQ(Shown(entries[8]), "Mirror<tab 81> (F9)");
    EXPECT_STREQ(entries[9], "");
    grand_vizier = 1;
    Advisor_List_Entries(entries);
    EXPECT_EQ(Shown(entries[7]), "Grand Vizier*<tab 81> (F8)");
    grand_vizier = 0;
}

TEST_F(Advisors, TaxRowsMarkTheRateAndAnAnswerSetsIt)
{
    char rows[TAX_RATE_COUNT + 1][TAX_ENTRY_SIZE];
    TaxCollector_Entries(1, rows);
    EXPECT_EQ(Shown(rows[0]), "0 gold,<tab 59>0% unrest");
    EXPECT_EQ(Shown(rows[1]), ".5 gold,<tab 54>10% unrest*");
    EXPECT_EQ(Shown(rows[6]), "3 gold,<tab 52>75% unrest");
    EXPECT_STREQ(rows[7], "");
    TaxCollector_Entries(9, rows);  // a stored rate above 6 counts as 6
    EXPECT_EQ(Shown(rows[6]), "3 gold,<tab 52>75% unrest*");
    EXPECT_EQ(Shown(rows[1]), ".5 gold,<tab 54>10% unrest");

    _players[0].tax_rate = 2;
    TaxCollector_Choose(0, -1);
    EXPECT_EQ(_players[0].tax_rate, 2);
    TaxCollector_Choose(0, 5);
    EXPECT_EQ(_players[0].tax_rate, 5);
}

class Historian : public World_Test {};

TEST_F(Historian, DatesWindowsHeightsAndBars)
{
    char date[32];
    Powergraph_Date(0, date, sizeof date);
    EXPECT_STREQ(date, "January 1400");
    Powergraph_Date(25, date, sizeof date);
    EXPECT_STREQ(date, "February 1402");

    int16_t base = -1, first = -1, last = -1;
    Powergraph_Window(0, &base, &first, &last);
    EXPECT_EQ(base, 0);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
    Powergraph_Window(288, &base, &first, &last);  // year 24, January: base year 1
    EXPECT_EQ(base, 1);
    EXPECT_EQ(first, 11);
    EXPECT_EQ(last, 287);
    Powergraph_Window(12 * 27 + 3, &base, &first, &last);  // base 4 is skipped: 4 + 1 is a multiple of 5
    EXPECT_EQ(base, 5);
    EXPECT_EQ(first, 20);

    EXPECT_EQ(Powergraph_Point_Y(0), 181);
    EXPECT_EQ(Powergraph_Point_Y(160), 22);
    EXPECT_EQ(Powergraph_Point_Y(255), 22);

    EXPECT_EQ(Status_Bar_Length(250), 200);
    EXPECT_EQ(Status_Bar_Length(37), 37);
    EXPECT_EQ(Status_Bar_Length(-3), -1);
}

class CartographerScreen : public World_Test {};

// Tower units show on both planes; all neutral units and rivals' invisible units never show; the
// viewer's own units show on scouted squares only.
TEST_F(CartographerScreen, MarkersOfUnitsAndCities)
{
    auto add = [](int8_t owner, uint8_t wx, uint8_t wy, uint8_t wp, int16_t in_tower) {
        Unit_Record &unit = _UNITS[_units];
        unit = Unit_Record{};
        unit.owner_idx = owner;
        unit.wx = wx;
        unit.wy = wy;
        unit.wp = wp;
        unit.in_tower = in_tower;
        unit.Hero_Slot = -1;
        return _units++;
    };
    _units = 0;
    int16_t own = add(0, 5, 5, 0, 0);
    int16_t tower = add(1, 6, 6, 0, 1);
    int16_t neutral = add(5, 7, 7, 0, 0);
    int16_t hidden = add(1, 8, 8, 0, 0);
    _UNITS[hidden].enchantments = 0xFFFFFFFFu;  // every enchantment, invisibility among them
    int16_t dead = add(-1, 9, 9, 0, 0);
    EXPECT_FALSE(Cartograph_Unit_Shown(own, 0, 0));  // nothing scouted yet
    for (int x = 5; x <= 9; x++) {
        for (int plane = 0; plane < 2; plane++) {
            _square_explored[plane * 2400 + x * 60 + x] = 1;
            Set_Square_Scouted((int16_t)x, (int16_t)x, (int16_t)plane);
        }
    }
    EXPECT_TRUE(Cartograph_Unit_Shown(own, 0, 0));
    EXPECT_FALSE(Cartograph_Unit_Shown(own, 1, 0));
    EXPECT_TRUE(Cartograph_Unit_Shown(tower, 0, 0));
    EXPECT_TRUE(Cartograph_Unit_Shown(tower, 1, 0));
    EXPECT_FALSE(Cartograph_Unit_Shown(neutral, 0, 0));
    EXPECT_FALSE(Cartograph_Unit_Shown(hidden, 0, 0));
    EXPECT_TRUE(Cartograph_Unit_Shown(hidden, 0, 1));  // its owner sees it
    EXPECT_FALSE(Cartograph_Unit_Shown(dead, 0, 0));

    _players[1].banner_id = 3;
    _players[2].banner_id = 9;
    EXPECT_EQ(Cartograph_Banner_Color(1), 201);
    EXPECT_EQ(Cartograph_Banner_Color(2), 0);

    _cities = 2;
    _CITIES[0].wx = 20;
    _CITIES[0].wy = 10;
    _CITIES[0].wp = 1;
    _CITIES[1] = _CITIES[0];
    EXPECT_EQ(Cartograph_City_At(20, 10, 1), -1);  // unexplored
    _square_explored[1 * 2400 + 10 * 60 + 20] = 1;
    EXPECT_EQ(Cartograph_City_At(20, 10, 1), 0);
    EXPECT_EQ(Cartograph_City_At(20, 10, 0), -1);
}
