#include "screens/team/PlayerLists.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "season/Squads.h"
#include "shell/gui/ComboBox.h"
#include "world/World.h"

namespace ravel {

namespace {

using K = SortKey;
using D = SortDirection;

constexpr D ASC = D::ASCENDING;
constexpr D DESC = D::DESCENDING;
constexpr int NO_CONTRACT_SEASONS = 10;  // a contract with no seasons left sorts as ten
constexpr double NO_VALUE = std::numeric_limits<double>::quiet_NaN();
// Best bowling as one figure: more wickets first, then fewer runs.
constexpr double WICKET_WEIGHT = 1e6;

constexpr ViewEntry VIEWS[] = {
    {VIEW_BASIC, "Basic", 1},
    {VIEW_CONTRACT, "Contract", 2},
    {VIEW_AVAILABILITY, "Availability", 21},
    {VIEW_BAT_SKILLS, "Batting skills", 3},
    {VIEW_BOWL_SKILLS, "Bowling skills", 4},
    {5005, "Career Batting First Class", 5},
    {5007, "Career Batting List A", 6},
    {5009, "Career Batting Tests", 7},
    {5011, "Career Batting One Day", 8},
    {5006, "Career Bowling First Class", 9},
    {5008, "Career Bowling List A", 10},
    {5010, "Career Bowling Tests", 11},
    {5012, "Career Bowling One Day", 12},
    {5013, "Season Batting First Class", 13},
    {5015, "Season Batting List A", 14},
    {5017, "Season Batting Tests", 15},
    {5019, "Season Batting One Day", 16},
    {5014, "Season Bowling First Class", 17},
    {5016, "Season Bowling List A", 18},
    {5018, "Season Bowling Tests", 19},
    {5020, "Season Bowling One Day", 20},
};

constexpr SortColumn Col(const char* text, int value, const char* heading, SortKey key,
                         SortDirection direction, int index = 0) {
    return {text, nullptr, value, heading, nullptr, key, static_cast<int8_t>(index), direction, false};
}

constexpr SortColumn NAME = Col("Name", 1, "Name", K::SURNAME, ASC);

constexpr SortColumn BASIC[] = {
    NAME,
    Col("Bat Form", 2, "Bat Form", K::BAT_FORM, DESC),
    Col("Bat Rating", 3, "Bat Rating", K::BAT_RATING, DESC),
    Col("Bat Position", 4, "Bat Position", K::BAT_POSITION, ASC),
    Col("Bat Hand", 5, "Bat Hand", K::BAT_HAND, ASC),
    Col("Bowl Form", 6, "Bowl Form", K::BOWL_FORM, DESC),
    Col("Bowl Type", 7, "Bowl Class", K::BOWL_TYPE, D::DESCENDING_ON_COUNTRY_PAGE),
    Col("Bowl Rating", 8, "Bowl Rating", K::BOWL_RATING, DESC),
};

constexpr SortColumn BAT_SKILLS[] = {
    NAME,
    Col("Rating", 12, "Rating", K::BAT_RATING, DESC),
    Col("Front Foot", 2, "Front Foot", K::BAT_SKILL, DESC, 0),
    Col("Back Foot", 3, "Back Foot", K::BAT_SKILL, DESC, 1),
    Col("Off Side", 4, "Off Side", K::BAT_SKILL, DESC, 2),
    Col("On Side", 5, "On Side", K::BAT_SKILL, DESC, 3),
    Col("vs Pace", 6, "vs Pace", K::BAT_SKILL, DESC, 4),
    Col("vs Spin", 7, "vs Spin", K::BAT_SKILL, DESC, 5),
    Col("Scoring Speed", 8, "Scoring Speed", K::BAT_SKILL, DESC, 6),
};

constexpr SortColumn BOWL_SKILLS[] = {
    NAME,
    Col("Rating", 2, "Rating", K::BOWL_RATING, DESC),
    Col("Class", 3, "Class", K::BOWL_TYPE, D::DESCENDING_ON_COUNTRY_PAGE),
    Col("Skill", 4, "Skill", K::BOWL_SKILL, DESC, 0),
    Col("Consistency", 5, "Consistency", K::BOWL_SKILL, DESC, 1),
    Col("Variation", 6, "Variation", K::BOWL_SKILL, DESC, 2),
    Col("Movement", 7, "Movement", K::BOWL_SKILL, DESC, 3),
};

constexpr SortColumn AVAILABILITY[] = {
    NAME,
    Col("International Duty", 2, "International Duty", K::INTL_DUTY, DESC),
    Col("Condition", 3, "Condition", K::CONDITION, DESC),
    Col("Morale", 4, "Morale", K::MORALE, DESC),
};

constexpr SortColumn CONTRACT[] = {
    NAME,
    {"End Date", nullptr, 2, "Years Left", "Years Left", K::CONTRACT_SEASONS, 0, ASC, true},
    {"Salary", nullptr, 3, "Salary", "Salary", K::CONTRACT_WAGE, 0, DESC, true},
};

constexpr SortColumn BAT_STATS[] = {
    NAME,
    Col("Matches", 2, "Matches", K::MATCHES, DESC),
    Col("Innings", 3, "Innings", K::INNINGS, DESC),
    Col("Not Outs", 4, "Not Outs", K::NOT_OUTS, DESC),
    Col("Runs", 5, "Runs", K::RUNS, DESC),
    Col("Average", 6, "Average", K::BAT_AVERAGE, DESC),
    Col("Highest Score", 7, "Highest Score", K::HIGHEST, DESC),
    Col("100's", 8, "100's", K::HUNDREDS, DESC),
    Col("50's", 9, "50's", K::FIFTIES, DESC),
    Col("Catches", 10, "Catches", K::CATCHES, DESC),
    Col("Stumpings", 11, "Stumpings", K::STUMPINGS, DESC),
};

constexpr SortColumn BOWL_STATS[] = {
    NAME,
    Col("Matches", 2, "Matches", K::MATCHES, DESC),
    Col("Balls", 3, "Balls", K::BALLS, DESC),
    Col("Runs Conceeded", 4, "Runs Conceeded", K::RUNS_CONCEDED, DESC),
    Col("Wickets", 5, "Wickets", K::WICKETS, DESC),
    Col("Average", 6, "Average", K::BOWL_AVERAGE, ASC),
    Col("Best Bowling (Innings)", 7, "Best Bowling (Innings)", K::BEST_INNINGS, DESC),
    Col("Best Bowling (Match)", 8, "Best Bowling (Match)", K::BEST_MATCH, DESC),
    {"5wi", "4wm", 9, "4 wicket innings/5wi", nullptr, K::HAULS_A, 0, DESC, false},
    {"10wm", "5wm", 10, "5wm/10wm", nullptr, K::HAULS_B, 0, DESC, false},
    {"Strike Rate", nullptr, 11, "Strike Rate", nullptr, K::STRIKE_RATE, 0, ASC, true},
    {"Economy", nullptr, 12, "Economy", nullptr, K::ECONOMY, 0, ASC, true},
};

constexpr SortColumn SEARCH_BASIC_COLUMNS[] = {
    NAME,
    Col("NH Team", 2, "NH Team", K::NORTH_CLUB, ASC),
    Col("SH Team", 3, "SH Team", K::SOUTH_CLUB, ASC),
    Col("Nation", 4, "Nation", K::COUNTRY, ASC),
    Col("DOB", 5, "DOB", K::AGE, ASC),
    Col("Bat Pos", 6, "Bat Pos", K::BAT_POSITION, ASC),
    Col("Bowl Type", 7, "Bowl Type", K::BOWL_TYPE, ASC),
};

constexpr SortColumn SEARCH_CONTRACT_COLUMNS[] = {
    NAME,
    Col("NH End Date", 2, "NH End Date", K::CONTRACT_SEASONS, ASC, HEMI_NORTH),
    Col("SH End Date", 3, "SH End Date", K::CONTRACT_SEASONS, ASC, HEMI_SOUTH),
    Col("NH Salary", 4, "NH Salary", K::CONTRACT_WAGE, DESC, HEMI_NORTH),
    Col("SH Salary", 5, "SH Salary", K::CONTRACT_WAGE, DESC, HEMI_SOUTH),
};

std::span<const SortColumn> ColumnsOf(int view) {
    if (IsBowlingStatsView(view)) return BOWL_STATS;
    if (IsStatsView(view)) return BAT_STATS;
    switch (view) {
        case SEARCH_BASIC:
            return SEARCH_BASIC_COLUMNS;
        case SEARCH_CONTRACT:
            return SEARCH_CONTRACT_COLUMNS;
        case VIEW_BASIC:
            return BASIC;
        case VIEW_CONTRACT:
            return CONTRACT;
        case VIEW_AVAILABILITY:
            return AVAILABILITY;
        case VIEW_BAT_SKILLS:
            return BAT_SKILLS;
        case VIEW_BOWL_SKILLS:
            return BOWL_SKILLS;
        default:
            return {};
    }
}

double Count(int32_t value) {
    return static_cast<double>(value);
}

// A stored average, or no value for its mark (and for anything that could
// not be an average).
double BattingFigure(double value) {
    return value >= 0.0 ? value : NO_VALUE;
}
double BowlingFigure(double value) {
    return value >= 0.0 && value < NO_BOWLING_AVERAGE ? value : NO_VALUE;
}

double BestBowling(int32_t wickets, int32_t runs) {
    return Count(wickets) * WICKET_WEIGHT - Count(runs);
}

double StatsValue(const PlayerStats& s, SortKey key) {
    switch (key) {
        case K::MATCHES:
            return Count(s.m_matches);
        case K::INNINGS:
            return Count(s.m_innings);
        case K::NOT_OUTS:
            return Count(s.m_notOuts);
        case K::RUNS:
            return Count(s.m_runs);
        case K::BAT_AVERAGE:
            return BattingFigure(s.m_battingAverage);
        case K::HIGHEST:
            return Count(s.m_highest);
        case K::HUNDREDS:
            return Count(s.m_hundreds);
        case K::FIFTIES:
            return Count(s.m_fifties);
        case K::CATCHES:
            return Count(s.m_catches);
        case K::STUMPINGS:
            return Count(s.m_stumpings);
        case K::BALLS:
            return Count(s.m_balls);
        case K::RUNS_CONCEDED:
            return Count(s.m_runsConceded);
        case K::WICKETS:
            return Count(s.m_wickets);
        case K::BOWL_AVERAGE:
            return BowlingFigure(s.m_bowlingAverage);
        case K::BEST_INNINGS:
            return BestBowling(s.m_bestInnsWickets, s.m_bestInnsRuns);
        case K::BEST_MATCH:
            return BestBowling(s.m_bestMatchWickets, s.m_bestMatchRuns);
        case K::HAULS_A:
            return Count(s.m_haulsA);
        case K::HAULS_B:
            return Count(s.m_haulsB);
        case K::STRIKE_RATE:
            return BowlingFigure(s.m_strikeRate);
        case K::ECONOMY:
            return BowlingFigure(s.m_economy);
        default:
            return NO_VALUE;
    }
}

double KeyValue(const Player& p, SortKey key, int index, const SortContext& context) {
    const auto skillSum = [](const int32_t* skills, int count) {
        double sum = 0.0;
        for (int i = 0; i < count; ++i) sum += skills[i];
        return sum;
    };
    switch (key) {
        case K::BAT_FORM:
            return p.m_batForm;
        case K::BAT_RATING:
            return skillSum(p.m_batSkill, 4);
        case K::BAT_POSITION:
            return Count(p.m_batPosition);
        case K::BAT_HAND:
            return Count(p.m_batHand);
        case K::BOWL_FORM:
            return p.m_bowlForm;
        case K::BOWL_TYPE:
            return Count(p.m_bowlType);
        case K::BOWL_RATING:
            return skillSum(p.m_bowlSkill, 4);
        case K::BAT_SKILL:
            return index >= 0 && index < 7 ? Count(p.m_batSkill[index]) : NO_VALUE;
        case K::BOWL_SKILL:
            return index >= 0 && index < 4 ? Count(p.m_bowlSkill[index]) : NO_VALUE;
        case K::INTL_DUTY:
            return Count(p.m_intlDuty);
        case K::CONDITION:
            return p.m_condition;
        case K::MORALE:
            return Count(p.m_morale);
        case K::CONTRACT_SEASONS: {
            const bool north = (index ? index : context.hemisphere) == HEMI_NORTH;
            const int seasons = north ? p.m_northSeasons : p.m_southSeasons;
            return Count(seasons == 0 ? NO_CONTRACT_SEASONS : seasons);
        }
        case K::CONTRACT_WAGE:
            return Count((index ? index : context.hemisphere) == HEMI_NORTH ? p.m_northWage : p.m_southWage);
        case K::NORTH_CLUB:
            return Count(p.m_northClub);
        case K::SOUTH_CLUB:
            return Count(p.m_southClub);
        case K::COUNTRY:
            return Count(p.m_country);
        case K::AGE:
            return Count(p.Age());
        case K::BAT_WITH_FORM:
            return skillSum(p.m_batSkill, 6) + 6.0 * p.m_batForm;
        case K::BOWL_WITH_FORM:
            return Count(p.m_bowlSkill[0]) + p.m_bowlForm;
        default: {
            const int block = std::clamp(context.block, 0, STATS_BLOCKS - 1);
            return StatsValue(p.m_stats[block], key);
        }
    }
}

// No value (NaN) after every value, in either direction.
bool FigureBefore(double a, double b, bool descending) {
    const bool noA = std::isnan(a);
    const bool noB = std::isnan(b);
    if (noA || noB) return !noA && noB;
    return descending ? a > b : a < b;
}

struct PlayerOrder {
    SortKey key;
    int index;
    bool descending;
    SortContext context;

