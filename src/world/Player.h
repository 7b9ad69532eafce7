// One cricketer. The player database file stores these records whole, so the
// layout is fixed byte for byte (little-endian, 1792 bytes); file I/O goes
// field by field so the layout never depends on the compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ravel {

// Player::m_bowlType: none, four kinds of pace, two of spin.
enum BowlType : int32_t {
    BOWL_NONE = 0,
    BOWL_FAST = 1,
    BOWL_FAST_MEDIUM = 2,
    BOWL_MEDIUM_FAST = 3,
    BOWL_MEDIUM = 4,
    BOWL_FINGER_SPIN = 5,
    BOWL_WRIST_SPIN = 6,
};
inline constexpr bool IsSpin(int32_t bowlType) {
    return bowlType >= BOWL_FINGER_SPIN;
}
inline constexpr bool IsPace(int32_t bowlType) {
    return bowlType >= BOWL_FAST && bowlType <= BOWL_MEDIUM;
}

struct GameDate;

// Kinds of cricket a statistics block counts.
enum StatsKind : int32_t {
    KIND_TEST = 1,
    KIND_ODI = 2,
    KIND_FIRST_CLASS = 3,
    KIND_LIST_A = 4,
};

// Positions of the eight blocks in Player::m_stats.
enum StatsBlock : int {
    STATS_CAREER_FC = 0,
    STATS_CAREER_LA = 1,
    STATS_CAREER_TEST = 2,
    STATS_CAREER_ODI = 3,
    STATS_SEASON_FC = 4,
    STATS_SEASON_LA = 5,
    STATS_SEASON_TEST = 6,
    STATS_SEASON_ODI = 7,
    STATS_BLOCKS = 8,
};

// Marks an average that has no value yet.
inline constexpr double NO_BATTING_AVERAGE = -1.0;
inline constexpr double NO_BOWLING_AVERAGE = 9999.16015625;

// Figures of one player in one kind of cricket, over a career or a season.
// Also the record of the player-history data file.
struct PlayerStats {
    int32_t m_team = 0;
    int32_t m_player = 0;
    int32_t m_matches = 0;
    int32_t m_innings = 0;
    int32_t m_notOuts = 0;
    int32_t m_runs = 0;
    int32_t m_highest = 0;
    uint8_t m_highestNotOut = 0;
    uint8_t m_pad29[7] = {};
    int32_t m_hundreds = 0;
    int32_t m_fifties = 0;
    int32_t m_catches = 0;
    int32_t m_stumpings = 0;
    uint8_t m_pad52[8] = {};
    int32_t m_balls = 0;
    int32_t m_maidens = 0;  // booked by the match; database career blocks hold 0
    int32_t m_runsConceded = 0;
    int32_t m_wickets = 0;
    int32_t m_bestInnsWickets = 0;
    int32_t m_bestInnsRuns = 0;
    int32_t m_bestMatchWickets = 0;
    int32_t m_bestMatchRuns = 0;
    int32_t m_haulsA = 0;  // five-wicket innings (four-wicket in limited overs)
    int32_t m_haulsB = 0;  // ten-wicket matches (five-wicket innings in limited overs)
    uint8_t m_pad100[4] = {};
    double m_battingAverage = 0.0;
    double m_bowlingAverage = 0.0;
    double m_strikeRate = 0.0;
    double m_economy = 0.0;
    uint8_t m_pad136[8] = {};
    int32_t m_season = 0;
    int32_t m_kind = 0;

    // Zeroes every counter and average; team, player, season and kind stay.
    void ResetCounters();
    // The four averages from the counts; a missing divisor gives the
    // no-value marks (NO_BATTING_AVERAGE, NO_BOWLING_AVERAGE).
    void RecomputeAverages();
};

// Ability band of a 0..99 rating: "World Class" .. "Bad", and its colour.
const char* AbilityWord(int rating);
uint32_t AbilityColour(int rating);

