// The game's screens over the built pictures, with the small world of the
// match engine's tests: the user coaches the home club, and a fixture of
// today between the two clubs becomes his match, tossed and ready to play.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "match/StepTestWorld.h"
#include "screens/match/GroundView.h"
#include "screens/match/Highlights.h"
#include "screens/match/MatchViewControls.h"
#include "screens/match/MatchViewScreen.h"
#include "screens/menus/LaunchFixture.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/Dialog.h"
#include "shell/gui/ScrollBar.h"
#include "shell/platform/Keys.h"

namespace ravel {

using MV = CMatchViewScreen;

class MatchViewTest : public LaunchTest {
protected:
    void SetUp() override {
        LaunchTest::SetUp();
        test::BuildWorld();
        g_userMatch = -1;
        ResetMatchView();
    }
    void TearDown() override {
        if (m_game->m_screenId == SCREEN_MATCH_VIEW) m_game->ChangeScreen(SCREEN_COMPETITION);
        ResetMatchView();
        ResetMatchLists();
        LaunchTest::TearDown();
    }

    // What the screen keeps between visits starts as at the start of a run.
    static void ResetMatchView() {
        MatchView().m_kept.mv_infoTab = TAB_RECENT_OVERS;
        MatchView().m_kept.mv_highlightSpeed = SPEED_REAL_TIME;
        MatchView().m_kept.mv_panelMode = PANEL_BATTING;
        MatchView().m_kept.mv_statsView = 8001;
        MatchView().m_kept.mv_chartKind = 1;
        MatchView().m_kept.mv_bowlerStatsView = 1;
        MatchView().m_kept.mv_selectStatsView = FIGURES_BOWL_SKILL;
        MatchView().mv_bowlerSelectPending = 0;
        MatchView().mv_batsmanSelectPending = 0;
        // The run's opening step has been taken: a visit plays nothing by itself.
        MatchView().m_kept.mv_firstStepDone = 1;
        MatchView().m_kept.mv_startingBowlersShown = 1;
        MatchView().m_kept.mv_matchCompletedShown = 0;
        for (int32_t& slot : MatchView().mv_ballScripts) slot = -1;
        for (int32_t& slot : MatchView().mv_bowlerRowSlots) slot = -1;
        ClearInfoboxes();
        g_highlightFilters = HighlightFilters{};
        g_captionLine = 0;
    }

    // The home club is the user's; today's fixture against the away club in
    // the competition becomes his match, with the toss made.
    Match& MakeUserMatch(int competition, bool userBats) {
        Match& match = MakeUntossedMatch(competition);
        match.mi_tossWinner = test::HOME;
        match.mi_tossChoice = userBats ? 1 : 2;
        match.DecideToss();
        return match;
    }
    Match& MakeUntossedMatch(int competition) {
        TeamById(test::HOME)->m_human = 1;
        Fixture fixture;
        fixture.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
        fixture.m_home = test::HOME;
        fixture.m_away = test::AWAY;
        fixture.m_competition = competition;
        fixture.m_ground = test::GROUND;
        fixture.m_date = g_cricket.m_date;
        g_world.mv_fixtures.push_back(fixture);
        CreateMatchForFixture(fixture.m_id);
        Match& match = *g_currentMatches.back();
        g_userMatch = static_cast<int32_t>(g_currentMatches.size()) - 1;
        return match;
    }
    void Open() { m_game->ChangeScreen(SCREEN_MATCH_VIEW); }
    void CloseInfobox() {
        Idle(2);
        ClickIn(MatchView().m_ui.infobox.window, MatchView().m_ui.infobox.ok);
    }
    // Every pop-up closed by OK, each choice window answered by its first
    // legal row.
    void AnswerEverything() {
        for (int guard = 0; guard < 40; ++guard) {
            if (Visible(g_highlightsWindow)) {
                PressKey(DIK_SPACE);  // the playback ends first
            } else if (Visible(MatchView().m_ui.infobox.window)) {
                CloseInfobox();
            } else if (Visible(MatchView().m_ui.select.window)) {
                for (const CControl* row : MatchView().m_ui.select.rows) {
                    if (!Usable(row) || !Visible(MatchView().m_ui.select.window)) continue;
                    Idle(2);
                    ClickIn(MatchView().m_ui.select.window, row);
                }
                ASSERT_FALSE(Visible(MatchView().m_ui.select.window)) << "a legal choice";
            } else if (Visible(MatchView().m_ui.followOn.window)) {
                Idle(2);
                ClickIn(MatchView().m_ui.followOn.window, MatchView().m_ui.followOn.yes);
            } else {
                return;
            }
        }
    }

    // The user's match plays on until its next ball is recorded.
    static void PlayBall(Match& match) {
        const size_t before = match.mv_animScripts.size();
        for (int step = 0; step < 50 && match.mv_animScripts.size() == before; ++step) {
            match.mi_decision = DECISION_NONE;
            match.Step();
        }
    }

