// The news page on a small career world: reading and browsing the inbox,
// answering a job offer, the quick links and the job news panel.
#include "NewsFixture.h"
#include "match/MatchLists.h"
#include "screens/menus/NewsScreen.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/CoachProfileScreen.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

bool Shown(const CControl* c) {
    return c && c->mb_visible && !c->mb_disabled;
}

class NewsScreenTest : public NewsWorldTest {
protected:
    void Open() { m_game->ChangeScreen(SCREEN_NEWS); }
};

TEST_F(NewsScreenTest, EmptyInboxOffersNothingToBrowse) {
    Appoint(CLUB_A);
    Open();
    for (const CControl* row : News().m_headlines) EXPECT_FALSE(Shown(row));
    for (const CControl* c :
         {static_cast<CControl*>(News().m_btnPrevious), static_cast<CControl*>(News().m_btnNext),
          static_cast<CControl*>(News().m_btnNextUnread), static_cast<CControl*>(News().m_btnMarkAll),
          static_cast<CControl*>(News().m_btnPositive), static_cast<CControl*>(News().m_btnNegative)})
        EXPECT_FALSE(Shown(c)) << c->m_caption;
    EXPECT_TRUE(News().AllNewsRead());
    EXPECT_STREQ(CSideBar::s_btnMain->m_caption, "Ann's News");
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "Northfield");
    Shot("news_empty.png");
}

TEST_F(NewsScreenTest, LongCompetitionNamesStayInsideTheEventsPanel) {
    Competition& league = g_world.mv_competitions.back();
    std::snprintf(league.m_name, sizeof league.m_name, "Twenty20 Cup Midlands/West/Wales Group");
    Appoint(CLUB_A);
    Open();
    m_game->RenderFrame();
    // Yellow text pixels in the panel's right margin would be a name run past it.
    int yellow = 0;
    for (int y = 105; y < 290; ++y) {
        for (int x = 1011; x < 1019; ++x) {
            const uint32_t p = m_system->Screen().Pixel(x, y);
            const int r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
            yellow += r > 150 && g > 150 && b < 100;
        }
    }
    EXPECT_EQ(yellow, 0);
    Shot("news_long_competition.png");
}

TEST_F(NewsScreenTest, SixMessagesScrollOneAtATimeAndOpenOnTheFirstUnread) {
    Appoint(CLUB_A);
    for (int i = 0; i < 6; ++i) Deliver(("Story " + std::to_string(i)).c_str(), 10 + i / 2).m_seen = i < 2;
    g_userCoaches[0].mv_inbox[5].m_headline = "Record lowest match aggregate in first-class cricket";
    Open();
    EXPECT_EQ(News().Shown(), 2) << "the oldest unseen message";
    EXPECT_TRUE(g_userCoaches[0].mv_inbox[2].m_seen);
    ASSERT_FALSE(News().m_scroll->mb_disabled);
    EXPECT_EQ(News().m_scroll->m_max, 1);
    EXPECT_EQ(News().m_scroll->m_position, 0) << "6 - 2 - 5 is out of the range";
    TickWheel(-120);
    EXPECT_EQ(News().m_offset, 1);
    TickWheel(-120);
    EXPECT_EQ(News().m_offset, 1) << "the range ends at the oldest message";
    // The top row now shows message 6 - 1 - 1 = 4.
    Click(News().m_headlines[0]);
    EXPECT_EQ(News().Shown(), 4);
    Click(News().m_btnPrevious);
    EXPECT_EQ(News().Shown(), 3);
    Click(News().m_btnNextUnread);
    EXPECT_EQ(News().Shown(), 5);
    EXPECT_TRUE(News().AllNewsRead());
    EXPECT_TRUE(News().m_btnMarkAll->mb_disabled);
    EXPECT_TRUE(News().m_btnNext->mb_disabled) << "on the newest message";
    Shot("news_six.png");
}

