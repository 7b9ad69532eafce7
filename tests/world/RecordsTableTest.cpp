#include <gtest/gtest.h>

#include <cstring>

#include "DbTestSupport.h"
#include "world/RecordsTable.h"

namespace ravel {
namespace {

using RecordsTables = ScratchDbTest;

TEST_F(RecordsTables, SectionsKeepTheirCapacityAndEntriesSurviveTheFile) {
    RecordsTable t;
    EXPECT_EQ(t.Section(REC_HIGHEST_SCORE).size(), 20u);
    EXPECT_EQ(t.Section(REC_PARTNERSHIPS).size(), 10u);
    RecordEntry& e = t.Section(REC_HIGHEST_TOTAL)[0];
    e.m_team = 1305;
    e.m_match = 12;
    e.m_value = 612;
    e.m_wickets = 8;
    e.m_flag = 1;
    e.m_matchText = "Hampshire v Kent, 2006";
    e.m_groundText = "Rose Bowl";
    e.m_seasonText = "2006";
    RecordEntry& s = t.Section(REC_BEST_BOWLING)[19];
    s.m_player = 44;
    s.m_value = 9;
    s.m_value2 = 37;
    ASSERT_TRUE(t.WriteCsv(Path("t.csv")));

    RecordsTable back;
    back.LoadCsvFrom(Path("t.csv"));
    const RecordEntry& f = back.Section(REC_HIGHEST_TOTAL)[0];
    EXPECT_EQ(f.m_team, 1305);
    EXPECT_EQ(f.m_value, 612);
    EXPECT_EQ(f.m_wickets, 8);
    EXPECT_EQ(f.m_flag, 1);
    EXPECT_EQ(f.m_matchText, "Hampshire v Kent 2006");  // commas can't travel in the file
    EXPECT_EQ(f.m_groundText, "Rose Bowl");
    // Empty entries are not written, so the entry moves up to the first place.
    EXPECT_EQ(back.Section(REC_BEST_BOWLING)[0].m_value, 9);
    EXPECT_EQ(back.Section(REC_BEST_BOWLING)[0].m_value2, 37);
    EXPECT_EQ(back.Section(REC_BEST_BOWLING).size(), 20u);
}

TEST_F(RecordsTables, ReaderCopesWithCrlfExtraEntriesAndStrayText) {
    std::string text = "Fastest 50's (by balls faced)\r\n";
    for (int i = 0; i < 12; ++i) text += "5,-1,-1,3," + std::to_string(20 + i) + ",0,0,0,m,g,s,p,,t\r\n";
    text += "Some unknown heading\r\n7,-1,-1,3,99,0,0,0\r\nLowest Match Aggregate\n-1,-1,-1,4,234";
    std::ofstream(Path("r.csv"), std::ios::binary) << text;
    RecordsTable t;
    t.LoadCsvFrom(Path("r.csv"));
    const auto& fifties = t.Section(REC_FASTEST_FIFTY);
    ASSERT_EQ(fifties.size(), 10u);
    EXPECT_EQ(fifties[0].m_value, 20);
    EXPECT_EQ(fifties[9].m_value, 29);
    EXPECT_EQ(fifties[9].m_teamText, "t");
    EXPECT_EQ(t.Section(REC_LOWEST_AGGREGATE)[0].m_value, 234);
    for (int i = 0; i < RECORD_SECTIONS; ++i)
        for (const RecordEntry& e : t.mv_sections[i]) EXPECT_NE(e.m_value, 99);
}

TEST_F(RecordsTables, MissingFileLeavesEmptySections) {
    RecordsTable t;
    t.Section(REC_RUNS_MARGIN)[0].m_value = 5;
    t.LoadCsvFrom(Path("none.csv"));
    EXPECT_EQ(t.Section(REC_RUNS_MARGIN)[0].m_value, 0);
    EXPECT_EQ(RecordsTable::SectionIndex(109), -1);
}

TEST_F(RecordsTables, FreezingKeepsTheNamesAndDropsTheIds) {
    Player p;
    p.m_id = 0;
    std::strcpy(p.m_firstName, "Alan");
    std::strcpy(p.m_surname, "Barker");
    g_world.mv_players = {p};
    Country c;
    c.m_id = 2;
    std::strcpy(c.m_name, "England");
    g_world.mv_countries = {c};
    RecordsTable t;
    RecordEntry& e = t.Section(REC_HIGHEST_SCORE)[0];
    e.m_player = 0;
    e.m_team = 2;
    e.m_value = 250;
    EXPECT_EQ(e.PlayerText(), "Alan Barker");
    t.Freeze();
    g_world.mv_players.clear();
    g_world.mv_countries.clear();
    EXPECT_EQ(e.m_player, -1);
    EXPECT_EQ(e.PlayerText(), "Alan Barker");
    EXPECT_STREQ(e.TeamText(), "England");
}

}  // namespace
}  // namespace ravel
