// The club team page and the country page across two careers: what each page
// keeps between visits stays within a career, and a new career finds none of
// the first one's side, tab, order, selection or waiting request.
#include "TeamFixture.h"
#include "screens/team/CountryScreen.h"
#include "screens/team/SquadRows.h"
#include "shell/gui/Button.h"

namespace ravel {
namespace {

constexpr int NATION = 2;

struct SidePage {
    const char* name;
    int32_t screen;
    int32_t side;
    int32_t tacticsPage;
    CSideScreen& (*page)();
};

const SidePage PAGES[] = {
    {"club", SCREEN_TEAM, CLUB_A, TEAM_PAGE_TACTICS, []() -> CSideScreen& { return TeamPage(); }},
    {"country", SCREEN_COUNTRY, NATION, COUNTRY_PAGE_TACTICS,
     []() -> CSideScreen& { return TheScreen<CCountryScreen>(); }},
};

class SidePagesCareerTest : public TeamPageTest {
protected:
    // The user coaches both the club and the nation, each with a human coach.
    static void CoachBoth() {
        Appoint(CLUB_A);
        Country& nation = *CountryById(NATION);
        nation.m_coach = USER_COACH;
        nation.m_human = 1;
        StaffMemberById(USER_COACH)->m_nationalJob = NATION;
        g_userCoaches[0].m_staff.m_nationalJob = NATION;
    }
    void Open(const SidePage& p) {
        m_game->OpenScreen(p.screen, {p.side});
        Idle(2);
    }
    void Away() {
        m_game->ChangeScreen(SCREEN_NEWS);
        Idle();
    }
};

TEST_F(SidePagesCareerTest, ANewCareerFindsNothingOfTheFirstOnEitherPage) {
    const int firstSlot = 3;
    for (const SidePage& p : PAGES) {
        SCOPED_TRACE(p.name);
        BuildWorld();
        CoachBoth();
        CSideScreen& page = p.page();
        const ScreenSubject fresh = page.Subject();

        // First career: Tactics with a batting slot chosen, left and found again.
        Open(p);
        Tap(page.m_btnTactics);
        ASSERT_EQ(page.m_page, p.tacticsPage);
        ClickAt(ELEVEN_PANEL_LEFT + 60, ELEVEN_PANEL_TOP + ELEVEN_SLOT_HEIGHT * firstSlot + 10);
        ASSERT_EQ(page.m_kept.battingSlot, firstSlot);
        if (p.screen == SCREEN_TEAM) {
            Choose(TeamPage().m_comboOrder, 3);
            ASSERT_EQ(TeamPage().m_teamKept.tacticsOrder, TACTICS_FITNESS);
        }
        Away();
        Open(p);
        EXPECT_EQ(page.m_page, p.tacticsPage);
        EXPECT_EQ(page.m_kept.battingSlot, firstSlot);
        // The day machine asks for the eleven while the page is not shown.
        Away();
        DayScreens().ShowSelection(p.side, false);
        ASSERT_EQ(page.m_kept.requestedPage, p.tacticsPage);

        // Second career.
        BuildWorld();
        EXPECT_EQ(page.Subject().m_id, fresh.m_id);
        EXPECT_EQ(page.m_kept.requestedPage, 0);
        EXPECT_EQ(page.m_kept.battingSlot, 0);
        if (p.screen == SCREEN_TEAM) {
            EXPECT_EQ(TeamPage().m_teamKept.tacticsOrder, TACTICS_NAME_AND_FORM);
        }
        CoachBoth();
        for (int visit = 0; visit < 2; ++visit) {
            Open(p);
            EXPECT_EQ(page.Side(), p.side);
            EXPECT_EQ(page.m_page, SIDE_PAGE_SQUAD) << "neither the first career's tab nor its request";
            EXPECT_EQ(page.m_view, VIEW_BASIC);
            EXPECT_EQ(page.m_kept.battingSlot, 0);
            EXPECT_STREQ(page.m_comboView->m_caption, "Basic");
            if (p.screen == SCREEN_TEAM) {
                EXPECT_STREQ(TeamPage().m_comboOrder->m_caption, "Name and Form");
            }
            Away();
        }
    }
}

TEST_F(SidePagesCareerTest, TheDaysRequestOpensTacticsOnAnOpenPageOrTheNextVisit) {
    CoachBoth();
    for (const SidePage& p : PAGES) {
        SCOPED_TRACE(p.name);
        CSideScreen& page = p.page();
        // On the open page: Tactics at once, nothing left waiting.
        Open(p);
        ASSERT_EQ(page.m_page, SIDE_PAGE_SQUAD);
        DayScreens().ShowSelection(p.side, false);
        EXPECT_EQ(page.m_page, p.tacticsPage);
        EXPECT_EQ(page.m_kept.requestedPage, 0);
        EXPECT_TRUE(DayScreens().Showing(DayPage::SELECTION, p.side));
        Tap(page.m_btnSquad);
        // Not shown: the next visit opens on Tactics, over the saved Squad tab.
        Away();
        EXPECT_FALSE(DayScreens().Showing(DayPage::SELECTION, p.side));
        DayScreens().ShowSelection(p.side, false);
        EXPECT_EQ(CurrentScreen(), SCREEN_NEWS);
        m_game->ChangeScreen(p.screen);
        Idle();
        EXPECT_EQ(page.m_page, p.tacticsPage);
        Away();
        Open(p);
        EXPECT_EQ(page.m_page, p.tacticsPage) << "the tab saved on leaving";
        Tap(page.m_btnSquad);
        Away();
    }
}

}  // namespace
}  // namespace ravel
