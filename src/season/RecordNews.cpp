#include "season/RecordNews.h"

#include <string>

#include "match/Match.h"
#include "season/NewsItems.h"
#include "season/RecordsUpdate.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

// How the news names each section: in a headline, and as the mark held.
struct SectionWords {
    int32_t m_section;
    const char* m_short;
    const char* m_mark;
};
constexpr SectionWords WORDS[] = {
    {REC_PARTNERSHIPS, "wicket stand", "wicket partnership"},
    {REC_HIGHEST_SCORE, "individual score", "the highest individual score"},
    {REC_FASTEST_FIFTY, "fastest fifty", "the fastest fifty"},
    {REC_FASTEST_HUNDRED, "fastest hundred", "the fastest hundred"},
    {REC_HIGHEST_TOTAL, "team total", "the highest innings total"},
    {REC_HIGHEST_FOURTH_INNINGS, "run chase", "the highest total to win batting last"},
    {REC_LOWEST_TOTAL, "lowest total", "the lowest completed innings"},
    {REC_LOWEST_AGGREGATE, "lowest aggregate", "the lowest match aggregate"},
    {REC_HIGHEST_AGGREGATE, "match aggregate", "the highest match aggregate"},
    {REC_BEST_BOWLING, "bowling figures", "the best bowling in an innings"},
    {REC_BEST_MATCH_BOWLING, "match figures", "the best bowling in a match"},
    {REC_INNINGS_MARGIN, "innings victory", "the largest win by an innings"},
    {REC_RUNS_MARGIN, "victory by runs", "the largest win by runs"},
    {REC_SMALLEST_RUNS_MARGIN, "narrowest victory", "the narrowest win by runs"},
    {REC_CLOSEST_DRAW, "closest draw", "the closest draw"},
};

const SectionWords* WordsOf(int section) {
    for (const SectionWords& w : WORDS)
        if (w.m_section == section) return &w;
    return nullptr;
}

const char* KindName(int kind) {
    switch (kind) {
        case RECORDS_FIRST_CLASS:
            return "first-class";
        case RECORDS_TEST:
            return "Test";
        case RECORDS_LIST_A:
            return "List A";
        case RECORDS_ODI:
            return "one-day international";
        default:
            return "";
    }
}

std::string Plural(int n, const char* word) {
    return Format("%d %s%s", n, word, n == 1 ? "" : "s");
}

bool NamesPlayers(int section) {
    switch (section) {
        case REC_PARTNERSHIPS:
        case REC_HIGHEST_SCORE:
        case REC_FASTEST_FIFTY:
        case REC_FASTEST_HUNDRED:
        case REC_BEST_BOWLING:
        case REC_BEST_MATCH_BOWLING:
            return true;
        default:
            return false;
    }
}

std::string InningsText(const RecordEntry& e) {
    if (e.m_flag == INNINGS_ALL_OUT || e.m_wickets >= SQUAD_SIZE - 1) return Format("%d all out", e.m_value);
    if (e.m_flag == INNINGS_DECLARED) return Format("%d for %d declared", e.m_value, e.m_wickets);
    return Format("%d for %d", e.m_value, e.m_wickets);
}

// The figure of an entry as a story quotes it.
std::string FigureText(int section, const RecordEntry& e) {
    switch (section) {
        case REC_PARTNERSHIPS:
            return Format("%s of %d", e.m_flag == 0 ? "an unbroken stand" : "a stand", e.m_value);
        case REC_HIGHEST_SCORE:
            return Format("%d%s", e.m_value, e.m_flag ? " not out" : "");
        case REC_FASTEST_FIFTY:
        case REC_FASTEST_HUNDRED:
            return Format("%d balls", e.m_value);
        case REC_HIGHEST_TOTAL:
        case REC_HIGHEST_FOURTH_INNINGS:
        case REC_LOWEST_TOTAL:
            return InningsText(e);
        case REC_LOWEST_AGGREGATE:
        case REC_HIGHEST_AGGREGATE:
            return Format("%s for %s", Plural(e.m_value, "run").c_str(),
                          Plural(e.m_wickets, "wicket").c_str());
        case REC_BEST_BOWLING:
        case REC_BEST_MATCH_BOWLING:
            return Format("%d for %d", e.m_value, e.m_value2);
        case REC_INNINGS_MARGIN:
            return Format("an innings and %s", Plural(e.m_value, "run").c_str());
        case REC_CLOSEST_DRAW:
            return Format("%s short with %s down", Plural(e.m_value, "run").c_str(),
                          Plural(e.m_wickets, "wicket").c_str());
        default:
            return Plural(e.m_value, "run");
    }
}

