// Whole matches played from the live match view by "Over" alone, each ball's
// clip watched to its end: every over runs to its sixth ball unless a wicket
// or a pop-up stops it, the live bowling card never leaves a bowler out, and
// "Take new ball" follows the match's offer.
#include <set>
#include <string>
#include <vector>

#include "MatchViewFixture.h"
#include "screens/match/MatchViewPlay.h"

namespace ravel {
namespace {

class OverByOverTest : public MatchViewTest {
protected:
    CMatchViewScreen& View() { return MatchView(); }

    // Ticks until no clip plays and none has started again for the rest of
    // the over.
    void Settle() {
        for (int tick = 0; tick < 100000; ++tick) {
            if (!Visible(g_highlightsWindow)) {
                Idle(2);
                if (!Visible(g_highlightsWindow)) return;
            }
            Idle();
        }
        FAIL() << "a clip never ended";
    }

    // The bowling card of an innings as the view draws it, at every position
    // of its rows' scroll bar: the slots it shows.
    std::set<int> CardSlots(int innings) {
        std::set<int> slots;
        View().mv_viewInnings = innings;
        m_game->RenderFrame();
        CScrollBar* bar = View().m_ui.bowlingScroll;
        for (int position = 0; position <= bar->m_max; ++position) {
            bar->m_position = position;
            m_game->RenderFrame();
            for (int row = 0; row < BOWLING_ROWS; ++row) {
                if (Usable(View().m_ui.bowlingRows[row])) slots.insert(View().mv_bowlerRowSlots[row]);
            }
        }
        bar->m_position = 0;
        return slots;
    }

    // Everyone who bowled in the innings is on the card, and their balls are
    // the innings' balls.
    void ExpectCardAddsUp(const Match& match, int innings) {
        SCOPED_TRACE(testing::Message() << "innings " << innings);
        const Innings& in = match.m_innings[innings];
        std::set<int> bowled;
        for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
            if (in.m_bowlers[slot].mi_balls > 0) bowled.insert(slot);
        }
        const std::set<int> shown = CardSlots(innings);
        EXPECT_EQ(shown, bowled);
        int balls = 0;
        for (int slot : shown) balls += in.m_bowlers[slot].mi_balls;
        EXPECT_EQ(balls, in.mi_legalBalls);
    }

    // "Take new ball" is shown exactly while the match offers the user's
    // bowlers a new ball in play.
    void ExpectNewBallFollowsOffer(const Match& match) {
        const bool offered =
            match.mb_newBallAvailable && match.SideIsHuman(match.CurrentInnings().mi_bowlingTeam) &&
            match.mi_playState != PLAY_INNINGS_BREAK && match.mi_playState != PLAY_MATCH_OVER;
        EXPECT_EQ(Visible(View().m_ui.newBall), offered) << "over " << match.CurrentInnings().Overs();
    }

