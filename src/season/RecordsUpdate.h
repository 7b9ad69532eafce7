// A finished match into a records table: every section it can enter, in
// rank order, ties behind the older entry. A new first place in a section
// whose list was full before the day's results is a record broken: it is
// appended to the day's record events (g_recordEvents) for the news. Filling
// the empty places of a new world's tables, or bettering another of the same
// day's results while doing so, is not news.
//
// Record event words: 0 the section code, 1 the new rank (1 first), 2 the
// table's kind, 3 the match id, 4 the side that set it; 5 and 6 a figure and
// the other side (section 104: two figures, the other side in word 7); 7 a
// further figure.
#pragma once

#include <array>

#include "world/RecordsTable.h"

namespace ravel {

class Match;

// Per section, whether every place of the list holds an entry.
using FullSections = std::array<bool, RECORD_SECTIONS>;
FullSections FullSectionsOf(const RecordsTable& table);

// `standing`: the table's full sections before the day's first result.
void UpdateRecordTables(const Match& match, RecordsTable& table, const FullSections& standing);
// Against the table as it stands before this match.
void UpdateRecordTables(const Match& match, RecordsTable& table);

// Places an entry in a section by its order; the rank it took, -1 when it did
// not make the table.
int InsertRecord(RecordsTable& table, int section, const RecordEntry& entry);

// Whether a section's slot holds no record.
bool IsEmptyRecord(const RecordEntry& entry);

}  // namespace ravel
