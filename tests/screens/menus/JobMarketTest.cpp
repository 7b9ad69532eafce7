// The job market's two lists, their rows and scroll bar, and where a row leads.
#include <string>

#include "NewsFixture.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "season/GameState.h"
#include "shell/gui/Button.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {
namespace {

CJobMarketScreen& JM() {
    return TheScreen<CJobMarketScreen>();
}

class JobMarketTest : public NewsWorldTest {
protected:
    // Clubs 1401.. with the given security each.
    static void AddClubs(int count, float security) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "Club " + std::to_string(i);
            AddClub(1401 + static_cast<int>(g_world.mv_teams.size()), name.c_str()).m_jobSecurity = security;
        }
    }
    // The job market's controls while it is current.
    const std::vector<CControl*>& Controls() const { return g_system->mp_controlList->mv_controls; }
    int VisibleRows() const {
        int shown = 0;
        for (const CControl* c : Controls())
            if (c->m_width == 730 && c->mb_visible && !c->mb_disabled) ++shown;
        return shown;
    }
    CScrollBar* Bar() const {
        for (CControl* c : Controls())
            if (auto* bar = dynamic_cast<CScrollBar*>(c)) return bar;
        return nullptr;
    }
    CControl* Find(const char* caption, int y = -1) const {
        for (CControl* c : Controls())
            if (std::string(c->m_caption) == caption && (y < 0 || c->m_y == y)) return c;
        return nullptr;
    }
    CControl* Row(int k) const { return Find("", 165 + 20 * k); }
};

TEST_F(JobMarketTest, NoInsecureOrVacantPostShowsNoRows) {
    m_game->ChangeScreen(SCREEN_JOBS);
    EXPECT_TRUE(JM().Jobs().empty());
    EXPECT_EQ(VisibleRows(), 0);
    ASSERT_NE(Bar(), nullptr);
    EXPECT_FALSE(Bar()->mb_visible);
    Shot("jobs_none.png");
}

TEST_F(JobMarketTest, LeastSecureFirstAndSecurePostsLeftOut) {
    TeamById(CLUB_A)->m_jobSecurity = 85.0f;  // secure: not on the market
    TeamById(CLUB_B)->m_jobSecurity = 80.5f;
    CountryById(2)->m_jobSecurity = 0.0f;
    CountryById(3)->m_jobSecurity = 76.0f;
    m_game->ChangeScreen(SCREEN_JOBS);
    EXPECT_EQ(JM().Jobs(), (std::vector<int32_t>{2, 3, CLUB_B}));
    EXPECT_EQ(VisibleRows(), 3);
    Shot("jobs_available.png");
    Click(Row(2));
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SubjectOf(SCREEN_TEAM).m_id, CLUB_B);
    m_game->ChangeScreen(SCREEN_JOBS);
    Click(Row(0));
    EXPECT_EQ(m_game->m_screenId, SCREEN_COUNTRY);
    EXPECT_EQ(SubjectOf(SCREEN_COUNTRY).m_id, 2);
}

TEST_F(JobMarketTest, ScrollBarOnlyForMoreRowsThanFitAndFollowsThePageShown) {
    AddClubs(23, 80.0f);
    m_game->ChangeScreen(SCREEN_JOBS);
    ASSERT_EQ(JM().Jobs().size(), 23u);
    EXPECT_FALSE(Bar()->mb_visible);
    m_game->ChangeScreen(SCREEN_NEWS);

    AddClubs(3, 80.0f);
    m_game->ChangeScreen(SCREEN_JOBS);
    ASSERT_EQ(JM().Jobs().size(), 26u);
    ASSERT_TRUE(Bar()->mb_visible && !Bar()->mb_disabled);
    EXPECT_EQ(Bar()->m_max, 1);
    TickWheel(-120);
    TickWheel(-120);
    EXPECT_EQ(Bar()->m_position, 1);
    EXPECT_EQ(VisibleRows(), JOB_ROWS);

    // The coaches' list is shorter than the jobs' list: the rows and the range
    // follow it and nothing reads past its end.
    Click(Find("Coach Performance"));
    EXPECT_EQ(JM().Page(), JOBS_COACHES);
    EXPECT_EQ(JM().Jobs().size(), g_world.mv_staff.size());
    EXPECT_EQ(Bar()->m_position, 0);
    EXPECT_FALSE(Bar()->mb_visible);
    EXPECT_EQ(VisibleRows(), static_cast<int>(g_world.mv_staff.size()));
    Shot("jobs_coaches.png");
    Click(Row(0));
    EXPECT_EQ(m_game->m_screenId, SCREEN_COACH);
    EXPECT_EQ(TheScreen<CCoachProfileScreen>().CoachId(), 1) << "the best reputation first";
}

TEST(CollectVacantJobsTest, FirstTenCountriesThenClubsBelow3000) {
    ResetGameState();
    for (int id = 1; id <= 12; ++id) {
        Country c;
        c.m_id = id;
        c.m_coach = id % 2;  // even ids vacant
        g_world.mv_countries.push_back(c);
    }
    for (int id : {1500, 2999, 3000}) {
        Team t;
        t.m_id = id;
        g_world.mv_teams.push_back(t);
    }
    EXPECT_EQ(CollectVacantJobs(), (std::vector<int32_t>{2, 4, 6, 8, 10, 1500, 2999}));
    ResetGameState();
}

}  // namespace
}  // namespace ravel
