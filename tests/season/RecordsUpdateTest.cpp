#include <algorithm>
#include <string>
#include <vector>

#include "SeasonWorld.h"
#include "match/Match.h"
#include "season/DayMachine.h"
#include "season/RecordsUpdate.h"

namespace ravel {
namespace {

class RecordsUpdate : public SeasonWorld {
protected:
    void SetUp() override {
        SeasonWorld::SetUp();
        AddCountry(1, "One");
        AddCountry(2, "Two");
        m_table.m_kind = RECORDS_TEST;
    }

    static RecordEntry Entry(int value, int value2 = 0) {
        RecordEntry e;
        e.m_team = 1;
        e.m_value = value;
        e.m_value2 = value2;
        return e;
    }

    // A finished Test: side 1 makes `first` all out, side 2 follows with
    // `second` and wins by an innings; one batsman of side 1 scores `top`.
    static void BuildMatch(Match& m, int first, int top, int second) {
        m.mi_id = 9;
        m.mi_matchType = FORMAT_TEST;
        m.mi_team1 = 1;
        m.mi_team2 = 2;
        m.mi_sideKind = SIDES_COUNTRIES;
        Innings& a = m.m_innings[0];
        a.mb_started = 1;
        a.mi_battingTeam = 1;
        a.mi_bowlingTeam = 2;
        a.mi_status = INNINGS_ALL_OUT;
        a.m_batsmen[0].mi_player = 11;
        a.m_batsmen[0].mi_howOut = 1;
        a.m_batsmen[0].mi_scored[1] = top;  // singles make the score
        a.mi_byes = first - top;
        for (int k = 1; k < SQUAD_SIZE; ++k) a.m_batsmen[static_cast<size_t>(k)].mi_howOut = 1;
        a.Recount();
        a.m_bowlers[0].mi_player = 21;
        a.m_bowlers[0].mi_balls = 120;
        a.m_bowlers[0].mi_wickets = 6;
        a.m_bowlers[0].mi_runs = 40;
        Innings& b = m.m_innings[1];
        b.mb_started = 1;
        b.mi_battingTeam = 2;
        b.mi_bowlingTeam = 1;
        b.mi_status = INNINGS_DECLARED;
        b.mi_byes = second;
        b.Recount();
        m.mi_resultKind = RESULT_WON_BY_INNINGS;
        m.mi_winner = 2;
        m.mi_margin = second - first;
    }

    RecordsTable m_table;
};

TEST_F(RecordsUpdate, SectionsKeepTheirOrder) {
    struct Case {
        int section;
        std::vector<std::pair<int, int>> entries;  // value, value2 in arrival order
        std::vector<int> ranks;                    // rank each took
        std::pair<int, int> first;                 // the best afterwards
    };
    const Case cases[] = {
        {REC_HIGHEST_SCORE, {{100, 0}, {250, 0}, {100, 0}}, {0, 0, 2}, {250, 0}},
        {REC_LOWEST_TOTAL, {{80, 0}, {45, 0}, {200, 0}}, {0, 0, 2}, {45, 0}},
        {REC_BEST_BOWLING, {{5, 60}, {5, 30}, {7, 90}}, {0, 0, 0}, {7, 90}},
        {REC_FASTEST_FIFTY, {{40, 0}, {22, 0}}, {0, 0}, {22, 0}},
    };
    for (const Case& c : cases) {
        RecordsTable table;
        for (size_t i = 0; i < c.entries.size(); ++i)
            EXPECT_EQ(InsertRecord(table, c.section, Entry(c.entries[i].first, c.entries[i].second)),
                      c.ranks[i])
                << c.section << " entry " << i;
        const RecordEntry& best = table.Section(c.section).front();
        EXPECT_EQ(best.m_value, c.first.first) << c.section;
        EXPECT_EQ(best.m_value2, c.first.second) << c.section;
    }
    EXPECT_EQ(InsertRecord(m_table, 999, Entry(1)), -1) << "unknown section";
}

TEST_F(RecordsUpdate, FullSectionDropsItsLastEntry) {
    const int capacity = RecordsTable::SectionCapacity(RecordsTable::SectionIndex(REC_HIGHEST_TOTAL));
    for (int i = 0; i < capacity; ++i) InsertRecord(m_table, REC_HIGHEST_TOTAL, Entry(300 + i));
    EXPECT_EQ(InsertRecord(m_table, REC_HIGHEST_TOTAL, Entry(100)), -1);
    EXPECT_EQ(InsertRecord(m_table, REC_HIGHEST_TOTAL, Entry(305)), capacity - 5) << "behind the older 305";
    const auto& rows = m_table.Section(REC_HIGHEST_TOTAL);
    EXPECT_EQ(static_cast<int>(rows.size()), capacity);
    EXPECT_EQ(rows.back().m_value, 301);
}

TEST_F(RecordsUpdate, PartnershipsKeepTheBestStandOfEachWicket) {
    struct Case {
        int wicket;
        int runs;
        int row;  // -1: not kept
    };
    const Case cases[] = {{1, 150, 0}, {10, 40, 9},  {1, 120, -1}, {1, 200, 0},
                          {3, 90, 2},  {0, 300, -1}, {11, 300, -1}};
    for (const Case& c : cases) {
        RecordEntry e = Entry(c.runs);
        e.m_wickets = c.wicket;
        EXPECT_EQ(InsertRecord(m_table, REC_PARTNERSHIPS, e), c.row) << c.wicket << " " << c.runs;
    }
    const auto& rows = m_table.Section(REC_PARTNERSHIPS);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].m_value, 200);
    EXPECT_EQ(rows[2].m_value, 90);
    EXPECT_EQ(rows[9].m_value, 40);
    EXPECT_TRUE(IsEmptyRecord(rows[1]));