TEST_F(NewsScreenTest, NewsArrivingWhileThePageIsOpenIsShown) {
    Appoint(CLUB_A);
    Deliver("First");
    Open();
    Deliver("Second");
    TickWith(600, 100, false);
    EXPECT_EQ(News().m_inboxCount, 2);
    EXPECT_EQ(News().Shown(), 1);
    EXPECT_TRUE(Shown(News().m_headlines[1]));
}

TEST_F(NewsScreenTest, AcceptingAJobOfferMovesThePageAndTheMenusToTheClub) {
    InboxMessage& offer = Deliver("Saltmarsh offer you their job");
    offer.m_code = NEWS_JOB_OFFER;
    offer.m_needsAnswer = 1;
    offer.m_positiveOffered = offer.m_negativeOffered = 1;
    offer.mv_links.push_back({LINK_CLUB, CLUB_B});
    TeamById(CLUB_B)->m_coach = 0;
    TeamById(CLUB_B)->m_jobSecurity = 0.0f;
    Open();
    EXPECT_EQ(g_cricket.m_team, 0);
    EXPECT_TRUE(CSideBar::s_btnCompetitions->mb_disabled);
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "No team");
    ASSERT_TRUE(Shown(News().m_btnPositive));
    EXPECT_STREQ(News().m_btnPositive->m_caption, "Accept job");
    EXPECT_TRUE(Shown(News().m_btnNegative));
    Shot("news_offer.png");

    Click(News().m_btnPositive);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_team, CLUB_B);
    EXPECT_EQ(TeamById(CLUB_B)->m_coach, USER_COACH);
    EXPECT_TRUE(g_userCoaches[0].mv_inbox[0].m_handled);
    EXPECT_FALSE(Shown(News().m_btnPositive));
    m_game->RenderFrame();
    EXPECT_EQ(TextAt(220, 610), "You accepted the job.") << "the answer given, where its buttons stood";
    EXPECT_FALSE(CSideBar::s_btnCompetitions->mb_disabled);
    ASSERT_EQ(CSideBar::s_menuCompetitions->ItemCount(), 1);
    EXPECT_EQ(CSideBar::s_menuCompetitions->mv_items[0].m_value, LEAGUE);
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "Saltmarsh");
    ASSERT_EQ(News().mv_events.size(), 1u);
    EXPECT_EQ(News().mv_events[0].m_state, NEWS_EVENT_NOT_STARTED);
    Shot("news_club.png");
}

TEST_F(NewsScreenTest, ACompetitionHasStartedOnceItsFirstMatchIsUnderWay) {
    Appoint(CLUB_A);
    Fixture f;
    f.m_id = 1;
    f.m_competition = LEAGUE;
    f.m_home = CLUB_A;
    f.m_away = CLUB_B;
    f.m_date = g_cricket.m_date;
    g_world.mv_fixtures.push_back(f);
    struct Case {
        int fixtureState, eventState;
        bool notStarted;
    };
    for (const Case& c : {Case{FIXTURE_SCHEDULED, NEWS_EVENT_NOT_STARTED, true},
                          Case{FIXTURE_IN_PROGRESS, NEWS_EVENT_RUNNING, false}}) {
        g_world.mv_fixtures[0].m_state = c.fixtureState;
        m_game->ChangeScreen(SCREEN_RECORDS);
        Open();
        ASSERT_EQ(News().mv_events.size(), 1u);
        EXPECT_EQ(News().mv_events[0].m_state, c.eventState) << c.fixtureState;
        m_game->RenderFrame();
        EXPECT_EQ(TextAt(670, 140) == "Not started", c.notStarted) << c.fixtureState;
    }
    EXPECT_EQ(TextAt(670, 140), "Pos:") << "the side's place, though no result is in";
}

