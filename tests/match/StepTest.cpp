#include <gtest/gtest.h>

#include "match/StepTestWorld.h"

namespace ravel {
namespace {

using namespace test;

int CountEvents(const Match& match, int32_t kind, int value9 = -1) {
    int count = 0;
    for (const BallEvent& event : match.mv_events) {
        if (event.mi_kind == kind && (value9 < 0 || event.mi_values[9] == value9)) ++count;
    }
    return count;
}

class Step : public ::testing::Test {
protected:
    void SetUp() override { BuildWorld(); }
};

TEST_F(Step, FirstClassMatchRunsThroughDaysSessionsRainAndCloseToAResult) {
    for (auto& month : g_world.mv_climates[0].m_monthly) month[1] = 18;  // a wet summer
    Match& match = StartComputerMatch(COMP_FC);
    // Steady batting: 240 for 10 in 80 overs a side (one wicket every 48 balls).
    std::vector<int> script(48, 0);
    for (int i = 0; i < 47; i += 2) script[i] = 1;
    script[47] = WICKET;
    UseStandIn(match, script);
    std::vector<int32_t> states = PlayToEnd(match);

    ASSERT_EQ(match.mi_playState, PLAY_MATCH_OVER);
    EXPECT_NE(match.mi_resultKind, RESULT_NONE);
    // Lunch, tea and close of play came in that order on the first day.
    auto at = [&states](int32_t state) {
        return std::find(states.begin(), states.end(), state) - states.begin();
    };
    EXPECT_LT(at(PLAY_LUNCH), at(PLAY_TEA));
    EXPECT_LT(at(PLAY_TEA), at(PLAY_CLOSE));
    EXPECT_GE(CountEvents(match, MATCH_EVENT_BREAK, BREAK_LUNCH), 1);
    EXPECT_GE(CountEvents(match, MATCH_EVENT_BREAK, BREAK_TEA), 1);
    EXPECT_GE(CountEvents(match, MATCH_EVENT_BREAK, BREAK_CLOSE), 1);
    EXPECT_GE(CountEvents(match, MATCH_EVENT_DAY_START), 2);
    EXPECT_EQ(CountEvents(match, MATCH_EVENT_RESULT), 1);
    EXPECT_EQ(match.mb_resumed, 1);  // rain stopped play at least once, and play resumed
    // Every innings played was closed, and an innings start was logged for each.
    int started = 0;
    for (const Innings& innings : match.m_innings) started += innings.mb_started;
    EXPECT_EQ(CountEvents(match, MATCH_EVENT_INNINGS_START), started);
    // 96 overs were bowled on each full day: never more than the day's overs
    // plus what ends the over in hand.
    EXPECT_LE(match.mi_dayIndex, 3);
}

TEST_F(Step, RandomBallsAlwaysReachAResultInTime) {
    for (int seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        BuildWorld();
        SeedRand(seed);
        bool firstClass = seed % 2 == 0;
        Match& match = StartComputerMatch(firstClass ? COMP_FC : COMP_ONE_DAY, seed % 3 != 0);
        // Each seed its own batting: runs of 0..6 with a wicket now and then.
        std::vector<int> script;
        for (int i = 0; i < 97; ++i) {
            int roll = Rand() % 100;
            script.push_back(roll < 3 + seed % 4 ? WICKET : roll % 7);
        }
        UseStandIn(match, script);
        PlayToEnd(match, 200);
        ASSERT_EQ(match.mi_playState, PLAY_MATCH_OVER);
        EXPECT_NE(match.mi_resultKind, RESULT_NONE);
        EXPECT_LT(match.mi_dayIndex, firstClass ? 4 : 1);
        EXPECT_EQ(match.mi_decision, DECISION_NONE);
        for (const Innings& innings : match.m_innings) {
            EXPECT_LE(innings.Wickets(), 10);
            if (!firstClass) {
                EXPECT_LE(innings.mi_legalBalls, 300);
            }
        }
        if (match.mi_resultKind == RESULT_WON_BATTING_LAST) {
            EXPECT_LE(match.mi_margin, 10);
        }
    }
}

TEST_F(Step, DayClockSessionsAndOversOfAFullDay) {
    for (auto& month : g_world.mv_climates[0].m_monthly) month[1] = 0;  // a dry summer: no time lost
    Match& match = StartComputerMatch(COMP_FC);
    UseStandIn(match, {0});  // nobody gets out: the day runs to its close
    match.Step();            // prepares the day
    EXPECT_EQ(match.mb_dayStarted, 1);
    std::vector<int32_t> states;
    while (match.mi_playState != PLAY_CLOSE) {
        match.Step();
        states.push_back(match.mi_playState);
    }
    EXPECT_EQ(match.mi_session, 0);
    EXPECT_EQ(match.mb_dayStarted, 0);  // cleared for the next day
    // The day's overs were bowled, then play closed at or after 18:30.
    EXPECT_LE(match.mi_oversLeftToday, 0);
    int close = match.m_clock.m_hour * 60 + match.m_clock.m_minute;
    EXPECT_GE(close, 18 * 60 + 30);
    EXPECT_LE(close, 19 * 60 + 1);
    EXPECT_GE(match.CurrentInnings().mi_legalBalls, 96 * 6);
    EXPECT_EQ(match.CurrentInnings().mi_legalBalls % 6, 0);
    ASSERT_EQ(match.mv_events.back().mi_kind, MATCH_EVENT_DAY_START);
    EXPECT_EQ(match.mv_events.back().mi_values[0], 2);  // day 2 announced
    EXPECT_EQ(CountEvents(match, MATCH_EVENT_BREAK), 3);

    // Stepped again the same evening (as the match view steps every match),
    // it neither prepares a day nor plays.
    GameDate evening = match.m_clock;
    int balls = g_standIn.m_balls;
    match.Step();
    match.Step();
    EXPECT_EQ(match.mi_playState, PLAY_CLOSE);
    EXPECT_EQ(match.mb_dayStarted, 0);
    EXPECT_EQ(match.m_clock.m_hour, evening.m_hour);
    EXPECT_EQ(g_standIn.m_balls, balls);

    // Next morning the clock is back at the start of play on the next date.
    g_cricket.m_date.NextDay();
    match.mi_playState = PLAY_IN_PLAY;
    match.Step();
    EXPECT_EQ(match.mi_dayIndex, 1);
    EXPECT_EQ(match.m_clock.m_day, 3);
    EXPECT_EQ(match.m_clock.m_hour, 11);
    EXPECT_EQ(match.mi_sessionNumber, 3);
    EXPECT_EQ(match.mi_oversLeftToday, 96);
}

TEST_F(Step, BreakIsTakenAtTheSecondLookThatFindsItDue) {
    Match& match = StartComputerMatch(COMP_FC);
    match.m_clock = ClockAt(13, 2);
    match.CheckSessionEnds();
    EXPECT_EQ(match.mi_playState, PLAY_IN_PLAY);
    EXPECT_EQ(match.mb_breakPending, 1);
    match.CheckSessionEnds();
    EXPECT_EQ(match.mi_playState, PLAY_LUNCH);
    EXPECT_EQ(match.mi_session, 1);
    EXPECT_EQ(match.mv_events.back().mi_kind, MATCH_EVENT_BREAK);
    EXPECT_EQ(match.mv_events.back().mi_values[9], BREAK_LUNCH);

    match.NextSession();
    EXPECT_EQ(match.m_clock.m_hour, 13);
    EXPECT_EQ(match.m_clock.m_minute, 40);
    EXPECT_EQ(match.mi_sessionNumber, 1);

    // A clock that jumped past the lunch hour still takes tea at its time.
    match.mi_playState = PLAY_IN_PLAY;
    match.m_clock = ClockAt(16, 5);
    match.CheckSessionEnds();
    match.CheckSessionEnds();
    EXPECT_EQ(match.mi_playState, PLAY_TEA);
    EXPECT_EQ(match.mi_session, 2);
}

TEST_F(Step, CloseOfPlayWaitsForTheOversUntilHalfAnHourPastTheClose) {
    struct Case {
        int hour, minute, oversLeft;
        bool closes;
    };
    const Case cases[] = {
        {18, 29, 0, false}, {18, 30, 0, true}, {18, 30, 3, false}, {19, 0, 3, false}, {19, 1, 3, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour * 100 + c.minute);
        Match& match = StartComputerMatch(COMP_FC);
        match.mi_session = 2;
        match.mi_oversLeftToday = c.oversLeft;
        match.m_clock = ClockAt(c.hour, c.minute);
        match.CheckSessionEnds();
        EXPECT_EQ(match.mi_playState == PLAY_CLOSE, c.closes);
    }
}

TEST_F(Step, MinutesLostToRainCostOversOnlyAfterTheFirstHour) {
    struct Case {
        int passes;
        int oversLost;
    };
    for (const Case& c : {Case{1, 0}, Case{15, 0}, Case{16, 1}, Case{20, 5}}) {
        SCOPED_TRACE(c.passes);
        Match& match = StartComputerMatch(COMP_FC);
        match.Step();  // prepares the day
        match.m_clock = ClockAt(11, 0);
        match.mi_condition = CONDITION_RAIN;
        match.mf_rainLevel = 1000.0f;
        match.SetCheckTime();
        for (int i = 0; i < c.passes; ++i) match.PlayPass();
        EXPECT_EQ(match.mi_minutesLost, 4 * c.passes);
        EXPECT_EQ(match.mi_oversLeftToday, 96 - c.oversLost);
        EXPECT_EQ(match.mi_stoppageOvers, c.oversLost);
        EXPECT_EQ(match.CurrentInnings().mi_legalBalls, 0);
    }
}

TEST_F(Step, RainAfterLunchPutsTeaBackOnce) {
    Match& match = StartComputerMatch(COMP_FC);
    match.Step();
    match.mi_session = 1;
    match.m_clock = ClockAt(14, 0);
    match.mi_condition = CONDITION_RAIN;
    match.mf_rainLevel = 1000.0f;
    match.SetCheckTime();
    for (int i = 0; i < 7; ++i) match.PlayPass();  // 28 minutes
    EXPECT_EQ(match.m_rules.m_times[TIME_TEA].m_minute, 40);
    match.PlayPass();  // 32 minutes
    EXPECT_EQ(match.m_rules.m_times[TIME_TEA].m_hour, 16);
    EXPECT_EQ(match.m_rules.m_times[TIME_TEA].m_minute, 10);
    EXPECT_EQ(match.m_rules.m_times[TIME_TEA_END].m_minute, 30);
    for (int i = 0; i < 10; ++i) match.PlayPass();
    EXPECT_EQ(match.m_rules.m_times[TIME_TEA].m_minute, 10);
}

TEST_F(Step, RainStopsPlayAndPlayResumesAfterTheInspections) {
    g_world.mv_teams[0].m_human = 1;
    Match& match = StartComputerMatch(COMP_FC);
    match.mb_team1Human = 1;
    UseStandIn(match, {0});
    match.Step();
    match.m_clock = ClockAt(11, 50);
    match.mf_rainLevel = 3.0f;
    match.PlayPass();
    EXPECT_EQ(match.mi_condition, CONDITION_RAIN);
    EXPECT_EQ(match.mi_infoBox, INFO_RAIN_STOPS_PLAY);
    EXPECT_EQ(match.mi_checkHour, 12);
    EXPECT_EQ(match.mi_checkMinute, 15);  // 11:50 + 15 falls past the hour
    int balls = g_standIn.m_balls;
    while (match.mi_condition != CONDITION_PLAY) match.PlayPass();
    EXPECT_EQ(g_standIn.m_balls, balls);
    EXPECT_EQ(match.mi_infoBox, INFO_PLAY_RESUMES);
    EXPECT_EQ(match.mb_resumed, 1);
    EXPECT_EQ(g_lostMinutes, match.mi_stoppageMinutes);
    // Dry at the 12:18 look, play back at the next look a quarter of an hour on.
    EXPECT_EQ(g_lostMinutes, 44);
    EXPECT_EQ(match.m_clock.m_hour, 12);
    EXPECT_EQ(match.m_clock.m_minute, 34);
}

TEST_F(Step, CheckTimeFifteenMinutesOn) {
    struct Case {
        int hour, minute, checkHour, checkMinute;
    };
    const Case cases[] = {
        {10, 0, 10, 15}, {10, 44, 10, 59}, {10, 45, 11, 15}, {10, 59, 11, 15}, {23, 50, 0, 15}};
    Match match;
    for (const Case& c : cases) {
        match.m_clock = ClockAt(c.hour, c.minute);
        match.SetCheckTime();
        EXPECT_EQ(match.mi_checkHour, c.checkHour);
        EXPECT_EQ(match.mi_checkMinute, c.checkMinute);
    }
}

TEST(MatchClock, HoursWrapBothWays) {
    struct Case {
        int hour, minute, second, add, hourAfter, minuteAfter, secondAfter, dayAfter;
    };
    const Case cases[] = {
        {10, 59, 50, 20, 11, 0, 10, 2},
        {10, 10, 0, -1200, 9, 50, 0, 2},
        {23, 50, 0, 900, 0, 5, 0, 3},
        {0, 5, 0, -600, 23, 55, 0, 2},
        {12, 0, 0, 0, 12, 0, 0, 2},
        // A ball's seconds: within the minute, into the next, the next hour, the next day.
        {10, 20, 10, 35, 10, 20, 45, 2},
        {10, 20, 40, 35, 10, 21, 15, 2},
        {10, 59, 40, 35, 11, 0, 15, 2},
        {23, 59, 40, 35, 0, 0, 15, 3},
    };
    for (const Case& c : cases) {
        GameDate clock = ClockAt(c.hour, c.minute);
        clock.m_second = c.second;
        clock.m_day = 2;
        clock.m_month = 5;
        AddClockSeconds(clock, c.add);
        EXPECT_EQ(clock.m_hour, c.hourAfter);
        EXPECT_EQ(clock.m_minute, c.minuteAfter);
        EXPECT_EQ(clock.m_second, c.secondAfter);
        EXPECT_EQ(clock.m_day, c.add < 0 ? 2 : c.dayAfter);
    }
}

TEST_F(Step, LimitedOversMatchPlaysBothInningsToAResult) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    // About 250 runs and seven wickets in fifty overs.
    std::vector<int> script = {1, 0, 2, 0, 4, 0, 1, 1, 0, 0, 0, 0, 1, 0, 0, 6, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    script.resize(42, 1);
    script.push_back(WICKET);
    UseStandIn(match, script);
    PlayToEnd(match);
    ASSERT_EQ(match.mi_playState, PLAY_MATCH_OVER);
    const Innings& first = match.m_innings[0];
    const Innings& second = match.m_innings[1];
    EXPECT_EQ(first.mi_legalBalls, 300);
    EXPECT_EQ(first.mb_closed, 1);
    EXPECT_EQ(second.mb_started, 1);
    EXPECT_EQ(match.m_innings[2].mb_started, 0);
    EXPECT_EQ(CountEvents(match, MATCH_EVENT_BREAK), 0);  // no sessions in a one-day match
    if (InningsTotal(second) > InningsTotal(first)) {
        EXPECT_EQ(match.mi_resultKind, RESULT_WON_BATTING_LAST);
        EXPECT_EQ(match.mi_winner, match.mi_bowlingFirst);
        EXPECT_LT(second.mi_legalBalls, 300);
    } else {
        EXPECT_NE(match.mi_resultKind, RESULT_WON_BATTING_LAST);
    }
    // Nobody bowled more than his ten overs, and nobody two overs running.
    for (const Innings* innings : {&first, &second}) {
        for (const BowlerFigures& bowler : innings->m_bowlers) EXPECT_LE(bowler.mi_balls, 60);
        for (size_t i = 1; i < innings->mv_overs.size(); ++i) {
            EXPECT_NE(innings->mv_overs[i].mi_bowler, innings->mv_overs[i - 1].mi_bowler);
        }
    }
    // The wicket keeper never bowled.
    EXPECT_EQ(first.m_bowlers[5].mi_balls, 0);
    EXPECT_GT(match.mi_runRateFigures[1] + match.mi_runRateFigures[3], 0);
}

TEST_F(Step, SlicedComputerMatchStopsWhenItHasUsedTheBudget) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    UseStandIn(match, {0}, 40);
    match.mb_sliced = 1;
    match.Step();  // prepares the day
    GameDate before = match.m_clock;
    g_sliceBudget = 120;
    match.Step();
    EXPECT_EQ(match.mi_playState, PLAY_SLICE_USED);
    EXPECT_EQ(g_standIn.m_balls, 3);
    EXPECT_EQ((match.m_clock.m_hour - before.m_hour) * 3600 +
                  (match.m_clock.m_minute - before.m_minute) * 60 + match.m_clock.m_second - before.m_second,
              120);
    match.Step();
    EXPECT_EQ(g_standIn.m_balls, 6);
}

// The user's ball ends in an animation that holds the match, as the live
// match view's does.
void PlayWatchedBall(Match& match) {
    PlayStandInBall(match);
    match.mi_decision = DECISION_INFOBOX;
}

// A computer match's ball that takes longer.
void PlayLongBall(Match& match) {
    BookStandInBall(match, 0, 40);
}

TEST_F(Step, UsersStepSetsTheBudgetTheOtherMatchesPlayTo) {
    Match& user = StartComputerMatch(COMP_FC);
    Match& other = StartComputerMatch(COMP_FC);
    user.mb_team1Human = 1;
    UseStandIn(other, {0});
    other.m_ballHook = PlayLongBall;
    other.mb_sliced = 1;
    UseStandIn(user, {0}, 30);
    user.mb_sliced = 1;
    user.m_ballHook = PlayWatchedBall;
    user.Step();
    other.Step();  // both prepare the day

    for (int press = 1; press <= 3; ++press) {
        g_sliceBudget = 0;
        user.Step();
        EXPECT_EQ(g_sliceBudget, 30);
        EXPECT_EQ(user.CurrentInnings().mi_legalBalls, press);
        user.mi_decision = DECISION_NONE;  // the animation has been played
        other.Step();
    }
    // The other match keeps pace in match time: 40-second balls against a
    // 30-second budget, one ball a step.
    EXPECT_EQ(other.CurrentInnings().mi_legalBalls, 3);
    EXPECT_EQ(user.m_clock.m_minute * 60 + user.m_clock.m_second, 90);
    EXPECT_EQ(other.m_clock.m_minute * 60 + other.m_clock.m_second, 120);
}

TEST_F(Step, NoBallWhileADecisionIsOpenOrTheSideMustChooseItsPlans) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    UseStandIn(match, {0});
    match.Step();
    match.mi_decision = DECISION_INFOBOX;
    match.Step();
    EXPECT_EQ(g_standIn.m_balls, 0);

