// Screen 131: one section of one of the world's four records tables
// (first-class, Test, List A, one-day international). It has no controls;
// whoever opens it chooses the table and section (OpenRecordsScreen,
// shell/Screens.h).
#pragma once

#include <cstdint>
#include <string>

#include "shell/Screen.h"
#include "world/RecordsTable.h"

namespace ravel {

struct RecordEntry;
struct RecordsTable;

class CRecordsScreen : public CScreen {
public:
    void Enter() override;
    void Render() override;
    // The subject: m_kind, the table (1 first-class, 2 Test, 3 List-A, 4 ODI;
    // another keeps the table shown last); m_section, its section.
    void SetSubject(const ScreenSubject& subject) override;
    ScreenSubject Subject() const override { return {0, m_kept.kind, m_kept.section}; }
    void Reset() override { m_kept = {}; }

    int32_t Kind() const { return m_kept.kind; }        // RecordsKind; the table shown
    int32_t Section() const { return m_kept.section; }  // RecordSection
    // The table of the kind shown; nullptr when the world has none.
    const RecordsTable* ShownTable() const;

private:
    // Kept between visits: the table and section last chosen.
    struct Kept {
        int32_t kind = RECORDS_FIRST_CLASS;
        int32_t section = REC_HIGHEST_TOTAL;
    } m_kept;
};

// The value cell of an entry of a section: "350/7 dec", "245", "5/43", "104*"...
std::string RecordValueText(int section, const RecordEntry& entry);
// Whether an entry of the section holds a record to show.
bool RecordShown(int section, const RecordEntry& entry);

}  // namespace ravel
