// A bowler's tactics and the player windows in the live match view, as the
// user reaches them: the bowler's window from the bowling card and its plan
// buttons, the plan editor from "Edit" and from the side panel's plan names,
// the field editor with its position menu, and a batsman's window.
#include "MatchViewFixture.h"
#include "match/TacticsWorld.h"
#include "screens/match/TacticsEditors.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/ScrollBar.h"

namespace ravel {
namespace {

class TacticsScreenTest : public MatchViewTest {
protected:
    // The user's side bowls with plans and fields in the world; one ball is
    // bowled so that bowlers and batsmen stand at both ends.
    Match& BowlingMatch() {
        test::AddTacticsTables();
        Match& match = MakeUserMatch(test::COMP_FC, false);
        PlayBall(match);
        // Both bowlers bowl pace, from the table of three plans.
        for (const int slot : {match.mi_bowler1, match.mi_bowler2}) {
            MatchPlayer& bowler = match.FieldingSide().m_players[slot];
            bowler.mb_spinner = 0;
            g_world.mv_players[bowler.mi_player].m_bowlType = BOWL_FAST;
        }
        Open();
        Idle(2);
        return match;
    }
    MatchPlayer& Bowler1(Match& match) { return match.FieldingSide().m_players[match.mi_bowler1]; }

