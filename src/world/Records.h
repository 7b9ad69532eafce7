// The world's plain records. Text fields are one byte wider than their width
// in the database files so a full field still ends in a zero.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "world/GameDate.h"

namespace ravel {

inline constexpr int FIRST_CLUB_ID = 1000;  // side ids below are countries
inline constexpr int SQUAD_SLOTS = 40;

// An eleven: 11 player ids in batting order, then the role players' ids.
enum XiSlot : int {
    XI_PLAYERS = 11,
    XI_KEEPER = 11,
    XI_CAPTAIN = 12,
    XI_OPEN_BOWLER1 = 13,
    XI_OPEN_BOWLER2 = 14,
    XI_SIZE = 15,
};

// Monthly finance categories of a club side.
enum FinanceCategory : int {
    FINANCE_HANDOUT = 0,  // national association
    FINANCE_GATE = 1,
    FINANCE_WAGES = 2,
    FINANCE_OTHER = 3,
    FINANCE_CATEGORIES = 4,
};

// A job application: (kind, applicant's StaffMember id).
using Application = std::pair<int32_t, int32_t>;

// A coach the side's board sacked, and in which season.
struct SackedCoach {
    int32_t m_coach = 0;
    int32_t m_season = 0;
};

struct Team {
    int32_t m_id = 0;
    char m_name[41] = {};
    char m_shortName[7] = {};
    int32_t m_country = 0;
    int32_t m_ground = 0;
    int32_t m_coach = 0;  // StaffMember id, below 1 when vacant
    int32_t m_reserved = 0;
    float m_jobSecurity = 0.0f;
    int32_t m_squad[SQUAD_SLOTS] = {};  // player ids, 0 or less empty
    int32_t m_xi[XI_SIZE] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::vector<Application> mv_applications;
    uint8_t m_human = 0;
    uint8_t m_playingToday = 0;
    float m_money = 0.0f;
    int32_t m_salaryBudget = 0;
    float m_finance[FINANCE_CATEGORIES][13] = {};  // by month 1..12
    std::vector<SackedCoach> mv_sacked;            // kept in memory only
};

enum SquadKind : int32_t {
    SQUAD_HOME_TEST = 0,
    SQUAD_ONE_DAY = 1,
    SQUAD_TOUR_TEST = 2,
    SQUAD_ONE_DAY_3 = 3,
    SQUAD_ONE_DAY_4 = 4,
    SQUAD_ONE_DAY_5 = 5,
};

// Kinds 1, 3, 4 and 5 are one-day squads; 0 and 2 longer-format ones.
inline bool IsOneDaySquadKind(int kind) {
    return kind == SQUAD_ONE_DAY || kind == SQUAD_ONE_DAY_3 || kind == SQUAD_ONE_DAY_4 ||
           kind == SQUAD_ONE_DAY_5;
}

struct Country {
    char m_name[20] = {};
    char m_shortName[6] = {};
    char m_nationality[20] = {};
    char m_nationalityShort[6] = {};
    int32_t m_group = 0;
    int32_t m_nationalSide = 0;  // 1 for a national side
    int32_t m_id = 0;
    int32_t m_overseasLimit = 0;
    int32_t m_homeGround = 0;
    int32_t m_coach = 0;
    float m_jobSecurity = 0.0f;
    int32_t m_squadKind = SQUAD_HOME_TEST;
    int32_t m_activeSquadKind = SQUAD_HOME_TEST;
    std::vector<int32_t> mv_testSquad;
    std::vector<int32_t> mv_oneDaySquad;
    uint8_t m_squadLock[3] = {};
    int32_t m_xi[XI_SIZE] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    std::vector<Application> mv_applications;
    uint8_t m_human = 0;
    uint8_t m_playingToday = 0;
    std::vector<SackedCoach> mv_sacked;  // kept in memory only

