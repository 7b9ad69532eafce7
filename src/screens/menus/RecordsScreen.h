// Screen 131: one section of one of the world's four records tables
// (first-class, Test, List A, one-day international). It has no controls;
// whoever opens it chooses the table and section (OpenRecordsScreen,
// shell/Screens.h).
#pragma once

#include <cstdint>
#include <string>

#include "shell/Screens.h"

namespace ravel {

struct RecordEntry;
struct RecordsTable;

struct CRecordsScreen {
    static void Enter();
    // The subject: m_kind, the table (1 first-class, 2 Test, 3 List-A, 4 ODI;
    // another keeps the table shown last); m_section, its section.
    static void SetSubject(const ScreenSubject& subject) {
        g_screenSubjects.m_recordsKind = subject.m_kind;
        g_screenSubjects.m_recordsSection = subject.m_section;
    }
    static ScreenSubject Subject() {
        return {0, g_screenSubjects.m_recordsKind, g_screenSubjects.m_recordsSection};
    }
    static void Render();

    static int32_t s_kind;     // RecordsKind; the table shown
    static int32_t s_section;  // RecordSection
};

// The table of the kind shown; nullptr when the world has none.
const RecordsTable* ShownRecordsTable();
// The value cell of an entry of a section: "350/7 dec", "245", "5/43", "104*"...
std::string RecordValueText(int section, const RecordEntry& entry);
// Whether an entry of the section holds a record to show.
bool RecordShown(int section, const RecordEntry& entry);

}  // namespace ravel
