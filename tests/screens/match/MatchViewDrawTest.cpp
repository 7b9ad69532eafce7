// What the live match view draws: the text and threshold rules of its header
// and panels, and what the scoreboard, the info pages and the side panel show
// in the states of a match that matter, read from the texts of a frame.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "MatchViewFixture.h"
#include "match/MatchLists.h"
#include "screens/match/MatchViewDraw.h"
#include "season/Fixtures.h"
#include "shell/gui/Button.h"

namespace ravel {
namespace {

class MatchViewDrawTest : public MatchViewTest {
protected:
    std::vector<DrawnText> Drawn() {
        m_game->RenderFrame();
        return m_system->HeadlessInput()->mv_texts;
    }
    // The text drawn at a place, or "" for none.
    static std::string TextAt(const std::vector<DrawnText>& texts, int x, int y) {
        for (const DrawnText& t : texts) {
            if (t.x == x && t.y == y) return t.text;
        }
        return "";
    }
    static const DrawnText* Find(const std::vector<DrawnText>& texts, const std::string& text) {
        auto it =
            std::find_if(texts.begin(), texts.end(), [&](const DrawnText& t) { return t.text == text; });
        return it == texts.end() ? nullptr : &*it;
    }

    // An innings of the slot opened as the engine opens it, with a total
    // (singles by the opener), wickets down (bowled by slot 0) and legal balls.
    static Innings& Fill(Match& match, int slot, int total, int wickets, int balls) {
        const int32_t current = match.mi_currentInnings;
        match.StartInnings(slot, false, false);
        match.mi_currentInnings = std::max(current, slot);
        Innings& in = match.m_innings[slot];
        for (int p = 0; p < SQUAD_SIZE; ++p) {
            BatsmanFigures& b = in.m_batsmen[p];
            b.mi_howOut =
                p < wickets ? HOWOUT_BOWLED : (p < wickets + 2 ? HOWOUT_BATTING : HOWOUT_DID_NOT_BAT);
            b.mi_bowler = 0;
        }
        in.m_batsmen[0].mi_scored[1] = total;
        in.Recount();
        in.mi_legalBalls = balls;
        in.m_bowlers[0].mi_balls = balls;
        return in;
    }
    // The view open on an innings of the user's match.
    void Show(int view) {
        if (m_game->m_screenId != SCREEN_MATCH_VIEW) Open();
        MatchView().mv_viewInnings = view;
    }
    static const DrawnText* At(const std::vector<DrawnText>& texts, int x, int y) {
        auto it = std::find_if(texts.begin(), texts.end(),
                               [&](const DrawnText& t) { return t.x == x && t.y == y; });
        return it == texts.end() ? nullptr : &*it;
    }
};

TEST(MatchViewTextRules, AggressionFitnessAndConfidence) {
    struct Level {
        float value;
        const char* text;
    };
    const Level levels[] = {{0.0f, "Ultra Defensive"}, {19.9f, "Ultra Defensive"}, {20.0f, "Defensive"},
                            {40.0f, "Normal"},         {60.0f, "Aggressive"},      {79.9f, "Aggressive"},
                            {80.0f, "All out attack"}, {100.0f, "All out attack"}, {100.5f, ""}};
    for (const Level& c : levels) EXPECT_STREQ(AggressionLevelText(c.value), c.text) << c.value;

    struct Fitness {
        float energy;
        uint32_t colour;
    };
    const Fitness fitness[] = {{100.0f, 0xff00e600u}, {70.5f, 0xff00e600u}, {70.0f, 0xffdda91bu},
                               {45.5f, 0xffdda91bu},  {45.0f, 0xffff0000u}, {0.0f, 0xffff0000u}};
    for (const Fitness& c : fitness) EXPECT_EQ(FitnessColour(c.energy), c.colour) << c.energy;

    struct Confidence {
        float value;
        int lit;  // boxes lit, from the first
    };
    const Confidence confidence[] = {{0.0f, 1}, {1.9f, 1}, {2.0f, 2}, {4.0f, 3},
                                     {6.0f, 4}, {8.0f, 5}, {10.0f, 5}};
    for (const Confidence& c : confidence) {
        for (int box = 0; box < 5; ++box)
            EXPECT_EQ(ConfidenceBoxLit(c.value, box), box < c.lit) << c.value << " box " << box;
    }
}

TEST_F(MatchViewDrawTest, PlayConditionLine) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    match.mi_checkHour = 14;
    match.mi_checkMinute = 5;
    struct Case {
        int32_t length, condition, state;
        const char* text;
    };
    const Case cases[] = {
        {5, CONDITION_PLAY, PLAY_IN_PLAY, "5 day match"},
        {50, CONDITION_PLAY, PLAY_IN_PLAY, "50 over match"},
        {8, CONDITION_PLAY, PLAY_CLOSE, "8 over match"},
        {4, CONDITION_BAD_LIGHT, PLAY_IN_PLAY, "Off for bad light, next inspection at 14:05"},
        {4, CONDITION_RAIN, PLAY_IN_PLAY, "Rain stopped play, next inspection at 14:05"},
        {4, CONDITION_LIGHT_RESUMING, PLAY_IN_PLAY, "Off for bad light, play due to resume at 14:05"},
        {4, CONDITION_RAIN_STOPPED, PLAY_IN_PLAY, "Rain stopped play, play due to resume at 14:05"},
        {4, CONDITION_BAD_LIGHT, PLAY_CLOSE, "Off for bad light."},
        {4, CONDITION_RAIN, PLAY_MATCH_OVER, "Rain stopped play"},
        {4, CONDITION_RAIN_STOPPED, PLAY_CLOSE, "Rain stopped play"},
        {4, CONDITION_LIGHT_RESUMING, PLAY_CLOSE, "Off for bad light, play due to resume at 14:05"},
        {4, 0, PLAY_IN_PLAY, ""},
    };
    for (const Case& c : cases) {
        match.mi_length = c.length;
        match.mi_condition = c.condition;
        match.mi_playState = c.state;
        EXPECT_EQ(PlayConditionText(match), c.text);
    }
    match.mi_condition = CONDITION_RAIN;
    match.mi_playState = PLAY_IN_PLAY;
    match.mi_checkHour = 14;
    match.mi_checkMinute = 0;
    EXPECT_EQ(PlayConditionText(match), "Rain stopped play, next inspection at 14:00");
}

TEST_F(MatchViewDrawTest, CompetitionLineAndOtherScoresLabel) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Competition tournament;
    tournament.m_id = 507;
    std::snprintf(tournament.m_name, sizeof tournament.m_name, "Champions Cup");
    std::snprintf(tournament.m_shortName, sizeof tournament.m_shortName, "CC");
    g_world.mv_competitions.push_back(tournament);
    TourSeries series;
    series.m_id = 640;
    series.m_home = test::HOME;
    series.m_away = test::AWAY;
    g_world.mv_tourSeries.push_back(series);
    const std::string seriesTitle = FixtureTitle(g_world.mv_tourSeries.back());
    struct Case {
        int32_t competition, matchType;
        std::string line;
        const char* label;
    };
    const Case cases[] = {
        {test::COMP_FC, FORMAT_FIRST_CLASS, "", ""},  // names filled below
        {502, FORMAT_FIRST_CLASS, "Tour Match", "Tour"},
        {504, FORMAT_LIST_A, "Tour Match", "Tour"},
        {500, FORMAT_TEST, "", "Test"},
        {501, FORMAT_ODI, "", "ODI"},
        {550, FORMAT_ODI, "", "ODI"},
        {507, FORMAT_ODI, "Champions Cup", "ODI"},  // an odd id of a limited-overs event
        {506, FORMAT_TEST, "", "Test"},             // no such competition
        {640, FORMAT_TEST, seriesTitle, "Test"},
        {641, FORMAT_TEST, "", "Test"},  // no such series
    };
    Competition* fc = CompetitionById(test::COMP_FC);
    std::snprintf(fc->m_name, sizeof fc->m_name, "County Cup");
    std::snprintf(fc->m_shortName, sizeof fc->m_shortName, "FCC");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.competition);
        match.mi_competition = c.competition;
        match.mi_matchType = c.matchType;
        if (c.competition == test::COMP_FC) {
            EXPECT_EQ(CompetitionLineText(match), "County Cup");
            EXPECT_STREQ(OtherScoresLabel(match), "FCC");
            continue;
        }
        EXPECT_EQ(CompetitionLineText(match), c.line);
        EXPECT_STREQ(OtherScoresLabel(match), c.label);
    }
}

