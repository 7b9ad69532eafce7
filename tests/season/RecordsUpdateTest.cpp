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

TEST_F(RecordsUpdate, ARecordIsNewsOnlyOverAFullListThatStoodBeforeTheDay) {
    // Every place of the individual scores is taken; the totals hold one entry.
    const int places = RecordsTable::SectionCapacity(RecordsTable::SectionIndex(REC_HIGHEST_SCORE));
    for (int i = 0; i < places; ++i) InsertRecord(m_table, REC_HIGHEST_SCORE, Entry(100 + i));
    InsertRecord(m_table, REC_HIGHEST_TOTAL, Entry(200));
    Match second;
    BuildMatch(second, 300, 260, 320);
    second.mi_id = 10;
    UpdateRecordTables(second, m_table);
    ASSERT_EQ(g_recordEvents.size(), 1u) << "the other sections had empty places";
    const RecordEvent& e = g_recordEvents[0];
    EXPECT_EQ(e[0], REC_HIGHEST_SCORE);
    EXPECT_EQ(e[1], 1);
    EXPECT_EQ(e[2], RECORDS_TEST);
    EXPECT_EQ(e[3], 10);
    EXPECT_EQ(e[4], 1);
    EXPECT_EQ(e[5], 260);
    EXPECT_EQ(e[6], 2);
    EXPECT_EQ(e[7], 11);
    EXPECT_EQ(m_table.Section(REC_HIGHEST_TOTAL)[0].m_value, 320);

    // Two results of one day over a list that was not yet full: the second
    // betters the first, and neither is news.
    g_recordEvents.clear();
    RecordsTable fresh;
    fresh.m_kind = RECORDS_TEST;
    const FullSections standing = FullSectionsOf(fresh);
    Match early;
    BuildMatch(early, 150, 90, 400);
    for (int i = 0; i < places; ++i) {
        early.mi_id = 20 + i;
        UpdateRecordTables(early, fresh, standing);
    }
    UpdateRecordTables(second, fresh, standing);
    EXPECT_EQ(fresh.Section(REC_HIGHEST_SCORE)[0].m_value, 260);
    EXPECT_TRUE(g_recordEvents.empty());
    EXPECT_FALSE(FullSectionsOf(fresh)[static_cast<size_t>(RecordsTable::SectionIndex(REC_RUNS_MARGIN))]);
    EXPECT_TRUE(FullSectionsOf(fresh)[static_cast<size_t>(RecordsTable::SectionIndex(REC_HIGHEST_SCORE))]);
}

}  // namespace
}  // namespace ravel