    // Written and read back, each stand keeps the row of its wicket.
    const std::string path = ::testing::TempDir() + "partnerships.csv";
    ASSERT_TRUE(m_table.WriteCsv(path));
    RecordsTable back;
    back.LoadCsvFrom(path);
    const auto& read = back.Section(REC_PARTNERSHIPS);
    EXPECT_EQ(read[0].m_value, 200);
    EXPECT_EQ(read[2].m_value, 90);
    EXPECT_EQ(read[9].m_value, 40);
    EXPECT_TRUE(IsEmptyRecord(read[1]));
}

TEST_F(RecordsUpdate, AChaseAfterTheFollowOnIsAFourthInningsToWin) {
    // Side 1 makes 300, side 2 follows on after 100 and makes 400; side 1 chases 201.
    Match m;
    BuildMatch(m, 300, 100, 100);
    m.m_innings[1].mi_status = INNINGS_ALL_OUT;
    Innings& third = m.m_innings[3];
    third.mb_started = 1;
    third.mi_battingTeam = 2;
    third.mi_bowlingTeam = 1;
    third.mi_status = INNINGS_FOLLOW_ON;
    third.mi_byes = 400;
    third.Recount();
    Innings& chase = m.m_innings[2];
    chase.mb_started = 1;
    chase.mi_battingTeam = 1;
    chase.mi_bowlingTeam = 2;
    chase.mi_byes = 201;
    chase.Recount();
    m.mi_followOnState = INNINGS_FOLLOW_ON;
    m.mi_resultKind = RESULT_WON_BATTING_LAST;
    m.mi_winner = 1;
    m.mi_margin = 10;
    UpdateRecordTables(m, m_table);
    const auto& fourth = m_table.Section(REC_HIGHEST_FOURTH_INNINGS);
    EXPECT_EQ(fourth[0].m_value, 201);
    EXPECT_EQ(fourth[0].m_team, 1);
    EXPECT_TRUE(IsEmptyRecord(fourth[1]));
}

TEST_F(RecordsUpdate, AMatchFillsTheTables) {
    Match first;
    BuildMatch(first, 150, 90, 400);
    UpdateRecordTables(first, m_table);
    EXPECT_TRUE(g_recordEvents.empty()) << "an empty table holds no record to break";
    EXPECT_EQ(m_table.Section(REC_HIGHEST_SCORE)[0].m_value, 90);
    EXPECT_EQ(m_table.Section(REC_HIGHEST_SCORE)[0].m_player, 11);
    EXPECT_EQ(m_table.Section(REC_HIGHEST_TOTAL)[0].m_value, 400);
    EXPECT_EQ(m_table.Section(REC_HIGHEST_TOTAL)[1].m_value, 150);
    EXPECT_EQ(m_table.Section(REC_LOWEST_TOTAL)[0].m_value, 150) << "only all-out innings";
    EXPECT_TRUE(IsEmptyRecord(m_table.Section(REC_LOWEST_TOTAL)[1]));
    EXPECT_EQ(m_table.Section(REC_BEST_BOWLING)[0].m_value, 6);
    EXPECT_EQ(m_table.Section(REC_BEST_BOWLING)[0].m_value2, 40);
    EXPECT_EQ(m_table.Section(REC_BEST_MATCH_BOWLING)[0].m_value, 6);
    EXPECT_EQ(m_table.Section(REC_INNINGS_MARGIN)[0].m_value, 250);
    EXPECT_EQ(m_table.Section(REC_INNINGS_MARGIN)[0].m_team, 2);
    EXPECT_EQ(m_table.Section(REC_HIGHEST_AGGREGATE)[0].m_value, 550);
    EXPECT_EQ(m_table.Section(REC_LOWEST_AGGREGATE)[0].m_value, 550);
    EXPECT_TRUE(IsEmptyRecord(m_table.Section(REC_RUNS_MARGIN)[0]));
    EXPECT_EQ(m_table.Section(REC_HIGHEST_SCORE)[0].m_matchText, "One vs Two");
}

