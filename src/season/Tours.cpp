#include "season/Tours.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

#include "match/Match.h"
#include "season/Fixtures.h"
#include "season/News.h"
#include "season/ResultNews.h"
#include "season/Squads.h"
#include "season/Standings.h"
#include "season/Tournaments.h"
#include "world/Services.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr int FINAL_WINS_NEEDED = 2;
constexpr int TEST_LENGTH = 5;
constexpr int WARM_UP_DAYS = 3;

int Today() {
    return g_cricket.m_date.m_dayOfSeason;
}

bool PlaysBetween(int side, int firstDay, int lastDay, int season) {
    for (const Fixture& f : g_world.mv_fixtures) {
        if (f.m_home != side && f.m_away != side) continue;
        if (f.m_date.m_season != season) continue;
        if (f.m_date.m_dayOfSeason >= firstDay - TEST_LENGTH && f.m_date.m_dayOfSeason <= lastDay)
            return true;
    }
    return false;
}

// A human coach's squad is his own: its players are only called up.
void NameSquads(const Tour& tour) {
    for (int id : {tour.m_host, tour.m_visitor, tour.m_third}) {
        Country* c = CountryById(id);
        if (!c) continue;
        if (c->m_human) {
            SetSquadDuty(*c, true);
            continue;
        }
        if (tour.m_kind == TOUR_TESTS) {
            if (id == tour.m_host) {
                c->m_squadKind = SQUAD_HOME_TEST;
                SelectTestSquadB(*c, 0);
            } else {
                c->m_squadKind = SQUAD_TOUR_TEST;
                SelectTestSquad(*c, 0);
            }
        } else {
            c->m_squadKind = SQUAD_ONE_DAY;
            SelectOneDaySquad(*c, 0);
        }
    }
}

// The tourists meet a club of the host that is free on those days: three days
// before a Test series, one day before a one-day series.
void ArrangeWarmUp(const Tour& tour, const TourSeries& series) {
    const bool tests = tour.m_kind == TOUR_TESTS;
    const int day = series.m_startDayOfSeason - (tests ? WARM_UP_LEAD_DAYS : WARM_UP_LEAD_DAYS / 2);
    const int length = tests ? WARM_UP_DAYS : 1;
    if (day <= Today()) return;
    if (PlaysBetween(tour.m_visitor, day, day + length - 1, tour.m_season)) return;
    for (const Team& team : g_world.mv_teams) {
        if (team.m_country != tour.m_host || PlaysBetween(team.m_id, day, day + length - 1, tour.m_season))
            continue;
        Fixture f;
        f.m_home = team.m_id;
        f.m_away = tour.m_visitor;
        f.m_competition = tests ? COMP_TOUR_THREE_DAY : COMP_TOUR_ONE_DAY;
        f.m_ground = team.m_ground;
        f.m_date = GameDate::FromSeasonDay(day, tour.m_season);
        AddFixture(f);
        return;
    }
}

void AddSeriesFixture(int home, int away, int competition, int ground, int day, int season) {
    Fixture f;
    f.m_home = home;
    f.m_away = away;
    f.m_competition = competition;
    f.m_ground = ground;
    f.m_date = GameDate::FromSeasonDay(day, season);
    AddFixture(f);
}

Series& TriangularFor(const Tour& tour, const TourSeries& ts) {
    if (Series* known = SeriesById(ts.m_id)) return *known;
    Series s;
    s.m_id = ts.m_id;
    s.m_competition = COMP_ODI_CHAMPIONSHIP;
    s.m_season = ts.m_season;
    s.m_host = tour.m_host;
    s.mv_countries = {tour.m_host, tour.m_visitor, tour.m_third};
    for (int c : s.mv_countries) s.mv_standings.emplace_back(c, s.m_id);
    s.m_startDay = ts.m_startDay;
    s.m_startMonth = ts.m_startMonth;
    s.m_startYear = ts.m_startYear;
    g_world.mv_series.push_back(s);
    return g_world.mv_series.back();
}

int RoundRobinMatches(const Series& s) {
    int n = 0;
    for (const Fixture& f : g_world.mv_fixtures)
        if (f.m_competition == s.m_id && f.m_date.m_season == s.m_season) ++n;
    return n - static_cast<int>(s.mv_finals.size());
}

int PlayedInTable(const Series& s) {
    int played = 0;
    for (const StandingsRow& r : s.mv_standings) played += r.Played();
    return played / 2;
}

struct FinalsScore {
    int m_side[2] = {};
    int m_wins[2] = {};
    int m_played = 0;
};