    void TapIn(const CDialog* dialog, const CControl* child) {
        Idle(2);
        ClickIn(dialog, child);
    }
    // The position menu's item, clicked where it is drawn.
    void ChooseMenuItem(int index) {
        const CDialog* editor = MatchView().m_ui.fieldEditor.window;
        const CPopupMenu* menu = MatchView().m_ui.fieldEditor.positions;
        ASSERT_EQ(menu->m_menuState, MENU_OPEN);
        const int top = menu->mb_scrolling ? SCROLL_STRIP - ITEM_HEIGHT * menu->m_first : 0;
        ClickAt(editor->m_x + menu->m_x + 20,
                editor->m_y + TITLE_HEIGHT + menu->m_y + top + ITEM_HEIGHT * index + 10);
    }
    bool Drawn(const std::string& text) const {
        for (const DrawnText& t : m_system->HeadlessInput()->mv_texts)
            if (t.text == text) return true;
        return false;
    }
};

// From the bowling card: the bowler's window steps his plans with "<" and
// ">", scrolls a long plan, and "Edit" opens the editor, whose Done saves an
// edited copy for the bowler and comes back to the window.
TEST_F(TacticsScreenTest, BowlerWindowStepsAndEditsHisPlan) {
    Match& match = BowlingMatch();
    g_world.mv_pacePlans[0].mv_balls.resize(7, test::TacticsBall(0, LENGTH_YORKER, MOVE_SLOWER, 8));
    MatchPlayer& bowler = Bowler1(match);
    ASSERT_FALSE(bowler.mb_spinner);
    bowler.mi_bowlPlan.fill(1);
    MatchView().mv_bowlerRowSlots[0] = match.mi_bowler1;
    const auto& w = MatchView().m_ui.playerWindow;
    Tap(MatchView().m_ui.bowlingRows[0]);
    ASSERT_TRUE(Visible(w.window));
    EXPECT_EQ(MatchView().mv_statsRole, ROLE_BOWLER1);
    EXPECT_TRUE(Usable(w.edit[0]));
    Frame();
    EXPECT_FALSE(Usable(w.scroll[0])) << "three balls fit";
    Shot("bowler_window.png");

    TapIn(w.window, w.planDown[0]);
    EXPECT_EQ(bowler.mi_bowlPlan[match.mi_batsman1], 0);
    EXPECT_EQ(bowler.mi_bowlPlan[match.mi_batsman2], 1);
    Frame();
    ASSERT_TRUE(Usable(w.scroll[0])) << "seven balls scroll";
    EXPECT_EQ(w.scroll[0]->m_max, 3);
    w.scroll[0]->m_position = 3;
    Frame();
    EXPECT_TRUE(Drawn("Ball 7 of 7"));
    EXPECT_FALSE(Drawn("Ball 3 of 7"));
    Shot("bowler_window_scrolled.png");

    TapIn(w.window, w.planUp[1]);
    TapIn(w.window, w.planUp[1]);
    TapIn(w.window, w.planUp[1]);
    EXPECT_EQ(bowler.mi_bowlPlan[match.mi_batsman2], 2) << "stops at the last plan";

    const auto& e = MatchView().m_ui.planEditor;
    TapIn(w.window, w.edit[1]);
    ASSERT_TRUE(Visible(e.window));
    EXPECT_FALSE(Visible(w.window));
    EXPECT_STREQ(e.name->m_caption, "Empty");
    Frame();
    Shot("plan_editor_empty.png");
    TapIn(e.window, e.add);
    TapIn(e.window, e.fieldUp[PLAN_LENGTH]);
    TapIn(e.window, e.add);
    TapIn(e.window, e.fieldUp[PLAN_EFFORT]);
    TapIn(e.window, e.up);
    EXPECT_EQ(MatchView().mv_editor.BallCount(), 2);
    EXPECT_EQ(MatchView().mv_editor.mi_ball, 0);
    EXPECT_TRUE(Visible(e.ballRows[1]));
    EXPECT_FALSE(Visible(e.ballRows[2]));
    Frame();
    Shot("plan_editor.png");
    TapIn(e.window, e.done);
    EXPECT_FALSE(Visible(e.window));
    EXPECT_TRUE(Visible(w.window)) << "back to the window it came from";
    ASSERT_EQ(g_world.mv_pacePlans.size(), 4u);
    EXPECT_EQ(bowler.mi_bowlPlan[match.mi_batsman2], 3);
    const BowlPlan& saved = g_world.mv_pacePlans[3];
    ASSERT_EQ(saved.mv_balls.size(), 2u);
    EXPECT_EQ(saved.mv_balls[0].m_effort, 6);
    EXPECT_EQ(saved.mv_balls[1].m_length, LENGTH_SHORT_OFF);
    EXPECT_TRUE(g_world.mv_pacePlans[2].mv_balls.empty()) << "the database plan is kept";
    TapIn(w.window, w.ok);
    EXPECT_FALSE(Visible(w.window));
    EXPECT_TRUE(Visible(MatchView().m_ui.infoTab));
    Tap(MatchView().m_ui.bowlingRows[0]);
    Frame();
    EXPECT_TRUE(Drawn("Ball 1 of 7")) << "opened again on the first ball";
}

// From the side panel's plan name: the field editor moves fielders from the
// right-click menu, refuses a third fielder behind square, and saves a new
// field that the ball then uses; Done leaves the bowler on his new plan.
TEST_F(TacticsScreenTest, PlanNameOpensTheEditorAndTheFieldEditor) {
    Match& match = BowlingMatch();
    MatchPlayer& bowler = Bowler1(match);
    bowler.mi_bowlPlan.fill(1);
    ASSERT_TRUE(Visible(MatchView().m_ui.planNames[1]));
    Tap(MatchView().m_ui.planNames[1]);
    const auto& e = MatchView().m_ui.planEditor;
    ASSERT_TRUE(Visible(e.window));
    EXPECT_EQ(MatchView().mv_editorBatsman, 1);
    EXPECT_FALSE(MatchView().mv_editorFromStats);
    EXPECT_FALSE(Visible(MatchView().m_ui.infoTab));
    EXPECT_STREQ(e.name->m_caption, "Short stuff");

    const auto& f = MatchView().m_ui.fieldEditor;
    TapIn(e.window, e.fieldEditor);
    ASSERT_TRUE(Visible(f.window));
    EXPECT_FALSE(Visible(e.window));
    EXPECT_STREQ(f.name->m_caption, "Defensive");
    Frame();
    Shot("field_editor.png");
    // The first fielder to position 12: a third fielder behind square.
    const ScreenPoint first = FielderPoint(MatchView().mv_editor.m_field.m_positions[0]);
    Idle(2);
    RightClickAt(first.x + 3, first.y - 2);
    ASSERT_EQ(f.positions->m_menuState, MENU_OPEN);
    EXPECT_EQ(MatchView().mv_editor.mi_fielder, 0);
    Frame();
    Shot("field_editor_choosing.png");
    ChooseMenuItem(12);
    EXPECT_EQ(MatchView().mv_editor.m_field.m_positions[0], 12);
    EXPECT_EQ(f.positions->m_menuState, MENU_CLOSED);
    const size_t fields = g_world.mv_fieldSetups.size();
    TapIn(f.window, f.done);
    EXPECT_TRUE(Visible(f.window)) << "refused";
    EXPECT_EQ(g_world.mv_fieldSetups.size(), fields);

    // Onto position 9, where fielder 3 stands: he takes position 12.
    const ScreenPoint moved = FielderPoint(12);
    RightClickAt(moved.x, moved.y);
    ChooseMenuItem(9);
    EXPECT_EQ(MatchView().mv_editor.m_field.m_positions[0], 9);
    EXPECT_EQ(MatchView().mv_editor.m_field.m_positions[3], 12);
    EXPECT_EQ(MatchView().mv_editor.BoundaryFielders(), 3);
    RightClickAt(moved.x, moved.y);
    ChooseMenuItem(5);
    EXPECT_EQ(MatchView().mv_editor.BoundaryFielders(), 2);
    f.name->SetCaption("Two back");
    TapIn(f.window, f.done);
    EXPECT_FALSE(Visible(f.window));
    ASSERT_TRUE(Visible(e.window));
    ASSERT_EQ(g_world.mv_fieldSetups.size(), fields + 1);
    EXPECT_STREQ(g_world.mv_fieldSetups.back().m_name, "Two back");
    EXPECT_EQ(MatchView().mv_editor.m_working.m_field, static_cast<int32_t>(fields));

    e.name->SetCaption("Short and wide");
    TapIn(e.window, e.done);
    EXPECT_FALSE(Visible(e.window));
    EXPECT_TRUE(Visible(MatchView().m_ui.infoTab)) << "the match's controls are back";
    EXPECT_TRUE(Visible(MatchView().m_ui.planNames[0]));
    const int32_t plan = bowler.mi_bowlPlan[match.mi_batsman2];
    ASSERT_EQ(plan, 3);
    EXPECT_STREQ(g_world.mv_pacePlans[plan].m_name, "Short and wide");
    EXPECT_EQ(g_world.mv_pacePlans[plan].mv_balls[0].m_field, static_cast<int32_t>(fields));
    EXPECT_EQ(bowler.mi_bowlPlan[match.mi_batsman1], 1);
}

// Create New and then Cancel: the new plan stays in the table, the bowler
// keeps his, and the editor's controls come back as they were.
TEST_F(TacticsScreenTest, CancelAfterCreateNewWritesNothingForTheBowler) {
    Match& match = BowlingMatch();
    Bowler1(match).mi_bowlPlan.fill(0);
    Tap(MatchView().m_ui.planNames[0]);
    const auto& e = MatchView().m_ui.planEditor;
    TapIn(e.window, e.createNew);
    EXPECT_STREQ(e.name->m_caption, "New Plan");
    EXPECT_EQ(g_world.mv_pacePlans.size(), 4u);
    TapIn(e.window, e.cancel);
    EXPECT_FALSE(Visible(e.window));
    EXPECT_EQ(Bowler1(match).mi_bowlPlan[match.mi_batsman1], 0);
    EXPECT_TRUE(Visible(MatchView().m_ui.infoTab));
}

// A batsman who does not bat in his slot's order: the window is his, found
// by his batting position, through every analysis and statistics view.
TEST_F(TacticsScreenTest, BatsmanWindowIsTheBatsmanAtThatPosition) {
    test::AddTacticsTables();
    Match& match = MakeUserMatch(test::COMP_FC, true);
    PlayBall(match);
    Innings& innings = match.CurrentInnings();
    innings.SwapBatsmen(match.mi_batsman1, 5);
    BatsmanFigures& figures = innings.m_batsmen[match.mi_batsman1];
    figures.mi_scored = {3, 2, 1, 0, 4, 0, 1};
    const MatchTeam& side = match.BattingSide();
    const Player* player = PlayerById(side.m_players[innings.mi_battingOrder[match.mi_batsman1]].mi_player);
    ASSERT_TRUE(player);
    ASSERT_NE(figures.mi_player, side.m_players[match.mi_batsman1].mi_player) << "not in his slot's order";
    Open();
    const auto& w = MatchView().m_ui.playerWindow;
    Tap(MatchView().m_ui.battingRows[match.mi_batsman1]);
    ASSERT_TRUE(Visible(w.window));
    EXPECT_EQ(MatchView().mv_statsPlayer, match.mi_batsman1);
    EXPECT_EQ(MatchView().mv_statsRole, ROLE_BATSMAN1);
    EXPECT_FALSE(Visible(w.edit[0]));
    Frame();
    EXPECT_EQ(TextAt(611, 110), std::string(player->m_initials) + " " + player->m_surname);
    EXPECT_EQ(TextAt(211, 155), "Runs: 26");
    EXPECT_EQ(TextAt(609, 155), "Strike rate: 236.36");
    Shot("batsman_window_spider.png");
    const char* charts[] = {"", "spider", "area", "breakdown", "chart"};
    for (int kind = 2; kind <= 4; ++kind) {
        MatchView().m_kept.mv_chartKind = kind;
        MatchView().m_kept.mv_bowlerStatsView = kind - 1;
        MatchView().m_kept.mv_statsView = 8000 + kind * 2;
        Frame();
        Shot(std::string("batsman_window_") + charts[kind] + ".png");
    }
    EXPECT_EQ(TextAt(870, 455 - 2 * 4 * 4), "16") << "four fours, a 16-run bar";
    MatchView().m_kept.mv_chartKind = 3;
    Frame();
    EXPECT_EQ(TextAt(690, 330), "4's: 4 (36.36%)");
    TapIn(w.window, w.ok);
    EXPECT_FALSE(Visible(w.window));
}

}  // namespace
}  // namespace ravel
