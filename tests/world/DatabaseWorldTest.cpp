// The world the builder wrote: loaded as the game loads it, then checked for
// the shape the rules and screens rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "DbTestSupport.h"
#include "season/GameState.h"
#include "season/RecordsUpdate.h"
#include "world/GameDate.h"
#include "world/PlayerHistory.h"
#include "world/SaveGame.h"

namespace ravel {
namespace {

class BuiltWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ResetGameState();
        SetDatabaseDirectory(BuiltDatabaseDir());
        LoadDatabase();
        InitTeamBudgets();
    }
    static void TearDownTestSuite() {
        SetDatabaseDirectory("");
        ResetGameState();
    }
    static bool IsCountry(int id) {
        for (const Country& c : g_world.mv_countries)
            if (c.m_id == id) return true;
        return false;
    }
    static bool IsTeam(int id) {
        for (const Team& t : g_world.mv_teams)
            if (t.m_id == id) return true;
        return false;
    }
    static bool IsGround(int id) {
        for (const Ground& g : g_world.mv_grounds)
            if (g.m_id == id) return true;
        return false;
    }
    template <class T, class F>
    static void ExpectUniqueIds(const std::vector<T>& table, F id, const char* what) {
        std::set<int> seen;
        for (const T& r : table)
            EXPECT_TRUE(seen.insert(id(r)).second) << what << " id " << id(r) << " twice";
    }
};

TEST_F(BuiltWorld, TestNationsHoldTheIdsAndPlacesTheScreensUse) {
    const char* names[10] = {"Australia",    "England",   "India",       "New Zealand", "Pakistan",
                             "South Africa", "Sri Lanka", "West Indies", "Zimbabwe",    "Bangladesh"};
    ASSERT_GE(g_world.mv_countries.size(), 16u);  // room for a 16-side world cup
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(g_world.mv_countries[i].m_id, i + 1);
        EXPECT_STREQ(g_world.mv_countries[i].m_name, names[i]);
    }
    for (size_t i = 10; i < g_world.mv_countries.size(); ++i)
        EXPECT_EQ(g_world.mv_countries[i].m_id, static_cast<int>(i) + 1);
    for (const Country& c : g_world.mv_countries) {
        EXPECT_EQ(c.m_nationalSide, 1);
        EXPECT_TRUE(IsGround(c.m_homeGround)) << c.m_name;
        EXPECT_GT(c.m_coach, 0) << c.m_name;
    }
}