    // A human fielding side whose plans break the fielding restrictions waits.
    match.mi_decision = DECISION_NONE;
    MakeFieldingSideHuman(match);
    match.Step();
    EXPECT_EQ(match.mb_wait, 1);
    EXPECT_EQ(g_standIn.m_balls, 0);
}

TEST_F(Step, HumanFieldingSideMustReplaceABowlerAtHisLimit) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    UseStandIn(match, {0});
    match.Step();
    Innings& innings = match.CurrentInnings();
    MakeFieldingSideHuman(match);
    g_world.mv_pacePlans.resize(6);
    g_world.mv_spinPlans.resize(6);
    for (BowlPlan& plan : g_world.mv_pacePlans) plan.m_manyInField = 1;
    for (BowlPlan& plan : g_world.mv_spinPlans) plan.m_manyInField = 1;
    innings.m_bowlers[match.mi_bowler].mi_balls = 60;
    match.Step();
    EXPECT_EQ(match.mi_decision, DECISION_BOWLER1_LIMIT);
    EXPECT_EQ(g_standIn.m_balls, 0);
    EXPECT_FALSE(match.SetBowler(5));  // the wicket keeper
    EXPECT_FALSE(match.SetBowler(match.mi_bowler));
    EXPECT_TRUE(match.SetBowler(7));
    match.Step();
    EXPECT_GT(innings.m_bowlers[7].mi_balls, 0);
    EXPECT_LE(innings.m_bowlers[7].mi_balls, 60);
}