    const std::vector<int32_t>& SquadFor(int kind) const {
        return IsOneDaySquadKind(kind) ? mv_oneDaySquad : mv_testSquad;
    }
};

struct Ground {
    int32_t m_id = 0;
    char m_name[61] = {};
    int32_t m_climate = 0;
    int32_t m_country = 0;
    int32_t m_capacity = 0;
    char m_town[26] = {};
    char m_region[26] = {};
    char m_end1[23] = {};  // the names of the two ends
    char m_end2[23] = {};
    float m_bounce = 0.0f;
    float m_turn = 0.0f;  // how much the pitch turns, 0..9.9
    // The pitch figure, pace and hardness, made from bounce and turn on
    // loading (GroundPitchFigure): below 6.7 a side picks two spinners.
    float m_pitch = 0.0f;
    int32_t m_established = 0;
    int32_t m_orderKey = 0;
    int32_t m_international = 0;  // 1: the country plays its home Tests and one-day internationals here
};

// Hard, bouncy pitches are fast; slow turners want two spinners.
float GroundPitchFigure(float bounce, float turn);

struct Climate {
    int32_t m_id = 0;
    char m_name[50] = {};
    // Thresholds against which a roll of 0..100 picks the day's weather.
    int32_t m_thresholds[6] = {};
    int32_t m_monthly[12][2] = {};    // January first
    std::vector<int32_t> mv_outlook;  // one weather value per day from today
};

struct FieldPosition {
    int32_t m_number = 0;
    char m_name[40] = {};
    uint8_t m_close = 0;     // counted by the bowling plan editor
    uint8_t m_boundary = 0;  // at most two such fielders in a field
    int32_t m_x = 0;         // pixels on the large ground picture
    int32_t m_y = 0;
    int32_t m_value = 0;
};

inline constexpr int FIELDERS = 9;

struct FieldSetup {
    char m_name[50] = {};
    char m_description[255] = {};
    uint8_t m_userCreated = 0;
    uint8_t m_keeperUp = 0;              // an attacking field: the keeper stands up to the stumps
    int32_t m_positions[FIELDERS] = {};  // positions in the FieldPosition table
    int32_t m_id = 0;
    int32_t m_total = 0;  // sum of the nine positions' values
};

struct StaffMember {
    int32_t m_id = 0;
    char m_firstName[20] = {};
    char m_surname[20] = {};
    int32_t m_birthDay = -1;
    int32_t m_birthMonth = 0;
    int32_t m_birthYear = 0;
    int32_t m_country = 0;
    int32_t m_country2 = 0;
    int32_t m_clubJob = 0;      // side id, below 1 none
    int32_t m_nationalJob = 0;  // country id, below 1 none
    int32_t m_attributes[4] = {};
    float m_reputation = 0.0f;
    float m_skill = 0.0f;
    uint8_t m_human = 0;
    int32_t m_played = 0;
    int32_t m_won = 0;
    int32_t m_drawn = 0;
    int32_t m_tied = 0;
    int32_t m_lost = 0;
    int32_t m_daysAtClub = 0;
    int32_t m_longestDays = 0;
    int32_t m_longestClub = 0;
    int32_t m_shortestDays = 0;
    int32_t m_shortestClub = 0;
};

struct Season {
    int32_t m_season = 0;
    char m_label[12] = {};
};

struct InjuryType {
    int32_t m_id = 0;
    char m_description[29] = {};
    int32_t m_days = 0;
};

enum FixtureState : int32_t {
    FIXTURE_SCHEDULED = 0,
    FIXTURE_IN_PROGRESS = 1,
    FIXTURE_PLAYED = 2,
};

struct Fixture {
    int32_t m_home = 0;
    int32_t m_away = 0;
    int32_t m_competition = 0;
    int32_t m_reserved = 0;
    int32_t m_id = 0;
    int32_t m_state = FIXTURE_SCHEDULED;
    int32_t m_ground = 0;
    GameDate m_date;
    int32_t m_match = -1;
    int32_t m_result[3] = {};
};

}  // namespace ravel
