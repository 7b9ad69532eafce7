#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "DbTestSupport.h"
#include "world/GameDate.h"
#include "world/NameLists.h"
#include "world/PlayerGen.h"
#include "world/Random.h"

namespace ravel {
namespace {

class NameLists : public ScratchDbTest {
protected:
    void SetUp() override {
        ScratchDbTest::SetUp();
        SetDatabaseDirectory(m_dir);
        std::filesystem::create_directories(Path("names"));
        for (auto [id, name] :
             {std::pair{1, "Australia"}, std::pair{2, "England"}, std::pair{7, "Sri Lanka"}}) {
            Country c;
            c.m_id = id;
            std::strcpy(c.m_name, name);
            g_world.mv_countries.push_back(c);
        }
        SeedRand(3);
    }
    void WriteList(const std::string& name, const std::string& text) {
        std::ofstream(Path("names/" + name), std::ios::binary) << text;
    }
    std::set<std::string> Names(const std::string& name) {
        const NameList list = ReadNameList(Path("names/" + name));
        return {list.mv_names.begin(), list.mv_names.end()};
    }
};

TEST_F(NameLists, ListsOfEveryShapeGiveTheirNames) {
    struct Case {
        const char* m_what;
        std::string m_text;
        std::set<std::string> m_names;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"plain", "3\nAlpha\nBeta\nGamma\n", {"Alpha", "Beta", "Gamma"}},
        {"CRLF line ends", "3\r\nAlpha\r\nBeta\r\nGamma\r\n", {"Alpha", "Beta", "Gamma"}},
        {"count above the list", "40\nAlpha\nBeta\n", {"Alpha", "Beta"}},
        {"blank lines", "3\n\nAlpha\n\n\nBeta\n", {"Alpha", "Beta"}},
        {"no count", "Alpha\nBeta\nGamma\n", {"Beta", "Gamma"}},
        {"zero count", "0\nAlpha\nBeta\n", {"Alpha", "Beta"}},
        {"no last line end", "2\nAlpha\nBeta", {"Alpha", "Beta"}},
        {"NUL bytes", "3\n\0Alpha\nBe\0ta\nGamma \0\n"s, {"Be", "Gamma"}},
    };
    for (const Case& c : cases) {
        WriteList("x.csv", c.m_text);
        EXPECT_EQ(Names("x.csv"), c.m_names) << c.m_what;
    }
}

TEST_F(NameLists, EmptyOrMissingListsGiveNoName) {
    WriteList("empty.csv", "5\n\n\r\n");
    EXPECT_TRUE(Names("empty.csv").empty());
    EXPECT_TRUE(Names("missing.csv").empty());
}

TEST_F(NameLists, ADeclaredCountAboveTheListStillDrawsEveryName) {
    WriteList("England_fnames.csv", "40\nAlpha\nBeta\n");
    LoadNameLists();
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) seen.insert(RandomFirstName(2));
    EXPECT_EQ(seen, (std::set<std::string>{"Alpha", "Beta"}));
}

TEST_F(NameLists, NamesAreDrawnFromTheListsReadWithTheWorldAndDrawTheSameNumbers) {
    // Each name draws one number, lists or none, and the files are not read
    // again: what the disk holds later changes nothing.
    WriteList("England_fnames.csv", "2\nGeoffrey\nAlan\n");
    LoadNameLists();
    std::filesystem::remove(Path("names/England_fnames.csv"));
    SeedRand(9);
    const std::string first = RandomFirstName(7);
    const std::string surname = RandomSurname(7);  // no list: "-", one number all the same
    const int next = Rand();
    EXPECT_TRUE(first == "Geoffrey" || first == "Alan") << first;
    EXPECT_EQ(surname, "-");
    SeedRand(9);
    Rand();
    Rand();
    EXPECT_EQ(Rand(), next);
}

TEST_F(NameLists, CountriesFallBackToEnglandAndThenToADash) {
    WriteList("Sri Lanka_fnames.csv", "1\nKasun\n");
    WriteList("Sri Lanka_snames.csv", "1\nPerera\n");
    LoadNameLists();
    EXPECT_EQ(RandomFirstName(1), "-");  // neither Australia's list nor England's
    WriteList("England_fnames.csv", "1\nGeoffrey\n");
    WriteList("England_snames.csv", "1\nBarker\n");
    LoadNameLists();

    EXPECT_EQ(RandomFirstName(7), "Kasun");
    EXPECT_EQ(RandomSurname(7), "Perera");
    EXPECT_EQ(RandomFirstName(1), "Geoffrey");  // Australia has no list
    EXPECT_EQ(RandomSurname(99), "Barker");     // nor does an unknown country
    std::filesystem::remove(Path("names/England_snames.csv"));
    LoadNameLists();
    EXPECT_EQ(RandomSurname(1), "-");
}

