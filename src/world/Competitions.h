// Competition, tournament, tour and series records.
#pragma once

#include <cstdint>
#include <vector>

namespace ravel {

// The rules of play of a competition; every match carries a copy.
struct PlayingConditions {
    int32_t m_values[20] = {};
};

struct StandingsRow {
    int32_t m_team = 0;
    int32_t m_played = 0;
    int32_t m_won = 0;
    int32_t m_lost = 0;
    int32_t m_tied = 0;
    int32_t m_drawn = 0;
    int32_t m_noResult = 0;
    int32_t m_points = 0;
    int32_t m_bonusPoints = 0;
    int32_t m_runsFor = 0;
    int32_t m_ballsFor = 0;
    int32_t m_runsAgainst = 0;
    int32_t m_ballsAgainst = 0;
    double m_netRunRate = 0.0;
};

struct Competition {
    int32_t m_id = 0;
    std::vector<StandingsRow> mv_standings;
    PlayingConditions m_conditions;
};

// A dated trigger: season (-1 every even, -2 every odd), day of season,
// type 0..5, competition id, fired flag.
struct CompetitionEvent {
    int32_t m_season = 0;
    int32_t m_dayOfSeason = 0;
    int32_t m_type = 0;
    int32_t m_competition = 0;
    uint8_t m_fired = 0;
};

struct InternationalTournament {
    int32_t m_kind = 0;
    int32_t m_id = 0;
};

struct Tour {
    int32_t m_id = 0;
};

struct TourSeries {
    int32_t m_id = 0;
};

struct Series {
    int32_t m_id = 0;
    std::vector<StandingsRow> mv_standings;
};

struct BowlPlan {
    int32_t m_id = 0;
};

struct RecordsTable {
    int32_t m_kind = 0;
};

}  // namespace ravel
