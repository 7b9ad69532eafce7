#include "season/RecordsUpdate.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "match/Match.h"
#include "season/DayMachine.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

namespace {

enum class Order { HIGHER, LOWER, BOWLING };

Order OrderOf(int section) {
    switch (section) {
        case REC_FASTEST_FIFTY:
        case REC_FASTEST_HUNDRED:
        case REC_LOWEST_TOTAL:
        case REC_LOWEST_AGGREGATE:
        case REC_SMALLEST_RUNS_MARGIN:
        case REC_CLOSEST_DRAW:
            return Order::LOWER;
        case REC_BEST_BOWLING:
        case REC_BEST_MATCH_BOWLING:
            return Order::BOWLING;
        default:
            return Order::HIGHER;
    }
}

// Either entry may be a RecordEntry or the figures of one (EntryFigures).
template <typename A, typename B>
bool Better(int section, const A& a, const B& b) {
    switch (OrderOf(section)) {
        case Order::LOWER:
            return a.m_value < b.m_value;
        case Order::BOWLING:
            return a.m_value != b.m_value ? a.m_value > b.m_value : a.m_value2 < b.m_value2;
        default:
            return a.m_value > b.m_value;
    }
}

// The rank InsertRecord gives an entry, -1 when it does not make the table.
int RecordRank(const RecordsTable& table, int section, const RecordEntry& entry) {
    const int index = RecordsTable::SectionIndex(section);
    if (index < 0) return -1;
    const std::vector<RecordEntry>& rows = table.mv_sections[index];
    if (section == REC_PARTNERSHIPS) {
        // One row per wicket: the best stand for it.
        const int row = entry.m_wickets - 1;
        if (row < 0 || row >= static_cast<int>(rows.size())) return -1;
        const RecordEntry& held = rows[static_cast<size_t>(row)];
        if (!IsEmptyRecord(held) && held.m_wickets == entry.m_wickets && !Better(section, entry, held))
            return -1;
        return row;
    }
    for (size_t i = 0; i < rows.size(); ++i)
        if (IsEmptyRecord(rows[i]) || Better(section, entry, rows[i])) return static_cast<int>(i);
    return -1;
}

// What orders an entry and names its mark: an entry without its texts.
struct EntryFigures {
    int32_t m_value = 0;
    int32_t m_value2 = 0;
    int32_t m_wickets = 0;

    static EntryFigures Of(const RecordEntry& e) { return {e.m_value, e.m_value2, e.m_wickets}; }
};

// Builds and files the entries of one match.
class CRecordWriter {
public:
    CRecordWriter(const Match& match, RecordsTable& table) : m_match(match), m_table(table) {
        const Ground* g = GroundById(match.mi_ground);
        m_ground = g ? g->m_name : "";
        m_title = MatchTitle(match);
        m_season = SeasonLabel(match.m_startDate.m_season > 0 ? match.m_startDate.m_season
                                                              : g_cricket.m_date.m_season);
        KeepMarks();
    }

    // The match's texts are added by File, to an entry that makes the table.
    RecordEntry Entry(int team, int player = -1, int player2 = -1) const {
        RecordEntry e;
        e.m_player = player;
        e.m_player2 = player2;
        e.m_team = team;
        e.m_match = m_match.mi_id;
        return e;
    }

    // A mark beaten is a record broken; a match that betters itself reports
    // its best.
    void File(int section, RecordEntry& e, int w4, int w5, int w6, int w7) {
        const EntryFigures* mark = MarkBefore(section, e);
        if (MightRank(section, e) && RecordRank(m_table, section, e) >= 0) {
            e.m_matchText = m_title;
            e.m_groundText = m_ground;
            e.m_seasonText = m_season;
            InsertRecord(m_table, section, e);
            const int index = RecordsTable::SectionIndex(section);
            if (index >= 0) mv_floors[index].m_known = false;
        }
        if (!mark || !Better(section, e, *mark)) return;
        const RecordEvent event = {section, 1, m_table.m_kind, m_match.mi_id, w4, w5, w6, w7};
        for (Broken& b : mv_broken) {
            if (!SameMark(section, b.m_figures, e) || b.m_event[0] != section) continue;
            if (Better(section, e, b.m_figures)) b = {event, EntryFigures::Of(e)};
            return;
        }
        mv_broken.push_back({event, EntryFigures::Of(e)});
    }

    void Report() const {
        for (const Broken& b : mv_broken) {
            const bool told =
                std::any_of(g_recordEvents.begin(), g_recordEvents.end(), [&b](const RecordEvent& e) {
                    return e[0] == b.m_event[0] && e[3] == b.m_event[3] &&
                           (e[0] != REC_PARTNERSHIPS || e[7] == b.m_event[7]);
                });
            if (!told) g_recordEvents.push_back(b.m_event);
        }
    }

    int Opponent(int side) const { return side == m_match.mi_team1 ? m_match.mi_team2 : m_match.mi_team1; }

    const Match& m_match;
    RecordsTable& m_table;
    std::string m_ground;
    std::string m_title;
    std::string m_season;

private:
    struct Broken {
        RecordEvent m_event;
        EntryFigures m_figures;
    };

