// season_bench: starts a fresh world from the database as a new career does,
// with no human coach, and advances it day after day, headless, through N whole seasons. Prints
// per season, as name=value lines, the time taken, the cricket played, the
// champions, the ranking leaders, what happened to players and coaches, and
// on the 1st and 15th of each month how many of each country's 30 best players
// were away from their clubs with a national squad; with the draw share of the
// Tests their runs per wicket, and the players' mean skills, so that drift
// over many seasons shows.
// The times (seconds, cpu_seconds) are those of the days advanced alone; what
// the bench's own checks between the days took is checks_cpu_seconds.
// With --csv DIR it writes every match played as match_bench's CSV rows.
//
//   season_bench N [--seed S] [--csv DIR] [--db ROOT] [--saves DIR]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "../common/BenchWorld.h"
#include "../common/MatchCsv.h"
#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "season/News.h"
#include "season/Ratings.h"
#include "season/Squads.h"
#include "season/Standings.h"
#include "season/Tours.h"
#include "season/WorldStep.h"
#include "world/Database.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/World.h"

using namespace ravel;

namespace {

// The turn of the season comes on day 181 or 182.
constexpr int LAST_TURN_DAY = 181;

const char* KindName(int matchType) {
    switch (matchType) {
        case FORMAT_TEST:
            return "test";
        case FORMAT_ODI:
            return "odi";
        case FORMAT_FIRST_CLASS:
            return "fc";
        case FORMAT_LIST_A:
            return "oneday";
        default:
            return "twenty";
    }
}

long long BallsOf(const Match& m) {
    long long balls = 0;
    for (const Innings& in : m.m_innings)
        if (in.mb_started) balls += in.mi_legalBalls + in.mi_wides + in.mi_noBalls;
    return balls;
}

struct Snapshot {
    std::vector<int32_t> north, south, northSeasons, southSeasons;
    std::map<int, int> coaches;  // side -> coach
    std::map<int, size_t> history;
};

Snapshot Take() {
    Snapshot s;
    for (const Player& p : g_world.mv_players) {
        s.north.push_back(p.m_northClub);
        s.south.push_back(p.m_southClub);
        s.northSeasons.push_back(p.m_northSeasons);
        s.southSeasons.push_back(p.m_southSeasons);
    }
    for (const Team& t : g_world.mv_teams) s.coaches[t.m_id] = t.m_coach;
    for (const Country& c : g_world.mv_countries) s.coaches[c.m_id] = c.m_coach;
    for (const Competition& c : g_world.mv_competitions) s.history[c.m_id] = c.mv_history.size();
    return s;
}

// Whether a list of players holds eleven fit ones, for the check that every
// side can play.
template <class List>
bool ElevenFit(const List& players) {
    int fit = 0;
    for (int32_t id : players) {
        const Player* p = id > 0 ? PlayerById(id) : nullptr;
        fit += p && !p->m_injured;
    }
    return fit >= XI_PLAYERS;
}

// How many of a national side's 30 best players are with its squad.
constexpr size_t TOP_PLAYERS = 30;
int TopPlayersOnDuty(int countryId) {
    std::vector<const Player*> pool;
    for (const Player& p : g_world.mv_players)
        if (p.m_id > 0 && !p.m_retired && p.IsEligibleFor(countryId)) pool.push_back(&p);
    const size_t top = std::min(pool.size(), TOP_PLAYERS);
    std::partial_sort(
        pool.begin(), pool.begin() + static_cast<long>(top), pool.end(),
        [](const Player* a, const Player* b) { return a->OverallRating() > b->OverallRating(); });
    return static_cast<int>(std::count_if(pool.begin(), pool.begin() + static_cast<long>(top),
                                          [](const Player* p) { return p->m_intlDuty != 0; }));
}

bool EverySideCanField() {
    for (const Team& t : g_world.mv_teams)
        if (!ElevenFit(t.m_squad)) return false;
    for (const Country& c : g_world.mv_countries) {
        if (c.m_nationalSide != 1) continue;
        // Squads are named for an engagement; the one a country holds must raise eleven.
        for (const std::vector<int32_t>* list : {&c.mv_testSquad, &c.mv_oneDaySquad})
            if (!list->empty() && !ElevenFit(*list)) return false;
    }
    return true;
}

// Both sides of a played match took the field with eleven players.
bool FieldedElevens(const Match& m) {
    for (const MatchTeam* team : {&m.m_team1, &m.m_team2})
        for (int i = 0; i < XI_PLAYERS; ++i)
            if (team->m_players[i].mi_player <= 0) return false;
    return true;
}

// The records tables written out and read back hold the same entries.
bool RecordsRoundTrip(const std::string& folder) {
    for (const RecordsTable& table : g_world.mv_records) {
        const std::string path = folder + "/records" + std::to_string(table.m_kind) + ".csv";
        if (!table.WriteCsv(path)) return false;
        RecordsTable back;
        back.LoadCsvFrom(path);
        for (int i = 0; i < RECORD_SECTIONS; ++i) {
            const int code = RecordsTable::SectionCode(i);
            const auto& a = table.mv_sections[i];
            const auto& b = back.Section(code);
            for (size_t k = 0; k < a.size() && k < b.size(); ++k)
                if (a[k].m_value != b[k].m_value || a[k].m_match != b[k].m_match) return false;
        }
    }
    return true;
}

void Leader(const char* name, int competition) {
    Competition* table = CompetitionById(competition);
    if (!table || table->mv_standings.empty()) return;
    const bool oneDay = competition == COMP_ODI_CHAMPIONSHIP;
    auto rating = [oneDay](const StandingsRow& r) {
        const int count = oneDay ? r.m_odiCount : r.m_testCount;
        return count > 0 ? (oneDay ? r.m_odiPoints : r.m_testPoints) / count : 0;
    };
    const StandingsRow* best = &table->mv_standings[0];
    for (const StandingsRow& r : table->mv_standings)
        if (rating(r) > rating(*best)) best = &r;
    std::printf("%s=%s (%d)\n", name, SideName(best->m_team), rating(*best));
}

struct CoachMoves {
    int m_appointments = 0;
    int m_sackings = 0;
};

// Coach changes since yesterday: a new coach is an appointment; an old one
// left without a job of that kind was sacked (not hired away).
void CountCoachMoves(std::map<int, int>& yesterday, CoachMoves& moves) {
    auto visit = [&](int side, int coach, bool national) {
        int& old = yesterday[side];
        if (coach == old) return;
        if (coach > 0) ++moves.m_appointments;
        if (old > 0) {
            const StaffMember* s = StaffMemberById(old);
            if (!s || (national ? s->m_nationalJob : s->m_clubJob) <= 0) ++moves.m_sackings;
        }
        old = coach;
    };
    for (const Team& t : g_world.mv_teams) visit(t.m_id, t.m_coach, false);
    for (const Country& c : g_world.mv_countries) visit(c.m_id, c.m_coach, true);
}

void Report(int season, const Snapshot& before, const CoachMoves& coaches, double seconds, double cpu,
            double checksCpu, int days, int matches, long long balls, int injuries, int news,
            bool fieldable) {
    std::printf("season=%d\n", season);
    std::printf("cpu_seconds=%.3f\nchecks_cpu_seconds=%.3f\n", cpu, checksCpu);
    std::printf("seconds=%.3f\ndays=%d\nmatches=%d\nballs=%lld\n", seconds, days, matches, balls);
    int unfinished = 0;
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_id >= COMP_TEST_CHAMPIONSHIP) continue;
        auto it = before.history.find(c.m_id);
        const size_t had = it == before.history.end() ? 0 : it->second;
        if (c.mv_history.size() > had)
            std::printf("champion.%d=%s\n", c.m_id, SideName(c.mv_history.back().m_winner));
        else if (c.m_season == season)
            ++unfinished;
    }
    std::printf("competitions_without_champion=%d\n", unfinished);
    for (const InternationalTournament& t : g_world.mv_tournaments)
        if (t.m_season == season)
            std::printf("tournament.%d=%s\n", t.m_id, t.m_winner > 0 ? SideName(t.m_winner) : "unfinished");
    int series = 0, finished = 0;
    for (const TourSeries& s : g_world.mv_tourSeries) {
        if (s.m_season != season) continue;
        ++series;
        finished += s.m_finished;
    }
    std::printf("tour_series=%d\ntour_series_finished=%d\n", series, finished);
    for (const Series& s : g_world.mv_series)
        if (s.m_season == season) std::printf("triangular.%d=%s\n", s.m_id, SideName(TriangularWinner(s)));
    Leader("test_leader", COMP_TEST_CHAMPIONSHIP);
    Leader("odi_leader", COMP_ODI_CHAMPIONSHIP);

    const Snapshot after = Take();
    int transfers = 0, renewals = 0;
    for (size_t i = 1; i < before.north.size() && i < after.north.size(); ++i) {
        const bool moved = (after.north[i] > 0 && after.north[i] != before.north[i]) ||
                           (after.south[i] > 0 && after.south[i] != before.south[i]);
        transfers += moved;
        renewals += !moved && (after.northSeasons[i] > before.northSeasons[i] ||
                               after.southSeasons[i] > before.southSeasons[i]);
    }
    std::printf("retirements=%d\nnew_players=%d\n", g_lastTurnover.m_retired, g_lastTurnover.m_newPlayers);
    std::printf("transfers=%d\ncontract_renewals=%d\n", transfers, renewals);
    std::printf("coach_appointments=%d\ncoach_sackings=%d\n", coaches.m_appointments, coaches.m_sackings);
    std::printf("injuries=%d\nnews_items=%d\n", injuries, news);
    std::printf("sides_could_field_eleven=%s\n", fieldable ? "yes" : "no");
}

