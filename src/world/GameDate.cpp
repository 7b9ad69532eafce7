#include "world/GameDate.h"

#include "world/Text.h"

namespace ravel {

CricketData g_cricket;

namespace {

const char* const MONTHS[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// One calendar day forward; the time and the season fields are left alone.
void StepDay(GameDate& date) {
    ++date.m_day;
    if (date.m_day > DaysInMonth(date.m_month)) {
        date.m_day = 1;
        ++date.m_month;
        if (date.m_month > 12) {
            date.m_month = 1;
            ++date.m_year;
        }
    }
}

// Walks from the first day of a season that begins in the given year.
GameDate SeasonDay(int dayOfSeason, int season, int firstYear) {
    if (dayOfSeason < 0) dayOfSeason = 1;
    if (dayOfSeason > 365) dayOfSeason = 365;
    GameDate date;
    date.m_day = 1;
    date.m_month = (season % 2 == 0) ? 4 : 10;
    date.m_year = firstYear;
    for (int i = 0; i < dayOfSeason; ++i) StepDay(date);
    date.m_season = season;
    date.m_dayOfSeason = dayOfSeason;
    return date;
}

}  // namespace

int DaysInMonth(int month) {
    switch (month) {
        case 2:
            return 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

const char* MonthShortName(int month) {
    return (month >= 1 && month <= 12) ? MONTHS[month - 1] : "???";
}

int DaysBetween(const GameDate& from, const GameDate& to) {
    const auto dayNumber = [](const GameDate& d) {
        int days = d.m_year * 365 + d.m_day;
        for (int month = 1; month < d.m_month && month <= 12; ++month) days += DaysInMonth(month);
        return days;
    };
    return dayNumber(to) - dayNumber(from);
}

int SeasonFirstYear(int season) {
    return (season - 50) / 2 + 1850;
}

std::string SeasonLabel(int season) {
    if (season <= 0) return "-";
    const int year = SeasonFirstYear(season);
    if (season % 2 == 0) return Format("%d", year);
    return Format("%d/%02d", year, (year + 1) % 100);
}

int SeasonLength(int season) {
    return DaysBetween(GameDate::FromSeasonDay(0, season), GameDate::FromSeasonDay(0, season + 1));
}

int GameDate::NextDay() {
    StepDay(*this);
    ++m_dayOfSeason;
    if (m_dayOfSeason >= SEASON_DAYS) m_dayOfSeason = 0;
    return m_dayOfSeason;
}

GameDate GameDate::FromSeasonDay(int dayOfSeason, int season) {
    return SeasonDay(dayOfSeason, season, SeasonFirstYear(season));
}

GameDate GameDate::FromCurrentSeasonDay(int dayOfSeason) {
    // The season began in the current year, or in the year before when the
    // date has already passed 1 January and is before the season's start month.
    const GameDate& now = g_cricket.m_date;
    const int startMonth = (now.m_season % 2 == 0) ? 4 : 10;
    const int firstYear = now.m_month < startMonth ? now.m_year - 1 : now.m_year;
    return SeasonDay(dayOfSeason, now.m_season, firstYear);
}

std::string GameDate::DateText() const {
    return DateLongText(m_day, m_month, m_year);
}

std::string GameDate::ClockText() const {
    return Format("%02d:%02d", m_hour, m_minute);
}

std::string DateLongText(int day, int month, int year) {
    return Format("%02d %s %d", day, MonthShortName(month), year);
}

CricketData::CricketData() {
    m_date.m_hour = 7;
    m_date.m_day = 1;
    m_date.m_month = 4;
    m_date.m_year = 2006;
    m_date.m_season = FIRST_SEASON;
    m_date.m_dayOfSeason = 0;
}

}  // namespace ravel
