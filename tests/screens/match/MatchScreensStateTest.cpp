// The match screens as objects of the screen table: each left with a subject,
// a card, a toss or a filter in one career, and entered again in the next,
// shows nothing of the first.
#include <functional>
#include <string>

#include "MatchViewFixture.h"
#include "screens/match/MatchPlayerScreen.h"
#include "screens/match/PreMatchScreen.h"
#include "screens/match/ScorecardScreen.h"
#include "screens/match/TodaysScreens.h"
#include "season/GameState.h"
#include "season/TodaysLists.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

class MatchScreensStateTest : public MatchViewTest {
protected:
    void Enter(int32_t screen) {
        m_game->ChangeScreen(screen);
        Idle(2);
        m_game->RenderFrame();
    }
    void Leave() { m_game->ChangeScreen(SCREEN_COMPETITION); }
    // A drop-down's item chosen as the mouse chooses it.
    void Pick(CComboBox* combo, int value) {
        for (int i = 0; i < combo->ItemCount(); ++i)
            if (combo->mv_items[i].m_value == value) combo->m_selected = i;
        combo->m_comboState = COMBO_CHOSEN;
        Idle();
    }
    void CloseInfoboxes() {
        for (int guard = 0; guard < 20 && Visible(MatchView().m_ui.infobox.window); ++guard) {
            Idle(2);
            ClickIn(MatchView().m_ui.infobox.window, MatchView().m_ui.infobox.ok);
        }
    }
    // A second career in the same run: the game state reset, the small
    // world and today's match made again.
    void NewCareer() {
        Leave();
        ResetGameState();
        test::BuildWorld();
        g_userMatch = -1;
        MakeUserMatch(test::COMP_ONE_DAY, true);
    }
};

struct ScreenCase {
    const char* name;
    int32_t screen;
    // Leaves the first career's mark on the open screen.
    std::function<void()> mark;
    // Expects none of it on the screen entered in the next career.
    std::function<void()> fresh;
};

TEST_F(MatchScreensStateTest, NoScreenKeepsAnythingOfTheCareerBefore) {
    auto& card = TheScreen<CScorecardScreen>();
    auto& toss = TheScreen<CPreMatchScreen>();
    auto& fixtures = TheScreen<CTodaysFixturesScreen>();
    auto& scores = TheScreen<CTodaysScoreboardScreen>();
    CMatchViewScreen& view = MatchView();
    const ScreenCase cases[] = {
        {"scorecard", SCREEN_SCORECARD,
         [&] {
             OpenScorecard(MATCH_LIST_IN_PROGRESS, 0);
             Idle(2);
             Tap(card.m_tabs[1]);
             Pick(card.m_cardBox, 2);  // the bowling card
             ASSERT_EQ(card.mi_card, CARD_BOWLING);
             ASSERT_EQ(card.mi_view, VIEW_INNINGS_1);
             ASSERT_EQ(card.Subject().m_kind, MATCH_LIST_IN_PROGRESS);
         },
         [&] {
             EXPECT_EQ(card.Subject().m_kind, MATCH_LIST_COMPLETED) << "the subject goes with the career";
             EXPECT_EQ(card.Subject().m_id, 0);
             EXPECT_EQ(card.mi_view, VIEW_SUMMARY);
             EXPECT_EQ(card.mi_card, CARD_BATTING);
             EXPECT_STREQ(card.m_cardBox->m_caption, "Batting Card");
         }},
        {"pre-match", SCREEN_PRE_MATCH,
         [&] {
             Tap(toss.m_btnCoinToss);
             ASSERT_NE(toss.mi_toss, TOSS_NOT_MADE);
         },
         [&] {
             EXPECT_EQ(toss.mi_toss, TOSS_NOT_MADE);
             EXPECT_EQ(toss.mi_choice, CHOICE_NOT_MADE);
             EXPECT_TRUE(Usable(toss.m_btnCoinToss));
             EXPECT_FALSE(Usable(toss.m_btnContinue));
         }},
        {"today's fixtures", SCREEN_TODAYS_FIXTURES,
         [&] {
             Pick(fixtures.m_filter, FILTER_INTERNATIONAL);
             ASSERT_STREQ(fixtures.m_filter->m_caption, "International");
         },
         [&] { EXPECT_STREQ(fixtures.m_filter->m_caption, "Local & Int"); }},
        {"today's scoreboard", SCREEN_TODAYS_SCOREBOARD,
         [&] {
             Pick(scores.m_filter, FILTER_INTERNATIONAL);
             ASSERT_STREQ(scores.m_filter->m_caption, "International Games");
         },
         [&] {
             EXPECT_STREQ(scores.m_filter->m_caption, "Local & Int");
             EXPECT_EQ(scores.m_scroll->m_position, 0);
         }},
        {"match view", SCREEN_MATCH_VIEW,
         [&] {
             CloseInfoboxes();
             Pick(view.m_ui.infoTab, 32);  // the worm
             PressKey(DIK_RIGHT);
             ASSERT_EQ(view.m_kept.mv_infoTab, TAB_WORM);
             ASSERT_GT(view.m_kept.mv_highlightSpeed, SPEED_REAL_TIME);
             ASSERT_EQ(view.m_kept.mv_firstStepDone, 1);
             Tap(view.m_ui.ball);
             CloseInfoboxes();
         },
         [&] {
             EXPECT_EQ(view.m_kept.mv_infoTab, TAB_RECENT_OVERS);
             EXPECT_STREQ(view.m_ui.infoTab->m_caption, "Recent Overs");
             EXPECT_EQ(view.m_kept.mv_highlightSpeed, SPEED_REAL_TIME);
             EXPECT_EQ(UserMatch()->CurrentInnings().mi_legalBalls, 0) << "the new match has not begun";
             CloseInfoboxes();
         }},
        {"match player", SCREEN_MATCH_PLAYER,
         [&] { ASSERT_NE(TheScreen<CMatchPlayerScreen>().m_exit, nullptr); },
         [&] { EXPECT_TRUE(Visible(TheScreen<CMatchPlayerScreen>().m_exit)); }},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.name);
        NewCareer();
        for (int visit = 0; visit < 2; ++visit) {
            Enter(c.screen);
            c.mark();
            Leave();
        }
        NewCareer();
        for (int visit = 0; visit < 2; ++visit) {
            Enter(c.screen);
            c.fresh();
            Leave();
        }
    }
}

}  // namespace
}  // namespace ravel