// Decided Tests by the kind of win (result kind: count): bowling last (by
// runs), batting last (by wickets), by an innings.
void PrintTestWins(const char* prefix, std::map<int, int>& wins) {
    int decided = 0;
    for (const auto& [kind, count] : wins) decided += count;
    for (const auto& [name, kind] : {std::pair{"runs", RESULT_WON_BOWLING_LAST},
                                     {"wickets", RESULT_WON_BATTING_LAST},
                                     {"innings", RESULT_WON_BY_INNINGS}}) {
        const int count = wins[kind];
        std::printf("%stest_won_by_%s_pct=%.1f (%d of %d)\n", prefix, name,
                    decided > 0 ? 100.0 * count / decided : 0.0, count, decided);
    }
}

// Mean skills of the players still playing: the four core batting skills of
// every batsman (batting 1 to 6) and of the best TOP_SKILLED of them, the four
// bowling skills of every bowler (of a kind, no keeper) and of the best
// TOP_SKILLED; the world's level, which the new players must keep.
constexpr size_t TOP_SKILLED = 200;
void PrintMeanSkills() {
    std::vector<int> batting, bowling;
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0 || p.m_retired) continue;
        if (p.m_batPosition >= 1 && p.m_batPosition <= 6 && p.m_keeper != 1)
            batting.push_back(p.BattingRatingValue());
        if (p.m_bowlType != BOWL_NONE && p.m_keeper != 1) bowling.push_back(p.BowlingRatingValue());
    }
    for (const auto& [name, list] :
         {std::pair<const char*, std::vector<int>*>{"batting", &batting}, {"bowling", &bowling}}) {
        std::vector<int>& values = *list;
        std::sort(values.begin(), values.end(), std::greater<>());
        auto mean = [&values](size_t n) {
            n = std::min(n, values.size());
            double sum = 0.0;
            for (size_t i = 0; i < n; ++i) sum += values[i];
            return n > 0 ? sum / static_cast<double>(n) : 0.0;
        };
        std::printf("mean_skill.%s=%.1f (%zu players)\nmean_skill.%s_top%zu=%.1f\n", name,
                    mean(values.size()), values.size(), name, TOP_SKILLED, mean(TOP_SKILLED));
    }
}

