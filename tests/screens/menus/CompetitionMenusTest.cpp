// The side bar's Competitions, World Cricket and domestic menus as the world
// stands.
#include <string>
#include <utility>
#include <vector>

#include "NewsFixture.h"
#include "screens/menus/CompetitionMenus.h"
#include "shell/gui/Button.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

using SB = CSideBar;
using Items = std::vector<std::pair<std::string, int>>;

Items ItemsOf(const CPopupMenu* menu) {
    Items items;
    for (const ListItem& item : menu->mv_items) items.emplace_back(item.m_text, item.m_value);
    return items;
}

class CompetitionMenusTest : public NewsWorldTest {
protected:
    static Competition& AddCup(int id, const char* name) {
        Competition c;
        c.m_id = id;
        std::snprintf(c.m_name, sizeof c.m_name, "%s", name);
        c.m_kind = COMP_KNOCKOUT;
        g_world.mv_competitions.push_back(c);
        return g_world.mv_competitions.back();
    }
};

TEST_F(CompetitionMenusTest, CoachWithoutAJobStillHasWorldCricket) {
    g_cricket.m_team = CLUB_A;  // left over from a job he has lost
    BuildCompetitionMenus();
    EXPECT_EQ(g_cricket.m_team, 0);
    EXPECT_EQ(SB::s_menuCompetitions->ItemCount(), 0);
    EXPECT_TRUE(SB::s_btnCompetitions->mb_disabled);
    EXPECT_EQ(ItemsOf(SB::s_menuWorldCricket), (Items{{"Test Championship", 500},
                                                      {"ODI Championship", 501},
                                                      {"Records", WORLD_RECORDS},
                                                      {"Domestic Cricket", WORLD_DOMESTIC}}));
}

TEST_F(CompetitionMenusTest, ClubInALeagueAndACupSemiFinalGetsBoth) {
    Appoint(CLUB_A);
    Competition& cup = AddCup(6, "Knockout Cup");
    std::fill(std::begin(cup.m_knockout), std::end(cup.m_knockout), -1);
    cup.m_knockout[8] = CLUB_B;  // first semi-final
    cup.m_knockout[9] = CLUB_A;
    AddCup(7, "Plate").m_knockout[0] = 0;  // never drawn
    Competition& stopped = g_world.mv_competitions.emplace_back();
    stopped.m_id = 8;
    std::snprintf(stopped.m_name, sizeof stopped.m_name, "Second League");
    stopped.m_status = COMP_NOT_RUNNING;
    stopped.mv_teams = {CLUB_A};
    BuildCompetitionMenus();
    EXPECT_EQ(g_cricket.m_team, CLUB_A);
    EXPECT_EQ(ItemsOf(SB::s_menuCompetitions), (Items{{"County League", LEAGUE}, {"Knockout Cup", 6}}));
    EXPECT_FALSE(SB::s_btnCompetitions->mb_disabled);
    EXPECT_EQ(ItemsOf(SB::s_menuDomestic),
              (Items{{"County League", LEAGUE}, {"Knockout Cup", 6}, {"Second League", 8}}));
}

TEST_F(CompetitionMenusTest, RunningToursAndTournamentsFollowTheChampionships) {
    auto addTour = [](int visitor, int host, int kind, int state) {
        Tour t;
        t.m_visitor = visitor;
        t.m_host = host;
        t.m_kind = kind;
        t.m_state = state;
        g_world.mv_tours.push_back(t);
    };
    addTour(1, 2, TOUR_TESTS, TOUR_NOT_STARTED);
    addTour(1, 2, TOUR_TESTS, TOUR_RUNNING);
    addTour(3, 1, TOUR_ONE_DAY, TOUR_RUNNING);
    addTour(0, 3, TOUR_TRIANGULAR, TOUR_RUNNING);
    Competition& cup = g_world.mv_competitions.emplace_back();
    cup.m_id = 506;
    std::snprintf(cup.m_name, sizeof cup.m_name, "World Cup");
    InternationalTournament t;
    t.m_competition = 506;
    t.m_year = 2007;
    t.m_running = 1;
    g_world.mv_tournaments.push_back(t);
    BuildCompetitionMenus();
    EXPECT_EQ(ItemsOf(SB::s_menuWorldCricket), (Items{{"Test Championship", 500},
                                                      {"ODI Championship", 501},
                                                      {"Records", WORLD_RECORDS},
                                                      {"SEPERATOR", SEPARATOR_VALUE},
                                                      {"Averland in Brenmoor (Tests)", 601},
                                                      {"Castria in Averland (ODIs)", 602},
                                                      {"Castria Triangular Series", 603},
                                                      {"World Cup 2007", 4506},
                                                      {"Domestic Cricket", WORLD_DOMESTIC}}));
}

}  // namespace
}  // namespace ravel
