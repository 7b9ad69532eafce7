#include "screens/menus/RecordsScreen.h"

#include <cstdio>

#include "match/Match.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "shell/Game.h"
#include "shell/Screens.h"
#include "shell/platform/System.h"
#include "world/RecordsTable.h"
#include "world/Text.h"
#include "world/World.h"

namespace ravel {

namespace {

using RS = CRecordsScreen;

constexpr uint32_t GREY = 0xffcdcdcdu;
constexpr int ROWS_TOP = 150;
constexpr int ROW_STEP = 25;
constexpr int PARTNERSHIP_STEP = 47;
constexpr int PARTNERSHIP_WICKETS = 10;
constexpr int ALL_OUT = 10;

// The columns after the value: side, player, match, ground, season; 0 none.
struct SectionLayout {
    int32_t m_section;
    const char* m_valueHeading;
    int32_t m_sideX;
    int32_t m_playerX;
    int32_t m_matchX;
    int32_t m_rows;
};

constexpr SectionLayout LAYOUTS[] = {
    {REC_HIGHEST_SCORE, "Score", 0, 320, 500, 20},
    {REC_FASTEST_FIFTY, "Balls To 50", 0, 320, 550, 10},
    {REC_FASTEST_HUNDRED, "Balls To 100", 0, 320, 550, 10},
    {REC_HIGHEST_TOTAL, "Total", 310, 0, 490, 10},
    {REC_HIGHEST_FOURTH_INNINGS, "Total", 310, 0, 490, 10},
    {REC_LOWEST_TOTAL, "Total", 310, 0, 490, 10},
    {REC_LOWEST_AGGREGATE, "Total Runs", 0, 0, 490, 10},
    {REC_HIGHEST_AGGREGATE, "Total Runs", 0, 0, 490, 10},
    {REC_BEST_BOWLING, "Figures", 0, 320, 490, 20},
    {REC_BEST_MATCH_BOWLING, "Figures", 0, 320, 490, 20},
    {REC_INNINGS_MARGIN, "Win by Innings and", 310, 0, 490, 10},
    {REC_RUNS_MARGIN, "Runs", 310, 0, 490, 10},
    {REC_SMALLEST_RUNS_MARGIN, "Runs", 310, 0, 490, 10},
    {REC_CLOSEST_DRAW, "Runs To Win", 310, 0, 490, 10},
};

const SectionLayout* LayoutOf(int section) {
    for (const SectionLayout& l : LAYOUTS)
        if (l.m_section == section) return &l;
    return nullptr;
}

const char* const SUBTITLES[] = {"First Class Records", "Test Match Records", "List-A Limited Overs Records",
                                 "One Day International Records"};

void Heading(int x, const char* text) {
    g_system->DrawText(x, 110, ALIGN_LEFT, TEXT_ORANGE, g_game->m_fontHeading.get(), "%s", text);
}

void Text(int x, int y, uint32_t colour, const char* text, CFont* font = nullptr) {
    g_system->DrawText(x, y, ALIGN_LEFT, colour, font ? font : g_game->m_fontText.get(), "%s", text);
}

// A cell that ends where the next column begins: the text face, or the
// smaller one centred on the same line, cut with "." when even that is too
// wide.
void FitText(int x, int nextX, int y, const char* text) {
    const int width = nextX - x - 5;
    CFont* font = g_game->m_fontText.get();
    if (CSystem::TextWidth(font, text) > width) {
        CFont* small = g_game->m_fontTable.get();
        if (font && small) y += (font->LineHeight() - small->LineHeight()) / 2;
        font = small;
    }
    g_system->DrawText(x, y, ALIGN_LEFT, TEXT_WHITE, font, "%s", CutToWidth(font, text, width).c_str());
}

void DrawPartnerships(const std::vector<RecordEntry>& entries) {
    Heading(225, "Wicket");
    Heading(290, "Runs");
    Heading(350, "Batsmen and Match");
    Heading(790, "Ground");
    Heading(940, "Season");
    CFont* small = g_game->m_fontTooltip.get();
    static const char* const LABELS[PARTNERSHIP_WICKETS] = {"1st", "2nd", "3rd", "4th", "5th",
                                                            "6th", "7th", "8th", "9th", "10th"};
    for (int w = 1; w <= PARTNERSHIP_WICKETS; ++w) {
        const int y = ROWS_TOP + PARTNERSHIP_STEP * (w - 1);
        Text(225, y, TEXT_YELLOW, LABELS[w - 1]);
        for (const RecordEntry& e : entries) {
            if (e.m_wickets != w || e.m_value <= 0) continue;
            Text(290, y, TEXT_WHITE, RecordValueText(REC_PARTNERSHIPS, e).c_str());
            FitText(350, 520, y, e.PlayerText(0).c_str());
            Text(520, y, GREY, "and", small);
            FitText(580, 790, y, e.PlayerText(1).c_str());
            FitText(790, 940, y, e.GroundText());
            Text(940, y, TEXT_WHITE, e.SeasonText());
            Text(350, y + 22, TEXT_WHITE, e.MatchText(), small);
            break;
        }
    }
}

void DrawSection(const SectionLayout& l, const std::vector<RecordEntry>& entries) {
    Heading(225, l.m_valueHeading);
    if (l.m_sideX) Heading(l.m_sideX, "Team");
    if (l.m_playerX) Heading(l.m_playerX, "Player");
    Heading(l.m_matchX, "Match");
    Heading(790, "Ground");
    Heading(940, "Season");
    int shown = 0;
    for (const RecordEntry& e : entries) {
        if (shown >= l.m_rows) break;
        if (!RecordShown(l.m_section, e)) continue;
        const int y = ROWS_TOP + ROW_STEP * shown++;
        const int valueEnd = l.m_sideX ? l.m_sideX : l.m_playerX ? l.m_playerX : l.m_matchX;
        FitText(225, valueEnd, y, RecordValueText(l.m_section, e).c_str());
        if (l.m_sideX) FitText(l.m_sideX, l.m_matchX, y, e.TeamText());
        if (l.m_playerX) FitText(l.m_playerX, l.m_matchX, y, e.PlayerText(0).c_str());
        FitText(l.m_matchX, 790, y, e.MatchText());
        FitText(790, 940, y, e.GroundText());
        FitText(940, SCREEN_WIDTH, y, e.SeasonText());
    }
}

}  // namespace

const RecordsTable* RS::ShownTable() const {
    for (const RecordsTable& t : g_world.mv_records)
        if (t.m_kind == m_kept.kind) return &t;
    return nullptr;
}

bool RecordShown(int section, const RecordEntry& e) {
    if (section == REC_LOWEST_TOTAL) return e.m_value > 0 || e.m_wickets > 0;
    return e.m_value > 0;
}

std::string RecordValueText(int section, const RecordEntry& e) {
    switch (section) {
        case REC_PARTNERSHIPS:
            return Format(e.m_flag ? "%d" : "%d*", e.m_value);
        case REC_HIGHEST_SCORE:
            return Format(e.m_flag ? "%d*" : "%d", e.m_value);
        case REC_HIGHEST_TOTAL:
        case REC_HIGHEST_FOURTH_INNINGS:
            if (e.m_wickets == ALL_OUT) return Format("%d", e.m_value);
            if (section == REC_HIGHEST_TOTAL && e.m_flag == INNINGS_DECLARED)
                return Format("%d/%d dec", e.m_value, e.m_wickets);
            return Format("%d/%d", e.m_value, e.m_wickets);
        case REC_BEST_BOWLING:
        case REC_BEST_MATCH_BOWLING:
            return Format("%d/%d", e.m_value, e.m_value2);
        default:
            return Format("%d", e.m_value);
    }
}

void CRecordsScreen::SetSubject(const ScreenSubject& subject) {
    if (subject.m_kind >= RECORDS_FIRST_CLASS && subject.m_kind <= RECORDS_ODI) m_kept.kind = subject.m_kind;
    m_kept.section = subject.m_section;
}

void CRecordsScreen::Enter() {
    g_game->mb_screenFrame = 1;
}

void CRecordsScreen::Render() {
    g_game->m_background.Draw(0, 0);
    g_system->ShadeRect(203, 103, 1019, 133);
    g_system->ShadeRect(203, 135, 1019, 695);
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    const int index = RecordsTable::SectionIndex(m_kept.section);
    if (index >= 0)
        g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontTitle.get(), "%s",
                           RecordsTable::SectionTitle(index));
    g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontText.get(), "%s",
                       SUBTITLES[m_kept.kind - 1]);
    const RecordsTable* table = ShownTable();
    if (index >= 0) {
        static const std::vector<RecordEntry> NONE;
        const std::vector<RecordEntry>& entries = table ? table->mv_sections[index] : NONE;
        if (m_kept.section == REC_PARTNERSHIPS)
            DrawPartnerships(entries);
        else if (const SectionLayout* l = LayoutOf(m_kept.section))
            DrawSection(*l, entries);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

}  // namespace ravel
