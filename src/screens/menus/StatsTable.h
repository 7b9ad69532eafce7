// The player statistics tables of the competition screen and the series
// overview: the headings and rows of the performance lists (8001..8005) and
// the averages lists (8007..8010), each row led by the player's role icon.
#pragma once

#include <cstdint>
#include <vector>

#include "season/Lists.h"

namespace ravel {

// Where the two screens differ.
struct StatsTableLayout {
    int32_t m_matchX;      // the match column of the performance lists
    bool m_hundredsFirst;  // "100" before "50" on the batting lists
    bool m_limitedOvers;   // "4w" and "5w" hauls, else "5w" and "10w"
    int32_t m_headingY;
    int32_t m_rowsY;
};

inline constexpr int STATS_TABLE_ROWS = 20;
inline constexpr int STATS_ROW_HEIGHT = 20;

void DrawStatsHeadings(int list, const StatsTableLayout& layout);
// Up to twenty rows from `first`; the empty text when there are none.
void DrawStatsRows(int list, const std::vector<StatsRow>& rows, int first, const StatsTableLayout& layout,
                   const char* emptyText);

}  // namespace ravel
