// What the competition, series, records and news pages keep between visits,
// and that a second career finds none of the first's.
#include <functional>

#include "CompetitionFixture.h"
#include "screens/menus/RecordsScreen.h"
#include "shell/gui/Button.h"
#include "world/RecordsTable.h"

namespace ravel {
namespace {

CRecordsScreen& Records() {
    return TheScreen<CRecordsScreen>();
}

class WorldPagesStateTest : public CompetitionWorldTest {
protected:
    // The user's club in a league of this season, a Test series and three
    // messages read.
    static void StartCareer() {
        Appoint(CLUB_A);
        g_world.mv_competitions[0].m_season = FIRST_SEASON;
        for (int i = 0; i < 3; ++i) Deliver("Seen").m_seen = 1;
        TourSeries s;
        s.m_id = 601;
        s.m_competition = COMP_TEST_CHAMPIONSHIP;
        s.m_home = 1;
        s.m_away = 2;
        g_world.mv_tourSeries.push_back(s);
    }
    // Each page entered and left twice, as the side bar opens it: on the
    // subject it keeps.
    void VisitTwice(int screen, const std::function<void()>& check) {
        for (int visit = 0; visit < 2; ++visit) {
            m_game->ChangeScreen(screen);
            Idle(2);
            ASSERT_EQ(m_game->m_screenId, screen);
            check();
            m_game->ChangeScreen(SCREEN_NEWS);
            Idle(2);
        }
    }
};

TEST_F(WorldPagesStateTest, EachPageKeepsItsChoicesUntilTheNextCareer) {
    StartCareer();

    // The first career leaves a choice on every page.
    OpenCompetition(LEAGUE);
    Tap(Comp().m_tabs[CCompetitionScreen::TAB_PLAYER_STATS]);
    Choose(Comp().m_comboRecords, COMP_SIDE_ITEMS + 3);
    Tap(Comp().m_tabs[CCompetitionScreen::TAB_HISTORY]);
    ASSERT_EQ(Comp().TeamFilter(), CLUB_B);
    OpenSeries(601);
    Tap(Overview().m_tabs[CSeriesOverviewScreen::TAB_STATS]);
    Choose(Overview().m_comboStats, 8);
    ASSERT_EQ(Overview().StatsList(), PLAYER_LIST_BOWLING);
    OpenRecordsScreen(RECORDS_TEST, REC_BEST_BOWLING);
    Idle(2);
    m_game->OpenScreen(SCREEN_NEWS, {2});
    Idle(2);
    ASSERT_EQ(News().Shown(), 2);

    // Away and back within the career: the choices stand.
    VisitTwice(SCREEN_COMPETITION, [] {
        EXPECT_EQ(Comp().CompetitionId(), LEAGUE);
        EXPECT_EQ(Comp().Page(), COMP_PAGE_HISTORY);
        EXPECT_EQ(Comp().PlayerList(), PLAYER_LIST_BOWLING);
    });
    VisitTwice(SCREEN_SERIES, [] {
        EXPECT_EQ(Overview().SeriesId(), 601);
        EXPECT_EQ(Overview().Page(), SERIES_PAGE_STATS);
        EXPECT_STREQ(Overview().m_comboStats->m_caption, "Bowling averages");
    });
    VisitTwice(SCREEN_RECORDS, [this] {
        EXPECT_EQ(Records().Kind(), RECORDS_TEST);
        EXPECT_TRUE(Shows("Best Bowling Figures"));
    });
    EXPECT_EQ(News().Shown(), 2) << "the message shown last";

    // A new career: every page as on the first run.
    BuildWorld();
    StartCareer();
    const CCompetitionScreen freshCompetition;
    const CSeriesOverviewScreen freshSeries;
    const CRecordsScreen freshRecords;
    EXPECT_EQ(Comp().CompetitionId(), freshCompetition.CompetitionId());
    EXPECT_EQ(Overview().SeriesId(), freshSeries.SeriesId());
    EXPECT_EQ(Records().Kind(), freshRecords.Kind());
    EXPECT_EQ(Records().Section(), freshRecords.Section());
    VisitTwice(SCREEN_COMPETITION, [this] {
        EXPECT_TRUE(Shows("No record of this competition is held"));
        EXPECT_EQ(Comp().Page(), COMP_PAGE_STANDINGS);
        EXPECT_EQ(Comp().PlayerList(), PLAYER_LIST_TOP_SCORES);
        EXPECT_EQ(Comp().TeamFilter(), -1);
        EXPECT_EQ(Comp().SeriesKind(), SERIES_STANDARD);
    });
    // The league again: no page, list or side filter of the first career.
    OpenCompetition(LEAGUE);
    EXPECT_EQ(Comp().Page(), COMP_PAGE_STANDINGS);
    Tap(Comp().m_tabs[CCompetitionScreen::TAB_PLAYER_STATS]);
    EXPECT_TRUE(Comp().m_filter.mv_teams.empty());
    VisitTwice(SCREEN_SERIES, [this] {
        EXPECT_TRUE(Shows("No record of this series is held"));
        EXPECT_EQ(Overview().Page(), SERIES_PAGE_OVERVIEW);
        EXPECT_EQ(Overview().StatsList(), PLAYER_LIST_TOP_SCORES);
        EXPECT_STREQ(Overview().m_comboStats->m_caption, "Highest Batting Score");
    });
    VisitTwice(SCREEN_RECORDS, [this] {
        EXPECT_TRUE(Shows("First Class Records"));
        EXPECT_TRUE(Shows("Highest Innings Total"));
    });
    EXPECT_EQ(News().Shown(), 0) << "no message of the first career's inbox";
}

TEST_F(WorldPagesStateTest, APageEnteredAgainWithoutLeavingHoldsOneSetOfControls) {
    OpenCompetition(LEAGUE);
    const size_t controls = g_system->mp_controlList->mv_controls.size();
    // As when a run ends on the page: no Leave before the next Enter.
    Comp().Enter();
    EXPECT_EQ(g_system->mp_controlList->mv_controls.size(), controls);
}

}  // namespace
}  // namespace ravel
