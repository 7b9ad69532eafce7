// Player lists of the team page, the country page and the player search: the
// data views with their drop-down titles, the columns each view can be sorted
// by, and one table-driven ordering for every sort key. Lists hold player
// ids; sorting re-orders the ids and never moves a player.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ravel {

class CComboBox;
struct Player;

// Data views of a player list. Statistics views 5005..5020 read block
// (view - 5005) / 2 of the player's figures: odd codes batting, even bowling.
enum PlayerListView : int32_t {
    VIEW_BASIC = 5001,
    VIEW_FIRST_STATS = 5005,  // career batting, first-class
    VIEW_LAST_STATS = 5020,   // season bowling, one-day internationals
    VIEW_CONTRACT = 5022,     // the club team page only
    VIEW_AVAILABILITY = 5023,
    VIEW_BAT_SKILLS = 5024,
    VIEW_BOWL_SKILLS = 5025,
};

// The player search's views: Basic and Contract of its own, then the skills
// and statistics views of the squads in the same order.
enum SearchView : int32_t {
    SEARCH_BASIC = 8101,
    SEARCH_CONTRACT = 8102,
    SEARCH_BAT_SKILLS = 8103,
    SEARCH_BOWL_SKILLS = 8104,
    SEARCH_FIRST_STATS = 8105,
    SEARCH_LAST_STATS = 8120,
};

// The squad view that a search view shows in the shared columns; its own
// Basic and Contract views and unknown codes stay as they are.
int ListViewOfSearch(int searchView);

// The pages that list players; their columns and directions differ a little.
enum class ListPage { COUNTRY, CLUB, SEARCH };

bool IsStatsView(int view);
bool IsBowlingStatsView(int view);
// The figures block (0..7) of a statistics view; -1 for other views.
int StatsBlockOfView(int view);
// The block counts four- and five-wicket hauls (List A, one-day
// internationals) rather than five-wicket innings and ten-wicket matches.
bool IsLimitedOversBlock(int block);

struct ViewEntry {
    int32_t view;
    const char* title;
    int32_t value;  // the view drop-down's item value
};

// The views in drop-down order; the Contract view is the club page's alone.
std::span<const ViewEntry> ViewEntries();
// Entry by item value or by view; nullptr for none.
const ViewEntry* ViewEntryByValue(int value);
const ViewEntry* ViewEntryOfView(int view);
// The views of a page into its view drop-down.
void FillViewList(CComboBox& combo, ListPage page);
// Captions the view drop-down with the title of its item at that index;
// anything else changes nothing.
void SetSquadViewTitle(CComboBox& combo, int index);

// The orderings of players. Every key is a strict weak ordering; a figure
// with no value (no completed innings, no wicket, no ball, NaN) sorts last
// whichever way the key runs.
enum class SortKey : uint8_t {
    SURNAME,
    BAT_FORM,
    BAT_RATING,  // the four main batting skills
    BAT_POSITION,
    BAT_HAND,
    BOWL_FORM,
    BOWL_TYPE,
    BOWL_RATING,  // the four bowling skills
    BAT_SKILL,    // one of the seven, by index
    BOWL_SKILL,   // one of the four, by index
    INTL_DUTY,
    CONDITION,
    MORALE,
    CONTRACT_SEASONS,  // seasons left, none counting as ten
    CONTRACT_WAGE,
    MATCHES,
    INNINGS,
    NOT_OUTS,
    RUNS,
    BAT_AVERAGE,
    HIGHEST,
    HUNDREDS,
    FIFTIES,
    CATCHES,
    STUMPINGS,
    BALLS,
    RUNS_CONCEDED,
    WICKETS,
    BOWL_AVERAGE,
    BEST_INNINGS,  // wickets, then fewer runs
    BEST_MATCH,
    HAULS_A,
    HAULS_B,
    STRIKE_RATE,
    ECONOMY,
    BAT_WITH_FORM,   // six batting skills, each with the batting form
    BOWL_WITH_FORM,  // bowling skill with the bowling form
    NORTH_CLUB,      // club ids
    SOUTH_CLUB,
    COUNTRY,
    AGE,  // whole years
};

enum class SortDirection : uint8_t {
    ASCENDING,
    DESCENDING,
    DESCENDING_ON_COUNTRY_PAGE,  // ascending elsewhere
};

// What a key reads beyond the player: the figures block of the view and the
// hemisphere of the contract (1 northern, 2 southern).
struct SortContext {
    int block = 0;
    int hemisphere = 1;
};

// Whether a goes before b under the key: the ordering SortPlayers uses.
bool PlayerBefore(int32_t a, int32_t b, SortKey key, int index, bool descending, const SortContext& context);
// Sorts the ids by the key, ties in their old order; ids that name no player
// go last.
void SortPlayers(std::vector<int32_t>& ids, SortKey key, int index, bool descending,
                 const SortContext& context = {});

// A "Sort by" entry of a view.
struct SortColumn {
    const char* text;
    const char* limitedText;  // the entry in List A and one-day views, when it differs
    int32_t value;
    const char* heading;      // the country page's caption after sorting
    const char* clubCaption;  // the club page's caption, when not the entry text
    SortKey key;
    int8_t index;  // the skill of BAT_SKILL and BOWL_SKILL; a contract key's hemisphere, 0 the page's
    SortDirection direction;
    bool clubOnly;
};

// The view's columns on a page, in drop-down order; empty for an unknown view.
std::vector<const SortColumn*> ViewColumns(int view, ListPage page);
// The view's column with that entry value on the page; nullptr when it has none.
const SortColumn* FindSortColumn(int view, int value, ListPage page);
const char* ColumnText(const SortColumn& column, int view);
// The drop-down caption after a sort by the column.
const char* SortCaption(const SortColumn& column, int view, ListPage page);
bool SortsDescending(const SortColumn& column, ListPage page);
// Empties the "Sort by" drop-down, captions it "Name" and lists the view's
// columns; an unknown view leaves it empty with its old caption.
void FillSortByList(CComboBox& combo, int view, ListPage page);
// Sorts the list by the view's column of that value and returns the column;
// nullptr (and nothing sorted) when the view has no such column.
const SortColumn* SortByColumn(std::vector<int32_t>& ids, int view, int value, ListPage page,
                               int hemisphere = 1);

}  // namespace ravel