struct Player {
    int32_t m_id = 0;
    char m_firstName[20] = {};
    char m_initials[6] = {};
    char m_surname[32] = {};
    uint8_t m_nameReserved[270] = {};  // rest of the name area, carried as read
    int32_t m_birthDay = 0;
    int32_t m_birthMonth = 0;
    int32_t m_birthYear = 0;
    int32_t m_country = 0;
    int32_t m_country2 = 0;
    int32_t m_northClub = 0;
    int32_t m_southClub = 0;
    int32_t m_northWage = 0;
    int32_t m_northSeasons = 0;
    int32_t m_southWage = 0;
    int32_t m_southSeasons = 0;
    int32_t m_batBase = 0;
    int32_t m_reserved380 = 0;
    int32_t m_bowlBase = 0;
    int32_t m_fieldBase = 0;
    int32_t m_captaincy = 0;
    int32_t m_xiSlot = 999;  // 0..10 in his club's eleven, 999 otherwise
    uint8_t m_reserved400[8] = {};
    int32_t m_potential = 0;
    int32_t m_batHand = 0;
    int32_t m_batPosition = 0;
    int32_t m_reserved420 = 0;
    // front foot, back foot, off side, on side, vs pace, vs spin, scoring speed
    int32_t m_batSkill[7] = {};
    int32_t m_reserved452 = 0;
    int32_t m_bowlArm = 0;
    int32_t m_bowlType = 0;  // BowlType
    // skill, consistency, variation, movement
    int32_t m_bowlSkill[4] = {};
    int32_t m_fieldPosition = 0;
    int32_t m_fieldSkill[4] = {};
    int32_t m_keeper = 0;
    int32_t m_keepSkill[2] = {};
    float m_batForm = 0.0f;
    float m_bowlForm = 0.0f;
    uint8_t m_reserved520[12] = {};
    int32_t m_morale = 0;
    float m_condition = 100.0f;
    uint8_t m_injured = 0;
    uint8_t m_pad541[3] = {};
    int32_t m_injuryType = 0;
    int32_t m_daysOut = 0;
    uint8_t m_selected = 0;
    uint8_t m_intlDuty = 0;     // in a national squad
    uint8_t m_unavailable = 0;  // not available to his club for other reasons
    uint8_t m_valueFlag = 0;
    uint8_t m_flag = 0;
    uint8_t m_retired = 0;
    uint8_t m_turnoverDone = 0;
    uint8_t m_retiredTest = 0;
    uint8_t m_retiredOdi = 0;
    uint8_t m_retiring = 0;
    uint8_t m_transferArranged = 0;
    uint8_t m_leaving = 0;  // leaves for another club at the end of the month
    uint8_t m_reserved564[5] = {};
    uint8_t m_generated = 0;
    uint8_t m_reserved570[6] = {};
    PlayerStats m_stats[STATS_BLOCKS];

    // Word methods: constant texts.
    const char* BattingHandCode() const;
    const char* BattingHandText() const;
    const char* BattingPositionCode() const;
    const char* BattingPositionText() const;
    const char* BowlingTypeCode() const;
    const char* BowlingTypeText() const;
    const char* FieldingText() const;
    const char* MoraleText() const;
    const char* BattingRatingWord() const;
    const char* BowlingRatingWord() const;
    // The colours the rating and morale words are drawn in.
    uint32_t BattingRatingColour() const { return AbilityColour(BattingRatingValue()); }
    uint32_t BowlingRatingColour() const { return AbilityColour(BowlingRatingValue()); }
    uint32_t MoraleColour() const;
    std::string InjuryLengthText() const;

    // Numbers.
    int Age() const;  // on the current game date
    int AgeOn(const GameDate& date) const;
    bool IsOfCountry(int countryId) const;
    bool IsEligibleFor(int countryId) const;
    int CurrentClub() const;  // on the current game date
    int CurrentClubIn(int month) const {
        const bool northernSummer = month >= 4 && month <= 9;
        const int first = northernSummer ? m_northClub : m_southClub;
        const int second = northernSummer ? m_southClub : m_northClub;
        if (first > 0) return first;
        if (second > 0) return second;
        return 0;
    }
    std::string ShortName(int width) const;
    void ClearContract(int sideId);
    int OverallRating() const;
    // Mean of the four main batting skills; of the four bowling skills, or of
    // the two keeping skills for a keeper.
    int BattingRatingValue() const;
    int BowlingRatingValue() const;
    float SkillMean() const;
    float BattingMean() const;
    float SpinValue() const;
    float PaceValue() const;
    void ResetStats();
    // Prices the player for a club side, fills his contract with it and
    // returns the wage. Uses Rand().
    int SetWage(int sideId);
};