TEST_F(MatchViewDrawTest, FirstInningsNotStarted) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    match.m_innings[0].mb_started = 0;
    Show(0);
    const std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 238, 107), "NOR");
    EXPECT_EQ(TextAt(texts, 482, 107), "SOU");
    EXPECT_EQ(TextAt(texts, 358, 107), "") << "no score before the innings";
    EXPECT_EQ(Find(texts, "Overs"), nullptr) << "no bowling card";
    EXPECT_EQ(TextAt(texts, 230, 195), "") << "no batting card";
    EXPECT_NE(Find(texts, "Run Rate"), nullptr) << "the situation box";
    EXPECT_NE(Find(texts, "No balls bowled"), nullptr) << "the info page";
    EXPECT_EQ(TextAt(texts, 560, 725), match.ResultText()) << "the bottom bar";
    for (CHotSpot* row : MatchView().m_ui.bowlingRows) EXPECT_TRUE(row->mb_disabled);
}

TEST_F(MatchViewDrawTest, AllOutAndAChasePastItsTarget) {
    Match& oneDay = MakeUserMatch(test::COMP_ONE_DAY, true);
    Fill(oneDay, 0, 245, 10, 280);
    Fill(oneDay, 1, 250, 4, 200);
    Show(0);
    std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 358, 107), "245") << "all out: the total alone";
    EXPECT_EQ(TextAt(texts, 602, 107), "250/4");
    EXPECT_EQ(TextAt(texts, 605, 422), "245");
    EXPECT_EQ(TextAt(texts, 210, 422), "Total (after 46.4 overs, 0 extras)");
    const DrawnText* required = Find(texts, "Run Rate Req:");
    ASSERT_NE(required, nullptr);
    EXPECT_EQ(required->colour, MV_WHITE);
    EXPECT_NE(Find(texts, "0.00"), nullptr) << "a chase past its target needs nothing";

    MatchView().mv_viewInnings = 1;
    texts = Drawn();
    EXPECT_EQ(TextAt(texts, 560, 170), "Target: 246");
}

