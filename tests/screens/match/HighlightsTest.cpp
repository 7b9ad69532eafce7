// Playing balls back: which balls the filters show, a ball from start to end
// at each speed, the balls the engine hands over, scripts that move or go
// away, and the Highlights Options window with config.ini at exit.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "MatchViewFixture.h"
#include "match/MatchServices.h"
#include "shell/HomeFolder.h"
#include "shell/Settings.h"

namespace ravel {
namespace {

class HighlightsTest : public MatchViewTest {
protected:
    void TearDown() override {
        StartBallAnimation(BallSource{});
        MatchViewTest::TearDown();
    }
    // A canned ball in the user's match's own list.
    int AddCanned(Match& match) {
        match.mv_animScripts.push_back(CannedFour());
        return static_cast<int>(match.mv_animScripts.size()) - 1;
    }
    static void AllFilters(uint8_t on) {
        for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) g_highlightFilters.*HIGHLIGHT_FILTER_ROWS[k].filter = on;
    }
    // Logic ticks of the screen until the ball's window closes.
    int TicksToEnd() {
        int ticks = 0;
        while (Visible(g_highlightsWindow) && ticks < 10000) {
            Idle();
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(HighlightsTest, WhichBallsTheFiltersShow) {
    using HF = HighlightFilters;
    struct Case {
        const char* name;
        uint8_t HF::*filter;  // the one filter on, or none
        int runs;
        bool wicket, chance, celebration, played;
        bool shown;
    };
    const Case cases[] = {
        {"everything", &HF::everything, 3, false, false, false, false, true},
        {"nothing on", nullptr, 6, true, true, true, false, false},
        {"nothing on, seen before", nullptr, 0, false, false, false, true, true},
        {"dot", &HF::dotBalls, 0, false, false, false, false, true},
        {"dot, a single", &HF::dotBalls, 1, false, false, false, false, false},
        {"single", &HF::singles, 1, false, false, false, false, true},
        {"two", &HF::twosThreesFives, 2, false, false, false, false, true},
        {"three", &HF::twosThreesFives, 3, false, false, false, false, true},
        {"five", &HF::twosThreesFives, 5, false, false, false, false, true},
        {"twos, a four", &HF::twosThreesFives, 4, false, false, false, false, false},
        {"four", &HF::fours, 4, false, false, false, false, true},
        {"six", &HF::sixes, 6, false, false, false, false, true},
        {"sixes, seven runs", &HF::sixes, 7, false, false, false, false, false},
        {"wicket with four runs", &HF::wickets, 4, true, false, false, false, true},
        {"wickets, a dot", &HF::wickets, 0, false, false, false, false, false},
        {"chance", &HF::chances, 1, false, true, false, false, true},
        {"chances, a wicket", &HF::chances, 0, true, false, false, false, false},
        {"celebration", &HF::celebrations, 2, false, false, true, false, true},
    };
    for (const Case& c : cases) {
        HighlightFilters filters;
        AllFilters(0);
        filters = g_highlightFilters;
        if (c.filter) filters.*c.filter = 1;
        BallAnimScript s;
        s.mi_runs = c.runs;
        s.mb_wicket = c.wicket;
        s.mb_chance = c.chance;
        s.mb_celebration = c.celebration;
        s.mb_played = c.played;
        EXPECT_EQ(BallIsShown(s, filters), c.shown) << c.name;
    }
}

// A shown ball opens the window on top, hides the panels and holds the
// match; L + 2 steps later (the clock starts at -2) it has ended and the
// match goes on. A ball that is not shown changes nothing on the screen.
TEST_F(HighlightsTest, ABallFromStartToEnd) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    const int index = AddCanned(match);
    Open();
    AllFilters(0);
    StartBallAnimation(match, index);
    EXPECT_FALSE(Visible(g_highlightsWindow));
    EXPECT_EQ(match.mi_decision, DECISION_NONE) << "no animation holds the match";
    EXPECT_EQ(CurrentScript(), &match.mv_animScripts[index]) << "still the current ball";

    g_highlightFilters.fours = 1;
    StartBallAnimation(match, index);
    const BallAnimScript& s = match.mv_animScripts[index];
    EXPECT_TRUE(Visible(g_highlightsWindow));
    EXPECT_TRUE(g_highlightsWindow->mb_expanded);
    EXPECT_TRUE(Visible(g_highlightsNext));
    EXPECT_EQ(match.mi_decision, DECISION_INFOBOX);
    EXPECT_FALSE(Visible(MatchView().m_ui.infoTab));
    EXPECT_FALSE(Visible(MatchView().m_ui.aggressionUp[0]));
    EXPECT_EQ(s.mi_clock, -2);
    EXPECT_EQ(g_captionLine, 1);
    EXPECT_EQ(g_groundView.m_figures[FIG_UMPIRE_SQUARE].mf_x, UMPIRE_SQUARE_LEG.x)
        << "the figures take their places";

    int steps = 0;
    while (Visible(g_highlightsWindow) && steps < 5000) {
        StepBallAnimation();
        ++steps;
    }
    EXPECT_EQ(steps, s.mi_length + 2);
    EXPECT_EQ(s.mi_clock, 0);
    EXPECT_EQ(s.mb_played, 1);
    EXPECT_EQ(match.mi_decision, DECISION_NONE);
    EXPECT_TRUE(Visible(MatchView().m_ui.infoTab));
    EXPECT_TRUE(Visible(MatchView().m_ui.aggressionUp[0]));
    EXPECT_FALSE(g_highlightsWindow->mb_expanded);

    // Played once, it is always shown again when picked.
    AllFilters(0);
    StartBallAnimation(match, index);
    EXPECT_TRUE(Visible(g_highlightsWindow));
}

// The screen's Tick plays highlight-speed steps a tick; the last tick of a
// fast playback may end it part way.
TEST_F(HighlightsTest, SpeedsOneToFour) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    const int index = AddCanned(match);
    Open();
    AllFilters(1);
    const int steps = match.mv_animScripts[index].mi_length + 2;
    for (int speed = SPEED_REAL_TIME; speed <= SPEED_SUPER_FAST; ++speed) {
        MatchView().m_kept.mv_highlightSpeed = speed;
        StartBallAnimation(match, index);
        EXPECT_EQ(TicksToEnd(), (steps + speed - 1) / speed) << speed;
        EXPECT_EQ(match.mi_decision, DECISION_NONE);
    }
    MatchView().mv_chartTick = 0;
    Idle(20);
    EXPECT_EQ(MatchView().mv_chartTick, CHART_TICKS) << "the charts' counter stops at twelve";
}

// The engine's balls reach the view through the services installed at
// start-up: the user's match plays a ball, the view plays it back, and the
// match waits until it has.
TEST_F(HighlightsTest, TheEngineHandsOverEachBall) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    AllFilters(1);
    PlayBall(match);
    ASSERT_EQ(match.mv_animScripts.size(), 1u);
    EXPECT_EQ(CurrentScript(), &match.mv_animScripts[0]);
    EXPECT_TRUE(Visible(g_highlightsWindow));
    EXPECT_EQ(match.mi_decision, DECISION_INFOBOX);
    TicksToEnd();
    EXPECT_EQ(match.mi_decision, DECISION_NONE);
    EXPECT_EQ(match.mv_animScripts[0].mb_played, 1);
}

// The current ball is found again at every use: the match's list grows and
// moves its records; the match is finished and cleared away; a list is
// replaced by a shorter one. Nothing reads a moved or freed script, and a
// playback whose ball has gone ends.
TEST_F(HighlightsTest, TheCurrentBallNeverDangles) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Open();
    AllFilters(1);
    for (int i = 0; i < 3; ++i) AddCanned(match);
    match.mv_animScripts[1].mi_over = 7;
    StartBallAnimation(match, 1);
    Idle(3);
    for (int i = 0; i < 40; ++i) AddCanned(match);  // grows, and moves every record
    ASSERT_NE(CurrentScript(), nullptr);
    EXPECT_EQ(CurrentScript()->mi_over, 7);
    Idle(3);
    Frame();