    // A four driven through the covers, recorded as the engine records a ball.
    static BallAnimScript CannedFour() {
        BallAnimScript s;
        auto place = [&s](int figure, int kind, int player, GroundPoint at) {
            s.m_figures[figure].mi_id = figure;
            s.m_figures[figure].mi_kind = kind;
            s.m_figures[figure].mi_player = player;
            s.m_figures[figure].mf_x = at.x;
            s.m_figures[figure].mf_y = at.y;
        };
        place(FIG_BALL, FIGKIND_BALL, -1, BOWLER_MARK);
        place(FIG_STRIKER, FIGKIND_STRIKER, 1, STRIKER_CREASE);
        place(FIG_NON_STRIKER, FIGKIND_NON_STRIKER, 2, NON_STRIKER_CREASE);
        place(FIG_BOWLER, FIGKIND_BOWLER, 26, BOWLER_MARK);
        place(FIG_KEEPER, FIGKIND_KEEPER, 21, KEEPER_STAND_BACK);
        const GroundPoint field[9] = {{430, 215}, {445, 220}, {300, 250}, {520, 300}, {250, 420},
                                      {560, 430}, {390, 520}, {150, 250}, {630, 200}};
        for (int i = 0; i < 9; ++i) {
            place(FIG_FIRST_FIELDER + i, FIGKIND_FIELDER, 16 + i + (i >= 5 ? 1 : 0), field[i]);
            s.m_figures[FIG_FIRST_FIELDER + i].mi_fieldPos = i == 0 ? 23 : 40 + i;
        }
        place(FIG_UMPIRE_BOWLER, FIGKIND_UMPIRE_BOWLER, -1, UMPIRE_BOWLER_END);
        place(FIG_UMPIRE_SQUARE, FIGKIND_UMPIRE_SQUARE, -1, UMPIRE_SQUARE_LEG);

        s.AddMarker(SND_BALL_START, 0);
        s.AddCaption(0, 0, CAPTION_WHITE, "Player26 runs in to bowl to Player1");
        s.AddMove(FIG_BOWLER, 10, 80, BOWLER_MARK.x, BOWLER_MARK.y, BOWLER_RELEASE.x, BOWLER_RELEASE.y);
        s.AddMove(FIG_BALL, 10, 80, BOWLER_MARK.x, BOWLER_MARK.y, BOWLER_RELEASE.x, BOWLER_RELEASE.y);
        s.AddMove(FIG_BALL, 80, 110, BOWLER_RELEASE.x, BOWLER_RELEASE.y, 392.0f, 280.0f, 8.0f);
        s.AddMove(FIG_BALL, 110, 125, 392.0f, 280.0f, 393.0f, 260.0f, 4.0f);
        s.AddMove(FIG_BOWLER, 80, 105, BOWLER_RELEASE.x, BOWLER_RELEASE.y, 399.0f, 288.0f);
        s.AddMarker(SND_BAT, 125);
        s.AddMove(FIG_BALL, 125, 215, 393.0f, 260.0f, 170.0f, 160.0f);
        s.AddMove(FIG_FIRST_FIELDER + 2, 125, 215, -1.0f, -1.0f, 200.0f, 180.0f);
        s.AddCaption(140, 200, CAPTION_WHITE, "Player1 drives it through the covers");
        s.AddCaption(215, 275, CAPTION_FLASH_GREEN, "FOUR!");
        s.AddMarker(SND_BOUNDARY, 215);
        s.AddMarker(ANIM_SCORE_AFTER, 225);
        s.mi_kind = SCRIPT_KIND_COMPLETE;
        s.mi_striker = 1;
        s.mi_nonStriker = 2;
        s.mi_bowler = 26;
        s.mi_battingSide = test::HOME;
        s.mi_bowlingSide = test::AWAY;
        s.mi_total = 124;
        s.mi_wickets = 2;
        s.mi_over = 12;
        s.mi_ball = 3;
        s.mi_runs = 4;
        s.SetLength();
        return s;
    }

    static bool Visible(const CControl* c) { return c && c->mb_visible; }
    static bool Usable(const CControl* c) { return c && c->mb_visible && !c->mb_disabled; }
    const std::vector<CControl*>& Listed() const { return g_system->mp_controlList->mv_controls; }

    // A screenshot for the eye, under build/test/match_shots.
    void Shot(const std::string& png) {
        m_game->RenderFrame();
        m_game->RenderFrame();
        const std::filesystem::path dir =
            std::filesystem::path(RAVEL_RUNTIME_DIR).parent_path() / "match_shots";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(m_system->SaveScreenshot((dir / png).string()));
    }
};

}  // namespace ravel
