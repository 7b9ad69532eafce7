// Playing the user's match from the live match view: a step per Ball or
// Over press, the engine's flags raised as pop-ups in their order, the play
// controls in each state of the match, Continue at the end of his day, the
// dialogs' answers and the side panel's aggression buttons.
#include <algorithm>
#include <vector>

#include "MatchViewFixture.h"
#include "match/MatchDay.h"
#include "screens/match/MatchViewPlay.h"
#include "season/DayMachine.h"
#include "shell/gui/ListItem.h"
#include "shell/platform/Keys.h"

namespace ravel {
namespace {

class MatchDayPlayTest : public MatchViewTest {
protected:
    // The view opened on the user's match with its first pop-up answered.
    Match& OpenOnMatch(int competition, bool userBats) {
        Match& match = MakeUserMatch(competition, userBats);
        Open();
        if (Visible(MatchView().m_ui.infobox.window)) CloseInfobox();
        return match;
    }
    static std::vector<int32_t> QueuedIds() {
        std::vector<int32_t> ids;
        for (const Infobox& box : MatchView().mv_infoboxes) ids.push_back(box.mi_id);
        return ids;
    }
};

TEST_F(MatchDayPlayTest, TheFirstPressOfARunNamesTheStartingBowlersOnly) {
    MatchView().m_kept.mv_firstStepDone = 0;
    MatchView().m_kept.mv_startingBowlersShown = 0;
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    EXPECT_EQ(QueuedIds(), std::vector<int32_t>{INFOBOX_STARTING_BOWLERS});
    EXPECT_EQ(match.mb_dayStarted, 0) << "the user's match was not stepped";
    EXPECT_EQ(match.CurrentInnings().mi_legalBalls, 0);
    CloseInfobox();
    EXPECT_FALSE(Visible(MatchView().m_ui.infobox.window));

    // The day's first press prepares the day and plays a ball; later ones a
    // ball each; no later step names the bowlers again.
    for (int press = 1; press <= 3; ++press) {
        Tap(MatchView().m_ui.ball);
        AnswerEverything();
        EXPECT_EQ(match.mb_dayStarted, 1);
        EXPECT_EQ(match.CurrentSession().mi_balls, press) << "press " << press;
    }
    EXPECT_EQ(std::count(QueuedIds().begin(), QueuedIds().end(), INFOBOX_STARTING_BOWLERS), 0);

    // No ball shown: a shown one holds play until its playback ends.
    g_highlightFilters = HighlightFilters{0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int wickets = match.CurrentInnings().Wickets();
    Tap(MatchView().m_ui.over);
    if (match.CurrentInnings().Wickets() == wickets) {
        EXPECT_EQ(match.CurrentInnings().BallsOfOver(), 0) << "Over plays to the end of the over";
    }
}

TEST_F(MatchDayPlayTest, FlagsAreRaisedAsPopUpsInTheirOrder) {
    Match& match = OpenOnMatch(test::COMP_FC, false);  // the new ball is offered to his bowlers
    ClearInfoboxes();
    match.mi_decision = DECISION_INFOBOX;  // held: the flags alone are read
    for (uint8_t* flag : {&match.mb_lunchMessage, &match.mb_teaMessage, &match.mb_closeMessage,
                          &match.mb_followOnEnforced, &match.mb_declared, &match.mb_fieldRestrictions,
                          &match.mb_newBallTaken, &match.mb_newBallAvailable, &match.mb_fallOfWicket}) {
        *flag = 1;
    }
    match.mi_infoBox = INFO_RAIN_STOPS_PLAY + 3;
    StepUserMatch();
    const std::vector<int32_t> expected = {INFOBOX_LUNCH,          INFOBOX_TEA,
                                           INFOBOX_CLOSE_OF_PLAY,  INFOBOX_FOLLOW_ON,
                                           INFOBOX_DECLARED,       INFOBOX_FIELD_RESTRICTIONS,
                                           INFOBOX_NEW_BALL_TAKEN, INFOBOX_NEW_BALL_AVAILABLE,
                                           INFOBOX_LIGHT_OFF,      INFOBOX_FALL_OF_WICKET};
    EXPECT_EQ(QueuedIds(), expected);
    EXPECT_EQ(MatchView().mv_infoboxCurrent, static_cast<int32_t>(expected.size()) - 1)
        << "the newest on show";
    for (uint8_t flag :
         {match.mb_lunchMessage, match.mb_teaMessage, match.mb_closeMessage, match.mb_followOnEnforced,
          match.mb_declared, match.mb_fieldRestrictions, match.mb_newBallTaken, match.mb_fallOfWicket}) {
        EXPECT_EQ(flag, 0);
    }
    EXPECT_EQ(match.mi_infoBox, 0);
    EXPECT_EQ(match.mb_newBallAvailable, 1) << "the offer stands until answered";
    EXPECT_TRUE(Visible(MatchView().m_ui.newBall));

    // Raised once: the next step finds the flags cleared.
    ClearInfoboxes();
    StepUserMatch();
    EXPECT_TRUE(QueuedIds().empty());
}

// The engine asks for a new bowler at an over's start: the one due is over
// his limit or worn out, at either end.
TEST_F(MatchDayPlayTest, ABowlerWhoMustGoOffIsNamedAndTheChoiceFollows) {
    struct Case {
        bool endOne;
        bool wornOut;
    };
    const Case cases[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "end one " << c.endOne << ", worn out " << c.wornOut);
        Match& match = OpenOnMatch(test::COMP_ONE_DAY, false);
        ClearInfoboxes();
        match.mi_bowler = c.endOne ? match.mi_bowler1 : match.mi_bowler2;
        if (c.wornOut)
            match.FieldingSide().m_players[match.mi_bowler].mf_energy = 20.0f;
        else
            match.CurrentInnings().m_bowlers[match.mi_bowler].mi_balls = 60;
        const int32_t due = match.mi_bowler;
        StepUserMatch();
        ASSERT_EQ(QueuedIds(), std::vector<int32_t>{INFOBOX_CHANGE_BOWLER});
        const Infobox& box = MatchView().mv_infoboxes[0];
        EXPECT_EQ(box.mi_args[0], due);
        EXPECT_EQ(box.mi_args[1], c.wornOut ? BOWLER_CHANGE_WORN_OUT : BOWLER_CHANGE_OVER_LIMIT);
        EXPECT_EQ(MatchView().mv_bowlerSelectPending, 1);
        EXPECT_EQ(match.CurrentInnings().mi_legalBalls, 0) << "nothing bowled meanwhile";

        CloseInfobox();
        ASSERT_TRUE(Visible(MatchView().m_ui.select.window)) << "closing the pop-up opens the bowler choice";
        EXPECT_EQ(MatchView().m_kept.mv_selectMode, SELECT_NEXT_BOWLER);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchView();
        ResetMatchLists();
        test::BuildWorld();
    }
}

// Ball, Over, Declare and Bowler give way to Continue when the match stops.
TEST_F(MatchDayPlayTest, PlayControlsInEachStateOfTheMatch) {
    struct Case {
        int32_t state;
        bool stopped;
    };
    const Case cases[] = {
        {PLAY_IN_PLAY, false},
        {PLAY_INNINGS_BREAK, true},
        {PLAY_MATCH_OVER, true},
        {PLAY_CLOSE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        Match& match = OpenOnMatch(test::COMP_FC, true);
        match.mi_playState = c.state;
        match.mi_decision = DECISION_INFOBOX;  // nothing is played
        AdvanceMatches();
        const MatchViewUi& ui = MatchView().m_ui;
        EXPECT_EQ(Usable(ui.ball), !c.stopped);
        EXPECT_EQ(Usable(ui.over), !c.stopped);
        EXPECT_EQ(Usable(ui.mainScreen), !c.stopped);
        EXPECT_EQ(Usable(ui.continueButton), c.stopped);
        EXPECT_EQ(Visible(ui.continueButton), c.stopped);
        if (c.stopped) {
            EXPECT_FALSE(Usable(ui.bowler));
            EXPECT_FALSE(Usable(ui.declare));
        }
        EXPECT_EQ(match.mi_decision, DECISION_NONE) << "the pause ends with the step";
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchView();
        ResetMatchLists();
        test::BuildWorld();
    }
}

TEST_F(MatchDayPlayTest, HeldKeysPlayOnlyWhileBallCanBePressed) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    Tap(MatchView().m_ui.ball);
    AnswerEverything();
    const int balls = match.CurrentSession().mi_balls;
    m_system->HeadlessInput()->PressKey(DIK_N);
    Idle(3);
    m_system->HeadlessInput()->ReleaseKey(DIK_N);
    Idle();
    AnswerEverything();
    EXPECT_GT(match.CurrentSession().mi_balls, balls) << "N plays while held";

    match.mi_playState = PLAY_CLOSE;
    match.mi_decision = DECISION_INFOBOX;
    AdvanceMatches();
    match.mb_stepped = 0;
    for (int key : {DIK_N, DIK_B}) PressKey(key);
    EXPECT_EQ(match.mb_stepped, 0) << "no step of the day while the match stands";
}

TEST_F(MatchDayPlayTest, ContinueAtTheBreakGoesBackToPlay) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    match.mi_playState = PLAY_INNINGS_BREAK;
    match.mi_decision = DECISION_INFOBOX;
    AdvanceMatches();
    Tap(MatchView().m_ui.continueButton);
    EXPECT_EQ(match.mi_playState, PLAY_IN_PLAY);
    EXPECT_FALSE(Visible(MatchView().m_ui.continueButton));
    EXPECT_TRUE(Usable(MatchView().m_ui.ball));
    EXPECT_TRUE(Usable(MatchView().m_ui.over));
    EXPECT_TRUE(Usable(MatchView().m_ui.autoplay));
    EXPECT_TRUE(Usable(MatchView().m_ui.mainScreen)) << "the way home is back in Continue's place";
    EXPECT_EQ(m_game->m_screenId, SCREEN_MATCH_VIEW);
}

// At close of play Continue ends the user's day: the scorecard of his match
// and phase 8, or today's fixtures and phase 3 while another human coach's
// match is still in play.
TEST_F(MatchDayPlayTest, ContinueAtCloseOfPlayEndsTheUsersDay) {
    struct Case {
        const char* name;
        bool otherHumanPlays;
        int32_t phase;
        int32_t screen;
    };
    const Case cases[] = {
        {"his day is the last", false, DAY_PHASE_MATCH_ENDED, SCREEN_SCORECARD},
        {"another coach still plays", true, DAY_PHASE_HUMAN_PLAYS, SCREEN_TODAYS_FIXTURES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.otherHumanPlays) {
            Match& other = MakeUserMatch(test::COMP_FC, false);
            other.mb_team1Human = 1;
            other.mi_playState = PLAY_IN_PLAY;
        }
        Match& match = OpenOnMatch(test::COMP_FC, true);
        match.mi_playState = PLAY_CLOSE;
        match.mi_decision = DECISION_INFOBOX;
        AdvanceMatches();
        Tap(MatchView().m_ui.continueButton);
        EXPECT_EQ(g_cricket.m_dayPhase, c.phase);
        EXPECT_EQ(m_game->m_screenId, c.screen);
        EXPECT_TRUE(MatchView().mv_infoboxes.empty());
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchView();
        ResetMatchLists();
        test::BuildWorld();
    }
}

TEST_F(MatchDayPlayTest, AutoplayPlaysToCloseOfPlayAndLeavesOnlyContinue) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    Tap(MatchView().m_ui.autoplay);
    ASSERT_TRUE(Visible(MatchView().m_ui.autoplayNotice.window));
    Idle(2);
    ClickIn(MatchView().m_ui.autoplayNotice.window, MatchView().m_ui.autoplayNotice.yes);
    EXPECT_TRUE(match.mi_playState == PLAY_CLOSE || match.mi_playState == PLAY_MATCH_OVER);
    EXPECT_EQ(match.mb_team1Human, 1) << "the side is his again";
    EXPECT_FALSE(Visible(MatchView().m_ui.autoplayNotice.window));
    EXPECT_TRUE(MatchView().mv_infoboxes.empty()) << "nothing it passed is announced";
    const MatchViewUi& ui = MatchView().m_ui;
    EXPECT_TRUE(Usable(ui.continueButton));
    for (const CControl* c : {ui.ball, ui.over, ui.bowler, ui.declare, ui.mainScreen, ui.autoplay})
        EXPECT_FALSE(Usable(c)) << c->m_caption;
    StepUserMatch();
    EXPECT_TRUE(MatchView().mv_infoboxes.empty()) << "no milestone comes up afterwards";
}