TEST_F(NameLists, ReplacementPlayersKeepNationalityAndRoleShape) {
    WriteList("England_fnames.csv", "2\nGeoffrey\nAlan\n");
    WriteList("England_snames.csv", "1\nBarker\n");
    LoadNameLists();
    g_cricket.m_date = GameDate::FromSeasonDay(0, FIRST_SEASON);

    struct Case {
        const char* m_what;
        int m_keeper, m_batPosition;
        int m_batLo, m_batHi, m_bowlLo, m_bowlHi, m_fieldLo, m_fieldHi, m_posLo, m_posHi, m_keepLo, m_keepHi;
    };
    const Case cases[] = {
        {"batsman", 0, 3, 30, 49, 0, 19, 0, 59, 1, 5, 1, 10},
        {"wicket keeper", 1, 9, 20, 39, 0, 9, 15, 44, 1, 5, 50, 69},
        {"bowler", 0, 9, 0, 19, 30, 49, 20, 59, 8, 10, 1, 10},
    };
    for (const Case& c : cases) {
        for (int round = 0; round < 40; ++round) {
            Player old;
            old.m_id = 1;
            old.m_country = 2;
            old.m_batHand = 1;
            old.m_bowlArm = 1;
            old.m_bowlType = 5;
            old.m_fieldPosition = 2;
            old.m_keeper = c.m_keeper;
            old.m_batPosition = c.m_batPosition;
            old.m_northClub = 1300;
            old.m_retired = 1;
            old.m_injured = 1;
            old.m_condition = 20.0f;
            old.m_stats[STATS_CAREER_FC].m_runs = 9000;
            old.m_stats[STATS_SEASON_ODI].m_wickets = 4;
            g_world.mv_players = {Player{}, old};
            GenerateReplacementPlayer(1);
            const Player& p = g_world.mv_players[1];

            EXPECT_EQ(p.m_generated, 1);
            EXPECT_TRUE(!std::strcmp(p.m_firstName, "Geoffrey") || !std::strcmp(p.m_firstName, "Alan"));
            EXPECT_EQ(p.m_initials[0], p.m_firstName[0]);
            EXPECT_EQ(p.m_initials[1], '\0');
            EXPECT_STREQ(p.m_surname, "Barker");
            EXPECT_GE(p.AgeOn(g_cricket.m_date), 21);
            EXPECT_LE(p.AgeOn(g_cricket.m_date), 26);
            EXPECT_GE(p.m_birthYear, 2006 - 26);
            EXPECT_LE(p.m_birthYear, 2006 - 22);
            EXPECT_EQ(p.m_country, 2);
            EXPECT_EQ(p.m_batHand, 1);
            EXPECT_EQ(p.m_bowlArm, 1);
            EXPECT_EQ(p.m_bowlType, 5);
            EXPECT_EQ(p.m_fieldPosition, 2);
            EXPECT_EQ(p.m_keeper, c.m_keeper);
            EXPECT_EQ(p.m_northClub, 0);
            EXPECT_EQ(p.m_retired, 0);
            EXPECT_EQ(p.m_injured, 0);
            EXPECT_EQ(p.m_condition, 100.0f);
            EXPECT_EQ(p.m_stats[STATS_CAREER_FC].m_runs, 0);
            EXPECT_EQ(p.m_stats[STATS_SEASON_ODI].m_wickets, 0);

            EXPECT_GE(p.m_batBase, c.m_batLo) << c.m_what;
            EXPECT_LE(p.m_batBase, c.m_batHi) << c.m_what;
            EXPECT_GE(p.m_bowlBase, c.m_bowlLo) << c.m_what;
            EXPECT_LE(p.m_bowlBase, c.m_bowlHi) << c.m_what;
            EXPECT_GE(p.m_fieldBase, c.m_fieldLo) << c.m_what;
            EXPECT_LE(p.m_fieldBase, c.m_fieldHi) << c.m_what;
            EXPECT_GE(p.m_batPosition, c.m_posLo) << c.m_what;
            EXPECT_LE(p.m_batPosition, c.m_posHi) << c.m_what;
            for (int k : p.m_keepSkill) {
                EXPECT_GE(k, c.m_keepLo) << c.m_what;
                EXPECT_LE(k, c.m_keepHi) << c.m_what;
            }
            for (int i = 0; i < 6; ++i) {
                EXPECT_LE(p.m_batSkill[i], p.m_batBase);
                EXPECT_GE(p.m_batSkill[i], p.m_batBase - 2);
            }
            EXPECT_GE(p.m_batSkill[6], 45);
            EXPECT_LE(p.m_batSkill[6], 84);
            for (int s : p.m_bowlSkill) EXPECT_GE(s, p.m_bowlBase - 2);
            for (int s : p.m_fieldSkill) EXPECT_LE(s, p.m_fieldBase);
        }
    }
}

TEST_F(NameLists, ReplacementOfAnUnknownPlayerChangesNothing) {
    g_world.mv_players = {Player{}};
    GenerateReplacementPlayer(5);
    GenerateReplacementPlayer(-1);
    EXPECT_EQ(g_world.mv_players.size(), 1u);
    EXPECT_EQ(g_world.mv_players[0].m_generated, 0);
}

}  // namespace
}  // namespace ravel
