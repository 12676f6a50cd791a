// Input for a screen's loop in a test: one step runs at each poll of the platform (register
// Run_Poll_Script as its frame callback). A loop still running long after the script ended is
// stopped through quit_game_flag and noted in ran_out.
#pragma once

#include <deque>
#include <functional>

#include "shell/Screen_Control.h"

struct Poll_Script {
    static constexpr int POLLS_MAX = 600;
    std::deque<std::function<void()>> steps;
    int polls = 0;
    bool ran_out = false;
};

inline Poll_Script &Script()
{
    static Poll_Script script;
    return script;
}

inline void Run_Poll_Script(void)
{
    Poll_Script &s = Script();
    if (!s.steps.empty()) {
        std::function<void()> step = s.steps.front();
        s.steps.pop_front();
        step();
    } else if (++s.polls > Poll_Script::POLLS_MAX) {
        s.ran_out = true;
        quit_game_flag = 1;
    }
}
