#include "world/RecordsTable.h"

#include <cstdlib>
#include <fstream>

#include "world/Database.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

struct SectionInfo {
    int m_code;
    int m_capacity;
    const char* m_title;
};

const SectionInfo SECTIONS[RECORD_SECTIONS] = {
    {REC_PARTNERSHIPS, 10, "Partnership Records"},
    {REC_HIGHEST_SCORE, 20, "Highest Individual Score"},
    {REC_FASTEST_FIFTY, 10, "Fastest 50's (by balls faced)"},
    {REC_FASTEST_HUNDRED, 10, "Fastest 100's (by balls faced)"},
    {REC_HIGHEST_TOTAL, 10, "Highest Innings Total"},
    {REC_HIGHEST_FOURTH_INNINGS, 10, "Highest Fourth Innings Total To Win"},
    {REC_LOWEST_TOTAL, 10, "Lowest Completed Innings Total"},
    {REC_LOWEST_AGGREGATE, 10, "Lowest Match Aggregate"},
    {REC_HIGHEST_AGGREGATE, 10, "Highest Match Aggregate"},
    {REC_BEST_BOWLING, 20, "Best Bowling Figures"},
    {REC_BEST_MATCH_BOWLING, 20, "Best Bowling Figures (in a match)"},
    {REC_INNINGS_MARGIN, 10, "Highest Winning Margin By An Innings"},
    {REC_RUNS_MARGIN, 10, "Highest Winning Margin By Runs"},
    {REC_SMALLEST_RUNS_MARGIN, 10, "Smallest Winning Margin By Runs"},
    {REC_CLOSEST_DRAW, 10, "Closest Draw By Runs Remaining"},
};

constexpr int ENTRY_INTS = 8;
constexpr int ENTRY_TEXTS = 6;

// Splits a line at commas; a CR left by a CRLF file is dropped.
std::vector<std::string> SplitLine(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> out(1);
    for (char c : line) {
        if (c == ',')
            out.emplace_back();
        else
            out.back().push_back(c);
    }
    return out;
}

// The leading decimal number of a field, 0 when there is none.
int32_t FieldInt(const std::string& s) {
    return static_cast<int32_t>(std::strtol(s.c_str(), nullptr, 10));
}

// Texts go out without commas, which would split them.
std::string CleanText(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ',' && c != '\n' && c != '\r') out.push_back(c);
    return out;
}

bool IsEntryLine(const std::string& line) {
    return !line.empty() && (line[0] == '-' || (line[0] >= '0' && line[0] <= '9'));
}

}  // namespace

RecordsTable::RecordsTable() {
    for (int i = 0; i < RECORD_SECTIONS; ++i) mv_sections[i].assign(SECTIONS[i].m_capacity, RecordEntry{});
}

int RecordsTable::SectionIndex(int code) {
    for (int i = 0; i < RECORD_SECTIONS; ++i)
        if (SECTIONS[i].m_code == code) return i;
    return -1;
}

int RecordsTable::SectionCode(int index) {
    return index >= 0 && index < RECORD_SECTIONS ? SECTIONS[index].m_code : 0;
}

int RecordsTable::SectionCapacity(int index) {
    return index >= 0 && index < RECORD_SECTIONS ? SECTIONS[index].m_capacity : 0;
}

const char* RecordsTable::SectionTitle(int index) {
    return index >= 0 && index < RECORD_SECTIONS ? SECTIONS[index].m_title : "";
}

std::vector<RecordEntry>& RecordsTable::Section(int code) {
    int i = SectionIndex(code);
    return mv_sections[i < 0 ? 0 : i];
}

void RecordsTable::LoadCsv(const char* fileName) {
    LoadCsvFrom(DatabaseFilePath(std::string(fileName)));
}