TEST_F(BuiltWorld, ClubsHaveGroundsCoachesAndFullSquads) {
    ExpectUniqueIds(
        g_world.mv_teams, [](const Team& t) { return t.m_id; }, "team");
    std::set<int> countriesWithClubs;
    for (const Team& t : g_world.mv_teams) {
        EXPECT_GE(t.m_id, 1001);
        EXPECT_LE(t.m_id, 2999);
        EXPECT_EQ(t.m_id >= 1300 && t.m_id <= 1399, t.m_country == 2) << t.m_name;
        EXPECT_TRUE(IsCountry(t.m_country)) << t.m_name;
        EXPECT_TRUE(IsGround(t.m_ground)) << t.m_name;
        EXPECT_GE(FindStaffMemberIndex(t.m_coach), 0) << t.m_name;
        EXPECT_GT(t.m_money, 0.0f);
        EXPECT_EQ(t.m_salaryBudget, static_cast<int>(t.m_money / 2));
        int squad = 0, keepers = 0, spinners = 0, pace = 0;
        for (int32_t id : t.m_squad) {
            if (id <= 0) continue;
            ++squad;
            const Player& p = g_world.mv_players[id];
            keepers += p.m_keeper == 1;
            spinners += IsSpin(p.m_bowlType);
            pace += p.m_bowlType >= 1 && p.m_bowlType <= 4;
        }
        EXPECT_GE(squad, 16) << t.m_name;
        EXPECT_LE(squad, 25) << t.m_name;
        EXPECT_GE(keepers, 1) << t.m_name;
        EXPECT_GE(spinners, 2) << t.m_name;
        EXPECT_GE(pace, 5) << t.m_name;
        countriesWithClubs.insert(t.m_country);
    }
    EXPECT_EQ(countriesWithClubs, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(BuiltWorld, PlayersAreWhereTheirIdsSayAndEveryNationCanPickTwoSquads) {
    std::map<int, int> perCountry;
    for (size_t i = 0; i < g_world.mv_players.size(); ++i) {
        const Player& p = g_world.mv_players[i];
        ASSERT_EQ(p.m_id, static_cast<int>(i));
        if (i == 0) continue;
        EXPECT_TRUE(IsCountry(p.m_country));
        EXPECT_TRUE(p.m_northClub == 0 || IsTeam(p.m_northClub));
        EXPECT_TRUE(p.m_southClub == 0 || IsTeam(p.m_southClub));
        EXPECT_GE(p.m_batPosition, 1);
        EXPECT_LE(p.m_batPosition, 11);
        for (int s : p.m_batSkill) EXPECT_TRUE(s >= 1 && s <= 99);
        int age = p.AgeOn(GameDate::FromSeasonDay(0, FIRST_SEASON));
        EXPECT_GE(age, 17);
        EXPECT_LE(age, 40);
        ++perCountry[p.m_country];
    }
    for (const Country& c : g_world.mv_countries) EXPECT_GE(perCountry[c.m_id], 22) << c.m_name;
}

TEST_F(BuiltWorld, CareerFiftiesAndHundredsAgreeWithTheHighestScoreAndTheInnings) {
    int blocks = 0;
    for (const Player& p : g_world.mv_players) {
        for (int b = STATS_CAREER_FC; b <= STATS_CAREER_ODI; ++b) {
            const PlayerStats& s = p.m_stats[b];
            if (s.m_innings <= 0) continue;
            ++blocks;
            const int completed = std::max(1, s.m_innings - s.m_notOuts);
            SCOPED_TRACE(std::string(p.m_surname) + " block " + std::to_string(b));
            EXPECT_EQ(s.m_hundreds > 0, s.m_highest >= 100) << "highest " << s.m_highest;
            EXPECT_EQ(s.m_hundreds + s.m_fifties > 0, s.m_highest >= 50) << "highest " << s.m_highest;
            // Even the best batsmen pass fifty in well under half their innings.
            EXPECT_LE(s.m_hundreds + s.m_fifties, std::max(1, completed / 2))
                << s.m_hundreds << " hundreds, " << s.m_fifties << " fifties, average " << s.m_battingAverage;
        }
    }
    EXPECT_GT(blocks, 1000);
}

// A new game copies the world's histories of the seasons before 2006: each
// player's seasons of a kind add up to his career line, hold its best, and
// every one is a season he could have played.
TEST_F(BuiltWorld, PastSeasonsAddUpToTheCareerLines) {
    const std::string saves = SavesFolder();
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("ravel_histories_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(dir);
    SetSavesFolder(dir);
    CreatePlayerHistoryFiles();
    const std::vector<PlayerStats> records = ReadAllPlayerHistories();
    SetSavesFolder(saves);
    std::filesystem::remove_all(dir);

    std::map<std::pair<int, int>, std::vector<PlayerStats>> seasons;  // (player, kind)
    for (const PlayerStats& s : records) seasons[{s.m_player, s.m_kind}].push_back(s);
    static const int32_t KINDS[] = {KIND_FIRST_CLASS, KIND_LIST_A, KIND_TEST, KIND_ODI};
    int careers = 0;
    for (const Player& p : g_world.mv_players) {
        if (p.m_id <= 0) continue;
        for (int b = STATS_CAREER_FC; b <= STATS_CAREER_ODI; ++b) {
            const PlayerStats& career = p.m_stats[b];
            const auto found = seasons.find({p.m_id, KINDS[b]});
            if (career.m_matches <= 0) {
                EXPECT_TRUE(found == seasons.end()) << p.m_id << " has seasons of a kind he never played";
                continue;
            }
            ASSERT_TRUE(found != seasons.end()) << p.m_id << " kind " << KINDS[b];
            ++careers;
            SCOPED_TRACE(std::string(p.m_surname) + " kind " + std::to_string(KINDS[b]));
            PlayerStats sum;
            int highest = 0, bestWickets = 0;
            std::set<int> played;
            for (const PlayerStats& s : found->second) {
                EXPECT_GE(s.m_matches, 1);
                EXPECT_LT(s.m_season, FIRST_SEASON);
                EXPECT_GT(s.m_season,
                          FIRST_SEASON - 2 * (p.AgeOn(GameDate::FromSeasonDay(0, FIRST_SEASON)) - 15));
                EXPECT_TRUE(played.insert(s.m_season).second) << "season " << s.m_season << " twice";
                EXPECT_EQ(s.m_team, career.m_team);
                EXPECT_LE(s.m_highest, s.m_runs);
                EXPECT_LE(s.m_wickets, s.m_balls);
                EXPECT_EQ(s.m_hundreds > 0, s.m_highest >= 100) << "season " << s.m_season;
                for (auto [total, part] : {std::pair{&sum.m_matches, s.m_matches},
                                           {&sum.m_innings, s.m_innings},
                                           {&sum.m_notOuts, s.m_notOuts},
                                           {&sum.m_runs, s.m_runs},
                                           {&sum.m_hundreds, s.m_hundreds},
                                           {&sum.m_fifties, s.m_fifties},
                                           {&sum.m_catches, s.m_catches},
                                           {&sum.m_stumpings, s.m_stumpings},
                                           {&sum.m_balls, s.m_balls},
                                           {&sum.m_runsConceded, s.m_runsConceded},
                                           {&sum.m_wickets, s.m_wickets},
                                           {&sum.m_haulsA, s.m_haulsA},
                                           {&sum.m_haulsB, s.m_haulsB}})
                    *total += part;
                highest = std::max(highest, s.m_highest);
                bestWickets = std::max(bestWickets, s.m_bestInnsWickets);
            }
            for (auto [total, whole] : {std::pair{sum.m_matches, career.m_matches},
                                        {sum.m_innings, career.m_innings},
                                        {sum.m_notOuts, career.m_notOuts},
                                        {sum.m_runs, career.m_runs},
                                        {sum.m_hundreds, career.m_hundreds},
                                        {sum.m_fifties, career.m_fifties},
                                        {sum.m_catches, career.m_catches},
                                        {sum.m_stumpings, career.m_stumpings},
                                        {sum.m_balls, career.m_balls},
                                        {sum.m_runsConceded, career.m_runsConceded},
                                        {sum.m_wickets, career.m_wickets},
                                        {sum.m_haulsA, career.m_haulsA},
                                        {sum.m_haulsB, career.m_haulsB}})
                EXPECT_EQ(total, whole);
            EXPECT_EQ(highest, career.m_highest);
            EXPECT_EQ(bestWickets, career.m_bestInnsWickets);
        }
        if (HasFailure()) break;
    }
    EXPECT_GT(careers, 1000);
}

// The world's best batsmen and bowlers come from many nations, as in the
// rankings of 2006: no nation holds more than a third of the top twenty.
TEST_F(BuiltWorld, TheBestAreSpreadOverTheStrongNations) {
    for (const bool batting : {true, false}) {
        std::vector<const Player*> best;
        for (const Player& p : g_world.mv_players)
            if (p.m_id > 0 && p.m_keeper != 1) best.push_back(&p);
        auto rating = [batting](const Player* p) {
            return batting ? p->BattingRatingValue() : p->BowlingRatingValue();
        };
        std::stable_sort(best.begin(), best.end(),
                         [&](const Player* a, const Player* b) { return rating(a) > rating(b); });
        std::map<int, int> nations;
        for (size_t i = 0; i < 20 && i < best.size(); ++i) ++nations[best[i]->m_country];
        EXPECT_GE(nations.size(), 6u) << (batting ? "batsmen" : "bowlers");
        for (const auto& [country, count] : nations)
            EXPECT_LE(count, 6) << (batting ? "batsmen" : "bowlers") << " of country " << country;
    }
}

TEST_F(BuiltWorld, EveryReferenceNamesARecordThatExists) {
    for (const Ground& g : g_world.mv_grounds) {
        EXPECT_GE(FindClimateIndex(g.m_climate), 0);
        EXPECT_EQ(g_world.mv_climates[FindClimateIndex(g.m_climate)].m_id, g.m_climate) << g.m_name;
        EXPECT_TRUE(IsCountry(g.m_country)) << g.m_name;
        EXPECT_TRUE(g.m_bounce >= 0.0f && g.m_bounce <= 9.9f);
        EXPECT_TRUE(g.m_turn >= 0.0f && g.m_turn <= 9.9f);
        EXPECT_TRUE(g.m_pitch >= 0.0f && g.m_pitch <= 9.9f);
    }
    for (const StaffMember& s : g_world.mv_staff) {
        EXPECT_TRUE(s.m_clubJob == 0 || IsTeam(s.m_clubJob));
        EXPECT_TRUE(s.m_nationalJob == 0 || IsCountry(s.m_nationalJob));
    }
    for (const Competition& c : g_world.mv_competitions) {
        for (int32_t side : c.mv_teams)
            EXPECT_TRUE(c.m_id < 500 ? IsTeam(side) : IsCountry(side)) << c.m_name;
        for (int32_t feeder : c.mv_feeders)
            EXPECT_EQ(g_world.mv_competitions[FindCompetitionIndex(feeder)].m_id, feeder);
        EXPECT_FALSE(c.mv_conditions.empty()) << c.m_name;
        for (const auto& h : c.mv_history)
            EXPECT_TRUE(h.m_winner <= 0 || IsTeam(h.m_winner) || IsCountry(h.m_winner)) << c.m_name;
    }
    for (const CompetitionEvent& e : g_world.mv_events) {
        if (e.m_type == EVENT_NEW_SEASON) continue;
        EXPECT_EQ(g_world.mv_competitions[FindCompetitionIndex(e.m_competition)].m_id, e.m_competition);
    }
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        for (const auto& group : t.mv_groups)
            for (const StandingsRow& row : group) EXPECT_TRUE(IsCountry(row.m_team));
        for (const auto& v : t.mv_venues) EXPECT_TRUE(IsGround(v.m_ground));
        EXPECT_FALSE(t.mv_stages.empty());
    }
    for (const Tour& t : g_world.mv_tours) {
        EXPECT_TRUE(IsCountry(t.m_host) && IsCountry(t.m_visitor));
        EXPECT_NE(t.m_host, t.m_visitor);
        EXPECT_EQ(g_world.mv_tourSeries[FindTourSeriesIndex(t.m_series)].m_id, t.m_series);
    }
    for (const FieldSetup& f : g_world.mv_fieldSetups)
        for (int32_t p : f.m_positions) EXPECT_LT(static_cast<size_t>(p), g_world.mv_fieldPositions.size());
    for (const auto* plans : {&g_world.mv_pacePlans, &g_world.mv_spinPlans})
        for (const BowlPlan& plan : *plans) {
            EXPECT_FALSE(plan.mv_balls.empty());
            for (const PlanBall& b : plan.mv_balls) {
                EXPECT_EQ(g_world.mv_fieldSetups[FindFieldSetupIndex(b.m_field)].m_id, b.m_field);
                EXPECT_TRUE(b.m_length >= LENGTH_GOOD && b.m_length <= LENGTH_BOUNCER);
                EXPECT_TRUE(b.m_movement >= MOVE_STRAIGHT && b.m_movement <= MOVE_SPECIALITY);
            }
        }
}

TEST_F(BuiltWorld, IdsAreUniqueInEveryTable) {
    ExpectUniqueIds(
        g_world.mv_grounds, [](const Ground& r) { return r.m_id; }, "ground");
    ExpectUniqueIds(
        g_world.mv_climates, [](const Climate& r) { return r.m_id; }, "climate");
    ExpectUniqueIds(
        g_world.mv_staff, [](const StaffMember& r) { return r.m_id; }, "coach");
    ExpectUniqueIds(
        g_world.mv_competitions, [](const Competition& r) { return r.m_id; }, "competition");
    ExpectUniqueIds(
        g_world.mv_tournaments, [](const InternationalTournament& r) { return r.m_id; }, "tournament");
    ExpectUniqueIds(
        g_world.mv_tours, [](const Tour& r) { return r.m_id; }, "tour");
    ExpectUniqueIds(
        g_world.mv_tourSeries, [](const TourSeries& r) { return r.m_id; }, "tour series");
    ExpectUniqueIds(
        g_world.mv_injuryTypes, [](const InjuryType& r) { return r.m_id; }, "injury");
    ExpectUniqueIds(
        g_world.mv_seasons, [](const Season& r) { return r.m_season; }, "season");
}

TEST_F(BuiltWorld, CompetitionsCanScheduleAndEverySeasonMovesOn) {
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_kind != COMP_LEAGUE || c.mv_rounds.empty()) continue;
        int m = c.TeamCount() % 2 ? c.TeamCount() + 1 : c.TeamCount();
        size_t needed = static_cast<size_t>(c.m_doubleRound ? 2 * m - 2 : m - 1);
        EXPECT_GE(c.mv_rounds.size(), needed) << c.m_name;
    }
    for (int parity : {EVERY_EVEN_SEASON, EVERY_ODD_SEASON}) {
        int rollOvers = 0, starts = 0;
        for (const CompetitionEvent& e : g_world.mv_events) {
            if (e.m_season != parity) continue;
            rollOvers += e.m_type == EVENT_NEW_SEASON;
            starts += e.m_type == EVENT_START_SEASON;
        }
        EXPECT_EQ(rollOvers, 1) << parity;
        EXPECT_GT(starts, 3) << parity;
    }
    // The roll-over comes on the last day of each half-year.
    for (const CompetitionEvent& e : g_world.mv_events) {
        if (e.m_type != EVENT_NEW_SEASON) continue;
        int season = e.m_season == EVERY_EVEN_SEASON ? 362 : 363;
        GameDate last = GameDate::FromSeasonDay(e.m_dayOfSeason, season);
        GameDate next = last;
        next.NextDay();
        EXPECT_EQ(next.m_day, 1);
        EXPECT_EQ(next.m_month, season % 2 ? 4 : 10);
    }
}

