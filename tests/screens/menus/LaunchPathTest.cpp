// A new user's first run on the built world: the database loads, a new game,
// a name typed, a side picked, the news page, then Continue day by day to the
// first match day; and a side out of season starting in the auto-simulation.
// The benchmarks' start gives the same world.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "LaunchFixture.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "screens/match/Highlights.h"
#include "screens/match/Infobox.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/match/PreMatchScreen.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/menus/AutoSimScreen.h"
#include "screens/menus/IntroScreen.h"
#include "screens/menus/NewGameScreen.h"
#include "screens/menus/StartMenuScreen.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "season/Squads.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/FileDialog.h"
#include "shell/gui/SideBar.h"
#include "shell/platform/Keys.h"
#include "world/Paths.h"

namespace ravel {

namespace {

CSetupGameScreen& SG() {
    return TheScreen<CSetupGameScreen>();
}

class LaunchPathTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        if (!UseBuiltDatabase()) GTEST_SKIP() << "the world database is not built";
    }
    void TypeKeys(std::initializer_list<int> keys) {
        for (int key : keys) PressKey(key);
    }
    // Loads the world as the intro does and opens the set-up with a name typed.
    void ToSetup() {
        Frame("path_1_intro.png");
        TickWith(512, 600, true);  // a click starts loading at once
        TickWith(512, 600, false);
        Idle(3);
        Frame("path_2_loading.png");
        EXPECT_EQ(Pixel(452, 465), 0xff001e00u) << "the first segment of the bar";
        while (m_game->m_screenId == SCREEN_INTRO) Idle();
        ASSERT_EQ(m_game->m_screenId, SCREEN_START_MENU);
        Idle(2);
        Frame("path_3_menu.png");
        Tap(TheScreen<CMainMenuScreen>().m_btnNewGame);
        ASSERT_EQ(m_game->m_screenId, SCREEN_NEW_GAME);
        Tap(SG().m_editFirstName);
        TypeKeys({DIK_J, DIK_O, DIK_E});
        PressKey(DIK_TAB);
        TypeKeys({DIK_B, DIK_L, DIK_A, DIK_C, DIK_K});
        EXPECT_STREQ(SG().m_editFirstName->m_caption, "joe");
        EXPECT_STREQ(SG().m_editSurname->m_caption, "black");
    }
    // Every pop-up closed, each choice answered by its first legal row, the
    // follow-on enforced.
    void AnswerPopUps() {
        const MatchViewUi& ui = MatchView().m_ui;
        auto shown = [](const CControl* c) { return c && c->mb_visible; };
        for (int guard = 0; guard < 60 && m_game->m_screenId == SCREEN_MATCH_VIEW; ++guard) {
            if (shown(g_highlightsWindow)) {
                PressKey(DIK_SPACE);  // the playback ends first
            } else if (shown(ui.infobox.window)) {
                Idle(2);
                ClickIn(ui.infobox.window, ui.infobox.ok);
            } else if (shown(ui.select.window)) {
                for (const CControl* row : ui.select.rows) {
                    if (!row->mb_visible || row->mb_disabled || !shown(ui.select.window)) continue;
                    Idle(2);
                    ClickIn(ui.select.window, row);
                }
                ASSERT_FALSE(shown(ui.select.window)) << "a legal choice";
            } else if (shown(ui.followOn.window)) {
                Idle(2);
                ClickIn(ui.followOn.window, ui.followOn.yes);
            } else {
                return;
            }
        }
    }
    // Pages not yet built are passed with Continue; on the pre-match screen
    // the coin is tossed and, when the choice is his, his side bats.
    void ToTheMatchView(bool firstDay) {
        for (int clicks = 0; clicks < 10 && m_game->m_screenId != SCREEN_MATCH_VIEW; ++clicks) {
            if (m_game->m_screenId != SCREEN_PRE_MATCH) {
                Tap(CSideBar::s_btnContinue);
                continue;
            }
            if (firstDay) Frame("match_1_pre_match.png");
            Tap(TheScreen<CPreMatchScreen>().m_btnCoinToss);
            if (TheScreen<CPreMatchScreen>().m_btnBat->mb_visible) Tap(TheScreen<CPreMatchScreen>().m_btnBat);
            Idle(2);
            if (firstDay) Frame("match_2_toss.png");
            Tap(TheScreen<CPreMatchScreen>().m_btnContinue);
        }
    }
    // The pre-match toss, then the match ball by ball and over by over, day
    // by day, to its end; at each close of his day the day's other matches
    // have all stopped too.
    void PlayTheFirstMatch() {
        ToTheMatchView(true);
        ASSERT_EQ(m_game->m_screenId, SCREEN_MATCH_VIEW);
        Match* match = UserMatch();
        ASSERT_NE(match, nullptr);
        const int32_t id = match->mi_id;
        Frame("match_3_starting_bowlers.png");
        AnswerPopUps();
        for (int press = 0; press < 3; ++press) {
            Tap(MatchView().m_ui.ball);
            AnswerPopUps();
        }
        bool completedShown = false;
        for (int day = 0; day < 6 && match->mi_playState != PLAY_MATCH_OVER; ++day) {
            ASSERT_EQ(m_game->m_screenId, SCREEN_MATCH_VIEW) << "day " << day;
            match = UserMatch();
            ASSERT_NE(match, nullptr);
            ASSERT_EQ(match->mi_id, id);
            if (day == 1) {
                // The second day is left to the assistant: only Continue remains.
                Tap(MatchView().m_ui.autoplay);
                Idle(2);
                ClickIn(MatchView().m_ui.autoplayNotice.window, MatchView().m_ui.autoplayNotice.yes);
                EXPECT_TRUE(match->mi_playState == PLAY_CLOSE || match->mi_playState == PLAY_MATCH_OVER);
                EXPECT_FALSE(MatchView().m_ui.over->mb_visible && !MatchView().m_ui.over->mb_disabled);
                EXPECT_TRUE(MatchView().mv_infoboxes.empty());
                if (match->mi_playState == PLAY_MATCH_OVER)
                    completedShown = true;  // not announced after autoplay
            }
            for (int press = 0;
                 press < 400 && MatchView().m_ui.over->mb_visible && !MatchView().m_ui.over->mb_disabled;
                 ++press) {
                Tap(MatchView().m_ui.over);
                const auto& queue = MatchView().mv_infoboxes;
                if (!completedShown && std::any_of(queue.begin(), queue.end(), [](const Infobox& box) {
                        return box.mi_id == INFOBOX_MATCH_COMPLETED;
                    })) {
                    completedShown = true;
                    Frame("match_5_match_completed.png");
                }
                AnswerPopUps();
                if (MatchView().m_ui.continueButton->mb_visible && match->mi_playState == PLAY_INNINGS_BREAK)
                    Tap(MatchView().m_ui.continueButton);
            }
            if (day == 0) Frame("match_4_close_of_play.png");
            ASSERT_TRUE(MatchView().m_ui.continueButton->mb_visible &&
                        !MatchView().m_ui.continueButton->mb_disabled);
            Tap(MatchView().m_ui.continueButton);
            for (const auto& other : g_currentMatches) {
                EXPECT_TRUE(other->mi_playState == PLAY_CLOSE || other->mi_playState == PLAY_MATCH_OVER)
                    << "match " << other->mi_id;
            }
            if (match->mi_playState == PLAY_MATCH_OVER) break;
            // The scorecard, then day by day back to the match.
            ToTheMatchView(false);
            AnswerPopUps();
        }
        EXPECT_TRUE(completedShown) << "\"Match Completed\" came up";
        EXPECT_EQ(m_game->m_screenId, SCREEN_SCORECARD) << "his match's scorecard ends the day";
        EXPECT_EQ(ScorecardMatch(), MatchById(id));
    }
    // His scorecard, every view; its HTML saved; then today's scoreboard.
    void AfterTheMatch() {
        ASSERT_EQ(m_game->m_screenId, SCREEN_SCORECARD);
        ASSERT_NE(ScorecardMatch(), nullptr);
        const int32_t id = ScorecardMatch()->mi_id;
        const int today = g_cricket.m_date.m_dayOfSeason;
        Idle(2);
        Frame("match_6_scorecard.png");
        std::vector<CButton*> tabs;
        CComboBox* card = nullptr;
        CButton* html = nullptr;
        for (CControl* c : g_system->mp_controlList->mv_controls) {
            if (auto* b = dynamic_cast<CButton*>(c); b && b->mb_visible && b->m_y == 105) tabs.push_back(b);
            if (auto* b = dynamic_cast<CComboBox*>(c)) card = b;
            if (std::strcmp(c->m_caption, "Output to HTML") == 0) html = dynamic_cast<CButton*>(c);
        }
        ASSERT_GE(tabs.size(), 3u);
        ASSERT_NE(card, nullptr);
        Tap(tabs[1]);
        Frame("match_7_first_innings.png");
        for (int item : {2, 1}) {
            card->m_selected = item == 2 ? 1 : 2;
            card->m_comboState = COMBO_CHOSEN;
            Idle(2);
            Frame(item == 2 ? "match_8_bowling.png" : "match_9_partnerships.png");
        }
        card->m_selected = 0;
        card->m_comboState = COMBO_CHOSEN;
        Idle(2);
        TickWith(400, 185, true);  // the opener's row
        TickWith(400, 185, false);
        EXPECT_EQ(TheScreen<CScorecardScreen>().mi_view, VIEW_BATSMAN);
        Frame("match_10_batsman.png");
        Tap(html);
        Frame("match_11_save.png");
        for (CControl* c : g_system->mp_controlList->mv_controls) {
            if (auto* d = dynamic_cast<CFileDialog*>(c); d && d->mb_visible) {
                Idle(2);
                Click(&d->m_okButton);
            }
        }
        EXPECT_TRUE(std::filesystem::exists(NativePath(std::string(s_outputFolder) + "\\scorecard.html")));
        AnswerMessageBox(0);
        Tap(CSideBar::s_btnContinue);
        ASSERT_EQ(m_game->m_screenId, SCREEN_TODAYS_SCOREBOARD);
        Idle(2);
        Frame("match_12_scoreboard.png");
        EXPECT_FALSE(g_highlightsList.mv_scripts.empty()) << "his day's highlights";
        // Continue on: the next morning dawns without his finished match.
        for (int clicks = 0; clicks < 6 && g_cricket.m_date.m_dayOfSeason == today; ++clicks)
            Tap(CSideBar::s_btnContinue);
        EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, today + 1);
        EXPECT_TRUE(std::none_of(g_currentMatches.begin(), g_currentMatches.end(),
                                 [id](const auto& m) { return m->mi_id == id; }));
        Idle(2);
        Frame("match_15_next_day.png");
    }
    // The user's side's first fixture of the season: its day of season.
    static int FirstFixtureDay(int side) {
        int first = std::numeric_limits<int>::max();
        for (const Fixture& f : g_world.mv_fixtures) {
            if ((f.m_home == side || f.m_away == side) && f.m_date.m_season == g_cricket.m_date.m_season)
                first = std::min(first, f.m_date.m_dayOfSeason);
        }
        return first;
    }
};

