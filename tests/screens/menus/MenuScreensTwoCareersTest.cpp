// The start, set-up, job market, auto-simulation and custom-game screens,
// each entered and left in one career and again in the next: what the first
// career chose on them is gone; what a page keeps between visits it keeps
// within a career only.
#include <filesystem>
#include <fstream>
#include <functional>

#include "NewsFixture.h"
#include "screens/menus/AutoSimScreen.h"
#include "screens/menus/CustomLeagueScreens.h"
#include "screens/menus/CustomTourScreen.h"
#include "screens/menus/JobMarketScreen.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/DayMachine.h"
#include "shell/gui/Button.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/ListPanel.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

class MenuScreensTwoCareersTest : public NewsWorldTest {
protected:
    // A career's world with the user at the club, on the news page.
    void NewCareer() {
        m_game->ChangeScreen(SCREEN_NEWS);
        BuildWorld();
        Appoint(CLUB_A);
        m_game->ChangeScreen(SCREEN_NEWS);
        Idle();
    }
    void Open(int screen) {
        m_game->ChangeScreen(screen);
        Idle(2);
        m_game->RenderFrame();
    }
};

TEST_F(MenuScreensTwoCareersTest, NothingTheFirstCareerLeftOnAPageIsThereInTheNext) {
    struct Case {
        const char* name;
        // Opens the page in the first career (0) or the next (1).
        std::function<void(int)> open;
        // What a player leaves on it in the first career.
        std::function<void()> mark;
        // The page as the next career finds it.
        std::function<void()> expectFresh;
    };
    const Case cases[] = {
        {"start menu", [this](int) { Open(SCREEN_START_MENU); },
         [] {
             std::ofstream(std::filesystem::path(s_savesFolder) / "career.rsg", std::ios::binary) << "x";
             TheScreen<CMainMenuScreen>().BuildSavedGameList();
             ASSERT_EQ(TheScreen<CMainMenuScreen>().SaveFiles().size(), 1u);
         },
         [] {
             EXPECT_TRUE(TheScreen<CMainMenuScreen>().SaveFiles().empty());
             EXPECT_FALSE(TheScreen<CMainMenuScreen>().m_dlgLoad->mb_visible);
         }},
        {"set-up", [this](int) { Open(SCREEN_NEW_GAME); },
         [this] {
             const auto& setup = TheScreen<CSetupGameScreen>();
             Tap(setup.m_editFirstName);
             PressKey(DIK_B);
             Tap(setup.m_rows[0]);
             ASSERT_EQ(setup.ChosenSide(), CLUB_A);
             ASSERT_STREQ(setup.m_editFirstName->m_caption, "b");
         },
         [] {
             const auto& setup = TheScreen<CSetupGameScreen>();
             EXPECT_EQ(setup.ChosenSide(), -1);
             EXPECT_TRUE(setup.m_btnContinue->mb_disabled);
             EXPECT_STREQ(setup.m_editFirstName->m_caption, "");
             EXPECT_EQ(setup.Filter(), FILTER_ENGLAND);
         }},
        {"job market", [this](int) { Open(SCREEN_JOBS); },
         [this] {
             Tap(TheScreen<CJobMarketScreen>().m_btnCoaches);
             Open(SCREEN_NEWS);
             Open(SCREEN_JOBS);
             EXPECT_EQ(TheScreen<CJobMarketScreen>().Page(), JOBS_COACHES) << "kept within the career";
         },
         [] {
             EXPECT_EQ(TheScreen<CJobMarketScreen>().Page(), JOBS_AVAILABLE);
             EXPECT_TRUE(TheScreen<CJobMarketScreen>().Jobs().empty()) << "every post is secure";
         }},
        // The first career's run is left paused for a message; the next
        // career's runs to its own stop day.
        {"auto-simulation",
         [this](int career) {
             StartAutoSimulation(career == 0 ? AUTO_TO_NEXT_SEASON : 60);
             Idle(2);
         },
         [this] {
             Deliver("An offer").m_needsAnswer = 1;
             Idle(2);
             ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
             ASSERT_TRUE(g_cricket.m_autoSimulate);
         },
         [] {
             EXPECT_EQ(TheScreen<CAutoSimScreen>().State().m_mode, AUTO_MODE_DAY);
             EXPECT_EQ(TheScreen<CAutoSimScreen>().State().m_stopDay, 60);
         }},
        {"custom league set-up", [this](int) { Open(SCREEN_CUSTOM_LEAGUE_SETUP); },
         [this] {
             auto& setup = TheScreen<CCustomLeagueScreen>();
             for (int line : {0, 1}) {
                 setup.m_allSides->SetSelection(line);
                 Tap(setup.m_btnAdd);
             }
             ASSERT_EQ(setup.Choice().mv_sides.size(), 2u);
         },
         [] {
             const auto& setup = TheScreen<CCustomLeagueScreen>();
             EXPECT_TRUE(setup.Choice().mv_sides.empty());
             EXPECT_TRUE(setup.m_chosen->mv_lines.empty());
             EXPECT_TRUE(setup.m_btnPlay->mb_disabled);
         }},
        {"custom tour set-up", [this](int) { Open(SCREEN_CUSTOM_TOUR_SETUP); },
         [this] {
             const auto& tour = TheScreen<CCustomTourScreen>();
             Tap(tour.m_btnAdd);
             Idle(2);
             ClickIn(tour.m_dialog, tour.m_btnAddEvent);
             ASSERT_EQ(tour.Itinerary().size(), 1u);
         },
         [] {
             EXPECT_TRUE(TheScreen<CCustomTourScreen>().Itinerary().empty());
             EXPECT_FALSE(TheScreen<CCustomTourScreen>().m_dialog->mb_visible);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int career = 0; career < 2; ++career) {
            NewCareer();
            c.open(career);
            if (career == 0)
                c.mark();
            else
                c.expectFresh();
            m_game->ChangeScreen(SCREEN_NEWS);
        }
    }
}

}  // namespace
}  // namespace ravel
