// The seasons before 2006: each player's career lines split into one row a
// season from his first to the season just ended, so that his History tab
// adds up to his career. The seasons are made up, but believable: a short
// first season, form that comes and goes, the career best in one of them.
#include <algorithm>
#include <numeric>
#include <vector>

#include "WorldBuilder.h"
#include "world/PlayerHistory.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/World.h"

namespace ravel {

namespace {

constexpr uint64_t HISTORY_SEED = 20060331;
constexpr int LAST_NORTHERN_SEASON = FIRST_SEASON - 2;  // 2005
constexpr int LAST_SOUTHERN_SEASON = FIRST_SEASON - 1;  // 2005/06
constexpr int FIRST_PLAYING_AGE = 17;
constexpr int ENGLAND = 2;

// Matches a season of each kind: first-class, List A, Test, one-day
// international; England's county seasons are longer.
int MatchesASeason(int block, bool english) {
    switch (block) {
        case STATS_CAREER_FC:
            return english ? 13 : 7;
        case STATS_CAREER_LA:
            return english ? 14 : 6;
        case STATS_CAREER_TEST:
            return 8;
        default:
            return 18;
    }
}

// A share of 0.01 .. (lo + spread) / 100 drawn for a season.
double Draw(int lo, int spread) {
    return (lo + Rand() % spread) / 100.0;
}

// `total` split by `weights`, no part above its cap: whole shares first,
// then one at a time to the part furthest below its share that has room;
// what no part has room for goes to the heaviest part.
std::vector<int32_t> Split(int32_t total, const std::vector<double>& weights,
                           const std::vector<int32_t>& caps) {
    const size_t n = weights.size();
    std::vector<int32_t> parts(n, 0);
    const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    if (total <= 0 || n == 0) return parts;
    std::vector<double> share(n, 0.0);
    int32_t given = 0;
    for (size_t i = 0; i < n; ++i) {
        share[i] = sum > 0.0 ? total * weights[i] / sum : static_cast<double>(total) / n;
        parts[i] = std::min(static_cast<int32_t>(share[i]), caps[i]);
        given += parts[i];
    }
    while (given < total) {
        size_t best = n;
        for (size_t i = 0; i < n; ++i)
            if (parts[i] < caps[i] && (best == n || share[i] - parts[i] > share[best] - parts[best]))
                best = i;
        if (best == n)
            best = static_cast<size_t>(std::max_element(weights.begin(), weights.end()) - weights.begin());
        ++parts[best];
        ++given;
    }
    return parts;
}

std::vector<double> AsWeights(const std::vector<int32_t>& counts) {
    return {counts.begin(), counts.end()};
}

std::vector<int32_t> NoCaps(size_t n) {
    return std::vector<int32_t>(n, INT32_MAX);
}

// Moves from the other seasons into season k until it holds at least `need`.
void Gather(std::vector<int32_t>& parts, size_t k, int32_t need) {
    for (size_t i = 0; i < parts.size() && parts[k] < need; ++i) {
        if (i == k) continue;
        const int32_t move = std::min(parts[i], need - parts[k]);
        parts[i] -= move;
        parts[k] += move;
    }
}

void SplitBatting(const PlayerStats& career, std::vector<PlayerStats>& rows, bool limitedOvers) {
    const size_t n = rows.size();
    std::vector<int32_t> matches(n), caps(n);
    for (size_t i = 0; i < n; ++i) {
        matches[i] = rows[i].m_matches;
        caps[i] = matches[i] * (limitedOvers ? 1 : 2);
    }
    const std::vector<int32_t> innings = Split(career.m_innings, AsWeights(matches), caps);
    const std::vector<int32_t> notOuts = Split(career.m_notOuts, AsWeights(innings), innings);
    std::vector<double> form(n);
    std::vector<int32_t> runCaps(n);
    for (size_t i = 0; i < n; ++i) {
        form[i] = (innings[i] - notOuts[i]) * Draw(60, 80) + (innings[i] > 0 ? 0.1 : 0.0);
        runCaps[i] = innings[i] > 0 ? INT32_MAX : 0;
    }
    std::vector<int32_t> runs = Split(career.m_runs, form, runCaps);
    const size_t best = static_cast<size_t>(std::max_element(runs.begin(), runs.end()) - runs.begin());
    Gather(runs, best, career.m_highest);

    // Hundreds and fifties where the runs allow them; the best season holds
    // the career's highest score.
    std::vector<int32_t> hundredCaps(n), fiftyCaps(n);
    for (size_t i = 0; i < n; ++i) hundredCaps[i] = std::min(runs[i] / 100, innings[i]);
    if (career.m_highest >= 100) hundredCaps[best] = std::max(hundredCaps[best], 1);
    std::vector<int32_t> hundreds = Split(career.m_hundreds, AsWeights(runs), hundredCaps);
    if (career.m_hundreds > 0 && hundreds[best] == 0) {
        for (int32_t& h : hundreds)
            if (h > 0) {
                --h;
                break;
            }
        ++hundreds[best];
    }
    for (size_t i = 0; i < n; ++i)
        fiftyCaps[i] = std::max(0, std::min((runs[i] - 100 * hundreds[i]) / 50, innings[i] - hundreds[i]));
    const std::vector<int32_t> fifties = Split(career.m_fifties, AsWeights(runs), fiftyCaps);

    for (size_t i = 0; i < n; ++i) {
        PlayerStats& r = rows[i];
        r.m_innings = innings[i];
        r.m_notOuts = notOuts[i];
        r.m_runs = runs[i];
        r.m_hundreds = hundreds[i];
        r.m_fifties = fifties[i];
        if (i == best) {
            r.m_highest = career.m_highest;
            r.m_highestNotOut = career.m_highestNotOut;
            continue;
        }
        const int completed = std::max(innings[i] - notOuts[i], 1);
        int32_t highest = std::min(runs[i], runs[i] / completed * 2 + Rand() % 30);
        if (hundreds[i] > 0)
            highest = std::max(highest, 100 + Rand() % 40);
        else if (fifties[i] > 0)
            highest = std::clamp(highest, 50, 99);
        else
            highest = std::min(highest, 49);
        r.m_highest = std::clamp(highest, 0, std::min(runs[i], career.m_highest));
        r.m_highestNotOut = r.m_highest > 0 && Rand() % 5 == 0;
    }
}

void SplitBowling(const PlayerStats& career, std::vector<PlayerStats>& rows, bool limitedOvers) {
    const size_t n = rows.size();
    std::vector<double> load(n);
    for (size_t i = 0; i < n; ++i) load[i] = rows[i].m_matches * Draw(60, 80);
    const std::vector<int32_t> balls = Split(career.m_balls, load, NoCaps(n));
    std::vector<double> strike(n), economy(n);
    for (size_t i = 0; i < n; ++i) {
        strike[i] = balls[i] * Draw(60, 80);
        economy[i] = balls[i] * Draw(80, 40);
    }
    std::vector<int32_t> wickets = Split(career.m_wickets, strike, balls);
    const std::vector<int32_t> conceded = Split(career.m_runsConceded, economy, NoCaps(n));
    const size_t best =
        static_cast<size_t>(std::max_element(wickets.begin(), wickets.end()) - wickets.begin());
    Gather(wickets, best, std::max(career.m_bestInnsWickets, career.m_bestMatchWickets));

    // Five-wicket innings and ten-wicket matches (four and five wickets in
    // one-day cricket) where the wickets allow them.
    std::vector<int32_t> capsA(n), capsB(n);
    for (size_t i = 0; i < n; ++i) {
        capsA[i] = wickets[i] / (limitedOvers ? 4 : 5);
        capsB[i] = wickets[i] / (limitedOvers ? 5 : 10);
    }
    const std::vector<int32_t> haulsA = Split(career.m_haulsA, AsWeights(wickets), capsA);
    const std::vector<int32_t> haulsB = Split(career.m_haulsB, AsWeights(wickets), capsB);

    for (size_t i = 0; i < n; ++i) {
        PlayerStats& r = rows[i];
        r.m_balls = balls[i];
        r.m_wickets = wickets[i];
        r.m_runsConceded = conceded[i];
        r.m_haulsA = haulsA[i];
        r.m_haulsB = haulsB[i];
        if (i == best) {
            r.m_bestInnsWickets = career.m_bestInnsWickets;
            r.m_bestInnsRuns = career.m_bestInnsRuns;
            r.m_bestMatchWickets = career.m_bestMatchWickets;
            r.m_bestMatchRuns = career.m_bestMatchRuns;
            continue;
        }
        if (wickets[i] <= 0) continue;
        // Never better than the career's best.
        const int32_t inns = std::min(wickets[i], std::max(1, career.m_bestInnsWickets - 1 - Rand() % 3));
        const double perWicket = static_cast<double>(conceded[i]) / wickets[i];
        r.m_bestInnsWickets = inns;
        r.m_bestInnsRuns = std::max(inns * 4, static_cast<int32_t>(inns * perWicket * 0.6) + Rand() % 12);
        if (inns == career.m_bestInnsWickets)
            r.m_bestInnsRuns = std::max(r.m_bestInnsRuns, career.m_bestInnsRuns + 1);
        r.m_bestMatchWickets =
            limitedOvers ? inns
                         : std::min(wickets[i], std::max(inns, career.m_bestMatchWickets - 2 - Rand() % 3));
        r.m_bestMatchRuns =
            limitedOvers
                ? r.m_bestInnsRuns
                : std::max(r.m_bestInnsRuns, static_cast<int32_t>(r.m_bestMatchWickets * perWicket * 0.75));
        if (r.m_bestMatchWickets == career.m_bestMatchWickets)
            r.m_bestMatchRuns = std::max(r.m_bestMatchRuns, career.m_bestMatchRuns + 1);
    }
}

// One row a season of a career line: the seasons of the player's hemisphere
// up to the one just ended.
std::vector<PlayerStats> SeasonsOf(const Player& p, int block) {
    static const int32_t KINDS[] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    const PlayerStats& career = p.m_stats[block];
    if (career.m_matches <= 0) return {};
    const int age = p.AgeOn(GameDate::FromSeasonDay(0, FIRST_SEASON));
    const int most = std::max(1, std::min(career.m_matches, age - FIRST_PLAYING_AGE));
    const int perSeason = MatchesASeason(block, p.m_country == ENGLAND);
    const int count = std::clamp((career.m_matches + perSeason / 2) / perSeason, 1, most);
    const int last = NorthernCountry(p.m_country) ? LAST_NORTHERN_SEASON : LAST_SOUTHERN_SEASON;

    // A first season of a few matches, then fuller ones.
    std::vector<double> weights(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) weights[static_cast<size_t>(i)] = i == 0 ? Draw(30, 40) : Draw(70, 60);
    std::vector<int32_t> matches = Split(career.m_matches - count, weights, NoCaps(weights.size()));
    for (int32_t& m : matches) ++m;  // every season holds a match
    std::vector<PlayerStats> rows(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        PlayerStats& r = rows[static_cast<size_t>(i)];
        r.m_team = career.m_team;
        r.m_player = p.m_id;
        r.m_kind = KINDS[block];
        r.m_season = last - 2 * (count - 1 - i);
        r.m_matches = matches[static_cast<size_t>(i)];
    }
    const bool limitedOvers = block == STATS_CAREER_LA || block == STATS_CAREER_ODI;
    SplitBatting(career, rows, limitedOvers);
    SplitBowling(career, rows, limitedOvers);
    const std::vector<int32_t> catches = Split(career.m_catches, AsWeights(matches), NoCaps(rows.size()));
    const std::vector<int32_t> stumpings = Split(career.m_stumpings, AsWeights(matches), NoCaps(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].m_catches = catches[i];
        rows[i].m_stumpings = stumpings[i];
        rows[i].RecomputeAverages();
    }
    return rows;
}

}  // namespace

void WriteHistoriesBefore2006(const std::string& outDir) {
    SeedRand(HISTORY_SEED);
    std::vector<PlayerStats> records;
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0) continue;
        for (int block = STATS_CAREER_FC; block <= STATS_CAREER_ODI; ++block)
            for (const PlayerStats& row : SeasonsOf(p, block)) records.push_back(row);
    }
    // The history files are written where the saves would be, then left in
    // the database folder for each new game to copy.
    const std::string saves = SavesFolder();
    SetSavesFolder(outDir);
    const bool written = WritePlayerHistories(std::move(records));
    SetSavesFolder(saves);
    if (!written) throw BuildError{"cannot write the player histories in " + outDir};
}

}  // namespace ravel
