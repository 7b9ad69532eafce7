#include "WorldBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "world/Database.h"
#include "world/GameDate.h"
#include "world/World.h"

namespace ravel {

using nlohmann::json;

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int EVEN_SEASON_LAST_DAY = 182;  // 1 April .. 30 September
constexpr int ODD_SEASON_LAST_DAY = 181;   // 1 October .. 31 March

json ReadJson(const std::string& dataDir, const char* name) {
    std::ifstream in(dataDir + "/" + name);
    if (!in) throw BuildError{std::string("cannot open ") + dataDir + "/" + name};
    try {
        return json::parse(in);
    } catch (const json::exception& e) {
        throw BuildError{std::string(name) + ": " + e.what()};
    }
}

// Record texts are one byte wider than their file field, which must still
// hold the text's closing zero.
template <size_t N>
void Copy(char (&dst)[N], const std::string& src) {
    if (src.size() + 2 > N) throw BuildError{"text too long for its field: " + src};
    std::snprintf(dst, N, "%s", src.c_str());
}

int GroundId(const std::string& name) {
    for (const Ground& g : g_world.mv_grounds)
        if (name == g.m_name) return g.m_id;
    throw BuildError{"unknown ground: " + name};
}

int SetupId(const std::string& name) {
    for (const FieldSetup& f : g_world.mv_fieldSetups)
        if (name == f.m_name) return f.m_id;
    throw BuildError{"unknown field setting: " + name};
}

void BuildPlaces(const std::string& dataDir) {
    const json climatesDoc = ReadJson(dataDir, "climates.json");
    for (const auto& c : climatesDoc["climates"]) {
        Climate cl;
        cl.m_id = c["id"];
        Copy(cl.m_name, c["name"]);
        for (int i = 0; i < 5; ++i) cl.m_thresholds[i] = c["thresholds"][i];
        cl.m_thresholds[5] = c["rainClass"];
        for (int m = 0; m < 12; ++m) {
            cl.m_monthly[m][0] = c["monthly"][m][0];
            cl.m_monthly[m][1] = c["monthly"][m][1];
        }
        g_world.mv_climates.push_back(cl);
    }
    int id = 1;
    const json groundsDoc = ReadJson(dataDir, "grounds.json");
    for (const auto& g : groundsDoc["grounds"]) {
        Ground gr;
        gr.m_id = id++;
        Copy(gr.m_name, g[0]);
        Copy(gr.m_town, g[1]);
        Copy(gr.m_region, g[2]);
        gr.m_country = g[3];
        gr.m_climate = g[4];
        gr.m_capacity = g[5];
        gr.m_established = g[6];
        gr.m_bounce = g[7];
        gr.m_turn = g[8];
        Copy(gr.m_end1, g[9]);
        Copy(gr.m_end2, g[10]);
        gr.m_orderKey = gr.m_id;
        gr.m_international = g[11];
        gr.m_pitch = GroundPitchFigure(gr.m_bounce, gr.m_turn);
        g_world.mv_grounds.push_back(gr);
    }
    const json countriesDoc = ReadJson(dataDir, "countries.json");
    for (const auto& c : countriesDoc["countries"]) {
        Country co;
        co.m_id = c["id"];
        Copy(co.m_name, c["name"]);
        Copy(co.m_shortName, c["short"]);
        Copy(co.m_nationality, c["nationality"]);
        Copy(co.m_nationalityShort, c["natShort"]);
        co.m_group = c["group"];
        co.m_nationalSide = 1;
        co.m_overseasLimit = c["overseas"];
        co.m_homeGround = GroundId(c["home"]);
        g_world.mv_countries.push_back(co);
    }
    const json teamsDoc = ReadJson(dataDir, "teams.json");
    for (const auto& t : teamsDoc["teams"]) {
        Team te;
        te.m_id = t[0];
        Copy(te.m_name, t[1]);
        Copy(te.m_shortName, t[2]);
        te.m_country = t[3];
        te.m_ground = GroundId(t[4]);
        te.m_money = static_cast<float>(t[5].get<int>());
        g_world.mv_teams.push_back(te);
    }
}

PlayingConditions MakeConditions(const json& c, int competition, int day) {
    PlayingConditions pc;
    pc.m_competition = competition;
    pc.m_day = day;
    for (int i = 0; i < SESSION_TIMES; ++i) {
        pc.m_times[i] = GameDate{};
        pc.m_times[i].m_day = 0;
        pc.m_times[i].m_month = 0;
        pc.m_times[i].m_year = 0;
        pc.m_times[i].m_hour = c["times"][i][0];
        pc.m_times[i].m_minute = c["times"][i][1];
    }
    pc.m_maxOversPerBowler = c["maxOvers"];
    pc.m_oversForDay = c["overs"];
    pc.m_newBallOvers = c["newBall"];
    pc.m_restrictionOvers = c["restriction"];
    pc.m_minOversPerHour = c["minPerHour"];
    pc.m_extraMinutes = c["extra"];
    return pc;
}

// The rounds a league's schedule needs (see the round-robin generator).
int RoundsNeeded(int teams, bool doubleRound) {
    int m = teams % 2 ? teams + 1 : teams;
    return doubleRound ? 2 * m - 2 : m - 1;
}

void AddEvent(int32_t season, int32_t type, int32_t day, int32_t competition) {
    CompetitionEvent e;
    e.m_season = season;
    e.m_type = type;
    e.m_dayOfSeason = day;
    e.m_competition = competition;
    g_world.mv_events.push_back(e);
}

void BuildCompetitions(const std::string& dataDir) {
    json doc = ReadJson(dataDir, "competitions.json");
    const json& conditions = doc["conditions"];
    for (const auto& c : doc["competitions"]) {
        Competition co;
        co.m_id = c["id"];
        Copy(co.m_name, c["name"]);
        Copy(co.m_shortName, c["short"]);
        co.m_country = c.value("country", 0);
        co.m_kind = c["kind"];
        co.m_format = c["format"];
        co.m_length = c["length"];
        co.m_doubleRound = c.value("double", 0);
        co.m_noDraw = static_cast<uint8_t>(c.value("noDraw", 0));
        co.m_newsCompetition = co.m_id;
        co.m_promotion = c.value("promotion", 0);
        co.m_relegation = c.value("relegation", 0);
        co.m_upper = c.value("upper", 0);
        co.m_lower = c.value("lower", 0);
        for (int i = 0; i < POINTS_RULES; ++i) co.m_points[i] = c["points"][i];
        co.m_bonusRule = c.value("bonus", 0);
        co.m_historyId = c["history"];
        co.mv_teams = c["teams"].get<std::vector<int32_t>>();
        co.mv_feeders = c.value("feeders", std::vector<int32_t>{});

        const json& rules = conditions.at(c["conditions"].get<std::string>());
        bool overDays = co.m_format % 2 == 1;
        for (int day = 0; day < (overDays ? co.m_length : 1); ++day)
            co.mv_conditions.push_back(MakeConditions(rules, co.m_id, day));

        if (c.contains("rounds")) {
            const json& r = c["rounds"];
            std::vector<int> days;
            if (r.contains("days")) {
                days = r["days"].get<std::vector<int>>();
            } else {
                int n = RoundsNeeded(co.TeamCount(), co.m_doubleRound != 0);
                for (int i = 0; i < n; ++i) days.push_back(r["first"].get<int>() + i * r["step"].get<int>());
            }
            for (size_t i = 0; i < days.size(); ++i)
                co.mv_rounds.push_back({static_cast<int32_t>(i), co.m_id, days[i]});
        }
        if (c.contains("knockout"))
            for (const auto& [stage, day] : c["knockout"].items())
                co.mv_rounds.push_back({std::stoi(stage), co.m_id, day});

        if (c.contains("parity")) {
            int32_t season = c["parity"] == "even" ? EVERY_EVEN_SEASON : EVERY_ODD_SEASON;
            AddEvent(season, EVENT_START_SEASON, c["start"], co.m_id);
            if (c.contains("draws"))
                for (const auto& [type, day] : c["draws"].items())
                    AddEvent(season, std::stoi(type), day, co.m_id);
            AddEvent(season, EVENT_CLOSE, c["close"], co.m_id);
        }
        g_world.mv_competitions.push_back(co);
    }
    for (const auto& h : doc["history"]) {
        for (Competition& co : g_world.mv_competitions)
            if (co.m_historyId == h[0].get<int>()) co.mv_history.push_back({h[1], h[2], h[3]});
    }
    // The world rolls into the next season on the last day of each half-year.
    AddEvent(EVERY_EVEN_SEASON, EVENT_NEW_SEASON, EVEN_SEASON_LAST_DAY, 0);
    AddEvent(EVERY_ODD_SEASON, EVENT_NEW_SEASON, ODD_SEASON_LAST_DAY, 0);
}

void BuildRankings(const std::string& dataDir) {
    json doc = ReadJson(dataDir, "rankings.json");
    struct Table {
        int m_competition;
        const char* m_key;
    };
    for (Table t : {Table{COMP_TEST_CHAMPIONSHIP, "test"}, Table{COMP_ODI_CHAMPIONSHIP, "odi"}}) {
        Competition* co = nullptr;
        for (Competition& c : g_world.mv_competitions)
            if (c.m_id == t.m_competition) co = &c;
        if (!co) throw BuildError{"rankings need competitions 500 and 501"};
        int position = 1;
        for (const auto& r : doc[t.m_key]) {
            StandingsRow row(r[0], t.m_competition);
            row.m_position = row.m_previousPosition = position++;
            int count = r[2];
            int points = r[1].get<int>() * count;
            if (t.m_competition == COMP_TEST_CHAMPIONSHIP) {
                row.m_testCount = count;
                row.m_testPoints = points;
            } else {
                row.m_odiCount = count;
                row.m_odiPoints = points;
            }
            co->mv_standings.push_back(row);
        }
    }
}

void BuildTournaments(const std::string& dataDir) {
    const json tournamentsDoc = ReadJson(dataDir, "tournaments.json");
    for (const auto& t : tournamentsDoc["tournaments"]) {
        InternationalTournament it;
        it.m_kind = t["kind"];
        it.m_id = t["id"];
        it.m_competition = t["competition"];
        if (it.m_competition < COMP_FIRST_TOURNAMENT || it.m_competition > COMP_LAST_TOURNAMENT)
            throw BuildError{"tournament " + std::to_string(it.m_id) +
                             " outside the tournament competitions"};
        Copy(it.m_name, t["name"]);
        it.m_year = t["year"];
        it.m_season = t["season"];
        it.m_host = t["host"];
        it.m_qualifiers = t["qualifiers"];
        it.m_superEight = static_cast<uint8_t>(t["superEight"].get<int>());
        it.m_startDay = t["start"];
        for (const auto& g : t["groups"]) {
            std::vector<StandingsRow> rows;
            for (int side : g) rows.emplace_back(side, it.m_competition);
            it.mv_groups.push_back(rows);
        }
        it.m_groupCount = static_cast<int32_t>(it.mv_groups.size());
        for (const auto& s : t["stages"]) it.mv_stages.push_back({it.m_id, s[0], s[1], s[2], s[3]});
        for (const auto& s : it.mv_stages)
            for (const auto& v : t["venues"]) it.mv_venues.push_back({it.m_id, s.m_stage, GroundId(v)});
        g_world.mv_tournaments.push_back(it);
    }
}

void AddTour(int season, int kind, int host, int visitor, int matches, int firstDay, int step, int third,
             int32_t& nextTest, int32_t& nextOneDay) {
    bool tests = kind == TOUR_TESTS;
    TourSeries ts;
    ts.m_id = tests ? nextTest : nextOneDay;
    (tests ? nextTest : nextOneDay) += 2;
    ts.m_competition = COMP_ODI_CHAMPIONSHIP;
    ts.m_season = season;
    ts.m_home = host;
    ts.m_away = visitor;
    ts.m_matches = matches;
    GameDate start = GameDate::FromSeasonDay(firstDay, season);
    ts.m_startDay = start.m_day;
    ts.m_startMonth = start.m_month;
    ts.m_startYear = start.m_year;
    ts.m_startDayOfSeason = firstDay;
    ts.m_dayStep = step;
    ts.m_series = kind == TOUR_TRIANGULAR ? ts.m_id : 0;
    g_world.mv_tourSeries.push_back(ts);

    Tour tour;
    tour.m_id = static_cast<int32_t>(g_world.mv_tours.size()) + 1;
    tour.m_kind = kind;
    tour.m_visitor = visitor;
    tour.m_host = host;
    tour.m_third = third;
    tour.m_season = season;
    tour.m_series = ts.m_id;
    int lastDay = season % 2 ? ODD_SEASON_LAST_DAY : EVEN_SEASON_LAST_DAY;
    int end = std::min(firstDay + (matches - 1) * step + (tests ? 5 : 1), lastDay - 1);
    tour.mv_steps.push_back({std::max(0, firstDay - 7), TOUR_PICK_SQUADS});
    tour.mv_steps.push_back({std::max(0, firstDay - 3), TOUR_START});
    tour.mv_steps.push_back({end, TOUR_END});
    g_world.mv_tours.push_back(tour);
}

void BuildTours(const std::string& dataDir) {
    json doc = ReadJson(dataDir, "tours.json");
    int32_t nextTest = FIRST_TOUR_SERIES_ID + 1;
    int32_t nextOneDay = FIRST_TOUR_SERIES_ID;
    auto add = [&](const json& t, int season) {
        AddTour(season, t[1], t[2], t[3], t[4], t[5], t[6], t.size() > 7 ? t[7].get<int>() : 0, nextTest,
                nextOneDay);
    };
    const json& tours = doc["tours"];
    for (const auto& t : tours) add(t, t[0]);
    int first = doc["cycleFirst"], last = doc["cycleLast"], from = doc["repeatFrom"], end = doc["lastSeason"];
    int period = last - first + 1;
    for (int season = from; season <= end; ++season) {
        int model = first + (season - from) % period;
        for (const auto& t : tours)
            if (t[0] == model) add(t, season);
    }
}

void BuildFielding(const std::string& dataDir) {
    json doc = ReadJson(dataDir, "fielding.json");
    const json& pic = doc["picture"];
    const double sx = pic["strikerX"], sy = pic["strikerY"];
    const double perYardX = pic["pixelsPerYardX"], perYardY = pic["pixelsPerYardY"];
    const int circle = pic["circle"];
    int number = 1;
    for (const auto& p : doc["positions"]) {
        FieldPosition fp;
        fp.m_number = number++;
        Copy(fp.m_name, p[0]);
        const int degrees = p[1];
        const double angle = degrees * PI / 180.0;
        const int yards = p[2];
        fp.m_x = static_cast<int32_t>(std::lround(sx + std::sin(angle) * yards * perYardX));
        fp.m_y = static_cast<int32_t>(std::lround(sy - std::cos(angle) * yards * perYardY));
        fp.m_close = yards <= circle ? 1 : 0;
        fp.m_boundary = degrees > 180 && degrees < 270 ? 1 : 0;  // behind square on the leg side
        fp.m_value = p[3];
        g_world.mv_fieldPositions.push_back(fp);
    }
    for (const auto& s : doc["setups"]) {
        FieldSetup fs;
        Copy(fs.m_name, s[0]);
        Copy(fs.m_description, s[1]);
        fs.m_id = static_cast<int32_t>(g_world.mv_fieldSetups.size());
        fs.m_keeperUp = s.size() > 3 && s[3].get<int>() == 1 ? 1 : 0;
        int i = 0;
        for (const auto& name : s[2]) {
            int found = -1;
            for (size_t k = 0; k < g_world.mv_fieldPositions.size(); ++k)
                if (name == g_world.mv_fieldPositions[k].m_name) found = static_cast<int>(k);
            if (found < 0 || i >= FIELDERS) throw BuildError{"bad field setting: " + s[0].get<std::string>()};
            fs.m_positions[i++] = found;
            fs.m_total += g_world.mv_fieldPositions[found].m_value;
        }
        g_world.mv_fieldSetups.push_back(fs);
    }

    json plans = ReadJson(dataDir, "bowlplans.json");
    for (bool pace : {true, false}) {
        auto& table = pace ? g_world.mv_pacePlans : g_world.mv_spinPlans;
        for (const auto& p : plans[pace ? "pace" : "spin"]) {
            BowlPlan bp;
            Copy(bp.m_name, p[0]);
            Copy(bp.m_description, p[1]);
            bp.m_pace = pace;
            bp.m_spin = !pace;
            // Marked as the plan editor marks a plan: some ball has seven or
            // more fielders inside the circle.
            bool manyInside = false;
            for (const auto& b : p[2]) {
                PlanBall ball{SetupId(b[0]), b[1], b[2], b[3], b[4], b[5]};
                bp.m_effortTotal += static_cast<float>(ball.m_effort);
                int inside = 0;
                for (int32_t pos : g_world.mv_fieldSetups[ball.m_field].m_positions)
                    inside += g_world.mv_fieldPositions[pos].m_close;
                manyInside = manyInside || inside >= 7;
                bp.mv_balls.push_back(ball);
            }
            bp.m_manyInField = manyInside;
            table.push_back(bp);
        }
        std::stable_sort(table.begin(), table.end(), [](const BowlPlan& a, const BowlPlan& b) {
            return a.m_effortTotal < b.m_effortTotal;
        });
        for (size_t i = 0; i < table.size(); ++i) table[i].m_id = static_cast<int32_t>(i);
    }
}

void BuildSeasonsAndInjuries(const std::string& dataDir) {
    for (int s = FIRST_SEASON; s <= 422; ++s) {
        Season se;
        se.m_season = s;
        std::snprintf(se.m_label, sizeof se.m_label, "%s", SeasonLabel(s).c_str());
        g_world.mv_seasons.push_back(se);
    }
    int id = 1;
    const json injuriesDoc = ReadJson(dataDir, "injuries.json");
    for (const auto& i : injuriesDoc["injuries"]) {
        InjuryType it;
        it.m_id = id++;
        Copy(it.m_description, i[0]);
        it.m_days = i[1];
        g_world.mv_injuryTypes.push_back(it);
    }
}

void WriteNameLists(const std::string& dataDir, const std::string& outDir) {
    std::filesystem::create_directories(outDir + "/names");
    const json countriesDoc = ReadJson(dataDir, "countries.json");
    for (const auto& c : countriesDoc["countries"]) {
        std::string group = c["names"];
        for (auto [in, out] :
             {std::pair{"_first.txt", "_fnames.csv"}, std::pair{"_last.txt", "_snames.csv"}}) {
            std::ifstream src(dataDir + "/names/" + group + in);
            if (!src) throw BuildError{"missing name list " + group + in};
            std::vector<std::string> names;
            for (std::string line; std::getline(src, line);)
                if (!line.empty()) names.push_back(line);
            std::ofstream dst(outDir + "/names/" + c["name"].get<std::string>() + out, std::ios::binary);
            dst << names.size() << "\n";
            for (const auto& n : names) dst << n << "\n";
            if (!dst) throw BuildError{"cannot write name list for " + c["name"].get<std::string>()};
        }
    }
}

}  // namespace