// Every round a side might play in, over all its competitions, keeps clear
// of the others, so no side is asked to play two matches at once.
TEST_F(BuiltWorld, NoSideIsDueInTwoPlacesAtOnce) {
    std::map<int, std::vector<std::pair<int, int>>> busy;  // side -> (first day, last day)
    for (const Competition& c : g_world.mv_competitions) {
        if (c.m_id >= 500) continue;
        const int days = c.m_format % 2 ? c.m_length : 1;
        for (int32_t side : c.mv_teams)
            for (const RoundDate& r : c.mv_rounds)
                busy[side].push_back({r.m_dayOfSeason, r.m_dayOfSeason + days - 1});
    }
    for (auto& [side, spans] : busy) {
        std::sort(spans.begin(), spans.end());
        for (size_t i = 1; i < spans.size(); ++i)
            EXPECT_GT(spans[i].first, spans[i - 1].second) << "side " << side << " on day " << spans[i].first;
        EXPECT_LT(spans.back().second, 181) << "side " << side << " plays past the end of its season";
    }
}

TEST_F(BuiltWorld, InternationalCricketIsPlayedEverySeason) {
    for (int id : {500, 501, 502, 503, 504, 505, 506, 507})
        EXPECT_EQ(g_world.mv_competitions[FindCompetitionIndex(id)].m_id, id);
    EXPECT_EQ(g_world.mv_competitions[FindCompetitionIndex(COMP_TEST_CHAMPIONSHIP)].mv_standings.size(), 10u);
    EXPECT_EQ(g_world.mv_competitions[FindCompetitionIndex(COMP_ODI_CHAMPIONSHIP)].mv_standings.size(), 10u);
    const InternationalTournament& worldCup = g_world.mv_tournaments[FindInternationalTournamentIndex(506)];
    ASSERT_EQ(worldCup.m_id, 506);
    size_t sides = 0;
    for (const auto& g : worldCup.mv_groups) sides += g.size();
    EXPECT_EQ(sides, 16u);
    EXPECT_EQ(worldCup.m_superEight, 1);

    std::map<int, std::pair<int, int>> perSeason;  // Test and one-day series
    for (const TourSeries& s : g_world.mv_tourSeries) {
        EXPECT_GE(s.m_id, FIRST_TOUR_SERIES_ID);
        (s.m_id % 2 ? perSeason[s.m_season].first : perSeason[s.m_season].second)++;
        EXPECT_GT(s.m_matches, 0);
    }
    for (int season = FIRST_SEASON; season <= 422; ++season) {
        EXPECT_GT(perSeason[season].first, 0) << season;
        EXPECT_GT(perSeason[season].second, 0) << season;
    }
}