    // The match played by "Over" to its end; the day machine's start of a
    // new day is stood in for at each close of play.
    void PlayByOver(Match& match) {
        View().m_kept.mv_highlightSpeed = SPEED_SUPER_FAST;
        Open();
        AnswerEverything();
        int stoppedMidOver = 0;
        for (int press = 0; press < 3000 && match.mi_playState != PLAY_MATCH_OVER; ++press) {
            if (Usable(View().m_ui.continueButton)) {
                if (match.mi_playState == PLAY_CLOSE) {
                    m_game->ChangeScreen(SCREEN_COMPETITION);
                    match.mi_playState = match.mi_resumeState = PLAY_IN_PLAY;
                    Open();
                } else {
                    const int ended = Match::InningsIndex(match.mi_currentInnings) - 1;
                    Tap(View().m_ui.continueButton);
                    if (ended >= 0) ExpectCardAddsUp(match, ended);
                }
                AnswerEverything();
                continue;
            }
            ASSERT_TRUE(Usable(View().m_ui.over)) << "press " << press;
            const int innings = match.mi_currentInnings;
            const int wickets = match.CurrentInnings().Wickets();
            Tap(View().m_ui.over);
            Settle();
            const bool wicket =
                match.mi_currentInnings != innings || match.CurrentInnings().Wickets() != wickets;
            const bool popUp = !View().mv_infoboxes.empty() || Visible(View().m_ui.followOn.window);
            if (!wicket && !popUp && !MatchStopped(match)) {
                EXPECT_TRUE(match.AtOverStart())
                    << "stopped at " << match.CurrentInnings().Overs() << "."
                    << match.CurrentInnings().BallsOfOver() << " of innings " << innings;
                if (!match.AtOverStart()) ++stoppedMidOver;
            }
            ExpectNewBallFollowsOffer(match);
            AnswerEverything();
            ASSERT_LT(stoppedMidOver, 5) << "and more";
        }
        ASSERT_EQ(match.mi_playState, PLAY_MATCH_OVER)
            << "innings " << match.mi_currentInnings << " at " << match.CurrentInnings().Overs() << "."
            << match.CurrentInnings().BallsOfOver() << ", decision " << match.mi_decision << ", waiting "
            << int(match.mb_wait) << ", follow-on open " << int(match.mb_followOnOpen);
        for (int innings = 0; innings < 4; ++innings) {
            if (match.m_innings[innings].mb_started) ExpectCardAddsUp(match, innings);
        }
    }
};

TEST_F(OverByOverTest, AOneDayMatch) {
    // Plans whose field meets the early overs' restrictions, wherever the
    // captain's choice for his bowlers points.
    BowlPlan plan;
    plan.mv_balls.resize(1);
    plan.m_manyInField = 1;
    for (bool spinner : {false, true}) BowlPlanTable(spinner).assign(6, plan);
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    PlayByOver(match);
}

// The visitors cannot bat: the user's side enforces the follow-on.
TEST_F(OverByOverTest, AFourDayMatchWithAFollowOn) {
    for (int id = 16; id <= 30; ++id) {
        for (int& skill : PlayerById(id)->m_batSkill) skill = 3;
    }
    Match& match = MakeUserMatch(test::COMP_FC, true);
    PlayByOver(match);
    EXPECT_EQ(match.mi_followOnState, INNINGS_FOLLOW_ON) << "the follow-on was enforced";
}

// Eight bowlers: the card keeps its five rows, the two at the ends on top,
// and scrolls through the other six.
TEST_F(OverByOverTest, EveryBowlerOfEightIsOnTheCard) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Open();
    AnswerEverything();
    Innings& in = match.CurrentInnings();
    in.mi_legalBalls = 0;
    // The two at the ends and six more, the keeper left out.
    std::vector<int> eight = {match.mi_bowler1, match.mi_bowler2};
    for (int slot = 0; slot < SQUAD_SIZE && eight.size() < 8; ++slot) {
        if (slot != match.FieldingSide().KeeperSlot(0) && slot != eight[0] && slot != eight[1])
            eight.push_back(slot);
    }
    ASSERT_EQ(eight.size(), 8u);
    for (size_t k = 0; k < eight.size(); ++k) {
        BowlerFigures& f = in.m_bowlers[eight[k]];
        f.mi_balls = 6 * static_cast<int>(k + 1) + (k == 7 ? 3 : 0);
        f.mi_runs = 5 * static_cast<int>(k);
        in.mi_legalBalls += f.mi_balls;
    }
    ExpectCardAddsUp(match, 0);
    CScrollBar* bar = View().m_ui.bowlingScroll;
    EXPECT_TRUE(Visible(bar));
    EXPECT_EQ(bar->m_max, 6 - 3) << "six others in three rows";
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(View().mv_bowlerRowSlots[row], row == 0 ? match.mi_bowler1 : match.mi_bowler2)
            << "the bowlers at the ends stay on top";
    }
    bar->m_position = bar->m_max;
    Shot("bowling_card_scrolled.png");
    bar->m_position = 0;

    // Five or fewer need no scrolling.
    for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
        if (slot != match.mi_bowler1 && slot != match.mi_bowler2) in.m_bowlers[slot].mi_balls = 0;
    }
    m_game->RenderFrame();
    EXPECT_FALSE(Visible(bar));
}

// The new ball offered to his bowlers: the button comes with the offer and
// goes when the assistant takes the ball and after Autoplay.
TEST_F(OverByOverTest, TakeNewBallFollowsTheOffer) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    Open();
    AnswerEverything();
    auto offer = [&] {
        match.mb_newBallOffered = match.mb_newBallAvailable = 1;
        Tap(View().m_ui.ball);
        AnswerEverything();
        ASSERT_TRUE(Visible(View().m_ui.newBall)) << "offered";
    };
    offer();
    match.AnswerNewBall(true);  // as the assistant takes it for his captain
    Tap(View().m_ui.ball);
    AnswerEverything();
    EXPECT_FALSE(Visible(View().m_ui.newBall)) << "taken by the assistant";

    offer();
    Tap(View().m_ui.autoplay);
    Idle(2);
    ClickIn(View().m_ui.autoplayNotice.window, View().m_ui.autoplayNotice.yes);
    EXPECT_FALSE(Visible(View().m_ui.newBall)) << "after Autoplay";
}

}  // namespace
}  // namespace ravel
