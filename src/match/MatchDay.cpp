#include "match/MatchDay.h"

#include <algorithm>
#include <array>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "world/Services.h"

namespace ravel {

namespace {

// A match that has not reached close of play after this many steps is stuck.
constexpr int STEP_LIMIT = 2000000;

bool StoppedForTheDay(const Match& match) {
    return match.mi_playState == PLAY_CLOSE || match.mi_playState == PLAY_MATCH_OVER;
}

// Played through rather than against the budget, then back in the slices;
// the next day is prepared afresh.
void PlayThrough(Match& match, int position) {
    match.mb_sliced = 0;
    if (!StoppedForTheDay(match)) match.mi_playState = PLAY_IN_PLAY;
    PlayToCloseOfPlay(match, position);
    match.mb_sliced = 1;
    match.mb_dayStarted = 0;
}

}  // namespace

bool PlayToCloseOfPlay(Match& match, int position) {
    g_steppedMatch = position;
    for (int n = 0; !StoppedForTheDay(match); ++n) {
        if (n == STEP_LIMIT) {
            DebugLog("Match %d stuck in play state %d", match.mi_id, match.mi_playState);
            return false;
        }
        match.Step();
    }
    return true;
}

void StepComputerMatches(bool topPerformers) {
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        Match& match = *g_currentMatches[i];
        match.mb_stepped = 1;
        if (!match.HasHumanSide()) {
            g_steppedMatch = static_cast<int>(i);
            match.Step();
        }
        if (!topPerformers) continue;
        for (Innings& innings : match.m_innings) {
            if (innings.mb_started) innings.FindTopPerformers();
        }
    }
}

void PlayComputerMatchesToClose() {
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        Match& match = *g_currentMatches[i];
        if (!match.HasHumanSide()) PlayThrough(match, static_cast<int>(i));
    }
}

void AutoplayMatch(Match& match) {
    const int position = FindCurrentMatchIndex(match.mi_id);
    // The assistant plays as the computer's captains do; the user's own
    // aggression and bowling plans are his again afterwards.
    const std::array<MatchTeam, 2> own = {match.m_team1, match.m_team2};
    match.mb_team1Human = 0;
    match.mb_team2Human = 0;
    match.AnswerForComputer();

    match.mb_sliced = 0;
    PlayToCloseOfPlay(match, position);
    match.mb_dayStarted = 0;
    match.ReadHumanSides();
    match.mb_sliced = 1;
    for (int k = 0; k < 2; ++k) {
        if (!(k == 0 ? match.mb_team1Human : match.mb_team2Human)) continue;
        MatchTeam& side = k == 0 ? match.m_team1 : match.m_team2;
        for (int slot = 0; slot < SQUAD_SIZE; ++slot) {
            MatchPlayer& player = side.m_players[slot];
            const MatchPlayer& chosen = own[k].m_players[slot];
            player.mf_aggression = chosen.mf_aggression;
            player.mi_aggression = chosen.mi_aggression;
            player.mi_bowlPlan = chosen.mi_bowlPlan;
            player.mb_attacking = chosen.mb_attacking;
        }
    }
    ForgetAnnouncements(match);
}

void ForgetAnnouncements(Match& match) {
    constexpr int STEP = 50;
    constexpr int LAST_BATTING_MILESTONE = 500;
    for (Innings& innings : match.m_innings) {
        for (BatsmanFigures& batsman : innings.m_batsmen) {
            const int runs = BatsmanRuns(batsman);
            if (runs < STEP) continue;
            const int announced = std::min(runs / STEP * STEP, LAST_BATTING_MILESTONE);
            batsman.mi_viewMilestone = std::max(batsman.mi_viewMilestone, announced + STEP);
        }
        for (Partnership& partnership : innings.m_partnerships) {
            for (int step = 0; step < PARTNERSHIP_STEPS; ++step) {
                if (partnership.mb_reached[step] && partnership.mi_viewMilestone == STEP * step)
                    partnership.mi_viewMilestone = STEP * (step + 1);
            }
        }
    }
    for (uint8_t* flag : {&match.mb_lunchMessage, &match.mb_teaMessage, &match.mb_closeMessage,
                          &match.mb_fallOfWicket, &match.mb_declared, &match.mb_followOnEnforced,
                          &match.mb_followOnQuestion, &match.mb_newBallTaken, &match.mb_fieldRestrictions}) {
        *flag = 0;
    }
    match.mi_infoBox = 0;
}

bool HumanMatchInPlay() {
    return std::any_of(g_currentMatches.begin(), g_currentMatches.end(),
                       [](const auto& match) { return match->HasHumanSide() && !StoppedForTheDay(*match); });
}

}  // namespace ravel