// Runs and wickets of the innings of a match's kind, for runs per wicket.
struct RunsAndWickets {
    long long m_runs = 0;
    long long m_wickets = 0;
    void Add(const Match& m) {
        for (const Innings& in : m.m_innings) {
            if (!in.mb_started) continue;
            m_runs += in.mi_total;
            m_wickets += in.mi_wickets;
        }
    }
    double PerWicket() const { return m_wickets > 0 ? static_cast<double>(m_runs) / m_wickets : 0.0; }
};

void PrintDraws(const char* prefix, const std::map<int, std::pair<int, int>>& drawn) {
    for (const auto& [key, share] : drawn) {
        const double pct = share.second > 0 ? 100.0 * share.first / share.second : 0.0;
        if (key < 0)
            std::printf("%sdraw_pct.test=%.1f (%d of %d)\n", prefix, pct, share.first, share.second);
        else
            std::printf("%sdraw_pct.%d=%.1f (%d of %d)\n", prefix, key, pct, share.first, share.second);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int seasons = 1;
    unsigned long seed = 1;
    std::string csvDir;
    std::string root = RAVEL_RUNTIME_DIR;
    std::string saves = (std::filesystem::temp_directory_path() / "season_bench").string();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--seed" && value)
            seed = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--csv" && value)
            csvDir = argv[++i];
        else if (arg == "--db" && value)
            root = argv[++i];
        else if (arg == "--saves" && value)
            saves = argv[++i];
        else if (!arg.empty() && arg[0] != '-')
            seasons = std::atoi(arg.c_str());
        else {
            std::fprintf(stderr, "usage: season_bench N [--seed S] [--csv DIR] [--db ROOT] [--saves DIR]\n");
            return 2;
        }
    }
    if (!bench::LoadBenchWorld("season_bench", root, saves, seed)) return 1;
    PrepareNewCareer();
    // A profile with no job hears the world's news; it coaches nobody.
    g_userCoaches.assign(1, UserCoach{});
    g_userCoaches[0].m_staff.m_id = -1;
    g_cricket.m_autoSimulate = true;

    MatchCsv csv;
    if (!csvDir.empty()) csv.Open(csvDir);
    std::printf("seed=%lu\nfirst_season=%d\n", seed, g_cricket.m_date.m_season);
    double total = 0.0;
    bool allFieldable = true;
    size_t historyWritten = 0;
    double totalCpu = 0.0;
    double totalChecksCpu = 0.0;
    std::map<int, int> allTestWins;
    std::map<int, std::pair<int, int>> allDrawn;
    RunsAndWickets allTestRuns;
    for (int n = 0; n < seasons; ++n) {
        const int season = g_cricket.m_date.m_season;
        const Snapshot before = Take();
        const std::clock_t cpuStart = std::clock();
        // The season's own time: the days advanced, without the bench's checks between them.
        std::chrono::steady_clock::duration seasonWall{};
        std::clock_t seasonCpu = 0;
        int days = 0, matches = 0, injuries = 0, news = 0;
        long long balls = 0;
        bool fieldable = true;
        // Season blocks holding a match just before the turn: what the turn adds to the histories.
        size_t historyBefore = 0;
        std::vector<uint8_t> injured(g_world.mv_players.size(), 0);
        CoachMoves coaches;
        std::map<int, int> coachOf = before.coaches;
        std::map<int, std::string> onDuty;         // country id: " 1Jun:12 15Jun:14 ..."
        std::map<int, std::pair<int, int>> drawn;  // Tests (-1) or a first-class league: draws, matches
        std::map<int, int> testWins;               // decided Tests by result kind
        RunsAndWickets testRuns;
        size_t completed = g_completedMatches.size();
        while (g_cricket.m_date.m_season == season) {
            const int day = g_cricket.m_date.m_dayOfSeason;
            if (day >= LAST_TURN_DAY) {
                historyBefore = 0;
                for (const Player& p : g_world.mv_players)
                    for (int b = STATS_SEASON_FC; b <= STATS_SEASON_ODI; ++b)
                        historyBefore += p.m_stats[b].m_matches > 0;
            }
            const auto dayStart = std::chrono::steady_clock::now();
            const std::clock_t dayCpu = std::clock();
            AdvanceDay();
            seasonCpu += std::clock() - dayCpu;
            seasonWall += std::chrono::steady_clock::now() - dayStart;
            if (g_completedMatches.size() < completed) completed = 0;
            for (; completed < g_completedMatches.size(); ++completed) {
                const Match& m = *g_completedMatches[completed];
                ++matches;
                fieldable &= FieldedElevens(m);
                balls += BallsOf(m);
                const int drawKey = m.mi_matchType == FORMAT_TEST ? -1
                                    : m.mi_matchType == FORMAT_FIRST_CLASS && m.mi_competition < 500
                                        ? m.mi_competition
                                        : 0;
                if (drawKey != 0) {
                    drawn[drawKey].first += m.mi_resultKind == RESULT_DRAW;
                    ++drawn[drawKey].second;
                }
                if (drawKey < 0 && m.mi_winner > 0) ++testWins[m.mi_resultKind];
                if (drawKey < 0) testRuns.Add(m);
                csv.Write(m, KindName(m.mi_matchType), AverageRating(m.mi_team1), AverageRating(m.mi_team2));
            }
            if (g_cricket.m_date.m_dayOfSeason == day) continue;
            ++days;
            injured.resize(g_world.mv_players.size(), 0);
            for (size_t i = 0; i < g_world.mv_players.size(); ++i) {
                injuries += g_world.mv_players[i].m_injured && !injured[i];
                injured[i] = g_world.mv_players[i].m_injured;
            }
            fieldable &= EverySideCanField();
            if (const GameDate& d = g_cricket.m_date; d.m_day == 1 || d.m_day == 15) {
                for (const Country& c : g_world.mv_countries) {
                    if (c.m_nationalSide != 1) continue;
                    char sample[24];
                    std::snprintf(sample, sizeof sample, " %d%s:%d", d.m_day, MonthShortName(d.m_month),
                                  TopPlayersOnDuty(c.m_id));
                    onDuty[c.m_id] += sample;
                }
            }
            CountCoachMoves(coachOf, coaches);
            news += static_cast<int>(g_userCoaches[0].mv_inbox.size());
            g_userCoaches[0].mv_inbox.clear();
        }
        historyWritten += historyBefore;
        const double loopCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const double cpu = static_cast<double>(seasonCpu) / CLOCKS_PER_SEC;
        totalCpu += cpu;
        totalChecksCpu += loopCpu - cpu;
        const double seconds = std::chrono::duration<double>(seasonWall).count();
        total += seconds;
        allFieldable &= fieldable;
        Report(season, before, coaches, seconds, cpu, loopCpu - cpu, days, matches, balls, injuries, news,
               fieldable);
        PrintDraws("", drawn);
        std::printf("test_runs_per_wicket=%.2f\n", testRuns.PerWicket());
        for (const auto& [key, share] : drawn) {
            allDrawn[key].first += share.first;
            allDrawn[key].second += share.second;
        }
        allTestRuns.m_runs += testRuns.m_runs;
        allTestRuns.m_wickets += testRuns.m_wickets;
        PrintMeanSkills();
        PrintTestWins("", testWins);
        for (const auto& [kind, count] : testWins) allTestWins[kind] += count;
        for (const auto& [id, samples] : onDuty)
            std::printf("top30_on_duty[%s]=%s\n", CountryById(id)->m_name, samples.c_str());
    }
    std::printf("last_season=%d\nseconds_total=%.3f\nseconds_per_season=%.3f\n", g_cricket.m_date.m_season,
                total, seasons > 0 ? total / seasons : 0.0);
    PrintTestWins("all_seasons.", allTestWins);
    PrintDraws("all_seasons.", allDrawn);
    std::printf("all_seasons.test_runs_per_wicket=%.2f\n", allTestRuns.PerWicket());
    std::printf("cpu_seconds_per_season=%.3f\n", seasons > 0 ? totalCpu / seasons : 0.0);
    std::printf("checks_cpu_seconds_per_season=%.3f\n", seasons > 0 ? totalChecksCpu / seasons : 0.0);
    const std::vector<PlayerStats> history = ReadAllPlayerHistories();
    std::printf("history_records=%zu\nhistory_written=%zu\n", history.size(), historyWritten);
    std::printf("records_round_trip=%s\n", RecordsRoundTrip(saves) ? "ok" : "failed");
    csv.Close();
    return allFieldable ? 0 : 3;
}