TEST_F(LaunchPathTest, NewCareerToTheFirstMatchDay) {
    ToSetup();
    Tap(SG().m_rows[0]);
    const int32_t side = SG().ChosenSide();
    ASSERT_GE(side, 1300);
    ASSERT_LE(side, 1399);
    Idle(2);
    Frame("path_4_setup.png");
    EXPECT_GT(CountNear(322, 320, 500, 340, 0xffffff00u), 30) << "the chosen side in yellow";
    Tap(SG().m_btnContinue);

    ASSERT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_team, side);
    ASSERT_EQ(g_userCoaches.size(), 1u);
    EXPECT_STREQ(g_userCoaches[0].m_staff.m_firstName, "joe");
    EXPECT_STREQ(g_userCoaches[0].m_staff.m_surname, "black");
    ASSERT_FALSE(g_userCoaches[0].mv_inbox.empty());
    EXPECT_EQ(g_userCoaches[0].mv_inbox[0].m_code, NEWS_COACH_APPOINTED);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, 1);
    Idle(2);
    Frame("path_5_news.png");
    EXPECT_GT(CountNear(10, 10, 120, 30, 0xffffffffu), 20) << "the date in the frame";

    // Day by day until his side's first match day dawns; its fixtures are
    // made when the league's season starts, a few days in.
    for (int clicks = 0; clicks < 400 && g_cricket.m_date.m_dayOfSeason < FirstFixtureDay(side); ++clicks) {
        if (m_game->m_screenId != SCREEN_NEWS) Tap(CSideBar::s_btnMain);
        Tap(CSideBar::s_btnContinue);
    }
    const int matchDay = FirstFixtureDay(side);
    EXPECT_LT(matchDay, 120) << "his side plays in the season the game opens on";
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, matchDay);
    EXPECT_TRUE(UserSidePlaysToday());
    Idle(2);
    Frame("path_6_eve_of_match_day.png");
    // The next Continue begins the match day, away from the news.
    Tap(CSideBar::s_btnContinue);
    EXPECT_NE(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_EQ(g_cricket.m_date.m_dayOfSeason, matchDay);
    PlayTheFirstMatch();
    AfterTheMatch();
}