TEST_F(MatchDayPlayTest, DeclaringLeavesContinueAndSaysSo) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    Tap(MatchView().m_ui.ball);
    AnswerEverything();
    ClearInfoboxes();
    ASSERT_TRUE(DeclareFromView(match));
    EXPECT_EQ(QueuedIds(), std::vector<int32_t>{INFOBOX_DECLARED});
    EXPECT_TRUE(Usable(MatchView().m_ui.continueButton));
    EXPECT_FALSE(Usable(MatchView().m_ui.ball));
    EXPECT_FALSE(Visible(MatchView().m_ui.mainScreen));
}

// The next batsman: after a wicket of his side the choice comes up, the
// chosen player takes the place of the man sent in, who goes back down.
TEST_F(MatchDayPlayTest, TheUserChoosesTheNextBatsman) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    Innings& innings = match.CurrentInnings();
    Tap(MatchView().m_ui.ball);
    AnswerEverything();
    ClearInfoboxes();
    match.Dismiss(OUTCOME_BOWLED);
    match.mi_decision = DECISION_INFOBOX;
    StepUserMatch();
    ASSERT_EQ(MatchView().mv_batsmanSelectPending, 1);
    CloseInfobox();
    ASSERT_TRUE(Visible(MatchView().m_ui.select.window));
    EXPECT_EQ(MatchView().m_kept.mv_selectMode, SELECT_NEXT_BATSMAN);
    EXPECT_TRUE(MatchView().m_ui.select.rows[0]->mb_disabled) << "he has batted";
    EXPECT_FALSE(MatchView().m_ui.select.rows[2]->mb_disabled) << "sent in but not yet faced";
    const int32_t chosen = innings.m_batsmen[7].mi_player;
    Idle(2);
    ClickIn(MatchView().m_ui.select.window, MatchView().m_ui.select.rows[7]);
    EXPECT_FALSE(Visible(MatchView().m_ui.select.window));
    EXPECT_EQ(innings.m_batsmen[2].mi_player, chosen);
    EXPECT_EQ(innings.m_batsmen[7].mi_howOut, HOWOUT_DID_NOT_BAT);
}