TEST_F(MatchViewDrawTest, DeclaredInAMatchOverDays) {
    Match& fc = MakeUserMatch(test::COMP_FC, true);
    Innings& first = Fill(fc, 0, 400, 6, 600);
    first.mi_status = INNINGS_DECLARED;
    Fill(fc, 1, 120, 3, 200);
    Show(0);
    const std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 316, 107), "400/6 dec");
    EXPECT_NE(Find(texts, "400 for 6 dec"), nullptr);
    EXPECT_EQ(TextAt(texts, 210, 422), "Total (after 100 overs, 0 extras)");
    EXPECT_EQ(Find(texts, "Run Rate Req:"), nullptr) << "a match over days shows its session";
}

TEST_F(MatchViewDrawTest, TargetsWithAndWithoutTheFollowOn) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Fill(match, 0, 400, 10, 600);
    Fill(match, 1, 150, 10, 300);
    Fill(match, 3, 300, 10, 400);  // the follow-on, played before slot 2
    Fill(match, 2, 20, 0, 30);
    match.mi_followOnState = INNINGS_FOLLOW_ON;
    match.mi_currentInnings = 2;
    Show(2);
    std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 560, 140), "Target: 51");
    EXPECT_EQ(TextAt(texts, 560, 170), "2nd Innings");
    MatchView().mv_viewInnings = 3;
    texts = Drawn();
    EXPECT_EQ(TextAt(texts, 560, 140), "") << "the side that followed on has no target";

    match.mi_followOnState = 0;
    texts = Drawn();
    EXPECT_EQ(TextAt(texts, 560, 140), "Target: 271") << "without it slot 3 is the chase";
}