// Every side's wage budget, squads and eleven, and the player count.
std::vector<int32_t> StartingSides() {
    std::vector<int32_t> sides{static_cast<int32_t>(g_world.mv_players.size())};
    for (const Team& t : g_world.mv_teams) {
        sides.insert(sides.end(), {t.m_id, t.m_salaryBudget});
        sides.insert(sides.end(), std::begin(t.m_squad), std::end(t.m_squad));
        sides.insert(sides.end(), std::begin(t.m_xi), std::end(t.m_xi));
    }
    for (const Country& c : g_world.mv_countries) {
        sides.push_back(c.m_id);
        sides.insert(sides.end(), c.mv_testSquad.begin(), c.mv_testSquad.end());
        sides.insert(sides.end(), c.mv_oneDaySquad.begin(), c.mv_oneDaySquad.end());
        sides.insert(sides.end(), std::begin(c.m_xi), std::end(c.m_xi));
    }
    return sides;
}

TEST_F(LaunchPathTest, TheBenchesStartThePlayersWorld) {
    ToSetup();
    const std::vector<int32_t> player = StartingSides();
    SeedRand(5);
    LoadWorld();
    PrepareNewCareer();
    EXPECT_EQ(StartingSides(), player);
    const Team* club = TeamById(1301);
    ASSERT_NE(club, nullptr);
    EXPECT_GT(club->m_salaryBudget, 0);
}