TEST_F(NewsScreenTest, DecliningLeavesTheCoachUnemployed) {
    InboxMessage& offer = Deliver("Saltmarsh offer you their job");
    offer.m_code = NEWS_JOB_OFFER;
    offer.m_needsAnswer = offer.m_positiveOffered = offer.m_negativeOffered = 1;
    offer.mv_links.push_back({LINK_CLUB, CLUB_B});
    Open();
    Click(News().m_btnNegative);
    EXPECT_TRUE(g_userCoaches[0].mv_inbox[0].m_handled);
    EXPECT_EQ(g_cricket.m_team, 0);
    EXPECT_FALSE(Shown(News().m_btnPositive));
    EXPECT_FALSE(Shown(News().m_btnNegative));
    m_game->RenderFrame();
    EXPECT_EQ(TextAt(220, 610), "You turned the job down.");
}

TEST_F(NewsScreenTest, UnemployedCoachSeesTheVacanciesAndOpensTheirPages) {
    TeamById(CLUB_B)->m_coach = 0;
    CountryById(3)->m_coach = 0;
    Open();
    ASSERT_EQ(News().mv_events.size(), 2u);
    EXPECT_EQ(News().mv_events[0].m_id, 3) << "countries first";
    EXPECT_EQ(News().mv_events[1].m_id, CLUB_B);
    EXPECT_TRUE(Shown(News().m_jobRows[1]));
    EXPECT_FALSE(Shown(News().m_jobRows[2]));
    Shot("news_unemployed.png");
    Click(News().m_jobRows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SubjectOf(SCREEN_TEAM).m_id, CLUB_B);
}