FinalsScore ScoreFinals(const Series& s) {
    FinalsScore score;
    for (int id : s.mv_finals) {
        const Fixture* f = FixtureById(id);
        if (!f) continue;
        score.m_side[0] = f->m_home;
        score.m_side[1] = f->m_away;
        if (f->m_state != FIXTURE_PLAYED) continue;
        ++score.m_played;
        for (int k = 0; k < 2; ++k)
            if (f->m_result[2] == score.m_side[k] && IsWinningResult(f->m_result[0])) ++score.m_wins[k];
    }
    return score;
}

// The final's fixture is marked played here, ahead of the match's own
// bookkeeping, so that the score of the finals is known at once.
void MarkFinalPlayed(Series& s, const MatchOutcome& o) {
    for (int id : s.mv_finals) {
        Fixture* f = FixtureById(id);
        if (!f || f->m_state == FIXTURE_PLAYED) continue;
        const bool sides = (f->m_home == o.m_side1 && f->m_away == o.m_side2) ||
                           (f->m_home == o.m_side2 && f->m_away == o.m_side1);
        if (!sides) continue;
        f->m_state = FIXTURE_PLAYED;
        f->m_result[0] = o.m_kind;
        f->m_result[2] = o.m_winner;
        return;
    }
}

void ScheduleNextFinal(Series& s) {
    SortSeriesStandings(s);
    if (s.mv_standings.size() < 2) return;
    const TourSeries* ts = TourSeriesById(s.m_id);
    const int step = ts ? std::max(ts->m_dayStep, 1) : 2;
    // After every match of the series so far; results come in once the date
    // has moved on, so today's fixtures are still to be listed.
    int day = Today();
    for (const Fixture& f : g_world.mv_fixtures)
        if (f.m_competition == s.m_id && f.m_date.m_season == s.m_season)
            day = std::max(day, f.m_date.m_dayOfSeason + step);
    const std::vector<int32_t> grounds = InternationalGrounds(s.m_host, TRIANGULAR_FINALS);
    const int ground = grounds[s.mv_finals.size() % grounds.size()];
    Fixture f;
    f.m_home = s.mv_standings[0].m_team;
    f.m_away = s.mv_standings[1].m_team;
    f.m_competition = s.m_id;
    f.m_ground = ground;
    f.m_date = GameDate::FromSeasonDay(day, s.m_season);
    if (const int id = AddFixture(f)) s.mv_finals.push_back(id);
}

// Championship rating of a country in the Test (oneDay false) or one-day table.
int RatingOf(int country, bool oneDay) {
    const Competition* table = CompetitionById(oneDay ? COMP_ODI_CHAMPIONSHIP : COMP_TEST_CHAMPIONSHIP);
    if (!table) return DEFAULT_RATING;
    for (const StandingsRow& r : table->mv_standings) {
        if (r.m_team != country) continue;
        const int count = oneDay ? r.m_odiCount : r.m_testCount;
        if (count <= 0) return DEFAULT_RATING;
        return (oneDay ? r.m_odiPoints : r.m_testPoints) / count;
    }
    return DEFAULT_RATING;
}

// The coaches of the countries hear how their series ended; a triangular
// series is told as the tournament it is.
void PostSeriesNews(const TourSeries& series) {
    PendingNewsItem item;
    item.m_code = NEWS_SERIES_RESULT;
    item.m_date = g_cricket.m_date;
    std::vector<int32_t> countries = {series.m_home, series.m_away};
    const Series* triangular = series.m_series > 0 ? SeriesById(series.m_series) : nullptr;
    if (triangular) countries = triangular->mv_countries;
    for (int32_t c : countries) item.AddLink(LINK_COUNTRY, c);
    item.AddLink(LINK_COMPETITION, triangular ? series.m_series : series.m_id);
    for (size_t i = 0; i < g_userCoaches.size(); ++i) {
        const int32_t job = g_userCoaches[i].m_staff.m_nationalJob;
        if (job > 0 && std::find(countries.begin(), countries.end(), job) != countries.end())
            PostNewsTo(item, static_cast<int>(i));
    }
}

}  // namespace

TourSeries* RunningSeriesOf(int countryId) {
    for (const Tour& tour : g_world.mv_tours) {
        if (tour.m_state != TOUR_RUNNING || (tour.m_host != countryId && tour.m_visitor != countryId))
            continue;
        TourSeries* series = TourSeriesById(tour.m_series);
        if (series) return series;
    }
    return nullptr;
}

