#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "SeasonWorld.h"
#include "season/NewsItems.h"
#include "season/Schedule.h"
#include "season/Standings.h"
#include "world/Services.h"

namespace ravel {
namespace {

class LeagueSeason : public SeasonWorld {
protected:
    static Competition& League() { return g_world.mv_competitions.front(); }

    static std::vector<Fixture> FixturesOf(int competition) {
        std::vector<Fixture> found;
        for (const Fixture& f : g_world.mv_fixtures)
            if (f.m_competition == competition) found.push_back(f);
        return found;
    }
};

TEST_F(LeagueSeason, RoundRobinMeetsEveryPairTheRightNumberOfTimes) {
    struct Case {
        int sides;
        bool doubleRound;
        int rounds;
    } cases[] = {{4, false, 3}, {5, false, 5}, {6, false, 5}, {7, true, 14}, {6, true, 10}, {2, false, 1}};
    for (const Case& c : cases) {
        SetUp();
        AddLeague(1, c.sides).m_doubleRound = c.doubleRound;
        GenerateLeagueSchedule(League());
        const std::vector<Fixture> fixtures = FixturesOf(1);
        const int perRound = c.sides / 2;
        ASSERT_EQ(static_cast<int>(fixtures.size()), c.rounds * perRound) << c.sides;

        std::map<std::pair<int, int>, int> homeAway;  // (home, away) -> matches
        std::map<int, std::set<int>> playsOnDay;      // day -> sides
        for (const Fixture& f : fixtures) {
            ++homeAway[{f.m_home, f.m_away}];
            auto& day = playsOnDay[f.m_date.m_dayOfSeason];
            EXPECT_TRUE(day.insert(f.m_home).second && day.insert(f.m_away).second)
                << "a side twice in a round";
            EXPECT_EQ(f.m_ground, f.m_home);
            EXPECT_EQ(f.m_state, FIXTURE_SCHEDULED);
        }
        EXPECT_EQ(static_cast<int>(playsOnDay.size()), c.rounds);
        const std::vector<int32_t>& sides = League().mv_teams;
        for (int a : sides) {
            for (int b : sides) {
                if (a >= b) continue;
                const int ab = homeAway[{a, b}];
                const int ba = homeAway[{b, a}];
                if (c.doubleRound) {
                    EXPECT_TRUE(ab == 1 && ba == 1) << a << " v " << b;
                } else {
                    EXPECT_EQ(ab + ba, 1) << a << " v " << b;
                }
            }
        }
        // With an odd count each side rests once per cycle of rounds.
        if (c.sides % 2 == 1) {
            for (int side : sides) {
                int rests = 0;
                for (auto& [day, playing] : playsOnDay) rests += playing.count(side) == 0;
                EXPECT_EQ(rests, c.doubleRound ? 2 : 1) << side;
            }
        }
    }
}

TEST_F(LeagueSeason, FirstRoundOfFourPairsEndsAgainstMiddleWithTheSecondAtHome) {
    AddLeague(1, 4);
    GenerateLeagueSchedule(League());
    const std::vector<int32_t> s = League().mv_teams;
    const std::vector<Fixture> f = FixturesOf(1);
    ASSERT_EQ(f.size(), 6u);
    // Round 0: 1-4 and 2-3 with 4 and 3 at home; round 1 puts the first named at home.
    EXPECT_EQ(std::make_pair(f[0].m_home, f[0].m_away), std::make_pair(s[3], s[0]));
    EXPECT_EQ(std::make_pair(f[1].m_home, f[1].m_away), std::make_pair(s[2], s[1]));
    EXPECT_EQ(std::make_pair(f[2].m_home, f[2].m_away), std::make_pair(s[0], s[2]));
    EXPECT_EQ(f[0].m_date.m_dayOfSeason, 10);
    EXPECT_EQ(f[2].m_date.m_dayOfSeason, 17);
    EXPECT_EQ(f[2].m_id, 3);
}

TEST_F(LeagueSeason, TooFewRoundDatesOrSidesScheduleNothing) {
    AddLeague(1, 6).m_doubleRound = 1;
    League().mv_rounds.resize(9);
    GenerateLeagueSchedule(League());
    EXPECT_TRUE(g_world.mv_fixtures.empty());
    League().mv_rounds.push_back({9, 1, 200});
    GenerateLeagueSchedule(League());
    EXPECT_EQ(g_world.mv_fixtures.size(), 30u);

    for (int sides : {0, 1}) {
        SetUp();
        AddLeague(1, sides);
        GenerateLeagueSchedule(League());
        EXPECT_TRUE(g_world.mv_fixtures.empty());
    }
    SetUp();
    AddLeague(1, 4).m_kind = COMP_KNOCKOUT;
    GenerateLeagueSchedule(League());
    EXPECT_TRUE(g_world.mv_fixtures.empty());
}

TEST_F(LeagueSeason, StartGivesFreshRowsAndTellsTheUsersCoach) {
    g_cricket.m_date.m_season = 364;
    g_userCoaches.resize(1);
    Competition& c = AddLeague(1, 5);
    c.m_newsCompetition = 1;
    c.m_promotion = 1;
    c.mv_standings = {StandingsRow(99, 1)};
    std::fill(std::begin(c.m_knockoutWinners), std::end(c.m_knockoutWinners), 1001);
    const int mine = c.mv_teams[2];
    g_userCoaches[0].m_staff.m_clubJob = mine;

    EXPECT_EQ(StartLeagueSeason(League()), -1);
    const Competition& started = League();
    EXPECT_EQ(started.m_season, 364);
    EXPECT_EQ(started.m_status, COMP_RUNNING);
    EXPECT_EQ(started.m_lastDay, 0);
    ASSERT_EQ(started.mv_standings.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(started.mv_standings[i].m_team, started.mv_teams[i]);
        EXPECT_EQ(started.mv_standings[i].Played(), 0);
    }
    for (int32_t v : started.m_knockout) EXPECT_EQ(v, -1);
    for (int32_t v : started.m_knockoutWinners) EXPECT_EQ(v, -1);
    EXPECT_EQ(FixturesOf(1).size(), 10u);
    EXPECT_EQ(FixturesOf(1)[0].m_date.m_season, 364);

    ASSERT_EQ(g_userCoaches[0].mv_pending.size(), 1u);
    const PendingNewsItem& news = g_userCoaches[0].mv_pending[0];
    EXPECT_EQ(news.m_code, NEWS_SEASON_START);
    EXPECT_EQ(news.m_figure, 3);
    EXPECT_EQ(news.m_headlineVariant, NEWS_VARIANT_UNSET);
    ASSERT_EQ(news.mv_links.size(), 3u);
    EXPECT_EQ(news.mv_links[0].m_kind, LINK_CLUB);
    EXPECT_EQ(news.mv_links[0].m_value, mine);
    EXPECT_EQ(news.mv_links[1].m_kind, LINK_COMPETITION);
    EXPECT_EQ(news.mv_links[1].m_value, 1);
    EXPECT_EQ(news.mv_links[2].m_kind, LINK_SCREEN) << "the top-rated players";
    EXPECT_EQ(news.mv_links[2].m_value, LINK_PAGE_TOP_RATED);
    GameDate tomorrow = g_cricket.m_date;
    tomorrow.NextDay();
    EXPECT_TRUE(news.m_date.SameDay(tomorrow));
}

TEST_F(LeagueSeason, EachHumanSideHearsOnceOfEachOfItsCompetitions) {
    // League 1 and 2 send season-start news, league 3 leaves it to another.
    for (int id : {1, 2, 3}) AddLeague(id, 4).m_newsCompetition = id == 3 ? 0 : id;
    CompetitionById(2)->m_promotion = 1;
    const int mine = CompetitionById(1)->mv_teams[0];
    const int theirs = CompetitionById(1)->mv_teams[1];
    for (int id : {2, 3}) CompetitionById(id)->mv_teams[0] = mine;
    g_userCoaches.resize(2);
    g_userCoaches[0].m_staff.m_clubJob = mine;
    g_userCoaches[1].m_staff.m_clubJob = theirs;
    for (int id : {1, 2, 3}) StartLeagueSeason(*CompetitionById(id));

    struct Case {
        int coach;
        std::vector<int> competitions;  // of his items, in order
    };
    const Case cases[] = {{0, {1, 2}}, {1, {1}}};
    for (const Case& c : cases) {
        const auto& pending = g_userCoaches[static_cast<size_t>(c.coach)].mv_pending;
        ASSERT_EQ(pending.size(), c.competitions.size()) << "coach " << c.coach;
        for (size_t i = 0; i < pending.size(); ++i) {
            const PendingNewsItem& item = pending[i];
            ASSERT_EQ(item.mv_links.size(), 3u);
            EXPECT_EQ(item.mv_links[0].m_value, c.coach == 0 ? mine : theirs);
            EXPECT_EQ(item.mv_links[1].m_value, c.competitions[i]);
            const InboxMessage m = WriteNewsItem(item);
            const std::string name = CompetitionById(c.competitions[i])->m_name;
            EXPECT_NE(m.m_headline.find(name), std::string::npos) << m.m_headline;
            EXPECT_NE(m.m_body.find(name), std::string::npos) << m.m_body;
            const size_t target = m.m_body.find("The board expect");
            ASSERT_NE(target, std::string::npos) << m.m_body;
            EXPECT_EQ(m.m_body.find("The board expect", target + 1), std::string::npos) << "one target";
            EXPECT_NE(m.m_body.find(c.competitions[i] == 2 ? "promotion" : "respectable"), std::string::npos)
                << m.m_body;
        }
    }
}

TEST_F(LeagueSeason, ExpectationGrades) {
    struct Case {
        int sides, promotion, grade;
    } cases[] = {{3, 2, 1}, {4, 0, 2}, {8, 1, 3}, {8, 0, 2}};
    for (const Case& c : cases) {
        Competition comp;
        comp.mv_teams.resize(static_cast<size_t>(c.sides));
        comp.m_promotion = c.promotion;
        EXPECT_EQ(ExpectationGrade(comp), c.grade);
    }
}

// Two divisions of four, two up and two down.
class Divisions : public LeagueSeason {
protected:
    void SetUp() override {
        LeagueSeason::SetUp();
        Competition& upper = AddLeague(1, 4);
        upper.m_lower = 2;
        upper.m_relegation = 2;
        Competition& lower = AddLeague(2, 4);
        lower.m_upper = 1;
        lower.m_promotion = 2;
        for (Competition& c : g_world.mv_competitions) StartLeagueSeason(c);
        // Final tables: the first listed side of each division tops it.
        for (Competition& c : g_world.mv_competitions)
            for (size_t i = 0; i < c.mv_standings.size(); ++i)
                c.mv_standings[i].m_points = 40 - 10 * static_cast<int>(i);
        ++g_cricket.m_date.m_season;
    }
    static std::set<int32_t> Sides(int index) {
        const auto& v = g_world.mv_competitions[static_cast<size_t>(index)].mv_teams;
        return {v.begin(), v.end()};
    }
};

TEST_F(Divisions, BottomTwoGoDownAndTopTwoComeUpOnce) {
    const auto& upperRows = g_world.mv_competitions[0].mv_standings;
    const auto& lowerRows = g_world.mv_competitions[1].mv_standings;
    const std::set<int32_t> expectedUpper = {upperRows[0].m_team, upperRows[1].m_team, lowerRows[0].m_team,
                                             lowerRows[1].m_team};
    const std::set<int32_t> expectedLower = {upperRows[2].m_team, upperRows[3].m_team, lowerRows[2].m_team,
                                             lowerRows[3].m_team};
    // Either division may start first; the exchange happens once.
    StartLeagueSeason(g_world.mv_competitions[1]);
    StartLeagueSeason(g_world.mv_competitions[0]);
    EXPECT_EQ(Sides(0), expectedUpper);
    EXPECT_EQ(Sides(1), expectedLower);
    for (const StandingsRow& r : g_world.mv_competitions[0].mv_standings)
        EXPECT_TRUE(expectedUpper.count(r.m_team));
}

class Knockout : public LeagueSeason {
protected:
    static std::vector<std::pair<int, int>> Ties(const Competition& c, int first, int count) {
        std::vector<std::pair<int, int>> ties;
        for (int t = first; t < first + count; ++t)
            ties.emplace_back(c.m_knockout[2 * t], c.m_knockout[2 * t + 1]);
        return ties;
    }
};

TEST_F(Knockout, QuarterFinalsSeedTheTableAndPlayOnTheNextRoundDate) {
    AddLeague(1, 10, FORMAT_LIST_A);
    StartLeagueSeason(League());
    Competition& c = League();
    for (size_t i = 0; i < c.mv_standings.size(); ++i) c.mv_standings[i].m_points = 100 - static_cast<int>(i);
    std::vector<int32_t> table;
    for (const StandingsRow& r : c.mv_standings) table.push_back(r.m_team);
    g_world.mv_fixtures.clear();
    g_cricket.m_date.m_dayOfSeason = 50;

    DrawStageForEvent(c, EVENT_DRAW_QUARTER_FINALS);
    EXPECT_EQ(c.m_stage, STAGE_QUARTER_FINALS);
    const std::vector<std::pair<int, int>> expected = {
        {table[0], table[7]}, {table[1], table[6]}, {table[2], table[5]}, {table[3], table[4]}};
    EXPECT_EQ(Ties(c, 0, 4), expected);
    ASSERT_EQ(g_world.mv_fixtures.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g_world.mv_fixtures[i].m_home, expected[i].first);
        EXPECT_EQ(g_world.mv_fixtures[i].m_date.m_dayOfSeason, 52);  // first round date after today
        EXPECT_EQ(g_world.mv_fixtures[i].m_ground, expected[i].first);
    }
    EXPECT_EQ(std::count(std::begin(c.m_knockoutWinners), std::end(c.m_knockoutWinners), -1), 7);
}

TEST_F(Knockout, SmallCupGivesTopSeedsByesAndLaterRoundsDrawTheWinners) {
    AddLeague(1, 6).m_kind = COMP_KNOCKOUT;
    StartLeagueSeason(League());
    Competition& c = League();
    const std::vector<int32_t> seeds = c.mv_teams;
    EXPECT_TRUE(g_world.mv_fixtures.empty());

    DrawKnockoutStage(c, STAGE_QUARTER_FINALS);
    // Six sides for eight places: the first two have byes.
    EXPECT_EQ(Ties(c, 0, 2), (std::vector<std::pair<int, int>>{{seeds[0], 0}, {seeds[1], 0}}));
    EXPECT_EQ(g_world.mv_fixtures.size(), 2u);
    EXPECT_EQ(c.m_knockoutWinners[0], seeds[0]);
    EXPECT_EQ(c.m_knockoutWinners[1], seeds[1]);
    c.m_knockoutWinners[2] = seeds[2];
    c.m_knockoutWinners[3] = seeds[4];

    DrawKnockoutStage(c, STAGE_SEMI_FINALS);
    const std::vector<std::pair<int, int>> semis = Ties(c, 4, 2);
    std::set<int> inSemis;
    for (auto [home, away] : semis) {
        inSemis.insert(home);
        inSemis.insert(away);
    }
    EXPECT_EQ(inSemis, (std::set<int>{seeds[0], seeds[1], seeds[2], seeds[4]}));
    EXPECT_EQ(g_world.mv_fixtures.size(), 4u);
    c.m_knockoutWinners[4] = semis[1].first;
    c.m_knockoutWinners[5] = semis[0].second;

    DrawKnockoutStage(c, STAGE_FINAL);
    EXPECT_EQ(c.m_stage, STAGE_FINAL);
    const auto final = Ties(c, 6, 1)[0];
    EXPECT_EQ(std::set<int>({final.first, final.second}), std::set<int>({semis[1].first, semis[0].second}));
    c.m_knockoutWinners[6] = final.second;

    g_cricket.m_date.m_dayOfSeason = 120;
    CloseCompetition(c);
    ASSERT_EQ(c.mv_history.size(), 1u);
    EXPECT_EQ(c.mv_history[0].m_season, c.m_season);
    EXPECT_EQ(c.mv_history[0].m_winner, final.second);
    EXPECT_EQ(c.mv_history[0].m_runnerUp, final.first);
    EXPECT_EQ(c.m_lastDay, 120);
}

TEST_F(Knockout, SemiFinalsWithoutQuarterFinalsComeFromTheTable) {
    AddLeague(1, 6);
    StartLeagueSeason(League());
    Competition& c = League();
    for (size_t i = 0; i < c.mv_standings.size(); ++i) c.mv_standings[i].m_points = 10 * static_cast<int>(i);
    g_world.mv_fixtures.clear();
    RunCompetitionEvent(EVENT_DRAW_SEMI_FINALS, 1);
    const auto& rows = c.mv_standings;  // ranked by the draw: the last row led
    EXPECT_EQ(rows[0].m_points, 50);
    EXPECT_EQ(Ties(c, 4, 2), (std::vector<std::pair<int, int>>{{rows[0].m_team, rows[3].m_team},
                                                               {rows[1].m_team, rows[2].m_team}}));
    EXPECT_EQ(g_world.mv_fixtures.size(), 2u);
    // Unknown competitions and the new-season event are not this module's.
    RunCompetitionEvent(EVENT_START_SEASON, 77);
    RunCompetitionEvent(EVENT_NEW_SEASON, 1);
    EXPECT_EQ(g_world.mv_fixtures.size(), 2u);
}

// A cup whose knockout is fed by group tables (ids 6..): sides of group g
// finish in table order, and at each place group 0 has the best run rate.
class FedCup : public Knockout {
protected:
    static constexpr int CUP = 10;
    std::vector<std::vector<int32_t>> m_tables;  // [group][place] side