    // Partnerships hold a mark for each wicket; the other sections one.
    template <typename A, typename B>
    static bool SameMark(int section, const A& a, const B& b) {
        return section != REC_PARTNERSHIPS || a.m_wickets == b.m_wickets;
    }

    // The table's best entries as they stood before this match.
    void KeepMarks() {
        for (int i = 0; i < RECORD_SECTIONS; ++i) {
            const int section = RecordsTable::SectionCode(i);
            for (const RecordEntry& r : m_table.mv_sections[i])
                if (!IsEmptyRecord(r) && !MarkIn(i, section, r)) mv_marks[i].push_back(EntryFigures::Of(r));
        }
    }

    const EntryFigures* MarkIn(int index, int section, const RecordEntry& e) const {
        for (const EntryFigures& m : mv_marks[index])
            if (SameMark(section, m, e)) return &m;
        return nullptr;
    }

    const EntryFigures* MarkBefore(int section, const RecordEntry& e) const {
        const int index = RecordsTable::SectionIndex(section);
        return index < 0 ? nullptr : MarkIn(index, section, e);
    }

    // Whether RecordRank could place the entry: a section's rows are walked
    // once for an empty row or the lowest, until an entry goes in. An entry
    // better than any row is better than the lowest. Partnerships, a row a
    // wicket, are left to RecordRank.
    bool MightRank(int section, const RecordEntry& e) {
        const int index = RecordsTable::SectionIndex(section);
        if (index < 0 || section == REC_PARTNERSHIPS) return true;
        Floor& f = mv_floors[index];
        if (!f.m_known) {
            const std::vector<RecordEntry>& rows = m_table.mv_sections[index];
            f = Floor{};
            f.m_known = true;
            for (const RecordEntry& r : rows) {
                f.m_open |= IsEmptyRecord(r);
                if (!f.m_any || Better(section, f.m_lowest, r)) f.m_lowest = EntryFigures::Of(r);
                f.m_any = true;
            }
        }
        return f.m_open || (f.m_any && Better(section, e, f.m_lowest));
    }

    struct Floor {
        bool m_known = false;
        bool m_open = false;  // an empty row
        bool m_any = false;
        EntryFigures m_lowest;
    };

