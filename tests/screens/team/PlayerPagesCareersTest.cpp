// The player pages across two careers: each is entered and left in the
// first, a new career begins (ResetGameState, as the new-game set-up does),
// and the page entered again shows nothing of the first career: not its
// subject, not the list or talks it kept.
#include <functional>
#include <string>

#include "TeamFixture.h"
#include "screens/team/ContractScreen.h"
#include "screens/team/TopRatedScreen.h"
#include "season/Contracts.h"
#include "shell/gui/Button.h"

namespace ravel {
namespace {

CContractScreen& Talks() {
    return TheScreen<CContractScreen>();
}
CTopRatedScreen& TopRated() {
    return TheScreen<CTopRatedScreen>();
}

class PlayerPagesCareersTest;

struct Page {
    const char* name;
    int screen;
    // Opens the page in the first career and changes what it keeps, as a
    // player does.
    std::function<void(PlayerPagesCareersTest&)> firstVisit;
    // After the first career, before the page is entered again: nothing kept.
    std::function<void()> expectFresh;
    // Entered again in the second career: what it shows is the new career's.
    std::function<void(PlayerPagesCareersTest&)> secondVisit;
};

class PlayerPagesCareersTest : public TeamPageTest, public testing::WithParamInterface<Page> {
public:
    void Open(int screen) {
        m_game->ChangeScreen(screen);
        Idle(2);
    }
    void OpenTalks(int squadIndex) {
        OpenContractScreen(TeamById(CLUB_A)->m_squad[squadIndex], CLUB_A, ContractOffer{});
        Idle(2);
    }
    void Press(const CControl* control) { Tap(control); }

protected:
    // A smaller world for the second career: the user at the same club with
    // a squad of five.
    void BuildSecondCareer() {
        BuildWorld();
        Team& club = *TeamById(CLUB_A);
        club.m_salaryBudget = 400000;
        for (int i = 0; i < 5; ++i) club.m_squad[i] = AddSquadPlayer(i);
        Appoint(CLUB_A);
    }
};

const Page PAGES[] = {
    {"ContractTalks", SCREEN_CONTRACT,
     [](PlayerPagesCareersTest& t) {
         t.OpenTalks(12);
         t.Press(Talks().m_btnWageUp);
         EXPECT_EQ(Talks().Offer().m_offerWage, Talks().Offer().m_demandWage + WAGE_STEP);
     },
     [] {
         EXPECT_EQ(Talks().PlayerId(), 0);
         EXPECT_EQ(Talks().Offer().m_team, ContractOffer{}.m_team);
         EXPECT_EQ(Talks().Offer().m_offerWage, ContractOffer{}.m_offerWage);
     },
     [](PlayerPagesCareersTest& t) {
         t.OpenTalks(3);
         EXPECT_EQ(Talks().PlayerId(), TeamById(CLUB_A)->m_squad[3]);
         EXPECT_EQ(Talks().Offer().m_offerWage, Talks().Offer().m_demandWage)
             << "a new offer starts at the demand";
     }},
    {"TopRated", SCREEN_TOP_PLAYERS,
     [](PlayerPagesCareersTest& t) {
         t.Open(SCREEN_TOP_PLAYERS);
         t.Press(TopRated().m_btnBowlers);
         EXPECT_EQ(TopRated().List(), TOP_RATED_BOWLERS);
     },
     [] { EXPECT_EQ(TopRated().List(), TOP_RATED_BATSMEN); },
     [](PlayerPagesCareersTest& t) {
         t.Open(SCREEN_TOP_PLAYERS);
         EXPECT_EQ(TopRated().List(), TOP_RATED_BATSMEN);
         EXPECT_EQ(TopRated().Players().size(), 5u) << "the new world's players";
     }},
};

TEST_P(PlayerPagesCareersTest, NothingOfTheFirstCareerIsLeft) {
    const Page& page = GetParam();
    for (int visit = 0; visit < 2; ++visit) {
        SCOPED_TRACE(visit == 0 ? "first career" : "second career");
        (visit == 0 ? page.firstVisit : page.secondVisit)(*this);
        ASSERT_EQ(m_game->m_screenId, page.screen);
        Open(SCREEN_NEWS);
        if (visit > 0) break;
        ResetGameState();
        page.expectFresh();
        BuildSecondCareer();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PlayerPagesCareersTest, testing::ValuesIn(PAGES),
                         [](const testing::TestParamInfo<Page>& page) {
                             return std::string(page.param.name);
                         });

}  // namespace
}  // namespace ravel
