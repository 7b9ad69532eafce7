// match_bench: plays N matches of a kind between sides of the built world
// (or generated sides when no world database is found), headless, and prints
// one name=value line per figure. With --csv DIR it also writes every match,
// team innings, batting innings and bowling figure as CSV rows.
//
//   match_bench [--kind test|odi|fc|oneday] [--n N] [--seed S] [--csv DIR] [--db ROOT]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../common/MatchCsv.h"
#include "../common/Nations.h"
#include "match/Match.h"
#include "match/MatchServices.h"
#include "season/Career.h"
#include "season/GameState.h"
#include "season/Selection.h"
#include "world/Database.h"
#include "world/GameDate.h"
#include "world/Random.h"
#include "world/World.h"

using namespace ravel;

namespace {

struct Kind {
    const char* name;
    int format;  // the competition format the kind is played under
    int defaultMatches;
};
const Kind KINDS[] = {
    {"test", FORMAT_TEST, 600},
    {"odi", FORMAT_ODI, 1000},
    {"fc", FORMAT_FIRST_CLASS, 600},
    {"oneday", FORMAT_LIST_A, 1000},
};

struct Figures {
    long long balls = 0;  // every delivery, legal or not
    long long legalBalls = 0;
    long long runs = 0;
    long long extras = 0;
    long long wickets = 0;
    long long howOut[6] = {};
    long long keeperCaught = 0;  // caught by the side's wicket keeper
    int matches = 0;
    int resultKinds[RESULT_NO_RESULT + 1] = {};
    int draws = 0;
    int ties = 0;
    int decided = 0;
    int strongerWon = 0;
    long long firstInningsRuns = 0;
    int firstInnings = 0;
    long long topRuns = 0, topOuts = 0, tailRuns = 0, tailOuts = 0;
    long long bowlRuns[2] = {}, bowlWickets[2] = {}, bowlBalls[2] = {};  // pace, spin
    double seconds = 0.0;
};

// Sides of one kind of cricket: (side id, national).
struct Side {
    int id;
    bool national;
};

int g_nextGround = 1;
int g_matchesPlayed = 0;  // match ids run on across kinds, so CSV rows stay apart

// A world of twelve club sides and eight countries of graded strength, for
// when no world database has been built.
void GenerateWorld() {
    ResetGameState();
    g_world.mv_players.resize(1);
    Climate climate;
    climate.m_id = 1;
    const int32_t thresholds[6] = {20, 45, 65, 80, 95, 100};
    std::copy(thresholds, thresholds + 6, climate.m_thresholds);
    g_world.mv_climates.push_back(climate);
    Ground ground;
    ground.m_id = 1;
    ground.m_climate = 1;
    ground.m_bounce = 5.0f;
    ground.m_turn = 5.0f;
    g_world.mv_grounds.push_back(ground);
    static const int BAT[11] = {66, 64, 68, 63, 58, 46, 40, 30, 20, 15, 11};
    static const int BOWL_TYPE[11] = {0, 0, 0, 4, 0, 0, 5, 6, 3, 1, 2};
    static const int BOWL[11] = {0, 0, 0, 45, 0, 0, 60, 58, 64, 68, 66};
    auto makeEleven = [](int strength, int32_t* xi) {
        for (int i = 0; i < 11; ++i) {
            Player p;
            p.m_id = static_cast<int32_t>(g_world.mv_players.size());
            std::snprintf(p.m_surname, sizeof p.m_surname, "Player%d", p.m_id);
            p.m_batPosition = i + 1;
            p.m_batHand = Rand() % 4 == 0;
            int bat = BAT[i] + strength + Rand() % 11 - 5;
            for (int k = 0; k < 7; ++k) p.m_batSkill[k] = std::clamp(bat + Rand() % 9 - 4, 1, 99);
            p.m_bowlType = BOWL_TYPE[i];
            for (int k = 0; k < 4; ++k)
                p.m_bowlSkill[k] = BOWL[i] ? std::clamp(BOWL[i] + strength + Rand() % 11 - 5, 1, 99) : 5;
            for (int k = 0; k < 4; ++k) p.m_fieldSkill[k] = 45 + Rand() % 30;
            p.m_keeper = i == 5;
            p.m_keepSkill[0] = p.m_keepSkill[1] = i == 5 ? 65 + Rand() % 20 : 10;
            xi[i] = p.m_id;
            g_world.mv_players.push_back(p);
        }
    };
    for (int t = 0; t < 12; ++t) {
        Team team;
        team.m_id = 1001 + t;
        team.m_ground = 1;
        std::snprintf(team.m_name, sizeof team.m_name, "Club %d", t + 1);
        makeEleven(t - 6, team.m_xi);
        g_world.mv_teams.push_back(team);
    }
    for (int c = 0; c < 8; ++c) {
        Country country;
        country.m_id = 1 + c;
        country.m_nationalSide = 1;
        country.m_homeGround = 1;
        std::snprintf(country.m_name, sizeof country.m_name, "Country %d", c + 1);
        makeEleven(4 + c * 2 - 7, country.m_xi);
        g_world.mv_countries.push_back(country);
    }
    // Bowling plans as the world database holds them: a stock ball with
    // variations, by length and movement.
    const int PACE_PLANS[6][6][2] = {
        {{8001, 9003}, {8001, 9001}, {8002, 9002}, {8001, 9003}, {8003, 9001}, {8004, 9004}},
        {{8001, 9001}, {8001, 9003}, {8001, 9002}, {8002, 9001}, {8001, 9006}, {8003, 9002}},
        {{8001, 9003}, {8001, 9003}, {8002, 9004}, {8001, 9002}, {8004, 9001}, {8001, 9009}},
        {{8002, 9001}, {8001, 9003}, {8001, 9005}, {8001, 9001}, {8003, 9001}, {8001, 9004}},
        {{8001, 9002}, {8001, 9003}, {8001, 9001}, {8002, 9006}, {8001, 9004}, {8003, 9003}},
        {{8003, 9001}, {8001, 9006}, {8002, 9001}, {8001, 9003}, {8003, 9002}, {8004, 9001}},
    };
    const int SPIN_PLANS[6][6][2] = {
        {{8001, 9008}, {8001, 9008}, {8001, 9009}, {8002, 9008}, {8001, 9006}, {8003, 9008}},
        {{8001, 9007}, {8001, 9007}, {8001, 9010}, {8002, 9007}, {8001, 9009}, {8003, 9007}},
        {{8001, 9008}, {8001, 9009}, {8001, 9008}, {8001, 9006}, {8002, 9008}, {8001, 9011}},
        {{8001, 9007}, {8001, 9010}, {8001, 9007}, {8002, 9009}, {8001, 9007}, {8003, 9006}},
        {{8001, 9007}, {8001, 9007}, {8001, 9009}, {8001, 9010}, {8002, 9007}, {8001, 9011}},
        {{8001, 9008}, {8001, 9009}, {8002, 9008}, {8001, 9008}, {8003, 9001}, {8001, 9006}},
    };
    for (int p = 0; p < 6; ++p) {
        BowlPlan pace, spin;
        for (int k = 0; k < 6; ++k) {
            pace.mv_balls.push_back({0, 0, PACE_PLANS[p][k][0], PACE_PLANS[p][k][1], 0, 5});
            spin.mv_balls.push_back({0, 0, SPIN_PLANS[p][k][0], SPIN_PLANS[p][k][1], 0, 5});
        }
        g_world.mv_pacePlans.push_back(pace);
        g_world.mv_spinPlans.push_back(spin);
    }
    const struct {
        int id, format, length;
    } COMPS[] = {
        {500, FORMAT_TEST, 5}, {501, FORMAT_ODI, 50}, {1, FORMAT_FIRST_CLASS, 4}, {2, FORMAT_LIST_A, 50}};
    for (const auto& c : COMPS) {
        Competition comp;
        comp.m_id = c.id;
        comp.m_format = c.format;
        comp.m_length = c.length;
        g_world.mv_competitions.push_back(comp);
    }
}

// The world a new game loads, when the database has been built.
bool LoadDatabaseWorld(const std::string& root) {
    SetDatabaseFolder("std");
    SetDatabaseRoot(root);
    if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS))) return false;
    if (const auto fault = LoadWorld()) {
        std::fprintf(stderr, "match_bench: %s: %s\n", fault->Where().c_str(), fault->m_problem.c_str());
        return false;
    }
    return g_world.mv_players.size() > 100;
}

