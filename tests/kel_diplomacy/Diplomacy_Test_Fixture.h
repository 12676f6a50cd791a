// A world of four wizards who have all met, with no treaties, and a way to see the draws ahead.
#pragma once

#include <cstring>
#include <initializer_list>
#include <vector>

#include "World_Fixture.h"
#include "random.h"
#include "turn/Diplomacy_Tables.h"
#include "world/ALLOC.h"

class Diplomacy_Test : public World_Test {
protected:
    void SetUp() override
    {
        World_Test::SetUp();
        _num_players = 4;
        _turn = 11;
        _difficulty = 2;
        _current_player_idx = 0;
        for (int i = 0; i < NUM_PLAYERS; i++) {
            _players[i].Personality = pt_Chaotic;
            for (int j = 0; j < NUM_PLAYERS; j++) {
                _players[i].Dipl_Contacted[j] = 1;
            }
        }
        Set_Random_Seed(0x1234567);
    }

    // The results the next draws of these ranges will give, leaving the stream where it was.
    static std::vector<int> Peek_Draws(std::initializer_list<int> ranges)
    {
        uint32_t saved = Get_Random_Seed();
        std::vector<int> draws;
        for (int n : ranges) {
            draws.push_back(Random(static_cast<int16_t>(n)));
        }
        random_seed = saved;
        return draws;
    }

    static void Set_Relation(int a, int b, int relation)
    {
        _players[a].Dipl_Relation[b] = static_cast<int8_t>(relation);
        _players[b].Dipl_Relation[a] = static_cast<int8_t>(relation);
    }

    static void Set_Treaty_Both(int a, int b, uint8_t treaty)
    {
        _players[a].Dipl_Treaty[b] = treaty;
        _players[b].Dipl_Treaty[a] = treaty;
    }
};