TEST_F(MatchViewDrawTest, BowlingCardRowsAndTheirSpots) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Innings& in = Fill(match, 0, 100, 2, 0);
    match.mi_bowler1 = 9;
    match.mi_bowler2 = 10;
    match.mi_bowler = 10;
    // Seven bowlers: the two at the ends, then five others of whom three are listed.
    for (int slot : {1, 3, 4, 6, 7, 9, 10}) in.m_bowlers[slot].mi_balls = 12;
    in.m_bowlers[0].mi_balls = 0;
    Show(0);
    std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(
        std::vector<int32_t>(MatchView().mv_bowlerRowSlots, MatchView().mv_bowlerRowSlots + BOWLING_ROWS),
        (std::vector<int32_t>{9, 10, 1, 3, 4}));
    for (CHotSpot* row : MatchView().m_ui.bowlingRows) EXPECT_FALSE(row->mb_disabled);
    const DrawnText* overs = At(texts, 845, 175);
    ASSERT_NE(overs, nullptr);
    EXPECT_EQ(overs->text, "2") << "two overs";
    EXPECT_EQ(overs->colour, MV_YELLOW) << "the bowler of this over";
    EXPECT_EQ(At(texts, 845, 150)->colour, MV_WHITE);

    // An end whose bowler has not bowled: no row and no spot to click.
    in.m_bowlers[9].mi_balls = 0;
    for (int slot : {4, 6, 7}) in.m_bowlers[slot].mi_balls = 0;
    texts = Drawn();
    EXPECT_TRUE(MatchView().m_ui.bowlingRows[0]->mb_disabled);
    EXPECT_EQ(TextAt(texts, 845, 150), "");
    EXPECT_EQ(
        std::vector<int32_t>(MatchView().mv_bowlerRowSlots + 2, MatchView().mv_bowlerRowSlots + BOWLING_ROWS),
        (std::vector<int32_t>{1, 3, -1}));
    EXPECT_TRUE(MatchView().m_ui.bowlingRows[4]->mb_disabled);
    EXPECT_FALSE(MatchView().m_ui.bowlingRows[3]->mb_disabled);

    // A finished innings has no ends and no bowler of the over: its bowlers
    // in slot order, none marked.
    Fill(match, 1, 10, 0, 12);
    match.mi_bowler1 = 9;
    match.mi_bowler2 = 1;
    MatchView().mv_viewInnings = 0;
    texts = Drawn();
    EXPECT_EQ(
        std::vector<int32_t>(MatchView().mv_bowlerRowSlots, MatchView().mv_bowlerRowSlots + BOWLING_ROWS),
        (std::vector<int32_t>{1, 3, 10, -1, -1}));
    for (int y : {150, 175, 215}) {
        ASSERT_NE(At(texts, 845, y), nullptr) << y;
        EXPECT_EQ(At(texts, 845, y)->colour, MV_WHITE) << y;
    }
}

TEST_F(MatchViewDrawTest, KeeperAndCaptainMarksFollowTheViewedInnings) {
    Match& match = MakeUserMatch(test::COMP_FC, true);
    Innings& in = Fill(match, 0, 50, 0, 60);
    MatchTeam& side = match.SideOf(in.mi_battingTeam);
    side.SetKeeperSlot(0, 5);
    side.SetOrderSlotA(0, 2);
    side.SetKeeperSlot(1, 7);  // another innings' choices leave this card alone
    side.SetOrderSlotA(1, 7);
    // The batting order puts side slot 5 at position 3 and slot 2 at position 1.
    std::swap(in.mi_battingOrder[3], in.mi_battingOrder[5]);
    std::swap(in.mi_battingOrder[1], in.mi_battingOrder[2]);
    Show(0);
    const std::vector<DrawnText> texts = Drawn();
    auto name = [&](int position) { return TextAt(texts, 230, 195 + 20 * position); };
    EXPECT_EQ(name(3).substr(0, 1), "+");
    EXPECT_EQ(name(1).substr(0, 1), "*");
    for (int p : {0, 2, 5, 7}) {
        EXPECT_NE(name(p).substr(0, 1), "+") << p;
        EXPECT_NE(name(p).substr(0, 1), "*") << p;
    }
}