    RetireMatch(g_userMatch);
    ClearCompletedMatches();
    EXPECT_EQ(CurrentScript(), nullptr);
    Frame();  // the window draws without a ball
    Idle();
    EXPECT_FALSE(Visible(g_highlightsWindow)) << "its ball gone, the playback ends";

    std::vector<BallAnimScript> list(4, CannedFour());
    StartBallAnimation(BallSource{-1, &list, 3});
    ASSERT_EQ(CurrentScript(), &list[3]);
    list.resize(2);
    EXPECT_EQ(CurrentScript(), nullptr);
    StartBallAnimation(BallSource{-1, &list, 9});
    EXPECT_EQ(CurrentScript(), nullptr) << "a source with nothing there starts nothing";
    StartBallAnimation(BallSource{});
}

// A ball from outside any match is kept by the view; the match player has
// no match of the user's and none is touched.
TEST_F(HighlightsTest, BallsWithoutAUserMatch) {
    Match& other = MakeUserMatch(test::COMP_FC, true);
    g_userMatch = 5;  // not inside the list
    Open();
    AllFilters(1);
    BallAnimScript canned = CannedFour();
    MatchScreens().StartBallAnimation(other, &canned);
    canned.mi_over = 99;
    ASSERT_NE(CurrentScript(), nullptr);
    EXPECT_NE(CurrentScript(), &canned);
    EXPECT_EQ(CurrentScript()->mi_over, 12) << "a copy";
    EXPECT_TRUE(Visible(g_highlightsWindow));
    EXPECT_EQ(other.mi_decision, DECISION_NONE);
    TicksToEnd();
    EXPECT_EQ(other.mi_decision, DECISION_NONE);
    // Started again from its own copy: the copy stays.
    MatchScreens().StartBallAnimation(other, CurrentScript());
    EXPECT_EQ(CurrentScript()->mi_over, 12);
}