// A competition of a kind and the sides that play in it.
struct Pool {
    int competition;
    std::vector<Side> sides;
};

// Where a kind is played: the Test nations in Test and one-day series, and
// for the domestic kinds every competition of that format round the world
// (first-class: the four-day ones).
std::vector<Pool> PoolsFor(const Kind& kind) {
    std::vector<Pool> pools;
    if (kind.format == FORMAT_TEST || kind.format == FORMAT_ODI) {
        // The Test-playing nations: the ten with the deepest player lists.
        const std::vector<int> nations = NationsByDepth();
        // Series ids: odd ones are Test series, even ones one-day series.
        Pool pool{kind.format == FORMAT_TEST ? FIRST_TOUR_SERIES_ID + 1 : FIRST_TOUR_SERIES_ID, {}};
        for (size_t i = 0; i < nations.size() && i < 10; ++i) pool.sides.push_back({nations[i], true});
        pools.push_back(pool);
        return pools;
    }
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_id >= 500 || c.m_format != kind.format) continue;
        if (kind.format == FORMAT_FIRST_CLASS && c.m_length != 4) continue;
        Pool pool{c.m_id, {}};
        for (int t : c.mv_teams) pool.sides.push_back({t, false});
        if (c.mv_teams.empty()) {
            for (const Team& t : g_world.mv_teams) pool.sides.push_back({t.m_id, false});
        }
        if (pool.sides.size() >= 2) pools.push_back(pool);
    }
    return pools;
}