TEST_F(MatchDayPlayTest, AnIllegalBowlerLeavesTheChoiceOpen) {
    Match& match = OpenOnMatch(test::COMP_FC, false);
    Tap(MatchView().m_ui.over);
    AnswerEverything();
    ASSERT_EQ(match.CurrentInnings().mi_legalBalls, 6);
    const int32_t before = match.mi_bowler;
    const int last = before == match.mi_bowler1 ? match.mi_bowler2 : match.mi_bowler1;
    Tap(MatchView().m_ui.bowler);
    ASSERT_TRUE(Visible(MatchView().m_ui.select.window));
    Idle(2);
    ClickIn(MatchView().m_ui.select.window, MatchView().m_ui.select.rows[last]);
    EXPECT_TRUE(Visible(MatchView().m_ui.select.window));
    EXPECT_EQ(match.mi_bowler, before);
}

// A click on a ball icon of Recent Overs or Recent Balls plays that ball
// again; ball j of an over stands in column j, up to a tenth ball.
TEST_F(MatchDayPlayTest, AClickedBallOfThePanelPlaysAgain) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    g_highlightFilters = HighlightFilters{0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int ball = 0; ball < 3; ++ball) PlayBall(match);
    ASSERT_GE(match.mv_animScripts.size(), 3u);
    struct Case {
        const char* name;
        int32_t tab;
        int x, y;
        int entry;   // of the ball icons, where the script is entered
        int script;  // the script entered there
        bool replays;
    };
    const Case cases[] = {
        {"first ball of the newest over", TAB_RECENT_OVERS, 510, 530, 3, 1, true},
        {"eighth ball, fourth over", TAB_RECENT_OVERS, 790, 650, 34, 2, true},
        {"ninth ball, third over", TAB_RECENT_OVERS, 830, 590, 37, 0, true},
        {"tenth ball, newest over", TAB_RECENT_OVERS, 870, 530, 39, 2, true},
        {"tenth ball, second over: no entry", TAB_RECENT_OVERS, 870, 570, 39, 2, false},
        {"the right edge", TAB_RECENT_OVERS, 890, 530, 39, 2, false},
        {"below the fourth row", TAB_RECENT_OVERS, 510, 695, 3, 1, false},
        {"an icon without a ball", TAB_RECENT_OVERS, 510, 530, 3, -1, false},
        {"a script the match has not", TAB_RECENT_OVERS, 510, 530, 3, 99, false},
        {"third row of Recent Balls", TAB_RECENT_BALLS, 600, 600, 2, 1, true},
        {"left of Recent Balls", TAB_RECENT_BALLS, 203, 600, 2, 1, false},
        {"a page of charts", TAB_WORM, 600, 600, 2, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShowInfoTab(c.tab);
        for (int32_t& entry : MatchView().mv_ballScripts) entry = -1;
        MatchView().mv_ballScripts[c.entry] = c.script;
        for (BallAnimScript& script : match.mv_animScripts) script.mb_played = 0;
        g_system->m_mouseX = c.x;
        g_system->m_mouseY = c.y;
        g_system->mb_leftDown = 1;
        MatchView().Update();
        g_system->mb_leftDown = 0;
        EXPECT_EQ(HighlightsWindowShown(), c.replays);
        if (c.replays) {
            EXPECT_EQ(CurrentScript(), &match.mv_animScripts[c.script]);
            EXPECT_EQ(match.mv_animScripts[c.script].mb_played, 1);
            EndBallAnimation();
        }
    }
}

