// A finished match into a records table: every section it can enter, in
// rank order, ties behind the older entry. An entry that beats the mark the
// section held before the match (for a partnership, the best stand of that
// wicket) is a record broken: it is appended to the day's record events
// (g_recordEvents) for the news. A section with no entry holds no mark, so
// filling it is not news. A match goes into the Test or one-day international
// table before the first-class or List A one, and a mark it broke in both is
// one event, of the first table.
//
// Record event words: 0 the section code, 1 the new rank (1 first), 2 the
// table's kind, 3 the match id, 4 the side that set it; 5 and 6 a figure and
// the other side (section 104: two figures, the other side in word 7); 7 a
// further figure (partnerships: the wicket).
#pragma once

#include "world/RecordsTable.h"

namespace ravel {

class Match;

void UpdateRecordTables(const Match& match, RecordsTable& table);

// Places an entry in a section by its order; the rank it took, -1 when it did
// not make the table.
int InsertRecord(RecordsTable& table, int section, const RecordEntry& entry);

// Whether a section's slot holds no record.
bool IsEmptyRecord(const RecordEntry& entry);

}  // namespace ravel
