#include "world/Player.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "world/GameDate.h"
#include "world/Random.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

const char* const RIGHT_ARM_CODES[6] = {"RF", "RFM", "RMF", "RM", "OS", "LS"};
const char* const LEFT_ARM_CODES[6] = {"LF", "LFM", "LMF", "LM", "SLA", "CHI"};
const char* const RIGHT_ARM_TEXTS[6] = {"Right Arm Fast",   "Right Arm Fast Medium", "Right Arm Medium Fast",
                                        "Right Arm Medium", "Right Arm Off Spin",    "Right Arm Leg Spin"};
const char* const LEFT_ARM_TEXTS[6] = {"Left Arm Fast",   "Left Arm Fast Medium", "Left Arm Medium Fast",
                                       "Left Arm Medium", "Slow Left Arm",        "Left Arm Chinaman"};

// Role band of a batting position: 0 opener .. 4 tail ender, -1 none.
int RoleBand(int position) {
    if (position >= 1 && position <= 2) return 0;
    if (position >= 3 && position <= 5) return 1;
    if (position >= 6 && position <= 7) return 2;
    if (position >= 8 && position <= 9) return 3;
    if (position >= 10 && position <= 11) return 4;
    return -1;
}

// A word with its colour for values from m_from up (bands highest first; the
// last band takes everything below).
struct WordBand {
    int m_from;
    const char* m_word;
    uint32_t m_colour;
};

constexpr int ABILITY_SCALE_END = 100;

constexpr WordBand ABILITY_BANDS[] = {
    {88, "World Class", 0xff40ff40}, {75, "Great", 0xffa0ff40}, {60, "Good", 0xffffff80},
    {40, "Mediocre", 0xffffc040},    {20, "Poor", 0xffff8040},  {0, "Bad", 0xffff4040},
};

constexpr WordBand MORALE_BANDS[] = {
    {90, "Superb", 0xff40ff40},    {80, "Excellent", 0xff70ff40},  {70, "Very good", 0xffa0ff40},
    {60, "Good", 0xffffff80},      {50, "Ok", 0xffffc040},         {25, "Poor", 0xffff8040},
    {10, "Very poor", 0xffff6040}, {0, "Rock bottom", 0xffff4040},
};

template <size_t N>
const WordBand& BandOf(const WordBand (&bands)[N], int value) {
    for (const WordBand& band : bands)
        if (value >= band.m_from) return band;
    return bands[N - 1];
}

struct InjuryBand {
    int m_maxDays;
    const char* m_text;
};

const InjuryBand INJURY_BANDS[] = {
    {0, "a few days"},
    {1, "a day"},
    {2, "two days"},
    {3, "three days"},
    {4, "four days"},
    {5, "five days"},
    {8, "about a week"},
    {10, "about ten days"},
    {15, "about two weeks"},
    {17, "nearly three weeks"},
    {23, "about three weeks"},
    {30, "nearly four weeks"},
    {37, "about a month"},
    {51, "about six weeks"},
    {65, "about two months"},
    {77, "about ten weeks"},
    {104, "about three months"},
    {130, "about four months"},
    {164, "about five months"},
    {199, "about six months"},
    {229, "about seven months"},
    {259, "about eight months"},
    {289, "about nine months"},
    {319, "about ten months"},
    {349, "about eleven months"},
    {384, "about a year"},
};

double BattingAverage(const PlayerStats& s) {
    const int completed = s.m_innings - s.m_notOuts;
    return completed < 1 ? NO_BATTING_AVERAGE : static_cast<double>(s.m_runs) / completed;
}

double BowlingAverage(const PlayerStats& s) {
    return s.m_wickets < 1 ? NO_BOWLING_AVERAGE : static_cast<double>(s.m_runsConceded) / s.m_wickets;
}

}  // namespace

void PlayerStats::ResetCounters() {
    const int32_t team = m_team;
    const int32_t player = m_player;
    const int32_t season = m_season;
    const int32_t kind = m_kind;
    *this = PlayerStats{};
    m_team = team;
    m_player = player;
    m_season = season;
    m_kind = kind;
}

void PlayerStats::RecomputeAverages() {
    m_battingAverage = BattingAverage(*this);
    m_bowlingAverage = BowlingAverage(*this);
    m_strikeRate = m_wickets < 1 ? NO_BOWLING_AVERAGE : static_cast<double>(m_balls) / m_wickets;
    m_economy = m_balls < 1 ? NO_BOWLING_AVERAGE : static_cast<double>(m_runsConceded) / m_balls * 6.0;
}

