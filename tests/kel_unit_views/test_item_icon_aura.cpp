// The aura of an item icon: colour set by the first power in outline order, one frame every
// second drawing.
#include <gtest/gtest.h>

#include "heroes/Item_View.h"
#include "world/Item_Record.h"

namespace {

TEST(ItemsScreenAura, ColourSetByTheFirstPowerInOutlineOrder)
{
    struct Case {
        uint32_t powers;
        int16_t set;
    } cases[] = {
        {0, -1},
        {ip_Water_Walking, 3},
        {ip_Haste | ip_Doom, 4},
        {ip_Doom | ip_Wraithform, 0},
        {ip_Wraithform | ip_Bless, 1},
        {ip_Invulnerability, 2},
        {ip_Flight | ip_Water_Walking, 4},
    };
    for (const Case &c : cases) EXPECT_EQ(Item_Enchantment_Outline_Set(c.powers), c.set) << std::hex << c.powers;
}

TEST(ItemsScreenAura, FrameAdvancesEverySecondCallAndWraps)
{
    item_enchantment_animation_flag = 0;
    item_enchantment_animation_count = 6;
    std::vector<int> frames;
    for (int i = 0; i < 6; i++) {
        Cycle_Item_Enchantment_Animation();
        frames.push_back(item_enchantment_animation_count);
    }
    EXPECT_EQ(frames, (std::vector<int>{6, 7, 7, 0, 0, 1}));
}

}  // namespace