TEST_F(MatchViewDrawTest, CoveringWindowsHideThePanel) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Fill(match, 0, 100, 2, 60);
    Show(0);
    ASSERT_NE(Find(Drawn(), "Run Rate"), nullptr);
    for (CDialog* window : {MatchView().m_ui.playerWindow.window, MatchView().m_ui.planEditor.window,
                            MatchView().m_ui.fieldEditor.window}) {
        window->mb_visible = 1;
        EXPECT_EQ(Find(Drawn(), "Run Rate"), nullptr);
        window->mb_visible = 0;
    }
}

TEST_F(MatchViewDrawTest, RecentOversCountExtrasAndEnterEveryIcon) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Innings& in = Fill(match, 0, 0, 0, 0);
    auto ball = [&in](int over, int32_t outcome, int runs) {
        BallRecord b;
        b.mi_over = over;
        b.mi_outcome = outcome;
        b.mi_runs = runs;
        b.mi_script = static_cast<int32_t>(in.mv_balls.size());
        in.mv_balls.push_back(b);
    };
    // Over 1 (index 0) of six balls, listed with 5 runs; over 2 of ten balls
    // with two wides, a no ball and a bye, not yet in the list.
    for (int k = 0; k < 6; ++k) ball(0, OUTCOME_RUNS, k == 2 ? 4 : (k == 4 ? 1 : 0));
    in.mv_overs.push_back(OverRecord{5, 0, 0, 5});
    for (int32_t outcome : {OUTCOME_WIDE, OUTCOME_WIDE, OUTCOME_NO_BALL, OUTCOME_BYES}) ball(1, outcome, 0);
    for (int k = 0; k < 6; ++k) ball(1, OUTCOME_RUNS, k == 0 ? 6 : 1);
    Show(0);
    const std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 215, 516), "2nd");
    EXPECT_EQ(TextAt(texts, 920, 516), "15") << "11 off the bat and four extras";
    EXPECT_EQ(TextAt(texts, 215, 556), "1st");
    EXPECT_EQ(TextAt(texts, 920, 556), "5");
    // Ball j of row r is at entry 4j + r - 1; a tenth ball fits only on row 0.
    for (int j = 1; j <= 10; ++j) EXPECT_EQ(MatchView().mv_ballScripts[4 * j - 1], 6 + j - 1) << "ball " << j;
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(MatchView().mv_ballScripts[4 * j], j - 1) << "ball " << j;

    // A click on the tenth ball's icon replays it.
    match.mv_animScripts.resize(in.mv_balls.size(), CannedFour());
    Idle(2);
    ClickAt(450 + 40 * 10 + 10, 516 + 5);
    EXPECT_TRUE(HighlightsWindowShown());
    EXPECT_EQ(CurrentScript(), &match.mv_animScripts[15]);
}

TEST_F(MatchViewDrawTest, SidePanelStrikerAndBowlersPlans) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, false);  // the away side bats
    Innings& in = Fill(match, 0, 30, 0, 20);
    match.mi_striker = 1;
    MatchTeam& batting = match.SideOf(in.mi_battingTeam);
    batting.m_players[1].mf_aggression[match.mi_bowler1] = 60.0f;
    Show(0);
    MatchView().m_kept.mv_panelMode = PANEL_BATTING;
    std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 10, 332), PlayerSurname(in.m_batsmen[1].mi_player));
    ASSERT_NE(At(texts, 10, 332), nullptr);
    EXPECT_EQ(At(texts, 10, 332)->colour, MV_YELLOW) << "on strike";
    ASSERT_NE(At(texts, 10, 128), nullptr);
    EXPECT_EQ(At(texts, 10, 128)->colour, MV_WHITE);
    EXPECT_EQ(TextAt(texts, 95, 416), "Aggressive");
    const MatchTeam& fielding = match.SideOf(in.mi_bowlingTeam);
    EXPECT_EQ(TextAt(texts, 10, 191),
              std::string("vs ") + PlayerSurname(fielding.m_players[match.mi_bowler1].mi_player));

    // Bowling: no plan of an empty table is named.
    MatchView().m_kept.mv_panelMode = PANEL_BOWLING;
    g_world.mv_pacePlans.clear();
    g_world.mv_spinPlans.clear();
    texts = Drawn();
    const DrawnText* counter = Find(texts, "0/0");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->y, 191);
    EXPECT_EQ(TextAt(texts, 95, 211), "");
}

