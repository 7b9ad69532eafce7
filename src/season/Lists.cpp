#include "season/Lists.h"

#include <algorithm>
#include <limits>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "world/World.h"

namespace ravel {

namespace {

bool Passes(const std::vector<int32_t>& list, int id) {
    return list.empty() || std::find(list.begin(), list.end(), id) != list.end();
}

// Calendar order of two dates.
int DateKey(const GameDate& d) {
    return (d.m_year * 13 + d.m_month) * 32 + d.m_day;
}

// A fixture's last day: multi-day formats last the competition's length.
GameDate FixtureEnd(const Fixture& f) {
    GameDate end = f.m_date;
    const Competition* c = CompetitionById(f.m_competition);
    if (c && c->m_format % 2 == 1)
        for (int day = 1; day < c->m_length; ++day) end.NextDay();
    return end;
}

FixtureListEntry MatchRow(const Match& m, int kind) {
    FixtureListEntry e;
    e.m_match = m.mi_id;
    e.m_fixture = -1;
    e.m_kind = kind;
    e.m_home = m.mi_team1;
    e.m_away = m.mi_team2;
    e.m_competition = m.mi_competition;
    e.m_ground = m.mi_ground;
    e.m_start = m.m_startDate;
    e.m_end = m.m_lastDay;
    return e;
}

bool MatchPasses(const FixtureFilter& filter, const Match& m) {
    return filter.HasCompetition(m.mi_competition) && filter.HasTeam(m.mi_team1, m.mi_team2) &&
           filter.HasSeason(m.m_startDate.m_season);
}

// The innings of a match that count: the second pair only in matches over days.
int InningsCount(const Match& m) {
    return IsFirstClassType(m.mi_matchType) ? 4 : 2;
}

bool Batted(const BatsmanFigures& b) {
    return b.mi_howOut != 0;
}

// Keeps a performance list sorted and no longer than `limit`.
void AddRanked(std::vector<StatsRow>& list, const StatsRow& row, int kind, int limit) {
    const bool full = limit >= 0 && static_cast<int>(list.size()) >= limit;
    list.push_back(row);
    std::stable_sort(list.begin(), list.end(), [kind](const StatsRow& a, const StatsRow& b) {
        if (kind == STATS_TOP_BOWLING)
            return a.m_second != b.m_second ? a.m_second > b.m_second : a.m_first < b.m_first;
        return a.m_first > b.m_first;
    });
    if (full) list.pop_back();
}

StatsRow& RowOf(std::vector<StatsRow>& list, int player, int side) {
    for (StatsRow& r : list)
        if (r.m_player == player) return r;
    StatsRow r;
    r.m_player = player;
    r.m_side = side;
    list.push_back(r);
    return list.back();
}

void AddAverages(std::vector<StatsRow>& list, const StatsFilter& filter, const Match& m, bool batting) {
    const bool limited = !IsFirstClassType(m.mi_matchType);
    for (int s = 0; s < 2; ++s) {
        const int side = s == 0 ? m.mi_team1 : m.mi_team2;
        if (!filter.HasTeam(side)) continue;
        // The side's players: those named in the first two innings.
        std::vector<int32_t> players;
        for (int i = 0; i < 2; ++i) {
            const Innings& inn = m.m_innings[i];
            if (inn.mi_battingTeam == side)
                for (const BatsmanFigures& b : inn.m_batsmen)
                    if (b.mi_player > 0) players.push_back(b.mi_player);
            if (inn.mi_bowlingTeam == side)
                for (const BowlerFigures& b : inn.m_bowlers)
                    if (b.mi_player > 0) players.push_back(b.mi_player);
        }
        std::sort(players.begin(), players.end());
        players.erase(std::unique(players.begin(), players.end()), players.end());
        for (int32_t id : players) {
            StatsRow& row = RowOf(list, id, side);
            ++row.m_matches;
            for (int i = 0; i < InningsCount(m); ++i) {
                const Innings& inn = m.m_innings[i];
                if (batting && inn.mi_battingTeam == side) {
                    for (const BatsmanFigures& b : inn.m_batsmen) {
                        if (b.mi_player != id || !Batted(b)) continue;
                        const int runs = BatsmanRuns(b);
                        const bool notOut = b.mi_howOut < 0;
                        ++row.m_innings;
                        row.m_runs += runs;
                        if (notOut) ++row.m_notOuts;
                        if (runs > row.m_highest || (runs == row.m_highest && notOut)) {
                            row.m_highest = runs;
                            row.m_highestNotOut = notOut ? 1 : 0;
                        }
                        if (runs >= 100)
                            ++row.m_hundreds;
                        else if (runs >= 50)
                            ++row.m_fifties;
                    }
                }
                if (!batting && inn.mi_bowlingTeam == side) {
                    for (const BowlerFigures& b : inn.m_bowlers) {
                        if (b.mi_player != id || b.mi_balls <= 0) continue;
                        const bool first = row.m_balls == 0;
                        row.m_balls += b.mi_balls;
                        row.m_maidens += b.mi_maidens;
                        row.m_runsConceded += b.mi_runs;
                        row.m_wickets += b.mi_wickets;
                        if (b.mi_wickets > row.m_bestWickets ||
                            (b.mi_wickets == row.m_bestWickets && b.mi_runs < row.m_bestRuns) || first) {
                            row.m_bestWickets = b.mi_wickets;
                            row.m_bestRuns = b.mi_runs;
                        }
                        if (limited) {
                            if (b.mi_wickets == 4) ++row.m_haulsA;
                            if (b.mi_wickets >= 5) ++row.m_haulsB;
                        } else {
                            if (b.mi_wickets >= 5 && b.mi_wickets <= 9) ++row.m_haulsA;
                            if (b.mi_wickets >= 10) ++row.m_haulsB;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

void FixtureFilter::Clear() {
    mv_competitions.clear();
    mv_teams.clear();
    mv_seasons.clear();
}

bool FixtureFilter::HasCompetition(int id) const {
    return Passes(mv_competitions, id);
}

bool FixtureFilter::HasTeam(int home, int away) const {
    return mv_teams.empty() || Passes(mv_teams, home) || Passes(mv_teams, away);
}

bool FixtureFilter::HasSeason(int season) const {
    return Passes(mv_seasons, season);
}

void StatsFilter::Clear() {
    mv_competitions.clear();
    mv_teams.clear();
}

bool StatsFilter::HasCompetition(int id) const {
    return Passes(mv_competitions, id);
}

bool StatsFilter::HasTeam(int id) const {
    return Passes(mv_teams, id);
}

void BuildFixtureList(FixtureFilter filter, std::vector<FixtureListEntry>& list, int order) {
    list.clear();
    for (const auto& m : g_completedMatches)
        if (m && MatchPasses(filter, *m)) list.push_back(MatchRow(*m, ROW_COMPLETED));
    for (const auto& m : g_currentMatches)
        if (m && MatchPasses(filter, *m)) list.push_back(MatchRow(*m, ROW_IN_PROGRESS));
    for (size_t i = 0; i < g_world.mv_fixtures.size(); ++i) {
        const Fixture& f = g_world.mv_fixtures[i];
        if (!filter.HasCompetition(f.m_competition) || !filter.HasTeam(f.m_home, f.m_away) ||
            !filter.HasSeason(f.m_date.m_season))
            continue;
        // A match still held is listed from it, whether or not its fixture
        // has been marked played already.
        if (f.m_state != FIXTURE_SCHEDULED && f.m_match >= 0 && MatchById(f.m_match)) continue;
        int kind = ROW_IN_PROGRESS;
        if (f.m_state == FIXTURE_SCHEDULED)
            kind = ROW_SCHEDULED;
        else if (f.m_state == FIXTURE_PLAYED)
            kind = ROW_PLAYED;
        FixtureListEntry e;
        e.m_fixture = static_cast<int32_t>(i);
        e.m_kind = kind;
        e.m_home = f.m_home;
        e.m_away = f.m_away;
        e.m_competition = f.m_competition;
        e.m_ground = f.m_ground;
        e.m_start = f.m_date;
        e.m_end = FixtureEnd(f);
        list.push_back(e);
    }
    std::stable_sort(list.begin(), list.end(), [order](const FixtureListEntry& a, const FixtureListEntry& b) {
        return order == ORDER_DATE_DESC ? DateKey(a.m_start) > DateKey(b.m_start)
                                        : DateKey(a.m_start) < DateKey(b.m_start);
    });
}

double StatsRow::BattingAverage() const {
    const int outs = m_innings - m_notOuts;
    return m_runs == 0 || outs < 1 ? 0.0 : static_cast<double>(m_runs) / outs;
}

double StatsRow::BowlingAverage() const {
    return m_runsConceded == 0 || m_wickets == 0 ? 0.0 : static_cast<double>(m_runsConceded) / m_wickets;
}

bool StatsRow::BattingOrder(const StatsRow& a, const StatsRow& b) {
    if (a.m_runs == 0) return false;
    if (b.m_runs == 0) return true;
    const int outsA = a.m_innings - a.m_notOuts;
    const int outsB = b.m_innings - b.m_notOuts;
    if (outsA < 1) return false;
    if (outsB < 1) return true;
    return a.m_runs / outsA > b.m_runs / outsB;
}

bool StatsRow::BowlingOrder(const StatsRow& a, const StatsRow& b) {
    if (a.m_wickets == 0) return false;
    if (b.m_wickets == 0) return true;
    if (a.m_balls == 0) return false;
    if (b.m_balls == 0) return true;
    if (a.m_runsConceded == 0) return b.m_runsConceded != 0;
    if (b.m_runsConceded == 0) return false;
    return a.m_runsConceded / a.m_wickets < b.m_runsConceded / b.m_wickets;
}

void BuildPlayerStatsList(StatsFilter filter, std::vector<StatsRow>& list, int kind, int limit) {
    list.clear();
    for (const auto& mp : g_completedMatches) {
        if (!mp || !filter.HasCompetition(mp->mi_competition)) continue;
        const Match& m = *mp;
        switch (kind) {
            case STATS_TOP_SCORES:
            case STATS_TOP_FOURS:
            case STATS_TOP_SIXES:
            case STATS_TOP_BOUNDARIES:
                for (int i = 0; i < InningsCount(m); ++i) {
                    const Innings& inn = m.m_innings[i];
                    for (const BatsmanFigures& b : inn.m_batsmen) {
                        if (b.mi_player <= 0) continue;
                        StatsRow row;
                        row.m_player = b.mi_player;
                        row.m_match = m.mi_id;
                        row.m_side = inn.mi_battingTeam;
                        const int fours = b.mi_scored[4];
                        const int sixes = b.mi_scored[6];
                        if (kind == STATS_TOP_SCORES) {
                            row.m_first = BatsmanRuns(b);
                            row.m_second = b.mi_howOut < 0 ? 1 : 0;
                        } else if (kind == STATS_TOP_FOURS) {
                            row.m_first = fours;
                        } else if (kind == STATS_TOP_SIXES) {
                            row.m_first = sixes;
                        } else {
                            row.m_first = fours + sixes;
                            row.m_second = fours;
                        }
                        if (kind != STATS_TOP_SCORES && row.m_first == 0) continue;
                        AddRanked(list, row, kind, limit);
                    }
                }
                break;
            case STATS_TOP_BOWLING:
                for (int i = 0; i < InningsCount(m); ++i) {
                    const Innings& inn = m.m_innings[i];
                    for (const BowlerFigures& b : inn.m_bowlers) {
                        if (b.mi_player <= 0 || b.mi_balls <= 0) continue;
                        StatsRow row;
                        row.m_player = b.mi_player;
                        row.m_match = m.mi_id;
                        row.m_side = inn.mi_bowlingTeam;
                        row.m_first = b.mi_runs;
                        row.m_second = b.mi_wickets;
                        AddRanked(list, row, kind, limit);
                    }
                }
                break;
            case STATS_BATTING:
            case STATS_MOST_RUNS:
                AddAverages(list, filter, m, true);
                break;
            case STATS_BOWLING:
            case STATS_MOST_WICKETS:
                AddAverages(list, filter, m, false);
                break;
            default:
                break;
        }
    }
    if (kind == STATS_BATTING) std::stable_sort(list.begin(), list.end(), StatsRow::BattingOrder);
    if (kind == STATS_BOWLING) std::stable_sort(list.begin(), list.end(), StatsRow::BowlingOrder);
    if (kind == STATS_MOST_RUNS)
        std::stable_sort(list.begin(), list.end(),
                         [](const StatsRow& a, const StatsRow& b) { return a.m_runs > b.m_runs; });
    if (kind == STATS_MOST_WICKETS)
        std::stable_sort(list.begin(), list.end(),
                         [](const StatsRow& a, const StatsRow& b) { return a.m_wickets > b.m_wickets; });
}

void BuildTeamInningsList(StatsFilter filter, std::vector<TeamInningsRow>& list, int kind, int limit) {
    list.clear();
    for (const auto& mp : g_completedMatches) {
        if (!mp || !filter.HasCompetition(mp->mi_competition)) continue;
        const Match& m = *mp;
        for (int i = 0; i < InningsCount(m); ++i) {
            const Innings& inn = m.m_innings[i];
            if (!inn.mb_started) continue;
            TeamInningsRow row;
            row.m_match = m.mi_id;
            row.m_side = inn.mi_battingTeam;
            row.m_total = InningsTotal(inn);
            row.m_wickets = inn.Wickets();
            row.m_innings = i;
            if (row.m_total < 1 || (kind == INNINGS_LOWEST && row.m_wickets < 10)) continue;
            list.push_back(row);
            std::stable_sort(
                list.begin(), list.end(), [kind](const TeamInningsRow& a, const TeamInningsRow& b) {
                    if (a.m_total != b.m_total)
                        return kind == INNINGS_LOWEST ? a.m_total < b.m_total : a.m_total > b.m_total;
                    return a.m_wickets < b.m_wickets;
                });
            if (static_cast<int>(list.size()) > limit) list.pop_back();
        }
    }
}

int32_t StreakOf(const StandingsRow& row, int kind) {
    switch (kind) {
        case STREAK_WON:
            return row.m_winRun;
        case STREAK_LOST:
            return row.m_loseRun;
        case STREAK_WINLESS:
            return row.m_winlessRun;
        case STREAK_UNBEATEN:
            return row.m_unbeatenRun;
        default:
            return 0;
    }
}

void BuildStreakList(const Competition& competition, std::vector<StandingsRow>& list, int kind) {
    list = competition.mv_standings;
    std::stable_sort(list.begin(), list.end(), [kind](const StandingsRow& a, const StandingsRow& b) {
        return StreakOf(a, kind) > StreakOf(b, kind);
    });
}

namespace {

// Whether the tour a series belongs to has begun.
bool SeriesBegun(const TourSeries& series) {
    return std::any_of(g_world.mv_tours.begin(), g_world.mv_tours.end(), [&](const Tour& t) {
        return t.m_series == series.m_id && t.m_state != TOUR_NOT_STARTED;
    });
}

}  // namespace

void BuildChampionshipSeriesList(int competitionId, std::vector<int32_t>& ids) {
    ids.clear();
    const bool tests = competitionId == COMP_TEST_CHAMPIONSHIP;
    if (!tests && competitionId != COMP_ODI_CHAMPIONSHIP) return;
    for (const TourSeries& s : g_world.mv_tourSeries) {
        const bool testSeries = s.m_id % 2 != 0;
        // A triangular tournament's series is listed as the tournament.
        if (testSeries != tests || s.m_series != 0 || !SeriesBegun(s)) continue;
        ids.push_back(s.m_id);
    }
}

void BuildFutureTourList(int tourKind, int season, std::vector<int32_t>& ids) {
    ids.clear();
    for (const Tour& t : g_world.mv_tours)
        if (t.m_kind == tourKind && t.m_season == season && t.m_state == TOUR_NOT_STARTED)
            ids.push_back(t.m_id);
    const auto startDay = [](int32_t tourId) {
        const Tour* t = TourById(tourId);
        const TourSeries* s = t ? TourSeriesById(t->m_series) : nullptr;
        return s ? s->m_startDayOfSeason : std::numeric_limits<int32_t>::max();
    };
    std::ranges::stable_sort(ids, {}, startDay);
}

void BuildTriangularList(std::vector<int32_t>& ids) {
    ids.clear();
    for (const Series& s : g_world.mv_series) ids.push_back(s.m_id);
}

}  // namespace ravel