void ScheduleTourSeries(const Tour& tour, TourSeries& series) {
    const std::vector<int32_t> grounds =
        InternationalGrounds(tour.m_host, std::max(series.m_matches, 1), series.m_id / 2);
    const int step = std::max(series.m_dayStep, 1);
    if (tour.m_kind != TOUR_TRIANGULAR) {
        for (int i = 0; i < series.m_matches; ++i)
            AddSeriesFixture(tour.m_host, tour.m_visitor, series.m_id,
                             grounds[static_cast<size_t>(i) % grounds.size()],
                             series.m_startDayOfSeason + i * step, series.m_season);
        return;
    }
    TriangularFor(tour, series);
    const int32_t pairs[3][2] = {
        {tour.m_host, tour.m_visitor}, {tour.m_host, tour.m_third}, {tour.m_visitor, tour.m_third}};
    const int roundRobin = std::max(series.m_matches - TRIANGULAR_FINALS, 3);
    for (int i = 0; i < roundRobin; ++i) {
        const int32_t* p = pairs[i % 3];
        // The host is at home in every match; the other two meet at neutral grounds of his.
        AddSeriesFixture(p[0], p[1], series.m_id, grounds[static_cast<size_t>(i) % grounds.size()],
                         series.m_startDayOfSeason + i * step, series.m_season);
    }
}

void DailyTourStep(Tour& tour) {
    TourSeries* series = TourSeriesById(tour.m_series);
    if (!series) return;
    for (const TourStep& step : tour.mv_steps) {
        if (step.m_dayOfSeason != Today()) continue;
        switch (step.m_action) {
            case TOUR_PICK_SQUADS:
                NameSquads(tour);
                if (tour.m_kind != TOUR_TRIANGULAR) ArrangeWarmUp(tour, *series);
                break;
            case TOUR_START:
                if (tour.m_state != TOUR_NOT_STARTED) break;
                tour.m_state = TOUR_RUNNING;
                ScheduleTourSeries(tour, *series);
                break;
            case TOUR_END:
                if (tour.m_state != TOUR_RUNNING) break;
                tour.m_state = TOUR_OVER;
                FinishTourSeries(*series);
                break;
            default:
                break;
        }
    }
}

void FinishTourSeries(TourSeries& s) {
    if (s.m_finished) return;
    s.m_finished = 1;
    const bool oneDay = s.m_id % 2 == 0;
    const int played = s.m_homeWins + s.m_awayWins + s.m_draws + s.m_ties;
    if (played == 0) return;
    // Each side earns a point a win and half a point a draw or tie; a Test
    // series adds one more for its winner (half each when shared). Points earned
    // are worth the opponent's rating + 50, points dropped its rating - 50.
    const float shared = 0.5f * static_cast<float>(s.m_draws + s.m_ties);
    float earned[2] = {static_cast<float>(s.m_homeWins) + shared, static_cast<float>(s.m_awayWins) + shared};
    float total = static_cast<float>(played);
    if (!oneDay) {
        total += 1.0f;
        if (s.m_homeWins > s.m_awayWins)
            earned[0] += 1.0f;
        else if (s.m_awayWins > s.m_homeWins)
            earned[1] += 1.0f;
        else
            earned[0] += 0.5f, earned[1] += 0.5f;
    }
    const int rating[2] = {RatingOf(s.m_home, oneDay), RatingOf(s.m_away, oneDay)};
    for (int k = 0; k < 2; ++k) {
        const float opponent = static_cast<float>(rating[1 - k]);
        const float points = earned[k] * (opponent + 50.0f) + (total - earned[k]) * (opponent - 50.0f);
        (k == 0 ? s.m_homeCount : s.m_awayCount) = static_cast<int32_t>(total);
        (k == 0 ? s.m_homePoints : s.m_awayPoints) = static_cast<int32_t>(std::max(points, 0.0f));
    }
    PostSeriesNews(s);
}

void RouteSeriesResult(int competitionId, const MatchOutcome& o) {
    if (competitionId % 2 != 0) {
        TourSeries* ts = TourSeriesById(competitionId);
        if (ts) RecordTourSeriesResult(*ts, o);
        return;
    }
    for (Series& s : g_world.mv_series)
        if (s.m_id == competitionId) RecordSeriesResult(s, o);
    bool booked = false;
    for (TourSeries& ts : g_world.mv_tourSeries) {
        const bool sides = (ts.m_home == o.m_side1 && ts.m_away == o.m_side2) ||
                           (ts.m_home == o.m_side2 && ts.m_away == o.m_side1);
        if (ts.m_series == competitionId && sides) {
            RecordTourSeriesResult(ts, o);
            booked = true;
        }
    }
    if (booked) return;
    // A triangular match without the series' own two countries counts only in its table.
    for (TourSeries& ts : g_world.mv_tourSeries)
        if (ts.m_id == competitionId && ts.m_series == 0) RecordTourSeriesResult(ts, o);
}

