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
    return -1;
}

Match* ExactIn(const std::vector<std::unique_ptr<Match>>& list, int32_t matchId) {
    const int position = FindIn(list, matchId);
    return position < 0 ? nullptr : list[static_cast<size_t>(position)].get();
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
    if (g_currentMatches[position]) g_currentMatches[position]->ReleaseBalls();
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

}  // namespace ravel