// Who set an entry: the batsmen or the bowler with his side, else the side.
std::string HolderText(int section, const RecordEntry& e) {
    if (!NamesPlayers(section)) return e.TeamText();
    std::string who = e.PlayerText(0);
    if (section == REC_PARTNERSHIPS) who += std::string(" and ") + e.PlayerText(1);
    return who + " (" + e.TeamText() + ")";
}

const RecordsTable* TableOfKind(int kind) {
    for (const RecordsTable& t : g_world.mv_records)
        if (t.m_kind == kind) return &t;
    return nullptr;
}

// The records that hold a Test or one-day international too.
int WiderKind(int kind) {
    return kind == RECORDS_TEST ? RECORDS_FIRST_CLASS : kind == RECORDS_ODI ? RECORDS_LIST_A : 0;
}

// Whether the match's entry is the section's mark (a stand: its wicket's).
bool HoldsMark(const std::vector<RecordEntry>& rows, int section, int match, int figure) {
    const bool stand = section == REC_PARTNERSHIPS;
    for (const RecordEntry& e : rows) {
        if (IsEmptyRecord(e) || (stand && e.m_wickets != figure)) continue;
        return e.m_match == match && (stand || e.m_value == figure);
    }
    return false;
}

}  // namespace

void WriteRecordNews(const PendingNewsItem& item, InboxMessage& m, int variant) {
    const int records = item.LinkValue(LINK_RECORDS);
    const int kind = records / 1000;
    const int section = records % 1000;
    const SectionWords* words = WordsOf(section);
    const char* kindName = KindName(kind);
    // The item's figure is the wicket of a stand, else the mark itself.
    const bool stand = section == REC_PARTNERSHIPS;
    const std::string wicket = stand ? Ordinal(item.m_figure) + "-" : "";
    const std::string what = words ? wicket + words->m_short : "record";
    m.m_headline = variant == 0 ? Format("Record %s in %s cricket", what.c_str(), kindName)
                                : Format("New %s record: %s", kindName, what.c_str());
    const std::string mark =
        words ? (stand ? "the highest " + wicket + words->m_mark : words->m_mark) : "a record";
    const std::string opponent = SideName(item.LinkValue(LINK_CLUB, 1));

    const RecordsTable* table = TableOfKind(kind);
    const int index = RecordsTable::SectionIndex(section);
    const int match = item.LinkValue(LINK_SCORECARD);
    if (table && index >= 0) {
        const std::vector<RecordEntry>& rows = table->mv_sections[index];
        for (size_t i = 0; i < rows.size(); ++i) {
            const RecordEntry& e = rows[i];
            if (e.m_match != match || (stand ? e.m_wickets : e.m_value) != item.m_figure) continue;
            m.m_body = Format("%s set %s in %s cricket: %s against %s at %s.", HolderText(section, e).c_str(),
                              mark.c_str(), kindName, FigureText(section, e).c_str(), opponent.c_str(),
                              e.GroundText());
            // Ranked sections keep the mark it beat just below it.
            if (!stand && i + 1 < rows.size() && !IsEmptyRecord(rows[i + 1])) {
                const RecordEntry& old = rows[i + 1];
                m.m_body += Format(" The old record was %s by %s (%s, %s).", FigureText(section, old).c_str(),
                                   HolderText(section, old).c_str(), old.MatchText(), old.SeasonText());
            }
            // One story tells a mark that is a first-class or List A record too.
            const RecordsTable* wider = TableOfKind(WiderKind(kind));
            if (wider && HoldsMark(wider->mv_sections[index], section, match, item.m_figure))
                m.m_body += Format(" It is a %s record too.", KindName(WiderKind(kind)));
            return;
        }
    }
    m.m_body = Format("%s against %s has set %s in %s cricket. The records page has the full list.",
                      SideName(item.LinkValue(LINK_CLUB)), opponent.c_str(), mark.c_str(), kindName);
}

}  // namespace ravel