void RecordTourSeriesResult(TourSeries& series, const MatchOutcome& o) {
    Competition* tests = CompetitionById(COMP_TEST_CHAMPIONSHIP);
    if (series.m_id % 2 != 0 && tests && RunningSeriesOf(o.m_side1) == &series) {
        RecordResult(*tests, o);
    } else if (IsWinningResult(o.m_kind)) {
        if (o.m_winner == series.m_home) ++series.m_homeWins;
        if (o.m_winner == series.m_away) ++series.m_awayWins;
    } else if (o.m_kind == RESULT_TIE) {
        ++series.m_ties;
    } else if (o.m_kind == RESULT_DRAW) {
        ++series.m_draws;
    }
    if (series.m_series == 0) UpdateCoachesAndRatings(o);
}

void RecordSeriesResult(Series& s, const MatchOutcome& outcome) {
    UpdateCoachesAndRatings(outcome);
    if (!s.mv_finals.empty()) {
        MarkFinalPlayed(s, outcome);
        const FinalsScore score = ScoreFinals(s);
        const bool decided = std::max(score.m_wins[0], score.m_wins[1]) >= FINAL_WINS_NEEDED;
        if (!decided && static_cast<int>(s.mv_finals.size()) < TRIANGULAR_FINALS &&
            score.m_played == static_cast<int>(s.mv_finals.size()))
            ScheduleNextFinal(s);
        return;
    }
    MatchOutcome o = outcome;
    TableRules rules;
    rules.m_competition = s.m_id;
    std::copy(std::begin(TRIANGULAR_POINTS), std::end(TRIANGULAR_POINTS), rules.m_points);
    rules.m_limitedOvers = true;
    const int w = IsWinningResult(o.m_kind) ? (o.m_winner == o.m_side1   ? 0
                                               : o.m_winner == o.m_side2 ? 1
                                                                         : -1)
                                            : -1;
    bool bonus = false;
    if (w >= 0 && o.m_balls[0] > 0 && o.m_balls[1] > 0) {
        const float rate[2] = {static_cast<float>(o.m_runs[0]) / static_cast<float>(o.m_balls[0]),
                               static_cast<float>(o.m_runs[1]) / static_cast<float>(o.m_balls[1])};
        bonus = rate[w] >= BONUS_RUN_RATE_FACTOR * rate[1 - w];
    }
    for (int k = 0; k < 2; ++k) o.m_bonus1[k] = o.m_bonus2[k] = 0;
    if (bonus) o.m_bonus1[w] = 1;
    BookTableResult(s.mv_standings, rules, o);
    if (bonus) {
        const int loser = StandingsRowIndex(s.mv_standings, w == 0 ? o.m_side2 : o.m_side1);
        if (loser >= 0) s.mv_standings[static_cast<size_t>(loser)].m_points -= TRIANGULAR_POINTS[POINTS_LOSS];
    }
    for (StandingsRow& r : s.mv_standings) NetRunRate(r);
    SortSeriesStandings(s);
    if (PlayedInTable(s) >= RoundRobinMatches(s)) ScheduleNextFinal(s);
}

int TriangularWinner(const Series& s) {
    if (s.mv_finals.empty()) return 0;
    const FinalsScore score = ScoreFinals(s);
    for (int k = 0; k < 2; ++k)
        if (score.m_wins[k] >= FINAL_WINS_NEEDED) return score.m_side[k];
    if (score.m_played < TRIANGULAR_FINALS) return 0;
    // Three finals without two wins: the one with more, else the table's leader.
    if (score.m_wins[0] != score.m_wins[1]) return score.m_side[score.m_wins[0] > score.m_wins[1] ? 0 : 1];
    return s.mv_standings.empty() ? 0 : s.mv_standings[0].m_team;
}

std::string TournamentStatusText(const Series& s) {
    const FinalsScore score = ScoreFinals(s);
    auto name = [](int id) {
        const Country* c = CountryById(id);
        return c ? c->m_name : "";
    };
    if (const int winner = TriangularWinner(s)) return Format("%s won the tournament", name(winner));
    if (score.m_played == 0) return "Finals to be played";
    if (score.m_wins[0] == score.m_wins[1])
        return Format("Finals level at %d-%d", score.m_wins[0], score.m_wins[1]);
    const int lead = score.m_wins[0] > score.m_wins[1] ? 0 : 1;
    return Format("%s lead the finals %d-%d", name(score.m_side[lead]), score.m_wins[lead],
                  score.m_wins[1 - lead]);
}