// Each edition belongs to the competition of its kind, one a season; the
// three run on to the last seasons; no country is due at a tournament while
// its tour's matches are played.
TEST_F(BuiltWorld, TournamentsRunToTheLastSeasonClearOfTheTours) {
    const std::map<int, int> competitionOfKind = {{1, 506}, {2, 505}, {3, 507}};
    std::map<int, int> lastYear;
    std::set<std::pair<int, int>> seasonAndCompetition;
    for (const InternationalTournament& t : g_world.mv_tournaments) {
        ASSERT_TRUE(competitionOfKind.count(t.m_kind)) << t.m_name;
        EXPECT_EQ(t.m_competition, competitionOfKind.at(t.m_kind)) << t.m_name;
        EXPECT_TRUE(seasonAndCompetition.insert({t.m_season, t.m_competition}).second) << t.m_name;
        EXPECT_EQ(SeasonFirstYear(t.m_season) + (t.m_season % 2 && t.m_startDay > 91 ? 1 : 0), t.m_year)
            << t.m_name;
        lastYear[t.m_kind] = std::max(lastYear[t.m_kind], t.m_year);
        int last = t.m_startDay;
        for (const TournamentStage& s : t.mv_stages) last = std::max(last, static_cast<int>(s.m_firstDay));
        EXPECT_LT(last, 181) << t.m_name << " ends within its season";
        std::set<int> sides;
        for (const auto& group : t.mv_groups)
            for (const StandingsRow& row : group) sides.insert(row.m_team);
        for (const TourSeries& ts : g_world.mv_tourSeries) {
            if (ts.m_season != t.m_season || (!sides.count(ts.m_home) && !sides.count(ts.m_away))) continue;
            const int end = ts.m_startDayOfSeason + (ts.m_matches - 1) * ts.m_dayStep + (ts.m_id % 2 ? 4 : 0);
            EXPECT_TRUE(end < t.m_startDay || ts.m_startDayOfSeason > last)
                << t.m_name << " meets tour series " << ts.m_id;
        }
    }
    for (const auto& [kind, year] : lastYear)
        EXPECT_GE(year, SeasonFirstYear(422) - 4) << "kind " << kind << " goes on to the last seasons";
}

