// Screen 115, one match finished or in progress: the summary, the card of
// each innings (batting, bowling or partnerships), a batsman's page, and
// the match's HTML scorecard saved to the output folder.
#pragma once

#include <cstdint>
#include <string>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"

namespace ravel {

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

struct CScorecardScreen {
    static void Enter();
    // The subject: m_kind, the match list (1 completed, 2 in progress); m_id,
    // the match's position in it.
    static void SetSubject(const ScreenSubject& subject) {
        g_linkSubjects.m_matchList = subject.m_kind;
        g_linkSubjects.m_matchIndex = subject.m_id;
    }
    static ScreenSubject Subject() { return {g_linkSubjects.m_matchIndex, g_linkSubjects.m_matchList}; }
    static void Update();
    static void Render();
    static void Leave();
    static void LoadTextures();
    static void UnloadTextures();

    // Lays the hot spots out for the view and card.
    static void LayOutRows();

    static int32_t s_view;
    static int32_t s_card;
    static int32_t s_innings;   // 0..3
    static int32_t s_position;  // batting order position of the batsman's page
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