TEST_F(MatchViewDrawTest, OtherScoresAndTheHighlightsHeader) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Fill(match, 0, 245, 10, 280);
    Fill(match, 1, 12, 1, 18);
    MatchView().m_kept.mv_infoTab = TAB_OTHER_SCORES;
    Show(1);
    std::vector<DrawnText> texts = Drawn();
    EXPECT_EQ(TextAt(texts, 574, 516), "No other games currently being played");
    EXPECT_EQ(TextAt(texts, 853, 38), "Southdown") << "the batting side on the board";
    EXPECT_NE(Find(texts, "12/1"), nullptr);
    EXPECT_NE(Find(texts, "245"), nullptr);

    Match& other = test::StartComputerMatch(test::COMP_FC);
    Fill(other, 0, 77, 3, 100);
    texts = Drawn();
    EXPECT_FALSE(MatchView().m_ui.panelScroll->mb_visible) << "two matches fit";
    EXPECT_EQ(TextAt(texts, 430, 620), "77/3");
    EXPECT_EQ(TextAt(texts, 430, 530), "245");
    EXPECT_EQ(TextAt(texts, 430, 550), "12/1");
    test::StartComputerMatch(test::COMP_FC);
    Drawn();
    EXPECT_TRUE(MatchView().m_ui.panelScroll->mb_visible);
    EXPECT_FALSE(MatchView().m_ui.panelScroll->mb_disabled);

    // While a ball is played back the board shows the ball's score and the
    // side panel how to end the clip.
    match.mv_animScripts.push_back(CannedFour());
    match.mv_animScripts.back().mb_played = 1;  // shown whatever the filters say
    StartBallAnimation(match, 0);
    texts = Drawn();
    EXPECT_EQ(Find(texts, "Southdown"), nullptr) << "the header's score gives way to the ball's";
    EXPECT_EQ(TextAt(texts, 95, 257), "SPACE - End Clip");
    EXPECT_EQ(TextAt(texts, 95, 357), "RMB - End Clip");
}

TEST_F(MatchViewDrawTest, TheBallsScoreOnTheBoardKeepsClearOfTheName) {
    Match& match = MakeUserMatch(test::COMP_ONE_DAY, true);
    Fill(match, 0, 124, 2, 60);
    Show(0);
    struct Case {
        const char* name;
        int32_t wickets;
        const char* shown;  // the name drawn
        const char* score;
    };
    const Case cases[] = {
        {"Northfield", 2, "Northfield", "120/2"},  // the score before the four
        {"Northfield and Lower Welbourne", 2, "NOR", "120/2"},
        {"Northfield", 10, "Northfield", "120"},  // all out
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::snprintf(TeamById(test::HOME)->m_name, sizeof TeamById(test::HOME)->m_name, "%s", c.name);
        BallAnimScript ball = CannedFour();
        ball.mi_wickets = c.wickets;
        match.mv_animScripts.push_back(ball);
        match.mv_animScripts.back().mb_played = 1;
        StartBallAnimation(match, static_cast<int>(match.mv_animScripts.size()) - 1);
        const std::vector<DrawnText> texts = Drawn();
        const DrawnText* name = Find(texts, c.shown);
        const DrawnText* score = Find(texts, c.score);
        ASSERT_NE(name, nullptr);
        ASSERT_NE(score, nullptr);
        EXPECT_EQ(name->y, score->y);
        EXPECT_LT(name->x + CSystem::TextWidth(Font21(), c.shown), score->x);
        EndBallAnimation();
    }
}

}  // namespace
}  // namespace ravel