// The records tables start with the marks of the years before the game: every
// section a kind of cricket can fill, in the order the game ranks it.
TEST_F(BuiltWorld, RecordsHoldTheHistoryBeforeTheFirstSeason) {
    ASSERT_EQ(g_world.mv_records.size(), 4u);
    for (const RecordsTable& table : g_world.mv_records) {
        const bool oneDay = table.m_kind == RECORDS_LIST_A || table.m_kind == RECORDS_ODI;
        for (int i = 0; i < RECORD_SECTIONS; ++i) {
            const int section = RecordsTable::SectionCode(i);
            const bool firstClassOnly = section == REC_BEST_MATCH_BOWLING || section == REC_INNINGS_MARGIN ||
                                        section == REC_CLOSEST_DRAW;
            const std::vector<RecordEntry>& rows = table.mv_sections[i];
            for (const RecordEntry& e : rows) {
                EXPECT_EQ(IsEmptyRecord(e), oneDay && firstClassOnly) << table.m_kind << " " << section;
                if (IsEmptyRecord(e)) continue;
                EXPECT_LT(std::atoi(e.SeasonText()), 2006) << e.SeasonText();
                EXPECT_FALSE(std::string(e.MatchText()).empty());
                EXPECT_TRUE(IsCountry(e.m_team) || IsTeam(e.m_team)) << e.TeamText();
            }
            if (section == REC_PARTNERSHIPS) {
                for (size_t w = 0; w < rows.size(); ++w)
                    EXPECT_EQ(rows[w].m_wickets, static_cast<int>(w) + 1);
                continue;
            }
            RecordsTable again;
            for (size_t k = 0; k < rows.size() && !IsEmptyRecord(rows[k]); ++k)
                EXPECT_EQ(InsertRecord(again, section, rows[k]), static_cast<int>(k))
                    << table.m_kind << " " << section;
        }
    }
    // Where the marks stood: a Test total in the 900s, one in the 20s, an
    // innings near 400, all ten wickets in a first-class innings.
    struct Mark {
        int kind, section, atLeast, atMost;
    };
    const Mark marks[] = {
        {RECORDS_TEST, REC_HIGHEST_TOTAL, 900, 999},     {RECORDS_TEST, REC_LOWEST_TOTAL, 20, 29},
        {RECORDS_TEST, REC_HIGHEST_SCORE, 375, 410},     {RECORDS_FIRST_CLASS, REC_HIGHEST_SCORE, 450, 510},
        {RECORDS_FIRST_CLASS, REC_BEST_BOWLING, 10, 10}, {RECORDS_ODI, REC_HIGHEST_SCORE, 180, 199},
        {RECORDS_ODI, REC_HIGHEST_TOTAL, 400, 450},      {RECORDS_LIST_A, REC_HIGHEST_SCORE, 220, 280},
    };
    for (const Mark& m : marks) {
        const int value = g_world.mv_records[static_cast<size_t>(m.kind - 1)].Section(m.section)[0].m_value;
        EXPECT_GE(value, m.atLeast) << m.kind << " " << m.section;
        EXPECT_LE(value, m.atMost) << m.kind << " " << m.section;
    }
}