// Mean of the batting and main bowling skills of a match side.
float Strength(const MatchTeam& team) {
    float sum = 0.0f;
    for (const MatchPlayer& mp : team.m_players) {
        const Player* p = PlayerById(mp.mi_player);
        if (!p) continue;
        sum += (p->m_batSkill[0] + p->m_batSkill[1] + p->m_batSkill[2] + p->m_batSkill[3]) / 4.0f;
        if (p->m_bowlType > 0) sum += p->m_bowlSkill[0];
    }
    return sum;
}

void RegisterSide(Match& m, int which, const Side& side, bool oneDay, bool generated) {
    if (!generated) {
        m.SelectComputerTeam(which, side.national, oneDay);
        return;
    }
    const int32_t* xi = side.national ? CountryById(side.id)->m_xi : TeamById(side.id)->m_xi;
    std::array<int32_t, SQUAD_SIZE> players{};
    std::copy(xi, xi + SQUAD_SIZE, players.begin());
    m.RegisterSquads(which, players, 0, 5, 9, 10);
}

void PlayThrough(Match& m) {
    const GameDate start = g_cricket.m_date;
    for (int steps = 0; steps < 100000 && m.mi_playState != PLAY_MATCH_OVER; ++steps) {
        m.Step();
        if (m.mi_playState == PLAY_CLOSE) {
            g_cricket.m_date.NextDay();
            m.mi_playState = PLAY_IN_PLAY;
        }
    }
    g_cricket.m_date = start;
}

void Tally(const Match& m, Figures& f, float strength1, float strength2) {
    ++f.matches;
    if (m.mi_resultKind >= 0 && m.mi_resultKind <= RESULT_NO_RESULT) ++f.resultKinds[m.mi_resultKind];
    if (m.mi_resultKind == RESULT_DRAW || m.mi_resultKind == RESULT_NO_RESULT) ++f.draws;
    if (m.mi_resultKind == RESULT_TIE) ++f.ties;
    if (m.mi_winner > 0 && strength1 != strength2) {
        ++f.decided;
        int stronger = strength1 > strength2 ? m.mi_team1 : m.mi_team2;
        if (m.mi_winner == stronger) ++f.strongerWon;
    }
    for (int i = 0; i < 4; ++i) {
        const Innings& in = m.m_innings[i];
        if (!in.mb_started) continue;
        int total = InningsTotal(in);
        int extras = in.mi_byes + in.mi_legByes + in.mi_wides + in.mi_noBalls;
        f.runs += total;
        f.extras += extras;
        f.legalBalls += in.mi_legalBalls;
        f.balls += in.mi_legalBalls + in.mi_wides + in.mi_noBalls;
        f.wickets += in.Wickets();
        if (i == 0) {
            f.firstInningsRuns += total;
            ++f.firstInnings;
        }
        const MatchTeam& fielding = m.SideOf(in.mi_bowlingTeam);
        const int keeper = fielding.m_players[SquadSlot(fielding.KeeperSlot(i))].mi_player;
        for (int pos = 0; pos < SQUAD_SIZE; ++pos) {
            const BatsmanFigures& b = in.m_batsmen[pos];
            if (b.mi_howOut >= 1 && b.mi_howOut <= 5) ++f.howOut[b.mi_howOut];
            if (b.mi_howOut == HOWOUT_CAUGHT && b.mi_fielder == keeper) ++f.keeperCaught;
            if (b.mi_howOut == 0) continue;
            int runs = BatsmanRuns(b);
            bool out = b.mi_howOut > 0;
            if (pos < 4) {
                f.topRuns += runs;
                f.topOuts += out;
            } else if (pos >= 8) {
                f.tailRuns += runs;
                f.tailOuts += out;
            }
        }
        for (const BowlerFigures& b : in.m_bowlers) {
            const Player* p = PlayerById(b.mi_player);
            if (b.mi_balls == 0 || !p) continue;
            int spin = IsSpin(p->m_bowlType);
            f.bowlRuns[spin] += b.mi_runs;
            f.bowlWickets[spin] += b.mi_wickets;
            f.bowlBalls[spin] += b.mi_balls;
        }
    }
}