// Select None and Done store nine zeros, and the exit writes them to
// config.ini; the tick boxes follow the filters when the window opens.
TEST_F(HighlightsTest, HighlightOptionsAndConfigAtExit) {
    const test::HomeFolder home(std::filesystem::path(testing::TempDir()) / "ravel_highlights_home");
    SetupFolders();

    MakeUserMatch(test::COMP_FC, true);
    Open();
    const auto& o = MatchView().m_ui.highlightOptions;
    g_highlightsWindow->mb_visible = 1;
    MatchView().m_ui.select.window->mb_visible = 1;
    g_highlightFilters = HighlightFilters{};
    OpenHighlightsOptions();
    EXPECT_TRUE(Visible(o.window));
    EXPECT_TRUE(o.window->mb_expanded);
    EXPECT_FALSE(Visible(g_highlightsWindow));
    EXPECT_FALSE(Visible(MatchView().m_ui.select.window));
    // Each box beside its label: chances 190, wickets 220, celebrations 250.
    const uint8_t expected[] = {0, 0, 0, 0, 1, 1, 1, 1, 1};
    for (int k = 0; k < HIGHLIGHT_FILTERS; ++k) EXPECT_EQ(o.filters[k]->mb_ticked, expected[k]) << k;
    ClickIn(o.window, o.filters[1]);
    EXPECT_EQ(o.filters[1]->mb_ticked, 1) << "a click ticks the box";
    EXPECT_EQ(g_highlightFilters.dotBalls, 0) << "until Done";
    Shot("highlight_options.png");

    SelectAllHighlights();
    for (const CTickBox* t : o.filters) EXPECT_EQ(t->mb_ticked, 1);
    SelectNoHighlights();
    o.speed->m_selected = 3;
    ApplyHighlightsOptions();
    EXPECT_FALSE(Visible(o.window));
    EXPECT_EQ(MatchView().m_kept.mv_highlightSpeed, 4);
    ASSERT_TRUE(WriteSettingsAtExit("std"));
    std::ifstream file(home / "Documents/Ravelstone/Options/config.ini");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), "std\n0\n0\n0\n0\n0\n0\n0\n0\n0\n");

    // No choice in the speed drop-down is Real Time.
    OpenHighlightsOptions();
    o.speed->m_selected = -1;
    ApplyHighlightsOptions();
    EXPECT_EQ(MatchView().m_kept.mv_highlightSpeed, SPEED_REAL_TIME);
}

// For the eye: a four driven through the covers, mid-ball, with the
// figures, their names and the flashing caption bar.
TEST_F(HighlightsTest, ScreenshotsMidBall) {
    const char* names[] = {"",          "Ashcombe", "Bellweather",
                           "",          "",         "",
                           "",          "",         "",
                           "",          "",         "",
                           "",          "",         "",
                           "",          "Carrow",   "Dunstable",
                           "Eastleigh", "Fenwick",  "Garside",
                           "Holloway",  "Ingram",   "Jessop",
                           "Kettering", "Lamb",     "Merriweather"};
    for (int id = 1; id < static_cast<int>(std::size(names)); ++id)
        if (*names[id]) std::snprintf(g_world.mv_players[id].m_surname, 32, "%s", names[id]);
    Match& match = MakeUserMatch(test::COMP_FC, true);
    const int index = AddCanned(match);
    Open();
    AllFilters(1);
    for (int speed = SPEED_REAL_TIME; speed <= SPEED_SUPER_FAST; ++speed) {
        MatchView().m_kept.mv_highlightSpeed = speed;
        StartBallAnimation(match, index);
        Idle(60);  // the ball in the air, on its way, reaching the rope, over it
        g_system->m_clockSeconds = speed % 2 ? 0.0f : 1.5f;  // both halves of the flash
        Shot("highlights_speed" + std::to_string(speed) + ".png");
        const BallAnimScript& s = match.mv_animScripts[index];
        EXPECT_TRUE(Visible(g_highlightsWindow)) << "still mid-ball at speed " << speed;
        EXPECT_EQ(g_groundView.mb_scoreAfter, s.mi_clock > 225) << speed;
        EndBallAnimation();
    }
}

}  // namespace
}  // namespace ravel