// The file record of a statistics block, field by field, little-endian.
// `A` is a field reader or writer (DbReader, DbWriter); unnamed bytes are
// carried as they stand.
template <class A, class S>
void IoPlayerStats(A& a, S& s) {
    a.I32(s.m_team);
    a.I32(s.m_player);
    a.I32(s.m_matches);
    a.I32(s.m_innings);
    a.I32(s.m_notOuts);
    a.I32(s.m_runs);
    a.I32(s.m_highest);
    a.Byte(s.m_highestNotOut);
    for (auto& b : s.m_pad29) a.Byte(b);
    a.I32(s.m_hundreds);
    a.I32(s.m_fifties);
    a.I32(s.m_catches);
    a.I32(s.m_stumpings);
    for (auto& b : s.m_pad52) a.Byte(b);
    a.I32(s.m_balls);
    a.I32(s.m_maidens);
    a.I32(s.m_runsConceded);
    a.I32(s.m_wickets);
    a.I32(s.m_bestInnsWickets);
    a.I32(s.m_bestInnsRuns);
    a.I32(s.m_bestMatchWickets);
    a.I32(s.m_bestMatchRuns);
    a.I32(s.m_haulsA);
    a.I32(s.m_haulsB);
    for (auto& b : s.m_pad100) a.Byte(b);
    a.F64(s.m_battingAverage);
    a.F64(s.m_bowlingAverage);
    a.F64(s.m_strikeRate);
    a.F64(s.m_economy);
    for (auto& b : s.m_pad136) a.Byte(b);
    a.I32(s.m_season);
    a.I32(s.m_kind);
}

// The 1792-byte file record of a player. Text fields always come back
// terminated.
template <class A, class P>
void IoPlayerRecord(A& a, P& p) {
    a.I32(p.m_id);
    a.Text(p.m_firstName, sizeof p.m_firstName);
    a.Text(p.m_initials, sizeof p.m_initials);
    a.Text(p.m_surname, sizeof p.m_surname);
    for (auto& b : p.m_nameReserved) a.Byte(b);
    for (auto* v :
         {&p.m_birthDay, &p.m_birthMonth, &p.m_birthYear, &p.m_country, &p.m_country2, &p.m_northClub,
          &p.m_southClub, &p.m_northWage, &p.m_northSeasons, &p.m_southWage, &p.m_southSeasons, &p.m_batBase,
          &p.m_reserved380, &p.m_bowlBase, &p.m_fieldBase, &p.m_captaincy, &p.m_xiSlot}) {
        a.I32(*v);
    }
    for (auto& b : p.m_reserved400) a.Byte(b);
    a.I32(p.m_potential);
    a.I32(p.m_batHand);
    a.I32(p.m_batPosition);
    a.I32(p.m_reserved420);
    for (auto& v : p.m_batSkill) a.I32(v);
    a.I32(p.m_reserved452);
    a.I32(p.m_bowlArm);
    a.I32(p.m_bowlType);
    for (auto& v : p.m_bowlSkill) a.I32(v);
    a.I32(p.m_fieldPosition);
    for (auto& v : p.m_fieldSkill) a.I32(v);
    a.I32(p.m_keeper);
    for (auto& v : p.m_keepSkill) a.I32(v);
    a.F32(p.m_batForm);
    a.F32(p.m_bowlForm);
    for (auto& b : p.m_reserved520) a.Byte(b);
    a.I32(p.m_morale);
    a.F32(p.m_condition);
    a.Byte(p.m_injured);
    for (auto& b : p.m_pad541) a.Byte(b);
    a.I32(p.m_injuryType);
    a.I32(p.m_daysOut);
    for (auto* b : {&p.m_selected, &p.m_intlDuty, &p.m_unavailable, &p.m_valueFlag, &p.m_flag, &p.m_retired,
                    &p.m_turnoverDone, &p.m_retiredTest, &p.m_retiredOdi, &p.m_retiring,
                    &p.m_transferArranged, &p.m_leaving}) {
        a.Byte(*b);
    }
    for (auto& b : p.m_reserved564) a.Byte(b);
    a.Byte(p.m_generated);
    for (auto& b : p.m_reserved570) a.Byte(b);
    for (auto& s : p.m_stats) IoPlayerStats(a, s);
}

