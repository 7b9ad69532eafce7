#include <gtest/gtest.h>

#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

TEST(MatchLists, FindRetireAndClear) {
    BuildWorld();
    EXPECT_EQ(FindCurrentMatchIndex(5), -1);  // empty list
    Match& first = StartComputerMatch(COMP_ONE_DAY);
    Match& second = StartComputerMatch(COMP_ONE_DAY);
    Match& third = StartComputerMatch(COMP_ONE_DAY);
    int32_t ids[3] = {first.mi_id, second.mi_id, third.mi_id};
    EXPECT_EQ(FindCurrentMatchIndex(ids[2]), 2);
    EXPECT_EQ(FindCurrentMatchIndex(999), -1);
    EXPECT_EQ(MatchById(999), nullptr);

    RetireMatch(1);
    RetireMatch(7);  // no such position: nothing moves
    EXPECT_EQ(g_currentMatches.size(), 2u);
    EXPECT_EQ(FindCurrentMatchIndex(ids[2]), 1);
    EXPECT_EQ(FindCompletedMatchIndex(ids[1]), 0);
    EXPECT_EQ(MatchById(ids[1])->mi_id, ids[1]);

    ClearCompletedMatches();
    EXPECT_EQ(MatchById(ids[1]), nullptr);
    EXPECT_EQ(FindCompletedMatchIndex(ids[1]), -1);
    EXPECT_GT(NextMatchId(), ids[2]);
}

// Retiring the matches before the user's keeps the index on his match; his
// own leaving the list, or a new game, leaves none.
TEST(MatchLists, UserMatchIndexFollowsRetirement) {
    BuildWorld();
    EXPECT_EQ(UserMatch(), nullptr);
    for (int i = 0; i < 4; ++i) StartComputerMatch(COMP_ONE_DAY);
    const int32_t user = g_currentMatches[2]->mi_id;
    g_userMatch = 2;
    RetireMatch(3);
    ASSERT_NE(UserMatch(), nullptr);
    EXPECT_EQ(UserMatch()->mi_id, user);
    RetireMatch(0);
    EXPECT_EQ(g_userMatch, 1);
    EXPECT_EQ(UserMatch()->mi_id, user);
    RetireMatch(1);
    EXPECT_EQ(g_userMatch, -1);
    EXPECT_EQ(UserMatch(), nullptr);
    g_userMatch = 0;
    ResetMatchLists();
    EXPECT_EQ(g_userMatch, -1);
    g_userMatch = 5;  // outside the list
    EXPECT_EQ(UserMatch(), nullptr);
    g_userMatch = -1;
}

class PlainScreenServices : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }
};

TEST_F(PlainScreenServices, InstalledServicesReplaceThePlainOnes) {
    struct Screens : CMatchScreenServices {
        int m_animations = 0;
        void StartBallAnimation(Match& match, BallAnimScript*) override {
            ++m_animations;
            match.mi_decision = DECISION_INFOBOX;
        }
    } screens;
    InstallMatchScreenServices(&screens);
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    StartBallAnimation(match, nullptr);  // no script: nothing happens
    EXPECT_EQ(screens.m_animations, 0);
    StartBallAnimation(match, &match.AnimScript(0));
    EXPECT_EQ(screens.m_animations, 1);
    EXPECT_EQ(match.mi_decision, DECISION_INFOBOX);
    InstallMatchScreenServices(nullptr);
    StartBallAnimation(match, &match.AnimScript(0));
    EXPECT_EQ(screens.m_animations, 1);
}

TEST_F(PlainScreenServices, UserMatchEndHandsOverToPhaseEight) {
    g_cricket.m_dayPhase = 7;
    HandOverUserMatchEnd(false);
    EXPECT_EQ(g_cricket.m_dayPhase, DAY_PHASE_USER_MATCH_ENDED);
    EXPECT_FALSE(g_showScorecard);
    HandOverUserMatchEnd(true);
    EXPECT_TRUE(g_showScorecard);
}

}  // namespace
}  // namespace ravel