const WordBand& AbilityBand(int rating) {
    // A rating past the scale is no rating at all.
    const int shown = rating >= ABILITY_SCALE_END ? -1 : rating;
    return BandOf(ABILITY_BANDS, shown);
}

const char* AbilityWord(int rating) {
    return AbilityBand(rating).m_word;
}

uint32_t AbilityColour(int rating) {
    return AbilityBand(rating).m_colour;
}

const char* Player::BattingHandCode() const {
    if (m_batHand == 0) return "RHB";
    if (m_batHand == 1) return "LHB";
    return " ";
}

const char* Player::BattingHandText() const {
    if (m_batHand == 0) return "Right";
    if (m_batHand == 1) return "Left";
    return " ";
}

const char* Player::BattingPositionCode() const {
    static const char* const CODES[5] = {"OP", "MO", "AR", "LO", "TE"};
    const int band = RoleBand(m_batPosition);
    return band < 0 ? "?" : CODES[band];
}

const char* Player::BattingPositionText() const {
    static const char* const TEXTS[5] = {"Opener", "Middle Order", "All Rounder", "Late Order", "Tail Ender"};
    const int band = RoleBand(m_batPosition);
    return band < 0 ? "?" : TEXTS[band];
}

const char* Player::BowlingTypeCode() const {
    if (m_keeper == 1) return "WK";
    if (m_bowlType == BOWL_NONE) return "-";
    if (m_bowlType < BOWL_FAST || m_bowlType > BOWL_WRIST_SPIN) return " ";
    return (m_bowlArm == 1 ? LEFT_ARM_CODES : RIGHT_ARM_CODES)[m_bowlType - 1];
}

const char* Player::BowlingTypeText() const {
    if (m_keeper == 1) return "Wicket Keeper";
    if (m_bowlType == BOWL_NONE) return "None";
    if (m_bowlType < BOWL_FAST || m_bowlType > BOWL_WRIST_SPIN) return " ";
    return (m_bowlArm == 1 ? LEFT_ARM_TEXTS : RIGHT_ARM_TEXTS)[m_bowlType - 1];
}

const char* Player::FieldingText() const {
    if (m_keeper == 1) return "Wicket Keeper";
    if (m_keeper == 2) return "Occ. Wicket Keeper";
    switch (m_fieldPosition) {
        case 0:
            return "Mid/Covers";
        case 1:
            return "Slips";
        case 2:
            return "Boundary";
        default:
            return "None";
    }
}

const char* Player::MoraleText() const {
    return BandOf(MORALE_BANDS, m_morale).m_word;
}

uint32_t Player::MoraleColour() const {
    return BandOf(MORALE_BANDS, m_morale).m_colour;
}

int Player::BattingRatingValue() const {
    return (m_batSkill[0] + m_batSkill[1] + m_batSkill[2] + m_batSkill[3]) / 4;
}

int Player::BowlingRatingValue() const {
    if (m_keeper == 1 || m_keeper == 2) return (m_keepSkill[0] + m_keepSkill[1]) / 2;
    return (m_bowlSkill[0] + m_bowlSkill[1] + m_bowlSkill[2] + m_bowlSkill[3]) / 4;
}

const char* Player::BattingRatingWord() const {
    return AbilityWord(BattingRatingValue());
}

const char* Player::BowlingRatingWord() const {
    return AbilityWord(BowlingRatingValue());
}

std::string Player::InjuryLengthText() const {
    if (m_daysOut < 0) return Format("%d days", m_daysOut);
    for (const InjuryBand& band : INJURY_BANDS) {
        if (m_daysOut <= band.m_maxDays) return band.m_text;
    }
    return "over a year";
}

int Player::AgeOn(const GameDate& date) const {
    int age = date.m_year - m_birthYear;
    if (date.m_month < m_birthMonth || (date.m_month == m_birthMonth && date.m_day < m_birthDay)) --age;
    return age;
}

int Player::Age() const {
    return AgeOn(g_cricket.m_date);
}

bool Player::IsOfCountry(int countryId) const {
    return m_country == countryId;
}

bool Player::IsEligibleFor(int countryId) const {
    if (m_country == countryId) return true;
    if (countryId != 2) return false;
    if (m_country2 == 2) return true;
    for (int nationality : {m_country, m_country2}) {
        const Country* country = nationality > 0 ? CountryById(nationality) : nullptr;
        if (country && country->m_group == 4) return true;
    }
    return false;
}

int Player::CurrentClub() const {
    return CurrentClubIn(g_cricket.m_date.m_month);
}

