// The records tables as they stand before the first season, from
// data/records: each entry is checked against the world (sides, grounds,
// seasons) and must come in the order the game ranks its section.
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "WorldBuilder.h"
#include "match/Match.h"
#include "season/RecordsUpdate.h"
#include "season/Squads.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

using nlohmann::json;

namespace {

struct SectionSource {
    const char* m_key;
    int32_t m_code;
};

constexpr SectionSource SECTION_SOURCES[RECORD_SECTIONS] = {
    {"partnerships", REC_PARTNERSHIPS},
    {"highestScore", REC_HIGHEST_SCORE},
    {"fastestFifty", REC_FASTEST_FIFTY},
    {"fastestHundred", REC_FASTEST_HUNDRED},
    {"highestTotal", REC_HIGHEST_TOTAL},
    {"highestFourthInnings", REC_HIGHEST_FOURTH_INNINGS},
    {"lowestTotal", REC_LOWEST_TOTAL},
    {"lowestAggregate", REC_LOWEST_AGGREGATE},
    {"highestAggregate", REC_HIGHEST_AGGREGATE},
    {"bestBowling", REC_BEST_BOWLING},
    {"bestMatchBowling", REC_BEST_MATCH_BOWLING},
    {"inningsMargin", REC_INNINGS_MARGIN},
    {"runsMargin", REC_RUNS_MARGIN},
    {"smallestRunsMargin", REC_SMALLEST_RUNS_MARGIN},
    {"closestDraw", REC_CLOSEST_DRAW},
};

// Source file of each records kind, by kind - 1.
constexpr const char* SOURCES[] = {"firstclass.json", "test.json", "lista.json", "odi.json"};
constexpr int WICKETS = 10;

int SideId(const std::string& name) {
    for (const Country& c : g_world.mv_countries)
        if (name == c.m_name) return c.m_id;
    for (const Team& t : g_world.mv_teams)
        if (name == t.m_name) return t.m_id;
    throw BuildError{"unknown side: " + name};
}

const Ground& GroundNamed(const std::string& name) {
    for (const Ground& g : g_world.mv_grounds)
        if (name == g.m_name) return g;
    throw BuildError{"unknown ground: " + name};
}

// "Home vs Away", both sides of the world, one of them the entry's side.
void CheckMatch(const std::string& match, int side) {
    const size_t at = match.find(" vs ");
    if (at == std::string::npos) throw BuildError{"match is not 'home vs away': " + match};
    const int home = SideId(match.substr(0, at));
    const int away = SideId(match.substr(at + 4));
    if (home == away || (side != home && side != away))
        throw BuildError{"match does not hold the entry's side: " + match};
}

// An English season is one year, "2005"; the others span two, "2005/06".
// Every entry is older than the first season of the game.
void CheckSeason(const std::string& season, const Ground& ground) {
    int year = 0;
    int next = -1;
    char tail = 0;
    const bool northern = ground.m_country == NORTHERN_COUNTRY;
    const int fields = std::sscanf(season.c_str(), "%4d/%2d%c", &year, &next, &tail);
    const bool shaped = northern ? fields == 1 && season.size() == 4
                                 : fields == 2 && season.size() == 7 && next == (year + 1) % 100;
    if (!shaped || year >= SeasonFirstYear(FIRST_SEASON))
        throw BuildError{"bad season " + season + " at " + ground.m_name};
}

int Positive(const json& e, const char* key) {
    const int value = e.at(key).get<int>();
    if (value <= 0) throw BuildError{std::string(key) + " must be above 0: " + e.dump()};
    return value;
}

int WicketsOf(const json& e) {
    const int wickets = e.at("wickets").get<int>();
    if (wickets < 0 || wickets > 4 * WICKETS) throw BuildError{"bad wickets: " + e.dump()};
    return wickets;
}

RecordEntry EntryOf(int section, const json& e) {
    RecordEntry r;
    const std::string side = e.at("side");
    r.m_team = SideId(side);
    r.m_teamText = side;
    r.m_matchText = e.at("match");
    CheckMatch(r.m_matchText, r.m_team);
    const Ground& ground = GroundNamed(e.at("ground"));
    r.m_groundText = ground.m_name;
    r.m_seasonText = e.at("season");
    CheckSeason(r.m_seasonText, ground);
    if (e.contains("player")) r.m_playerText = e["player"];
    switch (section) {
        case REC_PARTNERSHIPS:
            r.m_value = Positive(e, "runs");
            r.m_wickets = Positive(e, "wicket");
            if (r.m_wickets > WICKETS) throw BuildError{"bad wicket: " + e.dump()};
            r.m_flag = e.value("unbroken", false) ? 0 : 1;
            r.m_playerText = e.at("players").at(0);
            r.m_player2Text = e.at("players").at(1);
            break;
        case REC_HIGHEST_SCORE:
            r.m_value = Positive(e, "runs");
            r.m_value2 = Positive(e, "balls");
            r.m_flag = e.value("notOut", false) ? 1 : 0;
            break;
        case REC_FASTEST_FIFTY:
        case REC_FASTEST_HUNDRED:
            r.m_value = Positive(e, "balls");
            break;
        case REC_HIGHEST_TOTAL:
        case REC_HIGHEST_FOURTH_INNINGS:
        case REC_LOWEST_TOTAL:
            r.m_value = Positive(e, "runs");
            r.m_wickets = WicketsOf(e);
            if (r.m_wickets > WICKETS) throw BuildError{"bad wickets: " + e.dump()};
            r.m_flag = e.value("declared", false) ? INNINGS_DECLARED
                       : r.m_wickets == WICKETS   ? INNINGS_ALL_OUT
                                                  : 0;
            if (section == REC_LOWEST_TOTAL && r.m_flag != INNINGS_ALL_OUT)
                throw BuildError{"a lowest total is a completed innings: " + e.dump()};
            break;
        case REC_BEST_BOWLING:
        case REC_BEST_MATCH_BOWLING:
            r.m_value = r.m_wickets = Positive(e, "wickets");
            r.m_value2 = e.at("runs").get<int>();
            if (r.m_value > (section == REC_BEST_BOWLING ? WICKETS : 2 * WICKETS) || r.m_value2 < 0)
                throw BuildError{"bad bowling figures: " + e.dump()};
            break;
        case REC_LOWEST_AGGREGATE:
        case REC_HIGHEST_AGGREGATE:
        case REC_CLOSEST_DRAW:
            r.m_value = Positive(e, "runs");
            r.m_wickets = WicketsOf(e);
            break;
        default:  // winning margins
            r.m_value = Positive(e, "runs");
            break;
    }
    if (section != REC_PARTNERSHIPS && section != REC_HIGHEST_SCORE && section != REC_FASTEST_FIFTY &&
        section != REC_FASTEST_HUNDRED && section != REC_BEST_BOWLING && section != REC_BEST_MATCH_BOWLING &&
        !r.m_playerText.empty())
        throw BuildError{"a side's record names no player: " + e.dump()};
    return r;
}

// Partnerships hold the best stand of each wicket in its own place; the other
// sections are ranked lists, which the source must give best first.
void FillSection(RecordsTable& table, int section, const json& entries) {
    std::vector<RecordEntry>& rows = table.Section(section);
    for (size_t i = 0; i < entries.size(); ++i) {
        const RecordEntry r = EntryOf(section, entries[i]);
        const std::string where = RecordsTable::SectionTitle(RecordsTable::SectionIndex(section));
        if (section == REC_PARTNERSHIPS) {
            RecordEntry& slot = rows.at(static_cast<size_t>(r.m_wickets - 1));
            if (!IsEmptyRecord(slot)) throw BuildError{where + ": two stands for one wicket"};
            slot = r;
            continue;
        }
        const int rank = InsertRecord(table, section, r);
        if (rank < 0) throw BuildError{where + ": more entries than the section holds"};
        if (rank != static_cast<int>(i)) throw BuildError{where + ": out of order at " + entries[i].dump()};
    }
}

}  // namespace

RecordsTable BuildRecordsTable(const std::string& dataDir, int kind) {
    const std::string path = dataDir + "/records/" + SOURCES[kind - 1];
    std::ifstream in(path);
    if (!in) throw BuildError{"cannot open " + path};
    RecordsTable table;
    table.m_kind = kind;
    try {
        const json doc = json::parse(in);
        for (const SectionSource& s : SECTION_SOURCES)
            if (doc.contains(s.m_key)) FillSection(table, s.m_code, doc[s.m_key]);
    } catch (const json::exception& e) {
        throw BuildError{path + ": " + e.what()};
    } catch (const BuildError& e) {
        throw BuildError{path + ": " + e.m_message};
    }
    return table;
}

}  // namespace ravel