// The figures list drops over the first rows of the bowlers: a figures
// choice made there picks no bowler.
TEST_F(MatchDayPlayTest, AFiguresChoiceOverTheRowsPicksNoBowler) {
    Match& match = OpenOnMatch(test::COMP_FC, false);
    Tap(MatchView().m_ui.over);
    AnswerEverything();
    ASSERT_EQ(match.CurrentInnings().mi_legalBalls, 6);
    const int32_t before = match.mi_bowler;
    Tap(MatchView().m_ui.bowler);
    const auto& s = MatchView().m_ui.select;
    ASSERT_TRUE(Visible(s.window));
    Idle(2);
    ClickIn(s.window, s.figures);
    ASSERT_EQ(s.figures->m_comboState, COMBO_OPEN);
    Idle(2);
    constexpr int SEASON = 2;  // the third item, over the first bowler's row
    const int x = s.window->m_x + s.figures->m_x + 60;
    const int y = s.window->m_y + TITLE_HEIGHT + s.figures->m_y + s.figures->m_collapsedHeight +
                  ITEM_HEIGHT * SEASON + ITEM_HEIGHT / 2;
    ClickAt(x, y);
    Idle(2);
    EXPECT_EQ(MatchView().m_kept.mv_selectStatsView, FIGURES_SEASON);
    EXPECT_TRUE(Visible(s.window)) << "the choice is still to make";
    EXPECT_EQ(match.mi_bowler, before);
}

