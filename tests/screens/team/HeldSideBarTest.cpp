// The screens that hold the side bar (contract talks, the auto-simulation),
// left every way a player has: while the screen is up every side-bar button
// stays disabled, and afterwards each has its state of before again, Back and
// Forward following their histories.
#include <functional>
#include <iterator>
#include <string>

#include "TeamFixture.h"
#include "screens/team/ContractScreen.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "season/Contracts.h"
#include "shell/gui/Button.h"
#include "shell/gui/MessageBox.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

using SB = CSideBar;

CButton* const* const SIDE_BAR[] = {&SB::s_btnExit,         &SB::s_btnContinue,     &SB::s_btnOptions,
                                    &SB::s_btnMain,         &SB::s_btnSquad,        &SB::s_btnWorldCricket,
                                    &SB::s_btnCompetitions, &SB::s_btnPlayerSearch, &SB::s_btnJobs,
                                    &SB::s_btnBack,         &SB::s_btnForward};
constexpr size_t HISTORY_BUTTONS = 9;  // Back and Forward come last

enum class Way {
    OWN_BUTTON,       // the screen's first way out
    OTHER_BUTTON,     // its second
    BACK,             // the side bar's "<"
    FORWARD,          // and ">"
    ESCAPE,           // the key
    CLOSE_ANSWER_NO,  // the window's close box, "No" to the exit question
    ELSEWHERE,        // another screen made current by the game itself
};

struct Case {
    const char* name;
    int screen;
    Way way;
};

