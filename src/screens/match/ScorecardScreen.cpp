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

int32_t SC::s_view = VIEW_SUMMARY;
int32_t SC::s_card = CARD_BATTING;
int32_t SC::s_innings = 0;
int32_t SC::s_position = 0;

namespace {

constexpr char PITCH_FILE[] = "gfx/pics/pitch_small.bmp";
constexpr int TABS = 5;

// Card drop-down values.
constexpr int ITEM_BATTING = 0;
constexpr int ITEM_PARTNERSHIPS = 1;
constexpr int ITEM_BOWLING = 2;

ScreenControls s_controls;
CHotSpot* s_rows[SCORECARD_HOT_SPOTS] = {};
CButton* s_tabs[TABS] = {};
CButton* s_html = nullptr;
CComboBox* s_cardBox = nullptr;
CFileDialog* s_saveDialog = nullptr;
CSprite s_pitch;

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

void SetTabs(const Match& match) {
    for (int k = 0; k < TABS; ++k) {
        s_tabs[k]->SetRect(TAB_ROWS[k].x, TAB_Y, TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        s_tabs[k]->SetCaption(TAB_ROWS[k].caption);
        s_tabs[k]->mb_visible = 1;
        s_tabs[k]->mb_disabled = 0;
    }
    if (IsLimitedOversFormat(match.mi_matchType)) {
        // Two wide tabs named after the sides; the second opens innings 2.
        s_tabs[1]->SetRect(373, TAB_Y, WIDE_TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        s_tabs[2]->SetRect(699, TAB_Y, WIDE_TAB_WIDTH, SCREEN_BUTTON_HEIGHT);
        s_tabs[1]->SetCaption(SideName(match.m_innings[0].mi_battingTeam));
        s_tabs[2]->SetCaption(SideName(match.m_innings[1].mi_battingTeam));
        s_tabs[3]->mb_visible = 0;
        s_tabs[4]->mb_visible = 0;
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (match.m_innings[i].mi_legalBalls == 0) s_tabs[1 + i]->Disable();
    }
}

void ChooseView(int32_t view) {
    SC::s_view = view;
    SC::LayOutRows();
}

// Tab k opens innings k; in a one-innings match the wide second tab is
// innings 2.
void ClickedTabs() {
    for (int k = 0; k < TABS; ++k) {
        if (!TakeClick(s_tabs[k])) continue;
        ChooseView(k == 0 ? VIEW_SUMMARY : VIEW_INNINGS_1 + k - 1);
        return;
    }
}

void ClickedCardBox() {
    if (!s_cardBox || s_cardBox->m_comboState != COMBO_CHOSEN) return;
    const int value = s_cardBox->GetSelectedValue();
    s_cardBox->Collapse();
    if (value == ITEM_BATTING) {
        SC::s_card = CARD_BATTING;
        s_cardBox->SetCaption("Batting Card");
    } else if (value == ITEM_PARTNERSHIPS) {
        SC::s_card = CARD_PARTNERSHIPS;
        s_cardBox->SetCaption("Partnerships");
    } else if (value == ITEM_BOWLING) {
        SC::s_card = CARD_BOWLING;
        s_cardBox->SetCaption("Bowling Card");
    }
    SC::LayOutRows();
}

void OpenPlayer(int32_t playerId) {
    if (playerId < 0 || !PlayerById(playerId)) return;
    OpenPlayerDetails(playerId);
}

void ClickedRows(const Match& match) {
    if (SC::s_view >= VIEW_INNINGS_1 && SC::s_view <= VIEW_INNINGS_4) {
        for (int k = 0; k < SCORECARD_HOT_SPOTS; ++k) {
            if (!TakeClick(s_rows[k])) continue;
            SC::s_innings = SC::s_view - VIEW_INNINGS_1;
            const Innings& innings = match.m_innings[SC::s_innings];
            if (k >= FIRST_BOWLING_SPOT) {
                int32_t slots[SQUAD_SIZE];
                const int rows = BowlingRows(match, SC::s_innings, slots);
                if (k - FIRST_BOWLING_SPOT < rows)
                    OpenPlayer(innings.m_bowlers[slots[k - FIRST_BOWLING_SPOT]].mi_player);
                return;
            }
            SC::s_position = k;
            ChooseView(VIEW_BATSMAN);
            return;
        }
        return;
    }
    if (SC::s_view != VIEW_BATSMAN) return;
    const Innings& innings = match.m_innings[SC::s_innings];
    if (TakeClick(s_rows[0])) {
        OpenPlayer(innings.m_batsmen[SC::s_position].mi_player);
    } else if (TakeClick(s_rows[1])) {
        OpenSide(innings.mi_battingTeam);
    }
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

}  // namespace

Match* ScorecardMatch() {
    const auto& list =
        g_linkSubjects.m_matchList == MATCH_LIST_COMPLETED ? g_completedMatches : g_currentMatches;
    const int index = g_linkSubjects.m_matchIndex;
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
    if (!match || !s_saveDialog) return;
    const char* name = s_saveDialog->ChosenName();
    if (!IsPlainFileName(name)) {
        ShowMessage("Please enter a file name without folders or \"..\".", MSG_OK);
        return;
    }
    const std::string path = JoinPath(s_saveDialog->m_folder, name);
    if (!WriteScorecardHtml(*match, 0, NativePath(path).c_str())) {
        ShowMessage("The scorecard could not be saved there.", MSG_OK);
        return;
    }
    ShowMessage("Scorecard has been saved", MSG_OK);
}

void SC::Enter() {
    g_game->m_recordOnLeave = false;
    g_game->mb_screenFrame = 1;
    s_card = CARD_BATTING;
    s_controls.Begin();
    for (CHotSpot*& row : s_rows) {
        row = s_controls.Make<CHotSpot>(10, 10, 20, 20);
        Park(row);
    }
    s_saveDialog = s_controls.Make<CFileDialog>(10, 10, 200, 100);
    s_saveDialog->mp_okCallback = SaveScorecardHtml;
    std::snprintf(s_saveDialog->m_defaultName, sizeof s_saveDialog->m_defaultName, "scorecard.html");
    s_saveDialog->m_nameBox.SetCaption("scorecard.html");
    s_html = s_controls.Make<CButton>(870, 10, 143, 20, "Output to HTML");
    for (int k = 0; k < TABS; ++k)
        s_tabs[k] = s_controls.Make<CButton>(TAB_ROWS[k].x, TAB_Y, TAB_WIDTH, SCREEN_BUTTON_HEIGHT,
                                             TAB_ROWS[k].caption);
    s_cardBox = s_controls.Make<CComboBox>(500, 150, 250, 30, "Batting Card");
    s_cardBox->AddListItem("Batting Card", ITEM_BATTING);
    s_cardBox->AddListItem("Bowling Card", ITEM_BOWLING);
    s_cardBox->AddListItem("Partnerships", ITEM_PARTNERSHIPS);
    for (CHotSpot* row : s_rows) s_controls.List(row);
    s_controls.List(s_saveDialog);
    s_controls.List(s_html);
    for (CButton* tab : s_tabs) s_controls.List(tab);
    s_controls.List(s_cardBox);
    LoadTextures();

    Match* match = ScorecardMatch();
    if (match) {
        SetTabs(*match);
        for (Innings& innings : match->m_innings) innings.FindTopPerformers();
    }
    s_view = VIEW_SUMMARY;
    LayOutRows();
}

void SC::LayOutRows() {
    for (CHotSpot* row : s_rows) Park(row);
    if (s_cardBox) s_cardBox->mb_visible = 0;
    const Match* match = ScorecardMatch();
    if (!match || !s_rows[0]) return;
    if (s_view == VIEW_BATSMAN) {
        Place(s_rows[0], 210, 140, 400, 39);
        Place(s_rows[1], 210, 180, 400, 19);
        return;
    }
    if (s_view < VIEW_INNINGS_1 || s_view > VIEW_INNINGS_4) return;
    s_cardBox->mb_visible = 1;
    const Innings& innings = match->m_innings[s_view - VIEW_INNINGS_1];
    if (innings.mi_legalBalls == 0) return;
    if (s_card == CARD_BATTING) {
        for (int k = 0; k < SQUAD_SIZE; ++k) Place(s_rows[k], 230, 180 + 20 * k, 780, 19);
    } else if (s_card == CARD_BOWLING) {
        int32_t slots[SQUAD_SIZE];
        const int rows = BowlingRows(*match, s_view - VIEW_INNINGS_1, slots);
        for (int r = 0; r < rows; ++r) Place(s_rows[FIRST_BOWLING_SPOT + r], 230, 200 + 20 * r, 640, 19);
    }
}

void SC::Update() {
    const Match* match = ScorecardMatch();
    if (TakeClick(s_html)) {
        // A folder too long for the dialog is cut; the write then fails with its message.
        const size_t length = std::min(std::strlen(s_outputFolder), sizeof s_saveDialog->m_folder - 1);
        std::memcpy(s_saveDialog->m_folder, s_outputFolder, length);
        s_saveDialog->m_folder[length] = '\0';
        s_saveDialog->Open(212, 200, FILE_DIALOG_SAVE, "Save to HTML", NoCallback);
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
        if (s_view == VIEW_SUMMARY)
            DrawScorecardSummary(*match);
        else if (s_view == VIEW_BATSMAN)
            DrawBatsmanPage(*match, s_innings, s_position);
        else
            DrawInningsCard(*match, s_view - VIEW_INNINGS_1, s_card);
    }
    if (g_system->mp_controlList) g_system->mp_controlList->Draw();
}

void SC::Leave() {
    s_controls.Free();
    for (CHotSpot*& row : s_rows) row = nullptr;
    for (CButton*& tab : s_tabs) tab = nullptr;
    s_html = nullptr;
    s_cardBox = nullptr;
    s_saveDialog = nullptr;
    UnloadTextures();
}

void SC::LoadTextures() {
    s_pitch.Release();
    if (!s_pitch.LoadFromFile(PITCH_FILE)) DebugLog("Scorecard: no %s", PITCH_FILE);
}

void SC::UnloadTextures() {
    s_pitch.Release();
}

void DrawScorecardPitch(int x, int y) {
    if (s_pitch.Loaded()) s_pitch.Draw(x, y);
}

}  // namespace ravel