// His side leads by enough to ask: the question comes up and its answer
// starts the follow-on innings or his own second innings.
TEST_F(MatchDayPlayTest, TheFollowOnQuestionIsHisToAnswer) {
    struct Case {
        bool enforce;
        int32_t nextInnings;
    };
    for (const Case& c : {Case{true, 3}, Case{false, 2}}) {
        SCOPED_TRACE(c.enforce ? "enforced" : "not enforced");
        Match& match = OpenOnMatch(test::COMP_FC, true);
        Innings& first = match.m_innings[0];
        first.m_batsmen[0].mi_scored[4] = 100;  // 400 all out
        for (int i = 0; i < SQUAD_SIZE; ++i) first.m_batsmen[i].mi_howOut = i < 10 ? HOWOUT_BOWLED : 0;
        first.Recount();
        match.StartInnings(1, false);
        match.CurrentInnings().mi_legalBalls = 300;
        match.CloseInnings(INNINGS_ALL_OUT);
        ClearInfoboxes();
        match.mi_decision = DECISION_INFOBOX;
        StepUserMatch();
        const auto& q = MatchView().m_ui.followOn;
        ASSERT_TRUE(Visible(q.window));
        Idle(2);
        ClickIn(q.window, c.enforce ? q.yes : q.no);
        EXPECT_FALSE(Visible(q.window));
        EXPECT_EQ(match.mi_currentInnings, c.nextInnings);
        EXPECT_EQ(match.mb_followOnEnforced, c.enforce ? 1 : 0);
        m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchView();
        ResetMatchLists();
        test::BuildWorld();
    }
}

