#include <algorithm>
#include <limits>

#include "SeasonWorld.h"
#include "season/PlayerIcons.h"

namespace ravel {
namespace {

class PlayerIcons : public SeasonWorld {
protected:
    // Six equal batting skills make a batting mean of `bat`; equal skill and
    // consistency a bowling mean of `bowl`.
    static int AddRated(int bat, int bowl, int position, int keeper = 0) {
        Player& p = AddPlayer();
        std::fill(std::begin(p.m_batSkill), std::end(p.m_batSkill), bat);
        p.m_bowlSkill[0] = p.m_bowlSkill[1] = bowl;
        p.m_batPosition = position;
        p.m_keeper = keeper;
        return p.m_id;
    }
};

TEST_F(PlayerIcons, RoleFollowsTheGapBetweenTheMeans) {
    struct Case {
        int bat, bowl, position, keeper;
        int32_t role, roleWithKeeper;
    };
    const Case cases[] = {
        {66, 50, 3, 0, ICON_BATSMAN, ICON_BATSMAN},  // d = 16
        {66, 50, 1, 0, ICON_BATSMAN_OPENER, ICON_BATSMAN_OPENER},
        {65, 50, 3, 0, ICON_ALLROUNDER, ICON_ALLROUNDER},  // d = 15
        {65, 50, 2, 0, ICON_ALLROUNDER_OPENER, ICON_ALLROUNDER_OPENER},
        {35, 50, 3, 0, ICON_ALLROUNDER, ICON_ALLROUNDER},  // d = -15
        {34, 50, 3, 0, ICON_BOWLER, ICON_BOWLER},          // d = -16
        {34, 50, 2, 0, ICON_BOWLER_OPENER, ICON_BOWLER_OPENER},
        {80, 10, 3, 1, ICON_BATSMAN, ICON_KEEPER},  // a keeper whatever his skills
        {80, 10, 1, 1, ICON_BATSMAN_OPENER, ICON_KEEPER_OPENER},
        {80, 10, 3, 2, ICON_BATSMAN, ICON_BATSMAN},  // an occasional keeper by his skills
        {20, 70, 11, 2, ICON_BOWLER, ICON_BOWLER},
    };
    for (const Case& c : cases) {
        const int id = AddRated(c.bat, c.bowl, c.position, c.keeper);
        SCOPED_TRACE(testing::Message() << "bat " << c.bat << " bowl " << c.bowl << " position " << c.position
                                        << " keeper " << c.keeper);
        EXPECT_EQ(PlayerRoleIcon(id), c.role);
        EXPECT_EQ(PlayerRoleIconWithKeeper(id), c.roleWithKeeper);
    }
}

TEST_F(PlayerIcons, BattingMeanIsTruncated) {
    // Six skills summing to 359 make a mean of 59 (59.83), so d = 59 - 43 = 16.
    Player& p = AddPlayer();
    const int skills[] = {60, 60, 60, 60, 60, 59};
    std::copy(std::begin(skills), std::end(skills), p.m_batSkill);
    p.m_bowlSkill[0] = 43;
    p.m_bowlSkill[1] = 44;  // (43 + 44) / 2 = 43.5, truncated to 43
    p.m_batPosition = 5;
    EXPECT_EQ(PlayerRoleIcon(p.m_id), ICON_BATSMAN);
    p.m_bowlSkill[1] = 45;  // bowling mean 44: d = 15
    EXPECT_EQ(PlayerRoleIcon(p.m_id), ICON_ALLROUNDER);
}

TEST_F(PlayerIcons, FormStepsWithTheirBounds) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        float form;
        int step;  // 0 best .. 6 worst
    };
    const Case cases[] = {
        {-18.5f, 6}, {-18.0f, 5}, {-10.1f, 5}, {-10.0f, 4}, {-2.0f, 3}, {2.9f, 3}, {3.0f, 2},
        {7.9f, 2},   {8.0f, 1},   {14.0f, 0},  {20.0f, 0},  {20.5f, 3}, {nan, 3},
    };
    const int id = AddPlayer().m_id;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "form " << c.form);
        PlayerById(id)->m_batForm = c.form;
        PlayerById(id)->m_bowlForm = c.form;
        EXPECT_EQ(BatFormIcon(id), ICON_BAT_FORM_BEST + c.step);
        EXPECT_EQ(BowlFormIcon(id), ICON_BOWL_FORM_BEST + c.step);
    }
}

TEST_F(PlayerIcons, UnknownPlayerGetsMiddleIcons) {
    EXPECT_EQ(PlayerRoleIconWithKeeper(4242), ICON_ALLROUNDER);
    EXPECT_EQ(BatFormIcon(4242), 90);
    EXPECT_EQ(BowlFormIcon(4242), 97);
}

}  // namespace
}  // namespace ravel
