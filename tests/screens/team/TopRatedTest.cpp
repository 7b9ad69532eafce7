// The top-rated batsmen and bowlers: who is listed and in what order, the
// list kept across visits, the drawn rows and a row opening the player.
#include <string>

#include "screens/menus/NewsFixture.h"
#include "screens/menus/ScreenControls.h"
#include "screens/team/TopRatedScreen.h"
#include "season/News.h"
#include "season/Schedule.h"
#include "shell/gui/Button.h"

namespace ravel {
namespace {

CTopRatedScreen& TR() {
    return TheScreen<CTopRatedScreen>();
}

class TopRatedTest : public NewsWorldTest {
protected:
    // A player whose four batting skills are `bat` and bowling skills `bowl`.
    static Player& AddPlayer(const char* surname, int bat, int bowl, int club = 0, bool retired = false) {
        Player& p = g_world.mv_players.emplace_back();
        p.m_id = static_cast<int32_t>(g_world.mv_players.size()) - 1;
        std::snprintf(p.m_firstName, sizeof p.m_firstName, "Sam");
        std::snprintf(p.m_surname, sizeof p.m_surname, "%s", surname);
        p.m_country = 2;
        p.m_northClub = club;
        for (int i = 0; i < 4; ++i) {
            p.m_batSkill[i] = bat;
            p.m_bowlSkill[i] = bowl;
        }
        p.m_retired = retired;
        return p;
    }
    void Open() {
        m_game->ChangeScreen(SCREEN_TOP_PLAYERS);
        Idle(2);
        m_game->RenderFrame();
    }
    static std::vector<std::string> Surnames(const std::vector<int32_t>& ids) {
        std::vector<std::string> names;
        for (int32_t id : ids) names.push_back(PlayerById(id)->m_surname);
        return names;
    }
};

TEST_F(TopRatedTest, TheBestStillPlayingByRatingTiesBySurname) {
    AddPlayer("Young", 80, 20);
    AddPlayer("Abbot", 80, 30);
    AddPlayer("Old", 95, 90, 0, true);  // retired from all cricket
    AddPlayer("Moss", 60, 85);
    AddPlayer("Keane", 70, 85);
    const struct {
        int list;
        int count;
        std::vector<std::string> names;
    } cases[] = {
        {TOP_RATED_BATSMEN, 25, {"Abbot", "Young", "Keane", "Moss"}},
        {TOP_RATED_BOWLERS, 25, {"Keane", "Moss", "Abbot", "Young"}},
        {TOP_RATED_BATSMEN, 2, {"Abbot", "Young"}},
        {TOP_RATED_BOWLERS, 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Surnames(TopRatedPlayers(c.list, c.count)), c.names) << c.list << " " << c.count;
}

TEST_F(TopRatedTest, TwentyFiveRowsOfTheChosenListKeptAcrossVisits) {
    for (int i = 0; i < 30; ++i) {
        const std::string name = "Player" + std::to_string(100 + i);
        AddPlayer(name.c_str(), 40 + i, 70 - i, i == 29 ? CLUB_A : 0);
    }
    Open();
    ASSERT_EQ(TR().Players().size(), static_cast<size_t>(TOP_RATED_ROWS));
    EXPECT_EQ(TextAt(512, 15), "Top Rated Batsmen");
    EXPECT_EQ(TextAt(280, 165), "Sam Player129");
    EXPECT_EQ(TextAt(540, 165), "Brenmoor");
    EXPECT_EQ(TextAt(700, 165), "Northfield");
    EXPECT_EQ(TextAt(700, 185), "-") << "no club";
    EXPECT_EQ(TextAt(880, 165), PlayerById(TR().Players()[0])->BattingRatingWord());
    EXPECT_EQ(TextAt(215, 645), "25");
    EXPECT_EQ(TextAt(280, 665), "") << "twenty-five rows";

    Click(TR().m_btnBowlers);
    EXPECT_EQ(TR().List(), TOP_RATED_BOWLERS);
    m_game->RenderFrame();
    EXPECT_EQ(TextAt(280, 165), "Sam Player100");
    Shot("top_rated_bowlers.png");

    m_game->ChangeScreen(SCREEN_NEWS);
    Open();
    EXPECT_EQ(TR().List(), TOP_RATED_BOWLERS) << "the list chosen before";
    EXPECT_EQ(TextAt(512, 15), "Top Rated Bowlers");
    ASSERT_EQ(TR().Players().size(), static_cast<size_t>(TOP_RATED_ROWS));
    const int32_t third = TR().Players()[2];
    EXPECT_EQ(std::string(PlayerById(third)->m_surname), "Player102");
    Click(TR().m_rows[2]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
    EXPECT_EQ(SubjectOf(SCREEN_PLAYER).m_id, third);
}

TEST_F(TopRatedTest, TheFixturesMessagesRatingsLinkOpensTheList) {
    Appoint(CLUB_A);
    Competition& league = *CompetitionById(LEAGUE);
    league.m_newsCompetition = LEAGUE;
    league.m_status = 0;
    league.mv_rounds = {{0, LEAGUE, 20}};
    StartLeagueSeason(league);
    const GameDate tomorrow = Tomorrow();
    g_userCoaches[0].DeliverPendingNews(tomorrow.m_day, tomorrow.m_month, tomorrow.m_year);
    ASSERT_EQ(g_userCoaches[0].mv_inbox.size(), 1u);
    m_game->ChangeScreen(SCREEN_NEWS);
    Idle(2);
    m_game->RenderFrame();
    EXPECT_EQ(TextAt(850, 530), "Ratings");
    Click(News().m_quickLinks[2]);
    EXPECT_EQ(m_game->m_screenId, SCREEN_TOP_PLAYERS);
}

}  // namespace
}  // namespace ravel