TEST_F(LaunchPathTest, SideOutOfSeasonStartsWithTheAutoSimulation) {
    ToSetup();
    Tap(SG().m_comboFilter);
    Idle(2);
    ClickAt(SG().m_comboFilter->m_x + 40, SG().m_comboFilter->m_y + 25 + 20 + 10);  // Australia
    ASSERT_STREQ(SG().m_comboFilter->m_caption, "Australia");
    Tap(SG().m_rows[0]);
    const int32_t side = SG().ChosenSide();
    Tap(SG().m_btnContinue);
    ASSERT_EQ(m_game->m_screenId, SCREEN_AUTO_SIM);
    EXPECT_EQ(g_cricket.m_team, side);
    Idle(10);
    Frame("path_7_auto_sim.png");
    EXPECT_GT(g_cricket.m_date.m_dayOfSeason, 5);
    EXPECT_GT(CountNear(208, 687, 230, 688, 0xffffff00u), 0) << "the bar has begun";

    m_system->HeadlessInput()->PressKey(DIK_SPACE);
    Idle();
    m_system->HeadlessInput()->ReleaseKey(DIK_SPACE);
    EXPECT_EQ(m_game->m_screenId, SCREEN_NEWS);
    EXPECT_FALSE(g_cricket.m_autoSimulate);
    Idle(2);
    Frame("path_8_news_after_auto_sim.png");
}

}  // namespace

}  // namespace ravel
