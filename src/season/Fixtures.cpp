#include "season/Fixtures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "season/Standings.h"
#include "world/Services.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

const char* const ORDINALS[8] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th"};
constexpr int TEST_TITLES = 6;
constexpr int ONE_DAY_TITLES = 8;

}  // namespace

int FindNextFixture(int sideA, int sideB) {
    const GameDate& today = g_cricket.m_date;
    const auto involves = [](const Fixture& f, int side) {
        return side > 0 && (f.m_home == side || f.m_away == side);
    };
    int best = -1;
    int bestDays = 0;
    for (size_t i = 0; i < g_world.mv_fixtures.size(); ++i) {
        const Fixture& f = g_world.mv_fixtures[i];
        if (f.m_home <= 0 || f.m_away <= 0 || f.m_state == FIXTURE_PLAYED) continue;
        if (!involves(f, sideA) && !involves(f, sideB)) continue;
        const int days = DaysBetween(today, f.m_date);
        if (days < 0 || (best >= 0 && days >= bestDays)) continue;
        best = static_cast<int>(i);
        bestDays = days;
    }
    return best;
}

namespace {

// The first match of each tour series and tournament of the country that has
// not started, when it comes before `next`.
void NextFromItinerary(int country, NextMatch& next) {
    const GameDate& today = g_cricket.m_date;
    const auto offer = [&](const GameDate& date, int competition, int home, int away, int host) {
        if (DaysBetween(today, date) < 0 || (next.m_known && DaysBetween(next.m_date, date) >= 0)) return;
        next = {true, date, competition, home, away, host, -1};
    };
    for (const Tour& tour : g_world.mv_tours) {
        if (tour.m_state != TOUR_NOT_STARTED) continue;
        if (tour.m_host != country && tour.m_visitor != country && tour.m_third != country) continue;
        const TourSeries* s = TourSeriesById(tour.m_series);
        if (!s) continue;
        offer(GameDate::FromSeasonDay(s->m_startDayOfSeason, s->m_season), s->m_id, s->m_home, s->m_away,
              s->m_home);
    }
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        if (t.m_running || t.m_winner > 0) continue;
        const bool in = std::any_of(t.mv_groups.begin(), t.mv_groups.end(), [country](const auto& group) {
            return StandingsRowIndex(group, country) >= 0;
        });
        if (in) offer(GameDate::FromSeasonDay(t.m_startDay, t.m_season), t.m_competition, 0, 0, t.m_host);
    }
}

}  // namespace

NextMatch FindNextMatch(int club, int country) {
    NextMatch next;
    const int fixture = FindNextFixture(club, country);
    if (fixture >= 0) {
        const Fixture& f = g_world.mv_fixtures[static_cast<size_t>(fixture)];
        next = {true, f.m_date, f.m_competition, f.m_home, f.m_away, 0, fixture};
    }
    if (club <= 0 && country > 0) NextFromItinerary(country, next);
    return next;
}

int AddFixture(Fixture fixture) {
    bool valid = true;
    if (fixture.m_home == fixture.m_away) {
        DebugLog("Error adding new fixture, same home and away teams Compo: %d", fixture.m_competition);
        valid = false;
    }
    if (fixture.m_home < 1) {
        DebugLog("Error adding new fixture, home team is not valid Compo: %d", fixture.m_competition);
        valid = false;
    }
    if (fixture.m_away < 1) {
        DebugLog("Error adding new fixture, away team is not valid Compo: %d", fixture.m_competition);
        return 0;
    }
    if (!valid) return 0;
    fixture.m_id = static_cast<int32_t>(g_world.mv_fixtures.size()) + 1;
    g_world.mv_fixtures.push_back(fixture);
    return fixture.m_id;
}

std::vector<int32_t> GroundsForCountry(int countryId, const std::vector<int32_t>& exclude, int wanted) {
    std::vector<int32_t> found;
    for (const Ground& g : g_world.mv_grounds) {
        if (g.m_country == countryId && std::find(exclude.begin(), exclude.end(), g.m_id) == exclude.end())
            found.push_back(g.m_id);
    }
    if (found.empty()) return {0};
    std::sort(found.begin(), found.end());
    const int count = static_cast<int>(found.size());
    std::vector<int32_t> result;
    if (count < wanted) {
        for (int i = 0; i < wanted / count + 1; ++i) result.insert(result.end(), found.begin(), found.end());
    } else {
        result = found;
    }
    result.resize(static_cast<size_t>(std::max(wanted, 0)));
    return result;
}

std::vector<int32_t> InternationalGrounds(int countryId, int wanted, int first) {
    std::vector<int32_t> domestic;
    int international = 0;
    for (const Ground& g : g_world.mv_grounds) {
        if (g.m_country != countryId) continue;
        if (g.m_international == 1)
            ++international;
        else
            domestic.push_back(g.m_id);
    }
    const int count = international > 0 ? international : static_cast<int>(domestic.size());
    if (international == 0) domestic.clear();
    const std::vector<int32_t> grounds = GroundsForCountry(countryId, domestic, std::max(count, 1));
    std::vector<int32_t> result;
    const size_t start = static_cast<size_t>(std::max(first, 0)) % grounds.size();
    for (int i = 0; i < wanted; ++i)
        result.push_back(grounds[(start + static_cast<size_t>(i)) % grounds.size()]);
    return result;
}

std::string FixtureTitle(const TourSeries& series) {
    return FixtureTitle(series, series.m_homeWins + series.m_awayWins + series.m_draws + series.m_ties);
}

std::string FixtureTitle(const TourSeries& series, int matchNumber) {
    const bool test = series.m_id % 2 != 0;
    if (!test && series.m_series > 0) {
        const Series* tournament = SeriesById(series.m_series);
        const char* names[3] = {"", "", ""};
        if (tournament) {
            for (size_t i = 0; i < 3 && i < tournament->mv_countries.size(); ++i)
                names[i] = SideName(tournament->mv_countries[i]);
        }
        return Format("Triangular Tournament (%s, %s, %s)", names[0], names[1], names[2]);
    }
    if (matchNumber < 0) return "";
    // Once the last titled match is decided, its title stays.
    const int titles = test ? TEST_TITLES : ONE_DAY_TITLES;
    return Format("%s %s", ORDINALS[std::min(matchNumber, titles - 1)],
                  test ? "Test Match" : "One Day International");
}

std::string SeriesStatusText(const TourSeries& series) {
    const int w1 = series.m_homeWins;
    const int w2 = series.m_awayWins;
    // Every series carries the championship marker from its start, so only a
    // series that is over can have been won.
    const bool decided = series.m_competition == COMP_ODI_CHAMPIONSHIP && series.m_finished;
    if (w1 == w2) return Format(decided ? "Series drawn %d-%d" : "Series is level at %d-%d", w1, w2);
    const int leader = w1 > w2 ? series.m_home : series.m_away;
    return Format(decided ? "%s won the series %d-%d" : "%s lead the series %d-%d", SideName(leader),
                  std::max(w1, w2), std::min(w1, w2));
}

}  // namespace ravel