    bool operator()(int32_t a, int32_t b) const {
        const Player* pa = PlayerById(a);
        const Player* pb = PlayerById(b);
        if (!pa || !pb) return pa && !pb;
        if (key == K::SURNAME) {
            const int order = std::strcmp(pa->m_surname, pb->m_surname);  // unsigned bytes
            return descending ? order > 0 : order < 0;
        }
        return FigureBefore(KeyValue(*pa, key, index, context), KeyValue(*pb, key, index, context),
                            descending);
    }
};

}  // namespace

int ListViewOfSearch(int searchView) {
    if (searchView >= SEARCH_FIRST_STATS && searchView <= SEARCH_LAST_STATS)
        return searchView - SEARCH_FIRST_STATS + VIEW_FIRST_STATS;
    if (searchView == SEARCH_BAT_SKILLS) return VIEW_BAT_SKILLS;
    if (searchView == SEARCH_BOWL_SKILLS) return VIEW_BOWL_SKILLS;
    return searchView;
}

bool IsStatsView(int view) {
    return view >= VIEW_FIRST_STATS && view <= VIEW_LAST_STATS;
}

bool IsBowlingStatsView(int view) {
    return IsStatsView(view) && view % 2 == 0;
}

int StatsBlockOfView(int view) {
    return IsStatsView(view) ? (view - VIEW_FIRST_STATS) / 2 : -1;
}

bool IsLimitedOversBlock(int block) {
    return block >= 0 && block % 2 == 1;  // List A and one-day blocks alternate with the others
}

std::span<const ViewEntry> ViewEntries() {
    return VIEWS;
}

const ViewEntry* ViewEntryByValue(int value) {
    const auto it =
        std::find_if(std::begin(VIEWS), std::end(VIEWS), [value](const auto& e) { return e.value == value; });
    return it != std::end(VIEWS) ? &*it : nullptr;
}

const ViewEntry* ViewEntryOfView(int view) {
    const auto it =
        std::find_if(std::begin(VIEWS), std::end(VIEWS), [view](const auto& e) { return e.view == view; });
    return it != std::end(VIEWS) ? &*it : nullptr;
}

void FillViewList(CComboBox& combo, ListPage page) {
    combo.ClearListItems();
    for (const ViewEntry& e : VIEWS) {
        if (e.view == VIEW_CONTRACT && page != ListPage::CLUB) continue;
        combo.AddListItem(e.title, e.value);
    }
}

void SetSquadViewTitle(CComboBox& combo, int index) {
    if (index < 0 || index >= combo.ItemCount()) return;
    if (const ViewEntry* e = ViewEntryByValue(combo.mv_items[static_cast<size_t>(index)].m_value))
        combo.SetCaption(e->title);
}

bool PlayerBefore(int32_t a, int32_t b, SortKey key, int index, bool descending, const SortContext& context) {
    return PlayerOrder{key, index, descending, context}(a, b);
}

void SortPlayers(std::vector<int32_t>& ids, SortKey key, int index, bool descending,
                 const SortContext& context) {
    // Ties keep the order the list had, as a player expects of a re-sort.
    std::stable_sort(ids.begin(), ids.end(), PlayerOrder{key, index, descending, context});
}

std::vector<const SortColumn*> ViewColumns(int view, ListPage page) {
    std::vector<const SortColumn*> columns;
    for (const SortColumn& c : ColumnsOf(view))
        if (!c.clubOnly || page == ListPage::CLUB) columns.push_back(&c);
    return columns;
}

const SortColumn* FindSortColumn(int view, int value, ListPage page) {
    for (const SortColumn* c : ViewColumns(view, page))
        if (c->value == value) return c;
    return nullptr;
}

const char* ColumnText(const SortColumn& column, int view) {
    return column.limitedText && IsLimitedOversBlock(StatsBlockOfView(view)) ? column.limitedText
                                                                             : column.text;
}

const char* SortCaption(const SortColumn& column, int view, ListPage page) {
    if (page == ListPage::COUNTRY) return column.heading;
    return column.clubCaption ? column.clubCaption : ColumnText(column, view);
}

bool SortsDescending(const SortColumn& column, ListPage page) {
    switch (column.direction) {
        case D::ASCENDING:
            return false;
        case D::DESCENDING:
            return true;
        case D::DESCENDING_ON_COUNTRY_PAGE:
            return page == ListPage::COUNTRY;
    }
    return false;
}

void FillSortByList(CComboBox& combo, int view, ListPage page) {
    combo.ClearListItems();
    const std::vector<const SortColumn*> columns = ViewColumns(view, page);
    if (columns.empty()) return;
    combo.SetCaption("Name");
    for (const SortColumn* c : columns) combo.AddListItem(ColumnText(*c, view), c->value);
}

const SortColumn* SortByColumn(std::vector<int32_t>& ids, int view, int value, ListPage page,
                               int hemisphere) {
    const SortColumn* column = FindSortColumn(view, value, page);
    if (!column) return nullptr;
    const SortContext context{std::max(StatsBlockOfView(view), 0), hemisphere};
    SortPlayers(ids, column->key, column->index, SortsDescending(*column, page), context);
    return column;
}

}  // namespace ravel
