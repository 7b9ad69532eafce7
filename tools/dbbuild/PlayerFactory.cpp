// The world's people: every player and coach is made up here from the name
// lists with a fixed seed, so every build writes the same world.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "WorldBuilder.h"
#include "world/GameDate.h"
#include "world/Random.h"
#include "world/World.h"

namespace ravel {

using nlohmann::json;

namespace {

constexpr uint64_t PEOPLE_SEED = 20060401;
constexpr int START_YEAR = 2006;
constexpr int ASSOCIATE_SQUAD = 24;
constexpr int FREE_COACHES = 30;
// Players younger than this are below the quality of their class, by so much a year.
constexpr int CLASS_AGE = 23;
constexpr int CLASS_GAIN_A_YEAR = 2;

enum Role { OPENER, MIDDLE, KEEPER, RESERVE_KEEPER, PACE_ALLROUNDER, SPIN_ALLROUNDER, PACE, SPINNER };

// A club squad: specialists in realistic proportions, then a few extras.
const Role SQUAD[] = {OPENER, OPENER,         OPENER,          MIDDLE,          MIDDLE, MIDDLE, MIDDLE,
                      KEEPER, RESERVE_KEEPER, PACE_ALLROUNDER, SPIN_ALLROUNDER, PACE,   PACE,   PACE,
                      PACE,   PACE,           SPINNER,         SPINNER,         MIDDLE, PACE};
const Role EXTRAS[] = {MIDDLE, PACE, SPINNER, OPENER, PACE_ALLROUNDER};

struct NameList {
    std::vector<std::string> m_first, m_last;
};

std::map<std::string, NameList> g_names;
std::map<int, std::string> g_countryNames;  // country id -> name list group
std::map<int, int> g_strength;

int Between(int lo, int hi) {
    return lo + Rand() % (hi - lo + 1);
}
int Clamp(int v, int lo = 1, int hi = 99) {
    return std::max(lo, std::min(hi, v));
}
int Noise(int spread) {
    return Rand() % (2 * spread + 1) - spread;
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw BuildError{"missing name list " + path};
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) out.push_back(line);
    return out;
}

const NameList& NamesOf(int country) {
    return g_names.at(g_countryNames.at(country));
}

template <size_t N>
void SetText(char (&dst)[N], const std::string& src) {
    std::snprintf(dst, N, "%s", src.c_str());
}

// Scores of fifty and more as real careers have them: about a third of the
// innings of a batsman averaging 50, a tenth at 20, the share of hundreds
// rising with the average; none above the highest score, and at least one
// of the highest score's kind.
void CountFiftyPlusScores(PlayerStats& s, int completed, double average, bool limitedOvers) {
    const double fiftyPlus = std::clamp((average - 8.0) / (limitedOvers ? 110.0 : 130.0), 0.0, 0.45);
    const double hundredShare = std::clamp((average - (limitedOvers ? 20.0 : 15.0)) / 90.0, 0.0, 0.5);
    const int32_t scores = static_cast<int32_t>(completed * fiftyPlus);
    s.m_hundreds = static_cast<int32_t>(scores * hundredShare);
    s.m_fifties = scores - s.m_hundreds;
    if (s.m_highest < 100) {
        s.m_fifties += s.m_hundreds;
        s.m_hundreds = 0;
    } else if (s.m_hundreds == 0) {
        // The highest score is one of the fifty-plus scores.
        s.m_hundreds = 1;
        s.m_fifties = std::max(0, s.m_fifties - 1);
    }
    if (s.m_highest < 50) s.m_fifties = 0;
    if (s.m_highest >= 50 && s.m_highest < 100) s.m_fifties = std::max(s.m_fifties, 1);
}

// Career figures of a player of this age and skill in one kind of cricket.
void MakeCareer(PlayerStats& s, int matches, int batting, int bowling, int notOutRate, bool keeper,
                bool limitedOvers) {
    s.m_matches = matches;
    if (matches <= 0) {
        s.m_battingAverage = NO_BATTING_AVERAGE;
        s.m_bowlingAverage = s.m_strikeRate = s.m_economy = NO_BOWLING_AVERAGE;
        return;
    }
    int innings = limitedOvers ? matches * 9 / 10 : matches * 17 / 10;
    innings = std::max(1, innings);
    int notOuts = innings * notOutRate / 100;
    int completed = std::max(1, innings - notOuts);
    double average = std::max(2.0, 3.0 + batting * (limitedOvers ? 0.38 : 0.48) + Noise(4));
    s.m_innings = innings;
    s.m_notOuts = notOuts;
    s.m_runs = static_cast<int32_t>(completed * average);
    s.m_highest =
        std::min(s.m_runs, static_cast<int32_t>(average * (limitedOvers ? 2.4 : 3.4)) + Rand() % 40);
    s.m_highestNotOut = Rand() % 4 == 0;
    CountFiftyPlusScores(s, completed, average, limitedOvers);
    s.m_catches = keeper ? matches * (limitedOvers ? 13 : 24) / 10 : matches * (3 + Rand() % 5) / 10;
    s.m_stumpings = keeper ? matches * (1 + Rand() % 3) / 10 : 0;
    s.m_battingAverage = static_cast<double>(s.m_runs) / completed;

    if (bowling >= 35 && !keeper) {
        double perMatch = (limitedOvers ? 0.4 : 0.6) + (bowling - 35) / (limitedOvers ? 40.0 : 24.0);
        s.m_wickets = std::max(0, static_cast<int32_t>(matches * perMatch) + Noise(2));
        double bowlAverage = std::max(16.0, (limitedOvers ? 46.0 : 54.0) - bowling * 0.3 + Noise(3));
        double strikeRate = bowlAverage * (limitedOvers ? 1.25 : 1.85);
        s.m_runsConceded = static_cast<int32_t>(s.m_wickets * bowlAverage);
        s.m_balls = std::max(s.m_wickets, static_cast<int32_t>(s.m_wickets * strikeRate));
        if (s.m_wickets > 0) {
            s.m_bestInnsWickets = std::min(s.m_wickets, (limitedOvers ? 3 : 4) + Rand() % 4);
            s.m_bestInnsRuns = std::max(s.m_bestInnsWickets * 4,
                                        static_cast<int32_t>(s.m_bestInnsWickets * bowlAverage * 0.55));
            s.m_bestMatchWickets = limitedOvers ? s.m_bestInnsWickets
                                                : std::min(s.m_wickets, s.m_bestInnsWickets + 2 + Rand() % 4);
            s.m_bestMatchRuns = limitedOvers ? s.m_bestInnsRuns
                                             : static_cast<int32_t>(s.m_bestMatchWickets * bowlAverage * 0.7);
            s.m_haulsA = s.m_wickets / (limitedOvers ? 30 : 22);
            s.m_haulsB = s.m_wickets / (limitedOvers ? 70 : 120);
        }
    } else if (!keeper && bowling >= 15 && matches > 5) {
        s.m_wickets = Rand() % (matches / 5 + 1);
        s.m_runsConceded = s.m_wickets * Between(40, 70) + Rand() % 60;
        s.m_balls = std::max(6, s.m_runsConceded * 6 / 5);
        if (s.m_wickets > 0) {
            s.m_bestInnsWickets = std::min(s.m_wickets, 1 + Rand() % 3);
            s.m_bestInnsRuns = s.m_bestInnsWickets * Between(10, 30);
            s.m_bestMatchWickets = s.m_bestInnsWickets;
            s.m_bestMatchRuns = s.m_bestInnsRuns;
        }
    }
    s.m_bowlingAverage =
        s.m_wickets > 0 ? static_cast<double>(s.m_runsConceded) / s.m_wickets : NO_BOWLING_AVERAGE;
    s.m_strikeRate = s.m_wickets > 0 ? static_cast<double>(s.m_balls) / s.m_wickets : NO_BOWLING_AVERAGE;
    s.m_economy = s.m_balls > 0 ? s.m_runsConceded * 6.0 / s.m_balls : NO_BOWLING_AVERAGE;
}

struct Made {
    int m_batting = 0;
    int m_bowling = 0;
    int m_quality = 0;
};

// One player of a role and class; the club and contract come later.
Player MakePlayer(int id, int country, Role role, int quality, Made& made) {
    Player p;
    p.m_id = id;
    const NameList& names = NamesOf(country);
    SetText(p.m_firstName, names.m_first[Rand() % names.m_first.size()]);
    SetText(p.m_surname, names.m_last[Rand() % names.m_last.size()]);
    p.m_initials[0] = p.m_firstName[0];

    int age = 18 + Rand() % 10 + Rand() % 11;
    p.m_birthMonth = Between(1, 12);
    p.m_birthDay = Between(1, 28);
    bool birthdayToCome = p.m_birthMonth > 4 || (p.m_birthMonth == 4 && p.m_birthDay > 1);
    p.m_birthYear = START_YEAR - age - (birthdayToCome ? 1 : 0);
    p.m_country = country;

    // Young players have room to grow; veterans have passed their best.
    const int yearsToClass = std::max(0, CLASS_AGE - age);
    quality -= yearsToClass * CLASS_GAIN_A_YEAR;
    if (age > 33) quality -= (age - 33) * 2;
    const bool asian = country == 3 || country == 5 || country == 7 || country == 10;
    const bool fastPitches = country == 1 || country == 6 || country == 8;

    int bat = 0, bowl = 0, keep = Between(1, 10);
    p.m_keeper = 0;
    p.m_bowlType = 0;
    p.m_bowlArm = Rand() % 100 < 18 ? 1 : 0;
    switch (role) {
        case OPENER:
            bat = quality + Noise(5);
            bowl = Between(5, 30);
            p.m_batPosition = Between(1, 2);
            break;
        case MIDDLE:
            bat = quality + Noise(5);
            bowl = Between(8, 40);
            p.m_batPosition = Between(3, 5);
            if (bowl > 25) p.m_bowlType = Rand() % 2 ? 4 : 5;
            break;
        case KEEPER:
        case RESERVE_KEEPER:
            p.m_keeper = 1;
            bat = quality - (role == KEEPER ? 10 : 18) + Noise(6);
            keep = quality + (role == KEEPER ? 6 : -4) + Noise(4);
            bowl = Between(1, 8);
            p.m_batPosition = role == KEEPER ? Between(6, 7) : Between(7, 8);
            break;
        case PACE_ALLROUNDER:
            bat = quality - 8 + Noise(5);
            bowl = quality - 6 + Noise(5);
            p.m_batPosition = Between(6, 7);
            p.m_bowlType = Between(2, 4);
            break;
        case SPIN_ALLROUNDER:
            bat = quality - 8 + Noise(5);
            bowl = quality - 6 + Noise(5);
            p.m_batPosition = Between(6, 7);
            p.m_bowlType = 5;
            break;
        case PACE: {
            bat = Between(8, 35);
            bowl = quality + Noise(5);
            p.m_batPosition = Between(8, 11);
            int r = Rand() % 100;
            p.m_bowlType = r < (fastPitches ? 40 : 25) ? 1 : r < 65 ? 2 : r < 88 ? 3 : 4;
            break;
        }
        case SPINNER:
            bat = Between(8, 35);
            bowl = quality + Noise(5);
            p.m_batPosition = Between(8, 10);
            p.m_bowlType = Rand() % 100 < (asian ? 40 : 30) ? 6 : 5;
            if (p.m_bowlType == 6) p.m_bowlArm = Rand() % 100 < 8 ? 1 : 0;
            break;
    }
    bat = Clamp(bat);
    bowl = Clamp(bowl);
    keep = Clamp(keep);
    int field = Clamp(40 + Rand() % 46 - std::max(0, age - 30) * 2);

    p.m_batHand = Rand() % 100 < 22 ? 1 : 0;
    p.m_batBase = bat;
    p.m_bowlBase = bowl;
    p.m_fieldBase = field;
    for (int i = 0; i < 7; ++i) p.m_batSkill[i] = Clamp(bat + Noise(7));
    if (asian) p.m_batSkill[5] = Clamp(p.m_batSkill[5] + 5);        // vs spin
    if (fastPitches) p.m_batSkill[4] = Clamp(p.m_batSkill[4] + 4);  // vs pace
    if (role == OPENER) p.m_batSkill[1] = Clamp(p.m_batSkill[1] + 3);
    for (int& s : p.m_bowlSkill) s = Clamp(bowl + Noise(7));
    for (int& s : p.m_fieldSkill) s = Clamp(field + Noise(7));
    p.m_keepSkill[0] = Clamp(keep + Noise(3));
    p.m_keepSkill[1] = Clamp(keep + Noise(3));
    p.m_fieldPosition =
        (role == OPENER || role == MIDDLE) && Rand() % 3 == 0 ? 1 : (role == PACE ? 2 : Rand() % 3);
    // What he has still to gain at his trade, the quality his youth took off,
    // above the 1 of a player fully grown.
    p.m_potential = Clamp(1 + yearsToClass * CLASS_GAIN_A_YEAR + Rand() % 3 - 1, 1, 40);
    p.m_morale = Between(55, 85);
    p.m_condition = 100.0f;
    p.m_captaincy = Clamp(15 + Rand() % 45 + (age - 20) * 2 + (p.m_batPosition <= 5 ? 10 : 0));
    p.m_xiSlot = 999;

    int notOutRate = p.m_batPosition <= 5 ? 8 : p.m_batPosition <= 8 ? 15 : 25;
    int seasons = std::max(0, age - 19 - Rand() % 3);
    int perSeason = country == 2 ? Between(11, 15) : Between(5, 9);
    int perSeasonLa = country == 2 ? Between(12, 16) : Between(5, 8);
    static const int32_t KINDS[STATS_BLOCKS] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI,
                                                KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    for (int b = 0; b < STATS_BLOCKS; ++b) {
        p.m_stats[b].m_player = id;
        p.m_stats[b].m_kind = KINDS[b];
    }
    bool keeper = p.m_keeper == 1;
    MakeCareer(p.m_stats[STATS_CAREER_FC], std::min(250, seasons * perSeason), bat, bowl, notOutRate, keeper,
               false);
    MakeCareer(p.m_stats[STATS_CAREER_LA], std::min(280, seasons * perSeasonLa), bat, bowl, notOutRate,
               keeper, true);
    MakeCareer(p.m_stats[STATS_CAREER_TEST], 0, bat, bowl, notOutRate, keeper, false);
    MakeCareer(p.m_stats[STATS_CAREER_ODI], 0, bat, bowl, notOutRate, keeper, true);

    made.m_batting = bat;
    made.m_bowling = bowl;
    made.m_quality = std::max(keeper ? (bat + keep) / 2 : 0, std::max(bat, bowl));
    return p;
}

// The wage a side offers, in the way contracts are priced in the game.
void Contract(Player& p, const Team& team) {
    int skillSum = 0;
    for (int i = 0; i < 4; ++i) skillSum += p.m_batSkill[i] + p.m_bowlSkill[i];
    skillSum += p.m_keepSkill[0] + p.m_keepSkill[1];
    double value = skillSum / 10.0 * 400.0 + static_cast<int>(team.m_money * 0.025f * 0.5f);
    if (p.m_stats[STATS_CAREER_FC].m_matches < 30) value *= 0.5;
    value = std::max(12000.0, value) - 1000 - 500 * (Rand() % 3);
    int seasons = Rand() % 4 + 1;
    if (team.m_country == 2) {
        p.m_northClub = team.m_id;
        p.m_northWage = static_cast<int32_t>(value);
        p.m_northSeasons = seasons;
    } else {
        p.m_southClub = team.m_id;
        p.m_southWage = static_cast<int32_t>(value);
        p.m_southSeasons = seasons;
    }
    for (int b : {STATS_CAREER_FC, STATS_CAREER_LA}) p.m_stats[b].m_team = team.m_id;
}

int ClubQuality(const Team& t, int adjust) {
    return g_strength.at(t.m_country) * 3 / 4 + 5 + adjust;
}

// A player's batting or bowling rating moved to `rating`: the skills of that
// trade shift together (not his scoring speed), and his first-class and List A
// careers are made again for the player he now is.
void Rerate(Player& p, Made& m, bool batting, int rating) {
    const int shift = rating - (batting ? p.BattingRatingValue() : p.BowlingRatingValue());
    if (batting) {
        for (int i = 0; i < 6; ++i) p.m_batSkill[i] = Clamp(p.m_batSkill[i] + shift);
        p.m_batBase = Clamp(p.m_batBase + shift);
        m.m_batting = Clamp(m.m_batting + shift);
    } else {
        for (int& s : p.m_bowlSkill) s = Clamp(s + shift);
        p.m_bowlBase = Clamp(p.m_bowlBase + shift);
        m.m_bowling = Clamp(m.m_bowling + shift);
    }
    m.m_quality = std::max(m.m_batting, m.m_bowling);
    const bool keeper = p.m_keeper == 1;
    const int notOutRate = p.m_batPosition <= 5 ? 8 : p.m_batPosition <= 8 ? 15 : 25;
    for (int b : {STATS_CAREER_FC, STATS_CAREER_LA}) {
        PlayerStats& s = p.m_stats[b];
        const int matches = s.m_matches;
        s.ResetCounters();
        MakeCareer(s, matches, m.m_batting, m.m_bowling, notOutRate, keeper, b == STATS_CAREER_LA);
    }
}

// The world's best are spread over the nations as the 2006 rankings had
// them: each nation's best batsmen and bowlers in their prime take the
// ratings of its stars, and no one else of the nation is rated as high as
// its last star.
void PlaceStars(const json& countries, std::vector<Made>& made) {
    constexpr int PRIME_FIRST = 24, PRIME_LAST = 35;
    for (const auto& c : countries["countries"]) {
        if (!c.contains("stars")) continue;
        const int country = c["id"];
        for (const bool batting : {true, false}) {
            const std::vector<int> stars = c["stars"][batting ? "batting" : "bowling"];
            if (stars.empty()) continue;
            std::vector<int> pool;
            for (const Player& p : g_world.mv_players) {
                if (p.m_id <= 0 || p.m_country != country || p.m_keeper == 1) continue;
                if (batting ? p.m_batPosition > 7 : p.m_bowlType == 0) continue;
                pool.push_back(p.m_id);
            }
            auto rating = [batting](int id) {
                const Player& p = g_world.mv_players[static_cast<size_t>(id)];
                return batting ? p.BattingRatingValue() : p.BowlingRatingValue();
            };
            std::stable_sort(pool.begin(), pool.end(), [&](int a, int b) { return rating(a) > rating(b); });
            size_t next = 0;
            for (int star : stars) {
                while (next < pool.size()) {
                    const int age = g_world.mv_players[static_cast<size_t>(pool[next])].AgeOn(
                        GameDate::FromSeasonDay(0, FIRST_SEASON));
                    if (age >= PRIME_FIRST && age <= PRIME_LAST) break;
                    ++next;
                }
                if (next >= pool.size()) break;
                const int id = pool[next];
                Rerate(g_world.mv_players[static_cast<size_t>(id)], made[static_cast<size_t>(id)], batting,
                       star);
                pool.erase(pool.begin() + static_cast<long>(next));
            }
            const int ceiling = stars.back() - 1;
            for (int id : pool)
                if (rating(id) > ceiling)
                    Rerate(g_world.mv_players[static_cast<size_t>(id)], made[static_cast<size_t>(id)],
                           batting, ceiling - Rand() % 3);
        }
    }
}

// The best players of each nation have international careers.
void AwardCaps(const std::vector<Made>& made) {
    for (const Country& c : g_world.mv_countries) {
        std::vector<int> ids;
        for (Player& p : g_world.mv_players)
            if (p.m_country == c.m_id && p.m_id > 0) ids.push_back(p.m_id);
        std::stable_sort(ids.begin(), ids.end(),
                         [&](int a, int b) { return made[a].m_quality > made[b].m_quality; });
        const bool testNation = c.m_group == 1;
        int capped = std::min<int>(static_cast<int>(ids.size()), 26);
        for (int rank = 0; rank < capped; ++rank) {
            Player& p = g_world.mv_players[ids[rank]];
            int age = p.AgeOn(GameDate::FromSeasonDay(0, FIRST_SEASON));
            int years = std::max(0, age - 21 - Rand() % 3) * (capped - rank) / capped;
            int tests = testNation ? years * Between(5, 10) : 0;
            int odis = years * (testNation ? Between(12, 24) : Between(2, 6));
            bool keeper = p.m_keeper == 1;
            int notOutRate = p.m_batPosition <= 5 ? 8 : p.m_batPosition <= 8 ? 15 : 25;
            MakeCareer(p.m_stats[STATS_CAREER_TEST], tests, made[p.m_id].m_batting, made[p.m_id].m_bowling,
                       notOutRate, keeper, false);
            MakeCareer(p.m_stats[STATS_CAREER_ODI], odis, made[p.m_id].m_batting, made[p.m_id].m_bowling,
                       notOutRate, keeper, true);
            for (int b : {STATS_CAREER_TEST, STATS_CAREER_ODI}) p.m_stats[b].m_team = c.m_id;
        }
    }
}

// Each English county signs one player from abroad for the summer.
void SignOverseasPlayers(const std::vector<Made>& made) {
    std::vector<int> pool;
    for (const Player& p : g_world.mv_players)
        if (p.m_southClub > 0 && p.m_country != 2 && p.m_country <= 8) pool.push_back(p.m_id);
    std::stable_sort(pool.begin(), pool.end(),
                     [&](int a, int b) { return made[a].m_quality > made[b].m_quality; });
    // Past the national stars: counties get good players their boards release.
    size_t next = 40;
    for (Team& t : g_world.mv_teams) {
        if (t.m_country != 2 || next >= pool.size()) continue;
        Player& p = g_world.mv_players[pool[next]];
        next += 1 + Rand() % 3;
        p.m_northClub = t.m_id;
        p.m_northWage = 45000 + Rand() % 30000;
        p.m_northSeasons = 1;
    }
}

StaffMember MakeCoach(int id, int country, int level) {
    StaffMember s;
    s.m_id = id;
    const NameList& names = NamesOf(country);
    SetText(s.m_firstName, names.m_first[Rand() % names.m_first.size()]);
    SetText(s.m_surname, names.m_last[Rand() % names.m_last.size()]);
    s.m_birthDay = Between(1, 28);
    s.m_birthMonth = Between(1, 12);
    s.m_birthYear = Between(1944, 1972);
    s.m_country = country;
    s.m_attributes[0] = Clamp(level + Noise(12), 20, 95);  // reputation
    s.m_attributes[1] = Clamp(level + Noise(12), 20, 95);  // skill
    s.m_attributes[2] = Clamp(level + Noise(15), 20, 95);
    s.m_attributes[3] = Clamp(level + Noise(15), 20, 95);
    return s;
}

}  // namespace

