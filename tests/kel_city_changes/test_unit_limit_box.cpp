// The unit limit's refusal in a shown window, on the stand-in installation: the warning box
// carries the stand-in's message with the city's name, a key closes it, and the turn goes on.
#include <SDL.h>

#include <cstring>
#include <string>

#include "../kel_cities/Cities_Fixture.h"
#include "Dialog_Boxes.h"
#include "Input.h"
#include "Poll_Script.h"
#include "Test_Engine.h"
#include "cities/City_Records.h"
#include "sdl2_Init.h"
#include "sdl2_PFL.h"
#include "turn/City_Changes.h"
#include "turn/Report_Queues.h"
#include "turn/Turn_Services.h"
#include "turn/screens/Turn_Screen_Services.h"
#include "world/Unit_Record.h"

namespace {

constexpr int16_t UNIT_TYPE = 40;

class Unit_Limit_Box : public Cities_Test {
protected:
    void SetUp() override
    {
        Cities_Test::SetUp();
        Test_Engine_Start();
        // The stand-in installation comes first, so its MESSAGE.LBX and box pictures are read.
        STU_GRAF_Reset();
        STU_GRAF_Add_Search_Dir(TOLVA_BINARY_DIR "/standin");
        LBX_Close();
        City_Records_Install_World_Hooks();
        Turn_Install_Screen_Services();
        Initialize_Reports();
        grand_vizier = 0;
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        sdl2_window = SDL_CreateWindow("unit limit", 0, 0, 320, 200, SDL_WINDOW_HIDDEN);
        ASSERT_NE(sdl2_window, nullptr) << SDL_GetError();
        Platform_Set_Headless(0);
        Platform_Keyboard_Buffer_Clear();
        Input_Reset_State();
        Script() = Poll_Script{};
        Platform_Register_Frame_Callback(Run_Poll_Script);
    }
    void TearDown() override
    {
        Platform_Register_Frame_Callback(nullptr);
        Platform_Set_Headless(1);
        SDL_DestroyWindow(sdl2_window);
        sdl2_window = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        quit_game_flag = 0;
        Turn_Set_Services(Turn_Services{});
        Cities_Test::TearDown();
    }
};

}  // namespace

TEST_F(Unit_Limit_Box, TheRefusalShowsTheStandinMessageWithTheCityAndTheTurnGoesOn)
{
    ASSERT_EQ(Window_Shown(), 1);
    _units = 999;
    int16_t idx = Add_City(0, rt_Orc, 10, 20, 0, 4, 1);
    std::memcpy(_CITIES[idx].name, "Brackwater", 11);
    _CITIES[idx].food_units = 4;
    _CITIES[idx].construction = PRODUCT_UNIT_BASE + UNIT_TYPE;
    _CITIES[idx].production_units = 30;
    _CITIES[idx].Prod_Accu = 20;
    message_box_text[0] = '\0';
    int shown_polls = 0;
    for (int i = 0; i < 3; ++i) Script().steps.push_back([&] { shown_polls++; });
    Script().steps.push_back([] { Platform_Keyboard_Buffer_Add_Key_Press(SDLK_RETURN, 0, '\r'); });

    City_Apply_Production(idx);

    EXPECT_EQ(shown_polls, 3) << "the box waited for the key";
    EXPECT_FALSE(Script().ran_out) << "the key closed the box";
    EXPECT_EQ(std::string(message_box_text),
              "The world holds too many units to build more in Brackwater. You must disband some units if you wish "
              "to build or summon any more.");
    EXPECT_EQ(_units, 999) << "no unit made";
    EXPECT_EQ(_CITIES[idx].construction, bt_Trade_Goods) << "the city goes on with trade goods";
    EXPECT_EQ(quit_game_flag, 0);
}
