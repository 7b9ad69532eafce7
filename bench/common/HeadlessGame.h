// A user's career played headless as a player would play it in the window:
// a coach in a club job who answers no letters, lets the computer pick his
// eleven when it is incomplete, wins or loses the toss and lets the
// assistant play his match to close of play each day (AutoplayMatch, which
// records every ball's animation as the match view does).
#pragma once

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "match/Match.h"
#include "match/MatchDay.h"
#include "match/MatchLists.h"
#include "match/MatchServices.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "season/GameState.h"
#include "season/News.h"
#include "season/Selection.h"
#include "world/World.h"

namespace headless {

using namespace ravel;

// Bytes the allocator has handed out and not had back.
inline size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The process's resident set (VmRSS of /proc/self/status), in kB.
inline long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// The first club whose season is the one the game opens on; 0 for none.
inline int32_t FirstClubInSeason() {
    for (const Team& t : g_world.mv_teams)
        if (t.m_id >= FIRST_CLUB_ID && !CareerOpensWithAutoSimulation(t.m_id)) return t.m_id;
    return 0;
}

// A new career (the world loaded already) with the user coaching the club.
inline bool BeginClubCareer(int32_t club) {
    PrepareNewCareer();
    NewCoachRequest request;
    request.m_sideId = club;
    if (!BeginCareer(request)) return false;
    g_cricket.m_autoSimulate = false;
    return true;
}

// Whether the user's club has a match going on or due today.
inline bool UserClubPlaysToday(int32_t club) {
    for (const auto& m : g_currentMatches)
        if (m->mi_team1 == club || m->mi_team2 == club) return true;
    for (const Fixture& f : g_world.mv_fixtures)
        if (f.m_date.SameDay(g_cricket.m_date) && (f.m_home == club || f.m_away == club)) return true;
    return false;
}

// What the match screens do with the user's match: the toss on the pre-match
// screen, then the assistant plays the day and the user's day ends.
inline void PlayUsersDay() {
    if (g_userMatch < 0 || g_userMatch >= static_cast<int>(g_currentMatches.size())) return;
    Match& match = *g_currentMatches[static_cast<size_t>(g_userMatch)];
    if (!(match.mi_tossWinner >= 1 && match.mi_tossChoice > 0 && match.mi_battingFirst != 0)) {
        match.DecideToss();
        if (match.SideIsHuman(match.mi_tossWinner) && match.mi_tossChoice < 1) {
            match.mi_tossChoice = 1;  // bat
            match.DecideToss();
        }
    }
    AutoplayMatch(match);
    if (HumanMatchInPlay()) {
        g_cricket.m_dayPhase = DAY_PHASE_HUMAN_PLAYS;
        return;
    }
    PlayComputerMatchesToClose();
    SetScoreboardDate(g_cricket.m_date);
    HandOverUserMatchEnd(true);
}

// Every letter waiting for an answer is declined (or, offering no refusal,
// accepted) so that the day can start.
inline void AnswerLetters() {
    if (g_userCoaches.empty()) return;
    for (InboxMessage& m : g_userCoaches[0].mv_inbox) {
        if (!m.m_needsAnswer || m.m_handled) continue;
        if (m.m_negativeOffered)
            m.Decline();
        else if (m.m_positiveOffered)
            m.Accept();
        m.m_handled = 1;
    }
}

// One game day, Continue after Continue; false when the day did not end.
inline bool PlayDay() {
    const GameDate start = g_cricket.m_date;
    for (int step = 0; step < 200; ++step) {
        if (!g_cricket.m_date.SameDay(start)) return true;
        AnswerLetters();
        if (g_cricket.m_dayPhase == DAY_PHASE_CHECK_XI && !g_humanSidesToday.empty()) {
            const int32_t side = g_humanSidesToday.front();
            if (Team* t = TeamById(side)) StoreSelection(ChooseXI(side, false, false, 0), t->m_xi);
        }
        if (g_cricket.m_dayPhase == DAY_PHASE_MATCH_PLAYING)
            PlayUsersDay();
        else
            AdvanceDay();
    }
    return false;
}

}  // namespace headless
