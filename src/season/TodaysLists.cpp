#include "season/TodaysLists.h"

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/DayMachine.h"
#include "season/News.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

TodaysLists g_todaysLists;

namespace {

const StaffMember* CurrentCoach() {
    const UserCoach* profile = CurrentProfile();
    return profile ? &profile->m_staff : nullptr;
}

int32_t UserClub() {
    const StaffMember* coach = CurrentCoach();
    return coach && coach->m_clubJob >= 1 ? coach->m_clubJob : 0;
}

int32_t UserNation() {
    const StaffMember* coach = CurrentCoach();
    return coach && coach->m_nationalJob >= 1 ? coach->m_nationalJob : 0;
}

// A club's country, a country's own id; 0 for an unknown side.
int32_t SideCountry(int32_t sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team ? team->m_country : 0;
    }
    const Country* country = CountryById(sideId);
    return country ? sideId : 0;
}

bool IsTourMatch(int32_t competition) {
    return competition >= COMP_TOUR_THREE_DAY && competition <= COMP_TOUR_FOUR_DAY;
}

bool IsTournament(int32_t competition) {
    return competition >= COMP_FIRST_TOURNAMENT && competition <= COMP_LAST_TOURNAMENT;
}

// 500, 501 and the tour series from 600.
bool IsSeries(int32_t competition) {
    return competition == COMP_TEST_CHAMPIONSHIP || competition == COMP_ODI_CHAMPIONSHIP ||
           competition >= FIRST_TOUR_SERIES_ID;
}

bool InCountry(int32_t groundId, int32_t filter) {
    const Country* country = CountryAt(filter - 1);
    const Ground* ground = GroundById(groundId);
    return country && ground && ground->m_country == country->m_id;
}

// The competition's first side, and its places 49, 57 and 61 where the list
// reaches them.
bool CompetitionIsLocal(int32_t competitionId, int32_t userCountry, bool withLaterPlaces) {
    const Competition* competition = CompetitionById(competitionId);
    if (!competition || competition->mv_teams.empty()) return false;
    const std::vector<int32_t>& sides = competition->mv_teams;
    if (SideCountry(sides[0]) == userCountry) return true;
    if (!withLaterPlaces) return false;
    for (size_t place : {49u, 57u, 61u}) {
        if (place < sides.size() && sides[place] != -1 && SideCountry(sides[place]) == userCountry)
            return true;
    }
    return false;
}

bool LocalFixture(int32_t competition, int32_t home, int32_t away) {
    const int32_t country = UserCountry();
    if (IsSeries(competition) || IsTournament(competition)) return true;
    if (IsTourMatch(competition) && (SideCountry(home) == country || SideIsHumanRun(away))) return true;
    return CompetitionIsLocal(competition, country, true);
}

bool LocalMatchInProgress(const Match& match) {
    if (IsSeries(match.mi_competition)) return true;
    if (IsTourMatch(match.mi_competition)) {
        const int32_t club = UserClub();
        if (club) return SideCountry(club) == SideCountry(match.mi_team1);
        return UserNation() && match.mi_team2 == UserNation();
    }
    return CompetitionIsLocal(match.mi_competition, UserCountry(), false);
}

bool UserSidePlays(int32_t competition, int32_t home, int32_t away) {
    const int32_t club = UserClub(), nation = UserNation();
    if (competition < COMP_TEST_CHAMPIONSHIP) return club && (home == club || away == club);
    if (IsTourMatch(competition) ||
        (competition >= COMP_FIRST_FURTHER_EVENT && competition < FIRST_TOUR_SERIES_ID))
        return (nation && away == nation) || (club && home == club);
    return nation && (home == nation || away == nation);
}

}  // namespace

bool SideIsHumanRun(int32_t sideId) {
    if (sideId >= FIRST_CLUB_ID) {
        const Team* team = TeamById(sideId);
        return team && team->m_human;
    }
    const Country* country = CountryById(sideId);
    return country && country->m_human;
}

int32_t UserCountry() {
    if (const int32_t club = UserClub()) return SideCountry(club);
    if (const int32_t nation = UserNation()) return nation;
    return NO_USER_COUNTRY;
}

bool FixturePasses(const Fixture& fixture, int32_t filter) {
    const int32_t c = fixture.m_competition;
    if (filter == FILTER_ALL) return true;
    if (filter == FILTER_INTERNATIONAL) return IsSeries(c) || IsTournament(c);
    if (filter >= FILTER_FIRST_COUNTRY && filter <= FILTER_LAST_COUNTRY)
        return InCountry(fixture.m_ground, filter);
    if (filter == FILTER_LOCAL) return LocalFixture(c, fixture.m_home, fixture.m_away);
    return false;
}

bool MatchPasses(const Match& match, int32_t filter, bool scoreboard) {
    const int32_t c = match.mi_competition;
    if (filter == FILTER_ALL) return true;
    if (filter == FILTER_INTERNATIONAL) return IsSeries(c) || (scoreboard && IsTournament(c));
    if (filter >= FILTER_FIRST_COUNTRY && filter <= FILTER_LAST_COUNTRY)
        return InCountry(match.mi_ground, filter);
    if (filter != FILTER_LOCAL) return false;
    return scoreboard ? LocalFixture(c, match.mi_team1, match.mi_team2) : LocalMatchInProgress(match);
}

namespace {

int KeepMatches(std::vector<int32_t>& rows, int32_t filter, bool scoreboard) {
    rows.clear();
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        const Match* match = g_currentMatches[i].get();
        if (match && MatchPasses(*match, filter, scoreboard)) rows.push_back(static_cast<int32_t>(i));
    }
    return static_cast<int>(rows.size());
}

}  // namespace

int BuildStartingToday(int32_t filter) {
    TodaysLists& lists = g_todaysLists;
    lists.mi_fixtureMode = FIXTURES_STARTING_TODAY;
    lists.mi_fixtureFilter = filter;
    lists.mv_fixtureRows.clear();
    for (size_t i = 0; i < g_todaysFixtures.size(); ++i) {
        if (FixturePasses(g_todaysFixtures[i], filter))
            lists.mv_fixtureRows.push_back(static_cast<int32_t>(i));
    }
    return static_cast<int>(lists.mv_fixtureRows.size());
}

int BuildInProgress(int32_t filter) {
    g_todaysLists.mi_fixtureMode = FIXTURES_IN_PROGRESS;
    g_todaysLists.mi_fixtureFilter = filter;
    return KeepMatches(g_todaysLists.mv_fixtureRows, filter, false);
}

int BuildScoreboard(int32_t filter) {
    return KeepMatches(g_todaysLists.mv_scoreRows, filter, true);
}

bool HumanPlaysToday() {
    for (const Fixture& f : g_todaysFixtures) {
        if (UserSidePlays(f.m_competition, f.m_home, f.m_away)) return true;
    }
    DebugLog("no human in todays fixtures");
    for (const auto& match : g_currentMatches) {
        if (match && match->mi_playState != PLAY_MATCH_OVER &&
            UserSidePlays(match->mi_competition, match->mi_team1, match->mi_team2))
            return true;
    }
    DebugLog("no human in todays cont fixtures");
    return false;
}

int CountTodaysFixtures() {
    return BuildStartingToday(FILTER_LOCAL);
}

int CountTodaysResults() {
    return BuildScoreboard(FILTER_LOCAL);
}

}  // namespace ravel