    void AddGroups(int groups, int sides) {
        std::vector<int32_t> all;
        for (int g = 0; g < groups; ++g) AddLeague(6 + g, sides, FORMAT_TWENTY);
        m_tables.assign(static_cast<size_t>(groups), {});
        for (int g = 0; g < groups; ++g) {
            Competition& group = *CompetitionById(6 + g);
            StartLeagueSeason(group);
            for (size_t p = 0; p < group.mv_standings.size(); ++p) {
                StandingsRow& row = group.mv_standings[p];
                row.m_won = sides - static_cast<int>(p);
                row.m_lost = static_cast<int>(p);
                row.m_points = 2 * row.m_won;
                row.m_runsFor = 1000 - 10 * g;
                row.m_ballsFaced = row.m_ballsBowled = 600;
                row.m_runsAgainst = 900;
                m_tables[static_cast<size_t>(g)].push_back(row.m_team);
                all.push_back(row.m_team);
            }
            // The schedule's order is not the table's.
            std::reverse(group.mv_standings.begin(), group.mv_standings.end());
        }
        Competition cup;
        cup.m_id = CUP;
        cup.m_kind = COMP_KNOCKOUT;
        cup.m_format = FORMAT_TWENTY;
        cup.mv_teams = all;
        for (int g = 0; g < groups; ++g) cup.mv_feeders.push_back(6 + g);
        for (int r = STAGE_QUARTER_FINALS; r <= STAGE_FINAL; ++r)
            cup.mv_rounds.push_back({r, CUP, 100 + 5 * r});
        g_world.mv_competitions.push_back(cup);
        StartLeagueSeason(*CompetitionById(CUP));
        g_world.mv_fixtures.clear();
    }
};

TEST_F(FedCup, GroupWinnersMeetRunnersUpOfAnotherGroupAtHome) {
    struct Place {
        int group, place;  // -1: a bye
    };
    struct Case {
        int groups, sides, stage;
        std::vector<std::pair<Place, Place>> ties;
    } cases[] = {
        // Two conferences' winners contest the final at the better one's ground.
        {2, 9, STAGE_FINAL, {{{0, 0}, {1, 0}}}},
        {1, 6, STAGE_FINAL, {{{0, 0}, {0, 1}}}},
        {2, 4, STAGE_SEMI_FINALS, {{{0, 0}, {1, 1}}, {{1, 0}, {0, 1}}}},
        // Three groups for eight places: three winners, three runners-up and the
        // two best third-placed sides; no tie between sides of one group.
        {3,
         6,
         STAGE_QUARTER_FINALS,
         {{{0, 0}, {1, 2}}, {{1, 0}, {0, 2}}, {{2, 0}, {1, 1}}, {{0, 1}, {2, 1}}}},
        // Six qualifiers for eight places: the group winners have byes.
        {2,
         3,
         STAGE_QUARTER_FINALS,
         {{{0, 0}, {-1, 0}}, {{1, 0}, {-1, 0}}, {{0, 1}, {1, 2}}, {{1, 1}, {0, 2}}}},
    };
    for (const Case& c : cases) {
        SetUp();
        AddGroups(c.groups, c.sides);
        Competition& cup = *CompetitionById(CUP);
        DrawKnockoutStage(cup, c.stage);
        const int first = c.stage == STAGE_FINAL ? 6 : c.stage == STAGE_SEMI_FINALS ? 4 : 0;
        auto side = [&](Place p) { return p.group < 0 ? 0 : m_tables[p.group][p.place]; };
        std::vector<std::pair<int, int>> expected;
        for (auto [home, away] : c.ties) expected.emplace_back(side(home), side(away));
        EXPECT_EQ(Ties(cup, first, static_cast<int>(c.ties.size())), expected) << c.groups << " groups";
        EXPECT_EQ(cup.m_stage, c.stage);

        std::vector<std::pair<int, int>> played;
        for (const Fixture& f : FixturesOf(CUP)) {
            played.emplace_back(f.m_home, f.m_away);
            EXPECT_EQ(f.m_ground, f.m_home);
        }
        std::erase_if(expected, [](const auto& tie) { return tie.second == 0; });
        EXPECT_EQ(played, expected);
    }
}

TEST_F(FedCup, NoFeedingTableDrawsNothing) {
    AddGroups(2, 4);
    Competition& cup = *CompetitionById(CUP);
    cup.mv_feeders = {44};
    DrawKnockoutStage(cup, STAGE_SEMI_FINALS);
    EXPECT_EQ(cup.m_stage, STAGE_LEAGUE);
    EXPECT_EQ(std::count(std::begin(cup.m_knockout), std::end(cup.m_knockout), -1), 15);
    EXPECT_TRUE(g_world.mv_fixtures.empty());
}

TEST_F(Knockout, LeagueWithoutKnockoutsIsWonByTheTableLeader) {
    AddLeague(1, 4);
    AddLeague(2, 4).m_historyId = 7;
    g_world.mv_competitions[0].m_historyId = 7;
    StartLeagueSeason(League());
    Competition& c = League();
    c.mv_standings[2].m_points = 30;
    c.mv_standings[1].m_points = 20;
    const int leader = c.mv_standings[2].m_team;
    const int second = c.mv_standings[1].m_team;
    CloseCompetition(c);
    CloseCompetition(c);  // closing twice keeps one entry for the season
    for (const Competition& sharing : g_world.mv_competitions) {
        ASSERT_EQ(sharing.mv_history.size(), 1u);
        EXPECT_EQ(sharing.mv_history[0].m_winner, leader);
        EXPECT_EQ(sharing.mv_history[0].m_runnerUp, second);
    }
}

}  // namespace
}  // namespace ravel
