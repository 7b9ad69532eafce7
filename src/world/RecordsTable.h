// The records of one kind of cricket: fifteen ranked sections, kept in the
// comma-separated files "fcrecs.csv", "terecs.csv", "larecs.csv", "odrecs.csv".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ravel {

enum RecordsKind : int32_t {
    RECORDS_FIRST_CLASS = 1,
    RECORDS_TEST = 2,
    RECORDS_LIST_A = 3,
    RECORDS_ODI = 4,
};

// Section codes, as the records screen and the news links use them.
enum RecordSection : int32_t {
    REC_PARTNERSHIPS = 100,
    REC_HIGHEST_SCORE = 101,
    REC_FASTEST_FIFTY = 102,
    REC_FASTEST_HUNDRED = 103,
    REC_HIGHEST_TOTAL = 104,
    REC_HIGHEST_FOURTH_INNINGS = 105,
    REC_LOWEST_TOTAL = 106,
    REC_LOWEST_AGGREGATE = 107,
    REC_HIGHEST_AGGREGATE = 108,
    REC_BEST_BOWLING = 110,
    REC_BEST_MATCH_BOWLING = 111,
    REC_INNINGS_MARGIN = 120,
    REC_RUNS_MARGIN = 121,
    REC_SMALLEST_RUNS_MARGIN = 122,
    REC_CLOSEST_DRAW = 123,
};

inline constexpr int RECORD_SECTIONS = 15;

// One ranked entry. Ids of -1 mean the entry's texts were frozen at a season
// start (the match or player may be gone); the texts then stand alone.
struct RecordEntry {
    int32_t m_player = -1;
    int32_t m_player2 = -1;  // partnerships
    int32_t m_team = -1;
    int32_t m_match = -1;
    int32_t m_value = 0;   // runs, balls or wickets
    int32_t m_value2 = 0;  // runs conceded of bowling figures
    int32_t m_wickets = 0;
    int32_t m_flag = 0;  // not out, declared, or partnership ended
    std::string m_matchText;
    std::string m_groundText;
    std::string m_seasonText;
    std::string m_playerText;
    std::string m_player2Text;
    std::string m_teamText;

    const char* MatchText() const { return m_matchText.c_str(); }
    const char* GroundText() const { return m_groundText.c_str(); }
    const char* SeasonText() const { return m_seasonText.c_str(); }
    // Built from the player or side while the id is set, else the stored text.
    std::string PlayerText(int which = 0) const;
    const char* TeamText() const;
};

struct RecordsTable {
    int32_t m_kind = 0;
    std::vector<RecordEntry> mv_sections[RECORD_SECTIONS];  // each at its section's capacity
    // The first row the last load refused, with its line number; empty when
    // every row had its place.
    std::string m_loadFault;

    RecordsTable();

    static int SectionIndex(int code);  // -1 for an unknown code
    static int SectionCode(int index);
    static int SectionCapacity(int index);
    static const char* SectionTitle(int index);

    std::vector<RecordEntry>& Section(int code);  // the first section for an unknown code

    // Fills the table from "db/<folder>/<fileName>"; a missing file leaves
    // every section empty. A partnership row for a wicket outside 1..10 has
    // no place: it is left out and noted in m_loadFault. The kind is left
    // for the caller to set.
    void LoadCsv(const char* fileName);
    void LoadCsvFrom(const std::string& path);
    bool WriteCsv(const std::string& path) const;
    // Stores the player, side texts and drops the ids.
    void Freeze();
};

}  // namespace ravel
