// Screen 106, the page of one player under six tabs (Details, Form, Career,
// Current, Contract, History), with links to his clubs and countries and an
// Actions menu through which the user's coach releases, renews, approaches
// or picks him for the national squad. State and actions here, drawing in
// PlayerDetailsDraw.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "screens/menus/ScreenControls.h"
#include "shell/Screen.h"
#include "shell/platform/Sprite.h"
#include "world/Player.h"

namespace ravel {

class CButton;
class CComboBox;
class CHotSpot;
class CPopupMenu;
class CScrollBar;

enum DetailsTab : int32_t {
    DETAILS_TAB = 99001,
    FORM_TAB = 99002,
    CURRENT_TAB = 99003,
    CAREER_TAB = 99004,
    CONTRACT_TAB = 99005,
    HISTORY_TAB = 99006,
};

// History views: odd batting, even bowling; first-class, List A, Test and
// one-day pairs in turn.
inline constexpr int HISTORY_FIRST_VIEW = 99101;
inline constexpr int HISTORY_LAST_VIEW = 99108;
inline constexpr int HISTORY_ROWS = 21;

enum DetailsAction : int32_t {
    ACTION_RELEASE = 0,
    ACTION_RENEW = 1,
    ACTION_ADD_TO_SQUAD = 2,
    ACTION_REMOVE_FROM_SQUAD = 3,
    ACTION_APPROACH = 4,
};

// A performance of the player in a completed match.
struct PerformanceRef {
    int32_t m_kind = 0;  // 0 batting, 1 bowling
    int32_t m_match = 0;
    int32_t m_innings = 0;
    int32_t m_slot = 0;
};

struct CPlayerDetailsScreen {
    static void Enter();
    // The subject: m_id, the player's id.
    static void SetSubject(const ScreenSubject& subject) { g_linkSubjects.m_playerId = subject.m_id; }
    static ScreenSubject Subject() { return {g_linkSubjects.m_playerId}; }
    static void Update();
    static void Leave();
    static void Render();

    // The History tab's records of the data view's kind of cricket.
    static void FilterPerformanceList();
    // The approach refusal for a CanSignPlayer result; empty for 0 and codes
    // with no message.
    static std::string ApproachMessage(const Player& player, int result);

    static int32_t s_player;
    static int32_t s_tab;
    static int32_t s_historyView;
    static bool s_evenSeason;
    static bool s_pictureLoaded;
    static CSprite s_picture;
    static int32_t s_transferTeam;
    static int32_t s_lastApproach;
    static std::vector<PerformanceRef> sv_recent;
    static std::vector<PlayerStats> sv_history;
    static std::vector<PlayerStats> sv_filtered;
    static std::vector<int32_t> sv_offers;

    static CHotSpot* s_spotNorth;
    static CHotSpot* s_spotSouth;
    static CHotSpot* s_spotCountry;
    static CHotSpot* s_spotCountry2;
    static CComboBox* s_comboHistory;
    static CScrollBar* s_scroll;
    static CButton* s_tabs[6];
    static CButton* s_btnActions;
    static CPopupMenu* s_menuActions;
};

// The details page of a player.
void OpenPlayerDetails(int32_t playerId);

}  // namespace ravel
