#include "season/CustomLeague.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "match/Conditions.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Results.h"
#include "season/Schedule.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

namespace {

int32_t s_leagueId = 0;

}  // namespace

bool CustomLeagueChoice::Add(int32_t sideId) {
    const Team* team = sideId >= FIRST_CLUB_ID ? TeamById(sideId) : nullptr;
    if (!team || mv_sides.size() >= static_cast<size_t>(CUSTOM_LEAGUE_SIDES)) return false;
    if (std::find(mv_sides.begin(), mv_sides.end(), sideId) != mv_sides.end()) return false;
    mv_sides.push_back(sideId);
    return true;
}

bool CustomLeagueChoice::Remove(int32_t sideId) {
    return std::erase(mv_sides, sideId) > 0;
}

int32_t FreeCustomLeagueId() {
    for (int32_t id = COMP_TEST_CHAMPIONSHIP - 1; id > 0; --id) {
        const Competition* c = CompetitionById(id);
        if (!c) return id;
    }
    return 0;
}

Competition* CustomLeague() {
    return s_leagueId > 0 ? CompetitionById(s_leagueId) : nullptr;
}

int32_t CreateCustomLeague(const std::vector<int32_t>& sides) {
    // One league per run: a second one replaces the first and its fixtures to come.
    if (const Competition* old = CustomLeague()) {
        const int32_t id = old->m_id;
        std::erase_if(g_world.mv_competitions, [id](const Competition& c) { return c.m_id == id; });
        std::erase_if(g_world.mv_fixtures, [id](const Fixture& f) {
            return f.m_competition == id && f.m_state == FIXTURE_SCHEDULED;
        });
    }
    Competition league;
    league.m_id = FreeCustomLeagueId();
    std::snprintf(league.m_name, sizeof league.m_name, "Custom League");
    std::snprintf(league.m_shortName, sizeof league.m_shortName, "CL");
    league.m_kind = COMP_LEAGUE;
    league.m_format = FORMAT_TWENTY;
    league.m_length = CUSTOM_LEAGUE_OVERS;
    // Two points for a win, one for a tie or no result, as the world's
    // twenty-over leagues, and their playing conditions.
    const int32_t points[POINTS_RULES] = {2, 1, 1, 0};
    std::copy(std::begin(points), std::end(points), league.m_points);
    for (const Competition& c : g_world.mv_competitions)
        if (c.m_format == FORMAT_TWENTY && !c.mv_conditions.empty()) {
            league.mv_conditions = c.mv_conditions;
            break;
        }
    league.mv_teams = sides;
    const int n = static_cast<int>(sides.size());
    // Round r on day r + 1, so the results list in the order they are played.
    for (int r = 0; r < n; ++r) league.mv_rounds.push_back({r, league.m_id, r + 1});
    s_leagueId = league.m_id;
    g_world.mv_competitions.push_back(league);
    StartLeagueSeason(g_world.mv_competitions.back());
    return s_leagueId;
}

bool ResumeCustomGameMatch(Match& match) {
    if (match.mi_playState != PLAY_CLOSE) return false;
    g_cricket.m_date.NextDay();
    match.mi_playState = PLAY_IN_PLAY;
    match.mi_resumeState = PLAY_IN_PLAY;
    return true;
}

Match* CreateCustomGameMatch(int32_t fixtureId, int& position) {
    Fixture* fixture = FixtureById(fixtureId);
    if (!fixture) return nullptr;
    g_cricket.m_climateMonth = fixture->m_date.m_month - 1;
    for (Climate& climate : g_world.mv_climates) AdvanceForecast(climate);
    CreateMatchForFixture(fixtureId);
    fixture = FixtureById(fixtureId);
    Match* match = MatchById(fixture->m_match);
    if (!match) return nullptr;
    // Played or given up, it is not played again.
    fixture->m_state = FIXTURE_IN_PROGRESS;
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        if (g_currentMatches[i].get() != match) continue;
        position = static_cast<int>(i);
        return match;
    }
    return nullptr;
}

CustomMatchResult PlayNextCustomLeagueMatch() {
    Competition* league = CustomLeague();
    if (!league) return CustomMatchResult::NONE_LEFT;
    const auto next =
        std::find_if(g_world.mv_fixtures.begin(), g_world.mv_fixtures.end(), [league](const Fixture& f) {
            return f.m_competition == league->m_id && f.m_state == FIXTURE_SCHEDULED;
        });
    if (next == g_world.mv_fixtures.end()) return CustomMatchResult::NONE_LEFT;
    int position = 0;
    Match* match = CreateCustomGameMatch(next->m_id, position);
    if (!match) return CustomMatchResult::ABANDONED;
    match->mb_team1Human = match->mb_team2Human = match->mb_humanMatch = 0;
    for (int n = 0; match->mi_playState != PLAY_MATCH_OVER; ++n) {
        if (n == CUSTOM_MATCH_STEP_LIMIT) {
            DebugLog("Custom league match %d did not end; it is dropped", match->mi_id);
            g_currentMatches.erase(g_currentMatches.begin() + position);
            return CustomMatchResult::ABANDONED;
        }
        if (match->mi_playState == PLAY_CLOSE) match->mi_playState = match->mi_resumeState = PLAY_IN_PLAY;
        match->Step();
    }
    RecordResult(*league, OutcomeOf(*match));
    // The fixture stays "in progress": its row comes from the completed match.
    RetireMatch(position);
    return CustomMatchResult::PLAYED;
}

void ResetCustomLeague() {
    s_leagueId = 0;
}

}  // namespace ravel
