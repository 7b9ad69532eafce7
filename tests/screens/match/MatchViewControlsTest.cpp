// The control groups as play goes on: who bats decides the side panel and
// the play buttons, the innings boxes follow the innings played, a ball's
// playback keeps the panels out of reach, and the selection window's modes.
#include <initializer_list>

#include "MatchViewFixture.h"

namespace ravel {
namespace {

// Gives an innings of the match a total in ones to its opener.
void SetTotal(Match& match, int innings, int runs) {
    BatsmanFigures& opener = match.m_innings[innings].m_batsmen[0];
    opener.mi_scored = {};
    opener.mi_scored[1] = runs;
    match.m_innings[innings].Recount();
}

class MatchViewControlsTest : public MatchViewTest {};

TEST_F(MatchViewControlsTest, SidePanelAndPlayButtonsFollowWhoBats) {
    for (const bool userBats : {true, false}) {
        SCOPED_TRACE(userBats ? "the user's side bats" : "the user's side bowls");
        ResetMatchLists();
        MakeUserMatch(test::COMP_FC, userBats);
        Open();
        const MatchViewUi& ui = MatchView().m_ui;
        EXPECT_EQ(MatchView().m_kept.mv_panelMode, userBats ? PANEL_BATTING : PANEL_BOWLING);
        EXPECT_STREQ(ui.ball->m_caption, userBats ? "Ball" : "Bowl");
        EXPECT_EQ(Usable(ui.bowler), !userBats) << "a bowler is chosen at the start of an over";
        EXPECT_EQ(Usable(ui.declare), userBats);
        for (const CHotSpot* h : ui.planNames) EXPECT_EQ(Visible(h), !userBats);
        for (const CTickBox* t : ui.sameForAllBowlers) EXPECT_EQ(Visible(t), userBats);
        m_game->ChangeScreen(SCREEN_COMPETITION);
    }
}

// The new ball is the fielding side's: offered to the user's bowlers, and
// gone from the screen once his side bats, as after autoplay passes the
// break between innings.
TEST_F(MatchViewControlsTest, TakeNewBallOnlyWhileHisSideBowls) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    match.mb_newBallOffered = 1;
    match.mb_newBallAvailable = 1;
    Open();
    EXPECT_TRUE(Usable(MatchView().m_ui.newBall));
    match.StartInnings(1);
    UpdateMatchControls(true);
    EXPECT_EQ(MatchView().m_kept.mv_panelMode, PANEL_BATTING);
    EXPECT_FALSE(Visible(MatchView().m_ui.newBall));
}

// In the middle of an over the user's bowlers cannot be changed; a match
// stopped for the break keeps its buttons unless the refresh is forced,
// and then Ball and Bowler stay off until play resumes.
TEST_F(MatchViewControlsTest, BowlerOnlyAtAnOverBoundaryAndNotWhileStopped) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    match.CurrentInnings().mi_legalBalls = 9;
    UpdateMatchControls(false);
    EXPECT_TRUE(Visible(ui.bowler));
    EXPECT_FALSE(Usable(ui.bowler));
    match.CurrentInnings().mi_legalBalls = 12;
    UpdateMatchControls(false);
    EXPECT_TRUE(Usable(ui.bowler));

    match.mi_playState = PLAY_INNINGS_BREAK;
    for (CButton* b : ui.aggressionUp) b->Disable();
    ui.ball->SetCaption("Ball");
    UpdateMatchControls(false);
    EXPECT_STREQ(ui.ball->m_caption, "Ball") << "a stopped match is left as it is";
    EXPECT_FALSE(Usable(ui.aggressionUp[0])) << "and its aggression buttons stay off";
    UpdateMatchControls(true);
    EXPECT_STREQ(ui.ball->m_caption, "Bowl");
    EXPECT_FALSE(Usable(ui.bowler));
    EXPECT_FALSE(Usable(ui.ball));
    match.mi_playState = PLAY_IN_PLAY;
    match.mb_newBallOffered = match.mb_newBallAvailable = 1;  // as the engine offers it to his side
    UpdateMatchControls(false);
    EXPECT_TRUE(Usable(ui.aggressionUp[0]));
    EXPECT_TRUE(Visible(ui.newBall)) << "the new ball on offer";
}

TEST_F(MatchViewControlsTest, InningsBoxesFollowTheInningsPlayed) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    struct Case {
        int current;
        bool started2, started3;
        bool usable[4];
    };
    const Case cases[] = {
        {0, false, false, {true, false, false, false}}, {1, false, false, {true, true, false, false}},
        {2, true, false, {true, true, true, false}},    {3, true, true, {true, true, true, true}},
        {3, false, true, {true, true, false, true}},  // the follow-on innings before the last
    };
    for (const Case& c : cases) {
        match.mi_currentInnings = c.current;
        match.m_innings[2].mb_started = c.started2;
        match.m_innings[3].mb_started = c.started3;
        UpdateMatchControls(false);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Usable(ui.innings[i]), c.usable[i]) << c.current << " box " << i;
    }
}