TEST_F(RecordsUpdate, ARecordIsNewsOnlyWhenAStoredMarkIsBeaten) {
    // The match: side 1 all out for 300 with one batsman on 260, side 2
    // 320 declared; the bowler of side 2 takes 6 for 40.
    struct Case {
        const char* what;
        int section;
        RecordEntry stored;  // the section's mark before the match; none when empty
        bool news;
    };
    const auto entry = [](int value, int value2 = 0, int wickets = 0) {
        RecordEntry e = Entry(value, value2);
        e.m_wickets = wickets;
        return e;
    };
    const Case cases[] = {
        {"a higher score", REC_HIGHEST_SCORE, entry(259), true},
        {"an equal score", REC_HIGHEST_SCORE, entry(260), false},
        {"a lower score", REC_HIGHEST_SCORE, entry(400), false},
        {"an empty section", REC_HIGHEST_SCORE, RecordEntry{}, false},
        {"a higher total", REC_HIGHEST_TOTAL, entry(319), true},
        {"a lower all-out total", REC_LOWEST_TOTAL, entry(301), true},
        {"a lower total not beaten", REC_LOWEST_TOTAL, entry(26), false},
        {"more wickets", REC_BEST_BOWLING, entry(5, 10, 5), true},
        {"as many wickets for fewer runs", REC_BEST_BOWLING, entry(6, 41, 6), true},
        {"as many wickets for as many runs", REC_BEST_BOWLING, entry(6, 40, 6), false},
    };
    for (const Case& c : cases) {
        g_recordEvents.clear();
        RecordsTable table;
        table.m_kind = RECORDS_TEST;
        if (!IsEmptyRecord(c.stored)) InsertRecord(table, c.section, c.stored);
        Match m;
        BuildMatch(m, 300, 260, 320);
        UpdateRecordTables(m, table);
        const bool news = std::any_of(g_recordEvents.begin(), g_recordEvents.end(),
                                      [&c](const RecordEvent& e) { return e[0] == c.section; });
        EXPECT_EQ(news, c.news) << c.what;
        EXPECT_EQ(g_recordEvents.size(), news ? 1u : 0u) << c.what << ": the other sections were empty";
    }

    // The event names the match, the sides and the figures.
    g_recordEvents.clear();
    InsertRecord(m_table, REC_HIGHEST_SCORE, Entry(200));
    Match m;
    BuildMatch(m, 300, 260, 320);
    m.mi_id = 10;
    UpdateRecordTables(m, m_table);
    ASSERT_EQ(g_recordEvents.size(), 1u);
    const RecordEvent expected = {REC_HIGHEST_SCORE, 1, RECORDS_TEST, 10, 1, 260, 2, 11};
    EXPECT_EQ(g_recordEvents[0], expected);
}

TEST_F(RecordsUpdate, APartnershipIsNewsOverTheBestStandOfItsWicket) {
    struct Case {
        int storedWicket;
        int storedRuns;
        bool news;
    };
    // The match holds a first-wicket stand of 120.
    const Case cases[] = {{1, 119, true}, {1, 120, false}, {2, 50, false}, {0, 0, false}};
    for (const Case& c : cases) {
        g_recordEvents.clear();
        RecordsTable table;
        table.m_kind = RECORDS_TEST;
        if (c.storedWicket > 0) {
            RecordEntry stand = Entry(c.storedRuns);
            stand.m_wickets = c.storedWicket;
            InsertRecord(table, REC_PARTNERSHIPS, stand);
        }
        Match m;
        BuildMatch(m, 300, 100, 320);
        Partnership& p = m.m_innings[0].m_partnerships[0];
        p.mi_state = 2;
        p.mi_player[0] = 11;
        p.mi_player[1] = 12;
        p.mi_runs[0] = 70;
        p.mi_runs[1] = 50;
        UpdateRecordTables(m, table);
        EXPECT_EQ(g_recordEvents.size(), c.news ? 1u : 0u) << c.storedWicket << " " << c.storedRuns;
        if (c.news) {
            EXPECT_EQ(g_recordEvents[0][7], 1) << "the wicket";
        }
    }
}

TEST_F(RecordsUpdate, AMarkBrokenInBothTablesIsOneEventOfTheTestTable) {
    // A Test goes into the Test table, then the first-class one; its batsman scores 260.
    struct Case {
        int testMark;
        int firstClassMark;
        std::vector<int> kinds;  // the tables of the events, in order
    };
    const Case cases[] = {
        {250, 255, {RECORDS_TEST}},
        {250, 300, {RECORDS_TEST}},
        {300, 255, {RECORDS_FIRST_CLASS}},
        {300, 300, {}},
    };
    for (const Case& c : cases) {
        g_recordEvents.clear();
        RecordsTable test;
        test.m_kind = RECORDS_TEST;
        RecordsTable firstClass;
        firstClass.m_kind = RECORDS_FIRST_CLASS;
        InsertRecord(test, REC_HIGHEST_SCORE, Entry(c.testMark));
        InsertRecord(firstClass, REC_HIGHEST_SCORE, Entry(c.firstClassMark));
        Match m;
        BuildMatch(m, 300, 260, 320);
        UpdateRecordTables(m, test);
        UpdateRecordTables(m, firstClass);
        std::vector<int> kinds;
        for (const RecordEvent& e : g_recordEvents) kinds.push_back(e[2]);
        EXPECT_EQ(kinds, c.kinds) << c.testMark << " " << c.firstClassMark;
    }
}

}  // namespace
}  // namespace ravel
