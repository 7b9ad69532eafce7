// A new career in the built world, played through the side bar's Continue
// from the news page: the first days' news arriving, an application answered
// by a job offer that is accepted from the inbox, the menus following the
// new side, the job market listing the post, up to the first match day.
#include <algorithm>
#include <filesystem>
#include <string>

#include "NewsFixture.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NewsScreen.h"
#include "season/Coaches.h"
#include "season/DayMachine.h"
#include "season/Squads.h"
#include "shell/gui/Button.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

namespace fs = std::filesystem;
using NS = CNewsScreen;
using SB = CSideBar;

class NewsCareerTest : public NewsWorldTest {
protected:
    void SetUp() override {
        NewsWorldTest::SetUp();
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!fs::exists(DatabaseFilePath(DB_PLAYERS))) GTEST_SKIP() << "the world database is not built";
        m_saves = fs::temp_directory_path() / "ravel_news_career";
        fs::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
        SeedRand(7);
        ResetWorld();
        g_userCoaches.clear();
        LoadDatabase();
        g_cricket = CricketData();
        g_cricket.m_gameMode = MODE_CAREER;
        CreateMissingCoaches();
        SelectAllNationalSquads();
        FinishWorldLoad();
    }
    void TearDown() override {
        NewsWorldTest::TearDown();
        SetDatabaseRoot("");
        SetSavesFolder("");
        if (!m_saves.empty()) fs::remove_all(m_saves);
    }

    // The new-game set-up: a human coach appointed to the club, one day on.
    static void StartCareer(int clubId) {
        StaffMember coach;
        coach.m_id = 9000;
        std::snprintf(coach.m_firstName, sizeof coach.m_firstName, "Ann");
        std::snprintf(coach.m_surname, sizeof coach.m_surname, "Fletcher");
        coach.m_human = 1;
        coach.m_reputation = 90.0f;
        g_world.mv_staff.push_back(coach);
        UserCoach profile;
        profile.m_staff = coach;
        g_userCoaches.push_back(profile);
        g_cricket.m_coachIndex = 0;
        AppointCoach(*TeamById(clubId), coach.m_id);
        AdvanceDay();
    }
    // Day of season of the club's first fixture this season; SEASON_DAYS for none.
    static int FirstFixtureDay(int clubId) {
        int first = SEASON_DAYS;
        for (const Fixture& f : g_world.mv_fixtures)
            if ((f.m_home == clubId || f.m_away == clubId) && f.m_date.m_season == g_cricket.m_date.m_season)
                first = std::min(first, f.m_date.m_dayOfSeason);
        return first;
    }
    // Another club of the user's country with a coach: the one whose season
    // starts latest, so its board has days free to fill the post.
    static Team* OtherClub(int clubId) {
        const Team* mine = TeamById(clubId);
        Team* best = nullptr;
        for (Team& t : g_world.mv_teams) {
            if (t.m_id == clubId || t.m_country != mine->m_country || t.m_id >= 3000 || t.m_coach <= 0)
                continue;
            if (!best || FirstFixtureDay(t.m_id) > FirstFixtureDay(best->m_id)) best = &t;
        }
        return best;
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
            if (stopAtOffer && m_game->m_screenId == SCREEN_NEWS && NS::s_btnPositive &&
                NS::s_btnPositive->mb_visible)
                return true;
            Click(SB::s_btnContinue);
        }
        return false;
    }

    fs::path m_saves;
};

TEST_F(NewsCareerTest, FirstDaysToTheFirstMatchDay) {
    constexpr int CLUB = 1300;
    ASSERT_NE(TeamById(CLUB), nullptr);
    StartCareer(CLUB);
    m_game->ChangeScreen(SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_team, CLUB);
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
    LeaveClubJob(*StaffMemberById(other->m_coach));
    ApplyForJob(*TeamById(otherId), 9000);
    Click(SB::s_btnJobs);
    ASSERT_EQ(m_game->m_screenId, SCREEN_JOBS);
    ASSERT_FALSE(CJobMarketScreen::sv_jobs.empty());
    EXPECT_EQ(CJobMarketScreen::sv_jobs[0], otherId) << "the vacant post is the least secure";
    Shot("career_2_job_market.png");
    Click(SB::s_btnMain);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);

    // Days pass: news arrives, and in time the board's offer.
    const size_t before = g_userCoaches[0].mv_inbox.size();
    ASSERT_TRUE(ContinueUntil(CLUB, true)) << Headlines();
    EXPECT_GT(g_userCoaches[0].mv_inbox.size(), before) << Headlines();
    ASSERT_TRUE(m_game->m_screenId == SCREEN_NEWS && NS::s_btnPositive->mb_visible)
        << "no offer before his first match day\n"
        << Headlines();
    const InboxMessage& offer = g_userCoaches[0].mv_inbox[NS::s_shown];
    EXPECT_EQ(offer.m_code, NEWS_JOB_OFFER) << offer.m_headline;
    EXPECT_STREQ(NS::s_btnPositive->m_caption, offer.AcceptButtonText());
    Shot("career_3_offer.png");

    Click(NS::s_btnPositive);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_team, otherId);
    EXPECT_STREQ(SB::s_btnSquad->m_caption, TeamById(otherId)->m_name);
    EXPECT_EQ(TeamById(CLUB)->m_coach, 0) << "he left his first club";
    bool listed = false;
    for (const ListItem& item : SB::s_menuCompetitions->mv_items) {
        const Competition* c = CompetitionById(item.m_value);
        listed |= c && std::find(c->mv_teams.begin(), c->mv_teams.end(), otherId) != c->mv_teams.end();
    }
    EXPECT_TRUE(listed) << "the Competitions menu follows his new club";
    Shot("career_4_new_club.png");

    // On to his new club's first match day.
    ASSERT_GE(NS::s_nextFixture, 0);
    const Fixture first = g_world.mv_fixtures[NS::s_nextFixture];
    ASSERT_TRUE(first.m_home == otherId || first.m_away == otherId);
    ASSERT_TRUE(ContinueUntil(otherId, false));
    if (m_game->m_screenId != SCREEN_NEWS) Click(SB::s_btnMain);
    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_TRUE(g_cricket.m_date.SameDay(first.m_date));
    ASSERT_GE(NS::s_nextFixture, 0);
    EXPECT_TRUE(g_world.mv_fixtures[NS::s_nextFixture].m_date.SameDay(g_cricket.m_date))
        << "today is match day";
    ASSERT_FALSE(NS::sv_events.empty()) << "his club's competitions are under way";
    EXPECT_TRUE(std::any_of(NS::sv_events.begin(), NS::sv_events.end(),
                            [&first](const NewsEventRecord& e) { return e.m_id == first.m_competition; }));
    Shot("career_5_match_day.png");
}

}  // namespace
}  // namespace ravel
