// A county's season of the built world under auto-simulation, as a user who
// lets it run would read it in his inbox: few records, his results, one
// season-start item for each of his competitions and every champion.
// RAVEL_NEWS_SEED and RAVEL_NEWS_CLUB run it for another seed or club, and
// RAVEL_PRINT_NEWS prints the season's news and its share of records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "season/Career.h"
#include "season/DayMachine.h"
#include "season/GameState.h"
#include "season/News.h"
#include "season/Squads.h"
#include "world/Database.h"
#include "world/Random.h"
#include "world/SaveGame.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {
namespace {

constexpr int DURHAM = 1301;  // a county that played in the first division in 2006
constexpr uint64_t SEED = 3;

uint64_t EnvOr(const char* name, uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}
// Record news is the odd item of a season, not its run of news: a few
// records of the world's Tests and one-day internationals among seventy
// items, not one in ten.
constexpr double RECORD_SHARE_LIMIT = 0.07;

class SeasonNews : public ::testing::Test {
protected:
    void SetUp() override {
        SetDatabaseFolder("std");
        SetDatabaseRoot(RAVEL_RUNTIME_DIR);
        if (!std::filesystem::exists(DatabaseFilePath(DB_PLAYERS)))
            GTEST_SKIP() << "the world database is not built";
        m_saves = std::filesystem::temp_directory_path() / "ravel_seasonnews";
        std::filesystem::create_directories(m_saves);
        SetSavesFolder(m_saves.string());
        SeedRand(EnvOr("RAVEL_NEWS_SEED", SEED));
        InstallServices(nullptr);
        LoadWorld();
        PrepareNewCareer();
    }
    void TearDown() override {
        ResetGameState();
        InstallServices(nullptr);
        SetSavesFolder("");
        if (!m_saves.empty()) std::filesystem::remove_all(m_saves);
    }

    static bool Plays(const Competition& c, int side) {
        return std::find(c.mv_teams.begin(), c.mv_teams.end(), side) != c.mv_teams.end();
    }

    std::filesystem::path m_saves;
};

TEST_F(SeasonNews, ACountysSeasonReadsAsACricketSeason) {
    const int club = static_cast<int>(EnvOr("RAVEL_NEWS_CLUB", DURHAM));
    NewCoachRequest request;
    request.m_sideId = club;
    ASSERT_TRUE(BeginCareer(request));
    g_cricket.m_autoSimulate = true;
    // A club of the other hemisphere waits for its own season.
    const int hemisphere = HemisphereOf(*TeamById(club));
    for (int calls = 0;
         HemisphereOfSeason(g_cricket.m_date.m_season) != hemisphere && calls < 4 * SEASON_DAYS; ++calls) {
        AdvanceDay();
        TeamById(club)->m_jobSecurity = 100.0f;
    }
    g_userCoaches[0].mv_inbox.clear();
    std::map<int, size_t> history;
    for (const Competition& c : g_world.mv_competitions) history[c.m_id] = c.mv_history.size();
    const int season = g_cricket.m_date.m_season;
    std::vector<InboxMessage> read;  // every message of the season, as it came
    int ownMatches = 0;
    size_t completed = 0;
    for (int calls = 0; g_cricket.m_date.m_season == season && calls < 4 * SEASON_DAYS; ++calls) {
        AdvanceDay();
        // The board keep him: the test follows one club through its season.
        TeamById(club)->m_jobSecurity = 100.0f;
        for (; completed < g_completedMatches.size(); ++completed) {
            const Match& m = *g_completedMatches[completed];
            ownMatches += m.mi_team1 == club || m.mi_team2 == club;
        }
        auto& inbox = g_userCoaches[0].mv_inbox;
        read.insert(read.end(), inbox.begin(), inbox.end());
        inbox.clear();
    }
    ASSERT_NE(g_cricket.m_date.m_season, season) << "the season ran to its end";
    if (std::getenv("RAVEL_PRINT_NEWS"))
        for (const InboxMessage& m : read)
            std::printf("%02d/%02d %d %s\n    %s\n", m.m_day, m.m_month, m.m_code, m.m_headline.c_str(),
                        m.m_body.c_str());

    std::map<int, int> byCode;
    for (const InboxMessage& m : read) ++byCode[m.m_code];
    int records = 0;
    for (const auto& [code, count] : byCode)
        if (code >= NEWS_RECORD_FIRST && code <= NEWS_RECORD_LAST) records += count;
    const double share = static_cast<double>(records) / static_cast<double>(read.size());
    if (std::getenv("RAVEL_PRINT_NEWS"))
        std::printf("record items %d of %zu: %.3f\n", records, read.size(), share);
    EXPECT_LT(share, RECORD_SHARE_LIMIT) << records << " record items of " << read.size();
    EXPECT_EQ(byCode[NEWS_MATCH_RESULT], ownMatches) << "one result for each of his matches";

    for (const Competition& c : g_world.mv_competitions) {
        if (!Plays(c, club) || c.m_id >= COMP_TEST_CHAMPIONSHIP) continue;
        const auto linksTo = [&c](const InboxMessage& m) {
            return std::any_of(m.mv_links.begin(), m.mv_links.end(), [&c](const NewsLink& l) {
                return l.m_kind == LINK_COMPETITION && l.m_value == c.m_id;
            });
        };
        if (c.m_kind == COMP_LEAGUE) {
            EXPECT_EQ(std::count_if(
                          read.begin(), read.end(),
                          [&](const InboxMessage& m) { return m.m_code == NEWS_SEASON_START && linksTo(m); }),
                      1)
                << c.m_name;
        }
        if (c.mv_history.size() <= history[c.m_id]) continue;
        const int winner = c.mv_history.back().m_winner;
        EXPECT_TRUE(std::any_of(read.begin(), read.end(),
                                [&](const InboxMessage& m) {
                                    return m.m_code == NEWS_COMPETITION_WON && linksTo(m) &&
                                           !m.mv_links.empty() && m.mv_links[0].m_value == winner;
                                }))
            << c.m_name << " won by " << winner;
    }
}

}  // namespace
}  // namespace ravel