std::string Player::ShortName(int width) const {
    // A surname that fills its whole field carries no terminator.
    const std::string surname(m_surname, strnlen(m_surname, sizeof m_surname));
    if (width >= 0 && surname.size() <= static_cast<size_t>(width)) return surname;
    // A width below 2 leaves only the full stop.
    const size_t keep = static_cast<size_t>(std::clamp(width - 2, 0, static_cast<int>(surname.size())));
    return surname.substr(0, keep) + '.';
}

void Player::ClearContract(int sideId) {
    if (sideId == m_northClub) {
        m_northWage = 0;
        m_northSeasons = 0;
    } else {
        m_southWage = 0;
        m_southSeasons = 0;
    }
}

int Player::OverallRating() const {
    return m_batSkill[0] + m_batSkill[1] + m_batSkill[2] + m_batSkill[3] + m_bowlSkill[0];
}

float Player::SkillMean() const {
    int sum = m_keepSkill[0] + m_keepSkill[1];
    for (int i = 0; i < 4; ++i) sum += m_batSkill[i] + m_bowlSkill[i];
    return sum > 0 ? static_cast<float>(sum) / 10.0f : 1.0f;
}

float Player::BattingMean() const {
    int sum = 0;
    for (int i = 0; i < 6; ++i) sum += m_batSkill[i];
    return static_cast<float>(sum) / 6.0f;
}

float Player::SpinValue() const {
    const float factor = IsSpin(m_bowlType) ? 1.8f : 0.1f;
    return static_cast<float>(m_bowlSkill[0]) * 5.0f * factor;
}

float Player::PaceValue() const {
    float factor = 1.0f;
    switch (m_bowlType) {
        case BOWL_NONE:
            factor = 0.2f;
            break;
        case BOWL_FAST:
            factor = 1.3f;
            break;
        case BOWL_FAST_MEDIUM:
        case BOWL_MEDIUM_FAST:
            factor = 1.25f;
            break;
        case BOWL_MEDIUM:
            factor = 1.15f;
            break;
        case BOWL_FINGER_SPIN:
        case BOWL_WRIST_SPIN:
            factor = 0.6f;
            break;
        default:
            break;
    }
    return static_cast<float>(m_bowlSkill[0]) * 5.0f * factor;
}

void Player::ResetStats() {
    for (PlayerStats& block : m_stats) block.ResetCounters();
}

int Player::SetWage(int sideId) {
    const Team* side = TeamById(sideId);
    const int bonus = side ? static_cast<int>(side->m_money * 0.025 * 0.5) : 0;
    double value = SkillMean() * (Age() < 23 ? 12.5 : 400.0) + bonus;

    for (int block : {STATS_CAREER_FC, STATS_CAREER_TEST}) {
        m_stats[block].m_battingAverage = BattingAverage(m_stats[block]);
        m_stats[block].m_bowlingAverage = BowlingAverage(m_stats[block]);
    }
    const PlayerStats& test = m_stats[STATS_CAREER_TEST];
    if (test.m_matches > 15) {
        if (test.m_battingAverage > 50.0) {
            value *= 1.4;
        } else if (test.m_battingAverage > 40.0) {
            value *= 1.2;
        }
        if (test.m_wickets > 15) {
            if (test.m_bowlingAverage < 25.0) {
                value *= 1.4;
            } else if (test.m_bowlingAverage < 30.0) {
                value *= 1.2;
            }
            if (test.m_wickets > 300) value *= 1.3;
        }
    }
    if (m_stats[STATS_CAREER_FC].m_matches < 30) value *= 0.5;
    if (m_valueFlag == 1) value *= 0.75;
    value = std::max(value, 12000.0);

    static const int DEDUCTIONS[3] = {1000, 1500, 2000};
    value -= DEDUCTIONS[Rand() % 3];
    const int seasons = Rand() % 4 + 1;
    const int wage = static_cast<int>(value);
    if (sideId == m_northClub) {
        m_northWage = wage;
        m_northSeasons = seasons;
    } else {
        m_southWage = wage;
        m_southSeasons = seasons;
    }
    return wage;
}

std::string ContractEndDateText(int kind, int seasons) {
    const GameDate& now = g_cricket.m_date;
    int year = now.m_year + seasons;
    if (kind == 1) {
        if (now.m_month <= 4) --year;
        return Format("Apr 30 %d", year);
    }
    if (now.m_month <= 10) --year;
    return Format("Oct 31 %d", year);
}

}  // namespace ravel