TEST_F(Step, RainInALimitedOversMatchOnlyFromAPresetLevelAndDecidedLateOnRate) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    for (int i = 0; i < 20000; ++i) match.RainModel();
    EXPECT_EQ(match.mf_rainLevel, 0.0f);

    struct Case {
        int firstRuns, firstBalls, secondRuns, secondBalls;
        int32_t kind, margin;
        bool secondWins;
    };
    const Case cases[] = {
        {250, 300, 0, 0, RESULT_NO_RESULT, 0, false},
        {250, 300, 100, 120, RESULT_WON_BATTING_LAST, MARGIN_RUN_RATE, true},  // 5 an over each
        {250, 300, 90, 120, RESULT_WON_BOWLING_LAST, MARGIN_RUN_RATE, false},  // 4 against 5
        {250, 300, 30, 5, RESULT_NO_RESULT, 0, false},                         // no complete over
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.secondRuns);
        BuildWorld();
        Match& m = StartComputerMatch(COMP_ONE_DAY);
        m.mb_dayStarted = 1;
        m.m_innings[0].m_batsmen[0].mi_scored[1] = c.firstRuns;
        m.m_innings[0].Recount();
        m.m_innings[0].mi_legalBalls = c.firstBalls;
        if (c.secondBalls > 0) {
            m.StartInnings(1);
            m.m_innings[1].m_batsmen[0].mi_scored[1] = c.secondRuns;
            m.m_innings[1].Recount();
            m.m_innings[1].mi_legalBalls = c.secondBalls;
        }
        m.mi_playState = PLAY_IN_PLAY;
        m.mb_sliced = 0;
        m.m_clock = ClockAt(22, 58);
        m.mf_rainLevel = 50.0f;
        m.Step();
        EXPECT_EQ(m.mi_playState, PLAY_MATCH_OVER);
        EXPECT_EQ(m.mi_resultKind, c.kind);
        EXPECT_EQ(m.mi_margin, c.margin);
        if (c.kind != RESULT_NO_RESULT) {
            EXPECT_EQ(m.mi_winner, c.secondWins ? m.mi_bowlingFirst : m.mi_battingFirst);
        }
    }
}

