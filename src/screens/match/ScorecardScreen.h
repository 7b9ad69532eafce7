// Screen 115, one match finished or in progress: the summary, the card of
// each innings (batting, bowling or partnerships), a batsman's page, and
// the match's HTML scorecard saved to the output folder.
#pragma once

#include <cstdint>
#include <string>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"
#include "shell/platform/Sprite.h"

namespace ravel {

class CButton;
class CComboBox;
class CFileDialog;
class CHotSpot;
class Match;
struct Innings;

// Views and cards of the scorecard.
enum ScorecardView : int32_t {
    VIEW_SUMMARY = 10,
    VIEW_INNINGS_1 = 11,
    VIEW_INNINGS_4 = 14,
    VIEW_BATSMAN = 21,
};
enum ScorecardCard : int32_t {
    CARD_BATTING = 111,
    CARD_PARTNERSHIPS = 112,
    CARD_BOWLING = 113,
};
// The match lists a scorecard's subject is taken from.
inline constexpr int32_t MATCH_LIST_COMPLETED = 1;
inline constexpr int32_t MATCH_LIST_IN_PROGRESS = 2;

inline constexpr int SCORECARD_HOT_SPOTS = 25;
inline constexpr int FIRST_BOWLING_SPOT = 11;
inline constexpr int SCORECARD_TABS = 5;

class CScorecardScreen : public CScreen {
public:
    void Enter() override;
    // The subject: m_kind, the match list (1 completed, 2 in progress); m_id,
    // the match's position in it.
    void SetSubject(const ScreenSubject& subject) override { m_kept.subject = subject; }
    ScreenSubject Subject() const override { return {m_kept.subject.m_id, m_kept.subject.m_kind}; }
    void Reset() override { m_kept = {}; }
    void Update() override;
    void Render() override;
    void Leave() override;
    void LoadTextures() override;
    void UnloadTextures() override;

    // Lays the hot spots out for the view and card.
    void LayOutRows();

    // Set fresh by Enter.
    int32_t mi_view = VIEW_SUMMARY;
    int32_t mi_card = CARD_BATTING;
    int32_t mi_innings = 0;   // 0..3
    int32_t mi_position = 0;  // batting order position of the batsman's page
    // Made by Enter, freed by Leave.
    CHotSpot* m_rows[SCORECARD_HOT_SPOTS] = {};
    CButton* m_tabs[SCORECARD_TABS] = {};
    CButton* m_html = nullptr;
    CComboBox* m_cardBox = nullptr;
    CFileDialog* m_saveDialog = nullptr;
    // Loaded on each visit.
    CSprite m_pitch;

private:
    // Kept between visits.
    struct Kept {
        ScreenSubject subject{0, MATCH_LIST_COMPLETED};
    } m_kept;

    ScreenControls m_controls;

    void SetTabs(const Match& match);
    void ChooseView(int32_t view);
    void ClickedTabs();
    void ClickedCardBox();
    void ClickedRows(const Match& match);
};

// The subject match (as the news link sets it), or nullptr when its list no
// longer holds it.
Match* ScorecardMatch();
// The match at a position of the completed matches (list 1) or the matches
// in progress (any other list); a bad position opens the news page instead.
void OpenScorecard(int list, int index);
// The match with the id, in progress or completed; nothing when neither
// list holds it.
void OpenScorecardByMatchId(int matchId);
// The save dialog's OK: writes the HTML scorecard to the dialog's folder.
void SaveScorecardHtml();

// The views (ScorecardDraw.cpp).
void DrawScorecardSummary(const Match& match);
void DrawInningsCard(const Match& match, int innings, int card);
void DrawBatsmanPage(const Match& match, int innings, int position);
// The bowling order's slots that have bowled a ball, in that order: the
// bowling card's rows and hot spots.
int BowlingRows(const Match& match, int innings, int32_t (&slots)[11]);
// "245 all out", "301/6 dec" or "187/4"; in a one-innings match "245" all
// out and never "dec".
std::string InningsScoreText(const Innings& innings, bool oneInnings);
// The small pitch picture, once loaded.
void DrawScorecardPitch(int x, int y);

}  // namespace ravel