// One rule in both places: in the third innings played the side batting may
// declare only with a lead, and never in the last innings.
TEST_F(MatchViewControlsTest, DeclareInTheLaterInningsOnTheMainScreenAndInTheSelectionWindow) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    struct Case {
        const char* name;
        int current;
        bool followOn;
        int totals[4];
        bool may;
    };
    const Case cases[] = {
        {"second innings", 1, false, {400, 10, 0, 0}, true},
        {"third, ahead", 2, false, {200, 300, 101, 0}, true},
        {"third, behind", 2, false, {200, 300, 99, 0}, false},
        {"follow-on innings, ahead", 3, true, {400, 150, 0, 251}, true},
        {"follow-on innings, behind", 3, true, {400, 150, 0, 100}, false},
        {"last innings", 3, false, {200, 150, 300, 10}, false},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) SetTotal(match, i, c.totals[i]);
        match.mi_currentInnings = c.current;
        match.mi_followOnState = c.followOn ? INNINGS_FOLLOW_ON : 0;
        // The user's side bats each of them.
        match.m_innings[c.current].mi_battingTeam = test::HOME;
        match.m_innings[c.current].mi_bowlingTeam = test::AWAY;
        UpdateMatchControls(true);
        EXPECT_EQ(Usable(ui.declare), c.may) << c.name;
        OpenSelectBatsman();
        EXPECT_EQ(Visible(ui.select.declare), c.may) << c.name;
        ui.select.window->Close();
    }
}

TEST_F(MatchViewControlsTest, PanelsStayOutOfReachWhileABallPlaysBack) {
    MakeUserMatch(test::COMP_FC, true);
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    g_highlightsWindow->mb_visible = 1;
    UpdateMatchControls(true);
    for (const CControl* c : std::initializer_list<const CControl*>{
             ui.aggressionUp[0], ui.aggressionDown[3], ui.panelNames[1], ui.sameForAllBowlers[0],
             ui.innings[0], ui.infoTab, ui.panelScroll, ui.battingRows[5], ui.bowlingRows[4]}) {
        EXPECT_FALSE(Visible(c));
    }
    g_highlightsWindow->mb_visible = 0;
    ShowInfoPanelControls();
    ShowBatsmenPanelControls();
    EXPECT_TRUE(Usable(ui.innings[0]));
    EXPECT_TRUE(Visible(ui.innings[3])) << "a four-day match has four";
    EXPECT_TRUE(Usable(ui.aggressionUp[0]));
    EXPECT_TRUE(Visible(ui.sameForAllBowlers[1])) << "batting: the tick boxes";
    EXPECT_FALSE(Visible(ui.planNames[1]));
}

TEST_F(MatchViewControlsTest, SelectionWindowForTheNextBowlerOrBatsman) {
    Match& match = MakeUserMatch(test::COMP_FC, false);
    Open();
    const auto& s = MatchView().m_ui.select;
    g_highlightsWindow->mb_visible = 1;
    OpenSelectBowler();
    EXPECT_FALSE(Visible(g_highlightsWindow));
    EXPECT_STREQ(s.window->m_caption, "Select New Bowler");
    EXPECT_TRUE(Visible(s.window) && s.window->mb_expanded);
    EXPECT_EQ(MatchView().m_kept.mv_selectMode, SELECT_NEXT_BOWLER);
    EXPECT_FALSE(Visible(s.ok));
    EXPECT_FALSE(Visible(s.declare));
    EXPECT_TRUE(Visible(s.figures));
    const int keeper = match.FieldingSide().KeeperSlot(match.mi_currentInnings);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Usable(s.rows[i]), i != keeper) << i;
    s.window->Close();

    // The user's side bats: three down, the fourth batsman's turn.
    Innings& innings = match.CurrentInnings();
    for (int k = 0; k < 11; ++k) innings.m_batsmen[k].mi_howOut = k < 3 ? HOWOUT_BOWLED : HOWOUT_DID_NOT_BAT;
    innings.m_batsmen[3].mi_howOut = HOWOUT_BATTING;
    innings.Recount();
    OpenSelectBatsman();
    EXPECT_STREQ(s.window->m_caption, "Select Next Batsman");
    EXPECT_EQ(MatchView().m_kept.mv_selectMode, SELECT_NEXT_BATSMAN);
    EXPECT_FALSE(Visible(s.figures));
    for (int k = 0; k < 11; ++k) EXPECT_EQ(Usable(s.rows[k]), k >= 4) << k;
}

}  // namespace
}  // namespace ravel