void Print(const char* kind, const Figures& f) {
    auto pct = [](double a, double b) { return b > 0 ? 100.0 * a / b : 0.0; };
    std::printf("%s.matches=%d\n", kind, f.matches);
    std::printf("%s.runs_per_wicket=%.2f\n", kind, f.wickets ? double(f.runs) / f.wickets : 0.0);
    std::printf("%s.runs_per_over=%.2f\n", kind, f.legalBalls ? 6.0 * f.runs / f.legalBalls : 0.0);
    std::printf("%s.draw_pct=%.1f\n", kind, pct(f.draws, f.matches));
    std::printf("%s.tie_pct=%.1f\n", kind, pct(f.ties, f.matches));
    std::printf("%s.first_innings_avg=%.1f\n", kind,
                f.firstInnings ? double(f.firstInningsRuns) / f.firstInnings : 0.0);
    std::printf("%s.extras_pct=%.2f\n", kind, pct(f.extras, f.runs));
    long long outs = f.howOut[1] + f.howOut[2] + f.howOut[3] + f.howOut[4] + f.howOut[5];
    std::printf("%s.caught_pct=%.1f\n", kind, pct(f.howOut[2], outs));
    std::printf("%s.bowled_pct=%.1f\n", kind, pct(f.howOut[1], outs));
    std::printf("%s.lbw_pct=%.1f\n", kind, pct(f.howOut[3], outs));
    std::printf("%s.run_out_pct=%.1f\n", kind, pct(f.howOut[5], outs));
    std::printf("%s.stumped_pct=%.1f\n", kind, pct(f.howOut[4], outs));
    std::printf("%s.keeper_caught_pct=%.1f\n", kind, pct(f.keeperCaught, outs));
    // Decided matches by the kind of win: batting last (by wickets), bowling
    // last (by runs), by an innings.
    const int* wins = f.resultKinds;
    const double decided =
        wins[RESULT_WON_BATTING_LAST] + wins[RESULT_WON_BOWLING_LAST] + wins[RESULT_WON_BY_INNINGS];
    std::printf("%s.won_by_wickets_pct=%.1f\n", kind, pct(wins[RESULT_WON_BATTING_LAST], decided));
    std::printf("%s.won_by_runs_pct=%.1f\n", kind, pct(wins[RESULT_WON_BOWLING_LAST], decided));
    std::printf("%s.won_by_innings_pct=%.1f\n", kind, pct(wins[RESULT_WON_BY_INNINGS], decided));
    std::printf("%s.stronger_side_win_pct=%.1f\n", kind, pct(f.strongerWon, f.decided));
    std::printf("%s.top_order_avg=%.1f\n", kind, f.topOuts ? double(f.topRuns) / f.topOuts : 0.0);
    std::printf("%s.tail_avg=%.1f\n", kind, f.tailOuts ? double(f.tailRuns) / f.tailOuts : 0.0);
    const char* const BOWLING[2] = {"pace", "spin"};
    for (int k = 0; k < 2; ++k) {
        std::printf("%s.%s_overs_pct=%.1f\n", kind, BOWLING[k],
                    pct(f.bowlBalls[k], f.bowlBalls[0] + f.bowlBalls[1]));
        std::printf("%s.%s_avg=%.1f\n", kind, BOWLING[k],
                    f.bowlWickets[k] ? double(f.bowlRuns[k]) / f.bowlWickets[k] : 0.0);
        std::printf("%s.%s_economy=%.2f\n", kind, BOWLING[k],
                    f.bowlBalls[k] ? 6.0 * f.bowlRuns[k] / f.bowlBalls[k] : 0.0);
    }
    std::printf("%s.balls=%lld\n", kind, f.balls);
    std::printf("%s.balls_per_second=%.0f\n", kind, f.seconds > 0 ? f.balls / f.seconds : 0.0);
}

