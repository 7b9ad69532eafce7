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
        MV::mv_infoTab = TAB_RECENT_OVERS;
        MV::mv_highlightSpeed = SPEED_REAL_TIME;
        MV::mv_panelMode = PANEL_BATTING;
        MV::mv_statsView = 8001;
        MV::mv_chartKind = 1;
        MV::mv_bowlerStatsView = 1;
        MV::mv_selectStatsView = FIGURES_BOWL_SKILL;
        MV::mv_bowlerSelectPending = 0;
        MV::mv_batsmanSelectPending = 0;
        ClearInfoboxes();
        g_highlightFilters = HighlightFilters{};
        g_captionLine = 0;
    }

    // The home club is the user's; today's fixture against the away club in
    // the competition becomes his match, with the toss made.
    Match& MakeUserMatch(int competition, bool userBats) {
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
        match.mi_tossWinner = test::HOME;
        match.mi_tossChoice = userBats ? 1 : 2;
        match.DecideToss();
        g_userMatch = static_cast<int32_t>(g_currentMatches.size()) - 1;
        return match;
    }
    void Open() { m_game->ChangeScreen(SCREEN_MATCH_VIEW); }

    // The user's match plays on until its next ball is recorded.
    static void PlayBall(Match& match) {
        const size_t before = match.mv_animScripts.size();
        for (int step = 0; step < 50 && match.mv_animScripts.size() == before; ++step) {
            match.mi_decision = DECISION_NONE;
            match.Step();
        }
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