void RecordsTable::LoadCsvFrom(const std::string& path) {
    for (int i = 0; i < RECORD_SECTIONS; ++i) mv_sections[i].assign(SECTIONS[i].m_capacity, RecordEntry{});
    m_loadFault.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    int section = -1;
    int filled = 0;
    int lineNumber = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNumber;
        std::vector<std::string> f = SplitLine(line);
        if (!IsEntryLine(f[0])) {
            // A heading starts its section; any other text line is ignored.
            section = -1;
            for (int i = 0; i < RECORD_SECTIONS; ++i)
                if (f[0] == SECTIONS[i].m_title) section = i;
            filled = 0;
            continue;
        }
        if (section < 0) continue;
        f.resize(ENTRY_INTS + ENTRY_TEXTS);
        // Partnerships keep one row per wicket, the row of their wicket.
        const int wicket = FieldInt(f[6]);
        const bool byWicket = SECTIONS[section].m_code == REC_PARTNERSHIPS;
        if (byWicket && (wicket < 1 || wicket > SECTIONS[section].m_capacity)) {
            if (m_loadFault.empty())
                m_loadFault = Format("line %d: a partnership for wicket %d", lineNumber, wicket);
            continue;
        }
        if (filled >= SECTIONS[section].m_capacity) continue;
        RecordEntry& e = mv_sections[section][byWicket ? wicket - 1 : filled];
        ++filled;
        if (byWicket && (e.m_value != 0 || e.m_player >= 0)) continue;  // the wicket's best came first
        e.m_player = FieldInt(f[0]);
        e.m_player2 = FieldInt(f[1]);
        e.m_team = FieldInt(f[2]);
        e.m_match = FieldInt(f[3]);
        e.m_value = FieldInt(f[4]);
        e.m_value2 = FieldInt(f[5]);
        e.m_wickets = FieldInt(f[6]);
        e.m_flag = FieldInt(f[7]);
        e.m_matchText = f[8];
        e.m_groundText = f[9];
        e.m_seasonText = f[10];
        e.m_playerText = f[11];
        e.m_player2Text = f[12];
        e.m_teamText = f[13];
    }
}

bool RecordsTable::WriteCsv(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (int i = 0; i < RECORD_SECTIONS; ++i) {
        out << SECTIONS[i].m_title << "\n";
        for (const RecordEntry& e : mv_sections[i]) {
            if (e.m_value == 0 && e.m_wickets == 0 && e.m_player < 0 && e.m_team < 0) continue;
            out << e.m_player << ',' << e.m_player2 << ',' << e.m_team << ',' << e.m_match << ',' << e.m_value
                << ',' << e.m_value2 << ',' << e.m_wickets << ',' << e.m_flag << ','
                << CleanText(e.m_matchText) << ',' << CleanText(e.m_groundText) << ','
                << CleanText(e.m_seasonText) << ',' << CleanText(e.m_playerText) << ','
                << CleanText(e.m_player2Text) << ',' << CleanText(e.m_teamText) << "\n";
        }
    }
    return static_cast<bool>(out);
}

std::string RecordEntry::PlayerText(int which) const {
    int32_t id = which == 0 ? m_player : m_player2;
    const Player* p = id >= 0 ? PlayerById(id) : nullptr;
    if (!p) return which == 0 ? m_playerText : m_player2Text;
    return Format("%s %s", p->m_firstName, p->m_surname);
}

const char* RecordEntry::TeamText() const {
    if (m_team >= FIRST_CLUB_ID) {
        if (const Team* t = TeamById(m_team)) return t->m_name;
    } else if (m_team > 0) {
        if (const Country* c = CountryById(m_team)) return c->m_name;
    }
    return m_teamText.c_str();
}

void RecordsTable::Freeze() {
    for (auto& section : mv_sections)
        for (RecordEntry& e : section) {
            e.m_playerText = e.PlayerText(0);
            e.m_player2Text = e.PlayerText(1);
            e.m_teamText = e.TeamText();
            e.m_player = e.m_player2 = e.m_team = e.m_match = -1;
        }
}

}  // namespace ravel
