#include "match/MatchLists.h"

#include <algorithm>

#include "match/Match.h"
#include "match/MatchServices.h"
#include "world/World.h"

namespace ravel {

std::vector<std::unique_ptr<Match>> g_currentMatches;
std::vector<std::unique_ptr<Match>> g_completedMatches;

namespace {

int32_t g_lastMatchId = 0;  // ids start at 1: a fixture's 0 means no match

int FindIn(const std::vector<std::unique_ptr<Match>>& list, int32_t matchId) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i] && list[i]->mi_id == matchId) return static_cast<int>(i);
    }
    return 0;
}

Match* ExactIn(const std::vector<std::unique_ptr<Match>>& list, int32_t matchId) {
    for (const auto& match : list) {
        if (match && match->mi_id == matchId) return match.get();
    }
    return nullptr;
}

}  // namespace

int FindCurrentMatchIndex(int32_t matchId) {
    return FindIn(g_currentMatches, matchId);
}

int FindCompletedMatchIndex(int32_t matchId) {
    return FindIn(g_completedMatches, matchId);
}

Match* MatchById(int32_t matchId) {
    if (Match* match = ExactIn(g_currentMatches, matchId)) return match;
    return ExactIn(g_completedMatches, matchId);
}

int32_t NextMatchId() {
    // Never below the count of both lists, so ids set by hand in older code
    // paths are not reused either.
    auto listed = static_cast<int32_t>(g_currentMatches.size() + g_completedMatches.size());
    g_lastMatchId = std::max(g_lastMatchId + 1, listed + 1);
    return g_lastMatchId;
}

void RetireMatch(int position) {
    if (position < 0 || position >= static_cast<int>(g_currentMatches.size())) return;
    g_completedMatches.push_back(std::move(g_currentMatches[position]));
    g_currentMatches.erase(g_currentMatches.begin() + position);
    if (g_userMatch == position)
        g_userMatch = -1;
    else if (g_userMatch > position)
        --g_userMatch;
}

void ClearCompletedMatches() {
    g_completedMatches.clear();
}

void ResetMatchLists() {
    g_currentMatches.clear();
    g_completedMatches.clear();
    g_lastMatchId = 0;
    g_userMatch = -1;
}

namespace {

bool IsToday(const GameDate& date) {
    return date.SameDay(g_cricket.m_date);
}

bool SideIsHuman(int32_t sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team && team->m_id == sideId && team->m_human;
    }
    const Country* country = CountryById(sideId);
    return country && country->m_id == sideId && country->m_human;
}

}  // namespace

bool HumanPlaysToday() {
    for (const Fixture& fixture : g_world.mv_fixtures) {
        if (IsToday(fixture.m_date) && (SideIsHuman(fixture.m_home) || SideIsHuman(fixture.m_away)))
            return true;
    }
    for (const auto& match : g_currentMatches) {
        if (match && match->mi_playState != PLAY_MATCH_OVER && match->HasHumanSide()) return true;
    }
    return false;
}

int CountTodaysFixtures() {
    int count = 0;
    for (const Fixture& fixture : g_world.mv_fixtures) {
        if (IsToday(fixture.m_date)) ++count;
    }
    return count;
}

int CountTodaysResults() {
    return static_cast<int>(g_currentMatches.size());
}

}  // namespace ravel