std::string CaseName(const testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

class HeldSideBarTest : public TeamPageTest, public testing::WithParamInterface<Case> {
protected:
    void SetUp() override {
        TeamPageTest::SetUp();
        g_contractOffers.clear();
        // The news, the squad, a player, Back to the squad and the player
        // again: both histories have a page.
        m_game->ChangeScreen(SCREEN_NEWS);
        Idle(2);
        OpenPage();
        OpenPlayerDetails(Player());
        Idle(2);
        Tap(SB::s_btnBack);
        ASSERT_EQ(m_game->m_screenId, SCREEN_TEAM);
        OpenPlayerDetails(Player());
        Idle(2);
        ASSERT_FALSE(m_game->mv_backHistory.empty());
        ASSERT_FALSE(m_game->mv_forwardHistory.empty());
        for (size_t i = 0; i < std::size(SIDE_BAR); ++i) m_before[i] = (*SIDE_BAR[i])->mb_disabled;
    }

    static int Player() { return SquadPlayer(12).m_id; }
    static CContractScreen& Talks() { return TheScreen<CContractScreen>(); }

    void Open(int screen) {
        if (screen == SCREEN_CONTRACT) {
            OpenContractScreen(Player(), CLUB_A, ContractOffer{});
        } else {
            // Far enough off that the simulation runs on while the test tries
            // the ways out.
            StartAutoSimulation(g_cricket.m_date.m_dayOfSeason + 60);
        }
        Idle(2);
    }
    // The screen's own ways out: Cancel and Offer Contract; Space and its
    // own stop.
    void LeaveByItsOwn(int screen, bool second) {
        if (screen == SCREEN_CONTRACT) return Tap(second ? Talks().m_btnOffer : Talks().m_btnCancel);
        if (second) {
            for (int tick = 0; tick < 200 && m_game->m_screenId == SCREEN_AUTO_SIM; ++tick) Idle();
            return;
        }
        PressKey(DIK_SPACE);
    }
    void Try(Way way) {
        switch (way) {
            case Way::BACK:
                return Tap(SB::s_btnBack);
            case Way::FORWARD:
                return Tap(SB::s_btnForward);
            case Way::ESCAPE:
                return PressKey(DIK_ESCAPE);
            case Way::CLOSE_ANSWER_NO:
                m_system->HeadlessInput()->Close();
                Idle(2);
                ASSERT_TRUE(MessageBoxOpen());
                AnswerMessageBox(CMessageBox::NO);
                Idle(2);
                EXPECT_TRUE(m_game->m_running);
                return;
            default:
                return;
        }
    }
    void ExpectHeld(const char* when) {
        for (CButton* const* button : SIDE_BAR)
            EXPECT_TRUE((*button)->mb_disabled) << (*button)->m_caption << " " << when;
    }

    uint8_t m_before[std::size(SIDE_BAR)] = {};
};

TEST_P(HeldSideBarTest, EveryWayOutLeavesTheSideBarWhole) {
    const Case& c = GetParam();
    for (size_t i = 0; i < std::size(SIDE_BAR); ++i)
        ASSERT_FALSE(m_before[i]) << (*SIDE_BAR[i])->m_caption << " before";
    Open(c.screen);
    ASSERT_EQ(m_game->m_screenId, c.screen);
    ExpectHeld("on entering");
    switch (c.way) {
        case Way::OWN_BUTTON:
        case Way::OTHER_BUTTON:
            LeaveByItsOwn(c.screen, c.way == Way::OTHER_BUTTON);
            break;
        case Way::ELSEWHERE:
            m_game->ChangeScreen(SCREEN_NEWS);
            Idle(2);
            break;
        default:
            // No way out: the screen and its hold stay, and its own button
            // still leads out.
            Try(c.way);
            ASSERT_EQ(m_game->m_screenId, c.screen);
            ExpectHeld("after the try");
            LeaveByItsOwn(c.screen, false);
    }
    ASSERT_NE(m_game->m_screenId, c.screen);
    EXPECT_FALSE(SideBarHeld());
    for (size_t i = 0; i < HISTORY_BUTTONS; ++i)
        EXPECT_EQ((*SIDE_BAR[i])->mb_disabled, m_before[i]) << (*SIDE_BAR[i])->m_caption;
    EXPECT_EQ(SB::s_btnBack->mb_disabled != 0, m_game->mv_backHistory.empty());
    EXPECT_EQ(SB::s_btnForward->mb_disabled != 0, m_game->mv_forwardHistory.empty());
    // The talks go back to the player, with both ways still open.
    if (c.screen == SCREEN_CONTRACT && c.way != Way::ELSEWHERE) {
        EXPECT_EQ(m_game->m_screenId, SCREEN_PLAYER);
        EXPECT_FALSE(SB::s_btnBack->mb_disabled);
        EXPECT_FALSE(SB::s_btnForward->mb_disabled);
    }
    // Continue moves the date again.
    m_game->ChangeScreen(SCREEN_NEWS);
    Idle(2);
    const GameDate before = g_cricket.m_date;
    const int32_t phase = g_cricket.m_dayPhase;
    Tap(SB::s_btnContinue);
    Idle(2);
    EXPECT_FALSE(g_cricket.m_date.SameDay(before) && g_cricket.m_dayPhase == phase) << "Continue did nothing";
}

constexpr Case CASES[] = {
    {"TalksCancel", SCREEN_CONTRACT, Way::OWN_BUTTON},
    {"TalksOffer", SCREEN_CONTRACT, Way::OTHER_BUTTON},
    {"TalksBack", SCREEN_CONTRACT, Way::BACK},
    {"TalksForward", SCREEN_CONTRACT, Way::FORWARD},
    {"TalksEscape", SCREEN_CONTRACT, Way::ESCAPE},
    {"TalksCloseNo", SCREEN_CONTRACT, Way::CLOSE_ANSWER_NO},
    {"TalksElsewhere", SCREEN_CONTRACT, Way::ELSEWHERE},
    {"AutoSimSpace", SCREEN_AUTO_SIM, Way::OWN_BUTTON},
    {"AutoSimStops", SCREEN_AUTO_SIM, Way::OTHER_BUTTON},
    {"AutoSimBack", SCREEN_AUTO_SIM, Way::BACK},
    {"AutoSimForward", SCREEN_AUTO_SIM, Way::FORWARD},
    {"AutoSimEscape", SCREEN_AUTO_SIM, Way::ESCAPE},
    {"AutoSimCloseNo", SCREEN_AUTO_SIM, Way::CLOSE_ANSWER_NO},
    {"AutoSimElsewhere", SCREEN_AUTO_SIM, Way::ELSEWHERE},
};

INSTANTIATE_TEST_SUITE_P(Screens, HeldSideBarTest, testing::ValuesIn(CASES), CaseName);

}  // namespace
}  // namespace ravel