TEST_F(BuiltWorld, TablesOfTheMatchHaveWhatTheEngineNeeds) {
    EXPECT_GE(g_world.mv_fieldPositions.size(), 30u);
    EXPECT_GE(g_world.mv_fieldSetups.size(), 18u);
    EXPECT_GE(g_world.mv_pacePlans.size(), 3u);
    EXPECT_GE(g_world.mv_spinPlans.size(), 6u);
    for (const auto* plans : {&g_world.mv_pacePlans, &g_world.mv_spinPlans})
        for (size_t i = 1; i < plans->size(); ++i)
            EXPECT_LE((*plans)[i - 1].m_effortTotal, (*plans)[i].m_effortTotal);
    // The plans bowlers start on can be bowled within fielding restrictions.
    EXPECT_EQ(g_world.mv_pacePlans[2].m_manyInField, 1);
    EXPECT_EQ(g_world.mv_spinPlans[4].m_manyInField, 1);
    EXPECT_EQ(g_world.mv_spinPlans[5].m_manyInField, 1);
    EXPECT_GE(g_world.mv_injuryTypes.size(), 30u);
    for (const InjuryType& i : g_world.mv_injuryTypes) EXPECT_GT(i.m_days, 0);
    ASSERT_EQ(g_world.mv_seasons.front().m_season, 362);
    EXPECT_STREQ(g_world.mv_seasons[0].m_label, "2006");
    EXPECT_STREQ(g_world.mv_seasons[1].m_label, "2006/07");
    EXPECT_EQ(g_world.mv_seasons.back().m_season, 422);
    ASSERT_EQ(g_world.mv_records.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(g_world.mv_records[k].m_kind, k + 1);
}

TEST_F(BuiltWorld, EveryCountryHasLongNameLists) {
    for (const Country& c : g_world.mv_countries)
        for (const char* suffix : {"_fnames.csv", "_snames.csv"}) {
            std::ifstream in(BuiltDatabaseDir() + "/names/" + c.m_name + suffix);
            ASSERT_TRUE(in) << c.m_name << suffix;
            int count = 0, lines = 0;
            in >> count;
            for (std::string line; std::getline(in, line);) lines += !line.empty();
            EXPECT_GE(count, 150) << c.m_name << suffix;
            EXPECT_EQ(count, lines) << c.m_name << suffix;
        }
}

}  // namespace
}  // namespace ravel