void BuildWorld(const std::string& dataDir) {
    ResetWorld();
    try {
        BuildPlaces(dataDir);
        BuildCompetitions(dataDir);
        BuildRankings(dataDir);
        BuildTournaments(dataDir);
        BuildTours(dataDir);
        BuildFielding(dataDir);
        BuildSeasonsAndInjuries(dataDir);
        GeneratePeople(dataDir);
    } catch (const json::exception& e) {
        // A missing key or a value of the wrong kind in a source file.
        throw BuildError{e.what()};
    }
}

void WriteWorld(const std::string& dataDir, const std::string& outDir) {
    std::filesystem::create_directories(outDir);
    if (!WriteDatabase(outDir)) throw BuildError{"cannot write the database files in " + outDir};
    WriteNameLists(dataDir, outDir);
    WriteHistoriesBefore2006(outDir);
    static const char* const FILES[4] = {"fcrecs.csv", "terecs.csv", "larecs.csv", "odrecs.csv"};
    for (int k = 0; k < 4; ++k) {
        const RecordsTable table = BuildRecordsTable(dataDir, k + 1);
        if (!table.WriteCsv(outDir + "/" + FILES[k]))
            throw BuildError{std::string("cannot write ") + FILES[k]};
    }
}

std::string WorldSummary() {
    const World& w = g_world;
    size_t rounds = 0, conditions = 0, history = 0, venues = 0, stages = 0;
    for (const auto& c : w.mv_competitions) {
        rounds += c.mv_rounds.size();
        conditions += c.mv_conditions.size();
        history += c.mv_history.size();
    }
    for (const auto& t : w.mv_tournaments) {
        venues += t.mv_venues.size();
        stages += t.mv_stages.size();
    }
    auto rows = [&](int id) {
        for (const auto& c : w.mv_competitions)
            if (c.m_id == id) return c.mv_standings.size();
        return size_t{0};
    };
    std::ostringstream out;
    auto line = [&](const char* name, size_t n) { out << name << " " << n << "\n"; };
    line("players", w.mv_players.size());
    line("teams", w.mv_teams.size());
    line("countries", w.mv_countries.size());
    line("grounds", w.mv_grounds.size());
    line("climates", w.mv_climates.size());
    line("seasons", w.mv_seasons.size());
    line("coaches", w.mv_staff.size());
    line("competitions", w.mv_competitions.size());
    line("tournaments", w.mv_tournaments.size());
    line("tournament-venues", venues);
    line("rounds", rounds);
    line("conditions", conditions);
    line("history", history);
    line("events", w.mv_events.size());
    line("injuries", w.mv_injuryTypes.size());
    line("tours", w.mv_tours.size());
    line("tour-series", w.mv_tourSeries.size());
    line("test-rankings", rows(COMP_TEST_CHAMPIONSHIP));
    line("odi-rankings", rows(COMP_ODI_CHAMPIONSHIP));
    line("field-positions", w.mv_fieldPositions.size());
    line("field-setups", w.mv_fieldSetups.size());
    line("pace-plans", w.mv_pacePlans.size());
    line("spin-plans", w.mv_spinPlans.size());
    line("tournament-stages", stages);
    return out.str();
}

}  // namespace ravel
