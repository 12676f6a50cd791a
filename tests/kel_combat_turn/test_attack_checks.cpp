#include <vector>

#include "Turn_Fixture.h"
#include "combat/Battle_Unit_Scores.h"
#include "combat/Combat_Attack.h"
#include "combat/Combat_Checks.h"

namespace {
std::vector<int16_t> m_refusals;
void Refused(int16_t record) { m_refusals.push_back(record); }
}  // namespace

class AttackChecks : public Turn_Test {
protected:
    void SetUp() override
    {
        Turn_Test::SetUp();
        m_refusals.clear();
        Combat_Rule_Hooks hooks = {};
        hooks.attack_refused = Refused;
        Combat_Set_Rule_Hooks(&hooks);
    }
};

TEST_F(AttackChecks, AnAdjacentArcherShootsUnlessItsTargetIsImmuneToMissiles)
{
    struct Case {
        uint16_t target_attributes;
        bool shoots;
    } cases[] = {{0, true}, {UI_MISSILES_IMMUNITY, false}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        Battle_Unit_Record &archer = Archer(0, 0, 5, 5);
        archer.Move_Halves = 30;
        Battle_Unit_Record &target = Unit(1, 1, 3, 1, 2, 4);
        target.Grid_X = 6, target.Grid_Y = 6;
        target.Attribs_1 = c.target_attributes;
        Battle_Unit_Attack(0, 1, 6, 6);
        EXPECT_EQ(archer.Ammo, c.shoots ? 3 : 4) << "attributes " << c.target_attributes;
        EXPECT_EQ(target.Times_Attacked, 1);
    }
}

TEST_F(AttackChecks, AShotAtAnUnseenTargetIsRefusedToTheHumanAndDroppedForTheComputer)
{
    struct Case {
        int owner;
        std::vector<int16_t> refusals;
    } cases[] = {{0, {3}}, {1, {}}};
    for (const Case &c : cases) {
        Combat_Tables_Reset();
        m_refusals.clear();
        Battle_Unit_Record &archer = Archer(0, c.owner, 5, 5);
        archer.Move_Halves = 6;
        Battle_Unit_Record &target = Unit(1, 1 - c.owner);
        target.Grid_X = 8, target.Grid_Y = 5;
        target.Abilities = UA_INVISIBILITY;
        Battle_Unit_Attack(0, 1, 8, 5);
        EXPECT_EQ(m_refusals, c.refusals) << "owner " << c.owner;
        EXPECT_EQ(archer.Ammo, 4) << "nothing spent";
        EXPECT_EQ(archer.Move_Halves, 6);
        EXPECT_EQ(target.Times_Attacked, 0);
    }
}

TEST_F(AttackChecks, TheLastArrowEndsTheRangedAttack)
{
    Battle_Unit_Record &archer = Archer(0, 0, 5, 5);
    archer.Ammo = 1;
    archer.Move_Halves = 30;
    Battle_Unit_Record &target = Unit(1, 1);
    target.Grid_X = 9, target.Grid_Y = 5;
    Battle_Unit_Attack(0, 1, 9, 5);
    EXPECT_EQ(archer.Ammo, 0);
    EXPECT_EQ(Battle_Unit_Ranged_Kind(&archer), -1);
    EXPECT_EQ(archer.Ranged, 0);
    EXPECT_EQ(Battle_Unit_Has_Ranged_Attack(&archer), 0);
    EXPECT_EQ(archer.Move_Halves, 10) << "a volley costs 20 half-moves";
}

TEST_F(AttackChecks, AWalkerOutsideStrikesTheGateAndBrokenWallsButNotAStandingWall)
{
    battlefield->walls = 1;
    for (auto &row : battlefield->wall_sections)
        for (int16_t &section : row) section = WALL_SECTION_STANDING;
    Battle_Unit_Record &walker = Unit(0, 0);
    walker.Grid_X = 9, walker.Grid_Y = 11;
    Battle_Unit_Record &defender = Unit(1, 1);
    struct Case {
        int16_t x, y, section;
        int16_t allowed;
    } cases[] = {
        {8, 12, WALL_SECTION_STANDING, 1}, {8, 11, WALL_SECTION_STANDING, 0}, {8, 11, WALL_SECTION_BREACHED, 1}};
    for (const Case &c : cases) {
        defender.Grid_X = c.x, defender.Grid_Y = c.y;
        battlefield->wall_sections[c.y - COMBAT_CITY_Y][c.x - COMBAT_CITY_X] = c.section;
        EXPECT_EQ(Check_Attack_Melee_City_Wall(&walker, &defender), c.allowed) << c.x << "," << c.y;
    }
}

TEST_F(AttackChecks, AWallCrushersShotAtAWallLowersItsMovesToNoLessThanNothing)
{
    battlefield->walls = 1;
    for (auto &row : battlefield->wall_sections)
        for (int16_t &section : row) section = WALL_SECTION_STANDING;
    Battle_Unit_Record &crusher = Archer(0, 0, 8, 16);
    crusher.Abilities = UA_WALLCRUSHER;
    crusher.Move_Halves = 4;
    Battle_Unit_Attack(0, ATTACK_TARGET_WALL, 8, 13);
    EXPECT_EQ(crusher.Move_Halves, 0);
    EXPECT_EQ(crusher.Ammo, 3);
}

TEST_F(AttackChecks, TheMouseOffersAShotOnlyAtWhatTheArcherCanSee)
{
    Archer(0, 0, 5, 5);
    Battle_Unit_Record &target = Unit(1, 1);
    Unit(2, 0);  // no ranged attack
    EXPECT_EQ(Ranged_Mouse_Image(0, 1), MOUSE_IMAGE_SHOT);
    EXPECT_EQ(Ranged_Mouse_Image(2, 1), MOUSE_IMAGE_NO_SHOT);
    target.Abilities = UA_INVISIBILITY;
    EXPECT_EQ(Ranged_Mouse_Image(0, 1), MOUSE_IMAGE_NO_SHOT);
    _attacker_sees_illusions = 1;
    EXPECT_EQ(Ranged_Mouse_Image(0, 1), MOUSE_IMAGE_SHOT);
}