std::string DateRangeText(const TourSeries& s) {
    const int lastDay = s.m_startDayOfSeason + std::max(s.m_matches - 1, 0) * std::max(s.m_dayStep, 0);
    const GameDate end = GameDate::FromSeasonDay(lastDay, s.m_season);
    if (end.m_month == s.m_startMonth && end.m_year == s.m_startYear)
        return Format("%s %d", MonthShortName(s.m_startMonth), s.m_startYear);
    return Format("%s %d - %s %d", MonthShortName(s.m_startMonth), s.m_startYear, MonthShortName(end.m_month),
                  end.m_year);
}

bool HasInternationalEngagement(int countryId, int withinDays) {
    const int season = g_cricket.m_date.m_season;
    const int today = Today();
    const int horizon = today + withinDays;
    for (const Tour& tour : g_world.mv_tours) {
        if (tour.m_season != season || tour.m_state == TOUR_OVER) continue;
        if (tour.m_host != countryId && tour.m_visitor != countryId && tour.m_third != countryId) continue;
        int first = std::numeric_limits<int>::max();
        int last = std::numeric_limits<int>::max();
        for (const TourStep& step : tour.mv_steps) {
            if (step.m_action == TOUR_PICK_SQUADS || step.m_action == TOUR_START)
                first = std::min(first, static_cast<int>(step.m_dayOfSeason));
            if (step.m_action == TOUR_END) last = step.m_dayOfSeason;
        }
        if (first <= horizon && last >= today) return true;
    }
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        if (t.m_season == season && t.m_startDay - WARM_UP_LEAD_DAYS <= horizon &&
            StillInTournament(t, countryId))
            return true;
    }
    for (const Fixture& f : g_world.mv_fixtures) {
        if (f.m_state != FIXTURE_SCHEDULED || (f.m_home != countryId && f.m_away != countryId)) continue;
        if (f.m_date.m_season == season && f.m_date.m_dayOfSeason >= today &&
            f.m_date.m_dayOfSeason <= horizon)
            return true;
    }
    return false;
}

void ReleaseIdleNationalSquads() {
    for (Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1) continue;
        bool onDuty = false;
        for (const std::vector<int32_t>* list : {&c.mv_testSquad, &c.mv_oneDaySquad})
            for (int32_t id : *list) {
                const Player* p = id > 0 ? PlayerById(id) : nullptr;
                onDuty |= p && p->m_intlDuty;
            }
        if (onDuty && !HasInternationalEngagement(c.m_id, SQUAD_RELEASE_GAP)) ReleaseNationalSquads(c);
    }
}

void StartDueTournaments() {
    const int season = g_cricket.m_date.m_season;
    for (InternationalTournament& t : g_world.mv_tournaments) {
        if (t.m_season != season || t.m_running || t.m_winner > 0) continue;
        if (Today() < std::max(t.m_startDay - WARM_UP_LEAD_DAYS, 0)) continue;
        bool scheduled = false;
        for (const Fixture& f : g_world.mv_fixtures)
            scheduled |= f.m_competition == t.m_competition && f.m_date.m_season == season;
        if (scheduled) continue;
        for (const auto& group : t.mv_groups)
            for (const StandingsRow& row : group)
                if (Country* c = CountryById(row.m_team); c && c->m_human) {
                    SetSquadDuty(*c, true);
                } else if (c) {
                    c->m_squadKind = SQUAD_ONE_DAY;
                    SelectOneDaySquad(*c, 0);
                }
        StartTournament(t);
    }
}

void WorldCupDaily(InternationalTournament& t, const MatchOutcome& outcome) {
    const bool wasRunning = t.m_running;
    RecordTournamentResult(t, outcome);
    if (!wasRunning || t.m_running || t.m_winner <= 0) return;
    const int runnerUp = t.m_winner == outcome.m_side1 ? outcome.m_side2 : outcome.m_side1;
    Competition* c = CompetitionById(t.m_competition);
    if (c) c->mv_history.push_back({t.m_season, t.m_winner, runnerUp});
    PostTournamentNews(t, runnerUp);
}

void YearlyChampionshipStep(bool oneDay) {
    UpdateChampionshipTables(oneDay);
    Competition* table = CompetitionById(oneDay ? COMP_ODI_CHAMPIONSHIP : COMP_TEST_CHAMPIONSHIP);
    if (!table) return;
    SortStandings(*table);
    UpdatePositions(*table);
}

}  // namespace ravel
