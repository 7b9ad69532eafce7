// Screen 108, the player search: every player of the world that matches a
// part of a surname and the switches of the "Filter Search" dialog, twenty
// rows at a time in one of twenty views, sorted by a column of the view. The
// choices are the coach's between visits. Drawing in PlayerSearchDraw.cpp.
#pragma once

#include <cstdint>
#include <vector>

#include "season/PlayerSearch.h"

namespace ravel {

class CButton;
class CComboBox;
class CDialog;
class CEditBox;
class CHotSpot;
class CScrollBar;
class CTickBox;

inline constexpr int SEARCH_ROWS = 20;
inline constexpr int SEARCH_ROW_TOP = 240;
inline constexpr int SEARCH_SWITCHES = 16;
inline constexpr int SEARCH_PAGE = 8001;

struct CPlayerSearchScreen {
    static void Enter();
    static void Update();
    static void Leave();
    static void Render();

    // Runs the search from the controls; the list stays in table order.
    static void RebuildPlayerSearch();
    // Refills "Sort by" for the view.
    static void SetPlayerListColumns(int view);
    // Sorts the list by the view's column of that value; nothing for a
    // column the view lacks.
    static void FillPlayerSearchList(int value);
    // The filter dialog's labels.
    static void PlayerSearchFilterPanel();
    static int ScrollPosition();

    static std::vector<int32_t> sv_results;
    static PlayerFilter s_request;
    static int32_t s_page;
    static int32_t s_view;

    static CHotSpot* s_profileSpot;
    static CDialog* s_dialog;
    static CButton* s_btnApply;
    static CTickBox* s_ticks[SEARCH_SWITCHES];
    static CComboBox* s_comboCountry;
    static CHotSpot* s_rows[SEARCH_ROWS];
    static CEditBox* s_editName;
    static CButton* s_btnFind;
    static CComboBox* s_comboSort;
    static CComboBox* s_comboView;
    static CScrollBar* s_scroll;
    static CButton* s_btnEdit;
};

}  // namespace ravel
