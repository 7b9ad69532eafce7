// The live match view's controls and dialogs as Enter makes them, the order
// of its control list, what a visit keeps, and Leave giving everything back.
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "MatchViewFixture.h"
#include "shell/gui/EditBox.h"
#include "shell/gui/PopupMenu.h"
#include "shell/gui/SideBar.h"

namespace ravel {
namespace {

using Controls = std::initializer_list<const CControl*>;

struct Expected {
    const CControl* control;
    const char* caption;
    const char* tooltip;
    int x, y, width, height;
    bool visible, enabled;
};

void ExpectControls(const std::vector<Expected>& table) {
    for (const Expected& e : table) {
        ASSERT_NE(e.control, nullptr) << e.caption;
        const std::string name =
            std::string(e.caption) + " at " + std::to_string(e.x) + "," + std::to_string(e.y);
        EXPECT_STREQ(e.control->m_caption, e.caption) << name;
        EXPECT_STREQ(e.control->m_tooltip, e.tooltip) << name;
        EXPECT_EQ(e.control->m_x, e.x) << name;
        EXPECT_EQ(e.control->m_y, e.y) << name;
        EXPECT_EQ(e.control->m_width, e.width) << name;
        EXPECT_EQ(e.control->m_height, e.height) << name;
        EXPECT_EQ(e.control->mb_visible != 0, e.visible) << name;
        EXPECT_EQ(e.control->mb_disabled == 0, e.enabled) << name;
    }
}

std::vector<std::string> Items(const CComboBox* combo) {
    std::vector<std::string> items;
    for (const ListItem& item : combo->mv_items)
        items.push_back(std::string(item.m_text) + "=" + std::to_string(item.m_value));
    return items;
}

class MatchViewScreenTest : public MatchViewTest {};

// Without a match of the user's the screen still builds every control in its
// first state (nothing of a match settles them).
TEST_F(MatchViewScreenTest, ScreenControlsInTheirFirstState) {
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    std::vector<Expected> table = {
        {ui.ball, "Ball", "Bowl the next ball", 15, 630, 70, 30, true, true},
        {ui.over, "Over", "Complete this over", 90, 630, 70, 30, true, true},
        {ui.declare, "Declare", "End this innings prematurely", 15, 550, 150, 30, true, true},
        {ui.newBall, "Take new ball", "Accept the offer of a brand new ball", 15, 550, 150, 30, false, true},
        {ui.bowler, "Bowler", "Change the bowler", 15, 590, 150, 30, true, false},
        {ui.mainScreen, "Main Screen", "Return to the main screen", 895, 720, 110, 30, true, true},
        {ui.continueButton, "Continue", "Move on to the next stage of the game", 895, 720, 110, 30, false,
         true},
        {ui.autoplay, "Autoplay", "Fast forward without watching game", 10, 720, 118, 30, true, true},
        {ui.options, "Options", "", 138, 720, 120, 30, true, true},
        {ui.innings[0], "1", "View innings 1", 275, 103, 82, 25, true, true},
        {ui.innings[1], "2", "View innings 2", 519, 103, 82, 25, true, true},
        {ui.innings[2], "3", "View innings 3", 359, 103, 82, 25, true, true},
        {ui.innings[3], "4", "View innings 4", 603, 103, 82, 25, true, true},
        {ui.infoTab, "Recent Overs", "", 400, 460, 250, 30, true, true},
        {ui.panelScroll, "", "", 985, 460, 17, 225, true, true},
        {ui.sameForAllBowlers[0], "", "", 150, 273, 20, 20, true, true},
        {ui.sameForAllBowlers[1], "", "", 150, 477, 20, 20, true, true},
        {ui.panelNames[0], "", "", 5, 127, 175, 22, true, true},
        {ui.panelNames[1], "", "", 5, 331, 175, 22, true, true},
    };
    const int rowY[] = {208, 248, 412, 452};
    for (int r = 0; r < 4; ++r) {
        table.push_back({ui.aggressionDown[r], "<", "Decrease aggression", 10, rowY[r], 30, 20, true, true});
        table.push_back({ui.aggressionUp[r], ">", "Increase aggression", 150, rowY[r], 30, 20, true, true});
        table.push_back({ui.planNames[r], "", "", 45, rowY[r], 100, 20, false, true});
    }
    for (int i = 0; i < 11; ++i)
        table.push_back({ui.battingRows[i], "", "", 205, 195 + 20 * i, 478, 19, true, true});
    const int bowlingY[] = {150, 175, 215, 240, 265};
    for (int i = 0; i < 5; ++i)
        table.push_back({ui.bowlingRows[i], "", "", 689, bowlingY[i], 327, 24, true, true});
    ExpectControls(table);

    EXPECT_FALSE(ui.sameForAllBowlers[0]->mb_ticked);
    EXPECT_TRUE(ui.sameForAllBowlers[1]->mb_ticked);
    EXPECT_FALSE(ui.panelScroll->mb_horizontal);
    EXPECT_EQ(Items(ui.infoTab), (std::vector<std::string>{
                                     "Recent Overs=1", "Recent Balls=2", "Pitch Analysis=3", "Partnership=4",
                                     "Manhatten=31", "Worm=32", "Culmative=33", "Other Scores=5"}));
    EXPECT_FALSE(Visible(CSideBar::s_btnContinue)) << "the side bar's buttons hide";
    EXPECT_EQ(g_game->mb_screenFrame, 0);
}

TEST_F(MatchViewScreenTest, DialogsAndTheirChildren) {
    g_world.mv_fieldPositions.resize(3);
    std::strcpy(g_world.mv_fieldPositions[2].m_name, "Gully");
    Open();
    const MatchViewUi& ui = MatchView().m_ui;
    const auto& o = ui.highlightOptions;
    const auto& s = ui.select;
    const auto& f = ui.fieldEditor;
    const auto& w = ui.playerWindow;
    const auto& e = ui.planEditor;
    std::vector<Expected> table = {
        {o.window, "Highlights Options", "", 372, 180, 280, 470, false, true},
        {o.done, "Done", "Return to match", 90, 390, 100, 30, true, true},
        {o.selectAll, "Select All", "View all highlights", 10, 355, 120, 30, true, true},
        {o.selectNone, "Select None", "View no highlights", 145, 355, 120, 30, true, true},
        {o.speed, "Real Time", "", 10, 305, 200, 25, true, true},
        {ui.autoplayNotice.window, "Autoplay", "", 372, 180, 280, 395, false, true},
        {ui.autoplayNotice.yes, "Yes", "Do autoplay", 30, 290, 100, 30, true, true},
        {ui.autoplayNotice.no, "No", "Return to match without autoplay", 140, 290, 100, 30, true, true},
        {ui.followOn.window, "Enforce the follow on?", "", 300, 480, 540, 160, false, true},
        {ui.followOn.yes, "Yes", "Enforce the batting team to bat again immediately", 120, 90, 100, 30, true,
         true},
        {ui.followOn.no, "No", "Do not force them to bat again immediately", 320, 90, 100, 30, true, true},
        {ui.infobox.window, "Ravelstone", "", 300, 480, 540, 160, false, true},
        {ui.infobox.ok, "OK", "", 10, 95, 80, 30, true, true},
        {s.window, "Select Bowler", "", 233, 153, 756, 442, false, true},
        {s.ok, "OK", "", 273, 370, 100, 30, true, true},
        {s.figures, "Bowl Skills", "", 450, 10, 200, 30, true, true},
        {s.declare, "Declare", "Declare the innings", 350, 370, 100, 30, true, true},
        {f.window, "Field", "", 0, 0, 1024, 768, false, true},
        {f.done, "Done", "Select this field", 833, 133, 100, 30, true, true},
        {f.create, "New", "Create a new field based upon the current one", 253, 133, 100, 30, true, true},
        {f.name, "", "", 253, 603, 180, 30, true, true},
        {w.window, "Tactics", "", 203, 103, 816, 683, false, true},
        {w.ok, "OK", "Return to match", 745, 530, 65, 30, true, true},
        {w.scroll[0], "", "", 7, 304, 700, 30, true, true},
        {w.scroll[1], "", "", 7, 544, 700, 30, true, true},
        {w.planDown[0], "<", "", 400, 90, 30, 20, true, true},
        {w.planUp[0], ">", "", 700, 90, 30, 20, true, true},
        {w.planDown[1], "<", "", 400, 331, 30, 20, true, true},
        {w.planUp[1], ">", "", 700, 331, 30, 20, true, true},
        {w.edit[0], "Edit", "", 300, 90, 60, 20, true, true},
        {w.edit[1], "Edit", "", 300, 331, 60, 20, true, true},
        {w.battingStats, "First Class - Career", "Choose stats to view", 236, 413, 220, 30, true, true},
        {w.chart, "Spider", "Choose innings analysis to view", 636, 61, 160, 30, true, true},
        {w.bowlerStats, "Confidence / Aggression", "Choose bowler stats to view", 156, 61, 220, 30, true,
         true},
        {e.window, "Bowl Plan Editor", "", 203, 103, 816, 683, false, true},
        {e.done, "Done", "Confirm changes", 700, 520, 100, 30, true, true},
        {e.cancel, "Cancel", "Cancel all changes", 580, 520, 100, 30, true, true},
        {e.createNew, "Create New", "Create a new bowl plan", 460, 520, 100, 30, true, true},
        {e.up, "Up", "Move the selected ball up in the plan", 10, 460, 100, 20, true, true},
        {e.down, "Down", "Move the selected ball down in the plan", 120, 460, 100, 20, true, true},
        {e.add, "Add", "Add a new ball to the plan", 10, 420, 100, 20, true, true},
        {e.remove, "Remove", "Remove the selected ball from the plan", 120, 420, 100, 20, true, true},
        {e.name, "", "", 10, 50, 200, 30, true, true},
        {e.fieldEditor, "Field Editor", "", 700, 270, 100, 20, true, true},
        {e.ballScroll, "", "", 260, 177, 17, 200, false, true},
        {g_highlightsWindow, "Highlights", "", 203, 103, 816, 592, false, true},
    };
    const int filterY[] = {10, 40, 70, 100, 130, 160, 190, 220, 250};
    for (int k = 0; k < 9; ++k) table.push_back({o.filters[k], "", "", 10, filterY[k], 100, 30, true, true});
    for (int i = 0; i < 11; ++i) table.push_back({s.rows[i], "", "", 5, 65 + 25 * i, 746, 24, true, true});
    const int fieldY[] = {50, 100, 150, 300, 350};
    for (int k = 0; k < 5; ++k) {
        table.push_back({e.fieldDown[k], "<", "", 700, fieldY[k], 50, 20, true, true});
        table.push_back({e.fieldUp[k], ">", "", 755, fieldY[k], 50, 20, true, true});
    }
    for (int k = 0; k < 10; ++k)
        table.push_back({e.ballRows[k], "", "", 10, 175 + 20 * k, 150, 19, true, true});
    ExpectControls(table);

    // Windows without a title bar, and where their draw callbacks come from.
    for (const CDialog* d : {f.window, w.window, e.window, g_highlightsWindow}) EXPECT_FALSE(d->mb_titleBar);
    EXPECT_EQ(o.window->mp_drawCallback, &HighlightOptionsDialog);
    EXPECT_EQ(ui.infobox.window->mp_drawCallback, &DrawInfobox);
    EXPECT_EQ(g_highlightsWindow->mp_drawCallback, &DrawHighlightsWindow);
    EXPECT_EQ(f.name->m_maxLength, 25);
    ASSERT_EQ(f.positions->ItemCount(), 3);
    EXPECT_STREQ(f.positions->mv_items[2].m_text, "Gully");
    EXPECT_EQ(f.positions->mv_items[2].m_value, 2);
    EXPECT_EQ(Items(o.speed),
              (std::vector<std::string>{"Real Time=1", "Fast=2", "Very Fast=3", "Super Fast=4"}));
    EXPECT_EQ(Items(s.figures), (std::vector<std::string>{"Bowl Skills=1", "Innings Figures=2",
                                                          "Season Figures=3", "Career Figures=4"}));
    EXPECT_EQ(
        Items(w.battingStats),
        (std::vector<std::string>{"First Class - Career=8001", "First Class - Season=8005",
                                  "List A - Career=8002", "List A - Season=8006", "Test Match - Career=8003",
                                  "Test Match - Season=8007", "ODI - Career=8004", "ODI - Season=8008"}));
    EXPECT_EQ(Items(w.chart), (std::vector<std::string>{"Spider=1", "Area=2", "Breakdown=3", "Chart=4"}));
    EXPECT_EQ(Items(w.bowlerStats), (std::vector<std::string>{"Confidence / Aggression=1", "vs Batsman=2",
                                                              "Innings Totals=3", "Health / Form=4"}));
    // The ">>" stands inside the window, beside the ground.
    const CButton* next = g_highlightsNext;
    ASSERT_NE(next, nullptr);
    EXPECT_STREQ(next->m_caption, ">>");
    EXPECT_EQ(g_highlightsWindow->m_x + next->m_x, 863);
    EXPECT_EQ(g_highlightsWindow->m_y + TITLE_HEIGHT + next->m_y, 360);
    EXPECT_LE(next->m_x + next->m_width, g_highlightsWindow->m_width);
}

// The drawing order, and which control gets the mouse first; Declare only
// where innings can be declared, and the innings boxes of a one-day match
// one a side.
TEST_F(MatchViewScreenTest, ListOrderForAFourDayAndAOneDayMatch) {
    for (const int competition : {test::COMP_FC, test::COMP_ONE_DAY}) {
        SCOPED_TRACE(competition);
        ResetMatchLists();
        MakeUserMatch(competition, true);
        Open();
        const MatchViewUi& ui = MatchView().m_ui;
        const bool fourDay = competition == test::COMP_FC;
        std::vector<const CControl*> order = {g_highlightsWindow, ui.highlightOptions.window,
                                              ui.followOn.window, ui.autoplayNotice.window,
                                              ui.infobox.window,  ui.select.window};
        for (int i = 0; i < 11; ++i) {
            order.push_back(ui.battingRows[i]);
            if (i < 5) order.push_back(ui.bowlingRows[i]);
        }
        for (const CControl* c :
             Controls{ui.fieldEditor.window, ui.playerWindow.window, ui.planEditor.window, ui.infoTab,
                      ui.panelNames[0], ui.panelNames[1], ui.panelScroll, ui.bowlingScroll}) {
            order.push_back(c);
        }
        for (int r = 0; r < 4; ++r) {
            order.push_back(ui.aggressionUp[r]);
            order.push_back(ui.aggressionDown[r]);
        }
        order.insert(order.end(), {ui.sameForAllBowlers[0], ui.sameForAllBowlers[1], ui.planNames[0],
                                   ui.planNames[1], ui.planNames[2], ui.planNames[3], ui.ball, ui.over});
        if (fourDay) order.push_back(ui.declare);
        order.insert(order.end(), {ui.newBall, ui.mainScreen, ui.innings[0], ui.innings[1], ui.bowler,
                                   ui.innings[2], ui.innings[3], ui.continueButton, ui.autoplay, ui.options});
        EXPECT_EQ(std::vector<const CControl*>(Listed().begin(), Listed().end()), order);

        EXPECT_EQ(ui.innings[0]->m_width, fourDay ? 82 : 166);
        EXPECT_EQ(ui.innings[1]->m_width, fourDay ? 82 : 166);
        EXPECT_EQ(Visible(ui.innings[2]), fourDay);
        EXPECT_EQ(Visible(ui.innings[3]), fourDay);
        m_game->ChangeScreen(SCREEN_COMPETITION);
    }
}

// Enter and Leave again and again: every control, window and picture is
// made once per visit and given back (the sanitizers hold the leaks).
TEST_F(MatchViewScreenTest, EnterAndLeaveRepeatedLeaveNothingBehind) {
    MakeUserMatch(test::COMP_FC, true);
    size_t listed = 0;
    for (int visit = 0; visit < 3; ++visit) {
        Open();
        if (visit == 0) listed = Listed().size();
        EXPECT_EQ(Listed().size(), listed) << "nothing left over from the last visit";
        for (const std::unique_ptr<CSprite>* picture :
             {&MatchView().mv_scoreboard, &MatchView().mv_pitchSmall, &MatchView().mv_pitch,
              &MatchView().mv_pitchless, &MatchView().mv_bottomBar}) {
            ASSERT_TRUE(*picture);
            EXPECT_TRUE((*picture)->Loaded());
        }
        // A renderer reset in the middle of a visit.
        MatchView().UnloadTextures();
        EXPECT_FALSE(MatchView().mv_pitchless);
        MatchView().LoadTextures();
        EXPECT_TRUE(MatchView().mv_pitchless && MatchView().mv_pitchless->Loaded());
        m_game->ChangeScreen(SCREEN_COMPETITION);
        EXPECT_EQ(g_system->mp_controlList, m_game->FindScreen(SCREEN_COMPETITION)->mp_controls)
            << "only the new page's controls are listed";
        const ScreenRecord* view = m_game->FindScreen(SCREEN_MATCH_VIEW);
        EXPECT_TRUE(view->mp_controls->mv_controls.empty());
        EXPECT_EQ(MatchView().m_ui.ball, nullptr);
        EXPECT_EQ(MatchView().m_ui.infobox.window, nullptr);
        EXPECT_EQ(g_highlightsWindow, nullptr);
        EXPECT_EQ(g_highlightsNext, nullptr);
        for (const std::unique_ptr<CSprite>* picture :
             {&MatchView().mv_scoreboard, &MatchView().mv_pitchSmall, &MatchView().mv_pitch,
              &MatchView().mv_pitchless, &MatchView().mv_bottomBar}) {
            EXPECT_FALSE(*picture);
        }
        EXPECT_TRUE(Visible(CSideBar::s_btnContinue)) << "the side bar's buttons come back";
    }
}

// The info page, the speed and the player window's choices are kept from one
// visit to the next, and the drop-downs name them; a finished match's page
// of none becomes Recent Overs.
TEST_F(MatchViewScreenTest, KeptChoicesAreNamedOnTheNextVisit) {
    struct Case {
        int32_t tab;
        const char* caption;
        bool scrolls;
    };
    const Case cases[] = {
        {TAB_NONE, "Recent Overs", true},
        {TAB_WORM, "Worm", false},
        {TAB_OTHER_SCORES, "Other Scores", true},
        {TAB_PITCH_ANALYSIS, "Pitch Analysis", false},
    };
    for (const Case& c : cases) {
        MatchView().m_kept.mv_infoTab = c.tab;
        Open();
        EXPECT_EQ(MatchView().m_kept.mv_infoTab, c.tab == TAB_NONE ? TAB_RECENT_OVERS : c.tab);
        EXPECT_STREQ(MatchView().m_ui.infoTab->m_caption, c.caption);
        EXPECT_EQ(Visible(MatchView().m_ui.panelScroll), c.scrolls) << c.caption;
        m_game->ChangeScreen(SCREEN_COMPETITION);
    }
    MatchView().m_kept.mv_highlightSpeed = 3;
    MatchView().m_kept.mv_statsView = 8007;
    MatchView().m_kept.mv_bowlerStatsView = 4;
    MatchView().m_kept.mv_selectStatsView = FIGURES_SEASON;
    Open();
    EXPECT_STREQ(MatchView().m_ui.highlightOptions.speed->m_caption, "Very Fast");
    EXPECT_EQ(MatchView().m_ui.highlightOptions.speed->GetSelectedValue(), 3);
    EXPECT_STREQ(MatchView().m_ui.playerWindow.battingStats->m_caption, "Test Match - Season");
    EXPECT_STREQ(MatchView().m_ui.playerWindow.bowlerStats->m_caption, "Health / Form");
    EXPECT_STREQ(MatchView().m_ui.select.figures->m_caption, "Season Figures");
    // Done without touching the speed keeps it.
    OpenHighlightsOptions();
    ApplyHighlightsOptions();
    EXPECT_EQ(MatchView().m_kept.mv_highlightSpeed, 3);
}

// Bowl plans move within the bowler's own table and never point into an
// empty one; a position outside the side changes nothing.
TEST_F(MatchViewScreenTest, BowlPlansStayInsideTheirTable) {
    g_world.mv_pacePlans.resize(3);
    g_world.mv_spinPlans.clear();
    struct Case {
        const char* name;
        bool spinner;
        int32_t start;
        bool up;
        int32_t end;
    };
    const Case cases[] = {
        {"pace up", false, 0, true, 1},           {"pace up at the last", false, 2, true, 2},
        {"pace down", false, 2, false, 1},        {"pace down at the first", false, 0, false, 0},
        {"spin up, no plans", true, 0, true, -1}, {"spin down, no plans", true, -1, false, -1},
    };
    for (const Case& c : cases) {
        MatchPlayer bowler;
        bowler.mb_spinner = c.spinner;
        bowler.mi_bowlPlan.fill(c.start);
        if (c.up)
            IncreaseBowlPlan(bowler, 4);
        else
            DecreaseBowlPlan(bowler, 4);
        EXPECT_EQ(bowler.mi_bowlPlan[4], c.end) << c.name;
        EXPECT_EQ(bowler.mi_bowlPlan[3], c.start) << c.name << ": only that batsman's plan";
    }
    MatchPlayer bowler;
    bowler.mi_bowlPlan.fill(1);
    IncreaseBowlPlan(bowler, 11);
    DecreaseBowlPlan(bowler, -1);
    for (int32_t plan : bowler.mi_bowlPlan) EXPECT_EQ(plan, 1);

    MatchPlayer batsman;
    for (int i = 0; i < SQUAD_SIZE; ++i) batsman.mf_aggression[i] = 10.0f * i;
    ApplyAggressionToAllBowlers(batsman, 7);
    for (float a : batsman.mf_aggression) EXPECT_EQ(a, 70.0f);
}

// Main Screen: in a career the user's own page with fresh histories; a
// custom tour or league ends the program. The match stays for later.
TEST_F(MatchViewScreenTest, MainScreenLeadsHomeOrEndsACustomGame) {
    struct Case {
        int32_t mode;
        int32_t side;
        int32_t screen;  // 0: the program ends
    };
    const Case cases[] = {
        {MODE_CAREER, test::HOME, SCREEN_TEAM},
        {MODE_CAREER, 7, SCREEN_COUNTRY},
        {MODE_CUSTOM_TOUR, test::HOME, 0},
        {MODE_CUSTOM_LEAGUE, 7, 0},
    };
    MakeUserMatch(test::COMP_FC, true);
    for (const Case& c : cases) {
        g_cricket.m_gameMode = c.mode;
        m_game->m_running = true;
        m_game->ChangeScreen(SCREEN_NEWS);
        Open();
        g_cricket.m_team = c.side;
        Tap(MatchView().m_ui.mainScreen);
        if (c.screen == 0) {
            EXPECT_FALSE(m_game->m_running) << c.mode;
            m_game->m_running = true;
            continue;
        }
        EXPECT_EQ(m_game->m_screenId, c.screen) << c.side;
        EXPECT_EQ(m_game->mv_backHistory, std::vector<int32_t>{SCREEN_MATCH_VIEW})
            << "the news page forgotten";
        EXPECT_EQ(SubjectOf(c.screen).m_id, c.side);
        EXPECT_EQ(g_currentMatches.size(), 1u);
    }
}

// A renderer reset while the screen is up reloads its pictures through the
// screen's texture callbacks.
TEST_F(MatchViewScreenTest, PicturesComeBackAfterARendererReset) {
    Open();
    const CSprite* before = MatchView().mv_pitch.get();
    m_system->HeadlessInput()->LoseDevice();
    Idle(3);
    ASSERT_TRUE(MatchView().mv_pitch);
    EXPECT_TRUE(MatchView().mv_pitch->Loaded());
    EXPECT_NE(MatchView().mv_pitch.get(), before) << "made again";
}

TEST_F(MatchViewScreenTest, PlayerWindowShowsTheControlsOfItsMode) {
    Open();
    const auto& w = MatchView().m_ui.playerWindow;
    MatchView().m_kept.mv_chartKind = 3;
    for (const int32_t mode : {PANEL_BOWLING, PANEL_BATTING}) {
        ShowPlayerStatsWindow(mode);
        const bool batting = mode == PANEL_BATTING;
        EXPECT_TRUE(Visible(w.window));
        EXPECT_TRUE(w.window->mb_expanded) << "modal";
        for (const CControl* c : Controls{w.battingStats, w.chart, w.bowlerStats})
            EXPECT_EQ(Visible(c), batting) << mode;
        for (int k = 0; k < 2; ++k) {
            for (const CControl* c : Controls{w.scroll[k], w.planDown[k], w.planUp[k], w.edit[k]})
                EXPECT_EQ(Visible(c), !batting) << mode;
        }
        EXPECT_EQ(MatchView().m_kept.mv_chartKind, batting ? 1 : 3);
    }
    EXPECT_STREQ(w.chart->m_caption, "Spider");
}

}  // namespace
}  // namespace ravel
