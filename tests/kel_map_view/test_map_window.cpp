// The map window: scrolling a square a frame with the wrap, draw priorities and the entity
// table, the blinking active stack, the redraw state and the animation counters.
#include "Map_View_Fixture.h"

namespace {

using MapWindow = Map_View_Test;

struct Scroll_Case {
    int16_t from_x, from_y, target_x, target_y;
    std::vector<std::pair<int16_t, int16_t>> steps;
};

TEST_F(MapWindow, ScrollsOneSquareAFrameTheShortWayAcrossTheSeam)
{
    const Scroll_Case cases[] = {
        {55, 0, 2, 0, {{56, 0}, {57, 0}, {58, 0}, {59, 0}, {0, 0}, {1, 0}, {2, 0}, {2, 0}}},
        {3, 0, 58, 0, {{2, 0}, {1, 0}, {0, 0}, {59, 0}, {58, 0}, {58, 0}}},
        {12, 5, 10, 5, {{11, 5}, {10, 5}, {10, 5}}},
        {20, 28, 21, 30, {{21, 29}, {21, 30}, {21, 30}}},
        {20, 3, 20, 0, {{20, 2}, {20, 1}, {20, 0}, {20, 0}}},
        // After the clamp: column 60 is column 0, and the window goes west.
        {60, 0, 57, 0, {{59, 0}, {58, 0}, {57, 0}, {57, 0}}},
    };
    for (const Scroll_Case &c : cases) {
        int16_t x = c.from_x, y = c.from_y;
        for (const auto &step : c.steps) {
            Draw_Maps(0, 20, 12, 10, &x, &y, 0, c.target_x, c.target_y, 0);
            EXPECT_EQ(x, step.first) << "from " << c.from_x << " to " << c.target_x;
            EXPECT_EQ(y, step.second) << "from " << c.from_y << " to " << c.target_y;
            EXPECT_EQ(_map_x, x);
            EXPECT_EQ(_map_y, y);
        }
    }
    EXPECT_TRUE(page.Guards_Intact());
}

TEST_F(MapWindow, AnotherPlayersViewLeavesTheMainPositionAlone)
{
    _map_x = 7;
    _map_y = 4;
    int16_t x = 10, y = 10;
    Draw_Maps(0, 20, 12, 10, &x, &y, 0, 12, 10, 3);
    EXPECT_EQ(x, 11);
    EXPECT_EQ(_map_x, 7);
    EXPECT_EQ(_map_y, 4);
}

TEST_F(MapWindow, AUnitAcrossTheSeamTakesItsWrappedColumn)
{
    Explore_All(0);
    int16_t east = Add_Unit(TYPE_FIGHTER, 0, 1, 3);
    int16_t west = Add_Unit(TYPE_FIGHTER, 0, 55, 4);
    int16_t outside = Add_Unit(TYPE_FIGHTER, 0, 7, 3);
    Refresh_Entities(55, 0);
    EXPECT_EQ(Entity(6, 3), east);
    EXPECT_EQ(Entity(0, 4), west);
    for (int16_t e : entities_on_movement_map) EXPECT_NE(e, outside);
    // The clamp's column 60 reads as column 0.
    Refresh_Entities(60, 0);
    EXPECT_EQ(Entity(1, 3), east);
}

TEST_F(MapWindow, PrioritiesDecideWhichUnitASquareShows)
{
    Explore_All(0);
    // Equal priorities: the lower index stays.
    int16_t first = Add_Unit(TYPE_FIGHTER, 0, 2, 2);
    Add_Unit(TYPE_FIGHTER, 0, 2, 2);
    // A ship (50) over fighters of strength up to 49.
    Add_Unit(TYPE_STRONG, 1, 4, 2);
    int16_t ship = Add_Unit(TYPE_SHIP, 1, 4, 2);
    Add_Unit(TYPE_FIGHTER, 1, 4, 2);
    // A city over the units in it.
    Add_Unit(TYPE_STRONG, 0, 6, 2);
    int16_t city = Add_City(0, 6, 2);
    Refresh_Entities(0, 0);
    EXPECT_EQ(Entity(2, 2), first);
    EXPECT_EQ(Entity(4, 2), ship);
    EXPECT_EQ(Entity(6, 2), MAP_ENTITY_CITY_FIRST + city);
    EXPECT_EQ((int8_t)_UNITS[ship].Draw_Priority, 50);
    EXPECT_EQ((int8_t)_UNITS[first].Draw_Priority, 4);
}

TEST_F(MapWindow, WhoEntersTheTable)
{
    Explore_All(0);
    Explore(9, 9, 1);
    int16_t dead = Add_Unit(TYPE_STRONG, -1, 1, 1);
    int16_t enemy_invisible = Add_Unit(TYPE_FIGHTER, 1, 2, 1);
    _UNITS[enemy_invisible].enchantments = UE_INVISIBILITY;
    int16_t own_invisible = Add_Unit(TYPE_FIGHTER, 0, 3, 1);
    _UNITS[own_invisible].enchantments = UE_INVISIBILITY;
    int16_t other_plane = Add_Unit(TYPE_FIGHTER, 0, 4, 1, 1);
    int16_t in_tower = Add_Unit(TYPE_FIGHTER, 0, 9, 9, 1);
    _UNITS[in_tower].in_tower = 1;
    // Explored but not seen this turn.
    int16_t unseen = Add_Unit(TYPE_FIGHTER, 1, 5, 1);
    _square_explored[World_Square_Index(5, 1, 0)] = 0;
    Refresh_Entities(0, 0);
    EXPECT_EQ((int8_t)_UNITS[dead].Draw_Priority, -1);
    EXPECT_EQ(Entity(1, 1), MAP_ENTITY_NONE);
    EXPECT_EQ(Entity(2, 1), MAP_ENTITY_NONE);
    EXPECT_EQ(Entity(3, 1), own_invisible);
    EXPECT_EQ(Entity(4, 1), MAP_ENTITY_NONE) << other_plane;
    EXPECT_EQ(Entity(9, 9), in_tower) << "a tower shows its units on both planes";
    EXPECT_EQ(Entity(5, 1), MAP_ENTITY_NONE) << unseen;
}

TEST_F(MapWindow, TheActiveStackIsLeftToTheBlinkingUnlessDrawnAlways)
{
    Explore_All(0);
    int16_t a = Add_Unit(TYPE_FIGHTER, 0, 3, 3);
    int16_t b = Add_Unit(TYPE_STRONG, 0, 3, 3);
    _unit_stack[0] = {a, 1};
    _unit_stack[1] = {b, 1};
    _unit_stack_count = 2;
    draw_active_stack_flag = 0;
    Refresh_Entities(0, 0);
    EXPECT_EQ(Entity(3, 3), MAP_ENTITY_NONE);
    draw_active_stack_flag = DRAW_ACTIVE_STACK_ALWAYS;
    Refresh_Entities(0, 0);
    EXPECT_EQ(Entity(3, 3), a);
}

TEST_F(MapWindow, NodesEnterOverWhatWasThere)
{
    Explore_All(0);
    Add_Unit(TYPE_FIGHTER, 0, 8, 6);
    _NODES[4] = Node_Record{};
    _NODES[4].wx = 8;
    _NODES[4].wy = 6;
    _NODES[4].owner_idx = -1;
    _NODES[7] = Node_Record{};
    _NODES[7].wx = 9;
    _NODES[7].wy = 6;
    _square_explored[World_Square_Index(9, 6, 0)] = 0;
    Refresh_Entities(0, 0);
    Add_Nodes_To_Entities_On_Map_Window(0, 0, 0);
    EXPECT_EQ(Entity(8, 6), MAP_ENTITY_NODE_FIRST + 4);
    EXPECT_EQ(Entity(9, 6), MAP_ENTITY_NONE);
}

TEST_F(MapWindow, TheBlinkingStackShowsInFourFramesOfEight)
{
    Explore_All(0);
    int16_t a = Add_Unit(TYPE_FIGHTER, 0, 3, 3);
    _unit_stack[0] = {a, 1};
    _unit_stack_count = 1;
    Reset_Draw_Active_Stack();
    ASSERT_EQ(draw_active_stack_flag, 0);
    int marked = 0;
    for (int frame = 0; frame < 8; frame++) {
        int16_t x = 0, y = 0;
        Draw_Maps(0, 20, 12, 10, &x, &y, 0, 0, 0, 0);
        // The reduced map's window covers squares 0..57 around column 6: the stack's square is
        // column 3 - minimap_x wrapped.
        int column = (3 - minimap_x + 60) % 60, row = 3 - minimap_y;
        marked += Reduced_Pixel(column, row) == 15;
    }
    EXPECT_EQ(marked, 4);
    Set_Draw_Active_Stack_Never();
    EXPECT_EQ(draw_active_stack_flag, DRAW_ACTIVE_STACK_NEVER);
    all_units_moved = 1;
    Reset_Draw_Active_Stack();
    EXPECT_EQ(draw_active_stack_flag, DRAW_ACTIVE_STACK_NEVER) << "nothing left to move: no blinking";
}

TEST_F(MapWindow, RedrawStateAndAnimationCounters)
{
    Draw_Map_Window(0, 20, 12, 10, 5, 5, 0);
    EXPECT_EQ(map_draw_prev_x, 5);
    EXPECT_EQ(map_draw_sustain, 1);
    Explore(5, 5, 0);
    map_draw_full = 0;
    Draw_Map_Window(0, 20, 12, 10, 5, 5, 0);
    EXPECT_EQ(map_draw_sustain, 0);
    EXPECT_EQ(map_draw_full, 1) << "an explored square switches full drawing on";

    Save_Map_Draw_State();
    EXPECT_EQ(map_draw_prev_x, -1);
    Restore_Map_Draw_State();
    EXPECT_EQ(map_draw_prev_x, 5);
    EXPECT_EQ(map_draw_prev_y, 5);

    map_anim_cycle = terrain_anim_ctr = node_anim_ctr = road_anim_ctr = 0;
    for (int frame = 1; frame <= 24; frame++) {
        Cycle_Map_Animations();
        EXPECT_EQ(terrain_anim_ctr, (frame / 4) % 4);
        EXPECT_EQ(node_anim_ctr, (frame / 4) % 6);
        EXPECT_EQ(road_anim_ctr, (frame / 4) % 6);
    }
}

TEST_F(MapWindow, SquaresAroundAPointRepaintInPlaceAndKeepTheDrawState)
{
    Explore_All(0);
    int16_t x = 10, y = 5;
    Draw_Maps(0, 20, 12, 10, &x, &y, 0, 10, 5, 0);
    std::vector<uint8_t> full(page.Pixels(), page.Pixels() + SCREEN_SIZE);
    int16_t prev_x = map_draw_prev_x, prev_y = map_draw_prev_y, sustain = map_draw_sustain;
    // A figure at the square (3, 4) of the window: the 3 x 3 squares around it come back as they were.
    Fill(40, 74, 99, 127, 0);
    Draw_Map_Squares_Around_Screen_Point(60, 92, 0, 10, 5);
    EXPECT_EQ(map_draw_prev_x, prev_x);
    EXPECT_EQ(map_draw_prev_y, prev_y);
    EXPECT_EQ(map_draw_sustain, sustain);
    int differing = 0;
    for (int py = 74; py < 128; py++)
        for (int px = 40; px < 100; px++) differing += page.At(px, py) != full[py * SCREEN_WIDTH + px];
    EXPECT_EQ(differing, 0);
}

}  // namespace