TEST_F(MatchDayPlayTest, AggressionStaysWithinItsRange) {
    struct Case {
        float start;
        float change;
        int presses;
        float result;
    };
    const Case cases[] = {
        {95.0f, 10.0f, 2, 100.0f},
        {5.0f, -10.0f, 1, 0.0f},
        {50.0f, 10.0f, 1, 60.0f},
        {50.0f, -10.0f, 3, 20.0f},
    };
    for (const Case& c : cases) {
        for (const bool sameForAll : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.start << " by " << c.change << " all " << sameForAll);
            MatchPlayer batsman;
            batsman.mf_aggression.fill(40.0f);
            batsman.mf_aggression[3] = c.start;
            for (int p = 0; p < c.presses; ++p) ChangeAggression(batsman, 3, c.change, sameForAll);
            EXPECT_FLOAT_EQ(batsman.mf_aggression[3], c.result);
            EXPECT_FLOAT_EQ(batsman.mf_aggression[4], sameForAll ? c.result : 40.0f);
        }
    }
}

// A ">" of the side panel moves the batsman's aggression against the bowler
// of that row, once per click.
TEST_F(MatchDayPlayTest, PanelButtonsSteerTheBatsmenAtTheCrease) {
    Match& match = OpenOnMatch(test::COMP_FC, true);
    Tap(MatchView().m_ui.ball);
    AnswerEverything();
    ASSERT_EQ(MatchView().m_kept.mv_panelMode, PANEL_BATTING);
    const int slot = match.CurrentInnings().mi_battingOrder[match.mi_batsman1];
    MatchPlayer& batsman = match.BattingSide().m_players[slot];
    float& value = batsman.mf_aggression[match.mi_bowler2];
    value = 50.0f;
    Tap(MatchView().m_ui.aggressionUp[1]);
    Idle(3);
    EXPECT_FLOAT_EQ(value, 60.0f);
    Tap(MatchView().m_ui.aggressionDown[1]);
    Tap(MatchView().m_ui.aggressionDown[1]);
    EXPECT_FLOAT_EQ(value, 40.0f);
}

}  // namespace
}  // namespace ravel
