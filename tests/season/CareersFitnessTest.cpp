// Injuries picked up and healed, and the day's condition and form.
#include <gtest/gtest.h>

#include "CareersWorld.h"
#include "season/Fitness.h"

namespace ravel {

namespace {

class FitnessTest : public CareersWorld {
protected:
    void SetUp() override {
        CareersWorld::SetUp();
        InjuryType t;
        t.m_id = 4;
        t.m_days = 20;
        std::snprintf(t.m_description, sizeof t.m_description, "Torn hamstring");
        g_world.mv_injuryTypes.push_back(t);
        AddClub(1300, NORTH).m_human = 1;
        AddHumanCoach(50).m_staff.m_clubJob = 1300;
    }
};

}  // namespace

TEST_F(FitnessTest, InjuryRunsDownAndTheCoachHearsHeIsFit) {
    Player& p = AddCricketer(NORTH, 1300, 2);
    p.m_injured = 1;
    p.m_daysOut = 2;
    p.m_condition = 50.0f;
    const int id = p.m_id;
    UpdatePlayerFitnessAndInjuries();
    EXPECT_EQ(g_world.mv_players[id].m_injured, 1);
    EXPECT_EQ(g_world.mv_players[id].m_daysOut, 1);
    EXPECT_FLOAT_EQ(g_world.mv_players[id].m_condition, 50.0f) << "no recovery while injured";
    UpdatePlayerFitnessAndInjuries();
    EXPECT_EQ(g_world.mv_players[id].m_injured, 0);
    EXPECT_GE(g_world.mv_players[id].m_condition, 80.0f);
    ASSERT_EQ(g_userCoaches[0].mv_pending.size(), 1u);
    EXPECT_EQ(g_userCoaches[0].mv_pending[0].m_code, NEWS_RECOVERED);
}

TEST_F(FitnessTest, PlayersOfSidesPlayingTodayGetInjuredFromTheTypes) {
    for (int i = 0; i < 40; ++i) AddCricketer(NORTH, 1300, 2);
    TeamById(1300)->m_playingToday = 1;
    int injured = 0;
    for (int day = 0; day < 30; ++day) UpdatePlayerFitnessAndInjuries();
    for (const Player& p : g_world.mv_players) {
        if (!p.m_injured) continue;
        ++injured;
        EXPECT_EQ(p.m_injuryType, 4);
        EXPECT_GE(p.m_daysOut, 1);
        EXPECT_LE(p.m_daysOut, 25);
    }
    EXPECT_GT(injured, 0);
    int news = 0;
    for (const PendingNewsItem& item : g_userCoaches[0].mv_pending)
        if (item.m_code == NEWS_INJURY) {
            ++news;
            EXPECT_GE(item.m_figure, 1);
        }
    EXPECT_GE(news, injured);
}

TEST_F(FitnessTest, ConditionRecoversAndFormStaysInItsRange) {
    Player& p = AddCricketer(NORTH, 0, 0);
    p.m_condition = 70.0f;
    p.m_batForm = 15.0f;
    p.m_bowlForm = -15.0f;
    p.m_morale = 40;
    const int id = p.m_id;
    for (int day = 0; day < 60; ++day) {
        g_cricket.m_date.m_dayOfSeason = day;
        UpdatePlayerFitnessAndInjuries();
        const Player& q = g_world.mv_players[id];
        EXPECT_LE(q.m_batForm, 15.0f);
        EXPECT_GE(q.m_bowlForm, -15.0f);
    }
    const Player& q = g_world.mv_players[id];
    if (!q.m_injured) {
        EXPECT_FLOAT_EQ(q.m_condition, 100.0f);
    }
    EXPECT_LT(q.m_batForm, 10.0f) << "form settles";
    EXPECT_GT(q.m_morale, 40);
}

}  // namespace ravel