void GeneratePeople(const std::string& dataDir) {
    SeedRand(PEOPLE_SEED);
    g_names.clear();
    std::ifstream in(dataDir + "/countries.json");
    json countries = json::parse(in);
    for (const auto& c : countries["countries"]) {
        std::string group = c["names"];
        g_countryNames[c["id"]] = group;
        g_strength[c["id"]] = c["strength"];
        if (!g_names.count(group))
            g_names[group] = {ReadLines(dataDir + "/names/" + group + "_first.txt"),
                              ReadLines(dataDir + "/names/" + group + "_last.txt")};
    }
    std::ifstream tin(dataDir + "/teams.json");
    json teams = json::parse(tin);
    std::map<int, int> adjust;
    for (const auto& t : teams["teams"]) adjust[t[0]] = t[6];

    auto& players = g_world.mv_players;
    std::vector<Made> made(1);
    // Player 0 stands for "nobody": no country, no club.
    Player nobody;
    SetText(nobody.m_firstName, "Unknown");
    SetText(nobody.m_surname, "Player");
    nobody.m_initials[0] = 'U';
    nobody.m_birthDay = -1;
    players.push_back(nobody);

    for (const Team& t : g_world.mv_teams) {
        int quality = ClubQuality(t, adjust[t.m_id]);
        std::vector<Role> roles(std::begin(SQUAD), std::end(SQUAD));
        for (int extra = Rand() % 4; extra > 0; --extra) roles.push_back(EXTRAS[Rand() % 5]);
        for (Role role : roles) {
            Made m;
            Player p =
                MakePlayer(static_cast<int>(players.size()), t.m_country, role, quality + Noise(12), m);
            Contract(p, t);
            players.push_back(p);
            made.push_back(m);
        }
    }
    // Nations without first-class sides pick from players with no club.
    for (const Country& c : g_world.mv_countries) {
        if (c.m_group == 1) continue;
        int quality = g_strength.at(c.m_id) * 3 / 4 + 5;
        for (int i = 0; i < ASSOCIATE_SQUAD; ++i) {
            Made m;
            Role role = SQUAD[i % (sizeof SQUAD / sizeof SQUAD[0])];
            players.push_back(
                MakePlayer(static_cast<int>(players.size()), c.m_id, role, quality + Noise(12), m));
            made.push_back(m);
        }
    }
    PlaceStars(countries, made);
    AwardCaps(made);
    SignOverseasPlayers(made);

    int id = 1;
    for (Team& t : g_world.mv_teams) {
        StaffMember s = MakeCoach(id++, t.m_country, ClubQuality(t, adjust[t.m_id]) - 5);
        s.m_clubJob = t.m_id;
        t.m_coach = s.m_id;
        g_world.mv_staff.push_back(s);
    }
    for (Country& c : g_world.mv_countries) {
        // Smaller nations often look abroad for a coach.
        int from = c.m_group == 1 || Rand() % 2 ? c.m_id : Between(1, 8);
        StaffMember s = MakeCoach(id++, from, std::min(90, g_strength.at(c.m_id) + 5));
        s.m_nationalJob = c.m_id;
        c.m_coach = s.m_id;
        g_world.mv_staff.push_back(s);
    }
    for (int i = 0; i < FREE_COACHES; ++i)
        g_world.mv_staff.push_back(MakeCoach(id++, Between(1, 10), Between(35, 75)));
}

}  // namespace ravel