TEST_F(Step, ProgressPercentNeverDividesByZero) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    match.mi_length = 0;
    EXPECT_EQ(match.ProgressPercent(), 0);
    Match& fc = StartComputerMatch(COMP_FC);
    fc.m_rules.m_oversForDay = 0;
    fc.mi_length = 0;
    fc.mi_dayIndex = 2;
    EXPECT_GE(fc.ProgressPercent(), 0);
    fc.mi_length = 4;
    fc.m_rules.m_oversForDay = 96;
    fc.mi_oversLeftToday = 48;
    fc.mi_dayIndex = 1;
    EXPECT_EQ(fc.ProgressPercent(), 25 + 12);
}

TEST_F(Step, DecidedMatchNeverPlaysOn) {
    Match& match = StartComputerMatch(COMP_ONE_DAY);
    UseStandIn(match, {1});
    match.mb_dayStarted = 1;
    match.SetResult(HOME, AWAY, RESULT_WON_BOWLING_LAST, 10);
    match.mi_playState = PLAY_IN_PLAY;  // as a custom league resets it
    match.Step();
    EXPECT_EQ(match.mi_playState, PLAY_MATCH_OVER);
    EXPECT_EQ(g_standIn.m_balls, 0);
}

}  // namespace
}  // namespace ravel