void RunKind(const Kind& kind, int n, bool generated, const MatchCsv& csv, Figures& all) {
    std::vector<Pool> pools = PoolsFor(kind);
    if (pools.empty()) {
        std::fprintf(stderr, "match_bench: no sides for %s\n", kind.name);
        return;
    }
    Figures f;
    bool oneDay = kind.format % 2 == 0;
    for (int i = 0; i < n; ++i) {
        const Pool& pool = pools[Rand() % static_cast<int>(pools.size())];
        const std::vector<Side>& sides = pool.sides;
        int competition = pool.competition;
        int a = Rand() % static_cast<int>(sides.size());
        int b = Rand() % static_cast<int>(sides.size() - 1);
        if (b >= a) ++b;
        auto m = std::make_unique<Match>();
        const Ground* home = nullptr;
        if (sides[a].national) {
            const Country* c = CountryById(sides[a].id);
            home = c ? GroundById(c->m_homeGround) : nullptr;
        } else {
            const Team* t = TeamById(sides[a].id);
            home = t ? GroundById(t->m_ground) : nullptr;
        }
        int ground = home ? home->m_id : g_nextGround;
        m->Setup(++g_matchesPlayed, competition, ground, sides[a].id, sides[b].id, g_cricket.m_date.m_day,
                 g_cricket.m_date.m_month, g_cricket.m_date.m_year, 0);
        m->mi_sideKind = sides[a].national ? SIDES_COUNTRIES : SIDES_CLUBS;
        RegisterSide(*m, 1, sides[a], oneDay, generated);
        RegisterSide(*m, 2, sides[b], oneDay, generated);
        m->Start();
        m->mb_sliced = 0;
        auto t0 = std::chrono::steady_clock::now();
        PlayThrough(*m);
        f.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        float strength1 = Strength(m->m_team1), strength2 = Strength(m->m_team2);
        Tally(*m, f, strength1, strength2);
        csv.Write(*m, kind.name, strength1, strength2);
    }
    Print(kind.name, f);
    all.balls += f.balls;
    all.seconds += f.seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const char* kindName = nullptr;
    int n = -1;
    unsigned long seed = 1;
    std::string csvDir;
    std::string root = RAVEL_RUNTIME_DIR;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--kind" && value)
            kindName = argv[++i];
        else if (arg == "--n" && value)
            n = std::atoi(argv[++i]);
        else if (arg == "--seed" && value)
            seed = std::strtoul(argv[++i], nullptr, 10);
        else if (arg == "--csv" && value)
            csvDir = argv[++i];
        else if (arg == "--db" && value)
            root = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: match_bench [--kind test|odi|fc|oneday] [--n N] [--seed S] [--csv DIR] "
                         "[--db ROOT]\n");
            return 2;
        }
    }
    SeedRand(seed);
    bool generated = !LoadDatabaseWorld(root);
    if (generated) GenerateWorld();
    g_cricket.m_date.m_day = 1;
    g_cricket.m_date.m_month = 6;
    g_cricket.m_date.m_year = 2006;
    std::printf("world=%s\n", generated ? "generated" : "database");

    MatchCsv csv;
    if (!csvDir.empty()) csv.Open(csvDir);
    Figures all;
    bool found = false;
    for (const Kind& kind : KINDS) {
        if (kindName && std::strcmp(kindName, kind.name) != 0) continue;
        found = true;
        RunKind(kind, n > 0 ? n : kind.defaultMatches, generated, csv, all);
    }
    if (!found) {
        std::fprintf(stderr, "match_bench: unknown kind %s\n", kindName);
        return 2;
    }
    std::printf("balls_per_second=%.0f\n", all.seconds > 0 ? all.balls / all.seconds : 0.0);
    csv.Close();
    return 0;
}
