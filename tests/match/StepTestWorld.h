// A small world for the clock, session and result tests: two club sides with
// fifteen players each, a ground and its climate, a first-class and a one-day
// competition; and a stand-in ball that books a scripted outcome in place of
// the real one.
#pragma once

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/GameState.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel::test {

inline constexpr int HOME = 1001;
inline constexpr int AWAY = 1002;
inline constexpr int GROUND = 7;
inline constexpr int CLIMATE = 3;
inline constexpr int COMP_FC = 1;       // four days
inline constexpr int COMP_ONE_DAY = 2;  // 50 overs, ten per bowler

inline GameDate ClockAt(int hour, int minute) {
    GameDate time{};
    time.m_hour = hour;
    time.m_minute = minute;
    return time;
}

inline PlayingConditions DayRules(int competition, int day, int overs, int maxOvers) {
    PlayingConditions rules;
    rules.m_competition = competition;
    rules.m_day = day;
    rules.m_times[TIME_START] = ClockAt(11, 0);
    rules.m_times[TIME_LUNCH] = ClockAt(13, 0);
    rules.m_times[TIME_LUNCH_END] = ClockAt(13, 40);
    rules.m_times[TIME_TEA] = ClockAt(15, 40);
    rules.m_times[TIME_TEA_END] = ClockAt(16, 0);
    rules.m_times[TIME_CLOSE] = ClockAt(18, 30);
    rules.m_oversForDay = overs;
    rules.m_maxOversPerBowler = maxOvers;
    rules.m_newBallOvers = competition == COMP_FC ? 80 : 0;
    return rules;
}

inline Player MakePlayer(int id, int position) {
    Player player;
    player.m_id = id;
    std::snprintf(player.m_surname, sizeof(player.m_surname), "Player%d", id);
    player.m_batPosition = position;
    for (int& skill : player.m_batSkill) skill = 70 - 4 * position;
    player.m_bowlType = position >= 7 ? 1 + (position % 6) : 0;
    for (int& skill : player.m_bowlSkill) skill = position >= 7 ? 60 + position : 20;
    player.m_keeper = position == 6 ? 1 : 0;
    return player;
}

// Players 1..15 belong to the home side, 16..30 to the away side; player 0
// is nobody's.
inline void BuildWorld() {
    ResetGameState();
    SeedRand(11);
    g_cricket.m_date.m_day = 2;
    g_cricket.m_date.m_month = 5;
    g_cricket.m_date.m_year = 2006;
    g_cricket.m_date.m_season = 362;

    g_world.mv_players.push_back(MakePlayer(0, 11));
    for (int id = 1; id <= 30; ++id) g_world.mv_players.push_back(MakePlayer(id, (id - 1) % 15 + 1));

    for (int side = 0; side < 2; ++side) {
        Team team;
        team.m_id = side == 0 ? HOME : AWAY;
        std::snprintf(team.m_name, sizeof(team.m_name), "%s", side == 0 ? "Northfield" : "Southdown");
        std::snprintf(team.m_shortName, sizeof(team.m_shortName), "%s", side == 0 ? "NOR" : "SOU");
        team.m_ground = GROUND;
        for (int i = 0; i < 15; ++i) team.m_squad[i] = side * 15 + i + 1;
        for (int i = 0; i < 11; ++i) team.m_xi[i] = side * 15 + i + 1;
        team.m_xi[XI_KEEPER] = side * 15 + 6;
        team.m_xi[XI_CAPTAIN] = side * 15 + 1;
        team.m_xi[XI_OPEN_BOWLER1] = side * 15 + 10;
        team.m_xi[XI_OPEN_BOWLER2] = side * 15 + 11;
        g_world.mv_teams.push_back(team);
    }

    Climate climate;
    climate.m_id = CLIMATE;
    const int thresholds[6] = {20, 40, 60, 80, 95, 2};
    std::copy(thresholds, thresholds + 6, climate.m_thresholds);
    for (auto& month : climate.m_monthly) {
        month[0] = 18;
        month[1] = 12;
    }
    climate.mv_outlook = {30, 50, 70, 90, 10, 20, 40};
    g_world.mv_climates.push_back(climate);

    Ground ground;
    ground.m_id = GROUND;
    ground.m_climate = CLIMATE;
    ground.m_bounce = 5.0f;
    ground.m_turn = 5.0f;
    g_world.mv_grounds.push_back(ground);

    Competition firstClass;
    firstClass.m_id = COMP_FC;
    firstClass.m_format = FORMAT_FIRST_CLASS;
    firstClass.m_length = 4;
    for (int day = 0; day < 4; ++day) firstClass.mv_conditions.push_back(DayRules(COMP_FC, day, 96, 0));
    g_world.mv_competitions.push_back(firstClass);

    Competition oneDay;
    oneDay.m_id = COMP_ONE_DAY;
    oneDay.m_format = FORMAT_LIST_A;
    oneDay.m_length = 50;
    oneDay.mv_conditions.push_back(DayRules(COMP_ONE_DAY, 0, 50, 10));
    g_world.mv_competitions.push_back(oneDay);
}

inline std::array<int32_t, SQUAD_SIZE> Eleven(int firstId) {
    std::array<int32_t, SQUAD_SIZE> players{};
    for (int i = 0; i < SQUAD_SIZE; ++i) players[i] = firstId + i;
    return players;
}

// Hands the side fielding in the current innings to the user.
inline void MakeFieldingSideHuman(Match& match) {
    (match.CurrentInnings().mi_bowlingTeam == HOME ? match.mb_team1Human : match.mb_team2Human) = 1;
}

// A match between the two sides, set up and started without a human side,
// home side batting first unless asked otherwise.
inline Match& StartComputerMatch(int competition, bool homeBats = true) {
    auto match = std::make_unique<Match>();
    match->Setup(NextMatchId(), competition, GROUND, HOME, AWAY, 2, 5, 2006, 0);
    match->RegisterSquads(1, Eleven(1), 0, 5, 9, 10);
    match->RegisterSquads(2, Eleven(16), 0, 5, 9, 10);
    match->Start();
    if (match->mi_battingFirst != (homeBats ? HOME : AWAY)) {
        // Redo the toss the way the test wants it; the first innings opens afresh.
        match->mi_tossWinner = HOME;
        match->mi_tossChoice = homeBats ? 1 : 2;
        match->SetBattingOrderOfSides();
        match->mv_events.clear();
        match->SetUpInnings();
    }
    g_currentMatches.push_back(std::move(match));
    return *g_currentMatches.back();
}

// The stand-in ball: each ball takes the next code of a repeating script,
// runs 0..6, or WICKET for the striker bowled.
inline constexpr int WICKET = -1;

struct StandInBall {
    std::vector<int> mv_script{1};
    size_t m_next = 0;
    int m_seconds = 40;
    int m_balls = 0;
};

inline StandInBall g_standIn;

inline void BookStandInBall(Match& match, int code, int seconds) {
    Innings& innings = match.CurrentInnings();
    BatsmanFigures& striker = innings.m_batsmen[match.mi_striker];
    BowlerFigures& bowler = innings.m_bowlers[match.mi_bowler];
    ++innings.mi_legalBalls;
    ++bowler.mi_balls;
    ++bowler.mi_spellBalls;
    match.mi_secondsUsed += seconds;
    ++match.CurrentSession().mi_balls;
    if (code == WICKET) {
        ++striker.mi_scored[0];
        striker.mi_howOut = 1;
        ++innings.mi_wickets;
        striker.mi_bowler = match.mi_bowler;
        ++bowler.mi_wickets;
        ++match.CurrentSession().mi_wickets;
        match.mi_lastOut = match.mi_striker;
        int next = std::max(match.mi_batsman1, match.mi_batsman2) + 1;
        if (next < SQUAD_SIZE) {
            innings.m_batsmen[next].mi_howOut = -1;
            if (match.mi_striker == match.mi_batsman1) {
                match.mi_batsman1 = next;
            } else {
                match.mi_batsman2 = next;
            }
            match.mi_striker = next;
            innings.m_partnerships[innings.Wickets()].Begin(innings.m_batsmen[match.mi_batsman1].mi_player,
                                                            innings.m_batsmen[match.mi_batsman2].mi_player);
        }
        return;
    }
    ++striker.mi_scored[code];
    innings.mi_total += code;
    bowler.mi_runs += code;
    match.CurrentSession().mi_runs += code;
    if (code % 2 == 1)
        match.mi_striker = match.mi_striker == match.mi_batsman1 ? match.mi_batsman2 : match.mi_batsman1;
}

inline void PlayStandInBall(Match& match) {
    int code = g_standIn.mv_script[g_standIn.m_next % g_standIn.mv_script.size()];
    ++g_standIn.m_next;
    ++g_standIn.m_balls;
    BookStandInBall(match, code, g_standIn.m_seconds);
}

// Plays the match with the stand-in ball, played through (not sliced).
inline void UseStandIn(Match& match, std::vector<int> script, int seconds = 40) {
    g_standIn = StandInBall{};
    g_standIn.mv_script = std::move(script);
    g_standIn.m_seconds = seconds;
    match.m_ballHook = PlayStandInBall;
    match.mb_sliced = 0;
}

// Plays a match the way the day machine does: step to close of play or the
// end, and start each next day with the world's date moved on. Returns the
// play states in the order they came.
inline std::vector<int32_t> PlayToEnd(Match& match, int maxSteps = 100000) {
    std::vector<int32_t> states;
    for (int step = 0; step < maxSteps && match.mi_playState != PLAY_MATCH_OVER; ++step) {
        match.Step();
        if (states.empty() || states.back() != match.mi_playState) states.push_back(match.mi_playState);
        if (match.mi_playState == PLAY_CLOSE) {
            g_cricket.m_date.NextDay();
            match.mi_playState = PLAY_IN_PLAY;
        }
    }
    return states;
}

}  // namespace ravel::test
