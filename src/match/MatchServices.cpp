#include "match/MatchServices.h"

#include "match/Match.h"
#include "match/MatchLists.h"
#include "world/World.h"

namespace ravel {

int32_t g_sliceBudget = 0;
int32_t g_lostMinutes = 0;
int32_t g_lostOvers = 0;
int32_t g_steppedMatch = 0;
int32_t g_userMatch = -1;
PublishedBall g_ballState;
bool g_showScorecard = true;

namespace {

CMatchScreenServices g_plainServices;
CMatchScreenServices* g_services = &g_plainServices;

bool IsToday(const GameDate& date) {
    return date.SameDay(g_cricket.m_date);
}

bool SideIsHuman(int32_t sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team && team->m_human;
    }
    const Country* country = CountryById(sideId);
    return country && country->m_human;
}

}  // namespace

bool CMatchScreenServices::HumanPlaysToday() {
    for (const Fixture& fixture : g_world.mv_fixtures) {
        if (IsToday(fixture.m_date) && (SideIsHuman(fixture.m_home) || SideIsHuman(fixture.m_away)))
            return true;
    }
    for (const auto& match : g_currentMatches) {
        if (match && match->mi_playState != PLAY_MATCH_OVER && match->HasHumanSide()) return true;
    }
    return false;
}

int CMatchScreenServices::CountTodaysFixtures() {
    int count = 0;
    for (const Fixture& fixture : g_world.mv_fixtures) {
        if (IsToday(fixture.m_date)) ++count;
    }
    return count;
}

int CMatchScreenServices::CountTodaysResults() {
    return static_cast<int>(g_currentMatches.size());
}

void CMatchScreenServices::SetScoreboardDate(const GameDate& date) {
    m_scoreboardDate.m_day = date.m_day;
    m_scoreboardDate.m_month = date.m_month;
    m_scoreboardDate.m_year = date.m_year;
}

Match* UserMatch() {
    if (g_userMatch < 0 || static_cast<size_t>(g_userMatch) >= g_currentMatches.size()) return nullptr;
    return g_currentMatches[g_userMatch].get();
}

void InstallMatchScreenServices(CMatchScreenServices* services) {
    g_services = services ? services : &g_plainServices;
}

CMatchScreenServices& MatchScreens() {
    return *g_services;
}

void StartBallAnimation(Match& match, BallAnimScript* script) {
    if (script) g_services->StartBallAnimation(match, script);
}

bool HumanPlaysToday() {
    return g_services->HumanPlaysToday();
}

int CountTodaysFixtures() {
    return g_services->CountTodaysFixtures();
}

int CountTodaysResults() {
    return g_services->CountTodaysResults();
}

void SetScoreboardDate(const GameDate& date) {
    g_services->SetScoreboardDate(date);
}

void HandOverUserMatchEnd(bool showScorecard) {
    g_showScorecard = showScorecard;
    g_cricket.m_dayPhase = DAY_PHASE_USER_MATCH_ENDED;
}

}  // namespace ravel