TEST_F(NewsScreenTest, QuickLinksFollowTheirKind) {
    Appoint(CLUB_A);
    g_world.mv_players.resize(8);
    g_world.mv_players[7].m_id = 7;
    InboxMessage& m = Deliver("Top ratings published");
    m.mv_links = {{LINK_PLAYER, 7}, {LINK_SCREEN, SCREEN_TOP_PLAYERS}, {LINK_COACH, 1}};
    Open();
    for (int i = 0; i < QUICK_LINKS; ++i) EXPECT_EQ(Shown(News().m_quickLinks[i]), i < 3) << i;
    Click(News().m_quickLinks[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TOP_PLAYERS);
    m_game->ChangeScreen(SCREEN_NEWS);
    Click(News().m_quickLinks[2]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COACH);
    EXPECT_EQ(TheScreen<CCoachProfileScreen>().CoachId(), 1);
    m_game->ChangeScreen(SCREEN_NEWS);
    Click(News().m_quickLinks[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_EQ(SubjectOf(SCREEN_PLAYER).m_id, 7);
}

TEST_F(NewsScreenTest, ScorecardOfAMatchNoLongerHeldIsNotOpened) {
    Appoint(CLUB_A);
    ResetMatchLists();
    Deliver("Northfield win at Saltmarsh").mv_links = {{LINK_SCORECARD, 41}};
    Open();
    Click(News().m_quickLinks[0]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    std::string said = CMessageBox::s_messageText;
    for (const QueuedMessage& q : CMessageBox::s_messageQueue) said += q.text;
    EXPECT_NE(said.find("The scorecard of this match is no longer available."), std::string::npos);
}

TEST_F(NewsScreenTest, NextFixtureIsTheNearestToComeAndLinksToTheOpponent) {
    Appoint(CLUB_A);
    for (int day : {30, 12, 5}) {
        Fixture f;
        f.m_home = CLUB_A;
        f.m_away = CLUB_B;
        f.m_competition = LEAGUE;
        f.m_date = GameDate::FromSeasonDay(day, FIRST_SEASON);
        g_world.mv_fixtures.push_back(f);
    }
    Open();
    EXPECT_EQ(News().m_nextFixture, 1) << "day 5 is past, day 12 is the nearest";
    ASSERT_TRUE(Shown(News().m_teamPage));
    Click(News().m_teamPage);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TEAM);
    EXPECT_EQ(SubjectOf(SCREEN_TEAM).m_id, CLUB_B);
}

}  // namespace
}  // namespace ravel

namespace ravel {
namespace {

// A national coach's season: a tournament, a tour series still to start and a
// triangular series, listed by their start and each opening its own page.
TEST_F(NewsScreenTest, NationalCoachFollowsHisSeriesAndTournaments) {
    StaffMemberById(USER_COACH)->m_nationalJob = 1;
    g_userCoaches[0].m_staff.m_nationalJob = 1;
    const int season = g_cricket.m_date.m_season;
    Competition& cup = g_world.mv_competitions.emplace_back();
    cup.m_id = 506;
    std::snprintf(cup.m_name, sizeof cup.m_name, "World Cup");
    InternationalTournament t;
    t.m_competition = 506;
    t.m_year = 2006;
    t.m_season = season;
    t.m_host = 2;
    t.m_stage = TSTAGE_GROUPS;
    t.m_startDay = 200;
    t.mv_groups = {{StandingsRow(1, 506), StandingsRow(3, 506)}};
    g_world.mv_tournaments.push_back(t);
    InternationalTournament later = t;  // next season's: no dates to order by yet
    later.m_season = season + 1;
    later.m_year = 2007;
    g_world.mv_tournaments.push_back(later);
    TourSeries tests;
    tests.m_id = 601;
    tests.m_competition = COMP_TEST_CHAMPIONSHIP;
    tests.m_season = season;
    tests.m_home = 1;
    tests.m_away = 2;
    tests.m_matches = 3;
    tests.m_startDay = 20;
    tests.m_startMonth = 5;
    tests.m_startYear = 2006;
    tests.m_startDayOfSeason = 49;
    g_world.mv_tourSeries.push_back(tests);
    Tour tour;  // its fixtures are made when the tourists arrive
    tour.m_host = 1;
    tour.m_visitor = 2;
    tour.m_season = season;
    tour.m_series = 601;
    g_world.mv_tours.push_back(tour);
    Series triangular;
    triangular.m_id = 640;
    triangular.m_season = season;
    triangular.m_host = 2;
    triangular.mv_countries = {2, 1, 3};
    triangular.m_startDay = 1;
    triangular.m_startMonth = 4;
    triangular.m_startYear = 2006;
    g_world.mv_series.push_back(triangular);
    Open();
    ASSERT_EQ(News().mv_events.size(), 3u);
    EXPECT_EQ(News().mv_events[0].m_id, 640);
    EXPECT_EQ(News().mv_events[0].m_kind, NEWS_EVENT_OF_SERIES);
    EXPECT_EQ(News().mv_events[1].m_id, 601);
    EXPECT_EQ(News().mv_events[1].m_state, NEWS_EVENT_STARTS_LATER);
    EXPECT_EQ(News().mv_events[2].m_id, 506);
    EXPECT_STREQ(CSideBar::s_btnSquad->m_caption, "Averland");
    // The first Test is his next match before its fixture is made.
    EXPECT_EQ(News().m_nextFixture, -1);
    ASSERT_TRUE(News().m_next.m_known);
    EXPECT_TRUE(News().m_next.m_date.SameDay(GameDate::FromSeasonDay(49, season)));
    EXPECT_EQ(News().m_next.m_competition, 601);
    EXPECT_EQ(News().m_next.m_home, 1);
    EXPECT_EQ(News().m_next.m_away, 2);
    Shot("news_national.png");

    Click(News().m_jobRows[1]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_SERIES);
    EXPECT_EQ(SubjectOf(SCREEN_SERIES).m_id, 601);
    EXPECT_EQ(SubjectOf(SCREEN_SERIES).m_kind, TOUR_TESTS);
    m_game->ChangeScreen(SCREEN_NEWS);
    Click(News().m_jobRows[2]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_COMPETITION);
    EXPECT_EQ(SubjectOf(SCREEN_COMPETITION).m_id, 506);
}

}  // namespace
}  // namespace ravel