// "Apr 30 %d" (kind 1, northern) or "Oct 31 %d", seasons from today.
std::string ContractEndDateText(int kind, int seasons);

static_assert(sizeof(PlayerStats) == 152);
static_assert(offsetof(PlayerStats, m_highest) == 24);
static_assert(offsetof(PlayerStats, m_highestNotOut) == 28);
static_assert(offsetof(PlayerStats, m_hundreds) == 36);
static_assert(offsetof(PlayerStats, m_stumpings) == 48);
static_assert(offsetof(PlayerStats, m_balls) == 60);
static_assert(offsetof(PlayerStats, m_maidens) == 64);
static_assert(offsetof(PlayerStats, m_runsConceded) == 68);
static_assert(offsetof(PlayerStats, m_bestInnsWickets) == 76);
static_assert(offsetof(PlayerStats, m_bestMatchWickets) == 84);
static_assert(offsetof(PlayerStats, m_haulsA) == 92);
static_assert(offsetof(PlayerStats, m_battingAverage) == 104);
static_assert(offsetof(PlayerStats, m_bowlingAverage) == 112);
static_assert(offsetof(PlayerStats, m_season) == 144);
static_assert(offsetof(PlayerStats, m_kind) == 148);

static_assert(sizeof(Player) == 1792);
static_assert(offsetof(Player, m_initials) == 24);
static_assert(offsetof(Player, m_surname) == 30);
static_assert(offsetof(Player, m_nameReserved) == 62);
static_assert(offsetof(Player, m_birthDay) == 332);
static_assert(offsetof(Player, m_country) == 344);
static_assert(offsetof(Player, m_northClub) == 352);
static_assert(offsetof(Player, m_northWage) == 360);
static_assert(offsetof(Player, m_southWage) == 368);
static_assert(offsetof(Player, m_batBase) == 376);
static_assert(offsetof(Player, m_bowlBase) == 384);
static_assert(offsetof(Player, m_fieldBase) == 388);
static_assert(offsetof(Player, m_potential) == 408);
static_assert(offsetof(Player, m_batHand) == 412);
static_assert(offsetof(Player, m_batPosition) == 416);
static_assert(offsetof(Player, m_batSkill) == 424);
static_assert(offsetof(Player, m_bowlArm) == 456);
static_assert(offsetof(Player, m_bowlType) == 460);
static_assert(offsetof(Player, m_bowlSkill) == 464);
static_assert(offsetof(Player, m_fieldPosition) == 480);
static_assert(offsetof(Player, m_fieldSkill) == 484);
static_assert(offsetof(Player, m_keeper) == 500);
static_assert(offsetof(Player, m_keepSkill) == 504);
static_assert(offsetof(Player, m_batForm) == 512);
static_assert(offsetof(Player, m_bowlForm) == 516);
static_assert(offsetof(Player, m_morale) == 532);
static_assert(offsetof(Player, m_condition) == 536);
static_assert(offsetof(Player, m_injured) == 540);
static_assert(offsetof(Player, m_injuryType) == 544);
static_assert(offsetof(Player, m_daysOut) == 548);
static_assert(offsetof(Player, m_selected) == 552);
static_assert(offsetof(Player, m_intlDuty) == 553);
static_assert(offsetof(Player, m_valueFlag) == 555);
static_assert(offsetof(Player, m_flag) == 556);
static_assert(offsetof(Player, m_retired) == 557);
static_assert(offsetof(Player, m_turnoverDone) == 558);
static_assert(offsetof(Player, m_generated) == 569);
static_assert(offsetof(Player, m_stats) == 576);

}  // namespace ravel
