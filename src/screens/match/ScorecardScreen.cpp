#include "screens/match/ScorecardScreen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "match/Match.h"
#include "match/MatchLists.h"
#include "match/Scorecard.h"
#include "screens/menus/ScreenControls.h"
#include "screens/menus/ScreenFrame.h"
#include "screens/menus/ScreenTable.h"
#include "screens/team/PlayerDetailsScreen.h"
#include "shell/Game.h"
#include "shell/Settings.h"
#include "shell/gui/Button.h"
#include "shell/gui/ComboBox.h"
#include "shell/gui/FileDialog.h"
#include "shell/platform/Sprite.h"
#include "shell/platform/System.h"
#include "world/Paths.h"
#include "world/Services.h"
#include "world/World.h"

namespace ravel {

using SC = CScorecardScreen;

namespace {

constexpr char PITCH_FILE[] = "gfx/pics/pitch_small.bmp";
constexpr int TABS = SCORECARD_TABS;

// Card drop-down values.
constexpr int ITEM_BATTING = 0;
constexpr int ITEM_PARTNERSHIPS = 1;
constexpr int ITEM_BOWLING = 2;

struct TabRow {
    const char* caption;
    int x;
};
constexpr TabRow TAB_ROWS[TABS] = {
    {"Summary", 210}, {"Innings 1", 373}, {"Innings 2", 536}, {"Innings 3", 699}, {"Innings 4", 862},
};
constexpr int TAB_Y = 105, TAB_WIDTH = 153, WIDE_TAB_WIDTH = 306;

void Park(CControl* row) {
    row->mb_visible = 0;
    row->Disable();
    row->m_state = STATE_NORMAL;
}

void Place(CControl* row, int x, int y, int width, int height) {
    row->SetRect(x, y, width, height);
    row->mb_visible = 1;
    row->mb_disabled = 0;
}

// "%s v %s" above the title: club names below 500, club then country for the
// tour matches, country names for the tournaments and from 600; none for
// the championships and the further events.
void DrawSides(const Match& match) {
    const int32_t c = match.mi_competition;
    const bool none = c == COMP_TEST_CHAMPIONSHIP || c == COMP_ODI_CHAMPIONSHIP ||
                      (c >= COMP_FIRST_FURTHER_EVENT && c < FIRST_TOUR_SERIES_ID);
    if (none) return;
    g_system->DrawText(512, 15, ALIGN_CENTRE, TEXT_WHITE, g_game->m_fontText.get(), "%s v %s",
                       SideName(match.mi_team1), SideName(match.mi_team2));
}

void OpenPlayer(int32_t playerId) {
    if (playerId < 0 || !PlayerById(playerId)) return;
    OpenPlayerDetails(playerId);
}

}  // namespace

void SC::SetTabs(const Match& match) {
    for (int k = 0; k < TABS; ++k) {
        m_tabs[k]->SetRect(TAB_ROWS[k].x, TAB_Y, TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        m_tabs[k]->SetCaption(TAB_ROWS[k].caption);
        m_tabs[k]->mb_visible = 1;
        m_tabs[k]->mb_disabled = 0;
    }
    if (IsLimitedOversFormat(match.mi_matchType)) {
        // Two wide tabs named after the sides; the second opens innings 2.
        m_tabs[1]->SetRect(373, TAB_Y, WIDE_TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        m_tabs[2]->SetRect(699, TAB_Y, WIDE_TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        m_tabs[1]->SetCaption(SideName(match.m_innings[0].mi_battingTeam));
        m_tabs[2]->SetCaption(SideName(match.m_innings[1].mi_battingTeam));
        m_tabs[3]->mb_visible = 0;
        m_tabs[4]->mb_visible = 0;
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (match.m_innings[i].mi_legalBalls == 0) m_tabs[1 + i]->Disable();
    }
}

void SC::ChooseView(int32_t view) {
    mi_view = view;
    LayOutRows();
}

// Tab k opens innings k; in a one-innings match the wide second tab is
// innings 2.
void SC::ClickedTabs() {
    for (int k = 0; k < TABS; ++k) {
        if (!TakeClick(m_tabs[k])) continue;
        ChooseView(k == 0 ? VIEW_SUMMARY : VIEW_INNINGS_1 + k - 1);
        return;
    }
}

void SC::ClickedCardBox() {
    if (!m_cardBox || m_cardBox->m_comboState != COMBO_CHOSEN) return;
    const int value = m_cardBox->GetSelectedValue();
    m_cardBox->Collapse();
    if (value == ITEM_BATTING) {
        mi_card = CARD_BATTING;
        m_cardBox->SetCaption("Batting Card");
    } else if (value == ITEM_PARTNERSHIPS) {
        mi_card = CARD_PARTNERSHIPS;
        m_cardBox->SetCaption("Partnerships");
    } else if (value == ITEM_BOWLING) {
        mi_card = CARD_BOWLING;
        m_cardBox->SetCaption("Bowling Card");
    }
    LayOutRows();
}

void SC::ClickedRows(const Match& match) {
    if (mi_view >= VIEW_INNINGS_1 && mi_view <= VIEW_INNINGS_4) {
        for (int k = 0; k < SCORECARD_HOT_SPOTS; ++k) {
            if (!TakeClick(m_rows[k])) continue;
            mi_innings = mi_view - VIEW_INNINGS_1;
            const Innings& innings = match.m_innings[mi_innings];
            if (k >= FIRST_BOWLING_SPOT) {
                int32_t slots[SQUAD_SIZE];
                const int rows = BowlingRows(match, mi_innings, slots);
                if (k - FIRST_BOWLING_SPOT < rows)
                    OpenPlayer(innings.m_bowlers[slots[k - FIRST_BOWLING_SPOT]].mi_player);
                return;
            }
            mi_position = k;
            ChooseView(VIEW_BATSMAN);
            return;
        }
        return;
    }
    if (mi_view != VIEW_BATSMAN) return;
    const Innings& innings = match.m_innings[mi_innings];
    if (TakeClick(m_rows[0])) {
        OpenPlayer(innings.m_batsmen[mi_position].mi_player);
    } else if (TakeClick(m_rows[1])) {
        OpenSide(innings.mi_battingTeam);
    }
}

Match* ScorecardMatch() {
    const ScreenSubject subject = TheScreen<CScorecardScreen>().Subject();
    const auto& list = subject.m_kind == MATCH_LIST_COMPLETED ? g_completedMatches : g_currentMatches;
    const int index = subject.m_id;
    if (index < 0 || index >= static_cast<int>(list.size())) return nullptr;
    return list[static_cast<size_t>(index)].get();
}

void OpenScorecard(int list, int index) {
    const int kind = list == MATCH_LIST_COMPLETED ? MATCH_LIST_COMPLETED : MATCH_LIST_IN_PROGRESS;
    const auto& matches = kind == MATCH_LIST_COMPLETED ? g_completedMatches : g_currentMatches;
    if (index < 0 || index >= static_cast<int>(matches.size())) {
        ChangeScreen(SCREEN_NEWS);
        return;
    }
    OpenScreen(SCREEN_SCORECARD, {index, kind});
}

void OpenScorecardByMatchId(int matchId) {
    for (size_t i = 0; i < g_currentMatches.size(); ++i) {
        if (g_currentMatches[i] && g_currentMatches[i]->mi_id == matchId) {
            OpenScorecard(MATCH_LIST_IN_PROGRESS, static_cast<int>(i));
            return;
        }
    }
    for (size_t i = 0; i < g_completedMatches.size(); ++i) {
        if (g_completedMatches[i] && g_completedMatches[i]->mi_id == matchId) {
            OpenScorecard(MATCH_LIST_COMPLETED, static_cast<int>(i));
            return;
        }
    }
}

void SaveScorecardHtml() {
    const Match* match = ScorecardMatch();
    const CFileDialog* dialog = TheScreen<CScorecardScreen>().m_saveDialog;
    if (!match || !dialog) return;
    const char* name = dialog->ChosenName();
    if (!IsPlainFileName(name)) {
        ShowMessage("Please enter a file name without folders or \"..\".", MSG_OK);
        return;
    }
    const std::string path = JoinPath(dialog->m_folder, name);
    if (!WriteScorecardHtml(*match, 0, NativePath(path).c_str())) {
        ShowMessage("The scorecard could not be saved there.", MSG_OK);
        return;
    }
    ShowMessage("Scorecard has been saved", MSG_OK);
}

void SC::Enter() {
    g_game->m_recordOnLeave = false;
    g_game->mb_screenFrame = 1;
    mi_card = CARD_BATTING;
    mi_innings = 0;
    mi_position = 0;
    m_controls.Begin();
    for (CHotSpot*& row : m_rows) {
        row = m_controls.Make<CHotSpot>(10, 10, 20, 20);
        Park(row);
    }
    m_saveDialog = m_controls.Make<CFileDialog>(10, 10, 200, 100);
    m_saveDialog->mp_okCallback = SaveScorecardHtml;
    std::snprintf(m_saveDialog->m_defaultName, sizeof m_saveDialog->m_defaultName, "scorecard.html");
    m_saveDialog->m_nameBox.SetCaption("scorecard.html");
    m_html = m_controls.Make<CButton>(870, 10, 143, 20, "Output to HTML");
    for (int k = 0; k < TABS; ++k)
        m_tabs[k] = m_controls.Make<CButton>(TAB_ROWS[k].x, TAB_Y, TAB_WIDTH, SCREEN_BUTTON_HEIGHT,
                                             TAB_ROWS[k].caption);
    m_cardBox = m_controls.Make<CComboBox>(500, 150, 250, 30, "Batting Card");
    m_cardBox->AddListItem("Batting Card", ITEM_BATTING);
    m_cardBox->AddListItem("Bowling Card", ITEM_BOWLING);
    m_cardBox->AddListItem("Partnerships", ITEM_PARTNERSHIPS);
    for (CHotSpot* row : m_rows) m_controls.List(row);
    m_controls.List(m_saveDialog);
    m_controls.List(m_html);
    for (CButton* tab : m_tabs) m_controls.List(tab);
    m_controls.List(m_cardBox);
    LoadTextures();

    Match* match = ScorecardMatch();
    if (match) {
        SetTabs(*match);
        for (Innings& innings : match->m_innings) innings.FindTopPerformers();
    }
    mi_view = VIEW_SUMMARY;
    LayOutRows();
}

void SC::LayOutRows() {
    for (CHotSpot* row : m_rows) Park(row);
    if (m_cardBox) m_cardBox->mb_visible = 0;
    const Match* match = ScorecardMatch();
    if (!match || !m_rows[0]) return;
    if (mi_view == VIEW_BATSMAN) {
        Place(m_rows[0], 210, 140, 400, 39);
        Place(m_rows[1], 210, 180, 400, 19);
        return;
    }
    if (mi_view < VIEW_INNINGS_1 || mi_view > VIEW_INNINGS_4) return;
    m_cardBox->mb_visible = 1;
    const Innings& innings = match->m_innings[mi_view - VIEW_INNINGS_1];
    if (innings.mi_legalBalls == 0) return;
    if (mi_card == CARD_BATTING) {
        for (int k = 0; k < SQUAD_SIZE; ++k) Place(m_rows[k], 230, 180 + 20 * k, 780, 19);
    } else if (mi_card == CARD_BOWLING) {
        int32_t slots[SQUAD_SIZE];
        const int rows = BowlingRows(*match, mi_view - VIEW_INNINGS_1, slots);
        for (int r = 0; r < rows; ++r) Place(m_rows[FIRST_BOWLING_SPOT + r], 230, 200 + 20 * r, 640, 19);
    }
}

void SC::Update() {
    const Match* match = ScorecardMatch();
    if (TakeClick(m_html)) {
        // A folder too long for the dialog is cut; the write then fails with its message.
        const size_t length = std::min(std::strlen(s_outputFolder), sizeof m_saveDialog->m_folder - 1);
        std::memcpy(m_saveDialog->m_folder, s_outputFolder, length);
        m_saveDialog->m_folder[length] = '\0';
        m_saveDialog->Open(212, 200, FILE_DIALOG_SAVE, "Save to HTML", NoCallback);
        return;
    }
    if (!match) return;
    ClickedRows(*match);
    ClickedCardBox();
    ClickedTabs();
}

void SC::Render() {
    DrawFrameBars(g_cricket.m_date.ClockText().c_str());
    const Match* match = ScorecardMatch();
    if (match) {
        CFont* font = g_game->m_fontText.get();
        g_system->DrawText(512, 50, ALIGN_CENTRE, TEXT_WHITE, font, "%s", MatchTitle(*match).c_str());
        DrawSides(*match);
        const Ground* ground = GroundById(match->mi_ground);
        g_system->DrawText(512, 70, ALIGN_CENTRE, TEXT_WHITE, font, "%s", ground ? ground->m_name : "");
        if (mi_view == VIEW_SUMMARY)
            DrawScorecardSummary(*match);
        else if (mi_view == VIEW_BATSMAN)
            DrawBatsmanPage(*match, mi_innings, mi_position);
        else
            DrawInningsCard(*match, mi_view - VIEW_INNINGS_1, mi_card);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void SC::Leave() {
    m_controls.Free();
    for (CHotSpot*& row : m_rows) row = nullptr;
    for (CButton*& tab : m_tabs) tab = nullptr;
    m_html = nullptr;
    m_cardBox = nullptr;
    m_saveDialog = nullptr;
    UnloadTextures();
}

void SC::LoadTextures() {
    m_pitch.Release();
    if (!m_pitch.LoadFromFile(PITCH_FILE)) DebugLog("Scorecard: no %s", PITCH_FILE);
}

void SC::UnloadTextures() {
    m_pitch.Release();
}

void DrawScorecardPitch(int x, int y) {
    CSprite& pitch = TheScreen<CScorecardScreen>().m_pitch;
    if (pitch.Loaded()) pitch.Draw(x, y);
}

}  // namespace ravel