    std::vector<EntryFigures> mv_marks[RECORD_SECTIONS];  // by section index
    Floor mv_floors[RECORD_SECTIONS];                     // by section index
    std::vector<Broken> mv_broken;
};

void InningsRecords(CRecordWriter& w, const Innings& in, int index, int lastInnings) {
    const Match& m = w.m_match;
    const int bat = in.mi_battingTeam;
    const int bowl = in.mi_bowlingTeam;
    const int total = InningsTotal(in);
    const int wickets = in.Wickets();

    RecordEntry t = w.Entry(bat);
    t.m_value = total;
    t.m_wickets = wickets;
    t.m_flag = in.mi_status;
    w.File(REC_HIGHEST_TOTAL, t, bat, total, wickets, bowl);
    if (in.mi_status == INNINGS_ALL_OUT) w.File(REC_LOWEST_TOTAL, t, bat, total, bowl, wickets);
    if (index == lastInnings && index > 0 && m.mi_resultKind == RESULT_WON_BATTING_LAST && m.mi_winner == bat)
        w.File(REC_HIGHEST_FOURTH_INNINGS, t, bat, total, bowl, wickets);

    for (int k = 0; k < SQUAD_SIZE; ++k) {
        const Partnership& p = in.m_partnerships[static_cast<size_t>(k)];
        if (p.mi_state == 0 || p.Runs() <= 0) continue;
        RecordEntry e = w.Entry(bat, p.mi_player[0], p.mi_player[1]);
        e.m_value = p.Runs();
        e.m_wickets = k + 1;
        e.m_flag = p.mi_state == 2;
        w.File(REC_PARTNERSHIPS, e, bat, e.m_value, bowl, k + 1);
    }
    for (const BatsmanFigures& b : in.m_batsmen) {
        if (b.mi_howOut == 0 || b.mi_player < 0) continue;
        RecordEntry e = w.Entry(bat, b.mi_player);
        e.m_value = BatsmanRuns(b);
        e.m_value2 = b.Balls();
        e.m_flag = b.mi_howOut < 0;
        w.File(REC_HIGHEST_SCORE, e, bat, e.m_value, bowl, b.mi_player);
    }
    for (const BowlerFigures& b : in.m_bowlers) {
        if (b.mi_player < 0 || b.mi_balls == 0 || b.mi_wickets == 0) continue;
        RecordEntry e = w.Entry(bowl, b.mi_player);
        e.m_value = b.mi_wickets;
        e.m_value2 = b.mi_runs;
        e.m_wickets = b.mi_wickets;
        w.File(REC_BEST_BOWLING, e, bowl, b.mi_wickets, bat, b.mi_runs);
    }
}

void MatchRecords(CRecordWriter& w) {
    const Match& m = w.m_match;
    int lastInnings = -1;
    int aggregate = 0;
    int wickets = 0;
    struct Figures {
        int side = 0;
        int wickets = 0;
        int runs = 0;
    };
    std::map<int, Figures> bowling;
    for (int i = 0; i < 4; ++i) {
        const Innings& in = m.m_innings[static_cast<size_t>(i)];
        if (!in.mb_started) continue;
        lastInnings = i;
        aggregate += InningsTotal(in);
        wickets += in.Wickets();
        for (const BowlerFigures& b : in.m_bowlers) {
            if (b.mi_player < 0 || b.mi_balls == 0) continue;
            Figures& f = bowling[b.mi_player];
            f.side = in.mi_bowlingTeam;
            f.wickets += b.mi_wickets;
            f.runs += b.mi_runs;
        }
    }
    // After the follow-on the slot 3 innings comes before slot 2, which is then the last.
    const bool followOn = m.mi_followOnState == INNINGS_FOLLOW_ON;
    int playedLast = lastInnings;
    if (followOn && m.m_innings[2].mb_started) playedLast = 2;
    for (int i = 0; i <= lastInnings; ++i)
        if (m.m_innings[static_cast<size_t>(i)].mb_started)
            InningsRecords(w, m.m_innings[static_cast<size_t>(i)], i, playedLast);

    for (const BallEvent& e : m.mv_events) {
        if (e.mi_kind != MATCH_EVENT_BATSMAN_MILESTONE) continue;
        const int reached = e.mi_values[1];
        if (reached != 50 && reached != 100) continue;
        const Innings& in = m.m_innings[static_cast<size_t>(Match::InningsIndex(e.mi_innings))];
        RecordEntry r = w.Entry(in.mi_battingTeam, e.mi_values[0]);
        r.m_value = e.mi_values[2];
        w.File(reached == 50 ? REC_FASTEST_FIFTY : REC_FASTEST_HUNDRED, r, in.mi_battingTeam, r.m_value,
               in.mi_bowlingTeam, e.mi_values[0]);
    }
    if (m.IsFirstClass()) {
        for (const auto& [player, f] : bowling) {
            if (f.wickets == 0) continue;
            RecordEntry e = w.Entry(f.side, player);
            e.m_value = f.wickets;
            e.m_value2 = f.runs;
            e.m_wickets = f.wickets;
            w.File(REC_BEST_MATCH_BOWLING, e, f.side, f.wickets, w.Opponent(f.side), f.runs);
        }
    }

    RecordEntry agg = w.Entry(m.mi_team1);
    agg.m_value = aggregate;
    agg.m_wickets = wickets;
    if (lastInnings >= 0) w.File(REC_HIGHEST_AGGREGATE, agg, m.mi_team1, aggregate, m.mi_team2, wickets);
    const bool decided = m.mi_resultKind != RESULT_DRAW && m.mi_resultKind != RESULT_NO_RESULT &&
                         m.mi_resultKind != RESULT_NONE;
    if (decided && lastInnings >= 1)
        w.File(REC_LOWEST_AGGREGATE, agg, m.mi_team1, aggregate, m.mi_team2, wickets);

    const int winner = m.mi_winner;
    RecordEntry margin = w.Entry(winner);
    margin.m_value = m.mi_margin;
    if (m.mi_resultKind == RESULT_WON_BY_INNINGS && m.mi_margin > 0)
        w.File(REC_INNINGS_MARGIN, margin, winner, m.mi_margin, w.Opponent(winner), 0);
    if (m.mi_resultKind == RESULT_WON_BOWLING_LAST && m.mi_margin > 0) {
        w.File(REC_RUNS_MARGIN, margin, winner, m.mi_margin, w.Opponent(winner), 0);
        w.File(REC_SMALLEST_RUNS_MARGIN, margin, winner, m.mi_margin, w.Opponent(winner), 0);
    }
    if (m.mi_resultKind == RESULT_DRAW && m.m_innings[2].mb_started && m.m_innings[3].mb_started) {
        const Innings& in = m.m_innings[static_cast<size_t>(playedLast)];
        const int short_ = m.Target() - InningsTotal(in);
        if (short_ > 0) {
            RecordEntry d = w.Entry(in.mi_battingTeam);
            d.m_value = short_;
            d.m_wickets = in.Wickets();
            w.File(REC_CLOSEST_DRAW, d, in.mi_battingTeam, short_, in.mi_bowlingTeam, in.Wickets());
        }
    }
}

}  // namespace

bool IsEmptyRecord(const RecordEntry& e) {
    return e.m_value == 0 && e.m_wickets == 0 && e.m_player < 0 && e.m_team < 0 && e.m_teamText.empty();
}

int InsertRecord(RecordsTable& table, int section, const RecordEntry& entry) {
    const int row = RecordRank(table, section, entry);
    if (row < 0) return -1;
    std::vector<RecordEntry>& rows = table.Section(section);
    if (section == REC_PARTNERSHIPS) {
        rows[static_cast<size_t>(row)] = entry;
    } else {
        rows.insert(rows.begin() + row, entry);
        rows.pop_back();
    }
    return row;
}

void UpdateRecordTables(const Match& match, RecordsTable& table) {
    CRecordWriter writer(match, table);
    MatchRecords(writer);
    writer.Report();
}

}  // namespace ravel
