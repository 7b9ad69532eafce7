// A new career in the built world, started as a new user starts one (intro,
// start menu, set-up) and played through the side bar's Continue from the
// news page: the first days' news arriving, an application answered
// by a job offer that is accepted from the inbox, the menus following the
// new side, the job market listing the post, up to the first match day.
#include <algorithm>
#include <string>

#include "NewsFixture.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/Coaches.h"
#include "season/DayMachine.h"
#include "season/GameState.h"
#include "shell/gui/Button.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"
#include "world/Random.h"

namespace ravel {
namespace {

using SB = CSideBar;

class NewsCareerTest : public NewsWorldTest {
protected:
    void SetUp() override {
        NewsWorldTest::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
        ResetGameState();
        SeedRand(7);
    }

    // Another club of the user's country with a coach: the least attractive
    // post, the one a new coach can hope for.
    static Team* OtherClub(int clubId) {
        const Team* mine = TeamById(clubId);
        Team* best = nullptr;
        for (Team& t : g_world.mv_teams) {
            if (t.m_id == clubId || t.m_country != mine->m_country || t.m_id >= 3000 || t.m_coach <= 0)
                continue;
            if (!best || PostStanding(t.m_id) < PostStanding(best->m_id)) best = &t;
        }
        return best;
    }
    // Whether the side bar's Competitions menu lists a competition the side plays in.
    static bool MenuListsSide(int sideId) {
        for (const ListItem& item : SB::s_menuCompetitions->mv_items) {
            const Competition* c = CompetitionById(item.m_value);
            if (c && std::find(c->mv_teams.begin(), c->mv_teams.end(), sideId) != c->mv_teams.end())
                return true;
        }
        return false;
    }
    std::string Headlines() const {
        std::string all;
        for (const InboxMessage& m : g_userCoaches[0].mv_inbox) all += m.m_headline + "\n";
        return all;
    }
    // Continue from wherever the day has led until the club's first match
    // day has begun, or until an answer is asked for on the news page; false
    // when neither comes.
    bool ContinueUntil(int clubId, bool stopAtOffer) {
        for (int clicks = 0; clicks < 600; ++clicks) {
            if (g_cricket.m_dayPhase == DAY_PHASE_START &&
                g_cricket.m_date.m_dayOfSeason >= FirstFixtureDay(clubId))
                return true;
            if (stopAtOffer && m_game->m_screenId == SCREEN_NEWS && News().m_btnPositive &&
                News().m_btnPositive->mb_visible)
                return true;
            Click(SB::s_btnContinue);
        }
        return false;
    }
};

TEST_F(NewsCareerTest, FirstDaysToTheFirstMatchDay) {
    const int CLUB = StartCareer();
    ASSERT_GE(CLUB, FIRST_CLUB_ID) << "the set-up lists the clubs first";
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS) << "the new career opens on the news page";
    EXPECT_EQ(g_cricket.m_team, CLUB);
    const int userId = g_userCoaches.at(0).m_staff.m_id;
    EXPECT_STREQ(SB::s_btnSquad->m_caption, TeamById(CLUB)->m_name);
    ASSERT_FALSE(g_userCoaches[0].mv_inbox.empty()) << "the appointment is news";
    EXPECT_EQ(g_userCoaches[0].mv_inbox[0].m_code, NEWS_COACH_APPOINTED);
    EXPECT_TRUE(g_userCoaches[0].mv_inbox[0].m_seen);
    Shot("career_1_appointed.png");

    // Once the fixtures are out, a post falls vacant and he applies for it.
    for (int day = 0; day < 30 && FirstFixtureDay(CLUB) == SEASON_DAYS; ++day) Click(SB::s_btnContinue);
    ASSERT_LT(FirstFixtureDay(CLUB), SEASON_DAYS);
    if (m_game->m_screenId != SCREEN_NEWS) Click(SB::s_btnMain);
    Team* other = OtherClub(CLUB);
    ASSERT_NE(other, nullptr);
    const int otherId = other->m_id;
    // The least attractive post at home will take a new coach.
    EXPECT_FLOAT_EQ(StaffMemberById(userId)->m_reputation, 50.0f);
    LeaveClubJob(*StaffMemberById(other->m_coach));
    ApplyForJob(*TeamById(otherId), userId);
    Click(SB::s_btnJobs);
    ASSERT_EQ(m_game->m_screenId, SCREEN_JOBS);
    ASSERT_FALSE(TheScreen<CJobMarketScreen>().Jobs().empty());
    EXPECT_EQ(TheScreen<CJobMarketScreen>().Jobs()[0], otherId) << "the vacant post is the least secure";
    Idle();
    Shot("career_2_job_market.png");
    Click(SB::s_btnMain);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);

    // Days pass: news arrives, and in time the board's offer.
    const size_t before = g_userCoaches[0].mv_inbox.size();
    ASSERT_TRUE(ContinueUntil(CLUB, true)) << Headlines();
    EXPECT_GT(g_userCoaches[0].mv_inbox.size(), before) << Headlines();
    ASSERT_TRUE(m_game->m_screenId == SCREEN_NEWS && News().m_btnPositive->mb_visible)
        << "no offer before his first match day\n"
        << Headlines();
    const InboxMessage& offer = g_userCoaches[0].mv_inbox[News().Shown()];
    EXPECT_EQ(offer.m_code, NEWS_JOB_OFFER) << offer.m_headline;
    EXPECT_STREQ(News().m_btnPositive->m_caption, offer.AcceptButtonText());
    Shot("career_3_offer.png");

    Click(News().m_btnPositive);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_team, otherId);
    EXPECT_STREQ(SB::s_btnSquad->m_caption, TeamById(otherId)->m_name);
    EXPECT_NE(TeamById(CLUB)->m_coach, userId) << "he left his first club";
    EXPECT_TRUE(MenuListsSide(otherId)) << "the Competitions menu follows his new club";
    Shot("career_4_new_club.png");

    // On to his new club's first match day.
    ASSERT_GE(News().m_nextFixture, 0);
    const Fixture first = g_world.mv_fixtures[News().m_nextFixture];
    ASSERT_TRUE(first.m_home == otherId || first.m_away == otherId);
    ASSERT_TRUE(ContinueUntil(otherId, false));
    if (m_game->m_screenId != SCREEN_NEWS) Click(SB::s_btnMain);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_TRUE(g_cricket.m_date.SameDay(first.m_date));
    ASSERT_GE(News().m_nextFixture, 0);
    EXPECT_TRUE(g_world.mv_fixtures[News().m_nextFixture].m_date.SameDay(g_cricket.m_date))
        << "today is match day";
    ASSERT_FALSE(News().mv_events.empty()) << "his club's competitions are under way";
    EXPECT_TRUE(std::any_of(News().mv_events.begin(), News().mv_events.end(),
                            [&first](const NewsEventRecord& e) { return e.m_id == first.m_competition; }));
    Shot("career_5_match_day.png");
}

// A county's season left to run, looked at on its news page in June and in
// September: his results head the headlines, his competitions show where he
// stands, the cups decided by then have their winners in the inbox and a
// record is the odd item, not the run of the news.
TEST_F(NewsCareerTest, TheNewsPageThroughACountysSeason) {
    const int CLUB = StartCareer();
    ASSERT_GE(CLUB, FIRST_CLUB_ID);
    const auto runTo = [&](int month, int day) {
        g_cricket.m_autoSimulate = true;
        for (int calls = 0; calls < 4 * SEASON_DAYS; ++calls) {
            const GameDate& d = g_cricket.m_date;
            if (g_cricket.m_dayPhase == DAY_PHASE_START &&
                (d.m_month > month || (d.m_month == month && d.m_day >= day)))
                break;
            TeamById(CLUB)->m_jobSecurity = 100.0f;  // the board keep him
            AdvanceDay();
        }
        g_cricket.m_autoSimulate = false;
        m_game->ChangeScreen(SCREEN_NEWS);
        Idle(2);
    };
    const auto count = [](int code) {
        const auto& inbox = g_userCoaches[0].mv_inbox;
        return std::count_if(inbox.begin(), inbox.end(),
                             [code](const InboxMessage& m) { return m.m_code == code; });
    };
    const auto records = [] {
        const auto& inbox = g_userCoaches[0].mv_inbox;
        return std::count_if(inbox.begin(), inbox.end(), [](const InboxMessage& m) {
            return m.m_code >= NEWS_RECORD_FIRST && m.m_code <= NEWS_RECORD_LAST;
        });
    };

    runTo(6, 15);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_GT(count(NEWS_MATCH_RESULT), 5) << Headlines();
    EXPECT_LT(records(), 3) << Headlines();
    EXPECT_TRUE(std::any_of(News().mv_events.begin(), News().mv_events.end(), [](const NewsEventRecord& e) {
        return e.m_state == NEWS_EVENT_RUNNING;
    })) << "his competitions are under way";
    EXPECT_TRUE(News().m_next.m_known) << "his next fixture is dated";
    Shot("news_june.png");

    runTo(9, 10);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_GE(count(NEWS_COMPETITION_WON), 2) << "the cups and groups decided by now\n" << Headlines();
    EXPECT_LT(records(), 3) << Headlines();
    // To the newest message, as a player reads on.
    for (int i = 0; i < INBOX_LIMIT && !News().m_btnNext->mb_disabled; ++i) Click(News().m_btnNext);
    Shot("news_september.png");
}

TEST_F(NewsCareerTest, MenusFollowTheUserOutOfAndIntoAPostFromAnyScreen) {
    const int CLUB = StartCareer();
    ASSERT_GE(CLUB, FIRST_CLUB_ID);
    // The menus list a club's competitions once their fixtures are out.
    for (int day = 0; day < 30 && FirstFixtureDay(CLUB) == SEASON_DAYS; ++day) Click(SB::s_btnContinue);
    if (m_game->m_screenId != SCREEN_NEWS) Click(SB::s_btnMain);
    Click(SB::s_btnJobs);
    ASSERT_EQ(m_game->m_screenId, SCREEN_JOBS);
    ASSERT_TRUE(MenuListsSide(CLUB));
    StaffMember& me = *StaffMemberById(g_userCoaches.at(0).m_staff.m_id);
    LeaveClubJob(me);
    EXPECT_EQ(g_cricket.m_team, 0);
    EXPECT_FALSE(MenuListsSide(CLUB));
    EXPECT_TRUE(SB::s_btnCompetitions->mb_disabled) << "no side, no competitions";
    Team* other = OtherClub(CLUB);
    ASSERT_NE(other, nullptr);
    AppointCoach(*other, me.m_id);
    EXPECT_EQ(m_game->m_screenId, SCREEN_JOBS);
    EXPECT_TRUE(MenuListsSide(other->m_id)) << "without a visit to the news page";
    EXPECT_FALSE(SB::s_btnCompetitions->mb_disabled);
}

}  // namespace
}  // namespace ravel
